#include "Dm/FileResultDumper.h"

#include "Dm/PlotvaneException.h"
#include "platform/FileReplacer.h"
#include "platform/StringIds.h"
#include "platform/StringTable.h"

namespace {

// Lines gather here and reach the file in large writes: an export of a million rows is tens
// of megabytes, and a system call per line or per cell would cost more than formatting it.
constexpr size_t kBufferSize = 1 << 20;

[[noreturn]] void Throw(unsigned nStringId, const CFileReplacer& file)
{
    const std::string& strReason = file.GetReason();
    throw CPlotvaneException(CStringTable::Get(nStringId) + (strReason.empty() ? "" : "\n" + strReason));
}

}  // namespace

CFileResultDumper::CFileResultDumper(const ResultsList& results, const std::string& strPath, char cSeparator)
    : CAbstractResultDumper(results),
      m_pOwnFile(std::make_unique<CFileReplacer>(strPath)),
      m_File(*m_pOwnFile),
      m_cSeparator(cSeparator)
{
    Open();
}

CFileResultDumper::CFileResultDumper(const ResultsList& results, CFileReplacer& file, char cSeparator)
    : CAbstractResultDumper(results), m_File(file), m_cSeparator(cSeparator)
{
    Open();
}

CFileResultDumper::~CFileResultDumper() = default;

void CFileResultDumper::Open()
{
    // A folder where no new file may be made but whose file may be written: the export
    // still goes there, in place.
    m_File.SetInPlaceFallback(true);
    if (!m_File.Open())
        Throw(IDS_CANNOT_OPEN_FOR_WRITING, m_File);
    m_Buffer.reserve(kBufferSize + 4096);
}

void CFileResultDumper::JoinCells(const CResults::CellList& cells, std::string& strOut)
{
    // One resize and plain copies: cells are a few characters long, and a million-row export
    // joins millions of them, where appending them one by one costs more than formatting.
    size_t total = 0;
    for (const std::string& cell : cells)
        total += cell.size() + 1;
    const size_t start = strOut.size();
    strOut.resize(start + total);
    char* p = &strOut[start];
    for (const std::string& cell : cells) {
        for (char c : cell)
            *p++ = c;
        *p++ = m_cSeparator;
    }
}

void CFileResultDumper::WriteLine(const std::string& strLine)
{
    if (m_bFinished)
        Throw(IDS_CANNOT_WRITE, m_File);
    // CR LF written out on every system: the file is opened in binary mode.
    m_Buffer.append(strLine);
    m_Buffer.append("\r\n", 2);
    if (m_Buffer.size() >= kBufferSize)
        FlushBuffer();
}

void CFileResultDumper::WriteRows()
{
    if (m_bFinished)
        Throw(IDS_CANNOT_WRITE, m_File);
    const int nRows = GetMaxRowCount();
    for (int i = 0; i < nRows; ++i) {
        // Shorter results are asked for rows past their end too, which gives empty cells.
        for (const CResults* pResults : GetResultsList())
            pResults->AppendRow(i, m_cSeparator, m_Buffer);
        m_Buffer.append("\r\n", 2);
        if (m_Buffer.size() >= kBufferSize)
            FlushBuffer();
    }
}

void CFileResultDumper::FlushBuffer()
{
    if (m_Buffer.empty())
        return;
    const bool bWritten = m_File.Write(m_Buffer);
    m_Buffer.clear();
    if (!bWritten)
        Throw(IDS_CANNOT_WRITE, m_File);
}

void CFileResultDumper::Finish()
{
    if (m_bFinished)
        Throw(IDS_CANNOT_WRITE, m_File);
    m_bFinished = true;
    FlushBuffer();
    if (!(m_pOwnFile != nullptr ? m_File.Commit() : m_File.Prepare()))
        Throw(IDS_CANNOT_WRITE, m_File);
}
