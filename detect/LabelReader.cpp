#include "detect/LabelReader.h"

#include <tesseract/baseapi.h>

#include <algorithm>

#include "detect/LabelImage.h"
#include "detect/LabelParser.h"
#include "platform/PixelBuffer.h"

namespace {

// The characters numbers are written with, the times and minus signs included.
constexpr const char* kNumberCharacters = "0123456789.-+eExX\xC3\x97\xE2\x88\x92";

}  // namespace

CLabelReader::CLabelReader(const std::string& strDataPath)
{
    auto pApi = std::make_unique<tesseract::TessBaseAPI>();
    if (pApi->Init(strDataPath.empty() ? nullptr : strDataPath.c_str(), "eng", tesseract::OEM_LSTM_ONLY) != 0)
        return;
    pApi->SetPageSegMode(tesseract::PSM_SINGLE_LINE);
    pApi->SetVariable("tessedit_char_whitelist", kNumberCharacters);
    // Labels are numbers, not words: no dictionary to pull them toward one.
    pApi->SetVariable("load_system_dawg", "0");
    pApi->SetVariable("load_freq_dawg", "0");
    m_pApi = std::move(pApi);
}

CLabelReader::~CLabelReader()
{
    if (m_pApi != nullptr)
        m_pApi->End();
}

CLabelReader::CReading CLabelReader::Read(const CPixelBufferView& picture, const CRect& region)
{
    CReading reading;
    const CLabelImage image(picture, region);
    if (m_pApi == nullptr || image.IsEmpty())
        return reading;
    m_pApi->SetImage(image.GetBits(), image.GetWidth(), image.GetHeight(), 1, image.GetWidth());
    // The enlarged label's resolution is of no account; saying one keeps the OCR from guessing.
    m_pApi->SetSourceResolution(300);
    // The OCR drops a small raised exponent or reads it as one more digit on the line ("103"):
    // the raised characters that end a label are read on their own.
    const int32_t split = image.FindRaisedSplit();
    int confidence = 100;
    auto readPart = [&](int32_t left, int32_t right) {
        m_pApi->SetRectangle(left, 0, right - left, image.GetHeight());
        const std::unique_ptr<char[]> pText(m_pApi->GetUTF8Text());
        confidence = std::min(confidence, m_pApi->MeanTextConf());
        std::string text = pText != nullptr ? pText.get() : "";
        text.erase(std::remove_if(text.begin(), text.end(), [](char c) { return c == '\n' || c == ' '; }),
                   text.end());
        return text;
    };
    if (split > 0) {
        const std::string base = readPart(0, split);
        const std::string raised = readPart(split, image.GetWidth());
        if (!raised.empty())
            reading.text = base + "^" + raised;
    }
    // Without raised characters, or with raised ink that reads as nothing (a speck, a mark
    // beside the label), the label is one line.
    if (reading.text.empty()) {
        confidence = 100;
        reading.text = readPart(0, image.GetWidth());
    }
    m_pApi->Clear();
    reading.confidence = std::clamp(confidence, 0, 100);
    reading.value = CLabelParser::Parse(reading.text);
    return reading;
}
