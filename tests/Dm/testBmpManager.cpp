#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

#include "Dm/BmpManager.h"
#include "PackedDib.h"
#include "platform/Archive.h"
#include "tests/doubles/RecordingMessageService.h"
#include "platform/TempFile.h"
#include "tests/support/TempVariable.h"

namespace fs = std::filesystem;

namespace {

std::string ReadFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

const uint8_t* Bytes(const std::string& s)
{
    return reinterpret_cast<const uint8_t*>(s.data());
}

// A 24-bit 3 x 2 scan, bottom-up, with a grey pixel (100, 100, 100) at (2, 0).
std::vector<uint8_t> GreyScan()
{
    std::vector<uint8_t> bits(24, 255);
    for (int i = 0; i < 3; ++i)
        bits[12 + 6 + i] = 100;
    return PackedDib(3, 2, 24, {}, bits);
}

class BmpManagerTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        const std::string name = ::testing::UnitTest::GetInstance()->current_test_info()->name();
        m_dir = fs::path(PLOTVANE_TEST_WORK) / ("bmpmanager-" + name);
        fs::remove_all(m_dir);
        fs::create_directories(m_dir / "temp");
        m_temp.emplace((m_dir / "temp").string());
    }

    void TearDown() override
    {
        m_temp.reset();
        fs::remove_all(m_dir);
    }

    static void SetTemp(const std::string& value) { ::setenv("TEMP", value.c_str(), 1); }

    size_t TempFileCount() const
    {
        size_t n = 0;
        for (const auto& entry : fs::directory_iterator(m_dir / "temp"))
            n += entry.path().filename().string().rfind("pltvane", 0) == 0 ? 1 : 0;
        return n;
    }

    // 20 x 10 white PNG with one grey pixel (100, 100, 100) at (5, 5), made by ImageMagick.
    std::string MakePng() const
    {
        const std::string path = (m_dir / "grey.png").string();
        const std::string command =
            "convert -size 20x10 xc:white -fill 'rgb(100,100,100)' -draw 'point 5,5' PNG24:'" + path +
            "' 2>/dev/null";
        EXPECT_EQ(std::system(command.c_str()), 0) << command;
        return path;
    }

    std::string StoreRecord(CBmpManager& manager) const
    {
        std::ostringstream out;
        CArchive ar(out);
        manager.Serialize(ar);
        return out.str();
    }

    static std::string Record(const std::string& name, uint32_t length, const std::string& bytes)
    {
        std::ostringstream out;
        CArchive ar(out);
        ar.WriteString(name);
        ar.WriteDword(length);
        ar.WriteBytes(bytes.data(), bytes.size());
        return out.str();
    }

    fs::path m_dir;
    std::optional<CTempVariable> m_temp;
    CRecordingMessageService m_messages{true};
};

}  // namespace

TEST_F(BmpManagerTest, LoadKeepsAByteForByteCopyUntilTheBitmapIsDropped)
{
    const std::string png = MakePng();
    {
        CBmpManager manager;
        ASSERT_TRUE(manager.Load(png));
        EXPECT_EQ(m_messages.Count(), 0u);
        EXPECT_EQ(manager.GetSize(), CPoint(20, 10));
        EXPECT_EQ(manager.GetFileName(), png);
        EXPECT_EQ(manager.GetPixelColor(5, 5) & 0xFFFFFF, 0x646464u);
        EXPECT_TRUE(manager.IsInk({5, 5}, 0x646464));
        EXPECT_FALSE(manager.IsInk({4, 5}, 0xFEFEFE));

        const std::string copy = manager.GetTempPath();
        EXPECT_EQ(fs::path(copy).parent_path(), m_dir / "temp");
        EXPECT_EQ(fs::path(copy).filename().string().substr(0, 7), "pltvane");
        EXPECT_EQ(ReadFile(copy), ReadFile(png));

        // A failed load drops the bitmap and its copy.
        EXPECT_FALSE(manager.Load((m_dir / "missing.png").string()));
        EXPECT_EQ(m_messages.LastText(), "Failed to Open this file !\n" + (m_dir / "missing.png").string() +
                                             ": No such file or directory");
        EXPECT_EQ(m_messages.Messages().back().icon, CMessageService::Icon::Stop);
        EXPECT_FALSE(manager.IsLoaded());
        EXPECT_EQ(manager.GetFileName(), "");
        EXPECT_FALSE(fs::exists(copy));

        ASSERT_TRUE(manager.Load(png));
        EXPECT_EQ(TempFileCount(), 1u);
    }
    EXPECT_EQ(TempFileCount(), 0u);
}

