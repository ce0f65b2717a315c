#include "imaging/DataSource.h"

#include "imaging/TextException.h"

PLDataSource::PLDataSource(const uint8_t* data, size_t size, const char* decoderName)
    : m_pData(data), m_nSize(data ? size : 0), m_pszDecoderName(decoderName)
{
}

void PLDataSource::Fail(int code, const std::string& message) const
{
    std::string text = m_pszDecoderName ? std::string(m_pszDecoderName) + ": " + message : message;
    throw PLTextException(static_cast<PLErrCode>(code), text);
}

void PLDataSource::FailEndOfFile() const
{
    Fail(PL_ERREND_OF_FILE, "Unexpected end of file.");
}

void PLDataSource::Seek(size_t pos)
{
    if (pos > m_nSize) {
        FailEndOfFile();
    }
    m_nPos = pos;
}

void PLDataSource::Skip(size_t count)
{
    Require(count);
    m_nPos += count;
}

void PLDataSource::Require(uint64_t count) const
{
    if (count > static_cast<uint64_t>(m_nSize - m_nPos)) {
        FailEndOfFile();
    }
}

uint16_t PLDataSource::ReadLE16()
{
    const uint8_t* p = ReadBytes(2);
    return static_cast<uint16_t>(p[0] | (p[1] << 8));
}

uint32_t PLDataSource::ReadLE32()
{
    const uint8_t* p = ReadBytes(4);
    return uint32_t(p[0]) | (uint32_t(p[1]) << 8) | (uint32_t(p[2]) << 16) | (uint32_t(p[3]) << 24);
}

uint16_t PLDataSource::ReadBE16()
{
    const uint8_t* p = ReadBytes(2);
    return static_cast<uint16_t>((p[0] << 8) | p[1]);
}

uint32_t PLDataSource::ReadBE32()
{
    const uint8_t* p = ReadBytes(4);
    return (uint32_t(p[0]) << 24) | (uint32_t(p[1]) << 16) | (uint32_t(p[2]) << 8) | uint32_t(p[3]);
}

const uint8_t* PLDataSource::ReadBytes(size_t count)
{
    Require(count);
    const uint8_t* p = m_pData + m_nPos;
    m_nPos += count;
    return p;
}

void PLDataSource::CheckCompressedPixels(uint64_t pixels, uint64_t maxPixelsPerByte) const
{
    if (pixels <= kSmallPicture) {
        return;
    }
    const uint64_t remaining = m_nSize - m_nPos;
    // remaining and the ratios are small enough that the product cannot overflow.
    if (pixels / maxPixelsPerByte > remaining) {
        FailEndOfFile();
    }
}
