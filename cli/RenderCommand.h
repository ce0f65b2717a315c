#pragma once

#include <string>

#include "cli/CliCommand.h"

class CPlotvaneDoc;

// `plotvane-cli render DOC.pvd|JOB.json -o OUT.png [--zoom PERCENT]`: draws a document, or
// the document a job builds (its save and export are not performed), into a PNG
// (CDocumentRenderer). The file's extension says what it is (".json" a job, ".pvd" a
// document); with another one, a text that begins with "{" is taken for a job. Without Qt
// the command says it is not available (exit code 2). Writes nothing on stdout.
class CRenderCommand : public CCliCommand {
public:
    explicit CRenderCommand(CLI::App& parent);

protected:
    void Execute(std::ostream& out, CStderrMessageService& messages) override;
    const std::string& Subject() const override { return m_strPath; }

private:
    bool IsJobFile() const;

    std::string m_strPath;
    std::string m_strOutput;
    int m_nZoom = 100;
};
