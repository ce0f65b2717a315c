#include <gtest/gtest.h>

#include <fstream>
#include <string>

#include "platform/StringIds.h"
#include "platform/StringTable.h"
#include "platform/TextEncoding.h"

namespace {

class StringTable : public ::testing::Test {
protected:
    void SetUp() override { CStringTable::ResetToBuiltIn(); }
    void TearDown() override { CStringTable::ResetToBuiltIn(); }

    static std::string WriteFile(const std::string& name, const std::string& content)
    {
        const std::string path = std::string(PLOTVANE_TEST_WORK) + "/" + name;
        std::ofstream out(path, std::ios::binary);
        out << content;
        return path;
    }
};

TEST_F(StringTable, BuiltInEnglish)
{
    EXPECT_EQ(CStringTable::Get(IDS_FAILED_TO_OPEN), "Failed to Open this file !");
    EXPECT_EQ(CStringTable::Get(61206), "Cannot handle %d colors graphics.");
    EXPECT_EQ(CStringTable::Get(IDS_SCANNED_GRAPHIC), "Scanned graphic");
    EXPECT_EQ(CStringTable::Get(IDS_CURVE), "Curve");
    EXPECT_EQ(CStringTable::Get(61214), "Out of limits !");
    EXPECT_EQ(CStringTable::Get(61213).substr(0, 17), "No curve here !\nE");
    EXPECT_EQ(CStringTable::Get(1000), "Click here to sort the points in the ascending order of X value.");
    EXPECT_NE(CStringTable::Get(1049).find("axis. This name will be used in the output file"),
              std::string::npos);
    // The help texts of the controls wrap to their popup's width: no line breaks of their own.
    for (unsigned nId = 1000; nId < 1200; ++nId) {
        if (CStringTable::Has(nId)) {
            EXPECT_EQ(CStringTable::Get(nId).find('\n'), std::string::npos) << nId;
        }
    }
    EXPECT_EQ(CStringTable::Get(61243), "Next >>");
    EXPECT_EQ(CStringTable::Get(61312), "The \"other value\" field is empty!");
}

TEST_F(StringTable, ApplicationNameAndDocumentTemplate)
{
    EXPECT_EQ(CStringTable::Get(IDS_APP_NAME), "Plotvane");
    EXPECT_EQ(CStringTable::Get(57344), "Plotvane");
    EXPECT_EQ(CStringTable::Get(IDS_DOC_TEMPLATE),
              "Plotvane\n\nPlotvane\nPlotvane Files (*.pvd)\n.pvd\nPlotvane.Document\nPlotvane Document");
    EXPECT_EQ(CStringTable::GetField(128, 0), "Plotvane");
    EXPECT_EQ(CStringTable::GetField(128, 1), "");
    EXPECT_EQ(CStringTable::GetField(128, 3), "Plotvane Files (*.pvd)");
    EXPECT_EQ(CStringTable::GetField(128, 4), ".pvd");
    EXPECT_EQ(CStringTable::GetField(128, 6), "Plotvane Document");
    EXPECT_EQ(CStringTable::GetField(128, 7), "");
    EXPECT_EQ(CStringTable::GetField(128, -1), "");
    EXPECT_EQ(CStringTable::GetField(32771, 1), "Open bitmap ");
}

TEST_F(StringTable, EveryHelpTextOfTheAxisDialog)
{
    for (unsigned id : {1023u, 1024u, 1025u, 1026u, 1027u, 1049u, 1098u, 1104u})
        EXPECT_TRUE(CStringTable::Has(id)) << id;
    EXPECT_FALSE(CStringTable::Has(1082));  // the blue slider has no help text
    EXPECT_EQ(CStringTable::Get(99999), "");
}

TEST_F(StringTable, LanguageFileReplacesEntries)
{
    const std::string path = WriteFile("lang-fr.txt",
                                       "\xEF\xBB\xBF# French\r\n"
                                       "61205\tImpossible d'ouvrir ce fichier !\r\n"
                                       "1004\tCourbe\n"
                                       "61254\tAxe\\tX\\\\n\\q\n"
                                       "61213\tPas de courbe ici !\\nVoir les options.\n"
                                       "61259\tPr\xC3\xAAt \xE2\x82\xAC\n"
                                       "\n"
                                       "61271\t");
    ASSERT_TRUE(CStringTable::LoadLanguageFile(path));
    EXPECT_EQ(CStringTable::Get(61205), "Impossible d'ouvrir ce fichier !");
    EXPECT_EQ(CStringTable::Get(IDS_CURVE), "Courbe");
    EXPECT_EQ(CStringTable::Get(61254), "Axe\tX\\n\\q");
    EXPECT_EQ(CStringTable::Get(61213), "Pas de courbe ici !\nVoir les options.");
    EXPECT_EQ(CStringTable::Get(61259), "Pr\xEAt \x80");  // Windows-1252, as the model holds text
    EXPECT_EQ(CStringTable::Get(61271), "");
    EXPECT_TRUE(CStringTable::Has(61271));
    EXPECT_EQ(CStringTable::Get(61214), "Out of limits !");  // untouched entries stay English

    CStringTable::ResetToBuiltIn();
    EXPECT_EQ(CStringTable::Get(IDS_CURVE), "Curve");
}

TEST_F(StringTable, MalformedLinesAreIgnored)
{
    std::string content =
        "1004 Curve without tab\n"
        "\tno id\n"
        "abc\tletters\n"
        "-5\tnegative\n"
        "65536\ttoo large\n"
        "123456\tfar too large\n"
        "99999999999999999999999\toverflow\n"
        "0x10\thex\n"
        "61214\t\xFF\xFE bad utf-8 \xC3\n"
        "61215";
    content += std::string("\0\t\0", 3);
    content += "\n65535\tlast\n";
    const std::string path = WriteFile("lang-bad.txt", content);
    ASSERT_TRUE(CStringTable::LoadLanguageFile(path));
    EXPECT_EQ(CStringTable::Get(1004), "Curve");
    EXPECT_EQ(CStringTable::Get(61214), "?? bad utf-8 ?");
    EXPECT_EQ(CStringTable::Get(61215), "The curve already exists here !");
    EXPECT_EQ(CStringTable::Get(65535), "last");
    EXPECT_FALSE(CStringTable::Has(0));
}

TEST_F(StringTable, UnreadableFilesLeaveTheTableAlone)
{
    EXPECT_FALSE(CStringTable::LoadLanguageFile(std::string(PLOTVANE_TEST_WORK) + "/no-such-file.txt"));
    EXPECT_FALSE(CStringTable::LoadLanguageFile(PLOTVANE_TEST_WORK));  // a directory
    EXPECT_FALSE(CStringTable::LoadLanguageFile(""));
    EXPECT_EQ(CStringTable::Get(IDS_CURVE), "Curve");
    EXPECT_TRUE(CStringTable::LoadLanguageFile(WriteFile("lang-empty.txt", "")));
    EXPECT_EQ(CStringTable::Get(IDS_CURVE), "Curve");
}

TEST(TextEncoding, RoundTripOfWindows1252)
{
    std::string all;
    for (int b = 1; b < 256; ++b) {
        if (b != 0x81 && b != 0x8D && b != 0x8F && b != 0x90 && b != 0x9D)
            all += static_cast<char>(b);
    }
    EXPECT_EQ(CTextEncoding::Utf8ToCp1252(CTextEncoding::Cp1252ToUtf8(all)), all);
    EXPECT_EQ(CTextEncoding::Cp1252ToUtf8("\x80\xE9\x81"), "\xE2\x82\xAC\xC3\xA9?");
    EXPECT_EQ(CTextEncoding::Utf8ToCp1252("\xE4\xB8\xAD\xF0\x9F\x98\x80x"), "??x");  // not in 1252
    EXPECT_EQ(CTextEncoding::Utf8ToCp1252("\xC0\xAF\xED\xA0\x80"), "?????");         // overlong, surrogate
}

}  // namespace
