#pragma once

#include <cstdint>
#include <deque>
#include <string>
#include <vector>

#include "imaging/AbstractSourceChooser.h"
#include "imaging/AbstractTwainWindow.h"
#include "imaging/Twain.h"

// Acquires one picture from a scanner named by its device name, the way the window's
// Import does: through the TWAIN client whose source manager is the system's scanner
// library, with that device as the default source, and the source's messages handed back
// to it from a queue of its own instead of a window's.
class CJobScanner : public CTwain, private CAbstractTwainWindow, private CAbstractSourceChooser {
public:
    CJobScanner() = default;
    ~CJobScanner() override;

    // Scans from strDevice at dDpi dots per inch (0: the device's own resolution). The
    // packed bitmap on success; empty, with GetFailure telling why, otherwise.
    std::vector<uint8_t> Scan(const std::string& strDevice, double dDpi);
    const CFailure& GetFailure() const { return m_Failure; }

    void OnImageAcquired(std::vector<uint8_t>& dib, const TW_IMAGEINFO& info) override;

private:
    void Fail();
    void PostSourceMessage(uint32_t nMessage) override;
    std::string GetRememberedDevice() const override { return m_strDevice; }
    void RememberDevice(const std::string& /*strName*/) override {}
    int ChooseDevice(const std::vector<CScannerDevice>& /*devices*/, int /*nCurrent*/) override { return -1; }

    std::string m_strDevice;
    std::deque<uint32_t> m_Messages;
    std::vector<uint8_t> m_Dib;
    CFailure m_Failure;
};
