#pragma once

#include <memory>
#include <string>

#include "Dm/AbstractResultDumper.h"

class CFileReplacer;

// The export proper: the banner, the column titles and the rows written into a text file,
// every cell followed by the separator character (the last one of a line too), every line
// ended by CR LF whatever the system. The content does not depend on the file's extension.
//
// The text goes into the file through a large buffer and a CFileReplacer: the target is
// replaced only when everything has been written, so that a failed export leaves the file
// the user had as it was, and no partial file behind. A device or a pipe is written
// through; an existing file whose folder accepts no new file is written in place, and
// gets its old bytes back if the export fails.
//
// Failures are thrown as CPlotvaneException with the message to show: the constructor's
// "Cannot open the file for writing." when the file cannot be made or the target cannot
// be written, Dump's "Cannot write into the file." when writing or putting it in place
// fails, each followed by a line with the system's reason. Destroying the writer before
// Dump completes drops what it wrote.
class CFileResultDumper : public CAbstractResultDumper {
public:
    CFileResultDumper(const ResultsList& results, const std::string& strPath, char cSeparator);
    // Writes into file (not yet opened, not owned) and only prepares it: the caller
    // commits it, with the other files written together.
    CFileResultDumper(const ResultsList& results, CFileReplacer& file, char cSeparator);
    ~CFileResultDumper() override;

protected:
    // Rows go straight into the buffer through CResults::AppendRow, without cells or lines.
    void WriteRows() override;
    void JoinCells(const CResults::CellList& cells, std::string& strOut) override;
    void WriteLine(const std::string& strLine) override;
    // Writes out the buffer and puts the file in place (prepares it only when not owned).
    void Finish() override;

private:
    void Open();
    void FlushBuffer();

    std::unique_ptr<CFileReplacer> m_pOwnFile;
    CFileReplacer& m_File;
    bool m_bFinished = false;
    char m_cSeparator;
    std::string m_Buffer;
};
