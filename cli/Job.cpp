#include "cli/Job.h"

#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <system_error>
#include <vector>

#include "cli/CliError.h"
#include "cli/CliText.h"
#include "platform/InputFileError.h"
#include "platform/MappedFile.h"
#include "platform/StringIds.h"

namespace {

// The deepest nesting of arrays and objects in a JSON text, strings left aside. Checked
// before parsing so that no input makes the parser or the destruction of the parsed value
// go deep.
int NestingDepth(const std::string& strText)
{
    int nDepth = 0;
    int nMax = 0;
    bool bInString = false;
    for (size_t i = 0; i < strText.size(); ++i) {
        const char c = strText[i];
        if (bInString) {
            if (c == '\\')
                ++i;
            else if (c == '"')
                bInString = false;
        } else if (c == '"') {
            bInString = true;
        } else if (c == '[' || c == '{') {
            nMax = std::max(nMax, ++nDepth);
        } else if (c == ']' || c == '}') {
            --nDepth;
        }
    }
    return nMax;
}

// "syntax error at line L, column C" for the byte (counted from 1) where the parser stopped.
std::string SyntaxErrorPlace(const std::string& strText, size_t nByte)
{
    const size_t nEnd = std::min(nByte > 0 ? nByte - 1 : 0, strText.size());
    size_t nLine = 1;
    size_t nLineStart = 0;
    for (size_t i = 0; i < nEnd; ++i) {
        if (strText[i] == '\n') {
            ++nLine;
            nLineStart = i + 1;
        }
    }
    return CCliText::Format(IDS_CLI_JSON_SYNTAX,
                            {std::to_string(nLine), std::to_string(nEnd - nLineStart + 1)});
}

// Follows the parser through the text to name the place of a repeated key, which the JSON
// library would otherwise take silently (the last one winning).
class CDuplicateKeyGuard {
public:
    explicit CDuplicateKeyGuard(const std::string& strFile) : m_strFile(strFile) {}

    bool operator()(int /*depth*/, nlohmann::json::parse_event_t event, nlohmann::json& parsed)
    {
        using Event = nlohmann::json::parse_event_t;
        switch (event) {
            case Event::object_start:
            case Event::array_start:
                CountElement();
                m_Frames.push_back(Frame{event == Event::object_start, {}, {}, -1});
                break;
            case Event::object_end:
            case Event::array_end:
                if (!m_Frames.empty())
                    m_Frames.pop_back();
                break;
            case Event::key: {
                Frame& frame = m_Frames.back();
                const std::string strKey = parsed.get<std::string>();
                if (!frame.keys.insert(strKey).second) {
                    const std::string strPath = PathOfTop();
                    throw CCliError(kExitRefused, m_strFile + ": " + (strPath.empty() ? "" : strPath + ".") +
                                                      CJobValue::Printable(strKey) + ": " +
                                                      CCliText::Get(IDS_CLI_KEY_TWICE));
                }
                frame.strKey = CJobValue::Printable(strKey);
                break;
            }
            case Event::value:
                CountElement();
                break;
        }
        return true;
    }

private:
    struct Frame {
        bool bObject = false;
        std::set<std::string> keys;
        std::string strKey;     // the key being read (objects)
        long long nIndex = -1;  // the element being read (arrays)
    };

    void CountElement()
    {
        if (!m_Frames.empty() && !m_Frames.back().bObject)
            ++m_Frames.back().nIndex;
    }

    // The path of the innermost container being read.
    std::string PathOfTop() const
    {
        std::string strPath;
        for (size_t i = 0; i + 1 < m_Frames.size(); ++i) {
            const Frame& frame = m_Frames[i];
            if (frame.bObject)
                strPath += (strPath.empty() ? "" : ".") + frame.strKey;
            else
                strPath += "[" + std::to_string(frame.nIndex) + "]";
        }
        return strPath;
    }

    const std::string& m_strFile;
    std::vector<Frame> m_Frames;
};

}  // namespace

CJob::CJob(const std::string& strPath) : m_strDisplayName(strPath)
{
    std::error_code ec;
    std::filesystem::path folder =
        std::filesystem::absolute(std::filesystem::path(strPath), ec).parent_path();
    m_strFolder = ec ? std::string() : folder.lexically_normal().string();
}

std::unique_ptr<CJob> CJob::Load(const std::string& strPath)
{
    std::string strText;
    try {
        const CMappedFile file(strPath, kMaxFileSize);
        strText.assign(reinterpret_cast<const char*>(file.GetData()), file.GetSize());
    } catch (const CInputFileError& e) {
        const std::string strReason = CCliText::ReasonOf(e);
        throw CCliError(kExitUnreadable,
                        strPath + ": " + CCliText::Format(IDS_CLI_CANNOT_READ_JOB, {strReason}));
    }
    return Parse(strText, strPath);
}

std::unique_ptr<CJob> CJob::Parse(const std::string& strText, const std::string& strPath)
{
    std::unique_ptr<CJob> pJob(new CJob(strPath));
    if (strText.size() > kMaxFileSize)
        throw CCliError(
            kExitUnreadable,
            strPath + ": " + CCliText::Format(IDS_CLI_JOB_TOO_LARGE, {std::to_string(kMaxFileSize >> 20)}));
    if (NestingDepth(strText) > kMaxDepth)
        throw CCliError(kExitUnreadable,
                        strPath + ": " + CCliText::Format(IDS_CLI_JOB_TOO_DEEP, {std::to_string(kMaxDepth)}));
    try {
        pJob->m_Json = nlohmann::json::parse(strText, CDuplicateKeyGuard(pJob->m_strDisplayName));
    } catch (const nlohmann::json::parse_error& e) {
        // The library's own text is English and carries its prefix; the place is what helps.
        throw CCliError(
            kExitUnreadable,
            strPath + ": " + CCliText::Format(IDS_CLI_NOT_JSON, {SyntaxErrorPlace(strText, e.byte)}));
    } catch (const nlohmann::json::out_of_range&) {
        throw CCliError(
            kExitUnreadable,
            strPath + ": " + CCliText::Format(IDS_CLI_NOT_JSON, {CCliText::Get(IDS_CLI_JSON_NUMBER_RANGE)}));
    } catch (const nlohmann::json::exception&) {
        throw CCliError(
            kExitUnreadable,
            strPath + ": " + CCliText::Format(IDS_CLI_NOT_JSON, {CCliText::Get(IDS_CLI_JSON_ENCODING)}));
    }
    if (!pJob->m_Json.is_object())
        pJob->Root().Refuse(CCliText::Get(IDS_CLI_JOB_IS_OBJECT));
    return pJob;
}

std::string CJob::Resolve(const std::string& strPath) const
{
    std::filesystem::path path(strPath);
    if (path.is_relative())
        path = std::filesystem::path(m_strFolder) / path;
    return path.lexically_normal().string();
}
