#include "Dm/CentreLineRefiner.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "Dm/PolynomialFit.h"

namespace {

// Rows to spare beyond a cut through the stroke, on each side: room for its anti-aliased
// edges and for the rounding of where it lies.
constexpr double kEdgeRows = 1.5;
// How much heavier than the stroke a column may be (ragged edges of a picture drawn without
// anti-aliasing).
constexpr double kWeightTolerance = 1.5;
// A run lighter than this share of a whole cut is the end of a dash or of the line.
constexpr double kMinRunWeight = 0.5;
// Columns on each side over which ComputeSlopes takes its chords, and how much steeper than
// the flatter of a point's two chords its slope may be (in rows a column).
constexpr size_t kChordColumns = 2;
constexpr double kChordSpan = static_cast<double>(kChordColumns);
constexpr double kMaxChordSpread = 2.0;
// A stretch of fewer measured columns than this between crowded columns is checked against the stroke around
// it, and its columns further than kStretchAgreement rows from it are not believed.
constexpr size_t kTrustedStretch = 11;
constexpr double kStretchAgreement = 0.5;
// A level that lasts this many columns at a turn of a line drawn without anti-aliasing is
// bridged, unless it is too long for a bridge to span (a flat turn, which the level tells
// well enough).
constexpr size_t kMinTurnColumns = 3;
constexpr size_t kMaxTurnColumns = 24;
// How far from the level of a turn its bridge may run, in rows.
constexpr double kTurnBand = 0.5;
// Columns on each side from which the slope and the bend of the centre line are read, and
// the largest shift (in rows) their correction makes.
constexpr size_t kBendReach = 5;
constexpr double kMaxBendShift = 0.75;
// A column near a gap between dashes lighter than this share of a whole cut is the dash's end.
constexpr double kWholeCut = 0.9;
// Where the centre line is steeper than this, rows cut the stroke better than columns: the
// centre is the curve through the middles of the rows within kSteepReach columns, when at
// least kMinSteepRows of them are whole, found from the straight line's answer in a few
// Newton's steps. The curve must lean at least kMinRowsSlope columns a row for the column to
// meet it, and the answer is believed within kMaxSteepShift rows of the fit's centre.
constexpr double kSteepSlope = 1.5;
constexpr double kSteepReach = 5.0;
constexpr int kMinSteepRows = 5;
constexpr int kNewtonSteps = 3;
constexpr double kMinRowsSlope = 1e-6;
constexpr double kMaxSteepShift = 2.0;
// Neighbouring centres this far apart or more are on different levels (rows drawn without
// anti-aliasing put them half a row apart at least).
constexpr double kLevelChange = 0.25;
// Passes of the window that follows the centre.
constexpr int kCentringPasses = 2;
// Measured columns that bridge a column that cannot be measured, on each side, the reach a
// bridge starts from, and the columns it reaches further each time it finds too few.
constexpr int kMinBridgeSide = 3;
constexpr int64_t kMinBridgeReach = 12;
constexpr int64_t kBridgeReachStep = 2;
// The columns the fit on a picture drawn without anti-aliasing reaches further each time it
// holds too few changes of level, and the changes it needs.
constexpr int64_t kFitReachStep = 3;
constexpr int kFitLevelChanges = 2;
// Fewer measured columns than this do not make a fit.
constexpr int kMinFitColumns = 5;

// std::floor and std::ceil for rows, which the compiler otherwise leaves to a library call.
int64_t FloorRow(double v)
{
    const auto t = static_cast<int64_t>(v);
    return t - (v < static_cast<double>(t) ? 1 : 0);
}

int64_t CeilRow(double v)
{
    const auto t = static_cast<int64_t>(v);
    return t + (v > static_cast<double>(t) ? 1 : 0);
}

}  // namespace

