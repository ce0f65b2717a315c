// The BMP encoder: round trips through our decoder, and files that ImageMagick and PIL
// read back with the same pixels.
#include <gtest/gtest.h>

#include <filesystem>

#include "imaging/BmpDecoder.h"
#include "imaging/BmpEncoder.h"
#include "imaging/TextException.h"
#include "tests/imaging/OwnDecoderSupport.h"

using namespace owntest;

namespace {

// Draws picture into a new bitmap of the given depth; at 1 and 8 bits the palette holds
// the picture's colours in order of appearance.
void Draw(PLBmp& bmp, int bpp, const Picture& picture)
{
    bmp.Create(kWidth, kHeight, bpp);
    std::vector<Rgb> palette;
    for (int y = 0; y < kHeight; ++y) {
        uint8_t* row = bmp.GetRow(y);
        for (int x = 0; x < kWidth; ++x) {
            const Rgb c = picture(x, y);
            if (bpp == 32) {
                row[x * 4] = c.b;
                row[x * 4 + 1] = c.g;
                row[x * 4 + 2] = c.r;
                row[x * 4 + 3] = 0xFF;
                continue;
            }
            size_t index = 0;
            while (index < palette.size() && !(palette[index] == c)) {
                ++index;
            }
            if (index == palette.size()) {
                palette.push_back(c);
                bmp.SetPaletteEntry(static_cast<int>(index), c.r, c.g, c.b);
            }
            if (bpp == 8) {
                row[x] = static_cast<uint8_t>(index);
            } else if (index) {
                row[x / 8] |= static_cast<uint8_t>(0x80 >> (x % 8));
            }
        }
    }
    bmp.SetResolution(300, 150);
}

struct DepthCase {
    int bpp;
    Picture picture;
    int fileBpp;
};

class BmpEncoderDepths : public ::testing::TestWithParam<DepthCase> {};

}  // namespace

TEST_P(BmpEncoderDepths, WritesWhatDecodersReadBack)
{
    const DepthCase& c = GetParam();
    PLBmp bmp;
    Draw(bmp, c.bpp, c.picture);
    const std::vector<uint8_t> file = PLBmpEncoder().Encode(bmp);

    const uint32_t stride = (kWidth * c.fileBpp + 31) / 32 * 4;
    const uint32_t palette = c.fileBpp <= 8 ? 4u << c.fileBpp : 0u;
    ASSERT_EQ(file.size(), 14 + 40 + palette + stride * kHeight);
    EXPECT_EQ(file[0], 'B');
    EXPECT_EQ(file[1], 'M');
    EXPECT_EQ(Le32(file, 2), file.size());
    EXPECT_EQ(Le32(file, 10), 14 + 40 + palette);
    EXPECT_EQ(Le32(file, 14), 40u);
    EXPECT_EQ(Le32(file, 22), uint32_t(kHeight));  // positive: bottom-up
    EXPECT_EQ(file[28], c.fileBpp);
    EXPECT_EQ(Le32(file, 30), 0u);
    EXPECT_EQ(Le32(file, 34), stride * kHeight);
    EXPECT_EQ(Le32(file, 38), 11811u);  // 300 dpi * 39.37 + 0.5
    EXPECT_EQ(Le32(file, 42), 5906u);   // 150 dpi

    PLBmp back;
    PLBmpDecoder().Decode(file.data(), file.size(), back);
    EXPECT_EQ(back.GetBitsPerPixel(), c.bpp);
    EXPECT_TRUE(Matches(back, c.picture));
    EXPECT_EQ(back.GetResolutionX(), 300);
    EXPECT_EQ(back.GetResolutionY(), 150);

    // Other readers see the same picture.
    const std::string path = WorkPath("encoded" + std::to_string(c.bpp) + ".bmp");
    PLBmpEncoder().MakeFileFromBmp(path, bmp);
    EXPECT_EQ(ReadFile(path), file);
    std::vector<uint8_t> expected;
    for (int y = 0; y < kHeight; ++y) {
        for (int x = 0; x < kWidth; ++x) {
            const Rgb p = c.picture(x, y);
            expected.insert(expected.end(), {p.r, p.g, p.b});
        }
    }
    if (HaveCommand("convert")) {
        const std::string rgb = path + ".rgb";
        ASSERT_TRUE(RunTool("convert " + path + " -depth 8 rgb:" + rgb));
        EXPECT_TRUE(ReadFile(rgb) == expected) << "ImageMagick reads other pixels";
    }
    const std::string python = PythonWithPil();
    if (!python.empty()) {
        const std::string rgb = path + ".pil";
        ASSERT_TRUE(RunTool(python + " -c \"from PIL import Image; open('" + rgb +
                            "', 'wb').write(Image.open('" + path + "').convert('RGB').tobytes())\""));
        EXPECT_TRUE(ReadFile(rgb) == expected) << "PIL reads other pixels";
    }
}

INSTANTIATE_TEST_SUITE_P(Depths, BmpEncoderDepths,
                         ::testing::Values(DepthCase{1, TwoColors, 1}, DepthCase{8, ManyColors, 8},
                                           DepthCase{32, EightColors, 24}),
                         [](const ::testing::TestParamInfo<DepthCase>& info) {
                             return "bpp" + std::to_string(info.param.bpp);
                         });

TEST(BmpEncoder, FailedWriteKeepsWhatWasThere)
{
    PLBmp bmp;
    Draw(bmp, 8, FourColors);
    // The target is a directory holding a file: the rename over it fails after the
    // temporary file was written.
    namespace fs = std::filesystem;
    const fs::path target = WorkPath("encoderdir");
    fs::remove_all(target);
    fs::create_directories(target);
    WriteFile((target / "keep").string(), {1, 2, 3});
    EXPECT_THROW(PLBmpEncoder().MakeFileFromBmp(target.string(), bmp), PLTextException);
    EXPECT_EQ(ReadFile((target / "keep").string()), (std::vector<uint8_t>{1, 2, 3}));
    for (const auto& entry : fs::directory_iterator(target.parent_path())) {
        EXPECT_EQ(entry.path().filename().string().find("own_encoderdir.tmp"), std::string::npos)
            << entry.path() << " left behind";
    }

    EXPECT_THROW(PLBmpEncoder().MakeFileFromBmp(WorkPath("no/such/dir/x.bmp"), bmp), PLTextException);

    // A good write replaces the previous file.
    const std::string file = WorkPath("replaced.bmp");
    WriteFile(file, {9, 9, 9});
    PLBmpEncoder().MakeFileFromBmp(file, bmp);
    EXPECT_EQ(ReadFile(file), PLBmpEncoder().Encode(bmp));

    PLBmp empty;
    EXPECT_THROW(PLBmpEncoder().Encode(empty), PLTextException);
}
