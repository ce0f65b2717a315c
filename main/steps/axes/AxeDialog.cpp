#include "main/steps/axes/AxeDialog.h"

#include <QPushButton>

#include "Dm/Axe.h"
#include "Dm/CoordSyst.h"
#include "Dm/PlotvaneDoc.h"
#include "Dm/ScalePoint.h"
#include "main/steps/axes/AxeDrawingState.h"
#include "main/steps/axes/AxePointPickingState.h"
#include "main/steps/axes/AxeWaitState.h"
#include "main/view/PlotvaneView.h"
#include "main/adapters/QtText.h"
#include "platform/MessageService.h"
#include "platform/StringIds.h"
#include "ui_AxeDialog.h"

CAxeDialog::CAxeDialog(unsigned nTemplateId, CPlotvaneView& view, CSequence& sequence, CAxe& axe,
                       CAxe& otherAxe)
    : CConstructionDialog(nTemplateId, view, sequence),
      m_Axe(axe),
      m_OtherAxe(otherAxe),
      m_pUi(std::make_unique<Ui::CAxeDialog>())
{
    m_pUi->setupUi(this);
    setWindowTitle(nTemplateId == IDD_Y_AXIS ? tr("Y axis and scale") : tr("X axis and scale"));
    BindWizardButtons(m_pUi->nextButton, m_pUi->previousButton, m_pUi->cancelButton, m_pUi->helpButton);

    connect(m_pUi->drawAxisButton, &QPushButton::clicked, this, &CAxeDialog::OnDrawAxis);
    connect(m_pUi->pickPosition1Button, &QPushButton::clicked, this, [this] { OnPickPosition(1); });
    connect(m_pUi->pickPosition2Button, &QPushButton::clicked, this, [this] { OnPickPosition(2); });
    // Only what the user types counts as a change, not the values the dialog writes itself.
    connect(m_pUi->value1Edit, &QLineEdit::textEdited, this, [this] { OnValueChanged(1); });
    connect(m_pUi->value2Edit, &QLineEdit::textEdited, this, [this] { OnValueChanged(2); });
    for (CValueEdit* pEdit : {m_pUi->value1Edit, m_pUi->value2Edit})
        connect(pEdit, &CValueEdit::FocusChanged, this, [this] {
            // A step left waits for its deletion while its system may be gone already.
            if (m_pState != nullptr && !IsEnded())
                m_pState->UpdatePrompt();
        });
    connect(m_pUi->linearRadio, &QRadioButton::clicked, this, &CAxeDialog::OnScaleKindChosen);
    connect(m_pUi->logarithmicRadio, &QRadioButton::clicked, this, &CAxeDialog::OnScaleKindChosen);

    m_pUi->axisNameEdit->setText(CQtText::ToQString(m_Axe.GetName()));
    (m_Axe.IsLogarithmic() ? m_pUi->logarithmicRadio : m_pUi->linearRadio)->setChecked(true);
    EnterFirstState();
}

CAxeDialog::~CAxeDialog()
{
    // The window is hidden only later, by the base class, when the states are gone: the
    // focus leaving the value edits then must not reach them.
    m_pUi->value1Edit->disconnect(this);
    m_pUi->value2Edit->disconnect(this);
}

void CAxeDialog::EnterFirstState()
{
    if (!m_Axe.IsDefined()) {
        EnablePoint(1, false);
        EnablePoint(2, false);
        CheckDrawAxis(true);
        Transition(std::make_unique<CAxeDrawingState>(*this));
        return;
    }
    // Revisited or modified: the values known, then the first thing still missing.
    for (int nIndex : {1, 2}) {
        if (GetScalePoint(nIndex).IsValued())
            GetValueEdit(nIndex)->SetValue(GetScalePoint(nIndex).GetValue());
    }
    const CScalePoint& point1 = GetScalePoint(1);
    const CScalePoint& point2 = GetScalePoint(2);
    if (!point1.IsPositioned()) {
        EnablePoint(2, false);
        CheckPickPosition(1, true);
        Transition(std::make_unique<CAxePointPickingState>(*this, 1));
    } else if (point2.IsComplete()) {
        if (!point1.IsValued())
            FocusValue(1);
        Transition(std::make_unique<CAxeWaitState>(*this));
    } else {
        CheckPickPosition(2, true);
        Transition(std::make_unique<CAxePointPickingState>(*this, 2));
    }
}

void CAxeDialog::Transition(std::unique_ptr<CAxeAbstractState> pNext)
{
    if (pNext == nullptr)
        return;
    m_pState = std::move(pNext);
    m_pState->Enter();
}

// ---- Wizard

bool CAxeDialog::CanGoNext() const
{
    return m_Axe.IsDefined() && m_Axe.GetScalePoint1().IsComplete() && m_Axe.GetScalePoint2().IsComplete();
}

