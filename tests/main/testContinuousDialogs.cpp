#include <QApplication>
#include <QCheckBox>
#include <QImage>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QSpinBox>
#include <QToolTip>
#include <QtTest/QTest>
#include <gtest/gtest.h>

#include "Dm/AbstractThicknessCorrector.h"
#include "Dm/ContinuousCurve.h"
#include "Dm/CoordSyst.h"
#include "Dm/FlatThicknessCorrector.h"
#include "Dm/Limit.h"
#include "WizardTestSupport.h"
#include "main/wizard/ConstructionCommands.h"
#include "main/steps/continuous/ContinuousAdvOptDlg.h"
#include "main/steps/continuous/DashMaxDistDialog.h"
#include "main/steps/continuous/GenesisDialog.h"
#include "main/steps/continuous/HandModificationDialog.h"
#include "main/steps/continuous/LimitDialog.h"
#include "main/wizard/PointListColumns.h"
#include "main/fields/NumberSpinBox.h"
#include "main/wizard/Sequence.h"
#include "main/fields/ValueEdit.h"
#include "platform/StringIds.h"
#include "platform/StringTable.h"

namespace {

using Answer = CMessageService::Answer;

// A white picture with two black strokes 3 pixels high: rows 149 to 151 from x 110 to 190,
// rows 199 to 201 from x 210 to 290, and a block 40 rows high at x 50 to 60.
QImage StrokePicture()
{
    QImage picture(400, 300, QImage::Format_RGB32);
    picture.fill(Qt::white);
    for (int x = 110; x <= 190; ++x)
        for (int y = 149; y <= 151; ++y)
            picture.setPixel(x, y, qRgb(0, 0, 0));
    for (int x = 210; x <= 290; ++x)
        for (int y = 199; y <= 201; ++y)
            picture.setPixel(x, y, qRgb(0, 0, 0));
    for (int x = 50; x <= 60; ++x)
        for (int y = 100; y <= 140; ++y)
            picture.setPixel(x, y, qRgb(0, 0, 0));
    return picture;
}

// A continuous curve under construction on an upright coordinate system (X 0 … 10 over
// pixels 100 … 300).
class ContinuousDialogsTest : public ::testing::Test {
protected:
    ContinuousDialogsTest()
    {
        m_Bench.SetPicture(StrokePicture());
        m_pCoordSyst = AddUprightCoordSyst(m_Bench.m_Doc);
        m_pCoordSyst->ComputeTransform();
        m_pCoordSyst->SetSelected(true);
        CConstructionCommands(m_Bench.m_View, m_Bench.m_Doc).NewCurve(ECurveKind::Continuous);
        Activate();
    }
    void Activate() const
    {
        m_Bench.Dialog()->activateWindow();
        CWizardBench::Settle();
    }
    CLimitDialog& Limits() const { return *dynamic_cast<CLimitDialog*>(m_Bench.Dialog()); }
    CGenesisDialog& Genesis() const { return *dynamic_cast<CGenesisDialog*>(m_Bench.Dialog()); }
    CContinuousCurve& Curve() const
    {
        return static_cast<CContinuousCurve&>(*m_Bench.m_View.GetSequence()->GetCurve());
    }
    template <typename T>
    T* Child(const char* pszName) const
    {
        return m_Bench.Dialog()->findChild<T*>(QString::fromLatin1(pszName));
    }
    static void Type(QLineEdit* pEdit, const char* pszText)
    {
        pEdit->setFocus();
        pEdit->selectAll();
        QTest::keyClicks(pEdit, QString::fromLatin1(pszText));
    }
    // Limits 0.5 and 9.5, then the identification step.
    void GoToGenesis()
    {
        Type(Limits().GetValueEdit(true), "0.5");
        Type(Limits().GetValueEdit(false), "9.5");
        Limits().OnNext();
        CWizardBench::Settle();
        ASSERT_NE(dynamic_cast<CGenesisDialog*>(m_Bench.Dialog()), nullptr);
        Activate();
    }
    size_t GenesisCount() const { return Curve().GetElements().size() - 2; }

