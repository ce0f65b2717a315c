#pragma once

#include <string>
#include <vector>

#include "imaging/ScannerDevice.h"

// A use of the system's scanner library (SANE), which is set up once for the whole process:
// the first session initialises it, the last one ends it. Where the library reads its
// configuration from follows the SANE_CONFIG_DIR environment variable at the first session.
class CSaneSession {
public:
    CSaneSession();
    ~CSaneSession();
    CSaneSession(const CSaneSession&) = delete;
    CSaneSession& operator=(const CSaneSession&) = delete;

    // Whether the library could be set up.
    bool IsOpen() const { return m_bOpen; }
    // The devices the library finds; with bLocalOnly, not those it would look for on the
    // network (which can take seconds). False when the library fails.
    bool ListDevices(bool bLocalOnly, std::vector<CScannerDevice>& devices) const;

private:
    bool m_bOpen = false;
};
