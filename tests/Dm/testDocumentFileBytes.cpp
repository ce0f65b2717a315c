#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "BezierTestCurve.h"
#include "Dm/BmpManager.h"
#include "Dm/ColorScale.h"
#include "Dm/ContinuousCurve.h"
#include "Dm/ContinuousResults.h"
#include "Dm/CoordSyst.h"
#include "Dm/DensityCurve.h"
#include "Dm/DensityResults.h"
#include "Dm/DiscreteCurve.h"
#include "Dm/DiscreteResults.h"
#include "Dm/FlatThicknessCorrector.h"
#include "Dm/Limit.h"
#include "Dm/PartialCurve.h"
#include "Dm/PlotvaneDoc.h"
#include "Dm/SmartThicknessCorrector.h"
#include "Dm/SplineResults.h"
#include "PackedDib.h"
#include "tests/support/TempVariable.h"

// A whole document file checked byte for byte against the record list of the format, written
// out here field by field rather than through the model's own Serialize code.

namespace fs = std::filesystem;

namespace {

// Little-endian bytes of a document file, built by hand.
class Bytes {
public:
    Bytes& Byte(uint8_t v)
    {
        m_s.push_back(static_cast<char>(v));
        return *this;
    }
    Bytes& Word(uint16_t v) { return Byte(v & 0xFF).Byte(v >> 8); }
    Bytes& Dword(uint32_t v) { return Word(v & 0xFFFF).Word(v >> 16); }
    Bytes& Flag(bool b) { return Dword(b ? 1 : 0); }
    Bytes& Double(double d)
    {
        uint64_t u;
        std::memcpy(&u, &d, 8);
        return Dword(static_cast<uint32_t>(u)).Dword(static_cast<uint32_t>(u >> 32));
    }
    Bytes& Point(int32_t x, int32_t y)
    {
        return Dword(static_cast<uint32_t>(x)).Dword(static_cast<uint32_t>(y));
    }
    Bytes& Raw(const std::string& s)
    {
        m_s += s;
        return *this;
    }
    Bytes& String(const std::string& s)
    {
        if (s.size() < 255)
            Byte(static_cast<uint8_t>(s.size()));
        else
            Byte(0xFF).Word(static_cast<uint16_t>(s.size()));
        return Raw(s);
    }
    // A class seen for the first time in the file.
    Bytes& NewClass(const std::string& name)
    {
        return Word(0xFFFF).Word(1).Word(static_cast<uint16_t>(name.size())).Raw(name);
    }
    Bytes& KnownClass(uint16_t index) { return Word(0x8000 | index); }
    const std::string& Str() const { return m_s; }

private:
    std::string m_s;
};

// A 2 x 2 24-bit BMP file: blue, green / red, white (bottom-up, rows padded to 8 bytes).
std::string TinyBmp()
{
    const std::vector<uint8_t> bits = {255, 0, 0, 0, 255, 0, 0, 0, 0, 0, 255, 255, 255, 255, 0, 0};
    const std::vector<uint8_t> dib = PackedDib(2, 2, 24, {}, bits);
    Bytes file;
    file.Byte('B').Byte('M').Dword(static_cast<uint32_t>(14 + dib.size())).Dword(0).Dword(54);
    return file.Str() + std::string(dib.begin(), dib.end());
}

std::string ReadFile(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// Graph x = pixel x - 10, graph y = 200 - pixel y.
void Calibrate(CCoordSyst& cs)
{
    cs.GetXAxe().SetName("Time");
    cs.GetYAxe().SetName("Level");
    cs.GetXAxe().SetLine({10, 200}, {210, 200});
    cs.GetYAxe().SetLine({10, 200}, {10, 0});
    cs.ComputeOrigin();
    cs.GetXAxe().GetScalePoint1().SetPosition({10, 200});
    cs.GetXAxe().GetScalePoint1().SetValue(0);
    cs.GetXAxe().GetScalePoint2().SetPosition({210, 200});
    cs.GetXAxe().GetScalePoint2().SetValue(200);
    cs.GetYAxe().GetScalePoint1().SetPosition({10, 200});
    cs.GetYAxe().GetScalePoint1().SetValue(0);
    cs.GetYAxe().GetScalePoint2().SetPosition({10, 0});
    cs.GetYAxe().GetScalePoint2().SetValue(200);
    cs.ComputeTransform();
}

const std::string kLongName(300, 'n');

class DocumentFileBytesTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_dir = fs::path(PLOTVANE_TEST_WORK) / "document-file-bytes";
        fs::remove_all(m_dir);
        fs::create_directories(m_dir / "temp");
        m_temp.emplace((m_dir / "temp").string());
        m_image = m_dir / "tiny.bmp";
        std::ofstream(m_image, std::ios::binary) << TinyBmp();
    }

