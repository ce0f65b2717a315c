#include "imaging/SaneSession.h"

#include <mutex>

#include <sane/sane.h>

namespace {

// A session may end on another thread than it began (the last one kept by a scan that
// stopped answering).
std::mutex g_Mutex;
int g_nSessions = 0;
bool g_bInitialised = false;

std::string Text(SANE_String_Const psz)
{
    return psz != nullptr ? std::string(psz) : std::string();
}

}  // namespace

CSaneSession::CSaneSession()
{
    const std::lock_guard<std::mutex> lock(g_Mutex);
    if (g_nSessions++ == 0) {
        SANE_Int nVersion = 0;
        g_bInitialised = sane_init(&nVersion, nullptr) == SANE_STATUS_GOOD;
    }
    m_bOpen = g_bInitialised;
}

CSaneSession::~CSaneSession()
{
    const std::lock_guard<std::mutex> lock(g_Mutex);
    if (--g_nSessions == 0 && g_bInitialised) {
        sane_exit();
        g_bInitialised = false;
    }
}

bool CSaneSession::ListDevices(bool bLocalOnly, std::vector<CScannerDevice>& devices) const
{
    devices.clear();
    if (!m_bOpen)
        return false;
    const SANE_Device** list = nullptr;
    if (sane_get_devices(&list, bLocalOnly ? SANE_TRUE : SANE_FALSE) != SANE_STATUS_GOOD || list == nullptr)
        return false;
    for (size_t i = 0; list[i] != nullptr; ++i) {
        const SANE_Device& device = *list[i];
        if (device.name == nullptr || *device.name == '\0')
            continue;
        devices.push_back({Text(device.name), Text(device.vendor), Text(device.model), Text(device.type)});
    }
    return true;
}
