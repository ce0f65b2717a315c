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
#include "imaging/MappedFile.h"
#include "imaging/TextException.h"

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
                                                      strKey + ": the key appears twice");
                }
                frame.strKey = strKey;
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
        const PLMappedFile file(strPath, kMaxFileSize);
        strText.assign(reinterpret_cast<const char*>(file.GetData()), file.GetSize());
    } catch (const PLTextException& e) {
        const std::string strReason =
            e.GetCode() == PL_ERRFILE_NOT_FOUND ? std::generic_category().message(errno) : e.what();
        throw CCliError(kExitUnreadable, strPath + ": cannot read the job: " + strReason);
    }
    return Parse(strText, strPath);
}

std::unique_ptr<CJob> CJob::Parse(const std::string& strText, const std::string& strPath)
{
    std::unique_ptr<CJob> pJob(new CJob(strPath));
    if (strText.size() > kMaxFileSize)
        throw CCliError(kExitUnreadable, strPath + ": the job file is too large");
    if (NestingDepth(strText) > kMaxDepth)
        throw CCliError(kExitUnreadable, strPath + ": the JSON is nested too deeply to be a job");
    try {
        pJob->m_Json = nlohmann::json::parse(strText, CDuplicateKeyGuard(pJob->m_strDisplayName));
    } catch (const nlohmann::json::parse_error& e) {
        // The library's text begins with its own prefix ("[json.exception.parse_error.101]").
        std::string strReason = e.what();
        const size_t nEnd = strReason.find("] ");
        if (strReason.rfind("[json.exception", 0) == 0 && nEnd != std::string::npos)
            strReason = strReason.substr(nEnd + 2);
        throw CCliError(kExitUnreadable, strPath + ": not valid JSON: " + strReason);
    } catch (const nlohmann::json::exception& e) {
        throw CCliError(kExitUnreadable, strPath + ": not valid JSON: " + e.what());
    }
    if (!pJob->m_Json.is_object())
        pJob->Root().Refuse("a job is a JSON object");
    return pJob;
}

std::string CJob::Resolve(const std::string& strPath) const
{
    std::filesystem::path path(strPath);
    if (path.is_relative())
        path = std::filesystem::path(m_strFolder) / path;
    return path.lexically_normal().string();
}
