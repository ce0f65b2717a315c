#include "imaging/GifDecoder.h"

#include <gif_lib.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "imaging/Bmp.h"
#include "imaging/TextException.h"

namespace {

struct GifInput {
    const uint8_t* data;
    size_t size;
    size_t pos;
};

// giflib treats a short read as the error it is.
int ReadData(GifFileType* gif, GifByteType* out, int count)
{
    auto* input = static_cast<GifInput*>(gif->UserData);
    if (count <= 0) {
        return 0;
    }
    const size_t n = std::min(static_cast<size_t>(count), input->size - input->pos);
    std::memcpy(out, input->data + input->pos, n);
    input->pos += n;
    return static_cast<int>(n);
}

[[noreturn]] void Fail(PLErrCode code, const std::string& message)
{
    throw PLTextException(code, "GIF decoder: " + message);
}

[[noreturn]] void FailLibrary(int error)
{
    const char* text = GifErrorString(error);
    Fail(PL_ERRBAD_FORMAT, text ? text : "Decoding error.");
}

struct GifCloser {
    GifFileType* gif;
    ~GifCloser()
    {
        int error = 0;
        DGifCloseFile(gif, &error);
    }
};

// Skips extensions (comments, graphic control, application blocks) up to the first image.
void SkipToFirstImage(GifFileType* gif)
{
    for (;;) {
        GifRecordType type = UNDEFINED_RECORD_TYPE;
        if (DGifGetRecordType(gif, &type) == GIF_ERROR) {
            FailLibrary(gif->Error);
        }
        if (type == IMAGE_DESC_RECORD_TYPE) {
            if (DGifGetImageDesc(gif) == GIF_ERROR) {
                FailLibrary(gif->Error);
            }
            return;
        }
        if (type != EXTENSION_RECORD_TYPE) {
            Fail(PL_ERRBAD_FORMAT, "No image in the file.");
        }
        int code = 0;
        GifByteType* block = nullptr;
        if (DGifGetExtension(gif, &code, &block) == GIF_ERROR) {
            FailLibrary(gif->Error);
        }
        while (block) {
            if (DGifGetExtensionNext(gif, &block) == GIF_ERROR) {
                FailLibrary(gif->Error);
            }
        }
    }
}

// Where the image's rows and columns land on the bitmap.
struct Placement {
    uint32_t canvasWidth;
    uint32_t canvasHeight;
    uint32_t left;
    uint32_t top;
};

Placement PlaceImage(const GifFileType* gif, size_t fileSize)
{
    const GifImageDesc& desc = gif->Image;
    if (desc.Width <= 0 || desc.Height <= 0 || desc.Left < 0 || desc.Top < 0) {
        Fail(PL_ERRBAD_FORMAT, "Bad image size.");
    }
    const uint64_t pixels = uint64_t(desc.Width) * uint64_t(desc.Height);
    // An LZW code of at most 12 bits stands for at most 4096 pixels: an image far larger
    // than its data could describe is refused before anything is allocated.
    if (pixels > uint64_t(4096) * fileSize + (uint64_t(1) << 20)) {
        Fail(PL_ERRBAD_FORMAT, "Image data too short for its size.");
    }
    Placement place;
    place.left = static_cast<uint32_t>(desc.Left);
    place.top = static_cast<uint32_t>(desc.Top);
    place.canvasWidth =
        std::max<uint32_t>(gif->SWidth > 0 ? uint32_t(gif->SWidth) : 0, place.left + uint32_t(desc.Width));
    place.canvasHeight =
        std::max<uint32_t>(gif->SHeight > 0 ? uint32_t(gif->SHeight) : 0, place.top + uint32_t(desc.Height));
    // A screen that dwarfs its only image is no picture anyone drew; it would only cost
    // memory. Such an image is shown on its own.
    const uint64_t canvasPixels = uint64_t(place.canvasWidth) * place.canvasHeight;
    if (canvasPixels > 4 * pixels + (uint64_t(1) << 24)) {
        place = Placement{uint32_t(desc.Width), uint32_t(desc.Height), 0, 0};
    }
    return place;
}

void PutRow(PLBmp& bmp, int bpp, uint32_t y, uint32_t left, const std::vector<GifPixelType>& line)
{
    if (y >= static_cast<uint32_t>(bmp.GetHeight()) || left >= static_cast<uint32_t>(bmp.GetWidth())) {
        return;
    }
    const size_t count = std::min<size_t>(line.size(), size_t(bmp.GetWidth()) - left);
    uint8_t* row = bmp.GetRow(static_cast<int32_t>(y));
    if (bpp == 8) {
        std::memcpy(row + left, line.data(), count);
        return;
    }
    for (size_t i = 0; i < count; ++i) {
        const size_t x = left + i;
        const auto mask = static_cast<uint8_t>(0x80u >> (x & 7));
        if (line[i] & 1) {
            row[x >> 3] |= mask;
        } else {
            row[x >> 3] &= static_cast<uint8_t>(~mask);
        }
    }
}

void Render(GifFileType* gif, const Placement& place, PLBmp& bmp)
{
    const GifImageDesc& desc = gif->Image;
    const ColorMapObject* map = desc.ColorMap ? desc.ColorMap : gif->SColorMap;
    const int colors = map ? map->ColorCount : 0;
    const int bpp = colors > 0 && colors <= 2 ? 1 : 8;

    bmp.Create(static_cast<int32_t>(place.canvasWidth), static_cast<int32_t>(place.canvasHeight), bpp);
    if (map) {
        for (int i = 0; i < colors && i < bmp.GetPaletteEntries(); ++i) {
            bmp.SetPaletteEntry(i, map->Colors[i].Red, map->Colors[i].Green, map->Colors[i].Blue);
        }
    } else {
        bmp.SetGrayPalette();
    }
    const int background =
        gif->SBackGroundColor >= 0 && gif->SBackGroundColor < std::max(colors, 1) ? gif->SBackGroundColor : 0;
    if (background != 0 &&
        (place.canvasWidth != uint32_t(desc.Width) || place.canvasHeight != uint32_t(desc.Height))) {
        const uint8_t fill = bpp == 8 ? static_cast<uint8_t>(background) : 0xFF;
        std::memset(bmp.GetBits(), fill, bmp.GetStride() * static_cast<size_t>(bmp.GetHeight()));
    }

    std::vector<GifPixelType> line(static_cast<size_t>(desc.Width));
    const auto height = static_cast<uint32_t>(desc.Height);
    // Interlaced images come in four passes: every 8th row from 0, every 8th from 4, every
    // 4th from 2, every 2nd from 1.
    static const uint32_t kStart[] = {0, 4, 2, 1};
    static const uint32_t kStep[] = {8, 8, 4, 2};
    const int passes = desc.Interlace ? 4 : 1;
    for (int pass = 0; pass < passes; ++pass) {
        const uint32_t start = desc.Interlace ? kStart[pass] : 0;
        const uint32_t step = desc.Interlace ? kStep[pass] : 1;
        for (uint32_t y = start; y < height; y += step) {
            if (DGifGetLine(gif, line.data(), desc.Width) == GIF_ERROR) {
                FailLibrary(gif->Error);
            }
            PutRow(bmp, bpp, place.top + y, place.left, line);
        }
    }
}

}  // namespace

void PLGifDecoder::DecodeFormat(const uint8_t* data, size_t size, PLBmp& bmp)
{
    if (size < 6 || std::memcmp(data, "GIF8", 4) != 0) {
        throw PLTextException(PL_ERRWRONG_SIGNATURE, "GIF decoder: Not a GIF file.");
    }
    GifInput input{data, size, 0};
    int error = 0;
    GifFileType* gif = DGifOpen(&input, ReadData, &error);
    if (!gif) {
        FailLibrary(error);
    }
    GifCloser closer{gif};
    SkipToFirstImage(gif);
    const Placement place = PlaceImage(gif, size);
    Render(gif, place, bmp);
}
