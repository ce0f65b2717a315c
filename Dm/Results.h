#pragma once

#include <memory>
#include <string>
#include <vector>

#include "Dm/LogicPoint.h"
#include "platform/Object.h"

class CCurve;

// Base of every curve's results object: turns its curve into rows of graph values and
// presents them to the export writers as text cells, a fixed number of column-title lines
// followed by data rows. Each curve owns exactly one, made on first request and bound to it;
// the bound curve is not owned. Only the sampling settings are stored in documents, the
// rows are computed again on demand (Compute) and live in memory only.
//
// The base rows are graph points (x, y in axis values, not their logarithms) whose validity
// flag tells whether y is defined. Numbers become cells through FormatG ("%g" with
// three-digit exponents), so that every kind writes 1.5e+007, never 1.5e+07.
class CResults : public CObject {
    DECLARE_DYNAMIC(CResults)
public:
    using CellList = std::vector<std::string>;
    using RowList = std::vector<CLogicPoint>;

    // No computation makes more rows than this, whatever a document asks for: the export
    // dialogs refuse more than a million, and a damaged or hand-made document must not make
    // the program loop or exhaust memory. A computation that reaches it stops there.
    static constexpr int kMaxComputedRows = 10000000;
    // The largest number of rows the export dialogs accept for one curve.
    static constexpr int kMaxExportedRows = 1000000;

    ~CResults() override = default;

    // A new results object of the same class with the same settings, bound to no curve;
    // the rows are not copied (callers compute before reading rows).
    virtual std::unique_ptr<CResults> Clone() const = 0;
    virtual void SetCurve(CCurve* pCurve) { m_pCurve = pCurve; }
    CCurve* GetCurve() const { return m_pCurve; }

    // Recomputes the rows from the bound curve, replacing the previous ones. Never fails:
    // settings no dialog would accept give no rows (see each kind's Validate).
    virtual void Compute() {}
    // Number of column-title lines this object contributes.
    virtual int GetTitleLineCount() const { return 2; }
    // Number of data rows made by the last Compute.
    virtual int GetRowCount() const { return static_cast<int>(m_Rows.size()); }
    // Appends the cells of title line nIndex: 0 the curve's name and an empty cell, 1 the
    // names of the X and Y axes; any other index (negative ones too, asked when another
    // results object has more title lines) two empty cells.
    virtual void GetTitleLine(int nIndex, CellList& cells) const;
    // Appends the cells of row nIndex: x and y, y empty when undefined; two empty cells for
    // an index outside the rows (asked when another results object has more rows).
    virtual void GetRow(int nIndex, CellList& cells) const;
    // Appends the cells of row nIndex to strLine, each followed by cSeparator: the text the
    // file writer makes of GetRow's cells. This version asks GetRow, so that a kind with
    // rows of its own needs no more; the kinds whose rows are the base ones override it with
    // AppendPointRow, which formats straight into the line (an export of a million rows asks
    // for it millions of times).
    virtual void AppendRow(int nIndex, char cSeparator, std::string& strLine) const;

    const RowList& GetRows() const { return m_Rows; }

protected:
    CResults() = default;
    CResults(const CResults& other) : CObject(other), m_pCurve(nullptr) {}
    CResults& operator=(const CResults&) = delete;

    // AppendRow for the base rows, without the cells: the same bytes as GetRow's cells joined.
    void AppendPointRow(int nIndex, char cSeparator, std::string& strLine) const;

    CCurve* m_pCurve = nullptr;
    RowList m_Rows;
};
