#include <gtest/gtest.h>

#include <climits>
#include <cstdint>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "Dm/ColorScale.h"
#include "Dm/CoordSyst.h"
#include "Dm/DensityCurve.h"
#include "Dm/DensityResults.h"
#include "Dm/PlotvaneDoc.h"
#include "Dm/SettingsManager.h"
#include "FakeDocumentLink.h"
#include "PackedDib.h"
#include "TestResults.h"
#include "platform/Archive.h"
#include "platform/MemorySettingsBackend.h"
#include "tests/doubles/RecordingDrawContext.h"
#include "tests/doubles/RecordingMessageService.h"

namespace {

using Kind = CRecordingDrawContext::Kind;

constexpr uint32_t kBlack = CColorScale::MakePixel(0, 0, 0);
constexpr uint32_t kWhite = CColorScale::MakePixel(255, 255, 255);

std::string Store(const CObject& object)
{
    std::ostringstream out;
    CArchive ar(out);
    ar.WriteObject(&object);
    return out.str();
}

std::unique_ptr<CDensityCurve> Load(const std::string& bytes)
{
    CArchive ar(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size());
    return StaticDowncast<CDensityCurve>(ar.ReadObject(RUNTIME_CLASS(CDensityCurve)));
}

std::vector<CPoint> SamplePoints(CDensityCurve& curve)
{
    EXPECT_TRUE(curve.Sample());
    return curve.GetPoints();
}

// A 24-bit scan, 6 x 4, whose column x is the grey (40x, 40x, 40x).
std::vector<uint8_t> GreyRampScan()
{
    const int width = 6;
    const int height = 4;
    const int stride = (width * 3 + 3) & ~3;
    std::vector<uint8_t> bits(static_cast<size_t>(stride * height), 0);
    for (int row = 0; row < height; ++row) {
        for (int x = 0; x < width; ++x) {
            for (int c = 0; c < 3; ++c)
                bits[static_cast<size_t>(row * stride + x * 3 + c)] = static_cast<uint8_t>(40 * x);
        }
    }
    return PackedDib(width, height, 24, {}, bits);
}

}  // namespace

TEST(ColorScale, DefaultScaleConvertsBlackWhiteAndGrey)
{
    const CColorScale scale;
    EXPECT_EQ(scale.GetTopColor(), kBlack);
    EXPECT_EQ(scale.GetBottomColor(), kWhite);
    EXPECT_EQ(scale.Validate(), CColorScale::kValid);
    EXPECT_DOUBLE_EQ(scale.ValueOf(0x00000000), 100.0);
    EXPECT_DOUBLE_EQ(scale.ValueOf(0x00FFFFFF), 0.0);
    EXPECT_NEAR(scale.ValueOf(0xFF808080), 100.0 * 127.0 / 255.0, 1e-12);
    // The alpha byte of the pixel plays no part.
    EXPECT_DOUBLE_EQ(scale.ValueOf(0x12808080), scale.ValueOf(0xFF808080));
}

TEST(ColorScale, ProjectsOntoTheLineBetweenTheColoursWithoutClamping)
{
    const CColorScale redBlue(CColorScale::MakePixel(255, 0, 0), CColorScale::MakePixel(0, 0, 255), 10, 0);
    EXPECT_DOUBLE_EQ(redBlue.ValueOf(CColorScale::MakePixel(0, 255, 0)), 5.0);

    const CColorScale grey(CColorScale::MakePixel(128, 128, 128), kWhite, 100, 0);
    EXPECT_NEAR(grey.ValueOf(kBlack), 100.0 * 255.0 / 127.0, 1e-9);  // about 200.8
    EXPECT_GT(grey.ValueOf(kBlack), 100.0);

    const CColorScale same(kBlack, 0x00000000, 1, 0);
    EXPECT_EQ(same.Validate(), CColorScale::kSameColors);
    EXPECT_EQ(same.ValueOf(kWhite), 0.0);
    EXPECT_EQ(CColorScale(kBlack, kWhite, 3, 3).Validate(), CColorScale::kSameValues);
}