CCentreLineRefiner::CCentreLineRefiner(const CBmpManager& bmpManager, uint32_t threshold, int nThickness,
                                       bool bDashed)
    : m_nThickness(std::clamp(nThickness, 1, 1000)),
      m_bDashed(bDashed),
      m_Coverage(bmpManager, threshold, m_nThickness)
{
    // The weighted quadratic fit over a full window of reach K, at its middle: by symmetry
    // the odd powers drop out, and a = sum of w_d (S4 - S2 d^2) / (S0 S4 - S2^2) y_d, with
    // S_k the sums of w_d d^k.
    m_FitWeights.resize(kMaxFitReach + 1);
    for (int k = kFitReach; k <= kMaxFitReach; ++k) {
        double s0 = 0.0;
        double s2 = 0.0;
        double s4 = 0.0;
        for (int d = -k; d <= k; ++d) {
            const double w = static_cast<double>(k + 1 - std::abs(d));
            s0 += w;
            s2 += w * d * d;
            s4 += w * d * d * d * d;
        }
        std::vector<double>& weights = m_FitWeights[static_cast<size_t>(k)];
        for (int d = -k; d <= k; ++d) {
            const double w = static_cast<double>(k + 1 - std::abs(d));
            weights.push_back(w * (s4 - s2 * d * d) / (s0 * s4 - s2 * s2));
        }
    }
}

void CCentreLineRefiner::Refine(const PointList& points, std::vector<CSubpixelPoint>& out)
{
    m_Points.assign(points.begin(), points.end());
    const size_t n = m_Points.size();
    out.resize(n);
    for (size_t i = 0; i < n; ++i)
        out[i] = CSubpixelPoint{m_Points[i].x, static_cast<double>(m_Points[i].y)};
    if (n == 0 || !m_Coverage.Learn(m_Points))
        return;
    ComputeSlopes();
    m_Thickness.Estimate(m_Coverage, m_Points, m_Slopes, m_nThickness);
    m_bQuantised = m_Thickness.IsQuantised();
    const double dThickness = m_Thickness.GetThickness();
    SizeWindows(dThickness);
    m_Columns.resize(n);
    for (size_t i = 0; i < n; ++i)
        m_Columns[i] = Measure(i);
    DropDashEnds(dThickness);
    CheckStretches();
    if (m_bQuantised)
        BridgeTurns();
    PrepareFit();
    FitCentres(out);
    CorrectBends(dThickness / 2.0, out);
    RefineSteep(dThickness, out);
}

void CCentreLineRefiner::ComputeSlopes()
{
    // From the chords over kChordColumns columns on each side of each point.
    const size_t n = m_Points.size();
    auto chord = [this](size_t a, size_t b) {
        const double dx = static_cast<double>(int64_t{m_Points[b].x} - m_Points[a].x);
        const auto dy = static_cast<double>(int64_t{m_Points[b].y} - m_Points[a].y);
        // Mostly kChordColumns apart: a division spared.
        return std::abs(dx == kChordSpan ? dy * (1.0 / kChordSpan) : dx == 0.0 ? 0.0 : dy / dx);
    };
    // First the chord on the right of each point, which is the one on the left of the point
    // kChordColumns further on; then, from the last point back, both chords of each point.
    m_Slopes.resize(n);
    for (size_t i = 0; i < n; ++i)
        m_Slopes[i] = chord(i, std::min(i + kChordColumns, n - 1));
    for (size_t i = n; i-- > 0;) {
        const double right = m_Slopes[i];
        const double left = i >= kChordColumns ? m_Slopes[i - kChordColumns] : chord(0, i);
        if (i == 0)
            m_Slopes[i] = right;
        else if (i + 1 == n)
            m_Slopes[i] = left;
        else
            // The steeper one on a bend, so that the window holds the whole stroke, but no
            // more than kMaxChordSpread rows a column steeper than the flatter one: a spike of
            // the traced points, where they ran onto something touching the stroke, must not
            // widen the columns next to it.
            m_Slopes[i] = std::min(std::max(left, right), std::min(left, right) + kMaxChordSpread);
    }
}

void CCentreLineRefiner::SizeWindows(double dThickness)
{
    // The stroke covers dThickness / cos(angle) rows of a column, spread over |slope| more
    // rows by the width of the column, with kEdgeRows to spare on each side for the
    // anti-aliased edges. The window holds the rows within dHalf of the centre: from a
    // point's own row, nHalfRows on each side.
    // The slopes come from chords between whole pixels: neighbours mostly share theirs.
    m_Windows.resize(m_Slopes.size());
    Window window;
    double dLastSlope = -1.0;
    for (size_t i = 0; i < m_Slopes.size(); ++i) {
        const double m = m_Slopes[i];
        if (m != dLastSlope) {
            window.dExpected = dThickness * std::sqrt(1.0 + m * m);
            window.dHalf = (window.dExpected + m) / 2.0 + kEdgeRows;
            window.nHalfRows = FloorRow(window.dHalf);
            dLastSlope = m;
        }
        m_Windows[i] = window;
    }
}

