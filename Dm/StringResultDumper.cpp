#include "Dm/StringResultDumper.h"

#include <algorithm>

#include "platform/NumberFormat.h"
#include "platform/StringIds.h"
#include "platform/StringTable.h"

CStringResultDumper::CStringResultDumper(const ResultsList& results, std::string& strTarget, int nRowLimit,
                                         int nColumnWidth)
    : CAbstractResultDumper(results),
      m_strTarget(strTarget),
      m_nRowLimit(std::max(nRowLimit, 0)),
      m_nColumnWidth(std::max(nColumnWidth, 0))
{
}

void CStringResultDumper::WriteRows()
{
    const int nRows = GetMaxRowCount();
    WriteRowRange(std::min(nRows, m_nRowLimit));
    if (nRows > m_nRowLimit) {
        WriteLine(std::string());
        WriteLine(FormatWithInt(CStringTable::Get(IDS_PREVIEW_LIMITED), m_nRowLimit));
    }
}

void CStringResultDumper::JoinCells(const CResults::CellList& cells, std::string& strOut)
{
    const size_t width = static_cast<size_t>(m_nColumnWidth);
    for (const std::string& cell : cells) {
        if (cell.size() >= width) {
            strOut.append(cell, 0, width);
        } else {
            strOut.append(cell);
            strOut.append(width - cell.size(), ' ');
        }
    }
}

void CStringResultDumper::WriteLine(const std::string& strLine)
{
    m_strTarget.append(strLine);
    m_strTarget.append("\r\n");
}
