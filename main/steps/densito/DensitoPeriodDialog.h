#pragma once

#include <memory>

#include <QDialog>

namespace Ui {
class CDensitoPeriodDialog;
}
class CDensityCurve;
class CDensityResults;
class CValueEdit;

// "Densitometry curve : First point and frequency": where the exported rows of a density
// curve start and how far apart they are, on X, on Y or both, with the number of rows this
// gives. Each change goes to the curve's results at once; Cancel gives the results back the
// parameters they had when the dialog was made.
class CDensitoPeriodDialog : public QDialog {
    Q_OBJECT
public:
    // The dialog's template number, which names its help topic.
    static constexpr unsigned IDD = 181;

    explicit CDensitoPeriodDialog(CDensityCurve& curve, QWidget* pParent = nullptr);
    ~CDensitoPeriodDialog() override;

    // ---- The user's actions (bX: the X row, else the Y row).
    void OnDisplayMode(int nMode);
    void OnFirstEdited(bool bX);
    void OnFrequencyEdited(bool bX);
    void OnPeriodEdited(bool bX);
    // Checks the master coordinate's first point and the row count; closes when they do.
    void accept() override;
    void reject() override;

    CValueEdit* FirstEdit(bool bX) const;
    CValueEdit* FrequencyEdit(bool bX) const;
    CValueEdit* PeriodEdit(bool bX) const;
    QString GetCountText() const;

private:
    // Enables (and empties when disabled) the rows of the display mode.
    void EnableRows();
    // Every field but pEdited from the results, then the count and OK.
    void Refresh(const CValueEdit* pEdited);
    bool IsRowUsed(bool bX) const;
    void Focus(CValueEdit* pEdit);

    CDensityResults& m_Results;
    std::unique_ptr<CDensityResults> m_pBackup;
    std::unique_ptr<Ui::CDensitoPeriodDialog> m_pUi;
};
