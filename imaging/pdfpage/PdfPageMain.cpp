// plotvane-pdf-page PAGE DPI: draws one page of the PDF file read from the standard input
// and writes it to the standard output, for the PDF decoder, which runs this program so that
// a page that draws for ever or without measure can be stopped, and bounds its time and
// memory from outside. What it writes: the four bytes "PVPG", then four native 32-bit
// integers (status, width, height, flags), then, when the status is kDrawn, height rows of
// width pixels of 4 bytes (blue, green, red, 0xFF). The standard error is not read.
#include <poppler-document.h>
#include <poppler-global.h>
#include <poppler-image.h>
#include <poppler-page-renderer.h>
#include <poppler-page.h>

#include <sys/mman.h>
#include <sys/prctl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <climits>
#include <csignal>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <new>
#include <string>
#include <vector>

#include "imaging/PdfPageProtocol.h"

namespace {

// Whether poppler reported anything wrong while the page was drawn.
bool g_bComplaint = false;

void NotePopplerMessage(const std::string&, void*)
{
    g_bComplaint = true;
}

bool WriteAll(const void* data, size_t size)
{
    const auto* p = static_cast<const uint8_t*>(data);
    while (size > 0) {
        const ssize_t n = write(STDOUT_FILENO, p, size);
        if (n <= 0)
            return false;
        p += n;
        size -= static_cast<size_t>(n);
    }
    return true;
}

int Answer(int32_t status, int32_t width = 0, int32_t height = 0, int32_t flags = 0)
{
    const int32_t header[4] = {status, width, height, flags};
    const bool bWritten = WriteAll(PLPdfPageProtocol::kMagic, PLPdfPageProtocol::kMagicSize) &&
                          WriteAll(header, sizeof(header));
    return bWritten ? 0 : 1;
}

// The standard input, a file the decoder filled, mapped whole.
const char* MapInput(size_t& size)
{
    struct stat info {};
    if (fstat(STDIN_FILENO, &info) != 0 || !S_ISREG(info.st_mode) || info.st_size < 1 ||
        info.st_size > INT_MAX)
        return nullptr;
    size = static_cast<size_t>(info.st_size);
    void* p = mmap(nullptr, size, PROT_READ, MAP_PRIVATE, STDIN_FILENO, 0);
    return p == MAP_FAILED ? nullptr : static_cast<const char*>(p);
}

// Sends what poppler prints on the standard error while drawing to a file of its own, and
// tells afterwards whether anything came.
class StderrWatch {
public:
    StderrWatch()
    {
        m_nSaved = dup(STDERR_FILENO);
        FILE* pFile = std::tmpfile();
        if (pFile != nullptr && m_nSaved >= 0) {
            m_pFile = pFile;
            std::fflush(stderr);
            dup2(fileno(pFile), STDERR_FILENO);
        }
    }
    ~StderrWatch()
    {
        if (m_pFile != nullptr)
            std::fclose(m_pFile);
        if (m_nSaved >= 0)
            close(m_nSaved);
    }
    bool Stop()
    {
        if (m_pFile == nullptr)
            return false;
        std::fflush(stderr);
        dup2(m_nSaved, STDERR_FILENO);
        return lseek(fileno(m_pFile), 0, SEEK_END) > 0;
    }

private:
    int m_nSaved = -1;
    FILE* m_pFile = nullptr;
};

int Draw(int nPage, int nDpi)
{
    size_t size = 0;
    const char* data = MapInput(size);
    if (data == nullptr)
        return Answer(PLPdfPageProtocol::kDamaged);
    std::unique_ptr<poppler::document> pDocument(
        poppler::document::load_from_raw_data(data, static_cast<int>(size)));
    if (!pDocument || pDocument->is_locked() || nPage < 1 || nPage > pDocument->pages())
        return Answer(PLPdfPageProtocol::kDamaged);
    const std::unique_ptr<poppler::page> pPage(pDocument->create_page(nPage - 1));
    if (!pPage)
        return Answer(PLPdfPageProtocol::kDamaged);

    poppler::page_renderer renderer;
    renderer.set_render_hints(poppler::page_renderer::antialiasing |
                              poppler::page_renderer::text_antialiasing);
    renderer.set_image_format(poppler::image::format_argb32);
    renderer.set_paper_color(0xFFFFFFFF);
    StderrWatch watch;
    g_bComplaint = false;
    const poppler::image image = renderer.render_page(pPage.get(), nDpi, nDpi);
    const bool bIncomplete = watch.Stop() || g_bComplaint;
    if (!image.is_valid() || image.format() != poppler::image::format_argb32 || image.width() < 1 ||
        image.height() < 1 || image.bytes_per_row() < image.width() * 4)
        return Answer(PLPdfPageProtocol::kDamaged);

    const int32_t flags = bIncomplete ? PLPdfPageProtocol::kIncomplete : 0;
    if (Answer(PLPdfPageProtocol::kDrawn, image.width(), image.height(), flags) != 0)
        return 1;
    // poppler's pixels are native 0xAARRGGBB words; the rows go out as blue, green, red,
    // 0xFF whatever the machine's byte order.
    std::vector<uint8_t> row(static_cast<size_t>(image.width()) * 4);
    const char* source = image.const_data();
    for (int y = 0; y < image.height(); ++y) {
        const char* in = source + static_cast<size_t>(y) * static_cast<size_t>(image.bytes_per_row());
        for (size_t x = 0; x < row.size(); x += 4) {
            uint32_t word = 0;
            std::memcpy(&word, in + x, sizeof(word));
            row[x] = static_cast<uint8_t>(word);
            row[x + 1] = static_cast<uint8_t>(word >> 8);
            row[x + 2] = static_cast<uint8_t>(word >> 16);
            row[x + 3] = 0xFF;
        }
        if (!WriteAll(row.data(), row.size()))
            return 1;
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv)
{
    // The drawing ends with the program that asked for it.
    prctl(PR_SET_PDEATHSIG, SIGKILL);
    if (argc != 3)
        return 2;
    poppler::set_debug_error_function(NotePopplerMessage, nullptr);
    try {
        return Draw(std::atoi(argv[1]), std::atoi(argv[2]));
    } catch (const std::bad_alloc&) {
        return Answer(PLPdfPageProtocol::kOutOfMemory);
    }
}
