#pragma once

#include <memory>

#include <QDialog>

namespace Ui {
class CDashMaxDistDialog;
}

// The dialog that sets the largest distance between two dashes of a dashed curve (0 to
// 1000 pixels), opened from the curve-identification dialog, which it disables while open.
// "Apply" and OK send the distance (DistanceChosen), on which the curve is rebuilt; Cancel
// sends back the distance of the opening when one was applied. Closed tells that it went.
class CDashMaxDistDialog : public QDialog {
    Q_OBJECT
public:
    static constexpr unsigned IDD_DASH_DISTANCE = 173;

    // pParent: the window the dialog belongs to (the view).
    CDashMaxDistDialog(QWidget* pParent, int nDistance);
    ~CDashMaxDistDialog() override;

    // ---- The user's actions.
    void OnDistanceEdited();
    void OnApply();
    void accept() override;
    void reject() override;

    bool IsApplyEnabled() const;
    void SetDistanceText(const QString& strText);

signals:
    void DistanceChosen(int nDistance);
    void Closed();

private:
    // The distance typed, when it reads as one from 0 to 1000.
    bool ReadDistance(int& nDistance) const;
    void Close();

    int m_nOpening;
    int m_nTaken;
    bool m_bDirty = false;
    std::unique_ptr<Ui::CDashMaxDistDialog> m_pUi;
};
