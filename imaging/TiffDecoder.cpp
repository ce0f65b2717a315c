#include "imaging/TiffDecoder.h"

#include <tiffio.h>

#include <algorithm>
#include <cstdarg>
#include <cstdio>
#include <cstring>
#include <new>
#include <string>
#include <vector>

#include "imaging/Bmp.h"
#include "imaging/TextException.h"

namespace {

const char kPrefix[] = "TIFF decoder: ";

// The file in memory, seen by libtiff through the client procedures below.
struct TiffInput {
    const uint8_t* data;
    uint64_t size;
    uint64_t pos;
    std::string message;  // libtiff's first error
};

tmsize_t ReadProc(thandle_t handle, void* buffer, tmsize_t count)
{
    auto* input = static_cast<TiffInput*>(handle);
    if (count <= 0 || input->pos >= input->size) {
        return 0;
    }
    const uint64_t n = std::min<uint64_t>(static_cast<uint64_t>(count), input->size - input->pos);
    std::memcpy(buffer, input->data + input->pos, static_cast<size_t>(n));
    input->pos += n;
    return static_cast<tmsize_t>(n);
}

tmsize_t WriteProc(thandle_t, void*, tmsize_t)
{
    return -1;
}

toff_t SeekProc(thandle_t handle, toff_t offset, int whence)
{
    auto* input = static_cast<TiffInput*>(handle);
    uint64_t base = 0;
    if (whence == SEEK_CUR) {
        base = input->pos;
    } else if (whence == SEEK_END) {
        base = input->size;
    }
    if (offset > UINT64_MAX - base) {
        return static_cast<toff_t>(-1);
    }
    // Positions past the end are allowed, as with a file; reads there return nothing.
    input->pos = base + offset;
    return input->pos;
}

int CloseProc(thandle_t)
{
    return 0;
}

toff_t SizeProc(thandle_t handle)
{
    return static_cast<TiffInput*>(handle)->size;
}

// Letting libtiff see the data as a mapped file spares it a copy of every raw strip.
int MapProc(thandle_t handle, void** base, toff_t* size)
{
    auto* input = static_cast<TiffInput*>(handle);
    *base = const_cast<uint8_t*>(input->data);
    *size = input->size;
    return 1;
}

void UnmapProc(thandle_t, void*, toff_t) {}

int OnError(TIFF*, void* user, const char* module, const char* format, va_list args)
{
    auto* input = static_cast<TiffInput*>(user);
    if (input->message.empty()) {
        char text[512];
        std::vsnprintf(text, sizeof(text), format, args);
        input->message = module && *module ? std::string(module) + ": " + text : std::string(text);
    }
    return 1;  // handled: nothing reaches stderr
}

int OnWarning(TIFF*, void*, const char*, const char*, va_list)
{
    return 1;
}

struct TiffCloser {
    TIFF* tif = nullptr;
    ~TiffCloser()
    {
        if (tif) {
            TIFFClose(tif);
        }
    }
};

[[noreturn]] void Fail(PLErrCode code, const std::string& message)
{
    throw PLTextException(code, kPrefix + message);
}

[[noreturn]] void FailLibrary(const TiffInput& input, const char* fallback)
{
    Fail(PL_ERRBAD_FORMAT, input.message.empty() ? std::string(fallback) : input.message);
}

[[noreturn]] void FailMemory()
{
    throw PLTextException(PL_ERRNO_MEMORY, "Out of memory allocating TIFF buffer.");
}

std::vector<uint8_t> AllocateBuffer(uint64_t bytes)
{
    if (bytes == 0 || bytes > (uint64_t(1) << 32)) {
        FailMemory();
    }
    try {
        return std::vector<uint8_t>(static_cast<size_t>(bytes));
    } catch (const std::bad_alloc&) {
        FailMemory();
    }
}

// How the samples of the file become bitmap pixels.
enum class Output { Bilevel, Index8, Rgb, Cmyk, LibraryRgba };

struct Image {
    uint32_t width = 0;
    uint32_t height = 0;
    uint16_t spp = 1;
    uint16_t bps = 1;
    uint16_t photometric = PHOTOMETRIC_MINISBLACK;
    uint16_t compression = COMPRESSION_NONE;
    uint16_t orientation = ORIENTATION_TOPLEFT;
    bool separate = false;
    bool tiled = false;
    uint32_t rowsPerStrip = 0;
    uint32_t tileWidth = 0;
    uint32_t tileLength = 0;
    Output output = Output::LibraryRgba;
};

// One decoded row: contiguous samples in plane[0], or one plane per sample.
struct RowView {
    const uint8_t* plane[4] = {nullptr, nullptr, nullptr, nullptr};
    bool separate = false;
    uint16_t spp = 1;
    uint16_t bps = 8;

