#pragma once

#include "platform/Object.h"

class CCurve;

// Base of every curve's results object: turns its curve into rows of graph values for the
// export writers. Each curve owns exactly one, made on first request and bound to it;
// the bound curve is not owned. Only the sampling settings are stored in documents, the
// rows are computed again on demand.
class CResults : public CObject {
    DECLARE_DYNAMIC(CResults)
public:
    ~CResults() override = default;

    // A new results object of the same class with the same settings, bound to no curve.
    virtual CResults* Clone() const = 0;
    virtual void SetCurve(CCurve* pCurve) { m_pCurve = pCurve; }
    CCurve* GetCurve() const { return m_pCurve; }

protected:
    CResults() = default;
    CResults(const CResults& other) : CObject(other), m_pCurve(nullptr) {}
    CResults& operator=(const CResults&) = delete;

    CCurve* m_pCurve = nullptr;
};
