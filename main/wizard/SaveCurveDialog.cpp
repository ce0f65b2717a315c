#include "main/wizard/SaveCurveDialog.h"

#include <string>

#include <QListWidget>
#include <QPushButton>
#include <QToolButton>

#include "Dm/ContinuousResults.h"
#include "Dm/CoordSyst.h"
#include "Dm/Curve.h"
#include "Dm/DensityCurve.h"
#include "Dm/DensityResults.h"
#include "Dm/PlotvaneDoc.h"
#include "Dm/PlotvaneException.h"
#include "Dm/SplineResults.h"
#include "Dm/StringResultDumper.h"
#include "main/steps/densito/DensitoPeriodDialog.h"
#include "main/help/HelpWindow.h"
#include "main/steps/continuous/PeriodDialog.h"
#include "main/export/PreviewDialog.h"
#include "main/adapters/QtText.h"
#include "main/export/SeparatorDialog.h"
#include "main/steps/spline/SplinePeriodDialog.h"
#include "platform/MessageService.h"
#include "platform/StringIds.h"
#include "platform/WaitCursor.h"
#include "ui_SaveCurveDialog.h"

namespace {

// A line of either list carries its object: a curve on the left, results on the right.
template <class T>
T* Carried(const QListWidgetItem* pItem)
{
    return static_cast<T*>(pItem->data(Qt::UserRole).value<void*>());
}

QListWidgetItem* NewLine(const std::string& strName, void* pCarried)
{
    auto* pItem = new QListWidgetItem(CQtText::ToQString(strName));
    pItem->setData(Qt::UserRole, QVariant::fromValue(pCarried));
    return pItem;
}

}  // namespace

