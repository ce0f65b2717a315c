#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <cstdio>
#include <random>
#include <string>

#include "Dm/SettingsManager.h"
#include "platform/MemorySettingsBackend.h"
#include "tests/support/RequiredTool.h"

namespace {

std::string StoredString(CSettingsBackend& backend, const char* pszSection, const char* pszKey)
{
    std::string str = "<absent>";
    backend.ReadString(pszSection, pszKey, str);
    return str;
}

int StoredInt(CSettingsBackend& backend, const char* pszSection, const char* pszKey)
{
    int n = -12345;
    backend.ReadInt(pszSection, pszKey, n);
    return n;
}

constexpr int kGrey70 = 70 * 65536 + 70 * 256 + 70;

}  // namespace

TEST(SettingsManager, FirstRunGivesTheDefaultsAndWritesAllSixteenAtExit)
{
    CMemorySettingsBackend store;
    {
        CSettingsManager manager(store);
        EXPECT_EQ(manager.GetLanguage(), 0);
        EXPECT_EQ(manager.GetResourceLibraryName(), "PlvResUs.dll");
        const CSettingsManager::CCurveOptions options = manager.GetCurveOptions();
        EXPECT_EQ(options.m_nAlgo, 0);
        EXPECT_EQ(options.m_nSmartAlgoRange, 2);
        EXPECT_EQ(options.m_BlackLevel, 0x464646u);
        EXPECT_EQ(options.m_nSideFollow, 0);
        EXPECT_FALSE(options.m_bDashed);
        EXPECT_EQ(options.m_nDashMaxDist, 20);
        EXPECT_EQ(manager.GetStartingJob(), 0);
        EXPECT_TRUE(manager.GetExportPrompt());
        EXPECT_EQ(manager.GetSeparator(), '\t');
        EXPECT_EQ(manager.GetExtension(), "xls");
        EXPECT_EQ(manager.GetTopColorValue().Get(), 0);
        EXPECT_EQ(manager.GetBottomColorValue().Get(), 0xFFFFFF);
        EXPECT_EQ(manager.GetTopValueValue().Get(), 100.0);
        EXPECT_EQ(manager.GetBottomValueValue().Get(), 0.0);
        // Nothing reaches the store before exit.
        EXPECT_EQ(store.GetCount(), 0u);
    }
    EXPECT_EQ(store.GetCount(), 16u);
    EXPECT_EQ(StoredString(store, "General", "Version"), "V120");
    EXPECT_EQ(StoredInt(store, "General", "Language"), 0);
    EXPECT_EQ(StoredInt(store, "Curve", "Algo"), 0);
    EXPECT_EQ(StoredInt(store, "Curve", "SmartAlgoRange"), 2);
    EXPECT_EQ(StoredInt(store, "Curve", "BlackLevel"), kGrey70);
    EXPECT_EQ(StoredInt(store, "Curve", "SideFollow"), 0);
    EXPECT_EQ(StoredInt(store, "Curve", "Dashed"), 0);
    EXPECT_EQ(StoredInt(store, "Curve", "DashMaxDist"), 20);
    EXPECT_EQ(StoredInt(store, "Prompt", "StartingJob"), 0);
    EXPECT_EQ(StoredInt(store, "Prompt", "ExportPrompt"), 1);
    EXPECT_EQ(StoredInt(store, "Export", "Separator"), 9);
    EXPECT_EQ(StoredString(store, "Export", "Extension"), "xls");
    EXPECT_EQ(StoredInt(store, "Density", "TopColor"), 0);
    EXPECT_EQ(StoredInt(store, "Density", "BottomColor"), 0xFFFFFF);
    EXPECT_EQ(StoredString(store, "Density", "TopValue"), "100.000000");
    EXPECT_EQ(StoredString(store, "Density", "BottomValue"), "0.000000");
}

