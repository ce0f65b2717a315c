#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <list>
#include <vector>

#include "platform/Point.h"

class CBmpManager;

// A point of a refined centre line: the column of a traced point and the row of the middle of
// the stroke there, in floating point. Bitmap pixels, y down; row y's middle is at y.
struct CSubpixelPoint {
    int32_t x = 0;
    double y = 0.0;
};

// Finds the centre line of a traced continuous curve more finely than whole pixels.
//
// In the column of every point it measures the stroke where the point lies: the vertical run
// of pixels darker than the background, each weighted by its coverage (where its colour lies
// between the background's and the ink's, so that anti-aliased edges count for what they
// cover), and takes the run's weighted centre. The run must match the thickness of the
// stroke: one longer or heavier than the stroke can be at the local slope (another curve
// crossing it, a mark touching it) or much lighter (the square end of a dash) is not
// measured. The centres are then smoothed by a local quadratic fit over the measured columns
// nearby, which cancels the staircase of lines drawn without anti-aliasing. A column that
// cannot be measured takes a cubic fit of the measured columns around it when there are
// enough on both sides within kBridgeReach (across a crossing, a mark or the gap between
// dashes); otherwise its point keeps its position. A short stretch measured between crowded
// columns (where two strokes cross at their middles they look like one) must agree with that
// fit. Without anti-aliasing, the level where a line turns is bridged the same way and met
// halfway by its own rows. Where the stroke slopes and bends, the middle of a column's cut
// lies off the centre line by an amount the thickness, the slope and the bend give: the
// centres are moved back. Last, steep dashed stretches are centred from the rows that cross
// them, which cut a dash whole where the columns cut its ends.
// The ink and background colours are the medians of the curve's own pixels and of those
// just beside its stroke.
//
// The thickness bound is the stroke's own, measured as the median over the curve of the
// weight of a column times the cosine of the slope; the thickness of the curve's corrector
// serves when too few columns can be measured. The bitmap manager is not owned and must
// outlive the refiner; the refiner keeps only working buffers between calls.
class CCentreLineRefiner {
public:
    using PointList = std::list<CPoint>;

    // bDashed: the curve is a line of dashes, whose gaps may cross a column without emptying it.
    CCentreLineRefiner(const CBmpManager& bmpManager, uint32_t threshold, int nThickness, bool bDashed);
    CCentreLineRefiner(const CCentreLineRefiner&) = delete;
    CCentreLineRefiner& operator=(const CCentreLineRefiner&) = delete;

    // One point in out for every point of points, in the same order: the refined centre, or
    // the point itself where the stroke cannot be measured. points holds at most one point a
    // column, ascending in x, as a curve's point list does.
    void Refine(const PointList& points, std::vector<CSubpixelPoint>& out);

    // Columns on each side of a point that the smoothing fit reaches, and that the fit
    // bridging a column that cannot be measured reaches.
    // On a picture drawn without anti-aliasing, where the measured centres stay level (a
    // flat stretch, which the picture quantises to whole rows) the fit reaches further, up to
    // kMaxFitReach, until it holds two changes of level.
    static constexpr int kFitReach = 5;
    static constexpr int kMaxFitReach = 20;
    static constexpr int kBridgeReach = 20;

private:
    // A column's measurement: the weighted centre and the total weight of its run; crowded
    // when something else touches the stroke there; a turn when it is bridged as part of the
    // level where a line drawn without anti-aliasing turns (its centre is the level's).
    struct Column {
        bool bMeasured = false;
        bool bCrowded = false;
        bool bTurn = false;
        double dCentre = 0.0;
        double dWeight = 0.0;
    };

