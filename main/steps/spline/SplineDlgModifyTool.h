#pragma once

#include "main/steps/spline/SplineDlgAbstractTool.h"

// The spline tool that grabs an anchor or a handle and drags it: Ctrl makes a corner, Shift
// smooths the node and mirrors its handles. A press on an anchor moves the node, with Shift
// it pulls the node's handles out of the anchor.
class CSplineDlgModifyTool : public CSplineDlgAbstractTool {
public:
    static constexpr int kIndex = 4;

    using CSplineDlgAbstractTool::CSplineDlgAbstractTool;

    std::string GetComment() const override;
    int GetToolIndex() const override { return kIndex; }
    void OnButtonDown(const CPoint& point, bool bShift, bool bCtrl) override;
};
