#pragma once

#include "main/steps/spline/SplineDlgAbstractTool.h"

// The spline tool that adds nodes after the last one: the press places the anchor, the drag
// pulls out its back handle (the front one mirrored); Ctrl makes a corner, Shift smooths it.
class CSplineDlgAddBackTool : public CSplineDlgAbstractTool {
public:
    static constexpr int kIndex = 0;

    using CSplineDlgAbstractTool::CSplineDlgAbstractTool;

    std::string GetComment() const override;
    int GetToolIndex() const override { return kIndex; }
    void OnButtonDown(const CPoint& point, bool bShift, bool bCtrl) override;
};
