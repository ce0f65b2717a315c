#include "cli/DetectCommand.h"

#include <filesystem>
#include <memory>
#include <ostream>
#include <system_error>

#include <CLI/CLI.hpp>

#include "Dm/BmpManager.h"
#include "Dm/PlotvaneDoc.h"
#include "Dm/WinBmpEx.h"
#include "cli/CliError.h"
#include "cli/CliText.h"
#include "cli/DetectionJson.h"
#include "cli/OutputGuard.h"
#include "cli/StderrMessageService.h"
#include "detect/AxesDetector.h"
#include "detect/LabelReader.h"
#include "imaging/AnyPicDecoder.h"
#include "imaging/PdfDecoder.h"
#include "platform/FileReplacer.h"
#include "platform/InputFileError.h"
#include "platform/MappedFile.h"
#include "platform/StringIds.h"
#include "platform/StringTable.h"

namespace fs = std::filesystem;

CDetectCommand::CDetectCommand(CLI::App& parent)
    : CCliCommand(parent, "detect", "Find the axes of a picture and write them as a job")
{
    CLI::App& command = Command();
    command.add_option("figure", m_strPath, "The picture (or PDF file)")->required();
    command.add_option("--page", m_nPage, "For a PDF file: the page, from 1 (default 1)")
        ->check(CLI::Range(1, 1 << 30));
    command.add_option("--dpi", m_nDpi, "For a PDF file: the resolution (default 300)")
        ->check(CLI::Range(PLPdfDecoder::kMinDpi, PLPdfDecoder::kMaxDpi));
    command.add_option("-o,--output", m_strOutput, "The job file to write (default: standard output)");
    command.add_flag("--json", m_bJson, "Print a report of what was found and why on standard output");
}

std::string CDetectCommand::ImagePathForJob() const
{
    if (m_strOutput.empty())
        return m_strPath;
    std::error_code ec;
    const fs::path folder = fs::absolute(fs::path(m_strOutput), ec).parent_path();
    const fs::path image = fs::absolute(fs::path(m_strPath), ec);
    if (ec)
        return m_strPath;
    const fs::path relative = image.lexically_relative(folder);
    return relative.empty() ? image.string() : relative.generic_string();
}

void CDetectCommand::Execute(std::ostream& out, CStderrMessageService& messages)
{
    COutputGuard guard;
    guard.Protect(m_strPath, CCliText::Get(IDS_CLI_PICTURE_REPLACES_INPUT));
    if (!m_strOutput.empty())
        guard.Enforce(m_strOutput);

    bool bPdf = false;
    try {
        const CMappedFile probe(m_strPath);
        bPdf = PLAnyPicDecoder::Detect(m_strPath, probe.GetData(), probe.GetSize()) ==
               PLAnyPicDecoder::Format::PDF;
    } catch (const CInputFileError& e) {
        throw CCliError(kExitUnreadable,
                        CCliText::Format(IDS_CLI_CANNOT_READ_PICTURE, {m_strPath, CCliText::ReasonOf(e)}));
    }
    if (!bPdf && (m_nPage != 0 || m_nDpi != 0))
        throw CCliError(kExitRefused, m_strPath + ": " + CCliText::Get(IDS_CLI_ONLY_FOR_PDF));

    CPlotvaneDoc doc;
    const int nPage = m_nPage != 0 ? m_nPage : PLPdfDecoder::kDefaultPage;
    const int nDpi = m_nDpi != 0 ? m_nDpi : PLPdfDecoder::kDefaultDpi;
    if (!doc.OpenBitmap(m_strPath, nPage, nDpi) || doc.GetBmpManager()->GetBitmap() == nullptr) {
        const std::string strReason = messages.TakeLastText();
        const CBmpManager& bitmap = *doc.GetBmpManager();
        if (bitmap.GetLastFailure() == CBmpManager::Failure::OutOfMemory ||
            bitmap.GetLastFailure() == CBmpManager::Failure::Stopped)
            throw CCliError(kExitRefused, m_strPath + ": " + CCliText::FromModel(bitmap.GetLastReason()));
        throw CCliError(kExitUnreadable, m_strPath + ": " + CCliText::FromModel(strReason));
    }
    messages.PrintWarnings(m_strPath);

    CLabelReader reader;
    if (!reader.IsReady())
        throw CCliError(kExitUnreadable,
                        m_strPath + ": the OCR could not start (no English data for Tesseract)");
    CAxesDetector detector(reader);
    const CAxesDetection detection = detector.Detect(doc.GetBmpManager()->GetBitmap()->View());
    if (m_bJson)
        out << CDetectionJson::Report(detection, m_strPath)
                   .dump(2, ' ', false, nlohmann::ordered_json::error_handler_t::replace)
            << '\n';
    if (detection.FoundCount() == 0)
        throw CCliError(kExitRefused, m_strPath + ": no coordinate system found: " + detection.reason);

    const std::string strJob =
        CDetectionJson::Job(detection, ImagePathForJob(), bPdf ? nPage : 0, bPdf ? nDpi : 0)
            .dump(2, ' ', false, nlohmann::ordered_json::error_handler_t::replace) +
        "\n";
    if (m_strOutput.empty()) {
        if (!m_bJson)
            out << strJob;
        return;
    }
    CFileReplacer file(m_strOutput);
    if (!file.Open() || !file.Write(strJob) || !file.Commit())
        throw CCliError(kExitRefused, m_strOutput + ": " +
                                          CStderrMessageService::Flatten(CStringTable::Get(IDS_CANNOT_WRITE) +
                                                                         "\n" + file.GetReason()));
}