TEST(SettingsManager, ValuesAreMadeInTableOrder)
{
    CMemorySettingsBackend store;
    CSettingsManager manager(store);
    const char* const expected[16][2] = {
        {"General", "Version"},      {"General", "Language"},    {"Curve", "Algo"},
        {"Curve", "SmartAlgoRange"}, {"Curve", "BlackLevel"},    {"Curve", "SideFollow"},
        {"Curve", "Dashed"},         {"Curve", "DashMaxDist"},   {"Prompt", "StartingJob"},
        {"Prompt", "ExportPrompt"},  {"Export", "Separator"},    {"Export", "Extension"},
        {"Density", "TopColor"},     {"Density", "BottomColor"}, {"Density", "TopValue"},
        {"Density", "BottomValue"}};
    for (size_t i = 0; i < 16; ++i) {
        EXPECT_EQ(manager.GetAllValues()[i]->GetSection(), expected[i][0]) << i;
        EXPECT_EQ(manager.GetAllValues()[i]->GetKey(), expected[i][1]) << i;
    }
}

TEST(SettingsManager, AnotherVersionResetsEverythingButTheDashDistance)
{
    CMemorySettingsBackend store;
    store.WriteString("General", "Version", "V110");
    store.WriteInt("General", "Language", 1);
    store.WriteInt("Curve", "SmartAlgoRange", 5);
    store.WriteInt("Curve", "DashMaxDist", 35);
    store.WriteInt("Export", "Separator", 59);
    store.WriteString("Export", "Extension", "csv");
    store.WriteString("Density", "TopValue", "12.5");
    {
        CSettingsManager manager(store);
        EXPECT_EQ(manager.GetVersionValue().Get(), "V120");
        EXPECT_EQ(manager.GetLanguage(), 0);
        EXPECT_EQ(manager.GetCurveOptions().m_nSmartAlgoRange, 2);
        EXPECT_EQ(manager.GetCurveOptions().m_nDashMaxDist, 35);
        EXPECT_EQ(manager.GetSeparator(), '\t');
        EXPECT_EQ(manager.GetExtension(), "xls");
        EXPECT_EQ(manager.GetTopValueValue().Get(), 100.0);
    }
    EXPECT_EQ(StoredString(store, "General", "Version"), "V120");
    EXPECT_EQ(StoredInt(store, "General", "Language"), 0);
    EXPECT_EQ(StoredInt(store, "Curve", "DashMaxDist"), 35);
    EXPECT_EQ(StoredString(store, "Density", "TopValue"), "100.000000");

    // The current version keeps what is stored.
    store.WriteInt("General", "Language", 1);
    CSettingsManager manager(store);
    EXPECT_EQ(manager.GetLanguage(), 1);
    EXPECT_EQ(manager.GetResourceLibraryName(), "PlvResFr.dll");
}

TEST(SettingsManager, InvalidStoredValuesGiveTheDefaults)
{
    CMemorySettingsBackend store;
    store.WriteInt("Curve", "SmartAlgoRange", 40);
    store.WriteInt("Curve", "DashMaxDist", 0);
    store.WriteInt("General", "Language", -1);
    store.WriteInt("Prompt", "StartingJob", 3);
    store.WriteInt("Curve", "BlackLevel", 0x1000000);
    store.WriteInt("Density", "TopColor", -5);
    store.WriteInt("Export", "Separator", 59);
    store.WriteString("Curve", "Algo", "1");  // wrong type: absent
    CSettingsManager manager(store);
    EXPECT_EQ(manager.GetCurveOptions().m_nSmartAlgoRange, 2);
    EXPECT_EQ(manager.GetCurveOptions().m_nDashMaxDist, 20);
    EXPECT_EQ(manager.GetLanguage(), 0);
    EXPECT_EQ(manager.GetStartingJob(), 0);
    EXPECT_EQ(manager.GetCurveOptions().m_BlackLevel, static_cast<uint32_t>(kGrey70));
    EXPECT_EQ(manager.GetTopColorValue().Get(), 0);
    EXPECT_EQ(manager.GetCurveOptions().m_nAlgo, 0);
    EXPECT_EQ(manager.GetSeparator(), ';');
}

