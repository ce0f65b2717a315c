#pragma once

#include "Dm/CurveKind.h"

class CPlotvaneDoc;
class CPlotvaneView;

// The construction commands of the graph view: each makes the wizard that builds or
// modifies a coordinate system or a curve and hands it to the view, which starts it.
class CConstructionCommands {
public:
    CConstructionCommands(CPlotvaneView& view, CPlotvaneDoc& doc) : m_View(view), m_Doc(doc) {}

    void NewCoordSyst();
    // On the selected coordinate system; without one, says that one must be selected first.
    void NewCurve(ECurveKind kind);
    void NewCoordSystAndCurve();
    // The selected coordinate system, else the selected curve; nothing without a selection.
    void ModifySelected();

private:
    CPlotvaneView& m_View;
    CPlotvaneDoc& m_Doc;
};