    void TearDown() override
    {
        m_temp.reset();
        fs::remove_all(m_dir);
    }

    template <typename T, typename... Args>
    static T* AddCurve(CPlotvaneDoc& doc, CCoordSyst* pCoordSyst, Args&&... args)
    {
        T* pCurve = pCoordSyst->AddCurve(std::make_unique<T>(pCoordSyst, std::forward<Args>(args)...));
        doc.AdvanceCurveCounter();
        return pCurve;
    }

    // One coordinate system holding a curve of every kind; the second continuous curve has
    // a 300-character name and never made its results.
    void Build(CPlotvaneDoc& doc)
    {
        ASSERT_TRUE(doc.OpenBitmap(m_image.string()));
        auto* pCoordSyst = doc.AddCoordSyst(std::make_unique<CCoordSyst>(&doc));
        doc.AdvanceCoordSystCounter();
        Calibrate(*pCoordSyst);

        auto* pTraced = AddCurve<CContinuousCurve>(doc, pCoordSyst);
        pTraced->SetName("Traced");
        pTraced->GetPoints() = {{20, 190}, {21, 189}};
        pTraced->SetFollowTop(false);
        pTraced->SetHandModified(true);
        pTraced->SetDashed(true);
        pTraced->SetDashMaxDist(17);
        ASSERT_EQ(pTraced->GetDashMaxDist(), 17);
        pTraced->SetThreshold(0xFF46505A);
        auto pSmart = std::make_unique<CSmartThicknessCorrector>();
        pSmart->SetThickness(3);
        pSmart->SetRange(4);
        pTraced->SetThicknessCorrector(std::move(pSmart));
        pTraced->GetLeftLimit()->SetValue(2.5);
        pTraced->GetRightLimit()->SetValue(99);
        auto pPart = std::make_unique<CPartialCurve>(pTraced);
        pPart->SetGenesis(CPoint(60, 120));
        ASSERT_NE(pTraced->InsertElement(pPart), pTraced->GetElements().end());
        pTraced->GetContinuousResults()->SetFirstValue(2.5);
        pTraced->GetContinuousResults()->SetPeriod(0.5);

        auto* pLong = AddCurve<CContinuousCurve>(doc, pCoordSyst);
        pLong->SetName(kLongName);
        pLong->SetFollowTop(true);
        pLong->SetHandModified(false);
        pLong->SetDashed(false);
        pLong->SetDashMaxDist(10);
        ASSERT_EQ(pLong->GetDashMaxDist(), 10);
        pLong->SetThreshold(0xFF000000);
        auto pFlat = std::make_unique<CFlatThicknessCorrector>(nullptr);
        pFlat->SetThickness(5);
        pLong->SetThicknessCorrector(std::move(pFlat));
        pLong->GetLeftLimit()->SetValue(-1);
        pLong->GetRightLimit()->SetValue(150);

        auto* pDots = AddCurve<CDiscreteCurve>(doc, pCoordSyst);
        pDots->SetName("Dots");
        pDots->AppendPoint(30, 40);
        pDots->AppendPoint(50, 60);
        pDots->AppendPoint(70, 20);
        pDots->GetResults();

        auto* pBezier = AddCurve<CBezierCurve>(doc, pCoordSyst);
        pBezier->SetName("Fitted");
        beziertest::Lay(*pBezier, {{{40, 100}, {0, 0}, {12, -7}}, {{90, 80}, {-8, 3}, {9, 9}, false}});
        static_cast<CSplineResults*>(pBezier->GetResults())->SetPointsPerSegment(7);

        auto* pDensity = AddCurve<CDensityCurve>(
            doc, pCoordSyst,
            std::make_unique<CColorScale>(CColorScale::MakePixel(1, 2, 3),
                                          CColorScale::MakePixel(250, 251, 252), 7.5, -2));
        pDensity->SetName("Grey");
        pDensity->SetSegment({20, 190}, {60, 150});
        auto* pDensityResults = static_cast<CDensityResults*>(pDensity->GetResults());
        pDensityResults->SetDisplayMode(CDensityResults::kDisplayBoth);
        pDensityResults->SetXPeriod(2);
        pDensityResults->SetFirstX(10);

        doc.SetCoordSystCounter(5);
        doc.SetCurveCounter(12);
    }

