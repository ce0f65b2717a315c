#include "Dm/DensityCurve.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <memory>
#include <utility>

#include "Dm/BmpManager.h"
#include "Dm/DensityResults.h"
#include "Dm/DocumentLink.h"
#include "Dm/Geometry.h"
#include "platform/Archive.h"
#include "platform/DrawContext.h"

IMPLEMENT_SERIAL(CDensityCurve, CCurve, 1)

namespace {

constexpr uint32_t kWhite = 0x00FFFFFF;

}  // namespace

CDensityCurve::CDensityCurve() : m_pColorScale(std::make_unique<CColorScale>()) {}

CDensityCurve::CDensityCurve(CCoordSyst* pCoordSyst, std::unique_ptr<CColorScale> pScale)
    : CCurve(pCoordSyst),
      m_pColorScale(pScale != nullptr ? std::move(pScale) : std::make_unique<CColorScale>())
{
}

CDensityCurve::CDensityCurve(const CDensityCurve& other)
    : CCurve(other),
      m_pColorScale(other.m_pColorScale->Clone()),
      m_pStart(other.m_pStart),
      m_pEnd(other.m_pEnd)
{
}

CDensityCurve::~CDensityCurve() = default;

CResults* CDensityCurve::GetResults()
{
    if (PeekResults() == nullptr)
        SetResults(std::make_unique<CDensityResults>(this));
    return PeekResults();
}

void CDensityCurve::SetColorScale(std::unique_ptr<CColorScale> pScale)
{
    if (pScale != nullptr)
        m_pColorScale = std::move(pScale);
}

void CDensityCurve::SetSegment(const CPoint& start, const CPoint& end)
{
    m_pStart = start;
    m_pEnd = end;
    SetModified(true);
}

bool CDensityCurve::HitTest(int x, int y)
{
    if (!HasSegment())
        return false;
    const CPoint start = GetStart();
    const CPoint end = GetEnd();
    if (x < std::min(start.x, end.x) || x > std::max(start.x, end.x) || y < std::min(start.y, end.y) ||
        y > std::max(start.y, end.y))
        return false;
    const CPoint p(x, y);
    const CPoint foot = ProjectOnLine(start, end, p);
    // Inside the bounding rectangle the foot stays near it: the differences cannot overflow
    // for any sane picture, and are taken in 64 bits for the others.
    return std::llabs(static_cast<long long>(foot.x) - x) <= kHitDistance &&
           std::llabs(static_cast<long long>(foot.y) - y) <= kHitDistance;
}

void CDensityCurve::Draw(CDrawContext& dc)
{
    if (!HasSegment())
        return;
    dc.SetPen(m_Color, m_bSelected ? 2 : 1);
    dc.MoveTo(GetStart());
    dc.LineTo(GetEnd());
}

bool CDensityCurve::Sample()
{
    if (!HasSegment() || m_pColorScale->Validate() != CColorScale::kValid)
        return false;

    // 64-bit: the ends may lie anywhere in the 32-bit pixel range.
    const long long x1 = GetStart().x;
    const long long y1 = GetStart().y;
    const long long x2 = GetEnd().x;
    const long long y2 = GetEnd().y;
    const long long dx = x2 - x1;
    const long long dy = y2 - y1;
    const long long nCount = std::max(std::llabs(dx), std::llabs(dy)) + 1;
    if (nCount > kMaxSamples)
        return false;

    const CBmpManager* pBmpManager = nullptr;
    if (CDocumentLink* pDoc = GetDocument())
        pBmpManager = pDoc->GetBmpManager();

    m_Values.clear();
    m_Points.clear();
    m_Values.reserve(static_cast<size_t>(nCount));
    m_Points.reserve(static_cast<size_t>(nCount));
    auto take = [this, pBmpManager](long long x, long long y) {
        // Every sampled coordinate lies between the two ends, so it fits a pixel coordinate.
        const CPoint p(static_cast<int32_t>(x), static_cast<int32_t>(y));
        const uint32_t pixel = pBmpManager != nullptr ? pBmpManager->GetPixelColor(p.x, p.y) : kWhite;
        m_Values.push_back(m_pColorScale->ValueOf(pixel));
        m_Points.push_back(p);
    };

    if (std::llabs(dy) < std::llabs(dx)) {
        const long long step = dx <= 0 ? -1 : 1;
        const double slope = static_cast<double>(dy) / static_cast<double>(dx);
        for (long long i = 0; i < nCount; ++i) {
            const long long x = x1 + i * step;
            take(x, y1 + static_cast<long long>(std::trunc(static_cast<double>(x - x1) * slope)));
        }
    } else {
        const long long step = dy <= 0 ? -1 : 1;
        // Ends that coincide give the one pixel of the start.
        const double slope = dy != 0 ? static_cast<double>(dx) / static_cast<double>(dy) : 0.0;
        for (long long i = 0; i < nCount; ++i) {
            const long long y = y1 + i * step;
            take(x1 + static_cast<long long>(std::trunc(static_cast<double>(y - y1) * slope)), y);
        }
    }
    return true;
}

void CDensityCurve::Serialize(CArchive& ar)
{
    SerializeBase(ar);
    if (ar.IsStoring()) {
        ar.WritePoint(GetStart());
        ar.WritePoint(GetEnd());
        ar.WriteObject(m_pColorScale.get());
        return;
    }

    const CPoint start = ar.ReadPoint();
    const CPoint end = ar.ReadPoint();
    if (start != end) {
        m_pStart = start;
        m_pEnd = end;
    } else {
        m_pStart.reset();
        m_pEnd.reset();
    }
    std::unique_ptr<CObject> pObject = ar.ReadObject(RUNTIME_CLASS(CColorScale));
    if (pObject == nullptr)
        throw CArchiveException(CArchiveException::badClass, "A density curve has no colour scale.");
    m_pColorScale = StaticDowncast<CColorScale>(std::move(pObject));
    m_Values.clear();
    m_Points.clear();
}
