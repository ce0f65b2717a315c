#pragma once

#include <memory>

#include <QString>

#include "main/wizard/ConstructionDialog.h"

namespace Ui {
class CAxeDialog;
}
class CAxe;
class CAxeAbstractState;
class CScalePoint;
class CValueEdit;

// The wizard step that defines one axis of a coordinate system: the user draws the axis
// line on the graph, places its two scale points on it, types their values, names the
// axis and chooses a linear or logarithmic scale ("X axis and scale" or "Y axis and
// scale"). What the mouse does depends on the current state: drawing the line, picking a
// scale point, or waiting; a prompt line says what to do next.
class CAxeDialog : public CConstructionDialog {
    Q_OBJECT
public:
    static constexpr unsigned IDD_X_AXIS = 171;
    static constexpr unsigned IDD_Y_AXIS = 172;

    // axe: the axis to define; otherAxe: the other axis of the same coordinate system,
    // which the new line must not run parallel to.
    CAxeDialog(unsigned nTemplateId, CPlotvaneView& view, CSequence& sequence, CAxe& axe, CAxe& otherAxe);
    ~CAxeDialog() override;

    // Both scale points complete on a defined line.
    bool CanGoNext() const override;
    // Different positions, different values, and values above 0 on a logarithmic scale.
    bool Validate() override;
    // The name and the scale kind to the axis; the coordinate system's transform.
    void Commit() override;

    // ---- The user's actions on the controls.
    void OnDrawAxis();
    // nIndex: 1 or 2.
    void OnPickPosition(int nIndex);
    // The value of scale point nIndex was typed.
    void OnValueChanged(int nIndex);

    // ---- What the states work with.
    CAxe& GetAxe() const { return m_Axe; }
    CAxe& GetOtherAxe() const { return m_OtherAxe; }
    // The axis is its coordinate system's X axis.
    bool IsXAxis() const;
    CScalePoint& GetScalePoint(int nIndex) const;
    CValueEdit* GetValueEdit(int nIndex) const;
    // The value edit that has the keyboard focus: 1, 2, or 0 for none.
    int GetFocusedValueEdit() const;
    void CheckDrawAxis(bool bChecked);
    void CheckPickPosition(int nIndex, bool bChecked);
    bool IsDrawAxisChecked() const;
    bool IsPickPositionChecked(int nIndex) const;
    // The "Pick position" button, the label and the value edit of a scale point.
    void EnablePoint(int nIndex, bool bEnable);
    bool IsPointEnabled(int nIndex) const;
    // Puts the focus into the value edit of a scale point, its text selected.
    void FocusValue(int nIndex);
    void SetPrompt(const QString& strPrompt);
    QString GetPrompt() const;
    // Toggles the rubber line between two bitmap pixels on the view.
    void InvertLine(CPoint from, CPoint to);
    void UpdateAllViews();
    CAxeAbstractState* GetState() const { return m_pState.get(); }

protected:
    void OnGraphButtonDown(unsigned nFlags, CPoint point) override;
    void OnGraphDrag(unsigned nFlags, CPoint point) override;
    void OnGraphButtonUp(unsigned nFlags, CPoint point) override;
    void OnGraphScrollStop(unsigned nFlags, CPoint point) override;
    void hideEvent(QHideEvent* pEvent) override;

private:
    // Makes pNext the current state, the previous one deleted; nothing for null.
    void Transition(std::unique_ptr<CAxeAbstractState> pNext);
    void EnterFirstState();
    void OnScaleKindChosen();

    CAxe& m_Axe;
    CAxe& m_OtherAxe;
    std::unique_ptr<CAxeAbstractState> m_pState;
    std::unique_ptr<Ui::CAxeDialog> m_pUi;
};
