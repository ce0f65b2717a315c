#include <gtest/gtest.h>

#include "detect/LabelParser.h"

namespace {

using Form = CLabelValue::Form;

void ExpectValue(const std::string& text, Form form, double value)
{
    const std::optional<CLabelValue> parsed = CLabelParser::Parse(text);
    ASSERT_TRUE(parsed.has_value()) << text;
    EXPECT_EQ(parsed->form, form) << text;
    EXPECT_DOUBLE_EQ(parsed->value, value) << text;
}

}  // namespace

TEST(LabelParser, ReadsPlainNumbersWithAnyMinus)
{
    ExpectValue("0", Form::Plain, 0.0);
    ExpectValue("1250", Form::Plain, 1250.0);
    ExpectValue("3.25", Form::Plain, 3.25);
    ExpectValue(".5", Form::Plain, 0.5);
    ExpectValue("2.", Form::Plain, 2.0);
    ExpectValue("-7", Form::Plain, -7.0);
    ExpectValue(
        "\xE2\x88\x92"
        "0.25",
        Form::Plain, -0.25);  // minus sign
    ExpectValue(
        "\xE2\x80\x93"
        "40",
        Form::Plain, -40.0);                  // en dash
    ExpectValue(" 1 5 ", Form::Plain, 15.0);  // the OCR's stray spaces
}

TEST(LabelParser, ReadsExponentsAndPowersOfTen)
{
    ExpectValue("1e3", Form::Scientific, 1000.0);
    ExpectValue("2.5E-04", Form::Scientific, 2.5e-4);
    ExpectValue("-1e+02", Form::Scientific, -100.0);
    ExpectValue("10^3", Form::Power, 1000.0);
    ExpectValue("10^-2", Form::Power, 0.01);
    ExpectValue("10\xC2\xB3", Form::Power, 1000.0);            // 10³
    ExpectValue("10\xE2\x81\xBB\xC2\xB2", Form::Power, 0.01);  // 10⁻²
    ExpectValue(
        "2\xC3\x97"
        "10\xE2\x81\xBB\xC2\xB2",
        Form::Power, 0.02);  // 2×10⁻²
    ExpectValue("-10^1", Form::Power, -10.0);
}

TEST(LabelParser, ReadsMultiplierAndOffsetTexts)
{
    ExpectValue(
        "\xC3\x97"
        "10\xE2\x81\xB4",
        Form::Multiplier, 1e4);  // ×10⁴
    ExpectValue("x10^-5", Form::Multiplier, 1e-5);
    ExpectValue(
        "\xC3\x97"
        "1000",
        Form::Multiplier, 1000.0);
    ExpectValue("1e-5", Form::Scientific, 1e-5);  // matplotlib's multiplier: placed by the detector
    ExpectValue("+1.99e3", Form::Offset, 1990.0);
    ExpectValue("+5000", Form::Offset, 5000.0);
}

TEST(LabelParser, RefusesWhatIsNoNumber)
{
    for (const char* text :
         {"",  " ", "abc", "1.2.3", "--5",  "-+5",    "e3",    "1e",     "1e3.5",  "10^",  "^3",
          "x", "+", "5-",  "1x",    "2x10", "10^400", "1e999", "1e-400", "10^3^2", "\xC3", "12a"})
        EXPECT_FALSE(CLabelParser::Parse(text).has_value()) << '"' << text << '"';
}
