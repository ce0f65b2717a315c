#pragma once

#include <string>

#include "imaging/TwainProtocol.h"

// What the user is told when a scan brings no picture, from the return code and condition
// code of the TWAIN call that failed: the scan was cancelled (TWRC_CANCEL), or the scanner
// could not deliver a picture and why. Texts of the string table (Windows-1252).
class CScanFailure {
public:
    static std::string Message(TW_UINT16 nReturnCode, TW_UINT16 nConditionCode);
    // The reason alone ("the paper is jammed"), for a condition code.
    static std::string Reason(TW_UINT16 nConditionCode);
};
