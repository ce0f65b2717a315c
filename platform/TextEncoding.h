#pragma once

#include <string>

// Conversions between the Windows-1252 text that the model and the document files hold
// and the UTF-8 of language files, terminals and the shell's edge.
class CTextEncoding {
public:
    // Characters that Windows-1252 cannot hold and malformed UTF-8 sequences become '?'.
    static std::string Utf8ToCp1252(const std::string& utf8);
    // The five bytes Windows-1252 leaves undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D) become '?'.
    static std::string Cp1252ToUtf8(const std::string& cp1252);
    // Whether text is valid UTF-8 holding at least one character beyond ASCII: such a text
    // is almost never meant as Windows-1252, where it would read as "Ã©" and the like.
    static bool IsNonAsciiUtf8(const std::string& text);
};
