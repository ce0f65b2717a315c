#include "Dm/DensityResults.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "Dm/CoordSyst.h"
#include "Dm/DensityCurve.h"
#include "Dm/DensityResultsProcessor.h"
#include "platform/Archive.h"
#include "platform/NumberFormat.h"
#include "platform/StringIds.h"
#include "platform/StringTable.h"

IMPLEMENT_SERIAL(CDensityResults, CResults, 1)

namespace {

double ToScale(double value, bool bLog)
{
    return bLog ? std::log10(value) : value;
}

double FromScale(double value, bool bLog)
{
    return bLog ? std::pow(10.0, value) : value;
}

bool IsFinite(double a, double b)
{
    return std::isfinite(a) && std::isfinite(b);
}

}  // namespace

CDensityResults::CDensityResults(CDensityCurve* pCurve)
{
    m_pCurve = pCurve;
    CLogicPoint start;
    CLogicPoint end;
    if (!GetEnds(start, end))
        return;
    m_FirstX = std::min(start.x, end.x);
    if (IsParallelToY()) {
        m_DisplayMode = kDisplayY;
        m_FirstY = std::min(start.y, end.y);
    } else if (IsParallelToX()) {
        m_DisplayMode = kDisplayX;
        m_FirstY = std::min(start.y, end.y);
    } else {
        m_DisplayMode = kDisplayBoth;
        m_FirstY = XToY(m_FirstX);
    }
}

CDensityResults::CDensityResults(const CDensityResults& other)
    : CResults(other),
      m_DisplayMode(other.m_DisplayMode),
      m_bPeriodDefined(other.m_bPeriodDefined),
      m_bXMaster(other.m_bXMaster),
      m_FirstX(other.m_FirstX),
      m_FirstY(other.m_FirstY),
      m_XPeriod(other.m_XPeriod),
      m_YPeriod(other.m_YPeriod)
{
}

void CDensityResults::RestoreParameters(const CDensityResults& other)
{
    m_DisplayMode = other.m_DisplayMode;
    m_bPeriodDefined = other.m_bPeriodDefined;
    m_bXMaster = other.m_bXMaster;
    m_FirstX = other.m_FirstX;
    m_FirstY = other.m_FirstY;
    m_XPeriod = other.m_XPeriod;
    m_YPeriod = other.m_YPeriod;
}

CDensityCurve* CDensityResults::GetDensityCurve() const
{
    return m_pCurve != nullptr && m_pCurve->IsKindOf(RUNTIME_CLASS(CDensityCurve))
               ? static_cast<CDensityCurve*>(m_pCurve)
               : nullptr;
}

const CCoordSyst* CDensityResults::GetCoordSyst() const
{
    return m_pCurve != nullptr ? m_pCurve->GetCoordSyst() : nullptr;
}

bool CDensityResults::GetEnds(CLogicPoint& start, CLogicPoint& end) const
{
    const CDensityCurve* pCurve = GetDensityCurve();
    const CCoordSyst* pCoordSyst = GetCoordSyst();
    if (pCurve == nullptr || pCoordSyst == nullptr || !pCurve->HasSegment())
        return false;
    start = pCoordSyst->PixelToGraph(pCurve->GetStart());
    end = pCoordSyst->PixelToGraph(pCurve->GetEnd());
    return true;
}

bool CDensityResults::IsParallelToY() const
{
    const CDensityCurve* pCurve = GetDensityCurve();
    const CCoordSyst* pCoordSyst = GetCoordSyst();
    if (pCurve == nullptr || pCoordSyst == nullptr || !pCurve->HasSegment())
        return true;
    return pCoordSyst->GetYAxe().IsParallelTo(pCurve->GetStart(), pCurve->GetEnd());
}

bool CDensityResults::IsParallelToX() const
{
    const CDensityCurve* pCurve = GetDensityCurve();
    const CCoordSyst* pCoordSyst = GetCoordSyst();
    if (pCurve == nullptr || pCoordSyst == nullptr || !pCurve->HasSegment())
        return true;
    return pCoordSyst->GetXAxe().IsParallelTo(pCurve->GetStart(), pCurve->GetEnd());
}

bool CDensityResults::CanUseX() const
{
    return !IsParallelToY();
}

bool CDensityResults::CanUseY() const
{
    return !IsParallelToX();
}

int CDensityResults::GetDisplayMode() const
{
    if (IsParallelToY())
        return kDisplayY;
    if (IsParallelToX())
        return kDisplayX;
    return m_DisplayMode;
}

void CDensityResults::SetDisplayMode(int nMode)
{
    if (nMode < kDisplayX || nMode > kDisplayBoth)
        return;
    m_DisplayMode = IsParallelToY() ? kDisplayY : IsParallelToX() ? kDisplayX : nMode;
}

std::pair<double, double> CDensityResults::GetXRange() const
{
    CLogicPoint start;
    CLogicPoint end;
    if (!GetEnds(start, end))
        return {0.0, 0.0};
    return std::minmax(start.x, end.x);
}

