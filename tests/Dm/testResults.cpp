#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "BezierTestCurve.h"
#include "Dm/DiscreteCurve.h"
#include "Dm/DiscreteResults.h"
#include "Dm/SplineResults.h"
#include "ResultsTestSupport.h"

using namespace resultstest;

namespace {

// Rows set by the test, to see how the base class turns them into cells.
class CFixedRows : public CResults {
public:
    explicit CFixedRows(RowList rows) { m_Rows = std::move(rows); }
    std::unique_ptr<CResults> Clone() const override { return std::make_unique<CFixedRows>(m_Rows); }
};

CLogicPoint Undefined(double x)
{
    CLogicPoint point(x, 0);
    point.SetValid(false);
    return point;
}

TEST(Results, CellsFollowThePercentGRuleWithThreeDigitExponents)
{
    CFixedRows results(
        {{0.0001, 1234567}, {0.00001, 15000000}, {-2.5, 100000}, Undefined(1e-300), {0, -0.0}});
    EXPECT_EQ(results.GetRowCount(), 5);
    EXPECT_EQ(Row(results, 0), (CResults::CellList{"0.0001", "1.23457e+006"}));
    EXPECT_EQ(Row(results, 1), (CResults::CellList{"1e-005", "1.5e+007"}));
    EXPECT_EQ(Row(results, 2), (CResults::CellList{"-2.5", "100000"}));
    EXPECT_EQ(Row(results, 3), (CResults::CellList{"1e-300", ""}));
    EXPECT_EQ(Row(results, 4), (CResults::CellList{"0", "-0"}));
    EXPECT_EQ(Row(results, 5), (CResults::CellList{"", ""}));

    // Without a curve the title lines are empty cells, and the base computes nothing.
    EXPECT_EQ(TitleLines(results, 0, 1), (std::vector<CResults::CellList>{{"", ""}, {"", ""}}));
    results.Compute();
    EXPECT_EQ(results.GetRowCount(), 5);
}

TEST(DiscreteResults, OneRowPerPointInListOrderConvertedToGraphUnits)
{
    CCoordSyst cs;
    // X = (px - 10) / 100000, Y = (110 - py) * 1000000.
    BuildAxes(cs, {0, 0.001}, {0, 1e8}, "Dose", "Count");
    auto* pCurve = cs.AddCurve(std::make_unique<CDiscreteCurve>(&cs));
    pCurve->SetName("Points");
    CResults* pResults = pCurve->GetResults();
    pResults->Compute();
    EXPECT_EQ(pResults->GetRowCount(), 0);

    pCurve->AppendPoint(20, 95);
    pCurve->AppendPoint(11, 110);
    pCurve->AppendPoint(60, 60);
    pResults->Compute();
    pResults->Compute();
    ASSERT_EQ(pResults->GetRowCount(), 3);
    EXPECT_EQ(Row(*pResults, 0), (CResults::CellList{"0.0001", "1.5e+007"}));
    EXPECT_EQ(Row(*pResults, 1), (CResults::CellList{"1e-005", "0"}));
    EXPECT_EQ(Row(*pResults, 2), (CResults::CellList{"0.0005", "5e+007"}));
    EXPECT_EQ(TitleLines(*pResults, 0, 1),
              (std::vector<CResults::CellList>{{"Points", ""}, {"Dose", "Count"}}));
    EXPECT_EQ(static_cast<CDiscreteResults*>(pResults)->Validate(), "");

    // A curve bound to no coordinate system has nothing to convert with.
    CDiscreteCurve loose;
    loose.AppendPoint(1, 1);
    loose.GetResults()->Compute();
    EXPECT_EQ(loose.GetResults()->GetRowCount(), 0);
}

TEST(SplineResults, PointsPerSegmentTimesSegmentsPlusTheLastAnchor)
{
    CCoordSyst cs;
    beziertest::BuildIdentity(cs);  // X = px, Y = 400 - py
    std::unique_ptr<CBezierCurve> pCurve = beziertest::MakeCurve(&cs, beziertest::StraightPair());
    auto* pResults = static_cast<CSplineResults*>(pCurve->GetResults());
    EXPECT_EQ(pResults->GetPointsPerSegment(), 50);
    EXPECT_EQ(pResults->GetExpectedRowCount(), 51);
    pResults->Compute();
    pResults->Compute();  // the same rows, not twice as many
    ASSERT_EQ(pResults->GetRowCount(), 51);
    EXPECT_EQ(Row(*pResults, 0), (CResults::CellList{"0", "400"}));
    EXPECT_EQ(Row(*pResults, 50), (CResults::CellList{"30", "400"}));

    beziertest::Lay(*pCurve, {{{60, 30}, {0, 0}, {0, 0}}});  // a third anchor
    pResults->SetPointsPerSegment(3);
    EXPECT_EQ(pResults->GetExpectedRowCount(), 7);
    pResults->Compute();
    ASSERT_EQ(pResults->GetRowCount(), 7);
    EXPECT_EQ(Row(*pResults, 6), (CResults::CellList{"60", "370"}));

    pResults->SetPointsPerSegment(0);
    EXPECT_EQ(pResults->GetPointsPerSegment(), 1);
    pResults->SetPointsPerSegment(5000);
    EXPECT_EQ(pResults->GetPointsPerSegment(), 1000);

    std::unique_ptr<CBezierCurve> pSingle = beziertest::MakeCurve(&cs, {{{5, 5}, {0, 0}, {0, 0}}});
    pSingle->GetResults()->Compute();
    EXPECT_EQ(pSingle->GetResults()->GetRowCount(), 0);
    EXPECT_EQ(static_cast<CSplineResults*>(pSingle->GetResults())->GetExpectedRowCount(), 0);

    EXPECT_EQ(CSplineResults::ValidatePointsPerSegment(1), "");
    EXPECT_EQ(CSplineResults::ValidatePointsPerSegment(1000), "");
    EXPECT_EQ(CSplineResults::ValidatePointsPerSegment(0), "Please enter an integer between 1 and 1000.");
    EXPECT_EQ(CSplineResults::ValidatePointsPerSegment(1001), "Please enter an integer between 1 and 1000.");
}

}  // namespace
