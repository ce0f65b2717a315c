#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "ContinuousCurveFixture.h"
#include "Dm/ContinuousResults.h"
#include "Dm/Geometry.h"
#include "Dm/FlatThicknessCorrector.h"
#include "Dm/PartialCurve.h"
#include "Dm/SettingsManager.h"
#include "Dm/SmartThicknessCorrector.h"
#include "TestResults.h"
#include "platform/Archive.h"

namespace {

// The objects written to one archive stay alive until it is done: the archive knows them by
// address, and a new object at the address of a dead one would be written as a reference.
using Keep = std::vector<std::unique_ptr<CObject>>;
using Writer = std::function<void(CArchive&, Keep&)>;

template <class T>
T& Written(Keep& keep, T* pObject)
{
    keep.emplace_back(pObject);
    return *pObject;
}

// Writes a continuous-curve record by hand, the way the document file lays it out; each
// piece can be replaced to make damaged or unusual files.
struct CurveRecord {
    bool bFollowTop = false;
    bool bHandModified = true;
    bool bDashed = true;
    int32_t nDashMaxDist = 17;
    std::vector<CPoint> points{{3, 4}, {4, 5}};
    Writer results = Null();
    Writer corrector = [](CArchive& ar, Keep& keep) {
        auto& smart = Written(keep, new CSmartThicknessCorrector(nullptr, 4));
        smart.SetThickness(3);
        ar.WriteObject(&smart);
    };
    std::vector<Writer> elements{Limit(true, 2.5), Part(30, 8), Part(10, 9), Limit(false, 99)};

    static Writer Null()
    {
        return [](CArchive& ar, Keep&) { ar.WriteWord(0); };
    }
    static Writer Foreign()
    {
        return [](CArchive& ar, Keep& keep) { ar.WriteObject(&Written(keep, new CTestResults)); };
    }
    static Writer Limit(bool bLeft, double dValue)
    {
        return [bLeft, dValue](CArchive& ar, Keep& keep) {
            auto& limit = Written(keep, new CLimit(nullptr, bLeft));
            limit.SetValue(dValue);
            ar.WriteObject(&limit);
        };
    }
    static Writer Part(int x, int y)
    {
        return [x, y](CArchive& ar, Keep& keep) {
            auto& part = Written(keep, new CPartialCurve);
            part.SetGenesis(CPoint(x, y));
            ar.WriteObject(&part);
        };
    }

    std::string Bytes() const;

