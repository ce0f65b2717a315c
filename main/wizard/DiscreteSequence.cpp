#include "main/wizard/DiscreteSequence.h"

#include "Dm/DiscreteCurve.h"

std::unique_ptr<CCurve> CDiscreteSequence::MakeCurve(CCoordSyst& coordSyst)
{
    return std::make_unique<CDiscreteCurve>(&coordSyst);
}
