#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "ContinuousCurveFixture.h"
#include "Dm/ContinuousResults.h"
#include "Dm/DashedSnail.h"
#include "Dm/FlatThicknessCorrector.h"
#include "Dm/PartialCurve.h"
#include "Dm/SettingsManager.h"
#include "Dm/SimpleSnail.h"
#include "Dm/SmartThicknessCorrector.h"
#include "SnailTestSupport.h"
#include "platform/MemorySettingsBackend.h"
#include "platform/StringIds.h"
#include "tests/doubles/RecordingDrawContext.h"
#include "platform/StringTable.h"

namespace {

using Outcome = CContinuousCurve::GenesisOutcome;
using Kind = CRecordingDrawContext::Kind;

// A 60 x 40 canvas with a line 3 pixels thick on rows 20 to 22 from x = 5 to x = 44.
CInkCanvas ThickLine()
{
    CInkCanvas canvas(60, 40);
    canvas.Fill(5, 44, 20, 22);
    return canvas;
}

std::vector<CPoint> Row(int x0, int x1, int y)
{
    std::vector<CPoint> points;
    for (int x = x0; x <= x1; ++x)
        points.emplace_back(x, y);
    return points;
}

std::vector<CPartialCurve*> Parts(const CContinuousCurve& curve)
{
    std::vector<CPartialCurve*> parts;
    for (const auto& pElement : curve.GetElements())
        if (pElement->IsPartialCurve())
            parts.push_back(static_cast<CPartialCurve*>(pElement.get()));
    return parts;
}

// The element list's shape and links: limits at both ends, ascending genesis x, neighbours
// and owner right.
void ExpectWellFormed(const CContinuousCurve& curve)
{
    const auto& elements = curve.GetElements();
    ASSERT_GE(elements.size(), 2u);
    EXPECT_TRUE(elements.front()->IsLimit());
    EXPECT_TRUE(static_cast<CLimit*>(elements.front().get())->IsLeft());
    EXPECT_TRUE(elements.back()->IsLimit());
    EXPECT_FALSE(static_cast<CLimit*>(elements.back().get())->IsLeft());
    CCurveElement* pPrevious = nullptr;
    int nLastGenesis = INT32_MIN;
    for (const auto& pOwned : elements) {
        CCurveElement* pElement = pOwned.get();
        EXPECT_EQ(pElement->GetPrev(), pPrevious);
        if (pPrevious != nullptr) {
            EXPECT_EQ(pPrevious->GetNext(), pElement);
        }
        EXPECT_EQ(pElement->GetCurve(), &curve);
        if (pElement->IsPartialCurve()) {
            const int x = static_cast<CPartialCurve*>(pElement)->GetGenesis().x;
            EXPECT_LE(nLastGenesis, x);
            nLastGenesis = x;
        }
        pPrevious = pElement;
    }
    EXPECT_EQ(elements.back()->GetNext(), nullptr);
}

}  // namespace

TEST(ContinuousCurveSettings, NewCurvesTakeTheCurveSettings)
{
    CMemorySettingsBackend store;
    // The process-wide settings go back to the in-memory store whatever happens here.
    struct Restore {
        ~Restore()
        {
            ReleaseSettingsManager();
            CSettingsManager::SetBackend(nullptr);
        }
    } restore;
    ReleaseSettingsManager();
    CSettingsManager::SetBackend(&store);
    store.WriteInt("Curve", "Algo", 1);
    store.WriteInt("Curve", "BlackLevel", 10 * 65536 + 20 * 256 + 30);
    store.WriteInt("Curve", "SideFollow", 1);
    store.WriteInt("Curve", "Dashed", 1);
    store.WriteInt("Curve", "DashMaxDist", 35);
    CCoordSyst cs;
    {
        CContinuousCurve curve(&cs);
        EXPECT_FALSE(curve.IsFollowTop());
        EXPECT_TRUE(curve.IsDashed());
        EXPECT_EQ(curve.GetDashMaxDist(), 35);
        EXPECT_EQ(curve.GetThreshold() & 0xFFFFFFu, 0x0A141Eu);
        EXPECT_TRUE(curve.GetThicknessCorrector()->IsKindOf(RUNTIME_CLASS(CFlatThicknessCorrector)));
        EXPECT_EQ(curve.GetThicknessCorrector()->GetCurve(), &curve);
        EXPECT_EQ(curve.GetElements().size(), 2u);
        EXPECT_FALSE(curve.IsHandModified());
        EXPECT_EQ(curve.GetSnail(), nullptr);
    }
    ReleaseSettingsManager();
    store.WriteInt("Curve", "Algo", 0);
    store.WriteInt("Curve", "SmartAlgoRange", 9);
    {
        CContinuousCurve curve(&cs);
        ASSERT_TRUE(curve.GetThicknessCorrector()->IsKindOf(RUNTIME_CLASS(CSmartThicknessCorrector)));
        EXPECT_EQ(static_cast<CSmartThicknessCorrector*>(curve.GetThicknessCorrector())->GetRange(), 9);
    }
}

