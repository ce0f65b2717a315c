#include "main/steps/continuous/GenesisDialog.h"

#include <QEvent>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>

#include "Dm/AbstractThicknessCorrector.h"
#include "Dm/BmpManager.h"
#include "Dm/ContinuousCurve.h"
#include "Dm/CoordSyst.h"
#include "Dm/PartialCurve.h"
#include "Dm/PlotvaneDoc.h"
#include "main/steps/continuous/ContinuousAdvOptDlg.h"
#include "main/steps/continuous/DashMaxDistDialog.h"
#include "main/view/GraphMessage.h"
#include "main/steps/continuous/HandModifiedQuestion.h"
#include "main/view/PlotvaneView.h"
#include "main/wizard/PointListColumns.h"
#include "main/adapters/QtText.h"
#include "platform/MessageService.h"
#include "platform/StringIds.h"
#include "platform/WaitCursor.h"
#include "ui_GenesisDialog.h"

namespace {

constexpr int kGenesisRole = Qt::UserRole;

}  // namespace

CGenesisDialog::CGenesisDialog(CPlotvaneView& view, CSequence& sequence, CContinuousCurve& curve)
    : CConstructionDialog(IDD_GENESIS, view, sequence),
      m_Curve(curve),
      m_pUi(std::make_unique<Ui::CGenesisDialog>())
{
    m_pUi->setupUi(this);
    BindWizardButtons(m_pUi->nextButton, m_pUi->previousButton, m_pUi->cancelButton, m_pUi->helpButton);
    m_pUi->thicknessSpin->setRange(CContinuousCurve::kMinThickness, CContinuousCurve::kMaxThickness);
    m_pUi->dashDistEdit->setMaxLength(
        static_cast<int>(QString::number(CContinuousCurve::kMaxDashMaxDist).size()));
    CPointListColumns::SetUp(*m_pUi->genesisList, m_pUi->xHeaderLabel);

    connect(m_pUi->pickCurveButton, &QPushButton::clicked, this, &CGenesisDialog::OnPickCurve);
    connect(m_pUi->pickThicknessButton, &QPushButton::clicked, this, &CGenesisDialog::OnPickThickness);
    connect(m_pUi->deleteButton, &QPushButton::clicked, this, &CGenesisDialog::OnDelete);
    connect(m_pUi->genesisList, &QListWidget::itemSelectionChanged, this,
            [this] { m_pUi->deleteButton->setEnabled(!m_pUi->genesisList->selectedItems().isEmpty()); });
    connect(m_pUi->thicknessSpin, qOverload<int>(&QSpinBox::valueChanged), this, [this] {
        // Only what the user types or steps, not what the dialog shows.
        if (m_pUi->thicknessSpin->hasFocus())
            OnThicknessTyped();
    });
    connect(m_pUi->topRadio, &QRadioButton::clicked, this, &CGenesisDialog::OnFollowChosen);
    connect(m_pUi->bottomRadio, &QRadioButton::clicked, this, &CGenesisDialog::OnFollowChosen);
    connect(m_pUi->dashedYesRadio, &QRadioButton::clicked, this, &CGenesisDialog::OnDashedChosen);
    connect(m_pUi->dashedNoRadio, &QRadioButton::clicked, this, &CGenesisDialog::OnDashedChosen);
    connect(m_pUi->modifyButton, &QPushButton::clicked, this, &CGenesisDialog::OnModifyDashDistance);
    connect(m_pUi->advancedButton, &QPushButton::clicked, this, &CGenesisDialog::OnAdvancedOptions);
    connect(m_pUi->nameEdit, &QLineEdit::textChanged, this, &CGenesisDialog::UpdateNextButton);

    m_pUi->nameEdit->setText(CQtText::ToQString(m_Curve.GetName()));
    FillGenesisList();
    UpdateControls();
    UpdateCursor();
    UpdateNextButton();
}

CGenesisDialog::~CGenesisDialog()
{
    // The sub-dialogs are not children of this dialog (it is disabled while they are open)
    // and speak to it: they go with it.
    delete m_pAdvOptions.data();
    delete m_pDashDialog.data();
}

// ---- Wizard

bool CGenesisDialog::CanGoNext() const
{
    return !m_pUi->nameEdit->text().isEmpty() && m_pUi->genesisList->count() > 0;
}

bool CGenesisDialog::Validate()
{
    return CheckCurveName(&m_Curve, m_pUi->nameEdit->text());
}

void CGenesisDialog::Commit()
{
    const std::string strName = CQtText::FromQString(m_pUi->nameEdit->text());
    if (strName != m_Curve.GetName())
        m_Curve.SetName(strName);
}

// ---- The list and the controls

