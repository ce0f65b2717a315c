#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QtTest/QTest>
#include <gtest/gtest.h>

#include "Dm/ColorScale.h"
#include "Dm/PlotvaneDoc.h"
#include "Dm/SettingsManager.h"
#include "WizardTestSupport.h"
#include "main/fields/ColorChooseDialog.h"
#include "main/fields/ColorScaleControls.h"
#include "main/frame/CommandIds.h"
#include "main/wizard/ConstructionDialog.h"
#include "main/options/DensitoProPage.h"
#include "main/options/ExportProPage.h"
#include "main/help/HelpTopics.h"
#include "main/help/HelpWindow.h"
#include "main/frame/MainFrame.h"
#include "main/options/OptionsSheet.h"
#include "main/export/SeparatorChooser.h"
#include "main/fields/ValueEdit.h"
#include "platform/MemorySettingsBackend.h"
#include "platform/StringIds.h"
#include "platform/StringTable.h"
#include "tests/doubles/RecordingMessageService.h"

namespace {

enum { kLanguage, kCurve, kDensito, kPrompt, kExport };

// The six curve options, comparable at once.
auto Tie(const CSettingsManager::CCurveOptions& o)
{
    return std::make_tuple(o.m_nAlgo, o.m_nSmartAlgoRange, o.m_BlackLevel, o.m_nSideFollow, o.m_bDashed,
                           o.m_nDashMaxDist);
}

// The options sheet over settings kept in a store of their own, with message boxes
// recorded.
class OptionsSheetTest : public ::testing::Test {
protected:
    OptionsSheetTest() : m_Messages(true) { Reopen(); }

    // The settings written back to the store and read again, as at the next start.
    void Reopen()
    {
        m_pSheet.reset();
        m_pSettings.reset();
        m_pSettings = std::make_unique<CSettingsManager>(m_Store);
        m_pSheet = std::make_unique<COptionsSheet>(*m_pSettings);
        m_pSheet->show();
    }
    template <typename T = QWidget>
    T& Find(int nPage, const char* pszName) const
    {
        T* pWidget = m_pSheet->GetPage(nPage)->findChild<T*>(QLatin1String(pszName));
        EXPECT_NE(pWidget, nullptr) << pszName;
        return *pWidget;
    }
    void Click(int nPage, const char* pszName) const { Find<QAbstractButton>(nPage, pszName).click(); }
    void Type(int nPage, const char* pszName, const QString& strText) const
    {
        auto& edit = Find<QLineEdit>(nPage, pszName);
        edit.clear();
        QTest::keyClicks(&edit, strText);
    }
    // A click on a colour button, answered in the colour chooser with color.
    void Choose(int nPage, const char* pszButton, int nRed, int nGreen, int nBlue) const
    {
        WhenModal([=](QWidget* pModal) {
            auto* pChooser = qobject_cast<CColorChooseDialog*>(pModal);
            ASSERT_NE(pChooser, nullptr);
            for (int nChannel : {0, 1, 2})
                pChooser->OnSliderMoved(nChannel, 255 - (nChannel == 0   ? nRed
                                                         : nChannel == 1 ? nGreen
                                                                         : nBlue));
            pChooser->accept();
        });
        Click(nPage, pszButton);
    }
    // OK; true when the sheet closed, its settings then set.
    bool Confirm() const
    {
        m_pSheet->accept();
        if (m_pSheet->result() != QDialog::Accepted)
            return false;
        m_pSheet->Apply(*m_pSettings);
        return true;
    }
    std::string LastMessage() const { return m_Messages.LastText(); }

    CMemorySettingsBackend m_Store;
    CRecordingMessageService m_Messages;
    std::unique_ptr<CSettingsManager> m_pSettings;
    std::unique_ptr<COptionsSheet> m_pSheet;
};

}  // namespace

