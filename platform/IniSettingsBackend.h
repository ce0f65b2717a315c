#pragma once

#include <map>
#include <string>

#include "platform/SettingsBackend.h"

// A settings store kept in a small INI file:
//
//   [Section]
//   Key=value
//
// Integers are kept as decimal text. In texts a backslash, a line feed, a carriage return
// and a NUL byte are written as \\, \n, \r and \0, so that every text survives a round
// trip; nothing else is escaped and values are not trimmed.
//
// The file is untrusted when read: only a regular file is read, only its first
// kMaxFileSize bytes are looked at, lines that are neither a section header nor a
// Key=value line are ignored, and so are entries before the first section. Changes are kept in memory and written by Flush (and by the
// destructor) to a temporary file beside the target, which then replaces it, so that a
// failed write never leaves a half-written settings file.
class CIniSettingsBackend : public CSettingsBackend {
public:
    static constexpr size_t kMaxFileSize = 1024 * 1024;

    // Reads the file when it exists; a missing or unreadable file gives an empty store.
    explicit CIniSettingsBackend(const std::string& strPath);
    ~CIniSettingsBackend() override;
    CIniSettingsBackend(const CIniSettingsBackend&) = delete;
    CIniSettingsBackend& operator=(const CIniSettingsBackend&) = delete;

    bool ReadInt(const std::string& strSection, const std::string& strKey, int& nValue) override;
    bool WriteInt(const std::string& strSection, const std::string& strKey, int nValue) override;
    bool ReadString(const std::string& strSection, const std::string& strKey, std::string& strValue) override;
    // Section and key names must be non-empty, without line breaks or NUL bytes, without
    // surrounding blanks; a section name holds no ']' and a key no '=' and does not start
    // with '[', ';' or '#'. Other names are refused.
    bool WriteString(const std::string& strSection, const std::string& strKey,
                     const std::string& strValue) override;

    // Writes the file when something changed since it was read or last written.
    bool Flush() override;

    const std::string& GetPath() const { return m_strPath; }

private:
    void Parse(const std::string& strText);
    std::string Serialize() const;

    std::string m_strPath;
    std::map<std::string, std::map<std::string, std::string>> m_Sections;
    bool m_bDirty = false;
};