TEST(ContinuousCurveSettings, BuiltInDefaults)
{
    CContinuousCurve curve;
    EXPECT_TRUE(curve.IsFollowTop());
    EXPECT_FALSE(curve.IsDashed());
    EXPECT_EQ(curve.GetDashMaxDist(), 20);
    EXPECT_EQ(curve.GetThreshold() & 0xFFFFFFu, 0x464646u);
    ASSERT_TRUE(curve.GetThicknessCorrector()->IsKindOf(RUNTIME_CLASS(CSmartThicknessCorrector)));
    EXPECT_EQ(static_cast<CSmartThicknessCorrector*>(curve.GetThicknessCorrector())->GetRange(), 2);
    EXPECT_EQ(curve.GetThicknessCorrector()->GetThickness(), 1);
    ExpectWellFormed(curve);
    EXPECT_TRUE(curve.IsContinuous());
    EXPECT_FALSE(curve.IsDiscrete());
    // Nothing to trace on: no follower, no rebuild, no assembly.
    EXPECT_EQ(curve.CreateSnail(), nullptr);
    EXPECT_FALSE(curve.Rebuild());
    EXPECT_FALSE(curve.Assemble());
}

TEST_F(ContinuousCurveTest, AccessorsAndWhichOnesMakeTheCurveModified)
{
    CContinuousCurve& curve = MakeCurve(ThickLine());
    curve.SetModified(false);
    EXPECT_FALSE(curve.SetDashed(true));
    EXPECT_EQ(curve.SetDashMaxDist(7), 20);
    EXPECT_FALSE(curve.GetModified());
    EXPECT_TRUE(dynamic_cast<CDashedSnail*>(curve.CreateSnail()) != nullptr);
    EXPECT_EQ(static_cast<CDashedSnail*>(curve.GetSnail())->GetMaxDist(), 7);
    curve.SetDashed(false);
    EXPECT_TRUE(dynamic_cast<CSimpleSnail*>(curve.CreateSnail()) != nullptr);

    curve.SetThreshold(0xFF101010);
    EXPECT_TRUE(curve.GetModified());
    curve.SetModified(false);
    auto pOwnedFlat = std::make_unique<CFlatThicknessCorrector>(nullptr);
    CFlatThicknessCorrector* pFlat = pOwnedFlat.get();
    curve.SetThicknessCorrector(std::move(pOwnedFlat));
    EXPECT_TRUE(curve.GetModified());
    EXPECT_EQ(curve.GetThicknessCorrector(), pFlat);
    EXPECT_EQ(pFlat->GetCurve(), &curve);
    curve.SetThicknessCorrector(nullptr);
    EXPECT_EQ(curve.GetThicknessCorrector(), pFlat);
}

TEST_F(ContinuousCurveTest, ThickLineFollowedOnEitherEdgeAndCompensated)
{
    for (bool bTop : {true, false}) {
        CContinuousCurve& curve = MakeCurve(ThickLine(), bTop);
        ASSERT_EQ(curve.AddGenesisPoint(CPoint(20, 21)), Outcome::Added);
        EXPECT_EQ(Points(curve), Row(5, 44, bTop ? 20 : 22));
        EXPECT_EQ(m_Messages.Count(), 0u);
        EXPECT_EQ(m_Messages.WaitCursorDepth(), 0);
        EXPECT_TRUE(curve.GetModified());

        curve.GetThicknessCorrector()->SetThickness(3);
        EXPECT_TRUE(curve.Rebuild());
        EXPECT_EQ(Points(curve), Row(5, 44, 21));
        curve.SetThicknessCorrector(std::make_unique<CFlatThicknessCorrector>(nullptr));
        curve.GetThicknessCorrector()->SetThickness(3);
        curve.SetHandModified(true);
        EXPECT_TRUE(curve.Assemble());
        EXPECT_FALSE(curve.IsHandModified());
        EXPECT_EQ(Points(curve), Row(5, 44, 21));
        m_pCoordSyst->RemoveCurve(&curve);
    }
}

