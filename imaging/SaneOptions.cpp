#include "imaging/SaneOptions.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <vector>

#include <sane/sane.h>
#include <sane/saneopts.h>

namespace {

// A device's list of words or of texts is read no further than this.
constexpr int kMaxListItems = 1000;
constexpr size_t kMaxTextSize = 4096;

bool IsOneNumber(const SANE_Option_Descriptor& option)
{
    return (option.type == SANE_TYPE_INT || option.type == SANE_TYPE_FIXED) &&
           option.size == static_cast<SANE_Int>(sizeof(SANE_Word));
}

double ToDouble(const SANE_Option_Descriptor& option, SANE_Word nValue)
{
    return option.type == SANE_TYPE_FIXED ? SANE_UNFIX(nValue) : static_cast<double>(nValue);
}

// The largest value a number option takes; 0 when it has no range or list.
double MaxOf(const SANE_Option_Descriptor& option)
{
    if (option.constraint_type == SANE_CONSTRAINT_RANGE && option.constraint.range != nullptr)
        return ToDouble(option, option.constraint.range->max);
    double dMax = 0;
    if (option.constraint_type == SANE_CONSTRAINT_WORD_LIST && option.constraint.word_list != nullptr) {
        const SANE_Word* list = option.constraint.word_list;
        for (SANE_Int i = 1; i <= list[0] && i <= kMaxListItems; ++i)
            dMax = std::max(dMax, ToDouble(option, list[i]));
    }
    return dMax;
}

}  // namespace

int CSaneOptions::Count() const
{
    auto h = static_cast<SANE_Handle>(m_hDevice);
    const SANE_Option_Descriptor* pCount = sane_get_option_descriptor(h, 0);
    SANE_Word nCount = 0;
    if (pCount == nullptr || pCount->type != SANE_TYPE_INT ||
        pCount->size != static_cast<SANE_Int>(sizeof(SANE_Word)) ||
        sane_control_option(h, 0, SANE_ACTION_GET_VALUE, &nCount, nullptr) != SANE_STATUS_GOOD)
        return kMaxOptions;
    return nCount < 1 ? 1 : std::min<int>(nCount, kMaxOptions);
}

int CSaneOptions::Find(const char* pszName) const
{
    auto h = static_cast<SANE_Handle>(m_hDevice);
    const int nCount = Count();
    for (int n = 1; n < nCount; ++n) {
        const SANE_Option_Descriptor* pOption = sane_get_option_descriptor(h, n);
        if (pOption == nullptr)
            return -1;
        if (pOption->name != nullptr && std::strcmp(pOption->name, pszName) == 0)
            return SANE_OPTION_IS_ACTIVE(pOption->cap) ? n : -1;
    }
    return -1;
}

bool CSaneOptions::GetNumber(int nOption, double& dValue) const
{
    auto h = static_cast<SANE_Handle>(m_hDevice);
    const SANE_Option_Descriptor* pOption = nOption > 0 ? sane_get_option_descriptor(h, nOption) : nullptr;
    SANE_Word nValue = 0;
    if (pOption == nullptr || !IsOneNumber(*pOption) ||
        sane_control_option(h, nOption, SANE_ACTION_GET_VALUE, &nValue, nullptr) != SANE_STATUS_GOOD)
        return false;
    dValue = ToDouble(*pOption, nValue);
    return true;
}

int CSaneOptions::SetNumber(int nOption, double dValue) const
{
    auto h = static_cast<SANE_Handle>(m_hDevice);
    const SANE_Option_Descriptor* pOption = nOption > 0 ? sane_get_option_descriptor(h, nOption) : nullptr;
    if (pOption == nullptr || !IsOneNumber(*pOption) || !SANE_OPTION_IS_SETTABLE(pOption->cap))
        return SANE_STATUS_INVAL;
    SANE_Word nValue =
        pOption->type == SANE_TYPE_FIXED ? SANE_FIX(dValue) : static_cast<SANE_Word>(std::lround(dValue));
    return sane_control_option(h, nOption, SANE_ACTION_SET_VALUE, &nValue, nullptr);
}

