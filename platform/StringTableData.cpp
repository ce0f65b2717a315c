// The built-in English texts of the program, by number. A language file replaces them
// entry by entry. Texts are kept word for word, spelling and spacing included, because
// users, help pages and language files refer to them as they are.

#include "platform/StringTableData.h"

namespace {

// clang-format off
const CStringTableEntry kStrings[] = {
    // Document template: window title, default document name (none), document type name,
    // filter name, extension, registry file type id and name.
    {128, "Plotvane\n\nPlotvane\nPlotvane Files (*.pvd)\n.pvd\nPlotvane.Document\nPlotvane Document"},

    // Help texts of the dialog controls, by control number.
    {1000, "Click here to sort the points in the \nascending order of X value."},
    {1002, "Delete the selected points of the list."},
    {1004, "Curve"},
    {1007, "This button must be pressed to choose the curve genesis points."},
    {1010, "When this radio button is checked, the curve is recognized by\nfollowing the top of its line."},
    {1012,
     "When this radio button is checked, the curve is recognized by\nfollowing the bottom of its line."},
    {1015,
     "Enter the name of the graph. This name will be used in the \noutput file to identify this curve."},
    {1016,
     "Enter the name of the curve. This name will be used in the \noutput file to identify this curve."},
    {1019, "The value of the right limit within \nthe graph will be recognized"},
    {1022,
     "Click on this button then on the curve. The thickness value\nwill be calculated from this point."},
    {1023, "Enter the value related to the scale point."},
    {1024,
     "In order to define a position of a scale point, you must first\n click on this button then on the "
     "desired location of the axis."},
    {1025, "Enter the value related to the scale point."},
    {1026,
     "In order to define a position of a scale point, you must first\n click on this button then on the "
     "desired location of the axis."},
    {1027, "Check this radio button if the scale is linear."},
    {1032, "The value of the left limit within \nthe graph will be recognized"},
    {1033,
     "Click on this button then on the desired location on the \nbitmap to get the value of the left "
     "limit within the curve \nwill be recognized."},
    {1034,
     "Click on this button then on the desired location on the \nbitmap to get the value of the right "
     "limit within the curve \nwill be recognized."},
    {1036,
     "Contains the coordinates of\n the points you have chosen.\nTo choose a point of the bitmap, click "
     "on it."},
    {1039, "This list contains the coordinates of the points used to \ngenerate the curve."},
    {1041,
     "Curve thickness, in pixels. The location of the curve will be\ncompensated by the half of this "
     "value."},
    {1049,
     "Enter the name of the axis.This name will be used in the\n output file to identify this axis.\n You "
     "can use for instance the unit of the axis."},
    {1064, "Removes the selected genesis point from the list."},
    {1076,
     "Click on this button to modify advanced options : threshold color and thickness compensation "
     "algorithm."},
    {1077,
     "Threshold color. Any color which one of the componants is brigther than those of the threshold "
     "color is considered as white. That means that this color is not considered as being part of the "
     "graph."},
    {1080,
     "Move this slider to chose the red componant of the threshold. Every color which red componant is "
     "greater than the threshold one will be considered as being white."},
    {1081,
     "Move this slider to chose the green componant of the threshold color. Every color which green "
     "componant is greater than the threshold color one will be considered as being white."},
    {1083, "Enter the value of the red componant of the threshold. This value must be between 0 and 255."},
    {1084,
     "Enter the value of the green componant of the threshold color. This value must be between 0 and 255."},
    {1085,
     "Enter the value of the blue componant of the threshold color. This value must be between 0 and 255."},
    {1086, "Click on this button than on the bitmap in order to choose the threshold color from the bitmap."},
    {1087,
     "Click on this radio button to get a flat  thickness compensation.  The thickness compensation will "
     "be constant and independant of the curve derivative."},
    {1088,
     "Check this radio button to use a smart thickness compensation algorithm. This algorithm takes into "
     "account the curve derivative to compensate the curve thickness."},
    {1089,
     "The smart thickness compensation algorithm uses the curve derivative to compensate the thickness. "
     "This value gives the number of points arround the current point used to calculate this derivative. "
     "This value must be between 1 and 32."},
    {1098,
     "In order to define the axis, click on this button then draw a line on the graphic. If the Shift key "
     "is pressed, the line is drawn parallel to the window border."},
    {1104, "Check this radio button if the scale is logarithmic."},
    {1110, "Select this radio button in order to identify a dashed curve"},
    {1111, "Select this radio button in order to identify a continuous curve"},
    {1113, "Shows the max distance between two dashes"},
    {1115, "Click on this button to modify the max distance between two dashes"},

    // Status bar prompts of the commands; the text after "\n" is the tooltip.
    {32771, "Open a new bitmap file, prompt for save if necessary.\nOpen bitmap "},
    {32772, "Export curves data.\nExport data"},
    {32774, "Construct a new coordinates system on the bitmap\nNew coordinates system"},
    {32781, "Construct a new continuous curve on the selected coordinates system\nNew continuous curve"},
    {32782, "Construct a new discrete curve on the selected coordinates system\nNew discrete curve"},
    {32788, "Construct a new coordinates system and a new curve\nNew coordinates system and curve"},
    {32798, "Select the scanner that will be used.\nSelect scanner source"},
    {32799, "Launch scanner acquisition.\nImport from scanner."},
    {32800, "Construct a new densitometry curve on the selected coordinates system\nNew densitometry curve"},
    {32802, "Construct a new spline curve on the selected coordinates system\nNew spline curve"},

    // Framework strings.
    {57344, "Plotvane"},
    {57345, "For Help, press F1"},
    {57601, "Open an existing document\nOpen"},
    {57604, "Save the document\nSave"},
    {57664, "Display program information, version number and copyright\nAbout"},
    {57665, "Quit the application; prompts to save documents\nExit"},
    {57667, "List Help topics\nHelp Topics"},
    {59143, " X="},
    {59144, " Y="},
    {59392, "Show or hide the toolbar\nToggle ToolBar"},

    // Messages and texts of the program.
    {61204, "The two axes can't be parallel"},
    {61205, "Failed to Open this file !"},
    {61206, "Cannot handle %d colors graphics."},
    {61207, "Colors must be between 0 and 255"},
    {61208, "Range must be between 1 and 32"},
    {61209, "This will lost hand-modifications. Continue ?"},
    {61211, "Genesis point with coordinate\nX= %f\nY= %f\nis redundant and will be removed."},
    {61212, "No point selected !"},
    {61213,
     "No curve here !\nEiteher, you have clicked in the background of the graphic, either the threshold "
     "color is not the good one for this curve (see Advanced option in the dialog box)."},
    {61214, "Out of limits !"},
    {61215, "The curve already exists here !"},
    {61216, "Right limit must be greater than left limit"},
    {61217, "Left limit must be greater than right limit\nwhen X axe is reversed"},
    {61224, "Not enough memory !"},
    {61225, "You must first create or select a coordinates system."},
    {61226,
     "This will delete all curves related to this coordinates system.\nDo you realy want to delete it ?"},
    {61234, "The limits values must be greater than zero because the scale is logarithmic."},
    {61242, "Fit"},
    {61243, "Next >>"},
    {61244, "Finish"},
    {61249, "Graphic files"},
    {61250, "All files"},
    {61252, "The two scale points must be different !"},
    {61253, "Please draw a line on the %s axis of your graphic."},
    {61254, "X"},
    {61255, "Y"},
    {61256, "Please pick a position for scale point %d"},
    {61257, "Enter a value for the scale point %d"},
    {61258, "Enter a valur for the point %d and pick a position for the point %d"},
    {61259, "Ready"},
    {61260, "Please define a position for the scale point %d"},
    {61261, "Pick a position and enter a value for scale point %d"},
    {61264, "An other curve has already the same name.\nDo you want to continue?"},
    {61265, "Untitled"},
    {61267, "Sorry, there is no available scanner."},
    {61271, "Scanned graphic"},
    {61280, "Cannot add new spline anchor point here !"},
    {61281,
     "Can't add an anchor-point. Please use the Add Anchor Point tool on a segment of the spline curve."},
    {61282,
     "Can't remove the anchor-point. Please use the Remove Anchor-Point tool on an anchor point of the "
     "spline curve."},
    {61283,
     "Cannot modify the anchor-point. Please use the Modify Anchor-Point tool on an anchor-point of the "
     "spline curve."},
    {61284, "This will erase all the spline curve. Are you sure you want to continue?"},
    {61285,
     "Add new anchor points at the end of the curve.\nClick and drag the mouse on the graphic.\nUse Ctrl "
     "key to make corners. Use Shift key to smooth them."},
    {61286,
     "Add new anchor points at the beginning of the curve.\nClick and drag the mouse on the graphic.\nUse "
     "Ctrl key to make corners. Use Shift key to smooth them."},
    {61287, "Add anchor points at the middle of the curve."},
    {61288, "Remove anchor points.\nClick on the point you want to remove."},
    {61289,
     "Modify anchor points.\nClick and the drag the anchor points you want to modify. Use Ctrl key to "
     "make corners, use Shift key to smooth them."},

    // Texts of the export, the results dialogs and the options.
    {61300, "Graph recognition by Plotvane."},
    {61301, "Values read from a picture: check them against the original graph."},
    {61302, "Bitmap file :"},
    {61303, "To be continued : Preview is limited to %d lines."},
    {61304, "Cannot open the file for writting."},
    {61305, "Cannot write into the file."},
    {61306, "Error while accessing to the file."},
    {61307, "Error when trying to build the preview."},
    {61308, "Value must be greater than zero\n in the case of a logarithmic axe."},
    {61309, "The period must be greater than zero !"},
    {61310, "Nb of points to export is too high!"},
    {61311, "This curve will contain %d lines. Continue?"},
    {61312, "The \"other value\" field is empty!"},
    {61313, "The value is outside the range !"},
    {61314, "Decade of "},
    {61315, "Error !"},
    {61316, "Excel files (*.xls)|*.xls|"},
    {61317, "Text files (*.txt)|*.txt|"},
    {61318, "%s Files (*.%s)|*.%s|"},
    {61319, "All files (*.*)|*.*||"},
    {61320, "English"},
    {61321, "French"},
    {61340, "This is not a regular file."},
    {61341, "The file is larger than %d MB."},
    {61342, "The picture is too large."},
    {61343, "The drawing has too many lines and points."},

    {61350, "Cannot write the file %s."},
    {61351, "Reason: %s."},
    {61352, "The folder %s does not exist."},
    {61353, "%s is a folder or another object that is not a file."},
    {61354, "Cannot make a temporary file in the folder %s."},
};
// clang-format on

}  // namespace

const CStringTableEntry* BuiltInStrings(size_t& count)
{
    count = sizeof kStrings / sizeof kStrings[0];
    return kStrings;
}
