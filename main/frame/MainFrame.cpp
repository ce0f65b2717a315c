#include "main/frame/MainFrame.h"

#include <QAction>
#include <QClipboard>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QIcon>
#include <QImage>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QTimer>
#include <QToolBar>
#include <QUrl>

#include "Dm/BmpManager.h"
#include "Dm/PlotvaneDoc.h"
#include "Dm/SettingsManager.h"
#include "main/help/AboutDlg.h"
#include "main/frame/ClipboardPicture.h"
#include "main/frame/CommandIds.h"
#include "main/frame/CommandState.h"
#include "main/frame/PdfBusyIndicator.h"
#include "main/frame/FrameStatusBar.h"
#include "main/help/HelpWindow.h"
#include "main/options/OptionsSheet.h"
#include "main/view/PlotvaneView.h"
#include "main/adapters/QtDocumentUi.h"
#include "main/adapters/QtText.h"
#include "main/frame/RecentDocuments.h"
#include "main/view/ViewCommands.h"
#include "main/wizard/WindowCurveKinds.h"
#include "imaging/ScanFailure.h"
#include "platform/MessageService.h"
#include "platform/StringIds.h"
#include "platform/StringTable.h"

namespace {

// One command of the menus: its number, its text and where it goes.
struct CCommandEntry {
    unsigned nId;
    const char* pszText;
    QKeyCombination key;  // Qt::Key_unknown for none
    const char* pszIcon;
};

// clang-format off
const CCommandEntry kCommands[] = {
    {ID_FILE_OPEN_GRAPHIC, QT_TRANSLATE_NOOP("CMainFrame", "&Open Graphic"), Qt::CTRL | Qt::Key_O, "open-graphic"},
    {ID_EDIT_PASTE, QT_TRANSLATE_NOOP("CMainFrame", "&Paste Picture"), Qt::CTRL | Qt::Key_V, nullptr},
    {ID_SCANNER_SELECT_SOURCE, QT_TRANSLATE_NOOP("CMainFrame", "&Select source..."), {}, nullptr},
    {ID_SCANNER_IMPORT, QT_TRANSLATE_NOOP("CMainFrame", "&Import..."), {}, nullptr},
    {ID_FILE_EXPORT, QT_TRANSLATE_NOOP("CMainFrame", "&Data export"), Qt::CTRL | Qt::Key_E, "data-export"},
    {ID_FILE_OPEN, QT_TRANSLATE_NOOP("CMainFrame", "Open Document..."), {}, nullptr},
    {ID_FILE_SAVE_AS, QT_TRANSLATE_NOOP("CMainFrame", "Save Document..."), {}, nullptr},
    {ID_APP_EXIT, QT_TRANSLATE_NOOP("CMainFrame", "E&xit"), {}, nullptr},
    {ID_CONSTRUCT_COORDSYST, QT_TRANSLATE_NOOP("CMainFrame", "New coordinates &system"), {}, "coordinates-system"},
    {ID_CONSTRUCT_BOTH, QT_TRANSLATE_NOOP("CMainFrame", "&Both"), {}, "system-and-curve"},
    {ID_MODIFY_SELECTED, QT_TRANSLATE_NOOP("CMainFrame", "&Modify selected object"), {}, nullptr},
    {ID_DELETE_SELECTED, QT_TRANSLATE_NOOP("CMainFrame", "&Delete selected object"), Qt::Key_Delete, nullptr},
    {ID_VIEW_ZOOM, QT_TRANSLATE_NOOP("CMainFrame", "&Zoom"), {}, nullptr},
    {ID_OPTIONS, QT_TRANSLATE_NOOP("CMainFrame", "&Options..."), {}, nullptr},
    {ID_HELP_FINDER, QT_TRANSLATE_NOOP("CMainFrame", "&Help Topics"), {}, nullptr},
    {ID_APP_ABOUT, QT_TRANSLATE_NOOP("CMainFrame", "&About Plotvane..."), {}, nullptr},
    {ID_HELP, QT_TRANSLATE_NOOP("CMainFrame", "Help"), Qt::Key_F1, nullptr},
    {ID_CONTEXT_HELP, QT_TRANSLATE_NOOP("CMainFrame", "What's This?"), Qt::SHIFT | Qt::Key_F1, nullptr},
};
// clang-format on

QIcon CommandIcon(const char* pszIcon)
{
    return QIcon(QStringLiteral(":/icons/%1.svg").arg(QLatin1String(pszIcon)));
}

}  // namespace

