#include "main/scanner/SelectSourceDialog.h"

#include <QDialogButtonBox>
#include <QListWidget>
#include <QPushButton>

#include "main/help/HelpWindow.h"
#include "ui_SelectSourceDialog.h"

CSelectSourceDialog::CSelectSourceDialog(const std::vector<CScannerDevice>& devices, int nCurrent,
                                         QWidget* pParent)
    : QDialog(pParent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      m_pUi(std::make_unique<Ui::CSelectSourceDialog>())
{
    m_pUi->setupUi(this);
    for (const CScannerDevice& device : devices) {
        QString strTitle = QString::fromStdString(device.strVendor + " " + device.strModel).trimmed();
        if (strTitle.isEmpty())
            strTitle = QString::fromStdString(device.strName);
        if (!device.strType.empty())
            strTitle += QStringLiteral(" (%1)").arg(QString::fromStdString(device.strType));
        auto* pItem = new QListWidgetItem(
            strTitle + QLatin1Char('\n') + QString::fromStdString(device.strName), m_pUi->deviceList);
        pItem->setToolTip(QString::fromStdString(device.strName));
    }
    if (nCurrent >= 0 && nCurrent < m_pUi->deviceList->count())
        m_pUi->deviceList->setCurrentRow(nCurrent);
    else if (m_pUi->deviceList->count() > 0)
        m_pUi->deviceList->setCurrentRow(0);
    connect(m_pUi->deviceList, &QListWidget::itemDoubleClicked, this, &QDialog::accept);
    connect(m_pUi->buttonBox, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(m_pUi->buttonBox, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_pUi->buttonBox, &QDialogButtonBox::helpRequested, this,
            [this] { CHelpWindow::ShowHelpOf(*this); });
    CHelpWindow::SetUpDialogHelp(*this, IDD, nullptr);
}

CSelectSourceDialog::~CSelectSourceDialog() = default;

int CSelectSourceDialog::GetChosen() const
{
    return m_pUi->deviceList->currentRow();
}
