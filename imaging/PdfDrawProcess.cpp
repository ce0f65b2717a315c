#include "imaging/PdfDrawProcess.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/mman.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <climits>
#include <cmath>
#include <cstring>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "imaging/Bmp.h"
#include "imaging/PdfDrawWaiter.h"
#include "imaging/PdfPageProtocol.h"
#include "imaging/TextException.h"
#include "platform/NumberFormat.h"
#include "platform/StringIds.h"
#include "platform/StringTable.h"

extern char** environ;

namespace {

constexpr int kPollMilliseconds = 20;
constexpr size_t kHeaderSize = PLPdfPageProtocol::kHeaderSize;

[[noreturn]] void Fail(PLErrCode code, const std::string& message)
{
    throw PLTextException(code, message);
}

// A file descriptor closed with its owner.
class Descriptor {
public:
    explicit Descriptor(int fd = -1) : m_fd(fd) {}
    ~Descriptor() { Reset(); }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int Get() const { return m_fd; }
    void Reset(int fd = -1)
    {
        if (m_fd >= 0)
            close(m_fd);
        m_fd = fd;
    }

private:
    int m_fd;
};

// The drawing program's process, killed and reaped with its owner unless it has ended.
class Child {
public:
    explicit Child(pid_t pid) : m_pid(pid) {}
    ~Child() { Kill(); }
    Child(const Child&) = delete;
    Child& operator=(const Child&) = delete;

    void Kill()
    {
        if (m_bReaped)
            return;
        kill(m_pid, SIGKILL);
        Wait(0);
    }
    // Whether the process has ended (waiting for it with flags 0, without with WNOHANG).
    bool Wait(int flags)
    {
        if (m_bReaped)
            return true;
        pid_t result = 0;
        do
            result = waitpid(m_pid, &m_nStatus, flags);
        while (result < 0 && errno == EINTR);
        if (result == m_pid || result < 0)
            m_bReaped = true;
        return m_bReaped;
    }
    bool ExitedCleanly() const { return m_bReaped && WIFEXITED(m_nStatus) && WEXITSTATUS(m_nStatus) == 0; }
    pid_t Pid() const { return m_pid; }

    // Processor time used so far, in seconds, and resident memory, in bytes; 0 when unknown.
    double CpuSeconds() const
    {
        std::ifstream stat("/proc/" + std::to_string(m_pid) + "/stat");
        std::string line;
        std::getline(stat, line);
        const size_t end = line.rfind(')');
        if (end == std::string::npos)
            return 0;
        // After the command's name: state, then fields 4 to 13, then utime and stime.
        std::istringstream fields(line.substr(end + 1));
        std::string field;
        for (int i = 3; i <= 13 && fields >> field; ++i) {
        }
        unsigned long long user = 0;
        unsigned long long system = 0;
        fields >> user >> system;
        const long ticks = sysconf(_SC_CLK_TCK);
        return ticks > 0 ? static_cast<double>(user + system) / static_cast<double>(ticks) : 0;
    }
    uint64_t ResidentBytes() const
    {
        std::ifstream statm("/proc/" + std::to_string(m_pid) + "/statm");
        unsigned long long size = 0;
        unsigned long long resident = 0;
        statm >> size >> resident;
        const long page = sysconf(_SC_PAGESIZE);
        return page > 0 ? resident * static_cast<uint64_t>(page) : 0;
    }

private:
    pid_t m_pid;
    int m_nStatus = 0;
    bool m_bReaped = false;
};

// The file handed to the drawing program as its standard input: an anonymous file in memory.
int MakeInput(const uint8_t* data, size_t size)
{
    const int fd = memfd_create("plotvane-pdf", MFD_CLOEXEC);
    if (fd < 0)
        return -1;
    size_t written = 0;
    while (written < size) {
        const ssize_t n = write(fd, data + written, size - written);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            close(fd);
            return -1;
        }
        written += static_cast<size_t>(n);
    }
    return fd;
}