    CWizardBench m_Bench;
    CCoordSyst* m_pCoordSyst = nullptr;
};

}  // namespace

TEST_F(ContinuousDialogsTest, FromLimitsThroughIdentificationToHandModification)
{
    // ---- Limits: typed and picked.
    ASSERT_EQ(m_Bench.Dialog()->GetTemplateId(), CLimitDialog::IDD_LIMITS);
    EXPECT_FALSE(Limits().GetNextButton()->isEnabled());
    EXPECT_EQ(Child<QLabel>("clickLabel")->text(),
              QStringLiteral("clicking on the graph (\"Pick position\")."));
    EXPECT_TRUE(
        Child<QWidget>("leftEdit")->toolTip().contains(QString::fromStdString(CStringTable::Get(1032))));
    Type(Limits().GetValueEdit(false), "9.5");
    EXPECT_DOUBLE_EQ(Curve().GetRightLimit()->GetValue(), 9.5);
    EXPECT_FALSE(Limits().GetNextButton()->isEnabled());
    Limits().OnPickPosition(true);
    EXPECT_TRUE(Limits().IsPickChecked(true));
    EXPECT_EQ(Limits().GetCursorKind(), CURSOR_CROSS);
    m_Bench.Send(WM_GRAPH_BUTTONUP, {110, 40});
    EXPECT_DOUBLE_EQ(Curve().GetLeftLimit()->GetValue(), 0.5);
    EXPECT_EQ(Limits().GetValueEdit(true)->text(), QStringLiteral("0.5"));
    EXPECT_FALSE(Limits().IsPickChecked(true));
    EXPECT_EQ(Limits().GetCursorKind(), CURSOR_ARROW);
    EXPECT_TRUE(Limits().GetNextButton()->isEnabled());
    Limits().OnNext();
    CWizardBench::Settle();

    // ---- Identification: several genesis points in a row.
    ASSERT_EQ(m_Bench.Dialog()->GetTemplateId(), CGenesisDialog::IDD_GENESIS);
    Activate();
    EXPECT_TRUE(Genesis().IsPickCurveChecked());
    EXPECT_EQ(Genesis().GetCursorKind(), CURSOR_CROSS);
    EXPECT_FALSE(Genesis().GetNextButton()->isEnabled());
    m_Bench.Send(WM_GRAPH_BUTTONUP, {150, 150});
    m_Bench.Send(WM_GRAPH_BUTTONUP, {250, 200});
    EXPECT_EQ(m_Bench.m_Messages.Count(), 0u);
    ASSERT_EQ(Genesis().GetGenesisList()->count(), 2);
    EXPECT_EQ(GenesisCount(), 2u);
    EXPECT_TRUE(Genesis().IsPickCurveChecked()) << "still picking";
    EXPECT_TRUE(Genesis().GetNextButton()->isEnabled());
    EXPECT_FALSE(Curve().GetPoints().empty());
    m_Bench.Send(WM_GRAPH_BUTTONUP, {160, 150});
    EXPECT_EQ(m_Bench.m_Messages.LastText(), CStringTable::Get(IDS_CURVE_ALREADY_EXISTS));
    EXPECT_EQ(Genesis().GetGenesisList()->count(), 2);

    // Thickness: the stroke covers rows 149 to 151.
    Genesis().OnPickThickness();
    EXPECT_TRUE(Genesis().IsPickThicknessChecked());
    EXPECT_FALSE(Genesis().IsPickCurveChecked());
    m_Bench.Send(WM_GRAPH_BUTTONUP, {120, 150});
    EXPECT_EQ(Curve().GetThicknessCorrector()->GetThickness(), 2);
    EXPECT_EQ(Genesis().GetThickness(), 2);
    EXPECT_FALSE(Genesis().IsPickThicknessChecked());
    EXPECT_EQ(Genesis().GetCursorKind(), CURSOR_ARROW);
    EXPECT_EQ(GenesisCount(), 2u) << "no genesis point from a thickness pick";

    // Follow the bottom.
    Child<QRadioButton>("bottomRadio")->click();
    EXPECT_FALSE(Curve().IsFollowTop());

    // Dashed, then the dash distance applied and cancelled.
    EXPECT_FALSE(Child<QPushButton>("modifyButton")->isEnabled());
    Child<QRadioButton>("dashedYesRadio")->click();
    EXPECT_TRUE(Curve().IsDashed());
    EXPECT_TRUE(Child<QPushButton>("modifyButton")->isEnabled());
    Genesis().OnModifyDashDistance();
    CDashMaxDistDialog* pDash = Genesis().GetDashDialog();
    ASSERT_NE(pDash, nullptr);
    EXPECT_FALSE(Genesis().IsInputEnabled());
    EXPECT_FALSE(pDash->IsApplyEnabled());
    pDash->SetDistanceText(QStringLiteral("35"));
    EXPECT_TRUE(pDash->IsApplyEnabled());
    pDash->OnApply();
    EXPECT_EQ(Curve().GetDashMaxDist(), 35);
    EXPECT_EQ(Child<QLineEdit>("dashDistEdit")->text(), QStringLiteral("35"));
    pDash->reject();
    EXPECT_EQ(Curve().GetDashMaxDist(), CContinuousCurve::kDefaultDashMaxDist) << "Cancel undoes Apply";
    EXPECT_TRUE(Genesis().IsInputEnabled());
    Genesis().OnModifyDashDistance();
    Genesis().GetDashDialog()->SetDistanceText(QStringLiteral("30"));
    Genesis().GetDashDialog()->accept();
    EXPECT_EQ(Curve().GetDashMaxDist(), 30);

    // Advanced options: a flat compensation and a threshold picked on the picture.
    Genesis().OnAdvancedOptions();
    CContinuousAdvOptDlg* pOptions = Genesis().GetAdvancedOptions();
    EXPECT_EQ(TopicShownByF1(*pOptions), QUrl(QStringLiteral("qrc:/help/en/advanced-options.html")));
    ASSERT_NE(pOptions, nullptr);
    EXPECT_FALSE(Genesis().IsInputEnabled());
    pOptions->findChild<QRadioButton*>(QStringLiteral("flatRadio"))->click();
    pOptions->findChild<QCheckBox*>(QStringLiteral("pickCheck"))->click();
    EXPECT_EQ(Genesis().GetCursorKind(), CURSOR_PIPETTE);
    m_Bench.Send(WM_GRAPH_BUTTONUP, {5, 5});  // forwarded: white
    EXPECT_EQ(pOptions->GetSwatchColor(), 0xFFFFFFFFu);
    EXPECT_EQ(pOptions->Slider(0)->value(), 0);
    EXPECT_EQ(Genesis().GetCursorKind(), CURSOR_ARROW);
    EXPECT_EQ(GenesisCount(), 2u) << "the click went to the options";
    pOptions->ValueEdit(0)->setText(QStringLiteral("100"));
    pOptions->ValueEdit(1)->setText(QStringLiteral("100"));
    pOptions->ValueEdit(2)->setText(QStringLiteral("100"));
    EXPECT_FALSE(pOptions->findChild<QCheckBox*>(QStringLiteral("centreLineCheck"))->isChecked());
    pOptions->findChild<QCheckBox*>(QStringLiteral("centreLineCheck"))->click();
    pOptions->accept();
    CWizardBench::Settle();
    EXPECT_TRUE(Curve().IsCentreRefined());
    EXPECT_EQ(Curve().GetThreshold(), 0xFF646464u);
    ASSERT_NE(dynamic_cast<CFlatThicknessCorrector*>(Curve().GetThicknessCorrector()), nullptr);
    EXPECT_EQ(Curve().GetThicknessCorrector()->GetThickness(), 2) << "the thickness kept";
    EXPECT_TRUE(Genesis().IsInputEnabled());
    EXPECT_EQ(Genesis().GetAdvancedOptions(), nullptr);

    // On to the hand modification, with the name typed.
    Type(Child<QLineEdit>("nameEdit"), "Trace");
    Genesis().OnNext();
    CWizardBench::Settle();
    ASSERT_NE(m_Bench.Dialog(), nullptr);
    EXPECT_EQ(m_Bench.Dialog()->GetTemplateId(), 144u);
    EXPECT_EQ(Curve().GetName(), "Trace");
    EXPECT_TRUE(Curve().IsDashed());
    EXPECT_FALSE(Curve().IsFollowTop());

    // ---- Hand modification: a pen stroke above the first stroke, undone, redone, then Finish.
    auto* pHand = dynamic_cast<CHandModificationDialog*>(m_Bench.Dialog());
    ASSERT_NE(pHand, nullptr);
    const CCurve::PointList traced = Curve().GetPoints();
    pHand->OnChooseTool(CHandModificationDialog::TOOL_PEN);
    m_Bench.Send(WM_GRAPH_BUTTONDOWN, {140, 120});
    m_Bench.Send(WM_GRAPH_DRAG, {150, 120});
    m_Bench.Send(WM_GRAPH_BUTTONUP, {150, 120});
    const CCurve::PointList penned = Curve().GetPoints();
    EXPECT_NE(penned, traced);
    EXPECT_TRUE(Curve().IsHandModified());
    pHand->OnUndo();
    EXPECT_EQ(Curve().GetPoints(), traced);
    pHand->OnRedo();
    EXPECT_EQ(Curve().GetPoints(), penned);
    FinishWithoutExport(*pHand);
    CWizardBench::Settle();
    EXPECT_EQ(m_Bench.Dialog(), nullptr);
    ASSERT_EQ(m_pCoordSyst->GetCurveList().size(), 1u);
    const CCurve& kept = *m_pCoordSyst->GetCurveList().front();
    EXPECT_EQ(kept.GetName(), "Trace");
    EXPECT_EQ(kept.GetPoints(), penned);
}

