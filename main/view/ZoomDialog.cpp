#include "main/help/HelpWindow.h"
#include "main/view/ZoomDialog.h"

#include "main/view/PlotvaneView.h"
#include "main/adapters/QtText.h"
#include "platform/StringIds.h"
#include "ui_ZoomDialog.h"

CZoomDialog::CZoomDialog(CPlotvaneView& view, QWidget* pParent)
    : QDialog(pParent, Qt::Tool), m_View(view), m_pUi(std::make_unique<Ui::CZoomDialog>())
{
    m_pUi->setupUi(this);
    m_pUi->zoomCombo->SetRange(CPlotvaneView::kMinZoom, CPlotvaneView::kMaxZoom);
    CHelpWindow::SetUpDialogHelp(*this, IDD, nullptr);
    const QString strFit = CQtText::String(IDS_ZOOM_FIT);
    m_pUi->zoomCombo->addItems({QStringLiteral("400"), QStringLiteral("200"), QStringLiteral("150"),
                                QStringLiteral("100"), strFit, QStringLiteral("75"), QStringLiteral("50"),
                                QStringLiteral("25"), QStringLiteral("10")});
    connect(m_pUi->zoomCombo, &QComboBox::activated, this, &CZoomDialog::OnEntryChosen);
    connect(m_pUi->zoomCombo, &CZoomCombo::ZoomTyped, this, [this](int nPercent) {
        m_View.SetZoom(nPercent);
        SelectCurrentZoom();
    });
    SelectCurrentZoom();
}

CZoomDialog::~CZoomDialog() = default;

QComboBox* CZoomDialog::GetCombo() const
{
    return m_pUi->zoomCombo;
}

void CZoomDialog::SelectCurrentZoom()
{
    const int nZoom = m_View.GetZoom();
    const QString strText = nZoom <= 0 ? CQtText::String(IDS_ZOOM_FIT) : QString::number(nZoom);
    const int nIndex = m_pUi->zoomCombo->findText(strText, Qt::MatchExactly);
    m_pUi->zoomCombo->setCurrentIndex(nIndex);
    if (nIndex < 0)
        m_pUi->zoomCombo->setEditText(strText);
}

void CZoomDialog::OnEntryChosen(int nIndex)
{
    const QString strEntry = m_pUi->zoomCombo->itemText(nIndex);
    if (strEntry == CQtText::String(IDS_ZOOM_FIT)) {
        m_View.SetZoom(-1);
        return;
    }
    int nPercent = 0;
    for (QChar c : strEntry) {
        if (!c.isDigit())
            break;
        nPercent = nPercent * 10 + c.digitValue();
    }
    m_View.SetZoom(nPercent);
}
