#include "platform/NumberFormat.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>

namespace {

// Bounds on what a pattern may ask for, so that a damaged language file cannot make a
// message of megabytes.
constexpr int kMaxWidth = 200;
constexpr int kMaxPrecision = 60;

struct Arg {
    enum class Kind { Int, Double, String };
    Kind kind = Kind::Int;
    long long i = 0;
    double d = 0;
    std::string s;
};

struct Spec {
    bool left = false;
    bool plus = false;
    bool space = false;
    bool zero = false;
    int width = 0;
    int precision = -1;
    char conversion = 0;
};

// strchr finds the terminator too: a NUL in a pattern must not count as a conversion.
bool OneOf(char c, const char* set)
{
    return c != '\0' && std::strchr(set, c) != nullptr;
}

// Makes the exponent of a formatted number at least three digits long: "1e+07" -> "1e+007".
void WidenExponent(std::string& s)
{
    const size_t e = s.find_first_of("eE");
    if (e == std::string::npos)
        return;
    size_t digits = e + 1;
    if (digits < s.size() && (s[digits] == '+' || s[digits] == '-'))
        ++digits;
    const size_t count = s.size() - digits;
    if (count < 3)
        s.insert(digits, 3 - count, '0');
}

// The digits of a finite or non-finite double for conversion 'f', 'e' or 'g', with the
// sign of negative values but without any flag applied.
std::string FloatDigits(double v, char conversion, int precision)
{
    if (std::isnan(v))
        return std::signbit(v) ? "-nan" : "nan";
    if (std::isinf(v))
        return v < 0 ? "-inf" : "inf";

    std::chars_format format = std::chars_format::general;
    if (conversion == 'f')
        format = std::chars_format::fixed;
    else if (conversion == 'e')
        format = std::chars_format::scientific;
    if (precision < 0)
        precision = 6;
    if (conversion == 'g' && precision == 0)
        precision = 1;

    // Fixed notation of the largest double needs 309 digits before the point.
    char buf[320 + kMaxPrecision];
    const std::to_chars_result r = std::to_chars(buf, buf + sizeof buf, v, format, precision);
    if (r.ec != std::errc())
        return "?";
    std::string s(buf, r.ptr);
    WidenExponent(s);
    return s;
}

std::string IntDigits(long long v, char conversion, int precision)
{
    std::string s;
    bool negative = false;
    if (conversion == 'd' || conversion == 'i') {
        negative = v < 0;
        // Through unsigned, so that the smallest long long keeps its magnitude.
        unsigned long long magnitude =
            negative ? 0ULL - static_cast<unsigned long long>(v) : static_cast<unsigned long long>(v);
        s = std::to_string(magnitude);
    } else {
        const int base = conversion == 'x' || conversion == 'X' ? 16 : conversion == 'o' ? 8 : 10;
        char buf[72];
        const auto r = std::to_chars(buf, buf + sizeof buf, static_cast<unsigned long long>(v), base);
        s.assign(buf, r.ptr);
        if (conversion == 'X')
            std::transform(s.begin(), s.end(), s.begin(),
                           [](char c) { return c >= 'a' && c <= 'f' ? c - 32 : c; });
    }
    if (precision >= 0 && static_cast<int>(s.size()) < precision)
        s.insert(0, static_cast<size_t>(precision) - s.size(), '0');
    if (precision == 0 && v == 0)
        s.clear();
    return negative ? "-" + s : s;
}

long long DoubleToInt(double d)
{
    if (std::isnan(d))
        return 0;
    if (d >= 9.2e18)
        return INT64_MAX;
    if (d <= -9.2e18)
        return INT64_MIN;
    return static_cast<long long>(d);
}

std::string Convert(const Spec& spec, const Arg& arg)
{
    const char conv = spec.conversion;
    const bool isFloat = OneOf(conv, "fFeEgG");
    const bool isInt = OneOf(conv, "diuxXoc");
    std::string body;
    bool numeric = false;

    if (conv == 's' || arg.kind == Arg::Kind::String) {
        if (arg.kind == Arg::Kind::String)
            body = arg.s;
        else if (arg.kind == Arg::Kind::Int)
            body = std::to_string(arg.i);
        else
            body = FormatG(arg.d);
        if (conv == 's' && spec.precision >= 0 && body.size() > static_cast<size_t>(spec.precision))
            body.resize(static_cast<size_t>(spec.precision));
    } else if (isFloat) {
        const double d = arg.kind == Arg::Kind::Double ? arg.d : static_cast<double>(arg.i);
        const char lower = static_cast<char>(conv | 0x20);
        body = FloatDigits(d, lower, spec.precision);
        if (conv != lower)
            std::transform(body.begin(), body.end(), body.begin(),
                           [](char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 32) : c; });
        numeric = std::isfinite(d);
    } else if (isInt) {
        const long long v = arg.kind == Arg::Kind::Int ? arg.i : DoubleToInt(arg.d);
        if (conv == 'c')
            body = std::string(1, static_cast<char>(v));
        else {
            body = IntDigits(v, conv == 'u' ? 'u' : conv, spec.precision);
            numeric = true;
        }
    }

