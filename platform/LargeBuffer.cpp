#include "platform/LargeBuffer.h"

#include <cstdlib>
#include <new>
#include <utility>

#if defined(__linux__)
#include <sys/mman.h>
#endif

namespace {
// Below this, the ordinary heap is as quick and wastes nothing.
constexpr size_t kMapThreshold = size_t(4) << 20;
}  // namespace

CLargeBuffer::CLargeBuffer(size_t size) : m_nSize(size)
{
    if (size == 0)
        return;
#if defined(__linux__) && !defined(__SANITIZE_ADDRESS__)
    if (size >= kMapThreshold) {
        void* p = mmap(nullptr, size, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
        if (p == MAP_FAILED)
            throw std::bad_alloc();
        madvise(p, size, MADV_HUGEPAGE);  // a hint: ignored where huge pages are off
        m_pData = static_cast<uint8_t*>(p);
        m_bMapped = true;
        return;
    }
#endif
    m_pData = static_cast<uint8_t*>(std::calloc(size, 1));
    if (m_pData == nullptr)
        throw std::bad_alloc();
}

CLargeBuffer::~CLargeBuffer() { Release(); }

CLargeBuffer::CLargeBuffer(CLargeBuffer&& other) noexcept
    : m_pData(std::exchange(other.m_pData, nullptr)),
      m_nSize(std::exchange(other.m_nSize, 0)),
      m_bMapped(std::exchange(other.m_bMapped, false))
{
}

CLargeBuffer& CLargeBuffer::operator=(CLargeBuffer&& other) noexcept
{
    if (this != &other) {
        Release();
        m_pData = std::exchange(other.m_pData, nullptr);
        m_nSize = std::exchange(other.m_nSize, 0);
        m_bMapped = std::exchange(other.m_bMapped, false);
    }
    return *this;
}

void CLargeBuffer::Release()
{
    if (m_pData == nullptr)
        return;
#if defined(__linux__)
    if (m_bMapped) {
        munmap(m_pData, m_nSize);
        m_pData = nullptr;
        return;
    }
#endif
    std::free(m_pData);
    m_pData = nullptr;
}
