// Input files pass one gate: only a regular file no larger than the bound is read, and the
// check comes before any byte is read (a FIFO without a writer must not make us wait).
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <fstream>
#include <string>

#include "platform/InputFileError.h"
#include "platform/MappedFile.h"

namespace {

std::string RefusalOf(const std::string& path, uint64_t maxSize = CMappedFile::kMaxSize)
{
    try {
        const CMappedFile file(path, maxSize);
    } catch (const CInputFileError& e) {
        return e.what();
    }
    return "";
}

}  // namespace

TEST(MappedFile, ReadsOnlyRegularFilesWithinTheBound)
{
    const std::string fifo = std::string(PLOTVANE_TEST_WORK) + "/input.fifo";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    for (const std::string& path : {std::string("/dev/zero"), fifo, std::string(PLOTVANE_TEST_WORK)})
        EXPECT_EQ(RefusalOf(path), "This is not a regular file.") << path;

    const std::string file = std::string(PLOTVANE_TEST_WORK) + "/ten.bin";
    std::ofstream(file, std::ios::binary) << "0123456789";
    EXPECT_EQ(RefusalOf(file, 9), "The file is larger than 0 MB.");
    const CMappedFile whole(file, 10);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(whole.GetData()), whole.GetSize()), "0123456789");
}
