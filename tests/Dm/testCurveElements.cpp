#include <gtest/gtest.h>

#include <memory>
#include <sstream>
#include <string>

#include "ContinuousCurveFixture.h"
#include "Dm/ContinuousResults.h"
#include "Dm/Limit.h"
#include "Dm/PartialCurve.h"
#include "platform/Archive.h"

namespace {

std::string Store(const CObject* pObject)
{
    std::ostringstream out;
    CArchive ar(out);
    ar.WriteObject(pObject);
    return out.str();
}

template <class T>
std::unique_ptr<T> LoadAs(const std::string& bytes, const CRuntimeClass* pClass)
{
    CArchive ar(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size());
    std::unique_ptr<CObject> pObject(ar.ReadObject(pClass));
    return std::unique_ptr<T>(static_cast<T*>(pObject.release()));
}

// A curve on a pixel coordinate system (graph X = pixel x), without a bitmap.
class CurveElementTest : public ::testing::Test {
protected:
    explicit CurveElementTest(bool bReversed = false) : m_Coord(&m_Doc)
    {
        BuildPixelCoordSyst(m_Coord, bReversed);
        m_pCurve = m_Coord.AddCurve(std::make_unique<CContinuousCurve>(&m_Coord));
    }
    ~CurveElementTest() override { ReleaseSettingsManager(); }

    CFakeDocumentLink m_Doc;
    CCoordSyst m_Coord;
    CContinuousCurve* m_pCurve = nullptr;
};

class ReversedCurveElementTest : public CurveElementTest {
protected:
    ReversedCurveElementTest() : CurveElementTest(true) {}
};

// A partial curve not traced yet, with its genesis point at (12, 90).
std::unique_ptr<CPartialCurve> MakeUntracedPart(CContinuousCurve* pCurve)
{
    auto pPart = std::make_unique<CPartialCurve>(pCurve);
    pPart->SetGenesis(CPoint(12, 90));
    return pPart;
}

}  // namespace

TEST_F(CurveElementTest, LimitsAtEqualityOnANormalAxis)
{
    CLimit left(m_pCurve, true);
    left.SetValue(5);
    CLimit right(m_pCurve, false);
    right.SetValue(5);

    EXPECT_TRUE(left.HitTest(4, 0));
    EXPECT_FALSE(left.HitTest(5, 0));
    EXPECT_FALSE(left.HitTest(6, 0));
    EXPECT_FALSE(right.HitTest(4, 0));
    EXPECT_TRUE(right.HitTest(5, 0));
    EXPECT_TRUE(right.HitTest(6, 0));

    EXPECT_EQ(left.Classify(CPoint(4, 7)), CCurveElement::kOn);
    EXPECT_EQ(left.Classify(CPoint(6, 7)), CCurveElement::kOutside);
    EXPECT_TRUE(left.CutAt(4, false));
    EXPECT_TRUE(left.IsLimit());
    EXPECT_FALSE(left.IsPartialCurve());
}

TEST_F(ReversedCurveElementTest, LimitAnswersFlipOnAReversedAxis)
{
    ASSERT_TRUE(m_Coord.IsXReversed());
    // Graph X = 1000 - pixel x: pixel 996 is X 4, 995 is X 5, 994 is X 6.
    CLimit left(m_pCurve, true);
    left.SetValue(5);
    CLimit right(m_pCurve, false);
    right.SetValue(5);
    EXPECT_FALSE(left.HitTest(996, 0));
    EXPECT_TRUE(left.HitTest(995, 0));
    EXPECT_TRUE(left.HitTest(994, 0));
    EXPECT_TRUE(right.HitTest(996, 0));
    EXPECT_FALSE(right.HitTest(995, 0));
    EXPECT_FALSE(right.HitTest(994, 0));
}

TEST_F(CurveElementTest, LimitValueChangesMakeTheCurveModified)
{
    CLimit& left = *m_pCurve->GetLeftLimit();
    m_pCurve->SetModified(false);
    left.SetValue(2.5);
    EXPECT_TRUE(m_pCurve->GetModified());
    EXPECT_TRUE(left.IsValued());
    m_pCurve->SetModified(false);
    EXPECT_TRUE(left.ClearValue());
    EXPECT_FALSE(left.IsValued());
    EXPECT_TRUE(m_pCurve->GetModified());
    EXPECT_FALSE(left.ClearValue());
}

