#pragma once

// The numbers of the window's commands. A command's status-bar prompt and tooltip are the
// string-table entry of the same number ("prompt\ntooltip").
enum : unsigned {
    ID_FILE_OPEN_GRAPHIC = 32771,
    ID_FILE_EXPORT = 32772,
    ID_CONSTRUCT_COORDSYST = 32774,
    ID_VIEW_ZOOM = 32778,
    ID_MODIFY_SELECTED = 32780,
    ID_NEW_CONTINUOUS_CURVE = 32781,
    ID_NEW_DISCRETE_CURVE = 32782,
    ID_DELETE_SELECTED = 32783,
    ID_CONSTRUCT_BOTH = 32788,
    ID_OPTIONS = 32793,
    ID_SCANNER_SELECT_SOURCE = 32798,
    ID_SCANNER_IMPORT = 32799,
    ID_NEW_DENSITY_CURVE = 32800,
    ID_NEW_SPLINE_CURVE = 32802,

    ID_FILE_OPEN = 57601,
    ID_EDIT_PASTE = 57637,  // a picture from the clipboard as a new graphic
    ID_FILE_SAVE_AS = 57604,
    ID_APP_ABOUT = 57664,
    ID_APP_EXIT = 57665,
    ID_HELP_FINDER = 57667,
    ID_CONTEXT_HELP = 57669,  // Shift+F1: the help mode
    ID_HELP = 57670,          // F1: help on the current context
    ID_DEFAULT_HELP = 57671,
    ID_VIEW_TOOLBAR = 59392,

    // Help context of the main window: the resource-help base plus the main resource id.
    HID_MAIN_WINDOW = 0x20000 + 128,
};