CCentreLineRefiner::Column CCentreLineRefiner::Measure(size_t i)
{
    Column column;
    const int64_t x = m_Points[i].x;
    const int64_t y0 = m_Points[i].y;
    const Window& window = m_Windows[i];
    const double dHalf = window.dHalf;
    // The point lies in the stroke, or beside it by less than half the thickness it was
    // compensated with (and a row): the window starts on the nearest row well covered.
    // The rows of the window around the point and the row beside it on each side are read at
    // once; the search reads the rows it reaches beyond them on their own, and a window that
    // moves beyond them reads its rows again.
    const int64_t nSearch = m_nThickness / 2 + 1;
    int64_t nFirst = y0 - window.nHalfRows - 1;
    int64_t nRead = 2 * window.nHalfRows + 3;
    m_Coverage.ReadColumn(x, nFirst, nRead, m_ColumnCoverages);
    auto coverage = [&](int64_t y) {
        const int64_t k = y - nFirst;
        return k >= 0 && k < nRead ? m_ColumnCoverages[static_cast<size_t>(k)] : m_Coverage.At(x, y);
    };
    int64_t start = y0;
    for (int64_t k = 0;; ++k) {
        if (k > nSearch)
            return column;
        if (coverage(y0 - k) >= CInkCoverage::kCoreCoverage) {
            start = y0 - k;
            break;
        }
        if (coverage(y0 + k) >= CInkCoverage::kCoreCoverage) {
            start = y0 + k;
            break;
        }
    }
    // The window of rows within dHalf of the centre, summed from its top; a second pass
    // follows the centre the first one found, unless its window holds the same rows.
    int64_t top = start - window.nHalfRows;
    int64_t bottom = start + window.nHalfRows;
    double dWeight = 0.0;
    double dCentre = 0.0;
    for (int pass = 0;; ++pass) {
        // Two halves that do not wait on each other.
        double dSums[2] = {0.0, 0.0};
        double dWeights[2] = {0.0, 0.0};
        const int64_t nRows = bottom - top + 1;
        if (top - 1 < nFirst || bottom + 1 >= nFirst + nRead) {
            nFirst = top - 1;
            nRead = nRows + 2;
            m_Coverage.ReadColumn(x, nFirst, nRead, m_ColumnCoverages);
        }
        const double* pCoverages = m_ColumnCoverages.data() + (top - nFirst);
        int64_t k = 0;
        for (; k + 2 <= nRows; k += 2) {
            dWeights[0] += pCoverages[k];
            dSums[0] += pCoverages[k] * static_cast<double>(k);
            dWeights[1] += pCoverages[k + 1];
            dSums[1] += pCoverages[k + 1] * static_cast<double>(k + 1);
        }
        if (k < nRows) {
            dWeights[0] += pCoverages[k];
            dSums[0] += pCoverages[k] * static_cast<double>(k);
        }
        dWeight = dWeights[0] + dWeights[1];
        if (dWeight <= 0.0)
            return column;
        const double dSum = dSums[0] + dSums[1];
        dCentre = static_cast<double>(top) + dSum / dWeight;
        if (pass + 1 == kCentringPasses)
            break;
        // The rows stay the same while the centre's offset from the top, dSum / dWeight,
        // keeps both ends of the window in their rows: tested without waiting on the division.
        const double dRows = static_cast<double>(bottom - top);
        if (dSum > (dHalf - 1.0) * dWeight && dSum <= dHalf * dWeight && dSum >= (dRows - dHalf) * dWeight &&
            dSum < (dRows + 1.0 - dHalf) * dWeight)
            break;
        top = CeilRow(dCentre - dHalf);
        bottom = FloorRow(dCentre + dHalf);
    }
    // A run heavier than the stroke, or ink going on past the window, is the stroke and
    // something else; a much lighter one is the end of a dash or of the line.
    const bool bCrowded = coverage(top - 1) > CInkCoverage::kClearCoverage ||
                          coverage(bottom + 1) > CInkCoverage::kClearCoverage ||
                          dWeight > window.dExpected + kWeightTolerance + (m_bQuantised ? m_Slopes[i] : 0.0);
    if (bCrowded) {
        column.state = ColumnState::kCrowded;
        return column;
    }
    if (dWeight < kMinRunWeight * window.dExpected)
        return column;
    column.state = ColumnState::kMeasured;
    column.dCentre = dCentre;
    column.dWeight = dWeight;
    return column;
}