TEST_F(ContinuousDialogsTest, LimitRefusalsAndTheHandModificationQuestion)
{
    Type(Limits().GetValueEdit(true), "8");
    Type(Limits().GetValueEdit(false), "2");
    Limits().OnNext();
    EXPECT_EQ(m_Bench.m_Messages.LastText(), CStringTable::Get(IDS_RIGHT_LIMIT_GREATER));

    // Reversed X: the left value must be the greater.
    m_pCoordSyst->GetXAxe().GetScalePoint1().SetValue(10);
    m_pCoordSyst->GetXAxe().GetScalePoint2().SetValue(0);
    m_pCoordSyst->ComputeTransform();
    ASSERT_TRUE(m_pCoordSyst->IsXReversed());
    Type(Limits().GetValueEdit(true), "1");
    Limits().OnNext();
    EXPECT_EQ(m_Bench.m_Messages.LastText(), CStringTable::Get(IDS_LEFT_LIMIT_GREATER));

    // Logarithmic with 0: refused before any order check.
    m_pCoordSyst->GetXAxe().SetLogarithmic(true);
    Type(Limits().GetValueEdit(true), "0");
    Limits().OnNext();
    EXPECT_EQ(m_Bench.m_Messages.LastText(), CStringTable::Get(IDS_LOG_LIMITS_POSITIVE));
    EXPECT_EQ(m_Bench.m_Messages.Count(), 3u);
    EXPECT_EQ(m_Bench.Dialog()->GetTemplateId(), CLimitDialog::IDD_LIMITS);

    // Hand-modified: No keeps the limit and the edit as they were.
    Curve().SetHandModified(true);
    m_Bench.m_Messages.QueueAnswer(Answer::No);
    Type(Limits().GetValueEdit(false), "7");
    EXPECT_EQ(m_Bench.m_Messages.LastText(), CStringTable::Get(IDS_LOSE_HAND_MODIFICATIONS));
    EXPECT_EQ(m_Bench.m_Messages.Messages().back().buttons, CMessageService::Buttons::YesNo);
    EXPECT_EQ(Limits().GetValueEdit(false)->text(), QStringLiteral("2"));
    EXPECT_DOUBLE_EQ(Curve().GetRightLimit()->GetValue(), 2.0);
    EXPECT_TRUE(Curve().IsHandModified());
    // Yes: taken, and the curve no longer counts as edited by hand.
    QTest::keyClicks(Limits().GetValueEdit(false), QStringLiteral("5"));
    EXPECT_DOUBLE_EQ(Curve().GetRightLimit()->GetValue(), 25.0);
    EXPECT_FALSE(Curve().IsHandModified());
}