void CGenesisDialog::FillGenesisList()
{
    m_pUi->genesisList->clear();
    const CCoordSyst* pCoordSyst = m_Curve.GetCoordSyst();
    for (const auto& pElement : m_Curve.GetElements()) {
        if (!pElement->IsPartialCurve())
            continue;
        auto* pPart = static_cast<CPartialCurve*>(pElement.get());
        const CPoint genesis = pPart->GetGenesis();
        const CLogicPoint graph =
            pCoordSyst != nullptr ? pCoordSyst->PixelToGraph(genesis) : CLogicPoint(genesis.x, genesis.y);
        auto* pItem = new QListWidgetItem(CPointListColumns::Line(graph.x, graph.y), m_pUi->genesisList);
        pItem->setData(kGenesisRole, QVariant::fromValue(static_cast<void*>(pPart)));
    }
    m_pUi->deleteButton->setEnabled(!m_pUi->genesisList->selectedItems().isEmpty());
}

void CGenesisDialog::UpdateControls()
{
    m_pUi->pickCurveButton->setChecked(m_bPickCurve);
    m_pUi->pickThicknessButton->setChecked(m_bPickThickness);
    if (const CAbstractThicknessCorrector* pCorrector = m_Curve.GetThicknessCorrector()) {
        const QSignalBlocker blocker(m_pUi->thicknessSpin);
        m_pUi->thicknessSpin->setValue(pCorrector->GetThickness());
    }
    (m_Curve.IsFollowTop() ? m_pUi->topRadio : m_pUi->bottomRadio)->setChecked(true);
    (m_Curve.IsDashed() ? m_pUi->dashedYesRadio : m_pUi->dashedNoRadio)->setChecked(true);
    m_pUi->dashDistEdit->setText(QString::number(m_Curve.GetDashMaxDist()));
    m_pUi->dashDistEdit->setEnabled(m_Curve.IsDashed());
    m_pUi->modifyButton->setEnabled(m_Curve.IsDashed());
    m_pUi->deleteButton->setEnabled(!m_pUi->genesisList->selectedItems().isEmpty());
}

void CGenesisDialog::UpdateCursor()
{
    SetCursorKind(m_bPickCurve || m_bPickThickness ? CURSOR_CROSS : CURSOR_ARROW);
}

void CGenesisDialog::Repaint()
{
    GetView().GetDocument().UpdateAllViews();
}

void CGenesisDialog::RebuildCurve()
{
    m_Curve.Rebuild();
    // A rebuild may drop genesis points that another part now covers: the list holds the
    // partial curves, and must not keep one that is gone.
    FillGenesisList();
    UpdateNextButton();
    Repaint();
}

QListWidget* CGenesisDialog::GetGenesisList() const
{
    return m_pUi->genesisList;
}

bool CGenesisDialog::IsPickCurveChecked() const
{
    return m_pUi->pickCurveButton->isChecked();
}

bool CGenesisDialog::IsPickThicknessChecked() const
{
    return m_pUi->pickThicknessButton->isChecked();
}

int CGenesisDialog::GetThickness() const
{
    return m_pUi->thicknessSpin->value();
}

CContinuousAdvOptDlg* CGenesisDialog::GetAdvancedOptions() const
{
    return m_pAdvOptions.data();
}

CDashMaxDistDialog* CGenesisDialog::GetDashDialog() const
{
    return m_pDashDialog.data();
}

bool CGenesisDialog::IsInputEnabled() const
{
    return isEnabled();
}

void CGenesisDialog::EnableInput(bool bEnable)
{
    // The whole step, its wizard buttons, Escape and close box included: while a sub-dialog
    // is open, nothing of the step may end the wizard under it.
    setEnabled(bEnable);
}

// ---- Controls

void CGenesisDialog::OnPickCurve()
{
    m_bPickCurve = !m_bPickCurve;
    m_bPickThickness = false;
    UpdateControls();
    UpdateCursor();
}

void CGenesisDialog::OnPickThickness()
{
    m_bPickThickness = !m_bPickThickness;
    m_bPickCurve = false;
    UpdateControls();
    UpdateCursor();
}

void CGenesisDialog::OnDelete()
{
    QListWidgetItem* pItem = m_pUi->genesisList->currentItem();
    if (pItem == nullptr || !pItem->isSelected())
        return;
    if (!CHandModifiedQuestion::MayRebuild(m_Curve)) {
        UpdateControls();
        return;
    }
    auto* pPart = static_cast<CCurveElement*>(pItem->data(kGenesisRole).value<void*>());
    m_Curve.RemoveElement(pPart);
    delete pItem;
    RebuildCurve();
}

