#include "main/steps/spline/SplineDialog.h"

#include <QButtonGroup>
#include <QIcon>
#include <QPushButton>
#include <QToolButton>

#include "Dm/PlotvaneDoc.h"
#include "Dm/SplineCurve.h"
#include "main/view/GraphMessage.h"
#include "main/view/PlotvaneView.h"
#include "main/adapters/QtText.h"
#include "main/steps/spline/SplineDlgAddBackTool.h"
#include "main/steps/spline/SplineDlgAddFrontTool.h"
#include "main/steps/spline/SplineDlgAddMiddleTool.h"
#include "main/steps/spline/SplineDlgModifyTool.h"
#include "main/steps/spline/SplineDlgRemoveTool.h"
#include "platform/MessageService.h"
#include "platform/StringIds.h"
#include "ui_SplineDialog.h"

namespace {

std::unique_ptr<CSplineDlgAbstractTool> MakeTool(int nIndex, CSplineDialog& dialog, CSplineCurve& curve)
{
    switch (nIndex) {
        case CSplineDlgAddFrontTool::kIndex:
            return std::make_unique<CSplineDlgAddFrontTool>(dialog, curve);
        case CSplineDlgAddMiddleTool::kIndex:
            return std::make_unique<CSplineDlgAddMiddleTool>(dialog, curve);
        case CSplineDlgRemoveTool::kIndex:
            return std::make_unique<CSplineDlgRemoveTool>(dialog, curve);
        case CSplineDlgModifyTool::kIndex:
            return std::make_unique<CSplineDlgModifyTool>(dialog, curve);
        default:
            return std::make_unique<CSplineDlgAddBackTool>(dialog, curve);
    }
}

}  // namespace

CSplineDialog::CSplineDialog(CPlotvaneView& view, CSequence& sequence, CSplineCurve& curve)
    : CConstructionDialog(IDD, view, sequence), m_Curve(curve), m_pUi(std::make_unique<Ui::CSplineDialog>())
{
    m_pUi->setupUi(this);
    setWindowTitle(tr("Graph construction - Spline curve"));
    BindWizardButtons(m_pUi->nextButton, m_pUi->previousButton, m_pUi->cancelButton, m_pUi->helpButton);

    auto* pGroup = new QButtonGroup(this);
    static const char* const kIcons[kToolCount] = {
        ":/pictures/spline-add-back.svg", ":/pictures/spline-add-front.svg",
        ":/pictures/spline-add-middle.svg", ":/pictures/spline-remove.svg", ":/pictures/spline-modify.svg"};
    for (int nIndex = 0; nIndex < kToolCount; ++nIndex) {
        QAbstractButton* pButton = GetToolButton(nIndex);
        pButton->setIcon(QIcon(QString::fromLatin1(kIcons[nIndex])));
        pGroup->addButton(pButton, nIndex);
    }
    connect(pGroup, &QButtonGroup::idClicked, this, &CSplineDialog::OnChooseTool);
    connect(m_pUi->cleanAllButton, &QPushButton::clicked, this, &CSplineDialog::OnCleanAll);
    connect(m_pUi->nameEdit, &QLineEdit::textChanged, this, &CSplineDialog::UpdateNextButton);

    m_pUi->nameEdit->setText(CQtText::ToQString(m_Curve.GetName()));
    SetCursorKind(CURSOR_ARROW);
    // A spline being modified opens with the Modify tool.
    SetTool(m_Curve.GetNodeCount() > 0 ? CSplineDlgModifyTool::kIndex : CSplineDlgAddBackTool::kIndex);
}

CSplineDialog::~CSplineDialog() = default;

QAbstractButton* CSplineDialog::GetToolButton(int nIndex) const
{
    switch (nIndex) {
        case CSplineDlgAddFrontTool::kIndex:
            return m_pUi->addFrontButton;
        case CSplineDlgAddMiddleTool::kIndex:
            return m_pUi->addMiddleButton;
        case CSplineDlgRemoveTool::kIndex:
            return m_pUi->removeButton;
        case CSplineDlgModifyTool::kIndex:
            return m_pUi->modifyButton;
        default:
            return m_pUi->addBackButton;
    }
}

