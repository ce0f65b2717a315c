#include "main/steps/densito/DensitoPeriodDialog.h"

#include <QPushButton>

#include "Dm/Axe.h"
#include "Dm/CoordSyst.h"
#include "Dm/DensityCurve.h"
#include "Dm/DensityResults.h"
#include "main/help/HelpWindow.h"
#include "main/adapters/QtText.h"
#include "platform/MessageService.h"
#include "platform/NumberFormat.h"
#include "platform/StringIds.h"
#include "platform/StringTable.h"
#include "ui_DensitoPeriodDialog.h"

namespace {

QString UnitOf(const CAxe& axe)
{
    const std::string strName = axe.GetName();
    return CQtText::ToQString(axe.IsLogarithmic() ? CStringTable::Get(IDS_DECADE_OF) + strName : strName);
}

}  // namespace

CDensitoPeriodDialog::CDensitoPeriodDialog(CDensityCurve& curve, QWidget* pParent)
    : QDialog(pParent),
      m_Results(static_cast<CDensityResults&>(*curve.GetResults())),
      m_pBackup(static_cast<CDensityResults*>(m_Results.Clone().release())),
      m_pUi(std::make_unique<Ui::CDensitoPeriodDialog>())
{
    m_pUi->setupUi(this);
    CHelpWindow::SetUpDialogHelp(*this, IDD, nullptr);
    connect(m_pUi->okButton, &QPushButton::clicked, this, &CDensitoPeriodDialog::accept);
    connect(m_pUi->cancelButton, &QPushButton::clicked, this, &CDensitoPeriodDialog::reject);

    if (const CCoordSyst* pCoordSyst = curve.GetCoordSyst()) {
        m_pUi->xUnitEdit->setText(UnitOf(pCoordSyst->GetXAxe()));
        m_pUi->yUnitEdit->setText(UnitOf(pCoordSyst->GetYAxe()));
    }
    const auto xRange = m_Results.GetXRange();
    const auto yRange = m_Results.GetYRange();
    m_pUi->xMinEdit->setText(QString::fromStdString(FormatG(xRange.first)));
    m_pUi->xMaxEdit->setText(QString::fromStdString(FormatG(xRange.second)));
    m_pUi->yMinEdit->setText(QString::fromStdString(FormatG(yRange.first)));
    m_pUi->yMaxEdit->setText(QString::fromStdString(FormatG(yRange.second)));

    m_pUi->xRadio->setEnabled(m_Results.CanUseX());
    m_pUi->bothRadio->setEnabled(m_Results.CanUseX() && m_Results.CanUseY());
    m_pUi->yRadio->setEnabled(m_Results.CanUseY());
    QRadioButton* radios[] = {m_pUi->xRadio, m_pUi->yRadio, m_pUi->bothRadio};
    radios[m_Results.GetDisplayMode()]->setChecked(true);
    for (int nMode = 0; nMode < 3; ++nMode)
        connect(radios[nMode], &QRadioButton::clicked, this, [this, nMode] { OnDisplayMode(nMode); });
    for (bool bX : {true, false}) {
        connect(FirstEdit(bX), &QLineEdit::textEdited, this, [this, bX] { OnFirstEdited(bX); });
        connect(FrequencyEdit(bX), &QLineEdit::textEdited, this, [this, bX] { OnFrequencyEdited(bX); });
        connect(PeriodEdit(bX), &QLineEdit::textEdited, this, [this, bX] { OnPeriodEdited(bX); });
    }
    EnableRows();
    Refresh(nullptr);
}

CDensitoPeriodDialog::~CDensitoPeriodDialog() = default;

CValueEdit* CDensitoPeriodDialog::FirstEdit(bool bX) const
{
    return bX ? m_pUi->xFirstEdit : m_pUi->yFirstEdit;
}

CValueEdit* CDensitoPeriodDialog::FrequencyEdit(bool bX) const
{
    return bX ? m_pUi->xFrequencyEdit : m_pUi->yFrequencyEdit;
}

CValueEdit* CDensitoPeriodDialog::PeriodEdit(bool bX) const
{
    return bX ? m_pUi->xPeriodEdit : m_pUi->yPeriodEdit;
}

QString CDensitoPeriodDialog::GetCountText() const
{
    return m_pUi->countLabel->text();
}