TEST_F(ContinuousDialogsTest, IdentificationEdgeCases)
{
    GoToGenesis();
    // Neither pick flag: nothing, not even a question when not hand-modified.
    Genesis().OnPickCurve();
    EXPECT_EQ(Genesis().GetCursorKind(), CURSOR_ARROW);
    m_Bench.Send(WM_GRAPH_BUTTONUP, {150, 150});
    EXPECT_EQ(GenesisCount(), 0u);
    Genesis().OnPickCurve();

    // Background and beyond the limits are refused by the curve.
    m_Bench.Send(WM_GRAPH_BUTTONUP, {150, 100});
    EXPECT_EQ(m_Bench.m_Messages.LastText(), CStringTable::Get(IDS_NO_CURVE_HERE));
    m_Bench.Send(WM_GRAPH_BUTTONUP, {150, 150});
    m_Bench.Send(WM_GRAPH_BUTTONUP, {250, 200});
    ASSERT_EQ(GenesisCount(), 2u);

    // The block 40 rows high measures 32; the background gives 61213 and no change.
    Genesis().OnPickThickness();
    m_Bench.Send(WM_GRAPH_BUTTONUP, {55, 120});
    EXPECT_EQ(Genesis().GetThickness(), 32);
    Genesis().OnPickThickness();
    m_Bench.m_Messages.Clear();
    m_Bench.Send(WM_GRAPH_BUTTONUP, {80, 80});
    EXPECT_EQ(m_Bench.m_Messages.LastText(), CStringTable::Get(IDS_NO_CURVE_HERE));
    EXPECT_EQ(Genesis().GetThickness(), 32);

    // Hand-modified: declining the question keeps the follow side; Delete after Yes.
    Curve().SetHandModified(true);
    m_Bench.m_Messages.QueueAnswer(Answer::No);
    Child<QRadioButton>("bottomRadio")->click();
    EXPECT_TRUE(Curve().IsFollowTop());
    EXPECT_TRUE(Child<QRadioButton>("topRadio")->isChecked());
    QListWidget* pList = Genesis().GetGenesisList();
    EXPECT_FALSE(Child<QPushButton>("deleteButton")->isEnabled());
    pList->setCurrentRow(0);
    EXPECT_TRUE(Child<QPushButton>("deleteButton")->isEnabled());
    Genesis().OnDelete();
    EXPECT_EQ(pList->count(), 1);
    EXPECT_EQ(GenesisCount(), 1u);
    EXPECT_FALSE(Curve().IsHandModified());

    // The list lines are those of every list of points.
    EXPECT_TRUE(pList->item(0)->text().startsWith(
        CPointListColumns::Line(7.5, 0).left(CPointListColumns::kXColumnWidth + 1)))
        << "the point left";

    // An empty name keeps Next off.
    Child<QLineEdit>("nameEdit")->clear();
    EXPECT_FALSE(Genesis().GetNextButton()->isEnabled());
}

