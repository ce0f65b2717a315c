#include "main/wizard/CurveKindDialog.h"

#include <vector>

#include <QIcon>
#include <QLabel>
#include <QRadioButton>

#include "main/help/ControlHelp.h"
#include "main/help/HelpWindow.h"
#include "main/adapters/QtText.h"
#include "main/wizard/Sequence.h"
#include "main/wizard/WindowCurveKinds.h"
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
    for (const CWindowCurveKind& kind : CWindowCurveKinds::All())
        findChild<QLabel*>(QLatin1String(kind.pszPictureLabel))
            ->setPixmap(QIcon(QLatin1String(kind.pszPicture)).pixmap(pictureSize));
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
    const std::vector<CWindowCurveKind>& kinds = CWindowCurveKinds::All();
    const CWindowCurveKind& kind =
        nKind > 0 && nKind < static_cast<int>(kinds.size()) ? kinds[nKind] : kinds[0];
    return findChild<QRadioButton*>(QLatin1String(kind.pszRadio));
}

int CCurveKindDialog::GetKind() const
{
    for (int nKind = 0; nKind < static_cast<int>(CWindowCurveKinds::All().size()); ++nKind) {
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
