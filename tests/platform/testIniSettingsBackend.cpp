#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <string>

#include <sys/stat.h>

#include "platform/IniSettingsBackend.h"

namespace {

namespace fs = std::filesystem;

// A fresh scratch folder per test, so that leftover temporary files can be counted.
class IniSettingsBackendTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        const ::testing::TestInfo* pInfo = ::testing::UnitTest::GetInstance()->current_test_info();
        m_Dir = fs::path(PLOTVANE_TEST_WORK) / (std::string("ini-") + pInfo->name());
        fs::remove_all(m_Dir);
        fs::create_directories(m_Dir);
        m_strPath = (m_Dir / "settings.ini").string();
    }

    void WriteFile(const std::string& strContent) const
    {
        std::ofstream file(m_strPath, std::ios::binary);
        file << strContent;
    }

    std::string ReadFile() const
    {
        std::ifstream file(m_strPath, std::ios::binary);
        std::ostringstream content;
        content << file.rdbuf();
        return content.str();
    }

    size_t FileCount() const
    {
        size_t n = 0;
        for (const auto& entry : fs::directory_iterator(m_Dir)) {
            (void)entry;
            ++n;
        }
        return n;
    }

    fs::path m_Dir;
    std::string m_strPath;
};

}  // namespace

TEST_F(IniSettingsBackendTest, RoundTripOfIntegersAndTexts)
{
    const std::string strAwkward = std::string(" lead\\n=[x]\r\n\\tail \0end", 23);
    {
        CIniSettingsBackend store(m_strPath);
        EXPECT_TRUE(store.WriteInt("Curve", "Range", -2147483647 - 1));
        EXPECT_TRUE(store.WriteInt("Curve", "Max", 2147483647));
        EXPECT_TRUE(store.WriteString("General", "Version", "V120"));
        EXPECT_TRUE(store.WriteString("General", "Awkward", strAwkward));
        EXPECT_TRUE(store.WriteString("General", "Empty", ""));
        EXPECT_TRUE(store.Flush());
    }
    CIniSettingsBackend store(m_strPath);
    int n = 0;
    EXPECT_TRUE(store.ReadInt("Curve", "Range", n));
    EXPECT_EQ(n, -2147483647 - 1);
    EXPECT_TRUE(store.ReadInt("Curve", "Max", n));
    EXPECT_EQ(n, 2147483647);
    std::string str;
    EXPECT_TRUE(store.ReadString("General", "Version", str));
    EXPECT_EQ(str, "V120");
    EXPECT_TRUE(store.ReadString("General", "Awkward", str));
    EXPECT_EQ(str, strAwkward);
    EXPECT_TRUE(store.ReadString("General", "Empty", str));
    EXPECT_EQ(str, "");
    // Integers are decimal text: readable as texts too.
    EXPECT_TRUE(store.ReadString("Curve", "Max", str));
    EXPECT_EQ(str, "2147483647");
    str = "untouched";
    EXPECT_FALSE(store.ReadString("General", "Missing", str));
    EXPECT_FALSE(store.ReadString("Missing", "Version", str));
    EXPECT_EQ(str, "untouched");
}

TEST_F(IniSettingsBackendTest, ReadsAHandWrittenFile)
{
    WriteFile(
        "Orphan=ignored before any section\r\n"
        "; a comment\r\n"
        "[ Curve ]\r\n"
        "  DashMaxDist = 35 \r\n"
        "# another comment\r\n"
        "no equal sign here\r\n"
        "=no key\r\n"
        "Range=1\r\n"
        "Range=2\r\n"
        "[broken\r\n"
        "Lost=1\r\n"
        "[Export]\r\n"
        "Extension=csv");
    CIniSettingsBackend store(m_strPath);
    int n = 0;
    EXPECT_TRUE(store.ReadInt("Curve", "DashMaxDist", n));
    EXPECT_EQ(n, 35);
    EXPECT_TRUE(store.ReadInt("Curve", "Range", n));
    EXPECT_EQ(n, 2);  // the last one wins
    std::string str;
    EXPECT_TRUE(store.ReadString("Export", "Extension", str));
    EXPECT_EQ(str, "csv");
    EXPECT_FALSE(store.ReadString("Curve", "Lost", str));
    EXPECT_FALSE(store.ReadString("broken", "Lost", str));
    EXPECT_FALSE(store.ReadString("", "Orphan", str));
}

TEST_F(IniSettingsBackendTest, IntegersMustBeWholeDecimalNumbers)
{
    WriteFile("[S]\nA=42\nB= -7 \nC=+5\nD=12abc\nE=99999999999\nF=\nG=0x10\nH=1.5\n");
    CIniSettingsBackend store(m_strPath);
    int n = 0;
    EXPECT_TRUE(store.ReadInt("S", "A", n));
    EXPECT_EQ(n, 42);
    EXPECT_TRUE(store.ReadInt("S", "B", n));
    EXPECT_EQ(n, -7);
    EXPECT_TRUE(store.ReadInt("S", "C", n));
    EXPECT_EQ(n, 5);
    n = 123;
    for (const char* pszKey : {"D", "E", "F", "G", "H"})
        EXPECT_FALSE(store.ReadInt("S", pszKey, n)) << pszKey;
    EXPECT_EQ(n, 123);
}

