#pragma once

#include <memory>

#include <QDialog>

namespace Ui {
class CCurveKindDialog;
}
class CSequence;
class QRadioButton;

// The modal step "Graph construction - Kind of curve" of the wizard that builds a
// coordinate system and a curve: a radio button for each kind of the window's table of curve
// kinds (main/wizard/WindowCurveKinds), each beside its picture, in the table's order. "Next >>" and
// "<< Previous" accept the dialog with the direction +1 or -1 and remember where it stood;
// "Cancel" rejects it.
class CCurveKindDialog : public QDialog {
    Q_OBJECT
public:
    static constexpr unsigned IDD = 135;

    // nKind: the kind selected when the dialog opens, as its position in the window's table
    // (0 continuous, 1 spline, 2 discrete, 3 densitometry). Opens at the sequence's dialog
    // position.
    CCurveKindDialog(CSequence& sequence, int nKind, QWidget* pParent = nullptr);
    ~CCurveKindDialog() override;

    int GetKind() const;
    void SetKind(int nKind);
    // +1 for "Next >>", -1 for "<< Previous".
    int GetDirection() const { return m_nDirection; }

    void OnNext() { Leave(+1); }
    void OnPrevious() { Leave(-1); }

private:
    void Leave(int nDirection);
    QRadioButton* Radio(int nKind) const;

    CSequence& m_Sequence;
    int m_nDirection = 0;
    std::unique_ptr<Ui::CCurveKindDialog> m_pUi;
};
