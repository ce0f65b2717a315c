#pragma once

// Numbers of the string table entries the code refers to by name. The help texts of the
// dialog controls carry the control's own number and are looked up by it.
enum : unsigned {
    // Framework strings.
    IDS_DOC_TEMPLATE = 128,    // "Plotvane\n\nPlotvane\nPlotvane Files (*.pvd)\n.pvd\n..."
    IDS_APP_NAME = 57344,      // "Plotvane": the application title, caption of message boxes
    IDS_APP_TITLE = 57344,     // the same entry under the framework's name
    IDS_IDLE_MESSAGE = 57345,  // "For Help, press F1"
    IDS_INDICATOR_X = 59143,   // " X="
    IDS_INDICATOR_Y = 59144,   // " Y="

    IDS_CURVE = 1004,  // "Curve"

    // Messages and texts of the program.
    IDS_AXES_PARALLEL = 61204,            // "The two axes can't be parallel"
    IDS_FAILED_TO_OPEN = 61205,           // "Failed to Open this file !"
    IDS_CANNOT_HANDLE_COLORS = 61206,     // "Cannot handle %d colors graphics."
    IDS_COLORS_RANGE = 61207,             // "Colors must be between 0 and 255"
    IDS_RANGE_RANGE = 61208,              // "Range must be between 1 and 32"
    IDS_LOSE_HAND_MODIFICATIONS = 61209,  // "This will lost hand-modifications. Continue ?"
    IDS_GENESIS_REDUNDANT = 61211,        // "Genesis point with coordinate\nX= %f\nY= %f\n..."
    IDS_NO_POINT_SELECTED = 61212,        // "No point selected !"
    IDS_NO_CURVE_HERE = 61213,            // "No curve here !\n..."
    IDS_OUT_OF_LIMITS = 61214,            // "Out of limits !"
    IDS_CURVE_ALREADY_EXISTS = 61215,     // "The curve already exists here !"
    IDS_RIGHT_LIMIT_GREATER = 61216,      // "Right limit must be greater than left limit"
    IDS_LEFT_LIMIT_GREATER = 61217,       // "Left limit must be greater than right limit\n..."
    IDS_NOT_ENOUGH_MEMORY = 61224,        // "Not enough memory !"
    IDS_SELECT_COORDSYST_FIRST = 61225,   // "You must first create or select a coordinates system."
    IDS_DELETE_COORDSYST = 61226,         // "This will delete all curves related to ..."
    IDS_LOG_LIMITS_POSITIVE = 61234,      // "The limits values must be greater than zero ..."
    IDS_ZOOM_FIT = 61242,                 // "Fit"
    IDS_NEXT = 61243,                     // "Next >>"
    IDS_FINISH = 61244,                   // "Finish"
    IDS_GRAPHIC_FILES = 61249,            // "Graphic files"
    IDS_ALL_FILES = 61250,                // "All files"
    IDS_SCALE_POINTS_EQUAL = 61252,       // "The two scale points must be different !"
    IDS_DRAW_AXIS_PROMPT = 61253,         // "Please draw a line on the %s axis of your graphic."
    IDS_AXIS_X = 61254,                   // "X"
    IDS_AXIS_Y = 61255,                   // "Y"
    IDS_PICK_SCALE_POINT = 61256,         // "Please pick a position for scale point %d"
    IDS_ENTER_SCALE_VALUE = 61257,        // "Enter a value for the scale point %d"
    IDS_ENTER_VALUE_AND_PICK = 61258,     // "Enter a valur for the point %d and pick ... %d"
    IDS_READY = 61259,                    // "Ready"
    IDS_DEFINE_SCALE_POSITION = 61260,    // "Please define a position for the scale point %d"
    IDS_PICK_AND_ENTER = 61261,           // "Pick a position and enter a value for scale point %d"
    IDS_SAME_CURVE_NAME = 61264,          // "An other curve has already the same name.\n..."
    IDS_UNTITLED = 61265,                 // "Untitled"
    IDS_NO_SCANNER = 61267,               // "Sorry, there is no available scanner."
    IDS_SCANNED_GRAPHIC = 61271,          // "Scanned graphic"
    IDS_SPLINE_CANNOT_ADD = 61280,        // "Cannot add new spline anchor point here !"
    IDS_SPLINE_CANNOT_INSERT = 61281,     // "Can't add an anchor-point. ..."
    IDS_SPLINE_CANNOT_REMOVE = 61282,     // "Can't remove the anchor-point. ..."
    IDS_SPLINE_CANNOT_MODIFY = 61283,     // "Cannot modify the anchor-point. ..."
    IDS_SPLINE_CLEAN_ALL = 61284,         // "This will erase all the spline curve. ..."
    IDS_SPLINE_TOOL_ADD_BACK = 61285,     // comment lines of the spline tools
    IDS_SPLINE_TOOL_ADD_FRONT = 61286,
    IDS_SPLINE_TOOL_ADD_MIDDLE = 61287,
    IDS_SPLINE_TOOL_REMOVE = 61288,
    IDS_SPLINE_TOOL_MODIFY = 61289,

