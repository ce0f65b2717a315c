#pragma once

#include "Dm/AbstractSettingValue.h"

// An integer setting with a default and an inclusive range; stored as a 32-bit integer.
// A stored value outside the range counts as absent.
class CIntSettingValue : public CAbstractSettingValue {
public:
    // Loads the stored value at once. The default must lie in the range.
    CIntSettingValue(CSettingsBackend& backend, const std::string& strSection, const std::string& strKey,
                     int nDefault, int nMin, int nMax);
    ~CIntSettingValue() override;

    void Reset() override;
    void Load() override;
    void Save() override;
    virtual bool IsValid(int nValue) const;

    // Stores the value only when it is valid; tells whether it did.
    bool Set(int nValue);
    int Get() const { return m_nValue; }
    int GetDefault() const { return m_nDefault; }
    int GetMin() const { return m_nMin; }
    int GetMax() const { return m_nMax; }

private:
    int m_nDefault;
    int m_nMin;
    int m_nMax;
    int m_nValue;
};
