#include "cli/RenderCommand.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <memory>
#include <ostream>

#include <CLI/CLI.hpp>

#include "Dm/PlotvaneDoc.h"
#include "cli/CliError.h"
#include "cli/DocumentRenderer.h"
#include "cli/Job.h"
#include "cli/JobRunner.h"
#include "cli/OutputGuard.h"
#include "cli/StderrMessageService.h"

CRenderCommand::CRenderCommand(CLI::App& parent)
{
    m_pCommand = parent.add_subcommand("render", "Draw a document (or the one a job builds) into a PNG");
    m_pCommand->add_option("file", m_strPath, "Document (.pvd) or job file (.json)")->required();
    m_pCommand->add_option("-o,--output", m_strOutput, "PNG file to write")->required();
    m_pCommand->add_option("--zoom", m_nZoom, "Zoom in percent (1 to 1000, default 100)");
}

bool CRenderCommand::WasChosen() const
{
    return m_pCommand->parsed();
}

bool CRenderCommand::IsJobFile() const
{
    std::string strExtension = std::filesystem::path(m_strPath).extension().string();
    std::transform(strExtension.begin(), strExtension.end(), strExtension.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    if (strExtension == ".json")
        return true;
    std::ifstream in(m_strPath, std::ios::binary);
    char c = 0;
    while (in.get(c) && std::isspace(static_cast<unsigned char>(c))) {
    }
    return in && c == '{';
}

int CRenderCommand::Run(std::ostream& /*out*/, std::ostream& err) const
{
    if (!CDocumentRenderer::IsAvailable()) {
        err << "render: not available: plotvane-cli was built without Qt\n";
        return kExitUsage;
    }
    if (m_nZoom < CDocumentRenderer::kMinZoom || m_nZoom > CDocumentRenderer::kMaxZoom) {
        err << "render: --zoom: expected a percentage from " << CDocumentRenderer::kMinZoom << " to "
            << CDocumentRenderer::kMaxZoom << '\n';
        return kExitUsage;
    }

    CStderrMessageService messages(err);
    try {
        CPlotvaneDoc doc;
        COutputGuard guard;
        guard.Protect(m_strPath, "the picture would replace the file it is drawn from");
        std::unique_ptr<CJob> pJob;
        if (IsJobFile()) {
            pJob = CJob::Load(m_strPath);
            guard.ProtectJob(*pJob);
        }
        // Refused before the work: building a job may take long.
        guard.Enforce(m_strOutput);
        if (pJob != nullptr) {
            CJobRunner runner(*pJob, messages);
            runner.Build(doc);
        } else {
            std::string strError;
            if (!doc.OnOpenDocument(m_strPath, &strError)) {
                messages.TakeMessages();
                throw CCliError(kExitUnreadable, m_strPath + ": cannot read the document: " + strError);
            }
        }
        messages.PrintWarnings(m_strPath);
        CDocumentRenderer::RenderToPng(doc, m_nZoom, m_strOutput, m_strPath);
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
