#include "main/adapters/SettingsStoreFile.h"

#include <cerrno>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <sys/stat.h>
#include <unistd.h>

#include "main/adapters/QtSettingsBackend.h"
#include "main/adapters/QtText.h"
#include "platform/FileReplacer.h"
#include "platform/InputFileError.h"
#include "platform/MappedFile.h"

namespace {

// A settings file takes a few kilobytes; a larger one is not the program's and is left alone.
constexpr uint64_t kMaxFileSize = uint64_t(1) << 20;

// Whether a regular file may not be written: the system refuses it, or it has no write
// permission at all (which the superuser's writes would ignore).
bool IsReadOnlyFile(const std::string& strPath, const struct stat& st)
{
    return (st.st_mode & 0222) == 0 || ::access(strPath.c_str(), W_OK) != 0;
}

}  // namespace

CSettingsStoreFile::CSettingsStoreFile() = default;

CSettingsStoreFile::~CSettingsStoreFile() = default;

CSettingsStoreFile& CSettingsStoreFile::Get()
{
    static CSettingsStoreFile file;
    return file;
}

QString CSettingsStoreFile::Reload()
{
    if (m_pDir == nullptr)
        m_pDir = std::make_unique<QTemporaryDir>();
    if (!m_strWorking.isEmpty())
        QFile::remove(m_strWorking);
    // A new name each time: QSettings keeps what it read of a file by its name.
    m_strWorking = m_pDir->filePath(QStringLiteral("Plotvane-%1.conf").arg(++m_nGeneration));

    const std::string strPath = CQtText::PathFromQString(CQtSettingsBackend::StoreFileName());
    m_Original.clear();
    m_bReadOnly = false;
    m_bWritable = false;
    try {
        // Opened without waiting (a pipe would hang the start) and read only when regular.
        const CMappedFile file(strPath, kMaxFileSize);
        m_Original =
            QByteArray(reinterpret_cast<const char*>(file.GetData()), static_cast<qsizetype>(file.GetSize()));
        struct stat st {};
        m_bReadOnly = ::stat(strPath.c_str(), &st) == 0 && IsReadOnlyFile(strPath, st);
        m_bWritable = !m_bReadOnly;
    } catch (const CInputFileError& e) {
        struct stat st {};
        const bool bExists = ::stat(strPath.c_str(), &st) == 0;
        // No file yet, or a device (a link to /dev/null throws the settings away): written
        // at exit. A pipe, a folder, a file too large or unreadable: left alone.
        m_bWritable =
            (!bExists && errno == ENOENT) || (bExists && (S_ISCHR(st.st_mode) || S_ISBLK(st.st_mode)));
        m_bReadOnly = bExists && S_ISREG(st.st_mode) && e.GetReason() == CInputFileError::Reason::CannotOpen;
    }
    QFile working(m_strWorking);
    if (working.open(QIODevice::WriteOnly | QIODevice::Truncate))
        working.write(m_Original);
    m_bRead = true;
    return m_strWorking;
}

QString CSettingsStoreFile::GetWorkingFileName()
{
    return m_bRead ? m_strWorking : Reload();
}

bool CSettingsStoreFile::Save()
{
    if (!m_bRead || !m_bWritable)
        return true;
    QFile working(m_strWorking);
    if (!working.open(QIODevice::ReadOnly))
        return false;
    const QByteArray content = working.readAll();
    const std::string strPath = CQtText::PathFromQString(CQtSettingsBackend::StoreFileName());

    // What the file is now, its links followed: it may have changed since it was read.
    const std::string strTarget = CFileReplacer::FollowLinks(strPath);
    struct stat st {};
    if (::stat(strTarget.c_str(), &st) == 0) {
        if (S_ISREG(st.st_mode) ? IsReadOnlyFile(strTarget, st)
                                : !(S_ISCHR(st.st_mode) || S_ISBLK(st.st_mode)))
            return true;
        if (S_ISREG(st.st_mode) && content == m_Original)
            return true;
    } else {
        if (errno != ENOENT)
            return true;
        QDir().mkpath(QFileInfo(QString::fromStdString(strTarget)).absolutePath());
    }
    CFileReplacer file(strPath);
    if (!file.Open() || !file.Write(content.constData(), static_cast<size_t>(content.size())) ||
        !file.Commit())
        return false;
    m_Original = content;
    return true;
}
