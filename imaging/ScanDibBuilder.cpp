#include "imaging/ScanDibBuilder.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <new>

#include "imaging/Bmp.h"

namespace {

constexpr size_t kInfoHeaderSize = 40;
// Longer lines than this are refused whatever they hold: no scanner sends them.
constexpr uint64_t kMaxBytesPerLine = uint64_t(1) << 28;
// A line holds its pixels and at most this much padding (scanners pad to an even or a
// 4-byte count); a device that announces more is not believed.
constexpr uint64_t kMaxLinePadding = 4096;

void Put(uint8_t* p, uint32_t value, int nBytes)
{
    for (int i = 0; i < nBytes; ++i)
        p[i] = static_cast<uint8_t>(value >> (8 * i));
}

bool IsChannel(CScanDibBuilder::Format format)
{
    return format == CScanDibBuilder::Format::Red || format == CScanDibBuilder::Format::Green ||
           format == CScanDibBuilder::Format::Blue;
}

unsigned ChannelBit(CScanDibBuilder::Format format)
{
    switch (format) {
        case CScanDibBuilder::Format::Red:
            return 1;
        case CScanDibBuilder::Format::Green:
            return 2;
        case CScanDibBuilder::Format::Blue:
            return 4;
        default:
            return 0;
    }
}

}  // namespace

bool CScanDibBuilder::StartFrame(const CFrame& frame)
{
    if (m_bInFrame || m_bWhole)
        return false;
    if (frame.nPixelsPerLine <= 0 || frame.nBytesPerLine <= 0 || frame.nLines == 0)
        return false;
    if (frame.nDepth != 1 && frame.nDepth != 8 && frame.nDepth != 16)
        return false;
    const bool bChannel = IsChannel(frame.format);
    // Line art comes only as gray.
    if (frame.nDepth == 1 && frame.format != Format::Gray)
        return false;
    const uint64_t nChannels = frame.format == Format::Rgb ? 3 : 1;
    const uint64_t nNeeded = (static_cast<uint64_t>(frame.nPixelsPerLine) * nChannels * frame.nDepth + 7) / 8;
    const auto nBytesPerLine = static_cast<uint64_t>(frame.nBytesPerLine);
    if (nBytesPerLine < nNeeded || nBytesPerLine > nNeeded + kMaxLinePadding ||
        nBytesPerLine > kMaxBytesPerLine)
        return false;

    const bool bFirst = m_Dib.empty();
    if (!bFirst) {
        // Only the second and third colour of a picture sent colour by colour.
        if (!bChannel || !m_bColor || frame.nPixelsPerLine != m_nWidth ||
            (m_nChannelsDone & ChannelBit(frame.format)))
            return false;
    } else {
        const uint64_t nWidth = static_cast<uint64_t>(frame.nPixelsPerLine);
        const int nOutBpp = frame.format == Format::Gray ? (frame.nDepth == 1 ? 1 : 8) : 24;
        const uint64_t nStride = (nWidth * static_cast<uint64_t>(nOutBpp) + 31) / 32 * 4;
        const uint64_t nLines = frame.nLines > 0 ? static_cast<uint64_t>(frame.nLines) : 1;
        if (nWidth * nLines > PLBmp::kMaxPixels || nStride * nLines > kMaxImageBytes)
            return false;
        m_bColor = nOutBpp == 24;
        m_nOutBpp = nOutBpp;
        m_nWidth = frame.nPixelsPerLine;
        m_nStride = static_cast<size_t>(nStride);
        m_nHeaderBytes = kInfoHeaderSize + (m_nOutBpp == 1 ? 8 : (m_nOutBpp == 8 ? 1024 : 0));
        m_bHeightKnown = frame.nLines > 0;
        m_nHeight = m_bHeightKnown ? frame.nLines : 0;
        try {
            m_Dib.assign(m_nHeaderBytes + m_nStride * static_cast<size_t>(m_nHeight), 0);
        } catch (const std::bad_alloc&) {
            m_Dib.clear();
            return false;
        }
    }
    m_Frame = frame;
    m_bInFrame = true;
    m_nFrameRow = 0;
    m_Partial.clear();
    return true;
}

bool CScanDibBuilder::Feed(const uint8_t* data, size_t size)
{
    if (!m_bInFrame)
        return false;
    const auto nLine = static_cast<size_t>(m_Frame.nBytesPerLine);
    try {
        while (size > 0) {
            if (m_Partial.empty() && size >= nLine) {
                if (!TakeRow(data))
                    return false;
                data += nLine;
                size -= nLine;
                continue;
            }
            const size_t nTake = std::min(size, nLine - m_Partial.size());
            m_Partial.insert(m_Partial.end(), data, data + nTake);
            data += nTake;
            size -= nTake;
            if (m_Partial.size() == nLine) {
                if (!TakeRow(m_Partial.data()))
                    return false;
                m_Partial.clear();
            }
        }
    } catch (const std::bad_alloc&) {
        return false;
    }
    return true;
}

bool CScanDibBuilder::IsFrameFull() const
{
    if (!m_bInFrame)
        return false;
    if (m_nChannelsDone != 0)
        return m_nFrameRow >= m_nRowsDone;
    return m_bHeightKnown && m_nFrameRow >= m_nHeight;
}