    // Sample s of pixel x, reduced to 8 bits for 16-bit samples; small samples unscaled.
    unsigned Sample(uint32_t x, int s) const
    {
        const uint8_t* base = separate ? plane[s] : plane[0];
        const size_t index = separate ? x : size_t(x) * spp + size_t(s);
        switch (bps) {
            case 8:
                return base[index];
            case 16: {
                uint16_t value;  // libtiff has already put it in native byte order
                std::memcpy(&value, base + index * 2, 2);
                return value >> 8;
            }
            default: {
                const size_t bit = index * bps;
                const unsigned shift = 8u - bps - unsigned(bit & 7);
                return (base[bit >> 3] >> shift) & ((1u << bps) - 1u);
            }
        }
    }
};

Output ChooseOutput(TIFF* tif, Image& image)
{
    uint16_t sampleFormat = SAMPLEFORMAT_UINT;
    TIFFGetFieldDefaulted(tif, TIFFTAG_SAMPLEFORMAT, &sampleFormat);
    if (sampleFormat != SAMPLEFORMAT_UINT && sampleFormat != SAMPLEFORMAT_VOID) {
        return Output::LibraryRgba;
    }
    const uint16_t bps = image.bps;
    const bool lowBits = bps == 2 || bps == 4 || bps == 8;
    switch (image.photometric) {
        case PHOTOMETRIC_MINISBLACK:
        case PHOTOMETRIC_MINISWHITE:
            if (bps == 1 && image.spp == 1) {
                return Output::Bilevel;
            }
            return lowBits || bps == 16 ? Output::Index8 : Output::LibraryRgba;
        case PHOTOMETRIC_PALETTE:
            if (bps == 1 && image.spp == 1) {
                return Output::Bilevel;
            }
            return lowBits ? Output::Index8 : Output::LibraryRgba;
        case PHOTOMETRIC_RGB:
            return image.spp >= 3 && (bps == 8 || bps == 16) ? Output::Rgb : Output::LibraryRgba;
        case PHOTOMETRIC_SEPARATED: {
            uint16_t inkSet = INKSET_CMYK;
            TIFFGetFieldDefaulted(tif, TIFFTAG_INKSET, &inkSet);
            return inkSet == INKSET_CMYK && image.spp >= 4 && (bps == 8 || bps == 16) ? Output::Cmyk
                                                                                      : Output::LibraryRgba;
        }
        case PHOTOMETRIC_YCBCR:
            // libjpeg converts to RGB inside the JPEG codec, with its own upsampling.
            if (image.compression == COMPRESSION_JPEG && bps == 8 && image.spp == 3 && !image.separate) {
                TIFFSetField(tif, TIFFTAG_JPEGCOLORMODE, JPEGCOLORMODE_RGB);
                return Output::Rgb;
            }
            return Output::LibraryRgba;
        default:
            return Output::LibraryRgba;
    }
}

// Compressed data expands by a bounded factor for some schemes; a header announcing far
// more pixels than the strips could hold is refused before the bitmap is allocated.
void CheckDataSize(TIFF* tif, const Image& image, uint64_t fileSize)
{
    uint64_t ratio = 0;
    switch (image.compression) {
        case COMPRESSION_NONE:
            ratio = 1;
            break;
        case COMPRESSION_PACKBITS:
            ratio = 64;
            break;
        case COMPRESSION_JPEG:
            ratio = 1024;
            break;
        case COMPRESSION_ADOBE_DEFLATE:
        case COMPRESSION_DEFLATE:
            ratio = 1032;
            break;
        case COMPRESSION_LZW:
            ratio = 4096;
            break;
        default:
            return;  // CCITT, ZSTD, ... : no useful bound
    }
    const uint32_t striles = image.tiled ? TIFFNumberOfTiles(tif) : TIFFNumberOfStrips(tif);
    uint64_t stored = 0;
    for (uint32_t i = 0; i < striles; ++i) {
        stored += std::min<uint64_t>(TIFFGetStrileByteCount(tif, i), fileSize);
    }
    const uint64_t bits = uint64_t(image.width) * image.spp * image.bps;
    const uint64_t raw = (bits + 7) / 8 * image.height;
    // Slack for the last partial strip and the padding of uncompressed rows.
    if (raw / ratio > stored + 65536) {
        Fail(PL_ERRBAD_FORMAT, "Image data too short for its size.");
    }
}

void SetPalette(TIFF* tif, const Image& image, PLBmp& bmp)
{
    const int entries = bmp.GetPaletteEntries();
    if (image.photometric == PHOTOMETRIC_PALETTE) {
        uint16_t* red = nullptr;
        uint16_t* green = nullptr;
        uint16_t* blue = nullptr;
        if (!TIFFGetField(tif, TIFFTAG_COLORMAP, &red, &green, &blue)) {
            Fail(PL_ERRBAD_FORMAT, "Palette image without a colour map.");
        }
        const int count = std::min(entries, 1 << image.bps);
        // Some old writers stored 8-bit values in the 16-bit colour map.
        bool eightBit = true;
        for (int i = 0; i < count; ++i) {
            if (red[i] >= 256 || green[i] >= 256 || blue[i] >= 256) {
                eightBit = false;
            }
        }
        const int shift = eightBit ? 0 : 8;
        for (int i = 0; i < count; ++i) {
            bmp.SetPaletteEntry(i, static_cast<uint8_t>(red[i] >> shift),
                                static_cast<uint8_t>(green[i] >> shift),
                                static_cast<uint8_t>(blue[i] >> shift));
        }
        return;
    }
    // Grey: the levels of the sample size (16-bit samples arrive as their high byte).
    const int levels = image.bps >= 8 ? 256 : 1 << image.bps;
    for (int i = 0; i < levels && i < entries; ++i) {
        int level = i * 255 / (levels - 1);
        if (image.photometric == PHOTOMETRIC_MINISWHITE) {
            level = 255 - level;
        }
        const auto v = static_cast<uint8_t>(level);
        bmp.SetPaletteEntry(i, v, v, v);
    }
}

void ConvertRow(const RowView& row, const Image& image, uint8_t* out)
{
    const uint32_t width = image.width;
    switch (image.output) {
        case Output::Bilevel:
            std::memcpy(out, row.plane[0], (size_t(width) + 7) / 8);
            break;
        case Output::Index8:
            if (row.bps == 8 && (row.spp == 1 || row.separate)) {
                std::memcpy(out, row.plane[0], width);
            } else {
                for (uint32_t x = 0; x < width; ++x) {
                    out[x] = static_cast<uint8_t>(row.Sample(x, 0));
                }
            }
            break;
        case Output::Rgb:
            if (row.bps == 8 && !row.separate) {
                const uint8_t* in = row.plane[0];
                const size_t step = row.spp;
                for (uint32_t x = 0; x < width; ++x, in += step, out += 4) {
                    out[0] = in[2];
                    out[1] = in[1];
                    out[2] = in[0];
                    out[3] = 0xFF;
                }
            } else {
                for (uint32_t x = 0; x < width; ++x, out += 4) {
                    out[0] = static_cast<uint8_t>(row.Sample(x, 2));
                    out[1] = static_cast<uint8_t>(row.Sample(x, 1));
                    out[2] = static_cast<uint8_t>(row.Sample(x, 0));
                    out[3] = 0xFF;
                }
            }
            break;
        case Output::Cmyk:
            for (uint32_t x = 0; x < width; ++x, out += 4) {
                const unsigned k = 255 - row.Sample(x, 3);
                out[0] = static_cast<uint8_t>(((255 - row.Sample(x, 2)) * k + 127) / 255);
                out[1] = static_cast<uint8_t>(((255 - row.Sample(x, 1)) * k + 127) / 255);
                out[2] = static_cast<uint8_t>(((255 - row.Sample(x, 0)) * k + 127) / 255);
                out[3] = 0xFF;
            }
            break;
        case Output::LibraryRgba:
            break;
    }
}

// Reads the image a strip or a row of tiles at a time and hands each row to ConvertRow.
// Contiguous strips go scanline by scanline, so that a file stored as one huge strip
// needs no strip-sized buffer.
void ReadRows(TIFF* tif, const Image& image, const TiffInput& input, PLBmp& bmp)
{
    const int planes = image.separate ? image.spp : 1;
    const uint64_t rowBytes = TIFFScanlineSize64(tif);
    const uint64_t bitsPerPixel = uint64_t(image.separate ? 1 : image.spp) * image.bps;
    if (rowBytes == 0 || rowBytes != (uint64_t(image.width) * bitsPerPixel + 7) / 8) {
        Fail(PL_ERRFORMAT_NOT_SUPPORTED, "Unsupported sample layout.");
    }
    RowView view;
    view.separate = image.separate;
    view.spp = image.spp;
    view.bps = image.bps;

    if (!image.tiled && !image.separate) {
        std::vector<uint8_t> row = AllocateBuffer(rowBytes);
        view.plane[0] = row.data();
        for (uint32_t y = 0; y < image.height; ++y) {
            if (TIFFReadScanline(tif, row.data(), y, 0) < 0) {
                FailLibrary(input, "Read error.");
            }
            ConvertRow(view, image, bmp.GetRow(static_cast<int32_t>(y)));
        }
        return;
    }

    // Bands of whole strips or tile rows, one buffer per plane.
    const uint32_t bandRows = std::min(image.tiled ? image.tileLength : image.rowsPerStrip, image.height);
    if (bandRows == 0) {
        Fail(PL_ERRBAD_FORMAT, "Bad strip or tile size.");
    }
    const uint64_t planeBytes = rowBytes * bandRows;
    std::vector<uint8_t> bands[4];
    for (int s = 0; s < planes && s < 4; ++s) {
        bands[s] = AllocateBuffer(planeBytes);
        view.plane[s] = bands[s].data();
    }
    std::vector<uint8_t> tile;
    uint64_t tileRowBytes = 0;
    uint32_t tilesAcross = 0;
    if (image.tiled) {
        tileRowBytes = TIFFTileRowSize64(tif);
        const uint64_t tileBytes = TIFFTileSize64(tif);
        if (tileRowBytes == 0 || tileRowBytes * 8 != uint64_t(image.tileWidth) * bitsPerPixel ||
            tileBytes < tileRowBytes * image.tileLength) {
            Fail(PL_ERRFORMAT_NOT_SUPPORTED, "Unsupported tile layout.");
        }
        tile = AllocateBuffer(tileBytes);
        tilesAcross = (image.width + image.tileWidth - 1) / image.tileWidth;
    }

    for (uint32_t y0 = 0; y0 < image.height; y0 += bandRows) {
        const uint32_t rows = std::min(bandRows, image.height - y0);
        for (int s = 0; s < planes && s < 4; ++s) {
            const auto sample = static_cast<uint16_t>(s);
            if (!image.tiled) {
                const tmsize_t wanted = static_cast<tmsize_t>(rowBytes * rows);
                if (TIFFReadEncodedStrip(tif, TIFFComputeStrip(tif, y0, sample), bands[s].data(), wanted) <
                    wanted) {
                    FailLibrary(input, "Read error on strip.");
                }
                continue;
            }
            for (uint32_t tx = 0; tx < tilesAcross; ++tx) {
                const uint32_t index = TIFFComputeTile(tif, tx * image.tileWidth, y0, 0, sample);
                if (TIFFReadEncodedTile(tif, index, tile.data(), static_cast<tmsize_t>(tile.size())) < 0) {
                    FailLibrary(input, "Read error on tile.");
                }
                const uint64_t offset = tx * tileRowBytes;
                const size_t bytes = static_cast<size_t>(std::min(tileRowBytes, rowBytes - offset));
                for (uint32_t r = 0; r < rows; ++r) {
                    std::memcpy(bands[s].data() + r * rowBytes + offset, tile.data() + r * tileRowBytes,
                                bytes);
                }
            }
        }
        for (uint32_t r = 0; r < rows; ++r) {
            for (int s = 0; s < planes && s < 4; ++s) {
                view.plane[s] = bands[s].data() + r * rowBytes;
            }
            ConvertRow(view, image, bmp.GetRow(static_cast<int32_t>(y0 + r)));
        }
    }
}

// Every photometric libtiff knows (YCbCr, CIE L*a*b*, LogLuv, odd sample sizes), through
// its RGBA interface, a strip or tile row at a time, straight into the 32-bit bitmap.
void ReadThroughLibrary(TIFF* tif, const Image& image, const TiffInput& input, PLBmp& bmp)
{
    char message[1024] = "";
    if (!TIFFRGBAImageOK(tif, message)) {
        Fail(PL_ERRFORMAT_NOT_SUPPORTED, message);
    }
    TIFFRGBAImage rgba;
    if (!TIFFRGBAImageBegin(&rgba, tif, 0, message)) {
        Fail(PL_ERRFORMAT_NOT_SUPPORTED, message);
    }
    struct Ender {
        TIFFRGBAImage* image;
        ~Ender() { TIFFRGBAImageEnd(image); }
    } ender{&rgba};
    // Rows in file order; the orientation is applied afterwards like for the other paths.
    rgba.req_orientation = rgba.orientation;

    bmp.Create(static_cast<int32_t>(image.width), static_cast<int32_t>(image.height), 32);
    if (bmp.GetStride() != size_t(image.width) * 4) {
        Fail(PL_ERRINTERNAL, "Unexpected bitmap layout.");
    }
    uint32_t bandRows = image.tiled ? image.tileLength : image.rowsPerStrip;
    bandRows = std::max<uint32_t>(1, std::min(bandRows, image.height));
    for (uint32_t y0 = 0; y0 < image.height; y0 += bandRows) {
        const uint32_t rows = std::min(bandRows, image.height - y0);
        rgba.row_offset = static_cast<int>(y0);
        rgba.col_offset = 0;
        auto* raster = reinterpret_cast<uint32_t*>(bmp.GetRow(static_cast<int32_t>(y0)));
        if (!TIFFRGBAImageGet(&rgba, raster, image.width, rows)) {
            FailLibrary(input, "Read error.");
        }
        // libtiff's words are 0xAABBGGRR: red first in memory. Alpha is dropped.
        for (uint32_t r = 0; r < rows; ++r) {
            uint8_t* p = bmp.GetRow(static_cast<int32_t>(y0 + r));
            for (uint32_t x = 0; x < image.width; ++x, p += 4) {
                std::swap(p[0], p[2]);
                p[3] = 0xFF;
            }
        }
    }
}

void MirrorRows(PLBmp& bmp)
{
    const int32_t width = bmp.GetWidth();
    for (int32_t y = 0; y < bmp.GetHeight(); ++y) {
        uint8_t* row = bmp.GetRow(y);
        switch (bmp.GetBitsPerPixel()) {
            case 32:
                for (int32_t a = 0, b = width - 1; a < b; ++a, --b) {
                    std::swap_ranges(row + size_t(a) * 4, row + size_t(a) * 4 + 4, row + size_t(b) * 4);
                }
                break;
            case 8:
                std::reverse(row, row + width);
                break;
            default:
                for (int32_t a = 0, b = width - 1; a < b; ++a, --b) {
                    const unsigned bitA = (row[a >> 3] >> (7 - (a & 7))) & 1u;
                    const unsigned bitB = (row[b >> 3] >> (7 - (b & 7))) & 1u;
                    if (bitA != bitB) {
                        row[a >> 3] ^= static_cast<uint8_t>(0x80u >> (a & 7));
                        row[b >> 3] ^= static_cast<uint8_t>(0x80u >> (b & 7));
                    }
                }
                break;
        }
    }
}

void FlipRows(PLBmp& bmp)
{
    for (int32_t a = 0, b = bmp.GetHeight() - 1; a < b; ++a, --b) {
        std::swap_ranges(bmp.GetRow(a), bmp.GetRow(a) + bmp.GetStride(), bmp.GetRow(b));
    }
}

// Orientations 5 to 8 swap rows and columns; they are rare and left as stored.
void ApplyOrientation(uint16_t orientation, PLBmp& bmp)
{
    if (orientation == ORIENTATION_TOPRIGHT || orientation == ORIENTATION_BOTRIGHT) {
        MirrorRows(bmp);
    }
    if (orientation == ORIENTATION_BOTRIGHT || orientation == ORIENTATION_BOTLEFT) {
        FlipRows(bmp);
    }
}

int ResolutionToDpi(float value, uint16_t unit)
{
    if (!(value > 0 && value < 1e6f)) {
        return 0;
    }
    if (unit == RESUNIT_CENTIMETER) {
        value *= 2.54f;
    } else if (unit != RESUNIT_INCH) {
        return 0;
    }
    return static_cast<int>(value + 0.5f);
}

Image ReadImageFields(TIFF* tif, const TiffInput& input)
{
    Image image;
    if (!TIFFGetField(tif, TIFFTAG_IMAGEWIDTH, &image.width) ||
        !TIFFGetField(tif, TIFFTAG_IMAGELENGTH, &image.height) || image.width == 0 || image.height == 0) {
        FailLibrary(input, "Missing image size.");
    }
    if (uint64_t(image.width) * image.height > PLBmp::kMaxPixels) {
        Fail(PL_ERRNO_MEMORY, "Image too large.");
    }
    TIFFGetFieldDefaulted(tif, TIFFTAG_SAMPLESPERPIXEL, &image.spp);
    TIFFGetFieldDefaulted(tif, TIFFTAG_BITSPERSAMPLE, &image.bps);
    TIFFGetFieldDefaulted(tif, TIFFTAG_COMPRESSION, &image.compression);
    TIFFGetFieldDefaulted(tif, TIFFTAG_ORIENTATION, &image.orientation);
    if (!TIFFGetField(tif, TIFFTAG_PHOTOMETRIC, &image.photometric)) {
        image.photometric = image.spp >= 3 ? PHOTOMETRIC_RGB : PHOTOMETRIC_MINISBLACK;
    }
    uint16_t planar = PLANARCONFIG_CONTIG;
    TIFFGetFieldDefaulted(tif, TIFFTAG_PLANARCONFIG, &planar);
    image.separate = planar == PLANARCONFIG_SEPARATE && image.spp > 1;
    image.tiled = TIFFIsTiled(tif) != 0;
    if (image.tiled) {
        if (!TIFFGetField(tif, TIFFTAG_TILEWIDTH, &image.tileWidth) ||
            !TIFFGetField(tif, TIFFTAG_TILELENGTH, &image.tileLength) || image.tileWidth == 0 ||
            image.tileLength == 0) {
            Fail(PL_ERRBAD_FORMAT, "Bad tile size.");
        }
    } else {
        TIFFGetFieldDefaulted(tif, TIFFTAG_ROWSPERSTRIP, &image.rowsPerStrip);
        image.rowsPerStrip = std::max<uint32_t>(1, std::min(image.rowsPerStrip, image.height));
    }
    if (image.spp == 0 || image.bps == 0) {
        Fail(PL_ERRBAD_FORMAT, "Bad sample layout.");
    }
    image.output = ChooseOutput(tif, image);
    if (image.output != Output::LibraryRgba && image.separate && image.spp > 4) {
        image.output = Output::LibraryRgba;
    }
    return image;
}

}  // namespace

