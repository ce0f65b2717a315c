#include "main/steps/continuous/HandModificationDialog.h"

#include <QIcon>
#include <QPushButton>
#include <QToolButton>

#include "Dm/BmpManager.h"
#include "Dm/ContinuousCurve.h"
#include "Dm/PlotvaneDoc.h"
#include "main/view/GraphMessage.h"
#include "main/steps/continuous/PenModificationTool.h"
#include "main/view/PlotvaneView.h"
#include "main/steps/continuous/RubberModificationTool.h"
#include "ui_HandModificationDialog.h"

CHandModificationDialog::CHandModificationDialog(CPlotvaneView& view, CSequence& sequence,
                                                 CContinuousCurve& curve)
    : CConstructionDialog(IDD, view, sequence),
      m_Curve(curve),
      m_pTool(std::make_unique<CPenModificationTool>(curve)),
      m_pUi(std::make_unique<Ui::CHandModificationDialog>())
{
    m_pUi->setupUi(this);
    setWindowTitle(tr("Graph construction - Manual modifications"));
    BindWizardButtons(m_pUi->nextButton, m_pUi->previousButton, m_pUi->cancelButton, m_pUi->helpButton);
    m_pUi->penRadio->setIcon(QIcon(QStringLiteral(":/pictures/hand-pen.svg")));
    m_pUi->rubberRadio->setIcon(QIcon(QStringLiteral(":/pictures/hand-rubber.svg")));
    m_pUi->undoButton->setIcon(QIcon(QStringLiteral(":/pictures/undo.svg")));
    m_pUi->redoButton->setIcon(QIcon(QStringLiteral(":/pictures/redo.svg")));
    m_pUi->penRadio->setChecked(true);

    connect(m_pUi->undoButton, &QPushButton::clicked, this, &CHandModificationDialog::OnUndo);
    connect(m_pUi->redoButton, &QPushButton::clicked, this, &CHandModificationDialog::OnRedo);
    connect(m_pUi->resetButton, &QPushButton::clicked, this, &CHandModificationDialog::OnReset);
    connect(m_pUi->penRadio, &QToolButton::clicked, this, [this] { OnChooseTool(TOOL_PEN); });
    connect(m_pUi->rubberRadio, &QToolButton::clicked, this, [this] { OnChooseTool(TOOL_RUBBER); });

    SetCursorKind(CURSOR_PEN);
    CommitStep();
    UpdateButtons();
}

CHandModificationDialog::~CHandModificationDialog() = default;

bool CHandModificationDialog::IsUndoEnabled() const
{
    return m_nCurrent > 0;
}

bool CHandModificationDialog::IsRedoEnabled() const
{
    return m_nCurrent + 1 < m_History.size();
}

void CHandModificationDialog::UpdateButtons()
{
    m_pUi->undoButton->setEnabled(IsUndoEnabled());
    m_pUi->redoButton->setEnabled(IsRedoEnabled());
    UpdateNextButton();
}

void CHandModificationDialog::Repaint(const CRect& rect)
{
    if (!rect.IsEmpty())
        GetView().GetDocument().Redraw(rect);
}

// ---- Strokes

void CHandModificationDialog::OnGraphButtonDown(unsigned /*nFlags*/, CPoint point)
{
    m_LastPoint = point;
    const CRect changed = m_pTool->Apply(point, point);
    m_Curve.SetHandModified(true);
    Repaint(changed);
}

void CHandModificationDialog::OnGraphDrag(unsigned /*nFlags*/, CPoint point)
{
    if (point == m_LastPoint)
        return;
    if (const CBmpManager* pBmp = GetView().GetDocument().GetBmpManager();
        pBmp != nullptr && pBmp->IsLoaded())
        point = pBmp->Clamp(point.x, point.y);
    const CRect changed = m_pTool->Apply(m_LastPoint, point);
    m_LastPoint = point;
    Repaint(changed);
}

void CHandModificationDialog::OnGraphButtonUp(unsigned /*nFlags*/, CPoint /*point*/)
{
    CommitStep();
    GetView().GetDocument().UpdateAllViews();
    UpdateButtons();
}

void CHandModificationDialog::CommitStep()
{
    if (!m_History.empty())
        m_History.resize(m_nCurrent + 1);
    m_History.push_back({m_Curve.TakeSnapshot(), m_Curve.IsHandModified()});
    m_nCurrent = m_History.size() - 1;
}

void CHandModificationDialog::RestoreCurrent()
{
    // The flag goes with the points: hand-made points brought back by Undo or Redo must be
    // protected from a rebuild as they were when they were made.
    m_Curve.RestoreSnapshot(m_History[m_nCurrent].points);
    m_Curve.SetHandModified(m_History[m_nCurrent].bHandModified);
}

// ---- Controls

void CHandModificationDialog::OnUndo()
{
    if (m_nCurrent == 0)
        return;
    --m_nCurrent;
    RestoreCurrent();
    GetView().GetDocument().UpdateAllViews();
    UpdateButtons();
}

void CHandModificationDialog::OnRedo()
{
    if (!IsRedoEnabled())
        return;
    ++m_nCurrent;
    RestoreCurrent();
    GetView().GetDocument().UpdateAllViews();
    UpdateButtons();
}

void CHandModificationDialog::OnReset()
{
    m_Curve.Rebuild();
    CommitStep();
    GetView().GetDocument().UpdateAllViews();
    UpdateButtons();
}

void CHandModificationDialog::OnChooseTool(Tool tool)
{
    m_nTool = tool;
    m_pTool.reset();
    if (tool == TOOL_RUBBER) {
        m_pTool = std::make_unique<CRubberModificationTool>(m_Curve);
        SetCursorKind(CURSOR_ERASER);
    } else {
        m_pTool = std::make_unique<CPenModificationTool>(m_Curve);
        SetCursorKind(CURSOR_PEN);
    }
    (tool == TOOL_RUBBER ? m_pUi->rubberRadio : m_pUi->penRadio)->setChecked(true);
}

bool CHandModificationDialog::CanGoNext() const
{
    return !m_History.empty() && !m_History[m_nCurrent].points.empty();
}
