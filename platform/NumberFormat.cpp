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

// FormatG without the general conversion machinery, for the bulk of an export (millions of
// numbers). The six significant digits come from one multiplication or division by an exact
// power of ten. That one operation is correctly rounded, so it keeps the scaled value on the
// same side of every representable number, and the bounds 1e5 and 1e6 and the rounding ties
// n + 0.5 all are: the digits are the exact ones unless the result lands on a tie, which is
// left to the exact conversion (false returned, nothing written), as are magnitudes whose
// power of ten is not exact.
// The two characters of each n from 0 to 99 as one value, the first in the low byte: one
// load per pair of digits.
struct DigitPairTable {
    uint16_t pairs[100];
    constexpr DigitPairTable() : pairs()
    {
        for (int n = 0; n < 100; ++n)
            pairs[n] = static_cast<uint16_t>(('0' + n / 10) | ('0' + n % 10) << 8);
    }
};
constexpr DigitPairTable kDigitPairs;

uint64_t DigitPair(uint32_t n)
{
    return kDigitPairs.pairs[n];
}

// The eight bytes of v at p, its low byte first, whatever the byte order.
void StoreWord(char* p, uint64_t v)
{
#if defined(__BYTE_ORDER__) && __BYTE_ORDER__ == __ORDER_BIG_ENDIAN__
    for (int i = 0; i < 8; ++i)
        p[i] = static_cast<char>(v >> (8 * i));
#else
    std::memcpy(p, &v, sizeof v);
#endif
}

// v != 0.
int CountLeadingZeros(uint64_t v)
{
#if defined(__GNUC__) || defined(__clang__)
    return __builtin_clzll(v);
#else
    int n = 0;
    for (uint64_t bit = uint64_t{1} << 63; (v & bit) == 0; bit >>= 1)
        ++n;
    return n;
#endif
}

bool FormatGFast(double value, char* out, size_t& length)
{
    static const double kPow10[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,  1e8,  1e9,  1e10, 1e11,
                                    1e12, 1e13, 1e14, 1e15, 1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
    if (!std::isfinite(value))
        return false;
    char* p = out;
    if (std::signbit(value)) {
        *p++ = '-';
        value = -value;
    }
    if (value == 0.0) {
        *p++ = '0';
        length = static_cast<size_t>(p - out);
        return true;
    }

    uint64_t bits = 0;
    std::memcpy(&bits, &value, sizeof bits);
    const int biased = static_cast<int>(bits >> 52);  // the sign is cleared above
    if (biased == 0)
        return false;  // subnormal: far outside the exact powers of ten anyway
    // value is in [2^e, 2^(e+1)); 78913 / 2^18 is log10(2) from below, which gives
    // floor(log10(value)) or one less for every exponent of a double.
    const int e = biased - 1023;
    int exp10 = e >= 0 ? (e * 78913) >> 18 : -((-e * 78913 + (1 << 18) - 1) >> 18);
    double scaled = 0.0;
    for (int attempt = 0; attempt < 2; ++attempt) {
        const int k = 5 - exp10;
        if (k > 22 || k < -22)
            return false;
        scaled = k >= 0 ? value * kPow10[k] : value / kPow10[-k];
        if (scaled < 1e6)
            break;
        ++exp10;
    }
    if (scaled < 1e5 || scaled >= 1e6)
        return false;
    const uint32_t whole = static_cast<uint32_t>(scaled);  // truncation is floor here
    const double fraction = scaled - whole;
    if (fraction == 0.5)
        return false;
    uint32_t digits = whole + (fraction > 0.5 ? 1 : 0);
    if (digits == 1000000) {
        digits = 100000;
        ++exp10;
    }

    // The six digits as characters in one 64-bit word, the first in the lowest byte, then
    // laid out by shifts and whole-word stores: out has room for kFormatGSize bytes, so bytes
    // past the result may be written. Building the digits in memory byte by byte and reading
    // them back as a word costs a stalled load; branches or loops whose length changes from
    // number to number cost mispredictions.
    const uint32_t high = digits / 10000;
    const uint32_t low = digits - high * 10000;
    const uint64_t chars =
        DigitPair(high) | DigitPair(low / 100) << 16 | DigitPair(low % 100) << 32 | uint64_t{0x3030} << 48;
    // The last significant digit kept, trailing zeros going: the highest byte that is not '0'
    // among the six (digits >= 100000, so there is one).
    const uint64_t significant = (chars ^ 0x303030303030ULL) & 0xFFFFFFFFFFFFULL;
    const int last = (63 - CountLeadingZeros(significant)) / 8;

    if (exp10 >= 0 && exp10 < 6) {
        // The first exp10 + 1 digits, then the point and the rest when anything significant
        // remains.
        const int shift = 8 * (exp10 + 1);
        const uint64_t head = chars & ((uint64_t{1} << shift) - 1);
        StoreWord(p, head | uint64_t{'.'} << shift | (chars >> shift) << (shift + 8));
        p += last > exp10 ? last + 2 : exp10 + 1;
    } else if (exp10 < 0 && exp10 >= -4) {
        // "0." and the zeros after the point, then the digits.
        StoreWord(p, 0x303030303030'2E30ULL);
        StoreWord(p + 1 - exp10, chars);
        p += 2 - exp10 + last;
    } else {
        StoreWord(p, (chars & 0xFF) | uint64_t{'.'} << 8 | (chars >> 8) << 16);
        p += last > 0 ? last + 2 : 1;
        *p++ = 'e';
        *p++ = exp10 < 0 ? '-' : '+';
        const uint64_t e = static_cast<uint64_t>(exp10 < 0 ? -exp10 : exp10);  // below 100 here
        *p++ = '0';
        const uint64_t pair = DigitPair(static_cast<uint32_t>(e));
        *p++ = static_cast<char>(pair & 0xFF);
        *p++ = static_cast<char>(pair >> 8);
    }
    length = static_cast<size_t>(p - out);
    return true;
}

}  // namespace

std::string FormatG(double value)
{
    char buf[kFormatGSize];
    return std::string(buf, FormatG(value, buf));
}

size_t FormatG(double value, char* out)
{
    size_t length = 0;
    if (FormatGFast(value, out, length))
        return length;
    const std::string digits = FloatDigits(value, 'g', 6);
    length = std::min(digits.size(), kFormatGSize);
    std::memcpy(out, digits.data(), length);
    return length;
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
