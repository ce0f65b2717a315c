#include <climits>
#include <cstdint>
#include <vector>

#include <gtest/gtest.h>

#include "imaging/ScanDibBuilder.h"

namespace {

using Format = CScanDibBuilder::Format;

CScanDibBuilder::CFrame Frame(Format format, int nWidth, int nLines, int nDepth, int nBytesPerLine)
{
    CScanDibBuilder::CFrame frame;
    frame.format = format;
    frame.nPixelsPerLine = nWidth;
    frame.nLines = nLines;
    frame.nDepth = nDepth;
    frame.nBytesPerLine = nBytesPerLine;
    return frame;
}

uint32_t Dword(const std::vector<uint8_t>& v, size_t at)
{
    return v[at] | (v[at + 1] << 8) | (v[at + 2] << 16) | (static_cast<uint32_t>(v[at + 3]) << 24);
}

TEST(ScanDibBuilderTest, AGrayScanBecomesAnEightBitBitmapWithGrayPaletteAndBottomUpPaddedRows)
{
    CScanDibBuilder builder;
    // Two lines of three pixels, each line sent with one byte of padding of the device's own.
    ASSERT_TRUE(builder.StartFrame(Frame(Format::Gray, 3, 2, 8, 4)));
    const uint8_t data[] = {10, 20, 30, 99, 40, 50, 60, 99};
    ASSERT_TRUE(builder.Feed(data, 3));  // a line may come in pieces
    ASSERT_TRUE(builder.Feed(data + 3, 5));
    ASSERT_TRUE(builder.EndFrame());
    const std::vector<uint8_t> dib = builder.TakeDib(254);
    ASSERT_EQ(dib.size(), 40u + 1024 + 2 * 4);
    EXPECT_EQ(Dword(dib, 0), 40u);
    EXPECT_EQ(Dword(dib, 4), 3u);
    EXPECT_EQ(Dword(dib, 8), 2u);
    EXPECT_EQ(dib[14], 8);
    EXPECT_EQ(Dword(dib, 20), 8u);
    EXPECT_EQ(Dword(dib, 24), 10000u);  // 254 dpi in pixels per metre
    EXPECT_EQ(Dword(dib, 40 + 4 * 200), 0x00C8C8C8u);
    const uint8_t* rows = dib.data() + 40 + 1024;
    EXPECT_EQ(std::vector<uint8_t>(rows, rows + 8), (std::vector<uint8_t>{40, 50, 60, 0, 10, 20, 30, 0}));
}

TEST(ScanDibBuilderTest, LineArtKeepsItsBitsWithWhiteAndBlackEntries)
{
    CScanDibBuilder builder;
    ASSERT_TRUE(builder.StartFrame(Frame(Format::Gray, 9, 1, 1, 2)));
    const uint8_t data[] = {0x81, 0x80};
    ASSERT_TRUE(builder.Feed(data, 2));
    ASSERT_TRUE(builder.EndFrame());
    const std::vector<uint8_t> dib = builder.TakeDib(0);
    ASSERT_EQ(dib.size(), 40u + 8 + 4);
    EXPECT_EQ(dib[14], 1);
    EXPECT_EQ(Dword(dib, 40), 0x00FFFFFFu);  // 0 white
    EXPECT_EQ(Dword(dib, 44), 0u);           // 1 black, as the scanner sends it
    EXPECT_EQ(dib[48], 0x81);
    EXPECT_EQ(dib[49], 0x80);
}

TEST(ScanDibBuilderTest, ColourComesAsOneFrameOrAsThreeAndGivesBlueGreenRedPixels)
{
    const uint8_t rgb[] = {1, 2, 3};
    CScanDibBuilder one;
    ASSERT_TRUE(one.StartFrame(Frame(Format::Rgb, 1, 1, 8, 3)));
    ASSERT_TRUE(one.Feed(rgb, 3));
    ASSERT_TRUE(one.EndFrame());
    const std::vector<uint8_t> fromOne = one.TakeDib(0);
    ASSERT_EQ(fromOne.size(), 44u);
    EXPECT_EQ(std::vector<uint8_t>(fromOne.begin() + 40, fromOne.begin() + 43),
              (std::vector<uint8_t>{3, 2, 1}));

    CScanDibBuilder three;
    for (auto [format, value] : {std::pair{Format::Green, 2}, {Format::Red, 1}, {Format::Blue, 3}}) {
        EXPECT_FALSE(three.IsComplete());
        ASSERT_TRUE(three.StartFrame(Frame(format, 1, 1, 16, 2)));
        const uint16_t sample = static_cast<uint16_t>(value << 8);  // 16 bits keep their high byte
        ASSERT_TRUE(three.Feed(reinterpret_cast<const uint8_t*>(&sample), 2));
        ASSERT_TRUE(three.EndFrame());
    }
    EXPECT_EQ(three.TakeDib(0), fromOne);
}

TEST(ScanDibBuilderTest, WhatTheScannerAnnouncesIsCheckedBeforeAnyMemoryIsTaken)
{
    const CScanDibBuilder::CFrame refused[] = {
        Frame(Format::Gray, 10, 10, 8, 9),  // lines shorter than their pixels
        Frame(Format::Rgb, 10, 10, 8, 29),
        Frame(Format::Gray, 0, 10, 8, 4),                   // no pixels
        Frame(Format::Gray, 10, 10, 12, 20),                // a depth scanners do not send
        Frame(Format::Rgb, 8, 10, 1, 3),                    // colour line art
        Frame(Format::Gray, 1 << 16, 1 << 15, 8, 1 << 16),  // more pixels than a picture may have
        Frame(Format::Gray, INT_MAX, INT_MAX, 16, INT_MAX),
        Frame(Format::Gray, 1, (1 << 30) - 1, 1, 1),  // within the pixels, beyond the bytes
    };
    for (const CScanDibBuilder::CFrame& frame : refused) {
        CScanDibBuilder builder;
        EXPECT_FALSE(builder.StartFrame(frame)) << frame.nPixelsPerLine << " x " << frame.nLines;
    }
}

TEST(ScanDibBuilderTest, DataBeyondTheAnnouncedLinesIsIgnoredAndAHandScannerGrowsThePicture)
{
    CScanDibBuilder builder;
    ASSERT_TRUE(builder.StartFrame(Frame(Format::Gray, 4, 2, 8, 4)));
    const std::vector<uint8_t> data(4 * 5, 7);
    ASSERT_TRUE(builder.Feed(data.data(), data.size()));
    EXPECT_TRUE(builder.IsFrameFull());
    ASSERT_TRUE(builder.EndFrame());
    EXPECT_EQ(Dword(builder.TakeDib(0), 8), 2u);

    CScanDibBuilder hand;
    ASSERT_TRUE(hand.StartFrame(Frame(Format::Gray, 4, -1, 8, 4)));
    ASSERT_TRUE(hand.Feed(data.data(), data.size() - 2));  // an incomplete last line is dropped
    EXPECT_FALSE(hand.IsFrameFull());
    ASSERT_TRUE(hand.EndFrame());
    EXPECT_EQ(Dword(hand.TakeDib(0), 8), 4u);
}

TEST(ScanDibBuilderTest, FramesThatDoNotMakeOnePictureAreRefused)
{
    CScanDibBuilder builder;
    ASSERT_TRUE(builder.StartFrame(Frame(Format::Red, 4, 2, 8, 4)));
    const std::vector<uint8_t> data(8, 1);
    ASSERT_TRUE(builder.Feed(data.data(), data.size()));
    ASSERT_TRUE(builder.EndFrame());
    EXPECT_FALSE(builder.StartFrame(Frame(Format::Green, 5, 2, 8, 5)));  // another width
    EXPECT_FALSE(builder.StartFrame(Frame(Format::Red, 4, 2, 8, 4)));    // red again
    EXPECT_FALSE(builder.StartFrame(Frame(Format::Gray, 4, 2, 8, 4)));
    EXPECT_TRUE(builder.TakeDib(0).empty());  // green and blue never came

    CScanDibBuilder empty;
    ASSERT_TRUE(empty.StartFrame(Frame(Format::Gray, 4, 2, 8, 4)));
    EXPECT_FALSE(empty.EndFrame());  // not one whole line
    EXPECT_TRUE(empty.TakeDib(0).empty());
}

}  // namespace
