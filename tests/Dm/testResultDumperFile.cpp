#include <gtest/gtest.h>

#include <sys/resource.h>
#include <unistd.h>

#include <algorithm>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

#include "Dm/FileResultDumper.h"
#include "Dm/PlotvaneException.h"
#include "ResultDumperTestResults.h"
#include "platform/NumberFormat.h"
#include "platform/StringIds.h"
#include "platform/StringTable.h"
#include "tests/support/RequiredTool.h"

namespace fs = std::filesystem;

namespace {

const char* const kBitmapName = "C:\\graphs\\plot 1.bmp";

std::string ReadAll(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void WriteAll(const fs::path& path, const std::string& bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << bytes;
}

std::string Banner(const std::string& strBitmapName)
{
    return "Graph recognition by Plotvane.\r\n" + CStringTable::Get(IDS_BANNER_NOTICE) +
           "\r\nBitmap file :\r\n" + strBitmapName + "\r\n\r\n";
}

std::vector<std::string> DirectoryEntries(const fs::path& dir)
{
    std::vector<std::string> names;
    for (const fs::directory_entry& entry : fs::directory_iterator(dir))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

// The message shown without its second line, the system's reason.
std::string Headline(const CPlotvaneException& e)
{
    const std::string strMessage = e.GetMessage();
    return strMessage.substr(0, strMessage.find('\n'));
}

std::vector<CLogicPoint> Ramp(int nRows)
{
    std::vector<CLogicPoint> rows;
    for (int i = 0; i < nRows; ++i)
        rows.emplace_back(i, 0.5 * i);
    return rows;
}

// Exports results to path with files limited to nLimit bytes, and tells how it went:
// 0 when "Cannot write into the file." was thrown, the file at path holds "precious" and
// is alone in its directory. Meant to run in a child process.
int ExportUnderFileSizeLimit(const CResults& results, const fs::path& path, rlim_t nLimit)
{
    std::signal(SIGXFSZ, SIG_IGN);
    const rlimit limit{nLimit, nLimit};
    if (setrlimit(RLIMIT_FSIZE, &limit) != 0)
        return 6;
    try {
        CFileResultDumper dumper({const_cast<CResults*>(&results)}, path.string(), '\t');
        dumper.Dump();
        return 2;
    } catch (const CPlotvaneException& e) {
        if (e.GetMessage() != "Cannot write into the file.\nReason: File too large.")
            return 3;
    }
    if (ReadAll(path) != "precious")
        return 4;
    if (DirectoryEntries(path.parent_path()) != std::vector<std::string>{path.filename().string()})
        return 5;
    return 0;
}

class FileResultDumper : public ::testing::Test {
protected:
    void SetUp() override
    {
        const ::testing::TestInfo* info = ::testing::UnitTest::GetInstance()->current_test_info();
        m_Dir = fs::path(PLOTVANE_TEST_WORK) / "export" /
                (std::string(info->test_suite_name()) + "." + info->name());
        fs::remove_all(m_Dir);
        fs::create_directories(m_Dir);
    }

    std::string Export(const CAbstractResultDumper::ResultsList& list, char cSeparator,
                       const std::string& strName = "out.xls")
    {
        const fs::path path = m_Dir / strName;
        CFileResultDumper dumper(list, path.string(), cSeparator);
        dumper.Dump();
        return ReadAll(path);
    }

    fs::path m_Dir;
    CExportDocument m_Doc{kBitmapName};
};

}  // namespace

TEST_F(FileResultDumper, OneCurveGivesBannerTitlesAndRowsWithCrLf)
{
    CPreparedResults results({{0, 1.5}, {1, 2}});
    results.SetCurve(m_Doc.NewCurve("Curve 1"));
    EXPECT_EQ(Export({&results}, '\t'),
              Banner(kBitmapName) + "Curve 1\t\t\r\nX\tY\t\r\n0\t1.5\t\r\n1\t2\t\r\n");
    EXPECT_FALSE(CStringTable::Get(IDS_BANNER_NOTICE).empty());
}

TEST_F(FileResultDumper, ShorterResultsLeaveEmptyCellsAndUndefinedYIsEmpty)
{
    CPreparedResults first({{0, 1}, UndefinedRow(1), {2, 1234567}});
    CPreparedResults second({{0.0001, -1}, {0.00001, -2}, {10, 3}, {20, 4}, {30, 5}});
    first.SetCurve(m_Doc.NewCurve("A"));
    second.SetCurve(m_Doc.NewCurve("B"));
    m_Doc.CoordSyst().GetXAxe().SetName("Time");
    m_Doc.CoordSyst().GetYAxe().SetName("Volts");

    EXPECT_EQ(Export({&first, &second}, ';'), Banner(kBitmapName) +
                                                  "A;;B;;\r\n"
                                                  "Time;Volts;Time;Volts;\r\n"
                                                  "0;1;0.0001;-1;\r\n"
                                                  "1;;1e-005;-2;\r\n"
                                                  "2;1.23457e+006;10;3;\r\n"
                                                  ";;20;4;\r\n"
                                                  ";;30;5;\r\n");
}

TEST_F(FileResultDumper, TitleLinesAlignOnTheLastOneAcrossUnequalCounts)
{
    CPreparedResults base({{1, 2}});  // two title lines, two cells
    base.SetCurve(m_Doc.NewCurve("Curve 1"));
    CPreparedResults three({{3, 4}, {5, 6}});
    three.SetOwnTitles({{"B0", "u"}, {"B1", "u"}, {"B2", "u"}});
    CPreparedResults one({{7, 8}});  // one title line, one cell per line
    one.SetOwnTitles({{"C0"}});

    EXPECT_EQ(Export({&base, &three, &one}, ','), Banner(kBitmapName) +
                                                      ",,B0,u,,\r\n"
                                                      "Curve 1,,B1,u,,\r\n"
                                                      "X,Y,B2,u,C0,\r\n"
                                                      "1,2,3,4,7,\r\n"
                                                      ",,5,6,,\r\n");
}

TEST_F(FileResultDumper, EmptyListWritesTheBannerOnly)
{
    EXPECT_EQ(Export({}, '\t'), Banner(""));
    // Null entries are no results.
    EXPECT_EQ(Export({nullptr}, '\t'), Banner(""));
}

TEST_F(FileResultDumper, BitmapNameComesFromTheFirstResultsDocument)
{
    CPreparedResults unbound({{1, 1}});
    CPreparedResults bound({{2, 2}});
    bound.SetCurve(m_Doc.NewCurve("K"));
    // The first results object has no curve: no name, even though the second has one.
    EXPECT_EQ(Export({&unbound, &bound}, '\t').substr(0, Banner("").size()), Banner(""));

    CExportDocument noBitmap("");
    CPreparedResults other({{2, 2}});
    other.SetCurve(noBitmap.NewCurve("K"));
    EXPECT_EQ(Export({&other}, '\t').substr(0, Banner("").size()), Banner(""));
}

TEST_F(FileResultDumper, EverySeparatorFollowsEveryCell)
{
    CPreparedResults results({{1, 2}, UndefinedRow(3)});
    results.SetCurve(m_Doc.NewCurve("C"));
    for (char sep : {'\t', ';', ',', ' ', '|', static_cast<char>(0xE9)}) {
        SCOPED_TRACE(static_cast<int>(static_cast<unsigned char>(sep)));
        const std::string s(1, sep);
        EXPECT_EQ(Export({&results}, sep), Banner(kBitmapName) + "C" + s + s + "\r\nX" + s + "Y" + s +
                                               "\r\n1" + s + "2" + s + "\r\n3" + s + s + "\r\n");
    }
}

TEST_F(FileResultDumper, ContentDoesNotDependOnTheExtension)
{
    CPreparedResults results(Ramp(20));
    results.SetCurve(m_Doc.NewCurve("C"));
    EXPECT_EQ(Export({&results}, '\t', "a.xls"), Export({&results}, '\t', "a.txt"));
    EXPECT_EQ(Export({&results}, '\t', "a.xls"), Export({&results}, '\t', "noextension"));
}

TEST_F(FileResultDumper, LargeExportCrossesTheBufferIntact)
{
    // Several megabytes: the text reaches the file in many writes.
    CPreparedResults first(Ramp(150000));
    CPreparedResults second(Ramp(100000));
    first.SetCurve(m_Doc.NewCurve("C"));
    second.SetCurve(m_Doc.NewCurve("D"));
    const std::string text = Export({&first, &second}, '\t');

    std::ostringstream expected;
    expected << Banner(kBitmapName) << "C\t\tD\t\t\r\nX\tY\tX\tY\t\r\n";
    for (int i = 0; i < 150000; ++i) {
        const std::string a = FormatG(i) + "\t" + FormatG(0.5 * i) + "\t";
        expected << a << (i < 100000 ? a : std::string("\t\t")) << "\r\n";
    }
    EXPECT_TRUE(text == expected.str()) << "sizes " << text.size() << " / " << expected.str().size();
}

TEST_F(FileResultDumper, FileThatCannotBeMadeIsRefused)
{
    const std::string strMessage = "Cannot open the file for writing.";
    CPreparedResults results(Ramp(2));
    for (const fs::path& path : {m_Dir / "missing" / "out.xls", m_Dir, fs::path()}) {
        SCOPED_TRACE(path.string());
        try {
            CFileResultDumper dumper({&results}, path.string(), '\t');
            ADD_FAILURE() << "no exception";
        } catch (const CPlotvaneException& e) {
            EXPECT_EQ(Headline(e), strMessage);
        }
    }
    EXPECT_TRUE(fs::is_directory(m_Dir));
}

// 0 when making a file writer for path is refused with "Cannot open the file for writing.",
// after giving up the superuser's rights (which file permissions do not bind). Meant to run
// in a child process.
int RefusedWithoutPrivileges(const fs::path& path)
{
    if (geteuid() == 0 && (setgid(65534) != 0 || setuid(65534) != 0))
        return 6;
    CPreparedResults results(Ramp(2));
    try {
        CFileResultDumper dumper({&results}, path.string(), '\t');
        return 2;
    } catch (const CPlotvaneException& e) {
        return e.GetMessage() == "Cannot open the file for writing.\nReason: Permission denied." ? 0 : 3;
    }
}

// 0 when an export into path succeeds without the superuser's rights. Meant to run in a
// child process.
int ExportedWithoutPrivileges(const fs::path& path)
{
    if (geteuid() == 0 && (setgid(65534) != 0 || setuid(65534) != 0))
        return 6;
    CPreparedResults results({{1, 2}});
    try {
        CFileResultDumper dumper({&results}, path.string(), ';');
        dumper.Dump();
        return 0;
    } catch (const CPlotvaneException&) {
        return 3;
    }
}

TEST_F(FileResultDumper, ReadOnlyTargetOrFolderIsRefusedAndKept)
{
    // A writable folder must not let the export replace a file the user may not write.
    const fs::path path = m_Dir / "kept.xls";
    WriteAll(path, "precious");
    fs::permissions(m_Dir, fs::perms::all);
    fs::permissions(path, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    EXPECT_EXIT(std::_Exit(RefusedWithoutPrivileges(path)), ::testing::ExitedWithCode(0), "");
    EXPECT_EQ(ReadAll(path), "precious");
    EXPECT_EQ(DirectoryEntries(m_Dir), std::vector<std::string>{"kept.xls"});

    // A folder where no file can be made.
    const fs::perms readOnlyFolder = fs::perms::owner_read | fs::perms::owner_exec | fs::perms::group_read |
                                     fs::perms::group_exec | fs::perms::others_read | fs::perms::others_exec;
    fs::permissions(m_Dir, readOnlyFolder);
    EXPECT_EXIT(std::_Exit(RefusedWithoutPrivileges(m_Dir / "new.xls")), ::testing::ExitedWithCode(0), "");
    EXPECT_EQ(DirectoryEntries(m_Dir), std::vector<std::string>{"kept.xls"});

    // But a file there that may be written is written in place.
    fs::permissions(
        path, fs::perms::all & ~(fs::perms::owner_exec | fs::perms::group_exec | fs::perms::others_exec));
    EXPECT_EXIT(std::_Exit(ExportedWithoutPrivileges(path)), ::testing::ExitedWithCode(0), "");
    EXPECT_EQ(ReadAll(path), Banner("") + ";;\r\n;;\r\n1;2;\r\n");
    EXPECT_EQ(DirectoryEntries(m_Dir), std::vector<std::string>{"kept.xls"});
    fs::permissions(m_Dir, fs::perms::owner_all);
}

// The export goes into a file beside the target; the target changes only when everything
// has been written.
TEST_F(FileResultDumper, FailedExportKeepsTheExistingFileAndLeavesNothingBehind)
{
    const fs::path path = m_Dir / "kept.xls";
    WriteAll(path, "precious");

    CPreparedResults failing(Ramp(200000));  // fails beyond the first buffer's worth of rows
    failing.SetThrowAtRow(150000);
    {
        CFileResultDumper dumper({&failing}, path.string(), '\t');
        EXPECT_THROW(dumper.Dump(), std::runtime_error);
    }
    EXPECT_EQ(ReadAll(path), "precious");
    EXPECT_EQ(DirectoryEntries(m_Dir), std::vector<std::string>{"kept.xls"});

    {
        // Made and dropped without Dump.
        CFileResultDumper dumper({&failing}, path.string(), '\t');
    }
    EXPECT_EQ(ReadAll(path), "precious");
    EXPECT_EQ(DirectoryEntries(m_Dir), std::vector<std::string>{"kept.xls"});

    // A successful export replaces it, keeping its permissions.
    fs::permissions(path, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    CPreparedResults good({{1, 2}});
    EXPECT_EQ(Export({&good}, '\t', "kept.xls"), Banner("") + "\t\t\r\n\t\t\r\n1\t2\t\r\n");
    EXPECT_EQ(fs::status(path).permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    EXPECT_EQ(DirectoryEntries(m_Dir), std::vector<std::string>{"kept.xls"});
}

TEST_F(FileResultDumper, WriteFailureIsReportedAndKeepsTheExistingFile)
{
    const fs::path path = m_Dir / "kept.xls";
    WriteAll(path, "precious");
    CPreparedResults results(Ramp(300000));  // about 5 MB

    // In a child process whose files may not grow beyond 64 KB, writes fail with EFBIG.
    EXPECT_EXIT(std::_Exit(ExportUnderFileSizeLimit(results, path, 65536)), ::testing::ExitedWithCode(0), "");
}

TEST_F(FileResultDumper, DeviceTargetIsWrittenInPlace)
{
    if (!fs::exists("/dev/full") || !fs::exists("/dev/null"))
        SKIP_WITHOUT_TOOL("no /dev/full");
    CPreparedResults results(Ramp(10));
    {
        CFileResultDumper dumper({&results}, "/dev/null", '\t');
        EXPECT_NO_THROW(dumper.Dump());
    }
    EXPECT_TRUE(fs::is_character_file("/dev/null"));
    try {
        CFileResultDumper dumper({&results}, "/dev/full", '\t');
        dumper.Dump();
        ADD_FAILURE() << "no exception";
    } catch (const CPlotvaneException& e) {
        EXPECT_EQ(e.GetMessage(), "Cannot write into the file.\nReason: No space left on device.");
    }
    EXPECT_TRUE(fs::is_character_file("/dev/full"));
}

TEST_F(FileResultDumper, LinkTargetWritesTheLinkedFile)
{
    const fs::path real = m_Dir / "real.txt";
    const fs::path link = m_Dir / "link.xls";
    WriteAll(real, "old");
    fs::create_symlink(real.filename(), link);
    CPreparedResults results({{1, 2}});
    Export({&results}, ',', "link.xls");
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(ReadAll(real), Banner("") + ",,\r\n,,\r\n1,2,\r\n");
    EXPECT_EQ(DirectoryEntries(m_Dir), (std::vector<std::string>{"link.xls", "real.txt"}));
}

TEST_F(FileResultDumper, BannerFollowsTheInterfaceLanguage)
{
    const fs::path language = m_Dir / "language.txt";
    WriteAll(language, "61300\tReconnaissance de graphe par Plotvane.\n61302\tFichier image :\n");
    ASSERT_TRUE(CStringTable::LoadLanguageFile(language.string()));
    const std::string text = Export({}, '\t');
    CStringTable::ResetToBuiltIn();
    EXPECT_EQ(text, "Reconnaissance de graphe par Plotvane.\r\n" + CStringTable::Get(IDS_BANNER_NOTICE) +
                        "\r\nFichier image :\r\n\r\n\r\n");
}