    if (numeric && (conv == 'd' || conv == 'i' || isFloat) && body[0] != '-') {
        if (spec.plus)
            body.insert(0, 1, '+');
        else if (spec.space)
            body.insert(0, 1, ' ');
    }
    const size_t width = static_cast<size_t>(spec.width);
    if (body.size() < width) {
        const size_t pad = width - body.size();
        if (spec.left) {
            body.append(pad, ' ');
        } else if (spec.zero && numeric && !(isInt && spec.precision >= 0)) {
            const size_t at = body[0] == '-' || body[0] == '+' || body[0] == ' ' ? 1 : 0;
            body.insert(at, pad, '0');
        } else {
            body.insert(0, pad, ' ');
        }
    }
    return body;
}

// Reads a conversion starting at pattern[pos] == '%'; on success sets end to the index
// after it.
bool ParseSpec(const std::string& p, size_t pos, Spec& spec, size_t& end)
{
    size_t i = pos + 1;
    const size_t n = p.size();
    for (; i < n; ++i) {
        const char c = p[i];
        if (c == '-')
            spec.left = true;
        else if (c == '+')
            spec.plus = true;
        else if (c == ' ')
            spec.space = true;
        else if (c == '0')
            spec.zero = true;
        else if (c != '#')
            break;
    }
    while (i < n && p[i] >= '0' && p[i] <= '9') {
        spec.width = std::min(kMaxWidth, spec.width * 10 + (p[i] - '0'));
        ++i;
    }
    if (i < n && p[i] == '.') {
        ++i;
        spec.precision = 0;
        while (i < n && p[i] >= '0' && p[i] <= '9') {
            spec.precision = std::min(kMaxPrecision, spec.precision * 10 + (p[i] - '0'));
            ++i;
        }
    }
    // Length modifiers of C and of the Windows runtime carry no meaning here.
    while (i < n && OneOf(p[i], "hlLqjzt"))
        ++i;
    if (i + 2 < n && p[i] == 'I' &&
        ((p[i + 1] == '6' && p[i + 2] == '4') || (p[i + 1] == '3' && p[i + 2] == '2')))
        i += 3;
    if (i >= n || !OneOf(p[i], "diuxXocfFeEgGs"))
        return false;
    spec.conversion = p[i];
    end = i + 1;
    return true;
}

std::string Format(const std::string& pattern, const std::vector<Arg>& args)
{
    std::string out;
    out.reserve(pattern.size() + 16);
    size_t next = 0;
    size_t i = 0;
    while (i < pattern.size()) {
        const char c = pattern[i];
        if (c != '%') {
            out += c;
            ++i;
            continue;
        }
        if (i + 1 < pattern.size() && pattern[i + 1] == '%') {
            out += '%';
            i += 2;
            continue;
        }
        Spec spec;
        size_t end = 0;
        if (next < args.size() && ParseSpec(pattern, i, spec, end)) {
            out += Convert(spec, args[next++]);
            i = end;
        } else {
            out += c;
            ++i;
        }
    }
    return out;
}

Arg IntArg(long long v)
{
    Arg a;
    a.kind = Arg::Kind::Int;
    a.i = v;
    return a;
}

Arg DoubleArg(double v)
{
    Arg a;
    a.kind = Arg::Kind::Double;
    a.d = v;
    return a;
}

Arg StringArg(const std::string& v)
{
    Arg a;
    a.kind = Arg::Kind::String;
    a.s = v;
    return a;
}

}  // namespace

std::string FormatG(double value)
{
    return FloatDigits(value, 'g', 6);
}

std::string FormatWithInt(const std::string& pattern, long long value)
{
    return Format(pattern, {IntArg(value)});
}

std::string FormatWithDouble(const std::string& pattern, double value)
{
    return Format(pattern, {DoubleArg(value)});
}

std::string FormatWithInts(const std::string& pattern, const std::vector<long long>& values)
{
    std::vector<Arg> args;
    for (long long v : values)
        args.push_back(IntArg(v));
    return Format(pattern, args);
}

std::string FormatWithDoubles(const std::string& pattern, const std::vector<double>& values)
{
    std::vector<Arg> args;
    for (double v : values)
        args.push_back(DoubleArg(v));
    return Format(pattern, args);
}

std::string FormatWithString(const std::string& pattern, const std::string& value)
{
    return Format(pattern, {StringArg(value)});
}

std::string FormatWithStrings(const std::string& pattern, const std::vector<std::string>& values)
{
    std::vector<Arg> args;
    for (const std::string& v : values)
        args.push_back(StringArg(v));
    return Format(pattern, args);
}
