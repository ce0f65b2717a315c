#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "ContinuousCurveFixture.h"
#include "Dm/DensityCurve.h"
#include "Dm/DensityResults.h"
#include "ResultsTestSupport.h"
#include "platform/Archive.h"
#include "platform/StringIds.h"
#include "platform/StringTable.h"

using namespace resultstest;

namespace {

constexpr uint32_t kBlack = CColorScale::MakePixel(0, 0, 0);
constexpr uint32_t kWhite = CColorScale::MakePixel(255, 255, 255);

std::string Store(CObject& object)
{
    std::ostringstream out;
    {
        CArchive ar(out);
        object.Serialize(ar);
    }
    return out.str();
}

// A picture whose columns 10 to 30 read, with a scale black = 255 and white = 0, the value
// 5 (x - 10) (0 to 100); elsewhere white (0). On the default axes graph X = pixel x - 10 and
// graph Y = 110 - pixel y, so along those columns the density is 5 X.
class DensityResultsTest : public ::testing::Test {
protected:
    DensityResultsTest() : m_pCoordSyst(std::make_unique<CCoordSyst>(&m_Doc))
    {
        CInkCanvas canvas(130, 130);
        for (int x = 10; x <= 30; ++x)
            canvas.Fill(x, x, 0, 129, static_cast<uint8_t>(255 - 5 * (x - 10)));
        EXPECT_TRUE(m_Doc.Load(canvas));
        BuildAxes(*m_pCoordSyst, {0, 100}, {0, 100});
    }

    CDensityCurve& MakeCurve(CPoint start, CPoint end)
    {
        CDensityCurve* pCurve = m_pCoordSyst->AddCurve(std::make_unique<CDensityCurve>(
            m_pCoordSyst.get(), std::make_unique<CColorScale>(kBlack, kWhite, 255, 0)));
        pCurve->SetName("Strip");
        pCurve->SetSegment(start, end);
        return *pCurve;
    }

    static CDensityResults& ResultsOf(CDensityCurve& curve)
    {
        return *static_cast<CDensityResults*>(curve.GetResults());
    }

    // The segment of graph (0, 0) to (10, 5), drawn left to right.
    CDensityResults& Oblique() { return ResultsOf(MakeCurve({10, 110}, {20, 105})); }

    static std::vector<CResults::CellList> Rows(const CResults& results)
    {
        std::vector<CResults::CellList> rows;
        for (int i = 0; i < results.GetRowCount(); ++i)
            rows.push_back(Row(results, i));
        return rows;
    }

