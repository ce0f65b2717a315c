#pragma once

#include <memory>

#include <QDialog>

namespace Ui {
class CSplinePeriodDialog;
}
class CSplineResults;

// "Spline Curve : Number of saved points": how many points each segment of a spline curve
// gives to the export (1 to 1000), with the total this makes. The results change on OK only.
class CSplinePeriodDialog : public QDialog {
    Q_OBJECT
public:
    static constexpr unsigned IDD = 193;

    CSplinePeriodDialog(CSplineResults& results, QWidget* pParent = nullptr);
    ~CSplinePeriodDialog() override;

    QString GetTotalText() const;
    void accept() override;

private:
    void OnCountEdited();
    // The typed number; false when the field holds none.
    bool ReadCount(long long& nCount) const;

    CSplineResults& m_Results;
    long long m_nAnchors = 0;
    std::unique_ptr<Ui::CSplinePeriodDialog> m_pUi;
};
