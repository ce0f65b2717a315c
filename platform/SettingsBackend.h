#pragma once

#include <string>

// The per-user store behind the settings manager: named values grouped in sections.
// A typed store keeps integers and texts apart (an integer is then not readable as a
// text); a text store reads integers from their decimal text. Reads report false for an
// absent or unreadable value and leave the output untouched; writes report false when
// the value could not be kept.
// Implementations: an in-memory map (tests, CLI), an INI file, and the shell's QSettings.
class CSettingsBackend {
public:
    virtual ~CSettingsBackend() = default;

    virtual bool ReadInt(const std::string& strSection, const std::string& strKey, int& nValue) = 0;
    virtual bool WriteInt(const std::string& strSection, const std::string& strKey, int nValue) = 0;
    virtual bool ReadString(const std::string& strSection, const std::string& strKey,
                            std::string& strValue) = 0;
    virtual bool WriteString(const std::string& strSection, const std::string& strKey,
                             const std::string& strValue) = 0;

    // Makes the written values durable; backends that write through answer true.
    virtual bool Flush() { return true; }

protected:
    CSettingsBackend() = default;
    CSettingsBackend(const CSettingsBackend&) = default;
    CSettingsBackend& operator=(const CSettingsBackend&) = default;
};
