#include <vector>

#include <QDir>
#include <QFile>
#include <QImage>
#include <QPushButton>
#include <gtest/gtest.h>

#include "Dm/ContinuousCurve.h"
#include "Dm/CoordSyst.h"
#include "Dm/DocumentObserver.h"
#include "Dm/Limit.h"
#include "WizardTestSupport.h"
#include "main/wizard/ConstructionCommands.h"
#include "main/steps/continuous/HandModificationDialog.h"
#include "main/steps/continuous/HandModifiedQuestion.h"
#include "main/wizard/Sequence.h"
#include "platform/StringIds.h"
#include "platform/StringTable.h"

namespace {

using Points = CCurve::PointList;

// Notes the rectangles the document has the views repaint at once.
class CRedrawRecorder : public CDocumentObserver {
public:
    void OnRedraw(const CRect& clip) override { m_Rects.push_back(clip); }
    std::vector<CRect> m_Rects;
};

// A 400 x 300 picture with a black line on row 150 from x = 120 to x = 280, an upright
// coordinate system and a continuous curve traced on the line, in its wizard at the hand
// modification step.
class HandModificationTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        QImage image(400, 300, QImage::Format_RGB32);
        image.fill(Qt::white);
        for (int x = 120; x <= 280; ++x)
            image.setPixel(x, 150, qRgb(0, 0, 0));
        const QString strPath =
            QDir(QString::fromUtf8(PLOTVANE_TEST_WORK)).filePath(QStringLiteral("hand.bmp"));
        ASSERT_TRUE(image.save(strPath, "BMP"));
        ASSERT_TRUE(m_Bench.m_Doc.OpenBitmap(QFile::encodeName(strPath).toStdString()));
        CCoordSyst* pCoordSyst = AddUprightCoordSyst(m_Bench.m_Doc);
        m_pCurve = static_cast<CContinuousCurve*>(
            pCoordSyst->AddCurve(std::make_unique<CContinuousCurve>(pCoordSyst)));
        m_pCurve->GetLeftLimit()->SetValue(0);
        m_pCurve->GetRightLimit()->SetValue(10);
        ASSERT_EQ(m_pCurve->AddGenesisPoint({200, 150}), CContinuousCurve::GenesisOutcome::Added);
        m_Traced = m_pCurve->GetPoints();
        ASSERT_GT(m_Traced.size(), 100u);

        m_pCurve->SetSelected(true);
        CConstructionCommands(m_Bench.m_View, m_Bench.m_Doc).ModifySelected();
        CSequence* pSequence = m_Bench.m_View.GetSequence();
        ASSERT_NE(pSequence, nullptr);
        // Straight to the hand modification, past the steps before it.
        if (CConstructionDialog* pFirst = pSequence->GetDialog()) {
            pFirst->hide();
            pFirst->deleteLater();
        }
        pSequence->Move(+2);
        m_pDialog = dynamic_cast<CHandModificationDialog*>(m_Bench.Dialog());
        ASSERT_NE(m_pDialog, nullptr);
        m_Bench.m_Doc.AddObserver(&m_Redraws);
    }

    void TearDown() override { m_Bench.m_Doc.RemoveObserver(&m_Redraws); }

    // Press at the first point, drag through the others, release at the last.
    void Stroke(std::vector<CPoint> points) const
    {
        m_pDialog->OnGraphMessage(WM_GRAPH_BUTTONDOWN, 0, points.front());
        for (size_t i = 1; i < points.size(); ++i)
            m_pDialog->OnGraphMessage(WM_GRAPH_DRAG, 0, points[i]);
        m_pDialog->OnGraphMessage(WM_GRAPH_BUTTONUP, 0, points.back());
    }

    // The y of column x, or -1 without a point there.
    int YAt(int x) const
    {
        for (const CPoint& point : m_pCurve->GetPoints())
            if (point.x == x)
                return point.y;
        return -1;
    }

    CWizardBench m_Bench;
    CContinuousCurve* m_pCurve = nullptr;
    Points m_Traced;
    CHandModificationDialog* m_pDialog = nullptr;
    CRedrawRecorder m_Redraws;
};

}  // namespace