TEST(ColorScale, ChangesAfterAConversionAreSeenByTheNextOne)
{
    CColorScale scale;
    EXPECT_DOUBLE_EQ(scale.ValueOf(kBlack), 100.0);
    scale.SetTopValue(50);
    EXPECT_DOUBLE_EQ(scale.ValueOf(kBlack), 50.0);
    scale.SetBottomValue(10);
    EXPECT_DOUBLE_EQ(scale.ValueOf(kWhite), 10.0);
    const uint32_t red = CColorScale::MakePixel(255, 0, 0);
    EXPECT_NEAR(scale.ValueOf(red), 10.0 + 40.0 * 2.0 / 3.0, 1e-12);
    scale.SetTopColor(red);
    EXPECT_DOUBLE_EQ(scale.ValueOf(red), 50.0);
    scale.SetBottomColor(kBlack);
    EXPECT_EQ(scale.GetBottomColor(), kBlack);
    // White now lies on the red end of the scale.
    EXPECT_DOUBLE_EQ(scale.ValueOf(kWhite), 50.0);

    CColorScale copy;
    EXPECT_DOUBLE_EQ(copy.ValueOf(kBlack), 100.0);
    copy = scale;
    EXPECT_DOUBLE_EQ(copy.ValueOf(red), 50.0);
    std::unique_ptr<CColorScale> clone(scale.Clone());
    EXPECT_EQ(clone->GetTopColor(), scale.GetTopColor());
    EXPECT_DOUBLE_EQ(clone->GetBottomValue(), 10.0);
}

TEST(ColorScale, RecordIsTwoValuesThenSixColourBytes)
{
    const CColorScale scale(CColorScale::MakePixel(70, 80, 90), CColorScale::MakePixel(1, 2, 3), 12.5, -1);
    std::ostringstream out;
    CArchive ar(out);
    const_cast<CColorScale&>(scale).Serialize(ar);
    const std::string bytes = out.str();
    ASSERT_EQ(bytes.size(), 22u);
    EXPECT_EQ(bytes.substr(16), std::string("\x46\x50\x5A\x01\x02\x03", 6));

    CArchive in(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size());
    CColorScale back;
    EXPECT_DOUBLE_EQ(back.ValueOf(kBlack), 100.0);  // fills the cache before loading
    back.Serialize(in);
    EXPECT_EQ(back.GetTopColor(), 0xFF46505Au);
    EXPECT_EQ(back.GetBottomColor(), 0xFF010203u);
    EXPECT_DOUBLE_EQ(back.GetTopValue(), 12.5);
    EXPECT_DOUBLE_EQ(back.GetBottomValue(), -1.0);
    EXPECT_DOUBLE_EQ(back.ValueOf(0xFF46505A), 12.5);
}

TEST(DensityCurve, FlatSegmentsAreSampledPixelByPixelInDrawingOrder)
{
    CDensityCurve curve;
    EXPECT_FALSE(curve.HasSegment());
    curve.SetSegment({10, 5}, {14, 5});
    EXPECT_EQ(SamplePoints(curve), (std::vector<CPoint>{{10, 5}, {11, 5}, {12, 5}, {13, 5}, {14, 5}}));
    ASSERT_EQ(curve.GetValues().size(), 5u);
    // No document: every pixel reads white.
    for (double v : curve.GetValues())
        EXPECT_DOUBLE_EQ(v, 0.0);

    curve.SetSegment({14, 5}, {10, 5});
    EXPECT_EQ(SamplePoints(curve), (std::vector<CPoint>{{14, 5}, {13, 5}, {12, 5}, {11, 5}, {10, 5}}));

    curve.SetSegment({0, 0}, {5, -2});
    EXPECT_EQ(SamplePoints(curve), (std::vector<CPoint>{{0, 0}, {1, 0}, {2, 0}, {3, -1}, {4, -1}, {5, -2}}));
}

TEST(DensityCurve, SteepSegmentsTruncateTowardZero)
{
    CDensityCurve curve;
    curve.SetSegment({0, 0}, {2, 5});
    EXPECT_EQ(SamplePoints(curve), (std::vector<CPoint>{{0, 0}, {0, 1}, {0, 2}, {1, 3}, {1, 4}, {2, 5}}));
    curve.SetSegment({0, 0}, {-2, 5});
    EXPECT_EQ(SamplePoints(curve), (std::vector<CPoint>{{0, 0}, {0, 1}, {0, 2}, {-1, 3}, {-1, 4}, {-2, 5}}));
    // A diagonal counts as steep and runs by y.
    curve.SetSegment({3, 3}, {1, 1});
    EXPECT_EQ(SamplePoints(curve), (std::vector<CPoint>{{3, 3}, {2, 2}, {1, 1}}));
    // Ends that coincide give one sample instead of a division by zero.
    curve.SetSegment({7, 7}, {7, 7});
    EXPECT_EQ(SamplePoints(curve), (std::vector<CPoint>{{7, 7}}));
}