TEST_F(ContinuousCurveTest, LimitsStopTheTraceOneColumnBeyond)
{
    CContinuousCurve& curve = MakeCurve(ThickLine());
    curve.GetLeftLimit()->SetValue(10);
    curve.GetRightLimit()->SetValue(30);
    ASSERT_EQ(curve.AddGenesisPoint(CPoint(20, 21)), Outcome::Added);
    // X = 9 is the first column beyond the left limit, X = 30 beyond the right one.
    EXPECT_EQ(Points(curve), Row(9, 30, 20));

    // A line that ends before a limit ends with its last point.
    curve.GetRightLimit()->SetValue(55);
    curve.Rebuild();
    EXPECT_EQ(Points(curve), Row(9, 44, 20));
}

TEST_F(ContinuousCurveTest, GenesisRefusals)
{
    CContinuousCurve& curve = MakeCurve(ThickLine());
    curve.GetLeftLimit()->SetValue(10);
    curve.GetRightLimit()->SetValue(40);

    EXPECT_EQ(curve.AddGenesisPoint(CPoint(20, 5)), Outcome::NoCurveHere);
    ASSERT_EQ(m_Messages.Count(), 1u);
    EXPECT_EQ(m_Messages.LastText(), CStringTable::Get(61213));
    EXPECT_EQ(m_Messages.LastText().rfind("No curve here !\nEither you have clicked", 0), 0u);
    EXPECT_EQ(m_Messages.Messages().back().icon, CMessageService::Icon::Information);

    // Clicks outside the bitmap are background, whatever the threshold.
    curve.SetThreshold(0xFFFFFFFF);
    for (const CPoint& p :
         {CPoint(-1, 21), CPoint(60, 21), CPoint(20, -1), CPoint(20, 40), CPoint(INT32_MIN, INT32_MAX)}) {
        m_Messages.Clear();
        EXPECT_EQ(curve.AddGenesisPoint(p), Outcome::NoCurveHere);
        EXPECT_EQ(m_Messages.LastText(), CStringTable::Get(61213));
    }
    curve.SetThreshold(CContinuousCurve::kDefaultThreshold);

    m_Messages.Clear();
    EXPECT_EQ(curve.AddGenesisPoint(CPoint(8, 21)), Outcome::OutOfLimits);
    EXPECT_EQ(m_Messages.LastText(), "Out of limits !");
    EXPECT_EQ(curve.AddGenesisPoint(CPoint(40, 21)), Outcome::OutOfLimits);
    EXPECT_EQ(curve.GetElements().size(), 2u);

    ASSERT_EQ(curve.AddGenesisPoint(CPoint(20, 22)), Outcome::Added);
    const std::vector<CPoint> traced = Points(curve);
    m_Messages.Clear();
    // On the traced part (snapped onto its top edge), and anywhere in the genesis column.
    EXPECT_EQ(curve.AddGenesisPoint(CPoint(30, 22)), Outcome::AlreadyExists);
    EXPECT_EQ(m_Messages.LastText(), "The curve already exists here !");
    CInkCanvas other = ThickLine();
    other.Fill(15, 25, 2, 3);
    ASSERT_TRUE(m_Doc.Load(other));
    EXPECT_EQ(curve.AddGenesisPoint(CPoint(20, 2)), Outcome::AlreadyExists);
    EXPECT_EQ(curve.GetElements().size(), 3u);
    EXPECT_EQ(Points(curve), traced);
    EXPECT_EQ(m_Messages.WaitCursorDepth(), 0);
}