TEST_F(OptionsSheetTest, EveryPageKeepsItsSettingsThroughTheStore)
{
    ASSERT_EQ(m_pSheet->GetPageCount(), 5);
    Find<QComboBox>(kLanguage, "languageCombo").setCurrentIndex(1);
    Click(kCurve, "flatRadio");
    Find<QSpinBox>(kCurve, "rangeSpin").setValue(7);
    Choose(kCurve, "thresholdButton", 10, 20, 30);
    Click(kCurve, "bottomRadio");
    Click(kCurve, "dashedYesRadio");
    Find<QSpinBox>(kCurve, "distanceSpin").setValue(35);
    Choose(kDensito, "topColorButton", 200, 0, 0);
    Choose(kDensito, "bottomColorButton", 0, 0, 200);
    Type(kDensito, "topValueEdit", "12.5");
    Type(kDensito, "bottomValueEdit", "-3");
    Click(kPrompt, "scannerRadio");
    Click(kPrompt, "noPromptRadio");
    Type(kExport, "otherEdit", "|");
    Type(kExport, "extensionEdit", "123");
    ASSERT_TRUE(Confirm());
    EXPECT_EQ(m_Messages.Count(), 0u) << LastMessage();

    Reopen();
    const CSettingsManager& settings = *m_pSettings;
    EXPECT_EQ(settings.GetLanguage(), 1);
    EXPECT_EQ(Tie(settings.GetCurveOptions()), std::make_tuple(1, 7, 0x0A141Eu, 1, true, 35));
    const std::unique_ptr<CColorScale> pScale = settings.MakeColorScale();
    EXPECT_EQ(pScale->GetTopColor(), CColorScale::MakePixel(200, 0, 0));
    EXPECT_EQ(pScale->GetBottomColor(), CColorScale::MakePixel(0, 0, 200));
    EXPECT_EQ(pScale->GetTopValue(), 12.5);
    EXPECT_EQ(pScale->GetBottomValue(), -3.0);
    EXPECT_EQ(settings.GetStartingJob(), 1);
    EXPECT_FALSE(settings.GetExportPrompt());
    EXPECT_EQ(settings.GetSeparator(), '|');
    int nStored = 0;
    ASSERT_TRUE(m_Store.ReadInt("Export", "Separator", nStored));
    EXPECT_EQ(nStored, 124);
    EXPECT_EQ(settings.GetExtension(), "123");

    // The sheet opens again on what was kept.
    EXPECT_EQ(Find<QComboBox>(kLanguage, "languageCombo").currentIndex(), 1);
    EXPECT_TRUE(Find<QRadioButton>(kCurve, "flatRadio").isChecked());
    EXPECT_EQ(Find<QSpinBox>(kCurve, "distanceSpin").value(), 35);
    EXPECT_EQ(Find<CValueEdit>(kDensito, "topValueEdit").text(), "12.5");
    EXPECT_TRUE(Find<QRadioButton>(kPrompt, "scannerRadio").isChecked());
    EXPECT_EQ(Find<CSeparatorChooser>(kExport, "separatorChooser").GetChoice(), CSeparatorChooser::Other);
    EXPECT_EQ(Find<QLineEdit>(kExport, "otherEdit").text(), "|");
}

TEST_F(OptionsSheetTest, AStoredSemicolonOpensTheExportPageOnSemicolon)
{
    m_pSheet.reset();
    m_pSettings.reset();
    m_Store.WriteInt("Export", "Separator", 59);
    Reopen();
    EXPECT_EQ(Find<CSeparatorChooser>(kExport, "separatorChooser").GetChoice(), CSeparatorChooser::Semicolon);
}

TEST_F(OptionsSheetTest, TheExportPageRefusesAMissingSeparatorAndABadExtension)
{
    ASSERT_TRUE(m_pSheet->SetActivePage(kExport));
    const struct {
        const char* pszOther;
        const char* pszExtension;
        unsigned nMessage;
    } refused[] = {{"", "csv", IDS_OTHER_SEPARATOR_EMPTY},
                   {"|", "", IDS_EXTENSION_EMPTY},
                   {"|", "x_s", IDS_EXTENSION_NOT_ALPHANUMERIC},
                   {"|", "é", IDS_EXTENSION_NOT_ALPHANUMERIC}};
    for (const auto& input : refused) {
        Click(kExport, "otherButton");
        Type(kExport, "otherEdit", QString::fromUtf8(input.pszOther));
        Find<QLineEdit>(kExport, "extensionEdit").setText(QString::fromUtf8(input.pszExtension));
        m_Messages.Clear();
        EXPECT_FALSE(m_pSheet->SetActivePage(kLanguage)) << input.pszExtension;
        EXPECT_FALSE(Confirm());
        EXPECT_EQ(m_pSheet->GetActivePage(), m_pSheet->GetPage(kExport));
        ASSERT_EQ(m_Messages.Count(), 2u);
        EXPECT_EQ(LastMessage(), CStringTable::Get(input.nMessage));
    }
    EXPECT_EQ(Find<QLineEdit>(kExport, "extensionEdit").selectedText(), "é");

    Type(kExport, "extensionEdit", "123");
    ASSERT_TRUE(Confirm());
    Reopen();
    EXPECT_EQ(m_pSettings->GetExtension(), "123");
    EXPECT_EQ(m_pSettings->GetSeparator(), '|');
}

TEST_F(OptionsSheetTest, TheDensitometryPageRefusesWhatAScaleCannotBe)
{
    ASSERT_TRUE(m_pSheet->SetActivePage(kDensito));
    const struct {
        const char* pszTop;
        const char* pszBottom;
        bool bSameColors;
        unsigned nMessage;
        const char* pszFocus;
    } refused[] = {{"", "", false, IDS_GIVE_A_VALUE, "topValueEdit"},
                   {"1", "", false, IDS_GIVE_A_VALUE, "bottomValueEdit"},
                   {"5", "5.0", false, IDS_DENSITY_SCALE_VALUES_EQUAL, "topValueEdit"},
                   {"5", "6", true, IDS_DENSITY_SCALE_COLORS_EQUAL, nullptr}};
    auto& page = static_cast<CDensitoProPage&>(*m_pSheet->GetPage(kDensito));
    for (const auto& input : refused) {
        Type(kDensito, "topValueEdit", QString::fromUtf8(input.pszTop));
        Type(kDensito, "bottomValueEdit", QString::fromUtf8(input.pszBottom));
        page.GetControls().SetColor(false,
                                    input.bSameColors ? page.GetControls().GetColor(true) : 0xFFFFFFFFu);
        m_Messages.Clear();
        EXPECT_FALSE(m_pSheet->SetActivePage(kPrompt));
        EXPECT_EQ(m_pSheet->GetActivePage(), &page);
        ASSERT_EQ(m_Messages.Count(), 1u);
        EXPECT_EQ(LastMessage(), CStringTable::Get(input.nMessage));
        if (input.pszFocus != nullptr) {
            EXPECT_EQ(m_pSheet->focusWidget(), &Find(kDensito, input.pszFocus)) << input.pszFocus;
        }
    }
    EXPECT_FALSE(Confirm());
    Type(kDensito, "bottomValueEdit", "0");
    page.GetControls().SetColor(false, 0xFFFFFFFFu);
    EXPECT_TRUE(m_pSheet->SetActivePage(kPrompt));
}

