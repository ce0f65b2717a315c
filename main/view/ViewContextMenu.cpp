#include "main/view/ViewContextMenu.h"

#include <QAction>

#include "main/frame/CommandIds.h"
#include "main/frame/MainFrame.h"
#include "main/wizard/WindowCurveKinds.h"

CViewContextMenu::CViewContextMenu(CMainFrame& frame, int nPopup) : QMenu(&frame), m_Frame(frame)
{
    // Each item is enabled as its command is now.
    m_Frame.UpdateCommandStates();
    switch (nPopup) {
        case 0:
            AddItem(this, ID_FILE_OPEN_GRAPHIC, tr("&Open Bitmap...\tCTRL+O"));
            AddItem(this, ID_SCANNER_IMPORT, tr("Import from scanner..."));
            break;
        case 1:
            AddItem(this, ID_VIEW_ZOOM, tr("&Zoom"));
            break;
        case 2:
        case 3:
            AddNewCurveMenu();
            AddItem(this, ID_MODIFY_SELECTED, tr("&Modify selected coordinates system"));
            if (nPopup == 3)
                AddItem(this, ID_FILE_EXPORT, tr("&Data export\tCTRL+E"));
            break;
        case 4:
            AddItem(this, ID_MODIFY_SELECTED, tr("&Modify selected curve"));
            AddItem(this, ID_FILE_EXPORT, tr("&Data export\tCTRL+E"));
            break;
        default:
            AddItem(this, ID_CONSTRUCT_BOTH, tr("New coordinates system and curve"));
            if (nPopup == 6)
                AddItem(this, ID_FILE_EXPORT, tr("&Data export\tCTRL+E"));
            break;
    }
    addSeparator();
    AddItem(this, ID_HELP_FINDER, tr("&Help"));
}

void CViewContextMenu::AddNewCurveMenu()
{
    QMenu* pNewCurve = addMenu(tr("New &curve"));
    for (const CWindowCurveKind& kind : CWindowCurveKinds::All())
        if (QAction* pCommand = m_Frame.GetAction(kind.nCommandId))
            pNewCurve->addAction(pCommand);
}

void CViewContextMenu::AddItem(QMenu* pMenu, unsigned nId, const QString& strText)
{
    QAction* pCommand = m_Frame.GetAction(nId);
    QAction* pItem = pMenu->addAction(strText);
    pItem->setData(nId);
    if (pCommand == nullptr) {
        pItem->setEnabled(false);
        return;
    }
    pItem->setEnabled(pCommand->isEnabled());
    connect(pItem, &QAction::triggered, pCommand, &QAction::trigger);
}
