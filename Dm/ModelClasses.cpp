#include "Dm/ModelClasses.h"

#include "Dm/ColorScale.h"
#include "Dm/ContinuousCurve.h"
#include "Dm/ContinuousResults.h"
#include "Dm/CoordSyst.h"
#include "Dm/DensityCurve.h"
#include "Dm/DensityResults.h"
#include "Dm/DiscreteCurve.h"
#include "Dm/DiscreteResults.h"
#include "Dm/FlatThicknessCorrector.h"
#include "Dm/Limit.h"
#include "Dm/PartialCurve.h"
#include "Dm/SmartThicknessCorrector.h"
#include "platform/Object.h"

void RegisterModelClasses()
{
    // Every class that a document file may name in an object reference belongs here:
    // a new serializable model class (curve kinds, curve elements, thickness correctors,
    // results kinds, spline nodes) adds its line.
    static const CRuntimeClass* const classes[] = {
        RUNTIME_CLASS(CCoordSyst),
        RUNTIME_CLASS(CDiscreteCurve),
        RUNTIME_CLASS(CDensityCurve),
        RUNTIME_CLASS(CColorScale),
        RUNTIME_CLASS(CDiscreteResults),
        RUNTIME_CLASS(CDensityResults),
        RUNTIME_CLASS(CContinuousCurve),
        RUNTIME_CLASS(CContinuousResults),
        RUNTIME_CLASS(CLimit),
        RUNTIME_CLASS(CPartialCurve),
        RUNTIME_CLASS(CSmartThicknessCorrector),
        RUNTIME_CLASS(CFlatThicknessCorrector),
    };
    for (const CRuntimeClass* pClass : classes)
        CRuntimeClass::Register(pClass);
}
