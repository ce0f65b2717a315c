#include "Dm/PixelSettingValue.h"

CPixelSettingValue::CPixelSettingValue(CSettingsBackend& backend, const std::string& strSection,
                                       const std::string& strKey, uint8_t defaultRed, uint8_t defaultGreen,
                                       uint8_t defaultBlue)
    : CIntSettingValue(backend, strSection, strKey, Pack(defaultRed, defaultGreen, defaultBlue), 0, kMaxColor)
{
}