// The "Pick" of the thickness, which the genesis dialog and the job share.
TEST_F(ContinuousCurveTest, PickedThicknessIsTheInkRunWithinTheFieldRange)
{
    CInkCanvas canvas = ThickLine();
    canvas.Fill(50, 52, 0, 39);  // 40 rows high
    canvas.Set(56, 10);
    CContinuousCurve& curve = MakeCurve(canvas);
    ASSERT_EQ(curve.AddGenesisPoint(CPoint(20, 21)), Outcome::Added);
    const CAbstractThicknessCorrector& corrector = *curve.GetThicknessCorrector();
    curve.SetModified(false);
    EXPECT_EQ(curve.PickThickness(CPoint(20, 22)), 0u);
    EXPECT_EQ(corrector.GetThickness(), 2);
    EXPECT_TRUE(curve.GetModified());
    EXPECT_EQ(Points(curve), Row(5, 44, 21)) << "assembled with the new thickness";
    EXPECT_EQ(curve.PickThickness(CPoint(51, 30)), 0u);
    EXPECT_EQ(corrector.GetThickness(), CContinuousCurve::kMaxThickness);
    EXPECT_EQ(curve.PickThickness(CPoint(56, 10)), 0u);
    EXPECT_EQ(corrector.GetThickness(), CContinuousCurve::kMinThickness);

    // Background and off the bitmap: the refusal, nothing changed and nothing shown.
    curve.SetModified(false);
    for (const CPoint& p : {CPoint(20, 5), CPoint(-1, 21), CPoint(60, 21), CPoint(20, 40)}) {
        EXPECT_EQ(curve.PickThickness(p), unsigned(IDS_NO_CURVE_HERE));
        EXPECT_EQ(corrector.GetThickness(), 1);
    }
    EXPECT_FALSE(curve.GetModified());
    EXPECT_EQ(m_Messages.Count(), 0u);
}

TEST_F(ContinuousCurveTest, RedundantGenesisPointIsReportedAndRemoved)
{
    CContinuousCurve& curve = MakeCurve(ThickLine());
    for (int x : {35, 12, 25}) {
        auto pPart = std::make_unique<CPartialCurve>(&curve);
        pPart->SetGenesis(CPoint(x, 21));
        ASSERT_NE(curve.InsertElement(pPart), curve.GetElements().end());
    }
    ExpectWellFormed(curve);
    EXPECT_TRUE(curve.Rebuild());
    // The parts are built left to right: 25 then 35 lie on the part traced from 12.
    ASSERT_EQ(m_Messages.Count(), 2u);
    EXPECT_EQ(m_Messages.Messages()[0].text,
              "Genesis point with coordinate\nX= 25.000000\nY= 21.000000\nis redundant and will be removed.");
    EXPECT_EQ(m_Messages.Messages()[0].icon, CMessageService::Icon::Information);
    EXPECT_EQ(m_Messages.Messages()[1].text,
              "Genesis point with coordinate\nX= 35.000000\nY= 21.000000\nis redundant and will be removed.");
    ASSERT_EQ(Parts(curve).size(), 1u);
    EXPECT_EQ(Parts(curve)[0]->GetGenesis(), CPoint(12, 21));
    EXPECT_EQ(Points(curve), Row(5, 44, 20));
    ExpectWellFormed(curve);
}

TEST_F(ContinuousCurveTest, OverlappingPartsOnSeparateLinesJoinWithoutOverlap)
{
    // Two lines at different heights over common columns 25 to 35: the part traced from the
    // right walks back to its line's end and the left part loses the columns from there on.
    CInkCanvas canvas(60, 40);
    canvas.Fill(0, 35, 10, 10);
    canvas.Fill(25, 59, 25, 25);
    CContinuousCurve& curve = MakeCurve(canvas);
    ASSERT_EQ(curve.AddGenesisPoint(CPoint(10, 10)), Outcome::Added);
    EXPECT_EQ(Points(curve), Row(0, 35, 10));
    ASSERT_EQ(curve.AddGenesisPoint(CPoint(50, 25)), Outcome::Added);
    std::vector<CPoint> expected = Row(0, 24, 10);
    for (const CPoint& p : Row(25, 59, 25))
        expected.push_back(p);
    EXPECT_EQ(Points(curve), expected);
    EXPECT_EQ(Parts(curve).size(), 2u);

    // A line joined to the first one is traced by the first part: a click on it is refused.
    canvas.Fill(35, 35, 10, 25);
    CContinuousCurve& joined = MakeCurve(canvas);
    ASSERT_EQ(joined.AddGenesisPoint(CPoint(10, 10)), Outcome::Added);
    EXPECT_EQ(Points(joined).back(), CPoint(59, 25));
    EXPECT_EQ(joined.AddGenesisPoint(CPoint(50, 25)), Outcome::AlreadyExists);
}

