#include <QAction>
#include <QDialog>
#include <QApplication>
#include <QFile>
#include <QMouseEvent>
#include <QPushButton>
#include <QTextBrowser>
#include <QWhatsThis>
#include <gtest/gtest.h>

#include "Dm/PlotvaneDoc.h"
#include "Dm/SettingsManager.h"
#include "ShellTestSupport.h"
#include "main/CommandIds.h"
#include "main/HelpTopics.h"
#include "main/HelpWindow.h"
#include "main/MainFrame.h"

namespace {

// The main window and every dialog that has a Help button or answers Shift+F1, by the
// resource number whose help context it asks for.
const unsigned kHelpResources[] = {0,   100, 128, 129, 130, 131, 132, 133, 134, 135, 136, 137, 138, 139, 140,
                                   141, 142, 143, 144, 155, 164, 167, 171, 172, 173, 177, 180, 181, 187, 193};

QString PageText(const QUrl& page)
{
    QFile file(QLatin1Char(':') + page.path());
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

class HelpWindowTest : public ::testing::Test {
protected:
    void TearDown() override
    {
        SetLanguage(0);
        ReleaseSettingsManager();
    }
    static void SetLanguage(int nLanguage) { GetSettingsManager()->GetLanguageValue().Set(nLanguage); }
    static CHelpWindow* Window(QWidget& owner, const char* pszName)
    {
        return owner.findChild<CHelpWindow*>(QLatin1String(pszName), Qt::FindDirectChildrenOnly);
    }
    static QUrl Page(unsigned nContext, CHelpTopics::Language language)
    {
        return CHelpTopics::Installed().PageUrl(nContext, language);
    }

    CPlotvaneDoc m_Doc;
};

}  // namespace

TEST_F(HelpWindowTest, EveryHelpContextHasATopicInBothLanguagesLinkedFromTheContents)
{
    const CHelpTopics& topics = CHelpTopics::Installed();
    for (const auto language : {CHelpTopics::Language::English, CHelpTopics::Language::French}) {
        const QString strContents = PageText(topics.PageUrl(0, language));
        for (unsigned nResource : kHelpResources) {
            const unsigned nContext = CHelpTopics::ContextOf(nResource);
            ASSERT_TRUE(topics.Has(nContext)) << "no topic for resource " << nResource;
            const QUrl page = topics.PageUrl(nContext, language);
            EXPECT_TRUE(PageText(page).contains(QStringLiteral("<title>"))) << page.toString().toStdString();
            if (nResource != 0) {
                EXPECT_TRUE(strContents.contains(QStringLiteral("href=\"%1\"").arg(page.fileName())))
                    << page.toString().toStdString();
            }
        }
    }
    EXPECT_EQ(topics.GetContexts().size(), std::size(kHelpResources));
}

TEST_F(HelpWindowTest, TheIndexKeepsPagesInsideTheirFolderAndUnknownContextsShowTheContents)
{
    const CHelpTopics topics = CHelpTopics::Parse(QStringLiteral(
        "# comment\n0 index.html\n171 x-axis.html\n172 ../../private.html\n99999999 big.html\n"));
    EXPECT_TRUE(topics.Has(CHelpTopics::ContextOf(171)));
    EXPECT_FALSE(topics.Has(CHelpTopics::ContextOf(172)));
    EXPECT_EQ(topics.GetContexts().size(), 2U);
    EXPECT_EQ(topics.PageUrl(0x20000 + 999, CHelpTopics::Language::French),
              QUrl(QStringLiteral("qrc:/help/fr/index.html")));
}

TEST_F(HelpWindowTest, WinHelpOpensTheContentsAndTheMainWindowInOneWindowAndDialogsInTheOther)
{
    CMainFrame frame(m_Doc);
    frame.WinHelp(0);
    CHelpWindow* pDefault = Window(frame, CHelpWindow::kDefaultWindow);
    ASSERT_NE(pDefault, nullptr);
    EXPECT_TRUE(pDefault->isVisible());
    EXPECT_EQ(pDefault->GetPage(), Page(0, CHelpTopics::Language::English));
    EXPECT_TRUE(pDefault->windowTitle().contains(QStringLiteral("Plotvane Help Topics")));

    frame.GetAction(ID_HELP)->trigger();
    EXPECT_EQ(pDefault->GetPage(), Page(HID_MAIN_WINDOW, CHelpTopics::Language::English));
    EXPECT_EQ(Window(frame, CHelpWindow::kCommandWindow), nullptr);

    frame.WinHelp(0x20000 + 171);
    CHelpWindow* pCommand = Window(frame, CHelpWindow::kCommandWindow);
    ASSERT_NE(pCommand, nullptr);
    EXPECT_EQ(pCommand->GetPage(), QUrl(QStringLiteral("qrc:/help/en/x-axis.html")));
    EXPECT_EQ(pCommand->GetBrowser()->documentTitle(), QStringLiteral("X axis and scale"));

    // One window per name: asking again reuses it, and a context without a topic shows the contents.
    frame.WinHelp(0x20000 + 999);
    EXPECT_EQ(frame.findChildren<CHelpWindow*>().size(), 2);
    EXPECT_EQ(pCommand->GetPage(), Page(0, CHelpTopics::Language::English));
}

TEST_F(HelpWindowTest, TopicsAreFrenchWhenTheLanguageSettingIsFrench)
{
    SetLanguage(1);
    CMainFrame frame(m_Doc);
    frame.WinHelp(0x20000 + 171);
    CHelpWindow* pCommand = Window(frame, CHelpWindow::kCommandWindow);
    ASSERT_NE(pCommand, nullptr);
    EXPECT_EQ(pCommand->GetPage(), QUrl(QStringLiteral("qrc:/help/fr/x-axis.html")));
    EXPECT_EQ(pCommand->GetBrowser()->documentTitle(), QStringLiteral("Axe X et échelle"));
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
    EXPECT_EQ(pCommand->GetPage(), QUrl(QStringLiteral("qrc:/help/en/y-axis.html")));

    // The Help button of a modal dialog opens a window of its own, usable while it is open.
    dialog.setWindowModality(Qt::ApplicationModal);
    CHelpWindow* pModalHelp = CHelpWindow::ShowHelpOf(dialog);
    EXPECT_EQ(pModalHelp->parentWidget(), &dialog);
    EXPECT_EQ(pModalHelp->GetPage(), QUrl(QStringLiteral("qrc:/help/en/y-axis.html")));
}
