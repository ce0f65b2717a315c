#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <set>
#include <string>

#include <sys/stat.h>

#include "platform/TempFile.h"

namespace fs = std::filesystem;

namespace {

// Sets or clears environment variables for one test and puts them back afterwards.
class TempFile : public ::testing::Test {
protected:
    void SetUp() override
    {
        for (const char* name : {"TEMP", "TMPDIR"}) {
            const char* v = std::getenv(name);
            m_saved.push_back({name, v != nullptr, v != nullptr ? v : ""});
        }
        m_dir = std::string(PLOTVANE_TEST_WORK) + "/tempfile-test";
        fs::remove_all(m_dir);
        fs::create_directories(m_dir);
    }
    void TearDown() override
    {
        for (const Saved& s : m_saved) {
            if (s.set)
                setenv(s.name, s.value.c_str(), 1);
            else
                unsetenv(s.name);
        }
        fs::remove_all(m_dir);
    }

    struct Saved {
        const char* name;
        bool set;
        std::string value;
    };
    std::vector<Saved> m_saved;
    std::string m_dir;
};

TEST_F(TempFile, UsesTempFirst)
{
    setenv("TEMP", m_dir.c_str(), 1);
    setenv("TMPDIR", "/nonexistent-tmpdir", 1);
    EXPECT_EQ(CTempFile::Directory(), m_dir + "/");
    setenv("TEMP", (m_dir + "/").c_str(), 1);
    EXPECT_EQ(CTempFile::Directory(), m_dir + "/");  // no doubled separator

    const std::string path = CTempFile::Create();
    ASSERT_FALSE(path.empty());
    EXPECT_EQ(fs::path(path).parent_path(), fs::path(m_dir));
    const std::string name = fs::path(path).filename().string();
    EXPECT_EQ(name.size(), 13u);
    EXPECT_EQ(name.substr(0, 7), "pltvane");
    EXPECT_TRUE(fs::is_regular_file(path));
    EXPECT_EQ(fs::file_size(path), 0u);
    // Only the user may read it: the working copy of a picture is private.
    struct stat st {};
    ASSERT_EQ(stat(path.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0077, 0u);
}

TEST_F(TempFile, FallsBackWhenTempIsUnsetOrEmpty)
{
    setenv("TEMP", "", 1);
    setenv("TMPDIR", m_dir.c_str(), 1);
    EXPECT_EQ(CTempFile::Directory(), m_dir + "/");
    unsetenv("TEMP");
    EXPECT_EQ(CTempFile::Directory(), m_dir + "/");
    unsetenv("TMPDIR");
    const std::string system = CTempFile::Directory();
    EXPECT_EQ(system.back(), '/');
    EXPECT_TRUE(fs::is_directory(system));
}

TEST_F(TempFile, NamesAreUnique)
{
    setenv("TEMP", m_dir.c_str(), 1);
    std::set<std::string> names;
    for (int i = 0; i < 50; ++i)
        names.insert(CTempFile::Create());
    EXPECT_EQ(names.size(), 50u);
    EXPECT_EQ(names.count(""), 0u);
}

TEST_F(TempFile, MissingDirectoryGivesEmptyPath)
{
    setenv("TEMP", (m_dir + "/does/not/exist").c_str(), 1);
    EXPECT_EQ(CTempFile::Create(), "");
}

}  // namespace