TEST_F(ContinuousCurveTest, CrossingLinesMeetWhereTheRightPartReachesTheLeftOne)
{
    // y = 69 - x and y = 10 + x, 2 pixels thick, crossing near x = 30. The left part starts
    // on the rising line and, following the top, stays on it past the crossing; the right
    // part starts on the falling line and walks back until it meets the left part, which
    // then loses the columns right of that point.
    CInkCanvas canvas(61, 80);
    for (int x = 0; x <= 60; ++x) {
        canvas.Fill(x, x, 69 - x, 70 - x);
        canvas.Fill(x, x, 10 + x, 11 + x);
    }
    CContinuousCurve& curve = MakeCurve(canvas);
    ASSERT_EQ(curve.AddGenesisPoint(CPoint(5, 64)), Outcome::Added);
    ASSERT_EQ(curve.AddGenesisPoint(CPoint(55, 65)), Outcome::Added);
    EXPECT_EQ(m_Messages.Count(), 0u);
    ASSERT_EQ(Parts(curve).size(), 2u);
    EXPECT_EQ(Parts(curve)[0]->GetPoints().back().x + 1, Parts(curve)[1]->GetPoints().front().x);
    const std::vector<CPoint> points = Points(curve);
    ASSERT_EQ(points.size(), 61u);
    for (size_t i = 0; i < points.size(); ++i) {
        EXPECT_EQ(points[i].x, static_cast<int>(i));
        if (i <= 28) {
            EXPECT_EQ(points[i].y, 69 - points[i].x) << i;
        }
        if (i >= 31) {
            EXPECT_EQ(points[i].y, 10 + points[i].x) << i;
        }
    }
}

TEST_F(ContinuousCurveTest, RightPartStopsWhereItJumpsAcrossTheLeftOne)
{
    // Following the top leftwards from (7, 2), the walk on the stepped line finds no ink
    // beside (6, 2) and climbs down through the columns behind to (5, 5): from above the
    // left part's (5, 4) to below it, without landing on it. It stops there, and the left
    // part keeps its columns up to 5. Rightwards the dashed walk bridges column 9.
    const std::vector<std::string> art{"###.........", "...###......", "......###...",
                                       "..........##", "#########.##", "###########."};
    CInkCanvas canvas(12, 6);
    for (int y = 0; y < 6; ++y)
        for (int x = 0; x < 12; ++x)
            if (art[y][x] == '#')
                canvas.Set(x, y);
    CContinuousCurve& curve = MakeCurve(canvas);
    curve.SetDashed(true);
    curve.SetDashMaxDist(3);
    ASSERT_EQ(curve.AddGenesisPoint(CPoint(2, 4)), Outcome::Added);
    ASSERT_EQ(curve.AddGenesisPoint(CPoint(7, 2)), Outcome::Added);
    std::vector<CPoint> expected = Row(0, 5, 4);
    for (const std::vector<CPoint>& row : {Row(6, 9, 2), Row(10, 11, 3)})
        expected.insert(expected.end(), row.begin(), row.end());
    EXPECT_EQ(Points(curve), expected);
}

TEST_F(ContinuousCurveTest, InsertAndRemoveElements)
{
    CContinuousCurve& curve = MakeCurve(ThickLine());
    curve.GetLeftLimit()->SetValue(10);
    curve.GetRightLimit()->SetValue(40);
    auto part = [&curve](int x) {
        auto pPart = std::make_unique<CPartialCurve>(&curve);
        pPart->SetGenesis(CPoint(x, 0));
        return pPart;
    };
    // Inserts a new part at x and returns it, or null when it was refused.
    auto insert = [&curve, &part](int x) -> CPartialCurve* {
        std::unique_ptr<CPartialCurve> pPart = part(x);
        CPartialCurve* p = pPart.get();
        return curve.InsertElement(pPart) != curve.GetElements().end() && pPart == nullptr ? p : nullptr;
    };
    curve.SetModified(false);
    CPartialCurve* p20 = insert(20);
    EXPECT_NE(p20, nullptr);
    EXPECT_TRUE(curve.GetModified());
    CPartialCurve* p20b = insert(20);
    CPartialCurve* p15 = insert(15);
    const std::vector<CPartialCurve*> expected{p15, p20, p20b};  // an equal x goes after
    EXPECT_EQ(Parts(curve), expected);
    ExpectWellFormed(curve);

    std::unique_ptr<CPartialCurve> beyondLeft = part(9);
    std::unique_ptr<CPartialCurve> beyondRight = part(40);
    EXPECT_EQ(curve.InsertElement(beyondLeft), curve.GetElements().end());
    EXPECT_EQ(curve.InsertElement(beyondRight), curve.GetElements().end());
    EXPECT_NE(beyondLeft, nullptr) << "a refused part stays the caller's";

    EXPECT_EQ(curve.RemoveElement(p20).get(), p20);
    EXPECT_FALSE(curve.RemoveElement(beyondLeft.get()));
    EXPECT_FALSE(curve.RemoveElement(curve.GetLeftLimit()));
    EXPECT_FALSE(curve.RemoveElement(curve.GetRightLimit()));
    EXPECT_EQ(Parts(curve), (std::vector<CPartialCurve*>{p15, p20b}));
    ExpectWellFormed(curve);

    // Without a partial curve the assembly gives nothing.
    curve.RemoveElement(p15);
    curve.RemoveElement(p20b);
    curve.GetPoints() = {CPoint(1, 1)};
    EXPECT_FALSE(curve.Assemble());
    EXPECT_TRUE(curve.GetPoints().empty());
}

