#include "main/ConstructionCommands.h"

void CConstructionCommands::NewCoordSyst() {}

void CConstructionCommands::NewCurve(CurveKind /*kind*/) {}

void CConstructionCommands::NewCoordSystAndCurve() {}

void CConstructionCommands::ModifySelected() {}
