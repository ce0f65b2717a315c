#include <gtest/gtest.h>

#include <memory>
#include <sstream>
#include <string>

#include "BezierTestCurve.h"
#include "Dm/SplineResults.h"
#include "platform/Archive.h"

using namespace beziertest;

namespace {

std::string StoreObject(const CObject* pObject)
{
    std::ostringstream out;
    CArchive ar(out);
    ar.WriteObject(pObject);
    return out.str();
}

std::unique_ptr<CObject> LoadObject(const std::string& bytes, const CRuntimeClass* pExpected)
{
    CArchive in(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size());
    return std::unique_ptr<CObject>(in.ReadObject(pExpected));
}

std::string Dword(uint32_t v)
{
    return {static_cast<char>(v), static_cast<char>(v >> 8), static_cast<char>(v >> 16),
            static_cast<char>(v >> 24)};
}

// A stored curve without nodes, whose record ends with the node count; the count is replaced
// by the given bytes.
std::string EmptyCurveWithTail(const std::string& tail)
{
    CBezierCurve curve(nullptr);
    std::string bytes = StoreObject(&curve);
    EXPECT_EQ(bytes.substr(bytes.size() - 4), Dword(0));
    return bytes.substr(0, bytes.size() - 4) + tail;
}

CArchiveException::Cause LoadFailure(const std::string& bytes)
{
    try {
        LoadObject(bytes, RUNTIME_CLASS(CBezierCurve));
    } catch (const CArchiveException& e) {
        return e.m_cause;
    }
    ADD_FAILURE() << "the load did not fail";
    return CArchiveException::generic;
}

}  // namespace

TEST(BezierCurveFile, RoundTripRebuildsTheSegments)
{
    auto pCurve = MakeCurve(
        nullptr, {{{5, 6}, {}, {12, -7}}, {{50, 20}, {-8, 3}, {9, 9}, false}, {{90, -4}, {-1, -30}, {}}});
    pCurve->SetName("Fitted");
    static_cast<CSplineResults*>(pCurve->GetResults())->SetPointsPerSegment(7);

    const std::string bytes = StoreObject(pCurve.get());
    std::unique_ptr<CObject> pObject = LoadObject(bytes, RUNTIME_CLASS(CBezierCurve));
    auto* pLoaded = dynamic_cast<CBezierCurve*>(pObject.get());
    ASSERT_NE(pLoaded, nullptr);
    EXPECT_EQ(pLoaded->GetName(), "Fitted");
    ASSERT_EQ(pLoaded->GetNodeCount(), 3u);
    for (size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(NodeAt(*pLoaded, i)->GetAnchor(), NodeAt(*pCurve, i)->GetAnchor());
        EXPECT_EQ(NodeAt(*pLoaded, i)->GetFrontHandle(), NodeAt(*pCurve, i)->GetFrontHandle());
        EXPECT_EQ(NodeAt(*pLoaded, i)->GetBackHandle(), NodeAt(*pCurve, i)->GetBackHandle());
        EXPECT_EQ(NodeAt(*pLoaded, i)->IsSmooth(), NodeAt(*pCurve, i)->IsSmooth());
        EXPECT_EQ(NodeAt(*pLoaded, i)->GetCurve(), pLoaded);
    }
    ASSERT_EQ(pLoaded->GetSegmentList().size(), 2u);
    for (size_t i = 0; i < 2; ++i) {
        EXPECT_EQ(SegmentAt(*pLoaded, i)->GetFrontNode(), NodeAt(*pLoaded, i));
        EXPECT_EQ(SegmentAt(*pLoaded, i)->GetPointList(), SegmentAt(*pCurve, i)->GetPointList());
    }
    auto* pResults = dynamic_cast<CSplineResults*>(pLoaded->PeekResults());
    ASSERT_NE(pResults, nullptr);
    EXPECT_EQ(pResults->GetPointsPerSegment(), 7);
    EXPECT_EQ(pResults->GetCurve(), pLoaded);

    // Stored again, the same bytes.
    EXPECT_EQ(StoreObject(pLoaded), bytes);
}

TEST(BezierCurveFile, NodeRecordsFollowTheCount)
{
    auto pCurve = MakeCurve(nullptr, {{{1, 2}, {-3, 4}, {5, -6}}, {{7, 8}, {}, {}, false}});
    const std::string bytes = StoreObject(pCurve.get());
    // Classes and objects share one counter: CBezierCurve 1, the curve 2, CBezierNode 3,
    // the nodes 4 and 5 (the curve has no results object: WORD 0 before the count).
    const std::string expected =
        std::string("\x00\x00", 2) + Dword(2) + std::string("\xFF\xFF\x01\x00\x0B\x00", 6) + "CBezierNode" +
        Dword(1) + Dword(2) + Dword(5) + Dword(static_cast<uint32_t>(-6)) + Dword(static_cast<uint32_t>(-3)) +
        Dword(4) + Dword(1) + std::string("\x03\x80", 2) + Dword(7) + Dword(8) + Dword(0) + Dword(0) +
        Dword(0) + Dword(0) + Dword(0);
    ASSERT_GE(bytes.size(), expected.size());
    EXPECT_EQ(bytes.substr(bytes.size() - expected.size()), expected);
}

