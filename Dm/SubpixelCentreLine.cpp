#include "Dm/SubpixelCentreLine.h"

#include <string>

#include "platform/Archive.h"

IMPLEMENT_SERIAL(CSubpixelCentreLine, CObject, 1)

void CSubpixelCentreLine::Serialize(CArchive& ar)
{
    if (ar.IsStoring()) {
        ar.WriteDword(m_nMethod);
        return;
    }
    const uint32_t nMethod = ar.ReadDword();
    // A later method this program cannot compute is refused, like an unknown class.
    if (nMethod != kStrokeCentre)
        throw CArchiveException(
            CArchiveException::badSchema,
            "Unknown centre line refinement " + std::to_string(nMethod) + " in the document.");
    m_nMethod = nMethod;
}
