#include "imaging/JpegDecoder.h"

#include <csetjmp>
#include <cstdio>
#include <cstring>
#include <string>

#include <jerror.h>
#include <jpeglib.h>

#include "imaging/Bmp.h"
#include "imaging/TextException.h"
#include "platform/StringIds.h"
#include "platform/StringTable.h"

namespace {

// A progressive file is decoded once per scan; a few kilobytes of empty scans over a large
// picture would keep us busy for minutes. Real files have about ten scans.
const int kMaxScans = 1000;
// Ceiling of libjpeg's own buffers (the coefficients of a progressive file): above the
// needs of a 300-megapixel progressive photograph.
const long kMaxLibraryMemory = 2047L * 1024 * 1024;

struct JpegError {
    jpeg_error_mgr pub;
    jmp_buf jump;
    char message[JMSG_LENGTH_MAX];
};

// libjpeg cannot return an error: it calls error_exit, which must not come back. We jump
// back to ReadJpeg, because an exception must not cross the library's C frames.
[[noreturn]] void OnErrorExit(j_common_ptr cinfo)
{
    auto* error = reinterpret_cast<JpegError*>(cinfo->err);
    (*cinfo->err->format_message)(cinfo, error->message);
    std::longjmp(error->jump, 1);
}

// Warnings are silent, except the end of the data before the last row: libjpeg would fill
// the rest of the picture with grey, and a truncated file must be an error.
void OnEmitMessage(j_common_ptr cinfo, int level)
{
    if (level < 0 && cinfo->err->msg_code == JWRN_JPEG_EOF) {
        OnErrorExit(cinfo);
    }
}

void OnOutputMessage(j_common_ptr) {}

void OnProgress(j_common_ptr cinfo)
{
    if (cinfo->is_decompressor && reinterpret_cast<j_decompress_ptr>(cinfo)->input_scan_number > kMaxScans) {
        auto* error = reinterpret_cast<JpegError*>(cinfo->err);
        std::snprintf(error->message, sizeof(error->message), "Too many scans.");
        std::longjmp(error->jump, 1);
    }
}

// Everything libjpeg needs, without constructors or destructors, so that a longjmp skips
// nothing.
struct JpegState {
    jpeg_decompress_struct cinfo;
    JpegError error;
    jpeg_progress_mgr progress;
};

// Converts a row of CMYK bytes to blue, green, red, 0xFF in place. Adobe's files store
// the inks inverted (255 is no ink), which is how most CMYK JPEGs come.
void CmykRowToBgra(uint8_t* row, uint32_t width, bool inverted)
{
    for (uint32_t x = 0; x < width; ++x) {
        uint8_t* p = row + size_t(x) * 4;
        unsigned c = p[0], m = p[1], y = p[2], k = p[3];
        if (!inverted) {
            c = 255 - c;
            m = 255 - m;
            y = 255 - y;
            k = 255 - k;
        }
        p[0] = static_cast<uint8_t>((y * k + 127) / 255);
        p[1] = static_cast<uint8_t>((m * k + 127) / 255);
        p[2] = static_cast<uint8_t>((c * k + 127) / 255);
        p[3] = 0xFF;
    }
}

void CheckHeader(const jpeg_decompress_struct& cinfo, size_t size)
{
    if (uint64_t(cinfo.image_width) * cinfo.image_height > PLBmp::kMaxPixels) {
        throw PLTextException(PL_ERRNO_MEMORY, CStringTable::Get(IDS_PICTURE_TOO_LARGE));
    }
    if (cinfo.progressive_mode || cinfo.arith_code) {
        return;
    }
    // A sequential Huffman-coded file spends at least two bits on every 8x8 block of every
    // component (a DC code and an end-of-block code), so a header announcing far more
    // blocks than the file could hold is refused before the bitmap is allocated.
    uint64_t blocks = 0;
    for (int i = 0; i < cinfo.num_components; ++i) {
        blocks += uint64_t(cinfo.comp_info[i].width_in_blocks) * cinfo.comp_info[i].height_in_blocks;
    }
    if (blocks > uint64_t(4) * size + 4096) {
        throw PLTextException(PL_ERRBAD_FORMAT, "JPEG decoder: Image data too short for its size.");
    }
}

int DensityToDpi(int unit, int density)
{
    if (unit == 1) {
        return density;
    }
    if (unit == 2) {
        return static_cast<int>(density * 2.54 + 0.5);
    }
    return 0;
}

// The whole libjpeg conversation; returns false after a libjpeg error (message in state).
bool ReadJpeg(JpegState& state, const uint8_t* data, size_t size, PLBmp& bmp)
{
    jpeg_decompress_struct& cinfo = state.cinfo;
    if (setjmp(state.error.jump)) {
        return false;
    }
    jpeg_create_decompress(&cinfo);
    cinfo.progress = &state.progress;
    cinfo.mem->max_memory_to_use = kMaxLibraryMemory;
    jpeg_mem_src(&cinfo, data, static_cast<unsigned long>(size));
    jpeg_read_header(&cinfo, TRUE);
    CheckHeader(cinfo, size);

    int bpp = 32;
    int components = 4;
    bool cmyk = false;
    if (cinfo.jpeg_color_space == JCS_GRAYSCALE) {
        cinfo.out_color_space = JCS_GRAYSCALE;
        bpp = 8;
        components = 1;
    } else if (cinfo.jpeg_color_space == JCS_CMYK || cinfo.jpeg_color_space == JCS_YCCK) {
        cinfo.out_color_space = JCS_CMYK;
        cmyk = true;
    } else {
        cinfo.out_color_space = JCS_EXT_BGRA;
    }
    // A progressive file is read whole here, so its truncation fails before the bitmap
    // exists.
    jpeg_start_decompress(&cinfo);
    if (cinfo.output_components != components || cinfo.output_width != cinfo.image_width ||
        cinfo.output_height != cinfo.image_height) {
        throw PLTextException(PL_ERRFORMAT_NOT_SUPPORTED, "JPEG decoder: Unsupported pixel format.");
    }

    bmp.Create(static_cast<int32_t>(cinfo.output_width), static_cast<int32_t>(cinfo.output_height), bpp);
    if (bpp == 8) {
        bmp.SetGrayPalette();
    }
    const int dpiX = DensityToDpi(cinfo.density_unit, cinfo.X_density);
    const int dpiY = DensityToDpi(cinfo.density_unit, cinfo.Y_density);
    bmp.SetResolution(dpiX, dpiY);

    auto rows = const_cast<JSAMPARRAY>(bmp.GetLineArray());
    while (cinfo.output_scanline < cinfo.output_height) {
        const JDIMENSION first = cinfo.output_scanline;
        const JDIMENSION wanted = cinfo.output_height - first < 16 ? cinfo.output_height - first : 16;
        const JDIMENSION got = jpeg_read_scanlines(&cinfo, rows + first, wanted);
        if (got == 0) {
            throw PLTextException(PL_ERRBAD_FORMAT, "JPEG decoder: Decoding stalled.");
        }
        if (cmyk) {
            for (JDIMENSION y = first; y < first + got; ++y) {
                CmykRowToBgra(rows[y], cinfo.output_width, cinfo.saw_Adobe_marker);
            }
        }
    }
    // The rest of the file (the EOI marker, trailing bytes) is not read: a picture whose
    // rows are all there is accepted without its end marker.
    return true;
}

}  // namespace

