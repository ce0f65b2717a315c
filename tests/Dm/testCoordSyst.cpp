#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <sstream>
#include <string>

#include "Dm/CoordSyst.h"
#include "Dm/Geometry.h"
#include "FakeDocumentLink.h"
#include "TestCurve.h"
#include "TestResults.h"
#include "platform/Archive.h"
#include "platform/StringIds.h"
#include "tests/doubles/RecordingDrawContext.h"

namespace {

using Kind = CRecordingDrawContext::Kind;

struct AxisInput {
    CPoint start, end;
    CPoint pick1;
    double value1;
    CPoint pick2;
    double value2;
};

// Builds a coordinate system the way the axis dialogs do: both lines, the origin, then the
// scale points.
void Build(CCoordSyst& cs, const AxisInput& x, const AxisInput& y, bool bLogX = false)
{
    cs.GetXAxe().SetLine(x.start, x.end);
    cs.GetYAxe().SetLine(y.start, y.end);
    cs.ComputeOrigin();
    cs.GetXAxe().SetLogarithmic(bLogX);
    cs.GetXAxe().GetScalePoint1().SetPosition(x.pick1);
    cs.GetXAxe().GetScalePoint1().SetValue(x.value1);
    cs.GetXAxe().GetScalePoint2().SetPosition(x.pick2);
    cs.GetXAxe().GetScalePoint2().SetValue(x.value2);
    cs.GetYAxe().GetScalePoint1().SetPosition(y.pick1);
    cs.GetYAxe().GetScalePoint1().SetValue(y.value1);
    cs.GetYAxe().GetScalePoint2().SetPosition(y.pick2);
    cs.GetYAxe().GetScalePoint2().SetValue(y.value2);
}

// X from (100, 400) to (500, 400), 0 at x = 100 and 10 at x = 500; Y from (100, 400) up to
// (100, 0), 0 at y = 400 and 100 at y = 0.
void BuildSquare(CCoordSyst& cs, bool bLogX = false, double x1 = 0, double x2 = 10)
{
    Build(cs, {{100, 400}, {500, 400}, {100, 400}, x1, {500, 400}, x2},
          {{100, 400}, {100, 0}, {100, 400}, 0, {100, 0}, 100}, bLogX);
}

std::string Store(const CObject& object, bool bEmbedded)
{
    std::ostringstream out;
    CArchive ar(out);
    if (bEmbedded)
        const_cast<CObject&>(object).Serialize(ar);
    else
        ar.WriteObject(&object);
    return out.str();
}

const uint8_t* Bytes(const std::string& s)
{
    return reinterpret_cast<const uint8_t*>(s.data());
}

}  // namespace

TEST(CoordSystTransform, ConvertsBothWaysOnUprightAxes)
{
    CCoordSyst cs;
    BuildSquare(cs);
    ASSERT_TRUE(cs.IsComplete());
    EXPECT_EQ(cs.GetOrigin(), CPoint(100, 400));
    const CLogicPoint g = cs.PixelToGraph(300, 200);
    EXPECT_NEAR(g.x, 5.0, 1e-9);
    EXPECT_NEAR(g.y, 50.0, 1e-9);
    EXPECT_TRUE(g.IsValid());
    const CLogicPoint p = cs.GraphToPixel(CLogicPoint(5, 50));
    EXPECT_NEAR(p.x, 300.0, 1e-9);
    EXPECT_NEAR(p.y, 200.0, 1e-9);
    EXPECT_FALSE(cs.IsXReversed());
}

TEST(CoordSystTransform, LogarithmicAxisWorksOnLogarithms)
{
    CCoordSyst cs;
    BuildSquare(cs, true, 1, 100);
    EXPECT_NEAR(cs.PixelToGraph(300, 200).x, 10.0, 1e-9);
    EXPECT_NEAR(cs.GraphToPixel(CLogicPoint(10, 50)).x, 300.0, 1e-9);
}

TEST(CoordSystTransform, ValuesGrowingLeftwardsReverseX)
{
    CCoordSyst cs;
    BuildSquare(cs, false, 10, 0);
    EXPECT_TRUE(cs.IsXReversed());
    EXPECT_NEAR(cs.PixelToGraph(200, 400).x, 7.5, 1e-9);
}

