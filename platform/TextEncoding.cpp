#include "platform/TextEncoding.h"

#include <cstdint>

namespace {

// Code points of the bytes 0x80 to 0x9F in Windows-1252; 0 where the byte is undefined.
const uint16_t kHigh[32] = {0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                            0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,
                            0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                            0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

char ToCp1252(uint32_t cp)
{
    if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF))
        return static_cast<char>(cp);
    for (int i = 0; i < 32; ++i) {
        if (kHigh[i] != 0 && kHigh[i] == cp)
            return static_cast<char>(0x80 + i);
    }
    return '?';
}

void AppendUtf8(std::string& out, uint32_t cp)
{
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

// Reads the character at text[i] and moves i past it; false (i past the lead byte only)
// for a malformed or overlong sequence, a surrogate or a code point beyond Unicode.
bool DecodeUtf8(const std::string& text, size_t& i, uint32_t& cp)
{
    const uint8_t b = static_cast<uint8_t>(text[i]);
    int extra = 0;
    uint32_t minimum = 0;
    if (b < 0x80) {
        cp = b;
        ++i;
        return true;
    }
    if ((b & 0xE0) == 0xC0) {
        extra = 1;
        cp = b & 0x1F;
        minimum = 0x80;
    } else if ((b & 0xF0) == 0xE0) {
        extra = 2;
        cp = b & 0x0F;
        minimum = 0x800;
    } else if ((b & 0xF8) == 0xF0) {
        extra = 3;
        cp = b & 0x07;
        minimum = 0x10000;
    } else {
        ++i;
        return false;
    }
    bool valid = i + static_cast<size_t>(extra) < text.size();
    for (size_t k = 1; valid && k <= static_cast<size_t>(extra); ++k) {
        const uint8_t c = static_cast<uint8_t>(text[i + k]);
        if ((c & 0xC0) != 0x80)
            valid = false;
        else
            cp = (cp << 6) | (c & 0x3F);
    }
    if (!valid || cp < minimum || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) {
        ++i;
        return false;
    }
    i += 1 + static_cast<size_t>(extra);
    return true;
}

}  // namespace

std::string CTextEncoding::Utf8ToCp1252(const std::string& utf8)
{
    std::string out;
    out.reserve(utf8.size());
    size_t i = 0;
    while (i < utf8.size()) {
        uint32_t cp = 0;
        // An invalid sequence skips only its lead byte, so that a following valid character
        // survives.
        out += DecodeUtf8(utf8, i, cp) ? ToCp1252(cp) : '?';
    }
    return out;
}

bool CTextEncoding::IsNonAsciiUtf8(const std::string& text)
{
    bool bNonAscii = false;
    size_t i = 0;
    while (i < text.size()) {
        uint32_t cp = 0;
        if (!DecodeUtf8(text, i, cp))
            return false;
        bNonAscii = bNonAscii || cp >= 0x80;
    }
    return bNonAscii;
}

std::string CTextEncoding::Cp1252ToUtf8(const std::string& cp1252)
{
    std::string out;
    out.reserve(cp1252.size() + cp1252.size() / 4);
    for (char ch : cp1252) {
        const uint8_t b = static_cast<uint8_t>(ch);
        if (b < 0x80) {
            out += ch;
        } else if (b < 0xA0) {
            const uint16_t cp = kHigh[b - 0x80];
            AppendUtf8(out, cp != 0 ? cp : '?');
        } else {
            AppendUtf8(out, b);
        }
    }
    return out;
}
