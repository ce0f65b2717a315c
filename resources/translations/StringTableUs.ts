<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>StringTable</name>
    <message>
        <source>Plotvane

Plotvane
Plotvane Files (*.pvd)
.pvd
Plotvane.Document
Plotvane Document</source>
        <comment>128</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click here to sort the points in the 
ascending order of X value.</source>
        <comment>1000</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete the selected points of the list.</source>
        <comment>1002</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Curve</source>
        <comment>1004</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This button must be pressed to choose the curve genesis points.</source>
        <comment>1007</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>When this radio button is checked, the curve is recognized by
following the top of its line.</source>
        <comment>1010</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>When this radio button is checked, the curve is recognized by
following the bottom of its line.</source>
        <comment>1012</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter the name of the graph. This name will be used in the 
output file to identify this curve.</source>
        <comment>1015</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter the name of the curve. This name will be used in the 
output file to identify this curve.</source>
        <comment>1016</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The value of the right limit within 
the graph will be recognized</source>
        <comment>1019</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click on this button then on the curve. The thickness value
will be calculated from this point.</source>
        <comment>1022</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter the value related to the scale point.</source>
        <comment>1023</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>In order to define a position of a scale point, you must first
 click on this button then on the desired location of the axis.</source>
        <comment>1024</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter the value related to the scale point.</source>
        <comment>1025</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>In order to define a position of a scale point, you must first
 click on this button then on the desired location of the axis.</source>
        <comment>1026</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check this radio button if the scale is linear.</source>
        <comment>1027</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The value of the left limit within 
the graph will be recognized</source>
        <comment>1032</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click on this button then on the desired location on the 
bitmap to get the value of the left limit within the curve 
will be recognized.</source>
        <comment>1033</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click on this button then on the desired location on the 
bitmap to get the value of the right limit within the curve 
will be recognized.</source>
        <comment>1034</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Contains the coordinates of
 the points you have chosen.
To choose a point of the bitmap, click on it.</source>
        <comment>1036</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This list contains the coordinates of the points used to 
generate the curve.</source>
        <comment>1039</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Curve thickness, in pixels. The location of the curve will be
compensated by the half of this value.</source>
        <comment>1041</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter the name of the axis.This name will be used in the
 output file to identify this axis.
 You can use for instance the unit of the axis.</source>
        <comment>1049</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Removes the selected genesis point from the list.</source>
        <comment>1064</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click on this button to modify advanced options : threshold color and thickness compensation algorithm.</source>
        <comment>1076</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Threshold color. Any color which one of the componants is brigther than those of the threshold color is considered as white. That means that this color is not considered as being part of the graph.</source>
        <comment>1077</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move this slider to chose the red componant of the threshold. Every color which red componant is greater than the threshold one will be considered as being white.</source>
        <comment>1080</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move this slider to chose the green componant of the threshold color. Every color which green componant is greater than the threshold color one will be considered as being white.</source>
        <comment>1081</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter the value of the red componant of the threshold. This value must be between 0 and 255.</source>
        <comment>1083</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter the value of the green componant of the threshold color. This value must be between 0 and 255.</source>
        <comment>1084</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter the value of the blue componant of the threshold color. This value must be between 0 and 255.</source>
        <comment>1085</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click on this button than on the bitmap in order to choose the threshold color from the bitmap.</source>
        <comment>1086</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click on this radio button to get a flat  thickness compensation.  The thickness compensation will be constant and independant of the curve derivative.</source>
        <comment>1087</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check this radio button to use a smart thickness compensation algorithm. This algorithm takes into account the curve derivative to compensate the curve thickness.</source>
        <comment>1088</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The smart thickness compensation algorithm uses the curve derivative to compensate the thickness. This value gives the number of points arround the current point used to calculate this derivative. This value must be between 1 and 32.</source>
        <comment>1089</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>In order to define the axis, click on this button then draw a line on the graphic. If the Shift key is pressed, the line is drawn parallel to the window border.</source>
        <comment>1098</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check this radio button if the scale is logarithmic.</source>
        <comment>1104</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select this radio button in order to identify a dashed curve</source>
        <comment>1110</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select this radio button in order to identify a continuous curve</source>
        <comment>1111</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shows the max distance between two dashes</source>
        <comment>1113</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click on this button to modify the max distance between two dashes</source>
        <comment>1115</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open a new bitmap file, prompt for save if necessary.
Open bitmap </source>
        <comment>32771</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export curves data.
Export data</source>
        <comment>32772</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Construct a new coordinates system on the bitmap
New coordinates system</source>
        <comment>32774</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Construct a new continuous curve on the selected coordinates system
New continuous curve</source>
        <comment>32781</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Construct a new discrete curve on the selected coordinates system
New discrete curve</source>
        <comment>32782</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Construct a new coordinates system and a new curve
New coordinates system and curve</source>
        <comment>32788</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select the scanner that will be used.
Select scanner source</source>
        <comment>32798</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Launch scanner acquisition.
Import from scanner.</source>
        <comment>32799</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Construct a new densitometry curve on the selected coordinates system
New densitometry curve</source>
        <comment>32800</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Construct a new spline curve on the selected coordinates system
New spline curve</source>
        <comment>32802</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Plotvane</source>
        <comment>57344</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>For Help, press F1</source>
        <comment>57345</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open an existing document
