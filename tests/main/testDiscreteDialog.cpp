#include <set>

#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QtTest/QTest>
#include <gtest/gtest.h>

#include "Dm/CoordSyst.h"
#include "Dm/DiscreteCurve.h"
#include "WizardTestSupport.h"
#include "main/wizard/ConstructionCommands.h"
#include "main/steps/discrete/DiscreteDialog.h"
#include "main/wizard/PointListColumns.h"
#include "platform/StringIds.h"
#include "platform/StringTable.h"

namespace {

using Answer = CMessageService::Answer;

// A new discrete curve on an upright coordinate system, its dialog open.
class DiscreteDialogTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_pCoordSyst = AddUprightCoordSyst(m_Bench.m_Doc);
        m_pCoordSyst->SetSelected(true);
        CConstructionCommands(m_Bench.m_View, m_Bench.m_Doc).NewCurve(ECurveKind::Discrete);
        m_pDialog = dynamic_cast<CDiscreteDialog*>(m_Bench.Dialog());
        ASSERT_NE(m_pDialog, nullptr);
        m_pList = m_pDialog->findChild<QListWidget*>(QStringLiteral("pointList"));
        m_pDelete = m_pDialog->findChild<QPushButton*>(QStringLiteral("deleteButton"));
        m_pSort = m_pDialog->findChild<QPushButton*>(QStringLiteral("sortButton"));
        m_pName = m_pDialog->findChild<QLineEdit*>(QStringLiteral("nameEdit"));
        ASSERT_TRUE(m_pList != nullptr && m_pDelete != nullptr && m_pSort != nullptr && m_pName != nullptr);
    }

    void Click(CPoint point) const
    {
        m_pDialog->OnGraphMessage(WM_GRAPH_BUTTONDOWN, 0, point);
        m_pDialog->OnGraphMessage(WM_GRAPH_BUTTONUP, 0, point);
    }

    CWizardBench m_Bench;
    CCoordSyst* m_pCoordSyst = nullptr;
    CDiscreteDialog* m_pDialog = nullptr;
    QListWidget* m_pList = nullptr;
    QPushButton* m_pDelete = nullptr;
    QPushButton* m_pSort = nullptr;
    QLineEdit* m_pName = nullptr;
};

}  // namespace

TEST(PointListColumns, YStaysInItsColumnWhateverXHolds)
{
    EXPECT_EQ(CPointListColumns::Line(1.5, 2), QStringLiteral("1.5") + QString(12, QLatin1Char(' ')) + "2");
    // The longest X "%g" prints is 13 characters.
    EXPECT_EQ(CPointListColumns::Line(-1.23456e-100, -7), QStringLiteral("-1.23456e-100  -7"));

    // On the screen: the Y of every line starts at the same place, under the Y caption.
    QListWidget list;
    QLabel xCaption(QStringLiteral("X"));
    CPointListColumns::SetUp(list, &xCaption);
    const QFontMetrics metrics(list.font());
    std::set<int> yStarts;
    for (double x : {1.5, 10.0, -1.23456e-100, 100000.0, 0.125}) {
        const QString strLine = CPointListColumns::Line(x, 42);
        yStarts.insert(metrics.horizontalAdvance(strLine.left(strLine.lastIndexOf(QLatin1Char(' ')) + 1)));
    }
    EXPECT_EQ(yStarts.size(), 1u);
    EXPECT_GT(xCaption.width(), *yStarts.begin());
}

TEST_F(DiscreteDialogTest, ClicksAddPointsAndDeleteRemovesEverySelectedOne)
{
    EXPECT_EQ(m_pDialog->GetCursorKind(), CURSOR_CROSS);
    EXPECT_FALSE(m_pSort->isEnabled());
    EXPECT_FALSE(m_pDelete->isEnabled());
    EXPECT_FALSE(m_pDialog->GetNextButton()->isEnabled()) << "no point yet";

    Click({1, 100});
    EXPECT_EQ(m_pList->item(0)->text(), CPointListColumns::Line(-4.95, 75));
    EXPECT_FALSE(m_pSort->isEnabled()) << "one line";
    EXPECT_TRUE(m_pDialog->GetNextButton()->isEnabled());

    // 300 points, x = 1 … 300; every line but those of x divisible by 3 selected: 200 lines.
    for (int x = 2; x <= 300; ++x)
        Click({x, 100});
    ASSERT_EQ(m_pList->count(), 300);
    EXPECT_TRUE(m_pSort->isEnabled());
    for (int i = 0; i < 300; ++i)
        m_pList->item(i)->setSelected((i + 1) % 3 != 0);
    EXPECT_TRUE(m_pDelete->isEnabled());
    m_pDelete->click();

    const auto& points = m_pDialog->GetCurve().GetPoints();
    ASSERT_EQ(points.size(), 100u);
    int nExpected = 3;
    for (const CPoint& point : points) {
        EXPECT_EQ(point.x, nExpected);
        nExpected += 3;
    }
    EXPECT_EQ(m_pList->count(), 100);
    EXPECT_FALSE(m_pDelete->isEnabled()) << "nothing selected after a delete";

    // Delete without a selection says so and changes nothing.
    m_pDialog->OnDelete();
    EXPECT_EQ(m_Bench.m_Messages.LastText(), CStringTable::Get(IDS_NO_POINT_SELECTED));
    EXPECT_EQ(m_Bench.m_Messages.Messages().back().icon, CMessageService::Icon::Information);
    EXPECT_EQ(points.size(), 100u);
}

TEST_F(DiscreteDialogTest, SortOrdersByGraphXAndFinishKeepsTheCheckedName)
{
    for (int x : {250, 120, 180})
        Click({x, 150});
    m_pSort->click();
    ASSERT_EQ(m_pList->count(), 3);
    EXPECT_EQ(m_pList->item(0)->text(), CPointListColumns::Line(1, 50));
    EXPECT_EQ(m_pList->item(2)->text(), CPointListColumns::Line(7.5, 50));
    // The lines still name their points: deleting the first removes the leftmost point.
    m_pList->item(0)->setSelected(true);
    m_pDelete->click();
    EXPECT_EQ(m_pDialog->GetCurve().GetPoints().front(), CPoint(180, 150));

    m_pName->clear();
    EXPECT_FALSE(m_pDialog->GetNextButton()->isEnabled()) << "no name";
    QTest::keyClicks(m_pName, QStringLiteral("Pressure"));
    EXPECT_TRUE(m_pDialog->GetNextButton()->isEnabled());

    // Another curve of the same name: No keeps the dialog, Yes finishes with the new name.
    m_pCoordSyst->AddCurve(std::make_unique<CDiscreteCurve>(m_pCoordSyst))->SetName("Pressure");
    CDiscreteCurve& curve = m_pDialog->GetCurve();
    m_Bench.m_Messages.QueueAnswer(Answer::No);
    m_pDialog->OnNext();
    EXPECT_EQ(m_Bench.Dialog(), m_pDialog);
    EXPECT_NE(curve.GetName(), "Pressure");
    m_Bench.m_Messages.QueueAnswer(Answer::Yes);
    FinishWithoutExport(*m_pDialog);
    EXPECT_EQ(m_Bench.Dialog(), nullptr);
    EXPECT_EQ(curve.GetName(), "Pressure");
    EXPECT_EQ(curve.GetPointCount(), 2u);
}
