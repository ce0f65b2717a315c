#pragma once

#include <string>
#include <vector>

// The program's "%g": six significant digits, "." as decimal point whatever the locale,
// an exponent with its sign and at least three digits (1.5e+007, 2e-005).
// Every number shown to the user or written to an export file goes through it.
std::string FormatG(double value);
// The same into out (at least kFormatGSize bytes, no terminator); returns the length. For
// callers that format millions of numbers and keep them elsewhere.
constexpr size_t kFormatGSize = 32;
size_t FormatG(double value, char* out);

// printf-style formatting of a string-table text with one integer or one number, as the
// messages of the program need ("Cannot handle %d colors graphics.").
//
// The pattern is data (it may come from a language file), never a format for printf: it
// is parsed here. Conversions are taken in order; each consumes the next value, whatever
// its kind (%d shows a number truncated, %g an integer, %s either as text); conversions
// without a value left, and unknown ones, stay as written; "%%" gives "%". Flags, width and
// precision are honoured (bounded). Floating conversions follow the "%g" rule above:
// "." as decimal point and exponents of three digits.
std::string FormatWithInt(const std::string& pattern, long long value);
std::string FormatWithDouble(const std::string& pattern, double value);
std::string FormatWithInts(const std::string& pattern, const std::vector<long long>& values);
std::string FormatWithDoubles(const std::string& pattern, const std::vector<double>& values);
std::string FormatWithString(const std::string& pattern, const std::string& value);
std::string FormatWithStrings(const std::string& pattern, const std::vector<std::string>& values);
