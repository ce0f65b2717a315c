#pragma once

#include <QCoreApplication>
#include <QMenu>

class CMainFrame;

// The graph view's context menu: one of the popups "0" to "6", chosen by the view for what
// is loaded and selected. Each item carries out the main window's command of its number.
class CViewContextMenu : public QMenu {
    Q_DECLARE_TR_FUNCTIONS(CViewContextMenu)
public:
    CViewContextMenu(CMainFrame& frame, int nPopup);

    void Exec(const QPoint& globalPos) { exec(globalPos); }

private:
    void AddItem(QMenu* pMenu, unsigned nId, const QString& strText);
    void AddNewCurveMenu();

    CMainFrame& m_Frame;
};
