#include "main/wizard/ContinuousSequence.h"

#include "Dm/ContinuousCurve.h"

std::unique_ptr<CCurve> CContinuousSequence::MakeCurve(CCoordSyst& coordSyst)
{
    // With the continuous-curve defaults of the settings.
    return std::make_unique<CContinuousCurve>(&coordSyst);
}
