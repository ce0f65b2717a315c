#pragma once

#include "Dm/CurveKind.h"

// The commands of the main window that the graph view carries out (construction, selection,
// zoom). The view implements it and attaches itself to the main frame, which forwards each
// menu and toolbar command to the operation of the same name (a kind's "New curve" command
// to OnNewCurve) and asks whether a
// construction is running before it enables commands.
class CViewCommands {
public:
    virtual ~CViewCommands() = default;

    // A construction dialog is attached to the view.
    virtual bool IsConstructionActive() const = 0;

    // The "New curve" command of a kind (main/wizard/WindowCurveKinds).
    virtual void OnNewCurve(ECurveKind kind) = 0;
    virtual void OnNewCoordSyst() = 0;
    virtual void OnNewCoordSystAndCurve() = 0;
    virtual void OnModifySelected() = 0;
    virtual void OnDeleteSelected() = 0;
    virtual void OnZoom() = 0;

protected:
    CViewCommands() = default;
    CViewCommands(const CViewCommands&) = default;
    CViewCommands& operator=(const CViewCommands&) = default;
};
