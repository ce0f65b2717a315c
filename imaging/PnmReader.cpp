#include "imaging/PnmReader.h"

#include <cstdint>

#include "imaging/Bmp.h"
#include "imaging/DataSource.h"
#include "imaging/TextException.h"

namespace {

bool IsSpace(uint8_t c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f';
}

}  // namespace

uint32_t PLPnmReader::ReadNumber(uint32_t maxValue)
{
    for (;;) {
        const uint8_t c = m_Src.PeekByte();
        if (IsSpace(c)) {
            m_Src.Skip(1);
        } else if (c == '#') {
            while (!m_Src.AtEnd() && m_Src.PeekByte() != '\n' && m_Src.PeekByte() != '\r') {
                m_Src.Skip(1);
            }
        } else {
            break;
        }
    }
    if (m_Src.PeekByte() < '0' || m_Src.PeekByte() > '9') {
        m_Src.Fail(PL_ERRBAD_FORMAT, "Number expected.");
    }
    uint64_t value = 0;
    while (!m_Src.AtEnd() && m_Src.PeekByte() >= '0' && m_Src.PeekByte() <= '9') {
        value = value * 10 + (m_Src.ReadByte() - '0');
        if (value > maxValue) {
            m_Src.Fail(PL_ERRBAD_FORMAT, "Number out of range.");
        }
    }
    return static_cast<uint32_t>(value);
}

void PLPnmReader::SkipSingleWhitespace()
{
    if (!IsSpace(m_Src.ReadByte())) {
        m_Src.Fail(PL_ERRBAD_FORMAT, "Whitespace expected after the header.");
    }
}

uint32_t PLPnmReader::ReadRawSample(uint32_t maxval)
{
    if (maxval < 256) {
        return m_Src.ReadByte();
    }
    return m_Src.ReadBE16();
}

uint8_t PLPnmReader::Scale(uint32_t sample, uint32_t maxval) const
{
    if (sample > maxval) {
        m_Src.Fail(PL_ERRBAD_FORMAT, "Sample larger than the maximum value.");
    }
    if (maxval == 255) {
        return static_cast<uint8_t>(sample);
    }
    return static_cast<uint8_t>((sample * 255u + maxval / 2) / maxval);
}

PLPnmReader::Header PLPnmReader::ReadHeader(bool plain, unsigned samplesPerPixel)
{
    Header header{};
    header.width = static_cast<int32_t>(ReadNumber(INT32_MAX));
    header.height = static_cast<int32_t>(ReadNumber(INT32_MAX));
    header.maxval = ReadNumber(65535);
    if (header.width == 0 || header.height == 0 || header.maxval == 0) {
        m_Src.Fail(PL_ERRBAD_FORMAT, "Invalid header values.");
    }
    const uint64_t pixels = static_cast<uint64_t>(header.width) * static_cast<uint64_t>(header.height);
    if (pixels > PLBmp::kMaxPixels) {
        m_Src.Fail(PL_ERRNO_MEMORY, "Image too large.");
    }
    const uint64_t samples = pixels * samplesPerPixel;
    if (plain) {
        // Each sample takes a digit and a separator, but the last one may lack the latter.
        m_Src.Require(samples * 2 - 1);
    } else {
        SkipSingleWhitespace();
        m_Src.Require(samples * (header.maxval < 256 ? 1 : 2));
    }
    return header;
}
