#pragma once

#include <list>
#include <memory>
#include <optional>
#include <utility>

#include "Dm/Axe.h"
#include "Dm/LogicPoint.h"
#include "platform/Object.h"
#include "platform/Point.h"

class CArchive;
class CCurve;
class CDocumentLink;
class CDrawContext;

// A coordinate system laid over the bitmap: two axes drawn on it, each with two scale points
// of known value, from which an affine (oblique) transform between bitmap pixels (integers,
// y down) and graph units is built; either axis may be logarithmic (the transform then works
// on the logarithm of the values), reversed, and at any angle. The axes must not be parallel.
// Owns the curves built on it (deleted with it); the document that owns it is not owned and
// may be absent.
class CCoordSyst : public CObject {
    DECLARE_SERIAL(CCoordSyst)
public:
    using CurveList = std::list<std::unique_ptr<CCurve>>;

    // pixel -> graph: X' = ax*px + bx*py + cx, Y' = ay*px + by*py + cy.
    struct PixelToGraphCoefs {
        double ax = 0.0;
        double bx = 0.0;
        double ay = 0.0;
        double by = 0.0;
    };
    // graph -> pixel: x = (X'-cx)*pxX + (Y'-cy)*pxY, y = (X'-cx)*pyX + (Y'-cy)*pyY.
    struct GraphToPixelCoefs {
        double pxX = 0.0;
        double pxY = 0.0;
        double pyX = 0.0;
        double pyY = 0.0;
    };

    // Without a document: numbered 1 and drawn red.
    CCoordSyst();
    // Numbered by the document's coordinate-system counter and coloured from its table.
    explicit CCoordSyst(CDocumentLink* pDoc);
    // Without a document, with the given number; drawn red.
    explicit CCoordSyst(int nNumber);
    CCoordSyst(const CCoordSyst& other);
    CCoordSyst& operator=(const CCoordSyst&) = delete;
    ~CCoordSyst() override;

    // Copies everything, the document and the selection included; the curves are replaced
    // by clones of the other's curves, bound to this coordinate system.
    void CopyFrom(const CCoordSyst& other);

    CDocumentLink* GetDocument() const { return m_pDoc; }
    // Binds to the document (done by the document, also after loading: counters read while
    // there was no document are handed over then).
    void SetDocument(CDocumentLink* pDoc);

    int GetNumber() const { return m_nNumber; }
    COLORREF GetColor() const { return m_Color; }
    void SetColor(COLORREF color) { m_Color = color; }
    bool IsSelected() const { return m_bSelected; }
    void SetSelected(bool bSelected) { m_bSelected = bSelected; }

    CAxe& GetXAxe() { return m_XAxe; }
    CAxe& GetYAxe() { return m_YAxe; }
    const CAxe& GetXAxe() const { return m_XAxe; }
    const CAxe& GetYAxe() const { return m_YAxe; }

    // The intersection of the axis lines, truncated to a pixel; the transform is recomputed
    // when the origin moves. (0, 0) and nothing changed while either axis has no line.
    CPoint ComputeOrigin();
    CPoint GetOrigin() const { return m_Origin; }
    bool IsOriginComputed() const { return m_bOriginComputed; }

    // All four scale points have a position and a value.
    bool IsComplete() const { return m_XAxe.IsComplete() && m_YAxe.IsComplete(); }
    // Builds the transform from the origin and the scale points. False, and the previous
    // transform kept, when a scale point is incomplete or the input cannot give a transform
    // (parallel axes, coincident scale points, equal values, a logarithm of a value <= 0).
    bool ComputeTransform();

    CLogicPoint PixelToGraph(int px, int py) const { return PixelToGraphAt(px, py); }
    CLogicPoint PixelToGraph(const CPoint& p) const { return PixelToGraph(p.x, p.y); }
    // The same for a position between pixel centres (pixel (x, y)'s middle is at x, y).
    CLogicPoint PixelToGraphAt(double px, double py) const;
    // The pixel position as doubles, not rounded (x = pixel x, y = pixel y).
    CLogicPoint GraphToPixel(const CLogicPoint& graph) const;

    bool IsXReversed() const { return m_bXReversed; }
    const CLogicPoint& GetOffset() const { return m_Offset; }
    const PixelToGraphCoefs& GetPixelToGraph() const { return m_PixelToGraph; }
    const GraphToPixelCoefs& GetGraphToPixel() const { return m_GraphToPixel; }

    // Sets every curve's modified flag, then recomputes the transform. Every change of an
    // axis or a scale point calls it with true.
    void SetCurvesModified(bool bModified);

    // Takes the curve and binds it to this coordinate system; returns it (null for null).
    template <typename T>
    T* AddCurve(std::unique_ptr<T> pCurve)
    {
        T* pAdded = pCurve.get();
        AdoptCurve(std::move(pCurve));
        return pAdded;
    }
    // Deletes the curve when it belongs to this coordinate system.
    bool RemoveCurve(CCurve* pCurve);
    CCurve* GetFirstModifiedCurve() const;
    const CurveList& GetCurveList() const { return m_CurveList; }

    // Either axis is within 2 pixels of the point.
    bool HitTest(int px, int py) const;
    // Both axes with their scale points, then every curve; in the coordinate system's
    // colour, with a wider pen when selected.
    void Draw(CDrawContext& dc) const;

    void Serialize(CArchive& ar) override;

private:
    void InitNew(CDocumentLink* pDoc, int nNumber);
    void AdoptCurve(std::unique_ptr<CCurve> pCurve);

    COLORREF m_Color = 0x0000FF;
    bool m_bSelected = false;
    bool m_bOriginComputed = false;
    CDocumentLink* m_pDoc = nullptr;
    int m_nNumber = 1;
    CAxe m_YAxe;
    CAxe m_XAxe;
    CurveList m_CurveList;
    bool m_bXReversed = false;
    CLogicPoint m_Offset;
    CPoint m_Origin;
    PixelToGraphCoefs m_PixelToGraph;
    GraphToPixelCoefs m_GraphToPixel;

    // Counters read while no document was bound, handed over by SetDocument.
    std::optional<int> m_LoadedCoordSystCounter;
    std::optional<int> m_LoadedCurveCounter;
};
