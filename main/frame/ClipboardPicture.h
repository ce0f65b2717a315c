#pragma once

#include <cstdint>
#include <vector>

class QImage;

// A picture that did not come from a file (the clipboard's) in the form a scanner hands it
// over: a packed device-independent bitmap, 24 bits, bottom-up rows, so that the document
// takes it exactly as a scanned picture ("Untitled", embedded when saved).
class CClipboardPicture {
public:
    // Empty for a null image or one too large for a packed bitmap.
    static std::vector<uint8_t> ToPackedDib(const QImage& image);
};
