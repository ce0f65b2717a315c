#pragma once

#include <memory>

#include <QPointer>

#include "main/wizard/ConstructionDialog.h"

namespace Ui {
class CGenesisDialog;
}
class CContinuousAdvOptDlg;
class CContinuousCurve;
class CDashMaxDistDialog;
class QListWidget;

// The wizard step "Continuous curve - Curve identification": the user clicks the line once
// on each of its parts (the genesis points, several in a row), measures its thickness by a
// click, chooses the side of the line to follow, whether the line is dashed and how far
// apart its dashes may be, opens the advanced options (threshold colour, thickness
// compensation) and names the curve. Each change rebuilds the curve at once, after asking
// whether to lose the changes made by hand.
class CGenesisDialog : public CConstructionDialog {
    Q_OBJECT
public:
    static constexpr unsigned IDD_GENESIS = 141;

    CGenesisDialog(CPlotvaneView& view, CSequence& sequence, CContinuousCurve& curve);
    ~CGenesisDialog() override;

    // A name and at least one genesis point.
    bool CanGoNext() const override;
    // The name is not another curve's, or the user keeps it.
    bool Validate() override;
    // The curve takes the name typed.
    void Commit() override;

    // ---- The user's actions on the controls.
    void OnPickCurve();
    void OnPickThickness();
    void OnDelete();
    void OnThicknessTyped();
    void OnFollowChosen();
    void OnDashedChosen();
    void OnModifyDashDistance();
    void OnAdvancedOptions();

    // ---- The sub-dialogs' notifications.
    // A sub-dialog has closed: this dialog works again.
    void OnSubDialogClosed();
    // The dash-distance dialog gives a distance: stored, the curve rebuilt.
    void OnDashDistance(int nDistance);

    CContinuousCurve& GetCurve() const { return m_Curve; }
    QListWidget* GetGenesisList() const;
    bool IsPickCurveChecked() const;
    bool IsPickThicknessChecked() const;
    int GetThickness() const;
    // The controls answer the user (no sub-dialog is open).
    bool IsInputEnabled() const;
    // The open sub-dialogs, null when closed.
    CContinuousAdvOptDlg* GetAdvancedOptions() const;
    CDashMaxDistDialog* GetDashDialog() const;

protected:
    void OnGraphButtonUp(unsigned nFlags, CPoint point) override;
    // Brought forward while a sub-dialog is open, the step brings the sub-dialog with it:
    // that is where the answer is awaited.
    void changeEvent(QEvent* pEvent) override;

private:
    void FillGenesisList();
    // Every control from the curve and the flags.
    void UpdateControls();
    void UpdateCursor();
    void Repaint();
    // Traces the curve again, then the list, Next and the views follow.
    void RebuildCurve();
    void PickThicknessAt(CPoint point);
    void EnableInput(bool bEnable);

    CContinuousCurve& m_Curve;
    bool m_bPickCurve = true;
    bool m_bPickThickness = false;
    QPointer<CContinuousAdvOptDlg> m_pAdvOptions;
    QPointer<CDashMaxDistDialog> m_pDashDialog;
    std::unique_ptr<Ui::CGenesisDialog> m_pUi;
};