pid_t Spawn(const std::string& program, int page, int dpi, int input, int output)
{
    posix_spawn_file_actions_t actions;
    if (posix_spawn_file_actions_init(&actions) != 0)
        return -1;
    posix_spawn_file_actions_adddup2(&actions, input, STDIN_FILENO);
    posix_spawn_file_actions_adddup2(&actions, output, STDOUT_FILENO);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    const std::string strPage = std::to_string(page);
    const std::string strDpi = std::to_string(dpi);
    std::vector<char*> argv = {const_cast<char*>(program.c_str()), const_cast<char*>(strPage.c_str()),
                               const_cast<char*>(strDpi.c_str()), nullptr};
    pid_t pid = -1;
    if (posix_spawn(&pid, program.c_str(), &actions, nullptr, argv.data(), environ) != 0)
        pid = -1;
    posix_spawn_file_actions_destroy(&actions);
    return pid;
}

// Reads the drawing program's answer as it comes: the header, then the rows into the bitmap.
class AnswerReader {
public:
    AnswerReader(PLBmp& bmp, double maxPixels) : m_Bmp(bmp), m_MaxPixels(maxPixels) {}

    // Takes what the pipe holds; false at its end.
    bool ReadFrom(int fd)
    {
        for (;;) {
            uint8_t* target = nullptr;
            size_t wanted = 0;
            if (m_nHeaderRead < kHeaderSize) {
                target = m_Header + m_nHeaderRead;
                wanted = kHeaderSize - m_nHeaderRead;
            } else if (m_nRow < m_Bmp.GetHeight()) {
                const size_t rowBytes = static_cast<size_t>(m_Bmp.GetWidth()) * 4;
                target = m_Bmp.GetRow(m_nRow) + m_nRowRead;
                wanted = rowBytes - m_nRowRead;
            } else {
                uint8_t extra[256];
                target = extra;
                wanted = sizeof(extra);
                const ssize_t n = read(fd, target, wanted);
                if (n > 0)
                    m_bExtra = true;
                if (n == 0)
                    return false;
                if (n < 0)
                    return errno == EAGAIN || errno == EINTR;
                continue;
            }
            const ssize_t n = read(fd, target, wanted);
            if (n == 0)
                return false;
            if (n < 0)
                return errno == EAGAIN || errno == EINTR;
            Advance(static_cast<size_t>(n));
        }
    }

    bool IsComplete() const
    {
        return m_nHeaderRead == kHeaderSize && Status() == PLPdfPageProtocol::kDrawn && !m_Bmp.IsEmpty() &&
               m_nRow == m_Bmp.GetHeight() && !m_bExtra && !m_bBad;
    }
    int32_t Status() const { return Field(0); }
    bool IsIncomplete() const { return (Field(3) & PLPdfPageProtocol::kIncomplete) != 0; }

private:
    int32_t Field(int i) const
    {
        int32_t value = 0;
        std::memcpy(&value, m_Header + PLPdfPageProtocol::kMagicSize + i * sizeof(int32_t), sizeof(value));
        return value;
    }

    void Advance(size_t n)
    {
        if (m_nHeaderRead < kHeaderSize) {
            m_nHeaderRead += n;
            if (m_nHeaderRead == kHeaderSize)
                StartPixels();
            return;
        }
        m_nRowRead += n;
        if (m_nRowRead == static_cast<size_t>(m_Bmp.GetWidth()) * 4) {
            m_nRowRead = 0;
            ++m_nRow;
        }
    }

    // The bitmap of the size announced, when the answer is a drawn page within the bound.
    void StartPixels()
    {
        const int32_t width = Field(1);
        const int32_t height = Field(2);
        if (std::memcmp(m_Header, PLPdfPageProtocol::kMagic, PLPdfPageProtocol::kMagicSize) != 0 ||
            Status() != PLPdfPageProtocol::kDrawn)
            return;
        if (width < 1 || height < 1 || static_cast<double>(width) * height > m_MaxPixels) {
            m_bBad = true;
            return;
        }
        m_Bmp.Create(width, height, 32);
    }

    PLBmp& m_Bmp;
    double m_MaxPixels;
    uint8_t m_Header[kHeaderSize] = {};
    size_t m_nHeaderRead = 0;
    int32_t m_nRow = 0;
    size_t m_nRowRead = 0;
    bool m_bExtra = false;
    bool m_bBad = false;
};

}  // namespace

