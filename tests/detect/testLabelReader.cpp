#include <gtest/gtest.h>

#include <fstream>

#include "LabelDrawing.h"
#include "OcrTest.h"

namespace {

class LabelReaderTest : public OcrTest {};

}  // namespace

TEST_F(LabelReaderTest, ReadsSmallLabelsAsAPlottingProgramSetsThem)
{
    // Tick labels 9 pixels high, as a plotting program sets 7 points at 100 dpi, cut with two
    // or three pixels of room: too small for the OCR until enlarged.
    const std::pair<std::u32string, double> labels[] = {{U"\u22120.25", -0.25}, {U"1250", 1250.0},
                                                        {U"0.005", 0.005},      {U"-40", -40.0},
                                                        {U"3.5", 3.5},          {U"17", 17.0}};
    for (const auto& [text, value] : labels) {
        CLabelDrawing drawing(200, 60);
        int32_t right = 0;
        ASSERT_TRUE(drawing.Draw(kFont, text, 9, 20, 30, 0, &right));
        const CLabelReader::CReading reading = s_pReader->Read(drawing.View(), CRect(17, 19, right + 3, 33));
        ASSERT_TRUE(reading.value.has_value()) << reading.text;
        EXPECT_EQ(reading.value->form, CLabelValue::Form::Plain) << reading.text;
        EXPECT_DOUBLE_EQ(reading.value->value, value) << reading.text;
    }
}

TEST_F(LabelReaderTest, ReadsRaisedExponentsAsPowers)
{
    // "10³" as a logarithmic axis labels its decade, and "×10⁻⁵" as a multiplier text: the
    // exponent smaller and raised.
    const struct {
        std::u32string base;
        std::u32string exponent;
        CLabelValue::Form form;
        double value;
    } labels[] = {{U"10", U"3", CLabelValue::Form::Power, 1000.0},
                  {U"\u00D710", U"\u22125", CLabelValue::Form::Multiplier, 1e-5}};
    for (const auto& label : labels) {
        CLabelDrawing drawing(200, 80);
        int32_t right = 0;
        ASSERT_TRUE(drawing.Draw(kFont, label.base, 16, 20, 50, 0, &right));
        ASSERT_TRUE(drawing.Draw(kFont, label.exponent, 11, right + 1, 41, 0, &right));
        const CLabelReader::CReading reading = s_pReader->Read(drawing.View(), CRect(14, 28, right + 6, 56));
        ASSERT_TRUE(reading.value.has_value()) << reading.text;
        EXPECT_EQ(reading.value->form, label.form) << reading.text;
        EXPECT_DOUBLE_EQ(reading.value->value, label.value) << reading.text;
    }
}