CMainFrame::CMainFrame(CPlotvaneDoc& doc, QWidget* pParent)
    : QMainWindow(pParent),
      m_Doc(doc),
      m_pDocumentUi(std::make_unique<CQtDocumentUi>(doc, this)),
      m_pPdfBusyIndicator(std::make_unique<CPdfBusyIndicator>(this))
{
    // The icons are compiled into the shell's library, which the linker would otherwise leave
    // out of the program.
    Q_INIT_RESOURCE(plotvane);
    setObjectName(QStringLiteral("MainFrame"));
    setWindowIcon(QIcon(QStringLiteral(":/icons/plotvane.svg")));
    setAcceptDrops(true);

    // The view registers first: it stands for the document's first view.
    m_pGraphView = new CPlotvaneView(m_Doc, this, this);
    setCentralWidget(m_pGraphView);

    m_pStatusBar = new CFrameStatusBar(this);
    setStatusBar(m_pStatusBar);

    CreateActions();
    CreateToolBar();
    CreateMenus();
    CreateScannerManager();

    m_Doc.SetUi(m_pDocumentUi.get());
    m_Doc.AddObserver(this);
    UpdateTitle();
    SetViewCommands(m_pGraphView);
}

void CMainFrame::CreateScannerManager()
{
    CScannerManager::CAppIdentity identity;
    const CSettingsManager* pSettings = GetSettingsManager();
    identity.nLanguage = pSettings != nullptr ? pSettings->GetLanguage() : 0;
    m_pScannerManager = new CScannerManager(*this, identity, this);
}

CMainFrame::~CMainFrame()
{
    m_Doc.RemoveObserver(this);
    if (m_Doc.GetUi() == m_pDocumentUi.get())
        m_Doc.SetUi(nullptr);
}

QAction* CMainFrame::AddCommand(unsigned nId, const QString& strText)
{
    auto* pAction = new QAction(strText, this);
    // The string table's prompt of the command: "prompt\ntooltip".
    if (CStringTable::Has(nId)) {
        pAction->setStatusTip(CQtText::Field(nId, 0));
        const QString strTip = CQtText::Field(nId, 1);
        if (!strTip.isEmpty())
            pAction->setToolTip(strTip);
    }
    m_Actions[nId] = pAction;
    return pAction;
}