void CCentreLineRefiner::DropDashEnds(double dThickness)
{
    // The square end of a dash cuts the columns next to the gap short on one side: their
    // middle is not the stroke's. Those lighter than a whole cut are not believed. A gap is
    // an empty column, or a column missing from the points.
    const size_t n = m_Points.size();
    // The column of a gap at each point: its own when it is empty, the one before it when
    // that is missing; kNone otherwise.
    constexpr int64_t kNone = std::numeric_limits<int64_t>::max() / 4;
    auto gapAt = [this](size_t i) -> int64_t {
        if (m_Columns[i].state == ColumnState::kEmpty)
            return m_Points[i].x;
        if (i > 0 && m_Points[i].x - m_Points[i - 1].x > 1)
            return int64_t{m_Points[i].x} - 1;
        return kNone;
    };
    // A solid line has no gap: nothing to look for.
    size_t nFirstGap = 0;
    while (nFirstGap < n && gapAt(nFirstGap) == kNone)
        ++nFirstGap;
    if (nFirstGap == n)
        return;
    // The nearest gap at or before each point, and after it.
    m_GapBefore.assign(n, -kNone);
    m_GapAfter.assign(n, kNone);
    for (size_t i = nFirstGap; i < n; ++i) {
        const int64_t gap = gapAt(i);
        m_GapBefore[i] = gap != kNone ? gap : m_GapBefore[i - 1];
    }
    for (size_t i = n - 1; i-- > 0;) {
        const int64_t gap = gapAt(i + 1);
        m_GapAfter[i] = std::min(gap, m_GapAfter[i + 1]);
    }
    for (size_t i = 0; i < n; ++i) {
        Column& column = m_Columns[i];
        if (column.state != ColumnState::kMeasured)
            continue;
        // The square end reaches half the thickness times the sine of the slope's angle along
        // the columns.
        const double m = m_Slopes[i];
        const double dReach = dThickness / 2.0 * m / std::sqrt(1.0 + m * m) + kEdgeRows;
        const int64_t x = m_Points[i].x;
        if (static_cast<double>(std::min(x - m_GapBefore[i], m_GapAfter[i] - x)) > dReach)
            continue;
        // A whole cut is as heavy as the heaviest nearby.
        double dWhole = 0.0;
        for (size_t j = i >= kBendReach ? i - kBendReach : 0; j < std::min(n, i + kBendReach + 1); ++j)
            dWhole = std::max(dWhole, IsMeasured(j) ? m_Columns[j].dWeight : 0.0);
        if (column.dWeight < kWholeCut * dWhole)
            column.state = ColumnState::kDashEnd;
    }
}

void CCentreLineRefiner::CheckStretches()
{
    // A short stretch of measured columns between columns where something else touches the
    // stroke must agree with the stroke on both sides of it: where two strokes cross at their
    // middles, the two look like one.
    const size_t n = m_Points.size();
    auto crowded = [this](size_t i) { return m_Columns[i].state == ColumnState::kCrowded; };
    for (size_t i = 0; i < n;) {
        size_t end = i;
        while (end < n && IsMeasured(end))
            ++end;
        if (end > i && end - i < kTrustedStretch && i > 0 && end < n && crowded(i - 1) && crowded(end))
            CheckStretch(i, end);
        i = end + 1;
    }
}

