#pragma once

#include <memory>
#include <string>

#include <QString>

#include "main/wizard/ConstructionDialog.h"

namespace Ui {
class CDiscreteDialog;
}
class CCoordSyst;
class CDiscreteCurve;

// The wizard step that builds or modifies a discrete curve ("Points picking"): every click on
// the picture appends a point, the list shows the points in graph units, and the user can
// delete the selected points, sort them by X and name the curve.
class CDiscreteDialog : public CConstructionDialog {
    Q_OBJECT
public:
    static constexpr unsigned IDD = 138;
    CDiscreteDialog(CPlotvaneView& view, CSequence& sequence, CDiscreteCurve& curve);
    ~CDiscreteDialog() override;

    // A name and at least one point.
    bool CanGoNext() const override;
    // The duplicate-name check.
    bool Validate() override;
    // The edited name to the curve when it differs.
    void Commit() override;

    // ---- The user's actions on the controls.
    // Removes every selected point; says so when none is selected.
    void OnDelete();
    void OnSort();

    CDiscreteCurve& GetCurve() const { return m_Curve; }

protected:
    void OnGraphButtonUp(unsigned nFlags, CPoint point) override;

private:
    // Empties the list and fills it from the curve, each line knowing its point's position.
    void FillList();
    // A line for the point at the end of the list.
    void AddLine(const CPoint& point);
    void UpdateButtons();
    void UpdateAllViews();

    CDiscreteCurve& m_Curve;
    CCoordSyst* m_pCoordSyst;
    std::unique_ptr<Ui::CDiscreteDialog> m_pUi;
};
