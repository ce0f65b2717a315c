#include "platform/IniSettingsBackend.h"

#include "platform/FileReplacer.h"

#include <charconv>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <vector>

namespace {

bool IsBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\v' || c == '\f';
}

std::string Trim(const std::string& str)
{
    size_t nBegin = 0;
    size_t nEnd = str.size();
    while (nBegin < nEnd && IsBlank(str[nBegin]))
        ++nBegin;
    while (nEnd > nBegin && IsBlank(str[nEnd - 1]))
        --nEnd;
    return str.substr(nBegin, nEnd - nBegin);
}

bool HasLineBreakOrNul(const std::string& str)
{
    return str.find_first_of(std::string("\n\r\0", 3)) != std::string::npos;
}

bool IsValidSection(const std::string& str)
{
    return !str.empty() && Trim(str) == str && !HasLineBreakOrNul(str) && str.find(']') == std::string::npos;
}

bool IsValidKey(const std::string& str)
{
    return !str.empty() && Trim(str) == str && !HasLineBreakOrNul(str) &&
           str.find('=') == std::string::npos && str[0] != '[' && str[0] != ';' && str[0] != '#';
}

std::string Escape(const std::string& str)
{
    std::string strOut;
    strOut.reserve(str.size());
    for (char c : str) {
        switch (c) {
            case '\\':
                strOut += "\\\\";
                break;
            case '\n':
                strOut += "\\n";
                break;
            case '\r':
                strOut += "\\r";
                break;
            case '\0':
                strOut += "\\0";
                break;
            default:
                strOut += c;
        }
    }
    return strOut;
}

// Unknown escapes are kept as written, so hand-written backslashes survive.
std::string Unescape(const std::string& str)
{
    std::string strOut;
    strOut.reserve(str.size());
    for (size_t i = 0; i < str.size(); ++i) {
        if (str[i] != '\\' || i + 1 == str.size()) {
            strOut += str[i];
            continue;
        }
        const char c = str[i + 1];
        if (c == '\\')
            strOut += '\\';
        else if (c == 'n')
            strOut += '\n';
        else if (c == 'r')
            strOut += '\r';
        else if (c == '0')
            strOut += '\0';
        else {
            strOut += '\\';
            strOut += c;
        }
        ++i;
    }
    return strOut;
}

}  // namespace

CIniSettingsBackend::CIniSettingsBackend(const std::string& strPath) : m_strPath(strPath)
{
    // Only a regular file: opening a FIFO for reading would wait for a writer forever.
    std::error_code error;
    if (!std::filesystem::is_regular_file(strPath, error))
        return;
    std::ifstream file(strPath, std::ios::binary);
    if (!file)
        return;
    // One byte more than the bound tells whether the file was cut.
    std::vector<char> buffer(kMaxFileSize + 1);
    file.read(buffer.data(), static_cast<std::streamsize>(buffer.size()));
    const size_t nRead = file.gcount() > 0 ? static_cast<size_t>(file.gcount()) : 0;
    std::string strText(buffer.data(), nRead);
    if (nRead > kMaxFileSize) {
        // Keep whole lines only.
        const size_t nLastBreak = strText.rfind('\n', kMaxFileSize - 1);
        strText.resize(nLastBreak == std::string::npos ? 0 : nLastBreak);
    }
    Parse(strText);
}

CIniSettingsBackend::~CIniSettingsBackend()
{
    Flush();
}

void CIniSettingsBackend::Parse(const std::string& strText)
{
    std::map<std::string, std::string>* pSection = nullptr;
    size_t nStart = 0;
    while (nStart < strText.size()) {
        size_t nEnd = strText.find('\n', nStart);
        if (nEnd == std::string::npos)
            nEnd = strText.size();
        std::string strLine = strText.substr(nStart, nEnd - nStart);
        nStart = nEnd + 1;
        if (!strLine.empty() && strLine.back() == '\r')
            strLine.pop_back();

        const std::string strTrimmed = Trim(strLine);
        if (strTrimmed.empty() || strTrimmed[0] == ';' || strTrimmed[0] == '#')
            continue;
        if (strTrimmed[0] == '[') {
            pSection = nullptr;
            if (strTrimmed.back() != ']' || strTrimmed.size() < 2)
                continue;
            const std::string strName = Trim(strTrimmed.substr(1, strTrimmed.size() - 2));
            if (IsValidSection(strName))
                pSection = &m_Sections[strName];
            continue;
        }
        const size_t nEqual = strLine.find('=');
        if (nEqual == std::string::npos || pSection == nullptr)
            continue;
        const std::string strKey = Trim(strLine.substr(0, nEqual));
        if (!IsValidKey(strKey))
            continue;
        (*pSection)[strKey] = Unescape(strLine.substr(nEqual + 1));
    }
}

std::string CIniSettingsBackend::Serialize() const
{
    std::string strText;
    bool bFirst = true;
    for (const auto& section : m_Sections) {
        if (!bFirst)
            strText += '\n';
        bFirst = false;
        strText += '[' + section.first + "]\n";
        for (const auto& entry : section.second)
            strText += entry.first + '=' + Escape(entry.second) + '\n';
    }
    return strText;
}

bool CIniSettingsBackend::ReadInt(const std::string& strSection, const std::string& strKey, int& nValue)
{
    std::string strValue;
    if (!ReadString(strSection, strKey, strValue))
        return false;
    const std::string strNumber = Trim(strValue);
    const char* pBegin = strNumber.data();
    const char* const pEnd = pBegin + strNumber.size();
    if (pBegin != pEnd && *pBegin == '+')
        ++pBegin;
    int n = 0;
    const std::from_chars_result result = std::from_chars(pBegin, pEnd, n);
    if (result.ec != std::errc() || result.ptr != pEnd)
        return false;
    nValue = n;
    return true;
}

bool CIniSettingsBackend::WriteInt(const std::string& strSection, const std::string& strKey, int nValue)
{
    return WriteString(strSection, strKey, std::to_string(nValue));
}

bool CIniSettingsBackend::ReadString(const std::string& strSection, const std::string& strKey,
                                     std::string& strValue)
{
    const auto itSection = m_Sections.find(strSection);
    if (itSection == m_Sections.end())
        return false;
    const auto itKey = itSection->second.find(strKey);
    if (itKey == itSection->second.end())
        return false;
    strValue = itKey->second;
    return true;
}

bool CIniSettingsBackend::WriteString(const std::string& strSection, const std::string& strKey,
                                      const std::string& strValue)
{
    if (!IsValidSection(strSection) || !IsValidKey(strKey))
        return false;
    std::map<std::string, std::string>& section = m_Sections[strSection];
    const auto it = section.find(strKey);
    if (it == section.end()) {
        section.emplace(strKey, strValue);
        m_bDirty = true;
    } else if (it->second != strValue) {
        it->second = strValue;
        m_bDirty = true;
    }
    return true;
}

bool CIniSettingsBackend::Flush()
{
    if (!m_bDirty)
        return true;
    CFileReplacer file(m_strPath);
    if (!file.Open() || !file.Write(Serialize()) || !file.Commit())
        return false;
    m_bDirty = false;
    return true;
}
