#include <gtest/gtest.h>

#include <algorithm>
#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include <fcntl.h>
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

void WriteAll(const fs::path& path, const std::string& text)
{
    std::ofstream(path, std::ios::binary) << text;
}

std::vector<std::string> Entries(const fs::path& dir)
{
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(dir))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

bool Replace(const fs::path& path, const std::string& text)
{
    CFileReplacer file(path.string());
    return file.Open() && file.Write(text) && file.Commit();
}

// Gives up the superuser's rights, which permissions do not bind; for a child process.
bool DropPrivileges()
{
    return geteuid() != 0 || (setgid(65534) == 0 && setuid(65534) == 0);
}

// Writes a text of nSize bytes into path with files limited to nLimit bytes; 0 when that
// failed with the system's reason and left the folder as it was. For a child process.
int FailedPastFileSizeLimit(const fs::path& path, size_t nSize, rlim_t nLimit)
{
    std::signal(SIGXFSZ, SIG_IGN);
    const std::vector<std::string> before = Entries(path.parent_path());
    const std::string strOld = ReadAll(path);
    const rlimit limit{nLimit, nLimit};
    if (setrlimit(RLIMIT_FSIZE, &limit) != 0)
        return 6;
    {
        CFileReplacer file(path.string());
        file.SetInPlaceFallback(true);
        if (!file.Open())
            return 2;
        if (file.Write(std::string(nSize, 'x')) && file.Commit())
            return 3;
        if (file.GetReason() != "Reason: File too large.")
            return 4;
    }
    return ReadAll(path) == strOld && Entries(path.parent_path()) == before ? 0 : 5;
}

class FileReplacer : public ::testing::Test {
protected:
    void SetUp() override
    {
        const ::testing::TestInfo* info = ::testing::UnitTest::GetInstance()->current_test_info();
        m_Dir = fs::path(PLOTVANE_TEST_WORK) / "replace" / info->name();
        fs::remove_all(m_Dir);
        fs::create_directories(m_Dir);
        // Others may pass, for the tests that give up the superuser's rights.
        fs::permissions(m_Dir, fs::perms::all);
    }
    void TearDown() override
    {
        fs::permissions(m_Dir, fs::perms::owner_all);
        fs::remove_all(m_Dir);
    }

    fs::path m_Dir;
};

TEST_F(FileReplacer, TargetChangesOnlyOnCommitAndNothingIsLeftBehind)
{
    const fs::path path = m_Dir / "kept.pvd";
    const fs::path other = m_Dir / "other.txt";
    WriteAll(path, "old");
    WriteAll(other, "untouched");
    {
        CFileReplacer file(path.string());
        ASSERT_TRUE(file.Open());
        ASSERT_TRUE(file.Write("new"));
        ASSERT_TRUE(file.Prepare());
        EXPECT_EQ(ReadAll(path), "old");
        // Its temporary name is short and hidden.
        for (const std::string& name : Entries(m_Dir))
            EXPECT_TRUE(name == "kept.pvd" || name == "other.txt" ||
                        (name.size() == 9 && name.rfind(".pv", 0) == 0))
                << name;
    }  // dropped without Commit
    EXPECT_EQ(ReadAll(path), "old");
    EXPECT_EQ(Entries(m_Dir), (std::vector<std::string>{"kept.pvd", "other.txt"}));

    // Two files change together or not at all.
    {
        CFileReplacer first(path.string());
        CFileReplacer second((m_Dir / "new.txt").string());
        ASSERT_TRUE(first.Open() && second.Open());
        first.GetStream() << "streamed";
        ASSERT_TRUE(first.Prepare() && second.Write("second") && second.Prepare());
        EXPECT_EQ(CFileReplacer::CommitAll({&first, &second}), nullptr);
    }
    EXPECT_EQ(ReadAll(path), "streamed");
    EXPECT_EQ(ReadAll(m_Dir / "new.txt"), "second");
    EXPECT_EQ(ReadAll(other), "untouched");
    EXPECT_EQ(Entries(m_Dir), (std::vector<std::string>{"kept.pvd", "new.txt", "other.txt"}));

    // A name as long as the system allows: the temporary's own name stays short.
    const fs::path longName = m_Dir / (std::string(250, 'n') + ".pvd");
    EXPECT_TRUE(Replace(longName, "long"));
    EXPECT_EQ(ReadAll(longName), "long");

    // A write that fails (past a file-size limit) keeps the old bytes and the folder.
    EXPECT_EXIT(std::_Exit(FailedPastFileSizeLimit(path, 1 << 20, 65536)), ::testing::ExitedWithCode(0), "");
}

