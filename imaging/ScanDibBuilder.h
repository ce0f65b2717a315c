#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

// Assembles the data a scanner sends into a packed device-independent bitmap: the 40-byte
// info header, a palette at 1 and 8 bits per pixel (white and black for line art, 256 grays
// for gray), then the rows bottom-up, padded to 4 bytes. Gray frames give 1-bit (line art) or
// 8-bit pictures, colour frames (one RGB frame, or a red, a green and a blue one) 24-bit
// pictures; 16-bit samples keep their high 8 bits.
//
// What a scanner announces and sends is untrusted: every size is checked (the picture's
// pixel count stays within PLBmp::kMaxPixels and its bytes within kMaxImageBytes, a line's
// bytes exceed what its pixels need by no more than a little padding, no product overflows),
// data beyond the announced lines is ignored, and a frame that does not fit the first is
// refused.
class CScanDibBuilder {
public:
    enum class Format { Gray, Rgb, Red, Green, Blue };

    // The rows of a picture take at most this many bytes (the header's size field is 32-bit).
    static constexpr uint64_t kMaxImageBytes = uint64_t(3) << 30;

    // One frame as the scanner describes it before sending it. nLines < 0: unknown until
    // the data ends (a hand scanner).
    struct CFrame {
        Format format = Format::Gray;
        int nBytesPerLine = 0;
        int nPixelsPerLine = 0;
        int nLines = 0;
        int nDepth = 0;
    };

    // Starts a frame; false when it cannot be taken (odd sizes or depth, too large, or not
    // matching the frames before it, or out of memory).
    bool StartFrame(const CFrame& frame);
    // Takes the next bytes of the current frame.
    bool Feed(const uint8_t* data, size_t size);
    // Whether the current frame brought every line it announced (what follows is ignored).
    bool IsFrameFull() const;
    // Ends the current frame; false when it brought no complete line.
    bool EndFrame();
    // Whether the frames so far make a whole picture (a red, a green and a blue frame, or
    // one frame of another format).
    bool IsComplete() const;
    // The packed bitmap, resolution dDpi (0 when unknown); empty unless complete. Leaves
    // the builder empty.
    std::vector<uint8_t> TakeDib(double dDpi);

private:
    bool TakeRow(const uint8_t* row);
    void WritePixel(uint8_t* dest, int x, unsigned nValue) const;

    CFrame m_Frame;
    bool m_bInFrame = false;
    bool m_bColor = false;  // 24-bit output
    int m_nOutBpp = 0;
    int m_nWidth = 0;
    int m_nHeight = 0;  // rows allocated (the first frame's count, or grown for unknown)
    bool m_bHeightKnown = false;
    size_t m_nStride = 0;
    size_t m_nHeaderBytes = 0;
    int m_nFrameRow = 0;           // rows of the current frame received
    int m_nRowsDone = 0;           // rows of the first frame
    unsigned m_nChannelsDone = 0;  // bit mask of red 1, green 2, blue 4 for separate frames
    bool m_bWhole = false;
    std::vector<uint8_t> m_Partial;  // the bytes of a line not yet complete
    std::vector<uint8_t> m_Dib;      // header room, then the rows top-down
};
