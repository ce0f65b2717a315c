#include "platform/StringTable.h"

#include <fstream>
#include <map>

#include "platform/StringTableData.h"
#include "platform/TextEncoding.h"

namespace {

// Language files are small; anything larger is not one, and is not read into memory.
constexpr std::streamoff kMaxLanguageFileSize = 4 * 1024 * 1024;
constexpr unsigned long kMaxId = 0xFFFF;

std::map<unsigned, std::string> BuiltIn()
{
    std::map<unsigned, std::string> table;
    size_t count = 0;
    const CStringTableEntry* entries = BuiltInStrings(count);
    for (size_t i = 0; i < count; ++i)
        table[entries[i].id] = entries[i].text;
    return table;
}

std::map<unsigned, std::string>& Active()
{
    static std::map<unsigned, std::string> table = BuiltIn();
    return table;
}

std::string Unescape(const std::string& s)
{
    std::string out;
    out.reserve(s.size());
    for (size_t i = 0; i < s.size(); ++i) {
        if (s[i] == '\\' && i + 1 < s.size()) {
            const char next = s[i + 1];
            if (next == 'n' || next == 't' || next == '\\') {
                out += next == 'n' ? '\n' : next == 't' ? '\t' : '\\';
                ++i;
                continue;
            }
        }
        out += s[i];
    }
    return out;
}

// "id<TAB>text": the id is 1 to 5 decimal digits and at most 65535.
bool ParseLine(const std::string& line, unsigned& id, std::string& text)
{
    const size_t tab = line.find('\t');
    if (tab == std::string::npos || tab == 0 || tab > 5)
        return false;
    unsigned long value = 0;
    for (size_t i = 0; i < tab; ++i) {
        if (line[i] < '0' || line[i] > '9')
            return false;
        value = value * 10 + static_cast<unsigned long>(line[i] - '0');
    }
    if (value > kMaxId)
        return false;
    id = static_cast<unsigned>(value);
    text = CTextEncoding::Utf8ToCp1252(Unescape(line.substr(tab + 1)));
    return true;
}

}  // namespace

std::string CStringTable::Get(unsigned id)
{
    const auto& table = Active();
    auto it = table.find(id);
    return it != table.end() ? it->second : std::string();
}

bool CStringTable::Has(unsigned id)
{
    return Active().count(id) != 0;
}

std::string CStringTable::GetField(unsigned id, int index)
{
    if (index < 0)
        return std::string();
    const std::string text = Get(id);
    size_t start = 0;
    for (int i = 0; i < index; ++i) {
        start = text.find('\n', start);
        if (start == std::string::npos)
            return std::string();
        ++start;
    }
    const size_t end = text.find('\n', start);
    return text.substr(start, end == std::string::npos ? std::string::npos : end - start);
}

bool CStringTable::LoadLanguageFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return false;
    in.seekg(0, std::ios::end);
    const std::streamoff size = in.tellg();
    if (size < 0 || size > kMaxLanguageFileSize)
        return false;
    in.seekg(0, std::ios::beg);
    std::string content(static_cast<size_t>(size), '\0');
    if (size > 0 && !in.read(&content[0], size))
        return false;

    size_t pos = 0;
    if (content.compare(0, 3, "\xEF\xBB\xBF") == 0)
        pos = 3;
    std::map<unsigned, std::string> entries;
    while (pos < content.size()) {
        size_t end = content.find('\n', pos);
        if (end == std::string::npos)
            end = content.size();
        std::string line = content.substr(pos, end - pos);
        pos = end + 1;
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (line.empty() || line[0] == '#')
            continue;
        unsigned id = 0;
        std::string text;
        if (ParseLine(line, id, text))
            entries[id] = text;
    }
    // Applied only once the whole file has been read, so that an unreadable file leaves
    // the active language untouched.
    for (auto& entry : entries)
        Active()[entry.first] = std::move(entry.second);
    return true;
}

void CStringTable::Set(unsigned id, const std::string& text)
{
    Active()[id] = text;
}

void CStringTable::ResetToBuiltIn()
{
    Active() = BuiltIn();
}
