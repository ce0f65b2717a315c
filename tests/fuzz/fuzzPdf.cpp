// Feeds arbitrary bytes to the PDF decoder: the first byte picks the page (1 to 4), the
// rest is the file, drawn at 30 dpi and described page by page. Every failure must be the
// image layer's error. The drawing program gets half a second of processor time, 4 seconds
// in all and 512 MB, well within the fuzzer's own limits (10 seconds, 2 GB), so that a page
// that passes them is refused, not a fault.
#include <cstddef>
#include <cstdint>

#include "imaging/Bmp.h"
#include "imaging/PdfDecoder.h"
#include "imaging/TextException.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size == 0)
        return 0;
    try {
        PLPdfDecoder::ReadPageSizes(data + 1, size - 1);
    } catch (const PLTextException&) {
    }
    PLPdfDecoder decoder(data[0] % 4 + 1, PLPdfDecoder::kMinDpi);
    decoder.SetBounds(0.5, uint64_t(512) << 20, 4);
    PLBmp bmp;
    try {
        decoder.Decode(data + 1, size - 1, bmp);
    } catch (const PLTextException&) {
    }
    return 0;
}
