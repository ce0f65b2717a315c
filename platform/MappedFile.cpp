#include "platform/MappedFile.h"

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <new>

#include "platform/InputFileError.h"
#include "platform/NumberFormat.h"
#include "platform/StringIds.h"
#include "platform/StringTable.h"

namespace {

[[noreturn]] void FailOpen(int nErrno)
{
    throw CInputFileError(CInputFileError::Reason::CannotOpen, "Failed to open given file", nErrno);
}

struct FdCloser {
    int fd;
    ~FdCloser() { ::close(fd); }
};

}  // namespace

CMappedFile::CMappedFile(const std::string& path, uint64_t maxSize)
{
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) {
        FailOpen(errno);
    }
    FdCloser closer{fd};
    struct stat info;
    if (::fstat(fd, &info) != 0) {
        FailOpen(errno);
    }
    if (!S_ISREG(info.st_mode)) {
        throw CInputFileError(CInputFileError::Reason::NotRegular, CStringTable::Get(IDS_NOT_REGULAR_FILE));
    }
    if (info.st_size < 0 || static_cast<uint64_t>(info.st_size) > maxSize ||
        static_cast<uint64_t>(info.st_size) > SIZE_MAX) {
        throw CInputFileError(
            CInputFileError::Reason::TooLarge,
            FormatWithInt(CStringTable::Get(IDS_FILE_TOO_LARGE), static_cast<long long>(maxSize >> 20)));
    }
    const auto expected = static_cast<size_t>(info.st_size);
    if (expected > 0) {
        const auto size = static_cast<size_t>(info.st_size);
        void* mapped = ::mmap(nullptr, size, PROT_READ, MAP_PRIVATE, fd, 0);
        if (mapped != MAP_FAILED) {
            // Decoders read front to back.
            ::madvise(mapped, size, MADV_SEQUENTIAL);
            m_pMapped = static_cast<const uint8_t*>(mapped);
            m_nSize = size;
            return;
        }
    }
    // File systems without mapping. A file that grew meanwhile is read no further than it
    // was checked.
    ReadWhole(fd, expected);
}

CMappedFile::~CMappedFile()
{
    if (m_pMapped) {
        ::munmap(const_cast<uint8_t*>(m_pMapped), m_nSize);
    }
}

void CMappedFile::ReadWhole(int fd, size_t expected)
{
    try {
        size_t used = 0;
        m_Buffer.resize(expected);
        while (used < expected) {
            const ssize_t n = ::read(fd, m_Buffer.data() + used, m_Buffer.size() - used);
            if (n < 0) {
                if (errno == EINTR) {
                    continue;
                }
                FailOpen(errno);
            }
            if (n == 0) {
                break;
            }
            used += static_cast<size_t>(n);
        }
        m_Buffer.resize(used);
        m_nSize = used;
    } catch (const std::bad_alloc&) {
        FailOpen(ENOMEM);
    }
}
