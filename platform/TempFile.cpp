#include "platform/TempFile.h"

#include <cstdlib>
#include <filesystem>
#include <system_error>
#include <vector>

#include <unistd.h>

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

std::string CTempFile::Create() { return CreateFromTemplate(Directory() + "pltvaneXXXXXX"); }

std::string CTempFile::CreateBeside(const std::string& target)
{
    const std::filesystem::path path(target);
    const std::filesystem::path folder = path.has_parent_path() ? path.parent_path() : ".";
    return CreateFromTemplate((folder / ("." + path.filename().string() + ".XXXXXX")).string());
}

std::string CTempFile::CreateFromTemplate(const std::string& path)
{
    std::vector<char> name(path.begin(), path.end());
    name.push_back('\0');
    // mkstemp chooses the name and creates the file in one step (O_CREAT | O_EXCL, mode
    // 0600), so no other process can slip a file or a link in between.
    const int fd = ::mkstemp(name.data());
    if (fd < 0)
        return std::string();
    ::close(fd);
    return std::string(name.data());
}