TEST(SettingsManager, ExtensionRules)
{
    const struct {
        const char* m_pszStored;
        const char* m_pszExpected;
    } cases[] = {{"xlsx", "xls"}, {"csv", "csv"}, {"x_s", "xls"}, {"123", "123"},
                 {"a", "a"},      {"", "xls"},    {"tx ", "xls"}};
    for (const auto& c : cases) {
        CMemorySettingsBackend store;
        store.WriteString("Export", "Extension", c.m_pszStored);
        CSettingsManager manager(store);
        EXPECT_EQ(manager.GetExtension(), c.m_pszExpected) << "stored '" << c.m_pszStored << "'";
    }
    CMemorySettingsBackend store;
    store.WriteString("Export", "Extension", std::string("cs\0v", 4));
    EXPECT_EQ(CSettingsManager(store).GetExtension(), "xls");
}

TEST(SettingsManager, ColoursAndNumbersAsStored)
{
    CMemorySettingsBackend store;
    store.WriteInt("Curve", "BlackLevel", kGrey70);
    store.WriteInt("Density", "BottomColor", 10 * 65536 + 20 * 256 + 30);
    store.WriteString("Density", "TopValue", "12.5");
    store.WriteString("Density", "BottomValue", "not a number");
    store.WriteInt("Curve", "Dashed", 1);
    store.WriteInt("Prompt", "ExportPrompt", 0);
    {
        CSettingsManager manager(store);
        const CPixelSettingValue& black = manager.GetBlackLevelValue();
        EXPECT_EQ(black.GetRed(), 70);
        EXPECT_EQ(black.GetGreen(), 70);
        EXPECT_EQ(black.GetBlue(), 70);
        const CPixelSettingValue& bottom = manager.GetBottomColorValue();
        EXPECT_EQ(bottom.GetRed(), 10);
        EXPECT_EQ(bottom.GetGreen(), 20);
        EXPECT_EQ(bottom.GetBlue(), 30);
        EXPECT_EQ(bottom.GetPixelWord(), 0x0A141Eu);
        EXPECT_EQ(manager.GetTopValueValue().Get(), 12.5);
        EXPECT_EQ(manager.GetBottomValueValue().Get(), 0.0);
        EXPECT_TRUE(manager.GetCurveOptions().m_bDashed);
        EXPECT_FALSE(manager.GetExportPrompt());
    }
    EXPECT_EQ(StoredString(store, "Density", "TopValue"), "12.500000");
    EXPECT_EQ(StoredString(store, "Density", "BottomValue"), "0.000000");
}

TEST(SettingsManager, ProcessWideManagerUsesTheInstalledStore)
{
    CMemorySettingsBackend store;
    store.WriteInt("Export", "Separator", ',');
    CSettingsManager::SetBackend(&store);
    CSettingsManager* pManager = GetSettingsManager();
    ASSERT_NE(pManager, nullptr);
    EXPECT_EQ(GetSettingsManager(), pManager);
    EXPECT_EQ(pManager->GetSeparator(), ',');
    EXPECT_TRUE(pManager->GetSeparatorValue().Set('|'));
    EXPECT_EQ(StoredInt(store, "Export", "Separator"), ',');  // in memory only until exit
    ReleaseSettingsManager();
    EXPECT_EQ(StoredInt(store, "Export", "Separator"), '|');
    ReleaseSettingsManager();  // a second release does nothing

    pManager = GetSettingsManager();
    ASSERT_NE(pManager, nullptr);
    EXPECT_EQ(pManager->GetSeparator(), '|');
    ReleaseSettingsManager();
    CSettingsManager::SetBackend(nullptr);

    // Without an installed store the defaults come from memory.
    ASSERT_NE(GetSettingsManager(), nullptr);
    EXPECT_EQ(GetSettingsManager()->GetSeparator(), '\t');
    ReleaseSettingsManager();
}

