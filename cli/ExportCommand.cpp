#include "cli/ExportCommand.h"

#include <cmath>
#include <optional>
#include <ostream>

#include <CLI/CLI.hpp>

#include "Dm/PlotvaneDoc.h"
#include "Dm/SettingsManager.h"
#include "cli/CliError.h"
#include "cli/CurveExporter.h"
#include "cli/OutputGuard.h"
#include "cli/StderrMessageService.h"
#include "platform/StringIds.h"
#include "platform/StringTable.h"
#include "platform/TextEncoding.h"

CExportCommand::CExportCommand(CLI::App& parent)
{
    m_pCommand = parent.add_subcommand("export", "Export the curves of a document as columns of numbers");
    m_pCommand->add_option("document", m_strPath, "Document (.pvd)")->required();
    m_pCommand->add_option("-o,--output", m_strOutput, "Export file (default: standard output)");
    m_pSeparatorOption = m_pCommand->add_option("--separator", m_strSeparator,
                                                "tab, semicolon, comma, space or a single character");
    m_pCommand->add_option("--curve", m_CurveNames, "A curve to export, by name (repeatable; default: all)");
    m_pPeriodOption =
        m_pCommand->add_option("--period", m_dPeriod, "Period of continuous curves that have none");
    m_pFrequencyOption = m_pCommand->add_option("--frequency", m_dFrequency,
                                                "Frequency of continuous curves that have no period");
    m_pPeriodOption->excludes(m_pFrequencyOption);
}

bool CExportCommand::WasChosen() const
{
    return m_pCommand->parsed();
}

int CExportCommand::Run(std::ostream& out, std::ostream& err) const
{
    CStderrMessageService messages(err);
    const CSettingsManager* pSettings = GetSettingsManager();
    char cSeparator = pSettings != nullptr ? pSettings->GetSeparator() : '\t';
    if (m_pSeparatorOption->count() > 0 && !CCurveExporter::ParseSeparator(m_strSeparator, cSeparator)) {
        err << "export: --separator: expected tab, semicolon, comma, space or a single character\n";
        return kExitUsage;
    }

    try {
        const bool bPeriodGiven = m_pPeriodOption->count() > 0;
        std::optional<double> period;
        if (bPeriodGiven)
            period = m_dPeriod;
        else if (m_pFrequencyOption->count() > 0)
            period = m_dFrequency != 0 ? 1 / m_dFrequency : 0;
        if (period && (!(*period > 0) || !std::isfinite(*period))) {
            throw CCliError(kExitRefused,
                            std::string(bPeriodGiven ? "--period" : "--frequency") + ": " +
                                CStderrMessageService::Flatten(CStringTable::Get(IDS_PERIOD_POSITIVE)));
        }

        CPlotvaneDoc doc;
        std::string strError;
        if (!doc.OnOpenDocument(m_strPath, &strError)) {
            messages.TakeMessages();
            throw CCliError(kExitUnreadable, m_strPath + ": cannot read the document: " + strError);
        }
        messages.PrintWarnings(m_strPath);

        CCurveExporter exporter(doc, m_strPath, "give --period or --frequency");
        std::vector<std::string> names;
        for (const std::string& strName : m_CurveNames)
            names.push_back(CTextEncoding::Utf8ToCp1252(strName));
        exporter.Choose(names);
        if (period)
            exporter.SetDefaultPeriod(*period);
        exporter.Prepare();
        COutputGuard guard;
        guard.Protect(m_strPath, "the export would replace the document itself");
        if (m_strOutput.empty()) {
            exporter.Write(out, cSeparator);
        } else {
            guard.Enforce(m_strOutput);
            exporter.Write(m_strOutput, cSeparator);
        }
        messages.PrintWarnings(m_strPath);
    } catch (const CCliError& e) {
        messages.PrintWarnings(m_strPath);
        err << e.what() << '\n';
        return e.GetCode();
    } catch (const std::bad_alloc&) {
        err << m_strPath << ": not enough memory\n";
        return kExitRefused;
    }
    return kExitOk;
}
