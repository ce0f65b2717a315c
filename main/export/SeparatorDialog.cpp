#include "main/export/SeparatorDialog.h"

#include <QPushButton>

#include "main/help/HelpWindow.h"
#include "main/adapters/QtText.h"
#include "platform/MessageService.h"
#include "platform/StringIds.h"
#include "ui_SeparatorDialog.h"

CSeparatorDialog::CSeparatorDialog(char cSeparator, QWidget* pParent)
    : QDialog(pParent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      m_cSeparator(cSeparator),
      m_pUi(std::make_unique<Ui::CSeparatorDialog>())
{
    m_pUi->setupUi(this);
    m_pUi->chooser->SetSeparator(cSeparator);
    connect(m_pUi->okButton, &QPushButton::clicked, this, &CSeparatorDialog::accept);
    connect(m_pUi->cancelButton, &QPushButton::clicked, this, &CSeparatorDialog::reject);
    CHelpWindow::SetUpDialogHelp(*this, IDD, m_pUi->helpButton);
}

CSeparatorDialog::~CSeparatorDialog() = default;

void CSeparatorDialog::accept()
{
    char cSeparator = 0;
    if (!m_pUi->chooser->GetSeparator(cSeparator)) {
        AfxMessageBox(IDS_OTHER_SEPARATOR_EMPTY, CMessageService::Icon::Stop);
        m_pUi->chooser->FocusOther();
        return;
    }
    m_cSeparator = cSeparator;
    QDialog::accept();
}
