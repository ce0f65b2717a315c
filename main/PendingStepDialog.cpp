#include "main/PendingStepDialog.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "main/QtText.h"
#include "platform/StringIds.h"

unsigned CPendingStepDialog::TemplateOf(STEP step)
{
    switch (step) {
        case STEP_LIMITS:
            return 136;
        case STEP_GENESIS:
            return 141;
        case STEP_HAND_MODIFICATION:
            return 144;
        case STEP_DISCRETE_POINTS:
            return 138;
        case STEP_DENSITOMETRY:
            return 180;
        case STEP_SPLINE:
            return 187;
        default:
            return 0;
    }
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
