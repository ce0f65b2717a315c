#pragma once

#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

class CCurve;
class CFileReplacer;
class CPlotvaneDoc;
class CResults;

// The export command without its dialogs: chooses curves of a document by name, checks the
// sampling of each one as its period dialog would (a continuous or density curve needs a
// period, the first value must suit a logarithmic axis, at most a million rows), computes
// the rows and writes them with the file writer (banner, column titles, rows, CR LF line
// ends). The document is not owned; the curves' results objects are the curves' own.
//
// Failures are CCliError with exit code 1, the message naming the curve:
// "<where>: curve "Curve 1": The period must be greater than zero !".
class CCurveExporter {
public:
    // strWhere begins every message ("doc.pvd", "job.json: export"); strNoPeriodHint ends
    // the message of a curve without a period (what the user can give).
    CCurveExporter(CPlotvaneDoc& doc, std::string strWhere, std::string strNoPeriodHint);
    CCurveExporter(const CCurveExporter&) = delete;
    CCurveExporter& operator=(const CCurveExporter&) = delete;

    // The curves to export: for each name (Windows-1252, as the model holds it) every curve
    // of that name in document order; with no names, every curve in document order. A name
    // no curve has, or one given twice, is refused.
    void Choose(const std::vector<std::string>& names);
    // A period for the chosen continuous curves whose results have none (the export
    // command's --period or --frequency).
    void SetDefaultPeriod(double dPeriod) { m_DefaultPeriod = dPeriod; }
    // Checks the sampling of every chosen curve, then what they give together (all their rows
    // are held at once, side by side), and computes the rows.
    void Prepare();

    // Bounds of one export, whatever a document holds: the dialogs bound each curve to a
    // million rows, but a document may hold any number of curves.
    static constexpr long long kMaxTotalRows = 10000000;
    // Pixels sampled along all density segments (each sample is kept with its curve).
    static constexpr long long kMaxTotalDensitySamples = 8LL << 20;
    // Writes the export file; an existing file is replaced only once the whole export is
    // written. Clears the exported curves' modified flags, as the export command does.
    void Write(const std::string& strPath, char cSeparator);
    // Writes the export into file (not yet opened) and prepares it; the caller commits it
    // with the other files it writes. Clears the flags as well.
    void Write(CFileReplacer& file, char cSeparator);
    // Writes the same text to a stream.
    void Write(std::ostream& out, char cSeparator);

    const std::vector<CCurve*>& GetCurves() const { return m_Curves; }

    // The separator of an export: "tab", "semicolon", "comma", "space" or any single
    // character (UTF-8, one Windows-1252 character) other than a line end or NUL. False
    // for anything else.
    static bool ParseSeparator(const std::string& strText, char& cSeparator);

private:
    [[noreturn]] void RefuseCurve(const CCurve& curve, const std::string& strMessage) const;
    CResults* CheckedResults(CCurve& curve);
    // The rows the checked results will give.
    static long long ExpectedRows(const CCurve& curve, const CResults& results);

    CPlotvaneDoc& m_Doc;
    std::string m_strWhere;
    std::string m_strNoPeriodHint;
    std::optional<double> m_DefaultPeriod;
    std::vector<CCurve*> m_Curves;
    std::vector<CResults*> m_Results;
};