TEST(Limit, WithoutCoordinateSystemNothingIsBeyond)
{
    CLimit orphan(nullptr, true);
    orphan.SetValue(100);
    EXPECT_FALSE(orphan.HitTest(-5, 0));
    CContinuousCurve curve;  // no coordinate system
    CLimit left(&curve, true);
    left.SetValue(100);
    EXPECT_FALSE(left.HitTest(-5, 0));
}

TEST(Limit, RecordBytesAndRoundTrip)
{
    CLimit right(nullptr, false);
    right.SetValue(2.5);
    const std::string bytes = Store(&right);
    // Class tag, schema 1, name, then left flag 0, value flag 1, the double 2.5.
    const std::string expected = std::string("\xFF\xFF\x01\x00\x06\x00", 6) + "CLimit" +
                                 std::string("\x00\x00\x00\x00\x01\x00\x00\x00", 8) +
                                 std::string("\x00\x00\x00\x00\x00\x00\x04\x40", 8);
    EXPECT_EQ(bytes, expected);

    auto pRead = LoadAs<CLimit>(bytes, RUNTIME_CLASS(CLimit));
    EXPECT_FALSE(pRead->IsLeft());
    EXPECT_TRUE(pRead->IsValued());
    EXPECT_EQ(pRead->GetValue(), 2.5);

    // Any non-zero flag reads as true.
    std::string changed = bytes;
    changed[12] = '\x07';
    EXPECT_TRUE(LoadAs<CLimit>(changed, RUNTIME_CLASS(CLimit))->IsLeft());
    EXPECT_THROW(LoadAs<CLimit>(bytes.substr(0, bytes.size() - 3), RUNTIME_CLASS(CLimit)), CArchiveException);
}

TEST_F(CurveElementTest, PartialCurveClassifiesByColumnAndGenesis)
{
    auto pPart = MakeUntracedPart(m_pCurve);
    EXPECT_EQ(pPart->Classify(CPoint(12, -400)), CCurveElement::kOn);     // the genesis column
    EXPECT_EQ(pPart->Classify(CPoint(11, 51)), CCurveElement::kOutside);  // no points yet
    EXPECT_TRUE(pPart->HitTest(12, 1000));
    EXPECT_FALSE(pPart->HitTest(11, 51));
    EXPECT_FALSE(pPart->CutAt(11, false));
    EXPECT_EQ(pPart->GetPoint(0), CPoint());
    EXPECT_TRUE(pPart->IsPartialCurve());
    EXPECT_FALSE(pPart->IsLimit());
}

TEST_F(ContinuousCurveTest, PartialCurveClassifyHitTestAndCut)
{
    // A line 2 pixels thick descending one row a column over columns 10 to 14, its top edge
    // traced from (12, 52).
    CInkCanvas canvas(30, 80);
    for (int x = 10; x <= 14; ++x)
        canvas.Fill(x, x, 50 + (x - 10), 51 + (x - 10));
    CContinuousCurve& curve = MakeCurve(canvas);
    ASSERT_EQ(curve.AddGenesisPoint(CPoint(12, 52)), CContinuousCurve::GenesisOutcome::Added);
    auto* pPart = static_cast<CPartialCurve*>(std::next(curve.GetElements().begin())->get());
    ASSERT_EQ(pPart->GetPointCount(), 5u);
    EXPECT_EQ(pPart->GetPoint(0), CPoint(10, 50));
    EXPECT_EQ(pPart->GetPoint(4), CPoint(14, 54));
    EXPECT_EQ(pPart->GetPoint(5), CPoint());

    EXPECT_EQ(pPart->Classify(CPoint(9, 0)), CCurveElement::kOutside);
    EXPECT_EQ(pPart->Classify(CPoint(15, 0)), CCurveElement::kOutside);
    EXPECT_EQ(pPart->Classify(CPoint(11, 51)), CCurveElement::kOn);
    EXPECT_EQ(pPart->Classify(CPoint(11, 40)), CCurveElement::kAbove);
    EXPECT_EQ(pPart->Classify(CPoint(11, 60)), CCurveElement::kBelow);
    EXPECT_TRUE(pPart->HitTest(13, 53));
    EXPECT_FALSE(pPart->HitTest(13, 52));

    // Keeping the left side drops column 13 and beyond; keeping the right side drops up to
    // and including the column.
    auto pCopy = std::unique_ptr<CCurveElement>(pPart->Clone(&curve));
    auto* pRight = static_cast<CPartialCurve*>(pCopy.get());
    EXPECT_TRUE(pPart->CutAt(13, false));
    ASSERT_EQ(pPart->GetPointCount(), 3u);
    EXPECT_EQ(pPart->GetPoint(2), CPoint(12, 52));
    EXPECT_TRUE(pRight->CutAt(11, true));
    ASSERT_EQ(pRight->GetPointCount(), 3u);
    EXPECT_EQ(pRight->GetPoint(0), CPoint(12, 52));
    EXPECT_FALSE(pRight->CutAt(5, true));
    EXPECT_FALSE(pRight->CutAt(20, false));

    pPart->ClearPoints();
    EXPECT_EQ(pPart->GetPointCount(), 0u);
    EXPECT_EQ(pPart->GetGenesis(), CPoint(12, 52));
}

