#pragma once

#include <atomic>
#include <chrono>
#include <cstdint>
#include <functional>

// Work that may stop answering for good (a call into a scanner's driver), run on a thread of
// its own and waited for only as long as it shows signs of life. The work counts its steps
// in the counter it is given; when it takes no step for the stall time it is asked to stop,
// and when it has not ended one stall time later it is left to itself: the caller goes on,
// and the work's thread ends whenever the work does. The work and the stop action must own
// (or share) everything they use, as they may outlive the caller.
class CBoundedWork {
public:
    using Work = std::function<int(std::atomic<uint64_t>& steps)>;

    struct COutcome {
        bool bStalled = false;  // asked to stop, or left to itself, for taking no step
        bool bEnded = false;    // the work ended (nResult is its result)
        int nResult = 0;
    };

    static COutcome Run(Work work, std::function<void()> stop, std::chrono::milliseconds stall);
};
