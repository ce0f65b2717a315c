#include "Dm/ContinuousCurve.h"

#include <algorithm>
#include <cmath>
#include <memory>
#include <utility>
#include <vector>

#include "Dm/BmpManager.h"
#include "Dm/CentreLineRefiner.h"
#include "Dm/ContinuousResults.h"
#include "Dm/CoordSyst.h"
#include "Dm/DashedSnail.h"
#include "Dm/DocumentLink.h"
#include "Dm/FlatThicknessCorrector.h"
#include "Dm/Limit.h"
#include "Dm/PartialCurve.h"
#include "Dm/SettingsManager.h"
#include "Dm/SimpleSnail.h"
#include "Dm/SmartThicknessCorrector.h"
#include "Dm/SubpixelCentreLine.h"
#include "platform/WaitCursor.h"
#include "platform/Archive.h"
#include "platform/DrawContext.h"
#include "platform/MessageService.h"
#include "platform/NumberFormat.h"
#include "platform/StringIds.h"
#include "platform/StringTable.h"

IMPLEMENT_SERIAL(CContinuousCurve, CCurve, 1)

// The recognition settings a new curve starts from.
struct CContinuousCurve::Options {
    bool bFlat = false;
    int nSmartRange = CSmartThicknessCorrector::kDefaultRange;
    uint32_t threshold = kDefaultThreshold;
    bool bFollowTop = true;
    bool bDashed = false;
    int nDashMaxDist = kDefaultDashMaxDist;
};

namespace {

// Collects what an edit touched and turns it into the rectangle to repaint.
class CRepaintBox {
public:
    void AddColumn(int x)
    {
        m_nLeft = std::min<int64_t>(m_nLeft, x);
        m_nRight = std::max<int64_t>(m_nRight, x);
    }
    void AddRow(int y)
    {
        m_nTop = std::min<int64_t>(m_nTop, y);
        m_nBottom = std::max<int64_t>(m_nBottom, y);
    }
    void AddPoint(const CPoint& p)
    {
        AddColumn(p.x);
        AddRow(p.y);
    }
    bool HasColumns() const { return m_nLeft <= m_nRight; }

    // The columns and rows held, negative coordinates raised to 0, widened by nMarginX
    // columns and one row on each side (right and bottom exclusive). Empty when no column
    // changed.
    CRect ToRect(int nMarginX) const
    {
        if (!HasColumns() || m_nTop > m_nBottom)
            return CRect();
        auto clampInt = [](int64_t v) {
            return static_cast<int32_t>(std::clamp<int64_t>(v, INT32_MIN, INT32_MAX));
        };
        const int64_t left = std::max<int64_t>(m_nLeft, 0);
        const int64_t top = std::max<int64_t>(m_nTop, 0);
        const int64_t right = std::max<int64_t>(m_nRight, 0) + 1;
        const int64_t bottom = std::max<int64_t>(m_nBottom, 0) + 1;
        return CRect(clampInt(left - nMarginX), clampInt(top - 1), clampInt(right + nMarginX),
                     clampInt(bottom + 1));
    }

private:
    int64_t m_nLeft = INT64_MAX;
    int64_t m_nRight = INT64_MIN;
    int64_t m_nTop = INT64_MAX;
    int64_t m_nBottom = INT64_MIN;
};

// The rows of the points in columns x1 - 1 and x2 + 1: the lines drawn to them change too.
void AddNeighbours(const CCurve::PointList& points, int64_t x1, int64_t x2, CRepaintBox& box)
{
    for (const CPoint& p : points) {
        if (p.x == x1 - 1 || p.x == x2 + 1)
            box.AddRow(p.y);
    }
}

}  // namespace

CContinuousCurve::CContinuousCurve()
{
    Init(Options());
}

