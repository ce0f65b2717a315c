#pragma once

#include <optional>
#include <string>

#include "detect/LabelValue.h"

// Reads the number of one tick label's text as the OCR gives it (UTF-8): integers, decimals,
// negatives written with a minus sign, a hyphen or a dash, "1e3"-style exponents, powers of ten
// ("10^3", "10³", "2×10⁻²"; a '^' marks where raised characters began), and the multiplier and
// offset texts of plotting programs ("×10⁴", "+1.99e3"). Spaces are ignored. Anything else,
// or a number that does not fit a double, gives no value.
class CLabelParser {
public:
    static std::optional<CLabelValue> Parse(const std::string& text);
};
