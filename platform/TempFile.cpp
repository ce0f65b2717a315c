#include "platform/TempFile.h"

#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <system_error>
#include <vector>

#include <unistd.h>

#include "platform/NumberFormat.h"
#include "platform/StringIds.h"
#include "platform/StringTable.h"

namespace {

std::string NonEmptyEnv(const char* name)
{
    const char* value = std::getenv(name);
    return value != nullptr ? std::string(value) : std::string();
}

}  // namespace

std::string CTempFile::Directory()
{
    std::string dir = NonEmptyEnv("TEMP");
    if (dir.empty())
        dir = NonEmptyEnv("TMPDIR");
    if (dir.empty()) {
        std::error_code ec;
        const std::filesystem::path system = std::filesystem::temp_directory_path(ec);
        dir = ec ? std::string("/tmp") : system.string();
    }
    if (dir.back() != '/')
        dir += '/';
    return dir;
}

thread_local int CTempFile::s_nLastErrno = 0;

std::string CTempFile::FailureMessage()
{
    return FailureMessage(s_nLastErrno);
}

std::string CTempFile::FailureMessage(int nErrno)
{
    std::string strFolder = Directory();
    if (strFolder.size() > 1)
        strFolder.pop_back();
    return FormatWithString(CStringTable::Get(IDS_TEMP_FOLDER_UNUSABLE), strFolder) + "\n" +
           FormatWithString(CStringTable::Get(IDS_SYSTEM_REASON),
                            std::error_code(nErrno, std::generic_category()).message());
}

std::string CTempFile::Create()
{
    return CreateFromTemplate(Directory() + "pltvaneXXXXXX");
}

std::string CTempFile::CreateFromTemplate(const std::string& path)
{
    std::vector<char> name(path.begin(), path.end());
    name.push_back('\0');
    // mkstemp chooses the name and creates the file in one step (O_CREAT | O_EXCL, mode
    // 0600), so no other process can slip a file or a link in between.
    const int fd = ::mkstemp(name.data());
    if (fd < 0) {
        s_nLastErrno = errno;
        return std::string();
    }
    ::close(fd);
    return std::string(name.data());
}
