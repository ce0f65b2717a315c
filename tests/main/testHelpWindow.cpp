#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QFile>
#include <QMouseEvent>
#include <QPushButton>
#include <QWhatsThis>
#include <QtTest/QTest>
#include <gtest/gtest.h>

#include "Dm/PlotvaneDoc.h"
#include "Dm/SettingsManager.h"
#include "ShellTestSupport.h"
#include "WizardTestSupport.h"
#include "main/help/AboutDlg.h"
#include "main/steps/axes/AxeDialog.h"
#include "main/fields/ColorChooseDialog.h"
#include "main/frame/CommandIds.h"
#include "main/wizard/ConstructionCommands.h"
#include "main/wizard/CurveKindDialog.h"
#include "main/export/ExportPromptDlg.h"
#include "main/help/HelpTopics.h"
#include "main/help/HelpWindow.h"
#include "main/frame/MainFrame.h"
#include "main/view/ZoomDialog.h"

namespace {

using Language = CHelpTopics::Language;

// The contents, the main window and every dialog with a Help button, by resource number.
const unsigned kHelpResources[] = {0,   100, 128, 129, 130, 131, 132, 133, 134, 135, 136,
                                   137, 138, 139, 140, 141, 142, 143, 144, 155, 164, 167,
                                   171, 172, 173, 177, 180, 181, 187, 193, 195};

QString PageText(const QUrl& page)
{
    QFile file(QLatin1Char(':') + page.path());
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

QUrl Page(const char* pszLanguage, const char* pszFile)
{
    return QUrl(QStringLiteral("qrc:/help/%1/%2").arg(QLatin1String(pszLanguage), QLatin1String(pszFile)));
}

CHelpWindow* Window(QWidget& owner, const char* pszName)
{
    return owner.findChild<CHelpWindow*>(QLatin1String(pszName), Qt::FindDirectChildrenOnly);
}

// Makes window the active window, as a click on it does.
void Activate(QWidget& window)
{
    CWizardBench::Settle();
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitFor([&window] { return QApplication::activeWindow() == &window; }));
}

// The page shown by the help window of that name which belongs to owner, empty without one.
QUrl Shown(QWidget& owner, const char* pszName)
{
    const CHelpWindow* pWindow = Window(owner, pszName);
    return pWindow != nullptr && pWindow->isVisible() ? pWindow->GetPage() : QUrl();
}

class HelpWindowTest : public ::testing::Test {
protected:
    void TearDown() override
    {
        GetSettingsManager()->GetLanguageValue().Set(0);
        CHelpTopics::ChooseLanguage();
        ReleaseSettingsManager();
    }

    CPlotvaneDoc m_Doc;
};

}  // namespace

TEST_F(HelpWindowTest, EveryHelpContextHasATopicInBothLanguagesLinkedFromTheContents)
{
    const CHelpTopics& topics = CHelpTopics::Installed();
    EXPECT_EQ(topics.GetContexts().size(), std::size(kHelpResources));
    for (const Language language : {Language::English, Language::French}) {
        const QString strContents = PageText(topics.PageUrl(0, language));
        for (unsigned nResource : kHelpResources) {
            const unsigned nContext = CHelpTopics::ContextOf(nResource);
            ASSERT_TRUE(topics.Has(nContext)) << "no topic for resource " << nResource;
            const QUrl page = topics.PageUrl(nContext, language);
            EXPECT_TRUE(PageText(page).contains(QStringLiteral("<title>"))) << page.toString().toStdString();
            EXPECT_TRUE(nResource == 0 ||
                        strContents.contains(QStringLiteral("href=\"%1\"").arg(page.fileName())))
                << page.toString().toStdString();
        }
    }
}

