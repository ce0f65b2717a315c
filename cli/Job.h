#pragma once

#include <memory>
#include <string>

#include <nlohmann/json.hpp>

#include "cli/JobValue.h"

// A job file of plotvane-cli, read and parsed: the JSON text of the road from a picture to
// a document and an export (the keys are those of the command-line contract). Loading checks
// only what makes a file a job at all: it can be read, it is JSON, it is not absurdly large
// or deeply nested, no object repeats a key, and the whole is an object. What the values
// mean is checked while the document is built (CJobRunner).
//
// The file's display name is the path as given on the command line; paths inside the job
// are relative to the job file's folder. Values handed out refer to this object, which must
// outlive them (it is neither copied nor moved).
class CJob {
public:
    // Larger job files are refused: a job describing one picture is a few kilobytes, and the
    // parsed form of a JSON text takes several times its size.
    static constexpr size_t kMaxFileSize = 16u << 20;
    // Deeper nesting is refused (a job is four levels deep).
    static constexpr int kMaxDepth = 64;

    CJob(const CJob&) = delete;
    CJob& operator=(const CJob&) = delete;

    // Reads and parses a job file. CCliError with exit code 3 when the file cannot be read,
    // is not JSON or is too large or deep; 1 for a repeated key or a top level that is not
    // an object.
    static std::unique_ptr<CJob> Load(const std::string& strPath);
    // The same from text in memory, for a file of the given name.
    static std::unique_ptr<CJob> Parse(const std::string& strText, const std::string& strPath);

    CJobValue Root() const { return CJobValue(m_Json, m_strDisplayName); }
    const std::string& GetDisplayName() const { return m_strDisplayName; }
    // An absolute, normalised path for a path written in the job (relative ones count from
    // the job's folder).
    std::string Resolve(const std::string& strPath) const;

private:
    explicit CJob(const std::string& strPath);

    std::string m_strDisplayName;
    std::string m_strFolder;
    nlohmann::json m_Json;
};