    void WriteFields(CArchive& ar, Keep& keep) const
    {
        ar.WriteDword(0x00FF00);
        ar.WriteString("Curve 7");
        ar.WriteInt(7);
        ar.WriteInt(8);
        ar.WriteDword(0);
        ar.WriteDword(static_cast<uint32_t>(points.size()));
        for (const CPoint& p : points)
            ar.WritePoint(p);
        results(ar, keep);
        ar.WriteDword(bFollowTop);
        ar.WriteDword(bHandModified);
        ar.WriteDword(bDashed);
        ar.WriteInt(nDashMaxDist);
        ar.WriteByte(70);
        ar.WriteByte(80);
        ar.WriteByte(90);
        corrector(ar, keep);
        ar.WriteDword(static_cast<uint32_t>(elements.size()));
        for (const auto& element : elements)
            element(ar, keep);
    }
};

// Stands for a continuous curve in the archive, so that the archive numbers the class and
// the object as it does for a real one, and writes the hand-made fields.
class CRecordProxy : public CObject {
public:
    CRecordProxy(const CurveRecord& record, Keep& keep) : m_Record(record), m_Keep(keep) {}
    const CRuntimeClass* GetRuntimeClass() const override { return RUNTIME_CLASS(CContinuousCurve); }
    void Serialize(CArchive& ar) override { m_Record.WriteFields(ar, m_Keep); }

private:
    const CurveRecord& m_Record;
    Keep& m_Keep;
};

std::string CurveRecord::Bytes() const
{
    Keep keep;
    std::ostringstream out;
    CArchive ar(out);
    CRecordProxy proxy(*this, keep);
    ar.WriteObject(&proxy);
    return out.str();
}

std::unique_ptr<CContinuousCurve> Load(const std::string& bytes)
{
    CArchive ar(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size());
    std::unique_ptr<CObject> pObject(ar.ReadObject(RUNTIME_CLASS(CContinuousCurve)));
    return std::unique_ptr<CContinuousCurve>(static_cast<CContinuousCurve*>(pObject.release()));
}

std::string Store(const CObject& object)
{
    std::ostringstream out;
    CArchive ar(out);
    ar.WriteObject(&object);
    return out.str();
}

std::vector<int> GenesisXs(const CContinuousCurve& curve)
{
    std::vector<int> xs;
    for (const auto& pElement : curve.GetElements())
        if (pElement->IsPartialCurve())
            xs.push_back(static_cast<const CPartialCurve*>(pElement.get())->GetGenesis().x);
    return xs;
}

void ExpectLimitsAtTheEnds(const CContinuousCurve& curve)
{
    ASSERT_GE(curve.GetElements().size(), 2u);
    ASSERT_TRUE(curve.GetElements().front()->IsLimit());
    ASSERT_TRUE(curve.GetElements().back()->IsLimit());
    EXPECT_TRUE(curve.GetLeftLimit()->IsLeft());
    EXPECT_FALSE(curve.GetRightLimit()->IsLeft());
    const CCurveElement* pPrevious = nullptr;
    for (const auto& pElement : curve.GetElements()) {
        EXPECT_EQ(pElement->GetPrev(), pPrevious);
        EXPECT_EQ(pElement->GetCurve(), &curve);
        pPrevious = pElement.get();
    }
}

}  // namespace

TEST(ContinuousCurveFile, ReadsTheRecordAndWritesItBackByteForByte)
{
    CurveRecord record;
    record.elements = {CurveRecord::Limit(true, 2.5), CurveRecord::Part(10, 9), CurveRecord::Part(30, 8),
                       CurveRecord::Limit(false, 99)};
    const std::string bytes = record.Bytes();
    std::unique_ptr<CContinuousCurve> pCurve = Load(bytes);
    ASSERT_NE(pCurve, nullptr);
    EXPECT_FALSE(pCurve->IsFollowTop());
    EXPECT_TRUE(pCurve->IsHandModified());
    EXPECT_TRUE(pCurve->IsDashed());
    EXPECT_EQ(pCurve->GetDashMaxDist(), 17);
    EXPECT_EQ(pCurve->GetThreshold(), 0xFF46505Au);
    ASSERT_TRUE(pCurve->GetThicknessCorrector()->IsKindOf(RUNTIME_CLASS(CSmartThicknessCorrector)));
    EXPECT_EQ(pCurve->GetThicknessCorrector()->GetThickness(), 3);
    EXPECT_EQ(static_cast<CSmartThicknessCorrector*>(pCurve->GetThicknessCorrector())->GetRange(), 4);
    EXPECT_EQ(pCurve->GetThicknessCorrector()->GetCurve(), pCurve.get());
    EXPECT_EQ(pCurve->GetLeftLimit()->GetValue(), 2.5);
    EXPECT_EQ(pCurve->GetRightLimit()->GetValue(), 99);
    EXPECT_EQ(GenesisXs(*pCurve), (std::vector<int>{10, 30}));
    ExpectLimitsAtTheEnds(*pCurve);
    EXPECT_EQ(pCurve->GetPoints(), (CCurve::PointList{{3, 4}, {4, 5}}));
    EXPECT_EQ(pCurve->PeekResults(), nullptr);

    EXPECT_EQ(Store(*pCurve), bytes);
}

