#pragma once

#include <cstddef>
#include <cstdint>
#include <list>
#include <vector>

#include "Dm/InkCoverage.h"
#include "Dm/StrokeThickness.h"
#include "platform/Point.h"

class CBmpManager;

// A point of a refined centre line: the column of a traced point and the row of the middle of
// the stroke there, in floating point. Bitmap pixels, y down; row y's middle is at y.
struct CSubpixelPoint {
    int32_t x = 0;
    double y = 0.0;
};

// Finds the centre line of a traced continuous curve more finely than whole pixels, in the
// column of every traced point. The steps, in order:
//  1. Colours (CInkCoverage): the ink and the background are the medians of the curve's own
//     pixels and of those just beside its stroke; a pixel's coverage is where its colour lies
//     between the two, so that anti-aliased edges count for what they cover.
//  2. Slopes (ComputeSlopes): the steepness of the traced points around each point.
//  3. Thickness (CStrokeThickness): the stroke's own thickness, the median over the curve of
//     the weight of a column times the cosine of the slope (the corrector's thickness when
//     too few columns tell it), and whether the picture is drawn without anti-aliasing.
//  4. Windows (SizeWindows): the rows a column's cut through the stroke may cover at its
//     slope, and the weight of a whole cut.
//  5. Columns (Measure): the weighted centre of the run of each column where the point lies.
//     A run heavier than a whole cut or with ink beyond it is crowded (another curve crossing,
//     a mark touching); a much lighter one, or none, leaves the column empty.
//  6. Dash ends (DropDashEnds): columns next to an empty column cut the square end of a dash
//     short on one side; those lighter than a whole cut are not believed.
//  7. Short stretches (CheckStretch): a few measured columns between crowded ones must agree
//     with the stroke on both sides, since two strokes crossing at their middles look like one.
//  8. Turns (BridgeTurns), without anti-aliasing only: where a line turns the stroke stays on
//     the same rows for a few columns, whose middle may be half a row short of the turn; the
//     level is bridged from the sloping columns on both sides and met halfway by its own rows.
//  9. Fit (Fit): a local quadratic fit over the measured columns nearby smooths the centres,
//     which cancels the staircase of lines drawn without anti-aliasing. A column that cannot be
//     measured takes a cubic fit of the measured columns around it when there are enough on
//     both sides within kBridgeReach (across a crossing, a mark or a gap between dashes);
//     otherwise its point keeps its position. A measured column with none on one side within
//     the fit's reach (the end of a dash) takes a fit that reaches as far as a bridge.
// 10. Bends (CorrectBends): where a thick stroke slopes and bends, the middle of a column's
//     cut lies off the centre line by an amount the thickness, the slope and the bend give: the
//     centres are moved back.
// 11. Steep stretches (RefineSteep): steep dashed or broken stretches are centred from the
//     rows that cross them, which cut a dash whole where the columns cut its ends.
// The bitmap manager is not owned and must outlive the refiner; the refiner keeps only working
// buffers between calls.
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
    // What the measurement of a column found.
    enum class ColumnState : uint8_t {
        // No run through the point, or one much lighter than the stroke: a gap between
        // dashes, or past the end of the line.
        kEmpty,
        // The run is the stroke: its centre counts.
        kMeasured,
        // Something else touches the stroke (another curve, a mark), or the column belongs to
        // a short stretch between such columns that does not agree with the stroke around it.
        kCrowded,
        // Part of the level where a line drawn without anti-aliasing turns: bridged, and its
        // centre is the level's.
        kTurn,
        // Cut short by the square end of a dash next to a gap.
        kDashEnd,
    };
    // A column's measurement: its state, and the weighted centre and the total weight of its
    // run (kept by kMeasured, kTurn and kDashEnd columns).
    struct Column {
        ColumnState state = ColumnState::kEmpty;
        double dCentre = 0.0;
        double dWeight = 0.0;
    };
    // The window of each column: the weight of a whole cut through the stroke there, and the
    // half height of the rows the window holds, in rows and in whole rows.
    struct Window {
        double dExpected = 0.0;
        double dHalf = 0.0;
        int64_t nHalfRows = 0;
    };
    // A row that RefineSteep reads around a point: its offset from the point's centre, and the
    // offset of its middle from the point's column; empty, or whole (clear beside the stroke
    // and as heavy as the stroke is wide), or neither.
    struct RowCut {
        double dy = 0.0;
        double dx = 0.0;
        bool bEmpty = false;
        bool bWhole = false;
    };

    bool IsMeasured(size_t i) const { return m_Columns[i].state == ColumnState::kMeasured; }
    // Whether the stroke is missing or cut short at the column of index i, with nothing else
    // touching it there: a gap between dashes or its edge.
    bool IsBroken(size_t i) const
    {
        return m_Columns[i].state == ColumnState::kEmpty || m_Columns[i].state == ColumnState::kDashEnd;
    }

    // Step 2: the steepness |dy/dx| of the traced points around each point, into m_Slopes.
    void ComputeSlopes();
    // Step 4: sizes the window that measures each column, for a stroke dThickness thick.
    void SizeWindows(double dThickness);
    // Step 5: measures the run through the point of index i.
    Column Measure(size_t i);
    // Step 6: marks the columns that cut the end of a dash.
    void DropDashEnds(double dThickness);
    // Step 7: checks every short stretch of measured columns between crowded ones.
    void CheckStretches();
    // Checks the measured columns first to end (excluded) against the bridge over them.
    void CheckStretch(size_t first, size_t end);
    // Step 8: bridges the levels where a line drawn without anti-aliasing turns.
    void BridgeTurns();
    // Bridges the turn whose level dLevel holds from first to end (excluded), unless the
    // bridge leaves the level.
    void BridgeTurn(size_t first, size_t end, double dLevel);
    // Step 9: the tables the fit reads, then the fitted centre of every column into out.
    void PrepareFit();
    void FitCentres(std::vector<CSubpixelPoint>& out);
    // How far the fit around the measured column of index i reaches (see kMaxFitReach).
    int64_t FitReach(size_t i) const;
    // The smoothed centre at index i from the measured columns within reach; false when
    // they are too few to fit.
    bool Fit(size_t i, double& dCentre) const;
    // The same over the columns within reach.
    bool FitOver(size_t i, int64_t reach, double& dCentre) const;
    // Step 10: moves the refined centres in out from the middle of the column's cut through a
    // stroke of radius dRadius onto its centre line, where the line slopes and bends.
    void CorrectBends(double dRadius, std::vector<CSubpixelPoint>& out);
    // Step 11: centres steep stretches from the rows that cut them.
    void RefineSteep(double dThickness, std::vector<CSubpixelPoint>& out);

    // The thickness of the curve's corrector.
    int m_nThickness;
    // Whether the curve is a line of dashes.
    bool m_bDashed;
    CInkCoverage m_Coverage;
    CStrokeThickness m_Thickness;
    // Whether the picture is drawn without anti-aliasing (from m_Thickness).
    bool m_bQuantised = false;

    std::vector<CPoint> m_Points;
    std::vector<double> m_Slopes;
    std::vector<Window> m_Windows;
    std::vector<Column> m_Columns;
    // The coverages of the rows of a column Measure reads.
    std::vector<double> m_ColumnCoverages;
    // Whether each column of the stretch CheckStretch checks agrees with the bridge over it.
    std::vector<char> m_StretchAgrees;
    // The columns of the nearest empty columns before and after each point.
    std::vector<int64_t> m_GapBefore;
    std::vector<int64_t> m_GapAfter;
    // The centres of the columns, side by side for the fit.
    std::vector<double> m_Centres;
    // Measured columns before each index.
    std::vector<size_t> m_MeasuredBefore;
    // The weights of the centres in a fit over a full window, by reach.
    std::vector<std::vector<double>> m_FitWeights;
    // Changes of level between measured neighbours, counted from the first point.
    std::vector<int> m_LevelChanges;
    // Whether each point was refined by the fit.
    std::vector<char> m_Refined;
    // The shift of each centre onto the centre line where the stroke bends.
    std::vector<double> m_BendShifts;
    // The rows RefineSteep reads around a point, and the centres it finds.
    std::vector<RowCut> m_RowCuts;
    std::vector<double> m_SteepCentres;
};
