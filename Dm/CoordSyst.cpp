#include "Dm/CoordSyst.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <memory>
#include <utility>

#include "Dm/Curve.h"
#include "Dm/DocumentLink.h"
#include "platform/Archive.h"
#include "platform/DrawContext.h"

IMPLEMENT_SERIAL(CCoordSyst, CObject, 1)

namespace {

constexpr COLORREF kColorWithoutDocument = 0x0000FF;

// Truncation toward zero into the pixel range; a damaged document may hold lines whose
// intersection lies far outside it.
int32_t TruncateToPixel(double v)
{
    if (std::isnan(v))
        return 0;
    if (v >= static_cast<double>(INT32_MAX))
        return INT32_MAX;
    if (v <= static_cast<double>(INT32_MIN))
        return INT32_MIN;
    return static_cast<int32_t>(v);
}

struct Vec {
    double x;
    double y;
};

Vec Diff(const CPoint& a, const CPoint& b)
{
    return {static_cast<double>(a.x) - b.x, static_cast<double>(a.y) - b.y};
}

double Scaled(double v, bool bLogarithmic)
{
    return bLogarithmic ? std::log(v) : v;
}

}  // namespace

CCoordSyst::CCoordSyst() : m_YAxe(this, "Y"), m_XAxe(this, "X")
{
    InitNew(nullptr, 1);
}

CCoordSyst::CCoordSyst(CDocumentLink* pDoc) : m_YAxe(this, "Y"), m_XAxe(this, "X")
{
    InitNew(pDoc, pDoc != nullptr ? pDoc->CoordSystCounter() : 1);
}

CCoordSyst::CCoordSyst(int nNumber) : m_YAxe(this, "Y"), m_XAxe(this, "X")
{
    InitNew(nullptr, nNumber);
}

CCoordSyst::CCoordSyst(const CCoordSyst& other) : CObject(other), m_YAxe(this, "Y"), m_XAxe(this, "X")
{
    CopyFrom(other);
}

CCoordSyst::~CCoordSyst() = default;

void CCoordSyst::InitNew(CDocumentLink* pDoc, int nNumber)
{
    m_pDoc = pDoc;
    m_nNumber = nNumber;
    m_Color = pDoc != nullptr ? pDoc->GetColor(nNumber) : kColorWithoutDocument;
}

void CCoordSyst::CopyFrom(const CCoordSyst& other)
{
    if (&other == this)
        return;
    m_nNumber = other.m_nNumber;
    m_Color = other.m_Color;
    m_XAxe.CopyFrom(other.m_XAxe);
    m_YAxe.CopyFrom(other.m_YAxe);
    m_bXReversed = other.m_bXReversed;
    m_Origin = other.m_Origin;
    m_bOriginComputed = other.m_bOriginComputed;
    m_Offset = other.m_Offset;
    m_PixelToGraph = other.m_PixelToGraph;
    m_GraphToPixel = other.m_GraphToPixel;
    m_pDoc = other.m_pDoc;
    m_bSelected = other.m_bSelected;

    m_CurveList.clear();
    for (const auto& pCurve : other.m_CurveList) {
        std::unique_ptr<CCurve> pClone = pCurve->Clone();
        pClone->SetCoordSyst(this);
        m_CurveList.push_back(std::move(pClone));
    }
}

void CCoordSyst::SetDocument(CDocumentLink* pDoc)
{
    m_pDoc = pDoc;
    if (pDoc == nullptr)
        return;
    if (m_LoadedCoordSystCounter)
        pDoc->SetCoordSystCounter(*m_LoadedCoordSystCounter);
    if (m_LoadedCurveCounter)
        pDoc->SetCurveCounter(*m_LoadedCurveCounter);
    m_LoadedCoordSystCounter.reset();
    m_LoadedCurveCounter.reset();
}

