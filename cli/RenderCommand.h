#pragma once

#include <iosfwd>
#include <string>

namespace CLI {
class App;
}

class CPlotvaneDoc;

// `plotvane-cli render DOC.pvd|JOB.json -o OUT.png [--zoom PERCENT]`: draws a document, or
// the document a job builds (its save and export are not performed), into a PNG
// (CDocumentRenderer). A file is taken for a job when its name ends in ".json" or its text
// begins with "{"; otherwise for a document. Without Qt the command says it is not
// available (exit code 2).
class CRenderCommand {
public:
    explicit CRenderCommand(CLI::App& parent);

    bool WasChosen() const;
    // Returns the process exit code; failures and warnings go to err.
    int Run(std::ostream& out, std::ostream& err) const;

private:
    bool IsJobFile() const;

    CLI::App* m_pCommand = nullptr;
    std::string m_strPath;
    std::string m_strOutput;
    int m_nZoom = 100;
};