void CMainFrame::CreateActions()
{
    for (const CCommandEntry& entry : kCommands) {
        QAction* pAction = AddCommand(entry.nId, tr(entry.pszText));
        if (entry.key.key() != Qt::Key_unknown)
            pAction->setShortcut(QKeySequence(entry.key));
        if (entry.pszIcon != nullptr)
            pAction->setIcon(CommandIcon(entry.pszIcon));
    }
    // The "New curve" commands, one for each kind of curve.
    for (const CWindowCurveKind& kind : CWindowCurveKinds::All()) {
        AddCommand(kind.nCommandId, tr(kind.pszCommandText))->setIcon(CommandIcon(kind.pszIcon));
        connect(m_Actions.at(kind.nCommandId), &QAction::triggered, this, [this, curveKind = kind.kind] {
            if (m_pView != nullptr)
                m_pView->OnNewCurve(curveKind);
            UpdateCommandStates();
        });
    }
    const std::pair<unsigned, void (CMainFrame::*)()> frameCommands[] = {
        {ID_FILE_OPEN_GRAPHIC, &CMainFrame::OnOpenGraphic},
        {ID_EDIT_PASTE, &CMainFrame::OnPastePicture},
        {ID_SCANNER_SELECT_SOURCE, &CMainFrame::OnScannerSelectSource},
        {ID_SCANNER_IMPORT, &CMainFrame::OnScannerImport},
        {ID_FILE_EXPORT, &CMainFrame::OnDataExport},
        {ID_FILE_OPEN, &CMainFrame::OnOpenDocument},
        {ID_FILE_SAVE_AS, &CMainFrame::OnSaveDocument},
        {ID_OPTIONS, &CMainFrame::OnOptions},
        {ID_HELP_FINDER, &CMainFrame::OnHelpFinder},
        {ID_APP_ABOUT, &CMainFrame::OnAppAbout},
        {ID_HELP, &CMainFrame::OnHelp},
        {ID_CONTEXT_HELP, &CMainFrame::OnContextHelp},
    };
    for (const auto& command : frameCommands) {
        connect(m_Actions.at(command.first), &QAction::triggered, this, [this, pSlot = command.second] {
            (this->*pSlot)();
            UpdateCommandStates();
        });
    }
    connect(m_Actions.at(ID_APP_EXIT), &QAction::triggered, this, &CMainFrame::close);
    // The construction, selection and zoom commands are the view's.
    const std::pair<unsigned, void (CViewCommands::*)()> viewCommands[] = {
        {ID_CONSTRUCT_COORDSYST, &CViewCommands::OnNewCoordSyst},
        {ID_CONSTRUCT_BOTH, &CViewCommands::OnNewCoordSystAndCurve},
        {ID_MODIFY_SELECTED, &CViewCommands::OnModifySelected},
        {ID_DELETE_SELECTED, &CViewCommands::OnDeleteSelected},
        {ID_VIEW_ZOOM, &CViewCommands::OnZoom},
    };
    for (const auto& command : viewCommands) {
        connect(m_Actions.at(command.first), &QAction::triggered, this, [this, pOperation = command.second] {
            if (m_pView != nullptr)
                (m_pView->*pOperation)();
            UpdateCommandStates();
        });
    }
    // F1 and Shift+F1 work anywhere in the window without a menu item.
    addAction(m_Actions.at(ID_HELP));
    addAction(m_Actions.at(ID_CONTEXT_HELP));
}

void CMainFrame::CreateToolBar()
{
    m_pToolBar = new QToolBar(tr("Toolbar"), this);
    m_pToolBar->setObjectName(QStringLiteral("ToolBar"));
    m_pToolBar->setAllowedAreas(Qt::AllToolBarAreas);
    m_pToolBar->setIconSize(QSize(24, 24));
    std::vector<unsigned> buttons = {ID_FILE_OPEN_GRAPHIC, ID_FILE_EXPORT, 0};
    for (const CWindowCurveKind& kind : CWindowCurveKinds::All())
        buttons.push_back(kind.nCommandId);
    buttons.insert(buttons.end(), {ID_CONSTRUCT_BOTH, ID_CONSTRUCT_COORDSYST});
    for (unsigned nId : buttons) {
        if (nId == 0)
            m_pToolBar->addSeparator();
        else
            m_pToolBar->addAction(m_Actions.at(nId));
    }
    addToolBar(Qt::TopToolBarArea, m_pToolBar);

    QAction* pToggle = m_pToolBar->toggleViewAction();
    pToggle->setText(tr("&Toolbar"));
    pToggle->setStatusTip(CQtText::Field(ID_VIEW_TOOLBAR, 0));
    pToggle->setToolTip(CQtText::Field(ID_VIEW_TOOLBAR, 1));
    m_Actions[ID_VIEW_TOOLBAR] = pToggle;
}

