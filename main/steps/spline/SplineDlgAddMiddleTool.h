#pragma once

#include "main/steps/spline/SplineDlgAbstractTool.h"

// The spline tool that splits a segment where it is clicked, keeping the curve's shape; the
// Modify tool takes over at once, so that the drag moves the new node.
class CSplineDlgAddMiddleTool : public CSplineDlgAbstractTool {
public:
    static constexpr int kIndex = 2;

    using CSplineDlgAbstractTool::CSplineDlgAbstractTool;

    std::string GetComment() const override;
    int GetToolIndex() const override { return kIndex; }
    void OnButtonDown(const CPoint& point, bool bShift, bool bCtrl) override;
};
