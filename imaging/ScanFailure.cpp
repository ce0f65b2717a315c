#include "imaging/ScanFailure.h"

#include "platform/NumberFormat.h"
#include "platform/StringIds.h"
#include "platform/StringTable.h"

std::string CScanFailure::Reason(TW_UINT16 nConditionCode)
{
    switch (nConditionCode) {
        case TWCC_NODS:
            return CStringTable::Get(IDS_SCAN_REASON_NO_DEVICE);
        case TWCC_CHECKDEVICEONLINE:
            return CStringTable::Get(IDS_SCAN_REASON_OFFLINE);
        case TWCC_PAPERJAM:
            return CStringTable::Get(IDS_SCAN_REASON_JAMMED);
        case TWCC_NOMEDIA:
            return CStringTable::Get(IDS_SCAN_REASON_NO_DOCUMENT);
        case TWCC_INTERLOCK:
            return CStringTable::Get(IDS_SCAN_REASON_COVER_OPEN);
        case TWCC_DENIED:
            return CStringTable::Get(IDS_SCAN_REASON_DENIED);
        case TWCC_LOWMEMORY:
            return CStringTable::Get(IDS_SCAN_REASON_MEMORY);
        case TWCC_BADPICTURE:
            return CStringTable::Get(IDS_SCAN_REASON_BAD_PICTURE);
        case TWCC_STALLED:
            return CStringTable::Get(IDS_SCAN_REASON_STALLED);
        case TWCC_BADVALUE:
        case TWCC_BADCAP:
            return CStringTable::Get(IDS_SCAN_REASON_RESOLUTION);
        default:
            return CStringTable::Get(IDS_SCAN_REASON_OTHER);
    }
}

std::string CScanFailure::Message(TW_UINT16 nReturnCode, TW_UINT16 nConditionCode)
{
    if (nReturnCode == TWRC_CANCEL)
        return CStringTable::Get(IDS_SCAN_CANCELLED);
    return FormatWithString(CStringTable::Get(IDS_SCAN_FAILED), Reason(nConditionCode));
}