CContinuousCurve::CContinuousCurve(CCoordSyst* pCoordSyst) : CCurve(pCoordSyst)
{
    Options options;
    if (const CSettingsManager* pSettings = GetSettingsManager()) {
        const CSettingsManager::CCurveOptions settings = pSettings->GetCurveOptions();
        options.bFlat = settings.m_nAlgo != 0;
        options.nSmartRange = settings.m_nSmartAlgoRange;
        options.threshold = 0xFF000000u | (settings.m_BlackLevel & 0x00FFFFFFu);
        options.bFollowTop = settings.m_nSideFollow == 0;
        options.bDashed = settings.m_bDashed;
        options.nDashMaxDist = settings.m_nDashMaxDist;
    }
    Init(options);
}

CContinuousCurve::CContinuousCurve(const CContinuousCurve& other)
    : CCurve(other),
      m_nDashMaxDist(other.m_nDashMaxDist),
      m_bDashed(other.m_bDashed),
      m_pThicknessCorrector(other.m_pThicknessCorrector->Clone(this)),
      m_Threshold(other.m_Threshold),
      m_bFollowTop(other.m_bFollowTop),
      m_bHandModified(other.m_bHandModified),
      m_pCentreLine(other.m_pCentreLine != nullptr ? std::make_unique<CSubpixelCentreLine>() : nullptr)
{
    for (const auto& pElement : other.m_Elements)
        m_Elements.push_back(pElement->Clone(this));
    Relink();
}

CContinuousCurve::~CContinuousCurve() = default;

void CContinuousCurve::Init(const Options& options)
{
    m_bFollowTop = options.bFollowTop;
    m_bDashed = options.bDashed;
    m_nDashMaxDist = options.nDashMaxDist;
    m_Threshold = options.threshold;
    if (options.bFlat)
        m_pThicknessCorrector = std::make_unique<CFlatThicknessCorrector>(this);
    else
        m_pThicknessCorrector = std::make_unique<CSmartThicknessCorrector>(this, options.nSmartRange);
    m_Elements.push_back(std::make_unique<CLimit>(this, true));
    m_Elements.push_back(std::make_unique<CLimit>(this, false));
    Relink();
    m_pSnail.reset();
    m_bHandModified = false;
}

void CContinuousCurve::Relink()
{
    CCurveElement* pPrevious = nullptr;
    for (const auto& pOwned : m_Elements) {
        CCurveElement* pElement = pOwned.get();
        pElement->SetCurve(this);
        pElement->SetPrev(pPrevious);
        pElement->SetNext(nullptr);
        if (pPrevious != nullptr)
            pPrevious->SetNext(pElement);
        pPrevious = pElement;
    }
}

std::unique_ptr<CAbstractThicknessCorrector> CContinuousCurve::MakeDefaultCorrector()
{
    const CSettingsManager* pSettings = GetSettingsManager();
    const int nRange = pSettings != nullptr ? pSettings->GetCurveOptions().m_nSmartAlgoRange
                                            : CSmartThicknessCorrector::kDefaultRange;
    return std::make_unique<CSmartThicknessCorrector>(this, nRange);
}

std::unique_ptr<CCurve> CContinuousCurve::Clone() const
{
    return std::unique_ptr<CCurve>(new CContinuousCurve(*this));
}

CResults* CContinuousCurve::GetResults()
{
    return GetContinuousResults();
}

CContinuousResults* CContinuousCurve::GetContinuousResults()
{
    if (m_pResults == nullptr || !m_pResults->IsKindOf(RUNTIME_CLASS(CContinuousResults)))
        SetResults(std::make_unique<CContinuousResults>(this));
    return static_cast<CContinuousResults*>(m_pResults.get());
}

CLimit* CContinuousCurve::GetLeftLimit() const
{
    return static_cast<CLimit*>(m_Elements.front().get());
}

CLimit* CContinuousCurve::GetRightLimit() const
{
    return static_cast<CLimit*>(m_Elements.back().get());
}

void CContinuousCurve::SetThreshold(uint32_t threshold)
{
    m_Threshold = threshold;
    SetModified(true);
}

void CContinuousCurve::SetThicknessCorrector(std::unique_ptr<CAbstractThicknessCorrector> pCorrector)
{
    if (pCorrector == nullptr)
        return;
    m_pThicknessCorrector = std::move(pCorrector);
    m_pThicknessCorrector->SetCurve(this);
    SetModified(true);
}