std::string PLPdfDrawProcess::ProgramPath()
{
    std::vector<char> self(PATH_MAX + 1, '\0');
    const ssize_t n = readlink("/proc/self/exe", self.data(), PATH_MAX);
    std::string strDir = n > 0 ? std::string(self.data(), static_cast<size_t>(n)) : std::string();
    const size_t slash = strDir.rfind('/');
    strDir = slash == std::string::npos ? std::string(".") : strDir.substr(0, slash);
    return strDir + "/../libexec/plotvane/plotvane-pdf-page";
}

bool PLPdfDrawProcess::Draw(const uint8_t* data, size_t size, int page, int dpi, const Bounds& bounds,
                            PLPdfDrawWaiter* pWaiter, PLBmp& bmp)
{
    const std::string program = ProgramPath();
    const Descriptor input(MakeInput(data, size));
    int pipeEnds[2] = {-1, -1};
    if (input.Get() < 0 || pipe2(pipeEnds, O_CLOEXEC) != 0)
        Fail(PL_ERRNO_MEMORY, CStringTable::Get(IDS_NOT_ENOUGH_MEMORY));
    const Descriptor output(pipeEnds[0]);
    Descriptor outputEnd(pipeEnds[1]);
    const pid_t pid = Spawn(program, page, dpi, input.Get(), outputEnd.Get());
    outputEnd.Reset();
    if (pid < 0)
        Fail(PL_ERRINTERNAL, FormatWithStrings(CStringTable::Get(IDS_PDF_NO_DRAWER), {program}));
    Child child(pid);
    fcntl(output.Get(), F_SETFL, fcntl(output.Get(), F_GETFL) | O_NONBLOCK);

    // The waiter hears of the end however the drawing ends.
    struct WaiterEnd {
        PLPdfDrawWaiter* pWaiter;
        bool bAsked = false;
        ~WaiterEnd()
        {
            if (bAsked)
                pWaiter->Finished();
        }
    } waiterEnd{pWaiter};

    AnswerReader reader(bmp, bounds.maxPixels);
    const auto started = std::chrono::steady_clock::now();
    const auto period = std::chrono::milliseconds(kPollMilliseconds);
    auto lastCheck = started - period;
    bool bOpen = true;
    while (bOpen || !child.Wait(WNOHANG)) {
        pollfd ready{output.Get(), POLLIN, 0};
        poll(&ready, bOpen ? 1 : 0, kPollMilliseconds);
        if (bOpen)
            bOpen = reader.ReadFrom(output.Get());
        const auto now = std::chrono::steady_clock::now();
        if (std::chrono::duration<double>(now - started).count() > bounds.wallSeconds) {
            child.Kill();
            Fail(PL_ERRLIMIT, FormatWithInts(CStringTable::Get(IDS_PDF_TOO_SLOW),
                                             {static_cast<long long>(std::lround(bounds.wallSeconds))}));
        }
        // The child's figures and the waiter once a period: while the pixels flow, poll
        // returns at every piece, and each figure is a file of /proc to read.
        if (now - lastCheck < period)
            continue;
        lastCheck = now;
        if (child.CpuSeconds() > bounds.cpuSeconds) {
            child.Kill();
            Fail(PL_ERRLIMIT, FormatWithInts(CStringTable::Get(IDS_PDF_TOO_LONG),
                                             {static_cast<long long>(std::lround(bounds.cpuSeconds))}));
        }
        if (child.ResidentBytes() > bounds.memoryBytes) {
            child.Kill();
            Fail(PL_ERRLIMIT, FormatWithInts(CStringTable::Get(IDS_PDF_TOO_MUCH_MEMORY),
                                             {static_cast<long long>(bounds.memoryBytes >> 20)}));
        }
        if (pWaiter != nullptr) {
            waiterEnd.bAsked = true;
            if (!pWaiter->KeepWaiting()) {
                child.Kill();
                Fail(PL_ERRLIMIT, CStringTable::Get(IDS_PDF_CANCELLED));
            }
        }
    }
    if (reader.Status() == PLPdfPageProtocol::kOutOfMemory)
        Fail(PL_ERRNO_MEMORY, CStringTable::Get(IDS_NOT_ENOUGH_MEMORY));
    if (!child.ExitedCleanly() || !reader.IsComplete())
        Fail(PL_ERRBAD_FORMAT, CStringTable::Get(IDS_PDF_DAMAGED));
    return !reader.IsIncomplete();
}
