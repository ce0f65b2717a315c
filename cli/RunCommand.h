#pragma once

#include <iosfwd>
#include <string>

namespace CLI {
class App;
}

class CJob;
class CPlotvaneDoc;
class CStderrMessageService;

// `plotvane-cli run JOB.json`: builds the document a job describes (CJobRunner), then
// performs its "save" (the document file) and "export" (the export file of the curves
// named, or of all). Everything is checked before anything is written; each file replaces
// an existing one only once it is wholly written, so a refused or failed run leaves the
// files it names as they were.
class CRunCommand {
public:
    explicit CRunCommand(CLI::App& parent);

    bool WasChosen() const;
    // Returns the process exit code; failures and warnings go to err (out stays empty).
    int Run(std::ostream& out, std::ostream& err) const;

private:
    void RunJob(const CJob& job, CStderrMessageService& messages) const;

    CLI::App* m_pCommand = nullptr;
    std::string m_strJobPath;
};
