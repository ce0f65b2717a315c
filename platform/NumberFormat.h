#pragma once

#include <string>

// The program's "%g": six significant digits, "." as decimal point whatever the locale,
// an exponent with its sign and at least three digits (1.5e+007, 2e-005).
// Every number shown to the user or written to an export file goes through it.
std::string FormatG(double value);

// printf-style formatting of a string-table text with one integer or one number, as the
// messages of the program need ("Cannot handle %d colors graphics.").
std::string FormatWithInt(const std::string& pattern, long long value);
std::string FormatWithDouble(const std::string& pattern, double value);