void CCentreLineRefiner::CheckStretch(size_t first, size_t end)
{
    // The stretch is bridged from the columns around it.
    for (size_t j = first; j < end; ++j)
        m_Columns[j].state = ColumnState::kCrowded;
    m_StretchAgrees.clear();
    for (size_t j = first; j < end; ++j) {
        double dAround = 0.0;
        m_StretchAgrees.push_back(Fit(j, dAround) &&
                                  std::abs(dAround - m_Columns[j].dCentre) <= kStretchAgreement);
    }
    for (size_t j = first; j < end; ++j)
        m_Columns[j].state = m_StretchAgrees[j - first] ? ColumnState::kMeasured : ColumnState::kCrowded;
}

void CCentreLineRefiner::BridgeTurns()
{
    // Without anti-aliasing, where the centre line turns (a peak or a trough) the stroke
    // stays on the same rows for several columns, and the middle of those rows lies up to
    // half a row short of the turn: the picture only tells that the line stays within the
    // level. The columns of such a level are bridged from the sloping columns on both sides,
    // whose levels change often enough to average out, like columns that something touches.
    const size_t n = m_Points.size();
    auto sameLevel = [this](size_t a, size_t b) {
        return int64_t{m_Points[b].x} - m_Points[a].x == 1 &&
               std::abs(m_Columns[a].dCentre - m_Columns[b].dCentre) < kLevelChange;
    };
    for (size_t i = 0; i < n;) {
        if (!IsMeasured(i)) {
            ++i;
            continue;
        }
        size_t end = i + 1;
        while (end < n && IsMeasured(end) && sameLevel(end - 1, end))
            ++end;
        // The level holds from i to end (excluded): a turn when the columns just beside it
        // are measured and both on the same side of it.
        if (end - i >= kMinTurnColumns && end - i <= kMaxTurnColumns && i > 0 && end < n &&
            IsMeasured(i - 1) && IsMeasured(end) && int64_t{m_Points[i].x} - m_Points[i - 1].x == 1 &&
            int64_t{m_Points[end].x} - m_Points[end - 1].x == 1) {
            const double dLevel = m_Columns[i].dCentre;
            const double dBefore = m_Columns[i - 1].dCentre - dLevel;
            const double dAfter = m_Columns[end].dCentre - dLevel;
            if (dBefore * dAfter > 0.0)
                BridgeTurn(i, end, dLevel);
        }
        i = end;
    }
}

void CCentreLineRefiner::BridgeTurn(size_t first, size_t end, double dLevel)
{
    for (size_t j = first; j < end; ++j)
        m_Columns[j].state = ColumnState::kTurn;
    // The line stays within the level all along it: a bridge that leaves the level has been
    // led astray (by sides that are themselves long levels, where the line turns slowly), and
    // the level stands.
    bool bWithin = true;
    for (size_t j = first; j < end && bWithin; ++j) {
        double dBridge = 0.0;
        bWithin = Fit(j, dBridge) && std::abs(dBridge - dLevel) <= kTurnBand;
    }
    for (size_t j = first; j < end; ++j)
        m_Columns[j].state = bWithin ? ColumnState::kTurn : ColumnState::kMeasured;
}

void CCentreLineRefiner::PrepareFit()
{
    const size_t n = m_Points.size();
    m_MeasuredBefore.assign(n + 1, 0);
    m_Centres.resize(n);
    for (size_t i = 0; i < n; ++i) {
        m_MeasuredBefore[i + 1] = m_MeasuredBefore[i] + (IsMeasured(i) ? 1 : 0);
        m_Centres[i] = m_Columns[i].dCentre;
    }
    // A change of level between measured neighbours.
    m_LevelChanges.assign(n, 0);
    for (size_t i = 1; i < n; ++i) {
        const bool bChange = IsMeasured(i) && IsMeasured(i - 1) &&
                             std::abs(m_Columns[i].dCentre - m_Columns[i - 1].dCentre) >= kLevelChange;
        m_LevelChanges[i] = m_LevelChanges[i - 1] + (bChange ? 1 : 0);
    }
}