TEST_F(HandModificationTest, PenAndRubberStrokesRepaintWhatTheyChange)
{
    EXPECT_EQ(m_pDialog->GetCursorKind(), CURSOR_PEN);
    EXPECT_FALSE(m_pDialog->IsUndoEnabled());
    EXPECT_FALSE(m_pDialog->IsRedoEnabled());
    EXPECT_EQ(m_pDialog->GetNextButton()->text(), QString::fromStdString(CStringTable::Get(IDS_FINISH)));

    // A click without moving sets exactly the point of its column; the rectangle the curve
    // reports is the one repainted.
    CContinuousCurve copy(m_pCurve->GetCoordSyst());
    copy.GetPoints() = m_Traced;
    const CRect expected = copy.SetPoint(200, 100);
    m_pDialog->OnGraphMessage(WM_GRAPH_BUTTONDOWN, 0, {200, 100});
    ASSERT_EQ(m_Redraws.m_Rects.size(), 1u);
    EXPECT_EQ(m_Redraws.m_Rects.front(), expected);
    m_pDialog->OnGraphMessage(WM_GRAPH_BUTTONUP, 0, {200, 100});
    EXPECT_EQ(m_pCurve->GetPoints(), copy.GetPoints());
    EXPECT_TRUE(m_pCurve->IsHandModified());
    EXPECT_TRUE(m_pDialog->IsUndoEnabled());

    // The same stroke from right to left and from left to right.
    Stroke({{260, 140}, {250, 130}, {230, 120}});
    const Points rightToLeft = m_pCurve->GetPoints();
    m_pDialog->OnUndo();
    Stroke({{230, 120}, {250, 130}, {260, 140}});
    EXPECT_EQ(m_pCurve->GetPoints(), rightToLeft);
    EXPECT_EQ(YAt(240), 125);

    // The rubber: across columns without points nothing goes; across the line, its columns.
    m_pDialog->OnChooseTool(CHandModificationDialog::TOOL_RUBBER);
    EXPECT_EQ(m_pDialog->GetCursorKind(), CURSOR_ERASER);
    const size_t nBefore = m_pCurve->GetPointCount();
    Stroke({{20, 50}, {60, 200}});
    EXPECT_EQ(m_pCurve->GetPointCount(), nBefore);
    Stroke({{130, 10}, {140, 290}});
    EXPECT_EQ(m_pCurve->GetPointCount(), nBefore - 11);
    EXPECT_EQ(YAt(129), 150);
    EXPECT_EQ(YAt(130), -1);
    EXPECT_EQ(YAt(141), 150);

    // Erasing everything leaves nothing to finish with.
    Stroke({{0, 0}, {399, 299}});
    EXPECT_EQ(m_pCurve->GetPointCount(), 0u);
    EXPECT_FALSE(m_pDialog->GetNextButton()->isEnabled());
    m_pDialog->OnUndo();
    EXPECT_TRUE(m_pDialog->GetNextButton()->isEnabled());
    FinishWithoutExport(*m_pDialog);
    EXPECT_EQ(m_Bench.Dialog(), nullptr);
    EXPECT_EQ(m_pCurve->GetPointCount(), nBefore - 11);
}

TEST_F(HandModificationTest, HistoryUndoRedoAndReset)
{
    Stroke({{150, 100}});
    Stroke({{160, 100}});
    const Points afterTwo = m_pCurve->GetPoints();
    Stroke({{170, 100}});
    m_pDialog->OnUndo();
    EXPECT_EQ(m_pCurve->GetPoints(), afterTwo);
    EXPECT_TRUE(m_pDialog->IsRedoEnabled());
    // A new stroke after Undo: the redo steps are gone.
    Stroke({{180, 100}});
    EXPECT_FALSE(m_pDialog->IsRedoEnabled());
    EXPECT_EQ(m_pDialog->GetHistorySize(), 4u);
    const Points handMade = m_pCurve->GetPoints();

    // Back to the opening state: the flag goes; Redo brings the points and the flag back,
    // so that a rebuild still asks before it throws them away.
    for (int i = 0; i < 3; ++i)
        m_pDialog->OnUndo();
    EXPECT_EQ(m_pCurve->GetPoints(), m_Traced);
    EXPECT_FALSE(m_pCurve->IsHandModified());
    EXPECT_FALSE(m_pDialog->IsUndoEnabled());
    m_pDialog->OnUndo();
    EXPECT_EQ(m_pDialog->GetCurrentIndex(), 0u) << "nothing before the opening state";
    for (int i = 0; i < 3; ++i)
        m_pDialog->OnRedo();
    EXPECT_EQ(m_pCurve->GetPoints(), handMade);
    EXPECT_TRUE(m_pCurve->IsHandModified());
    m_pDialog->OnRedo();
    EXPECT_EQ(m_pDialog->GetCurrentIndex(), 3u);

    // Reset traces the curve again and is itself a step that Undo takes back, the flag
    // with the points.
    m_pDialog->OnReset();
    EXPECT_EQ(m_pCurve->GetPoints(), m_Traced);
    EXPECT_FALSE(m_pCurve->IsHandModified());
    EXPECT_FALSE(m_pDialog->IsRedoEnabled());
    m_pDialog->OnUndo();
    EXPECT_EQ(m_pCurve->GetPoints(), handMade);
    EXPECT_TRUE(m_pCurve->IsHandModified());
    m_Bench.m_Messages.QueueAnswer(CMessageService::Answer::No);
    EXPECT_FALSE(CHandModifiedQuestion::MayRebuild(*m_pCurve));
    EXPECT_EQ(m_Bench.m_Messages.LastText(), CStringTable::Get(IDS_LOSE_HAND_MODIFICATIONS));
}
