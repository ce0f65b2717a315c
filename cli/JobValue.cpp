#include "cli/JobValue.h"

#include <cmath>
#include <cstdint>
#include <utility>

#include <nlohmann/json.hpp>

#include "cli/CliError.h"
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

std::string CJobValue::TypeName() const
{
    switch (m_pValue->type()) {
        case nlohmann::json::value_t::null:
            return "null";
        case nlohmann::json::value_t::object:
            return "an object";
        case nlohmann::json::value_t::array:
            return "an array";
        case nlohmann::json::value_t::string:
            return "a string";
        case nlohmann::json::value_t::boolean:
            return "a boolean";
        default:
            return "a number";
    }
}

void CJobValue::CheckObject(std::initializer_list<const char*> allowed) const
{
    if (!m_pValue->is_object())
        Refuse("expected an object, found " + TypeName());
    for (auto it = m_pValue->begin(); it != m_pValue->end(); ++it) {
        bool bKnown = false;
        for (const char* key : allowed)
            bKnown = bKnown || it.key() == key;
        if (!bKnown) {
            std::string strList;
            for (const char* key : allowed)
                strList += std::string(strList.empty() ? "" : ", ") + key;
            throw CCliError(kExitRefused, *m_pFile + ": " + ChildPath(it.key()) +
                                              ": unknown key (the keys here are " + strList + ")");
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
        Refuse("expected an object, found " + TypeName());
    if (!Has(key))
        Refuse(std::string("missing key \"") + key + "\"");
    return CJobValue((*m_pValue)[key], *m_pFile, ChildPath(key));
}

std::optional<CJobValue> CJobValue::Find(const char* key) const
{
    if (!m_pValue->is_object())
        Refuse("expected an object, found " + TypeName());
    if (!Has(key))
        return std::nullopt;
    return CJobValue((*m_pValue)[key], *m_pFile, ChildPath(key));
}

std::vector<CJobValue> CJobValue::Elements(size_t nMinSize, size_t nMaxSize) const
{
    if (!m_pValue->is_array())
        Refuse("expected an array, found " + TypeName());
    const size_t nSize = m_pValue->size();
    if (nSize < nMinSize)
        Refuse(nMinSize == 1 ? std::string("expected at least one element")
                             : "expected at least " + std::to_string(nMinSize) + " elements");
    if (nSize > nMaxSize)
        Refuse("too many elements (at most " + std::to_string(nMaxSize) + ")");
    std::vector<CJobValue> elements;
    elements.reserve(nSize);
    for (size_t i = 0; i < nSize; ++i)
        elements.emplace_back((*m_pValue)[i], *m_pFile, m_strPath + "[" + std::to_string(i) + "]");
    return elements;
}

bool CJobValue::AsBool() const
{
    if (!m_pValue->is_boolean())
        Refuse("expected true or false, found " + TypeName());
    return m_pValue->get<bool>();
}

double CJobValue::AsDouble() const
{
    if (!m_pValue->is_number())
        Refuse("expected a number, found " + TypeName());
    const double d = m_pValue->get<double>();
    if (!std::isfinite(d))
        Refuse("the number is too large");
    return d;
}

int CJobValue::AsInt(int nMin, int nMax, const std::string& strRangeMessage) const
{
    if (!m_pValue->is_number_integer())
        Refuse("expected an integer, found " +
               (m_pValue->is_number() ? std::string("a fractional number") : TypeName()));
    // Unsigned values above the signed range are outside every range asked for.
    const bool bHuge = m_pValue->is_number_unsigned() && m_pValue->get<uint64_t>() > uint64_t{INT64_MAX};
    const long long v = bHuge ? INT64_MAX : m_pValue->get<long long>();
    if (v < nMin || v > nMax) {
        Refuse(!strRangeMessage.empty()
                   ? strRangeMessage
                   : "expected an integer between " + std::to_string(nMin) + " and " + std::to_string(nMax));
    }
    return static_cast<int>(v);
}

std::string CJobValue::AsString() const
{
    if (!m_pValue->is_string())
        Refuse("expected a string, found " + TypeName());
    return m_pValue->get<std::string>();
}

std::string CJobValue::AsText() const
{
    return CTextEncoding::Utf8ToCp1252(AsString());
}

int CJobValue::AsChoice(std::initializer_list<const char*> words) const
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
    Refuse("expected one of " + strList);
}

CPoint CJobValue::AsPoint() const
{
    if (!m_pValue->is_array())
        Refuse("expected a pixel point [x, y], found " + TypeName());
    if (m_pValue->size() != 2)
        Refuse("expected a pixel point [x, y], found " + std::to_string(m_pValue->size()) + " elements");
    const std::vector<CJobValue> xy = Elements(2, 2);
    return CPoint(xy[0].AsInt(INT32_MIN, INT32_MAX), xy[1].AsInt(INT32_MIN, INT32_MAX));
}

CPoint CJobValue::AsPointOn(const CPoint& size) const
{
    const CPoint p = AsPoint();
    if (p.x < 0 || p.y < 0 || p.x >= size.x || p.y >= size.y) {
        Refuse("the point lies outside the picture (" + std::to_string(size.x) + " x " +
               std::to_string(size.y) + " pixels)");
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
        Refuse("expected a colour [red, green, blue], found " + TypeName());
    if (m_pValue->size() != 3)
        Refuse("expected a colour [red, green, blue], found " + std::to_string(m_pValue->size()) +
               " elements");
    std::array<long long, 3> rgb{};
    const std::vector<CJobValue> elements = Elements(3, 3);
    for (size_t i = 0; i < 3; ++i) {
        if (!elements[i].m_pValue->is_number_integer())
            elements[i].Refuse("expected an integer");
        const nlohmann::json& v = *elements[i].m_pValue;
        rgb[i] = v.is_number_unsigned() && v.get<uint64_t>() > uint64_t{INT64_MAX} ? INT64_MAX
                                                                                   : v.get<long long>();
    }
    return rgb;
}
