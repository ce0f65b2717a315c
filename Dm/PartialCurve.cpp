#include "Dm/PartialCurve.h"

#include <algorithm>
#include <cstdint>
#include <memory>

#include "Dm/BmpManager.h"
#include "Dm/ContinuousCurve.h"
#include "Dm/Geometry.h"
#include "Dm/SnailAlgorithm.h"
#include "platform/Archive.h"

IMPLEMENT_SERIAL(CPartialCurve, CCurveElement, 1)

namespace {

// The walk has reached the neighbour element: it is on it (or beyond a limit), or the sign of
// the vertical difference to it changed between the last two columns, which means the two
// lines crossed between them without sharing a pixel.
bool ReachedNeighbour(int nPrevious, int nCurrent)
{
    return nCurrent == CCurveElement::kOn ||
           (nCurrent == CCurveElement::kBelow && nPrevious == CCurveElement::kAbove) ||
           (nCurrent == CCurveElement::kAbove && nPrevious == CCurveElement::kBelow);
}

}  // namespace

void CPartialCurve::SetGenesis(const CPoint& genesis)
{
    m_Genesis = genesis;
    if (m_pCurve != nullptr)
        m_pCurve->SetModified(true);
}

CPoint CPartialCurve::GetPoint(size_t nIndex) const
{
    return nIndex < m_Points.size() ? m_Points[nIndex] : CPoint();
}

void CPartialCurve::ClearPoints()
{
    std::vector<CPoint>().swap(m_Points);
}

std::ptrdiff_t CPartialCurve::IndexOfColumn(int x) const
{
    if (m_Points.empty())
        return -1;
    // In 64 bits: a genesis point read from a file may lie anywhere.
    const int64_t i = static_cast<int64_t>(x) - m_Points.front().x;
    if (i < 0 || i >= static_cast<int64_t>(m_Points.size()))
        return -1;
    return static_cast<std::ptrdiff_t>(i);
}

int CPartialCurve::Classify(const CPoint& p) const
{
    if (p.x == m_Genesis.x)
        return kOn;
    const std::ptrdiff_t i = IndexOfColumn(p.x);
    if (i < 0)
        return kOutside;
    const int y = m_Points[static_cast<size_t>(i)].y;
    if (y == p.y)
        return kOn;
    return y > p.y ? kAbove : kBelow;
}

bool CPartialCurve::HitTest(int x, int y) const
{
    if (x == m_Genesis.x)
        return true;
    const std::ptrdiff_t i = IndexOfColumn(x);
    return i >= 0 && m_Points[static_cast<size_t>(i)].y == y;
}

bool CPartialCurve::CutAt(int x, bool bKeepRight)
{
    const std::ptrdiff_t i = IndexOfColumn(x);
    if (i < 0)
        return false;
    if (bKeepRight)
        m_Points.erase(m_Points.begin(), m_Points.begin() + i + 1);
    else
        m_Points.erase(m_Points.begin() + i, m_Points.end());
    m_Points.shrink_to_fit();
    return true;
}

std::unique_ptr<CCurveElement> CPartialCurve::Clone(CContinuousCurve* pCurve) const
{
    std::unique_ptr<CPartialCurve> pClone(new CPartialCurve(*this));
    pClone->m_pNext = pClone->m_pPrev = nullptr;
    pClone->m_pCurve = pCurve;
    return pClone;
}

bool CPartialCurve::Build()
{
    ClearPoints();
    if (m_pCurve == nullptr || m_pPrev == nullptr || m_pNext == nullptr)
        return false;
    CSnailAlgorithm* pSnail = m_pCurve->CreateSnail();
    if (pSnail == nullptr)
        return false;
    CCurveElement& left = *m_pPrev;
    const CCurveElement& right = *m_pNext;

    // Leftwards, in walk order: the snapped genesis point first. A walk makes at most one
    // point a column of the bitmap (and one beyond a limit).
    const CBmpManager* pBmpManager = m_pCurve->GetBmpManager();
    const int64_t nWidth = pBmpManager != nullptr ? pBmpManager->GetWidth() : 0;
    const int64_t nGenesisX = std::clamp<int64_t>(m_Genesis.x, 0, nWidth);
    std::vector<CPoint> leftward;
    leftward.reserve(static_cast<size_t>(nGenesisX + 2));
    CPoint q = m_Genesis;
    bool bFound = pSnail->Start(q, true);
    int nClass = left.Classify(q);
    if (bFound && nClass == kOn)
        return false;
    int nPrevious = 0;
    bool bHasLeftmost = false;
    CPoint leftmost;
    while (bFound) {
        if (ReachedNeighbour(nPrevious, nClass)) {
            // The first point beyond a limit belongs to the part; a point on the part to the
            // left stays with that part.
            if (left.IsLimit())
                leftward.push_back(q);
            break;
        }
        leftward.push_back(q);
        leftmost = q;
        bHasLeftmost = true;
        bFound = pSnail->Next(q);
        nPrevious = nClass;
        nClass = left.Classify(q);
    }
    if (bHasLeftmost)
        left.CutAt(leftmost.x, false);

    std::vector<CPoint> rightward;
    rightward.reserve(static_cast<size_t>(nWidth - nGenesisX + 2));
    q = leftward.empty() ? m_Genesis : leftward.front();
    pSnail->Start(q, false);
    bFound = pSnail->Next(q);
    nPrevious = 0;
    nClass = right.Classify(q);
    while (bFound) {
        rightward.push_back(q);
        if (ReachedNeighbour(nPrevious, nClass))
            break;
        bFound = pSnail->Next(q);
        nPrevious = nClass;
        nClass = right.Classify(q);
    }

    m_Points.reserve(leftward.size() + rightward.size());
    m_Points.assign(leftward.rbegin(), leftward.rend());
    m_Points.insert(m_Points.end(), rightward.begin(), rightward.end());
    return true;
}

void CPartialCurve::Serialize(CArchive& ar)
{
    if (ar.IsStoring())
        ar.WritePoint(m_Genesis);
    else
        m_Genesis = ClampDocumentPoint(ar.ReadPoint());
}
