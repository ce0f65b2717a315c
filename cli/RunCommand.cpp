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
#include "cli/CurveExporter.h"
#include "cli/Job.h"
#include "cli/JobRunner.h"
#include "cli/JobValue.h"
#include "cli/StderrMessageService.h"

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
        value.Refuse("expected a file name");
    const std::string strPath = job.Resolve(strGiven);
    std::error_code ec;
    if (fs::is_directory(strPath, ec))
        value.Refuse(strPath + " is a folder");
    if (fs::equivalent(strPath, job.GetDisplayName(), ec))
        value.Refuse("this would replace the job file itself");
    const std::optional<CJobValue> image = job.Root().Find("image");
    if (image && fs::equivalent(strPath, job.Resolve(image->AsString()), ec))
        value.Refuse("this would replace the job's picture");
    return strPath;
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
                separator->Refuse(
                    "expected \"tab\", \"semicolon\", \"comma\", \"space\" or a single character");
        }
        if (const std::optional<CJobValue> curves = exportItem->Find("curves")) {
            for (const CJobValue& name : curves->Elements(1))
                curveNames.push_back(name.AsText());
        }
        if (strSavePath && fs::path(*strSavePath) == fs::path(strExportPath))
            exportItem->Get("path").Refuse("the export would replace the document saved by the job");
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
