#pragma once

#include <cstdint>
#include <string>
#include <unordered_set>

#include "platform/Point.h"

class CCoordSyst;
class CCurve;
class CJobValue;
class CJobWorkBudget;
class CPlotvaneDoc;
class CStderrMessageService;

// Builds one curve of a job on a coordinate system, through the model operations and with
// the checks of the construction dialogs of its kind; one subclass per kind. The curve is
// made and added to the coordinate system at once, as the construction wizard does; a
// refusal (CCliError, exit code 1, naming the JSON path) ends the job, whose document is
// then dropped. Refers to the document, the coordinate system, the message service and the
// job's work budget, none owned.
class CJobCurveBuilder {
public:
    CJobCurveBuilder(CPlotvaneDoc& doc, CCoordSyst& coordSyst, CStderrMessageService& messages,
                     CJobWorkBudget& budget);
    virtual ~CJobCurveBuilder() = default;
    CJobCurveBuilder(const CJobCurveBuilder&) = delete;
    CJobCurveBuilder& operator=(const CJobCurveBuilder&) = delete;

    // Builds the curve described by the job item (an object whose "kind" was read).
    virtual void Build(const CJobValue& item) = 0;

    // The names of the document's other curves, kept by the job as it builds them: a job
    // may build hundreds of thousands of curves, and comparing each name with every other
    // would take hours. Without it the document's curves are compared one by one.
    void SetCurveNames(const std::unordered_set<std::string>* pNames) { m_pCurveNames = pNames; }

    // The message of the toolkit's range check on an integer field.
    static std::string RangeMessage(int nMin, int nMax);
    // A string-table text on one line.
    static std::string Text(unsigned nStringId);

protected:
    // The "name" key, if any: must not be empty (the dialogs keep "Next" disabled), goes
    // through the duplicate-name question (answered Yes, printed as a warning) and renames
    // the curve when it differs.
    void ApplyName(CCurve& curve, const CJobValue& item);
    // A pixel point that must lie on the picture (the view gives no other).
    CPoint PointOnPicture(const CJobValue& value) const;
    // A colour component triple [r, g, b] in 0 ... 255 (the dialogs' message otherwise), as a
    // pixel word 0xFFRRGGBB.
    static uint32_t PixelColor(const CJobValue& value);
    // Ends the job with the message the model has just shown as the reason; the messages
    // before it are printed as warnings. strFallback serves when the model said nothing.
    [[noreturn]] void RefuseWithShownMessage(const CJobValue& value, const std::string& strFallback);
    // Prints the messages the model has shown as warnings about value.
    void Warn(const CJobValue& value);

    CPlotvaneDoc& m_Doc;
    CCoordSyst& m_CoordSyst;
    CStderrMessageService& m_Messages;
    CJobWorkBudget& m_Budget;

private:
    const std::unordered_set<std::string>* m_pCurveNames = nullptr;
};
