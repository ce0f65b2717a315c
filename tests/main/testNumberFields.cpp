// The number fields of the dialogs: the decimal separator of the interface's language, and
// characters refused where the user sees it.

#include <QLineEdit>
#include <QTest>
#include <QToolTip>
#include <gtest/gtest.h>

#include "Dm/ContinuousCurve.h"
#include "Dm/CoordSyst.h"
#include "WizardTestSupport.h"
#include "main/steps/axes/AxeDialog.h"
#include "main/fields/ColorChooseDialog.h"
#include "main/wizard/ConstructionCommands.h"
#include "main/fields/DecimalSpinBox.h"
#include "main/frame/LanguageResource.h"
#include "main/fields/NumberFieldHint.h"
#include "main/fields/NumberSpinBox.h"
#include "main/fields/ValueEdit.h"

namespace {

// The tip a refused character brings up, then gone again.
QString TakeTip()
{
    const QString strTip = QToolTip::isVisible() ? QToolTip::text() : QString();
    QToolTip::hideText();
    EXPECT_TRUE(QTest::qWaitFor([] { return !QToolTip::isVisible(); }, 5000));
    return strTip;
}

}  // namespace

TEST(NumberFieldTest, TheFrenchInterfaceTakesTheDecimalCommaAndThePoint)
{
    CLanguageResource language;
    ASSERT_TRUE(
        language.Load(CLanguageResource::FileFor("PlvResFr.dll", QStringLiteral(PLOTVANE_RESOURCE_DIR))));
    EXPECT_EQ(CNumberFieldHint::DecimalSeparator(), QLatin1Char(','));

    // The scale value of an axis, typed as a French user types it.
    CWizardBench bench;
    CConstructionCommands(bench.m_View, bench.m_Doc).NewCoordSyst();
    bench.DefineAxis({100, 250}, {300, 250}, {100, 250}, "0", {300, 250}, "10,5");
    CAxeDialog* pX = bench.AxeDialog();
    ASSERT_NE(pX, nullptr);
    EXPECT_EQ(pX->GetValueEdit(2)->text(), QStringLiteral("10,5"));
    EXPECT_DOUBLE_EQ(pX->GetValueEdit(2)->GetValue(), 10.5);
    EXPECT_TRUE(TakeTip().isEmpty());
    pX->GetValueEdit(2)->clear();
    QTest::keyClicks(pX->GetValueEdit(2), QStringLiteral("10.25"));
    EXPECT_DOUBLE_EQ(pX->GetValueEdit(2)->GetValue(), 10.25);
    QTest::keyClicks(pX->GetValueEdit(2), QStringLiteral("x"));
    EXPECT_TRUE(TakeTip().startsWith(QStringLiteral("« x » ne peut pas être tapé ici.")));
    pX->reject();
    CWizardBench::Settle();

    // A decimal field with arrows, as the scan area has: the comma, the point, and a refusal.
    CDecimalSpinBox area;
    area.setRange(0, 200);
    area.setDecimals(1);
    area.show();
    area.selectAll();
    QTest::keyClicks(&area, QStringLiteral("12,5"));
    EXPECT_DOUBLE_EQ(area.value(), 12.5);
    area.selectAll();
    QTest::keyClicks(&area, QStringLiteral("7.5"));
    EXPECT_DOUBLE_EQ(area.value(), 7.5);
    EXPECT_TRUE(TakeTip().isEmpty());
    QTest::keyClicks(&area, QStringLiteral("x"));
    EXPECT_TRUE(TakeTip().startsWith(QStringLiteral("« x » ne peut pas être tapé ici.")));

    language.Unload();
    EXPECT_EQ(CNumberFieldHint::DecimalSeparator(), QLocale().decimalPoint().at(0));
}

TEST(NumberFieldTest, ACharacterAFieldCannotTakeIsRefusedWithATip)
{
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    CValueEdit value;
    value.show();
    QTest::keyClicks(&value, QStringLiteral("-1a"));
    EXPECT_EQ(value.text(), QStringLiteral("-1"));
    const QString strTip = TakeTip();
    EXPECT_TRUE(strTip.startsWith(QStringLiteral("\"a\" cannot be typed here.\n"))) << strTip.toStdString();
    QTest::keyClicks(&value, QStringLiteral(",5e+2"));
    EXPECT_EQ(value.text(), QStringLiteral("-15e+2")) << "no decimal comma in English";
    EXPECT_FALSE(TakeTip().isEmpty());
    EXPECT_DOUBLE_EQ(value.GetValue(), -1500.0);
    // Keys that type nothing pass without a word.
    QTest::keyClick(&value, Qt::Key_Left);
    QTest::keyClick(&value, Qt::Key_A, Qt::ControlModifier);
    EXPECT_TRUE(TakeTip().isEmpty());

    // A whole number: a colour component of the colour chooser.
    CColorChooseDialog colors(0x00102030);
    colors.show();
    auto* pRed = colors.findChild<QLineEdit*>(QStringLiteral("redEdit"));
    ASSERT_NE(pRed, nullptr);
    pRed->clear();
    QTest::keyClicks(pRed, QStringLiteral("12.5"));
    EXPECT_EQ(pRed->text(), QStringLiteral("125"));
    EXPECT_TRUE(TakeTip().contains(QStringLiteral("whole number")));

    // A field with arrows, as the thickness, distances, ranges and resolutions have.
    CNumberSpinBox spin;
    spin.setRange(0, 1000);
    spin.show();
    spin.selectAll();
    QTest::keyClicks(&spin, QStringLiteral("2x00"));
    EXPECT_EQ(spin.value(), 200);
    EXPECT_TRUE(TakeTip().startsWith(QStringLiteral("\"x\"")));
    QLocale::setDefault(QLocale::system());
}
