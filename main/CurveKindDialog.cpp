#include "main/CurveKindDialog.h"

#include <QIcon>

#include "main/ControlHelp.h"
#include "main/HelpWindow.h"
#include "main/QtText.h"
#include "main/Sequence.h"
#include "platform/StringIds.h"
#include "ui_CurveKindDialog.h"

CCurveKindDialog::CCurveKindDialog(CSequence& sequence, int nKind, QWidget* pParent)
    : QDialog(pParent,
              Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint | Qt::WindowContextHelpButtonHint),
      m_Sequence(sequence),
      m_pUi(std::make_unique<Ui::CCurveKindDialog>())
{
    m_pUi->setupUi(this);
    const QSize pictureSize(96, 64);
    m_pUi->continuousPicture->setPixmap(
        QIcon(QStringLiteral(":/pictures/kind-continuous.svg")).pixmap(pictureSize));
    m_pUi->splinePicture->setPixmap(QIcon(QStringLiteral(":/pictures/kind-spline.svg")).pixmap(pictureSize));
    m_pUi->discretePicture->setPixmap(
        QIcon(QStringLiteral(":/pictures/kind-discrete.svg")).pixmap(pictureSize));
    m_pUi->densityPicture->setPixmap(
        QIcon(QStringLiteral(":/pictures/kind-density.svg")).pixmap(pictureSize));
    m_pUi->nextButton->setText(CQtText::String(IDS_NEXT));
    m_pUi->nextButton->setDefault(true);
    connect(m_pUi->nextButton, &QPushButton::clicked, this, &CCurveKindDialog::OnNext);
    connect(m_pUi->previousButton, &QPushButton::clicked, this, &CCurveKindDialog::OnPrevious);
    connect(m_pUi->cancelButton, &QPushButton::clicked, this, &QDialog::reject);
    // Modal: the topic opens in a help window of its own, which stays usable.
    CHelpWindow::SetUpDialogHelp(*this, IDD, m_pUi->helpButton);
    CControlHelp::Install(this);
    SetKind(nKind);
    adjustSize();
    setGeometry(QRect(sequence.DialogPosFor(size()), size()));
}

CCurveKindDialog::~CCurveKindDialog() = default;

QRadioButton* CCurveKindDialog::Radio(int nKind) const
{
    switch (nKind) {
        case 1:
            return m_pUi->splineRadio;
        case 2:
            return m_pUi->discreteRadio;
        case 3:
            return m_pUi->densityRadio;
        default:
            return m_pUi->continuousRadio;
    }
}

int CCurveKindDialog::GetKind() const
{
    for (int nKind = 0; nKind < 4; ++nKind) {
        if (Radio(nKind)->isChecked())
            return nKind;
    }
    return 0;
}

void CCurveKindDialog::SetKind(int nKind)
{
    Radio(nKind)->setChecked(true);
}

void CCurveKindDialog::Leave(int nDirection)
{
    m_nDirection = nDirection;
    m_Sequence.SetDialogPos(geometry().x(), geometry().y());
    accept();
}
