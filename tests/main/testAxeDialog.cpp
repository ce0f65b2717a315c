#include <QPushButton>
#include <QtTest/QTest>
#include <gtest/gtest.h>

#include "Dm/CoordSyst.h"
#include "ShellTestSupport.h"
#include "WizardTestSupport.h"
#include "main/steps/axes/AxeDialog.h"
#include "main/steps/axes/AxeDrawingState.h"
#include "main/steps/axes/AxePointPickingState.h"
#include "main/steps/axes/AxeWaitState.h"
#include "main/wizard/ConstructionCommands.h"
#include "main/fields/ValueEdit.h"
#include "platform/NumberFormat.h"
#include "platform/StringIds.h"
#include "platform/StringTable.h"

namespace {

QString Text(unsigned nId)
{
    return QString::fromStdString(CStringTable::Get(nId));
}

QString Text(unsigned nId, long long nFirst, long long nSecond = 0)
{
    return QString::fromStdString(FormatWithInts(CStringTable::Get(nId), {nFirst, nSecond}));
}

// The X axis dialog of a new coordinate system, shown and active.
class AxeDialogTest : public ::testing::Test {
protected:
    AxeDialogTest()
    {
        CConstructionCommands(m_Bench.m_View, m_Bench.m_Doc).NewCoordSyst();
        m_pCoordSyst = m_Bench.m_Doc.GetCoordSystList().front().get();
        Activate();
    }
    CAxeDialog& Dialog() const { return *m_Bench.AxeDialog(); }
    void Activate() const
    {
        Dialog().activateWindow();
        CWizardBench::Settle();
    }
    void Send(GraphMessage message, CPoint point, unsigned nFlags = 0) const
    {
        Dialog().OnGraphMessage(message, nFlags, point);
    }
    void Draw(CPoint from, CPoint to, unsigned nFlags = 0) const
    {
        Send(WM_GRAPH_BUTTONDOWN, from, nFlags);
        Send(WM_GRAPH_DRAG, to, nFlags);
        Send(WM_GRAPH_BUTTONUP, to, nFlags);
    }
    template <typename T>
    bool InState() const
    {
        return dynamic_cast<T*>(Dialog().GetState()) != nullptr;
    }

    CWizardBench m_Bench;
    CCoordSyst* m_pCoordSyst = nullptr;
};

}  // namespace

TEST_F(AxeDialogTest, DrawingTheLineWithAndWithoutShift)
{
    const CAxe& axe = m_pCoordSyst->GetXAxe();
    ASSERT_TRUE(InState<CAxeDrawingState>());
    EXPECT_TRUE(Dialog().IsDrawAxisChecked());
    EXPECT_FALSE(Dialog().IsPointEnabled(1));
    EXPECT_FALSE(Dialog().IsPointEnabled(2));
    EXPECT_EQ(Dialog().GetCursorKind(), CURSOR_CROSS);
    EXPECT_EQ(Dialog().GetPrompt(), QStringLiteral("Please draw a line on the X axis of your graphic."));
    EXPECT_TRUE(
        Dialog().findChild<QWidget*>(QStringLiteral("drawAxisButton"))->toolTip().contains(Text(1098)));
    EXPECT_TRUE(Dialog().findChild<QWidget*>(QStringLiteral("value2Edit"))->toolTip().contains(Text(1025)));

    // A click defines nothing.
    Draw({50, 60}, {50, 60});
    EXPECT_FALSE(axe.IsDefined());
    EXPECT_TRUE(InState<CAxeDrawingState>());

    // Nearly horizontal with Shift: exactly horizontal; the first point is to be placed.
    Draw({100, 250}, {300, 262}, MK_SHIFT);
    EXPECT_EQ(axe.GetLineStart(), CPoint(100, 250));
    EXPECT_EQ(axe.GetLineEnd(), CPoint(300, 250));
    ASSERT_TRUE(InState<CAxePointPickingState>());
    EXPECT_EQ(static_cast<CAxePointPickingState*>(Dialog().GetState())->GetIndex(), 1);
    EXPECT_TRUE(Dialog().IsPickPositionChecked(1));
    EXPECT_FALSE(Dialog().IsDrawAxisChecked());
    EXPECT_TRUE(Dialog().IsPointEnabled(1));
    EXPECT_FALSE(Dialog().IsPointEnabled(2));
    EXPECT_EQ(Dialog().GetPrompt(), Text(IDS_PICK_AND_ENTER, 1)) << "the focus is in the empty edit 1";

    EXPECT_EQ(CAxeDrawingState::Constrain(MK_SHIFT, {0, 0}, {10, 10}), CPoint(0, 10))
        << "45 degrees: vertical";
    EXPECT_EQ(CAxeDrawingState::Constrain(MK_SHIFT, {0, 0}, {10, -9}), CPoint(10, 0));
    EXPECT_EQ(CAxeDrawingState::Constrain(0, {0, 0}, {10, -9}), CPoint(10, -9));

    // "Draw axis" again draws a new line without Shift; with a line, pressing it again waits.
    Dialog().OnDrawAxis();
    ASSERT_TRUE(InState<CAxeDrawingState>());
    Draw({100, 250}, {300, 262});
    EXPECT_EQ(axe.GetLineEnd(), CPoint(300, 262));
    Dialog().OnDrawAxis();
    Dialog().OnDrawAxis();
    EXPECT_TRUE(InState<CAxeWaitState>());
    EXPECT_EQ(Dialog().GetCursorKind(), CURSOR_ARROW);
}

