#include "imaging/EpsTiffDecoder.h"

#include "imaging/Bmp.h"
#include "imaging/TextException.h"
#include "imaging/TiffDecoder.h"

namespace {

uint32_t ReadLE32(const uint8_t* p)
{
    return uint32_t(p[0]) | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16 | uint32_t(p[3]) << 24;
}

const size_t kPreviewOffsetAt = 20;
const size_t kPreviewLengthAt = 24;

}  // namespace

bool PLEpsTiffDecoder::HasTiffPreview(const uint8_t* data, size_t size)
{
    if (size < kPreviewLengthAt + 4) {
        return false;
    }
    const bool magic = (data[0] == 0xC5 && data[1] == 0xD0 && data[2] == 0xD3 && data[3] == 0xC6) ||
                       (data[0] == 0xC6 && data[1] == 0xD3 && data[2] == 0xD0 && data[3] == 0xC5);
    return magic && ReadLE32(data + kPreviewOffsetAt) != 0 && ReadLE32(data + kPreviewLengthAt) != 0;
}

void PLEpsTiffDecoder::DecodeFormat(const uint8_t* data, size_t size, PLBmp& bmp)
{
    if (!HasTiffPreview(data, size)) {
        throw PLTextException(PL_ERRWRONG_SIGNATURE, "EPS decoder: No TIFF preview in the file.");
    }
    const uint64_t offset = ReadLE32(data + kPreviewOffsetAt);
    const uint64_t length = ReadLE32(data + kPreviewLengthAt);
    if (offset > size || length > size - offset) {
        throw PLTextException(PL_ERREND_OF_FILE, "EPS decoder: TIFF preview beyond the end of the file.");
    }
    PLTiffDecoder().Decode(data + offset, static_cast<size_t>(length), bmp);
}
