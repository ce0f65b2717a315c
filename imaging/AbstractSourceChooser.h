#pragma once

#include <string>
#include <vector>

#include "imaging/ScannerDevice.h"

// The user's side of choosing a scanner, which a source manager asks for: the device chosen
// last time (the default source) and the choice among the devices there are.
class CAbstractSourceChooser {
public:
    virtual ~CAbstractSourceChooser() = default;

    // The device name chosen last time; empty when none was.
    virtual std::string GetRememberedDevice() const = 0;
    virtual void RememberDevice(const std::string& strName) = 0;
    // Lets the user choose among devices (never empty); nCurrent is the index of the source
    // in use, or -1. Returns the index chosen, or -1 when the user cancels.
    virtual int ChooseDevice(const std::vector<CScannerDevice>& devices, int nCurrent) = 0;
};