void CMainFrame::CreateMenus()
{
    QMenu* pFile = menuBar()->addMenu(tr("&File"));
    pFile->addAction(m_Actions.at(ID_FILE_OPEN_GRAPHIC));
    pFile->addAction(m_Actions.at(ID_EDIT_PASTE));
    QMenu* pScanner = pFile->addMenu(tr("Scanner"));
    pScanner->addAction(m_Actions.at(ID_SCANNER_SELECT_SOURCE));
    pScanner->addAction(m_Actions.at(ID_SCANNER_IMPORT));
    pFile->addAction(m_Actions.at(ID_FILE_EXPORT));
    pFile->addSeparator();
    pFile->addAction(m_Actions.at(ID_FILE_OPEN));
    pFile->addAction(m_Actions.at(ID_FILE_SAVE_AS));
    pFile->addSeparator();
    pFile->addAction(m_Actions.at(ID_APP_EXIT));
    m_pRecentDocuments = new CRecentDocuments(pFile, m_Actions.at(ID_APP_EXIT), this);
    connect(m_pRecentDocuments, &CRecentDocuments::OpenRequested, this, [this](const QString& strPath) {
        if (!m_pDocumentUi->OpenFile(strPath))
            m_pRecentDocuments->Remove(strPath);
    });

    QMenu* pConstruction = menuBar()->addMenu(tr("&Graph construction"));
    QMenu* pNewCurve = pConstruction->addMenu(tr("New &curve"));
    for (const CWindowCurveKind& kind : CWindowCurveKinds::All())
        pNewCurve->addAction(m_Actions.at(kind.nCommandId));
    pConstruction->addAction(m_Actions.at(ID_CONSTRUCT_COORDSYST));
    pConstruction->addAction(m_Actions.at(ID_CONSTRUCT_BOTH));
    pConstruction->addSeparator();
    pConstruction->addAction(m_Actions.at(ID_MODIFY_SELECTED));
    pConstruction->addSeparator();
    pConstruction->addAction(m_Actions.at(ID_DELETE_SELECTED));

    QMenu* pView = menuBar()->addMenu(tr("&View"));
    pView->addAction(m_Actions.at(ID_VIEW_TOOLBAR));
    pView->addAction(m_Actions.at(ID_VIEW_ZOOM));
    pView->addAction(m_Actions.at(ID_OPTIONS));

    QMenu* pHelp = menuBar()->addMenu(tr("&Help"));
    pHelp->addAction(m_Actions.at(ID_HELP_FINDER));
    pHelp->addSeparator();
    pHelp->addAction(m_Actions.at(ID_APP_ABOUT));

    for (QMenu* pMenu : {pFile, pScanner, pConstruction, pNewCurve, pView, pHelp})
        connect(pMenu, &QMenu::aboutToShow, this, &CMainFrame::UpdateCommandStates);
}

QAction* CMainFrame::GetAction(unsigned nId) const
{
    auto it = m_Actions.find(nId);
    return it != m_Actions.end() ? it->second : nullptr;
}

std::vector<unsigned> CMainFrame::GetCommandIds() const
{
    std::vector<unsigned> ids;
    for (const auto& entry : m_Actions)
        ids.push_back(entry.first);
    return ids;
}

QMenu* CMainFrame::GetMenu(int nIndex) const
{
    const QList<QAction*> menus = menuBar()->actions();
    return nIndex >= 0 && nIndex < menus.size() ? menus[nIndex]->menu() : nullptr;
}

void CMainFrame::SetViewCommands(CViewCommands* pView)
{
    m_pView = pView;
    UpdateCommandStates();
}

CShellState CMainFrame::GetShellState() const
{
    CShellState state;
    state.m_bViewExists = m_pView != nullptr;
    state.m_bConstructionActive = m_pView != nullptr && m_pView->IsConstructionActive();
    state.m_bScannerExists = m_pScannerManager != nullptr && m_pScannerManager->HasSourceManager();
    state.m_bScannerCanAcquire = state.m_bScannerExists && m_pScannerManager->CanAcquire();
    state.m_bScannerBusy = m_pScannerManager != nullptr && m_pScannerManager->IsBusy();
    return state;
}