QAbstractButton* CSplineDialog::GetCleanAllButton() const
{
    return m_pUi->cleanAllButton;
}

QString CSplineDialog::GetComment() const
{
    return m_pUi->commentLabel->text();
}

int CSplineDialog::GetToolIndex() const
{
    return m_pTool != nullptr ? m_pTool->GetToolIndex() : -1;
}

void CSplineDialog::SetTool(int nIndex)
{
    m_pTool.reset();
    m_pTool = MakeTool(nIndex, *this, m_Curve);
    RefreshButtons();
    m_pUi->commentLabel->setText(CQtText::ToQString(m_pTool->GetComment()));
}

void CSplineDialog::TakeRequestedTool()
{
    const int nIndex = m_nRequestedTool;
    m_nRequestedTool = -1;
    if (nIndex >= 0)
        SetTool(nIndex);
}

void CSplineDialog::RefreshButtons()
{
    const size_t nNodes = m_Curve.GetNodeCount();
    GetToolButton(GetToolIndex())->setChecked(true);
    for (int nIndex :
         {CSplineDlgAddFrontTool::kIndex, CSplineDlgRemoveTool::kIndex, CSplineDlgModifyTool::kIndex})
        GetToolButton(nIndex)->setEnabled(nNodes > 0);
    m_pUi->cleanAllButton->setEnabled(nNodes > 0);
    GetToolButton(CSplineDlgAddMiddleTool::kIndex)->setEnabled(nNodes > 1);
    GetToolButton(CSplineDlgAddBackTool::kIndex)->setEnabled(true);
}

void CSplineDialog::UpdateAllViews()
{
    GetView().GetDocument().UpdateAllViews();
}

// ---- Controls

void CSplineDialog::OnChooseTool(int nIndex)
{
    if (nIndex >= 0 && nIndex < kToolCount)
        SetTool(nIndex);
}

void CSplineDialog::OnCleanAll()
{
    if (AfxMessageBox(IDS_SPLINE_CLEAN_ALL, CMessageService::Icon::Question,
                      CMessageService::Buttons::YesNo) != CMessageService::Answer::Yes)
        return;
    m_Curve.Clear();
    GetView().ClearInverted();
    UpdateAllViews();
    SetTool(CSplineDlgAddBackTool::kIndex);
    UpdateNextButton();
}

// ---- The view's mouse

void CSplineDialog::OnGraphButtonDown(unsigned nFlags, CPoint point)
{
    m_pTool->OnButtonDown(point, (nFlags & MK_SHIFT) != 0, (nFlags & MK_CONTROL) != 0);
    TakeRequestedTool();
}

void CSplineDialog::OnGraphDrag(unsigned nFlags, CPoint point)
{
    m_pTool->OnDrag(point, (nFlags & MK_SHIFT) != 0, (nFlags & MK_CONTROL) != 0);
    TakeRequestedTool();
}

void CSplineDialog::OnGraphButtonUp(unsigned nFlags, CPoint point)
{
    m_pTool->OnButtonUp(point, (nFlags & MK_SHIFT) != 0, (nFlags & MK_CONTROL) != 0);
    TakeRequestedTool();
    UpdateAllViews();
    UpdateNextButton();
    RefreshButtons();
}

void CSplineDialog::hideEvent(QHideEvent* pEvent)
{
    // Cancel may have taken the curve away already: only the view's preview is cleared here.
    GetView().ClearInverted();
    CConstructionDialog::hideEvent(pEvent);
}

// ---- Wizard

bool CSplineDialog::CanGoNext() const
{
    return !m_pUi->nameEdit->text().isEmpty() && m_Curve.GetNodeCount() >= 2;
}

bool CSplineDialog::Validate()
{
    return CheckCurveName(&m_Curve, m_pUi->nameEdit->text());
}

void CSplineDialog::Commit()
{
    // A drag cut short by leaving the step leaves no node active and no preview behind.
    if (m_Curve.GetActiveNode() != nullptr) {
        m_Curve.EndMove();
        m_Curve.ReleaseQuickDraw();
    }
    m_Curve.SetName(CQtText::FromQString(m_pUi->nameEdit->text()));
}
