#pragma once

#include <memory>

#include <QDialog>

#include "Dm/AbstractResultDumper.h"

namespace Ui {
class CSaveCurveDialog;
}
class CCurve;
class CPlotvaneDoc;
class CResults;
class QListWidget;
class QListWidgetItem;

// "Save Curves": the curves of the document on the left, the curves to export on the
// right in the left-to-right order of their columns. A curve enters the export once its
// sampling is confirmed in its kind's dialog and its rows are computed; the spin button
// moves a chosen curve up or down; "Format" chooses the separator of this export and
// "Preview" shows the first rows. "Save" confirms the list.
class CSaveCurveDialog : public QDialog {
    Q_OBJECT
public:
    static constexpr unsigned IDD = 129;
    // The preview shows this many rows, in columns of this width.
    static constexpr int kPreviewRows = 10;
    static constexpr int kPreviewColumnWidth = 14;

    // The document is not owned and must outlive the dialog.
    CSaveCurveDialog(CPlotvaneDoc& doc, char cSeparator, QWidget* pParent = nullptr);
    ~CSaveCurveDialog() override;

    // The results to export, in their order (complete once the dialog is confirmed).
    const CAbstractResultDumper::ResultsList& GetResultsList() const { return m_ResultsList; }
    char GetSeparator() const { return m_cSeparator; }

    QListWidget* AvailableList() const;
    QListWidget* SaveList() const;

    enum class Edit { NoDialog, Confirmed, Cancelled };
    // Shows the sampling dialog of the results' kind (discrete results have none).
    static Edit EditParameters(CResults& results, QWidget* pParent);

    void accept() override;

private:
    void OnAdd();
    void OnRemove();
    void OnEditSaved(QListWidgetItem* pItem);
    // Moves the chosen line to save nDelta places (-1 up, 1 down).
    void OnMove(int nDelta);
    void OnFormat();
    void OnPreview();
    void UpdateButtons();
    // The results of the lines to save, in order.
    CAbstractResultDumper::ResultsList ReadResultsList() const;

    char m_cSeparator;
    CAbstractResultDumper::ResultsList m_ResultsList;
    std::unique_ptr<Ui::CSaveCurveDialog> m_pUi;
};