CScanOffer CSaneOptions::Offer() const
{
    auto h = static_cast<SANE_Handle>(m_hDevice);
    CScanOffer offer;
    const int nResolution = Find(SANE_NAME_SCAN_RESOLUTION);
    const SANE_Option_Descriptor* pResolution =
        nResolution > 0 ? sane_get_option_descriptor(h, nResolution) : nullptr;
    if (pResolution != nullptr && IsOneNumber(*pResolution) && SANE_OPTION_IS_SETTABLE(pResolution->cap)) {
        if (pResolution->constraint_type == SANE_CONSTRAINT_RANGE &&
            pResolution->constraint.range != nullptr) {
            offer.bResolution = true;
            offer.dMinResolution = ToDouble(*pResolution, pResolution->constraint.range->min);
            offer.dMaxResolution = ToDouble(*pResolution, pResolution->constraint.range->max);
        } else if (pResolution->constraint_type == SANE_CONSTRAINT_WORD_LIST &&
                   pResolution->constraint.word_list != nullptr) {
            const SANE_Word* list = pResolution->constraint.word_list;
            for (SANE_Int i = 1; i <= list[0] && i <= kMaxListItems; ++i)
                offer.resolutions.push_back(ToDouble(*pResolution, list[i]));
            offer.bResolution = !offer.resolutions.empty();
        } else if (pResolution->constraint_type == SANE_CONSTRAINT_NONE) {
            offer.bResolution = true;
            offer.dMinResolution = 1;
            offer.dMaxResolution = 1e6;
        }
    }
    const int nMode = Find(SANE_NAME_SCAN_MODE);
    const SANE_Option_Descriptor* pMode = nMode > 0 ? sane_get_option_descriptor(h, nMode) : nullptr;
    if (pMode != nullptr && pMode->type == SANE_TYPE_STRING && SANE_OPTION_IS_SETTABLE(pMode->cap) &&
        pMode->constraint_type == SANE_CONSTRAINT_STRING_LIST && pMode->constraint.string_list != nullptr) {
        for (int i = 0; i < kMaxListItems && pMode->constraint.string_list[i] != nullptr; ++i)
            offer.modes.emplace_back(pMode->constraint.string_list[i]);
    }
    // The area: the bottom right corner's largest values, in millimetres.
    const int nRight = Find(SANE_NAME_SCAN_BR_X);
    const int nBottom = Find(SANE_NAME_SCAN_BR_Y);
    const SANE_Option_Descriptor* pRight = nRight > 0 ? sane_get_option_descriptor(h, nRight) : nullptr;
    const SANE_Option_Descriptor* pBottom = nBottom > 0 ? sane_get_option_descriptor(h, nBottom) : nullptr;
    if (pRight != nullptr && pBottom != nullptr && IsOneNumber(*pRight) && IsOneNumber(*pBottom) &&
        pRight->unit == SANE_UNIT_MM && pBottom->unit == SANE_UNIT_MM && Find(SANE_NAME_SCAN_TL_X) > 0 &&
        Find(SANE_NAME_SCAN_TL_Y) > 0) {
        offer.dAreaWidth = MaxOf(*pRight);
        offer.dAreaHeight = MaxOf(*pBottom);
        offer.bArea = offer.dAreaWidth > 0 && offer.dAreaHeight > 0 && std::isfinite(offer.dAreaWidth) &&
                      std::isfinite(offer.dAreaHeight);
    }
    // A device with an area can scan its whole bed for a preview (in its preview mode where it
    // has one).
    offer.bPreview = offer.bArea;
    return offer;
}