TEST(ContinuousCurveFile, RoundTripOfACurveWithResults)
{
    CContinuousCurve curve;
    curve.SetFollowTop(false);
    curve.SetThicknessCorrector(std::make_unique<CFlatThicknessCorrector>(nullptr));
    curve.GetThicknessCorrector()->SetThickness(5);
    curve.GetLeftLimit()->SetValue(-3);
    auto pPart = std::make_unique<CPartialCurve>(&curve);
    pPart->SetGenesis(CPoint(40, 2));
    ASSERT_NE(curve.InsertElement(pPart), curve.GetElements().end());
    curve.GetContinuousResults()->SetPeriod(0.5);

    std::unique_ptr<CContinuousCurve> pRead = Load(Store(curve));
    ASSERT_TRUE(pRead->GetThicknessCorrector()->IsKindOf(RUNTIME_CLASS(CFlatThicknessCorrector)));
    EXPECT_EQ(pRead->GetThicknessCorrector()->GetThickness(), 5);
    EXPECT_EQ(GenesisXs(*pRead), std::vector<int>{40});
    ASSERT_NE(pRead->PeekResults(), nullptr);
    EXPECT_EQ(pRead->GetContinuousResults(), pRead->PeekResults());
    EXPECT_EQ(pRead->GetContinuousResults()->GetPeriod(), 0.5);
    EXPECT_EQ(pRead->GetResults()->GetCurve(), pRead.get());
    EXPECT_EQ(Store(*pRead), Store(curve));
}

TEST(ContinuousCurveFile, ElementListsOutOfShapeAreRepaired)
{
    CurveRecord record;
    // No limits at all: default limits around the parts, parts in genesis order.
    record.elements = {CurveRecord::Part(30, 8), CurveRecord::Part(10, 9)};
    std::unique_ptr<CContinuousCurve> pCurve = Load(record.Bytes());
    ExpectLimitsAtTheEnds(*pCurve);
    EXPECT_FALSE(pCurve->GetLeftLimit()->IsValued());
    EXPECT_EQ(GenesisXs(*pCurve), (std::vector<int>{10, 30}));

    // Limits in the wrong places keep their values and go to the ends; a null reference and
    // an object that is not an element are dropped.
    record.elements = {CurveRecord::Limit(false, 50), CurveRecord::Part(20, 1), CurveRecord::Null(),
                       CurveRecord::Foreign(), CurveRecord::Limit(true, 5)};
    pCurve = Load(record.Bytes());
    ExpectLimitsAtTheEnds(*pCurve);
    EXPECT_EQ(pCurve->GetLeftLimit()->GetValue(), 5);
    EXPECT_EQ(pCurve->GetRightLimit()->GetValue(), 50);
    EXPECT_EQ(GenesisXs(*pCurve), std::vector<int>{20});

    record.elements.clear();
    pCurve = Load(record.Bytes());
    ExpectLimitsAtTheEnds(*pCurve);
    EXPECT_EQ(pCurve->GetElements().size(), 2u);

    // Two limits on one side leave no way to know which one the user set.
    record.elements = {CurveRecord::Limit(true, 1), CurveRecord::Limit(true, 2),
                       CurveRecord::Limit(false, 3)};
    EXPECT_THROW(Load(record.Bytes()), CArchiveException);
}

TEST(ContinuousCurveFile, MissingOrForeignCorrectorAndResultsGetDefaults)
{
    CurveRecord record;
    record.corrector = CurveRecord::Null();
    std::unique_ptr<CContinuousCurve> pCurve = Load(record.Bytes());
    ASSERT_NE(pCurve->GetThicknessCorrector(), nullptr);
    EXPECT_TRUE(pCurve->GetThicknessCorrector()->IsKindOf(RUNTIME_CLASS(CSmartThicknessCorrector)));
    EXPECT_EQ(pCurve->GetThicknessCorrector()->GetThickness(), 1);
    EXPECT_EQ(pCurve->GetThicknessCorrector()->GetCurve(), pCurve.get());

    record.corrector = CurveRecord::Limit(true, 4);
    record.results = CurveRecord::Foreign();
    pCurve = Load(record.Bytes());
    EXPECT_TRUE(pCurve->GetThicknessCorrector()->IsKindOf(RUNTIME_CLASS(CSmartThicknessCorrector)));
    // Results of another kind are not kept: continuous results are made on demand.
    EXPECT_EQ(pCurve->PeekResults(), nullptr);
    EXPECT_TRUE(pCurve->GetResults()->IsKindOf(RUNTIME_CLASS(CContinuousResults)));
    pCurve->Assemble();        // the corrector is usable
    ReleaseSettingsManager();  // the default corrector read the settings
}

