#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <memory>
#include <vector>

#include "Dm/ContinuousCurve.h"
#include "Dm/ContinuousResults.h"
#include "Dm/CoordSyst.h"
#include "Dm/Limit.h"
#include "ResultsTestSupport.h"
#include "platform/StringIds.h"
#include "platform/StringTable.h"

using namespace resultstest;

namespace {

// A continuous curve on axes where graph X is the pixel x (or 120 - x) and graph Y is
// 110 - pixel y; the traced points are laid directly into the curve.
class ContinuousResultsTest : public ::testing::Test {
protected:
    ContinuousResultsTest() { BuildPixelAxes(m_CoordSyst); }

    // Points given as graph (X, Y) on the pixel axes: pixel (X, 110 - Y).
    CContinuousCurve& MakeCurve(const std::vector<std::pair<int, int>>& points)
    {
        auto* pCurve = m_CoordSyst.AddCurve(std::make_unique<CContinuousCurve>(&m_CoordSyst));
        for (const auto& [x, y] : points)
            pCurve->GetPoints().emplace_back(x, 110 - y);
        return *pCurve;
    }

    // A curve with a point in every pixel column from x0 to x1 (pixel y 110 - f(x)).
    template <typename F>
    CContinuousCurve& MakeColumns(int x0, int x1, F f)
    {
        auto* pCurve = m_CoordSyst.AddCurve(std::make_unique<CContinuousCurve>(&m_CoordSyst));
        for (int x = x0; x <= x1; ++x)
            pCurve->GetPoints().emplace_back(x, 110 - f(x));
        return *pCurve;
    }

    static CContinuousResults& Sampled(CContinuousCurve& curve, double dFirst, double dPeriod)
    {
        CContinuousResults& results = *curve.GetContinuousResults();
        results.SetFirstValue(dFirst);
        results.SetPeriod(dPeriod);
        results.Compute();
        return results;
    }

    static std::vector<double> Xs(const CResults& results)
    {
        std::vector<double> xs;
        for (const CLogicPoint& row : results.GetRows())
            xs.push_back(row.x);
        return xs;
    }

