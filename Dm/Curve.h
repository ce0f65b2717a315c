#pragma once

#include <list>
#include <memory>
#include <optional>
#include <string>

#include "Dm/CurveKind.h"
#include "platform/Object.h"
#include "platform/Point.h"

class CArchive;
class CCoordSyst;
class CDocumentLink;
class CDrawContext;
class CResults;

// Abstract base of every curve kind (continuous, discrete, densitometry, spline).
// Holds what all kinds share: a name, a number and a drawing colour (0x00BBGGRR), the
// selection and modified flags on which the document's unsaved state rests, a list of
// pixel points (bitmap pixels, y down) whose meaning belongs to the subclass, the owning
// coordinate system (not owned; it owns the curve) and the results object (owned, made on
// first request by GetResults). The document is reached through the coordinate system.
class CCurve : public CObject {
    DECLARE_DYNAMIC(CCurve)
public:
    using PointList = std::list<CPoint>;

    ~CCurve() override;
    CCurve& operator=(const CCurve&) = delete;

    // A deep copy of the same class.
    virtual std::unique_ptr<CCurve> Clone() const = 0;
    // The results object, made on the first call and kept.
    virtual CResults* GetResults() = 0;
    virtual bool HitTest(int x, int y) = 0;
    // The kind of the curve's class.
    virtual ECurveKind GetKind() const = 0;
    bool IsContinuous() const { return GetKind() == ECurveKind::Continuous; }
    bool IsDiscrete() const { return GetKind() == ECurveKind::Discrete; }
    virtual void Draw(CDrawContext& dc) = 0;
    // Every subclass's record starts with SerializeBase.
    void Serialize(CArchive& ar) override = 0;

    // Copies name, number, owner, selection, colour, modified flag and points; the results
    // are replaced by a clone of the other's, bound to this curve.
    void CopyFrom(const CCurve& other);

    const std::string& GetName() const { return m_strName; }
    // Renaming is a change: the curve becomes modified.
    void SetName(const std::string& strName);
    int GetNumber() const { return m_nNumber; }
    COLORREF GetColor() const { return m_Color; }
    void SetColor(COLORREF color) { m_Color = color; }

    CCoordSyst* GetCoordSyst() const { return m_pCoordSyst; }
    // Binding only (done by CCoordSyst::AddCurve and after loading); not a change.
    void SetCoordSyst(CCoordSyst* pCoordSyst) { m_pCoordSyst = pCoordSyst; }
    CDocumentLink* GetDocument() const;

    bool IsSelected() const { return m_bSelected; }
    void SetSelected(bool bSelected) { m_bSelected = bSelected; }
    bool GetModified() const { return m_bModified; }
    // Returns the previous value; the document recomputes its own flag.
    bool SetModified(bool bModified);

    // Takes pResults (may be null) and binds it to this curve, deleting the previous one.
    void SetResults(std::unique_ptr<CResults> pResults);
    // The results object if one was made, without making it.
    CResults* PeekResults() const { return m_pResults.get(); }

    const PointList& GetPoints() const { return m_CurvePoints; }
    PointList& GetPoints() { return m_CurvePoints; }
    size_t GetPointCount() const { return m_CurvePoints.size(); }

    // Orders the points by increasing graph X (not pixel x: a reversed axis sorts the other
    // way); points of equal X keep their order. The curve becomes modified.
    void SortPointsByX();

    // The curve counter read with this curve while it had no document to give it to;
    // the coordinate system collects it when the curve is bound after loading.
    std::optional<int> TakeLoadedCurveCounter();

protected:
    // A new curve: numbered by the document's curve counter, coloured by the document's
    // colour table (number 1 and red without a document), named "Curve N".
    CCurve();
    explicit CCurve(CCoordSyst* pCoordSyst);
    // An empty curve to which CopyFrom(other) is applied.
    CCurve(const CCurve& other);

    // The part of the record common to every curve.
    void SerializeBase(CArchive& ar);

    std::unique_ptr<CResults> m_pResults;
    bool m_bModified = false;
    COLORREF m_Color = 0x0000FF;
    bool m_bSelected = false;
    CCoordSyst* m_pCoordSyst = nullptr;
    std::string m_strName;
    int m_nNumber = 1;
    PointList m_CurvePoints;

private:
    void InitNew();

    std::optional<int> m_LoadedCurveCounter;
};
