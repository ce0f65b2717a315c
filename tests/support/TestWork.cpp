#include "TestWork.h"

#include <cstdlib>
#include <filesystem>
#include <string>
#include <system_error>

#include <unistd.h>

namespace {

std::string& WorkDir()
{
    static std::string dir;
    return dir;
}

void RemoveWorkDir()
{
    std::error_code ec;
    std::filesystem::remove_all(WorkDir(), ec);
}

}  // namespace

const char* PlotvaneTestWorkDir()
{
    std::string& dir = WorkDir();
    if (dir.empty()) {
        dir = std::string(PLOTVANE_TEST_WORK_ROOT) + "/" + std::to_string(getpid());
        std::error_code ec;
        std::filesystem::remove_all(dir, ec);  // left by an earlier process of the same id
        std::filesystem::create_directories(dir, ec);
        if (std::getenv("PLOTVANE_KEEP_TEST_WORK") == nullptr)
            std::atexit(RemoveWorkDir);
    }
    return dir.c_str();
}
