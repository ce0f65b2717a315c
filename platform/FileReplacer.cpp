#include "platform/FileReplacer.h"

#include <cerrno>
#include <chrono>
#include <filesystem>
#include <ostream>
#include <random>
#include <streambuf>
#include <system_error>
#include <utility>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/NumberFormat.h"
#include "platform/StringIds.h"
#include "platform/StringTable.h"

namespace {

constexpr int kTempNameAttempts = 100;
// Links followed before giving up, as the system does (ELOOP).
constexpr int kMaxLinks = 40;
// The old bytes of a file written in place are held in memory to be put back on failure;
// a larger file is refused in place rather than put at risk.
constexpr off_t kMaxInPlaceBytes = off_t(256) << 20;
constexpr size_t kStreamBufferSize = 1 << 16;

std::string FolderOf(const std::string& strPath)
{
    const std::filesystem::path parent = std::filesystem::path(strPath).parent_path();
    return parent.empty() ? std::string(".") : parent.string();
}

bool WriteFully(int fd, const char* pData, size_t nSize, off_t* pOffset = nullptr)
{
    while (nSize > 0) {
        const ssize_t n =
            pOffset != nullptr ? ::pwrite(fd, pData, nSize, *pOffset) : ::write(fd, pData, nSize);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        pData += n;
        nSize -= static_cast<size_t>(n);
        if (pOffset != nullptr)
            *pOffset += n;
    }
    return true;
}

bool ReadFully(int fd, std::vector<char>& bytes)
{
    size_t nDone = 0;
    while (nDone < bytes.size()) {
        const ssize_t n = ::read(fd, bytes.data() + nDone, bytes.size() - nDone);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        nDone += static_cast<size_t>(n);
    }
    return true;
}

}  // namespace

// Gathers small writes into large ones; nothing reaches the file before the buffer fills
// or the stream is flushed.
class CFileReplacer::CStreamBuffer : public std::streambuf {
public:
    explicit CStreamBuffer(CFileReplacer& owner) : m_Owner(owner), m_Buffer(kStreamBufferSize)
    {
        setp(m_Buffer.data(), m_Buffer.data() + m_Buffer.size());
    }
    void Discard() { setp(m_Buffer.data(), m_Buffer.data() + m_Buffer.size()); }

protected:
    int_type overflow(int_type c) override
    {
        if (!Drain())
            return traits_type::eof();
        if (!traits_type::eq_int_type(c, traits_type::eof())) {
            *pptr() = traits_type::to_char_type(c);
            pbump(1);
        }
        return traits_type::not_eof(c);
    }
    int sync() override { return Drain() ? 0 : -1; }

private:
    bool Drain()
    {
        const size_t nSize = static_cast<size_t>(pptr() - pbase());
        Discard();
        return m_Owner.Write(m_Buffer.data(), nSize);
    }

    CFileReplacer& m_Owner;
    std::vector<char> m_Buffer;
};

CFileReplacer::CFileReplacer(std::string strTarget) : m_strTarget(std::move(strTarget)) {}

CFileReplacer::~CFileReplacer()
{
    Abandon();
}

std::string CFileReplacer::FollowLinks(const std::string& strPath)
{
    std::filesystem::path path(strPath);
    for (int i = 0; i < kMaxLinks; ++i) {
        std::error_code ec;
        if (!std::filesystem::is_symlink(std::filesystem::symlink_status(path, ec)))
            break;
        const std::filesystem::path target = std::filesystem::read_symlink(path, ec);
        if (ec)
            break;
        path = target.is_absolute() ? target : path.parent_path() / target;
    }
    return path.string();
}

bool CFileReplacer::Fail(int nErrno)
{
    return Fail(FormatWithString(CStringTable::Get(IDS_SYSTEM_REASON),
                                 std::error_code(nErrno, std::generic_category()).message()));
}

bool CFileReplacer::Fail(std::string strReason)
{
    m_strReason = std::move(strReason);
    m_bFailed = true;
    return false;
}

