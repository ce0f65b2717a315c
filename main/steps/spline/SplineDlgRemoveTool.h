#pragma once

#include "main/steps/spline/SplineDlgAbstractTool.h"

// The spline tool that removes the node clicked; the Add at the end tool takes over when no
// node is left.
class CSplineDlgRemoveTool : public CSplineDlgAbstractTool {
public:
    static constexpr int kIndex = 3;

    using CSplineDlgAbstractTool::CSplineDlgAbstractTool;

    std::string GetComment() const override;
    int GetToolIndex() const override { return kIndex; }
    void OnButtonDown(const CPoint& point, bool bShift, bool bCtrl) override;
};