CPoint CCoordSyst::ComputeOrigin()
{
    if (!m_XAxe.HasLine() || !m_YAxe.HasLine())
        return CPoint();
    const CPoint s = m_YAxe.GetLineStart();
    const Vec dY = Diff(m_YAxe.GetLineEnd(), s);
    const Vec dX = Diff(m_XAxe.GetLineEnd(), m_XAxe.GetLineStart());
    const Vec fromS = Diff(m_XAxe.GetLineStart(), s);
    const double denominator = dY.x * dX.y - dY.y * dX.x;
    // Parallel lines have no intersection; the construction dialog never lets them through.
    if (denominator == 0.0)
        return CPoint();
    const double t = (fromS.x * dX.y - fromS.y * dX.x) / denominator;
    const CPoint origin(TruncateToPixel(s.x + t * dY.x), TruncateToPixel(s.y + t * dY.y));
    const bool bMoved = !m_bOriginComputed || origin != m_Origin;
    m_Origin = origin;
    m_bOriginComputed = true;
    // The transform is built from the origin: an origin that moves (one axis line drawn
    // again) would otherwise leave the conversions of the old one in place.
    if (bMoved)
        ComputeTransform();
    return m_Origin;
}

bool CCoordSyst::ComputeTransform()
{
    if (!IsComplete())
        return false;

    const bool bLogX = m_XAxe.IsLogarithmic();
    const bool bLogY = m_YAxe.IsLogarithmic();
    const CScalePoint& x1 = m_XAxe.GetScalePoint1();
    const CScalePoint& x2 = m_XAxe.GetScalePoint2();
    const CScalePoint& y1 = m_YAxe.GetScalePoint1();
    const CScalePoint& y2 = m_YAxe.GetScalePoint2();
    const double x1v = Scaled(x1.GetValue(), bLogX);
    const double x2v = Scaled(x2.GetValue(), bLogX);
    const double y1v = Scaled(y1.GetValue(), bLogY);
    const double y2v = Scaled(y2.GetValue(), bLogY);

    const Vec dX = Diff(x1.GetPosition(), x2.GetPosition());
    const Vec dY = Diff(y1.GetPosition(), y2.GetPosition());
    const double ox = m_Origin.x;
    const double oy = m_Origin.y;
    const double dX2 = dX.x * dX.x + dX.y * dX.y;
    const double dY2 = dY.x * dY.x + dY.y * dY.y;
    const double tX = ((ox - x2.GetPosition().x) * dX.x + (oy - x2.GetPosition().y) * dX.y) / dX2;
    const double tY = ((ox - y2.GetPosition().x) * dY.x + (oy - y2.GetPosition().y) * dY.y) / dY2;
    const double deltaX = x1v - x2v;
    const double deltaY = y1v - y2v;
    const double xo = x2v + deltaX * tX;
    const double yo = y2v + deltaY * tY;
    const double k = dY.y * dX.x - dY.x * dX.y;

    PixelToGraphCoefs p2g;
    p2g.ax = deltaX * dY.y / k;
    p2g.bx = -deltaX * dY.x / k;
    p2g.ay = -deltaY * dX.y / k;
    p2g.by = deltaY * dX.x / k;
    const double cx = xo - (ox * p2g.ax + oy * p2g.bx);
    const double cy = yo - (ox * p2g.ay + oy * p2g.by);
    GraphToPixelCoefs g2p;
    g2p.pxX = dX.x / deltaX;
    g2p.pxY = dY.x / deltaY;
    g2p.pyX = dX.y / deltaX;
    g2p.pyY = dY.y / deltaY;

    // Input that cannot define a transform (it may come from a damaged document) leaves the
    // previous one in place rather than filling every conversion with infinities.
    const double all[] = {p2g.ax, p2g.bx, p2g.ay, p2g.by, cx, cy, g2p.pxX, g2p.pxY, g2p.pyX, g2p.pyY};
    const bool bDegenerate = k == 0.0 || dX2 == 0.0 || dY2 == 0.0 || deltaX == 0.0 || deltaY == 0.0;
    if (bDegenerate ||
        !std::all_of(std::begin(all), std::end(all), [](double v) { return std::isfinite(v); }))
        return false;

    m_PixelToGraph = p2g;
    m_GraphToPixel = g2p;
    m_Offset = CLogicPoint(cx, cy);
    m_bXReversed = p2g.ax < 0;
    return true;
}

CLogicPoint CCoordSyst::PixelToGraphAt(double px, double py) const
{
    const double x = m_PixelToGraph.ax * px + m_PixelToGraph.bx * py + m_Offset.x;
    const double y = m_PixelToGraph.ay * px + m_PixelToGraph.by * py + m_Offset.y;
    return CLogicPoint(m_XAxe.IsLogarithmic() ? std::exp(x) : x, m_YAxe.IsLogarithmic() ? std::exp(y) : y);
}

