#include "Dm/CurveElement.h"

IMPLEMENT_DYNAMIC(CCurveElement, CObject)

bool CCurveElement::CutAt(int /*x*/, bool /*bKeepRight*/)
{
    return false;
}

bool CCurveElement::HitTest(int /*x*/, int /*y*/) const
{
    return false;
}
