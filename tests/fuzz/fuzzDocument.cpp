// Feeds arbitrary bytes to document loading. A damaged document must end in the archive
// exception (or the program's own) with the document left empty; nothing else may happen.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "Dm/PlotvaneDoc.h"
#include "Dm/PlotvaneException.h"
#include "imaging/TextException.h"
#include "platform/Archive.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    CPlotvaneDoc doc;
    CArchive ar(data, size);
    try {
        doc.Serialize(ar);
    } catch (const CArchiveException&) {
        if (!doc.GetCoordSystList().empty())
            std::abort();  // a failed load must leave the document empty
    } catch (const CPlotvaneException&) {
    } catch (const PLTextException&) {
    }
    return 0;
}