TEST_F(ContinuousCurveTest, GenesisNoLongerInkAfterAThresholdChange)
{
    CInkCanvas canvas = ThickLine();
    canvas.Fill(5, 44, 20, 22, 100);  // grey: ink only for a threshold of 100 and above
    CContinuousCurve& curve = MakeCurve(canvas);
    curve.SetThreshold(0xFF646464);
    ASSERT_EQ(curve.AddGenesisPoint(CPoint(20, 21)), Outcome::Added);
    EXPECT_EQ(Points(curve).size(), 40u);
    curve.SetThreshold(CContinuousCurve::kDefaultThreshold);
    for (bool bDashed : {false, true}) {
        curve.SetDashed(bDashed);
        curve.Rebuild();
        EXPECT_TRUE(curve.GetPoints().empty());
        EXPECT_EQ(Parts(curve).size(), 1u);
    }
}

TEST_F(ContinuousCurveTest, NoPixelOutsideTheBitmapWhateverTheLineAndSettings)
{
    // Lines along all four borders, a full-height vertical line and a thick one in a corner;
    // every follow side, both followers and extreme thresholds and dash distances. Genesis
    // points on the borders, in the corners and outside.
    CInkCanvas canvas(40, 30);
    canvas.Fill(0, 39, 0, 0);
    canvas.Fill(0, 39, 29, 29);
    canvas.Fill(0, 0, 0, 29);
    canvas.Fill(39, 39, 0, 29);
    canvas.Fill(20, 20, 0, 29);
    canvas.Fill(30, 39, 25, 29);
    const std::vector<CPoint> clicks{{0, 0},  {39, 0},  {0, 29}, {39, 29}, {20, 0},  {20, 29},
                                     {10, 0}, {10, 29}, {0, 15}, {39, 15}, {35, 27}, {-3, 5},
                                     {45, 5}, {5, -3},  {5, 33}, {20, 15}, {15, 15}};
    for (bool bTop : {true, false}) {
        for (int nDash : {-1, 0, 1, 2, 20, 1000}) {
            for (uint32_t threshold : {0xFF000000u, 0xFF464646u, 0xFFFFFFFFu}) {
                CContinuousCurve& curve = MakeCurve(canvas, bTop);
                curve.SetDashed(nDash >= 0);
                curve.SetDashMaxDist(nDash);
                curve.SetThreshold(threshold);
                curve.GetThicknessCorrector()->SetThickness(5);
                for (const CPoint& p : clicks)
                    curve.AddGenesisPoint(p);
                // Genesis points read from a document may lie anywhere.
                auto pFar = std::make_unique<CPartialCurve>(&curve);
                pFar->SetGenesis(CPoint(25, 1000));
                curve.InsertElement(pFar);
                curve.Rebuild();
                ExpectWellFormed(curve);
                for (const CPartialCurve* pPart : Parts(curve)) {
                    for (const CPoint& p : pPart->GetPoints()) {
                        EXPECT_TRUE(p.x >= 0 && p.x < 40 && p.y >= 0 && p.y < 30)
                            << p.x << "," << p.y << " dash " << nDash << " top " << bTop;
                    }
                }
                m_pCoordSyst->RemoveCurve(&curve);
            }
        }
    }
    EXPECT_EQ(m_Messages.WaitCursorDepth(), 0);
}

