#include "Dm/AbstractResultDumper.h"

#include <algorithm>

#include "Dm/BmpManager.h"
#include "Dm/Curve.h"
#include "Dm/DocumentLink.h"
#include "platform/StringIds.h"
#include "platform/StringTable.h"

CAbstractResultDumper::CAbstractResultDumper(const ResultsList& results)
{
    m_ResultsList.reserve(results.size());
    for (CResults* pResults : results) {
        if (pResults != nullptr)
            m_ResultsList.push_back(pResults);
    }
}

void CAbstractResultDumper::Dump()
{
    WriteBanner();
    WriteColumnTitles();
    WriteRows();
    Finish();
}

void CAbstractResultDumper::WriteBanner()
{
    WriteLine(CStringTable::Get(IDS_BANNER_TITLE));
    WriteLine(CStringTable::Get(IDS_BANNER_NOTICE));
    WriteLine(CStringTable::Get(IDS_BANNER_BITMAP_FILE));
    WriteLine(GetBitmapFileName());
    WriteLine(std::string());
}

void CAbstractResultDumper::WriteColumnTitles()
{
    int nTitleLines = 0;
    for (const CResults* pResults : m_ResultsList)
        nTitleLines = std::max(nTitleLines, pResults->GetTitleLineCount());

    // Results with fewer title lines are aligned on the last one: they are asked for
    // negative indices above their first line, which give empty cells.
    for (int i = 0; i < nTitleLines; ++i) {
        m_Cells.clear();
        m_strLine.clear();
        for (const CResults* pResults : m_ResultsList)
            pResults->GetTitleLine(pResults->GetTitleLineCount() - nTitleLines + i, m_Cells);
        JoinCells(m_Cells, m_strLine);
        WriteLine(m_strLine);
    }
}

void CAbstractResultDumper::WriteRows()
{
    WriteRowRange(GetMaxRowCount());
}

void CAbstractResultDumper::WriteRowRange(int nRows)
{
    for (int i = 0; i < nRows; ++i) {
        m_Cells.clear();
        m_strLine.clear();
        for (const CResults* pResults : m_ResultsList)
            pResults->GetRow(i, m_Cells);
        JoinCells(m_Cells, m_strLine);
        WriteLine(m_strLine);
    }
}

int CAbstractResultDumper::GetMaxRowCount() const
{
    int nRows = 0;
    for (const CResults* pResults : m_ResultsList)
        nRows = std::max(nRows, pResults->GetRowCount());
    return nRows;
}

std::string CAbstractResultDumper::GetBitmapFileName() const
{
    if (m_ResultsList.empty())
        return std::string();
    const CCurve* pCurve = m_ResultsList.front()->GetCurve();
    const CDocumentLink* pDoc = pCurve != nullptr ? pCurve->GetDocument() : nullptr;
    const CBmpManager* pBmpManager = pDoc != nullptr ? pDoc->GetBmpManager() : nullptr;
    return pBmpManager != nullptr ? pBmpManager->GetFileName() : std::string();
}