TEST(CoordSystTransform, ObliqueAxesConvertConsistently)
{
    // X at about -30 degrees through (27, 400), (200, 300), (373, 200), (546, 100); Y at 60
    // degrees (a line at 120 degrees) through (300, 473), (200, 300), (100, 127).
    CCoordSyst cs;
    Build(cs, {{27, 400}, {546, 100}, {546, 100}, 2, {27, 400}, -1},
          {{300, 473}, {100, 127}, {100, 127}, 10, {300, 473}, 0});
    ASSERT_EQ(cs.GetOrigin(), CPoint(200, 300));
    EXPECT_NEAR(cs.GetYAxe().GetAngle(), std::atan(346.0 / 200.0), 1e-12);

    for (int k = 0; k <= 3; ++k) {
        const CLogicPoint g = cs.PixelToGraph(27 + 173 * k, 400 - 100 * k);
        EXPECT_NEAR(g.y, 5.0, 1e-9) << "on the X axis, k=" << k;
        EXPECT_NEAR(g.x, k - 1.0, 1e-9);
    }
    for (int px = -50; px <= 650; px += 37) {
        for (int py = -20; py <= 600; py += 41) {
            const CLogicPoint back = cs.GraphToPixel(cs.PixelToGraph(px, py));
            EXPECT_NEAR(back.x, px, 1e-6);
            EXPECT_NEAR(back.y, py, 1e-6);
        }
    }
}

TEST(CoordSystTransform, IncompleteOrDegenerateInputKeepsThePreviousTransform)
{
    CCoordSyst cs;
    cs.GetXAxe().SetLine({100, 400}, {500, 400});
    cs.GetYAxe().SetLine({100, 400}, {100, 0});
    cs.ComputeOrigin();
    EXPECT_FALSE(cs.ComputeTransform());
    EXPECT_EQ(cs.GetPixelToGraph().ax, 0.0);

    BuildSquare(cs);
    const double ax = cs.GetPixelToGraph().ax;
    cs.GetXAxe().GetScalePoint2().SetValue(0);  // equal values on X
    EXPECT_FALSE(cs.ComputeTransform());
    EXPECT_EQ(cs.GetPixelToGraph().ax, ax);
    cs.GetXAxe().GetScalePoint2().SetValue(10);
    cs.GetXAxe().SetLogarithmic(true);  // log of 0
    EXPECT_FALSE(cs.ComputeTransform());
    EXPECT_TRUE(std::isfinite(cs.PixelToGraph(300, 200).y));
}

TEST(CoordSystTransform, RedrawnLineCarriesTheScalePoints)
{
    CCoordSyst cs;
    BuildSquare(cs);
    // The X axis is drawn again 2 pixels lower: the scale points follow it.
    cs.GetXAxe().SetLine({100, 402}, {500, 402});
    cs.ComputeOrigin();
    EXPECT_EQ(cs.GetXAxe().GetScalePoint2().GetPosition(), CPoint(500, 402));
    EXPECT_EQ(cs.GetOrigin(), CPoint(100, 402));
    EXPECT_TRUE(cs.ComputeTransform());
    EXPECT_NEAR(cs.PixelToGraph(300, 402).x, 5.0, 1e-9);
}

TEST(CoordSystTransform, TurnedLineConvertsAtOnceWithTheScalePointsOnIt)
{
    CCoordSyst cs;
    BuildSquare(cs);
    // The X axis turns about the origin: its second scale point, picked at (500, 400),
    // moves onto the new line at (394, 224), and the conversion uses it at once.
    cs.GetXAxe().SetLine({100, 400}, {400, 220});
    const CPoint moved = cs.GetXAxe().GetScalePoint2().GetPosition();
    EXPECT_EQ(moved, CPoint(394, 224));
    EXPECT_NEAR(cs.PixelToGraph(moved.x, moved.y).x, 10.0, 1e-9);
    EXPECT_NEAR(cs.PixelToGraph(moved.x, moved.y).y, 0.0, 1e-9);
}