std::pair<double, double> CDensityResults::GetYRange() const
{
    CLogicPoint start;
    CLogicPoint end;
    if (!GetEnds(start, end))
        return {0.0, 0.0};
    return std::minmax(start.y, end.y);
}

CDensityResults::Line CDensityResults::GetLine() const
{
    Line line;
    CLogicPoint start;
    CLogicPoint end;
    const CCoordSyst* pCoordSyst = GetCoordSyst();
    if (!GetEnds(start, end))
        return line;
    const bool bLogX = pCoordSyst->GetXAxe().IsLogarithmic();
    const bool bLogY = pCoordSyst->GetYAxe().IsLogarithmic();
    line.a =
        (ToScale(start.y, bLogY) - ToScale(end.y, bLogY)) / (ToScale(start.x, bLogX) - ToScale(end.x, bLogX));
    line.b = ToScale(start.y, bLogY) - line.a * ToScale(start.x, bLogX);
    return line;
}

double CDensityResults::XToY(double x) const
{
    CLogicPoint start;
    CLogicPoint end;
    if (!GetEnds(start, end))
        return 0.0;
    if (IsParallelToX() || IsParallelToY())
        return start.y;
    const CCoordSyst* pCoordSyst = GetCoordSyst();
    const Line line = GetLine();
    return FromScale(line.a * ToScale(x, pCoordSyst->GetXAxe().IsLogarithmic()) + line.b,
                     pCoordSyst->GetYAxe().IsLogarithmic());
}

double CDensityResults::YToX(double y) const
{
    CLogicPoint start;
    CLogicPoint end;
    if (!GetEnds(start, end))
        return 0.0;
    if (IsParallelToX() || IsParallelToY())
        return start.x;
    const CCoordSyst* pCoordSyst = GetCoordSyst();
    const Line line = GetLine();
    return FromScale((ToScale(y, pCoordSyst->GetYAxe().IsLogarithmic()) - line.b) / line.a,
                     pCoordSyst->GetXAxe().IsLogarithmic());
}

void CDensityResults::SetFirstX(double x)
{
    if (!CanUseX())
        return;
    m_FirstX = x;
    if (CanUseY())
        m_FirstY = XToY(x);
}

void CDensityResults::SetFirstY(double y)
{
    if (!CanUseY())
        return;
    m_FirstY = y;
    if (CanUseX())
        m_FirstX = YToX(y);
}

double CDensityResults::GetXPeriod() const
{
    return m_bPeriodDefined ? m_XPeriod : 0.0;
}

double CDensityResults::GetYPeriod() const
{
    return m_bPeriodDefined ? m_YPeriod : 0.0;
}

void CDensityResults::SetXPeriod(double p)
{
    if (!CanUseX() || p == 0.0)
        return;
    m_XPeriod = p;
    m_bPeriodDefined = true;
    m_bXMaster = true;
    if (CanUseY())
        m_YPeriod = GetLine().a * p;
}

void CDensityResults::SetYPeriod(double p)
{
    if (!CanUseY() || p == 0.0)
        return;
    m_YPeriod = p;
    m_bPeriodDefined = true;
    m_bXMaster = false;
    if (CanUseX())
        m_XPeriod = p / GetLine().a;
}

bool CDensityResults::IsXMaster() const
{
    // A coordinate that stays constant along the segment cannot step the rows, whatever the
    // flag says (the segment may have been redrawn after the period was given on it).
    const bool bCanUseX = CanUseX();
    const bool bCanUseY = CanUseY();
    if (bCanUseX != bCanUseY)
        return bCanUseX;
    return m_DisplayMode != kDisplayY && m_bXMaster;
}

bool CDensityResults::AreParametersUsable() const
{
    const CDensityCurve* pCurve = GetDensityCurve();
    if (pCurve == nullptr || GetCoordSyst() == nullptr || !pCurve->HasSegment() ||
        pCurve->GetStart() == pCurve->GetEnd())
        return false;
    const bool bCanUseX = CanUseX();
    const bool bCanUseY = CanUseY();
    if (!bCanUseX && !bCanUseY)
        return false;
    if (bCanUseX && bCanUseY) {
        // An oblique segment whose ends have the same X (or Y) in graph units has no line to
        // step along.
        const double a = GetLine().a;
        if (!std::isfinite(a) || a == 0.0)
            return false;
    }
    CLogicPoint start;
    CLogicPoint end;
    GetEnds(start, end);
    if (!IsFinite(start.x, start.y) || !IsFinite(end.x, end.y))
        return false;
    const bool bXMaster = IsXMaster();
    const double dFirst = bXMaster ? m_FirstX : m_FirstY;
    const double dPeriod = bXMaster ? m_XPeriod : m_YPeriod;
    return std::isfinite(dFirst) && std::isfinite(dPeriod) && dPeriod != 0.0;
}

