#pragma once

#include <string>

#include "Dm/AbstractSettingValue.h"

// A text setting with a default and a pattern (CPatternMatcher syntax) that every value
// must match. The pattern ".*" accepts every text without running the matcher; a pattern
// that does not compile accepts nothing. A stored text that does not match counts as
// absent.
class CStringSettingValue : public CAbstractSettingValue {
public:
    CStringSettingValue(CSettingsBackend& backend, const std::string& strSection, const std::string& strKey,
                        const std::string& strDefault, const std::string& strPattern);
    ~CStringSettingValue() override;

    void Reset() override;
    void Load() override;
    void Save() override;
    bool IsValid(const std::string& strValue) const;

    // Stores the text only when it is valid; tells whether it did.
    bool Set(const std::string& strValue);
    const std::string& Get() const { return m_strValue; }
    const std::string& GetDefault() const { return m_strDefault; }
    const std::string& GetPattern() const { return m_strPattern; }

private:
    std::string m_strDefault;
    std::string m_strPattern;
    std::string m_strValue;
};
