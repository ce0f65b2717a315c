#include <iterator>

#include <QAbstractButton>
#include <QImage>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest/QTest>
#include <gtest/gtest.h>

#include "Dm/BezierNode.h"
#include "Dm/CoordSyst.h"
#include "Dm/SplineCurve.h"
#include "WizardTestSupport.h"
#include "main/wizard/ConstructionCommands.h"
#include "main/steps/spline/SplineDialog.h"
#include "platform/StringIds.h"
#include "platform/StringTable.h"

namespace {

using Answer = CMessageService::Answer;

// A spline curve on an upright coordinate system, its dialog open.
class SplineDialogTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_pCoordSyst = AddUprightCoordSyst(m_Bench.m_Doc);
        m_pCoordSyst->SetSelected(true);
        CConstructionCommands(m_Bench.m_View, m_Bench.m_Doc).NewCurve(ECurveKind::Spline);
        m_pDialog = dynamic_cast<CSplineDialog*>(m_Bench.Dialog());
        ASSERT_NE(m_pDialog, nullptr);
    }

    // Press at from, drag through to (when it differs), release there.
    void Stroke(CPoint from, CPoint to, unsigned nFlags = 0) const
    {
        m_pDialog->OnGraphMessage(WM_GRAPH_BUTTONDOWN, nFlags, from);
        if (to != from)
            m_pDialog->OnGraphMessage(WM_GRAPH_DRAG, nFlags, to);
        m_pDialog->OnGraphMessage(WM_GRAPH_BUTTONUP, nFlags, to);
    }
    void Click(CPoint point) const { Stroke(point, point); }

    // Which tool buttons are enabled, as a string of 0 and 1 for tools 0 … 4, then Clean All.
    std::string Enabled() const
    {
        std::string strEnabled;
        for (int nIndex = 0; nIndex < CSplineDialog::kToolCount; ++nIndex)
            strEnabled += m_pDialog->GetToolButton(nIndex)->isEnabled() ? '1' : '0';
        return strEnabled + (m_pDialog->GetCleanAllButton()->isEnabled() ? '1' : '0');
    }

    const CBezierNode& Node(size_t nIndex) const
    {
        const auto& nodes = m_pDialog->GetCurve().GetNodeList();
        return static_cast<const CBezierNode&>(**std::next(nodes.begin(), static_cast<long>(nIndex)));
    }

    CWizardBench m_Bench;
    CCoordSyst* m_pCoordSyst = nullptr;
    CSplineDialog* m_pDialog = nullptr;
};

QString Text(unsigned nId)
{
    return QString::fromStdString(CStringTable::Get(nId));
}

}  // namespace