bool CContinuousCurve::SetDashed(bool bDashed)
{
    return std::exchange(m_bDashed, bDashed);
}

int CContinuousCurve::SetDashMaxDist(int nDashMaxDist)
{
    return std::exchange(m_nDashMaxDist, nDashMaxDist);
}

void CContinuousCurve::SetCentreRefined(bool bRefined)
{
    if (IsCentreRefined() == bRefined)
        return;
    m_pCentreLine = bRefined ? std::make_unique<CSubpixelCentreLine>() : nullptr;
    SetModified(true);
}

bool CContinuousCurve::RefineCentreLine(std::vector<CSubpixelPoint>& out) const
{
    const CBmpManager* pBmpManager = GetBmpManager();
    if (!IsCentreRefined() || pBmpManager == nullptr)
        return false;
    CCentreLineRefiner refiner(*pBmpManager, m_Threshold, m_pThicknessCorrector->GetThickness(), m_bDashed);
    refiner.Refine(m_CurvePoints, out);
    return true;
}

CBmpManager* CContinuousCurve::GetBmpManager() const
{
    const CDocumentLink* pDoc = GetDocument();
    CBmpManager* pBmpManager = pDoc != nullptr ? pDoc->GetBmpManager() : nullptr;
    return pBmpManager != nullptr && pBmpManager->IsLoaded() ? pBmpManager : nullptr;
}

CSnailAlgorithm* CContinuousCurve::CreateSnail()
{
    m_pSnail.reset();
    const CBmpManager* pBmpManager = GetBmpManager();
    if (pBmpManager == nullptr)
        return nullptr;
    if (m_bDashed) {
        // The dialogs hold the distance within range; a larger one would only make the search
        // for the next dash slower.
        const int nMaxDist = std::clamp(m_nDashMaxDist, kMinDashMaxDist, kMaxDashMaxDist);
        m_pSnail = std::make_unique<CDashedSnail>(*pBmpManager, m_Threshold, m_bFollowTop, nMaxDist);
    } else {
        m_pSnail = std::make_unique<CSimpleSnail>(*pBmpManager, m_Threshold, m_bFollowTop);
    }
    m_pSnail->SetCornerJoins(IsCentreRefined());
    return m_pSnail.get();
}

bool CContinuousCurve::Rebuild()
{
    // Without a bitmap nothing can be traced, and no genesis point may be taken for redundant.
    if (GetBmpManager() == nullptr)
        return false;
    for (;;) {
        CPartialCurve* pFailed = nullptr;
        for (const auto& pElement : m_Elements) {
            if (pElement->IsPartialCurve())
                static_cast<CPartialCurve*>(pElement.get())->ClearPoints();
        }
        for (const auto& pElement : m_Elements) {
            if (pElement->IsPartialCurve() && !static_cast<CPartialCurve*>(pElement.get())->Build()) {
                pFailed = static_cast<CPartialCurve*>(pElement.get());
                break;
            }
        }
        if (pFailed == nullptr)
            break;

        const CPoint genesis = pFailed->GetGenesis();
        const CLogicPoint graph =
            m_pCoordSyst != nullptr ? m_pCoordSyst->PixelToGraph(genesis) : CLogicPoint(genesis.x, genesis.y);
        AfxMessageBox(FormatWithDoubles(CStringTable::Get(IDS_GENESIS_REDUNDANT), {graph.x, graph.y}),
                      CMessageService::Icon::Information);
        RemoveElement(pFailed);
    }
    const bool bAssembled = Assemble();
    m_bHandModified = false;
    return bAssembled;
}

bool CContinuousCurve::Assemble()
{
    if (m_Elements.size() <= 2) {
        m_CurvePoints.clear();
        return false;
    }
    // Overwrites the nodes already there: a rebuild then allocates nothing for its points.
    auto out = m_CurvePoints.begin();
    for (const auto& pElement : m_Elements) {
        if (!pElement->IsPartialCurve())
            continue;
        for (const CPoint& p : static_cast<const CPartialCurve*>(pElement.get())->GetPoints()) {
            if (out != m_CurvePoints.end())
                *out++ = p;
            else
                m_CurvePoints.push_back(p);
        }
    }
    m_CurvePoints.erase(out, m_CurvePoints.end());
    m_pThicknessCorrector->Correct(m_CurvePoints, m_bFollowTop);
    m_bHandModified = false;
    SetModified(true);
    return true;
}

