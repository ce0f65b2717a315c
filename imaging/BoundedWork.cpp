#include "imaging/BoundedWork.h"

#include <condition_variable>
#include <memory>
#include <mutex>
#include <thread>
#include <utility>

namespace {

// What the work's thread and the waiting thread share; it lives as long as either needs it.
struct CShared {
    std::mutex mutex;
    std::condition_variable ended;
    bool bEnded = false;
    int nResult = 0;
    std::atomic<uint64_t> nSteps{0};
};

}  // namespace

CBoundedWork::COutcome CBoundedWork::Run(Work work, std::function<void()> stop,
                                         std::chrono::milliseconds stall)
{
    auto pShared = std::make_shared<CShared>();
    std::thread([pShared, work = std::move(work)] {
        const int nResult = work(pShared->nSteps);
        const std::lock_guard<std::mutex> lock(pShared->mutex);
        pShared->nResult = nResult;
        pShared->bEnded = true;
        pShared->ended.notify_all();
    }).detach();

    COutcome outcome;
    std::unique_lock<std::mutex> lock(pShared->mutex);
    uint64_t nSeen = pShared->nSteps;
    for (;;) {
        // A step resets the wait; a wait that ends without one is a stall.
        const bool bEnded =
            pShared->ended.wait_for(lock, stall, [&] { return pShared->bEnded || pShared->nSteps != nSeen; });
        if (pShared->bEnded)
            break;
        if (bEnded) {
            nSeen = pShared->nSteps;
            continue;
        }
        if (outcome.bStalled)
            return outcome;  // left to itself
        outcome.bStalled = true;
        lock.unlock();
        if (stop)
            stop();
        lock.lock();
        nSeen = pShared->nSteps;
    }
    outcome.bEnded = true;
    outcome.nResult = pShared->nResult;
    return outcome;
}
