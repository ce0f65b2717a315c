#pragma once

#include <gtest/gtest.h>

#include <fstream>

#include "detect/LabelReader.h"
#include "tests/support/RequiredTool.h"

// The font the labels are drawn with.
inline constexpr const char* kFont = "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf";

// A suite of tests that read drawn labels: one OCR engine for the suite (it loads its data
// once), and a skip (a failure under CI) without the English data or the font.
class OcrTest : public testing::Test {
protected:
    static void SetUpTestSuite() { s_pReader = new CLabelReader(); }
    static void TearDownTestSuite()
    {
        delete s_pReader;
        s_pReader = nullptr;
    }
    void SetUp() override
    {
        if (!s_pReader->IsReady())
            SKIP_WITHOUT_TOOL("Tesseract's English data (tesseract-ocr-eng) cannot be loaded");
        if (!std::ifstream(kFont).good())
            SKIP_WITHOUT_TOOL("the DejaVu font (fonts-dejavu-core) is missing");
    }

    static inline CLabelReader* s_pReader = nullptr;
};
