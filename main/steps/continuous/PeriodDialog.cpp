#include "main/steps/continuous/PeriodDialog.h"

#include <QPushButton>

#include "Dm/Axe.h"
#include "Dm/ContinuousResults.h"
#include "Dm/CoordSyst.h"
#include "Dm/Curve.h"
#include "main/help/HelpWindow.h"
#include "main/adapters/QtText.h"
#include "platform/MessageService.h"
#include "platform/NumberFormat.h"
#include "platform/StringIds.h"
#include "platform/StringTable.h"
#include "ui_PeriodDialog.h"

CPeriodDialog::CPeriodDialog(CContinuousResults& results, QWidget* pParent)
    : QDialog(pParent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      m_Results(results),
      m_pTrial(static_cast<CContinuousResults*>(results.Clone().release())),
      m_pUi(std::make_unique<Ui::CPeriodDialog>())
{
    m_pUi->setupUi(this);
    m_pTrial->SetCurve(results.GetCurve());

    const CCoordSyst* pCoordSyst =
        results.GetCurve() != nullptr ? results.GetCurve()->GetCoordSyst() : nullptr;
    if (pCoordSyst != nullptr) {
        const CAxe& xAxe = pCoordSyst->GetXAxe();
        const QString strName = CQtText::ToQString(xAxe.GetName());
        const QString strStep = xAxe.IsLogarithmic() ? CQtText::String(IDS_DECADE_OF) + strName : strName;
        m_pUi->firstUnit->setText(QStringLiteral("( ") + strName + QStringLiteral(" )"));
        m_pUi->frequencyUnit->setText(QStringLiteral("( 1 / ") + strStep + QStringLiteral(" )"));
        m_pUi->periodUnit->setText(QStringLiteral("( ") + strStep + QStringLiteral(" )"));
    }

    FirstEdit()->SetValue(results.GetFirstValue());
    if (results.IsPeriodDefined()) {
        m_dPeriod = results.GetPeriod();
        PeriodEdit()->SetValue(m_dPeriod);
        if (m_dPeriod != 0.0)
            FrequencyEdit()->SetValue(1.0 / m_dPeriod);
    }
    connect(FirstEdit(), &QLineEdit::textEdited, this, &CPeriodDialog::OnFirstEdited);
    connect(PeriodEdit(), &QLineEdit::textEdited, this, &CPeriodDialog::OnPeriodEdited);
    connect(FrequencyEdit(), &QLineEdit::textEdited, this, &CPeriodDialog::OnFrequencyEdited);
    connect(m_pUi->okButton, &QPushButton::clicked, this, &CPeriodDialog::accept);
    connect(m_pUi->cancelButton, &QPushButton::clicked, this, &CPeriodDialog::reject);
    CHelpWindow::SetUpDialogHelp(*this, IDD, m_pUi->helpButton);
    Refresh();
    Focus(FirstEdit());
}

CPeriodDialog::~CPeriodDialog() = default;

CValueEdit* CPeriodDialog::FirstEdit() const
{
    return m_pUi->firstEdit;
}

CValueEdit* CPeriodDialog::FrequencyEdit() const
{
    return m_pUi->frequencyEdit;
}

CValueEdit* CPeriodDialog::PeriodEdit() const
{
    return m_pUi->periodEdit;
}

QString CPeriodDialog::GetCountText() const
{
    return m_pUi->countLabel->text();
}

QString CPeriodDialog::GetUnitText(int nIndex) const
{
    const QLabel* const units[] = {m_pUi->firstUnit, m_pUi->frequencyUnit, m_pUi->periodUnit};
    return units[nIndex]->text();
}

bool CPeriodDialog::IsOkEnabled() const
{
    return m_pUi->okButton->isEnabled();
}

void CPeriodDialog::OnFirstEdited()
{
    Refresh();
}

void CPeriodDialog::OnPeriodEdited()
{
    m_dPeriod = PeriodEdit()->GetValue();
    if (PeriodEdit()->IsEmpty() || m_dPeriod == 0.0)
        FrequencyEdit()->clear();
    else
        FrequencyEdit()->SetValue(1.0 / m_dPeriod);
    Refresh();
}

void CPeriodDialog::OnFrequencyEdited()
{
    const double dFrequency = FrequencyEdit()->GetValue();
    if (FrequencyEdit()->IsEmpty() || dFrequency == 0.0) {
        m_dPeriod = 0.0;
        PeriodEdit()->clear();
    } else {
        // The period keeps the exact inverse, not the digits the field shows.
        m_dPeriod = 1.0 / dFrequency;
        PeriodEdit()->SetValue(m_dPeriod);
    }
    Refresh();
}

void CPeriodDialog::TakeFields()
{
    m_pTrial->SetFirstValue(FirstEdit()->GetValue());
    m_pTrial->SetPeriod(PeriodEdit()->IsEmpty() ? 0.0 : m_dPeriod);
}

void CPeriodDialog::Refresh()
{
    const bool bFirst = !FirstEdit()->IsEmpty();
    const bool bPeriod = !PeriodEdit()->IsEmpty();
    m_pUi->okButton->setEnabled(bFirst && (bPeriod || !FrequencyEdit()->IsEmpty()));
    int nCount = 0;
    if (bFirst && bPeriod) {
        TakeFields();
        nCount = m_pTrial->GetExpectedRowCount();
    }
    m_pUi->countLabel->setText(CQtText::ToQString(FormatWithInt("%d", nCount)));
}

void CPeriodDialog::Focus(CValueEdit* pEdit)
{
    pEdit->setFocus();
    pEdit->selectAll();
}

void CPeriodDialog::accept()
{
    TakeFields();
    const std::string strRefusal = m_pTrial->Validate();
    if (strRefusal == CStringTable::Get(IDS_LOG_FIRST_VALUE_POSITIVE)) {
        AfxMessageBox(strRefusal, CMessageService::Icon::Information);
        Focus(FirstEdit());
        return;
    }
    if (strRefusal == CStringTable::Get(IDS_PERIOD_POSITIVE)) {
        AfxMessageBox(strRefusal, CMessageService::Icon::Information);
        Focus(PeriodEdit());
        return;
    }
    if (!strRefusal.empty()) {
        AfxMessageBox(strRefusal, CMessageService::Icon::Stop);
        Focus(FrequencyEdit());
        return;
    }
    const int nRows = m_pTrial->GetExpectedRowCount();
    if (nRows > kAskAboveRows &&
        AfxMessageBox(FormatWithInt(CStringTable::Get(IDS_CURVE_WILL_CONTAIN), nRows),
                      CMessageService::Icon::Question,
                      CMessageService::Buttons::YesNo) != CMessageService::Answer::Yes) {
        Focus(FrequencyEdit());
        return;
    }
    m_Results.SetFirstValue(m_pTrial->GetFirstValue());
    m_Results.SetPeriod(m_pTrial->GetPeriod());
    QDialog::accept();
}
