#pragma once

#include "imaging/TwainProtocol.h"

// A TWAIN source manager: the one entry point through which a program speaks to it and,
// through it, to a source (a scanner). pOrigin is the program's identity, pDest the source's
// (null for the source manager itself); the triplet DG / DAT / MSG says what is asked and
// pData points to the structure that goes with it. Returns a TWRC_ code; after a failure
// DG_CONTROL / DAT_STATUS / MSG_GET gives the condition code.
//
// The window given with MSG_OPENDSM (a CAbstractTwainWindow) is where an enabled source posts
// its messages; the program hands every message back with MSG_PROCESSEVENT.
class CAbstractSourceManager {
public:
    virtual ~CAbstractSourceManager() = default;

    virtual TW_UINT16 Entry(TW_IDENTITY* pOrigin, TW_IDENTITY* pDest, TW_UINT32 DG, TW_UINT16 DAT,
                            TW_UINT16 MSG, TW_MEMREF pData) = 0;
};
