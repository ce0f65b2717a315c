#pragma once

#include "Dm/CoordSyst.h"

// Calibrates cs so that graph X equals pixel x (its negation when reversed) and graph Y
// equals 400 - pixel y: axes along y = 400 and x = 100, scale points at their ends.
inline void BuildIdentity(CCoordSyst& cs, bool bReversed = false)
{
    cs.GetXAxe().SetLine({100, 400}, {500, 400});
    cs.GetYAxe().SetLine({100, 400}, {100, 0});
    cs.ComputeOrigin();
    cs.GetXAxe().GetScalePoint1().SetPosition({100, 400});
    cs.GetXAxe().GetScalePoint1().SetValue(bReversed ? -100 : 100);
    cs.GetXAxe().GetScalePoint2().SetPosition({500, 400});
    cs.GetXAxe().GetScalePoint2().SetValue(bReversed ? -500 : 500);
    cs.GetYAxe().GetScalePoint1().SetPosition({100, 400});
    cs.GetYAxe().GetScalePoint1().SetValue(0);
    cs.GetYAxe().GetScalePoint2().SetPosition({100, 0});
    cs.GetYAxe().GetScalePoint2().SetValue(400);
    cs.ComputeTransform();
}
