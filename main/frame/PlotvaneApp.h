#pragma once

#include <memory>

#include <QString>
#include <QStringList>

#include "main/frame/LanguageResource.h"
#include "main/adapters/QtMessageService.h"

class CMainFrame;
class CPlotvaneDoc;
class CQtSettingsBackend;

// The application: starts the program (settings, interface language, the document and its
// main window, the command line, the start-up prompt) and ends it (the settings are
// written back). Owns the settings store, the language resource, the message service, the
// document and the main window; the window is destroyed before the document it shows.
class CPlotvaneApp {
public:
    CPlotvaneApp();
    ~CPlotvaneApp();
    CPlotvaneApp(const CPlotvaneApp&) = delete;
    CPlotvaneApp& operator=(const CPlotvaneApp&) = delete;

    // "Plotvane 1.04.000", as `plotvane --version` prints it.
    static QString VersionLine();

    // Where the language resources are looked for; the program's own folder unless set.
    void SetResourceDir(const QString& strDir) { m_strResourceDir = strDir; }

    // The start-up sequence. arguments are the program's (the first is the program itself);
    // the first one that is not an option names a document (".pvd") or a picture to open.
    // False when the program must end at once: a file named on the command line could not
    // be opened.
    bool InitInstance(const QStringList& arguments);
    // Destroys the window, then the settings store writes every value back. Returns the
    // exit code.
    int ExitInstance();

    CMainFrame* GetMainFrame() const { return m_pMainFrame.get(); }
    CPlotvaneDoc* GetDocument() const { return m_pDoc.get(); }
    const CLanguageResource& GetLanguageResource() const { return m_Language; }

private:
    void LoadLanguage();
    bool ProcessCommandLine(const QStringList& arguments);

    QString m_strResourceDir;
    QString m_strLanguageFile;
    std::unique_ptr<CQtSettingsBackend> m_pSettingsBackend;
    CLanguageResource m_Language;
    CQtMessageService m_MessageService;
    std::unique_ptr<CPlotvaneDoc> m_pDoc;
    std::unique_ptr<CMainFrame> m_pMainFrame;
};
