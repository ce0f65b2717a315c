#include "main/frame/PlotvaneApp.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include "Dm/PlotvaneDoc.h"
#include "Dm/SettingsManager.h"
#include "main/help/AboutDlg.h"
#include "main/help/HelpTopics.h"
#include "main/frame/MainFrame.h"
#include "main/adapters/QtDocumentUi.h"
#include "main/adapters/QtSettingsBackend.h"
#include "main/adapters/QtText.h"
#include "main/adapters/SettingsStoreFile.h"
#include "platform/MessageService.h"
#include "platform/NumberFormat.h"
#include "platform/StringIds.h"
#include "platform/StringTable.h"

CPlotvaneApp::CPlotvaneApp() = default;

CPlotvaneApp::~CPlotvaneApp()
{
    ExitInstance();
}

QString CPlotvaneApp::VersionLine()
{
    return CQtText::String(IDS_APP_NAME) + QLatin1Char(' ') + QLatin1String(CAboutDlg::kVersion);
}

bool CPlotvaneApp::InitInstance(const QStringList& arguments)
{
    // Every per-user setting lives under the maker's and the product's names.
    m_pSettingsBackend = std::make_unique<CQtSettingsBackend>();
    CSettingsManager::SetBackend(m_pSettingsBackend.get());
    LoadLanguage();

    CMessageService::Install(&m_MessageService);
    m_pDoc = std::make_unique<CPlotvaneDoc>();
    m_pMainFrame = std::make_unique<CMainFrame>(*m_pDoc);
    m_MessageService.SetParent(m_pMainFrame.get());

    if (!ProcessCommandLine(arguments))
        return false;

    m_pMainFrame->showMaximized();
    QCoreApplication::processEvents();
    // Said once the window is there: the language chosen cannot be had this time.
    if (m_Language.WasRefused())
        AfxMessageBox(FormatWithString(CStringTable::Get(IDS_LANGUAGE_FILE_DAMAGED),
                                       CQtText::FromQString(QDir::toNativeSeparators(m_strLanguageFile))),
                      CMessageService::Icon::Exclamation);
    if (CSettingsStoreFile::Get().IsReadOnly())
        AfxMessageBox(FormatWithString(
                          CStringTable::Get(IDS_SETTINGS_NOT_SAVED),
                          CQtText::FromQString(QDir::toNativeSeparators(m_pSettingsBackend->GetFileName()))),
                      CMessageService::Icon::Information);
    m_pMainFrame->RunStartupPrompt();
    return true;
}

void CPlotvaneApp::LoadLanguage()
{
    const CSettingsManager* pSettings = GetSettingsManager();
    if (pSettings == nullptr)
        return;
    // The help follows the setting even when the language file is missing.
    CHelpTopics::ChooseLanguage();
    const QString strDir =
        m_strResourceDir.isEmpty() ? QCoreApplication::applicationDirPath() : m_strResourceDir;
    // A missing resource leaves the built-in English, and nobody is told; a damaged one is
    // refused and the user told once the window is shown.
    m_strLanguageFile = CLanguageResource::FileFor(pSettings->GetResourceLibraryName(), strDir);
    m_Language.Load(m_strLanguageFile);
}

bool CPlotvaneApp::ProcessCommandLine(const QStringList& arguments)
{
    QString strFile;
    for (int i = 1; i < arguments.size() && strFile.isEmpty(); ++i) {
        if (!arguments[i].startsWith(QLatin1Char('-')))
            strFile = arguments[i];
    }
    if (strFile.isEmpty())
        return m_pDoc->OnNewDocument();

    return m_pMainFrame->GetDocumentUi().OpenFile(strFile);
}

int CPlotvaneApp::ExitInstance()
{
    m_pMainFrame.reset();
    m_pDoc.reset();
    m_MessageService.SetParent(nullptr);
    if (&CMessageService::Get() == &m_MessageService)
        CMessageService::Install(nullptr);
    if (m_pSettingsBackend != nullptr) {
        ReleaseSettingsManager();
        CSettingsManager::SetBackend(nullptr);
        m_pSettingsBackend.reset();
    }
    m_Language.Unload();
    CHelpTopics::SetLanguage(CHelpTopics::Language::English);
    return 0;
}
