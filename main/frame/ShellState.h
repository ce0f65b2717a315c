#pragma once

// What the window knows beside the document when it decides which commands are enabled.
struct CShellState {
    bool m_bConstructionActive = false;  // a construction dialog is attached to the view
    bool m_bViewExists = false;
    bool m_bScannerExists = false;
    bool m_bScannerCanAcquire = false;  // not busy and a source known
    bool m_bScannerBusy = false;
};