TEST(PartialCurve, GenesisRecordRoundTrip)
{
    CPartialCurve part;
    part.SetGenesis(CPoint(-7, 123456));
    const std::string bytes = Store(&part);
    EXPECT_EQ(bytes.size(), 6u + 13u + 8u);
    auto pRead = LoadAs<CPartialCurve>(bytes, RUNTIME_CLASS(CPartialCurve));
    EXPECT_EQ(pRead->GetGenesis(), CPoint(-7, 123456));
    EXPECT_EQ(pRead->GetPointCount(), 0u);
}

TEST_F(CurveElementTest, ContinuousResultsStartAtTheSmallerLimit)
{
    m_pCurve->GetLeftLimit()->SetValue(30);
    m_pCurve->GetRightLimit()->SetValue(-4);
    CContinuousResults* pResults = m_pCurve->GetContinuousResults();
    EXPECT_EQ(pResults->GetCurve(), m_pCurve);
    EXPECT_EQ(pResults->GetFirstValue(), -4);
    EXPECT_FALSE(pResults->IsPeriodDefined());
    EXPECT_EQ(m_pCurve->GetResults(), pResults);  // made once

    // A limit without a value counts as 0.
    CContinuousCurve other(&m_Coord);
    other.GetLeftLimit()->SetValue(12);
    EXPECT_EQ(CContinuousResults(&other).GetFirstValue(), 0);

    EXPECT_EQ(pResults->SetFirstValue(2), -4);
    pResults->SetPeriod(0.5);
    EXPECT_TRUE(pResults->IsPeriodDefined());
    m_pCurve->GetPoints() = {CPoint(5, 0), CPoint(45, 3)};
    EXPECT_EQ(pResults->GetLastValue(), 45);

    std::unique_ptr<CContinuousCurve> pClone = StaticDowncast<CContinuousCurve>(m_pCurve->Clone());
    CContinuousResults* pCloned = pClone->GetContinuousResults();
    EXPECT_NE(pCloned, pResults);
    EXPECT_EQ(pCloned->GetCurve(), pClone.get());
    EXPECT_EQ(pCloned->GetFirstValue(), 2);
    EXPECT_EQ(pCloned->GetPeriod(), 0.5);
}

TEST(ContinuousResults, RecordBytesAndRoundTrip)
{
    CContinuousResults results;
    results.SetFirstValue(1.5);
    results.SetPeriod(0.25);
    const std::string bytes = Store(&results);
    ASSERT_EQ(bytes.size(), 6u + 18u + 20u);
    EXPECT_EQ(bytes.substr(6, 18), "CContinuousResults");
    EXPECT_EQ(bytes.substr(32, 4), std::string("\x01\x00\x00\x00", 4));
    auto pRead = LoadAs<CContinuousResults>(bytes, RUNTIME_CLASS(CContinuousResults));
    EXPECT_EQ(pRead->GetFirstValue(), 1.5);
    EXPECT_TRUE(pRead->IsPeriodDefined());
    EXPECT_EQ(pRead->GetPeriod(), 0.25);
    EXPECT_EQ(pRead->GetLastValue(), 0);  // bound to no curve
}
