#include <gtest/gtest.h>

#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "IdentityCoordSyst.h"
#include "Dm/CoordSyst.h"
#include "FakeDocumentLink.h"
#include "TestCurve.h"
#include "TestResults.h"
#include "platform/Archive.h"

namespace {

std::vector<CPoint> Points(const CCurve& curve)
{
    return {curve.GetPoints().begin(), curve.GetPoints().end()};
}

}  // namespace

TEST(Curve, NewCurvesAreNumberedNamedAndColouredByTheDocument)
{
    CFakeDocumentLink doc;
    CCoordSyst cs(&doc);
    CTestCurve first(&cs);
    EXPECT_EQ(first.GetName(), "Curve 1");
    EXPECT_EQ(first.GetColor(), 0x0000FFu);
    EXPECT_FALSE(first.GetModified());
    EXPECT_FALSE(first.IsSelected());
    EXPECT_EQ(first.PeekResults(), nullptr);

    doc.m_nCurveCounter = 13;
    CTestCurve later(&cs);
    EXPECT_EQ(later.GetNumber(), 13);
    EXPECT_EQ(later.GetName(), "Curve 13");
    EXPECT_EQ(later.GetColor(), 0xFF0000u);

    CTestCurve alone;
    EXPECT_EQ(alone.GetName(), "Curve 1");
    EXPECT_EQ(alone.GetColor(), 0x0000FFu);
}

TEST(Curve, RenamingMakesTheDocumentRecomputeItsFlag)
{
    CFakeDocumentLink doc;
    CCoordSyst cs(&doc);
    auto* pCurve = cs.AddCurve(std::make_unique<CTestCurve>(&cs));
    pCurve->SetName("Lower branch");
    EXPECT_TRUE(pCurve->GetModified());
    EXPECT_EQ(doc.m_nModifiedUpdates, 1);
    EXPECT_TRUE(pCurve->SetModified(false));
    EXPECT_EQ(doc.m_nModifiedUpdates, 2);
}

TEST(Curve, SortByGraphXIsStable)
{
    CCoordSyst cs;
    BuildIdentity(cs);
    CTestCurve curve(&cs);
    curve.GetPoints() = {{10, 5}, {2, 1}, {2, 7}};
    curve.SortPointsByX();
    EXPECT_EQ(Points(curve), (std::vector<CPoint>{{2, 1}, {2, 7}, {10, 5}}));
    EXPECT_TRUE(curve.GetModified());

    // On a reversed axis graph X grows leftwards: the order follows graph values.
    CCoordSyst reversed;
    BuildIdentity(reversed, true);
    ASSERT_TRUE(reversed.IsXReversed());
    CTestCurve mirrored(&reversed);
    mirrored.GetPoints() = {{2, 1}, {10, 5}, {2, 7}, {6, 0}};
    mirrored.SortPointsByX();
    EXPECT_EQ(Points(mirrored), (std::vector<CPoint>{{10, 5}, {6, 0}, {2, 1}, {2, 7}}));

    CTestCurve single(&cs);
    single.GetPoints() = {{4, 4}};
    single.SortPointsByX();
    EXPECT_FALSE(single.GetModified());
}

TEST(Curve, CloneTakesItsOwnResults)
{
    CCoordSyst cs;
    CTestCurve curve(&cs);
    curve.GetPoints() = {{1, 1}, {2, 2}};
    static_cast<CTestResults*>(curve.GetResults())->m_nSetting = 42;
    curve.SetSelected(true);

    std::unique_ptr<CCurve> pClone(curve.Clone());
    EXPECT_EQ(pClone->GetCoordSyst(), &cs);
    EXPECT_EQ(Points(*pClone), Points(curve));
    EXPECT_TRUE(pClone->IsSelected());
    ASSERT_NE(pClone->PeekResults(), nullptr);
    EXPECT_NE(pClone->PeekResults(), curve.PeekResults());
    EXPECT_EQ(pClone->PeekResults()->GetCurve(), pClone.get());
    EXPECT_EQ(static_cast<CTestResults*>(pClone->PeekResults())->m_nSetting, 42);
}

TEST(CurveFile, BasePartRoundTripAndBytes)
{
    CFakeDocumentLink doc;
    doc.m_nCurveCounter = 3;
    CCoordSyst cs(&doc);
    CTestCurve curve(&cs);
    curve.GetPoints() = {{-1, 2}, {3, 4}};
    curve.SetSelected(true);
    static_cast<CTestResults*>(curve.GetResults())->m_nSetting = 7;
    doc.m_nCurveCounter = 4;

    std::ostringstream out;
    {
        CArchive ar(out);
        curve.Serialize(ar);
    }
    const std::string bytes = out.str();
    const std::string head(
        "\0\0\xFF\0\x07"
        "Curve 3\x03\0\0\0\x04\0\0\0\x01\0\0\0\x02\0\0\0\xFF\xFF\xFF\xFF",
        32);
    EXPECT_EQ(bytes.substr(0, head.size()), head);

    CArchive in(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size());
    CTestCurve loaded;
    loaded.Serialize(in);
    EXPECT_EQ(in.Remaining(), 0u);
    EXPECT_EQ(loaded.GetName(), "Curve 3");
    EXPECT_EQ(loaded.GetColor(), 0xFF0000u);
    EXPECT_TRUE(loaded.IsSelected());
    EXPECT_EQ(Points(loaded), Points(curve));
    ASSERT_NE(loaded.PeekResults(), nullptr);
    EXPECT_EQ(loaded.PeekResults()->GetCurve(), &loaded);
    EXPECT_EQ(static_cast<CTestResults*>(loaded.PeekResults())->m_nSetting, 7);
    EXPECT_EQ(loaded.TakeLoadedCurveCounter(), 4);
}

TEST(CurveFile, ForeignResultsAreDroppedAndCountsChecked)
{
    CTestCurve curve;
    CScalePoint notResults;
    std::ostringstream out;
    {
        CArchive ar(out);
        ar.WriteDword(0xFF);
        ar.WriteString("c");
        for (uint32_t v : {1u, 2u, 0u, 0u})
            ar.WriteDword(v);
        ar.WriteObject(&notResults);
    }
    std::string bytes = out.str();
    CArchive in(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size());
    curve.Serialize(in);
    EXPECT_EQ(curve.PeekResults(), nullptr);

    bytes[18] = '\x10';  // 16 points announced, none present
    CArchive lying(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size());
    CTestCurve other;
    EXPECT_THROW(other.Serialize(lying), CArchiveException);
}
