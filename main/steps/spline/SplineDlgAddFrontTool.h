#pragma once

#include "main/steps/spline/SplineDlgAbstractTool.h"

// The spline tool that adds nodes before the first one: the press places the anchor, the drag
// pulls out its front handle (the back one mirrored); Ctrl makes a corner, Shift smooths it.
class CSplineDlgAddFrontTool : public CSplineDlgAbstractTool {
public:
    static constexpr int kIndex = 1;

    using CSplineDlgAbstractTool::CSplineDlgAbstractTool;

    std::string GetComment() const override;
    int GetToolIndex() const override { return kIndex; }
    void OnButtonDown(const CPoint& point, bool bShift, bool bCtrl) override;
};
