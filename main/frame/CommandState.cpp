#include "main/frame/CommandState.h"

#include "Dm/BmpManager.h"
#include "Dm/PlotvaneDoc.h"
#include "main/frame/CommandIds.h"
#include "main/frame/ShellState.h"
#include "main/wizard/WindowCurveKinds.h"

bool CCommandState::IsEnabled(unsigned nId, const CPlotvaneDoc& doc, const CShellState& state)
{
    const bool bIdle = !state.m_bConstructionActive;
    const bool bBitmap = doc.GetBmpManager()->IsLoaded();
    if (CWindowCurveKinds::FindByCommand(nId) != nullptr)
        return !doc.GetCoordSystList().empty() && bIdle;
    switch (nId) {
        case ID_FILE_OPEN_GRAPHIC:
        case ID_EDIT_PASTE:
        case ID_FILE_OPEN:
            return doc.CanOpenGraphic(state.m_bConstructionActive, state.m_bScannerBusy);
        case ID_FILE_SAVE_AS:
            return doc.CanSaveDocument(state.m_bConstructionActive);
        case ID_FILE_EXPORT:
            return doc.CanExport(state.m_bConstructionActive);
        case ID_CONSTRUCT_COORDSYST:
        case ID_CONSTRUCT_BOTH:
            return bBitmap && bIdle;
        case ID_MODIFY_SELECTED:
        case ID_DELETE_SELECTED:
            return bIdle && (doc.GetSelectedCoordSyst() != nullptr || doc.GetSelectedCurve() != nullptr);
        case ID_VIEW_ZOOM:
            return bBitmap;
        case ID_OPTIONS:
            return bIdle;
        case ID_SCANNER_SELECT_SOURCE:
            // Choosing is how a first scanner becomes known, so it needs none known yet.
            return state.m_bViewExists && bIdle && state.m_bScannerExists && !state.m_bScannerBusy;
        case ID_SCANNER_IMPORT:
            return state.m_bViewExists && bIdle && state.m_bScannerExists && state.m_bScannerCanAcquire;
        default:
            break;
    }
    return true;
}
