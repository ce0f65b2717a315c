#include "main/frame/SavePromptDlg.h"

#include <QPushButton>
#include <QStyle>

#include "main/help/HelpWindow.h"
#include "main/adapters/QtText.h"
#include "platform/StringIds.h"
#include "ui_SavePromptDlg.h"

CSavePromptDlg::CSavePromptDlg(const QString& strQuestion, QWidget* pParent)
    : QDialog(pParent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      m_pUi(std::make_unique<Ui::CSavePromptDlg>())
{
    m_pUi->setupUi(this);
    setWindowTitle(CQtText::String(IDS_APP_NAME));
    const int nIconSide = style()->pixelMetric(QStyle::PM_MessageBoxIconSize, nullptr, this);
    m_pUi->iconLabel->setPixmap(
        style()->standardIcon(QStyle::SP_MessageBoxWarning, nullptr, this).pixmap(nIconSide));
    m_pUi->questionText->setText(strQuestion);
    // Saving is what closing a piece of work most often wants: Enter saves the document.
    m_pUi->documentRadio->setChecked(true);
    const auto answerWith = [this](CDocumentUi::SaveAnswer answer) {
        return [this, answer] {
            m_Answer = answer;
            done(answer == CDocumentUi::SaveAnswer::Cancel ? Rejected : Accepted);
        };
    };
    connect(m_pUi->yesButton, &QPushButton::clicked, this, answerWith(CDocumentUi::SaveAnswer::Yes));
    connect(m_pUi->noButton, &QPushButton::clicked, this, answerWith(CDocumentUi::SaveAnswer::No));
    connect(m_pUi->cancelButton, &QPushButton::clicked, this, answerWith(CDocumentUi::SaveAnswer::Cancel));
    CHelpWindow::SetUpDialogHelp(*this, IDD, nullptr);
}

CSavePromptDlg::~CSavePromptDlg() = default;

CDocumentUi::SaveChoice CSavePromptDlg::GetChoice() const
{
    return m_pUi->documentRadio->isChecked() ? CDocumentUi::SaveChoice::Document
                                             : CDocumentUi::SaveChoice::Curves;
}

void CSavePromptDlg::SetChoice(CDocumentUi::SaveChoice choice)
{
    (choice == CDocumentUi::SaveChoice::Document ? m_pUi->documentRadio : m_pUi->exportRadio)
        ->setChecked(true);
}

CDocumentUi::SavePromptResult CSavePromptDlg::Ask()
{
    // Closing the window is Cancel.
    m_Answer = CDocumentUi::SaveAnswer::Cancel;
    exec();
    CDocumentUi::SavePromptResult result;
    result.answer = m_Answer;
    result.choice = GetChoice();
    return result;
}