TEST_F(OptionsSheetTest, TheCurvePageNumbersStayWithinTheirRanges)
{
    auto& range = Find<QSpinBox>(kCurve, "rangeSpin");
    auto& distance = Find<QSpinBox>(kCurve, "distanceSpin");
    Click(kCurve, "smartRadio");
    Click(kCurve, "dashedYesRadio");
    // What would go beyond the range is not taken.
    for (QSpinBox* pSpin : {&range, &distance}) {
        pSpin->selectAll();
        QTest::keyClicks(pSpin, "40000");
    }
    ASSERT_TRUE(Confirm());
    EXPECT_EQ(m_pSettings->GetSmartAlgoRangeValue().Get(), 4);
    EXPECT_EQ(m_pSettings->GetDashMaxDistValue().Get(), 400);
}

TEST_F(OptionsSheetTest, DefaultsChangeOnlyThePageAndCancelKeepsTheStoredValues)
{
    m_pSettings->GetAlgoValue().Set(1);
    m_pSettings->GetSmartAlgoRangeValue().Set(9);
    m_pSettings->GetBlackLevelValue().SetColor(1, 2, 3);
    m_pSettings->GetSideFollowValue().Set(1);
    m_pSettings->GetDashedValue().Set(1);
    m_pSettings->GetDashMaxDistValue().Set(99);
    m_pSettings->GetExtensionValue().Set("csv");
    const CSettingsManager::CCurveOptions stored = m_pSettings->GetCurveOptions();

    // The options command with "Defaults" pressed and another extension typed, then
    // Cancel or OK.
    const auto Run = [this](bool bConfirm) {
        WhenModal([bConfirm](QWidget* pModal) {
            auto* pSheet = qobject_cast<COptionsSheet*>(pModal);
            ASSERT_NE(pSheet, nullptr);
            pSheet->GetPage(kCurve)->findChild<QPushButton*>(QStringLiteral("defaultsButton"))->click();
            pSheet->GetPage(kExport)->findChild<QLineEdit*>(QStringLiteral("extensionEdit"))->setText("txt");
            bConfirm ? pSheet->accept() : pSheet->reject();
        });
        COptionsSheet::Run(*m_pSettings, nullptr);
    };
    Run(false);
    EXPECT_EQ(Tie(m_pSettings->GetCurveOptions()), Tie(stored));
    EXPECT_EQ(m_pSettings->GetExtension(), "csv");
    Run(true);
    EXPECT_EQ(Tie(m_pSettings->GetCurveOptions()), std::make_tuple(0, 2, 0x464646u, 0, false, 20));
    EXPECT_EQ(m_pSettings->GetExtension(), "txt");
}

TEST_F(OptionsSheetTest, EachPageHasItsHelpTopic)
{
    const unsigned templates[] = {137, 139, 140, 142, 143};
    for (int i = 0; i < m_pSheet->GetPageCount(); ++i) {
        ASSERT_TRUE(m_pSheet->SetActivePage(i));
        EXPECT_EQ(CHelpWindow::FindHelpContext(m_pSheet->GetActivePage()),
                  CHelpTopics::ContextOf(templates[i]));
    }
}

TEST(OptionsCommandTest, TheMenuCommandSetsTheSettingsWhenConfirmed)
{
    CPlotvaneDoc doc;
    CMainFrame frame(doc);
    CSettingsManager& settings = *GetSettingsManager();
    const int nBefore = settings.GetStartingJob();
    for (bool bConfirm : {false, true}) {
        WhenModal([bConfirm](QWidget* pModal) {
            auto* pSheet = qobject_cast<COptionsSheet*>(pModal);
            ASSERT_NE(pSheet, nullptr);
            pSheet->GetPage(kPrompt)->findChild<QRadioButton*>(QStringLiteral("nothingRadio"))->click();
            bConfirm ? pSheet->accept() : pSheet->reject();
        });
        frame.GetAction(ID_OPTIONS)->trigger();
        EXPECT_EQ(settings.GetStartingJob(), bConfirm ? 2 : nBefore);
    }
    settings.GetStartingJobValue().Set(nBefore);
}