TEST(CoordSystTransform, RedrawnAxisOfAnObliqueSystemMovesTheOriginAndTheTransform)
{
    // X at 30 degrees, Y at 120 degrees; then the Y axis is drawn again elsewhere at another
    // angle. The conversions must be those of a system built with the new line at once.
    const AxisInput x{{300, 500}, {646, 300}, {300, 500}, 0, {646, 300}, 4};
    const AxisInput yOld{{300, 500}, {100, 154}, {300, 500}, 0, {100, 154}, 10};
    const AxisInput yNew{{400, 520}, {250, 150}, {300, 500}, 0, {100, 154}, 10};
    CCoordSyst redrawn;
    Build(redrawn, x, yOld);
    redrawn.GetYAxe().SetLine(yNew.start, yNew.end);
    redrawn.ComputeOrigin();
    CCoordSyst fresh;
    Build(fresh, x, yNew);
    ASSERT_EQ(redrawn.GetOrigin(), fresh.GetOrigin());
    for (const CPoint& p : {CPoint(350, 400), CPoint(500, 250), CPoint(120, 600)}) {
        EXPECT_NEAR(redrawn.PixelToGraph(p).x, fresh.PixelToGraph(p).x, 1e-9);
        EXPECT_NEAR(redrawn.PixelToGraph(p).y, fresh.PixelToGraph(p).y, 1e-9);
    }
}

TEST(CoordSystAxes, LineWithAnEndAtOriginPixelIsAbsent)
{
    CCoordSyst cs;
    cs.GetXAxe().SetLine({0, 0}, {300, 300});
    cs.GetYAxe().SetLine({100, 400}, {100, 0});
    EXPECT_FALSE(cs.GetXAxe().HasLine());
    EXPECT_EQ(cs.GetXAxe().GetAngle(), 0.0);
    EXPECT_TRUE(cs.GetXAxe().IsParallelTo({0, 0}, {1, 7}));
    EXPECT_EQ(cs.ComputeOrigin(), CPoint());
    EXPECT_FALSE(cs.IsOriginComputed());
    EXPECT_FALSE(cs.HitTest(150, 150));

    CRecordingDrawContext dc;
    cs.GetXAxe().Draw(dc);
    EXPECT_EQ(dc.Count(Kind::LineTo), 0u);

    cs.GetXAxe().SetLine({0, 0}, {0, 0});
    EXPECT_FALSE(cs.GetXAxe().IsDefined());
    EXPECT_TRUE(cs.GetYAxe().IsDefined());
}

TEST(CoordSystAxes, AngleAndParallelism)
{
    CAxe axe;
    axe.SetLine({100, 400}, {100, 0});
    EXPECT_DOUBLE_EQ(axe.GetAngle(), M_PI / 2);
    EXPECT_TRUE(axe.IsParallelTo({5, 5}, {5, 90}));
    EXPECT_FALSE(axe.IsParallelTo({5, 5}, {6, 90}));
    axe.SetLine({10, 10}, {20, 0});
    EXPECT_DOUBLE_EQ(axe.GetAngle(), -M_PI / 4);
}