void CMainFrame::UpdateCommandStates()
{
    const CShellState state = GetShellState();
    for (const auto& entry : m_Actions) {
        if (entry.first != ID_VIEW_TOOLBAR)
            entry.second->setEnabled(CCommandState::IsEnabled(entry.first, m_Doc, state));
    }
}

void CMainFrame::UpdateTitle()
{
    const QString strApp = CQtText::String(IDS_APP_NAME);
    const QString strTitle = CQtText::TitleToQString(m_Doc.GetTitle());
    setWindowTitle(strTitle.isEmpty() ? strApp : strTitle + QStringLiteral(" - ") + strApp);
}

void CMainFrame::SetCoordinateTexts(const QString& strX, const QString& strY)
{
    m_pStatusBar->SetCoordinateTexts(strX, strY);
}

void CMainFrame::RunStartupPrompt()
{
    if (m_Doc.GetBmpManager()->IsLoaded())
        return;
    const CSettingsManager* pSettings = GetSettingsManager();
    switch (pSettings != nullptr ? pSettings->GetStartingJob() : 0) {
        case 0:
            m_Actions.at(ID_FILE_OPEN_GRAPHIC)->trigger();
            break;
        case 1:
            if (GetShellState().m_bScannerCanAcquire)
                OnScannerImport();
            else
                AfxMessageBox(IDS_NO_SCANNER, CMessageService::Icon::Exclamation);
            UpdateCommandStates();
            break;
        default:
            break;
    }
}

void CMainFrame::WinHelp(unsigned nContext)
{
    CHelpWindow::ShowContext(nContext, *this);
}

// ---- document notifications

void CMainFrame::OnReinitialize()
{
    UpdateCommandStates();
}

void CMainFrame::OnDocumentChanged()
{
    UpdateCommandStates();
}

void CMainFrame::OnTitleChanged()
{
    UpdateTitle();
    // A document was opened or saved under this name.
    if (m_pRecentDocuments != nullptr && !m_Doc.GetPathName().empty())
        m_pRecentDocuments->Add(CQtText::PathToQString(m_Doc.GetPathName()));
}

void CMainFrame::OnModifiedChanged(bool /*bModified*/)
{
    UpdateCommandStates();
}

void CMainFrame::closeEvent(QCloseEvent* pEvent)
{
    if (m_Doc.CanCloseFrame())
        pEvent->accept();
    else
        pEvent->ignore();
}

// ---- commands

void CMainFrame::OnOpenGraphic()
{
    m_Doc.OnOpenGraphic();
}

void CMainFrame::OnPastePicture()
{
    const QImage image = QGuiApplication::clipboard()->image();
    if (image.isNull()) {
        AfxMessageBox(IDS_NO_CLIPBOARD_PICTURE, CMessageService::Icon::Information);
        return;
    }
    const std::vector<uint8_t> dib = CClipboardPicture::ToPackedDib(image);
    if (dib.empty()) {
        AfxMessageBox(IDS_PICTURE_TOO_LARGE, CMessageService::Icon::Stop);
        return;
    }
    if (m_Doc.SaveModified())
        ReplaceDocumentByPicture(dib);
}

void CMainFrame::ReplaceDocumentByPicture(const std::vector<uint8_t>& dib)
{
    // A new piece of work: the axes and curves of the one before do not belong on it.
    m_Doc.DeleteContents();
    m_Doc.AcceptScannedBitmap(dib);
}

void CMainFrame::dragEnterEvent(QDragEnterEvent* pEvent)
{
    if (!DroppedFile(pEvent->mimeData()).isEmpty() && IsEnabledCommand(ID_FILE_OPEN_GRAPHIC))
        pEvent->acceptProposedAction();
}