CContinuousCurve::ElementList::const_iterator CContinuousCurve::InsertElement(
    std::unique_ptr<CPartialCurve>& pPart)
{
    if (pPart == nullptr)
        return m_Elements.end();
    const CPoint genesis = pPart->GetGenesis();
    // The owner is needed by the limits' test (they convert through its coordinate system).
    pPart->SetCurve(this);
    if (GetLeftLimit()->HitTest(genesis.x, genesis.y))
        return m_Elements.end();
    auto it = std::next(m_Elements.begin());
    for (; it != m_Elements.end(); ++it) {
        CCurveElement* pElement = it->get();
        if (pElement->IsLimit()) {
            if (pElement->HitTest(genesis.x, genesis.y))
                return m_Elements.end();
            break;
        }
        if (genesis.x < static_cast<CPartialCurve*>(pElement)->GetGenesis().x)
            break;
    }
    CPartialCurve* pInserted = pPart.get();
    auto position = m_Elements.insert(it, std::move(pPart));
    CCurveElement* pPrev = std::prev(position)->get();
    CCurveElement* pNext = std::next(position)->get();
    pInserted->SetPrev(pPrev);
    pInserted->SetNext(pNext);
    pPrev->SetNext(pInserted);
    pNext->SetPrev(pInserted);
    SetModified(true);
    return position;
}

std::unique_ptr<CCurveElement> CContinuousCurve::RemoveElement(CCurveElement* pElement)
{
    if (pElement == nullptr || pElement->IsLimit())
        return nullptr;
    auto it =
        std::find_if(m_Elements.begin(), m_Elements.end(),
                     [pElement](const std::unique_ptr<CCurveElement>& p) { return p.get() == pElement; });
    if (it == m_Elements.end())
        return nullptr;
    CCurveElement* pPrev = pElement->GetPrev();
    CCurveElement* pNext = pElement->GetNext();
    if (pPrev != nullptr)
        pPrev->SetNext(pNext);
    if (pNext != nullptr)
        pNext->SetPrev(pPrev);
    pElement->SetPrev(nullptr);
    pElement->SetNext(nullptr);
    std::unique_ptr<CCurveElement> pRemoved = std::move(*it);
    m_Elements.erase(it);
    return pRemoved;
}

CContinuousCurve::GenesisOutcome CContinuousCurve::AddGenesisPoint(const CPoint& p)
{
    // A click outside the bitmap is background: the ink test itself must not be asked.
    const CBmpManager* pBmpManager = GetBmpManager();
    if (pBmpManager == nullptr || p.x < 0 || p.y < 0 || p.x >= pBmpManager->GetWidth() ||
        p.y >= pBmpManager->GetHeight() || !pBmpManager->IsInk(p, m_Threshold)) {
        AfxMessageBox(IDS_NO_CURVE_HERE, CMessageService::Icon::Information);
        return GenesisOutcome::NoCurveHere;
    }
    if (GetLeftLimit()->HitTest(p.x, p.y) || GetRightLimit()->HitTest(p.x, p.y)) {
        AfxMessageBox(IDS_OUT_OF_LIMITS, CMessageService::Icon::Information);
        return GenesisOutcome::OutOfLimits;
    }
    CPoint snapped = p;
    pBmpManager->SnapToEdge(snapped, m_bFollowTop, m_Threshold);
    for (const auto& pElement : m_Elements) {
        if (pElement->HitTest(snapped.x, snapped.y)) {
            AfxMessageBox(IDS_CURVE_ALREADY_EXISTS, CMessageService::Icon::Information);
            return GenesisOutcome::AlreadyExists;
        }
    }

    CWaitCursor wait;
    auto pPart = std::make_unique<CPartialCurve>(this);
    pPart->SetGenesis(p);
    if (InsertElement(pPart) == m_Elements.end()) {
        AfxMessageBox(IDS_OUT_OF_LIMITS, CMessageService::Icon::Information);
        return GenesisOutcome::OutOfLimits;
    }
    // Rebuild ends with the assembly of the new list.
    Rebuild();
    return GenesisOutcome::Added;
}

