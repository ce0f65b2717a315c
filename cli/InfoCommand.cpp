#include "cli/InfoCommand.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <ostream>
#include <system_error>

#include <CLI/CLI.hpp>
#include <nlohmann/json.hpp>

#include "Dm/PlotvaneDoc.h"
#include "cli/DocumentDescription.h"
#include "cli/ExitCode.h"
#include "cli/StderrMessageService.h"
#include "imaging/AnyPicDecoder.h"
#include "imaging/Bmp.h"
#include "imaging/TextException.h"

namespace {

bool HasDocumentExtension(const std::string& strPath)
{
    std::string strExtension = std::filesystem::path(strPath).extension().string();
    std::transform(strExtension.begin(), strExtension.end(), strExtension.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return strExtension == ".pvd";
}

}  // namespace

CInfoCommand::CInfoCommand(CLI::App& parent)
{
    m_pCommand = parent.add_subcommand("info", "Describe an image file or a document");
    m_pCommand->add_option("file", m_strPath, "Image file or document (.pvd)")->required();
    m_pCommand->add_flag("--json", m_bJson, "Print one JSON object");
    m_pCommand->add_flag("--points", m_bPoints, "With a document: each curve's pixel points too");
}

bool CInfoCommand::WasChosen() const
{
    return m_pCommand->parsed();
}

int CInfoCommand::Run(std::ostream& out, std::ostream& err) const
{
    CStderrMessageService messages(err);
    PLAnyPicDecoder decoder;
    PLBmp bmp;
    std::string strImageError;
    try {
        decoder.MakeBmpFromFile(m_strPath, bmp);
    } catch (const PLTextException& e) {
        strImageError = e.what();
    }

    if (strImageError.empty()) {
        const char* format = PLAnyPicDecoder::FormatName(decoder.GetLastFormat());
        if (m_bJson) {
            nlohmann::json j = {{"file", m_strPath},
                                {"format", format},
                                {"width", bmp.GetWidth()},
                                {"height", bmp.GetHeight()},
                                {"bits_per_pixel", bmp.GetBitsPerPixel()}};
            out << j.dump(2, ' ', false, nlohmann::json::error_handler_t::replace) << '\n';
        } else {
            out << "file: " << m_strPath << '\n'
                << "format: " << format << '\n'
                << "width: " << bmp.GetWidth() << '\n'
                << "height: " << bmp.GetHeight() << '\n'
                << "bits per pixel: " << bmp.GetBitsPerPixel() << '\n';
        }
        return kExitOk;
    }

    // Not a picture: perhaps a document, which has no signature of its own.
    std::error_code ec;
    if (!std::filesystem::is_regular_file(m_strPath, ec)) {
        err << m_strPath << ": " << strImageError << '\n';
        return kExitUnreadable;
    }
    std::string strDocumentError;
    if (DescribeDocument(out, strDocumentError)) {
        messages.PrintWarnings(m_strPath);
        return kExitOk;
    }
    messages.TakeMessages();
    if (HasDocumentExtension(m_strPath))
        err << m_strPath << ": cannot read the document: " << strDocumentError << '\n';
    else if (decoder.GetLastFormat() == PLAnyPicDecoder::Format::Unknown)
        err << m_strPath << ": " << strImageError << " Not a document either: " << strDocumentError << '\n';
    else
        err << m_strPath << ": " << strImageError << '\n';
    return kExitUnreadable;
}

bool CInfoCommand::DescribeDocument(std::ostream& out, std::string& strError) const
{
    CPlotvaneDoc doc;
    if (!doc.OnOpenDocument(m_strPath, &strError))
        return false;
    const CDocumentDescription description(doc, m_bPoints);
    if (m_bJson)
        out << description.ToJson().dump(2, ' ', false, nlohmann::ordered_json::error_handler_t::replace)
            << '\n';
    else
        description.WriteText(out);
    return true;
}
