#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QSettings>
#include <QFile>
#include <QTimer>
#include <gtest/gtest.h>

#include "Dm/PlotvaneDoc.h"
#include "Dm/SettingsManager.h"
#include "ShellTestSupport.h"
#include "main/help/HelpWindow.h"
#include "main/frame/MainFrame.h"
#include "main/frame/PlotvaneApp.h"
#include "platform/StringIds.h"
#include "platform/StringTable.h"

namespace {

const QString kResourceDir = QStringLiteral(PLOTVANE_RESOURCE_DIR);

QString MenuTitle(const CMainFrame& frame, int nIndex)
{
    return frame.GetMenu(nIndex) != nullptr ? frame.GetMenu(nIndex)->title() : QString();
}

class PlotvaneAppTest : public ::testing::Test {
protected:
    void SetUp() override { ClearTestSettings(); }
    void TearDown() override { ClearTestSettings(); }
};

// Closes a dialog that is still open a while after start-up (the graphic file dialog of the
// start-up prompt), and tells whether there was one.
class CDialogWatch {
public:
    CDialogWatch()
    {
        m_Timer.setSingleShot(true);
        QObject::connect(&m_Timer, &QTimer::timeout, [this] {
            if (QWidget* pModal = QApplication::activeModalWidget()) {
                m_bSeen = true;
                pModal->close();
            }
        });
        m_Timer.start(1000);
    }
    QTimer m_Timer;
    bool m_bSeen = false;
};

}  // namespace

TEST_F(PlotvaneAppTest, ADocumentOnTheCommandLineIsOpenedWithoutTheStartUpPrompt)
{
    const std::string strDocument = std::string(PLOTVANE_TEST_WORK) + "/graph.pvd";
    {
        CPlotvaneDoc doc;
        ASSERT_TRUE(doc.OpenBitmap(MakeTestPicture("graph.bmp", 40, 30)));
        ASSERT_TRUE(doc.OnSaveDocument(strDocument));
    }
    CDialogWatch watch;
    CPlotvaneApp app;
    app.SetResourceDir(kResourceDir);
    ASSERT_TRUE(app.InitInstance({QStringLiteral("plotvane"), QString::fromStdString(strDocument)}));
    EXPECT_EQ(app.GetMainFrame()->windowTitle(), QStringLiteral("graph.pvd - Plotvane"));
    EXPECT_EQ(app.GetDocument()->GetPathName(), strDocument);
    EXPECT_FALSE(watch.m_bSeen);
}

TEST_F(PlotvaneAppTest, ADocumentThatCannotBeReadEndsTheStartWithAMessage)
{
    const std::string strDocument = std::string(PLOTVANE_TEST_WORK) + "/damaged.pvd";
    {
        QFile file(QString::fromStdString(strDocument));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("not a document");
    }
    CSeenBox seen;
    AnswerNextBox(QMessageBox::Ok, seen);
    CPlotvaneApp app;
    EXPECT_FALSE(app.InitInstance({QStringLiteral("plotvane"), QString::fromStdString(strDocument)}));
    // The message it always gave, then the file and the reason.
    EXPECT_TRUE(seen.strText.startsWith(QStringLiteral("Failed to Open this file !\n") +
                                        QString::fromStdString(strDocument) + QStringLiteral(": ")))
        << seen.strText.toStdString();
    EXPECT_EQ(seen.icon, QMessageBox::Critical);
}

TEST_F(PlotvaneAppTest, StartUpTakesTheLanguageFromTheSettings)
{
    {
        QSettings settings(TestSettingsFile(), QSettings::IniFormat);
        settings.setValue(QStringLiteral("General/Version"), QStringLiteral("V120"));
        settings.setValue(QStringLiteral("General/Language"), 1);
        settings.setValue(QStringLiteral("Prompt/StartingJob"), 2);
    }
    {
        CDialogWatch watch;
        CPlotvaneApp app;
        app.SetResourceDir(kResourceDir);
        ASSERT_TRUE(app.InitInstance({QStringLiteral("plotvane")}));
        EXPECT_FALSE(watch.m_bSeen);
        ASSERT_NE(app.GetMainFrame(), nullptr);
        EXPECT_TRUE(app.GetMainFrame()->isMaximized());
        EXPECT_EQ(MenuTitle(*app.GetMainFrame(), 1), QStringLiteral("&Construction du graphe"));
        EXPECT_EQ(app.GetMainFrame()->windowTitle(), QStringLiteral("Sans titre - Plotvane"));
        // English chosen in the options: the help stays French, as the interface does, until
        // the next start.
        GetSettingsManager()->GetLanguageValue().Set(0);
        app.GetMainFrame()->WinHelp(0);
        const auto* pHelp = app.GetMainFrame()->findChild<CHelpWindow*>();
        ASSERT_NE(pHelp, nullptr);
        EXPECT_EQ(pHelp->GetPage(), QUrl(QStringLiteral("qrc:/help/fr/index.html")));
        app.ExitInstance();
    }
    EXPECT_EQ(CStringTable::Get(IDS_UNTITLED), "Untitled");
}

TEST_F(PlotvaneAppTest, WithoutAPictureTheStartUpPromptOpensTheGraphicDialogOrTellsThereIsNoScanner)
{
    {
        CDialogWatch watch;
        CPlotvaneApp app;
        ASSERT_TRUE(app.InitInstance({QStringLiteral("plotvane")}));
        // The graphic file dialog was open, and closing it leaves the empty window.
        EXPECT_TRUE(watch.m_bSeen);
        EXPECT_TRUE(app.GetMainFrame()->isVisible());
        app.ExitInstance();
    }
    {
        QSettings settings(TestSettingsFile(), QSettings::IniFormat);
        settings.setValue(QStringLiteral("Prompt/StartingJob"), 1);
    }
    CSeenBox seen;
    AnswerNextBox(QMessageBox::Ok, seen);
    CPlotvaneApp app;
    ASSERT_TRUE(app.InitInstance({QStringLiteral("plotvane")}));
    EXPECT_EQ(seen.strText, QStringLiteral("Sorry, there is no available scanner."));
    EXPECT_EQ(seen.icon, QMessageBox::Warning);
}