unsigned CContinuousCurve::PickThickness(const CPoint& p)
{
    // The snap reads no pixel off the bitmap and fails where p is not ink.
    const CBmpManager* pBmpManager = GetBmpManager();
    CPoint top = p;
    CPoint bottom = p;
    if (pBmpManager == nullptr || m_pThicknessCorrector == nullptr ||
        !pBmpManager->SnapToEdge(top, true, m_Threshold) ||
        !pBmpManager->SnapToEdge(bottom, false, m_Threshold))
        return IDS_NO_CURVE_HERE;
    SetModified(true);
    m_pThicknessCorrector->SetThickness(std::clamp(bottom.y - top.y, kMinThickness, kMaxThickness));
    Assemble();
    return 0;
}

void CContinuousCurve::Draw(CDrawContext& dc)
{
    if (m_CurvePoints.empty())
        return;
    dc.SetPen(m_Color, m_bSelected ? 2 : 1);
    auto it = m_CurvePoints.begin();
    CPoint previous = *it;
    dc.MoveTo(previous);
    for (++it; it != m_CurvePoints.end(); ++it) {
        if (int64_t{it->x} == int64_t{previous.x} + 1)
            dc.LineTo(*it);
        else
            dc.MoveTo(*it);
        previous = *it;
    }
    for (const auto& pElement : m_Elements) {
        if (!pElement->IsPartialCurve())
            continue;
        const CPoint g = static_cast<const CPartialCurve*>(pElement.get())->GetGenesis();
        dc.MoveTo(CPoint(g.x, g.y + 2));
        dc.LineTo(CPoint(g.x, g.y - 3));
        dc.MoveTo(CPoint(g.x + 2, g.y));
        dc.LineTo(CPoint(g.x - 3, g.y));
    }
}

bool CContinuousCurve::HitTest(int x, int y)
{
    auto it =
        std::find_if(m_CurvePoints.begin(), m_CurvePoints.end(), [x](const CPoint& p) { return p.x == x; });
    if (it == m_CurvePoints.end())
        return false;
    int64_t lo = it->y;
    int64_t hi = it->y;
    auto next = std::next(it);
    if (next != m_CurvePoints.end() && int64_t{next->x} == int64_t{x} + 1) {
        lo = std::min<int64_t>(lo, next->y);
        hi = std::max<int64_t>(hi, next->y);
    }
    if (it != m_CurvePoints.begin()) {
        auto previous = std::prev(it);
        if (int64_t{previous->x} == int64_t{x} - 1) {
            lo = std::min<int64_t>(lo, previous->y);
            hi = std::max<int64_t>(hi, previous->y);
        }
    }
    return lo - 2 <= y && y <= hi + 2;
}

CRect CContinuousCurve::SetPoint(int x, int y)
{
    CRepaintBox box;
    box.AddPoint(CPoint(x, y));
    auto it =
        std::find_if(m_CurvePoints.begin(), m_CurvePoints.end(), [x](const CPoint& p) { return p.x >= x; });
    if (it != m_CurvePoints.end() && it->x == x) {
        box.AddRow(it->y);
        it->y = y;
    } else {
        m_CurvePoints.insert(it, CPoint(x, y));
    }
    AddNeighbours(m_CurvePoints, x, x, box);
    SetModified(true);
    return box.ToRect(2);
}

