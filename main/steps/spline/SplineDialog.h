#pragma once

#include <memory>

#include <QString>

#include "main/wizard/ConstructionDialog.h"

namespace Ui {
class CSplineDialog;
}
class CSplineCurve;
class CSplineDlgAbstractTool;
class QAbstractButton;

// The wizard step in which the user draws a spline curve on the picture and names it
// ("Spline curve"). Five tools, a row of picture buttons that behave as radio buttons, add
// nodes at the end or at the beginning, split a segment, remove a node or modify one; the
// current tool receives the view's mouse and a comment line explains it. "Clean All" erases
// the whole curve after a question. Owns its current tool; the curve belongs to the wizard.
class CSplineDialog : public CConstructionDialog {
    Q_OBJECT
public:
    static constexpr unsigned IDD = 187;
    static constexpr int kToolCount = 5;

    CSplineDialog(CPlotvaneView& view, CSequence& sequence, CSplineCurve& curve);
    ~CSplineDialog() override;

    // A name and at least two nodes.
    bool CanGoNext() const override;
    // The duplicate-name check.
    bool Validate() override;
    // The name to the curve.
    void Commit() override;

    // ---- The user's actions on the controls.
    // nIndex: 0 add at the end, 1 add at the beginning, 2 add in the middle, 3 remove,
    // 4 modify.
    void OnChooseTool(int nIndex);
    void OnCleanAll();

    // A tool asks for another one: it becomes current once the tool's handler has returned.
    void RequestTool(int nIndex) { m_nRequestedTool = nIndex; }

    CSplineCurve& GetCurve() const { return m_Curve; }
    CSplineDlgAbstractTool* GetTool() const { return m_pTool.get(); }
    int GetToolIndex() const;
    QAbstractButton* GetToolButton(int nIndex) const;
    QAbstractButton* GetCleanAllButton() const;
    QString GetComment() const;

protected:
    void OnGraphButtonDown(unsigned nFlags, CPoint point) override;
    void OnGraphDrag(unsigned nFlags, CPoint point) override;
    void OnGraphButtonUp(unsigned nFlags, CPoint point) override;
    void hideEvent(QHideEvent* pEvent) override;

private:
    // Replaces the current tool by the tool of nIndex, shows its comment and refreshes the
    // buttons.
    void SetTool(int nIndex);
    // The tool a handler asked for, if any.
    void TakeRequestedTool();
    // The current tool checked; the others enabled as the number of nodes allows.
    void RefreshButtons();
    void UpdateAllViews();

    CSplineCurve& m_Curve;
    std::unique_ptr<CSplineDlgAbstractTool> m_pTool;
    int m_nRequestedTool = -1;
    std::unique_ptr<Ui::CSplineDialog> m_pUi;
};
