#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "Dm/StringResultDumper.h"
#include "ResultDumperTestResults.h"
#include "platform/StringIds.h"
#include "platform/StringTable.h"

namespace {

std::vector<std::string> Lines(const std::string& text)
{
    std::vector<std::string> lines;
    size_t start = 0;
    for (size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2)
        lines.push_back(text.substr(start, end - start));
    EXPECT_EQ(start, text.size()) << "text does not end with CR LF";
    return lines;
}

std::vector<CLogicPoint> Ramp(int nRows)
{
    std::vector<CLogicPoint> rows;
    for (int i = 0; i < nRows; ++i)
        rows.emplace_back(i, 2 * i);
    return rows;
}

std::string Preview(const CAbstractResultDumper::ResultsList& list, int nRowLimit = 10, int nWidth = 14)
{
    std::string text;
    CStringResultDumper(list, text, nRowLimit, nWidth).Dump();
    return text;
}

const char* const kNote = "To be continued : Preview is limited to 10 lines.";

}  // namespace

TEST(StringResultDumper, CellsAreCutOrPaddedToTheColumnWidthButBannerLinesAreNot)
{
    CExportDocument doc("C:\\a rather long folder name\\graph.bmp");
    CPreparedResults first({{1, 2}, UndefinedRow(1234567)});
    first.SetCurve(doc.NewCurve("A curve with a long name"));
    CPreparedResults second({{-0.5, 3}});
    second.SetCurve(doc.NewCurve("B"));

    const std::vector<std::string> lines = Lines(Preview({&first, &second}));
    const std::string pad13(13, ' ');
    const std::vector<std::string> expected = {
        "Graph recognition by Plotvane.",
        CStringTable::Get(IDS_BANNER_NOTICE),
        "Bitmap file :",
        "C:\\a rather long folder name\\graph.bmp",
        "",
        "A curve with a" + std::string(14, ' ') + "B" + pad13 + std::string(14, ' '),
        "X" + pad13 + "Y" + pad13 + "X" + pad13 + "Y" + pad13,
        "1" + pad13 + "2" + pad13 + "-0.5          3" + pad13,
        "1.23457e+006  " + std::string(14 * 3, ' '),
    };
    EXPECT_EQ(lines, expected);
    for (size_t i = 5; i < lines.size(); ++i)
        EXPECT_EQ(lines[i].size(), 14u * 4);
}

TEST(StringResultDumper, RowLimitAndContinuationNote)
{
    CPreparedResults ten(Ramp(10));
    std::vector<std::string> lines = Lines(Preview({&ten}));
    ASSERT_EQ(lines.size(), 5u + 2 + 10);
    EXPECT_EQ(lines.back().substr(0, 2), "9 ");

    // The longest results object decides, whichever it is.
    CPreparedResults eleven(Ramp(11));
    lines = Lines(Preview({&ten, &eleven}));
    ASSERT_EQ(lines.size(), 5u + 2 + 10 + 2);
    EXPECT_EQ(lines[16].substr(0, 2), "9 ");
    EXPECT_EQ(lines[17], "");
    EXPECT_EQ(lines[18], kNote);

    CPreparedResults many(Ramp(5000));
    lines = Lines(Preview({&many}, 3, 4));
    ASSERT_EQ(lines.size(), 5u + 2 + 3 + 2);
    EXPECT_EQ(lines[9], "2   4   ");
    EXPECT_EQ(lines[11], "To be continued : Preview is limited to 3 lines.");

    // No rows at all with a limit of 0, and the note says so.
    lines = Lines(Preview({&ten}, 0));
    ASSERT_EQ(lines.size(), 5u + 2 + 2);
    EXPECT_EQ(lines.back(), "To be continued : Preview is limited to 0 lines.");
}

TEST(StringResultDumper, TextIsAppendedToTheTarget)
{
    CPreparedResults results({{1, 2}});
    std::string text = "before\r\n";
    CStringResultDumper(CAbstractResultDumper::ResultsList{&results}, text, 10, 3).Dump();
    const std::vector<std::string> lines = Lines(text);
    ASSERT_EQ(lines.size(), 1u + 5 + 2 + 1);
    EXPECT_EQ(lines[0], "before");
    EXPECT_EQ(lines[4], "");  // no document: no bitmap name
    EXPECT_EQ(lines[8], "1  2  ");
}

TEST(StringResultDumper, EmptyListGivesTheBannerOnly)
{
    EXPECT_EQ(Lines(Preview({})).size(), 5u);
    // A zero width makes every title and row line empty, never a crash.
    CPreparedResults results(Ramp(3));
    const std::vector<std::string> lines = Lines(Preview({&results}, 10, 0));
    ASSERT_EQ(lines.size(), 5u + 2 + 3);
    for (size_t i = 5; i < lines.size(); ++i)
        EXPECT_EQ(lines[i], "");
}
