// Feeds arbitrary bytes to the PDF decoder: the first byte picks the page (1 to 4), the
// rest is the file, drawn at 30 dpi and described page by page. Every failure must be the
// image layer's error.
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
    PLBmp bmp;
    try {
        decoder.Decode(data + 1, size - 1, bmp);
    } catch (const PLTextException&) {
    }
    return 0;
}
