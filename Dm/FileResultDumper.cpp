#include "Dm/FileResultDumper.h"

#include <cerrno>
#include <chrono>
#include <filesystem>
#include <random>

#include "Dm/PlotvaneException.h"
#include "platform/StringIds.h"
#include "platform/StringTable.h"

namespace fs = std::filesystem;

namespace {

// Lines gather here and reach the file in large writes: an export of a million rows is tens
// of megabytes, and a system call per line or per cell would cost more than formatting it.
constexpr size_t kBufferSize = 1 << 20;
constexpr int kTempNameAttempts = 100;

[[noreturn]] void ThrowOpenError()
{
    throw CPlotvaneException(CStringTable::Get(IDS_CANNOT_OPEN_FOR_WRITING));
}

[[noreturn]] void ThrowWriteError()
{
    throw CPlotvaneException(CStringTable::Get(IDS_CANNOT_WRITE));
}

std::string RandomSuffix()
{
    static constexpr char kChars[] = "abcdefghijklmnopqrstuvwxyz0123456789";
    thread_local std::mt19937 engine(
        std::random_device{}() ^
        static_cast<unsigned>(std::chrono::steady_clock::now().time_since_epoch().count()));
    std::uniform_int_distribution<int> pick(0, static_cast<int>(sizeof kChars) - 2);
    std::string suffix(8, ' ');
    for (char& c : suffix)
        c = kChars[pick(engine)];
    return suffix;
}

}  // namespace

CFileResultDumper::CFileResultDumper(const ResultsList& results, const std::string& strPath, char cSeparator)
    : CAbstractResultDumper(results), m_strTargetPath(strPath), m_cSeparator(cSeparator)
{
    if (strPath.empty())
        ThrowOpenError();

    // A link is followed, so that the file it points to gets the export and the link stays.
    std::error_code ec;
    fs::path target(strPath);
    if (fs::is_symlink(target, ec)) {
        const fs::path resolved = fs::weakly_canonical(target, ec);
        if (!ec)
            target = resolved;
    }

    const fs::file_status status = fs::status(target, ec);
    if (fs::exists(status) && !fs::is_regular_file(status)) {
        // A device or a pipe cannot be replaced by renaming; it gets the text directly.
        if (fs::is_directory(status))
            ThrowOpenError();
        m_pFile = std::fopen(target.string().c_str(), "wb");
        if (m_pFile == nullptr)
            ThrowOpenError();
    } else {
        // The rename would replace a file the user may not write to: refuse it as opening
        // it for writing would. Opened for appending, it is left untouched.
        if (fs::exists(status)) {
            std::FILE* pExisting = std::fopen(target.string().c_str(), "ab");
            if (pExisting == nullptr)
                ThrowOpenError();
            std::fclose(pExisting);
        }
        m_strTargetPath = target.string();
        if (OpenTempBeside(m_strTargetPath)) {
            if (fs::exists(status))
                fs::permissions(m_strTempPath, status.permissions(), ec);
        } else {
            // A folder where no new file may be made but whose file may be written: the
            // export still goes there, in place, without the protection of the rename.
            if (!fs::exists(status))
                ThrowOpenError();
            m_pFile = std::fopen(m_strTargetPath.c_str(), "wb");
            if (m_pFile == nullptr)
                ThrowOpenError();
        }
    }

    // Our own buffer does the buffering; the stream's would only copy it once more.
    std::setvbuf(m_pFile, nullptr, _IONBF, 0);
    m_Buffer.reserve(kBufferSize + 4096);
}

CFileResultDumper::~CFileResultDumper()
{
    if (m_strTempPath.empty() && m_pFile != nullptr) {
        // Written in place: keep what was produced, as far as it can be written.
        if (!m_Buffer.empty())
            std::fwrite(m_Buffer.data(), 1, m_Buffer.size(), m_pFile);
    }
    Abandon();
}

bool CFileResultDumper::OpenTempBeside(const std::string& strTarget)
{
    const fs::path target(strTarget);
    const std::string strPrefix = "." + target.filename().string() + ".";
    for (int attempt = 0; attempt < kTempNameAttempts; ++attempt) {
        const fs::path temp = target.parent_path() / (strPrefix + RandomSuffix() + ".tmp");
        errno = 0;
        // "x": created here or not at all, never an existing file taken over.
        m_pFile = std::fopen(temp.string().c_str(), "wbx");
        if (m_pFile != nullptr) {
            m_strTempPath = temp.string();
            return true;
        }
        if (errno != EEXIST)
            break;
    }
    return false;
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
    if (m_pFile == nullptr)
        ThrowWriteError();
    // CR LF written out on every system: the file is opened in binary mode.
    m_Buffer.append(strLine);
    m_Buffer.append("\r\n", 2);
    if (m_Buffer.size() >= kBufferSize)
        FlushBuffer();
}

void CFileResultDumper::WriteRows()
{
    if (m_pFile == nullptr)
        ThrowWriteError();
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
    const size_t size = m_Buffer.size();
    const size_t written = std::fwrite(m_Buffer.data(), 1, size, m_pFile);
    m_Buffer.clear();
    if (written != size)
        ThrowWriteError();
}

void CFileResultDumper::Finish()
{
    if (m_pFile == nullptr)
        ThrowWriteError();
    FlushBuffer();
    std::FILE* pFile = m_pFile;
    m_pFile = nullptr;
    // Closing reports what the system could only tell at the end (a full disk on a network
    // file system, for example).
    const bool bClosed = std::fflush(pFile) == 0 && !std::ferror(pFile);
    if (std::fclose(pFile) != 0 || !bClosed) {
        Abandon();
        ThrowWriteError();
    }
    if (m_strTempPath.empty())
        return;
    std::error_code ec;
    fs::rename(m_strTempPath, m_strTargetPath, ec);
    if (ec) {
        Abandon();
        ThrowWriteError();
    }
    m_strTempPath.clear();
}

void CFileResultDumper::Abandon()
{
    if (m_pFile != nullptr) {
        std::fclose(m_pFile);
        m_pFile = nullptr;
    }
    if (!m_strTempPath.empty()) {
        std::error_code ec;
        fs::remove(m_strTempPath, ec);
        m_strTempPath.clear();
    }
}
