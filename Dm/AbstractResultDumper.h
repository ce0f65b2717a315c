#pragma once

#include <string>
#include <vector>

#include "Dm/Results.h"

// Base of the export writers: lays an ordered list of results objects out as lines of text,
// a five-line banner, then the column-title lines of all results side by side, then their
// data rows side by side. The order of the list is the left-to-right order of the curves.
// Subclasses decide how cells are joined into a line and where lines go (a file, a string).
//
// The writer keeps its own copy of the list; the results objects are not owned and must
// outlive it. Results are asked for their cells through CResults::GetTitleLine and GetRow,
// which append to a list the writer reuses from line to line.
class CAbstractResultDumper {
public:
    using ResultsList = std::vector<CResults*>;

    virtual ~CAbstractResultDumper() = default;
    CAbstractResultDumper(const CAbstractResultDumper&) = delete;
    CAbstractResultDumper& operator=(const CAbstractResultDumper&) = delete;

    // Writes the banner, the column titles and the rows, then lets the writer finish its
    // output (Finish).
    void Dump();

protected:
    // Null entries of the list are left out.
    explicit CAbstractResultDumper(const ResultsList& results);

    // Writes every data row: as many lines as the longest results object has rows.
    virtual void WriteRows();
    // Appends the cells to strOut in the writer's own form.
    virtual void JoinCells(const CResults::CellList& cells, std::string& strOut) = 0;
    // Emits one line of text given without its line end.
    virtual void WriteLine(const std::string& strLine) = 0;
    // Called once everything is written; the place for a writer to complete its output.
    virtual void Finish() {}

    void WriteBanner();
    void WriteColumnTitles();
    // Writes data rows 0 ... nRows - 1.
    void WriteRowRange(int nRows);
    // The largest row count over the list, 0 for an empty list.
    int GetMaxRowCount() const;
    // The image file name of the document of the first results object's curve; empty when
    // the list is empty or there is no such curve, document, bitmap or name.
    std::string GetBitmapFileName() const;

    const ResultsList& GetResultsList() const { return m_ResultsList; }

private:
    ResultsList m_ResultsList;
    // Reused for every line, so that writing a row costs no allocation once they have
    // grown to the widest line.
    CResults::CellList m_Cells;
    std::string m_strLine;
};