TEST_F(IniSettingsBackendTest, RefusesNamesThatCannotBeWrittenBack)
{
    CIniSettingsBackend store(m_strPath);
    EXPECT_FALSE(store.WriteString("Sec]tion", "Key", "v"));
    EXPECT_FALSE(store.WriteString("", "Key", "v"));
    EXPECT_FALSE(store.WriteString(" Padded", "Key", "v"));
    EXPECT_FALSE(store.WriteString("Section", "a=b", "v"));
    EXPECT_FALSE(store.WriteString("Section", "", "v"));
    EXPECT_FALSE(store.WriteString("Section", "[Key", "v"));
    EXPECT_FALSE(store.WriteString("Section", ";Key", "v"));
    EXPECT_FALSE(store.WriteInt("Section", "Line\nBreak", 1));
    EXPECT_TRUE(store.WriteString("Section", "Key", "v"));
}

TEST_F(IniSettingsBackendTest, WritesAtomicallyAndOnlyWhenChanged)
{
    // A missing file gives an empty store and no file unless something is written.
    {
        CIniSettingsBackend store(m_strPath);
    }
    EXPECT_FALSE(fs::exists(m_strPath));

    const std::string strHandWritten = "; kept as long as nothing changes\n[S]\nKey=1\n";
    WriteFile(strHandWritten);
    {
        CIniSettingsBackend store(m_strPath);
        EXPECT_TRUE(store.WriteInt("S", "Key", 1));  // the same value
    }
    EXPECT_EQ(ReadFile(), strHandWritten);

    {
        CIniSettingsBackend store(m_strPath);
        EXPECT_TRUE(store.WriteInt("S", "Key", 2));
    }  // the destructor writes
    EXPECT_EQ(ReadFile(), "[S]\nKey=2\n");
    EXPECT_EQ(FileCount(), 1u);  // no temporary file left beside it

    // A target that cannot be replaced: the write fails and leaves nothing behind.
    const std::string strDirectory = (m_Dir / "folder").string();
    fs::create_directories(strDirectory);
    CIniSettingsBackend store(strDirectory);
    EXPECT_TRUE(store.WriteInt("S", "Key", 3));
    EXPECT_FALSE(store.Flush());
    EXPECT_EQ(FileCount(), 2u);
    EXPECT_TRUE(fs::is_directory(strDirectory));

    CIniSettingsBackend nowhere((m_Dir / "missing" / "settings.ini").string());
    EXPECT_TRUE(nowhere.WriteInt("S", "Key", 3));
    EXPECT_FALSE(nowhere.Flush());
}

TEST_F(IniSettingsBackendTest, GarbageFileNeverBreaksTheStore)
{
    std::mt19937 rng(11);
    std::uniform_int_distribution<int> byte(0, 255);
    std::string strGarbage(200000, '\0');
    for (char& c : strGarbage) {
        const int b = byte(rng);
        // Plenty of the characters the parser looks at.
        c = static_cast<char>(b < 40 ? "[]=\n\r;# \\"[b % 9] : b);
    }
    WriteFile(strGarbage);
    {
        CIniSettingsBackend store(m_strPath);
        int n = 0;
        store.ReadInt("S", "Key", n);
        EXPECT_TRUE(store.WriteInt("Curve", "DashMaxDist", 35));
        EXPECT_TRUE(store.Flush());
    }
    // Whatever survived from the garbage was written back in a form that reads again the same.
    const std::string strFirst = ReadFile();
    {
        CIniSettingsBackend store(m_strPath);
        int n = 0;
        EXPECT_TRUE(store.ReadInt("Curve", "DashMaxDist", n));
        EXPECT_EQ(n, 35);
        EXPECT_TRUE(store.WriteInt("Curve", "DashMaxDist", 36));
        EXPECT_TRUE(store.WriteInt("Curve", "DashMaxDist", 35));
    }
    EXPECT_EQ(ReadFile(), strFirst);
}

TEST_F(IniSettingsBackendTest, OnlyTheBeginningOfAHugeFileIsRead)
{
    std::string strContent = "[S]\nFirst=1\n";
    const std::string strLine = "Filler=0123456789012345678901234567890123456789\n";
    while (strContent.size() < 3 * CIniSettingsBackend::kMaxFileSize)
        strContent += strLine;
    strContent += "Last=1\n";
    WriteFile(strContent);
    CIniSettingsBackend store(m_strPath);
    int n = 0;
    EXPECT_TRUE(store.ReadInt("S", "First", n));
    EXPECT_FALSE(store.ReadInt("S", "Last", n));

    // A folder or a device in place of the file reads as an empty store.
    CIniSettingsBackend folder(m_Dir.string());
    EXPECT_FALSE(folder.ReadInt("S", "First", n));
    CIniSettingsBackend device("/dev/zero");
    EXPECT_FALSE(device.ReadInt("S", "First", n));
    const std::string strFifo = (m_Dir / "fifo").string();
    ASSERT_EQ(::mkfifo(strFifo.c_str(), 0600), 0);
    CIniSettingsBackend fifo(strFifo);  // must not wait for a writer
    EXPECT_FALSE(fifo.ReadInt("S", "First", n));
}
