#pragma once

#include <iosfwd>
#include <string>

namespace CLI {
class App;
}

// `plotvane-cli info FILE [--json] [--points]`: describes an image file (format, size and
// depth of the working bitmap it gives) or, when the file is not a picture, a document
// (CDocumentDescription; --points adds each curve's pixel points), as text or JSON.
class CInfoCommand {
public:
    explicit CInfoCommand(CLI::App& parent);

    bool WasChosen() const;
    // Returns the process exit code; data goes to out, failures and warnings to err.
    int Run(std::ostream& out, std::ostream& err) const;

private:
    // Describes the file as a document; false, with the reason, when it is not one.
    bool DescribeDocument(std::ostream& out, std::string& strError) const;

    CLI::App* m_pCommand = nullptr;
    std::string m_strPath;
    bool m_bJson = false;
    bool m_bPoints = false;
};
