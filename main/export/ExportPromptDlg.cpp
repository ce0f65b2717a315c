#include "main/export/ExportPromptDlg.h"

#include <QPushButton>

#include "main/help/HelpWindow.h"
#include "main/adapters/QtText.h"
#include "platform/StringIds.h"
#include "ui_ExportPromptDlg.h"

CExportPromptDlg::CExportPromptDlg(QWidget* pParent)
    : QDialog(pParent,
              Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      m_pUi(std::make_unique<Ui::CExportPromptDlg>())
{
    m_pUi->setupUi(this);
    CHelpWindow::SetUpDialogHelp(*this, IDD, nullptr);
    setWindowTitle(CQtText::String(IDS_APP_NAME));
    connect(m_pUi->yesButton, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_pUi->laterButton, &QPushButton::clicked, this, &QDialog::reject);
}

CExportPromptDlg::~CExportPromptDlg() = default;

bool CExportPromptDlg::Ask(QWidget* pParent)
{
    CExportPromptDlg dialog(pParent);
    return dialog.exec() == QDialog::Accepted;
}
