#include "cli/ScannersCommand.h"

#include <ostream>
#include <vector>

#include <CLI/CLI.hpp>
#include <nlohmann/json.hpp>

#include "cli/CliError.h"
#include "cli/CliText.h"
#include "cli/JobValue.h"
#include "imaging/SaneSession.h"
#include "imaging/ScanFailure.h"

CScannersCommand::CScannersCommand(CLI::App& parent)
    : CCliCommand(parent, "scanners", "List the scanners a job's \"scanner\" can name")
{
    Command().add_flag("--json", m_bJson, "One JSON object instead of text");
}

void CScannersCommand::Execute(std::ostream& out, CStderrMessageService& /*messages*/)
{
    const CSaneSession session;
    std::vector<CScannerDevice> devices;
    if (!session.ListDevices(false, devices))
        throw CCliError(kExitUnreadable,
                        m_strSubject + ": " + CCliText::FromModel(CScanFailure::Reason(TWCC_BUMMER)));
    if (m_bJson) {
        nlohmann::json list = nlohmann::json::array();
        for (const CScannerDevice& device : devices)
            list.push_back({{"name", device.strName},
                            {"vendor", device.strVendor},
                            {"model", device.strModel},
                            {"type", device.strType}});
        // What a device calls itself may be anything: bytes that are not UTF-8 are replaced.
        out << nlohmann::json{{"scanners", list}}.dump(2, ' ', false,
                                                       nlohmann::json::error_handler_t::replace)
            << '\n';
        return;
    }
    // A name may hold anything its user typed: control characters are written escaped, so that
    // a name cannot move the terminal's cursor or hide the next line.
    for (const CScannerDevice& device : devices)
        out << CJobValue::Printable(device.strName) << ": " << CJobValue::Printable(device.strVendor) << ' '
            << CJobValue::Printable(device.strModel) << " (" << CJobValue::Printable(device.strType) << ")\n";
}
