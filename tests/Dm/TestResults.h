#pragma once

#include "Dm/Results.h"

// A results object with one stored setting, standing in for the real kinds in tests.
class CTestResults : public CResults {
    DECLARE_SERIAL(CTestResults)
public:
    CTestResults() = default;
    std::unique_ptr<CResults> Clone() const override
    {
        return std::unique_ptr<CResults>(new CTestResults(*this));
    }
    void Serialize(CArchive& ar) override;

    int m_nSetting = 0;

private:
    CTestResults(const CTestResults& other) : CResults(other), m_nSetting(other.m_nSetting) {}
};