TEST(BezierCurveFile, OneNodeGivesNoSegmentsUntilASecondIsAdded)
{
    auto pCurve = MakeCurve(nullptr, {{{1, 2}, {}, {}}});
    std::unique_ptr<CObject> pObject = LoadObject(StoreObject(pCurve.get()), RUNTIME_CLASS(CBezierCurve));
    auto* pLoaded = dynamic_cast<CBezierCurve*>(pObject.get());
    ASSERT_NE(pLoaded, nullptr);
    EXPECT_EQ(pLoaded->GetNodeCount(), 1u);
    EXPECT_TRUE(pLoaded->GetSegmentList().empty());
    EXPECT_TRUE(pLoaded->AddBack({40, 2}));
    ASSERT_EQ(pLoaded->GetSegmentList().size(), 1u);
    EXPECT_EQ(SegmentAt(*pLoaded, 0)->GetPointList().size(), 31u);
}

TEST(BezierCurveFile, ANodeReferenceThatIsNotANodeFailsTheLoad)
{
    const std::string padding(40, '\0');
    // Null.
    EXPECT_EQ(LoadFailure(EmptyCurveWithTail(Dword(1) + std::string("\x00\x00", 2) + padding)),
              CArchiveException::badClass);
    // An object of another class.
    const std::string foreign =
        Dword(1) + std::string("\xFF\xFF\x01\x00\x0E\x00", 6) + "CSplineResults" + Dword(50) + padding;
    EXPECT_EQ(LoadFailure(EmptyCurveWithTail(foreign)), CArchiveException::badClass);
    // A back-reference to the curve itself.
    EXPECT_NE(LoadFailure(EmptyCurveWithTail(Dword(1) + std::string("\x02\x00", 2) + padding)),
              CArchiveException::generic);
}

TEST(BezierCurveFile, NodeCountsBeyondTheDataOrTheLimitFail)
{
    EXPECT_EQ(LoadFailure(EmptyCurveWithTail(Dword(2) + std::string(40, '\0'))),
              CArchiveException::endOfFile);
    EXPECT_EQ(LoadFailure(EmptyCurveWithTail(Dword(0xFFFFFFFFu))), CArchiveException::endOfFile);
    const uint32_t nTooMany = static_cast<uint32_t>(CSplineCurve::kMaxNodeCount) + 1;
    EXPECT_EQ(LoadFailure(EmptyCurveWithTail(Dword(nTooMany) + std::string(nTooMany * 30, '\0'))),
              CArchiveException::generic);

    // Cut anywhere inside a node record.
    auto pCurve = MakeCurve(nullptr, StraightPair());
    const std::string bytes = StoreObject(pCurve.get());
    for (size_t cut = bytes.size() - 60; cut < bytes.size(); ++cut)
        EXPECT_THROW(LoadObject(bytes.substr(0, cut), RUNTIME_CLASS(CBezierCurve)), CArchiveException) << cut;
}

TEST(BezierCurveFile, StoredPointsPerSegmentOutsideTheDialogsRangeFallBackToTheDefault)
{
    auto load = [](int32_t stored) {
        const std::string bytes = Dword(static_cast<uint32_t>(stored));
        CArchive in(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size());
        CSplineResults results;
        results.Serialize(in);
        return results.GetPointsPerSegment();
    };
    EXPECT_EQ(load(1), 1);
    EXPECT_EQ(load(1000), 1000);
    EXPECT_EQ(load(0), 50);
    EXPECT_EQ(load(-7), 50);
    EXPECT_EQ(load(1001), 50);

    CSplineResults results;
    results.SetPointsPerSegment(0);
    EXPECT_EQ(results.GetPointsPerSegment(), 1);
    results.SetPointsPerSegment(5000);
    EXPECT_EQ(results.GetPointsPerSegment(), 1000);
    results.SetPointsPerSegment(12);
    std::ostringstream out;
    CArchive ar(out);
    results.Serialize(ar);
    EXPECT_EQ(out.str(), Dword(12));
    std::unique_ptr<CResults> pClone(results.Clone());
    EXPECT_EQ(static_cast<CSplineResults*>(pClone.get())->GetPointsPerSegment(), 12);
    EXPECT_EQ(pClone->GetCurve(), nullptr);
}