TEST_F(HelpWindowTest, TheIndexKeepsPagesInsideTheirFolderAndUnknownContextsShowTheContents)
{
    const CHelpTopics topics = CHelpTopics::Parse(
        QStringLiteral("# notes\n0 index.html\n171 x-axis.html\n172 ../../private.html\n"));
    EXPECT_TRUE(topics.Has(CHelpTopics::ContextOf(171)));
    EXPECT_FALSE(topics.Has(CHelpTopics::ContextOf(172)));
    EXPECT_EQ(topics.PageUrl(0x20000 + 172, Language::French), Page("fr", "index.html"));
}

TEST_F(HelpWindowTest, WinHelpShowsTheTopicOfAContextInTheWindowOfItsNameAndLanguage)
{
    CMainFrame frame(m_Doc);
    frame.WinHelp(0);
    CHelpWindow* pDefault = Window(frame, CHelpWindow::kDefaultWindow);
    ASSERT_NE(pDefault, nullptr);
    EXPECT_EQ(pDefault->GetPage(), Page("en", "index.html"));
    frame.GetAction(ID_HELP)->trigger();
    EXPECT_EQ(pDefault->GetPage(), Page("en", "main-window.html"));

    frame.WinHelp(0x20000 + 171);
    CHelpWindow* pCommand = Window(frame, CHelpWindow::kCommandWindow);
    ASSERT_NE(pCommand, nullptr);
    EXPECT_EQ(pCommand->GetPage(), Page("en", "x-axis.html"));
    EXPECT_TRUE(pCommand->windowTitle().startsWith(QStringLiteral("X axis and scale")));

    // One window per name; the language is the one chosen at start-up, whatever the
    // settings say since.
    GetSettingsManager()->GetLanguageValue().Set(1);
    frame.WinHelp(0x20000 + 171);
    EXPECT_EQ(frame.findChildren<CHelpWindow*>().size(), 2);
    EXPECT_EQ(pCommand->GetPage(), Page("en", "x-axis.html"));
    CHelpTopics::ChooseLanguage();
    GetSettingsManager()->GetLanguageValue().Set(0);
    frame.WinHelp(0x20000 + 171);
    EXPECT_EQ(pCommand->GetPage(), Page("fr", "x-axis.html"));
}

