#pragma once

#include <string>

// A scanner as the system lists it: its device name (what opens it) and how it describes
// itself, in UTF-8 as given.
struct CScannerDevice {
    std::string strName;
    std::string strVendor;
    std::string strModel;
    std::string strType;
};
