#include "Dm/DensityResultsProcessor.h"

#include <cmath>
#include <cstdlib>

#include "Dm/CoordSyst.h"
#include "Dm/DensityCurve.h"
#include "Dm/DensityResults.h"

CDensityResultsProcessor::CDensityResultsProcessor(const CDensityResults& results, CDensityCurve& curve,
                                                   const CCoordSyst& coordSyst,
                                                   std::vector<CLogicPoint>& rowPoints,
                                                   std::vector<double>& rowValues)
    : m_Results(results),
      m_Curve(curve),
      m_CoordSyst(coordSyst),
      m_RowPoints(rowPoints),
      m_RowValues(rowValues)
{
    const CPoint start = curve.GetStart();
    const CPoint end = curve.GetEnd();
    m_bXMaster = results.IsXMaster();
    m_bXMajor = std::llabs(static_cast<long long>(end.x) - start.x) >=
                std::llabs(static_cast<long long>(end.y) - start.y);
    m_bLogX = coordSyst.GetXAxe().IsLogarithmic();
    m_bLogY = coordSyst.GetYAxe().IsLogarithmic();
    m_XPeriod = results.GetXPeriod();
    m_YPeriod = results.GetYPeriod();

    const CLogicPoint s = coordSyst.PixelToGraph(start);
    const CLogicPoint e = coordSyst.PixelToGraph(end);
    const double dTowardsEnd = m_bXMaster ? m_XPeriod * (e.x - s.x) : m_YPeriod * (e.y - s.y);
    m_nDirection = dTowardsEnd > 0.0 ? 1 : -1;
    m_nSx = m_nDirection * (start.x < end.x ? 1 : -1);
    m_nSy = m_nDirection * (start.y < end.y ? 1 : -1);
}

CLogicPoint CDensityResultsProcessor::Target(long long k, const CLogicPoint& first) const
{
    CLogicPoint target;
    const double dSteps = static_cast<double>(k);
    if (m_bXMaster) {
        target.x = k == 0    ? first.x
                   : m_bLogX ? first.x * std::pow(10.0, dSteps * m_XPeriod)
                             : first.x + dSteps * m_XPeriod;
        target.y = m_Results.XToY(target.x);
    } else {
        target.y = k == 0    ? first.y
                   : m_bLogY ? first.y * std::pow(10.0, dSteps * m_YPeriod)
                             : first.y + dSteps * m_YPeriod;
        target.x = m_Results.YToX(target.y);
    }
    return target;
}

void CDensityResultsProcessor::Run()
{
    if (!m_Curve.Sample())
        return;
    const std::vector<CPoint>& samples = m_Curve.GetPoints();
    const std::vector<double>& values = m_Curve.GetValues();
    if (samples.empty() || samples.size() != values.size())
        return;

    CLogicPoint first;
    if (m_bXMaster) {
        first.x = m_Results.GetFirstX();
        first.y = m_Results.XToY(first.x);
    } else {
        first.y = m_Results.GetFirstY();
        first.x = m_Results.YToX(first.y);
    }
    m_RowPoints.clear();
    m_RowValues.clear();

    const long long nLast = static_cast<long long>(samples.size()) - 1;
    long long nCurrent = m_nDirection > 0 ? 0 : nLast;
    long long nPrevious = nCurrent;
    const auto major = [this](const CPoint& p) { return static_cast<double>(m_bXMajor ? p.x : p.y); };
    const int nSign = m_bXMajor ? m_nSx : m_nSy;

    double dPreviousMaster = 0.0;
    for (long long k = 0; m_RowPoints.size() < static_cast<size_t>(CResults::kMaxComputedRows); ++k) {
        const CLogicPoint target = Target(k, first);
        const double dMaster = m_bXMaster ? target.x : target.y;
        // A period too small to move the target would give the same row for ever.
        if (k > 0 && dMaster == dPreviousMaster)
            return;
        dPreviousMaster = dMaster;
        const CLogicPoint pixel = m_CoordSyst.GraphToPixel(target);
        if (!std::isfinite(pixel.x) || !std::isfinite(pixel.y))
            return;
        const double t = m_bXMajor ? pixel.x : pixel.y;

        while ((major(samples[static_cast<size_t>(nCurrent)]) - t) * nSign < 0.0) {
            nPrevious = nCurrent;
            nCurrent += m_nDirection;
            if (nCurrent < 0 || nCurrent > nLast)
                return;
        }

        const double c0 = major(samples[static_cast<size_t>(nPrevious)]);
        const double c1 = major(samples[static_cast<size_t>(nCurrent)]);
        const double d0 = values[static_cast<size_t>(nPrevious)];
        const double d1 = values[static_cast<size_t>(nCurrent)];
        const double value = c1 == c0 ? d1 : ((c1 - t) * d0 + (t - c0) * d1) / (c1 - c0);
        m_RowPoints.push_back(target);
        m_RowValues.push_back(value);
    }
}