// The refusals the axis dialog and the job both take from the axis.
TEST(CoordSystAxes, ChecksGiveTheRefusalShown)
{
    CCoordSyst cs;
    CAxe& x = cs.GetXAxe();
    CAxe& y = cs.GetYAxe();
    EXPECT_EQ(CAxe::CheckLine({100, 250}, {300, 250}, y), 0u) << "nothing to be parallel to";
    x.SetLine({100, 250}, {300, 250});
    EXPECT_EQ(CAxe::CheckLine({120, 200}, {120, 200}, x), unsigned(IDS_AXIS_ENDS_EQUAL));
    EXPECT_EQ(CAxe::CheckLine({0, 0}, {120, 200}, x), unsigned(IDS_AXIS_AT_CORNER));
    EXPECT_EQ(CAxe::CheckLine({120, 200}, {50, 200}, x), unsigned(IDS_AXES_PARALLEL));
    EXPECT_EQ(CAxe::CheckLine({100, 250}, {300, 251}, x), 0u) << "one pixel off over 200";
    // Far apart on a large picture, still parallel; one pixel off, not.
    x.SetLine({1, 1}, {60001, 40001});
    EXPECT_EQ(CAxe::CheckLine({7, 3}, {-59993, -39997}, x), unsigned(IDS_AXES_PARALLEL));
    EXPECT_EQ(CAxe::CheckLine({7, 3}, {-59993, -39996}, x), 0u);

    y.SetLine({100, 400}, {100, 0});
    y.GetScalePoint1().SetPosition({90, 200});
    EXPECT_EQ(y.CheckScalePoint(1, {130, 60}), 0u) << "the other point is not placed";
    EXPECT_EQ(y.CheckScalePoint(2, {130, 200}), unsigned(IDS_SCALE_POINTS_EQUAL)) << "projected onto point 1";
    EXPECT_EQ(y.CheckScalePoint(2, {130, 201}), 0u);

    // In the dialog's order, on what is set only.
    y.GetScalePoint2().SetPosition({100, 200});
    y.GetScalePoint1().SetValue(0);
    y.GetScalePoint2().SetValue(0);
    EXPECT_EQ(y.CheckScale(true), unsigned(IDS_SCALE_POINTS_EQUAL));
    y.GetScalePoint2().SetPosition({100, 60});
    EXPECT_EQ(y.CheckScale(true), unsigned(IDS_SCALE_VALUES_EQUAL));
    y.GetScalePoint2().SetValue(10);
    EXPECT_EQ(y.CheckScale(false), 0u);
    EXPECT_EQ(y.CheckScale(true), unsigned(IDS_LOG_VALUES_POSITIVE));
    y.GetScalePoint1().SetValue(1);
    EXPECT_EQ(y.CheckScale(true), 0u);
}

TEST(CoordSystHitTest, TwoPixelsOffTheDrawnLine)
{
    CCoordSyst cs;
    Build(cs, {{150, 400}, {500, 400}, {150, 400}, 0, {500, 400}, 10},
          {{100, 380}, {100, 0}, {100, 380}, 0, {100, 0}, 100});
    ASSERT_EQ(cs.GetOrigin(), CPoint(100, 400));
    EXPECT_TRUE(cs.HitTest(300, 402));
    EXPECT_TRUE(cs.HitTest(300, 398));
    EXPECT_FALSE(cs.HitTest(300, 403));
    EXPECT_FALSE(cs.HitTest(503, 400));  // beyond the end
    EXPECT_TRUE(cs.HitTest(120, 401));   // on the extension to the origin
    EXPECT_TRUE(cs.HitTest(100, 402));
    EXPECT_FALSE(cs.HitTest(100, 403));  // beyond the origin
    EXPECT_FALSE(cs.HitTest(96, 400));
}

TEST(CoordSystDraw, AxesTicksLabelsAndPen)
{
    CCoordSyst cs;
    Build(cs, {{150, 400}, {500, 400}, {150, 400}, 0, {500, 400}, 2.5},
          {{100, 380}, {100, 0}, {100, 380}, 0, {100, 0}, 1.5e7});
    CRecordingDrawContext dc;
    cs.Draw(dc);

    const auto pens = dc.EntriesOf(Kind::SetPen);
    ASSERT_EQ(pens.size(), 1u);
    EXPECT_EQ(pens[0].color, 0x0000FFu);
    EXPECT_EQ(pens[0].width, 1);

    const auto lines = dc.EntriesOf(Kind::LineTo);
    ASSERT_EQ(lines.size(), 6u);
    // The X axis, extended to the origin at its start; then the ticks, second point first.
    EXPECT_EQ(lines[0].points.front(), CPoint(100, 400));
    EXPECT_EQ(lines[0].points.back(), CPoint(500, 400));
    EXPECT_EQ(lines[1].points.front(), CPoint(500, 405));
    EXPECT_EQ(lines[1].points.back(), CPoint(500, 395));
    // The vertical Y axis: ticks across it are horizontal.
    EXPECT_EQ(lines[3].points.front(), CPoint(100, 400));
    EXPECT_EQ(lines[4].points.front(), CPoint(95, 0));
    EXPECT_EQ(lines[4].points.back(), CPoint(105, 0));

    const auto texts = dc.EntriesOf(Kind::TextOut);
    ASSERT_EQ(texts.size(), 4u);
    EXPECT_EQ(texts[0].text, "2.5");
    EXPECT_EQ(texts[0].points.front(), CPoint(500, 410));
    EXPECT_EQ(texts[0].hAlign, CDrawContext::HAlign::Center);
    EXPECT_EQ(texts[0].vAlign, CDrawContext::VAlign::Top);
    EXPECT_EQ(texts[2].text, "1.5e+007");
    EXPECT_EQ(texts[2].points.front(), CPoint(90, 0));
    EXPECT_EQ(texts[2].hAlign, CDrawContext::HAlign::Right);
    EXPECT_EQ(texts[2].vAlign, CDrawContext::VAlign::Bottom);
    EXPECT_EQ(texts[3].color, 0x0000FFu);

    cs.SetSelected(true);
    dc.Clear();
    cs.Draw(dc);
    EXPECT_EQ(dc.EntriesOf(Kind::SetPen)[0].width, 2);
}