CRect CContinuousCurve::DrawSegment(const CPoint& from, const CPoint& to)
{
    if (from.x == to.x)
        return SetPoint(to.x, to.y);
    const CPoint& left = from.x < to.x ? from : to;
    const CPoint& right = from.x < to.x ? to : from;
    const int xl = left.x;
    const int xr = right.x;

    CRepaintBox box;
    box.AddColumn(xl);
    box.AddColumn(xr);
    auto insertAt = m_CurvePoints.end();
    for (auto it = m_CurvePoints.begin(); it != m_CurvePoints.end();) {
        if (it->x >= xl && it->x <= xr) {
            box.AddRow(it->y);
            it = m_CurvePoints.erase(it);
            continue;
        }
        if (it->x > xr && insertAt == m_CurvePoints.end())
            insertAt = it;
        ++it;
    }
    const double slope = (static_cast<double>(right.y) - left.y) / (static_cast<double>(xr) - xl);
    const int64_t nColumns = int64_t{xr} - xl;
    for (int64_t i = 0; i <= nColumns; ++i) {
        const int64_t y = left.y + static_cast<int64_t>(std::trunc(static_cast<double>(i) * slope));
        const CPoint p(static_cast<int32_t>(xl + i), static_cast<int32_t>(y));
        m_CurvePoints.insert(insertAt, p);
        box.AddRow(p.y);
    }
    AddNeighbours(m_CurvePoints, xl, xr, box);
    SetModified(true);
    return box.ToRect(1);
}

CRect CContinuousCurve::ErasePoint(const CPoint& p)
{
    CRepaintBox box;
    auto it = std::find_if(m_CurvePoints.begin(), m_CurvePoints.end(),
                           [&p](const CPoint& q) { return q.x == p.x; });
    if (it != m_CurvePoints.end()) {
        box.AddPoint(*it);
        m_CurvePoints.erase(it);
        AddNeighbours(m_CurvePoints, p.x, p.x, box);
    }
    SetModified(true);
    return box.ToRect(1);
}

CRect CContinuousCurve::EraseRange(const CPoint& from, const CPoint& to)
{
    const int xl = std::min(from.x, to.x);
    const int xr = std::max(from.x, to.x);
    CRepaintBox box;
    int64_t nFirst = INT64_MAX;
    int64_t nLast = INT64_MIN;
    for (auto it = m_CurvePoints.begin(); it != m_CurvePoints.end();) {
        if (it->x >= xl && it->x <= xr) {
            box.AddPoint(*it);
            nFirst = std::min<int64_t>(nFirst, it->x);
            nLast = std::max<int64_t>(nLast, it->x);
            it = m_CurvePoints.erase(it);
        } else {
            ++it;
        }
    }
    if (box.HasColumns())
        AddNeighbours(m_CurvePoints, nFirst, nLast, box);
    SetModified(true);
    return box.ToRect(1);
}

CRect CContinuousCurve::RestoreSnapshot(const PointList& snapshot)
{
    CRepaintBox box;
    for (const CPoint& p : m_CurvePoints)
        box.AddPoint(p);
    for (const CPoint& p : snapshot)
        box.AddPoint(p);
    m_CurvePoints = snapshot;
    SetModified(true);
    return box.ToRect(1);
}

void CContinuousCurve::Serialize(CArchive& ar)
{
    SerializeBase(ar);
    if (ar.IsLoading()) {
        // Another kind of results would be taken for continuous results later on; a fresh
        // one is made on demand instead.
        if (m_pResults != nullptr && !m_pResults->IsKindOf(RUNTIME_CLASS(CContinuousResults)))
            SetResults(nullptr);
        LoadContinuousPart(ar);
        return;
    }

    ar.WriteDword(m_bFollowTop ? 1 : 0);
    ar.WriteDword(m_bHandModified ? 1 : 0);
    ar.WriteDword(m_bDashed ? 1 : 0);
    ar.WriteInt(m_nDashMaxDist);
    ar.WriteByte(static_cast<uint8_t>(m_Threshold >> 16));
    ar.WriteByte(static_cast<uint8_t>(m_Threshold >> 8));
    ar.WriteByte(static_cast<uint8_t>(m_Threshold));
    // Only a curve that refines writes the record: other documents stay as they always were.
    if (m_pCentreLine != nullptr)
        ar.WriteObject(m_pCentreLine.get());
    ar.WriteObject(m_pThicknessCorrector.get());
    ar.WriteDword(static_cast<uint32_t>(m_Elements.size()));
    for (const auto& pElement : m_Elements)
        ar.WriteObject(pElement.get());
}

