#include "cli/ExportCommand.h"

#include <cmath>
#include <optional>
#include <ostream>

#include <CLI/CLI.hpp>

#include "Dm/PlotvaneDoc.h"
#include "Dm/SettingsManager.h"
#include "cli/CliError.h"
#include "cli/CliText.h"
#include "cli/CurveExporter.h"
#include "cli/OutputGuard.h"
#include "cli/StderrMessageService.h"
#include "platform/StringIds.h"
#include "platform/TextEncoding.h"

CExportCommand::CExportCommand(CLI::App& parent)
    : CCliCommand(parent, "export", "Export the curves of a document as columns of numbers")
{
    CLI::App& command = Command();
    command.add_option("document", m_strPath, "Document (.pvd)")->required();
    m_pOutputOption =
        command.add_option("-o,--output", m_strOutput, "Export file (default: standard output)");
    m_pSeparatorOption = command.add_option("--separator", m_strSeparator,
                                            "tab, semicolon, comma, space or a single character");
    command.add_option("--curve", m_CurveNames, "A curve to export, by name (repeatable; default: all)");
    m_pPeriodOption = command.add_option("--period", m_dPeriod, "Period of continuous curves that have none");
    m_pFrequencyOption =
        command.add_option("--frequency", m_dFrequency, "Frequency of continuous curves that have no period");
    m_pPeriodOption->excludes(m_pFrequencyOption);
}

void CExportCommand::Execute(std::ostream& out, CStderrMessageService& messages)
{
    if (m_pOutputOption->count() > 0 && m_strOutput.empty())
        throw CCliError(kExitUsage, "export: --output: " + CCliText::Get(IDS_CLI_EXPECTED_FILE_NAME));
    const CSettingsManager* pSettings = GetSettingsManager();
    char cSeparator = pSettings != nullptr ? pSettings->GetSeparator() : '\t';
    if (m_pSeparatorOption->count() > 0 && !CCurveExporter::ParseSeparator(m_strSeparator, cSeparator))
        throw CCliError(kExitUsage, "export: --separator: " + CCliText::Get(IDS_CLI_SEPARATOR_WORDS));

    const bool bPeriodGiven = m_pPeriodOption->count() > 0;
    std::optional<double> period;
    if (bPeriodGiven)
        period = m_dPeriod;
    else if (m_pFrequencyOption->count() > 0)
        period = m_dFrequency != 0 ? 1 / m_dFrequency : 0;
    if (period && (!(*period > 0) || !std::isfinite(*period))) {
        throw CCliError(kExitRefused, std::string(bPeriodGiven ? "--period" : "--frequency") + ": " +
                                          CCliText::Get(IDS_PERIOD_POSITIVE));
    }

    CPlotvaneDoc doc;
    std::string strError;
    if (!doc.OnOpenDocument(m_strPath, &strError)) {
        messages.TakeMessages();
        throw CCliError::UnreadableDocument(m_strPath, strError);
    }
    messages.PrintWarnings(m_strPath);

    CCurveExporter exporter(doc, m_strPath, CCliText::Get(IDS_CLI_HINT_OPTION_PERIOD));
    std::vector<std::string> names;
    for (const std::string& strName : m_CurveNames)
        names.push_back(CTextEncoding::Utf8ToCp1252(strName));
    exporter.Choose(names);
    if (period)
        exporter.SetDefaultPeriod(*period);
    exporter.Prepare();
    if (m_strOutput.empty()) {
        exporter.Write(out, cSeparator);
    } else {
        COutputGuard guard;
        guard.Protect(m_strPath, CCliText::Get(IDS_CLI_EXPORT_REPLACES_DOCUMENT));
        guard.Enforce(m_strOutput);
        exporter.Write(m_strOutput, cSeparator);
    }
}
