#include "main/export/PreviewDialog.h"

#include <QFont>
#include <QFontDatabase>
#include <QPushButton>

#include "main/help/HelpWindow.h"
#include "ui_PreviewDialog.h"

CPreviewDialog::CPreviewDialog(const QString& strText, QWidget* pParent)
    : QDialog(pParent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      m_pUi(std::make_unique<Ui::CPreviewDialog>())
{
    m_pUi->setupUi(this);
    // Courier where it is installed, the system's fixed-width font otherwise: the columns
    // only line up when every character has the same width.
    QFont font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    font.setFamilies({QStringLiteral("Courier"), QStringLiteral("Courier New"), font.family()});
    font.setPointSize(8);
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    m_pUi->previewText->setFont(font);
    m_pUi->previewText->setPlainText(strText);
    connect(m_pUi->closeButton, &QPushButton::clicked, this, &CPreviewDialog::accept);
    CHelpWindow::SetUpDialogHelp(*this, IDD, nullptr);
}

CPreviewDialog::~CPreviewDialog() = default;

QString CPreviewDialog::GetText() const
{
    return m_pUi->previewText->toPlainText();
}
