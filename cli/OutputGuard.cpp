#include "cli/OutputGuard.h"

#include <filesystem>
#include <optional>
#include <system_error>

#include "cli/CliError.h"
#include "cli/CliText.h"
#include "cli/Job.h"
#include "platform/FileReplacer.h"
#include "platform/StringIds.h"

namespace fs = std::filesystem;

namespace {

// The path of the file strPath leads to, links and "." or ".." resolved as far as the file
// system has them; a name not made yet stays as given under its resolved folder.
fs::path Resolved(const std::string& strPath)
{
    const fs::path followed(CFileReplacer::FollowLinks(strPath));
    std::error_code ec;
    const fs::path resolved = fs::weakly_canonical(followed, ec);
    return ec ? fs::absolute(followed, ec).lexically_normal() : resolved;
}

}  // namespace

void COutputGuard::Protect(const std::string& strPath, std::string strRefusal)
{
    m_Protected.emplace_back(strPath, std::move(strRefusal));
}

void COutputGuard::ProtectJob(const CJob& job)
{
    Protect(job.GetDisplayName(), CCliText::Get(IDS_CLI_REPLACES_JOB));
    const std::optional<CJobValue> image = job.Root().Find("image");
    if (image)
        Protect(job.Resolve(image->AsString()), CCliText::Get(IDS_CLI_REPLACES_JOB_PICTURE));
}

std::string COutputGuard::Check(const std::string& strOutput) const
{
    for (const auto& [strPath, strRefusal] : m_Protected) {
        if (SameFile(strOutput, strPath))
            return strRefusal;
    }
    return std::string();
}

void COutputGuard::Enforce(const std::string& strOutput) const
{
    const std::string strRefusal = Check(strOutput);
    if (!strRefusal.empty())
        throw CCliError(kExitRefused, strOutput + ": " + strRefusal);
}

bool COutputGuard::SameFile(const std::string& strFirst, const std::string& strSecond)
{
    if (strFirst.empty() || strSecond.empty())
        return false;
    // Device and inode first: hard links too are one file.
    std::error_code ec;
    if (fs::equivalent(strFirst, strSecond, ec))
        return true;
    return Resolved(strFirst) == Resolved(strSecond);
}