    // The file that Build's document must give, following the record list of the format.
    std::string Expected() const
    {
        Bytes b;
        const std::string image = TinyBmp();
        b.String(m_image.string()).Dword(static_cast<uint32_t>(image.size())).Raw(image);
        b.Dword(1);

        // Indices: one counter for classes and objects, from 1.
        b.NewClass("CCoordSyst");  // class 1, object 2
        b.Dword(1).Dword(5).Dword(0x0000FF).Flag(false);
        // X axis: line, linear, name, second scale point, then first.
        b.Point(10, 200).Point(210, 200).Flag(false).String("Time");
        b.Flag(true).Flag(true).Point(210, 200).Double(200);
        b.Flag(true).Flag(true).Point(10, 200).Double(0);
        b.Point(10, 200).Point(10, 0).Flag(false).String("Level");
        b.Flag(true).Flag(true).Point(10, 0).Double(200);
        b.Flag(true).Flag(true).Point(10, 200).Double(0);
        b.Dword(5);

        // Continuous "Traced": class 3, object 4.
        b.NewClass("CContinuousCurve");
        b.Dword(0x0000FF).String("Traced").Dword(1).Dword(12).Flag(false).Dword(2).Point(20, 190).Point(21,
                                                                                                        189);
        b.NewClass("CContinuousResults").Double(2.5).Flag(true).Double(0.5);  // class 5, object 6
        b.Flag(false).Flag(true).Flag(true).Dword(17);
        b.Byte(70).Byte(80).Byte(90);
        b.NewClass("CSmartThicknessCorrector").Dword(3).Dword(4);  // class 7, object 8
        b.Dword(3);
        b.NewClass("CLimit").Flag(true).Flag(true).Double(2.5);  // class 9, object 10
        b.NewClass("CPartialCurve").Point(60, 120);              // class 11, object 12
        b.KnownClass(9).Flag(false).Flag(true).Double(99);       // object 13

        // Continuous, long name, no results: a known class (object 14).
        b.KnownClass(3);
        b.Dword(0x00FF00).Byte(0xFF).Word(300).Raw(kLongName).Dword(2).Dword(12).Flag(false).Dword(0);
        b.Word(0);
        b.Flag(true).Flag(false).Flag(false).Dword(10);
        b.Byte(0).Byte(0).Byte(0);
        b.NewClass("CFlatThicknessCorrector").Dword(5);  // class 15, object 16
        b.Dword(2);
        b.KnownClass(9).Flag(true).Flag(true).Double(-1);    // object 17
        b.KnownClass(9).Flag(false).Flag(true).Double(150);  // object 18

        // Discrete: class 19, object 20; its results class 21, object 22, no bytes.
        b.NewClass("CDiscreteCurve");
        b.Dword(0xFF0000)
            .String("Dots")
            .Dword(3)
            .Dword(12)
            .Flag(false)
            .Dword(3)
            .Point(30, 40)
            .Point(50, 60)
            .Point(70, 20);
        b.NewClass("CDiscreteResults");

        // Bezier: class 23, object 24; results class 25, object 26; nodes class 27, objects 28, 29.
        b.NewClass("CBezierCurve");
        b.Dword(0x800080).String("Fitted").Dword(4).Dword(12).Flag(false).Dword(0);
        b.NewClass("CSplineResults").Dword(7);
        b.Dword(2);
        b.NewClass("CBezierNode").Point(40, 100).Point(12, -7).Point(0, 0).Flag(true);
        b.KnownClass(27).Point(90, 80).Point(9, 9).Point(-8, 3).Flag(false);

        // Density: class 30, object 31; results class 32, object 33; colour scale class 34, object 35.
        b.NewClass("CDensityCurve");
        b.Dword(m_densityColor).String("Grey").Dword(5).Dword(12).Flag(false).Dword(0);
        b.NewClass("CDensityResults")
            .Dword(2)
            .Flag(true)
            .Flag(true)
            .Double(2)
            .Double(2)
            .Double(10)
            .Double(10);
        b.Point(20, 190).Point(60, 150);
        b.NewClass("CColorScale")
            .Double(7.5)
            .Double(-2)
            .Byte(1)
            .Byte(2)
            .Byte(3)
            .Byte(250)
            .Byte(251)
            .Byte(252);
        return b.Str();
    }

    fs::path m_dir;
    fs::path m_image;
    std::optional<CTempVariable> m_temp;
    uint32_t m_densityColor = 0;
};

}  // namespace

