#pragma once

#include <memory>
#include <optional>
#include <string>

#include "detect/LabelValue.h"
#include "platform/Point.h"

struct CPixelBufferView;
namespace tesseract {
class TessBaseAPI;
}

// Reads one tick label, or an axis's multiplier or offset text, from a region of a picture
// with the Tesseract OCR library, as one line of text restricted to the characters numbers
// are written with. The region is enlarged first when it is too low for the OCR (see
// CLabelImage). Characters that end the label raised above its baseline (the exponent of "10³")
// are read on their own and marked with '^', so that "10³" reads as 10^3 and not as 103.
// Owns its OCR engine, which loads the English data once, when the reader is made; not for
// use from two threads at once.
class CLabelReader {
public:
    struct CReading {
        std::string text;                  // as read, UTF-8, '^' before raised characters
        int confidence = 0;                // the OCR's, 0 to 100
        std::optional<CLabelValue> value;  // none when the text is no number (CLabelParser)
    };

    // Loads the English data from the folder strDataPath, or, given an empty path, where
    // Tesseract looks by itself (its TESSDATA_PREFIX, then its installed data).
    explicit CLabelReader(const std::string& strDataPath = std::string());
    CLabelReader(const CLabelReader&) = delete;
    CLabelReader& operator=(const CLabelReader&) = delete;
    ~CLabelReader();

    // False when the OCR could not start (no English data): Read then reads nothing.
    bool IsReady() const { return m_pApi != nullptr; }

    // The region is clipped to the picture; an empty one reads as no text.
    CReading Read(const CPixelBufferView& picture, const CRect& region);

private:
    std::unique_ptr<tesseract::TessBaseAPI> m_pApi;
};