TEST(DensityCurve, SamplingRefusesWithoutSegmentValidScaleOrSaneLength)
{
    CDensityCurve curve;
    EXPECT_FALSE(curve.Sample());

    curve.SetSegment({0, 0}, {3, 0});
    ASSERT_TRUE(curve.Sample());
    curve.GetColorScale().SetBottomValue(100);  // equal values
    curve.SetSegment({0, 0}, {9, 0});
    EXPECT_FALSE(curve.Sample());
    EXPECT_EQ(curve.GetPoints().size(), 4u);  // the last samples stay

    curve.GetColorScale().SetBottomValue(0);
    curve.SetSegment({INT32_MIN, 0}, {INT32_MAX, 0});
    EXPECT_FALSE(curve.Sample());
    // Near the end of the pixel range nothing wraps.
    curve.SetSegment({INT32_MAX - 2, INT32_MIN}, {INT32_MAX, INT32_MIN});
    EXPECT_EQ(SamplePoints(curve),
              (std::vector<CPoint>{
                  {INT32_MAX - 2, INT32_MIN}, {INT32_MAX - 1, INT32_MIN}, {INT32_MAX, INT32_MIN}}));
}

TEST(DensityCurve, SamplesReadTheDocumentsBitmapAndWhiteOutsideIt)
{
    CRecordingMessageService messages(true);
    CPlotvaneDoc doc;
    ASSERT_TRUE(doc.AcceptScannedBitmap(GreyRampScan()));
    auto* pCoordSyst = doc.AddCoordSyst(std::make_unique<CCoordSyst>(&doc));
    auto* pCurve =
        pCoordSyst->AddCurve(std::make_unique<CDensityCurve>(pCoordSyst, std::make_unique<CColorScale>()));

    // From two pixels left of the bitmap to two pixels right of it (it is 6 wide), on the
    // last row, then across the bottom edge.
    pCurve->SetSegment({-2, 3}, {7, 3});
    ASSERT_TRUE(pCurve->Sample());
    ASSERT_EQ(pCurve->GetValues().size(), 10u);
    for (size_t i = 0; i < 10; ++i) {
        const int x = pCurve->GetPoints()[i].x;
        const double expected = x < 0 || x > 5 ? 0.0 : 100.0 * (255 - 40 * x) / 255.0;
        EXPECT_NEAR(pCurve->GetValues()[i], expected, 1e-9) << "x = " << x;
    }

    pCurve->SetSegment({1, 2}, {1, 6});
    ASSERT_TRUE(pCurve->Sample());
    EXPECT_EQ(pCurve->GetValues(),
              (std::vector<double>{pCurve->GetValues()[0], pCurve->GetValues()[0], 0.0, 0.0, 0.0}));
    EXPECT_NEAR(pCurve->GetValues()[0], 100.0 * 215.0 / 255.0, 1e-9);
    EXPECT_TRUE(messages.Messages().empty());
}

TEST(DensityCurve, HitTestUsesTheBoundingRectangleThenTheProjection)
{
    CDensityCurve curve;
    EXPECT_FALSE(curve.HitTest(0, 0));
    curve.SetSegment({10, 5}, {20, 5});
    EXPECT_TRUE(curve.HitTest(10, 5));
    EXPECT_TRUE(curve.HitTest(15, 5));
    EXPECT_TRUE(curve.HitTest(20, 5));
    EXPECT_FALSE(curve.HitTest(15, 4));  // outside the bounding rectangle
    EXPECT_FALSE(curve.HitTest(21, 5));

    curve.SetSegment({0, 0}, {40, 40});
    EXPECT_TRUE(curve.HitTest(22, 20));   // projection (21, 21): one pixel off
    EXPECT_TRUE(curve.HitTest(26, 20));   // projection (23, 23): three pixels off
    EXPECT_FALSE(curve.HitTest(28, 20));  // projection (24, 24): four pixels off
}

