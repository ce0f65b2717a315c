#include "main/wizard/PendingStepDialog.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "main/adapters/QtText.h"
#include "main/wizard/WindowCurveKinds.h"
#include "platform/StringIds.h"

unsigned CPendingStepDialog::TemplateOf(STEP step)
{
    const CWindowCurveKind::CStep* pCurveStep = CWindowCurveKinds::FindStep(step);
    return pCurveStep != nullptr ? pCurveStep->nTemplate : 0;
}

CPendingStepDialog::CPendingStepDialog(STEP step, CPlotvaneView& view, CSequence& sequence)
    : CConstructionDialog(TemplateOf(step), view, sequence)
{
    setObjectName(QStringLiteral("CPendingStepDialog"));
    setWindowTitle(tr("Graph construction"));
    auto* pLayout = new QVBoxLayout(this);
    pLayout->setSizeConstraint(QLayout::SetFixedSize);
    pLayout->addWidget(
        new QLabel(tr("This step of the construction comes with a later version of Plotvane."), this));
    auto* pButtons = new QHBoxLayout;
    auto* pPrevious = new QPushButton(tr("<< Previous"), this);
    pPrevious->setObjectName(QStringLiteral("previousButton"));
    auto* pNext = new QPushButton(CQtText::String(IDS_NEXT), this);
    pNext->setObjectName(QStringLiteral("nextButton"));
    auto* pCancel = new QPushButton(tr("Cancel"), this);
    pCancel->setObjectName(QStringLiteral("cancelButton"));
    pButtons->addStretch();
    pButtons->addWidget(pPrevious);
    pButtons->addWidget(pNext);
    pButtons->addWidget(pCancel);
    pLayout->addLayout(pButtons);
    BindWizardButtons(pNext, pPrevious, pCancel, nullptr);
}
