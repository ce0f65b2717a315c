#pragma once

#include <memory>

#include "main/wizard/ConstructionDialog.h"

namespace Ui {
class CLimitDialog;
}
class CContinuousCurve;
class CLimit;
class CValueEdit;

// The wizard step "Graph construction - Curve limits" of a continuous curve: the graph X
// values between which the line is to be followed, typed or picked on the picture. Leaving
// the step (either way) drops the genesis points beyond the limits and rebuilds the curve.
class CLimitDialog : public CConstructionDialog {
    Q_OBJECT
public:
    static constexpr unsigned IDD_LIMITS = 136;

    CLimitDialog(CPlotvaneView& view, CSequence& sequence, CContinuousCurve& curve);
    ~CLimitDialog() override;

    // Both limits have a value.
    bool CanGoNext() const override;
    // Positive values on a logarithmic X axis, then the order of the values.
    bool Validate() override;
    // When a limit changed: the partial curves beyond the limits go, the curve is rebuilt.
    void Commit() override;

    // ---- The user's actions on the controls.
    void OnPickPosition(bool bLeft);
    void OnValueEdited(bool bLeft);

    CValueEdit* GetValueEdit(bool bLeft) const;
    bool IsPickChecked(bool bLeft) const;

protected:
    void OnGraphButtonUp(unsigned nFlags, CPoint point) override;

private:
    CLimit& GetLimit(bool bLeft) const;
    // The edits and the pick buttons from the limits and the flags.
    void UpdateControls();

    CContinuousCurve& m_Curve;
    bool m_bPickLeft = false;
    bool m_bPickRight = false;
    bool m_bChanged = false;
    std::unique_ptr<Ui::CLimitDialog> m_pUi;
};
