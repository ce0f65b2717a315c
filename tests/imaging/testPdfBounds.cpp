// Pages that would draw for hours or without measure are stopped at their bound with a
// message that says which; the waiter sees the drawing and can stop it; a page poppler draws
// while complaining is kept and said to be incomplete; damaged pages are told apart from
// the file.

#include <gtest/gtest.h>

#include <string>

#include "imaging/Bmp.h"
#include "imaging/PdfDecoder.h"
#include "imaging/PdfDrawWaiter.h"
#include "imaging/TextException.h"
#include "platform/NumberFormat.h"
#include "platform/StringIds.h"
#include "platform/StringTable.h"
#include "tests/support/HostilePdfs.h"

namespace {

const uint8_t* Data(const std::string& pdf)
{
    return reinterpret_cast<const uint8_t*>(pdf.data());
}

// The refusal of page 1 of pdf at dpi under the given bounds; empty when it is drawn.
PLTextException Refusal(const std::string& pdf, int dpi, double seconds, uint64_t memory)
{
    PLPdfDecoder decoder(1, dpi);
    decoder.SetBounds(seconds, memory, 600);
    PLBmp bmp;
    try {
        decoder.Decode(Data(pdf), pdf.size(), bmp);
    } catch (const PLTextException& e) {
        EXPECT_TRUE(bmp.IsEmpty());
        return e;
    }
    return PLTextException(PL_ERRINTERNAL, "drawn");
}

bool StartsWith(const std::string& text, const std::string& start)
{
    return text.compare(0, start.size(), start) == 0;
}

constexpr uint64_t kSmallMemory = uint64_t(300) << 20;

TEST(PdfBounds, DrawingsThatPassTheirProcessorTimeAreStopped)
{
    for (const std::string& pdf : {hostilepdf::NestedForms(), hostilepdf::HugeImage()}) {
        const PLTextException e = Refusal(pdf, 300, 1, PLPdfDecoder::MemoryBound({200, 100}, 300));
        EXPECT_EQ(e.GetCode(), PL_ERRLIMIT);
        EXPECT_STREQ(e.what(), FormatWithInts(CStringTable::Get(IDS_PDF_TOO_LONG), {1}).c_str());
    }
}

TEST(PdfBounds, DrawingsThatPassTheirMemoryAreStopped)
{
    const std::string memoryText = FormatWithInts(CStringTable::Get(IDS_PDF_TOO_MUCH_MEMORY), {300});
    for (const std::string& pdf : {hostilepdf::LongPath(), hostilepdf::NestedSaves()}) {
        const PLTextException e = Refusal(pdf, 300, 600, kSmallMemory);
        EXPECT_EQ(e.GetCode(), PL_ERRLIMIT);
        EXPECT_EQ(e.what(), memoryText);
    }
    // The bound grows with the bitmap, so that the largest page allowed can be drawn.
    EXPECT_GT(PLPdfDecoder::MemoryBound({4700, 4700}, 300), uint64_t(2 * 4 * 400e6 * 0.95));
    EXPECT_EQ(PLPdfDecoder::MemoryBound({72, 72}, 72), 2 * 4 * 73 * 73 + PLPdfDecoder::kDrawingMemory);
}

class CountingWaiter : public PLPdfDrawWaiter {
public:
    explicit CountingWaiter(int nCancelAt) : m_nCancelAt(nCancelAt) {}
    bool KeepWaiting() override { return ++m_nCalls < m_nCancelAt; }
    void Finished() override { ++m_nFinished; }
    int m_nCancelAt;
    int m_nCalls = 0;
    int m_nFinished = 0;
};

TEST(PdfBounds, TheWaiterSeesTheDrawingAndCanStopIt)
{
    CountingWaiter waiter(5);
    PLPdfDecoder::SetWaiter(&waiter);
    const PLTextException e = Refusal(hostilepdf::NestedForms(), 300, 600, PLPdfDecoder::kDrawingMemory);
    PLPdfDecoder::SetWaiter(nullptr);
    EXPECT_EQ(e.GetCode(), PL_ERRLIMIT);
    EXPECT_EQ(e.what(), CStringTable::Get(IDS_PDF_CANCELLED));
    EXPECT_EQ(waiter.m_nCalls, 5);
    EXPECT_EQ(waiter.m_nFinished, 1);
}

TEST(PdfBounds, APageDrawnWhilePopplerComplainsIsKeptAndSaidIncomplete)
{
    PLBmp bmp;
    PLPdfDecoder decoder(1, 72);
    const std::string missing = hostilepdf::MissingImage();
    decoder.Decode(Data(missing), missing.size(), bmp);
    EXPECT_EQ(bmp.GetWidth(), 200);
    EXPECT_FALSE(decoder.WasComplete());
    const std::string sound = hostilepdf::OnePage("0 0 m 200 100 l S");
    decoder.Decode(Data(sound), sound.size(), bmp);
    EXPECT_TRUE(decoder.WasComplete());
}

TEST(PdfBounds, AMissingPageIsDamagedAndTheOthersReadable)
{
    const std::string pdf = hostilepdf::MissingSecondPage();
    const std::vector<PLPdfDecoder::PageSize> sizes = PLPdfDecoder::ReadPageSizes(Data(pdf), pdf.size());
    ASSERT_EQ(sizes.size(), 2u);
    EXPECT_FALSE(sizes[0].bDamaged);
    EXPECT_DOUBLE_EQ(sizes[0].width, 200);
    EXPECT_TRUE(sizes[1].bDamaged);
    PLBmp bmp;
    PLPdfDecoder(1, 72).Decode(Data(pdf), pdf.size(), bmp);
    EXPECT_EQ(bmp.GetHeight(), 100);
    try {
        PLPdfDecoder(2, 72).Decode(Data(pdf), pdf.size(), bmp);
        ADD_FAILURE() << "page 2 drawn";
    } catch (const PLTextException& e) {
        EXPECT_EQ(e.what(), CStringTable::Get(IDS_PDF_PAGE_DAMAGED));
    }
}

TEST(PdfBounds, AFileWhosePagesHaveNoSizeIsDamaged)
{
    const std::string pdf = hostilepdf::EndlessMediaBox();
    try {
        PLPdfDecoder::ReadPageSizes(Data(pdf), pdf.size());
        ADD_FAILURE() << "read";
    } catch (const PLTextException& e) {
        EXPECT_EQ(e.what(), CStringTable::Get(IDS_PDF_DAMAGED));
    }
    EXPECT_TRUE(StartsWith(Refusal(pdf, 72, 600, PLPdfDecoder::kDrawingMemory).what(),
                           CStringTable::Get(IDS_PDF_PAGE_DAMAGED)));
}

}  // namespace
