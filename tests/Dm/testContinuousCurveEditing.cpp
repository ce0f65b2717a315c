#include <gtest/gtest.h>

#include <vector>

#include "Dm/ContinuousCurve.h"
#include "FakeDocumentLink.h"
#include "Dm/CoordSyst.h"
#include "Dm/SettingsManager.h"

namespace {

using PointList = CCurve::PointList;

class ContinuousCurveEditingTest : public ::testing::Test {
protected:
    ContinuousCurveEditingTest() : m_Coord(&m_Doc)
    {
        m_pCurve = m_Coord.AddCurve(std::make_unique<CContinuousCurve>(&m_Coord));
    }
    ~ContinuousCurveEditingTest() override { ReleaseSettingsManager(); }

    // Sets the point list and clears the modified flag.
    void SetPoints(const PointList& points)
    {
        m_pCurve->GetPoints() = points;
        m_pCurve->SetModified(false);
    }
    PointList Points() const { return m_pCurve->GetPoints(); }

    CFakeDocumentLink m_Doc;
    CCoordSyst m_Coord;
    CContinuousCurve* m_pCurve = nullptr;
};

}  // namespace

TEST_F(ContinuousCurveEditingTest, SetPointReplacesOrInsertsInOrder)
{
    SetPoints({{11, 20}, {12, 25}, {13, 40}, {20, 5}});
    // The old y, the new y and both neighbours, widened by 2 columns and 1 row.
    EXPECT_EQ(m_pCurve->SetPoint(12, 30), CRect(10, 19, 15, 42));
    EXPECT_TRUE(m_pCurve->GetModified());
    EXPECT_EQ(Points(), (PointList{{11, 20}, {12, 30}, {13, 40}, {20, 5}}));

    // Inserted before the first point of larger x; no neighbour in columns 15 and 17.
    EXPECT_EQ(m_pCurve->SetPoint(16, 8), CRect(14, 7, 19, 10));
    EXPECT_EQ(m_pCurve->SetPoint(2, 1), CRect(0, 0, 5, 3));
    EXPECT_EQ(m_pCurve->SetPoint(30, 9), CRect(28, 8, 33, 11));
    EXPECT_EQ(Points(), (PointList{{2, 1}, {11, 20}, {12, 30}, {13, 40}, {16, 8}, {20, 5}, {30, 9}}));

    SetPoints({});
    m_pCurve->SetPoint(4, 4);
    EXPECT_EQ(Points(), (PointList{{4, 4}}));
    // Negative coordinates are raised to 0 before the rectangle is widened.
    EXPECT_EQ(m_pCurve->SetPoint(-5, -3), CRect(-2, -1, 3, 2));
}

TEST_F(ContinuousCurveEditingTest, DrawSegmentIsTheSameEitherWay)
{
    const PointList start{{5, 5}, {10, 7}, {11, 8}, {12, 9}, {13, 10}, {14, 11}, {20, 3}};
    SetPoints(start);
    const CRect rect = m_pCurve->DrawSegment(CPoint(10, 20), CPoint(13, 22));
    EXPECT_TRUE(m_pCurve->GetModified());
    const PointList forward = Points();
    EXPECT_EQ(forward, (PointList{{5, 5}, {10, 20}, {11, 20}, {12, 21}, {13, 22}, {14, 11}, {20, 3}}));
    // Columns 10 to 13; rows of the removed (7 to 10), added (20 to 22) and neighbouring (11)
    // points.
    EXPECT_EQ(rect, CRect(9, 6, 15, 24));

    SetPoints(start);
    EXPECT_EQ(m_pCurve->DrawSegment(CPoint(13, 22), CPoint(10, 20)), rect);
    EXPECT_EQ(Points(), forward);

    SetPoints(start);
    m_pCurve->DrawSegment(CPoint(10, 20), CPoint(13, 18));
    EXPECT_EQ(Points(), (PointList{{5, 5}, {10, 20}, {11, 20}, {12, 19}, {13, 18}, {14, 11}, {20, 3}}));

    // Into an empty list, and past the end of the list.
    SetPoints({});
    m_pCurve->DrawSegment(CPoint(3, 0), CPoint(1, 4));
    EXPECT_EQ(Points(), (PointList{{1, 4}, {2, 2}, {3, 0}}));
    m_pCurve->DrawSegment(CPoint(6, 0), CPoint(7, 1));
    EXPECT_EQ(Points(), (PointList{{1, 4}, {2, 2}, {3, 0}, {6, 0}, {7, 1}}));

    // One column: the pen sets the end point.
    SetPoints(start);
    EXPECT_EQ(m_pCurve->DrawSegment(CPoint(11, 0), CPoint(11, 50)), CRect(9, 6, 14, 52));
    EXPECT_EQ(*std::next(Points().begin(), 2), CPoint(11, 50));
}

TEST_F(ContinuousCurveEditingTest, DrawSegmentFallsShortOnlyWhereDoublesDo)
{
    // 997 rows over 7 columns: the product for the last column may end just short of the
    // whole number, which truncation turns into one pixel nearer the start.
    SetPoints({});
    m_pCurve->DrawSegment(CPoint(0, 1000), CPoint(7, 3));
    ASSERT_EQ(Points().size(), 8u);
    const int last = Points().back().y;
    EXPECT_TRUE(last == 3 || last == 4) << last;
    EXPECT_EQ(Points().front(), CPoint(0, 1000));
}

TEST_F(ContinuousCurveEditingTest, ErasePointAndRange)
{
    SetPoints({{1, 1}, {2, 2}, {3, 9}, {6, 6}, {7, 7}, {9, 9}});
    EXPECT_EQ(m_pCurve->ErasePoint(CPoint(3, 100)), CRect(2, 1, 5, 11));
    EXPECT_TRUE(m_pCurve->GetModified());
    EXPECT_EQ(Points(), (PointList{{1, 1}, {2, 2}, {6, 6}, {7, 7}, {9, 9}}));
    // A column without a point: nothing changes and nothing needs a repaint.
    EXPECT_TRUE(m_pCurve->ErasePoint(CPoint(4, 0)).IsEmpty());
    EXPECT_EQ(Points().size(), 5u);

    // A rubber stroke from right to left over columns 8 to 3: columns without points stay
    // empty, the others outside the range stay.
    EXPECT_EQ(m_pCurve->EraseRange(CPoint(8, 0), CPoint(3, 0)), CRect(5, 5, 9, 9));
    EXPECT_EQ(Points(), (PointList{{1, 1}, {2, 2}, {9, 9}}));
    EXPECT_TRUE(m_pCurve->EraseRange(CPoint(3, 0), CPoint(8, 0)).IsEmpty());
    m_pCurve->EraseRange(CPoint(-100, 0), CPoint(100, 0));
    EXPECT_TRUE(Points().empty());
}

TEST_F(ContinuousCurveEditingTest, SnapshotsAreCopies)
{
    SetPoints({{1, 1}, {2, 2}});
    PointList snapshot = m_pCurve->TakeSnapshot();
    m_pCurve->SetPoint(2, 40);
    m_pCurve->SetPoint(3, 3);
    EXPECT_EQ(snapshot, (PointList{{1, 1}, {2, 2}}));
    m_pCurve->SetModified(false);
    EXPECT_EQ(m_pCurve->RestoreSnapshot(snapshot), CRect(0, 0, 5, 42));
    EXPECT_TRUE(m_pCurve->GetModified());
    EXPECT_EQ(Points(), snapshot);
    snapshot.clear();
    EXPECT_EQ(Points().size(), 2u);
}