    // Texts of the export, the results dialogs and the options that have no number of
    // their own elsewhere; numbered here so that a language file can translate them.
    IDS_BANNER_TITLE = 61300,              // "Graph recognition by Plotvane."
    IDS_BANNER_NOTICE = 61301,             // the notice line under it
    IDS_BANNER_BITMAP_FILE = 61302,        // "Bitmap file :"
    IDS_PREVIEW_LIMITED = 61303,           // "To be continued : Preview is limited to %d lines."
    IDS_CANNOT_OPEN_FOR_WRITING = 61304,   // "Cannot open the file for writting."
    IDS_CANNOT_WRITE = 61305,              // "Cannot write into the file."
    IDS_ERROR_ACCESSING_FILE = 61306,      // "Error while accessing to the file."
    IDS_ERROR_BUILDING_PREVIEW = 61307,    // "Error when trying to build the preview."
    IDS_LOG_FIRST_VALUE_POSITIVE = 61308,  // "Value must be greater than zero\n in the case ..."
    IDS_PERIOD_POSITIVE = 61309,           // "The period must be greater than zero !"
    IDS_TOO_MANY_POINTS = 61310,           // "Nb of points to export is too high!"
    IDS_CURVE_WILL_CONTAIN = 61311,        // "This curve will contain %d lines. Continue?"
    IDS_OTHER_SEPARATOR_EMPTY = 61312,     // "The \"other value\" field is empty!"
    IDS_VALUE_OUTSIDE_RANGE = 61313,       // "The value is outside the range !"
    IDS_DECADE_OF = 61314,                 // "Decade of "
    IDS_COUNT_ERROR = 61315,               // "Error !"
    IDS_FILTER_EXCEL = 61316,              // "Excel files (*.xls)|*.xls|"
    IDS_FILTER_TEXT = 61317,               // "Text files (*.txt)|*.txt|"
    IDS_FILTER_OTHER_EXTENSION = 61318,    // "%s Files (*.%s)|*.%s|"
    IDS_FILTER_ALL_FILES = 61319,          // "All files (*.*)|*.*||"
    IDS_LANGUAGE_ENGLISH = 61320,          // "English"
    IDS_LANGUAGE_FRENCH = 61321,           // "French"

    // Refusals of input files, before or while they are read.
    IDS_NOT_REGULAR_FILE = 61340,     // "This is not a regular file."
    IDS_FILE_TOO_LARGE = 61341,       // "The file is larger than %d MB."
    IDS_PICTURE_TOO_LARGE = 61342,    // "The picture is too large."
    IDS_DRAWING_TOO_COMPLEX = 61343,  // "The drawing has too many lines and points."
    // Writing files: the file named, then the system's reason.
    IDS_CANNOT_WRITE_FILE = 61350,     // "Cannot write the file %s."
    IDS_SYSTEM_REASON = 61351,         // "Reason: %s."
    IDS_FOLDER_MISSING = 61352,        // "The folder %s does not exist."
    IDS_NOT_A_FILE = 61353,            // "%s is a folder or another object that is not a file."
    IDS_TEMP_FOLDER_UNUSABLE = 61354,  // "Cannot make a temporary file in the folder %s."
};