void PLJpegDecoder::DecodeFormat(const uint8_t* data, size_t size, PLBmp& bmp)
{
    if (size < 3 || data[0] != 0xFF || data[1] != 0xD8) {
        throw PLTextException(PL_ERRWRONG_SIGNATURE, "JPEG decoder: Not a JPEG file.");
    }
    JpegState state;
    std::memset(&state, 0, sizeof(state));
    state.cinfo.err = jpeg_std_error(&state.error.pub);
    state.error.pub.error_exit = OnErrorExit;
    state.error.pub.emit_message = OnEmitMessage;
    state.error.pub.output_message = OnOutputMessage;
    state.progress.progress_monitor = OnProgress;

    struct Destroyer {
        jpeg_decompress_struct* cinfo;
        ~Destroyer() { jpeg_destroy_decompress(cinfo); }
    } destroyer{&state.cinfo};

    if (!ReadJpeg(state, data, size, bmp)) {
        // Past its memory budget libjpeg asks for a backing store that this build of it does
        // not have: the picture is simply too large for the memory it may take.
        if (state.error.pub.msg_code == JERR_NO_BACKING_STORE ||
            state.error.pub.msg_code == JERR_OUT_OF_MEMORY)
            throw PLTextException(PL_ERRNO_MEMORY, CStringTable::Get(IDS_PICTURE_TOO_LARGE));
        throw PLTextException(PL_ERRBAD_FORMAT, std::string("JPEG decoder: ") + state.error.message);
    }
}
