#include "imaging/ScanSettings.h"

#include <algorithm>
#include <cmath>

bool CScanOffer::OffersResolution(double dDpi) const
{
    if (!bResolution)
        return false;
    if (resolutions.empty())
        return dDpi >= dMinResolution - 1e-6 && dDpi <= dMaxResolution + 1e-6;
    return std::any_of(resolutions.begin(), resolutions.end(),
                       [dDpi](double dOffered) { return std::fabs(dOffered - dDpi) < 1e-3; });
}

bool CScanSettings::operator==(const CScanSettings& other) const
{
    return dResolution == other.dResolution && strMode == other.strMode && dLeft == other.dLeft &&
           dTop == other.dTop && dRight == other.dRight && dBottom == other.dBottom;
}

bool CScanSettings::IsValidFor(const CScanOffer& offer) const
{
    if (offer.bResolution && !offer.OffersResolution(dResolution))
        return false;
    if (!offer.modes.empty() &&
        std::find(offer.modes.begin(), offer.modes.end(), strMode) == offer.modes.end())
        return false;
    if (offer.bArea && !(dLeft >= 0 && dTop >= 0 && dLeft < dRight && dTop < dBottom &&
                         dRight <= offer.dAreaWidth + 1e-6 && dBottom <= offer.dAreaHeight + 1e-6))
        return false;
    return true;
}
