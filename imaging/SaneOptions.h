#pragma once

#include <string>

#include "imaging/ScanSettings.h"

// The options of an open SANE device that a scan's settings are made of (resolution, mode,
// scan area, preview), found by their standard names. What the device describes is
// untrusted: the list is read no further than the count option 0 announces, and never past
// kMaxOptions; an option is used only when its type, size and constraint are those its
// standard name calls for.
class CSaneOptions {
public:
    static constexpr int kMaxOptions = 1000;

    // hDevice: a SANE_Handle, not owned.
    explicit CSaneOptions(void* hDevice) : m_hDevice(hDevice) {}

    // How many options the device has, option 0 included.
    int Count() const;
    // The number of the active option named pszName; -1 when there is none.
    int Find(const char* pszName) const;

    // What the device offers, and how it is set now.
    CScanOffer Offer() const;
    CScanSettings Current() const;
    // Sets what settings hold that the device offers; false when it refuses one.
    bool Apply(const CScanSettings& settings) const;
    // Turns the device's preview mode on or off, where it has one.
    void SetPreview(bool bPreview) const;

    // The value of a one-word number option (integer or fixed); false when unreadable.
    bool GetNumber(int nOption, double& dValue) const;
    // A SANE status.
    int SetNumber(int nOption, double dValue) const;

private:
    void* m_hDevice;
};
