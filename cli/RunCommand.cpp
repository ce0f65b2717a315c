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
        value.Refuse("expected a file name");
    const std::string strPath = job.Resolve(strGiven);
    std::error_code ec;
    if (fs::is_directory(strPath, ec))
        value.Refuse(strPath + " is a folder");
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
{
    m_pCommand =
        parent.add_subcommand("run", "Build the document a job file describes, then save and export it");
    m_pCommand->add_option("job", m_strJobPath, "Job file (JSON)")->required();
}

bool CRunCommand::WasChosen() const
{
    return m_pCommand->parsed();
}

int CRunCommand::Run(std::ostream& /*out*/, std::ostream& err) const
{
    CStderrMessageService messages(err);
    try {
        const std::unique_ptr<CJob> pJob = CJob::Load(m_strJobPath);
        RunJob(*pJob, messages);
    } catch (const CCliError& e) {
        messages.PrintWarnings(m_strJobPath);
        err << e.what() << '\n';
        return e.GetCode();
    } catch (const std::bad_alloc&) {
        err << m_strJobPath << ": not enough memory\n";
        return kExitRefused;
    }
    return kExitOk;
}

void CRunCommand::RunJob(const CJob& job, CStderrMessageService& messages) const
{
    // The outputs are checked before the work, so that a typo there costs nothing.
    const CJobValue root = job.Root();
    root.CheckObject({"image", "coordinate_systems", "save", "export"});
    COutputGuard guard;
    guard.ProtectJob(job);
    std::optional<std::string> strSavePath;
    if (const std::optional<CJobValue> save = root.Find("save")) {
        strSavePath = OutputPath(job, *save, guard);
        guard.Protect(*strSavePath, "the export would replace the document saved by the job");
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
                separator->Refuse(
                    "expected \"tab\", \"semicolon\", \"comma\", \"space\" or a single character");
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
        pExporter = std::make_unique<CCurveExporter>(doc, job.GetDisplayName() + ": export",
                                                     "give it a \"period\" or a \"frequency\" in the job");
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
