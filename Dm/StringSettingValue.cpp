#include "Dm/StringSettingValue.h"

#include "Dm/PatternMatcher.h"
#include "platform/SettingsBackend.h"

CStringSettingValue::CStringSettingValue(CSettingsBackend& backend, const std::string& strSection,
                                         const std::string& strKey, const std::string& strDefault,
                                         const std::string& strPattern)
    : CAbstractSettingValue(backend, strSection, strKey),
      m_strDefault(strDefault),
      m_strPattern(strPattern),
      m_strValue(strDefault)
{
    CStringSettingValue::Load();
}

CStringSettingValue::~CStringSettingValue()
{
    CStringSettingValue::Save();
}

void CStringSettingValue::Reset()
{
    m_strValue = m_strDefault;
}

void CStringSettingValue::Load()
{
    std::string strValue;
    if (!m_Backend.ReadString(m_strSection, m_strKey, strValue) || !IsValid(strValue))
        strValue = m_strDefault;
    m_strValue = strValue;
}

void CStringSettingValue::Save()
{
    m_Backend.WriteString(m_strSection, m_strKey, m_strValue);
}

bool CStringSettingValue::IsValid(const std::string& strValue) const
{
    if (m_strPattern == ".*")
        return true;
    return CPatternMatcher::Match(strValue, m_strPattern);
}

bool CStringSettingValue::Set(const std::string& strValue)
{
    if (!IsValid(strValue))
        return false;
    m_strValue = strValue;
    return true;
}
