#pragma once

#include <string>

#include "Dm/AbstractSettingValue.h"

// A floating-point setting without range, stored as text with six decimals ("%lf":
// 100.000000) and read back with the C conversion rules: leading blanks skipped, the
// longest numeric prefix taken, 0 for a text that does not start with a number. The
// decimal point is always '.', whatever the locale of the process.
// Values that are not finite (inf, nan, numbers beyond the range of a double) are refused:
// read from the store they give the default, and Set ignores them.
class CDoubleSettingValue : public CAbstractSettingValue {
public:
    CDoubleSettingValue(CSettingsBackend& backend, const std::string& strSection, const std::string& strKey,
                        double dDefault);
    ~CDoubleSettingValue() override;

    void Reset() override;
    void Load() override;
    void Save() override;

    // Stores the value and returns the previous one.
    double Set(double dValue);
    double Get() const { return m_dValue; }
    double GetDefault() const { return m_dDefault; }

    // The stored text of a value: "%lf" with '.' as decimal point.
    static std::string Format(double dValue);
    // The C conversion of a text to a number, with '.' as decimal point; decimal only.
    static double Parse(const std::string& strText);

private:
    double m_dDefault;
    double m_dValue;
};
