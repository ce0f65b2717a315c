#pragma once

#include <map>
#include <memory>
#include <vector>

#include <QMainWindow>

#include "Dm/DocumentObserver.h"
#include "main/scanner/ScannerManager.h"
#include "main/frame/ShellState.h"

class CFrameStatusBar;
class CPdfBusyIndicator;
class CPlotvaneDoc;
class CPlotvaneView;
class CQtDocumentUi;
class CRecentDocuments;
class QMimeData;
class CViewCommands;
class QMenu;
class QToolBar;

// The main window: the menu of every command, the toolbar, the five-pane status bar, the
// window title "document - Plotvane", and the document's dialogs (it is their parent).
// Commands are QActions numbered as the string table's prompts; their enabled state
// follows CCommandState and is brought up to date whenever the document or the view
// changes and before a menu opens. Construction, selection and zoom commands go to the
// view attached with SetViewCommands; file commands go to the document. Closing the
// window runs the document's save prompt first. The scanner commands go to the scanner
// manager, which hands the scanned picture back with message 112.
//
// Shows one document, which must outlive the frame; owns its widgets through Qt and the
// document dialogs it installs on the document.
class CMainFrame : public QMainWindow, public CDocumentObserver, public CScannerMessageReceiver {
    Q_OBJECT
public:
    explicit CMainFrame(CPlotvaneDoc& doc, QWidget* pParent = nullptr);
    ~CMainFrame() override;

    // The command numbered nId (CommandIds.h); null for an unknown number.
    QAction* GetAction(unsigned nId) const;
    // The numbers of all the window's commands, in increasing order.
    std::vector<unsigned> GetCommandIds() const;
    QMenu* GetMenu(int nIndex) const;
    QToolBar* GetToolBar() const { return m_pToolBar; }
    CFrameStatusBar* GetStatusBar() const { return m_pStatusBar; }
    CQtDocumentUi& GetDocumentUi() { return *m_pDocumentUi; }
    CPlotvaneView* GetView() const { return m_pGraphView; }
    CScannerManager* GetScannerManager() const { return m_pScannerManager; }

    // The view that carries out the construction commands; null for none. Not owned.
    void SetViewCommands(CViewCommands* pView);
    CShellState GetShellState() const;
    // Re-evaluates the enabled state of every command.
    void UpdateCommandStates();

    CRecentDocuments* GetRecentDocuments() const { return m_pRecentDocuments; }

    // Writes the coordinate panes of the status bar.
    void SetCoordinateTexts(const QString& strX, const QString& strY);
    // What the "StartingJob" setting proposes when the program starts without a picture.
    void RunStartupPrompt();
    // Opens help at a context number: 0 for the topics, HID_MAIN_WINDOW for the window.
    virtual void WinHelp(unsigned nContext);

    // ---- CDocumentObserver
    void OnReinitialize() override;
    void OnDocumentChanged() override;
    void OnTitleChanged() override;
    void OnModifiedChanged(bool bModified) override;

    // ---- CScannerMessageReceiver
    // 112: the picture becomes the document's, in place of everything it held; 113: when
    // the acquisition brought no picture, the user is told why.
    void OnScannerMessage(ScannerMessage nMessage, std::vector<uint8_t>* pDib, long lParam) override;

protected:
    void closeEvent(QCloseEvent* pEvent) override;
    // A file dropped on the window is opened as "Open Graphic" or "Open Document..." would.
    void dragEnterEvent(QDragEnterEvent* pEvent) override;
    void dropEvent(QDropEvent* pEvent) override;

private slots:
    void OnOpenGraphic();
    void OnPastePicture();
    void OnScannerSelectSource();
    void OnScannerImport();
    void OnDataExport();
    void OnOpenDocument();
    void OnSaveDocument();
    void OnOptions();
    void OnHelpFinder();
    void OnHelp();
    void OnContextHelp();
    void OnAppAbout();

private:
    // An empty document holding the picture (a packed bitmap), as a scan brings it.
    void ReplaceDocumentByPicture(const std::vector<uint8_t>& dib);
    void CreateActions();
    void CreateMenus();
    void CreateToolBar();
    void UpdateTitle();
    bool IsEnabledCommand(unsigned nId) const;
    static QString DroppedFile(const QMimeData* pData);
    QAction* AddCommand(unsigned nId, const QString& strText);
    void CreateScannerManager();
    void ShowScanFailure(TW_UINT16 nReturnCode, TW_UINT16 nConditionCode);

    CPlotvaneDoc& m_Doc;
    std::unique_ptr<CQtDocumentUi> m_pDocumentUi;
    // Shows the drawing of PDF pages while the window lives.
    std::unique_ptr<CPdfBusyIndicator> m_pPdfBusyIndicator;
    CViewCommands* m_pView = nullptr;
    CPlotvaneView* m_pGraphView = nullptr;
    CFrameStatusBar* m_pStatusBar = nullptr;
    CRecentDocuments* m_pRecentDocuments = nullptr;
    QToolBar* m_pToolBar = nullptr;
    CScannerManager* m_pScannerManager = nullptr;
    bool m_bScanDelivered = false;  // the acquisition under way brought a picture
    std::map<unsigned, QAction*> m_Actions;
};
