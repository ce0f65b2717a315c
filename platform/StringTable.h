#pragma once

#include <string>

// The numbered strings of the program (messages, captions, help texts of the controls).
// English is built in; a language file found beside the program replaces entries.
// Texts are Windows-1252, like every string of the model and of the document files.
class CStringTable {
public:
    // The text of id in the active language; an empty string for an unknown id.
    static std::string Get(unsigned id);
    static bool Has(unsigned id);
    // Field `index` (from 0) of a text made of fields separated by "\n", as the document
    // template string is; empty when there is no such field.
    static std::string GetField(unsigned id, int index);
    // Loads a language file ("id<TAB>text" lines, UTF-8, "\n" escapes); false when unreadable.
    // Lines that are empty, start with '#', or are malformed are skipped.
    static bool LoadLanguageFile(const std::string& path);
    // Replaces the text of one entry (a language resource of the shell supplies it).
    static void Set(unsigned id, const std::string& text);
    // Back to the built-in English.
    static void ResetToBuiltIn();
};
