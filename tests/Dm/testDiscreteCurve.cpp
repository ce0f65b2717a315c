#include <gtest/gtest.h>

#include <climits>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "IdentityCoordSyst.h"
#include "Dm/CoordSyst.h"
#include "Dm/DiscreteCurve.h"
#include "Dm/DiscreteResults.h"
#include "FakeDocumentLink.h"
#include "platform/Archive.h"
#include "tests/doubles/RecordingDrawContext.h"

namespace {

using Kind = CRecordingDrawContext::Kind;

std::vector<CPoint> Points(const CCurve& curve)
{
    return {curve.GetPoints().begin(), curve.GetPoints().end()};
}

std::string Store(const CObject& object)
{
    std::ostringstream out;
    CArchive ar(out);
    ar.WriteObject(&object);
    return out.str();
}

// Each cross: the vertical stroke, then the horizontal one.
std::vector<std::string> Crosses(const std::vector<CPoint>& points, COLORREF color, int width)
{
    std::vector<std::string> lines;
    for (const CPoint& p : points) {
        CRecordingDrawContext dc;
        dc.SetPen(color, width);
        dc.MoveTo({p.x, p.y - 5});
        dc.LineTo({p.x, p.y + 5});
        dc.MoveTo({p.x - 5, p.y});
        dc.LineTo({p.x + 5, p.y});
        const auto dump = dc.DumpLines();
        lines.insert(lines.end(), dump.begin() + 1, dump.end());
    }
    return lines;
}

}  // namespace

TEST(DiscreteCurve, DrawsACrossOnEveryPointAndNothingWhenEmpty)
{
    CFakeDocumentLink link;
    CCoordSyst cs(&link);
    CDiscreteCurve curve(&cs);
    CRecordingDrawContext dc;
    EXPECT_FALSE(curve.DrawCrosses(dc));
    curve.Draw(dc);
    EXPECT_TRUE(dc.Entries().empty());

    curve.GetPoints() = {{10, 20}, {0, 3}};
    ASSERT_TRUE(curve.DrawCrosses(dc));
    std::vector<std::string> drawn = dc.DumpLines();
    ASSERT_FALSE(drawn.empty());
    EXPECT_EQ(dc.Entries()[0].kind, Kind::SetPen);
    drawn.erase(drawn.begin());
    EXPECT_EQ(drawn, Crosses({{10, 20}, {0, 3}}, 0x0000FF, 1));

    dc.Clear();
    curve.SetSelected(true);
    curve.Draw(dc);
    drawn = dc.DumpLines();
    drawn.erase(drawn.begin());
    EXPECT_EQ(drawn, Crosses({{10, 20}, {0, 3}}, 0x0000FF, 2));
}

TEST(DiscreteCurve, CrossesAtTheEdgeOfThePixelRangeAreCutNotWrapped)
{
    CDiscreteCurve curve;
    curve.GetPoints() = {{INT32_MAX, INT32_MIN}};
    CRecordingDrawContext dc;
    ASSERT_TRUE(curve.DrawCrosses(dc));
    const auto lines = dc.EntriesOf(Kind::LineTo);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0].points, (std::vector<CPoint>{{INT32_MAX, INT32_MIN}, {INT32_MAX, INT32_MIN + 5}}));
    EXPECT_EQ(lines[1].points, (std::vector<CPoint>{{INT32_MAX - 5, INT32_MIN}, {INT32_MAX, INT32_MIN}}));
}

TEST(DiscreteCurve, HitsWithinOnePixelInBothDirections)
{
    CDiscreteCurve curve;
    EXPECT_FALSE(curve.HitTest(0, 0));
    curve.GetPoints() = {{50, 50}, {INT32_MIN, INT32_MAX}};
    EXPECT_TRUE(curve.HitTest(50, 50));
    EXPECT_TRUE(curve.HitTest(51, 49));
    EXPECT_TRUE(curve.HitTest(49, 51));
    EXPECT_FALSE(curve.HitTest(52, 50));
    EXPECT_FALSE(curve.HitTest(50, 48));
    EXPECT_FALSE(curve.HitTest(INT32_MAX, INT32_MIN));
    EXPECT_TRUE(curve.HitTest(INT32_MIN + 1, INT32_MAX));
}

TEST(DiscreteCurve, EditingPointsModifiesTheCurveAndTellsTheDocument)
{
    CFakeDocumentLink link;
    CCoordSyst cs(&link);
    auto* pCurve = cs.AddCurve(std::make_unique<CDiscreteCurve>(&cs));
    auto first = pCurve->AppendPoint(3, 4);
    EXPECT_TRUE(pCurve->GetModified());
    EXPECT_EQ(link.m_nModifiedUpdates, 1);
    pCurve->AppendPoint(5, 6);
    pCurve->SetModified(false);
    pCurve->RemovePoint(first);
    EXPECT_TRUE(pCurve->GetModified());
    EXPECT_EQ(Points(*pCurve), (std::vector<CPoint>{{5, 6}}));
    pCurve->RemovePoint(pCurve->GetPoints().end());  // ignored
    EXPECT_EQ(pCurve->GetPointCount(), 1u);
}