TEST_F(ContinuousCurveTest, RowPaddingIsNeverTakenForInk)
{
    // At 1 and 8 bits the bytes past the right edge of each row are ink: a read past the edge
    // would continue the lines along the right border and the bottom row into them.
    for (int bpp : {1, 8, 32}) {
        m_Doc.m_pBmpManager = MakeSnailBitmap(21, 15, bpp, [](int32_t x, int32_t y) {
            return y == 0 || y == 14 || x == 20 || (x >= 5 && x <= 9 && y >= 6 && y <= 8);
        });
        ASSERT_NE(m_Doc.m_pBmpManager, nullptr);
        for (bool bTop : {true, false}) {
            auto* pCurve = m_pCoordSyst->AddCurve(std::make_unique<CContinuousCurve>(m_pCoordSyst.get()));
            pCurve->SetFollowTop(bTop);
            pCurve->SetThreshold(kSnailThreshold);
            pCurve->GetLeftLimit()->SetValue(-1000);
            pCurve->GetRightLimit()->SetValue(1000);
            for (const CPoint& p : {CPoint(20, 7), CPoint(3, 14), CPoint(7, 7), CPoint(10, 0), CPoint(21, 7)})
                pCurve->AddGenesisPoint(p);
            for (bool bDashed : {false, true}) {
                pCurve->SetDashed(bDashed);
                pCurve->SetDashMaxDist(30);
                pCurve->Rebuild();
                for (const CPartialCurve* pPart : Parts(*pCurve)) {
                    for (const CPoint& p : pPart->GetPoints())
                        EXPECT_TRUE(p.x >= 0 && p.x < 21 && p.y >= 0 && p.y < 15)
                            << bpp << ": " << p.x << "," << p.y;
                }
            }
            m_pCoordSyst->RemoveCurve(pCurve);
        }
    }
}

TEST_F(ContinuousCurveTest, BorderLinesGiveTheBorderRows)
{
    CInkCanvas canvas(30, 20);
    canvas.Fill(0, 29, 0, 2);
    canvas.Fill(0, 29, 17, 19);
    CContinuousCurve& top = MakeCurve(canvas, true);
    ASSERT_EQ(top.AddGenesisPoint(CPoint(15, 1)), Outcome::Added);
    EXPECT_EQ(Points(top), Row(0, 29, 0));
    CContinuousCurve& bottom = MakeCurve(canvas, false);
    ASSERT_EQ(bottom.AddGenesisPoint(CPoint(15, 18)), Outcome::Added);
    EXPECT_EQ(Points(bottom), Row(0, 29, 19));
    bottom.GetThicknessCorrector()->SetThickness(3);
    bottom.Rebuild();
    EXPECT_EQ(Points(bottom), Row(0, 29, 18));
}

TEST_F(ContinuousCurveTest, DashedLineIsBridged)
{
    // Dashes of 8 columns with gaps of 4 on rows 14 to 15.
    CInkCanvas canvas(80, 30);
    for (int x0 = 2; x0 < 78; x0 += 12)
        canvas.Fill(x0, std::min(x0 + 7, 77), 14, 15);
    CContinuousCurve& curve = MakeCurve(canvas);
    curve.SetDashed(true);
    curve.SetDashMaxDist(10);
    ASSERT_EQ(curve.AddGenesisPoint(CPoint(30, 14)), Outcome::Added);
    EXPECT_EQ(Points(curve), Row(2, 77, 14));

    // The solid follower stops at the ends of the clicked dash.
    curve.SetDashed(false);
    curve.Rebuild();
    EXPECT_EQ(Points(curve), Row(26, 33, 14));
}