TEST_F(AxeDialogTest, ParallelAxesAndCoincidentPointsAreRefused)
{
    m_Bench.DefineAxis({100, 250}, {300, 250}, {100, 250}, "0", {300, 250}, "10");
    Dialog().OnNext();
    ASSERT_EQ(Dialog().GetTemplateId(), CAxeDialog::IDD_Y_AXIS);
    Activate();
    EXPECT_EQ(Dialog().GetPrompt(), QStringLiteral("Please draw a line on the Y axis of your graphic."));

    Draw({120, 200}, {50, 200});
    ASSERT_EQ(m_Bench.m_Messages.Count(), 1u);
    EXPECT_EQ(m_Bench.m_Messages.LastText(), CStringTable::Get(IDS_AXES_PARALLEL));
    EXPECT_EQ(m_Bench.m_Messages.Messages().back().icon, CMessageService::Icon::Information);
    EXPECT_FALSE(m_pCoordSyst->GetYAxe().IsDefined());
    EXPECT_TRUE(InState<CAxeDrawingState>());

    // Off by one pixel over 200: not parallel.
    Draw({100, 250}, {300, 251});
    EXPECT_TRUE(m_pCoordSyst->GetYAxe().IsDefined());
    Dialog().OnDrawAxis();
    Draw({100, 250}, {100, 50});
    ASSERT_TRUE(InState<CAxePointPickingState>());

    Send(WM_GRAPH_BUTTONUP, {90, 200});  // projected onto (100, 200)
    EXPECT_EQ(m_pCoordSyst->GetYAxe().GetScalePoint1().GetPosition(), CPoint(100, 200));
    ASSERT_TRUE(InState<CAxePointPickingState>());
    EXPECT_EQ(static_cast<CAxePointPickingState*>(Dialog().GetState())->GetIndex(), 2);
    EXPECT_TRUE(Dialog().IsPointEnabled(2));

    m_Bench.m_Messages.Clear();
    Send(WM_GRAPH_BUTTONUP, {130, 200});  // projected onto point 1 as well
    ASSERT_EQ(m_Bench.m_Messages.Count(), 1u);
    EXPECT_EQ(m_Bench.m_Messages.LastText(), CStringTable::Get(IDS_SCALE_POINTS_EQUAL));
    EXPECT_FALSE(m_pCoordSyst->GetYAxe().GetScalePoint2().IsPositioned());
    EXPECT_TRUE(InState<CAxePointPickingState>());

    Send(WM_GRAPH_BUTTONUP, {100, 60});
    EXPECT_TRUE(InState<CAxeWaitState>());
    EXPECT_EQ(Dialog().GetPrompt(), Text(IDS_ENTER_SCALE_VALUE, 2)) << "the focus is in the empty edit 2";
}

TEST_F(AxeDialogTest, ALineEndingAtTheCornerPixelIsRefused)
{
    // The model takes such a line for no line: the system would get no transform.
    Draw({0, 0}, {300, 250});
    ASSERT_EQ(m_Bench.m_Messages.Count(), 1u);
    EXPECT_EQ(m_Bench.m_Messages.LastText(), CStringTable::Get(IDS_AXIS_AT_CORNER));
    EXPECT_FALSE(m_pCoordSyst->GetXAxe().IsDefined());
    EXPECT_TRUE(InState<CAxeDrawingState>());
}

