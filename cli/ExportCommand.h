#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace CLI {
class App;
class Option;
}  // namespace CLI

// `plotvane-cli export DOC.pvd [-o OUT] [--separator S] [--curve NAME]...
// [--period P | --frequency F]`: exports the curves of a saved document with the results
// parameters stored in it (CCurveExporter), into OUT or onto stdout. --period or
// --frequency serves the continuous curves whose results have no period.
class CExportCommand {
public:
    explicit CExportCommand(CLI::App& parent);

    bool WasChosen() const;
    // Returns the process exit code; the export goes to out without -o, failures and
    // warnings to err.
    int Run(std::ostream& out, std::ostream& err) const;

private:
    CLI::App* m_pCommand = nullptr;
    std::string m_strPath;
    std::string m_strOutput;
    std::string m_strSeparator;
    std::vector<std::string> m_CurveNames;
    double m_dPeriod = 0.0;
    double m_dFrequency = 0.0;
    CLI::Option* m_pSeparatorOption = nullptr;
    CLI::Option* m_pPeriodOption = nullptr;
    CLI::Option* m_pFrequencyOption = nullptr;
};
