#pragma once

#include <cstdio>
#include <string>

#include "Dm/AbstractResultDumper.h"

// The export proper: the banner, the column titles and the rows written into a text file,
// every cell followed by the separator character (the last one of a line too), every line
// ended by CR LF whatever the system. The content does not depend on the file's extension.
//
// The text goes first into a new file beside the target, through a large buffer, and that
// file is renamed over the target only when everything has been written: a failed export
// leaves the file the user had as it was, and no partial file behind. An existing target
// that is not a regular file (a device, a pipe), or whose folder accepts no new file, is
// written in place instead.
//
// Failures are thrown as CPlotvaneException with the message to show: the constructor's
// "Cannot open the file for writting." when the file cannot be made or the target cannot
// be written, Dump's "Cannot write into the file." when writing or putting it in place
// fails. The writer owns its file until Dump completes; destroying it before then removes
// what it wrote.
class CFileResultDumper : public CAbstractResultDumper {
public:
    CFileResultDumper(const ResultsList& results, const std::string& strPath, char cSeparator);
    ~CFileResultDumper() override;

protected:
    // Rows go straight into the buffer through CResults::AppendRow, without cells or lines.
    void WriteRows() override;
    void JoinCells(const CResults::CellList& cells, std::string& strOut) override;
    void WriteLine(const std::string& strLine) override;
    // Writes out the buffer, closes the file and renames it over the target.
    void Finish() override;

private:
    // Creates a new file beside the target; false when none can be made there.
    bool OpenTempBeside(const std::string& strTarget);
    void FlushBuffer();
    // Closes the file without reporting and removes the file beside the target, if any.
    void Abandon();

    std::string m_strTargetPath;
    // Empty when the target is written in place.
    std::string m_strTempPath;
    std::FILE* m_pFile = nullptr;
    char m_cSeparator;
    std::string m_Buffer;
};