void CCentreLineRefiner::FitCentres(std::vector<CSubpixelPoint>& out)
{
    const size_t n = m_Points.size();
    m_Refined.assign(n, 0);
    for (size_t i = 0; i < n; ++i) {
        double dCentre = 0.0;
        if (Fit(i, dCentre))
            // At a turn the bridge tells where within the level the line runs, but it may
            // overshoot: the mean of the two strays least, whether the rasteriser inked the
            // rows the stroke covers or only those whose middles it covers.
            out[i].y =
                m_Columns[i].state == ColumnState::kTurn ? (dCentre + m_Columns[i].dCentre) / 2.0 : dCentre;
        else if (!IsMeasured(i))
            continue;
        else
            out[i].y = m_Columns[i].dCentre;
        m_Refined[i] = 1;
    }
}

int64_t CCentreLineRefiner::FitReach(size_t i) const
{
    const size_t n = m_Points.size();
    int64_t reach = kFitReach;
    if (!m_bQuantised)
        return reach;
    for (;; reach += kFitReachStep) {
        const size_t first = i >= static_cast<size_t>(reach) ? i - static_cast<size_t>(reach) : 0;
        const size_t last = std::min(i + static_cast<size_t>(reach), n - 1);
        if (reach >= kMaxFitReach || m_LevelChanges[last] - m_LevelChanges[first] >= kFitLevelChanges)
            return std::min<int64_t>(reach, kMaxFitReach);
    }
}

bool CCentreLineRefiner::Fit(size_t i, double& dCentre) const
{
    if (IsMeasured(i) && FitOver(i, FitReach(i), dCentre))
        return true;
    // A column that cannot be measured is bridged; so is a measured one whose fit finds none
    // on one side (the last columns of a dash before a gap wider than the fit's reach), whose
    // own centre is off by up to half a row without anti-aliasing. A bridge reaches no
    // further than it needs: the line may bend more over a long gap than its fit can follow.
    for (int64_t reach = kMinBridgeReach;;
         reach = std::min<int64_t>(reach + kBridgeReachStep, kBridgeReach)) {
        if (FitOver(i, reach, dCentre))
            return true;
        if (reach == kBridgeReach)
            return false;
    }
}

bool CCentreLineRefiner::FitOver(size_t i, int64_t reach, double& dCentre) const
{
    // Weighted least squares of y = a + b d + c d^2 over the measured columns at d columns
    // from this one, the nearer weighing more; the fit's value at d = 0 is a. Rows are taken
    // relative to the point's own row to keep the sums small. A column that could not be
    // measured (a crossing, a mark, a gap between dashes, the turn of a line drawn without
    // anti-aliasing) is bridged from measured columns on both sides by a cubic, which follows
    // a line that bends unevenly across the gap.
    const bool bBridge = !IsMeasured(i);
    const size_t n = m_Points.size();
    const int64_t x0 = m_Points[i].x;
    const double y0 = static_cast<double>(m_Points[i].y);
    const size_t nReach = static_cast<size_t>(reach);
    if (!bBridge && i >= nReach && i + nReach < n &&
        int64_t{m_Points[i + nReach].x} - m_Points[i - nReach].x == 2 * reach &&
        m_MeasuredBefore[i + nReach + 1] - m_MeasuredBefore[i - nReach] == 2 * nReach + 1) {
        // Every column of the window is there and measured: the fit's value is a fixed
        // weighting of the centres.
        // The weights are symmetric: the columns at d and -d share one. Four sums that do
        // not wait on each other keep the processor busy.
        const double* pWeights = m_FitWeights[nReach].data() + nReach;
        const double* pCentres = m_Centres.data() + i;
        auto term = [&](size_t d) { return pWeights[d] * (*(pCentres - d) + pCentres[d]); };
        double a0 = pWeights[0] * pCentres[0];
        double a1 = 0.0;
        double a2 = 0.0;
        double a3 = 0.0;
        size_t d = 1;
        for (; d + 3 <= nReach; d += 4) {
            a0 += term(d);
            a1 += term(d + 1);
            a2 += term(d + 2);
            a3 += term(d + 3);
        }
        for (; d <= nReach; ++d)
            a0 += term(d);
        dCentre = (a0 + a1) + (a2 + a3);
        return true;
    }
    CPolynomialFit fit(bBridge ? 3 : 2);
    int nCount = 0;
    int nLeft = 0;
    int nRight = 0;
    const size_t first = i >= static_cast<size_t>(reach) ? i - static_cast<size_t>(reach) : 0;
    const size_t last = std::min(i + static_cast<size_t>(reach), n - 1);
    for (size_t j = first; j <= last; ++j) {
        const int64_t d = int64_t{m_Points[j].x} - x0;
        if (!IsMeasured(j) || d < -reach || d > reach)
            continue;
        fit.Add(static_cast<double>(d), m_Columns[j].dCentre - y0,
                static_cast<double>(reach + 1 - (d < 0 ? -d : d)));
        ++nCount;
        nLeft += d < 0;
        nRight += d > 0;
    }
    // Both sides, but for the ends of the curve, which have one only.
    const int nMinSide = bBridge ? kMinBridgeSide : 1;
    const bool bAtEnd = int64_t{m_Points.front().x} > x0 - reach || int64_t{m_Points.back().x} < x0 + reach;
    const bool bSides =
        (nLeft >= nMinSide && nRight >= nMinSide) || (bAtEnd && nLeft + nRight >= 2 * kMinFitColumns);
    CPolynomialFit::Coefficients c;
    if (nCount < kMinFitColumns || !bSides || !fit.Solve(c))
        return false;
    dCentre = y0 + c[0];
    return true;
}

