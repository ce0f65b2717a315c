#pragma once

#include "main/steps/continuous/AbstractModificationTool.h"

// The pen of hand modification: the columns a stroke passes over get the stroke's points.
class CPenModificationTool : public CAbstractModificationTool {
public:
    using CAbstractModificationTool::CAbstractModificationTool;

    // The point of the column when both lie in one column, else the straight line between them.
    CRect Apply(const CPoint& from, const CPoint& to) override;
};