bool CAxeDialog::Validate()
{
    const unsigned nRefusal = m_Axe.CheckScale(m_pUi->logarithmicRadio->isChecked());
    if (nRefusal == 0)
        return true;
    AfxMessageBox(nRefusal, CMessageService::Icon::Information);
    return false;
}

void CAxeDialog::Commit()
{
    m_Axe.SetName(CQtText::FromQString(m_pUi->axisNameEdit->text()));
    m_Axe.SetLogarithmic(m_pUi->logarithmicRadio->isChecked());
    if (CCoordSyst* pCoordSyst = m_Axe.GetCoordSyst())
        pCoordSyst->ComputeTransform();
}

// ---- Controls

void CAxeDialog::OnDrawAxis()
{
    Transition(m_pState->OnDrawAxis());
}

void CAxeDialog::OnPickPosition(int nIndex)
{
    Transition(m_pState->OnPickPosition(nIndex));
}

void CAxeDialog::OnValueChanged(int nIndex)
{
    m_pState->OnValueChanged(nIndex);
}

void CAxeDialog::OnScaleKindChosen()
{
    m_Axe.SetLogarithmic(m_pUi->logarithmicRadio->isChecked());
}

void CAxeDialog::OnGraphButtonDown(unsigned nFlags, CPoint point)
{
    Transition(m_pState->OnButtonDown(nFlags, point));
}

void CAxeDialog::OnGraphDrag(unsigned nFlags, CPoint point)
{
    Transition(m_pState->OnDrag(nFlags, point));
}

void CAxeDialog::OnGraphButtonUp(unsigned nFlags, CPoint point)
{
    Transition(m_pState->OnButtonUp(nFlags, point));
}

void CAxeDialog::OnGraphScrollStop(unsigned nFlags, CPoint point)
{
    Transition(m_pState->OnScrollStop(nFlags, point));
}

void CAxeDialog::hideEvent(QHideEvent* pEvent)
{
    // Not reached from the destructors: the view may be going then.
    if (m_pState != nullptr)
        m_pState->OnDialogHidden();
    CConstructionDialog::hideEvent(pEvent);
}

// ---- For the states

bool CAxeDialog::IsXAxis() const
{
    return m_Axe.GetCoordSyst() == nullptr || &m_Axe.GetCoordSyst()->GetXAxe() == &m_Axe;
}

CScalePoint& CAxeDialog::GetScalePoint(int nIndex) const
{
    return nIndex == 2 ? m_Axe.GetScalePoint2() : m_Axe.GetScalePoint1();
}

CValueEdit* CAxeDialog::GetValueEdit(int nIndex) const
{
    return nIndex == 2 ? m_pUi->value2Edit : m_pUi->value1Edit;
}

int CAxeDialog::GetFocusedValueEdit() const
{
    if (m_pUi->value1Edit->hasFocus())
        return 1;
    if (m_pUi->value2Edit->hasFocus())
        return 2;
    return 0;
}

void CAxeDialog::CheckDrawAxis(bool bChecked)
{
    m_pUi->drawAxisButton->setChecked(bChecked);
}

void CAxeDialog::CheckPickPosition(int nIndex, bool bChecked)
{
    (nIndex == 2 ? m_pUi->pickPosition2Button : m_pUi->pickPosition1Button)->setChecked(bChecked);
}

bool CAxeDialog::IsDrawAxisChecked() const
{
    return m_pUi->drawAxisButton->isChecked();
}

bool CAxeDialog::IsPickPositionChecked(int nIndex) const
{
    return (nIndex == 2 ? m_pUi->pickPosition2Button : m_pUi->pickPosition1Button)->isChecked();
}

void CAxeDialog::EnablePoint(int nIndex, bool bEnable)
{
    (nIndex == 2 ? m_pUi->pickPosition2Button : m_pUi->pickPosition1Button)->setEnabled(bEnable);
    (nIndex == 2 ? m_pUi->point2Label : m_pUi->point1Label)->setEnabled(bEnable);
    GetValueEdit(nIndex)->setEnabled(bEnable);
}

bool CAxeDialog::IsPointEnabled(int nIndex) const
{
    return GetValueEdit(nIndex)->isEnabled();
}

void CAxeDialog::FocusValue(int nIndex)
{
    CValueEdit* pEdit = GetValueEdit(nIndex);
    // The click that placed the point went to the main window: typing goes here now.
    activateWindow();
    pEdit->setFocus();
    pEdit->selectAll();
}

void CAxeDialog::SetPrompt(const QString& strPrompt)
{
    m_pUi->promptText->setText(strPrompt);
}

QString CAxeDialog::GetPrompt() const
{
    return m_pUi->promptText->text();
}

void CAxeDialog::InvertLine(CPoint from, CPoint to)
{
    GetView().InvertLine(from, to);
}

void CAxeDialog::UpdateAllViews()
{
    GetView().GetDocument().UpdateAllViews();
}