TEST(CoordSystDraw, CurvesAfterTheAxes)
{
    CCoordSyst cs;
    BuildSquare(cs);
    auto* pCurve = cs.AddCurve(std::make_unique<CTestCurve>(&cs));
    pCurve->GetPoints() = {{1, 2}, {3, 4}};
    CRecordingDrawContext dc;
    cs.Draw(dc);
    EXPECT_EQ(dc.EntriesOf(Kind::LineTo).back().points.back(), CPoint(3, 4));
}

TEST(CoordSystCurves, OwnershipModifiedFlagsAndCopies)
{
    CFakeDocumentLink doc;
    doc.m_nCoordSystCounter = 11;
    CCoordSyst cs(&doc);
    EXPECT_EQ(cs.GetNumber(), 11);
    EXPECT_EQ(cs.GetColor(), 0x0000FFu);
    BuildSquare(cs);

    auto* pFirst = cs.AddCurve(std::make_unique<CTestCurve>(&cs));
    auto* pSecond = cs.AddCurve(std::make_unique<CTestCurve>(&cs));
    pSecond->GetResults();
    EXPECT_EQ(cs.GetFirstModifiedCurve(), nullptr);
    cs.GetYAxe().GetScalePoint1().SetValue(1);
    EXPECT_EQ(cs.GetFirstModifiedCurve(), pFirst);
    EXPECT_GT(doc.m_nModifiedUpdates, 0);
    cs.SetCurvesModified(false);
    EXPECT_EQ(cs.GetFirstModifiedCurve(), nullptr);

    const CCoordSyst copy(cs);
    ASSERT_EQ(copy.GetCurveList().size(), 2u);
    const CCurve* pCopied = copy.GetCurveList().back().get();
    EXPECT_NE(pCopied, pSecond);
    EXPECT_EQ(pCopied->GetCoordSyst(), &copy);
    ASSERT_NE(pCopied->PeekResults(), nullptr);
    EXPECT_EQ(pCopied->PeekResults()->GetCurve(), pCopied);
    EXPECT_EQ(copy.GetDocument(), &doc);
    EXPECT_DOUBLE_EQ(copy.PixelToGraph(300, 200).y, cs.PixelToGraph(300, 200).y);
    EXPECT_EQ(&copy.GetXAxe().GetScalePoint1().GetAxe()->GetCoordSyst()->GetXAxe(), &copy.GetXAxe());

    CTestCurve stranger(nullptr);
    EXPECT_FALSE(cs.RemoveCurve(&stranger));
    EXPECT_TRUE(cs.RemoveCurve(pFirst));
    EXPECT_EQ(cs.GetCurveList().size(), 1u);
}

