#include "imaging/PngDecoder.h"

#include <png.h>

#include <cstring>
#include <string>

#include "imaging/Bmp.h"
#include "imaging/TextException.h"

namespace {

// Shared with libpng's callbacks through its io and error pointers.
struct PngInput {
    const uint8_t* data;
    size_t size;
    size_t pos;
    char message[200];
};

void ReadData(png_structp png, png_bytep out, size_t length)
{
    auto* input = static_cast<PngInput*>(png_get_io_ptr(png));
    if (length > input->size - input->pos) {
        png_error(png, "Unexpected end of file.");
    }
    std::memcpy(out, input->data + input->pos, length);
    input->pos += length;
}

// libpng's errors come back through longjmp to ReadPng: an exception must not cross the
// library's C frames.
void OnError(png_structp png, png_const_charp message)
{
    auto* input = static_cast<PngInput*>(png_get_error_ptr(png));
    std::strncpy(input->message, message ? message : "", sizeof(input->message) - 1);
    input->message[sizeof(input->message) - 1] = '\0';
    png_longjmp(png, 1);
}

void OnWarning(png_structp, png_const_charp) {}

int PpmToDpi(png_uint_32 ppm)
{
    return static_cast<int>(ppm * 0.0254 + 0.5);
}

// The whole libpng conversation. Holds no object with a destructor, so that the longjmp of
// an error skips nothing. Returns false after a libpng error (message in input).
bool ReadPng(png_structp png, png_infop info, PngInput& input, PLBmp& bmp)
{
    if (setjmp(png_jmpbuf(png))) {
        return false;
    }
    png_set_read_fn(png, &input, ReadData);
    // Text, colour profiles and the like play no part in the picture: libpng skips them
    // rather than inflate and store them.
    static const png_byte kIgnored[] = "iCCP\0iTXt\0sPLT\0tEXt\0zTXt\0eXIf\0";
    png_set_keep_unknown_chunks(png, PNG_HANDLE_CHUNK_NEVER, kIgnored, 6);
    png_read_info(png, info);

    png_uint_32 width = 0;
    png_uint_32 height = 0;
    int bitDepth = 0;
    int colorType = 0;
    png_get_IHDR(png, info, &width, &height, &bitDepth, &colorType, nullptr, nullptr, nullptr);

    // Inflate expands at most 1032 times, so the file must be at least that fraction of the
    // image's raw bits: a header of a few bytes announcing gigapixels is refused before
    // anything is allocated.
    const uint64_t channels = png_get_channels(png, info);
    const uint64_t rawBytes = (uint64_t(width) * channels * uint64_t(bitDepth) + 7) / 8 * uint64_t(height);
    if (rawBytes > uint64_t(1032) * input.size + 65536) {
        throw PLTextException(PL_ERRBAD_FORMAT, "PNG decoder: Image data too short for its size.");
    }
    if (uint64_t(width) * height > PLBmp::kMaxPixels) {
        throw PLTextException(PL_ERRNO_MEMORY, "PNG decoder: Image too large.");
    }

    int outBpp = 8;
    size_t outRowBytes = width;
    switch (colorType) {
        case PNG_COLOR_TYPE_PALETTE:
            if (bitDepth == 1) {
                outBpp = 1;
                outRowBytes = (width + 7) / 8;
            } else if (bitDepth < 8) {
                png_set_packing(png);
            }
            break;
        case PNG_COLOR_TYPE_GRAY:
        case PNG_COLOR_TYPE_GRAY_ALPHA:
            if (bitDepth == 1 && colorType == PNG_COLOR_TYPE_GRAY) {
                outBpp = 1;
                outRowBytes = (width + 7) / 8;
            } else if (bitDepth < 8) {
                png_set_expand_gray_1_2_4_to_8(png);
            }
            if (colorType == PNG_COLOR_TYPE_GRAY_ALPHA) {
                png_set_strip_alpha(png);
            }
            break;
        default:
            // Colour, with or without alpha: stored blue, green, red, 0xFF as the bitmap wants.
            outBpp = 32;
            outRowBytes = size_t(width) * 4;
            png_set_bgr(png);
            if (colorType & PNG_COLOR_MASK_ALPHA) {
                png_set_strip_alpha(png);
            }
            png_set_filler(png, 0xFF, PNG_FILLER_AFTER);
            break;
    }
    if (bitDepth == 16) {
        png_set_strip_16(png);
    }
    png_set_interlace_handling(png);
    png_read_update_info(png, info);
    // Rows go straight into the bitmap: the transformed row must be exactly what we expect.
    if (png_get_rowbytes(png, info) != outRowBytes) {
        throw PLTextException(PL_ERRFORMAT_NOT_SUPPORTED, "PNG decoder: Unsupported pixel format.");
    }

    bmp.Create(static_cast<int32_t>(width), static_cast<int32_t>(height), outBpp);
    if (colorType == PNG_COLOR_TYPE_PALETTE) {
        png_colorp palette = nullptr;
        int entries = 0;
        if (png_get_PLTE(png, info, &palette, &entries) == 0) {
            palette = nullptr;
        }
        for (int i = 0; palette && i < entries && i < bmp.GetPaletteEntries(); ++i) {
            bmp.SetPaletteEntry(i, palette[i].red, palette[i].green, palette[i].blue);
        }
    } else if (outBpp <= 8) {
        bmp.SetGrayPalette();
    }
    png_uint_32 resX = 0;
    png_uint_32 resY = 0;
    int unit = 0;
    if (png_get_pHYs(png, info, &resX, &resY, &unit) && unit == PNG_RESOLUTION_METER) {
        bmp.SetResolution(PpmToDpi(resX), PpmToDpi(resY));
    }

    png_read_image(png, const_cast<png_bytepp>(bmp.GetLineArray()));
    // Reading to the end checks the last CRC and the zlib checksum, so that a truncated
    // file is an error rather than a silently incomplete picture.
    png_read_end(png, nullptr);
    return true;
}

// Frees libpng's structures however ReadPng ends.
struct PngStructs {
    png_structp png = nullptr;
    png_infop info = nullptr;
    ~PngStructs() { png_destroy_read_struct(&png, info ? &info : nullptr, nullptr); }
};

}  // namespace

void PLPngDecoder::DecodeFormat(const uint8_t* data, size_t size, PLBmp& bmp)
{
    if (size < 8 || png_sig_cmp(data, 0, 8) != 0) {
        throw PLTextException(PL_ERRWRONG_SIGNATURE, "PNG decoder: Not a PNG file.");
    }
    PngInput input{data, size, 0, {0}};
    PngStructs structs;
    structs.png = png_create_read_struct(PNG_LIBPNG_VER_STRING, &input, OnError, OnWarning);
    if (!structs.png) {
        throw PLTextException(PL_ERRNO_MEMORY, "PNG decoder: Out of memory.");
    }
    structs.info = png_create_info_struct(structs.png);
    if (!structs.info) {
        throw PLTextException(PL_ERRNO_MEMORY, "PNG decoder: Out of memory.");
    }
    if (!ReadPng(structs.png, structs.info, input, bmp)) {
        throw PLTextException(PL_ERRBAD_FORMAT, std::string("PNG decoder: ") + input.message);
    }
}
