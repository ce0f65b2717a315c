#pragma once

#include <string>

// The numbered strings of the program (messages, captions, help texts of the controls).
// English is built in; a language file found beside the program replaces entries.
class CStringTable {
public:
    // The text of id in the active language; an empty string for an unknown id.
    static std::string Get(unsigned id);
    static bool Has(unsigned id);
    // Loads a language file ("id<TAB>text" lines, UTF-8, "\n" escapes); false when unreadable.
    static bool LoadLanguageFile(const std::string& path);
    // Back to the built-in English.
    static void ResetToBuiltIn();
};