CScanSettings CSaneOptions::Current() const
{
    auto h = static_cast<SANE_Handle>(m_hDevice);
    CScanSettings settings;
    GetNumber(Find(SANE_NAME_SCAN_RESOLUTION), settings.dResolution);
    const int nMode = Find(SANE_NAME_SCAN_MODE);
    const SANE_Option_Descriptor* pMode = nMode > 0 ? sane_get_option_descriptor(h, nMode) : nullptr;
    if (pMode != nullptr && pMode->type == SANE_TYPE_STRING && pMode->size > 0 &&
        static_cast<size_t>(pMode->size) <= kMaxTextSize) {
        std::vector<char> text(static_cast<size_t>(pMode->size) + 1, '\0');
        if (sane_control_option(h, nMode, SANE_ACTION_GET_VALUE, text.data(), nullptr) == SANE_STATUS_GOOD)
            settings.strMode = text.data();
    }
    GetNumber(Find(SANE_NAME_SCAN_TL_X), settings.dLeft);
    GetNumber(Find(SANE_NAME_SCAN_TL_Y), settings.dTop);
    GetNumber(Find(SANE_NAME_SCAN_BR_X), settings.dRight);
    GetNumber(Find(SANE_NAME_SCAN_BR_Y), settings.dBottom);
    return settings;
}

bool CSaneOptions::Apply(const CScanSettings& settings) const
{
    auto h = static_cast<SANE_Handle>(m_hDevice);
    bool bAll = true;
    // The mode first: on some devices it changes which resolutions there are.
    const int nMode = Find(SANE_NAME_SCAN_MODE);
    const SANE_Option_Descriptor* pMode = nMode > 0 ? sane_get_option_descriptor(h, nMode) : nullptr;
    if (!settings.strMode.empty() && pMode != nullptr && pMode->type == SANE_TYPE_STRING &&
        pMode->size > static_cast<SANE_Int>(settings.strMode.size())) {
        std::vector<char> text(static_cast<size_t>(pMode->size), '\0');
        std::memcpy(text.data(), settings.strMode.data(), settings.strMode.size());
        bAll = sane_control_option(h, nMode, SANE_ACTION_SET_VALUE, text.data(), nullptr) == SANE_STATUS_GOOD;
    }
    if (settings.dResolution > 0)
        bAll = SetNumber(Find(SANE_NAME_SCAN_RESOLUTION), settings.dResolution) == SANE_STATUS_GOOD && bAll;
    if (settings.dRight > settings.dLeft && settings.dBottom > settings.dTop) {
        // The corners in an order that never makes the area empty on the way.
        bAll = SetNumber(Find(SANE_NAME_SCAN_TL_X), 0) == SANE_STATUS_GOOD && bAll;
        bAll = SetNumber(Find(SANE_NAME_SCAN_TL_Y), 0) == SANE_STATUS_GOOD && bAll;
        bAll = SetNumber(Find(SANE_NAME_SCAN_BR_X), settings.dRight) == SANE_STATUS_GOOD && bAll;
        bAll = SetNumber(Find(SANE_NAME_SCAN_BR_Y), settings.dBottom) == SANE_STATUS_GOOD && bAll;
        bAll = SetNumber(Find(SANE_NAME_SCAN_TL_X), settings.dLeft) == SANE_STATUS_GOOD && bAll;
        bAll = SetNumber(Find(SANE_NAME_SCAN_TL_Y), settings.dTop) == SANE_STATUS_GOOD && bAll;
    }
    return bAll;
}

void CSaneOptions::SetPreview(bool bPreview) const
{
    auto h = static_cast<SANE_Handle>(m_hDevice);
    const int nPreview = Find(SANE_NAME_PREVIEW);
    const SANE_Option_Descriptor* pPreview = nPreview > 0 ? sane_get_option_descriptor(h, nPreview) : nullptr;
    if (pPreview == nullptr || pPreview->type != SANE_TYPE_BOOL || !SANE_OPTION_IS_SETTABLE(pPreview->cap))
        return;
    SANE_Bool bValue = bPreview ? SANE_TRUE : SANE_FALSE;
    sane_control_option(h, nPreview, SANE_ACTION_SET_VALUE, &bValue, nullptr);
}