TEST_F(FileReplacer, PermissionsAreKeptAndNewFilesFollowTheUmask)
{
    const fs::path path = m_Dir / "private.pvd";
    WriteAll(path, "old");
    ASSERT_EQ(::chmod(path.c_str(), 0600), 0);
    ASSERT_TRUE(Replace(path, "new"));
    struct stat st {};
    ASSERT_EQ(::stat(path.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0600u);

    const mode_t previous = ::umask(027);
    const bool bCreated = Replace(m_Dir / "new.pvd", "new");
    ::umask(previous);
    ASSERT_TRUE(bCreated);
    ASSERT_EQ(::stat((m_Dir / "new.pvd").c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0640u);
}

TEST_F(FileReplacer, LinksAndPipesAreWrittenThroughNeverReplaced)
{
    const fs::path real = m_Dir / "real.pvd";
    const fs::path link = m_Dir / "link.pvd";
    WriteAll(real, "old");
    fs::create_symlink(real.filename(), link);
    ASSERT_TRUE(Replace(link, "new"));
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(ReadAll(real), "new");
    // A link to a file not made yet makes that file.
    fs::create_symlink("later.pvd", m_Dir / "dangling");
    ASSERT_TRUE(Replace(m_Dir / "dangling", "made"));
    EXPECT_TRUE(fs::is_symlink(m_Dir / "dangling"));
    EXPECT_EQ(ReadAll(m_Dir / "later.pvd"), "made");

    const fs::path fifo = m_Dir / "pipe";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    const int reader = ::open(fifo.c_str(), O_RDONLY | O_NONBLOCK);
    ASSERT_GE(reader, 0);
    EXPECT_TRUE(Replace(fifo, "through"));
    char buffer[16] = {};
    EXPECT_EQ(::read(reader, buffer, sizeof buffer), 7);
    ::close(reader);
    EXPECT_EQ(std::string(buffer), "through");
    EXPECT_TRUE(fs::is_fifo(fifo));
    EXPECT_EQ(Entries(m_Dir),
              (std::vector<std::string>{"dangling", "later.pvd", "link.pvd", "pipe", "real.pvd"}));
}

TEST_F(FileReplacer, RefusalsNameTheReason)
{
    CFileReplacer missing((m_Dir / "missing" / "x.pvd").string());
    EXPECT_FALSE(missing.Open());
    EXPECT_EQ(missing.GetReason(), "The folder " + (m_Dir / "missing").string() + " does not exist.");

    CFileReplacer folder(m_Dir.string());
    EXPECT_FALSE(folder.Open());
    EXPECT_EQ(folder.GetReason(), m_Dir.string() + " is a folder or another object that is not a file.");

    CFileReplacer nul(std::string("x.pvd\0y", 7));
    EXPECT_FALSE(nul.Open());
    EXPECT_EQ(Entries(m_Dir), std::vector<std::string>{});
}

// 0 when, without the superuser's rights, a read-only file is refused, a file in a
// read-only folder is written in place, and a failed write there puts the old bytes back.
int ReadOnlyRules(const fs::path& dir)
{
    if (!DropPrivileges())
        return 6;
    CFileReplacer readOnly((dir / "read-only.pvd").string());
    if (readOnly.Open() || readOnly.GetReason() != "Reason: Permission denied.")
        return 2;
    const fs::path inPlace = dir / "locked" / "in-place.txt";
    CFileReplacer refused(inPlace.string());
    if (refused.Open())
        return 3;  // no fallback unless asked
    CFileReplacer file(inPlace.string());
    file.SetInPlaceFallback(true);
    if (!file.Open() || !file.Write("new") || !file.Commit() || ReadAll(inPlace) != "new")
        return 4;
    return FailedPastFileSizeLimit(inPlace, 1 << 20, 65536) == 0 ? 0 : 5;
}

TEST_F(FileReplacer, ReadOnlyFilesAreRefusedAndLockedFoldersWrittenInPlace)
{
    WriteAll(m_Dir / "read-only.pvd", "old");
    fs::permissions(m_Dir / "read-only.pvd",
                    fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    fs::create_directory(m_Dir / "locked");
    WriteAll(m_Dir / "locked" / "in-place.txt", "old");
    fs::permissions(m_Dir / "locked" / "in-place.txt", fs::perms::all);
    fs::permissions(m_Dir / "locked", fs::perms::owner_all | fs::perms::group_read | fs::perms::group_exec |
                                          fs::perms::others_read | fs::perms::others_exec);
    EXPECT_EXIT(std::_Exit(ReadOnlyRules(m_Dir)), ::testing::ExitedWithCode(0), "");
    EXPECT_EQ(ReadAll(m_Dir / "read-only.pvd"), "old");
    EXPECT_EQ(ReadAll(m_Dir / "locked" / "in-place.txt"), "new");
    EXPECT_EQ(Entries(m_Dir / "locked"), std::vector<std::string>{"in-place.txt"});
}

}  // namespace
