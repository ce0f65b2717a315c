#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "imaging/ScanSettings.h"
#include "imaging/ScannerDevice.h"

// The user's side of choosing a scanner, which a source manager asks for: the device chosen
// last time (the default source), the choice among the devices there are, and the settings
// of a scan (the source's own dialog, shown when the program enables a source with its
// interface).
class CAbstractSourceChooser {
public:
    virtual ~CAbstractSourceChooser() = default;

    // The device name chosen last time; empty when none was.
    virtual std::string GetRememberedDevice() const = 0;
    virtual void RememberDevice(const std::string& strName) = 0;
    // Lets the user choose among devices (never empty); nCurrent is the index of the source
    // in use, or -1. Returns the index chosen, or -1 when the user cancels.
    virtual int ChooseDevice(const std::vector<CScannerDevice>& devices, int nCurrent) = 0;
    // Lets the user set the scan of strDevice within what offer offers, settings holding the
    // device's present values; preview scans the whole bed quickly and gives a packed
    // bitmap (empty when it fails; only when offer.bPreview). True to scan with settings,
    // false when the user cancels. Without a user, the scan goes as the device is set.
    virtual bool EditSettings(const std::string& /*strDevice*/, const CScanOffer& /*offer*/,
                              CScanSettings& /*settings*/,
                              const std::function<std::vector<uint8_t>()>& /*preview*/)
    {
        return true;
    }
};