TEST_F(ContinuousDialogsTest, AThicknessPickThatFindsNoInkRunSaysWhy)
{
    GoToGenesis();
    Genesis().OnPickThickness();
    // Beyond the right edge, level with the first stroke: no pixel of the picture.
    m_Bench.Send(WM_GRAPH_BUTTONUP, {550, 150});
    ASSERT_EQ(m_Bench.m_Messages.Count(), 1u);
    EXPECT_EQ(m_Bench.m_Messages.LastText(), CStringTable::Get(IDS_NO_CURVE_HERE));
    EXPECT_EQ(Genesis().GetThickness(), 1);
    EXPECT_TRUE(Genesis().IsPickThicknessChecked()) << "the pick waits for another click";
}

TEST_F(ContinuousDialogsTest, AdvancedOptionsRefusalsAndUnchangedOk)
{
    GoToGenesis();
    m_Bench.Send(WM_GRAPH_BUTTONUP, {150, 150});
    Curve().SetHandModified(true);
    const uint32_t threshold = Curve().GetThreshold();

    // Unchanged: OK closes without the question and without a rebuild.
    Genesis().OnAdvancedOptions();
    Genesis().GetAdvancedOptions()->accept();
    CWizardBench::Settle();
    EXPECT_EQ(m_Bench.m_Messages.Count(), 0u);
    EXPECT_TRUE(Curve().IsHandModified());
    EXPECT_TRUE(Genesis().IsInputEnabled());

    // Values out of range are refused, in the order red, green, blue, range.
    Genesis().OnAdvancedOptions();
    CContinuousAdvOptDlg* pOptions = Genesis().GetAdvancedOptions();
    pOptions->show();
    QTest::keyClicks(pOptions->ValueEdit(1), QStringLiteral("0"));  // 700
    EXPECT_TRUE(pOptions->IsDirty());
    EXPECT_EQ(pOptions->Slider(1)->value(), 0) << "the slider at 255";
    EXPECT_EQ(pOptions->ValueEdit(1)->text(), QStringLiteral("700")) << "the edit keeps what was typed";
    m_Bench.m_Messages.QueueAnswer(Answer::Yes);
    pOptions->accept();
    EXPECT_EQ(m_Bench.m_Messages.LastText(), CStringTable::Get(IDS_COLORS_RANGE));
    EXPECT_EQ(Curve().GetThreshold(), threshold);
    pOptions->ValueEdit(1)->setText(QStringLiteral("70"));
    auto* pRange = pOptions->findChild<QSpinBox*>(QStringLiteral("rangeSpin"));
    pRange->setValue(40);
    pOptions->accept();
    EXPECT_EQ(m_Bench.m_Messages.LastText(), CStringTable::Get(IDS_RANGE_RANGE));
    EXPECT_NE(Genesis().GetAdvancedOptions(), nullptr);

    // Cancel changes nothing.
    pOptions->reject();
    CWizardBench::Settle();
    EXPECT_EQ(Curve().GetThreshold(), threshold);
    EXPECT_TRUE(Genesis().IsInputEnabled());
}