CSaveCurveDialog::CSaveCurveDialog(CPlotvaneDoc& doc, char cSeparator, QWidget* pParent)
    : QDialog(pParent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      m_cSeparator(cSeparator),
      m_pUi(std::make_unique<Ui::CSaveCurveDialog>())
{
    m_pUi->setupUi(this);
    const CCurve* pSelected = doc.GetSelectedCurve();
    for (const auto& pCoordSyst : doc.GetCoordSystList()) {
        for (const auto& pCurve : pCoordSyst->GetCurveList()) {
            AvailableList()->addItem(NewLine(pCurve->GetName(), pCurve.get()));
            // The curve the user is working on is the one "==>" takes first.
            if (pCurve.get() == pSelected)
                AvailableList()->setCurrentRow(AvailableList()->count() - 1);
        }
    }
    connect(m_pUi->addButton, &QPushButton::clicked, this, &CSaveCurveDialog::OnAdd);
    connect(AvailableList(), &QListWidget::itemDoubleClicked, this, &CSaveCurveDialog::OnAdd);
    connect(m_pUi->removeButton, &QPushButton::clicked, this, &CSaveCurveDialog::OnRemove);
    connect(SaveList(), &QListWidget::itemDoubleClicked, this, &CSaveCurveDialog::OnEditSaved);
    connect(m_pUi->upButton, &QToolButton::clicked, this, [this] { OnMove(-1); });
    connect(m_pUi->downButton, &QToolButton::clicked, this, [this] { OnMove(1); });
    connect(m_pUi->formatButton, &QPushButton::clicked, this, &CSaveCurveDialog::OnFormat);
    connect(m_pUi->previewButton, &QPushButton::clicked, this, &CSaveCurveDialog::OnPreview);
    connect(m_pUi->saveButton, &QPushButton::clicked, this, &CSaveCurveDialog::accept);
    connect(m_pUi->cancelButton, &QPushButton::clicked, this, &CSaveCurveDialog::reject);
    connect(AvailableList(), &QListWidget::itemSelectionChanged, this, &CSaveCurveDialog::UpdateButtons);
    connect(SaveList(), &QListWidget::itemSelectionChanged, this, &CSaveCurveDialog::UpdateButtons);
    CHelpWindow::SetUpDialogHelp(*this, IDD, m_pUi->helpButton);
    UpdateButtons();
}

CSaveCurveDialog::~CSaveCurveDialog() = default;

QListWidget* CSaveCurveDialog::AvailableList() const
{
    return m_pUi->availableList;
}

QListWidget* CSaveCurveDialog::SaveList() const
{
    return m_pUi->saveList;
}

void CSaveCurveDialog::UpdateButtons()
{
    const bool bToSave = SaveList()->count() > 0;
    m_pUi->addButton->setEnabled(AvailableList()->currentItem() != nullptr &&
                                 !AvailableList()->selectedItems().isEmpty());
    m_pUi->removeButton->setEnabled(SaveList()->currentItem() != nullptr &&
                                    !SaveList()->selectedItems().isEmpty());
    m_pUi->saveButton->setEnabled(bToSave);
    m_pUi->previewButton->setEnabled(bToSave);
    m_pUi->upButton->setEnabled(bToSave);
    m_pUi->downButton->setEnabled(bToSave);
}

CSaveCurveDialog::Edit CSaveCurveDialog::EditParameters(CResults& results, QWidget* pParent)
{
    const auto run = [](QDialog&& dialog) {
        return dialog.exec() == QDialog::Accepted ? Edit::Confirmed : Edit::Cancelled;
    };
    if (auto* pContinuous = dynamic_cast<CContinuousResults*>(&results))
        return run(CPeriodDialog(*pContinuous, pParent));
    if (auto* pSpline = dynamic_cast<CSplineResults*>(&results))
        return run(CSplinePeriodDialog(*pSpline, pParent));
    if (dynamic_cast<CDensityResults*>(&results) != nullptr) {
        // The density dialog works on its curve's own results, which these are (a damaged
        // document may give a curve the results of another kind).
        auto* pCurve = dynamic_cast<CDensityCurve*>(results.GetCurve());
        if (pCurve == nullptr || pCurve->GetResults() != &results)
            return Edit::Cancelled;
        return run(CDensitoPeriodDialog(*pCurve, pParent));
    }
    return Edit::NoDialog;
}

void CSaveCurveDialog::OnAdd()
{
    QListWidgetItem* pItem = AvailableList()->currentItem();
    if (pItem == nullptr)
        return;
    auto* pCurve = Carried<CCurve>(pItem);
    CResults* pResults = pCurve->GetResults();
    if (pResults == nullptr || EditParameters(*pResults, this) == Edit::Cancelled)
        return;
    {
        CWaitCursor wait;
        pResults->Compute();
    }
    SaveList()->addItem(NewLine(pCurve->GetName(), pResults));
    delete AvailableList()->takeItem(AvailableList()->row(pItem));
    UpdateButtons();
}

void CSaveCurveDialog::OnEditSaved(QListWidgetItem* pItem)
{
    auto* pResults = Carried<CResults>(pItem);
    if (EditParameters(*pResults, this) != Edit::Confirmed)
        return;
    CWaitCursor wait;
    pResults->Compute();
}

void CSaveCurveDialog::OnRemove()
{
    QListWidgetItem* pItem = SaveList()->currentItem();
    if (pItem == nullptr)
        return;
    CCurve* pCurve = Carried<CResults>(pItem)->GetCurve();
    AvailableList()->addItem(NewLine(pCurve->GetName(), pCurve));
    delete SaveList()->takeItem(SaveList()->row(pItem));
    UpdateButtons();
}

void CSaveCurveDialog::OnMove(int nDelta)
{
    const int nRow = SaveList()->currentRow();
    const int nTo = nRow + nDelta;
    if (nRow < 0 || nTo < 0 || nTo >= SaveList()->count())
        return;
    QListWidgetItem* pItem = SaveList()->takeItem(nRow);
    SaveList()->insertItem(nTo, pItem);
    SaveList()->setCurrentItem(pItem);
}

void CSaveCurveDialog::OnFormat()
{
    CSeparatorDialog dialog(m_cSeparator, this);
    if (dialog.exec() == QDialog::Accepted)
        m_cSeparator = dialog.GetSeparator();
}

CAbstractResultDumper::ResultsList CSaveCurveDialog::ReadResultsList() const
{
    CAbstractResultDumper::ResultsList list;
    for (int i = 0; i < SaveList()->count(); ++i)
        list.push_back(Carried<CResults>(SaveList()->item(i)));
    return list;
}

void CSaveCurveDialog::OnPreview()
{
    std::string strText;
    try {
        CWaitCursor wait;
        CStringResultDumper dumper(ReadResultsList(), strText, kPreviewRows, kPreviewColumnWidth);
        dumper.Dump();
    } catch (const CPlotvaneException& e) {
        AfxMessageBox(e.GetMessage(), CMessageService::Icon::Stop);
        return;
    } catch (...) {
        AfxMessageBox(IDS_ERROR_BUILDING_PREVIEW, CMessageService::Icon::Stop);
        return;
    }
    CPreviewDialog dialog(CQtText::ToQString(strText).replace(QStringLiteral("\r\n"), QStringLiteral("\n")),
                          this);
    dialog.exec();
}

void CSaveCurveDialog::accept()
{
    m_ResultsList = ReadResultsList();
    if (m_ResultsList.empty())
        return;
    QDialog::accept();
}
