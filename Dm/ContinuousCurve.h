#pragma once

#include <cstdint>
#include <list>
#include <memory>
#include <vector>

#include "Dm/Curve.h"

class CAbstractThicknessCorrector;
class CBmpManager;
class CContinuousResults;
class CCurveElement;
class CLimit;
class CPartialCurve;
class CSnailAlgorithm;
class CSubpixelCentreLine;
struct CSubpixelPoint;

// A line of the graph recognised automatically. The user gives a left and a right limit
// (graph X values) and clicks genesis points on the line; from each genesis point the line is
// followed leftwards and rightwards on the document's bitmap until a limit or the part traced
// from a neighbouring genesis point is reached. The parts are joined into the base curve's
// point list (bitmap pixels, y down, ascending x, at most one point per column), corrected for
// the thickness of the drawn line, and can then be edited by hand. Optionally (off by
// default) the results use the sub-pixel centre line of the stroke instead of the points
// (CCentreLineRefiner); the point list stays as it is, and the followers then also step
// across lines whose pixels touch only at their corners.
//
// Owns its elements (the left limit first, the partial curves in ascending genesis x, the
// right limit last: that order always holds), its thickness corrector (always one), the
// centre line refinement's record while it refines, the line follower of the last build, and
// its results. The bitmap is reached through the coordinate
// system's document and is not owned.
class CContinuousCurve : public CCurve {
    DECLARE_SERIAL(CContinuousCurve)
public:
    using ElementList = std::list<std::unique_ptr<CCurveElement>>;

    // What became of a click on the bitmap offered as a genesis point.
    enum class GenesisOutcome { Added, NoCurveHere, OutOfLimits, AlreadyExists };

    // The largest gap between dashes, in pixels: 0 to 1000 on a curve (a document, the
    // dialog, a job); the default the settings keep for new curves is at least 1.
    static constexpr int kDefaultDashMaxDist = 20;
    static constexpr int kMinDashMaxDist = 0;
    static constexpr int kMaxDashMaxDist = 1000;
    static constexpr int kMinDefaultDashMaxDist = 1;
    // A thickness the user sets, typed or picked: 1 to 32 pixels, the thickest line a graph
    // is drawn with. The corrector itself bears up to 1000, its guard against a damaged
    // document; a measure is kept within this narrower range so that it fits the field.
    static constexpr int kMinThickness = 1;
    static constexpr int kMaxThickness = 32;
    // Red, green and blue 70: a pixel word 0xAARRGGBB.
    static constexpr uint32_t kDefaultThreshold = 0xFF464646;

    // The built-in defaults: follow the top, solid, dash distance 20, threshold (70, 70, 70),
    // a smart corrector of range 2, the two limits without values.
    CContinuousCurve();
    // A new curve on pCoordSyst with the continuous-curve settings.
    explicit CContinuousCurve(CCoordSyst* pCoordSyst);
    ~CContinuousCurve() override;

    std::unique_ptr<CCurve> Clone() const override;
    // A CContinuousResults, made on the first call.
    CResults* GetResults() override;
    CContinuousResults* GetContinuousResults();
    // Within 2 pixels above or below the vertical span joining the point of column x to its
    // neighbours in the adjacent columns.
    bool HitTest(int x, int y) override;
    ECurveKind GetKind() const override { return ECurveKind::Continuous; }
    // The points as polylines broken where a column has no point, and a small cross on every
    // genesis point. Nothing for an empty curve.
    void Draw(CDrawContext& dc) override;
    void Serialize(CArchive& ar) override;

    // The document's bitmap manager; null without one or without a loaded bitmap.
    CBmpManager* GetBmpManager() const;
    // Replaces the follower by a new one for the current settings; null when there is no
    // bitmap to follow lines on.
    CSnailAlgorithm* CreateSnail();
    CSnailAlgorithm* GetSnail() const { return m_pSnail.get(); }

