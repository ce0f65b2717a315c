#pragma once

#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <string>
#include <unordered_set>

#include "cli/JobWorkBudget.h"

class CCoordSyst;
class CJob;
class CJobValue;
class CPlotvaneDoc;
class CStderrMessageService;

// Builds the document a job describes, through the same model operations as the
// construction dialogs, in the order of the command-line contract: the picture, then each
// coordinate system (the X axis, the Y axis, each with its line, scale points, scale kind
// and name, through the axis dialog's refusals) and its curves (one CJobCurveBuilder per
// kind). Numbers and colours are given to new objects as the wizards give them.
//
// The picture is an image file ("image") or a scan ("scanner", with "scan_dpi").
// Failures are CCliError: exit code 3 when the picture cannot be read or scanned, 1 for anything the
// program refuses, naming the JSON path. Messages that do not stop the work are printed as
// warnings. The job, the document and the message service are not owned.
class CJobRunner {
public:
    CJobRunner(const CJob& job, CStderrMessageService& messages);
    CJobRunner(const CJobRunner&) = delete;
    CJobRunner& operator=(const CJobRunner&) = delete;

    // Checks the keys of the whole job first (so that a typo in "save" or "export" is met
    // before the work), then builds the document from an empty one.
    void Build(CPlotvaneDoc& doc);

    // The absolute path of the picture, as a file dialog gives it.
    std::string GetImagePath() const;

    // The keys of a job's top level.
    static constexpr std::initializer_list<const char*> kTopLevelKeys = {
        "image", "page", "dpi", "scanner", "scan_dpi", "coordinate_systems", "save", "export"};
    // The range of "scan_dpi".
    static constexpr double kMinScanDpi = 1;
    static constexpr double kMaxScanDpi = 9600;

private:
    void OpenImage(CPlotvaneDoc& doc);
    // The picture from the scanner the job names, as the window's Import takes it.
    void Scan(CPlotvaneDoc& doc, const CJobValue& scanner);
    // The job's "page" and "dpi" for a PDF picture held in data; a page beyond the file's
    // last is refused.
    void ReadPdfChoice(const uint8_t* data, size_t size, int& nPage, int& nDpi) const;
    void BuildCoordSyst(CPlotvaneDoc& doc, const CJobValue& item);
    void BuildAxis(CCoordSyst& coordSyst, bool bXAxis, const CJobValue& item);
    void BuildCurve(CPlotvaneDoc& doc, CCoordSyst& coordSyst, const CJobValue& item);

    const CJob& m_Job;
    CStderrMessageService& m_Messages;
    CJobWorkBudget m_Budget;
    // The names of the curves built so far (the document holds no others).
    std::unordered_set<std::string> m_CurveNames;
};