TEST(SettingValues, SetRespectsRangesAndPatterns)
{
    CMemorySettingsBackend store;
    CIntSettingValue range(store, "S", "Range", 2, 1, 32);
    EXPECT_TRUE(range.Set(32));
    EXPECT_FALSE(range.Set(33));
    EXPECT_FALSE(range.Set(0));
    EXPECT_EQ(range.Get(), 32);
    range.Reset();
    EXPECT_EQ(range.Get(), 2);

    CPixelSettingValue colour(store, "S", "Colour", 1, 2, 3);
    EXPECT_EQ(colour.Get(), 0x010203);
    colour.SetColor(255, 128, 0);
    EXPECT_EQ(colour.Get(), 0xFF8000);
    colour.SetPixelWord(0xFF112233u);  // the fourth byte plays no part
    EXPECT_EQ(colour.Get(), 0x112233);
    EXPECT_FALSE(colour.Set(0x1000000));

    CStringSettingValue extension(store, "S", "Ext", "xls", "^[a-zA-Z0-9][a-zA-Z0-9]?[a-zA-Z0-9]?$");
    EXPECT_TRUE(extension.Set("dat"));
    EXPECT_FALSE(extension.Set("data"));
    EXPECT_EQ(extension.Get(), "dat");
    CStringSettingValue anything(store, "S", "Any", "", ".*");
    EXPECT_TRUE(anything.Set("what\never"));

    // A pattern that does not compile accepts nothing, not even its default.
    store.WriteString("S", "Broken", "a");
    CStringSettingValue broken(store, "S", "Broken", "x", "a**");
    EXPECT_EQ(broken.Get(), "x");
    EXPECT_FALSE(broken.Set("a"));
    EXPECT_FALSE(broken.IsValid("x"));

    CDoubleSettingValue number(store, "S", "Number", 100.0);
    EXPECT_EQ(number.Set(12.5), 100.0);
    EXPECT_EQ(number.Set(-1.0), 12.5);
    EXPECT_EQ(number.Set(NAN), -1.0);
    EXPECT_EQ(number.Set(INFINITY), -1.0);
    EXPECT_EQ(number.Get(), -1.0);

    // Load reads the store again.
    store.WriteInt("S", "Range", 7);
    range.Load();
    EXPECT_EQ(range.Get(), 7);
    store.WriteInt("S", "Range", 70);
    range.Load();
    EXPECT_EQ(range.Get(), 2);
}

TEST(SettingValues, DoubleTextFollowsTheCConversion)
{
    const struct {
        const char* m_pszText;
        double m_dExpected;
    } cases[] = {{"12.5", 12.5}, {"  7.25xyz", 7.25}, {"-3e2", -300.0}, {"+.5", 0.5},
                 {"abc", 0.0},   {"", 0.0},           {"1,5", 1.0},     {"-", 0.0},
                 {"+-1", 0.0},   {"\t\n42", 42.0},    {"1e-5", 1e-5},   {"0x10", 0.0}};
    for (const auto& c : cases)
        EXPECT_EQ(CDoubleSettingValue::Parse(c.m_pszText), c.m_dExpected) << c.m_pszText;

    // Text that is not a finite number gives the default.
    for (const char* pszText : {"inf", "-infinity", "nan", "1e999", "-1e999"}) {
        CMemorySettingsBackend store;
        store.WriteString("D", "V", pszText);
        EXPECT_EQ(CDoubleSettingValue(store, "D", "V", 100.0).Get(), 100.0) << pszText;
    }
}

TEST(SettingValues, DoubleFormatIsPrintfLfWithAPoint)
{
    std::mt19937 rng(3);
    std::uniform_real_distribution<double> mantissa(-10.0, 10.0);
    std::uniform_int_distribution<int> exponent(-8, 20);
    for (int i = 0; i < 2000; ++i) {
        const double d = mantissa(rng) * std::pow(10.0, exponent(rng));
        char buffer[400];
        std::snprintf(buffer, sizeof(buffer), "%lf", d);
        ASSERT_EQ(CDoubleSettingValue::Format(d), buffer);
        // Six decimals survive the round trip.
        EXPECT_NEAR(CDoubleSettingValue::Parse(buffer), d, 5e-7 * std::fmax(1.0, std::fabs(d) * 1e-9));
    }
    EXPECT_EQ(CDoubleSettingValue::Format(100.0), "100.000000");
    EXPECT_EQ(CDoubleSettingValue::Format(-0.5), "-0.500000");
    EXPECT_EQ(CDoubleSettingValue::Format(1e300).size(), 301u + 7u);
}