TEST(DensityCurve, DrawsItsSegmentInItsColour)
{
    CFakeDocumentLink link;
    CCoordSyst cs(&link);
    link.m_nCurveCounter = 3;
    CDensityCurve curve(&cs, nullptr);
    CRecordingDrawContext dc;
    curve.Draw(dc);
    EXPECT_TRUE(dc.Entries().empty());

    curve.SetSegment({1, 2}, {30, 40});
    curve.Draw(dc);
    ASSERT_EQ(dc.Count(Kind::LineTo), 1u);
    const auto line = dc.EntriesOf(Kind::LineTo)[0];
    EXPECT_EQ(line.points, (std::vector<CPoint>{{1, 2}, {30, 40}}));
    EXPECT_EQ(line.color, 0xFF0000u);
    EXPECT_EQ(line.width, 1);

    dc.Clear();
    curve.SetSelected(true);
    curve.Draw(dc);
    EXPECT_EQ(dc.EntriesOf(Kind::LineTo)[0].width, 2);
}

TEST(DensityCurve, SettingTheSegmentModifiesTheCurveAndTheDocument)
{
    CFakeDocumentLink link;
    CCoordSyst cs(&link);
    auto* pCurve = cs.AddCurve(std::make_unique<CDensityCurve>(&cs, nullptr));
    EXPECT_FALSE(pCurve->GetModified());
    pCurve->SetSegment({0, 0}, {1, 1});
    EXPECT_TRUE(pCurve->GetModified());
    EXPECT_GT(link.m_nModifiedUpdates, 0);
}

TEST(DensityCurve, CloneCopiesSegmentAndScaleButNoSamples)
{
    CDensityCurve curve(nullptr, std::make_unique<CColorScale>(kWhite, kBlack, 5, 1));
    curve.SetName("Strip");
    curve.SetSegment({1, 1}, {4, 1});
    ASSERT_TRUE(curve.Sample());
    curve.GetResults();

    std::unique_ptr<CCurve> pClone(curve.Clone());
    auto* pDensity = dynamic_cast<CDensityCurve*>(pClone.get());
    ASSERT_NE(pDensity, nullptr);
    EXPECT_EQ(pDensity->GetName(), "Strip");
    EXPECT_EQ(pDensity->GetStart(), CPoint(1, 1));
    EXPECT_EQ(pDensity->GetEnd(), CPoint(4, 1));
    EXPECT_NE(&pDensity->GetColorScale(), &curve.GetColorScale());
    EXPECT_EQ(pDensity->GetColorScale().GetTopColor(), kWhite);
    EXPECT_DOUBLE_EQ(pDensity->GetColorScale().GetTopValue(), 5.0);
    EXPECT_TRUE(pDensity->GetValues().empty());
    EXPECT_TRUE(pDensity->GetPoints().empty());
    ASSERT_NE(pDensity->PeekResults(), nullptr);
    EXPECT_EQ(pDensity->PeekResults()->GetCurve(), pDensity);
    EXPECT_NE(pDensity->PeekResults(), curve.PeekResults());
    // The clone's scale is its own.
    pDensity->GetColorScale().SetTopValue(7);
    EXPECT_DOUBLE_EQ(curve.GetColorScale().GetTopValue(), 5.0);
}

TEST(DensityCurve, ResultsAreMadeOnceAndBound)
{
    CDensityCurve curve;
    CResults* pResults = curve.GetResults();
    ASSERT_NE(pResults, nullptr);
    EXPECT_TRUE(pResults->IsKindOf(RUNTIME_CLASS(CDensityResults)));
    EXPECT_EQ(pResults->GetCurve(), &curve);
    EXPECT_EQ(curve.GetResults(), pResults);
    EXPECT_FALSE(curve.IsDiscrete());
    EXPECT_FALSE(curve.IsContinuous());
}

