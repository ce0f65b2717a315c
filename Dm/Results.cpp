#include "Dm/Results.h"

#include "Dm/CoordSyst.h"
#include "Dm/Curve.h"
#include "platform/NumberFormat.h"

IMPLEMENT_DYNAMIC(CResults, CObject)

void CResults::GetTitleLine(int nIndex, CellList& cells) const
{
    const CCoordSyst* pCoordSyst = m_pCurve != nullptr ? m_pCurve->GetCoordSyst() : nullptr;
    if (nIndex == 0 && m_pCurve != nullptr) {
        cells.push_back(m_pCurve->GetName());
        cells.emplace_back();
    } else if (nIndex == 1 && pCoordSyst != nullptr) {
        cells.push_back(pCoordSyst->GetXAxe().GetName());
        cells.push_back(pCoordSyst->GetYAxe().GetName());
    } else {
        cells.emplace_back();
        cells.emplace_back();
    }
}

void CResults::GetRow(int nIndex, CellList& cells) const
{
    if (nIndex < 0 || static_cast<size_t>(nIndex) >= m_Rows.size()) {
        cells.emplace_back();
        cells.emplace_back();
        return;
    }
    const CLogicPoint& row = m_Rows[static_cast<size_t>(nIndex)];
    // Formatted straight into the new cells: exports ask for millions of them.
    char buf[kFormatGSize];
    cells.emplace_back(buf, FormatG(row.x, buf));
    if (row.IsValid())
        cells.emplace_back(buf, FormatG(row.y, buf));
    else
        cells.emplace_back();
}

void CResults::AppendRow(int nIndex, char cSeparator, std::string& strLine) const
{
    // Reused from row to row: kinds that come here have rows of their own, possibly many.
    thread_local CellList cells;
    cells.clear();
    GetRow(nIndex, cells);
    for (const std::string& cell : cells) {
        strLine.append(cell);
        strLine.push_back(cSeparator);
    }
}

void CResults::AppendPointRow(int nIndex, char cSeparator, std::string& strLine) const
{
    if (nIndex < 0 || static_cast<size_t>(nIndex) >= m_Rows.size()) {
        strLine.push_back(cSeparator);
        strLine.push_back(cSeparator);
        return;
    }
    const CLogicPoint& row = m_Rows[static_cast<size_t>(nIndex)];
    char buf[2 * kFormatGSize + 2];
    char* p = buf;
    p += FormatG(row.x, p);
    *p++ = cSeparator;
    if (row.IsValid())
        p += FormatG(row.y, p);
    *p++ = cSeparator;
    strLine.append(buf, static_cast<size_t>(p - buf));
}