TEST_F(HelpWindowTest, AClickInTheHelpModeOpensTheTopicOfTheDialogClicked)
{
    CMainFrame frame(m_Doc);
    frame.show();
    QDialog dialog(&frame);
    auto* pButton = new QPushButton(QStringLiteral("Draw axis"), &dialog);
    CHelpWindow::SetHelpContext(dialog, CHelpTopics::ContextOf(172));
    dialog.show();

    frame.GetAction(ID_CONTEXT_HELP)->trigger();
    EXPECT_TRUE(QWhatsThis::inWhatsThisMode());
    const QPointF center = QRectF(pButton->rect()).center();
    QMouseEvent press(QEvent::MouseButtonPress, center, pButton->mapToGlobal(center), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(pButton, &press);
    EXPECT_FALSE(QWhatsThis::inWhatsThisMode());
    CHelpWindow* pCommand = Window(frame, CHelpWindow::kCommandWindow);
    ASSERT_NE(pCommand, nullptr);
    EXPECT_EQ(pCommand->GetPage(), Page("en", "y-axis.html"));

    // A modal dialog keeps a help window of its own, which its modality does not block.
    dialog.setWindowModality(Qt::ApplicationModal);
    CHelpWindow* pModalHelp = CHelpWindow::ShowHelpOf(dialog);
    EXPECT_EQ(pModalHelp->parentWidget(), &dialog);
    EXPECT_EQ(pModalHelp->GetPage(), Page("en", "y-axis.html"));
}

TEST_F(HelpWindowTest, F1ShiftF1AndTheHelpButtonOfAStepDialogOpenItsTopic)
{
    CWizardBench bench;
    CConstructionCommands(bench.m_View, bench.m_Doc).NewCoordSyst();
    CAxeDialog* pDialog = bench.AxeDialog();
    ASSERT_NE(pDialog, nullptr);
    Activate(*pDialog);
    auto* pDrawAxis = pDialog->findChild<QWidget*>(QStringLiteral("drawAxisButton"));
    auto* pName = pDialog->findChild<QWidget*>(QStringLiteral("axisNameEdit"));
    ASSERT_NE(pName, nullptr);

    // F1 on a control opens the dialog's topic; the control's own text is its tool tip.
    pName->setFocus();
    QTest::keyClick(pName, Qt::Key_F1);
    EXPECT_EQ(Shown(bench.m_View, CHelpWindow::kCommandWindow), Page("en", "x-axis.html"));
    EXPECT_TRUE(pName->toolTip().contains(QStringLiteral("Enter the name of the axis. This name")));
    Window(bench.m_View, CHelpWindow::kCommandWindow)->hide();

    // Shift+F1, then a click on a control.
    Activate(*pDialog);
    QTest::keyClick(pName, Qt::Key_F1, Qt::ShiftModifier);
    ASSERT_TRUE(QWhatsThis::inWhatsThisMode());
    QTest::mouseClick(pDrawAxis, Qt::LeftButton);
    EXPECT_FALSE(QWhatsThis::inWhatsThisMode());
    EXPECT_EQ(Shown(bench.m_View, CHelpWindow::kCommandWindow), Page("en", "x-axis.html"));
    Window(bench.m_View, CHelpWindow::kCommandWindow)->hide();

    // The Help button opens the same topic.
    QTest::mouseClick(pDialog->findChild<QWidget*>(QStringLiteral("helpButton")), Qt::LeftButton);
    EXPECT_EQ(Shown(bench.m_View, CHelpWindow::kCommandWindow), Page("en", "x-axis.html"));
}

TEST_F(HelpWindowTest, TheCurveKindStepShowsItsHelpInAWindowOfItsOwn)
{
    CWizardBench bench;
    CConstructionCommands(bench.m_View, bench.m_Doc).NewCoordSystAndCurve();
    bench.DefineAxis({100, 250}, {300, 250}, {100, 250}, "0", {300, 250}, "10");
    bench.Dialog()->OnNext();
    bench.DefineAxis({100, 250}, {100, 50}, {100, 250}, "0", {100, 50}, "100");
    QUrl shown;
    bool bOwnWindow = false;
    WhenModal([&](QWidget* pModal) {
        auto* pKind = qobject_cast<CCurveKindDialog*>(pModal);
        ASSERT_NE(pKind, nullptr);
        QTest::mouseClick(pKind->findChild<QWidget*>(QStringLiteral("helpButton")), Qt::LeftButton);
        // A window of the modal dialog is not blocked by it.
        shown = Shown(*pKind, CHelpWindow::kCommandWindow);
        bOwnWindow = Window(bench.m_View, CHelpWindow::kCommandWindow) == nullptr;
        pKind->reject();
    });
    bench.Dialog()->OnNext();
    EXPECT_EQ(shown, Page("en", "curve-kind.html"));
    EXPECT_TRUE(bOwnWindow);
}

TEST_F(HelpWindowTest, DialogsWithoutAHelpButtonOpenTheirTopicByF1)
{
    CWizardBench bench;
    CAboutDlg about;
    CColorChooseDialog color(0x808080);
    CZoomDialog zoom(bench.m_View, &bench.m_View);
    CExportPromptDlg exportPrompt;
    const std::pair<QDialog*, const char*> dialogs[] = {{&about, "about.html"},
                                                        {&color, "color.html"},
                                                        {&zoom, "zoom.html"},
                                                        {&exportPrompt, "export-prompt.html"}};
    for (const auto& [pDialog, pszPage] : dialogs) {
        EXPECT_EQ(TopicShownByF1(*pDialog), Page("en", pszPage)) << pszPage;
        pDialog->hide();
    }
}