TEST_F(ContinuousCurveTest, DrawsPiecesAndGenesisCrosses)
{
    CContinuousCurve& curve = MakeCurve(ThickLine());
    CRecordingDrawContext empty;
    curve.Draw(empty);
    EXPECT_TRUE(empty.Entries().empty());

    ASSERT_EQ(curve.AddGenesisPoint(CPoint(20, 21)), Outcome::Added);
    curve.GetPoints() = {CPoint(5, 20), CPoint(6, 21), CPoint(9, 22), CPoint(10, 22)};
    curve.SetColor(0x00FF00);
    CRecordingDrawContext dc;
    curve.Draw(dc);
    const std::vector<std::string> expected{
        "SetPen 0x00FF00 width=1",
        "MoveTo (5,20)",
        "LineTo (5,20)-(6,21) pen=0x00FF00/1 op=Copy",
        "MoveTo (9,22)",
        "LineTo (9,22)-(10,22) pen=0x00FF00/1 op=Copy",
        "MoveTo (20,23)",
        "LineTo (20,23)-(20,18) pen=0x00FF00/1 op=Copy",
        "MoveTo (22,21)",
        "LineTo (22,21)-(17,21) pen=0x00FF00/1 op=Copy",
    };
    const std::vector<std::string> lines = dc.DumpLines();
    ASSERT_EQ(lines.size(), expected.size());
    for (size_t i = 0; i < lines.size(); ++i)
        EXPECT_EQ(lines[i].substr(0, expected[i].size()), expected[i]) << lines[i];

    curve.SetSelected(true);
    CRecordingDrawContext selected;
    curve.Draw(selected);
    EXPECT_EQ(selected.Entries().front().width, 2);
}

TEST_F(ContinuousCurveTest, HitTestSpansTheNeighbourColumns)
{
    CContinuousCurve& curve = MakeCurve(ThickLine());
    curve.GetPoints() = {CPoint(10, 50), CPoint(11, 40), CPoint(12, 60), CPoint(14, 0)};
    EXPECT_TRUE(curve.HitTest(11, 38));
    EXPECT_TRUE(curve.HitTest(11, 62));
    EXPECT_FALSE(curve.HitTest(11, 37));
    EXPECT_FALSE(curve.HitTest(11, 63));
    EXPECT_TRUE(curve.HitTest(10, 38));   // with column 11
    EXPECT_FALSE(curve.HitTest(10, 53));  // column 9 has no point
    EXPECT_TRUE(curve.HitTest(12, 38));   // column 13 has no point, 11 has
    EXPECT_FALSE(curve.HitTest(12, 63));
    EXPECT_TRUE(curve.HitTest(14, -2));
    EXPECT_FALSE(curve.HitTest(14, 3));
    EXPECT_FALSE(curve.HitTest(13, 30));
}

TEST_F(ContinuousCurveTest, CloneIsDeepAndRelinked)
{
    CContinuousCurve& curve = MakeCurve(ThickLine());
    curve.GetThicknessCorrector()->SetThickness(3);
    curve.SetDashed(true);
    curve.SetDashMaxDist(13);
    curve.SetThreshold(0xFF202020);
    ASSERT_EQ(curve.AddGenesisPoint(CPoint(20, 21)), Outcome::Added);
    curve.SetHandModified(true);
    curve.GetContinuousResults()->SetPeriod(2);

    std::unique_ptr<CContinuousCurve> pClone = StaticDowncast<CContinuousCurve>(curve.Clone());
    ExpectWellFormed(*pClone);
    EXPECT_EQ(Points(*pClone), Points(curve));
    EXPECT_TRUE(pClone->IsHandModified());
    EXPECT_TRUE(pClone->IsDashed());
    EXPECT_EQ(pClone->GetDashMaxDist(), 13);
    EXPECT_EQ(pClone->GetThreshold(), 0xFF202020u);
    EXPECT_EQ(pClone->GetSnail(), nullptr);
    EXPECT_NE(pClone->GetThicknessCorrector(), curve.GetThicknessCorrector());
    EXPECT_EQ(pClone->GetThicknessCorrector()->GetCurve(), pClone.get());
    EXPECT_EQ(pClone->GetThicknessCorrector()->GetThickness(), 3);
    EXPECT_EQ(pClone->GetLeftLimit()->GetValue(), -1);
    ASSERT_EQ(Parts(*pClone).size(), 1u);
    EXPECT_NE(Parts(*pClone)[0], Parts(curve)[0]);
    EXPECT_EQ(Parts(*pClone)[0]->GetPoints(), Parts(curve)[0]->GetPoints());
    EXPECT_EQ(pClone->GetContinuousResults()->GetPeriod(), 2);
    EXPECT_EQ(pClone->GetResults()->GetCurve(), pClone.get());

    // The clone traces on its own.
    pClone->SetDashed(false);
    EXPECT_TRUE(pClone->Rebuild());
    EXPECT_EQ(Points(*pClone), Row(5, 44, 21));
}