void PLTiffDecoder::DecodeFormat(const uint8_t* data, size_t size, PLBmp& bmp)
{
    if (size < 8 || !((data[0] == 'I' && data[1] == 'I') || (data[0] == 'M' && data[1] == 'M'))) {
        throw PLTextException(PL_ERRWRONG_SIGNATURE, "TIFF decoder: Not a TIFF file.");
    }
    TiffInput input{data, size, 0, std::string()};
    TIFFOpenOptions* options = TIFFOpenOptionsAlloc();
    if (!options) {
        FailMemory();
    }
    TIFFOpenOptionsSetErrorHandlerExtR(options, OnError, &input);
    TIFFOpenOptionsSetWarningHandlerExtR(options, OnWarning, &input);
    TIFFOpenOptionsSetMaxSingleMemAlloc(options, tmsize_t(1) << 31);
    TiffCloser closer;
    closer.tif = TIFFClientOpenExt("memory", "r", &input, ReadProc, WriteProc, SeekProc, CloseProc, SizeProc,
                                   MapProc, UnmapProc, options);
    TIFFOpenOptionsFree(options);
    if (!closer.tif) {
        FailLibrary(input, "Cannot open the file.");
    }
    TIFF* tif = closer.tif;
    const Image image = ReadImageFields(tif, input);
    CheckDataSize(tif, image, size);
    if (image.output == Output::LibraryRgba) {
        ReadThroughLibrary(tif, image, input, bmp);
    } else {
        const int bpp = image.output == Output::Bilevel ? 1 : image.output == Output::Index8 ? 8 : 32;
        bmp.Create(static_cast<int32_t>(image.width), static_cast<int32_t>(image.height), bpp);
        if (bpp <= 8) {
            SetPalette(tif, image, bmp);
        }
        ReadRows(tif, image, input, bmp);
    }
    ApplyOrientation(image.orientation, bmp);
    float resX = 0;
    float resY = 0;
    uint16_t unit = RESUNIT_INCH;
    TIFFGetFieldDefaulted(tif, TIFFTAG_RESOLUTIONUNIT, &unit);
    if (TIFFGetField(tif, TIFFTAG_XRESOLUTION, &resX) && TIFFGetField(tif, TIFFTAG_YRESOLUTION, &resY)) {
        bmp.SetResolution(ResolutionToDpi(resX, unit), ResolutionToDpi(resY, unit));
    }
}
