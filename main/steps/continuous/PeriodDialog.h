#pragma once

#include <memory>

#include <QDialog>

namespace Ui {
class CPeriodDialog;
}
class CContinuousResults;
class CValueEdit;

// "Continuous curves : First point and frequency": where the exported rows of a continuous
// curve start and how far apart they are (a period, or its inverse the frequency), with the
// number of rows this gives. The results change on OK only, once the values pass the checks
// of the results object and the user agrees to a long export.
class CPeriodDialog : public QDialog {
    Q_OBJECT
public:
    static constexpr unsigned IDD = 130;
    // More rows than this are exported only when the user agrees.
    static constexpr int kAskAboveRows = 1000;

    CPeriodDialog(CContinuousResults& results, QWidget* pParent = nullptr);
    ~CPeriodDialog() override;

    CValueEdit* FirstEdit() const;
    CValueEdit* FrequencyEdit() const;
    CValueEdit* PeriodEdit() const;
    QString GetCountText() const;
    // The unit labels: first value, frequency, period.
    QString GetUnitText(int nIndex) const;
    bool IsOkEnabled() const;

    void accept() override;

private:
    void OnFirstEdited();
    void OnPeriodEdited();
    void OnFrequencyEdited();
    // OK and the count from the fields.
    void Refresh();
    // The results object m_pTrial made to hold the fields' values.
    void TakeFields();
    void Focus(CValueEdit* pEdit);

    CContinuousResults& m_Results;
    // A copy bound to the same curve that counts and checks the typed values.
    std::unique_ptr<CContinuousResults> m_pTrial;
    double m_dPeriod = 0.0;
    std::unique_ptr<Ui::CPeriodDialog> m_pUi;
};
