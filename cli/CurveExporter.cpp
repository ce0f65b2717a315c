#include "cli/CurveExporter.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <ostream>
#include <utility>

#include "Dm/ContinuousCurve.h"
#include "Dm/ContinuousResults.h"
#include "Dm/CoordSyst.h"
#include "Dm/DensityCurve.h"
#include "Dm/DensityResults.h"
#include "Dm/DiscreteCurve.h"
#include "Dm/DiscreteResults.h"
#include "Dm/FileResultDumper.h"
#include "Dm/PlotvaneDoc.h"
#include "Dm/PlotvaneException.h"
#include "Dm/SplineCurve.h"
#include "Dm/SplineResults.h"
#include "cli/CliError.h"
#include "cli/CliText.h"
#include "cli/StderrMessageService.h"
#include "platform/FileReplacer.h"
#include "platform/StringIds.h"
#include "platform/StringTable.h"
#include "platform/TempFile.h"
#include "platform/TextEncoding.h"

namespace {

std::string Text(unsigned nStringId)
{
    return CCliText::Get(nStringId);
}

}  // namespace

CCurveExporter::CCurveExporter(CPlotvaneDoc& doc, std::string strWhere, std::string strNoPeriodHint)
    : m_Doc(doc), m_strWhere(std::move(strWhere)), m_strNoPeriodHint(std::move(strNoPeriodHint))
{
}

bool CCurveExporter::ParseSeparator(const std::string& strText, char& cSeparator)
{
    static const std::pair<const char*, char> kNames[] = {
        {"tab", '\t'}, {"semicolon", ';'}, {"comma", ','}, {"space", ' '}};
    for (const auto& [name, c] : kNames) {
        if (strText == name) {
            cSeparator = c;
            return true;
        }
    }
    const std::string strChar = CTextEncoding::Utf8ToCp1252(strText);
    // A '?' that was not written as one stands for a character Windows-1252 cannot hold.
    if (strChar.size() != 1 || (strChar == "?" && strText != "?"))
        return false;
    if (strChar[0] == '\n' || strChar[0] == '\r' || strChar[0] == '\0')
        return false;
    cSeparator = strChar[0];
    return true;
}

void CCurveExporter::Choose(const std::vector<std::string>& names)
{
    m_Curves.clear();
    std::vector<CCurve*> all;
    for (const auto& pCoordSyst : m_Doc.GetCoordSystList()) {
        for (const auto& pCurve : pCoordSyst->GetCurveList())
            all.push_back(pCurve.get());
    }
    if (names.empty()) {
        m_Curves = all;
        return;
    }
    for (size_t i = 0; i < names.size(); ++i) {
        for (size_t j = 0; j < i; ++j) {
            if (names[j] == names[i]) {
                throw CCliError(kExitRefused, m_strWhere + ": " +
                                                  CCliText::Format(IDS_CLI_CURVE_CHOSEN_TWICE,
                                                                   {CTextEncoding::Cp1252ToUtf8(names[i])}));
            }
        }
        bool bFound = false;
        for (CCurve* pCurve : all) {
            if (pCurve->GetName() == names[i]) {
                m_Curves.push_back(pCurve);
                bFound = true;
            }
        }
        if (!bFound) {
            throw CCliError(kExitRefused, m_strWhere + ": " +
                                              CCliText::Format(IDS_CLI_NO_CURVE_NAMED,
                                                               {CTextEncoding::Cp1252ToUtf8(names[i])}));
        }
    }
}

void CCurveExporter::RefuseCurve(const CCurve& curve, const std::string& strMessage) const
{
    throw CCliError(kExitRefused,
                    m_strWhere + ": " +
                        CCliText::Format(IDS_CLI_CURVE_REFUSED,
                                         {CTextEncoding::Cp1252ToUtf8(curve.GetName()), strMessage}));
}

CResults* CCurveExporter::CheckedResults(CCurve& curve)
{
    // A document may give a curve the results object of another kind: nothing to export then.
    const std::string strWrongKind = CCliText::Get(IDS_CLI_RESULTS_WRONG_KIND);
    const std::string strNoPeriod = CCliText::Format(IDS_CLI_NO_PERIOD, {m_strNoPeriodHint});

    if (curve.IsContinuous()) {
        CContinuousResults* pResults = static_cast<CContinuousCurve&>(curve).GetContinuousResults();
        if (!pResults->IsPeriodDefined()) {
            if (!m_DefaultPeriod)
                RefuseCurve(curve, strNoPeriod);
            pResults->SetPeriod(*m_DefaultPeriod);
        }
        const std::string strRefusal = pResults->Validate();
        if (!strRefusal.empty())
            RefuseCurve(curve, CStderrMessageService::Flatten(strRefusal));
        return pResults;
    }
    CResults* pResults = curve.GetResults();
    if (curve.IsKindOf(RUNTIME_CLASS(CDensityCurve))) {
        if (!pResults->IsKindOf(RUNTIME_CLASS(CDensityResults)))
            RefuseCurve(curve, strWrongKind);
        auto* pDensity = static_cast<CDensityResults*>(pResults);
        if (!pDensity->IsPeriodDefined())
            RefuseCurve(curve, strNoPeriod);
        const std::string strRefusal = pDensity->Validate();
        if (!strRefusal.empty())
            RefuseCurve(curve, CStderrMessageService::Flatten(strRefusal));
    } else if (curve.IsKindOf(RUNTIME_CLASS(CSplineCurve))) {
        if (!pResults->IsKindOf(RUNTIME_CLASS(CSplineResults)))
            RefuseCurve(curve, strWrongKind);
        if (static_cast<CSplineResults*>(pResults)->GetExpectedRowCount() > CResults::kMaxExportedRows)
            RefuseCurve(curve, Text(IDS_TOO_MANY_POINTS));
    } else if (curve.IsDiscrete()) {
        if (!pResults->IsKindOf(RUNTIME_CLASS(CDiscreteResults)))
            RefuseCurve(curve, strWrongKind);
        if (curve.GetPointCount() > static_cast<size_t>(CResults::kMaxExportedRows))
            RefuseCurve(curve, Text(IDS_TOO_MANY_POINTS));
    } else {
        RefuseCurve(curve, CCliText::Get(IDS_CLI_KIND_NOT_EXPORTED));
    }
    return pResults;
}

