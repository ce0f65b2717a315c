#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <string>

#include "platform/NumberFormat.h"
#include "tests/support/RequiredTool.h"

namespace {

struct GCase {
    double value;
    const char* text;
};

class FormatGCases : public ::testing::TestWithParam<GCase> {};

TEST_P(FormatGCases, MatchesTheProgramsRule)
{
    EXPECT_EQ(FormatG(GetParam().value), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Values, FormatGCases,
    ::testing::Values(GCase{0, "0"}, GCase{-0.0, "-0"}, GCase{1, "1"}, GCase{1.5, "1.5"},
                      GCase{-2.25, "-2.25"}, GCase{1.5e7, "1.5e+007"}, GCase{2e-5, "2e-005"},
                      GCase{123456789, "1.23457e+008"}, GCase{0.0001, "0.0001"},
                      GCase{0.00012345678, "0.000123457"}, GCase{100000, "100000"}, GCase{999999, "999999"},
                      GCase{999999.5, "1e+006"}, GCase{1e6, "1e+006"}, GCase{-1e6, "-1e+006"},
                      GCase{-3.5e-7, "-3.5e-007"}, GCase{1e100, "1e+100"}, GCase{1e-300, "1e-300"},
                      GCase{1.7976931348623157e308, "1.79769e+308"},
                      GCase{4.9406564584124654e-324, "4.94066e-324"}, GCase{1.0 / 3, "0.333333"},
                      GCase{2.0 / 3 * 1000, "666.667"}, GCase{0.1 + 0.2, "0.3"}));

TEST(FormatG, NonFiniteValuesAreReadable)
{
    EXPECT_EQ(FormatG(std::numeric_limits<double>::infinity()), "inf");
    EXPECT_EQ(FormatG(-std::numeric_limits<double>::infinity()), "-inf");
    EXPECT_EQ(FormatG(std::nan("")), "nan");
}

// Makes a locale whose decimal point is a comma, in the scratch directory, with the
// system's localedef; returns its name or empty when that is not possible here.
std::string CommaLocale()
{
    const char* names[] = {"de_DE.UTF-8", "fr_FR.UTF-8", "de_DE.utf8", "fr_FR.utf8"};
    for (const char* name : names) {
        if (std::setlocale(LC_NUMERIC, name) != nullptr)
            return name;
    }
    const std::string dir = std::string(PLOTVANE_TEST_WORK) + "/locales";
    const std::string cmd =
        "mkdir -p '" + dir + "' && localedef -i de_DE -f UTF-8 '" + dir + "/de_DE.UTF-8' >/dev/null 2>&1";
    if (std::system(cmd.c_str()) > 1)  // localedef exits with 1 for warnings only
        return std::string();
    setenv("LOCPATH", dir.c_str(), 1);
    if (std::setlocale(LC_NUMERIC, "de_DE.UTF-8") != nullptr)
        return "de_DE.UTF-8";
    return std::string();
}

TEST(FormatG, PointWhateverTheLocale)
{
    const std::string name = CommaLocale();
    if (name.empty())
        SKIP_WITHOUT_TOOL("no locale with a decimal comma available");
    std::setlocale(LC_NUMERIC, name.c_str());
    char buf[32];
    std::snprintf(buf, sizeof buf, "%g", 1.5);
    const bool comma = std::string(buf) == "1,5";
    EXPECT_EQ(FormatG(1.5), "1.5");
    EXPECT_EQ(FormatG(-2.5e-10), "-2.5e-010");
    EXPECT_EQ(FormatWithDouble("%f", 0.25), "0.250000");
    std::setlocale(LC_NUMERIC, "C");
    EXPECT_TRUE(comma) << "the test locale does not use a comma";
}

TEST(FormatWith, SubstitutesTheFirstConversion)
{
    EXPECT_EQ(FormatWithInt("Cannot handle %d colors graphics.", 65536),
              "Cannot handle 65536 colors graphics.");
    EXPECT_EQ(FormatWithInt("%d%%", 50), "50%");
    EXPECT_EQ(FormatWithInt("no conversion", 3), "no conversion");
    EXPECT_EQ(FormatWithInt("%d and %d", 1), "1 and %d");
    EXPECT_EQ(FormatWithInt("%ld %lld %I64d %hd", -5), "-5 %lld %I64d %hd");
    EXPECT_EQ(FormatWithInt("%d", std::numeric_limits<long long>::min()), "-9223372036854775808");
    EXPECT_EQ(FormatWithDouble("Value %g", 1.5e7), "Value 1.5e+007");
    EXPECT_EQ(FormatWithDouble("%G", 1.5e-7), "1.5E-007");
    EXPECT_EQ(FormatWithDouble("%e", 12345.678), "1.234568e+004");
    EXPECT_EQ(FormatWithDouble("%.2f", 2.345), "2.35");
    EXPECT_EQ(FormatWithDouble("%.3g", 1234.5), "1.23e+003");
}

TEST(FormatWith, FlagsWidthAndPrecision)
{
    EXPECT_EQ(FormatWithInt("[%5d]", 42), "[   42]");
    EXPECT_EQ(FormatWithInt("[%-5d]", 42), "[42   ]");
    EXPECT_EQ(FormatWithInt("[%05d]", -42), "[-0042]");
    EXPECT_EQ(FormatWithInt("[%+d]", 42), "[+42]");
    EXPECT_EQ(FormatWithInt("[%.3d]", 7), "[007]");
    EXPECT_EQ(FormatWithInt("[%x %X]", 255), "[ff %X]");
    EXPECT_EQ(FormatWithInt("[%X]", 255), "[FF]");
    EXPECT_EQ(FormatWithDouble("[%8.2f]", -1.5), "[   -1.50]");
    EXPECT_EQ(FormatWithDouble("[%08.2f]", -1.5), "[-0001.50]");
    EXPECT_EQ(FormatWithString("[%-4s|%.2s]", "ab"), "[ab  |%.2s]");
    EXPECT_EQ(FormatWithStrings("[%.2s]", {"abcdef"}), "[ab]");
}

TEST(FormatWith, SeveralValuesInOrder)
{
    EXPECT_EQ(FormatWithInts("Enter a valur for the point %d and pick a position for the point %d", {2, 1}),
              "Enter a valur for the point 2 and pick a position for the point 1");
    EXPECT_EQ(FormatWithDoubles("Genesis point with coordinate\nX= %f\nY= %f\nis redundant", {1.5, -2e7}),
              "Genesis point with coordinate\nX= 1.500000\nY= -20000000.000000\nis redundant");
    EXPECT_EQ(FormatWithString("Please draw a line on the %s axis of your graphic.", "X"),
              "Please draw a line on the X axis of your graphic.");
    EXPECT_EQ(FormatWithStrings("%s Files (*.%s)|*.%s|", {"dat", "dat", "dat"}), "dat Files (*.dat)|*.dat|");
}

TEST(FormatWith, PatternsFromLanguageFilesAreData)
{
    // A translated text with other conversions than expected must not reach printf.
    EXPECT_EQ(FormatWithInt("%s %n %p", 3), "3 %n %p");
    EXPECT_EQ(FormatWithDouble("%d", 2.9), "2");
    EXPECT_EQ(FormatWithDouble("%d", std::nan("")), "0");
    EXPECT_EQ(FormatWithDouble("%d", 1e30), "9223372036854775807");
    EXPECT_EQ(FormatWithInt("%g", 12), "12");
    EXPECT_EQ(FormatWithInt("%", 1), "%");
    EXPECT_EQ(FormatWithInt("100%", 1), "100%");
    EXPECT_EQ(FormatWithInt("%5", 1), "%5");
    EXPECT_EQ(FormatWithInt(std::string("%\0d", 3), 1), std::string("%\0d", 3));
    // Width and precision are bounded.
    EXPECT_LE(FormatWithInt("%999999999d", 1).size(), 200u);
    EXPECT_LE(FormatWithDouble("%.999999f", 1e308).size(), 400u);
    EXPECT_EQ(FormatWithDouble("%.999999f", 1.0).substr(0, 4), "1.00");
}

}  // namespace