    // Estimates the ink and the background colours from the pixels of the points and from
    // those beside the stroke. False when they cannot be told apart.
    bool LearnColours();
    // The share of pixel (x, y) covered by ink, 0 to 1; 0 outside the bitmap.
    double Coverage(int64_t x, int64_t y) const;
    double CoverageOf(uint32_t color) const;
    // Reads the coverages of nRows pixels of column x from row yFirst down into m_Coverages.
    void ReadColumn(int64_t x, int64_t yFirst, int64_t nRows);
    // The steepness |dy/dx| of the traced points around each point, into m_Slopes.
    void ComputeSlopes();
    // Sizes the window that measures each column, for a stroke dThickness thick.
    void SizeWindows(double dThickness);
    // Measures the run through the point of index i.
    Column Measure(size_t i);
    // Centres steep stretches from the rows that cut them.
    void RefineSteep(double dThickness, std::vector<CSubpixelPoint>& out);
    // Drops the columns that cut the end of a dash.
    void DropDashEnds(double dThickness);
    // Checks the measured columns first to end (excluded) against the bridge over them.
    void CheckStretch(size_t first, size_t end);
    // Bridges the levels where a line drawn without anti-aliasing turns.
    void BridgeTurns();
    // Bridges the turn whose level dLevel holds from first to end (excluded), unless the
    // bridge leaves the level.
    void BridgeTurn(size_t first, size_t end, double dLevel);
    // How far the fit around the measured column of index i reaches (see kMaxFitReach).
    int64_t FitReach(size_t i) const;
    // The smoothed centre at index i from the measured columns within reach; false when
    // they are too few to fit.
    bool Fit(size_t i, double& dCentre) const;
    // The same over the columns within reach.
    bool FitOver(size_t i, int64_t reach, double& dCentre) const;
    // Moves the refined centres in out from the middle of the column's cut through a stroke
    // of radius dRadius onto its centre line, where the line slopes and bends.
    void CorrectBends(double dRadius, std::vector<CSubpixelPoint>& out);

    const CBmpManager& m_BmpManager;
    uint32_t m_Threshold;
    int m_nThickness;
    // Whether the curve is a line of dashes.
    bool m_bDashed;
    // The colours as red, green, blue, and the squared length of their difference.
    double m_Ink[3] = {0, 0, 0};
    double m_Background[3] = {255, 255, 255};
    double m_dContrast2 = 0.0;
    // Each channel's share of the coverage, by level.
    std::array<std::array<double, 256>, 3> m_Shares{};

    std::vector<CPoint> m_Points;
    std::vector<double> m_Slopes;
    std::vector<Column> m_Columns;
    // The window of each column: the weight of a whole cut through the stroke there, and the
    // half height of the rows the window holds, in rows and in whole rows.
    struct Window {
        double dExpected = 0.0;
        double dHalf = 0.0;
        int64_t nHalfRows = 0;
    };
    std::vector<Window> m_Windows;
    std::vector<double> m_Samples;
    std::vector<uint32_t> m_Colors;
    // The last two colours read by ReadColumn and their coverages.
    uint32_t m_RecentColors[2] = {0, 0};
    double m_dRecentCoverages[2] = {0.0, 0.0};
    std::vector<double> m_Coverages;
    // The centres of the columns, side by side for the fit.
    std::vector<double> m_Centres;
    // Measured columns before each index.
    std::vector<size_t> m_MeasuredBefore;
    // The weights of the centres in a fit over a full window, by reach.
    std::vector<std::vector<double>> m_FitWeights;
    // Changes of level between measured neighbours, counted from the first point.
    std::vector<int> m_LevelChanges;
    bool m_bQuantised = false;
    // The columns of the nearest gaps in the stroke before and after each point.
    std::vector<int64_t> m_GapBefore;
    std::vector<int64_t> m_GapAfter;
    // The rows RefineSteep reads around a point.
    struct RowCut {
        double dy = 0.0;
        double dx = 0.0;
        bool bEmpty = false;
        bool bWhole = false;
    };
    std::vector<RowCut> m_RowCuts;
    // Whether each point was refined.
    std::vector<char> m_Refined;
};