void CCentreLineRefiner::CorrectBends(double dRadius, std::vector<CSubpixelPoint>& out)
{
    // A column cuts a stroke of radius r whose centre line y(x) slopes and bends through the
    // points at distance r from the line: the middle of that cut lies below the line by
    // r^2 / 2 * y'' * y'^2 / (1 + y'^2), to second order. The slope and the bend are read
    // from the refined centres kBendReach columns on each side, which the fit has smoothed,
    // but not across a gap in the stroke (between dashes), which the fit bridges as it can.
    const size_t n = out.size();
    const size_t h = kBendReach;
    constexpr double kInvH2 = 1.0 / static_cast<double>(kBendReach * kBendReach);
    constexpr double kInv2H = 1.0 / static_cast<double>(2 * kBendReach);
    const double dScale = dRadius * dRadius / 2.0;
    const double dMax = std::min(kMaxBendShift, dRadius / 2.0);
    m_BendShifts.assign(n, 0.0);
    if (n < 2 * h + 1)
        return;
    for (size_t i = 0; i < n; ++i) {
        // The last columns at each end read the bend of the stretch next to them, and the
        // slope carried over to them.
        const size_t c = std::clamp(i, h, n - 1 - h);
        if (!m_Refined[i] || !m_Refined[c] || !m_Refined[c - h] || !m_Refined[c + h] ||
            int64_t{out[c + h].x} - out[c - h].x != static_cast<int64_t>(2 * h))
            continue;
        bool bGap = false;
        const bool bAllMeasured = m_MeasuredBefore[c + h + 1] - m_MeasuredBefore[c - h] == 2 * h + 1;
        for (size_t j = c - h; !bAllMeasured && j <= c + h; ++j)
            bGap = bGap || IsBroken(j);
        if (bGap)
            continue;
        const double d2 = (out[c + h].y - 2.0 * out[c].y + out[c - h].y) * kInvH2;
        const double d1 =
            (out[c + h].y - out[c - h].y) * kInv2H + d2 * static_cast<double>(int64_t{out[i].x} - out[c].x);
        m_BendShifts[i] = std::clamp(dScale * d2 * d1 * d1 / (1.0 + d1 * d1), -dMax, dMax);
    }
    for (size_t i = 0; i < n; ++i)
        out[i].y -= m_BendShifts[i];
}

