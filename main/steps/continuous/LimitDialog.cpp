#include "main/steps/continuous/LimitDialog.h"

#include <QPushButton>

#include "Dm/Axe.h"
#include "Dm/ContinuousCurve.h"
#include "Dm/CoordSyst.h"
#include "Dm/Limit.h"
#include "Dm/PartialCurve.h"
#include "Dm/PlotvaneDoc.h"
#include "main/view/GraphMessage.h"
#include "main/steps/continuous/HandModifiedQuestion.h"
#include "main/view/PlotvaneView.h"
#include "platform/MessageService.h"
#include "platform/StringIds.h"
#include "ui_LimitDialog.h"

CLimitDialog::CLimitDialog(CPlotvaneView& view, CSequence& sequence, CContinuousCurve& curve)
    : CConstructionDialog(IDD_LIMITS, view, sequence),
      m_Curve(curve),
      m_pUi(std::make_unique<Ui::CLimitDialog>())
{
    m_pUi->setupUi(this);
    BindWizardButtons(m_pUi->nextButton, m_pUi->previousButton, m_pUi->cancelButton, m_pUi->helpButton);
    m_pUi->clickLabel->setText(tr("clicking on the graph (") + QLatin1Char('"') +
                               m_pUi->leftPickButton->text() + QLatin1Char('"') + tr(")."));
    connect(m_pUi->leftPickButton, &QPushButton::clicked, this, [this] { OnPickPosition(true); });
    connect(m_pUi->rightPickButton, &QPushButton::clicked, this, [this] { OnPickPosition(false); });
    // Only what the user types counts, not what the dialog writes itself.
    connect(m_pUi->leftEdit, &QLineEdit::textEdited, this, [this] { OnValueEdited(true); });
    connect(m_pUi->rightEdit, &QLineEdit::textEdited, this, [this] { OnValueEdited(false); });
    for (bool bLeft : {true, false}) {
        if (GetLimit(bLeft).IsValued())
            GetValueEdit(bLeft)->SetValue(GetLimit(bLeft).GetValue());
    }
    UpdateControls();
    UpdateNextButton();
    m_pUi->leftEdit->setFocus();
}

CLimitDialog::~CLimitDialog() = default;

CLimit& CLimitDialog::GetLimit(bool bLeft) const
{
    return bLeft ? *m_Curve.GetLeftLimit() : *m_Curve.GetRightLimit();
}

CValueEdit* CLimitDialog::GetValueEdit(bool bLeft) const
{
    return bLeft ? m_pUi->leftEdit : m_pUi->rightEdit;
}

bool CLimitDialog::IsPickChecked(bool bLeft) const
{
    return (bLeft ? m_pUi->leftPickButton : m_pUi->rightPickButton)->isChecked();
}

void CLimitDialog::UpdateControls()
{
    m_pUi->leftPickButton->setChecked(m_bPickLeft);
    m_pUi->rightPickButton->setChecked(m_bPickRight);
}

// ---- Wizard

bool CLimitDialog::CanGoNext() const
{
    return GetLimit(true).IsValued() && GetLimit(false).IsValued();
}

bool CLimitDialog::Validate()
{
    const double dLeft = GetLimit(true).GetValue();
    const double dRight = GetLimit(false).GetValue();
    const CCoordSyst* pCoordSyst = m_Curve.GetCoordSyst();
    unsigned nRefusal = 0;
    if (pCoordSyst != nullptr && pCoordSyst->GetXAxe().IsLogarithmic() && (dLeft <= 0 || dRight <= 0))
        nRefusal = IDS_LOG_LIMITS_POSITIVE;
    else if (pCoordSyst != nullptr && pCoordSyst->IsXReversed())
        nRefusal = dLeft > dRight ? 0u : static_cast<unsigned>(IDS_LEFT_LIMIT_GREATER);
    else if (!(dLeft < dRight))
        nRefusal = IDS_RIGHT_LIMIT_GREATER;
    if (nRefusal == 0)
        return true;
    AfxMessageBox(nRefusal, CMessageService::Icon::Information);
    return false;
}

void CLimitDialog::Commit()
{
    if (!m_bChanged)
        return;
    m_bChanged = false;
    const CLimit& left = GetLimit(true);
    const CLimit& right = GetLimit(false);
    std::vector<CCurveElement*> beyond;
    for (const auto& pElement : m_Curve.GetElements()) {
        if (!pElement->IsPartialCurve())
            continue;
        const CPoint genesis = static_cast<const CPartialCurve*>(pElement.get())->GetGenesis();
        if (left.HitTest(genesis.x, genesis.y) || right.HitTest(genesis.x, genesis.y))
            beyond.push_back(pElement.get());
    }
    for (CCurveElement* pElement : beyond)
        m_Curve.RemoveElement(pElement);
    m_Curve.Rebuild();
    GetView().GetDocument().UpdateAllViews();
}

// ---- Controls

void CLimitDialog::OnPickPosition(bool bLeft)
{
    bool& bFlag = bLeft ? m_bPickLeft : m_bPickRight;
    bFlag = !bFlag;
    (bLeft ? m_bPickRight : m_bPickLeft) = false;
    SetCursorKind(bFlag ? CURSOR_CROSS : CURSOR_ARROW);
    UpdateControls();
}

void CLimitDialog::OnValueEdited(bool bLeft)
{
    CLimit& limit = GetLimit(bLeft);
    CValueEdit* pEdit = GetValueEdit(bLeft);
    if (!CHandModifiedQuestion::MayRebuild(m_Curve)) {
        if (limit.IsValued())
            pEdit->SetValue(limit.GetValue());
        else
            pEdit->clear();
        return;
    }
    if (pEdit->IsEmpty())
        limit.ClearValue();
    else
        limit.SetValue(pEdit->GetValue());
    m_bChanged = true;
    UpdateNextButton();
    m_Curve.SetHandModified(false);
}

void CLimitDialog::OnGraphButtonUp(unsigned /*nFlags*/, CPoint point)
{
    if (!m_bPickLeft && !m_bPickRight)
        return;
    if (!CHandModifiedQuestion::MayRebuild(m_Curve))
        return;
    const CCoordSyst* pCoordSyst = m_Curve.GetCoordSyst();
    const double x = pCoordSyst != nullptr ? pCoordSyst->PixelToGraph(point).x : point.x;
    const bool bLeft = m_bPickLeft;
    CValueEdit* pEdit = GetValueEdit(bLeft);
    pEdit->SetValue(x);
    GetLimit(bLeft).SetValue(x);
    m_bChanged = true;
    activateWindow();
    pEdit->setFocus();
    pEdit->selectAll();
    m_bPickLeft = false;
    m_bPickRight = false;
    SetCursorKind(CURSOR_ARROW);
    Commit();
    UpdateControls();
    UpdateNextButton();
}
