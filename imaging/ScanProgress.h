#pragma once

#include <atomic>
#include <cstdint>
#include <functional>
#include <mutex>

// A scan under way as the window sees it from another thread: how much of the picture the
// device has sent, and the way to stop it. The source that scans fills it; the window reads
// it and may cancel at any time. Every operation may be called from any thread.
class CScanProgress {
public:
    // A new scan begins: nothing received, not cancelled.
    void Reset();
    // The bytes the picture is announced to take (0: unknown, as with a hand scanner).
    void SetExpected(uint64_t nBytes);
    void AddReceived(uint64_t nBytes);
    // How far the scan is, from 0 to 1000; -1 while its size is unknown.
    int PerMille() const;

    // Stops the scan under way: the device is told at once, through the action its source
    // set for the time it reads.
    void Cancel();
    bool IsCancelled() const { return m_bCancelled; }
    // What Cancel does to the device (empty: nothing to tell it).
    void SetCancelAction(std::function<void()> action);

private:
    std::atomic<uint64_t> m_nExpected{0};
    std::atomic<uint64_t> m_nReceived{0};
    std::atomic<bool> m_bCancelled{false};
    std::mutex m_Mutex;  // guards the action, so that it never runs once taken away
    std::function<void()> m_CancelAction;
};
