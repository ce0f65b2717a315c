#pragma once

#include <QSettings>

#include "platform/SettingsBackend.h"

// The per-user settings store of the program: QSettings in INI form in the user's settings
// folder of the maker "Tessaline Software", file "Plotvane.conf" (on Linux
// $XDG_CONFIG_HOME/Tessaline Software/Plotvane.conf), one INI group per section and one
// key per setting name ("Prompt/StartingJob"). QSettings writes the section "General" as
// "[%General]", its own name for a group of that name, and reads it back the same way. Integers are written
// as numbers and texts as Unicode converted from the model's Windows-1252; an integer is read from its
// decimal text, so a value edited by hand into something else reads as absent.
// QSettings works on a copy of the file (CSettingsStoreFile), read when the store is made and
// written back by Flush, so that the user's file is written as the user's other files are.
class CQtSettingsBackend : public CSettingsBackend {
public:
    CQtSettingsBackend();
    // Writes what it holds back to the user's file, as Flush does.
    ~CQtSettingsBackend() override;
    CQtSettingsBackend(const CQtSettingsBackend&) = delete;
    CQtSettingsBackend& operator=(const CQtSettingsBackend&) = delete;

    bool ReadInt(const std::string& strSection, const std::string& strKey, int& nValue) override;
    bool WriteInt(const std::string& strSection, const std::string& strKey, int nValue) override;
    bool ReadString(const std::string& strSection, const std::string& strKey, std::string& strValue) override;
    // Section and key names must be non-empty and free of '/' and '\', which QSettings
    // reads as group separators; other names are refused.
    bool WriteString(const std::string& strSection, const std::string& strKey,
                     const std::string& strValue) override;
    bool Flush() override;

    // The user's settings file of the program (not the copy QSettings works on).
    QString GetFileName() const;
    static QString StoreFileName();

private:
    bool ReadText(const std::string& strSection, const std::string& strKey, QString& strValue);

    QSettings m_Settings;
};