bool CScanDibBuilder::TakeRow(const uint8_t* row)
{
    const bool bFirst = m_nChannelsDone == 0;
    const int y = m_nFrameRow;
    if (bFirst && !m_bHeightKnown) {
        const auto nRows = static_cast<uint64_t>(y) + 1;
        if (nRows * static_cast<uint64_t>(m_nWidth) > PLBmp::kMaxPixels || nRows * m_nStride > kMaxImageBytes)
            return false;
        m_Dib.resize(m_nHeaderBytes + m_nStride * static_cast<size_t>(y + 1));
        m_nHeight = y + 1;
    }
    // Lines beyond those announced (or, for the second and third colour, beyond those of the
    // first) are ignored.
    const int nLimit = bFirst ? m_nHeight : m_nRowsDone;
    if (y >= nLimit)
        return true;
    uint8_t* dest = m_Dib.data() + m_nHeaderBytes + m_nStride * static_cast<size_t>(y);
    if (m_Frame.nDepth == 1) {
        // Line art: a set bit is black, as palette entry 1.
        std::memcpy(dest, row, (static_cast<size_t>(m_nWidth) + 7) / 8);
    } else {
        const int nSamples = m_Frame.format == Format::Rgb ? 3 : 1;
        for (int x = 0; x < m_nWidth; ++x) {
            for (int c = 0; c < nSamples; ++c) {
                const size_t nIndex = static_cast<size_t>(x) * nSamples + c;
                unsigned nValue = row[nIndex];
                if (m_Frame.nDepth == 16) {
                    uint16_t nSample = 0;
                    std::memcpy(&nSample, row + 2 * nIndex, 2);
                    nValue = nSample >> 8u;
                }
                if (m_Frame.format == Format::Rgb)
                    dest[3 * static_cast<size_t>(x) + 2 - c] = static_cast<uint8_t>(nValue);
                else
                    WritePixel(dest, x, nValue);
            }
        }
    }
    ++m_nFrameRow;
    return true;
}

void CScanDibBuilder::WritePixel(uint8_t* dest, int x, unsigned nValue) const
{
    switch (m_Frame.format) {
        case Format::Gray:
            dest[x] = static_cast<uint8_t>(nValue);
            break;
        case Format::Red:
            dest[3 * static_cast<size_t>(x) + 2] = static_cast<uint8_t>(nValue);
            break;
        case Format::Green:
            dest[3 * static_cast<size_t>(x) + 1] = static_cast<uint8_t>(nValue);
            break;
        default:
            dest[3 * static_cast<size_t>(x)] = static_cast<uint8_t>(nValue);
            break;
    }
}

bool CScanDibBuilder::EndFrame()
{
    if (!m_bInFrame)
        return false;
    m_bInFrame = false;
    m_Partial.clear();
    if (m_nFrameRow == 0)
        return false;
    if (m_nChannelsDone == 0) {
        // A scanner may stop before the lines it announced (the end of a sheet).
        m_nRowsDone = std::min(m_nFrameRow, m_nHeight);
        m_Dib.resize(m_nHeaderBytes + m_nStride * static_cast<size_t>(m_nRowsDone));
    }
    if (IsChannel(m_Frame.format)) {
        m_nChannelsDone |= ChannelBit(m_Frame.format);
        m_bWhole = m_nChannelsDone == 7;
    } else {
        m_nChannelsDone = 7;
        m_bWhole = true;
    }
    return true;
}

bool CScanDibBuilder::IsComplete() const
{
    return m_bWhole && !m_bInFrame;
}

std::vector<uint8_t> CScanDibBuilder::TakeDib(double dDpi)
{
    std::vector<uint8_t> dib;
    if (IsComplete()) {
        dib.swap(m_Dib);
        // The rows were written top-down; the packed bitmap holds them bottom-up.
        uint8_t* rows = dib.data() + m_nHeaderBytes;
        for (int top = 0, bottom = m_nRowsDone - 1; top < bottom; ++top, --bottom)
            std::swap_ranges(rows + m_nStride * static_cast<size_t>(top),
                             rows + m_nStride * static_cast<size_t>(top + 1),
                             rows + m_nStride * static_cast<size_t>(bottom));
        const auto nPpm = static_cast<uint32_t>(dDpi > 0 && dDpi < 1e6 ? std::lround(dDpi / 0.0254) : 0);
        uint8_t* h = dib.data();
        Put(h, kInfoHeaderSize, 4);
        Put(h + 4, static_cast<uint32_t>(m_nWidth), 4);
        Put(h + 8, static_cast<uint32_t>(m_nRowsDone), 4);
        Put(h + 12, 1, 2);
        Put(h + 14, static_cast<uint32_t>(m_nOutBpp), 2);
        Put(h + 20, static_cast<uint32_t>(m_nStride * static_cast<size_t>(m_nRowsDone)), 4);
        Put(h + 24, nPpm, 4);
        Put(h + 28, nPpm, 4);
        uint8_t* palette = h + kInfoHeaderSize;
        if (m_nOutBpp == 1) {
            Put(palette, 0x00FFFFFF, 4);  // 0 white
            Put(palette + 4, 0, 4);       // 1 black
        } else if (m_nOutBpp == 8) {
            for (uint32_t i = 0; i < 256; ++i)
                Put(palette + 4 * i, i | (i << 8) | (i << 16), 4);
        }
    }
    *this = CScanDibBuilder();
    return dib;
}
