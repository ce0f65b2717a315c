// Feeds arbitrary bytes to the any-format decoder. The first byte picks a file name so
// that the metafile rule is reached too; every failure must be the image layer's error.
#include <cstddef>
#include <cstdint>
#include <string>

#include "imaging/AnyPicDecoder.h"
#include "imaging/Bmp.h"
#include "imaging/TextException.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size == 0)
        return 0;
    static const char* const kNames[] = {"in.img", "in.wmf", "in.emf"};
    const std::string name = kNames[data[0] % 3];
    PLAnyPicDecoder decoder;
    PLBmp bmp;
    try {
        decoder.MakeBmpFromMemory(name, data + 1, size - 1, bmp);
    } catch (const PLTextException&) {
    }
    return 0;
}
