#include <functional>

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <gtest/gtest.h>

#include "Dm/PlotvaneDoc.h"
#include "ShellTestSupport.h"
#include "WizardTestSupport.h"
#include "main/help/AboutDlg.h"
#include "main/frame/MainFrame.h"
#include "main/frame/PlotvaneApp.h"
#include "main/adapters/QtDocumentUi.h"
#include "main/adapters/QtMessageService.h"
#include "main/adapters/QtText.h"
#include "main/frame/SavePromptDlg.h"
#include "platform/MessageService.h"
#include "platform/WaitCursor.h"

namespace {

// Installs a message service for the life of a test.
class CInstalledService {
public:
    CInstalledService() { CMessageService::Install(&m_Service); }
    ~CInstalledService() { CMessageService::Install(nullptr); }
    CQtMessageService m_Service;
};

}  // namespace

TEST(QtMessageServiceTest, BoxesCarryTheProgramsTitleIconButtonsAndTheAnswerGiven)
{
    CInstalledService installed;
    CSeenBox seen;
    AnswerNextBox(QMessageBox::No, seen);
    EXPECT_EQ(
        AfxMessageBox("Delete it?", CMessageService::Icon::Exclamation, CMessageService::Buttons::YesNo),
        CMessageService::Answer::No);
    EXPECT_EQ(seen.strTitle, QStringLiteral("Plotvane"));
    EXPECT_EQ(seen.strText, QStringLiteral("Delete it?"));
    EXPECT_EQ(seen.icon, QMessageBox::Warning);
    EXPECT_EQ(seen.buttons, QMessageBox::Yes | QMessageBox::No);

    AnswerNextBox(QMessageBox::Cancel, seen);
    EXPECT_EQ(installed.m_Service.MessageBox("x", CMessageService::Icon::Stop,
                                             CMessageService::Buttons::YesNoCancel, "Caption \xE9"),
              CMessageService::Answer::Cancel);
    EXPECT_EQ(seen.strTitle, QStringLiteral("Caption \u00E9"));
    EXPECT_EQ(seen.icon, QMessageBox::Critical);

    AnswerNextBox(QMessageBox::Ok, seen);
    EXPECT_EQ(AfxMessageBox("Done", CMessageService::Icon::Information), CMessageService::Answer::Ok);
    EXPECT_EQ(seen.icon, QMessageBox::Information);
    EXPECT_EQ(seen.buttons, QMessageBox::Ok);
}

TEST(QtMessageServiceTest, WaitCursorStaysUpUntilTheOutermostScopeEnds)
{
    CInstalledService installed;
    {
        CWaitCursor outer;
        {
            CWaitCursor inner;
            ASSERT_NE(QGuiApplication::overrideCursor(), nullptr);
        }
        ASSERT_NE(QGuiApplication::overrideCursor(), nullptr);
        EXPECT_EQ(QGuiApplication::overrideCursor()->shape(), Qt::WaitCursor);
    }
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
    // An end without a beginning does not take down somebody else's cursor.
    QGuiApplication::setOverrideCursor(QCursor(Qt::CrossCursor));
    installed.m_Service.EndWaitCursor();
    ASSERT_NE(QGuiApplication::overrideCursor(), nullptr);
    QGuiApplication::restoreOverrideCursor();
}

TEST(QtDocumentUiTest, FiltersBecomeQtFilters)
{
    EXPECT_EQ(CQtDocumentUi::ToQtFilter("Graphic files|*.bmp; *.jpg;*.png|All files (*.*)|*.*||"),
              QStringLiteral("Graphic files (*.bmp *.jpg *.png);;All files (*)"));
    EXPECT_EQ(CQtDocumentUi::DocumentFilter(), QStringLiteral("Plotvane Files (*.pvd);;All files (*)"));
    EXPECT_EQ(CQtDocumentUi::ToQtFilter(""), QString());
}

TEST(QtDocumentUiTest, FailuresToOpenOrSaveNameTheFileAndTheReason)
{
    CInstalledService installed;
    CPlotvaneDoc doc;
    CMainFrame frame(doc);
    CQtDocumentUi& ui = frame.GetDocumentUi();
    const QString strWork = QString::fromUtf8(PLOTVANE_TEST_WORK);

    // "caf\u00E9.png": the path reaches the message whole, whatever its characters.
    CSeenBox seen;
    AnswerNextBox(QMessageBox::Ok, seen);
    const QString strMissing = strWork + QStringLiteral("/caf\u00E9.png");
    EXPECT_FALSE(ui.OpenFile(strMissing));
    EXPECT_EQ(seen.strText, QStringLiteral("Failed to Open this file !\n") + strMissing +
                                QStringLiteral(": No such file or directory"));
    EXPECT_EQ(seen.icon, QMessageBox::Critical);

    ASSERT_TRUE(doc.OpenBitmap(MakeTestPicture("saved.bmp", 40, 30)));
    const std::string strFolder = std::string(PLOTVANE_TEST_WORK) + "/no-such-folder";
    const std::string strNoFolder = strFolder + "/saved.pvd";
    doc.SetPathName(strNoFolder);
    AnswerNextBox(QMessageBox::Ok, seen);
    EXPECT_FALSE(ui.DoFileSave());
    EXPECT_EQ(seen.strText, QStringLiteral("Cannot write into the file.\nCannot write the file ") +
                                QString::fromStdString(strNoFolder) + QStringLiteral(".\nThe folder ") +
                                QString::fromStdString(strFolder) + QStringLiteral(" does not exist."));
    EXPECT_EQ(seen.icon, QMessageBox::Critical);
}

TEST(MainFrameTest, ClosingAModifiedDocumentAsksFirstAndCancelKeepsTheWindow)
{
    CInstalledService installed;
    CPlotvaneDoc doc;
    CMainFrame frame(doc);
    ASSERT_TRUE(doc.OpenBitmap(MakeTestPicture("graph.bmp", 40, 30)));
    frame.show();
    doc.SetModifiedFlag(true);

    // The prompt names the document and offers Yes, No and Cancel.
    QString strQuestion;
    WhenModal([&strQuestion](QWidget* pModal) {
        auto* pPrompt = qobject_cast<CSavePromptDlg*>(pModal);
        ASSERT_NE(pPrompt, nullptr);
        strQuestion = pPrompt->findChild<QLabel*>(QStringLiteral("questionText"))->text();
        for (const char* pszButton : {"yesButton", "noButton"})
            EXPECT_NE(pPrompt->findChild<QPushButton*>(QLatin1String(pszButton)), nullptr);
        pPrompt->findChild<QPushButton*>(QStringLiteral("cancelButton"))->click();
    });
    EXPECT_FALSE(frame.close());
    EXPECT_TRUE(frame.isVisible());
    EXPECT_TRUE(strQuestion.contains(QStringLiteral("graph.bmp")));

    WhenModal([](QWidget* pModal) { pModal->findChild<QPushButton*>(QStringLiteral("noButton"))->click(); });
    EXPECT_TRUE(frame.close());
    EXPECT_FALSE(frame.isVisible());
}

TEST(AboutDlgTest, ShowsTheVersionAndBuildNumber)
{
    CAboutDlg dlg;
    EXPECT_EQ(dlg.GetVersionText(), QStringLiteral("Plotvane Version 1.04.000"));
    EXPECT_EQ(dlg.windowTitle(), QStringLiteral("About Plotvane"));
    EXPECT_EQ(CPlotvaneApp::VersionLine(), QStringLiteral("Plotvane 1.04.000"));
}