long long CCurveExporter::ExpectedRows(const CCurve& curve, const CResults& results)
{
    if (results.IsKindOf(RUNTIME_CLASS(CContinuousResults)))
        return static_cast<const CContinuousResults&>(results).GetExpectedRowCount();
    if (results.IsKindOf(RUNTIME_CLASS(CDensityResults)))
        return static_cast<const CDensityResults&>(results).GetExpectedRowCount();
    if (results.IsKindOf(RUNTIME_CLASS(CSplineResults)))
        return static_cast<const CSplineResults&>(results).GetExpectedRowCount();
    return static_cast<long long>(curve.GetPointCount());
}

void CCurveExporter::Prepare()
{
    m_Results.clear();
    long long nRows = 0;
    long long nSamples = 0;
    for (CCurve* pCurve : m_Curves) {
        CResults* pResults = CheckedResults(*pCurve);
        m_Results.push_back(pResults);
        nRows += ExpectedRows(*pCurve, *pResults);
        if (pCurve->IsKindOf(RUNTIME_CLASS(CDensityCurve))) {
            const auto* pDensity = static_cast<const CDensityCurve*>(pCurve);
            const long long dx =
                std::llabs(static_cast<long long>(pDensity->GetEnd().x) - pDensity->GetStart().x);
            const long long dy =
                std::llabs(static_cast<long long>(pDensity->GetEnd().y) - pDensity->GetStart().y);
            nSamples += std::max(dx, dy) + 1;
        }
    }
    if (nRows > kMaxTotalRows || nSamples > kMaxTotalDensitySamples) {
        throw CCliError(kExitRefused, m_strWhere + ": " + Text(IDS_TOO_MANY_POINTS) + " (" +
                                          CCliText::Get(IDS_CLI_CHOSEN_TOO_LARGE) + ")");
    }
    for (CResults* pResults : m_Results)
        pResults->Compute();
}

void CCurveExporter::Write(const std::string& strPath, char cSeparator)
{
    CFileReplacer file(strPath);
    Write(file, cSeparator);
    if (!file.Commit()) {
        throw CCliError(kExitRefused, m_strWhere + ": " + strPath + ": " +
                                          CStderrMessageService::Flatten(CStringTable::Get(IDS_CANNOT_WRITE) +
                                                                         "\n" + file.GetReason()));
    }
}

void CCurveExporter::Write(CFileReplacer& file, char cSeparator)
{
    const std::string& strPath = file.GetTarget();
    try {
        CFileResultDumper dumper(m_Results, file, cSeparator);
        dumper.Dump();
    } catch (const CPlotvaneException& e) {
        throw CCliError(kExitRefused,
                        m_strWhere + ": " + strPath + ": " + CStderrMessageService::Flatten(e.GetMessage()));
    } catch (const std::bad_alloc&) {
        throw CCliError(kExitRefused, m_strWhere + ": " + strPath + ": " + Text(IDS_NOT_ENOUGH_MEMORY));
    } catch (const std::exception&) {
        throw CCliError(kExitRefused, m_strWhere + ": " + strPath + ": " + Text(IDS_ERROR_ACCESSING_FILE));
    }
    m_Doc.ClearCurvesModified(m_Curves);
}

void CCurveExporter::Write(std::ostream& out, char cSeparator)
{
    // The writer writes files only: the text goes through a temporary one.
    const std::string strTemp = CTempFile::Create();
    if (strTemp.empty())
        throw CCliError(kExitRefused,
                        m_strWhere + ": " + CStderrMessageService::Flatten(CTempFile::FailureMessage()));
    try {
        Write(strTemp, cSeparator);
        std::ifstream in(strTemp, std::ios::binary);
        out << in.rdbuf();
        out.flush();
        if (!in || !out)
            throw CCliError(kExitRefused, m_strWhere + ": " + Text(IDS_CANNOT_WRITE));
    } catch (...) {
        std::remove(strTemp.c_str());
        throw;
    }
    std::remove(strTemp.c_str());
}
