#include "Dm/DensityResults.h"

#include <string>

#include "platform/Archive.h"

IMPLEMENT_SERIAL(CDensityResults, CResults, 1)

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
