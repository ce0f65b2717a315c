#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// The bytes of a file, read-only, for decoding: mapped into memory where the system
// allows it, so that a large picture file is not copied; otherwise read whole into a
// buffer. The bytes stay valid while the object lives. Not copyable.
class PLMappedFile {
public:
    // Raises PLTextException (PL_ERRFILE_NOT_FOUND, "Failed to open given file") when the
    // file cannot be opened or read.
    explicit PLMappedFile(const std::string& path);
    ~PLMappedFile();
    PLMappedFile(const PLMappedFile&) = delete;
    PLMappedFile& operator=(const PLMappedFile&) = delete;

    const uint8_t* GetData() const { return m_pMapped ? m_pMapped : m_Buffer.data(); }
    size_t GetSize() const { return m_nSize; }

private:
    void ReadWhole(int fd);

    const uint8_t* m_pMapped = nullptr;
    size_t m_nSize = 0;
    std::vector<uint8_t> m_Buffer;
};
