#include "cli/JobValue.h"

#include <cmath>
#include <cstdint>
#include <utility>

#include <nlohmann/json.hpp>

#include "cli/CliError.h"
#include "cli/CliText.h"
#include "platform/StringIds.h"
#include "platform/TextEncoding.h"

CJobValue::CJobValue(const nlohmann::json& value, const std::string& strFile, std::string strPath)
    : m_pValue(&value), m_pFile(&strFile), m_strPath(std::move(strPath))
{
}

std::string CJobValue::Where() const
{
    return m_strPath.empty() ? *m_pFile : *m_pFile + ": " + m_strPath;
}

void CJobValue::Refuse(const std::string& strMessage) const
{
    throw CCliError(kExitRefused, Where() + ": " + strMessage);
}

std::string CJobValue::ChildPath(const std::string& strKey) const
{
    return m_strPath.empty() ? strKey : m_strPath + "." + strKey;
}

std::string CJobValue::ElementCount() const
{
    return CCliText::Format(IDS_CLI_ELEMENTS, {std::to_string(m_pValue->size())});
}

std::string CJobValue::Printable(const std::string& strText)
{
    std::string strPrintable;
    for (const char c : strText) {
        const auto uc = static_cast<unsigned char>(c);
        if (uc < 0x20 || uc == 0x7F) {
            static const char kHex[] = "0123456789ABCDEF";
            strPrintable += std::string("\\u00") + kHex[uc >> 4] + kHex[uc & 0xF];
        } else {
            strPrintable += c;
        }
    }
    return strPrintable;
}

std::string CJobValue::TypeName() const
{
    switch (m_pValue->type()) {
        case nlohmann::json::value_t::null:
            return CCliText::Get(IDS_CLI_TYPE_NULL);
        case nlohmann::json::value_t::object:
            return CCliText::Get(IDS_CLI_TYPE_OBJECT);
        case nlohmann::json::value_t::array:
            return CCliText::Get(IDS_CLI_TYPE_ARRAY);
        case nlohmann::json::value_t::string:
            return CCliText::Get(IDS_CLI_TYPE_STRING);
        case nlohmann::json::value_t::boolean:
            return CCliText::Get(IDS_CLI_TYPE_BOOLEAN);
        default:
            return CCliText::Get(IDS_CLI_TYPE_NUMBER);
    }
}

void CJobValue::CheckObject(std::initializer_list<const char*> allowed) const
{
    if (!m_pValue->is_object())
        Refuse(CCliText::Format(IDS_CLI_EXPECTED_OBJECT, {TypeName()}));
    for (auto it = m_pValue->begin(); it != m_pValue->end(); ++it) {
        bool bKnown = false;
        for (const char* key : allowed)
            bKnown = bKnown || it.key() == key;
        if (!bKnown) {
            std::string strList;
            for (const char* key : allowed)
                strList += std::string(strList.empty() ? "" : ", ") + key;
            throw CCliError(kExitRefused, *m_pFile + ": " + ChildPath(Printable(it.key())) + ": " +
                                              CCliText::Format(IDS_CLI_UNKNOWN_KEY, {strList}));
        }
    }
}

bool CJobValue::Has(const char* key) const
{
    return m_pValue->is_object() && m_pValue->contains(key);
}

CJobValue CJobValue::Get(const char* key) const
{
    if (!m_pValue->is_object())
        Refuse(CCliText::Format(IDS_CLI_EXPECTED_OBJECT, {TypeName()}));
    if (!Has(key))
        Refuse(CCliText::Format(IDS_CLI_MISSING_KEY, {key}));
    return CJobValue((*m_pValue)[key], *m_pFile, ChildPath(key));
}

std::optional<CJobValue> CJobValue::Find(const char* key) const
{
    if (!m_pValue->is_object())
        Refuse(CCliText::Format(IDS_CLI_EXPECTED_OBJECT, {TypeName()}));
    if (!Has(key))
        return std::nullopt;
    return CJobValue((*m_pValue)[key], *m_pFile, ChildPath(key));
}

std::vector<CJobValue> CJobValue::Elements(size_t nMinSize, size_t nMaxSize) const
{
    if (!m_pValue->is_array())
        Refuse(CCliText::Format(IDS_CLI_EXPECTED_ARRAY, {TypeName()}));
    const size_t nSize = m_pValue->size();
    if (nSize < nMinSize)
        Refuse(nMinSize == 1 ? CCliText::Get(IDS_CLI_AT_LEAST_ONE)
                             : CCliText::Format(IDS_CLI_AT_LEAST, {std::to_string(nMinSize)}));
    if (nSize > nMaxSize)
        Refuse(CCliText::Format(IDS_CLI_AT_MOST, {std::to_string(nMaxSize)}));
    std::vector<CJobValue> elements;
    elements.reserve(nSize);
    for (size_t i = 0; i < nSize; ++i)
        elements.emplace_back((*m_pValue)[i], *m_pFile, m_strPath + "[" + std::to_string(i) + "]");
    return elements;
}

