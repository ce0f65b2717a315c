// Writes the seed documents of the document fuzzer into the folder given: one document per
// curve kind and one holding them all, each on a small picture, so that mutations start
// from every kind of record (continuous curves with limits, partial curves and both
// thickness correctors, discrete, densitometry and spline curves, each with its results).
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "Dm/BezierCurve.h"
#include "Dm/ColorScale.h"
#include "Dm/ContinuousCurve.h"
#include "Dm/CoordSyst.h"
#include "Dm/DensityCurve.h"
#include "Dm/DiscreteCurve.h"
#include "Dm/FlatThicknessCorrector.h"
#include "Dm/Limit.h"
#include "Dm/PartialCurve.h"
#include "Dm/PlotvaneDoc.h"
#include "Dm/SmartThicknessCorrector.h"

namespace {

constexpr int kSide = 16;

void Put(std::vector<uint8_t>& out, uint32_t v, int nBytes)
{
    for (int i = 0; i < nBytes; ++i)
        out.push_back(static_cast<uint8_t>(v >> (8 * i)));
}

// A 16 x 16 grey picture with a dark diagonal, as a 24-bit BMP file.
void WritePicture(const std::filesystem::path& path)
{
    const uint32_t rowBytes = kSide * 3;
    std::vector<uint8_t> bmp{'B', 'M'};
    Put(bmp, 54 + rowBytes * kSide, 4);
    Put(bmp, 0, 4);
    Put(bmp, 54, 4);
    Put(bmp, 40, 4);
    Put(bmp, kSide, 4);
    Put(bmp, kSide, 4);
    Put(bmp, 1, 2);
    Put(bmp, 24, 2);
    for (int i = 0; i < 6; ++i)
        Put(bmp, 0, 4);
    for (int y = kSide - 1; y >= 0; --y) {
        for (int x = 0; x < kSide; ++x) {
            const uint8_t v = x == y ? 0 : 200;
            bmp.insert(bmp.end(), {v, v, v});
        }
    }
    std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(bmp.data()), bmp.size());
}

CCoordSyst& AddCoordSyst(CPlotvaneDoc& doc)
{
    CCoordSyst& cs = *doc.AddCoordSyst(std::make_unique<CCoordSyst>(&doc));
    cs.GetXAxe().SetLine(CPoint(0, 15), CPoint(15, 15));
    cs.GetYAxe().SetLine(CPoint(0, 15), CPoint(0, 0));
    cs.ComputeOrigin();
    cs.GetXAxe().GetScalePoint1().SetPosition(CPoint(0, 15));
    cs.GetXAxe().GetScalePoint1().SetValue(0);
    cs.GetXAxe().GetScalePoint2().SetPosition(CPoint(15, 15));
    cs.GetXAxe().GetScalePoint2().SetValue(15);
    cs.GetYAxe().GetScalePoint1().SetPosition(CPoint(0, 15));
    cs.GetYAxe().GetScalePoint1().SetValue(1);
    cs.GetYAxe().GetScalePoint2().SetPosition(CPoint(0, 0));
    cs.GetYAxe().GetScalePoint2().SetValue(100);
    cs.GetYAxe().SetLogarithmic(true);
    cs.ComputeTransform();
    return cs;
}

void AddContinuous(CCoordSyst& cs, bool bFlat)
{
    auto& curve = *cs.AddCurve(std::make_unique<CContinuousCurve>(&cs));
    if (bFlat)
        curve.SetThicknessCorrector(std::make_unique<CFlatThicknessCorrector>(&curve));
    else
        curve.SetThicknessCorrector(std::make_unique<CSmartThicknessCorrector>(&curve, 3));
    curve.GetThicknessCorrector()->SetThickness(2);
    curve.SetDashed(bFlat);
    curve.GetLeftLimit()->SetValue(1);
    curve.GetRightLimit()->SetValue(14);
    for (int x : {3, 9}) {
        auto pPart = std::make_unique<CPartialCurve>(&curve);
        pPart->SetGenesis(CPoint(x, x));
        curve.InsertElement(pPart);
    }
    for (int x = 2; x < 14; ++x)
        curve.GetPoints().push_back(CPoint(x, x));
    curve.GetResults();
}

void AddDiscrete(CCoordSyst& cs)
{
    auto& curve = *cs.AddCurve(std::make_unique<CDiscreteCurve>(&cs));
    curve.AppendPoint(2, 3);
    curve.AppendPoint(7, 5);
    curve.AppendPoint(12, 1);
    curve.GetResults();
}

void AddDensity(CCoordSyst& cs)
{
    auto& curve = *cs.AddCurve(std::make_unique<CDensityCurve>(&cs, std::make_unique<CColorScale>()));
    curve.SetSegment(CPoint(1, 14), CPoint(14, 1));
    curve.GetResults();
}

void AddSpline(CCoordSyst& cs)
{
    auto& curve = *cs.AddCurve(std::make_unique<CBezierCurve>(&cs));
    curve.AddBack(CPoint(1, 12));
    curve.MoveActiveNode(CPoint(4, 8), false, false);
    curve.EndMove();
    curve.AddBack(CPoint(8, 4));
    curve.EndMove();
    curve.AddBack(CPoint(14, 2));
    curve.EndMove();
    curve.GetResults();
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s FOLDER\n", argv[0]);
        return 2;
    }
    const std::filesystem::path folder = argv[1];
    std::filesystem::create_directories(folder);
    const std::filesystem::path picture = folder / "picture.bmp.tmp";
    WritePicture(picture);

    using Filler = std::function<void(CCoordSyst&)>;
    const std::vector<std::pair<std::string, Filler>> seeds{
        {"continuous-smart", [](CCoordSyst& cs) { AddContinuous(cs, false); }},
        {"continuous-flat", [](CCoordSyst& cs) { AddContinuous(cs, true); }},
        {"discrete", AddDiscrete},
        {"density", AddDensity},
        {"spline", AddSpline},
        {"every-kind",
         [](CCoordSyst& cs) {
             AddContinuous(cs, false);
             AddContinuous(cs, true);
             AddDiscrete(cs);
             AddDensity(cs);
             AddSpline(cs);
         }},
    };
    int nFailed = 0;
    for (const auto& [name, fill] : seeds) {
        CPlotvaneDoc doc;
        std::string strError;
        if (!doc.OpenBitmap(picture.string())) {
            std::fprintf(stderr, "%s: the picture does not load\n", name.c_str());
            return 1;
        }
        fill(AddCoordSyst(doc));
        if (!doc.OnSaveDocument((folder / (name + ".pvd")).string(), &strError)) {
            std::fprintf(stderr, "%s: %s\n", name.c_str(), strError.c_str());
            ++nFailed;
        }
    }
    std::filesystem::remove(picture);
    return nFailed == 0 ? 0 : 1;
}