TEST_F(BmpManagerTest, WithoutTempTheSystemDirectoryServes)
{
    const std::string png = MakePng();
    ::unsetenv("TEMP");
    CBmpManager manager;
    ASSERT_TRUE(manager.Load(png));
    ASSERT_FALSE(manager.GetTempPath().empty());
    EXPECT_EQ(manager.GetTempPath().rfind(CTempFile::Directory() + "pltvane", 0), 0u);
    EXPECT_EQ(ReadFile(manager.GetTempPath()), ReadFile(png));
}

TEST_F(BmpManagerTest, UndecodableFileIsReportedWithItsReasonAndLeavesNothing)
{
    const std::string path = (m_dir / "junk.png").string();
    std::ofstream(path) << "not a picture at all";
    CBmpManager manager;
    EXPECT_FALSE(manager.Load(path));
    EXPECT_EQ(m_messages.LastText(), "Failed to Open this file !\n" + path + ": Unknown file type.");
    EXPECT_EQ(manager.GetLastFailure(), CBmpManager::Failure::Unreadable);
    EXPECT_FALSE(manager.IsLoaded());
    EXPECT_EQ(TempFileCount(), 0u);

    // A picture larger than the bitmaps can be is a lack of memory, told as such.
    const std::string huge = (m_dir / "huge.pgm").string();
    std::ofstream(huge) << "P5\n40000 30000\n255\n";
    EXPECT_FALSE(manager.Load(huge));
    EXPECT_EQ(manager.GetLastFailure(), CBmpManager::Failure::OutOfMemory);
    EXPECT_EQ(m_messages.LastText(), "Failed to Open this file !\n" + huge +
                                         ": Not enough memory ! (PGM decoder: Image too large.)");
}

TEST_F(BmpManagerTest, ThePictureNameIsAWindows1252TextOfTheDocument)
{
    // "café.png" in the file system's UTF-8; the name kept is Windows-1252, as every text of
    // the document, and a character it cannot hold becomes '?'.
    const std::string png = MakePng();
    const fs::path cafe = m_dir / "caf\xC3\xA9 \xE2\x82\xAC \xE6\x97\xA5.png";
    fs::copy_file(png, cafe);
    CBmpManager manager;
    ASSERT_TRUE(manager.Load(cafe.string()));
    const std::string expected = m_dir.string() + "/caf\xE9 \x80 ?.png";
    EXPECT_EQ(manager.GetFileName(), expected);

    const std::string record = StoreRecord(manager);
    CBmpManager reloaded;
    CArchive ar(Bytes(record), record.size());
    reloaded.Serialize(ar);
    EXPECT_EQ(reloaded.GetFileName(), expected);

    // A document written while names were kept in UTF-8 reads back in Windows-1252; a
    // Windows-1252 name that is no UTF-8 stays as it is.
    const std::string bytes = ReadFile(png);
    reloaded.LoadEmbedded(cafe.string(), Bytes(bytes), bytes.size());
    EXPECT_EQ(reloaded.GetFileName(), expected);
    reloaded.LoadEmbedded("d\xE9j\xE0 vu.png", Bytes(bytes), bytes.size());
    EXPECT_EQ(reloaded.GetFileName(), "d\xE9j\xE0 vu.png");
}

TEST_F(BmpManagerTest, PixelsOutsideTheBitmapAreWhite)
{
    CBmpManager manager;
    EXPECT_EQ(manager.GetPixelColor(0, 0), 0x00FFFFFFu);
    EXPECT_EQ(manager.Clamp(7, 7), CPoint(0, 0));
    EXPECT_EQ(manager.GetSize(), CPoint(0, 0));

    const auto scan = GreyScan();
    ASSERT_TRUE(manager.SetFromScannedDib(scan.data(), scan.size()));
    EXPECT_EQ(manager.GetPixelColor(-1, 0), 0x00FFFFFFu);
    EXPECT_EQ(manager.GetPixelColorOrWhite(-1, 0), 0xFFFFFFFFu);
    EXPECT_EQ(manager.GetPixelColorOrWhite(0, 2), 0xFFFFFFFFu);
    EXPECT_EQ(manager.GetPixelColorOrWhite(2, 0), 0xFF646464u);
    EXPECT_EQ(manager.Clamp(-5, 100), CPoint(0, 1));
    EXPECT_EQ(manager.Clamp(50, 1), CPoint(2, 1));
}

