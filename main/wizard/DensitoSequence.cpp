#include "main/wizard/DensitoSequence.h"

#include "Dm/ColorScale.h"
#include "Dm/DensityCurve.h"
#include "Dm/SettingsManager.h"

std::unique_ptr<CCurve> CDensitoSequence::MakeCurve(CCoordSyst& coordSyst)
{
    // The colour scale of the density defaults of the settings (the built-in one without).
    const CSettingsManager* pSettings = GetSettingsManager();
    return std::make_unique<CDensityCurve>(&coordSyst,
                                           pSettings != nullptr ? pSettings->MakeColorScale() : nullptr);
}