Open</source>
        <comment>57601</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save the document
Save</source>
        <comment>57604</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Display program information, version number and copyright
About</source>
        <comment>57664</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quit the application; prompts to save documents
Exit</source>
        <comment>57665</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>List Help topics
Help Topics</source>
        <comment>57667</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> X=</source>
        <comment>59143</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Y=</source>
        <comment>59144</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show or hide the toolbar
Toggle ToolBar</source>
        <comment>59392</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The two axes can&apos;t be parallel</source>
        <comment>61204</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Failed to Open this file !</source>
        <comment>61205</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot handle %d colors graphics.</source>
        <comment>61206</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Colors must be between 0 and 255</source>
        <comment>61207</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Range must be between 1 and 32</source>
        <comment>61208</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This will lost hand-modifications. Continue ?</source>
        <comment>61209</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Genesis point with coordinate
X= %f
Y= %f
is redundant and will be removed.</source>
        <comment>61211</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No point selected !</source>
        <comment>61212</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No curve here !
Eiteher, you have clicked in the background of the graphic, either the threshold color is not the good one for this curve (see Advanced option in the dialog box).</source>
        <comment>61213</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Out of limits !</source>
        <comment>61214</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The curve already exists here !</source>
        <comment>61215</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Right limit must be greater than left limit</source>
        <comment>61216</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Left limit must be greater than right limit
when X axe is reversed</source>
        <comment>61217</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not enough memory !</source>
        <comment>61224</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You must first create or select a coordinates system.</source>
        <comment>61225</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This will delete all curves related to this coordinates system.
Do you realy want to delete it ?</source>
        <comment>61226</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The limits values must be greater than zero because the scale is logarithmic.</source>
        <comment>61234</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fit</source>
        <comment>61242</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next &gt;&gt;</source>
        <comment>61243</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Finish</source>
        <comment>61244</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Graphic files</source>
        <comment>61249</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All files</source>
        <comment>61250</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The two scale points must be different !</source>
        <comment>61252</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please draw a line on the %s axis of your graphic.</source>
        <comment>61253</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>X</source>
        <comment>61254</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Y</source>
        <comment>61255</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please pick a position for scale point %d</source>
        <comment>61256</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter a value for the scale point %d</source>
        <comment>61257</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter a valur for the point %d and pick a position for the point %d</source>
        <comment>61258</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ready</source>
        <comment>61259</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please define a position for the scale point %d</source>
        <comment>61260</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pick a position and enter a value for scale point %d</source>
        <comment>61261</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>An other curve has already the same name.
Do you want to continue?</source>
        <comment>61264</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Untitled</source>
        <comment>61265</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sorry, there is no available scanner.</source>
        <comment>61267</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scanned graphic</source>
        <comment>61271</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot add new spline anchor point here !</source>
        <comment>61280</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Can&apos;t add an anchor-point. Please use the Add Anchor Point tool on a segment of the spline curve.</source>
        <comment>61281</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Can&apos;t remove the anchor-point. Please use the Remove Anchor-Point tool on an anchor point of the spline curve.</source>
        <comment>61282</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot modify the anchor-point. Please use the Modify Anchor-Point tool on an anchor-point of the spline curve.</source>
        <comment>61283</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This will erase all the spline curve. Are you sure you want to continue?</source>
        <comment>61284</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add new anchor points at the end of the curve.
Click and drag the mouse on the graphic.
Use Ctrl key to make corners. Use Shift key to smooth them.</source>
        <comment>61285</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add new anchor points at the beginning of the curve.
Click and drag the mouse on the graphic.
Use Ctrl key to make corners. Use Shift key to smooth them.</source>
        <comment>61286</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add anchor points at the middle of the curve.</source>
        <comment>61287</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove anchor points.
Click on the point you want to remove.</source>
        <comment>61288</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Modify anchor points.
Click and the drag the anchor points you want to modify. Use Ctrl key to make corners, use Shift key to smooth them.</source>
        <comment>61289</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Graph recognition by Plotvane.</source>
        <comment>61300</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Values read from a picture: check them against the original graph.</source>
        <comment>61301</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bitmap file :</source>
        <comment>61302</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>To be continued : Preview is limited to %d lines.</source>
        <comment>61303</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot open the file for writting.</source>
        <comment>61304</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot write into the file.</source>
        <comment>61305</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error while accessing to the file.</source>
        <comment>61306</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error when trying to build the preview.</source>
        <comment>61307</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Value must be greater than zero
 in the case of a logarithmic axe.</source>
        <comment>61308</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The period must be greater than zero !</source>
        <comment>61309</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nb of points to export is too high!</source>
        <comment>61310</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This curve will contain %d lines. Continue?</source>
        <comment>61311</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The &quot;other value&quot; field is empty!</source>
        <comment>61312</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The value is outside the range !</source>
        <comment>61313</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Decade of </source>
        <comment>61314</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error !</source>
        <comment>61315</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Excel files (*.xls)|*.xls|</source>
        <comment>61316</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Text files (*.txt)|*.txt|</source>
        <comment>61317</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%s Files (*.%s)|*.%s|</source>
        <comment>61318</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All files (*.*)|*.*||</source>
        <comment>61319</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>English</source>
        <comment>61320</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>French</source>
        <comment>61321</comment>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