TEST_F(BmpManagerTest, TwentyFourBitScanBecomesThirtyTwoBits)
{
    CBmpManager manager;
    const auto scan = GreyScan();
    ASSERT_TRUE(manager.SetFromScannedDib(scan.data(), scan.size()));
    EXPECT_EQ(manager.GetBitmap()->GetBitsPerPixel(), 32);
    EXPECT_EQ(manager.GetFileName(), "Scanned graphic");
    EXPECT_TRUE(manager.IsInk({2, 0}, 0x646464));
    EXPECT_FALSE(manager.IsInk({2, 1}, 0x646464));
    EXPECT_EQ(ReadFile(manager.GetTempPath()).substr(0, 2), "BM");
}

TEST_F(BmpManagerTest, UnsupportedDepthsAreRefusedWithTheirColourCount)
{
    CBmpManager manager;
    const auto four = PackedDib(2, 1, 4, std::vector<uint8_t>(64, 0), {0x12, 0, 0, 0});
    EXPECT_FALSE(manager.SetFromScannedDib(four.data(), four.size()));
    EXPECT_EQ(m_messages.LastText(), "Cannot handle 16 colors graphics.");
    EXPECT_EQ(m_messages.Messages().back().icon, CMessageService::Icon::Stop);

    const auto sixteen = PackedDib(2, 1, 16, {}, {1, 2, 3, 4});
    EXPECT_FALSE(manager.SetFromScannedDib(sixteen.data(), sixteen.size()));
    EXPECT_EQ(m_messages.LastText(), "Cannot handle 65536 colors graphics.");
    EXPECT_FALSE(manager.IsLoaded());

    // A damaged scan fails without a word.
    m_messages.Clear();
    const auto scan = GreyScan();
    EXPECT_FALSE(manager.SetFromScannedDib(scan.data(), scan.size() - 1));
    EXPECT_EQ(m_messages.Count(), 0u);
    EXPECT_EQ(TempFileCount(), 0u);
}

TEST_F(BmpManagerTest, RecordEmbedsTheImageFileAndReadsItBack)
{
    const std::string png = MakePng();
    const std::string pngBytes = ReadFile(png);
    CBmpManager manager;
    ASSERT_TRUE(manager.Load(png));
    const std::string record = StoreRecord(manager);
    EXPECT_EQ(record, Record(png, static_cast<uint32_t>(pngBytes.size()), pngBytes));

    CArchive in(Bytes(record), record.size());
    CBmpManager loaded;
    loaded.Serialize(in);
    EXPECT_EQ(in.Remaining(), 0u);
    EXPECT_EQ(loaded.GetFileName(), png);
    EXPECT_EQ(loaded.GetSize(), CPoint(20, 10));
    EXPECT_TRUE(loaded.IsInk({5, 5}, 0x646464));
    EXPECT_NE(loaded.GetTempPath(), manager.GetTempPath());
    EXPECT_EQ(ReadFile(loaded.GetTempPath()), pngBytes);
}

TEST_F(BmpManagerTest, StoringWithoutACopyWritesTheBitmapAsBmp)
{
    CBmpManager empty;
    EXPECT_THROW(StoreRecord(empty), CArchiveException);

    SetTemp((m_dir / "no such directory").string());
    CBmpManager manager;
    const auto scan = GreyScan();
    ASSERT_TRUE(manager.SetFromScannedDib(scan.data(), scan.size()));
    EXPECT_TRUE(manager.GetTempPath().empty());

    SetTemp((m_dir / "temp").string());
    const std::string record = StoreRecord(manager);
    EXPECT_EQ(record.substr(0, 16), std::string("\x0F"
                                                "Scanned graphic",
                                                16));
    EXPECT_EQ(record.substr(20, 2), "BM");
    EXPECT_EQ(TempFileCount(), 1u);

    CArchive in(Bytes(record), record.size());
    CBmpManager loaded;
    loaded.Serialize(in);
    EXPECT_EQ(loaded.GetPixelColor(2, 0) & 0xFFFFFF, 0x646464u);
}

TEST_F(BmpManagerTest, DamagedEmbeddedImageFailsTheLoadAndEmptiesTheManager)
{
    const std::string png = MakePng();
    const std::string junk = Record("graph.png", 5, "junk!");
    const std::string none = Record("graph.png", 0, "");
    const std::string lying = Record("graph.png", 0x7FFFFFFF, "abc");
    for (const std::string* record : {&junk, &none, &lying}) {
        CBmpManager manager;
        ASSERT_TRUE(manager.Load(png));
        CArchive in(Bytes(*record), record->size());
        try {
            manager.Serialize(in);
            ADD_FAILURE() << "a damaged record was accepted";
        } catch (const CArchiveException& e) {
            if (record != &lying) {
                EXPECT_EQ(e.m_cause, CArchiveException::generic);
            }
        }
        EXPECT_FALSE(manager.IsLoaded());
        EXPECT_EQ(TempFileCount(), 0u);
    }
}
