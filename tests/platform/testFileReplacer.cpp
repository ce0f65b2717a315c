#include <gtest/gtest.h>

#include <csignal>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <set>
#include <string>

#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/FileReplacer.h"

namespace fs = std::filesystem;

namespace {

std::string ReadAll(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// Every name under the folder with its bytes.
std::set<std::string> Listing(const fs::path& dir)
{
    std::set<std::string> names;
    for (const auto& entry : fs::recursive_directory_iterator(dir))
        names.insert(entry.path().lexically_relative(dir).string() + "=" +
                     (entry.is_regular_file() ? ReadAll(entry.path()) : std::string()));
    return names;
}

// A fresh folder open to all, with a folder "locked" in it.
fs::path FreshDir()
{
    const fs::path dir = fs::path(PLOTVANE_TEST_WORK) / "replace";
    fs::remove_all(dir);
    fs::create_directories(dir / "locked");
    fs::permissions(dir, fs::perms::all);
    return dir;
}

bool Replace(const fs::path& path, const std::string& text)
{
    CFileReplacer file(path.string());
    return file.Open() && file.Write(text) && file.Commit();
}

const std::string kPastTheLimit(1 << 20, 'x');  // files are limited to 64 KiB below

// Ways a replacement fails, each on files holding "old": "plain.pvd" and "other.pvd" in a
// folder open to all, "read-only.pvd" and "locked/in-place.pvd" in a folder only its owner
// may change. True when the case ran as meant: the failure was reported (or the writer dropped).
const struct {
    const char* name;
    std::function<bool(const fs::path&)> fails;
} kFailures[] = {
    {"dropped before Commit",
     [](const fs::path& dir) {
         CFileReplacer file((dir / "plain.pvd").string());
         return file.Open() && file.Write("new") && file.Prepare();
     }},
    {"a write past the size limit",
     [](const fs::path& dir) { return !Replace(dir / "plain.pvd", kPastTheLimit); }},
    {"a read-only file", [](const fs::path& dir) { return !Replace(dir / "read-only.pvd", "new"); }},
    {"a write in place past the size limit",
     [](const fs::path& dir) {
         CFileReplacer file((dir / "locked" / "in-place.pvd").string());
         file.SetInPlaceFallback(true);
         return file.Open() && !(file.Write(kPastTheLimit) && file.Commit());
     }},
    {"the first of two committed together",
     [](const fs::path& dir) {
         CFileReplacer first((dir / "plain.pvd").string());
         CFileReplacer second((dir / "other.pvd").string());
         return first.Open() && second.Open() && !first.Write(kPastTheLimit) && second.Write("new") &&
                CFileReplacer::CommitAll({&first, &second}) == &first;
     }},
};

// 0 when every failure was reported and left both folders as they were; otherwise names
// the case on stderr. For a child process: it gives up the superuser's rights, which
// permissions do not bind, and limits the size of files.
int FailuresLeaveEverythingAsItWas(const fs::path& dir)
{
    std::signal(SIGXFSZ, SIG_IGN);
    const rlimit limit{65536, 65536};
    if (setrlimit(RLIMIT_FSIZE, &limit) != 0 ||
        (geteuid() == 0 && (setgid(65534) != 0 || setuid(65534) != 0)))
        return 2;
    const std::set<std::string> before = Listing(dir);
    for (const auto& failure : kFailures) {
        if (!failure.fails(dir) || Listing(dir) != before) {
            std::fprintf(stderr, "%s\n", failure.name);
            return 1;
        }
    }
    return 0;
}

TEST(FileReplacer, FailuresLeaveTheTargetAndItsFolderAsTheyWere)
{
    const fs::path dir = FreshDir();
    for (const char* name : {"plain.pvd", "other.pvd", "read-only.pvd", "locked/in-place.pvd"}) {
        std::ofstream(dir / name) << "old";
        ::chmod((dir / name).c_str(), 0666);
    }
    ::chmod((dir / "read-only.pvd").c_str(), 0444);
    ::chmod((dir / "locked").c_str(), 0755);
    EXPECT_EXIT(std::_Exit(FailuresLeaveEverythingAsItWas(dir)), ::testing::ExitedWithCode(0), "");
}

TEST(FileReplacer, CommitReplacesTheContentKeepingPermissionsAndLinks)
{
    const fs::path dir = FreshDir();
    const fs::path path = dir / "private.pvd";
    std::ofstream(path) << "old";
    ASSERT_EQ(::chmod(path.c_str(), 0600), 0);
    fs::create_symlink("private.pvd", dir / "link.pvd");
    ASSERT_TRUE(Replace(dir / "link.pvd", "new"));
    struct stat st {};
    ASSERT_EQ(::stat(path.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0600u);
    EXPECT_TRUE(fs::is_symlink(dir / "link.pvd"));

    // A new file gets the umask's permissions; a name as long as the system allows is taken.
    const fs::path longName = dir / (std::string(250, 'n') + ".pvd");
    const mode_t previous = ::umask(027);
    EXPECT_TRUE(Replace(longName, "long"));
    ::umask(previous);
    ASSERT_EQ(::stat(longName.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0640u);
    EXPECT_EQ(Listing(dir),
              (std::set<std::string>{"link.pvd=new", "locked=", longName.filename().string() + "=long",
                                     "private.pvd=new"}));
}

}  // namespace