bool CFileReplacer::Open()
{
    if (m_Mode != Mode::Closed || m_bCommitted)
        return Fail(EBUSY);
    // A NUL would cut the name short in every system call: another file would be written.
    if (m_strTarget.empty() || m_strTarget.find('\0') != std::string::npos)
        return Fail(m_strTarget.empty() ? ENOENT : EINVAL);
    m_strPath = FollowLinks(m_strTarget);
    const std::string strFolder = FolderOf(m_strPath);

    struct stat st {};
    const bool bExists = ::stat(m_strPath.c_str(), &st) == 0;
    if (!bExists && errno != ENOENT)
        return Fail(errno);
    if (!bExists) {
        struct stat folder {};
        if (::stat(strFolder.c_str(), &folder) != 0 && errno == ENOENT)
            return Fail(FormatWithString(CStringTable::Get(IDS_FOLDER_MISSING), strFolder));
        if (!OpenTemporary(strFolder))
            return Fail(errno);
        m_Mode = Mode::Replace;
        return true;
    }

    if (S_ISCHR(st.st_mode) || S_ISBLK(st.st_mode) || S_ISFIFO(st.st_mode)) {
        // Renaming over a device or a pipe would replace the node itself.
        m_nFd = ::open(m_strPath.c_str(), O_WRONLY | O_CLOEXEC | O_NOCTTY);
        if (m_nFd < 0)
            return Fail(errno);
        m_Mode = Mode::Through;
        return true;
    }
    if (!S_ISREG(st.st_mode))
        return Fail(FormatWithString(CStringTable::Get(IDS_NOT_A_FILE), m_strTarget));

    // The rename would replace a file the user may not write: refuse it as opening it for
    // writing would. Opened without truncating, it is left untouched.
    const int nTargetFd = ::open(m_strPath.c_str(), O_WRONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK);
    if (nTargetFd < 0)
        return Fail(errno);
    if (OpenTemporary(strFolder)) {
        ::close(nTargetFd);
        // Owner first: changing it may clear mode bits. Only the superuser may give a file
        // away; anyone else keeps the new file as theirs.
        [[maybe_unused]] const bool bSameOwner = ::fchown(m_nFd, st.st_uid, st.st_gid) == 0 ||
                                                 ::fchown(m_nFd, static_cast<uid_t>(-1), st.st_gid) == 0;
        if (::fchmod(m_nFd, st.st_mode & 0777) != 0) {
            const int nErrno = errno;
            Abandon();
            return Fail(nErrno);
        }
        m_Mode = Mode::Replace;
        return true;
    }
    const int nErrno = errno;
    if (m_bInPlaceFallback && (nErrno == EACCES || nErrno == EPERM))
        return OpenInPlace(nTargetFd) || Fail(nErrno);
    ::close(nTargetFd);
    return Fail(nErrno);
}

