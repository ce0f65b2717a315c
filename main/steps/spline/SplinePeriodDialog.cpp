#include "main/steps/spline/SplinePeriodDialog.h"

#include <QPushButton>
#include <QRegularExpressionValidator>

#include "Dm/SplineCurve.h"
#include "Dm/SplineResults.h"
#include "main/help/HelpWindow.h"
#include "main/adapters/QtText.h"
#include "platform/MessageService.h"
#include "ui_SplinePeriodDialog.h"

CSplinePeriodDialog::CSplinePeriodDialog(CSplineResults& results, QWidget* pParent)
    : QDialog(pParent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      m_Results(results),
      m_pUi(std::make_unique<Ui::CSplinePeriodDialog>())
{
    m_pUi->setupUi(this);
    if (const auto* pCurve = dynamic_cast<const CSplineCurve*>(results.GetCurve()))
        m_nAnchors = static_cast<long long>(pCurve->GetNodeCount());
    m_pUi->countEdit->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]{0,9}")), m_pUi->countEdit));
    m_pUi->countEdit->setText(QString::number(results.GetPointsPerSegment()));
    connect(m_pUi->countEdit, &QLineEdit::textChanged, this, &CSplinePeriodDialog::OnCountEdited);
    connect(m_pUi->okButton, &QPushButton::clicked, this, &CSplinePeriodDialog::accept);
    connect(m_pUi->cancelButton, &QPushButton::clicked, this, &CSplinePeriodDialog::reject);
    CHelpWindow::SetUpDialogHelp(*this, IDD, m_pUi->helpButton);
    OnCountEdited();
    m_pUi->countEdit->setFocus();
    m_pUi->countEdit->selectAll();
}

CSplinePeriodDialog::~CSplinePeriodDialog() = default;

QString CSplinePeriodDialog::GetTotalText() const
{
    return m_pUi->totalLabel->text();
}

bool CSplinePeriodDialog::ReadCount(long long& nCount) const
{
    bool bOk = false;
    nCount = m_pUi->countEdit->text().toLongLong(&bOk);
    return bOk;
}

void CSplinePeriodDialog::OnCountEdited()
{
    long long nCount = 0;
    long long nTotal = 0;
    if (ReadCount(nCount) && nCount >= 0 && nCount <= CSplineResults::kMaxPointsPerSegment && m_nAnchors > 0)
        nTotal = nCount * (m_nAnchors - 1) + 1;
    m_pUi->totalLabel->setText(QString::number(nTotal));
}

void CSplinePeriodDialog::accept()
{
    long long nCount = 0;
    if (!ReadCount(nCount) || !CSplineResults::ValidatePointsPerSegment(nCount).empty()) {
        AfxMessageBox(CQtText::FromQString(tr("Please enter an integer between %1 and %2.")
                                               .arg(CSplineResults::kMinPointsPerSegment)
                                               .arg(CSplineResults::kMaxPointsPerSegment)),
                      CMessageService::Icon::Exclamation);
        m_pUi->countEdit->setFocus();
        m_pUi->countEdit->selectAll();
        return;
    }
    m_Results.SetPointsPerSegment(static_cast<int>(nCount));
    QDialog::accept();
}
