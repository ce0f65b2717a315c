#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// The bytes of a file the program was given (a picture, a document, a job), read-only:
// mapped into memory where the system allows it, so that a large file is not copied;
// otherwise read whole into a buffer. The bytes stay valid while the object lives.
// The one gate of input files: only a regular file no larger than the bound is read. The
// file is opened without waiting (a FIFO without a writer) and checked before a byte of it
// is read, so that a device, a FIFO or a folder is refused rather than read until memory
// runs out. Not copyable.
class CMappedFile {
public:
    // The bound of pictures and documents (a document embeds its picture).
    static constexpr uint64_t kMaxSize = uint64_t(2) << 30;  // 2 GiB

    // Raises CInputFileError: CannotOpen ("Failed to open given file", with errno) when the
    // file cannot be opened or read, NotRegular ("This is not a regular file.") and TooLarge
    // ("The file is larger than %d MB.", the bound in MB).
    explicit CMappedFile(const std::string& path, uint64_t maxSize = kMaxSize);
    ~CMappedFile();
    CMappedFile(const CMappedFile&) = delete;
    CMappedFile& operator=(const CMappedFile&) = delete;

    const uint8_t* GetData() const { return m_pMapped ? m_pMapped : m_Buffer.data(); }
    size_t GetSize() const { return m_nSize; }

private:
    void ReadWhole(int fd, size_t expected);

    const uint8_t* m_pMapped = nullptr;
    size_t m_nSize = 0;
    std::vector<uint8_t> m_Buffer;
};
