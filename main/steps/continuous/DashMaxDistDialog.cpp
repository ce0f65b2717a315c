#include "main/steps/continuous/DashMaxDistDialog.h"

#include <QLineEdit>
#include <QPushButton>

#include "Dm/ContinuousCurve.h"
#include "main/help/ControlHelp.h"
#include "main/help/HelpWindow.h"
#include "ui_DashMaxDistDialog.h"

CDashMaxDistDialog::CDashMaxDistDialog(QWidget* pParent, int nDistance)
    : QDialog(pParent),
      m_nOpening(nDistance),
      m_nTaken(nDistance),
      m_pUi(std::make_unique<Ui::CDashMaxDistDialog>())
{
    m_pUi->setupUi(this);
    CControlHelp::Install(this);
    m_pUi->distanceSpin->setRange(CContinuousCurve::kMinDashMaxDist, CContinuousCurve::kMaxDashMaxDist);
    m_pUi->distanceSpin->setValue(nDistance);
    m_pUi->applyButton->setEnabled(false);
    connect(m_pUi->distanceSpin, qOverload<int>(&QSpinBox::valueChanged), this,
            &CDashMaxDistDialog::OnDistanceEdited);
    connect(m_pUi->okButton, &QPushButton::clicked, this, &CDashMaxDistDialog::accept);
    connect(m_pUi->cancelButton, &QPushButton::clicked, this, &CDashMaxDistDialog::reject);
    connect(m_pUi->applyButton, &QPushButton::clicked, this, &CDashMaxDistDialog::OnApply);
    CHelpWindow::SetUpDialogHelp(*this, IDD_DASH_DISTANCE, m_pUi->helpButton);
}

CDashMaxDistDialog::~CDashMaxDistDialog() = default;

bool CDashMaxDistDialog::IsApplyEnabled() const
{
    return m_pUi->applyButton->isEnabled();
}

void CDashMaxDistDialog::SetDistanceText(const QString& strText)
{
    if (auto* pEdit = m_pUi->distanceSpin->findChild<QLineEdit*>())
        pEdit->setText(strText);
}

bool CDashMaxDistDialog::ReadDistance(int& nDistance) const
{
    // The spin box keeps its value within its range and refuses what is typed beyond.
    if (!m_pUi->distanceSpin->hasAcceptableInput())
        return false;
    nDistance = m_pUi->distanceSpin->value();
    return nDistance >= CContinuousCurve::kMinDashMaxDist && nDistance <= CContinuousCurve::kMaxDashMaxDist;
}

void CDashMaxDistDialog::OnDistanceEdited()
{
    m_pUi->applyButton->setEnabled(true);
    m_bDirty = true;
}

void CDashMaxDistDialog::OnApply()
{
    int nDistance = 0;
    if (!ReadDistance(nDistance))
        return;
    m_nTaken = nDistance;
    emit DistanceChosen(nDistance);
    m_bDirty = false;
}

void CDashMaxDistDialog::accept()
{
    int nDistance = 0;
    if (!ReadDistance(nDistance))
        return;
    if (m_bDirty)
        emit DistanceChosen(nDistance);
    Close();
}

void CDashMaxDistDialog::reject()
{
    if (m_nTaken != m_nOpening)
        emit DistanceChosen(m_nOpening);
    Close();
}

void CDashMaxDistDialog::Close()
{
    emit Closed();
    QDialog::done(QDialog::Rejected);
    deleteLater();
}
