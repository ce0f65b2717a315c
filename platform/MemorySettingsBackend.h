#pragma once

#include <map>
#include <string>
#include <utility>

#include "platform/SettingsBackend.h"

// A settings store held in memory: the default store of the settings manager when no
// other is installed, and the store of tests and of the command-line front. Values are
// typed: an integer is not readable as a text and the other way round.
class CMemorySettingsBackend : public CSettingsBackend {
public:
    CMemorySettingsBackend() = default;

    bool ReadInt(const std::string& strSection, const std::string& strKey, int& nValue) override;
    bool WriteInt(const std::string& strSection, const std::string& strKey, int nValue) override;
    bool ReadString(const std::string& strSection, const std::string& strKey, std::string& strValue) override;
    bool WriteString(const std::string& strSection, const std::string& strKey,
                     const std::string& strValue) override;

    bool Contains(const std::string& strSection, const std::string& strKey) const;
    bool Remove(const std::string& strSection, const std::string& strKey);
    size_t GetCount() const { return m_Values.size(); }
    void Clear() { m_Values.clear(); }

private:
    struct SValue {
        bool m_bIsInt = false;
        int m_nValue = 0;
        std::string m_strValue;
    };
    using Key = std::pair<std::string, std::string>;  // section, key

    std::map<Key, SValue> m_Values;
};