    // Traces every partial curve again from its genesis point, removing (with a message) the
    // genesis points that lie on a part already traced, then assembles. False when there is
    // no bitmap (nothing changes then) or nothing to assemble.
    bool Rebuild();
    // Joins the traced parts into the point list and corrects the thickness. False, with an
    // empty list, when the curve has no partial curve.
    bool Assemble();
    // A click while the genesis dialog waits for a genesis point: refused with a message when
    // the pixel is not ink, lies beyond a limit, or lies on the curve already (or in the
    // column of another genesis point); otherwise a new partial curve and a rebuild.
    GenesisOutcome AddGenesisPoint(const CPoint& p);
    // The "Pick" of the thickness: measures the vertical ink run through p from its top to
    // its bottom edge, kept within kMinThickness to kMaxThickness, gives it to the corrector
    // and assembles again; the curve becomes modified. Returns 0, or the refusal
    // IDS_NO_CURVE_HERE, nothing changed, when p is not ink or lies off the bitmap.
    unsigned PickThickness(const CPoint& p);
    // Places a new partial curve by its genesis x, taking it from pPart. Returns its
    // position, or GetElements().end() when its genesis point lies beyond a limit: the part
    // is then not taken and stays in pPart.
    ElementList::const_iterator InsertElement(std::unique_ptr<CPartialCurve>& pPart);
    // Unlinks a partial curve from the list and hands it back to the caller. Null for an
    // element not in the list and for the limits, which the curve always keeps.
    std::unique_ptr<CCurveElement> RemoveElement(CCurveElement* pElement);

    const ElementList& GetElements() const { return m_Elements; }
    CLimit* GetLeftLimit() const;
    CLimit* GetRightLimit() const;

    uint32_t GetThreshold() const { return m_Threshold; }
    // The curve becomes modified.
    void SetThreshold(uint32_t threshold);
    CAbstractThicknessCorrector* GetThicknessCorrector() const { return m_pThicknessCorrector.get(); }
    // Takes the corrector and deletes the previous one; null is ignored. The curve becomes
    // modified.
    void SetThicknessCorrector(std::unique_ptr<CAbstractThicknessCorrector> pCorrector);
    bool IsDashed() const { return m_bDashed; }
    // Returns the previous value.
    bool SetDashed(bool bDashed);
    int GetDashMaxDist() const { return m_nDashMaxDist; }
    // Returns the previous value.
    int SetDashMaxDist(int nDashMaxDist);
    bool IsFollowTop() const { return m_bFollowTop; }
    void SetFollowTop(bool bFollowTop) { m_bFollowTop = bFollowTop; }
    bool IsCentreRefined() const { return m_pCentreLine != nullptr; }
    // Whether results use the sub-pixel centre line; the next rebuild traces with the
    // followers of that choice. The curve becomes modified when the choice changes.
    void SetCentreRefined(bool bRefined);
    // The centre line for results, one point for each point of the list in its order (see
    // CCentreLineRefiner). False, out untouched, when the curve does not refine or has no
    // bitmap.
    bool RefineCentreLine(std::vector<CSubpixelPoint>& out) const;
    bool IsHandModified() const { return m_bHandModified; }
    void SetHandModified(bool bHandModified) { m_bHandModified = bHandModified; }

    // Editing primitives of hand modification. Each keeps the point list ascending in x with
    // at most one point per column, makes the curve modified, and returns the rectangle of
    // the bitmap to repaint (empty when nothing changed). The points given lie in the bitmap
    // (the view clamps them).

    // The point of column x gets y, or (x, y) is inserted in order.
    CRect SetPoint(int x, int y);
    // The columns from from.x to to.x get one point each on the straight line between the
    // two ends (SetPoint(to) when both lie in one column).
    CRect DrawSegment(const CPoint& from, const CPoint& to);
    // Removes the point of column p.x.
    CRect ErasePoint(const CPoint& p);
    // Removes the points of the columns from from.x to to.x, both included.
    CRect EraseRange(const CPoint& from, const CPoint& to);
    // A copy of the point list.
    PointList TakeSnapshot() const { return m_CurvePoints; }
    // Replaces the point list by a copy of snapshot.
    CRect RestoreSnapshot(const PointList& snapshot);

private:
    struct Options;

    CContinuousCurve(const CContinuousCurve& other);

    void Init(const Options& options);
    // Sets every element's neighbours and owner from the list order.
    void Relink();
    // A smart corrector with the settings' range.
    std::unique_ptr<CAbstractThicknessCorrector> MakeDefaultCorrector();
    // Reads the continuous part of the record; the curve changes only once all of it is read
    // and checked.
    void LoadContinuousPart(CArchive& ar);

    std::unique_ptr<CSnailAlgorithm> m_pSnail;
    int m_nDashMaxDist = kDefaultDashMaxDist;
    bool m_bDashed = false;
    std::unique_ptr<CAbstractThicknessCorrector> m_pThicknessCorrector;
    uint32_t m_Threshold = kDefaultThreshold;
    bool m_bFollowTop = true;
    bool m_bHandModified = false;
    // The refinement's record while the curve refines, null otherwise.
    std::unique_ptr<CSubpixelCentreLine> m_pCentreLine;
    ElementList m_Elements;
};
