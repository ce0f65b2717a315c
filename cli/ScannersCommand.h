#pragma once

#include <string>

#include "cli/CliCommand.h"

// `plotvane-cli scanners [--json]`: the scanners the system's scanner library finds, those on
// the network too: each one's device name (what a job's "scanner" names), vendor, model and
// type, one a line, or as JSON {"scanners": [{"name", "vendor", "model", "type"}]}.
class CScannersCommand : public CCliCommand {
public:
    explicit CScannersCommand(CLI::App& parent);

protected:
    void Execute(std::ostream& out, CStderrMessageService& messages) override;
    const std::string& Subject() const override { return m_strSubject; }

private:
    std::string m_strSubject = "scanners";
    bool m_bJson = false;
};