TEST_F(SplineDialogTest, ToolsBuildAndShapeACurve)
{
    CSplineCurve& curve = m_pDialog->GetCurve();
    EXPECT_EQ(m_pDialog->GetCursorKind(), CURSOR_ARROW);
    EXPECT_EQ(m_pDialog->GetToolIndex(), 0);
    EXPECT_TRUE(m_pDialog->GetToolButton(0)->isChecked());
    EXPECT_EQ(m_pDialog->GetComment(), Text(IDS_SPLINE_TOOL_ADD_BACK));
    EXPECT_EQ(Enabled(), "100000");
    EXPECT_FALSE(m_pDialog->GetNextButton()->isEnabled());

    // Add at the end: a click without moving makes a sharp node.
    Click({120, 200});
    EXPECT_EQ(Node(0).GetFrontHandle(), CPoint());
    EXPECT_EQ(Node(0).GetBackHandle(), CPoint());
    EXPECT_EQ(Enabled(), "110111");
    EXPECT_FALSE(m_pDialog->GetNextButton()->isEnabled()) << "one node";
    Click({200, 100});
    EXPECT_EQ(Enabled(), "111111");
    EXPECT_TRUE(m_pDialog->GetNextButton()->isEnabled());

    // Add at the beginning.
    m_pDialog->GetToolButton(1)->click();
    EXPECT_EQ(m_pDialog->GetComment(), Text(IDS_SPLINE_TOOL_ADD_FRONT));
    Click({100, 250});
    ASSERT_EQ(curve.GetNodeCount(), 3u);
    EXPECT_EQ(Node(0).GetAnchor(), CPoint(100, 250));

    // Add in the middle: refused on a node, then a split that the Modify tool drags on.
    m_pDialog->GetToolButton(2)->click();
    Click({120, 200});
    EXPECT_EQ(m_Bench.m_Messages.LastText(), CStringTable::Get(IDS_SPLINE_CANNOT_INSERT));
    EXPECT_EQ(curve.GetNodeCount(), 3u);
    m_pDialog->OnGraphMessage(WM_GRAPH_BUTTONDOWN, 0, {160, 150});
    EXPECT_EQ(m_pDialog->GetToolIndex(), 4) << "Modify takes over at once";
    EXPECT_EQ(m_pDialog->GetComment(), Text(IDS_SPLINE_TOOL_MODIFY));
    m_pDialog->OnGraphMessage(WM_GRAPH_DRAG, 0, {165, 140});
    EXPECT_FALSE(m_Bench.m_View.GetInvertedOverlay().IsEmpty()) << "the drag preview";
    m_pDialog->OnGraphMessage(WM_GRAPH_BUTTONUP, 0, {165, 140});
    EXPECT_TRUE(m_Bench.m_View.GetInvertedOverlay().IsEmpty()) << "the preview goes on release";
    ASSERT_EQ(curve.GetNodeCount(), 4u);
    EXPECT_EQ(Node(2).GetAnchor(), CPoint(165, 140));
    EXPECT_EQ(curve.GetActiveNode(), nullptr);

    // Modify: Shift mirrors the handles, Ctrl makes a corner, Shift smooths it again.
    Stroke({200, 100}, {220, 100}, MK_SHIFT);
    EXPECT_EQ(Node(3).GetFrontHandle(), CPoint(20, 0));
    EXPECT_EQ(Node(3).GetBackHandle(), CPoint(-20, 0));
    Stroke({220, 100}, {220, 80}, MK_CONTROL);
    EXPECT_EQ(Node(3).GetFrontHandle(), CPoint(20, -20));
    EXPECT_EQ(Node(3).GetBackHandle(), CPoint(-20, 0));
    EXPECT_FALSE(Node(3).IsSmooth());
    Stroke({220, 80}, {230, 100}, MK_SHIFT);
    EXPECT_EQ(Node(3).GetFrontHandle(), CPoint(30, 0));
    EXPECT_EQ(Node(3).GetBackHandle(), CPoint(-30, 0));
    EXPECT_TRUE(Node(3).IsSmooth());
    Click({10, 10});
    EXPECT_EQ(m_Bench.m_Messages.LastText(), CStringTable::Get(IDS_SPLINE_CANNOT_MODIFY));

    // Add at the end with a drag: the back handle follows the mouse, the front one mirrors it.
    m_pDialog->GetToolButton(0)->click();
    Stroke({260, 150}, {280, 160});
    ASSERT_EQ(curve.GetNodeCount(), 5u);
    EXPECT_EQ(Node(4).GetBackHandle(), CPoint(20, 10));
    EXPECT_EQ(Node(4).GetFrontHandle(), CPoint(-20, -10));

    // Remove: a miss is refused and the rest of that drag ignored; the last node gone, the
    // Add at the end tool is back.
    m_pDialog->GetToolButton(3)->click();
    EXPECT_EQ(m_pDialog->GetComment(), Text(IDS_SPLINE_TOOL_REMOVE));
    QTest::mousePress(m_Bench.m_View.viewport(), Qt::LeftButton, {}, m_Bench.m_View.BitmapToClient({0, 0}));
    EXPECT_EQ(m_Bench.m_Messages.LastText(), CStringTable::Get(IDS_SPLINE_CANNOT_REMOVE));
    EXPECT_EQ(m_Bench.m_View.GetMouseState(), CPlotvaneView::MOUSE_IDLE);
    QTest::mouseRelease(m_Bench.m_View.viewport(), Qt::LeftButton, {}, m_Bench.m_View.BitmapToClient({0, 0}));
    for (CPoint anchor : {CPoint(260, 150), CPoint(165, 140), CPoint(100, 250), CPoint(120, 200)})
        Click(anchor);
    EXPECT_EQ(m_pDialog->GetToolIndex(), 3);
    EXPECT_EQ(Enabled(), "110111");
    Click({200, 100});
    EXPECT_EQ(curve.GetNodeCount(), 0u);
    EXPECT_EQ(m_pDialog->GetToolIndex(), 0);
    EXPECT_EQ(Enabled(), "100000");
}

