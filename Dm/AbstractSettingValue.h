#pragma once

#include <string>

class CSettingsBackend;

// Base of the typed settings: one named value (section and key) of the per-user settings
// store, with its default and its validity rule in the concrete class.
//
// A value loads itself from the store when it is created and writes itself back when it
// is destroyed; in between it changes in memory only. Each concrete class writes in its
// own destructor, because by the time this base is destroyed the typed value is gone.
// The store is not owned and must outlive the value.
class CAbstractSettingValue {
public:
    virtual ~CAbstractSettingValue() = default;
    CAbstractSettingValue(const CAbstractSettingValue&) = delete;
    CAbstractSettingValue& operator=(const CAbstractSettingValue&) = delete;

    // Current value = default.
    virtual void Reset() = 0;
    // Reads the store again; an absent or invalid stored value gives the default.
    virtual void Load() = 0;
    // Writes the current value to the store; a store that refuses loses it silently.
    virtual void Save() = 0;

    const std::string& GetSection() const { return m_strSection; }
    const std::string& GetKey() const { return m_strKey; }

protected:
    CAbstractSettingValue(CSettingsBackend& backend, const std::string& strSection, const std::string& strKey)
        : m_Backend(backend), m_strSection(strSection), m_strKey(strKey)
    {
    }

    CSettingsBackend& m_Backend;
    std::string m_strSection;
    std::string m_strKey;
};
