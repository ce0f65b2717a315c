#include "Dm/IntSettingValue.h"

#include "platform/SettingsBackend.h"

CIntSettingValue::CIntSettingValue(CSettingsBackend& backend, const std::string& strSection,
                                   const std::string& strKey, int nDefault, int nMin, int nMax)
    : CAbstractSettingValue(backend, strSection, strKey),
      m_nDefault(nDefault),
      m_nMin(nMin),
      m_nMax(nMax),
      m_nValue(nDefault)
{
    CIntSettingValue::Load();
}

CIntSettingValue::~CIntSettingValue()
{
    CIntSettingValue::Save();
}

void CIntSettingValue::Reset()
{
    m_nValue = m_nDefault;
}

void CIntSettingValue::Load()
{
    int nValue = m_nDefault;
    if (!m_Backend.ReadInt(m_strSection, m_strKey, nValue) || !IsValid(nValue))
        nValue = m_nDefault;
    m_nValue = nValue;
}

void CIntSettingValue::Save()
{
    m_Backend.WriteInt(m_strSection, m_strKey, m_nValue);
}

bool CIntSettingValue::IsValid(int nValue) const
{
    return m_nMin <= nValue && nValue <= m_nMax;
}

bool CIntSettingValue::Set(int nValue)
{
    if (!IsValid(nValue))
        return false;
    m_nValue = nValue;
    return true;
}
