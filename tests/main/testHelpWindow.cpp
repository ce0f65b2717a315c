#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QFile>
#include <QMouseEvent>
#include <QPushButton>
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

class HelpWindowTest : public ::testing::Test {
protected:
    void TearDown() override
    {
        GetSettingsManager()->GetLanguageValue().Set(0);
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

    // One window per name; French follows the language setting.
    GetSettingsManager()->GetLanguageValue().Set(1);
    frame.WinHelp(0x20000 + 171);
    EXPECT_EQ(frame.findChildren<CHelpWindow*>().size(), 2);
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