TEST_F(AxeDialogTest, TypedValuesUpdateThePromptAndNext)
{
    Draw({100, 250}, {300, 250});
    Send(WM_GRAPH_BUTTONUP, {100, 250});
    Send(WM_GRAPH_BUTTONUP, {300, 250});
    ASSERT_TRUE(InState<CAxeWaitState>());
    CValueEdit* pEdit1 = Dialog().GetValueEdit(1);
    CValueEdit* pEdit2 = Dialog().GetValueEdit(2);
    ASSERT_EQ(pEdit2->window()->focusWidget(), pEdit2);
    EXPECT_EQ(Dialog().GetPrompt(), Text(IDS_ENTER_SCALE_VALUE, 2));
    QTest::keyClicks(pEdit2, QStringLiteral("10"));
    EXPECT_EQ(Dialog().GetPrompt(), Text(IDS_ENTER_SCALE_VALUE, 1)) << "edit 1 is still empty";
    EXPECT_FALSE(Dialog().GetNextButton()->isEnabled());
    pEdit1->setFocus();
    CWizardBench::Settle();
    QTest::keyClicks(pEdit1, QStringLiteral("2"));
    EXPECT_EQ(Dialog().GetPrompt(), Text(IDS_READY));
    EXPECT_TRUE(Dialog().GetNextButton()->isEnabled());
    EXPECT_DOUBLE_EQ(m_pCoordSyst->GetXAxe().GetScalePoint1().GetValue(), 2.0);
    QTest::keyClick(pEdit1, Qt::Key_Backspace);
    EXPECT_FALSE(m_pCoordSyst->GetXAxe().GetScalePoint1().IsValued());
    EXPECT_FALSE(Dialog().GetNextButton()->isEnabled());
    EXPECT_EQ(Dialog().GetPrompt(), Text(IDS_ENTER_SCALE_VALUE, 1));

    // Picking again: the prompt names the point to place.
    Dialog().OnPickPosition(1);
    ASSERT_TRUE(InState<CAxePointPickingState>());
    EXPECT_EQ(Dialog().GetPrompt(), Text(IDS_PICK_SCALE_POINT, 1));
    Dialog().OnPickPosition(1);
    EXPECT_TRUE(InState<CAxeWaitState>());
}

TEST_F(AxeDialogTest, ValidationRefusesWhatCannotMakeAScale)
{
    m_Bench.DefineAxis({100, 250}, {300, 250}, {100, 250}, "5", {300, 250}, "5");
    CAxe& axe = m_pCoordSyst->GetXAxe();
    Dialog().OnNext();
    ASSERT_EQ(m_Bench.m_Messages.Count(), 1u);
    EXPECT_EQ(m_Bench.m_Messages.LastText(), CStringTable::Get(IDS_SCALE_VALUES_EQUAL));
    EXPECT_EQ(Dialog().GetTemplateId(), CAxeDialog::IDD_X_AXIS) << "the dialog stays";

    // Logarithmic with 0: accepted at once, refused by Next.
    QTest::keyClick(Dialog().GetValueEdit(1), Qt::Key_End);
    QTest::keyClick(Dialog().GetValueEdit(1), Qt::Key_Backspace);
    QTest::keyClicks(Dialog().GetValueEdit(1), QStringLiteral("0"));
    auto* pLog = Dialog().findChild<QAbstractButton*>(QStringLiteral("logarithmicRadio"));
    ASSERT_NE(pLog, nullptr);
    pLog->click();
    EXPECT_TRUE(axe.IsLogarithmic());
    Dialog().OnNext();
    EXPECT_EQ(m_Bench.m_Messages.LastText(), CStringTable::Get(IDS_LOG_VALUES_POSITIVE));

    // Both points on one pixel (the line drawn again across them).
    axe.GetScalePoint2().SetPosition({100, 250});
    Dialog().OnNext();
    EXPECT_EQ(m_Bench.m_Messages.LastText(), CStringTable::Get(IDS_SCALE_POINTS_EQUAL));
    EXPECT_EQ(m_Bench.m_Messages.Count(), 3u);
    EXPECT_EQ(Dialog().GetTemplateId(), CAxeDialog::IDD_X_AXIS);
}