TEST_F(ContinuousDialogsTest, ARebuildThatDropsAGenesisPointUpdatesTheList)
{
    // Two dashes of one line, 9 columns apart.
    QImage picture(400, 300, QImage::Format_RGB32);
    picture.fill(Qt::white);
    for (int x : {110, 200})
        for (int dx = 0; dx <= 80 - (x == 200 ? 20 : 0); ++dx)
            for (int y = 149; y <= 151; ++y)
                picture.setPixel(x + dx, y, qRgb(0, 0, 0));
    m_Bench.SetPicture(picture);
    GoToGenesis();
    m_Bench.Send(WM_GRAPH_BUTTONUP, {150, 150});
    m_Bench.Send(WM_GRAPH_BUTTONUP, {230, 150});
    ASSERT_EQ(Genesis().GetGenesisList()->count(), 2);

    // Followed as a dashed line, the first part reaches the second genesis point.
    Child<QRadioButton>("dashedYesRadio")->click();
    EXPECT_EQ(m_Bench.m_Messages.Count(), 1u) << m_Bench.m_Messages.LastText();
    EXPECT_EQ(GenesisCount(), 1u);
    ASSERT_EQ(Genesis().GetGenesisList()->count(), 1);
    Genesis().GetGenesisList()->setCurrentRow(0);
    Genesis().OnDelete();
    EXPECT_EQ(GenesisCount(), 0u);
    EXPECT_EQ(Genesis().GetGenesisList()->count(), 0);
    EXPECT_FALSE(Genesis().GetNextButton()->isEnabled());
}