TEST_F(DocumentFileBytesTest, WholeFileFollowsTheRecordListAndReadsBackUnchanged)
{
    const fs::path file = m_dir / "work.pvd";
    {
        CPlotvaneDoc doc;
        Build(doc);
        if (HasFailure())
            return;
        m_densityColor = doc.GetColor(5);
        std::string strError;
        ASSERT_TRUE(doc.OnSaveDocument(file.string(), &strError)) << strError;
    }
    const std::string saved = ReadFile(file);
    const std::string expected = Expected();
    ASSERT_EQ(saved.size(), expected.size());
    for (size_t i = 0; i < saved.size(); ++i)
        ASSERT_EQ(static_cast<uint8_t>(saved[i]), static_cast<uint8_t>(expected[i])) << "at byte " << i;

    CPlotvaneDoc doc;
    std::string strError;
    ASSERT_TRUE(doc.OnOpenDocument(file.string(), &strError)) << strError;
    EXPECT_EQ(doc.GetBitmapFileName(), m_image.string());
    EXPECT_EQ(doc.GetBmpManager()->GetSize(), CPoint(2, 2));
    EXPECT_EQ(doc.CoordSystCounter(), 5);
    EXPECT_EQ(doc.CurveCounter(), 12);
    ASSERT_EQ(doc.GetCoordSystList().size(), 1u);
    CCoordSyst* pCoordSyst = doc.GetCoordSystList().front().get();
    EXPECT_EQ(pCoordSyst->GetNumber(), 1);
    EXPECT_EQ(pCoordSyst->GetXAxe().GetName(), "Time");
    EXPECT_EQ(pCoordSyst->GetYAxe().GetName(), "Level");
    EXPECT_EQ(pCoordSyst->GetXAxe().GetScalePoint2().GetPosition(), CPoint(210, 200));
    EXPECT_EQ(pCoordSyst->GetYAxe().GetScalePoint2().GetValue(), 200);
    EXPECT_NEAR(pCoordSyst->PixelToGraph(60, 150).x, 50.0, 1e-9);
    EXPECT_NEAR(pCoordSyst->PixelToGraph(60, 150).y, 50.0, 1e-9);

    const auto& curves = pCoordSyst->GetCurveList();
    ASSERT_EQ(curves.size(), 5u);
    auto it = curves.begin();
    auto* pTraced = dynamic_cast<CContinuousCurve*>((it++)->get());
    auto* pLong = dynamic_cast<CContinuousCurve*>((it++)->get());
    auto* pDots = dynamic_cast<CDiscreteCurve*>((it++)->get());
    auto* pBezier = dynamic_cast<CBezierCurve*>((it++)->get());
    auto* pDensity = dynamic_cast<CDensityCurve*>((it++)->get());
    ASSERT_TRUE(pTraced && pLong && pDots && pBezier && pDensity);

    EXPECT_EQ(pTraced->GetName(), "Traced");
    EXPECT_EQ(pTraced->GetPoints(), (CCurve::PointList{{20, 190}, {21, 189}}));
    EXPECT_TRUE(pTraced->IsDashed());
    EXPECT_FALSE(pTraced->IsFollowTop());
    EXPECT_EQ(pTraced->GetThreshold(), 0xFF46505Au);
    EXPECT_EQ(pTraced->GetLeftLimit()->GetValue(), 2.5);
    EXPECT_EQ(pTraced->GetRightLimit()->GetValue(), 99);
    ASSERT_EQ(pTraced->GetElements().size(), 3u);
    auto* pPart = dynamic_cast<CPartialCurve*>(std::next(pTraced->GetElements().begin())->get());
    ASSERT_NE(pPart, nullptr);
    EXPECT_EQ(pPart->GetGenesis(), CPoint(60, 120));
    EXPECT_EQ(pTraced->GetContinuousResults()->GetPeriod(), 0.5);

    EXPECT_EQ(pLong->GetName(), kLongName);
    EXPECT_EQ(pLong->PeekResults(), nullptr);
    EXPECT_TRUE(pLong->GetThicknessCorrector()->IsKindOf(RUNTIME_CLASS(CFlatThicknessCorrector)));
    EXPECT_EQ(pLong->GetThicknessCorrector()->GetThickness(), 5);

    EXPECT_EQ(pDots->GetPoints(), (CCurve::PointList{{30, 40}, {50, 60}, {70, 20}}));
    EXPECT_NE(dynamic_cast<CDiscreteResults*>(pDots->PeekResults()), nullptr);

    ASSERT_EQ(pBezier->GetNodeCount(), 2u);
    EXPECT_EQ(beziertest::NodeAt(*pBezier, 1)->GetAnchor(), CPoint(90, 80));
    EXPECT_EQ(beziertest::NodeAt(*pBezier, 1)->GetFrontHandle(), CPoint(-8, 3));
    EXPECT_FALSE(beziertest::NodeAt(*pBezier, 1)->IsSmooth());
    EXPECT_EQ(static_cast<CSplineResults*>(pBezier->PeekResults())->GetPointsPerSegment(), 7);

    EXPECT_EQ(pDensity->GetStart(), CPoint(20, 190));
    EXPECT_EQ(pDensity->GetColorScale().GetTopValue(), 7.5);
    auto* pDensityResults = dynamic_cast<CDensityResults*>(pDensity->PeekResults());
    ASSERT_NE(pDensityResults, nullptr);
    EXPECT_TRUE(pDensityResults->IsXMaster());
    EXPECT_EQ(pDensityResults->GetFirstY(), 10);

    // Saved again, the same bytes.
    const fs::path again = m_dir / "again.pvd";
    ASSERT_TRUE(doc.OnSaveDocument(again.string(), &strError)) << strError;
    EXPECT_EQ(ReadFile(again), saved);
}
