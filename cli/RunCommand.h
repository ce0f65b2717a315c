#pragma once

#include <string>

#include "cli/CliCommand.h"

class CJob;
class CPlotvaneDoc;
class CStderrMessageService;

// `plotvane-cli run JOB.json`: builds the document a job describes (CJobRunner), then
// performs its "save" (the document file) and "export" (the export file of the curves
// named, or of all). Everything is checked before anything is written; each file replaces
// an existing one only once it is wholly written, so a refused or failed run leaves the
// files it names as they were.
// Writes nothing on stdout.
class CRunCommand : public CCliCommand {
public:
    explicit CRunCommand(CLI::App& parent);

protected:
    void Execute(std::ostream& out, CStderrMessageService& messages) override;
    const std::string& Subject() const override { return m_strJobPath; }

private:
    void RunJob(const CJob& job, CStderrMessageService& messages) const;

    std::string m_strJobPath;
};
