#include "Dm/ContinuousResults.h"

#include <algorithm>
#include <cmath>
#include <list>
#include <vector>

#include "Dm/CentreLineRefiner.h"
#include "Dm/ContinuousCurve.h"
#include "Dm/CoordSyst.h"
#include "Dm/Limit.h"
#include "platform/Archive.h"
#include "platform/StringIds.h"
#include "platform/StringTable.h"

IMPLEMENT_SERIAL(CContinuousResults, CResults, 1)

namespace {

double LimitValue(const CLimit* pLimit)
{
    return pLimit != nullptr && pLimit->IsValued() ? pLimit->GetValue() : 0.0;
}

// The graph position of a point of either list the walker reads.
CLogicPoint ToGraph(const CCoordSyst& coordSyst, const CPoint& p)
{
    return coordSyst.PixelToGraph(p);
}

CLogicPoint ToGraph(const CCoordSyst& coordSyst, const CSubpixelPoint& p)
{
    return coordSyst.PixelToGraphAt(p.x, p.y);
}

// Walks the traced points (or their refined centre line, one point a column as well) in the
// direction of growing graph X (from the tail of the list when the X axis is reversed) and
// hands out the successive pairs of points that lie in adjacent columns, converted to graph
// units. Vertical runs and gaps are skipped: for a run, the pair is its last point with the
// first point of the next column.
template <class Points>
class CPairWalker {
public:
    using Point = typename Points::value_type;

    CPairWalker(const Points& points, const CCoordSyst& coordSyst)
        : m_CoordSyst(coordSyst), m_bReversed(coordSyst.IsXReversed()), m_nStep(m_bReversed ? -1 : 1)
    {
        if (points.empty()) {
            m_Next = m_End = points.end();
            return;
        }
        if (m_bReversed) {
            m_End = points.begin();
            m_Next = std::prev(points.end());
        } else {
            m_End = points.end();
            m_Next = points.begin();
        }
        m_Previous = *m_Next;
        m_bExhausted = !Advance();
    }

    // The next qualifying pair into a (previous point) and b (current point); false when the
    // list ends first.
    bool NextPair(CLogicPoint& a, CLogicPoint& b)
    {
        while (!m_bExhausted) {
            const Point current = *m_Next;
            m_bExhausted = !Advance();
            const bool bQualifies = current.x - m_Previous.x == m_nStep;
            const Point previous = m_Previous;
            m_Previous = current;
            if (bQualifies) {
                a = ToGraph(m_CoordSyst, previous);
                b = ToGraph(m_CoordSyst, current);
                return true;
            }
        }
        return false;
    }

private:
    // Moves to the next point to read; false when there is none.
    bool Advance()
    {
        if (m_bReversed) {
            if (m_Next == m_End)
                return false;
            --m_Next;
            return true;
        }
        ++m_Next;
        return m_Next != m_End;
    }

    const CCoordSyst& m_CoordSyst;
    const bool m_bReversed;
    const int m_nStep;
    typename Points::const_iterator m_Next;
    // Walking forwards: one past the tail; walking backwards: the head (read, then stop).
    typename Points::const_iterator m_End;
    Point m_Previous;
    bool m_bExhausted = true;
};

}  // namespace

CContinuousResults::CContinuousResults(CContinuousCurve* pCurve)
{
    m_pCurve = pCurve;
    if (pCurve != nullptr)
        m_FirstValue = std::min(LimitValue(pCurve->GetLeftLimit()), LimitValue(pCurve->GetRightLimit()));
}

CContinuousResults::CContinuousResults(const CContinuousResults& other)
    : CResults(other),
      m_FirstValue(other.m_FirstValue),
      m_bPeriodDefined(other.m_bPeriodDefined),
      m_Period(other.m_Period),
      m_LastValue(other.m_LastValue)
{
}

std::unique_ptr<CResults> CContinuousResults::Clone() const
{
    return std::unique_ptr<CResults>(new CContinuousResults(*this));
}

CContinuousCurve* CContinuousResults::GetContinuousCurve() const
{
    return m_pCurve != nullptr && m_pCurve->IsKindOf(RUNTIME_CLASS(CContinuousCurve))
               ? static_cast<CContinuousCurve*>(m_pCurve)
               : nullptr;
}

const CCoordSyst* CContinuousResults::GetCoordSyst() const
{
    return m_pCurve != nullptr ? m_pCurve->GetCoordSyst() : nullptr;
}

bool CContinuousResults::IsLogX() const
{
    const CCoordSyst* pCoordSyst = GetCoordSyst();
    return pCoordSyst != nullptr && pCoordSyst->GetXAxe().IsLogarithmic();
}

double CContinuousResults::SetFirstValue(double dValue)
{
    const double dPrevious = m_FirstValue;
    m_FirstValue = dValue;
    return dPrevious;
}

void CContinuousResults::SetPeriod(double dPeriod)
{
    m_Period = dPeriod;
    m_bPeriodDefined = true;
}

