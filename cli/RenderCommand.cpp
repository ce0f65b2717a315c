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
#include "cli/CliText.h"
#include "cli/DocumentRenderer.h"
#include "cli/Job.h"
#include "cli/JobRunner.h"
#include "cli/OutputGuard.h"
#include "cli/StderrMessageService.h"
#include "platform/StringIds.h"

CRenderCommand::CRenderCommand(CLI::App& parent)
    : CCliCommand(parent, "render", "Draw a document (or the one a job builds) into a PNG")
{
    CLI::App& command = Command();
    command.add_option("file", m_strPath, "Document (.pvd) or job file (.json)")->required();
    command.add_option("-o,--output", m_strOutput, "PNG file to write")->required();
    command.add_option("--zoom", m_nZoom, "Zoom in percent (1 to 1000, default 100)");
}

bool CRenderCommand::IsJobFile() const
{
    std::string strExtension = std::filesystem::path(m_strPath).extension().string();
    std::transform(strExtension.begin(), strExtension.end(), strExtension.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    if (strExtension == ".json" || strExtension == ".pvd")
        return strExtension == ".json";
    // Only a regular file is looked into: reading a pipe or a device could wait for ever.
    std::error_code ec;
    if (!std::filesystem::is_regular_file(m_strPath, ec))
        return false;
    std::ifstream in(m_strPath, std::ios::binary);
    char c = 0;
    while (in.get(c) && std::isspace(static_cast<unsigned char>(c))) {
    }
    return in && c == '{';
}

void CRenderCommand::Execute(std::ostream& /*out*/, CStderrMessageService& messages)
{
    if (!CDocumentRenderer::IsAvailable())
        throw CCliError(kExitUsage, "render: " + CCliText::Get(IDS_CLI_RENDER_UNAVAILABLE));
    if (m_strOutput.empty())
        throw CCliError(kExitUsage, "render: --output: " + CCliText::Get(IDS_CLI_EXPECTED_FILE_NAME));
    if (m_nZoom < CDocumentRenderer::kMinZoom || m_nZoom > CDocumentRenderer::kMaxZoom) {
        throw CCliError(
            kExitUsage,
            "render: " + CCliText::Format(IDS_CLI_ZOOM_RANGE, {std::to_string(CDocumentRenderer::kMinZoom),
                                                               std::to_string(CDocumentRenderer::kMaxZoom)}));
    }

    CPlotvaneDoc doc;
    COutputGuard guard;
    guard.Protect(m_strPath, CCliText::Get(IDS_CLI_PICTURE_REPLACES_INPUT));
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
            throw CCliError::UnreadableDocument(m_strPath, strError);
        }
    }
    messages.PrintWarnings(m_strPath);
    CDocumentRenderer::RenderToPng(doc, m_nZoom, m_strOutput, m_strPath);
}
