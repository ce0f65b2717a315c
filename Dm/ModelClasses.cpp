#include "Dm/ModelClasses.h"

#include "Dm/Axe.h"
#include "Dm/BezierCurve.h"
#include "Dm/BezierNode.h"
#include "Dm/BmpManager.h"
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
#include "Dm/ScalePoint.h"
#include "Dm/SmartThicknessCorrector.h"
#include "Dm/SplineResults.h"
#include "Dm/SubpixelCentreLine.h"
#include "platform/Object.h"

void RegisterModelClasses()
{
    // Every serializable model class belongs here, those that a document file names in an
    // object reference (curve kinds, curve elements, thickness correctors, results kinds,
    // spline nodes) and those stored inline (bitmap manager, axes, scale points): a new one
    // adds its line.
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
        RUNTIME_CLASS(CSubpixelCentreLine),
        RUNTIME_CLASS(CBezierCurve),
        RUNTIME_CLASS(CBezierNode),
        RUNTIME_CLASS(CSplineResults),
        RUNTIME_CLASS(CBmpManager),
        RUNTIME_CLASS(CAxe),
        RUNTIME_CLASS(CScalePoint),
    };
    for (const CRuntimeClass* pClass : classes)
        CRuntimeClass::Register(pClass);
}