void CContinuousCurve::LoadContinuousPart(CArchive& ar)
{
    const bool bFollowTop = ar.ReadDword() != 0;
    const bool bHandModified = ar.ReadDword() != 0;
    const bool bDashed = ar.ReadDword() != 0;
    const int32_t nDashMaxDist = ar.ReadInt();
    if (nDashMaxDist < kMinDashMaxDist || nDashMaxDist > kMaxDashMaxDist)
        throw CArchiveException(CArchiveException::generic, "The dash distance of a curve is out of range.");
    const uint8_t red = ar.ReadByte();
    const uint8_t green = ar.ReadByte();
    const uint8_t blue = ar.ReadByte();

    std::unique_ptr<CObject> pCorrectorObject = ar.ReadObject(nullptr);
    std::unique_ptr<CSubpixelCentreLine> pCentreLine;
    if (pCorrectorObject != nullptr && pCorrectorObject->IsKindOf(RUNTIME_CLASS(CSubpixelCentreLine))) {
        pCentreLine = StaticDowncast<CSubpixelCentreLine>(std::move(pCorrectorObject));
        pCorrectorObject = ar.ReadObject(nullptr);
    }
    std::unique_ptr<CAbstractThicknessCorrector> pCorrector;
    if (pCorrectorObject != nullptr && pCorrectorObject->IsKindOf(RUNTIME_CLASS(CAbstractThicknessCorrector)))
        pCorrector = StaticDowncast<CAbstractThicknessCorrector>(std::move(pCorrectorObject));

    const uint32_t nCount = ar.ReadDword();
    ar.CheckCount(nCount, 2);
    std::unique_ptr<CLimit> pLeft;
    std::unique_ptr<CLimit> pRight;
    std::vector<std::unique_ptr<CPartialCurve>> parts;
    for (uint32_t i = 0; i < nCount; ++i) {
        std::unique_ptr<CObject> pObject = ar.ReadObject(nullptr);
        if (pObject == nullptr || !pObject->IsKindOf(RUNTIME_CLASS(CCurveElement)))
            continue;
        CCurveElement* pElement = static_cast<CCurveElement*>(pObject.get());
        if (pElement->IsPartialCurve()) {
            parts.push_back(StaticDowncast<CPartialCurve>(std::move(pObject)));
            continue;
        }
        if (!pElement->IsLimit())
            continue;
        // Two left (or two right) limits leave no way to tell which one the user set.
        std::unique_ptr<CLimit>& pSlot = static_cast<CLimit*>(pElement)->IsLeft() ? pLeft : pRight;
        if (pSlot != nullptr)
            throw CArchiveException(CArchiveException::generic, "A curve has two limits on one side.");
        pSlot = StaticDowncast<CLimit>(std::move(pObject));
    }

    // Everything is read: the curve takes it. A missing limit or corrector comes back with
    // its default, which loses nothing the user made; stray elements are put in their order.
    m_bFollowTop = bFollowTop;
    m_bHandModified = bHandModified;
    m_bDashed = bDashed;
    m_pCentreLine = std::move(pCentreLine);
    m_nDashMaxDist = nDashMaxDist;
    m_Threshold = 0xFF000000u | (uint32_t{red} << 16) | (uint32_t{green} << 8) | blue;
    m_pSnail.reset();
    m_pThicknessCorrector = pCorrector != nullptr ? std::move(pCorrector) : MakeDefaultCorrector();
    m_pThicknessCorrector->SetCurve(this);

    std::stable_sort(parts.begin(), parts.end(),
                     [](const auto& a, const auto& b) { return a->GetGenesis().x < b->GetGenesis().x; });
    m_Elements.clear();
    m_Elements.push_back(pLeft != nullptr ? std::move(pLeft) : std::make_unique<CLimit>(this, true));
    for (auto& pPart : parts)
        m_Elements.push_back(std::move(pPart));
    m_Elements.push_back(pRight != nullptr ? std::move(pRight) : std::make_unique<CLimit>(this, false));
    Relink();
}