bool CFileReplacer::OpenTemporary(const std::string& strFolder)
{
    // A short name: the target's own name may already be as long as the system allows.
    static constexpr char kChars[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    thread_local std::mt19937 engine(
        std::random_device{}() ^ static_cast<unsigned>(::getpid()) ^
        static_cast<unsigned>(std::chrono::steady_clock::now().time_since_epoch().count()));
    std::uniform_int_distribution<int> pick(0, static_cast<int>(sizeof kChars) - 2);
    for (int attempt = 0; attempt < kTempNameAttempts; ++attempt) {
        std::string strName = ".pv";
        for (int i = 0; i < 6; ++i)
            strName += kChars[pick(engine)];
        const std::string strPath = (std::filesystem::path(strFolder) / strName).string();
        // O_EXCL: made here or not at all, never an existing file or link taken over. Mode
        // 0666 lets the umask decide, as for any file made the ordinary way.
        const int fd = ::open(strPath.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOCTTY, 0666);
        if (fd >= 0) {
            m_nFd = fd;
            m_strTempPath = strPath;
            return true;
        }
        if (errno != EEXIST)
            return false;
    }
    errno = EEXIST;
    return false;
}

bool CFileReplacer::OpenInPlace(int nTargetFd)
{
    struct stat st {};
    const int nReadFd = ::open(m_strPath.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK);
    bool bOk =
        nReadFd >= 0 && ::fstat(nReadFd, &st) == 0 && S_ISREG(st.st_mode) && st.st_size <= kMaxInPlaceBytes;
    if (bOk) {
        m_OldBytes.resize(static_cast<size_t>(st.st_size));
        bOk = ReadFully(nReadFd, m_OldBytes);
    }
    if (nReadFd >= 0)
        ::close(nReadFd);
    if (!bOk) {
        m_OldBytes.clear();
        ::close(nTargetFd);
        return false;
    }
    m_nFd = nTargetFd;
    m_Mode = Mode::InPlace;
    return true;
}

bool CFileReplacer::Write(const void* pData, size_t nSize)
{
    if (m_bFailed)
        return false;
    if (m_nFd < 0 || m_bPrepared)
        return Fail(EBADF);
    if (!WriteFully(m_nFd, static_cast<const char*>(pData), nSize))
        return Fail(errno);
    m_nWritten += static_cast<long long>(nSize);
    return true;
}

std::ostream& CFileReplacer::GetStream()
{
    if (m_pStream == nullptr) {
        m_pBuffer = std::make_unique<CStreamBuffer>(*this);
        m_pStream = std::make_unique<std::ostream>(m_pBuffer.get());
    }
    return *m_pStream;
}

bool CFileReplacer::FlushStream()
{
    if (m_pStream == nullptr)
        return true;
    m_pStream->flush();
    return !m_bFailed && m_pStream->good();
}

bool CFileReplacer::Prepare()
{
    if (m_bPrepared)
        return !m_bFailed;
    if (m_Mode == Mode::Closed)
        return m_bFailed ? false : Fail(EBADF);
    if (!FlushStream() || m_bFailed) {
        if (!m_bFailed)
            Fail(EIO);
        Abandon();
        return false;
    }
    bool bOk = true;
    if (m_Mode == Mode::Replace) {
        // Some file systems cannot flush on request (EINVAL): their close still reports.
        int nErrno = ::fsync(m_nFd) == 0 || errno == EINVAL ? 0 : errno;
        if (::close(std::exchange(m_nFd, -1)) != 0 && nErrno == 0)
            nErrno = errno;
        bOk = nErrno == 0;
        if (!bOk)
            Fail(nErrno);
    } else if (m_Mode == Mode::InPlace) {
        bOk = ::ftruncate(m_nFd, static_cast<off_t>(m_nWritten)) == 0 && ::fsync(m_nFd) == 0;
        if (!bOk)
            Fail(errno);
    }
    if (!bOk) {
        Abandon();
        return false;
    }
    m_bPrepared = true;
    return true;
}

bool CFileReplacer::Commit()
{
    if (m_bCommitted)
        return true;
    if (!Prepare())
        return false;
    if (m_Mode == Mode::Replace) {
        if (::rename(m_strTempPath.c_str(), m_strPath.c_str()) != 0) {
            const int nErrno = errno;
            Abandon();
            return Fail(nErrno);
        }
        m_strTempPath.clear();
        // The new name reaches the disk as well (a crash now keeps one of the two files).
        const int nFolderFd = ::open(FolderOf(m_strPath).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        if (nFolderFd >= 0) {
            ::fsync(nFolderFd);
            ::close(nFolderFd);
        }
    } else {
        const int fd = std::exchange(m_nFd, -1);
        if (::close(fd) != 0 && m_Mode == Mode::Through) {
            m_bCommitted = true;  // nothing left to undo
            return Fail(errno);
        }
        m_OldBytes.clear();
        m_OldBytes.shrink_to_fit();
    }
    m_Mode = Mode::Closed;
    m_bCommitted = true;
    return true;
}

CFileReplacer* CFileReplacer::CommitAll(const std::vector<CFileReplacer*>& files)
{
    for (size_t i = 0; i < files.size(); ++i) {
        if (!files[i]->Commit()) {
            for (size_t j = i + 1; j < files.size(); ++j)
                files[j]->Abandon();
            return files[i];
        }
    }
    return nullptr;
}

void CFileReplacer::CloseDescriptor()
{
    if (m_nFd >= 0)
        ::close(std::exchange(m_nFd, -1));
}

void CFileReplacer::Abandon()
{
    if (m_bCommitted)
        return;
    if (m_pBuffer != nullptr)
        m_pBuffer->Discard();
    if (m_Mode == Mode::InPlace && m_nFd >= 0) {
        // The blocks of the old content are still the file's (it was never shortened
        // before Prepare), so writing them back needs no new room.
        off_t nOffset = 0;
        if (WriteFully(m_nFd, m_OldBytes.data(), m_OldBytes.size(), &nOffset) &&
            ::ftruncate(m_nFd, static_cast<off_t>(m_OldBytes.size())) == 0)
            ::fsync(m_nFd);
        m_OldBytes.clear();
    }
    CloseDescriptor();
    if (!m_strTempPath.empty()) {
        ::unlink(m_strTempPath.c_str());
        m_strTempPath.clear();
    }
    m_Mode = Mode::Closed;
}