    CBitmapDocumentLink m_Doc;
    std::unique_ptr<CCoordSyst> m_pCoordSyst;
};

TEST_F(DensityResultsTest, ObliqueSegmentStepsOnXFromTheStartAndStopsPastTheLastSample)
{
    CDensityResults& results = Oblique();
    EXPECT_EQ(results.GetDisplayMode(), CDensityResults::kDisplayBoth);
    EXPECT_DOUBLE_EQ(results.GetFirstX(), 0.0);
    EXPECT_DOUBLE_EQ(results.GetFirstY(), 0.0);
    EXPECT_FALSE(results.IsPeriodDefined());
    EXPECT_EQ(results.GetExpectedRowCount(), 0);

    results.SetXPeriod(3);
    EXPECT_TRUE(results.IsXMaster());
    EXPECT_DOUBLE_EQ(results.GetYPeriod(), 1.5);
    EXPECT_EQ(results.GetExpectedRowCount(), 4);
    EXPECT_EQ(results.Validate(), "");
    results.Compute();
    // Targets on samples take the sample's value; x = 12 lies past the last sample.
    EXPECT_EQ(Rows(results), (std::vector<CResults::CellList>{
                                 {"0", "0", "0"}, {"3", "1.5", "15"}, {"6", "3", "30"}, {"9", "4.5", "45"}}));
    EXPECT_EQ(
        TitleLines(results, -1, 2),
        (std::vector<CResults::CellList>{{"", "", ""}, {"Strip", "", ""}, {"X", "Y", ""}, {"", "", ""}}));
    EXPECT_EQ(Row(results, 4), (CResults::CellList{"", "", ""}));

    // Between samples the value is interpolated along the major pixel axis.
    results.SetFirstX(0.25);
    EXPECT_DOUBLE_EQ(results.GetFirstY(), 0.125);
    results.Compute();
    ASSERT_EQ(results.GetRowCount(), 4);
    EXPECT_NEAR(results.GetRowValues()[0], 1.25, 1e-9);
    EXPECT_NEAR(results.GetRowValues()[3], 46.25, 1e-9);

    results.SetDisplayMode(CDensityResults::kDisplayX);
    EXPECT_EQ(Row(results, 1), (CResults::CellList{"3.25", "16.25"}));
    EXPECT_EQ(TitleLines(results, 0, 1), (std::vector<CResults::CellList>{{"Strip", ""}, {"X", ""}}));
    results.SetDisplayMode(CDensityResults::kDisplayY);
    EXPECT_EQ(Row(results, 1), (CResults::CellList{"1.625", "16.25"}));
    EXPECT_EQ(TitleLines(results, 1, 1), (std::vector<CResults::CellList>{{"Y", ""}}));
    results.SetDisplayMode(7);  // not a mode
    EXPECT_EQ(results.GetDisplayMode(), CDensityResults::kDisplayY);
}

TEST_F(DensityResultsTest, NegativePeriodsRunFromTheEndAndAYPeriodMakesYTheMaster)
{
    CDensityResults& results = Oblique();
    results.SetFirstX(10);
    EXPECT_DOUBLE_EQ(results.GetFirstY(), 5.0);
    results.SetXPeriod(-3);
    EXPECT_EQ(results.GetExpectedRowCount(), 4);
    results.Compute();
    EXPECT_EQ(Rows(results),
              (std::vector<CResults::CellList>{
                  {"10", "5", "50"}, {"7", "3.5", "35"}, {"4", "2", "20"}, {"1", "0.5", "5"}}));

    // Slope 0.5: a Y period of 2 is an X period of 4.
    results.SetFirstY(0);
    EXPECT_DOUBLE_EQ(results.GetFirstX(), 0.0);
    results.SetYPeriod(2);
    EXPECT_FALSE(results.IsXMaster());
    EXPECT_DOUBLE_EQ(results.GetXPeriod(), 4.0);
    EXPECT_EQ(results.GetExpectedRowCount(), 3);
    results.Compute();
    EXPECT_EQ(Rows(results),
              (std::vector<CResults::CellList>{{"0", "0", "0"}, {"4", "2", "20"}, {"8", "4", "40"}}));
    // Display of Y alone keeps Y the master even after a period on X.
    results.SetXPeriod(4);
    results.SetDisplayMode(CDensityResults::kDisplayY);
    EXPECT_FALSE(results.IsXMaster());
}

TEST_F(DensityResultsTest, SegmentParallelToTheYAxisUsesOnlyY)
{
    // Pixel column 30: graph X 20, Y from 10 to 90, density 100 all along.
    CDensityResults& results = ResultsOf(MakeCurve({30, 100}, {30, 20}));
    EXPECT_FALSE(results.CanUseX());
    EXPECT_TRUE(results.CanUseY());
    EXPECT_EQ(results.GetDisplayMode(), CDensityResults::kDisplayY);
    EXPECT_DOUBLE_EQ(results.GetFirstY(), 10.0);
    EXPECT_DOUBLE_EQ(results.GetFirstX(), 20.0);
    EXPECT_EQ(results.GetYRange(), std::make_pair(10.0, 90.0));
    EXPECT_EQ(results.GetXRange(), std::make_pair(20.0, 20.0));

    results.SetDisplayMode(CDensityResults::kDisplayBoth);
    EXPECT_EQ(results.GetDisplayMode(), CDensityResults::kDisplayY);
    results.SetFirstX(50);
    results.SetXPeriod(5);
    EXPECT_DOUBLE_EQ(results.GetFirstX(), 20.0);
    EXPECT_FALSE(results.IsPeriodDefined());
    EXPECT_DOUBLE_EQ(results.XToY(1234), 10.0);
    EXPECT_DOUBLE_EQ(results.YToX(1234), 20.0);

    results.SetYPeriod(20);
    EXPECT_FALSE(results.IsXMaster());
    EXPECT_EQ(results.GetExpectedRowCount(), 5);
    results.Compute();
    EXPECT_EQ(Rows(results), (std::vector<CResults::CellList>{
                                 {"10", "100"}, {"30", "100"}, {"50", "100"}, {"70", "100"}, {"90", "100"}}));
    EXPECT_EQ(TitleLines(results, -1, 1),
              (std::vector<CResults::CellList>{{"", ""}, {"Strip", ""}, {"Y", ""}}));
    EXPECT_EQ(Row(results, 9), (CResults::CellList{"", ""}));
}

TEST_F(DensityResultsTest, SegmentParallelToTheXAxisUsesOnlyX)
{
    CDensityResults& results = ResultsOf(MakeCurve({10, 60}, {30, 60}));
    EXPECT_TRUE(results.CanUseX());
    EXPECT_FALSE(results.CanUseY());
    EXPECT_EQ(results.GetDisplayMode(), CDensityResults::kDisplayX);
    EXPECT_DOUBLE_EQ(results.GetFirstY(), 50.0);
    results.SetYPeriod(1);
    EXPECT_FALSE(results.IsPeriodDefined());
    results.SetXPeriod(5);
    EXPECT_DOUBLE_EQ(results.GetYPeriod(), 0.0);
    results.Compute();
    EXPECT_EQ(Rows(results), (std::vector<CResults::CellList>{
                                 {"0", "0"}, {"5", "25"}, {"10", "50"}, {"15", "75"}, {"20", "100"}}));
    EXPECT_EQ(TitleLines(results, 1, 1), (std::vector<CResults::CellList>{{"X", ""}}));
}

TEST_F(DensityResultsTest, LogarithmicAxesStepInDecadesAlongTheLineOfTheirOwnScale)
{
    // X = 10^((px - 10) / 20): 1 at pixel 10, 10 at 30, 1e5 at 110.
    BuildAxes(*m_pCoordSyst, {1, 1e5, true}, {0, 100});
    CDensityResults& results = ResultsOf(MakeCurve({10, 60}, {111, 60}));
    results.SetFirstX(1);
    results.SetXPeriod(1);
    EXPECT_EQ(results.GetExpectedRowCount(), 6);
    results.Compute();
    ASSERT_EQ(results.GetRowCount(), 6);
    double x = 1;
    for (int i = 0; i < 6; ++i, x *= 10)
        EXPECT_DOUBLE_EQ(results.GetRowPoints()[static_cast<size_t>(i)].x, x) << i;
    EXPECT_NEAR(results.GetRowValues()[1], 100.0, 1e-6);  // pixel 30
    EXPECT_EQ(Row(results, 5)[0], "100000");

    // A first value <= 0 cannot be on a logarithmic axis.
    results.SetFirstX(0);
    EXPECT_EQ(results.GetExpectedRowCount(), -1);
    EXPECT_EQ(results.Validate(), CStringTable::Get(IDS_VALUE_OUTSIDE_RANGE));
    results.Compute();
    EXPECT_EQ(results.GetRowCount(), 0);

    // Both axes logarithmic: (1, 1) to (100, 100) is the line Y = X.
    BuildAxes(*m_pCoordSyst, {1, 1e5, true}, {1, 1e5, true});
    CDensityResults& diagonal = ResultsOf(MakeCurve({10, 110}, {50, 70}));
    EXPECT_NEAR(diagonal.XToY(10), 10.0, 1e-9);
    EXPECT_NEAR(diagonal.YToX(1000), 1000.0, 1e-6);
    diagonal.SetXPeriod(0.5);
    EXPECT_NEAR(diagonal.GetYPeriod(), 0.5, 1e-12);
}

TEST_F(DensityResultsTest, PeriodsOfZeroClearingAndTheDialogsChecks)
{
    CDensityResults& results = Oblique();
    results.SetXPeriod(0);
    EXPECT_FALSE(results.IsPeriodDefined());
    EXPECT_EQ(results.Validate(), CStringTable::Get(IDS_COUNT_ERROR));
    results.SetXPeriod(3);
    results.ClearPeriod();
    EXPECT_EQ(results.GetExpectedRowCount(), 0);
    EXPECT_DOUBLE_EQ(results.GetXPeriod(), 0.0);
    EXPECT_DOUBLE_EQ(results.GetYPeriod(), 0.0);
    results.Compute();
    EXPECT_EQ(results.GetRowCount(), 0);

    results.SetXPeriod(3);
    results.SetFirstX(10.5);
    EXPECT_EQ(results.Validate(), CStringTable::Get(IDS_VALUE_OUTSIDE_RANGE));
    results.SetFirstX(10);
    EXPECT_EQ(results.Validate(), "");
    // 7.62939453125 is exactly a million periods of 2^-17: still accepted.
    results.SetFirstX(10 - 7.62939453125);
    results.SetXPeriod(std::ldexp(1.0, -17));
    EXPECT_EQ(results.GetExpectedRowCount(), 1000001);
    EXPECT_EQ(results.Validate(), "");
    results.SetXPeriod(std::ldexp(1.0, -18));
    EXPECT_EQ(results.GetExpectedRowCount(), -1);
    EXPECT_EQ(results.Validate(), CStringTable::Get(IDS_TOO_MANY_POINTS));
}

TEST_F(DensityResultsTest, ParametersNoDialogAcceptsGiveNoRowsOrEndSafely)
{
    CDensityCurve& curve = MakeCurve({10, 110}, {20, 105});
    CDensityResults& results = ResultsOf(curve);
    results.SetXPeriod(3);

    // A period too small to move the target: one row, not an endless list.
    results.SetFirstX(5);
    results.SetXPeriod(1e-300);
    EXPECT_EQ(results.GetExpectedRowCount(), -1);
    results.Compute();
    EXPECT_EQ(results.GetRowCount(), 1);

    const double nan = std::numeric_limits<double>::quiet_NaN();
    results.SetXPeriod(nan);
    EXPECT_EQ(results.GetExpectedRowCount(), -1);
    results.Compute();
    EXPECT_EQ(results.GetRowCount(), 0);
    results.SetXPeriod(3);
    results.SetFirstX(nan);
    results.Compute();
    EXPECT_EQ(results.GetRowCount(), 0);
    EXPECT_EQ(results.Validate(), CStringTable::Get(IDS_TOO_MANY_POINTS));

    // A segment redrawn parallel to the X axis after a period was given on Y: X steps the rows.
    results.SetFirstX(0);
    results.SetYPeriod(2);
    ASSERT_FALSE(results.IsXMaster());
    curve.SetSegment({10, 60}, {30, 60});
    EXPECT_TRUE(results.IsXMaster());
    EXPECT_EQ(results.GetExpectedRowCount(), 6);
    results.Compute();
    EXPECT_EQ(results.GetRowCount(), 6);  // X 0, 4, ... 20

    // Ends that coincide: no line, no direction.
    curve.SetSegment({15, 60}, {15, 60});
    EXPECT_FALSE(results.CanUseX());
    EXPECT_FALSE(results.CanUseY());
    EXPECT_EQ(results.GetExpectedRowCount(), -1);
    EXPECT_EQ(results.Validate(), CStringTable::Get(IDS_TOO_MANY_POINTS));
    results.Compute();
    EXPECT_EQ(results.GetRowCount(), 0);

    // A scale the dialogs refuse cannot be sampled.
    curve.SetSegment({10, 110}, {20, 105});
    curve.GetColorScale().SetTopColor(kWhite);
    results.Compute();
    EXPECT_EQ(results.GetRowCount(), 0);

    // Bound to nothing.
    CDensityResults loose;
    loose.SetXPeriod(1);
    loose.Compute();
    EXPECT_EQ(loose.GetRowCount(), 0);
    EXPECT_EQ(loose.GetExpectedRowCount(), 0);
    EXPECT_EQ(loose.Validate(), CStringTable::Get(IDS_COUNT_ERROR));
    EXPECT_EQ(TitleLines(loose, 0, 1), (std::vector<CResults::CellList>{{"", ""}, {"", ""}}));
}

TEST_F(DensityResultsTest, CreationFromTheSegmentAndCancellingThroughABackup)
{
    CDensityCurve& noSegment =
        *m_pCoordSyst->AddCurve(std::make_unique<CDensityCurve>(m_pCoordSyst.get(), nullptr));
    EXPECT_DOUBLE_EQ(ResultsOf(noSegment).GetFirstX(), 0.0);
    EXPECT_DOUBLE_EQ(ResultsOf(noSegment).GetFirstY(), 0.0);

    // Drawn right to left: the first point is the smaller X, on the line.
    CDensityResults& results = ResultsOf(MakeCurve({30, 90}, {10, 110}));
    EXPECT_DOUBLE_EQ(results.GetFirstX(), 0.0);
    EXPECT_DOUBLE_EQ(results.GetFirstY(), 0.0);
    EXPECT_EQ(results.GetXRange(), std::make_pair(0.0, 20.0));

    results.SetXPeriod(2);
    const std::string before = Store(results);
    std::unique_ptr<CResults> pBackup(results.Clone());
    results.SetYPeriod(-7);
    results.SetFirstY(3);
    results.SetDisplayMode(CDensityResults::kDisplayX);
    EXPECT_NE(Store(results), before);
    results.RestoreParameters(static_cast<const CDensityResults&>(*pBackup));
    EXPECT_EQ(Store(results), before);
    results.Compute();
    EXPECT_EQ(results.GetRowCount(), 11);
}

}  // namespace
