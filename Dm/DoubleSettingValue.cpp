#include "Dm/DoubleSettingValue.h"

#include <charconv>
#include <cmath>
#include <limits>

#include "platform/SettingsBackend.h"

CDoubleSettingValue::CDoubleSettingValue(CSettingsBackend& backend, const std::string& strSection,
                                         const std::string& strKey, double dDefault)
    : CAbstractSettingValue(backend, strSection, strKey), m_dDefault(dDefault), m_dValue(dDefault)
{
    CDoubleSettingValue::Load();
}

CDoubleSettingValue::~CDoubleSettingValue()
{
    CDoubleSettingValue::Save();
}

void CDoubleSettingValue::Reset()
{
    m_dValue = m_dDefault;
}

void CDoubleSettingValue::Load()
{
    std::string strText;
    if (!m_Backend.ReadString(m_strSection, m_strKey, strText))
        strText = Format(m_dDefault);
    const double dValue = Parse(strText);
    m_dValue = std::isfinite(dValue) ? dValue : m_dDefault;
}

void CDoubleSettingValue::Save()
{
    m_Backend.WriteString(m_strSection, m_strKey, Format(m_dValue));
}

double CDoubleSettingValue::Set(double dValue)
{
    const double dPrevious = m_dValue;
    if (std::isfinite(dValue))
        m_dValue = dValue;
    return dPrevious;
}

std::string CDoubleSettingValue::Format(double dValue)
{
    // printf would follow LC_NUMERIC, which the shell's toolkit sets from the user's locale.
    char buffer[400];  // the largest double has 309 integer digits
    const std::to_chars_result result =
        std::to_chars(buffer, buffer + sizeof(buffer), dValue, std::chars_format::fixed, 6);
    if (result.ec != std::errc())
        return "0.000000";
    return std::string(buffer, result.ptr);
}

double CDoubleSettingValue::Parse(const std::string& strText)
{
    const char* p = strText.data();
    const char* const pEnd = p + strText.size();
    while (p < pEnd && (*p == ' ' || *p == '\t' || *p == '\n' || *p == '\v' || *p == '\f' || *p == '\r'))
        ++p;
    bool bNegative = false;
    if (p < pEnd && (*p == '+' || *p == '-')) {
        bNegative = *p == '-';
        ++p;
    }
    // from_chars takes no sign of its own here: "+-1" is no number for the C conversion either.
    if (p == pEnd || *p == '+' || *p == '-')
        return 0.0;
    double dValue = 0.0;
    const std::from_chars_result result = std::from_chars(p, pEnd, dValue, std::chars_format::general);
    if (result.ec == std::errc::invalid_argument)
        return 0.0;
    if (result.ec == std::errc::result_out_of_range)
        return std::numeric_limits<double>::quiet_NaN();
    return bNegative ? -dValue : dValue;
}
