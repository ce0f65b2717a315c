#pragma once

#include "main/steps/continuous/AbstractModificationTool.h"

// The rubber of hand modification: the columns a stroke passes over lose their points.
class CRubberModificationTool : public CAbstractModificationTool {
public:
    using CAbstractModificationTool::CAbstractModificationTool;

    // The point of the column when both lie in one column, else every column between them.
    CRect Apply(const CPoint& from, const CPoint& to) override;
};
