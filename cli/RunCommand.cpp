#include "cli/RunCommand.h"

#include <filesystem>
#include <memory>
#include <optional>
#include <ostream>
#include <system_error>
#include <vector>

#include <CLI/CLI.hpp>

#include "Dm/PlotvaneDoc.h"
#include "Dm/SettingsManager.h"
#include "cli/CliError.h"
#include "cli/CliText.h"
#include "cli/CurveExporter.h"
#include "cli/Job.h"
#include "cli/JobRunner.h"
#include "cli/JobValue.h"
#include "cli/OutputGuard.h"
#include "cli/StderrMessageService.h"
#include "platform/FileReplacer.h"
#include "platform/NumberFormat.h"
#include "platform/StringIds.h"
#include "platform/StringTable.h"

namespace fs = std::filesystem;

namespace {

// An output file named in the job: absolute, not a folder, and none of the files the guard
// protects (a slip of the pen that would destroy them).
std::string OutputPath(const CJob& job, const CJobValue& value, const COutputGuard& guard)
{
    const std::string strGiven = value.AsString();
    if (strGiven.empty())
        value.Refuse(CCliText::Get(IDS_CLI_EXPECTED_FILE_NAME));
    const std::string strPath = job.Resolve(strGiven);
    std::error_code ec;
    if (fs::is_directory(strPath, ec))
        value.Refuse(CCliText::Format(IDS_CLI_FOLDER_NAMED, {strPath}));
    const std::string strRefusal = guard.Check(strPath);
    if (!strRefusal.empty())
        value.Refuse(strRefusal);
    return strPath;
}

// The failure of a file of the job, with the system's reason.
[[noreturn]] void ThrowWriteFailure(const std::string& strWhere, const std::string& strText)
{
    throw CCliError(kExitRefused, strWhere + ": " + CStderrMessageService::Flatten(strText));
}

}  // namespace

CRunCommand::CRunCommand(CLI::App& parent)
    : CCliCommand(parent, "run", "Build the document a job file describes, then save and export it")
{
    Command().add_option("job", m_strJobPath, "Job file (JSON)")->required();
}

void CRunCommand::Execute(std::ostream& /*out*/, CStderrMessageService& messages)
{
    const std::unique_ptr<CJob> pJob = CJob::Load(m_strJobPath);
    RunJob(*pJob, messages);
}

void CRunCommand::RunJob(const CJob& job, CStderrMessageService& messages) const
{
    // The outputs are checked before the work, so that a typo there costs nothing.
    const CJobValue root = job.Root();
    root.CheckObject(CJobRunner::kTopLevelKeys);
    COutputGuard guard;
    guard.ProtectJob(job);
    std::optional<std::string> strSavePath;
    if (const std::optional<CJobValue> save = root.Find("save")) {
        strSavePath = OutputPath(job, *save, guard);
        guard.Protect(*strSavePath, CCliText::Get(IDS_CLI_EXPORT_REPLACES_SAVED));
    }

    const std::optional<CJobValue> exportItem = root.Find("export");
    std::string strExportPath;
    const CSettingsManager* pSettings = GetSettingsManager();
    char cSeparator = pSettings != nullptr ? pSettings->GetSeparator() : '\t';
    std::vector<std::string> curveNames;
    if (exportItem) {
        exportItem->CheckObject({"path", "separator", "curves"});
        strExportPath = OutputPath(job, exportItem->Get("path"), guard);
        if (const std::optional<CJobValue> separator = exportItem->Find("separator")) {
            if (!CCurveExporter::ParseSeparator(separator->AsString(), cSeparator))
                separator->Refuse(CCliText::Get(IDS_CLI_SEPARATOR_WORDS));
        }
        if (const std::optional<CJobValue> curves = exportItem->Find("curves")) {
            for (const CJobValue& name : curves->Elements(1))
                curveNames.push_back(name.AsText());
        }
    }

    CPlotvaneDoc doc;
    CJobRunner runner(job, messages);
    runner.Build(doc);

    std::unique_ptr<CCurveExporter> pExporter;
    if (exportItem) {
        pExporter = std::make_unique<CCurveExporter>(
            doc, CCliText::Format(IDS_CLI_EXPORT_WHERE, {job.GetDisplayName()}),
            CCliText::Get(IDS_CLI_HINT_JOB_PERIOD));
        pExporter->Choose(curveNames);
        pExporter->Prepare();
    }

    // Every output is written completely before any replaces its target, so that a failure
    // leaves all of them as they were.
    std::vector<std::unique_ptr<CFileReplacer>> files;
    if (strSavePath) {
        files.push_back(std::make_unique<CFileReplacer>(*strSavePath));
        std::string strError;
        if (!doc.WriteDocument(*files.back(), &strError))
            ThrowWriteFailure(job.GetDisplayName() + ": save: " + *strSavePath, strError);
    }
    if (pExporter) {
        files.push_back(std::make_unique<CFileReplacer>(strExportPath));
        pExporter->Write(*files.back(), cSeparator);
    }
    std::vector<CFileReplacer*> order;
    for (const std::unique_ptr<CFileReplacer>& pFile : files)
        order.push_back(pFile.get());
    if (const CFileReplacer* pFailed = CFileReplacer::CommitAll(order)) {
        ThrowWriteFailure(job.GetDisplayName() + ": " + pFailed->GetTarget(),
                          FormatWithString(CStringTable::Get(IDS_CANNOT_WRITE_FILE), pFailed->GetTarget()) +
                              "\n" + pFailed->GetReason());
    }
    messages.PrintWarnings(job.GetDisplayName());
}
