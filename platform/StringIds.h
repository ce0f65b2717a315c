#pragma once

// Numbers of the string table entries the code refers to by name.
enum : unsigned {
    IDS_APP_NAME = 128,               // "Plotvane"
    IDS_CURVE = 1004,                 // "Curve"
    IDS_FAILED_TO_OPEN = 61205,       // "Failed to Open this file !"
    IDS_CANNOT_HANDLE_COLORS = 61206, // "Cannot handle %d colors graphics."
    IDS_SCANNED_GRAPHIC = 61271,      // "Scanned graphic"
};