CLogicPoint CCoordSyst::GraphToPixel(const CLogicPoint& graph) const
{
    const double x = Scaled(graph.x, m_XAxe.IsLogarithmic()) - m_Offset.x;
    const double y = Scaled(graph.y, m_YAxe.IsLogarithmic()) - m_Offset.y;
    return CLogicPoint(x * m_GraphToPixel.pxX + y * m_GraphToPixel.pxY,
                       x * m_GraphToPixel.pyX + y * m_GraphToPixel.pyY);
}

void CCoordSyst::SetCurvesModified(bool bModified)
{
    for (const auto& pCurve : m_CurveList)
        pCurve->SetModified(bModified);
    ComputeTransform();
}

void CCoordSyst::AdoptCurve(std::unique_ptr<CCurve> pCurve)
{
    if (pCurve == nullptr)
        return;
    pCurve->SetCoordSyst(this);
    m_CurveList.push_back(std::move(pCurve));
}

bool CCoordSyst::RemoveCurve(CCurve* pCurve)
{
    auto it = std::find_if(m_CurveList.begin(), m_CurveList.end(),
                           [pCurve](const std::unique_ptr<CCurve>& p) { return p.get() == pCurve; });
    if (it == m_CurveList.end())
        return false;
    m_CurveList.erase(it);
    return true;
}

CCurve* CCoordSyst::GetFirstModifiedCurve() const
{
    for (const auto& pCurve : m_CurveList) {
        if (pCurve->GetModified())
            return pCurve.get();
    }
    return nullptr;
}

bool CCoordSyst::HitTest(int px, int py) const
{
    const CPoint p(px, py);
    return m_XAxe.HitTest(p) || m_YAxe.HitTest(p);
}

void CCoordSyst::Draw(CDrawContext& dc) const
{
    dc.SetPen(m_Color, m_bSelected ? 2 : 1);
    dc.SetTextColor(m_Color);
    m_XAxe.Draw(dc);
    m_YAxe.Draw(dc);
    for (const auto& pCurve : m_CurveList)
        pCurve->Draw(dc);
}

void CCoordSyst::Serialize(CArchive& ar)
{
    if (ar.IsStoring()) {
        ar.WriteInt(m_nNumber);
        // Without a document the counter stands after this coordinate system, so that
        // numbering continues without a repeat once the file is read back.
        ar.WriteInt(m_pDoc != nullptr ? m_pDoc->CoordSystCounter() : m_nNumber + 1);
        ar.WriteDword(m_Color);
        ar.WriteDword(m_bSelected ? 1 : 0);
        m_XAxe.Serialize(ar);
        m_YAxe.Serialize(ar);
        ar.WriteDword(static_cast<uint32_t>(m_CurveList.size()));
        for (const auto& pCurve : m_CurveList)
            ar.WriteObject(pCurve.get());
        return;
    }

    m_nNumber = ar.ReadInt();
    const int nCounter = ar.ReadInt();
    if (m_pDoc != nullptr)
        m_pDoc->SetCoordSystCounter(nCounter);
    else
        m_LoadedCoordSystCounter = nCounter;
    m_Color = ar.ReadDword();
    m_bSelected = ar.ReadDword() != 0;
    m_XAxe.Serialize(ar);
    m_YAxe.Serialize(ar);
    m_XAxe.ComputeAngle();
    m_YAxe.ComputeAngle();
    ComputeOrigin();
    ComputeTransform();

    const uint32_t nCount = ar.ReadDword();
    ar.CheckCount(nCount, 2);
    m_CurveList.clear();
    for (uint32_t i = 0; i < nCount; ++i) {
        // Read without a class check: what is not a curve is dropped.
        std::unique_ptr<CObject> pObject = ar.ReadObject(nullptr);
        if (pObject == nullptr || !pObject->IsKindOf(RUNTIME_CLASS(CCurve)))
            continue;
        CCurve* pCurve = AddCurve(StaticDowncast<CCurve>(std::move(pObject)));
        if (std::optional<int> counter = pCurve->TakeLoadedCurveCounter()) {
            if (m_pDoc != nullptr)
                m_pDoc->SetCurveCounter(*counter);
            else
                m_LoadedCurveCounter = counter;
        }
    }
}
