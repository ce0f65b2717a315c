#include "main/help/AboutDlg.h"
#include "main/help/HelpWindow.h"

#include <QIcon>

#include "ui_AboutDlg.h"

CAboutDlg::CAboutDlg(QWidget* pParent) : QDialog(pParent), m_pUi(std::make_unique<Ui::CAboutDlg>())
{
    m_pUi->setupUi(this);
    CHelpWindow::SetUpDialogHelp(*this, IDD, nullptr);
    // A box of fixed size: a title and a close button, nothing to maximise.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    m_pUi->icon->setPixmap(QIcon(QStringLiteral(":/icons/plotvane.svg")).pixmap(QSize(48, 48)));
    m_pUi->versionText->setText(m_pUi->versionText->text().arg(QLatin1String(kVersion)));
    m_pUi->buildNumber->setText(QLatin1String(kBuildNumber));
}

CAboutDlg::~CAboutDlg() = default;

QString CAboutDlg::GetVersionText() const
{
    return m_pUi->versionText->text();
}
