#pragma once

#include <memory>
#include <vector>

#include "Dm/Curve.h"
#include "main/wizard/ConstructionDialog.h"

namespace Ui {
class CHandModificationDialog;
}
class CAbstractModificationTool;
class CContinuousCurve;

// The last step of the continuous-curve wizard ("Manual modifications"): the user corrects the
// recognised curve by drawing on the picture with a pen, which gives the columns it passes over
// the stroke's points, or a rubber, which takes their points away. Every stroke is one step of
// a history of snapshots of the curve's points with Undo, Redo and Reset (the curve traced
// again from its genesis points, itself a step that can be undone). Owns the active tool and
// the history; the curve belongs to the wizard.
class CHandModificationDialog : public CConstructionDialog {
    Q_OBJECT
public:
    static constexpr unsigned IDD = 144;
    enum Tool { TOOL_PEN = 0, TOOL_RUBBER = 1 };

    CHandModificationDialog(CPlotvaneView& view, CSequence& sequence, CContinuousCurve& curve);
    ~CHandModificationDialog() override;

    // The curve as it stands holds a point.
    bool CanGoNext() const override;

    // ---- The user's actions on the controls.
    void OnUndo();
    void OnRedo();
    void OnReset();
    void OnChooseTool(Tool tool);

    CContinuousCurve& GetCurve() const { return m_Curve; }
    Tool GetTool() const { return m_nTool; }
    size_t GetHistorySize() const { return m_History.size(); }
    size_t GetCurrentIndex() const { return m_nCurrent; }
    bool IsUndoEnabled() const;
    bool IsRedoEnabled() const;

protected:
    void OnGraphButtonDown(unsigned nFlags, CPoint point) override;
    void OnGraphDrag(unsigned nFlags, CPoint point) override;
    void OnGraphButtonUp(unsigned nFlags, CPoint point) override;

private:
    // The curve as it is now becomes the newest step of the history; the steps that Redo
    // would have brought back are gone.
    void CommitStep();
    // The snapshot at the current index back into the curve, with its hand-modified flag.
    void RestoreCurrent();
    void UpdateButtons();
    // Has the views repaint a bitmap rectangle of the curve.
    void Repaint(const CRect& rect);

    CContinuousCurve& m_Curve;
    std::unique_ptr<CAbstractModificationTool> m_pTool;
    Tool m_nTool = TOOL_PEN;
    CPoint m_LastPoint;
    // One step of the history: the curve's points and whether they are the hand's.
    struct CStep {
        CCurve::PointList points;
        bool bHandModified = false;
    };
    std::vector<CStep> m_History;
    size_t m_nCurrent = 0;
    std::unique_ptr<Ui::CHandModificationDialog> m_pUi;
};
