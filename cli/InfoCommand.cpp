#include "cli/InfoCommand.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <ostream>
#include <system_error>
#include <vector>

#include <CLI/CLI.hpp>
#include <nlohmann/json.hpp>

#include "Dm/PlotvaneDoc.h"
#include "cli/DocumentDescription.h"
#include "cli/CliError.h"
#include "cli/CliText.h"
#include "cli/StderrMessageService.h"
#include "imaging/AnyPicDecoder.h"
#include "imaging/Bmp.h"
#include "imaging/PdfDecoder.h"
#include "imaging/TextException.h"
#include "platform/InputFileError.h"
#include "platform/MappedFile.h"
#include "platform/NumberFormat.h"
#include "platform/StringIds.h"
#include "platform/StringTable.h"

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
    : CCliCommand(parent, "info", "Describe an image file or a document")
{
    CLI::App& command = Command();
    command.add_option("file", m_strPath, "Image file or document (.pvd)")->required();
    command.add_flag("--json", m_bJson, "Print one JSON object");
    command.add_flag("--points", m_bPoints, "With a document: each curve's pixel points too");
}

void CInfoCommand::Execute(std::ostream& out, CStderrMessageService& messages)
{
    if (DescribePdf(out))
        return;
    PLAnyPicDecoder decoder;
    PLBmp bmp;
    std::string strImageError;
    try {
        decoder.MakeBmpFromFile(m_strPath, bmp);
    } catch (const PLTextException& e) {
        // A picture this machine cannot hold is refused as every other lack of memory.
        if (e.GetCode() == PL_ERRNO_MEMORY)
            throw CCliError(kExitRefused,
                            m_strPath + ": " + CCliText::Get(IDS_NOT_ENOUGH_MEMORY) + " (" + e.what() + ")");
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
        return;
    }

    // Not a picture: perhaps a document, which has no signature of its own.
    std::error_code ec;
    if (!std::filesystem::is_regular_file(m_strPath, ec))
        throw CCliError(kExitUnreadable, m_strPath + ": " + strImageError);
    std::string strDocumentError;
    if (DescribeDocument(out, strDocumentError))
        return;
    messages.TakeMessages();
    if (CCliError::IsOutOfMemory(strDocumentError))
        throw CCliError::UnreadableDocument(m_strPath, strDocumentError);
    strDocumentError = CCliText::FromModel(strDocumentError);
    std::string strReason = strImageError;
    if (HasDocumentExtension(m_strPath))
        strReason = CCliText::Format(IDS_CLI_CANNOT_READ_DOCUMENT, {strDocumentError});
    else if (decoder.GetLastFormat() == PLAnyPicDecoder::Format::Unknown)
        strReason = CCliText::Join(strImageError,
                                   CCliText::Format(IDS_CLI_NOT_A_DOCUMENT_EITHER, {strDocumentError}));
    throw CCliError(kExitUnreadable, m_strPath + ": " + strReason);
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

bool CInfoCommand::DescribePdf(std::ostream& out) const
{
    std::vector<PLPdfDecoder::PageSize> sizes;
    try {
        const CMappedFile file(m_strPath);
        if (PLAnyPicDecoder::Detect(m_strPath, file.GetData(), file.GetSize()) !=
            PLAnyPicDecoder::Format::PDF)
            return false;
        sizes = PLPdfDecoder::ReadPageSizes(file.GetData(), file.GetSize());
    } catch (const CInputFileError&) {
        return false;  // the picture's way tells why
    } catch (const PLTextException& e) {
        throw CCliError(kExitUnreadable, m_strPath + ": " + e.what());
    }
    const char* format = PLAnyPicDecoder::FormatName(PLAnyPicDecoder::Format::PDF);
    if (m_bJson) {
        nlohmann::json pages = nlohmann::json::array();
        for (size_t i = 0; i < sizes.size(); ++i) {
            if (sizes[i].bDamaged)
                pages.push_back({{"page", i + 1}, {"damaged", true}});
            else
                pages.push_back({{"page", i + 1}, {"width", sizes[i].width}, {"height", sizes[i].height}});
        }
        nlohmann::json j = {{"file", m_strPath}, {"format", format}, {"pages", pages}};
        out << j.dump(2, ' ', false, nlohmann::json::error_handler_t::replace) << '\n';
        return true;
    }
    out << "file: " << m_strPath << '\n' << "format: " << format << '\n' << "pages: " << sizes.size() << '\n';
    for (size_t i = 0; i < sizes.size(); ++i) {
        out << "page " << i + 1 << ": ";
        if (sizes[i].bDamaged)
            out << "damaged\n";
        else
            out << FormatG(sizes[i].width) << " x " << FormatG(sizes[i].height) << " points\n";
    }
    return true;
}