    CCoordSyst m_CoordSyst;
};

TEST_F(ContinuousResultsTest, GridStartsAtTheFirstValueWithUndefinedLeadingRowsAndEndsAtTheCurve)
{
    CContinuousCurve& curve = MakeColumns(20, 25, [](int x) { return 2 * (x - 20); });
    CContinuousResults& results = Sampled(curve, 18, 0.5);

    ASSERT_EQ(results.GetRowCount(), 15);  // 18, 18.5, ... 25
    for (int i = 0; i < 4; ++i) {
        EXPECT_FALSE(results.GetRows()[i].IsValid()) << i;
        EXPECT_EQ(results.GetRows()[i].y, 0.0);
    }
    EXPECT_EQ(Row(results, 0), (CResults::CellList{"18", ""}));
    EXPECT_EQ(Row(results, 3), (CResults::CellList{"19.5", ""}));
    // An abscissa on the first point of a pair takes its Y.
    EXPECT_EQ(Row(results, 4), (CResults::CellList{"20", "0"}));
    EXPECT_EQ(Row(results, 5), (CResults::CellList{"20.5", "1"}));
    // The last row is the last grid abscissa not beyond the curve.
    EXPECT_EQ(Row(results, 14), (CResults::CellList{"25", "10"}));

    // A linear grid from 0 by 0.5.
    CContinuousCurve& wide = MakeColumns(0, 3, [](int) { return 1; });
    EXPECT_EQ(Xs(Sampled(wide, 0, 0.5)), (std::vector<double>{0, 0.5, 1, 1.5, 2, 2.5, 3}));
}

TEST_F(ContinuousResultsTest, VerticalRunsUseTheirLastPointAndGapsGiveUndefinedRows)
{
    // Column 21 holds a vertical run (Y 10 then 12); columns 23 and 24 are a gap.
    CContinuousCurve& curve = MakeCurve({{20, 0}, {21, 10}, {21, 12}, {22, 14}, {25, 20}, {26, 22}});
    CContinuousResults& results = Sampled(curve, 20, 0.5);

    ASSERT_EQ(results.GetRowCount(), 13);
    const std::vector<CResults::CellList> expected = {
        {"20", "0"},    {"20.5", "5"}, {"21", "10"},  // 21 is B of the pair (20, 21): its Y, not 12
        {"21.5", "13"},                               // the pair (21 last of the run, 22)
        {"22", "14"},   {"22.5", ""},  {"23", ""},     {"23.5", ""}, {"24", ""},
        {"24.5", ""},   {"25", "20"},  {"25.5", "21"}, {"26", "22"}};
    for (int i = 0; i < results.GetRowCount(); ++i)
        EXPECT_EQ(Row(results, i), expected[static_cast<size_t>(i)]) << i;
}

TEST_F(ContinuousResultsTest, CurvesWithoutAdjacentColumnsOrBeyondTheFirstValueGiveNoRows)
{
    EXPECT_EQ(Sampled(MakeCurve({}), 0, 1).GetRowCount(), 0);
    EXPECT_EQ(Sampled(MakeCurve({{20, 5}}), 0, 1).GetRowCount(), 0);
    EXPECT_EQ(Sampled(MakeCurve({{20, 5}, {22, 5}, {24, 5}, {24, 9}}), 0, 1).GetRowCount(), 0);
    EXPECT_EQ(Sampled(MakeColumns(20, 25, [](int) { return 3; }), 25.5, 1).GetRowCount(), 0);
    // A pair that qualifies on the last point of the list still counts.
    CContinuousResults& last = Sampled(MakeCurve({{20, 5}, {22, 5}, {23, 7}}), 22, 1);
    EXPECT_EQ(Xs(last), (std::vector<double>{22, 23}));
}

TEST_F(ContinuousResultsTest, ReversedXAxisWalksFromTheTailAndRowsStillGrow)
{
    CCoordSyst reversed;
    BuildPixelAxes(reversed, true);  // graph X = 120 - pixel x
    ASSERT_TRUE(reversed.IsXReversed());
    auto* pCurve = reversed.AddCurve(std::make_unique<CContinuousCurve>(&reversed));
    for (int x = 20; x <= 24; ++x)  // pixel order: graph X 100 down to 96
        pCurve->GetPoints().emplace_back(x, 110 - (x - 20));
    // A vertical run at the tail, (24, 106) then (24, 100): walked from the tail, its last
    // point is (24, 106), which makes the pair with column 23.
    pCurve->GetPoints().emplace_back(24, 100);

    CContinuousResults& results = Sampled(*pCurve, 96, 1);
    ASSERT_EQ(results.GetRowCount(), 5);
    const std::vector<CResults::CellList> expected = {
        {"96", "4"}, {"97", "3"}, {"98", "2"}, {"99", "1"}, {"100", "0"}};
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(Row(results, i), expected[static_cast<size_t>(i)]) << i;
}

TEST_F(ContinuousResultsTest, LogarithmicAxesGrowGeometricallyAndInterpolateInTheirOwnScale)
{
    // X = 10^((px - 10) / 20): 1 at pixel 10, 10 at 30, 100 at 50, 1000 at 70.
    CCoordSyst logX;
    BuildAxes(logX, {1, 1e5, true}, {0, 100});
    auto* pCurve = logX.AddCurve(std::make_unique<CContinuousCurve>(&logX));
    for (int x = 10; x <= 71; ++x)
        pCurve->GetPoints().emplace_back(x, 110 - (x - 10));  // Y = px - 10

    CContinuousResults& decades = Sampled(*pCurve, 1, 1);
    EXPECT_EQ(Xs(decades), (std::vector<double>{1, 10, 100, 1000}));

    // Between two columns Y follows log X: half way in pixels is half way in decades.
    CContinuousResults& between = Sampled(*pCurve, std::pow(10.0, 0.525), 1);
    ASSERT_EQ(between.GetRowCount(), 3);
    EXPECT_NEAR(between.GetRows()[0].y, 10.5, 1e-9);
    EXPECT_NEAR(between.GetRows()[1].y, 30.5, 1e-9);
    EXPECT_NEAR(between.GetRows()[2].y, 50.5, 1e-9);

    // Y = 10^((110 - py) / 20); with py = 110 - 2 (px - 20), Y = 10^((px - 20) / 10).
    CCoordSyst logY;
    BuildAxes(logY, {10, 110}, {1, 1e5, true});
    auto* pLogYCurve = logY.AddCurve(std::make_unique<CContinuousCurve>(&logY));
    for (int x = 20; x <= 30; ++x)
        pLogYCurve->GetPoints().emplace_back(x, 110 - 2 * (x - 20));
    CContinuousResults& logRows = Sampled(*pLogYCurve, 20.5, 1);
    ASSERT_GE(logRows.GetRowCount(), 1);
    EXPECT_NEAR(logRows.GetRows()[0].y, std::pow(10.0, 0.05), 1e-12);

    EXPECT_DOUBLE_EQ(CContinuousResults::Interpolate(10, {1, 1}, {100, 100}, true, true), 10.0);
    EXPECT_DOUBLE_EQ(CContinuousResults::Interpolate(10, {1, 0}, {100, 2}, true, false), 1.0);
    EXPECT_DOUBLE_EQ(CContinuousResults::Interpolate(1.5, {1, 1}, {2, 100}, false, true), 10.0);
    EXPECT_DOUBLE_EQ(CContinuousResults::Interpolate(5, {5, 1}, {5, 7}, false, false), 7.0);
}

TEST_F(ContinuousResultsTest, SettingsTheDialogRefusesGiveNoRowsAndTheirMessage)
{
    CContinuousCurve& curve = MakeColumns(20, 30, [](int x) { return x; });
    CContinuousResults& results = *curve.GetContinuousResults();
    results.SetFirstValue(20);
    results.Compute();
    EXPECT_EQ(results.GetRowCount(), 0);  // no period yet
    EXPECT_EQ(results.Validate(), CStringTable::Get(IDS_PERIOD_POSITIVE));

    const double inf = std::numeric_limits<double>::infinity();
    const double nan = std::numeric_limits<double>::quiet_NaN();
    for (double dPeriod : {0.0, -1.0, nan, inf, -inf}) {
        Sampled(curve, 20, 1);
        ASSERT_GT(results.GetRowCount(), 0);
        results.SetPeriod(dPeriod);
        results.Compute();
        EXPECT_EQ(results.GetRowCount(), 0) << dPeriod;
        EXPECT_EQ(results.Validate(), CStringTable::Get(IDS_PERIOD_POSITIVE)) << dPeriod;
        EXPECT_EQ(results.GetExpectedRowCount(), 0) << dPeriod;
    }
    for (double dFirst : {nan, inf, -inf}) {
        Sampled(curve, dFirst, 1);
        EXPECT_EQ(results.GetRowCount(), 0) << dFirst;
        EXPECT_EQ(results.Validate(), CStringTable::Get(IDS_TOO_MANY_POINTS)) << dFirst;
    }

    // A first value <= 0 on a logarithmic X axis.
    m_CoordSyst.GetXAxe().SetLogarithmic(true);
    for (double dFirst : {0.0, -5.0}) {
        Sampled(curve, dFirst, 1);
        EXPECT_EQ(results.GetRowCount(), 0) << dFirst;
        EXPECT_EQ(results.GetExpectedRowCount(), 0);
        EXPECT_EQ(results.Validate(), CStringTable::Get(IDS_LOG_FIRST_VALUE_POSITIVE));
    }
}

TEST_F(ContinuousResultsTest, PeriodsTooSmallToMoveTheAbscissaStopAndRowsStopAtTheCeiling)
{
    CContinuousCurve& curve = MakeColumns(20, 31, [](int x) { return x; });
    EXPECT_EQ(Sampled(curve, 20, 1e-20).GetRowCount(), 1);

    CCoordSyst logX;
    BuildAxes(logX, {1, 1e5, true}, {0, 100});
    auto* pLogCurve = logX.AddCurve(std::make_unique<CContinuousCurve>(&logX));
    for (int x = 10; x <= 30; ++x)
        pLogCurve->GetPoints().emplace_back(x, 50);
    EXPECT_EQ(Sampled(*pLogCurve, 2, 1e-20).GetRowCount(), 1);

    // 11 units at a period of 1e-6 would make 11 million rows.
    CContinuousResults& dense = Sampled(curve, 20, 1e-6);
    EXPECT_EQ(dense.GetRowCount(), CResults::kMaxComputedRows);
    EXPECT_EQ(dense.GetExpectedRowCount(), 0);
    EXPECT_EQ(dense.Validate(), CStringTable::Get(IDS_TOO_MANY_POINTS));
    dense.SetPeriod(1);
    dense.Compute();  // rows and their memory are replaced
    EXPECT_EQ(dense.GetRowCount(), 12);
}

TEST_F(ContinuousResultsTest, FirstValueLastValueAndExpectedRowCount)
{
    CContinuousCurve& curve = MakeColumns(20, 31, [](int x) { return x; });
    // Limits without a value count as 0.
    EXPECT_DOUBLE_EQ(CContinuousResults(&curve).GetFirstValue(), 0.0);
    EXPECT_DOUBLE_EQ(curve.GetContinuousResults()->GetLastValue(), 31.0);
    curve.GetLeftLimit()->SetValue(40);
    curve.GetRightLimit()->SetValue(5);
    CContinuousResults fresh(&curve);
    EXPECT_DOUBLE_EQ(fresh.GetFirstValue(), 5.0);
    EXPECT_FALSE(fresh.IsPeriodDefined());
    EXPECT_DOUBLE_EQ(fresh.GetLastValue(), 40.0);
    EXPECT_DOUBLE_EQ(fresh.SetFirstValue(20), 5.0);

    fresh.SetPeriod(3);  // |40 - 20| / 3 = 6.67
    EXPECT_TRUE(fresh.IsPeriodDefined());
    EXPECT_EQ(fresh.GetExpectedRowCount(), 7);
    EXPECT_EQ(fresh.Validate(), "");
    // 15.2587890625 / 2^-16 is exactly a million: the count no longer shows, the dialog
    // still accepts it.
    fresh.SetFirstValue(40 - 15.2587890625);
    fresh.SetPeriod(std::ldexp(1.0, -16));
    EXPECT_EQ(fresh.GetExpectedRowCount(), 0);
    EXPECT_EQ(fresh.Validate(), "");
    fresh.SetPeriod(std::ldexp(1.0, -17));
    EXPECT_EQ(fresh.Validate(), CStringTable::Get(IDS_TOO_MANY_POINTS));

    // On a logarithmic X axis whose curve reaches 2000, first value 1 and a period of one
    // decade: 1, 10, 100, 1000.
    CCoordSyst logX;
    BuildAxes(logX, {1, 1e5, true}, {0, 100});
    auto* pLogCurve = logX.AddCurve(std::make_unique<CContinuousCurve>(&logX));
    for (int x = 10; x <= 70; ++x)
        pLogCurve->GetPoints().emplace_back(x, 50);
    pLogCurve->GetRightLimit()->SetValue(2000);
    CContinuousResults& logResults = *pLogCurve->GetContinuousResults();
    logResults.SetFirstValue(1);
    logResults.SetPeriod(1);
    EXPECT_EQ(logResults.GetExpectedRowCount(), 4);
    EXPECT_EQ(logResults.Validate(), "");
}

TEST_F(ContinuousResultsTest, TitleLinesRowsBeyondTheEndRecomputingAndCloning)
{
    m_CoordSyst.GetXAxe().SetName("Time");
    m_CoordSyst.GetYAxe().SetName("Speed");
    CContinuousCurve& curve = MakeColumns(20, 22, [](int) { return 4; });
    curve.SetName("Curve 1");
    CContinuousResults& results = Sampled(curve, 20, 1);
    EXPECT_EQ(results.GetTitleLineCount(), 2);
    EXPECT_EQ(TitleLines(results, -1, 2),
              (std::vector<CResults::CellList>{{"", ""}, {"Curve 1", ""}, {"Time", "Speed"}, {"", ""}}));
    // Cells are appended to what the writer has already collected.
    CResults::CellList cells = {"a"};
    results.GetRow(3, cells);
    results.GetRow(-1, cells);
    results.GetRow(2, cells);
    EXPECT_EQ(cells, (CResults::CellList{"a", "", "", "", "", "22", "4"}));

    results.Compute();
    EXPECT_EQ(results.GetRowCount(), 3);

    std::unique_ptr<CResults> pClone(results.Clone());
    auto* pContinuous = dynamic_cast<CContinuousResults*>(pClone.get());
    ASSERT_NE(pContinuous, nullptr);
    EXPECT_EQ(pContinuous->GetCurve(), nullptr);
    EXPECT_DOUBLE_EQ(pContinuous->GetFirstValue(), 20.0);
    EXPECT_DOUBLE_EQ(pContinuous->GetPeriod(), 1.0);
    EXPECT_TRUE(pContinuous->IsPeriodDefined());
    pContinuous->Compute();  // bound to no curve: nothing to sample
    EXPECT_EQ(pContinuous->GetRowCount(), 0);

    std::unique_ptr<CCurve> pCopy(curve.Clone());
    CResults* pCopied = pCopy->PeekResults();
    ASSERT_NE(pCopied, nullptr);
    EXPECT_EQ(pCopied->GetCurve(), pCopy.get());
    pCopied->Compute();
    EXPECT_EQ(pCopied->GetRowCount(), 3);
}

}  // namespace