TEST(ContinuousCurveFile, DamagedRecordsRaiseArchiveExceptions)
{
    CurveRecord record;
    record.nDashMaxDist = 5000;
    EXPECT_THROW(Load(record.Bytes()), CArchiveException);
    record.nDashMaxDist = -1;
    EXPECT_THROW(Load(record.Bytes()), CArchiveException);

    record.nDashMaxDist = 20;
    const std::string bytes = record.Bytes();
    ASSERT_NE(Load(bytes), nullptr);
    for (size_t n = 0; n < bytes.size(); ++n)
        EXPECT_THROW(Load(bytes.substr(0, n)), CArchiveException) << n;

    // An element count far beyond the data is refused before anything is allocated.
    CurveRecord none;
    none.elements.clear();
    std::string noElements = none.Bytes();
    noElements.replace(noElements.size() - 4, 4, std::string("\xFF\xFF\xFF\x7F", 4));
    EXPECT_THROW(Load(noElements), CArchiveException);
}

TEST_F(ContinuousCurveTest, LoadedCurveIsTracedAgainOnRebuild)
{
    CInkCanvas canvas(60, 40);
    canvas.Fill(5, 44, 20, 22);
    ASSERT_TRUE(m_Doc.Load(canvas));
    CurveRecord record;
    record.bFollowTop = true;
    record.bDashed = false;
    record.elements = {CurveRecord::Limit(true, -1), CurveRecord::Part(20, 21), CurveRecord::Part(30, 21),
                       CurveRecord::Limit(false, 60)};
    std::unique_ptr<CContinuousCurve> pCurve = Load(record.Bytes());
    // The stored points stay until the next rebuild; the parts are empty.
    EXPECT_EQ(pCurve->GetPoints().size(), 2u);
    CContinuousCurve* pBound = m_pCoordSyst->AddCurve(std::move(pCurve));
    EXPECT_TRUE(pBound->Rebuild());
    EXPECT_EQ(m_Messages.Count(), 1u);  // the second genesis point lies on the first part
    EXPECT_EQ(GenesisXs(*pBound), std::vector<int>{20});
    ASSERT_EQ(pBound->GetPoints().size(), 40u);
    EXPECT_EQ(pBound->GetPoints().front(), CPoint(5, 21));
    EXPECT_FALSE(pBound->IsHandModified());
}

TEST_F(ContinuousCurveTest, DamagedPointCoordinatesAreBroughtWithinTheModelsRange)
{
    // Neighbours whose x differ by more than the 32-bit range: the results' walk over
    // adjacent columns subtracts them.
    CurveRecord record;
    record.points = {{INT32_MIN, 5}, {INT32_MAX, INT32_MIN}, {INT32_MIN + 1, 7}};
    record.elements = {CurveRecord::Limit(true, -1), CurveRecord::Part(INT32_MIN, INT32_MAX),
                       CurveRecord::Limit(false, 60)};
    CContinuousCurve* pCurve = m_pCoordSyst->AddCurve(Load(record.Bytes()));
    const int32_t m = kMaxDocumentCoordinate;
    EXPECT_EQ(pCurve->GetPoints(), (CCurve::PointList{{-m, 5}, {m, -m}, {-m, 7}}));
    EXPECT_EQ(GenesisXs(*pCurve), std::vector<int>{-m});
    pCurve->GetResults()->Compute();  // the sanitizer build watches the walk
}
