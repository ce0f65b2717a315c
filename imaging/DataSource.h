#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

// A bounds-checked reader over a file held in memory, for the image decoders.
// Every read that would pass the end of the data raises PLTextException
// (PL_ERREND_OF_FILE) instead of touching memory beyond it. Multi-byte values are read
// little-endian (Intel: BMP, Targa, PCX) or big-endian (Motorola: PICT, PSD) on request.
// Does not own the data; the caller keeps it alive while the source is used.
class PLDataSource {
public:
    // decoderName prefixes the end-of-file message ("Bitmap decoder: Unexpected end of file.").
    PLDataSource(const uint8_t* data, size_t size, const char* decoderName = nullptr);

    size_t GetSize() const { return m_nSize; }
    size_t GetPos() const { return m_nPos; }
    size_t GetRemaining() const { return m_nSize - m_nPos; }
    bool AtEnd() const { return m_nPos >= m_nSize; }
    const uint8_t* GetData() const { return m_pData; }

    void Seek(size_t pos);
    void Skip(size_t count);
    // Raises the end-of-file error unless count more bytes can be read. Takes 64 bits so
    // that a size computed from header fields is checked before it is narrowed to size_t.
    void Require(uint64_t count) const;

    // Inline: the run-length decoders read one byte at a time.
    uint8_t ReadByte()
    {
        if (m_nPos >= m_nSize) {
            FailEndOfFile();
        }
        return m_pData[m_nPos++];
    }
    uint8_t PeekByte() const
    {
        if (m_nPos >= m_nSize) {
            FailEndOfFile();
        }
        return m_pData[m_nPos];
    }
    uint16_t ReadLE16();
    uint32_t ReadLE32();
    uint16_t ReadBE16();
    uint32_t ReadBE32();
    int16_t ReadLE16Signed() { return static_cast<int16_t>(ReadLE16()); }
    int32_t ReadLE32Signed() { return static_cast<int32_t>(ReadLE32()); }
    int16_t ReadBE16Signed() { return static_cast<int16_t>(ReadBE16()); }
    int32_t ReadBE32Signed() { return static_cast<int32_t>(ReadBE32()); }
    // Returns a pointer to the next count bytes and moves past them.
    const uint8_t* ReadBytes(size_t count);

    // Refuses a compressed picture whose pixel count could not come out of the bytes left:
    // a few bytes of run-length data must not make us allocate gigabytes. Pictures up to
    // kSmallPicture pixels are always accepted, since a mostly empty picture may be tiny.
    void CheckCompressedPixels(uint64_t pixels, uint64_t maxPixelsPerByte) const;
    static constexpr uint64_t kSmallPicture = uint64_t(1) << 22;

    // Raises PLTextException with code and the decoder's prefix before message.
    [[noreturn]] void Fail(int code, const std::string& message) const;
    [[noreturn]] void FailEndOfFile() const;

private:
    const uint8_t* m_pData;
    size_t m_nSize;
    size_t m_nPos = 0;
    const char* m_pszDecoderName;
};
