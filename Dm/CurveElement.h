#pragma once

#include <memory>

#include "platform/Object.h"
#include "platform/Point.h"

class CContinuousCurve;

// One piece of a continuous curve, kept in the curve's ordered element list: the left limit
// first, the traced parts (one per genesis point, ascending genesis x) between, the right
// limit last. Each element knows its neighbours in that list and its owner curve; none of
// the three is owned (the curve owns every element and keeps the links right on every
// insertion and removal). Points are bitmap pixels, y down.
class CCurveElement : public CObject {
    DECLARE_DYNAMIC(CCurveElement)
public:
    // Answers of Classify.
    enum {
        kOutside = 1,  // the point lies outside the element's columns
        kBelow = 2,    // below the element's point in that column (larger y)
        kAbove = 3,    // above it (smaller y)
        kOn = 4        // on the element or, for a limit, beyond it
    };

    ~CCurveElement() override = default;
    CCurveElement& operator=(const CCurveElement&) = delete;

    // Where p lies relative to the element: one of the codes above.
    virtual int Classify(const CPoint& p) const = 0;
    // Drops the element's points on one side of column x (keepRight: those left of x and x
    // itself). False when nothing can be cut; a limit answers true and changes nothing.
    virtual bool CutAt(int x, bool bKeepRight);
    virtual bool IsPartialCurve() const { return false; }
    virtual bool IsLimit() const { return false; }
    // The point lies on the element (a traced part) or beyond it (a limit).
    virtual bool HitTest(int x, int y) const;
    // A copy of the same class for another owner curve, not yet linked to neighbours.
    virtual std::unique_ptr<CCurveElement> Clone(CContinuousCurve* pCurve) const = 0;

    CCurveElement* GetNext() const { return m_pNext; }
    CCurveElement* GetPrev() const { return m_pPrev; }
    void SetNext(CCurveElement* pNext) { m_pNext = pNext; }
    void SetPrev(CCurveElement* pPrev) { m_pPrev = pPrev; }
    CContinuousCurve* GetCurve() const { return m_pCurve; }
    // Binding only (done by the curve when it takes the element); not a change.
    virtual void SetCurve(CContinuousCurve* pCurve) { m_pCurve = pCurve; }

protected:
    CCurveElement() = default;
    explicit CCurveElement(CContinuousCurve* pCurve) : m_pCurve(pCurve) {}
    // Copies the three links.
    CCurveElement(const CCurveElement& other) = default;

    CCurveElement* m_pNext = nullptr;
    CCurveElement* m_pPrev = nullptr;
    CContinuousCurve* m_pCurve = nullptr;
};
