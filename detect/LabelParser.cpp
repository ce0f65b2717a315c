#include "detect/LabelParser.h"

#include <charconv>
#include <cmath>
#include <cstdint>

namespace {

// The largest power of ten a label may write; beyond it a misread exponent is likelier.
constexpr int kMaxExponent = 300;

// The next code point of UTF-8 text, or -1 for a malformed sequence.
int32_t NextCodePoint(const std::string& text, size_t& i)
{
    const auto lead = static_cast<unsigned char>(text[i++]);
    if (lead < 0x80)
        return lead;
    int nMore = 0;
    int32_t c = 0;
    if ((lead & 0xE0) == 0xC0) {
        nMore = 1;
        c = lead & 0x1F;
    } else if ((lead & 0xF0) == 0xE0) {
        nMore = 2;
        c = lead & 0x0F;
    } else if ((lead & 0xF8) == 0xF0) {
        nMore = 3;
        c = lead & 0x07;
    } else {
        return -1;
    }
    for (int k = 0; k < nMore; ++k) {
        if (i >= text.size() || (static_cast<unsigned char>(text[i]) & 0xC0) != 0x80)
            return -1;
        c = (c << 6) | (static_cast<unsigned char>(text[i++]) & 0x3F);
    }
    return c;
}

// The ASCII character a raised one stands for, or 0 for one that is not raised.
char Superscript(int32_t c)
{
    switch (c) {
        case 0x2070:
            return '0';
        case 0x00B9:
            return '1';
        case 0x00B2:
            return '2';
        case 0x00B3:
            return '3';
        case 0x207A:
            return '+';
        case 0x207B:
            return '-';
        default:
            return c >= 0x2074 && c <= 0x2079 ? static_cast<char>('4' + (c - 0x2074)) : 0;
    }
}

// The text in a small alphabet: digits, '.', '+', '-', 'e' for an exponent, 'x' for a times
// sign, '^' before raised characters. Empty when the text holds anything else.
std::string Normalise(const std::string& text)
{
    std::string out;
    bool bRaised = false;
    size_t i = 0;
    while (i < text.size()) {
        const int32_t c = NextCodePoint(text, i);
        if (c == ' ' || c == '\t' || c == 0x00A0 || c == 0x202F)
            continue;
        if (const char raised = Superscript(c)) {
            if (!bRaised)
                out += '^';
            bRaised = true;
            out += raised;
            continue;
        }
        bRaised = false;
        if ((c >= '0' && c <= '9') || c == '.' || c == '+' || c == '-' || c == '^')
            out += static_cast<char>(c);
        else if (c == 'e' || c == 'E')
            out += 'e';
        else if (c == 'x' || c == 'X' || c == '*' || c == 0x00D7 || c == 0x00B7 || c == 0x22C5)
            out += 'x';
        else if (c == 0x2212 || (c >= 0x2010 && c <= 0x2014))  // minus sign, hyphens, dashes
            out += '-';
        else
            return std::string();
    }
    return out;
}

// A cursor over the normalised text.
class CScanner {
public:
    explicit CScanner(const std::string& s) : m_s(s) {}

    bool AtEnd() const { return m_i == m_s.size(); }
    bool Take(char c)
    {
        if (m_i < m_s.size() && m_s[m_i] == c) {
            ++m_i;
            return true;
        }
        return false;
    }
    bool LooksAtPower() const { return m_s.compare(m_i, 3, "10^") == 0; }
    size_t Position() const { return m_i; }
    void Rewind(size_t i) { m_i = i; }

    // Digits with at most one point, at least one digit: "12", "1.5", ".5", "3.".
    std::optional<double> Mantissa()
    {
        const size_t start = m_i;
        size_t nDigits = 0;
        bool bPoint = false;
        while (m_i < m_s.size()) {
            const char c = m_s[m_i];
            if (c >= '0' && c <= '9') {
                ++nDigits;
            } else if (c == '.' && !bPoint) {
                bPoint = true;
            } else {
                break;
            }
            ++m_i;
        }
        if (nDigits == 0)
            return std::nullopt;
        double d = 0.0;
        const std::from_chars_result r =
            std::from_chars(m_s.data() + start, m_s.data() + m_i, d, std::chars_format::fixed);
        if (r.ec != std::errc() || r.ptr != m_s.data() + m_i)
            return std::nullopt;
        return d;
    }

    // A signed whole exponent: "3", "-2", "+04".
    std::optional<int> Exponent()
    {
        const bool bNegative = Take('-');
        if (!bNegative)
            Take('+');
        int n = 0;
        size_t nDigits = 0;
        while (m_i < m_s.size() && m_s[m_i] >= '0' && m_s[m_i] <= '9') {
            n = n * 10 + (m_s[m_i++] - '0');
            if (n > kMaxExponent)
                return std::nullopt;
            ++nDigits;
        }
        if (nDigits == 0)
            return std::nullopt;
        return bNegative ? -n : n;
    }

    // "10^n".
    std::optional<int> Power()
    {
        if (!LooksAtPower())
            return std::nullopt;
        m_i += 3;
        return Exponent();
    }

private:
    const std::string& m_s;
    size_t m_i = 0;
};

// A number with its form: a power "10^n", a mantissa with an exponent "1.5e3", a mantissa
// times a power "2x10^3", or a plain mantissa.
std::optional<CLabelValue> Number(CScanner& scan)
{
    const size_t start = scan.Position();
    if (const std::optional<int> n = scan.Power())
        return CLabelValue{CLabelValue::Form::Power, std::pow(10.0, *n)};
    scan.Rewind(start);
    const std::optional<double> mantissa = scan.Mantissa();
    if (!mantissa)
        return std::nullopt;
    if (scan.Take('e')) {
        const std::optional<int> n = scan.Exponent();
        if (!n)
            return std::nullopt;
        return CLabelValue{CLabelValue::Form::Scientific, *mantissa * std::pow(10.0, *n)};
    }
    if (scan.Take('x')) {
        const std::optional<int> n = scan.Power();
        if (!n)
            return std::nullopt;
        return CLabelValue{CLabelValue::Form::Power, *mantissa * std::pow(10.0, *n)};
    }
    return CLabelValue{CLabelValue::Form::Plain, *mantissa};
}

}  // namespace

std::optional<CLabelValue> CLabelParser::Parse(const std::string& text)
{
    const std::string s = Normalise(text);
    if (s.empty())
        return std::nullopt;
    CScanner scan(s);
    std::optional<CLabelValue> result;
    if (scan.Take('x')) {
        result = Number(scan);
        if (result)
            result->form = CLabelValue::Form::Multiplier;
    } else if (scan.Take('+')) {
        result = Number(scan);
        if (result)
            result->form = CLabelValue::Form::Offset;
    } else {
        const bool bNegative = scan.Take('-');
        result = Number(scan);
        if (result && bNegative)
            result->value = -result->value;
    }
    if (!result || !scan.AtEnd() || !std::isfinite(result->value))
        return std::nullopt;
    return result;
}