TEST(CoordSystFile, ScalePointAndAxisRecordsAreExact)
{
    CCoordSyst cs;
    CAxe& axe = cs.GetXAxe();
    axe.SetLine({1, 2}, {300, 2});
    axe.GetScalePoint1().SetPosition({5, 9});
    axe.GetScalePoint1().SetValue(2.5);
    axe.GetScalePoint2().SetValue(-1);

    const std::string point = Store(axe.GetScalePoint1(), true);
    const std::string expectedPoint("\x01\0\0\0\x01\0\0\0\x05\0\0\0\x09\0\0\0\0\0\0\0\0\0\x04\x40", 24);
    EXPECT_EQ(point, expectedPoint);

    const std::string record = Store(axe, true);
    const std::string expectedAxe =
        std::string("\x01\0\0\0\x02\0\0\0\x2C\x01\0\0\x02\0\0\0", 16) + std::string("\0\0\0\0\x01X", 6) +
        std::string("\x01\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\xF0\xBF", 24) + expectedPoint;
    EXPECT_EQ(record, expectedAxe);
}

TEST(CoordSystFile, RoundTripRestoresTransformCurvesAndCounters)
{
    CFakeDocumentLink doc;
    doc.m_nCoordSystCounter = 5;
    CCoordSyst cs(&doc);
    BuildSquare(cs, true, 1, 100);
    doc.m_nCurveCounter = 12;
    auto* pCurve = cs.AddCurve(std::make_unique<CTestCurve>(&cs));
    pCurve->GetPoints() = {{7, 8}, {9, 10}};
    cs.SetSelected(true);

    const std::string bytes = Store(cs, false);
    EXPECT_EQ(bytes.substr(0, 16), std::string("\xFF\xFF\x01\x00\x0A\x00"
                                               "CCoordSyst",
                                               16));

    CArchive in(Bytes(bytes), bytes.size());
    std::unique_ptr<CObject> pObject(in.ReadObject(RUNTIME_CLASS(CCoordSyst)));
    auto* pLoaded = static_cast<CCoordSyst*>(pObject.get());
    EXPECT_EQ(in.Remaining(), 0u);
    EXPECT_EQ(pLoaded->GetNumber(), 5);
    EXPECT_TRUE(pLoaded->IsSelected());
    EXPECT_TRUE(pLoaded->GetXAxe().IsLogarithmic());
    EXPECT_EQ(pLoaded->GetOrigin(), CPoint(100, 400));
    EXPECT_NEAR(pLoaded->PixelToGraph(300, 200).x, 10.0, 1e-9);
    EXPECT_EQ(pLoaded->GetXAxe().GetScalePoint2().GetPosition(), CPoint(500, 400));
    ASSERT_EQ(pLoaded->GetCurveList().size(), 1u);
    const CCurve* pRead = pLoaded->GetCurveList().front().get();
    EXPECT_EQ(pRead->GetCoordSyst(), pLoaded);
    EXPECT_EQ(pRead->GetName(), "Curve 12");
    EXPECT_EQ(pRead->GetPoints().back(), CPoint(9, 10));

    // Counters read without a document reach the one the coordinate system is bound to.
    CFakeDocumentLink other;
    pLoaded->SetDocument(&other);
    EXPECT_EQ(other.m_nCoordSystCounter, 5);
    EXPECT_EQ(other.m_nCurveCounter, 12);
}

TEST(CoordSystFile, ObjectsThatAreNotCurvesAreDropped)
{
    CCoordSyst source;
    BuildSquare(source);
    CScalePoint notACurve;
    CTestCurve curve(&source);

    std::ostringstream out;
    {
        CArchive ar(out);
        ar.WriteWord(0xFFFF);
        ar.WriteWord(1);
        ar.WriteWord(10);
        ar.WriteBytes("CCoordSyst", 10);
        for (uint32_t v : {1u, 2u, 0xFFu, 0u})
            ar.WriteDword(v);
        source.GetXAxe().Serialize(ar);
        source.GetYAxe().Serialize(ar);
        ar.WriteDword(3);
        ar.WriteObject(&notACurve);
        ar.WriteObject(nullptr);
        ar.WriteObject(&curve);
    }
    const std::string bytes = out.str();
    CArchive in(Bytes(bytes), bytes.size());
    std::unique_ptr<CObject> pObject(in.ReadObject(RUNTIME_CLASS(CCoordSyst)));
    const auto* pLoaded = static_cast<const CCoordSyst*>(pObject.get());
    ASSERT_EQ(pLoaded->GetCurveList().size(), 1u);
    EXPECT_NEAR(pLoaded->PixelToGraph(300, 200).y, 50.0, 1e-9);
}