void CCentreLineRefiner::RefineSteep(double dThickness, std::vector<CSubpixelPoint>& out)
{
    // Where a steep line is broken into dashes, a dash spans a few columns and most of them
    // cut one of its ends, but the rows cross it whole. The middles of the rows within
    // kSteepReach columns, each row clear beside the stroke and as heavy as the stroke is
    // wide, give the curve x = x0 + a + b dy + q dy^2 (dy = y - yc), which the column x0
    // meets near yc - a / b. A gap between dashes shows as a broken column or, on a dashed
    // curve where the gap crosses a column without emptying it, as an empty row.
    const size_t n = out.size();
    size_t nBroken = 0;
    for (size_t i = 0; i < n; ++i)
        nBroken += IsBroken(i) ? 1 : 0;
    if (nBroken == 0 && !m_bDashed)
        return;
    m_SteepCentres.resize(n);
    for (size_t i = 0; i < n; ++i) {
        m_SteepCentres[i] = out[i].y;
        if (!m_Refined[i] || i < 2 || i + 2 >= n || out[i + 2].x - out[i - 2].x != 4)
            continue;
        const double s = (out[i + 2].y - out[i - 2].y) / 4.0;
        if (std::abs(s) < kSteepSlope)
            continue;
        bool bBroken = false;
        for (size_t j = i >= 3 ? i - 3 : 0; j < std::min(n, i + 4); ++j)
            bBroken = bBroken || IsBroken(j);
        if (!bBroken && !m_bDashed)
            continue;
        const double yc = out[i].y;
        const double x0 = out[i].x;
        const double dWidth = dThickness * std::sqrt(1.0 + 1.0 / (s * s));
        const double dHalf = dWidth / 2.0 + kEdgeRows;
        const int64_t nRows = CeilRow(std::abs(s) * kSteepReach);
        // The cuts of the rows: empty, or whole with their middles, or neither.
        m_RowCuts.clear();
        for (int64_t k = -nRows; k <= nRows; ++k) {
            const int64_t y = CeilRow(yc) + k;
            const double xe = x0 + (static_cast<double>(y) - yc) / s;
            const int64_t left = CeilRow(xe - dHalf);
            const int64_t right = FloorRow(xe + dHalf);
            double dW = 0, dS = 0;
            for (int64_t x = left; x <= right; ++x) {
                const double w = m_Coverage.At(x, y);
                dW += w;
                dS += w * static_cast<double>(x);
            }
            RowCut cut;
            cut.dy = static_cast<double>(y) - yc;
            cut.bEmpty = dW < CInkCoverage::kRunCoverage;
            cut.bWhole = !cut.bEmpty && m_Coverage.At(left - 1, y) <= CInkCoverage::kClearCoverage &&
                         m_Coverage.At(right + 1, y) <= CInkCoverage::kClearCoverage &&
                         dW >= kWholeCut * dWidth && dW <= dWidth + kWeightTolerance;
            cut.dx = cut.bWhole ? dS / dW - x0 : 0.0;
            bBroken = bBroken || (cut.bEmpty && m_bDashed);
            m_RowCuts.push_back(cut);
        }
        // The middles of the whole rows, x = x0 + a + b dy + q dy^2. A row next to an empty one
        // is the first or last a dash's square end crosses: cut short, it may still look whole.
        CPolynomialFit rows(2);
        int nCount = 0;
        for (size_t k = 0; k < m_RowCuts.size(); ++k) {
            const bool bBesideGap =
                (k > 0 && m_RowCuts[k - 1].bEmpty) || (k + 1 < m_RowCuts.size() && m_RowCuts[k + 1].bEmpty);
            if (!m_RowCuts[k].bWhole || bBesideGap)
                continue;
            rows.Add(m_RowCuts[k].dy, m_RowCuts[k].dx, 1.0);
            ++nCount;
        }
        CPolynomialFit::Coefficients c;
        if (!bBroken || nCount < kMinSteepRows || !rows.Solve(c))
            continue;
        const double a = c[0];
        const double b = c[1];
        const double q = c[2];
        if (!(std::abs(b) > kMinRowsSlope) || b * s < 0)
            continue;
        // The column x0 meets the line where a + b dy + q dy^2 = 0: Newton's steps from the
        // straight line's answer.
        double dy = -a / b;
        for (int step = 0; step < kNewtonSteps; ++step) {
            const double dSlope = b + 2.0 * q * dy;
            if (!(std::abs(dSlope) > kMinRowsSlope))
                break;
            dy -= (a + b * dy + q * dy * dy) / dSlope;
        }
        if (std::abs(dy) < kMaxSteepShift)
            m_SteepCentres[i] = yc + dy;
    }
    for (size_t i = 0; i < n; ++i)
        out[i].y = m_SteepCentres[i];
}