TEST_F(ContinuousDialogsTest, WhileASubDialogIsOpenTheStepCannotCancelTheWizard)
{
    GoToGenesis();
    m_Bench.Send(WM_GRAPH_BUTTONUP, {150, 150});
    Child<QRadioButton>("dashedYesRadio")->click();
    CGenesisDialog* pGenesis = &Genesis();
    const CCurve* pCurve = &Curve();
    const auto stillRunning = [&] {
        ASSERT_EQ(m_Bench.Dialog(), pGenesis);
        EXPECT_TRUE(pGenesis->isVisible());
        EXPECT_EQ(m_Bench.m_View.GetSequence()->GetCurve(), pCurve);
        EXPECT_EQ(m_pCoordSyst->GetCurveList().size(), 1u);
    };
    // Escape, the Cancel button and the close box of the step, with each sub-dialog open.
    for (int nSub = 0; nSub < 2; ++nSub) {
        QDialog* pSub = nullptr;
        if (nSub == 0) {
            QTest::mouseClick(Child<QPushButton>("modifyButton"), Qt::LeftButton);
            pSub = Genesis().GetDashDialog();
        } else {
            QTest::mouseClick(Child<QPushButton>("advancedButton"), Qt::LeftButton);
            pSub = Genesis().GetAdvancedOptions();
        }
        ASSERT_NE(pSub, nullptr);
        EXPECT_FALSE(pGenesis->isEnabled());
        EXPECT_TRUE(pSub->isEnabled());
        // Brought forward, the step hands the keyboard to the sub-dialog.
        pGenesis->activateWindow();
        EXPECT_TRUE(QTest::qWaitFor([pSub] { return pSub->isActiveWindow(); }, 5000));
        QTest::keyClick(pGenesis, Qt::Key_Escape);
        CWizardBench::Settle();
        stillRunning();
        QTest::mouseClick(Child<QPushButton>("cancelButton"), Qt::LeftButton);
        CWizardBench::Settle();
        stillRunning();
        ASSERT_FALSE(pGenesis->close());
        CWizardBench::Settle();
        stillRunning();
        EXPECT_TRUE(pSub->isVisible());
        QTest::keyClick(pSub, Qt::Key_Escape);
        CWizardBench::Settle();
        EXPECT_TRUE(pGenesis->isEnabled());
    }
    // Once the sub-dialog is answered, Escape cancels again.
    QTest::keyClick(pGenesis, Qt::Key_Escape);
    CWizardBench::Settle();
    EXPECT_EQ(m_Bench.m_View.GetSequence(), nullptr);
    EXPECT_TRUE(m_pCoordSyst->GetCurveList().empty());
}

TEST_F(ContinuousDialogsTest, AThicknessOrDashDistanceOutOfRangeIsRefusedWithTheRange)
{
    GoToGenesis();
    const auto typeInto = [](QSpinBox* pSpin, const char* pszText) {
        pSpin->setFocus();
        pSpin->selectAll();
        QTest::keyClicks(pSpin, QString::fromLatin1(pszText));
    };
    const auto tipShows = [](const char* pszText) {
        return QTest::qWaitFor([pszText] { return QToolTip::text() == QLatin1String(pszText); });
    };
    auto* pThickness = Child<QSpinBox>("thicknessSpin");
    ASSERT_NE(pThickness, nullptr);
    typeInto(pThickness, "40");
    EXPECT_TRUE(tipShows("Please enter an integer between 1 and 32."));
    EXPECT_EQ(pThickness->text(), QStringLiteral("4")) << "the 0 is refused";
    EXPECT_EQ(pThickness->value(), 4);

    Child<QRadioButton>("dashedYesRadio")->click();
    Genesis().OnModifyDashDistance();
    CDashMaxDistDialog* pDash = Genesis().GetDashDialog();
    auto* pDistance = pDash->findChild<QSpinBox*>(QStringLiteral("distanceSpin"));
    ASSERT_NE(pDistance, nullptr);
    typeInto(pDistance, "2000");
    EXPECT_EQ(pDistance->text(), QStringLiteral("200")) << "the last 0 is refused";
    EXPECT_EQ(static_cast<CNumberSpinBox*>(pDistance)->RangeMessage(),
              QStringLiteral("Please enter an integer between 0 and 1000."));
    pDash->reject();
}
