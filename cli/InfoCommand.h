#pragma once

#include <string>

#include "cli/CliCommand.h"

// `plotvane-cli info FILE [--json] [--points]`: describes an image file (format, size and
// depth of the working bitmap it gives; a PDF file's pages and their sizes in points) or, when the file is
// not a picture, a document (CDocumentDescription; --points adds each curve's pixel points), as text or JSON.
class CInfoCommand : public CCliCommand {
public:
    explicit CInfoCommand(CLI::App& parent);

protected:
    void Execute(std::ostream& out, CStderrMessageService& messages) override;
    const std::string& Subject() const override { return m_strPath; }

private:
    // Describes a PDF file: its pages and their sizes in points. False when the file is not
    // a PDF file; raises CCliError when it cannot be read.
    bool DescribePdf(std::ostream& out) const;
    // Describes the file as a document; false, with the reason, when it is not one.
    bool DescribeDocument(std::ostream& out, std::string& strError) const;

    std::string m_strPath;
    bool m_bJson = false;
    bool m_bPoints = false;
};
