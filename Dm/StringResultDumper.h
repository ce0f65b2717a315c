#pragma once

#include <string>

#include "Dm/AbstractResultDumper.h"

// The export laid out for the preview: appended to a string owned by the caller, every cell
// cut or padded with spaces to the column width, no separator, lines ending with CR LF.
// At most the row limit's count of data rows is written; when there are more, an empty
// line and the note "To be continued : Preview is limited to N lines." follow them.
// Banner lines are written as they are. Raises nothing of its own.
class CStringResultDumper : public CAbstractResultDumper {
public:
    // strTarget is not owned and must outlive the writer; text is appended to it.
    // A negative row limit or column width counts as 0.
    CStringResultDumper(const ResultsList& results, std::string& strTarget, int nRowLimit, int nColumnWidth);

protected:
    void WriteRows() override;
    void JoinCells(const CResults::CellList& cells, std::string& strOut) override;
    void WriteLine(const std::string& strLine) override;

private:
    std::string& m_strTarget;
    int m_nRowLimit;
    int m_nColumnWidth;
};