TEST(DiscreteCurve, SortingOrdersByGraphX)
{
    CFakeDocumentLink link;
    CCoordSyst cs(&link);
    BuildIdentity(cs);
    auto* pCurve = cs.AddCurve(std::make_unique<CDiscreteCurve>(&cs));

    pCurve->SortPointsByX();
    EXPECT_FALSE(pCurve->GetModified());
    pCurve->GetPoints() = {{200, 10}};
    pCurve->SortPointsByX();
    EXPECT_FALSE(pCurve->GetModified());

    // Equal X keeps the picking order.
    pCurve->GetPoints() = {{300, 1}, {200, 9}, {200, 2}, {100, 5}};
    pCurve->SortPointsByX();
    EXPECT_TRUE(pCurve->GetModified());
    EXPECT_EQ(Points(*pCurve), (std::vector<CPoint>{{100, 5}, {200, 9}, {200, 2}, {300, 1}}));

    // On a reversed X axis the pixel order is turned round.
    CCoordSyst reversed(&link);
    BuildIdentity(reversed, true);
    auto* pReversed = reversed.AddCurve(std::make_unique<CDiscreteCurve>(&reversed));
    pReversed->GetPoints() = {{100, 0}, {200, 0}, {300, 0}};
    pReversed->SortPointsByX();
    EXPECT_EQ(Points(*pReversed), (std::vector<CPoint>{{300, 0}, {200, 0}, {100, 0}}));
}

TEST(DiscreteCurve, ResultsAreDiscreteMadeOnceAndClonedWithTheCurve)
{
    CFakeDocumentLink link;
    CCoordSyst cs(&link);
    CDiscreteCurve curve(&cs);
    EXPECT_TRUE(curve.IsDiscrete());
    EXPECT_FALSE(curve.IsContinuous());
    CResults* pResults = curve.GetResults();
    ASSERT_NE(pResults, nullptr);
    EXPECT_TRUE(pResults->IsKindOf(RUNTIME_CLASS(CDiscreteResults)));
    EXPECT_EQ(pResults->GetCurve(), &curve);
    EXPECT_EQ(curve.GetResults(), pResults);

    curve.GetPoints() = {{1, 2}, {3, 4}};
    curve.SetName("Dots");
    curve.SetSelected(true);
    std::unique_ptr<CCurve> pClone(curve.Clone());
    ASSERT_TRUE(pClone->IsKindOf(RUNTIME_CLASS(CDiscreteCurve)));
    EXPECT_EQ(pClone->GetName(), "Dots");
    EXPECT_EQ(pClone->GetCoordSyst(), &cs);
    EXPECT_TRUE(pClone->IsSelected());
    EXPECT_TRUE(pClone->GetModified());
    EXPECT_EQ(Points(*pClone), Points(curve));
    ASSERT_NE(pClone->PeekResults(), nullptr);
    EXPECT_NE(pClone->PeekResults(), pResults);
    EXPECT_EQ(pClone->PeekResults()->GetCurve(), pClone.get());
}

TEST(DiscreteCurve, RecordIsTheBaseCurveAndAnEmptyResultsRecord)
{
    CFakeDocumentLink link;
    link.m_nCurveCounter = 4;
    CCoordSyst cs(&link);
    auto* pCurve = cs.AddCurve(std::make_unique<CDiscreteCurve>(&cs));
    pCurve->GetPoints() = {{7, -8}};
    const std::string withoutResults = Store(*pCurve);
    // Tag, schema, name length and "CDiscreteCurve", colour, name, number, counter,
    // selection, count, one point, null results.
    EXPECT_EQ(withoutResults.size(), 2u + 2 + 2 + 14 + 4 + 8 + 4 + 4 + 4 + 4 + 8 + 2);
    EXPECT_EQ(withoutResults.substr(withoutResults.size() - 2), std::string("\0\0", 2));

    pCurve->GetResults();
    const std::string bytes = Store(*pCurve);
    const std::string results = std::string("\xFF\xFF\x01\x00\x10\x00", 6) + "CDiscreteResults";
    EXPECT_EQ(bytes, withoutResults.substr(0, withoutResults.size() - 2) + results);

    CArchive ar(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size());
    std::unique_ptr<CObject> pObject(ar.ReadObject(RUNTIME_CLASS(CCurve)));
    auto* pBack = dynamic_cast<CDiscreteCurve*>(pObject.get());
    ASSERT_NE(pBack, nullptr);
    EXPECT_EQ(pBack->GetName(), "Curve 4");
    EXPECT_EQ(Points(*pBack), (std::vector<CPoint>{{7, -8}}));
    ASSERT_NE(pBack->PeekResults(), nullptr);
    EXPECT_EQ(pBack->PeekResults()->GetCurve(), pBack);
    EXPECT_EQ(ar.Remaining(), 0u);
}
