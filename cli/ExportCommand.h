#pragma once

#include <string>
#include <vector>

#include "cli/CliCommand.h"

namespace CLI {
class Option;
}

// `plotvane-cli export DOC.pvd [-o OUT] [--separator S] [--curve NAME]...
// [--period P | --frequency F]`: exports the curves of a saved document with the results
// parameters stored in it (CCurveExporter), into OUT or onto stdout. --period or
// --frequency serves the continuous curves whose results have no period.
// The export goes to out without -o.
class CExportCommand : public CCliCommand {
public:
    explicit CExportCommand(CLI::App& parent);

protected:
    void Execute(std::ostream& out, CStderrMessageService& messages) override;
    const std::string& Subject() const override { return m_strPath; }

private:
    std::string m_strPath;
    std::string m_strOutput;
    std::string m_strSeparator;
    std::vector<std::string> m_CurveNames;
    double m_dPeriod = 0.0;
    double m_dFrequency = 0.0;
    CLI::Option* m_pOutputOption = nullptr;
    CLI::Option* m_pSeparatorOption = nullptr;
    CLI::Option* m_pPeriodOption = nullptr;
    CLI::Option* m_pFrequencyOption = nullptr;
};