TEST(CoordSystFile, DamagedRecordsFailCleanly)
{
    CCoordSyst cs;
    BuildSquare(cs);
    const std::string bytes = Store(cs, false);
    // A curve count far beyond the data must not be trusted.
    std::string lying = bytes;
    lying.replace(lying.size() - 4, 4, std::string("\xFF\xFF\xFF\x7F", 4));
    CArchive in(Bytes(lying), lying.size());
    EXPECT_THROW(in.ReadObject(RUNTIME_CLASS(CCoordSyst)), CArchiveException);
    for (size_t cut = 0; cut < bytes.size(); cut += 7) {
        CArchive truncated(Bytes(bytes), cut);
        EXPECT_THROW(truncated.ReadObject(RUNTIME_CLASS(CCoordSyst)), CArchiveException) << cut;
    }
}

TEST(Geometry, RoundingProjectionRotation)
{
    EXPECT_EQ(RoundHalfAway(2.5), 3);
    EXPECT_EQ(RoundHalfAway(-2.5), -3);
    EXPECT_EQ(RoundHalfAway(-0.4), 0);
    EXPECT_EQ(RoundHalfAway(1e300), INT32_MAX);
    EXPECT_EQ(RoundHalfAway(std::nan("")), 0);
    EXPECT_EQ(ProjectOnLine({0, 0}, {10, 0}, {3, 7}), CPoint(3, 0));
    EXPECT_EQ(ProjectOnLine({0, 0}, {10, 10}, {0, 5}), CPoint(3, 3));  // 2.5 rounds away
    EXPECT_EQ(ProjectOnLine({4, 4}, {4, 4}, {9, 9}), CPoint(4, 4));
    EXPECT_DOUBLE_EQ(LineParameter({0, 0}, {10, 0}, {15, 3}), 1.5);
    EXPECT_EQ(RotatePoint({10, 0}, M_PI / 2), CPoint(0, 10));
    EXPECT_EQ(Cross({INT32_MAX, 0}, {0, INT32_MAX}), static_cast<double>(INT32_MAX) * INT32_MAX);
}

TEST(CoordSystFile, RandomDamageNeverCrashes)
{
    CCoordSyst cs;
    BuildSquare(cs, true, 1, 100);
    auto* pCurve = cs.AddCurve(std::make_unique<CTestCurve>(&cs));
    pCurve->GetPoints() = {{1, 2}, {3, 4}};
    pCurve->GetResults();
    const std::string bytes = Store(cs, false);

    // Each damaged record is either refused with an archive error or read into a system
    // that can be drawn, hit and converted; some rounds end each way.
    int nRead = 0;
    int nRefused = 0;
    uint32_t seed = 2024;
    for (int round = 0; round < 2000; ++round) {
        std::string damaged = bytes;
        for (int i = 0; i < 3; ++i) {
            seed = seed * 1664525u + 1013904223u;
            damaged[(seed >> 8) % damaged.size()] = static_cast<char>(seed >> 24);
        }
        CArchive in(Bytes(damaged), damaged.size());
        std::unique_ptr<CObject> pObject;
        try {
            pObject = in.ReadObject(RUNTIME_CLASS(CCoordSyst));
        } catch (const CArchiveException&) {
            ++nRefused;
            continue;
        }
        auto* pLoaded = dynamic_cast<CCoordSyst*>(pObject.get());
        ASSERT_NE(pLoaded, nullptr) << "round " << round;
        ++nRead;
        for (const auto& pRead : pLoaded->GetCurveList())
            EXPECT_EQ(pRead->GetCoordSyst(), pLoaded) << "round " << round;
        CRecordingDrawContext dc;
        pLoaded->Draw(dc);
        pLoaded->HitTest(300, 400);
        pLoaded->PixelToGraph(300, 200);
    }
    EXPECT_GT(nRead, 0);
    EXPECT_GT(nRefused, 0);
}