int CDensityResults::GetExpectedRowCount() const
{
    if (!m_bPeriodDefined)
        return 0;
    if (!AreParametersUsable())
        return -1;
    const bool bXMaster = IsXMaster();
    const double f = bXMaster ? m_FirstX : m_FirstY;
    const double p = bXMaster ? m_XPeriod : m_YPeriod;
    const std::pair<double, double> range = bXMaster ? GetXRange() : GetYRange();
    const double dEnd = p > 0.0 ? range.second : range.first;
    const CCoordSyst* pCoordSyst = GetCoordSyst();
    const bool bLog = (bXMaster ? pCoordSyst->GetXAxe() : pCoordSyst->GetYAxe()).IsLogarithmic();
    double q = 0.0;
    if (bLog) {
        if (f <= 0.0)
            return -1;
        q = (std::log10(f) - std::log10(dEnd)) / p;
    } else {
        q = (f - dEnd) / p;
    }
    const double n = std::fabs(std::trunc(q));
    if (!(n <= kMaxExportedRows))  // NaN too
        return -1;
    return static_cast<int>(n) + 1;
}

std::string CDensityResults::Validate() const
{
    if (!m_bPeriodDefined)
        return CStringTable::Get(IDS_COUNT_ERROR);
    if (!AreParametersUsable())
        return CStringTable::Get(IDS_TOO_MANY_POINTS);
    const bool bXMaster = IsXMaster();
    const double f = bXMaster ? m_FirstX : m_FirstY;
    const std::pair<double, double> range = bXMaster ? GetXRange() : GetYRange();
    if (!(f >= range.first && f <= range.second))
        return CStringTable::Get(IDS_VALUE_OUTSIDE_RANGE);
    if (GetExpectedRowCount() == -1)
        return CStringTable::Get(IDS_TOO_MANY_POINTS);
    return std::string();
}

void CDensityResults::Compute()
{
    m_RowPoints.clear();
    m_RowValues.clear();
    if (!m_bPeriodDefined || !AreParametersUsable())
        return;
    const bool bXMaster = IsXMaster();
    const CCoordSyst* pCoordSyst = GetCoordSyst();
    const bool bLogMaster = (bXMaster ? pCoordSyst->GetXAxe() : pCoordSyst->GetYAxe()).IsLogarithmic();
    if (bLogMaster && !((bXMaster ? m_FirstX : m_FirstY) > 0.0))
        return;
    CDensityResultsProcessor processor(*this, *GetDensityCurve(), *pCoordSyst, m_RowPoints, m_RowValues);
    processor.Run();
}

void CDensityResults::GetTitleLine(int nIndex, CellList& cells) const
{
    const int nMode = GetDisplayMode();
    const CCoordSyst* pCoordSyst = GetCoordSyst();
    const size_t nFirst = cells.size();
    if (nIndex == 0 && m_pCurve != nullptr) {
        cells.push_back(m_pCurve->GetName());
    } else if (nIndex == 1 && pCoordSyst != nullptr) {
        if (nMode != kDisplayY)
            cells.push_back(pCoordSyst->GetXAxe().GetName());
        if (nMode != kDisplayX)
            cells.push_back(pCoordSyst->GetYAxe().GetName());
    }
    // The value column has no title: every line is as wide as the rows.
    cells.resize(nFirst + (nMode == kDisplayBoth ? 3 : 2));
}

void CDensityResults::GetRow(int nIndex, CellList& cells) const
{
    const int nMode = GetDisplayMode();
    if (nIndex < 0 || static_cast<size_t>(nIndex) >= m_RowPoints.size()) {
        cells.insert(cells.end(), nMode == kDisplayBoth ? 3 : 2, std::string());
        return;
    }
    const CLogicPoint& point = m_RowPoints[static_cast<size_t>(nIndex)];
    if (nMode != kDisplayY)
        cells.push_back(FormatG(point.x));
    if (nMode != kDisplayX)
        cells.push_back(FormatG(point.y));
    cells.push_back(FormatG(m_RowValues[static_cast<size_t>(nIndex)]));
}

void CDensityResults::Serialize(CArchive& ar)
{
    if (ar.IsStoring()) {
        ar.WriteInt(m_DisplayMode);
        ar.WriteDword(m_bPeriodDefined ? 1 : 0);
        ar.WriteDword(m_bXMaster ? 1 : 0);
        ar.WriteDouble(m_XPeriod);
        ar.WriteDouble(m_YPeriod);
        ar.WriteDouble(m_FirstX);
        ar.WriteDouble(m_FirstY);
        return;
    }

    const uint32_t mode = ar.ReadDword();
    if (mode > kDisplayBoth) {
        throw CArchiveException(CArchiveException::generic,
                                "Unknown display mode " + std::to_string(mode) + " of density results.");
    }
    m_DisplayMode = static_cast<int>(mode);
    m_bPeriodDefined = ar.ReadDword() != 0;
    m_bXMaster = ar.ReadDword() != 0;
    m_XPeriod = ar.ReadDouble();
    m_YPeriod = ar.ReadDouble();
    m_FirstX = ar.ReadDouble();
    m_FirstY = ar.ReadDouble();
    m_RowPoints.clear();
    m_RowValues.clear();
}