TEST(DensityCurve, RecordRoundTripsAndNeedsItsScale)
{
    CDensityCurve curve(nullptr,
                        std::make_unique<CColorScale>(CColorScale::MakePixel(9, 8, 7), kWhite, 3, 1));
    curve.SetName("D");
    curve.SetSegment({-5, 6}, {70, 80});
    curve.GetResults();
    const std::string bytes = Store(curve);

    std::unique_ptr<CDensityCurve> pBack = Load(bytes);
    ASSERT_NE(pBack, nullptr);
    EXPECT_EQ(pBack->GetName(), "D");
    EXPECT_EQ(pBack->GetStart(), CPoint(-5, 6));
    EXPECT_EQ(pBack->GetEnd(), CPoint(70, 80));
    EXPECT_EQ(pBack->GetColorScale().GetTopColor(), CColorScale::MakePixel(9, 8, 7));
    EXPECT_DOUBLE_EQ(pBack->GetColorScale().GetBottomValue(), 1.0);
    ASSERT_NE(pBack->PeekResults(), nullptr);
    EXPECT_TRUE(pBack->PeekResults()->IsKindOf(RUNTIME_CLASS(CDensityResults)));
    EXPECT_EQ(pBack->PeekResults()->GetCurve(), pBack.get());
    EXPECT_EQ(Store(*pBack), bytes);

    // The scale reference is the last thing of the record: a null one, or another class,
    // fails the load.
    const std::string scaleRecord = Store(curve.GetColorScale());
    ASSERT_EQ(bytes.substr(bytes.size() - scaleRecord.size()), scaleRecord);
    const std::string head = bytes.substr(0, bytes.size() - scaleRecord.size());
    EXPECT_THROW(Load(head + std::string("\0\0", 2)), CArchiveException);
    CTestResults foreign;
    EXPECT_THROW(Load(head + Store(foreign)), CArchiveException);
    EXPECT_THROW(Load(head), CArchiveException);
}

TEST(DensityCurve, CurveWithoutSegmentReadsBackWithoutOne)
{
    CDensityCurve curve;
    std::unique_ptr<CDensityCurve> pBack = Load(Store(curve));
    ASSERT_NE(pBack, nullptr);
    EXPECT_FALSE(pBack->HasSegment());
    EXPECT_FALSE(pBack->Sample());
}

TEST(DensityResults, ParametersRoundTripAndDamagedModesAreRefused)
{
    // Display mode 1, period defined, Y master, X period 4, Y period -2, first X 10, first Y 3.
    std::ostringstream out;
    {
        CArchive ar(out);
        ar.WriteDword(1);
        ar.WriteDword(7);  // any non-zero flag is set
        ar.WriteDword(0);
        ar.WriteDouble(4);
        ar.WriteDouble(-2);
        ar.WriteDouble(10);
        ar.WriteDouble(3);
    }
    std::string record = out.str();
    CDensityResults results;
    {
        CArchive ar(reinterpret_cast<const uint8_t*>(record.data()), record.size());
        results.Serialize(ar);
    }
    std::unique_ptr<CResults> pClone(results.Clone());
    EXPECT_EQ(pClone->GetCurve(), nullptr);
    std::ostringstream again;
    {
        CArchive ar(again);
        pClone->Serialize(ar);
    }
    record[4] = 1;  // the flag is written back as 1
    EXPECT_EQ(again.str(), record);

    record[0] = 3;
    CArchive damaged(reinterpret_cast<const uint8_t*>(record.data()), record.size());
    EXPECT_THROW(results.Serialize(damaged), CArchiveException);
}

TEST(SettingsManager, DensityDefaultsMakeAndTakeColourScales)
{
    CMemorySettingsBackend store;
    {
        CSettingsManager settings(store);
        std::unique_ptr<CColorScale> pScale = settings.MakeColorScale();
        EXPECT_EQ(pScale->GetTopColor(), kBlack);
        EXPECT_EQ(pScale->GetBottomColor(), kWhite);
        EXPECT_DOUBLE_EQ(pScale->GetTopValue(), 100.0);
        EXPECT_DOUBLE_EQ(pScale->GetBottomValue(), 0.0);

        settings.SetDensityDefaults(
            CColorScale(CColorScale::MakePixel(10, 20, 30), CColorScale::MakePixel(200, 210, 220), 12.5, -3));
        EXPECT_EQ(settings.GetTopColorValue().Get(), CPixelSettingValue::Pack(10, 20, 30));
        pScale = settings.MakeColorScale();
        EXPECT_EQ(pScale->GetTopColor(), CColorScale::MakePixel(10, 20, 30));
        EXPECT_EQ(pScale->GetBottomColor(), CColorScale::MakePixel(200, 210, 220));
        EXPECT_DOUBLE_EQ(pScale->GetTopValue(), 12.5);
        EXPECT_DOUBLE_EQ(pScale->GetBottomValue(), -3.0);
    }
    // Written back at the end, read by the next manager.
    CSettingsManager next(store);
    EXPECT_EQ(next.MakeColorScale()->GetBottomColor(), CColorScale::MakePixel(200, 210, 220));
}