TEST(SettingValues, DoubleTextIgnoresTheProcessLocale)
{
    const char* pszLocale = nullptr;
    for (const char* pszName : {"fr_FR.UTF-8", "de_DE.UTF-8", "fr_FR", "de_DE"}) {
        if (std::setlocale(LC_NUMERIC, pszName) != nullptr) {
            pszLocale = pszName;
            break;
        }
    }
    if (pszLocale == nullptr)
        SKIP_WITHOUT_TOOL("no locale with a decimal comma is installed");
    const std::string strFormatted = CDoubleSettingValue::Format(12.5);
    const double dParsed = CDoubleSettingValue::Parse("12.5");
    std::setlocale(LC_NUMERIC, "C");
    EXPECT_EQ(strFormatted, "12.500000");
    EXPECT_EQ(dParsed, 12.5);
}

TEST(SettingsManager, AllSixteenValuesRoundTripThroughAStore)
{
    CMemorySettingsBackend store;
    {
        CSettingsManager manager(store);
        EXPECT_TRUE(manager.GetLanguageValue().Set(1));
        EXPECT_TRUE(manager.GetAlgoValue().Set(1));
        EXPECT_TRUE(manager.GetSmartAlgoRangeValue().Set(17));
        manager.GetBlackLevelValue().SetColor(1, 2, 3);
        EXPECT_TRUE(manager.GetSideFollowValue().Set(1));
        EXPECT_TRUE(manager.GetDashedValue().Set(1));
        EXPECT_TRUE(manager.GetDashMaxDistValue().Set(999));
        EXPECT_TRUE(manager.GetStartingJobValue().Set(2));
        EXPECT_TRUE(manager.GetExportPromptValue().Set(0));
        EXPECT_TRUE(manager.GetSeparatorValue().Set(255));
        EXPECT_TRUE(manager.GetExtensionValue().Set("dat"));
        manager.GetTopColorValue().SetColor(200, 100, 50);
        manager.GetBottomColorValue().SetColor(5, 6, 7);
        manager.GetTopValueValue().Set(-12.25);
        manager.GetBottomValueValue().Set(1234567.5);
    }
    CSettingsManager manager(store);
    EXPECT_EQ(manager.GetVersionValue().Get(), "V120");
    EXPECT_EQ(manager.GetLanguage(), 1);
    const CSettingsManager::CCurveOptions options = manager.GetCurveOptions();
    EXPECT_EQ(options.m_nAlgo, 1);
    EXPECT_EQ(options.m_nSmartAlgoRange, 17);
    EXPECT_EQ(options.m_BlackLevel, 0x010203u);
    EXPECT_EQ(options.m_nSideFollow, 1);
    EXPECT_TRUE(options.m_bDashed);
    EXPECT_EQ(options.m_nDashMaxDist, 999);
    EXPECT_EQ(manager.GetStartingJob(), 2);
    EXPECT_FALSE(manager.GetExportPrompt());
    EXPECT_EQ(static_cast<unsigned char>(manager.GetSeparator()), 255);
    EXPECT_EQ(manager.GetExtension(), "dat");
    EXPECT_EQ(manager.GetTopColorValue().Get(), 0xC86432);
    EXPECT_EQ(manager.GetBottomColorValue().Get(), 0x050607);
    EXPECT_EQ(manager.GetTopValueValue().Get(), -12.25);
    EXPECT_EQ(manager.GetBottomValueValue().Get(), 1234567.5);
}