TEST_F(SplineDialogTest, CleanAllAsksFirst)
{
    Click({120, 200});
    Click({200, 100});
    m_Bench.m_Messages.QueueAnswer(Answer::No);
    m_pDialog->GetCleanAllButton()->click();
    EXPECT_EQ(m_Bench.m_Messages.LastText(), CStringTable::Get(IDS_SPLINE_CLEAN_ALL));
    EXPECT_EQ(m_Bench.m_Messages.Messages().back().icon, CMessageService::Icon::Question);
    EXPECT_EQ(m_pDialog->GetCurve().GetNodeCount(), 2u);

    m_pDialog->GetToolButton(4)->click();
    m_Bench.m_Messages.QueueAnswer(Answer::Yes);
    m_pDialog->GetCleanAllButton()->click();
    EXPECT_EQ(m_pDialog->GetCurve().GetNodeCount(), 0u);
    EXPECT_EQ(m_pDialog->GetToolIndex(), 0);
    EXPECT_EQ(Enabled(), "100000");
    EXPECT_FALSE(m_pDialog->GetNextButton()->isEnabled());
}

TEST_F(SplineDialogTest, FinishedCurveIsNamedAndOpensWithModifyWhenModified)
{
    Click({120, 200});
    Click({200, 100});
    auto* pName = m_pDialog->findChild<QLineEdit*>(QStringLiteral("nameEdit"));
    ASSERT_NE(pName, nullptr);
    pName->clear();
    EXPECT_FALSE(m_pDialog->GetNextButton()->isEnabled()) << "no name";
    QTest::keyClicks(pName, QStringLiteral("Fit"));
    ASSERT_TRUE(m_pDialog->GetNextButton()->isEnabled());
    CSplineCurve& curve = m_pDialog->GetCurve();
    FinishWithoutExport(*m_pDialog);
    EXPECT_EQ(m_Bench.Dialog(), nullptr);
    EXPECT_EQ(curve.GetName(), "Fit");

    m_Bench.m_Doc.ClearSelection();
    curve.SetSelected(true);
    CConstructionCommands(m_Bench.m_View, m_Bench.m_Doc).ModifySelected();
    auto* pDialog = dynamic_cast<CSplineDialog*>(m_Bench.Dialog());
    ASSERT_NE(pDialog, nullptr);
    EXPECT_EQ(pDialog->GetToolIndex(), 4);
    EXPECT_EQ(pDialog->GetNextButton()->text(), Text(IDS_FINISH));
    pDialog->reject();
}

TEST_F(SplineDialogTest, ModifyMovesANodePlacedWithAClickByItsAnchor)
{
    QImage picture(400, 300, QImage::Format_RGB32);
    picture.fill(Qt::white);
    m_Bench.SetPicture(picture);
    QWidget* pViewport = m_Bench.m_View.viewport();
    const auto at = [this](CPoint point) { return m_Bench.m_View.BitmapToClient(point); };
    for (const CPoint anchor : {CPoint(100, 200), CPoint(200, 100)})
        QTest::mouseClick(pViewport, Qt::LeftButton, {}, at(anchor));
    ASSERT_EQ(m_pDialog->GetCurve().GetNodeCount(), 2u);
    ASSERT_EQ(Node(0).GetFrontHandle(), CPoint());
    QTest::mouseClick(m_pDialog->GetToolButton(4), Qt::LeftButton);
    ASSERT_EQ(m_pDialog->GetToolIndex(), 4);

    // The first drag from the anchor moves the node, its handles staying at length 0.
    QTest::mousePress(pViewport, Qt::LeftButton, {}, at({100, 200}));
    QTest::mouseMove(pViewport, at({110, 205}));
    QTest::mouseMove(pViewport, at({120, 210}));
    QTest::mouseRelease(pViewport, Qt::LeftButton, {}, at({120, 210}));
    EXPECT_EQ(Node(0).GetAnchor(), CPoint(120, 210));
    EXPECT_EQ(Node(0).GetFrontHandle(), CPoint());
    EXPECT_EQ(Node(0).GetBackHandle(), CPoint());

    // With Shift, a drag from the anchor pulls smooth handles out of it.
    QTest::mousePress(pViewport, Qt::LeftButton, Qt::ShiftModifier, at({120, 210}));
    QTest::mouseMove(pViewport, at({130, 210}));
    QTest::mouseMove(pViewport, at({140, 210}));
    QTest::mouseRelease(pViewport, Qt::LeftButton, Qt::ShiftModifier, at({140, 210}));
    EXPECT_EQ(Node(0).GetAnchor(), CPoint(120, 210));
    EXPECT_EQ(Node(0).GetFrontHandle(), CPoint(20, 0));
    EXPECT_EQ(Node(0).GetBackHandle(), CPoint(-20, 0));
}