void CMainFrame::dropEvent(QDropEvent* pEvent)
{
    const QString strPath = DroppedFile(pEvent->mimeData());
    if (strPath.isEmpty() || !IsEnabledCommand(ID_FILE_OPEN_GRAPHIC))
        return;
    pEvent->acceptProposedAction();
    // Opened once the drop is over, so that the source of the drag is not kept waiting by
    // the questions and the loading.
    QTimer::singleShot(0, this, [this, strPath] {
        m_pDocumentUi->OpenFile(strPath);
        UpdateCommandStates();
    });
}

QString CMainFrame::DroppedFile(const QMimeData* pData)
{
    if (pData == nullptr || !pData->hasUrls() || pData->urls().isEmpty())
        return QString();
    const QUrl url = pData->urls().constFirst();
    return url.isLocalFile() ? url.toLocalFile() : QString();
}

bool CMainFrame::IsEnabledCommand(unsigned nId) const
{
    return CCommandState::IsEnabled(nId, m_Doc, GetShellState());
}

void CMainFrame::OnScannerSelectSource()
{
    if (m_pScannerManager == nullptr)
        return;
    m_pScannerManager->SelectSource();
    if (m_pScannerManager->GetLastReturnCode() == TWRC_FAILURE &&
        m_pScannerManager->GetLastConditionCode() == TWCC_NODS)
        AfxMessageBox(IDS_NO_SCANNER, CMessageService::Icon::Exclamation);
}

void CMainFrame::OnScannerImport()
{
    if (m_pScannerManager == nullptr || !m_Doc.SaveModified())
        return;
    // The document keeps what it holds until a picture arrives: a scan that fails or is
    // cancelled changes nothing.
    m_bScanDelivered = false;
    if (!m_pScannerManager->Acquire(1))
        ShowScanFailure(m_pScannerManager->GetLastReturnCode(), m_pScannerManager->GetLastConditionCode());
}

void CMainFrame::OnScannerMessage(ScannerMessage nMessage, std::vector<uint8_t>* pDib, long /*lParam*/)
{
    if (nMessage == WM_SCANNER_IMAGE && pDib != nullptr) {
        m_bScanDelivered = true;
        ReplaceDocumentByPicture(*pDib);
    } else if (nMessage == WM_SCANNER_CLOSED && !m_bScanDelivered && m_pScannerManager != nullptr) {
        const CTwain::CFailure& failure = m_pScannerManager->GetTransferFailure();
        if (failure.IsFailure())
            ShowScanFailure(failure.nReturnCode, failure.nConditionCode);
    }
    UpdateCommandStates();
}

void CMainFrame::ShowScanFailure(TW_UINT16 nReturnCode, TW_UINT16 nConditionCode)
{
    AfxMessageBox(CScanFailure::Message(nReturnCode, nConditionCode), nReturnCode == TWRC_CANCEL
                                                                          ? CMessageService::Icon::Information
                                                                          : CMessageService::Icon::Stop);
}

void CMainFrame::OnDataExport()
{
    m_Doc.OnExport();
}

void CMainFrame::OnOpenDocument()
{
    m_pDocumentUi->OpenDocument();
}

void CMainFrame::OnSaveDocument()
{
    m_pDocumentUi->SaveDocumentAs();
}

void CMainFrame::OnOptions()
{
    if (CSettingsManager* pSettings = GetSettingsManager())
        COptionsSheet::Run(*pSettings, this);
}

void CMainFrame::OnHelpFinder()
{
    WinHelp(0);
}

void CMainFrame::OnHelp()
{
    WinHelp(HID_MAIN_WINDOW);
}

void CMainFrame::OnContextHelp()
{
    // A click on the main window in the help mode shows its topic; dialogs name their own.
    CHelpWindow::SetHelpContext(*this, HID_MAIN_WINDOW);
    CHelpWindow::EnterHelpMode();
}

void CMainFrame::OnAppAbout()
{
    CAboutDlg dlg(this);
    dlg.exec();
}
