#include "imaging/MappedFile.h"

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <new>

#include "imaging/TextException.h"

namespace {

[[noreturn]] void FailOpen()
{
    throw PLTextException(PL_ERRFILE_NOT_FOUND, "Failed to open given file");
}

struct FdCloser {
    int fd;
    ~FdCloser() { ::close(fd); }
};

}  // namespace

PLMappedFile::PLMappedFile(const std::string& path)
{
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        FailOpen();
    }
    FdCloser closer{fd};
    struct stat info;
    if (::fstat(fd, &info) != 0 || S_ISDIR(info.st_mode)) {
        FailOpen();
    }
    if (S_ISREG(info.st_mode) && info.st_size > 0) {
        if (static_cast<uint64_t>(info.st_size) > SIZE_MAX) {
            FailOpen();
        }
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
    // Pipes, devices and file systems without mapping.
    ReadWhole(fd);
}

PLMappedFile::~PLMappedFile()
{
    if (m_pMapped) {
        ::munmap(const_cast<uint8_t*>(m_pMapped), m_nSize);
    }
}

void PLMappedFile::ReadWhole(int fd)
{
    try {
        size_t used = 0;
        m_Buffer.resize(64 * 1024);
        for (;;) {
            if (used == m_Buffer.size()) {
                m_Buffer.resize(m_Buffer.size() * 2);
            }
            const ssize_t n = ::read(fd, m_Buffer.data() + used, m_Buffer.size() - used);
            if (n < 0) {
                if (errno == EINTR) {
                    continue;
                }
                FailOpen();
            }
            if (n == 0) {
                break;
            }
            used += static_cast<size_t>(n);
        }
        m_Buffer.resize(used);
        m_nSize = used;
    } catch (const std::bad_alloc&) {
        FailOpen();
    }
}
