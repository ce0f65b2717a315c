#include <map>

#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QTabWidget>
#include <gtest/gtest.h>

#include "Dm/PlotvaneDoc.h"
#include "ShellTestSupport.h"
#include "main/frame/LanguageResource.h"
#include "main/frame/MainFrame.h"
#include "ui_AboutDlg.h"
#include "ui_AxeDialog.h"
#include "ui_ColorChooseDialog.h"
#include "ui_ContinuousAdvOptDlg.h"
#include "ui_CurveKindDialog.h"
#include "ui_CurveProPage.h"
#include "ui_DashMaxDistDialog.h"
#include "ui_DensitoPeriodDialog.h"
#include "ui_DensitoProPage.h"
#include "ui_DensitometryDialog.h"
#include "ui_DiscreteDialog.h"
#include "ui_ExportProPage.h"
#include "ui_ExportPromptDlg.h"
#include "ui_GenesisDialog.h"
#include "ui_HandModificationDialog.h"
#include "ui_LanguageProPage.h"
#include "ui_LimitDialog.h"
#include "ui_OptionsSheet.h"
#include "ui_PdfPageDialog.h"
#include "ui_PeriodDialog.h"
#include "ui_PreviewDialog.h"
#include "ui_PromptProPage.h"
#include "ui_SaveCurveDialog.h"
#include "ui_SavePromptDlg.h"
#include "ui_SelectSourceDialog.h"
#include "ui_SeparatorChooser.h"
#include "ui_SeparatorDialog.h"
#include "ui_SplineDialog.h"
#include "ui_SplinePeriodDialog.h"
#include "ui_ZoomDialog.h"

namespace {

// The mnemonic of a text: the letter after a single "&", upper case; none without one.
QChar MnemonicOf(const QString& strText)
{
    for (qsizetype i = 0; i + 1 < strText.size(); ++i) {
        if (strText[i] != QLatin1Char('&'))
            continue;
        if (strText[i + 1] != QLatin1Char('&'))
            return strText[i + 1].toUpper();
        ++i;
    }
    return QChar();
}

// Every text with a mnemonic in a window: its buttons, the labels and group boxes that
// lead to a control, its tabs.
QStringList TextsWithMnemonics(const QWidget& window)
{
    QStringList texts;
    for (const QAbstractButton* pButton : window.findChildren<QAbstractButton*>())
        texts << pButton->text();
    for (const QLabel* pLabel : window.findChildren<QLabel*>())
        texts << pLabel->text();
    for (const QGroupBox* pGroup : window.findChildren<QGroupBox*>())
        texts << pGroup->title();
    for (const QTabWidget* pTabs : window.findChildren<QTabWidget*>()) {
        for (int i = 0; i < pTabs->count(); ++i)
            texts << pTabs->tabText(i);
    }
    return texts;
}

// The texts of one place where the mnemonics must differ that share a mnemonic.
QString Clashes(const QStringList& texts)
{
    std::map<QChar, QStringList> byMnemonic;
    for (const QString& strText : texts) {
        const QChar mnemonic = MnemonicOf(strText);
        if (!mnemonic.isNull())
            byMnemonic[mnemonic] << strText;
    }
    QStringList clashes;
    for (const auto& [mnemonic, sharing] : byMnemonic) {
        if (sharing.size() > 1)
            clashes << sharing.join(QLatin1String(" / "));
    }
    return clashes.join(QLatin1String("; "));
}

template <typename Form, typename Window = QDialog>
QString FormClashes()
{
    Window window;
    Form form;
    form.setupUi(&window);
    return Clashes(TextsWithMnemonics(window));
}

// The menu bar, each menu, and every form of the program, in the language installed now.
void ExpectNoClash(const char* pszLanguage)
{
    CPlotvaneDoc doc;
    CMainFrame frame(doc);
    QStringList titles;
    for (QAction* pMenuAction : frame.menuBar()->actions()) {
        titles << pMenuAction->text();
        if (QMenu* pMenu = pMenuAction->menu()) {
            QStringList items;
            for (QAction* pItem : pMenu->actions())
                items << pItem->text();
            EXPECT_EQ(Clashes(items), QString()) << pszLanguage << " menu " << pMenu->title().toStdString();
        }
    }
    EXPECT_EQ(Clashes(titles), QString()) << pszLanguage << " menu bar";

    const std::pair<const char*, QString> forms[] = {
        {"About", FormClashes<Ui::CAboutDlg>()},
        {"Axis", FormClashes<Ui::CAxeDialog>()},
        {"Color", FormClashes<Ui::CColorChooseDialog>()},
        {"Advanced options", FormClashes<Ui::CContinuousAdvOptDlg>()},
        {"Curve kind", FormClashes<Ui::CCurveKindDialog>()},
        {"Curve page", FormClashes<Ui::CCurveProPage, QWidget>()},
        {"Dash distance", FormClashes<Ui::CDashMaxDistDialog>()},
        {"Density period", FormClashes<Ui::CDensitoPeriodDialog>()},
        {"Densitometry page", FormClashes<Ui::CDensitoProPage, QWidget>()},
        {"Densitometry", FormClashes<Ui::CDensitometryDialog>()},
        {"Discrete", FormClashes<Ui::CDiscreteDialog>()},
        {"Export page", FormClashes<Ui::CExportProPage, QWidget>()},
        {"Export prompt", FormClashes<Ui::CExportPromptDlg>()},
        {"Identification", FormClashes<Ui::CGenesisDialog>()},
        {"Hand modification", FormClashes<Ui::CHandModificationDialog>()},
        {"Language page", FormClashes<Ui::CLanguageProPage, QWidget>()},
        {"Limits", FormClashes<Ui::CLimitDialog>()},
        {"Options", FormClashes<Ui::COptionsSheet>()},
        {"PDF page", FormClashes<Ui::CPdfPageDialog>()},
        {"Period", FormClashes<Ui::CPeriodDialog>()},
        {"Preview", FormClashes<Ui::CPreviewDialog>()},
        {"Prompt page", FormClashes<Ui::CPromptProPage, QWidget>()},
        {"Save curves", FormClashes<Ui::CSaveCurveDialog>()},
        {"Save prompt", FormClashes<Ui::CSavePromptDlg>()},
        {"Select source", FormClashes<Ui::CSelectSourceDialog>()},
        {"Separator chooser", FormClashes<Ui::CSeparatorChooser, QWidget>()},
        {"Separator", FormClashes<Ui::CSeparatorDialog>()},
        {"Spline", FormClashes<Ui::CSplineDialog>()},
        {"Spline period", FormClashes<Ui::CSplinePeriodDialog>()},
        {"Zoom", FormClashes<Ui::CZoomDialog>()},
    };
    for (const auto& [pszForm, strClashes] : forms)
        EXPECT_EQ(strClashes, QString()) << pszLanguage << " " << pszForm;
}

}  // namespace

TEST(Mnemonics, NoTwoControlsOfAWindowOrItemsOfAMenuShareOneInEitherLanguage)
{
    ExpectNoClash("English");
    CLanguageResource french;
    ASSERT_TRUE(
        french.Load(CLanguageResource::FileFor("PlvResFr.dll", QStringLiteral(PLOTVANE_RESOURCE_DIR))));
    ExpectNoClash("French");
}