bool CJobValue::AsBool() const
{
    if (!m_pValue->is_boolean())
        Refuse(CCliText::Format(IDS_CLI_EXPECTED_BOOL, {TypeName()}));
    return m_pValue->get<bool>();
}

double CJobValue::AsDouble() const
{
    if (!m_pValue->is_number())
        Refuse(CCliText::Format(IDS_CLI_EXPECTED_NUMBER, {TypeName()}));
    const double d = m_pValue->get<double>();
    if (!std::isfinite(d))
        Refuse(CCliText::Get(IDS_CLI_NUMBER_TOO_LARGE));
    return d;
}

int CJobValue::AsInt(int nMin, int nMax, const std::string& strRangeMessage) const
{
    if (!m_pValue->is_number_integer())
        Refuse(CCliText::Format(IDS_CLI_EXPECTED_INTEGER_FOUND,
                                {m_pValue->is_number() ? CCliText::Get(IDS_CLI_TYPE_FRACTION) : TypeName()}));
    // Unsigned values above the signed range are outside every range asked for.
    const bool bHuge = m_pValue->is_number_unsigned() && m_pValue->get<uint64_t>() > uint64_t{INT64_MAX};
    const long long v = bHuge ? INT64_MAX : m_pValue->get<long long>();
    if (v < nMin || v > nMax) {
        Refuse(!strRangeMessage.empty()
                   ? strRangeMessage
                   : CCliText::Format(IDS_CLI_INTEGER_RANGE, {std::to_string(nMin), std::to_string(nMax)}));
    }
    return static_cast<int>(v);
}

std::string CJobValue::AsString() const
{
    if (!m_pValue->is_string())
        Refuse(CCliText::Format(IDS_CLI_EXPECTED_STRING, {TypeName()}));
    const std::string& strValue = m_pValue->get_ref<const std::string&>();
    // A dialog's field takes no control character: a NUL would cut a file name short, a
    // line break would break the lines of an export.
    for (const char c : strValue) {
        const auto uc = static_cast<unsigned char>(c);
        if (uc < 0x20 || uc == 0x7F)
            Refuse(CCliText::Format(IDS_CLI_CONTROL_CHARACTER, {std::to_string(uc)}));
    }
    return strValue;
}

std::string CJobValue::AsText() const
{
    return CTextEncoding::Utf8ToCp1252(AsString());
}

int CJobValue::AsChoice(const std::vector<const char*>& words) const
{
    const std::string strValue = AsString();
    int nIndex = 0;
    std::string strList;
    for (const char* word : words) {
        if (strValue == word)
            return nIndex;
        strList += std::string(nIndex == 0 ? "" : ", ") + "\"" + word + "\"";
        ++nIndex;
    }
    Refuse(CCliText::Format(IDS_CLI_EXPECTED_CHOICE, {strList}));
}

CPoint CJobValue::AsPoint() const
{
    if (!m_pValue->is_array())
        Refuse(CCliText::Format(IDS_CLI_EXPECTED_POINT, {TypeName()}));
    if (m_pValue->size() != 2)
        Refuse(CCliText::Format(IDS_CLI_EXPECTED_POINT, {ElementCount()}));
    const std::vector<CJobValue> xy = Elements(2, 2);
    return CPoint(xy[0].AsInt(INT32_MIN, INT32_MAX), xy[1].AsInt(INT32_MIN, INT32_MAX));
}

CPoint CJobValue::AsPointOn(const CPoint& size) const
{
    const CPoint p = AsPoint();
    if (p.x < 0 || p.y < 0 || p.x >= size.x || p.y >= size.y) {
        Refuse(CCliText::Format(IDS_CLI_POINT_OFF_PICTURE, {std::to_string(size.x), std::to_string(size.y)}));
    }
    return p;
}

std::vector<CPoint> CJobValue::AsPoints(size_t nMinSize) const
{
    std::vector<CPoint> points;
    for (const CJobValue& element : Elements(nMinSize))
        points.push_back(element.AsPoint());
    return points;
}

std::array<long long, 3> CJobValue::AsColor() const
{
    if (!m_pValue->is_array())
        Refuse(CCliText::Format(IDS_CLI_EXPECTED_COLOR, {TypeName()}));
    if (m_pValue->size() != 3)
        Refuse(CCliText::Format(IDS_CLI_EXPECTED_COLOR, {ElementCount()}));
    std::array<long long, 3> rgb{};
    const std::vector<CJobValue> elements = Elements(3, 3);
    for (size_t i = 0; i < 3; ++i) {
        if (!elements[i].m_pValue->is_number_integer())
            elements[i].Refuse(CCliText::Get(IDS_CLI_EXPECTED_INTEGER));
        const nlohmann::json& v = *elements[i].m_pValue;
        rgb[i] = v.is_number_unsigned() && v.get<uint64_t>() > uint64_t{INT64_MAX} ? INT64_MAX
                                                                                   : v.get<long long>();
    }
    return rgb;
}