void CGenesisDialog::OnThicknessTyped()
{
    CAbstractThicknessCorrector* pCorrector = m_Curve.GetThicknessCorrector();
    if (!CHandModifiedQuestion::MayRebuild(m_Curve)) {
        UpdateControls();
        return;
    }
    const int nThickness = m_pUi->thicknessSpin->value();
    if (nThickness < CContinuousCurve::kMinThickness || nThickness > CContinuousCurve::kMaxThickness ||
        pCorrector == nullptr)
        return;
    m_Curve.SetModified(true);
    pCorrector->SetThickness(nThickness);
    RebuildCurve();
}

void CGenesisDialog::OnFollowChosen()
{
    if (!CHandModifiedQuestion::MayRebuild(m_Curve)) {
        UpdateControls();
        return;
    }
    m_Curve.SetFollowTop(m_pUi->topRadio->isChecked());
    m_Curve.SetModified(true);
    RebuildCurve();
}

void CGenesisDialog::OnDashedChosen()
{
    if (!CHandModifiedQuestion::MayRebuild(m_Curve)) {
        UpdateControls();
        return;
    }
    CWaitCursor wait;
    const bool bDashed = m_pUi->dashedYesRadio->isChecked();
    if (m_Curve.SetDashed(bDashed) != bDashed)
        RebuildCurve();
    UpdateControls();
}

void CGenesisDialog::OnModifyDashDistance()
{
    if (!CHandModifiedQuestion::MayRebuild(m_Curve)) {
        UpdateControls();
        return;
    }
    EnableInput(false);
    m_pDashDialog = new CDashMaxDistDialog(parentWidget(), m_Curve.GetDashMaxDist());
    connect(m_pDashDialog, &CDashMaxDistDialog::DistanceChosen, this, &CGenesisDialog::OnDashDistance);
    connect(m_pDashDialog, &CDashMaxDistDialog::Closed, this, &CGenesisDialog::OnSubDialogClosed);
    m_pDashDialog->show();
}

void CGenesisDialog::OnAdvancedOptions()
{
    EnableInput(false);
    m_pAdvOptions = new CContinuousAdvOptDlg(m_Curve, parentWidget());
    connect(m_pAdvOptions, &CContinuousAdvOptDlg::CursorWanted, this, &CGenesisDialog::SetCursorKind);
    connect(m_pAdvOptions, &CContinuousAdvOptDlg::CurveRebuilt, this,
            [this] { GetView().GetDocument().UpdateAllViews(); });
    connect(m_pAdvOptions, &CContinuousAdvOptDlg::Closed, this, &CGenesisDialog::OnSubDialogClosed);
    SetCursorKind(CURSOR_ARROW);
    m_pAdvOptions->show();
}

// ---- The sub-dialogs

void CGenesisDialog::OnSubDialogClosed()
{
    m_pAdvOptions = nullptr;
    m_pDashDialog = nullptr;
    EnableInput(true);
    UpdateCursor();
    // The advanced options may have rebuilt the curve.
    FillGenesisList();
    UpdateControls();
    UpdateNextButton();
    activateWindow();
    setFocus();
}

void CGenesisDialog::OnDashDistance(int nDistance)
{
    CWaitCursor wait;
    m_pUi->dashDistEdit->setText(QString::number(nDistance));
    m_Curve.SetDashMaxDist(nDistance);
    RebuildCurve();
    UpdateControls();
}

void CGenesisDialog::changeEvent(QEvent* pEvent)
{
    CConstructionDialog::changeEvent(pEvent);
    if (pEvent->type() != QEvent::ActivationChange || !isActiveWindow())
        return;
    QDialog* pOpen =
        m_pAdvOptions != nullptr ? static_cast<QDialog*>(m_pAdvOptions.data()) : m_pDashDialog.data();
    if (pOpen != nullptr) {
        pOpen->raise();
        pOpen->activateWindow();
    }
}

// ---- The view's clicks

void CGenesisDialog::OnGraphButtonUp(unsigned nFlags, CPoint point)
{
    if (m_pAdvOptions != nullptr) {
        m_pAdvOptions->OnPick(nFlags, point);
        return;
    }
    if (!CHandModifiedQuestion::MayRebuild(m_Curve))
        return;
    if (m_bPickThickness) {
        PickThicknessAt(point);
        return;
    }
    if (!m_bPickCurve)
        return;
    if (m_Curve.AddGenesisPoint(point) != CContinuousCurve::GenesisOutcome::Added)
        return;
    FillGenesisList();
    Repaint();
    UpdateControls();
    UpdateNextButton();
}

void CGenesisDialog::PickThicknessAt(CPoint point)
{
    if (const unsigned nRefusal = m_Curve.PickThickness(point)) {
        AfxMessageBox(nRefusal, CMessageService::Icon::Information);
        return;
    }
    m_bPickThickness = false;
    UpdateCursor();
    // The points were made again from the traced parts.
    m_Curve.SetHandModified(false);
    UpdateControls();
    Repaint();
}