double CContinuousResults::ComputeLastValue() const
{
    const CContinuousCurve* pCurve = GetContinuousCurve();
    if (pCurve == nullptr)
        return 0.0;
    double dLast = std::max(LimitValue(pCurve->GetLeftLimit()), LimitValue(pCurve->GetRightLimit()));
    const CCoordSyst* pCoordSyst = pCurve->GetCoordSyst();
    const CCurve::PointList& points = pCurve->GetPoints();
    if (pCoordSyst != nullptr && !points.empty()) {
        dLast = std::max(dLast, pCoordSyst->PixelToGraph(points.front()).x);
        dLast = std::max(dLast, pCoordSyst->PixelToGraph(points.back()).x);
    }
    return dLast;
}

double CContinuousResults::GetLastValue()
{
    m_LastValue = ComputeLastValue();
    return m_LastValue;
}

double CContinuousResults::ComputeRowQuotient() const
{
    const double nan = std::nan("");
    if (!m_bPeriodDefined || !(m_Period > 0.0) || !std::isfinite(m_Period))
        return nan;
    const double dLast = ComputeLastValue();
    if (!IsLogX())
        return std::fabs(dLast - m_FirstValue) / m_Period;
    if (!(m_FirstValue > 0.0))
        return nan;
    return std::fabs(std::log10(std::fabs(dLast)) - std::log10(std::fabs(m_FirstValue))) / m_Period;
}

int CContinuousResults::GetExpectedRowCount() const
{
    const double q = ComputeRowQuotient();
    if (!(q < kMaxExportedRows))  // NaN and infinity too
        return 0;
    return static_cast<int>(q) + 1;
}

std::string CContinuousResults::Validate() const
{
    if (IsLogX() && !(m_FirstValue > 0.0))
        return CStringTable::Get(IDS_LOG_FIRST_VALUE_POSITIVE);
    if (!m_bPeriodDefined || !(m_Period > 0.0) || !std::isfinite(m_Period))
        return CStringTable::Get(IDS_PERIOD_POSITIVE);
    if (!(ComputeRowQuotient() <= kMaxExportedRows))
        return CStringTable::Get(IDS_TOO_MANY_POINTS);
    return std::string();
}

double CContinuousResults::Interpolate(double x, const CLogicPoint& a, const CLogicPoint& b, bool bLogX,
                                       bool bLogY)
{
    if (a.x == b.x)
        return b.y;
    const auto u = [bLogX](double t) { return bLogX ? std::log(t) : t; };
    const auto v = [bLogY](double t) { return bLogY ? std::log(t) : t; };
    const double w = v(a.y) + (u(x) - u(a.x)) / (u(b.x) - u(a.x)) * (v(b.y) - v(a.y));
    return bLogY ? std::exp(w) : w;
}

void CContinuousResults::Compute()
{
    m_Rows.clear();
    const CContinuousCurve* pCurve = GetContinuousCurve();
    const CCoordSyst* pCoordSyst = GetCoordSyst();
    if (pCurve == nullptr || pCoordSyst == nullptr)
        return;
    const bool bLogX = pCoordSyst->GetXAxe().IsLogarithmic();
    const bool bLogY = pCoordSyst->GetYAxe().IsLogarithmic();
    // What the period dialog refuses would never end (a period of 0) or means nothing.
    if (!m_bPeriodDefined || !(m_Period > 0.0) || !std::isfinite(m_Period) || !std::isfinite(m_FirstValue) ||
        (bLogX && !(m_FirstValue > 0.0)))
        return;
    std::vector<CSubpixelPoint> centreLine;
    if (pCurve->RefineCentreLine(centreLine))
        ComputeRows(CPairWalker<std::vector<CSubpixelPoint>>(centreLine, *pCoordSyst), bLogX, bLogY);
    else
        ComputeRows(CPairWalker<CCurve::PointList>(pCurve->GetPoints(), *pCoordSyst), bLogX, bLogY);
}

template <class Walker>
void CContinuousResults::ComputeRows(Walker&& walker, bool bLogX, bool bLogY)
{
    const double dFactor = bLogX ? std::pow(10.0, m_Period) : 0.0;
    CLogicPoint a;
    CLogicPoint b;
    if (!walker.NextPair(a, b))
        return;
    double x = m_FirstValue;
    while (m_Rows.size() < static_cast<size_t>(kMaxComputedRows)) {
        while (b.x < x) {
            if (!walker.NextPair(a, b))
                return;
        }
        CLogicPoint row(x, 0.0);
        if (a.x > x)
            row.SetValid(false);
        else
            row.y = Interpolate(x, a, b, bLogX, bLogY);
        m_Rows.push_back(row);

        const double xNext = bLogX ? x * dFactor : x + m_Period;
        // A period too small to move the abscissa in double precision would repeat this row
        // forever.
        if (!(xNext > x))
            return;
        x = xNext;
    }
}

void CContinuousResults::Serialize(CArchive& ar)
{
    if (ar.IsStoring()) {
        ar.WriteDouble(m_FirstValue);
        ar.WriteDword(m_bPeriodDefined ? 1 : 0);
        ar.WriteDouble(m_Period);
    } else {
        m_FirstValue = ar.ReadDouble();
        m_bPeriodDefined = ar.ReadDword() != 0;
        m_Period = ar.ReadDouble();
    }
}