bool CDensitoPeriodDialog::IsRowUsed(bool bX) const
{
    const int nMode = m_Results.GetDisplayMode();
    return nMode == CDensityResults::kDisplayBoth ||
           nMode == (bX ? CDensityResults::kDisplayX : CDensityResults::kDisplayY);
}

void CDensitoPeriodDialog::EnableRows()
{
    for (bool bX : {true, false}) {
        const bool bUsed = IsRowUsed(bX);
        for (CValueEdit* pEdit : {FirstEdit(bX), FrequencyEdit(bX), PeriodEdit(bX)}) {
            pEdit->setEnabled(bUsed);
            if (!bUsed)
                pEdit->clear();
        }
    }
}

void CDensitoPeriodDialog::Refresh(const CValueEdit* pEdited)
{
    const auto show = [pEdited](CValueEdit* pEdit, bool bShown, double dValue) {
        if (pEdit == pEdited || !pEdit->isEnabled())
            return;
        if (bShown)
            pEdit->SetValue(dValue);
        else
            pEdit->clear();
    };
    for (bool bX : {true, false}) {
        show(FirstEdit(bX), true, bX ? m_Results.GetFirstX() : m_Results.GetFirstY());
        const double dPeriod = bX ? m_Results.GetXPeriod() : m_Results.GetYPeriod();
        const bool bPeriod = m_Results.IsPeriodDefined() && dPeriod != 0.0;
        show(PeriodEdit(bX), bPeriod, dPeriod);
        show(FrequencyEdit(bX), bPeriod, bPeriod ? 1.0 / dPeriod : 0.0);
    }
    const int nCount = m_Results.GetExpectedRowCount();
    m_pUi->countLabel->setText(nCount == -1 ? CQtText::String(IDS_COUNT_ERROR)
                                            : CQtText::ToQString(FormatWithInt("%d", nCount)));
    m_pUi->okButton->setEnabled(m_Results.IsPeriodDefined());
}

void CDensitoPeriodDialog::OnDisplayMode(int nMode)
{
    m_Results.SetDisplayMode(nMode);
    EnableRows();
    Refresh(nullptr);
}

void CDensitoPeriodDialog::OnFirstEdited(bool bX)
{
    const double dValue = FirstEdit(bX)->GetValue();
    if (bX)
        m_Results.SetFirstX(dValue);
    else
        m_Results.SetFirstY(dValue);
    Refresh(FirstEdit(bX));
}

void CDensitoPeriodDialog::OnFrequencyEdited(bool bX)
{
    CValueEdit* pEdit = FrequencyEdit(bX);
    const double dFrequency = pEdit->GetValue();
    if (pEdit->IsEmpty() || dFrequency == 0.0)
        m_Results.ClearPeriod();
    else if (bX)
        m_Results.SetXPeriod(1.0 / dFrequency);
    else
        m_Results.SetYPeriod(1.0 / dFrequency);
    Refresh(pEdit);
}

void CDensitoPeriodDialog::OnPeriodEdited(bool bX)
{
    CValueEdit* pEdit = PeriodEdit(bX);
    const double dPeriod = pEdit->GetValue();
    if (pEdit->IsEmpty() || dPeriod == 0.0)
        m_Results.ClearPeriod();
    else if (bX)
        m_Results.SetXPeriod(dPeriod);
    else
        m_Results.SetYPeriod(dPeriod);
    Refresh(pEdit);
}

void CDensitoPeriodDialog::Focus(CValueEdit* pEdit)
{
    pEdit->setFocus();
    pEdit->selectAll();
}

void CDensitoPeriodDialog::accept()
{
    const std::string strRefusal = m_Results.Validate();
    if (!strRefusal.empty()) {
        AfxMessageBox(strRefusal, CMessageService::Icon::Information);
        const bool bX = m_Results.IsXMaster();
        Focus(strRefusal == CStringTable::Get(IDS_VALUE_OUTSIDE_RANGE) ? FirstEdit(bX) : FrequencyEdit(bX));
        return;
    }
    m_pBackup.reset();
    QDialog::accept();
}

void CDensitoPeriodDialog::reject()
{
    if (m_pBackup != nullptr)
        m_Results.RestoreParameters(*m_pBackup);
    QDialog::reject();
}
