#pragma once

#include <memory>
#include <string>

#include "Dm/Results.h"

// The results object of a discrete curve: one row per picked point, in the curve's point
// order, converted to graph units by the curve's coordinate system; Y is always defined. It
// has no setting of its own, so its record in a document is empty. Bound to the curve that
// owns it.
class CDiscreteResults : public CResults {
    DECLARE_SERIAL(CDiscreteResults)
public:
    CDiscreteResults() = default;
    CDiscreteResults& operator=(const CDiscreteResults&) = delete;

    std::unique_ptr<CResults> Clone() const override
    {
        return std::unique_ptr<CResults>(new CDiscreteResults(*this));
    }
    // The base rows, formatted straight into the line.
    void AppendRow(int nIndex, char cSeparator, std::string& strLine) const override
    {
        AppendPointRow(nIndex, cSeparator, strLine);
    }
    // No rows for an empty curve or a curve without a coordinate system.
    void Compute() override;
    // Nothing to refuse: always empty.
    std::string Validate() const { return std::string(); }
    // Nothing is stored.
    void Serialize(CArchive& ar) override;

private:
    CDiscreteResults(const CDiscreteResults& other) = default;
};
