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
    IDS_ENTER_VALUE_AND_PICK = 61258,     // "Enter a value for the point %d and pick ... %d"
    IDS_READY = 61259,                    // "Ready"
    IDS_DEFINE_SCALE_POSITION = 61260,    // "Please define a position for the scale point %d"
    IDS_PICK_AND_ENTER = 61261,           // "Pick a position and enter a value for scale point %d"
    // The refusals of the model's axis checks, shown by the axis dialog and the command line.
    IDS_SCALE_VALUES_EQUAL = 62062,    // "The two scale values must be different."
    IDS_LOG_VALUES_POSITIVE = 62063,   // "Logarithmic values must be greater than zero"
    IDS_AXIS_ENDS_EQUAL = 62064,       // "the two ends of the axis line must be different"
    IDS_AXIS_AT_CORNER = 62065,        // "an axis line cannot end at pixel [0, 0]"
    IDS_SAME_CURVE_NAME = 61264,       // "Another curve already has the same name.\n..."
    IDS_UNTITLED = 61265,              // "Untitled"
    IDS_NO_SCANNER = 61267,            // "Sorry, there is no available scanner."
    IDS_SCANNED_GRAPHIC = 61271,       // "Scanned graphic"
    IDS_SPLINE_CANNOT_ADD = 61280,     // "Cannot add new spline anchor point here !"
    IDS_SPLINE_CANNOT_INSERT = 61281,  // "Can't add an anchor-point. ..."
    IDS_SPLINE_CANNOT_REMOVE = 61282,  // "Can't remove the anchor-point. ..."
    IDS_SPLINE_CANNOT_MODIFY = 61283,  // "Cannot modify the anchor-point. ..."
    IDS_SPLINE_CLEAN_ALL = 61284,      // "This will erase all the spline curve. ..."
    IDS_SPLINE_TOOL_ADD_BACK = 61285,  // comment lines of the spline tools
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
    IDS_CANNOT_OPEN_FOR_WRITING = 61304,   // "Cannot open the file for writing."
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
    IDS_PDF_DAMAGED = 61344,          // "The PDF file is damaged."
    IDS_PDF_LOCKED = 61345,           // "The PDF file is protected by a password."
    IDS_PDF_NO_PAGE = 61346,          // "There is no page %d: the PDF file has %d pages."
    IDS_PDF_PAGE_TOO_LARGE = 61347,   // "The page is too large at this resolution."
    IDS_PDF_PAGE_NAME = 61348,        // "%s, page %s"
    // Writing files: the file named, then the system's reason.
    IDS_CANNOT_WRITE_FILE = 61350,     // "Cannot write the file %s."
    IDS_SYSTEM_REASON = 61351,         // "Reason: %s."
    IDS_FOLDER_MISSING = 61352,        // "The folder %s does not exist."
    IDS_NOT_A_FILE = 61353,            // "%s is a folder or another object that is not a file."
    IDS_TEMP_FOLDER_UNUSABLE = 61354,  // "Cannot make a temporary file in the folder %s."

    // The save prompt, which the design takes from the windowing framework.
    IDS_ASK_TO_SAVE = 61360,           // "Save changes to %1?"
    IDS_NO_CLIPBOARD_PICTURE = 61361,  // "The clipboard holds no picture."

    // The densitometry dialog: an empty scale value, and the ends of its preview.
    IDS_GIVE_A_VALUE = 61370,           // "You must give a value !"
    IDS_DENSITY_PREVIEW_POINT = 61371,  // "x = %g ; y = %g"

    // The options sheet: refusals of the export page.
    IDS_EXTENSION_EMPTY = 61380,             // "The \"Extension\" field is empty !"
    IDS_EXTENSION_NOT_ALPHANUMERIC = 61381,  // "Extension must contain only alphanumeric characters !"

    // Scanning: why a scan brought no picture ("%s" is one of the reasons below it).
    IDS_SCAN_REASON_STALLED = 61387,      // "it stopped answering"
    IDS_SCAN_REASON_RESOLUTION = 61388,   // "it does not offer this resolution"
    IDS_SCAN_REASON_NO_DEVICE = 61389,    // "it cannot be found"
    IDS_SCAN_CANCELLED = 61390,           // "The scan was cancelled. The document is unchanged."
    IDS_SCAN_FAILED = 61391,              // "The scanner could not deliver a picture: %s ..."
    IDS_SCAN_REASON_OFFLINE = 61392,      // "it is busy or does not answer"
    IDS_SCAN_REASON_JAMMED = 61393,       // "the paper is jammed"
    IDS_SCAN_REASON_NO_DOCUMENT = 61394,  // "there is no document in the feeder"
    IDS_SCAN_REASON_COVER_OPEN = 61395,   // "its cover is open"
    IDS_SCAN_REASON_DENIED = 61396,       // "access to it was denied"
    IDS_SCAN_REASON_MEMORY = 61397,       // "there is not enough memory"
    IDS_SCAN_REASON_BAD_PICTURE = 61398,  // "the picture it sent is damaged or too large"
    IDS_SCAN_REASON_OTHER = 61399,        // "it reported a failure"

    // Drawing a PDF page: its bounds, its end, and what came of it.
    IDS_PDF_TOO_LONG = 61400,         // "Drawing the page took more than %d seconds of ..."
    IDS_PDF_TOO_MUCH_MEMORY = 61401,  // "Drawing the page needed more than %d MB of me ..."
    IDS_PDF_CANCELLED = 61402,        // "The drawing of the page was cancelled."
    IDS_PDF_INCOMPLETE = 61403,       // "The page was drawn incompletely: the PDF read ..."
    IDS_PDF_NO_DRAWER = 61404,        // "The program that draws PDF pages cannot be ru ..."
    IDS_PDF_PAGE_DAMAGED = 61405,     // "The page is damaged."
    IDS_PDF_TOO_SLOW = 61406,         // "Drawing the page lasted more than %d seconds ..."

    // Files of the window that are refused at start ("%s" is the file).
    IDS_LANGUAGE_FILE_DAMAGED = 61456,  // "The language file %s is damaged ..."
    IDS_SETTINGS_NOT_SAVED = 61457,     // "The settings file %s is read-only ..."

    // Texts of plotvane-cli: its refusals, failures and warnings ("%s" is a value put in).
    IDS_CLI_UNEXPECTED = 62000,
    IDS_CLI_UNEXPECTED_UNKNOWN = 62001,
    IDS_CLI_STANDARD_OUTPUT = 62002,
    IDS_CLI_WARNING = 62003,
    IDS_CLI_ANSWERED_YES = 62004,
    IDS_CLI_EXPECTED_FILE_NAME = 62005,
    IDS_CLI_SEPARATOR_WORDS = 62006,
    IDS_CLI_CANNOT_READ_DOCUMENT = 62007,
    IDS_CLI_NOT_A_DOCUMENT_EITHER = 62008,
    IDS_CLI_RENDER_UNAVAILABLE = 62009,
    IDS_CLI_ZOOM_RANGE = 62010,
    IDS_CLI_PICTURE_REPLACES_INPUT = 62011,
    IDS_CLI_NOTHING_TO_DRAW = 62012,
    IDS_CLI_PICTURE_TOO_LARGE = 62013,
    IDS_CLI_EXPORT_REPLACES_DOCUMENT = 62014,
    IDS_CLI_IS_A_FOLDER = 62015,
    IDS_CLI_EXPORT_REPLACES_SAVED = 62016,
    IDS_CLI_REPLACES_JOB = 62017,
    IDS_CLI_REPLACES_JOB_PICTURE = 62018,
    IDS_CLI_FOLDER_NAMED = 62019,
    IDS_CLI_CANNOT_READ_JOB = 62020,
    IDS_CLI_JOB_TOO_LARGE = 62021,
    IDS_CLI_JOB_TOO_DEEP = 62022,
    IDS_CLI_NOT_JSON = 62023,
    IDS_CLI_JSON_SYNTAX = 62024,
    IDS_CLI_JSON_NUMBER_RANGE = 62025,
    IDS_CLI_JSON_ENCODING = 62026,
    IDS_CLI_KEY_TWICE = 62027,
    IDS_CLI_JOB_IS_OBJECT = 62028,
    IDS_CLI_TYPE_NULL = 62030,
    IDS_CLI_TYPE_OBJECT = 62031,
    IDS_CLI_TYPE_ARRAY = 62032,
    IDS_CLI_TYPE_STRING = 62033,
    IDS_CLI_TYPE_BOOLEAN = 62034,
    IDS_CLI_TYPE_NUMBER = 62035,
    IDS_CLI_TYPE_FRACTION = 62036,
    IDS_CLI_EXPECTED_OBJECT = 62037,
    IDS_CLI_UNKNOWN_KEY = 62038,
    IDS_CLI_MISSING_KEY = 62039,
    IDS_CLI_EXPECTED_ARRAY = 62040,
    IDS_CLI_AT_LEAST_ONE = 62041,
    IDS_CLI_AT_LEAST = 62042,
    IDS_CLI_AT_MOST = 62043,
    IDS_CLI_EXPECTED_BOOL = 62044,
    IDS_CLI_EXPECTED_NUMBER = 62045,
    IDS_CLI_NUMBER_TOO_LARGE = 62046,
    IDS_CLI_EXPECTED_INTEGER_FOUND = 62047,
    IDS_CLI_EXPECTED_INTEGER = 62048,
    IDS_CLI_INTEGER_RANGE = 62049,
    IDS_CLI_EXPECTED_STRING = 62050,
    IDS_CLI_EXPECTED_CHOICE = 62051,
    IDS_CLI_EXPECTED_POINT = 62052,
    IDS_CLI_ELEMENTS = 62053,
    IDS_CLI_POINT_OFF_PICTURE = 62054,
    IDS_CLI_EXPECTED_COLOR = 62055,
    IDS_CLI_CONTROL_CHARACTER = 62056,
    IDS_CLI_INTEGER_FIELD_RANGE = 62057,
    IDS_CLI_CURVE_NEEDS_NAME = 62060,
    IDS_CLI_CANNOT_READ_PICTURE = 62061,
    IDS_CLI_NO_TRANSFORM = 62066,
    IDS_CLI_TOO_MANY_STROKE_POINTS = 62067,
    IDS_CLI_NO_POINT_LEFT = 62068,
    IDS_CLI_PERIOD_OR_FREQUENCY = 62069,
    IDS_CLI_TOO_MANY_GENESIS = 62070,
    IDS_CLI_EDITS_TOO_COSTLY = 62071,
    IDS_CLI_DENSITY_SCALE_VALUES_EQUAL = 62073,
    IDS_CLI_DENSITY_SCALE_COLORS_EQUAL = 62074,
    // The densitometry dialog and options refuse a scale with the same texts.
    IDS_DENSITY_SCALE_VALUES_EQUAL = IDS_CLI_DENSITY_SCALE_VALUES_EQUAL,
    IDS_DENSITY_SCALE_COLORS_EQUAL = IDS_CLI_DENSITY_SCALE_COLORS_EQUAL,
    IDS_CLI_PARALLEL_TO_Y = 62075,
    IDS_CLI_PARALLEL_TO_X = 62076,
    IDS_CLI_SEGMENT_ENDS_EQUAL = 62077,
    IDS_CLI_ONE_DENSITY_STEP = 62078,
    IDS_CLI_FIRST_X_OR_Y = 62079,
    IDS_CLI_SPLINE_TWO_NODES = 62080,
    IDS_CLI_CURVE_CHOSEN_TWICE = 62090,
    IDS_CLI_NO_CURVE_NAMED = 62091,
    IDS_CLI_CURVE_REFUSED = 62092,
    IDS_CLI_RESULTS_WRONG_KIND = 62093,
    IDS_CLI_NO_PERIOD = 62094,
    IDS_CLI_KIND_NOT_EXPORTED = 62095,
    IDS_CLI_CHOSEN_TOO_LARGE = 62096,
    IDS_CLI_HINT_JOB_PERIOD = 62097,
    IDS_CLI_HINT_OPTION_PERIOD = 62098,
    IDS_CLI_EXPORT_WHERE = 62099,
    IDS_CLI_ONLY_FOR_PDF = 62100,
    IDS_CLI_PDF_PAGE_RANGE = 62101,
    IDS_CLI_IMAGE_OR_SCANNER = 62120,
    IDS_CLI_SCAN_DPI_ONLY_FOR_SCANNER = 62121,
    IDS_CLI_SCAN_DPI_RANGE = 62122,
};
