#include "platform/MemorySettingsBackend.h"

bool CMemorySettingsBackend::ReadInt(const std::string& strSection, const std::string& strKey, int& nValue)
{
    const auto it = m_Values.find(Key(strSection, strKey));
    if (it == m_Values.end() || !it->second.m_bIsInt)
        return false;
    nValue = it->second.m_nValue;
    return true;
}

bool CMemorySettingsBackend::WriteInt(const std::string& strSection, const std::string& strKey, int nValue)
{
    SValue& value = m_Values[Key(strSection, strKey)];
    value.m_bIsInt = true;
    value.m_nValue = nValue;
    value.m_strValue.clear();
    return true;
}

bool CMemorySettingsBackend::ReadString(const std::string& strSection, const std::string& strKey,
                                        std::string& strValue)
{
    const auto it = m_Values.find(Key(strSection, strKey));
    if (it == m_Values.end() || it->second.m_bIsInt)
        return false;
    strValue = it->second.m_strValue;
    return true;
}

bool CMemorySettingsBackend::WriteString(const std::string& strSection, const std::string& strKey,
                                         const std::string& strValue)
{
    SValue& value = m_Values[Key(strSection, strKey)];
    value.m_bIsInt = false;
    value.m_nValue = 0;
    value.m_strValue = strValue;
    return true;
}

bool CMemorySettingsBackend::Contains(const std::string& strSection, const std::string& strKey) const
{
    return m_Values.count(Key(strSection, strKey)) != 0;
}

bool CMemorySettingsBackend::Remove(const std::string& strSection, const std::string& strKey)
{
    return m_Values.erase(Key(strSection, strKey)) != 0;
}
