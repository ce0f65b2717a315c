#include "imaging/ScanProgress.h"

#include <algorithm>
#include <utility>

void CScanProgress::Reset()
{
    m_nExpected = 0;
    m_nReceived = 0;
    m_bCancelled = false;
}

void CScanProgress::SetExpected(uint64_t nBytes)
{
    m_nExpected = nBytes;
}

void CScanProgress::AddReceived(uint64_t nBytes)
{
    m_nReceived += nBytes;
}

int CScanProgress::PerMille() const
{
    const uint64_t nExpected = m_nExpected;
    if (nExpected == 0)
        return -1;
    return static_cast<int>(std::min<uint64_t>(m_nReceived, nExpected) * 1000 / nExpected);
}

void CScanProgress::Cancel()
{
    m_bCancelled = true;
    const std::lock_guard<std::mutex> lock(m_Mutex);
    if (m_CancelAction)
        m_CancelAction();
}

void CScanProgress::SetCancelAction(std::function<void()> action)
{
    const std::lock_guard<std::mutex> lock(m_Mutex);
    m_CancelAction = std::move(action);
}
