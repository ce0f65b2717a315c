// Feeds arbitrary pictures to the axes detector: the bytes are decoded as any picture file
// (uncompressed seeds such as PGM keep their pixels under mutation), and the detector must
// end on every picture the decoder accepts, with a detection or a refusal.
#include <cstddef>
#include <cstdint>
#include <string>

#include "detect/AxesDetector.h"
#include "detect/LabelReader.h"
#include "imaging/AnyPicDecoder.h"
#include "imaging/Bmp.h"
#include "imaging/TextException.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static CLabelReader reader;
    if (!reader.IsReady())
        __builtin_trap();  // the OCR's data are missing: nothing would be read
    PLAnyPicDecoder decoder;
    PLBmp bmp;
    try {
        decoder.MakeBmpFromMemory("in.img", data, size, bmp);
    } catch (const PLTextException&) {
        return 0;
    }
    CAxesDetector detector(reader);
    detector.Detect(bmp.View());
    return 0;
}
