#include "cli/InfoCommand.h"

#include <ostream>

#include <CLI/CLI.hpp>
#include <nlohmann/json.hpp>

#include "cli/ExitCode.h"
#include "imaging/AnyPicDecoder.h"
#include "imaging/Bmp.h"
#include "imaging/TextException.h"

CInfoCommand::CInfoCommand(CLI::App& parent)
{
    m_pCommand = parent.add_subcommand("info", "Describe an image file");
    m_pCommand->add_option("file", m_strPath, "Image file")->required();
    m_pCommand->add_flag("--json", m_bJson, "Print one JSON object");
}

bool CInfoCommand::WasChosen() const { return m_pCommand->parsed(); }

int CInfoCommand::Run(std::ostream& out, std::ostream& err) const
{
    PLAnyPicDecoder decoder;
    PLBmp bmp;
    try {
        decoder.MakeBmpFromFile(m_strPath, bmp);
    } catch (const PLTextException& e) {
        err << m_strPath << ": " << e.what() << '\n';
        return kExitUnreadable;
    }

    const char* format = PLAnyPicDecoder::FormatName(decoder.GetLastFormat());
    if (m_bJson) {
        nlohmann::json j = {{"file", m_strPath},
                            {"format", format},
                            {"width", bmp.GetWidth()},
                            {"height", bmp.GetHeight()},
                            {"bits_per_pixel", bmp.GetBitsPerPixel()}};
        out << j.dump(2) << '\n';
    } else {
        out << "file: " << m_strPath << '\n'
            << "format: " << format << '\n'
            << "width: " << bmp.GetWidth() << '\n'
            << "height: " << bmp.GetHeight() << '\n'
            << "bits per pixel: " << bmp.GetBitsPerPixel() << '\n';
    }
    return kExitOk;
}
