#pragma once

#include <cstdint>
#include <memory>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "Dm/BmpManager.h"
#include "Dm/CoordSyst.h"
#include "Dm/Results.h"
#include "FakeDocumentLink.h"
#include "TestCurve.h"

// Results with prepared rows for the export writers. By default they behave as the base
// class (two title lines from the curve, x and y cells); optional title lines of their own
// stand for kinds with another number of title lines or cells, and a row index at which
// GetRow throws stands for a results object that fails in the middle of an export.
class CPreparedResults : public CResults {
public:
    CPreparedResults() = default;
    explicit CPreparedResults(std::vector<CLogicPoint> rows) { m_Rows = std::move(rows); }

    std::unique_ptr<CResults> Clone() const override
    {
        return std::unique_ptr<CResults>(new CPreparedResults(*this));
    }

    // Title lines of their own; the cell count of the first one is the cell count of every
    // line, rows included (x, then y, then empty cells).
    void SetOwnTitles(std::vector<std::vector<std::string>> titles)
    {
        m_OwnTitles = std::move(titles);
        m_bOwnTitles = true;
    }
    void SetThrowAtRow(int nRow) { m_nThrowAtRow = nRow; }

    int GetTitleLineCount() const override
    {
        return m_bOwnTitles ? static_cast<int>(m_OwnTitles.size()) : CResults::GetTitleLineCount();
    }
    void GetTitleLine(int nIndex, CellList& cells) const override
    {
        if (!m_bOwnTitles)
            return CResults::GetTitleLine(nIndex, cells);
        if (nIndex < 0 || nIndex >= GetTitleLineCount())
            cells.insert(cells.end(), Width(), std::string());
        else
            cells.insert(cells.end(), m_OwnTitles[nIndex].begin(), m_OwnTitles[nIndex].end());
    }
    void GetRow(int nIndex, CellList& cells) const override
    {
        if (nIndex == m_nThrowAtRow)
            throw std::runtime_error("row failed");
        const size_t before = cells.size();
        CResults::GetRow(nIndex, cells);
        if (m_bOwnTitles)
            cells.resize(before + Width());
    }

private:
    size_t Width() const { return m_OwnTitles.empty() ? 0 : m_OwnTitles.front().size(); }

    CPreparedResults(const CPreparedResults& other)
        : CResults(other),
          m_OwnTitles(other.m_OwnTitles),
          m_bOwnTitles(other.m_bOwnTitles),
          m_nThrowAtRow(other.m_nThrowAtRow)
    {
        m_Rows = other.m_Rows;
    }

    std::vector<std::vector<std::string>> m_OwnTitles;
    bool m_bOwnTitles = false;
    int m_nThrowAtRow = -1;
};

// A point whose y is undefined.
inline CLogicPoint UndefinedRow(double x)
{
    CLogicPoint p(x, 0.0);
    p.SetValid(false);
    return p;
}

// A document with a bitmap named strFileName, and a coordinate system with axes named X
// and Y on which curves are built.
class CExportDocument : public CFakeDocumentLink {
public:
    explicit CExportDocument(const std::string& strFileName) : m_CoordSyst(this)
    {
        // The smallest 24-bit BMP file: one white pixel.
        std::vector<uint8_t> bytes;
        auto put = [&bytes](uint32_t value, int nBytes) {
            for (int i = 0; i < nBytes; ++i)
                bytes.push_back(static_cast<uint8_t>(value >> (8 * i)));
        };
        bytes = {'B', 'M'};
        put(58, 4), put(0, 4), put(54, 4);                        // file header
        put(40, 4), put(1, 4), put(1, 4), put(1, 2), put(24, 2);  // size, width, height, planes, bits
        put(0, 4), put(4, 4), put(0, 4), put(0, 4), put(0, 4), put(0, 4);
        put(0xFFFFFF, 4);  // the pixel and its padding
        if (!strFileName.empty())
            m_BmpManager.LoadEmbedded(strFileName, bytes.data(), bytes.size());
    }
    CBmpManager* GetBmpManager() const override { return &m_BmpManager; }
    CCoordSyst& CoordSyst() { return m_CoordSyst; }

    // A curve of this document named strName (kept alive by the document object).
    CCurve* NewCurve(const std::string& strName)
    {
        m_Curves.push_back(std::make_unique<CTestCurve>(&m_CoordSyst));
        m_Curves.back()->SetName(strName);
        return m_Curves.back().get();
    }

private:
    mutable CBmpManager m_BmpManager;
    CCoordSyst m_CoordSyst;
    std::vector<std::unique_ptr<CTestCurve>> m_Curves;
};
