#include "cli/RunCommand.h"

#include <chrono>
#include <filesystem>
#include <memory>
#include <optional>
#include <ostream>
#include <random>
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
#include "cli/StderrMessageService.h"
#include "platform/StringIds.h"

namespace fs = std::filesystem;

namespace {

// A name beside strPath that no file has: the document is written there first.
std::string FreeNameBeside(const std::string& strPath)
{
    std::mt19937 engine(static_cast<unsigned>(std::chrono::steady_clock::now().time_since_epoch().count()) ^
                        std::random_device{}());
    for (;;) {
        const std::string strCandidate = strPath + ".part" + std::to_string(engine() % 1000000);
        std::error_code ec;
        if (!fs::exists(fs::symlink_status(strCandidate, ec)))
            return strCandidate;
    }
}

// An output file named in the job: absolute, not a folder, and neither the job file nor its
// picture (a slip of the pen that would destroy them).
std::string OutputPath(const CJob& job, const CJobValue& value)
{
    const std::string strGiven = value.AsString();
    if (strGiven.empty())
        value.Refuse(CCliText::Get(IDS_CLI_EXPECTED_FILE_NAME));
    const std::string strPath = job.Resolve(strGiven);
    std::error_code ec;
    if (fs::is_directory(strPath, ec))
        value.Refuse(CCliText::Format(IDS_CLI_FOLDER_NAMED, {strPath}));
    if (fs::equivalent(strPath, job.GetDisplayName(), ec))
        value.Refuse(CCliText::Get(IDS_CLI_REPLACES_JOB));
    const std::optional<CJobValue> image = job.Root().Find("image");
    if (image && fs::equivalent(strPath, job.Resolve(image->AsString()), ec))
        value.Refuse(CCliText::Get(IDS_CLI_REPLACES_JOB_PICTURE));
    return strPath;
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
    root.CheckObject({"image", "coordinate_systems", "save", "export"});
    std::optional<std::string> strSavePath;
    if (const std::optional<CJobValue> save = root.Find("save"))
        strSavePath = OutputPath(job, *save);

    const std::optional<CJobValue> exportItem = root.Find("export");
    std::string strExportPath;
    const CSettingsManager* pSettings = GetSettingsManager();
    char cSeparator = pSettings != nullptr ? pSettings->GetSeparator() : '\t';
    std::vector<std::string> curveNames;
    if (exportItem) {
        exportItem->CheckObject({"path", "separator", "curves"});
        strExportPath = OutputPath(job, exportItem->Get("path"));
        if (const std::optional<CJobValue> separator = exportItem->Find("separator")) {
            if (!CCurveExporter::ParseSeparator(separator->AsString(), cSeparator))
                separator->Refuse(CCliText::Get(IDS_CLI_SEPARATOR_WORDS));
        }
        if (const std::optional<CJobValue> curves = exportItem->Find("curves")) {
            for (const CJobValue& name : curves->Elements(1))
                curveNames.push_back(name.AsText());
        }
        if (strSavePath && fs::path(*strSavePath) == fs::path(strExportPath))
            exportItem->Get("path").Refuse(CCliText::Get(IDS_CLI_EXPORT_REPLACES_SAVED));
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

    // The document goes beside its target first; the export replaces its file only once
    // written; the document is put in place last. A failure at any step leaves both
    // targets as they were (but for a failure of that very last rename).
    std::string strSaveTemp;
    if (strSavePath) {
        strSaveTemp = FreeNameBeside(*strSavePath);
        std::string strError;
        if (!doc.OnSaveDocument(strSaveTemp, &strError)) {
            std::error_code ec;
            fs::remove(strSaveTemp, ec);
            throw CCliError(kExitRefused, job.GetDisplayName() + ": save: " + *strSavePath + ": " + strError);
        }
    }
    try {
        if (pExporter)
            pExporter->Write(strExportPath, cSeparator);
    } catch (...) {
        std::error_code ec;
        if (!strSaveTemp.empty())
            fs::remove(strSaveTemp, ec);
        throw;
    }
    if (strSavePath) {
        std::error_code ec;
        fs::rename(strSaveTemp, *strSavePath, ec);
        if (ec) {
            std::error_code ignored;
            fs::remove(strSaveTemp, ignored);
            throw CCliError(kExitRefused,
                            job.GetDisplayName() + ": save: " + *strSavePath + ": " + ec.message());
        }
    }
    messages.PrintWarnings(job.GetDisplayName());
}
