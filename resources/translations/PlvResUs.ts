<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>CAboutDlg</name>
    <message>
        <source>About Plotvane</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Plotvane Version %1</source>
        <comment>%1: the version number</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Build number :</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CAxeDialog</name>
    <message>
        <source>Draw axis</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Axis name :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Point 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pick position</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Point 2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Linear</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Logarithmic</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;&lt; Previous</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next &gt;&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Y axis and scale</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>X axis and scale</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CColorChooseDialog</name>
    <message>
        <source>Color</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Red</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Green</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Blue</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CContinuousAdvOptDlg</name>
    <message>
        <source>Continuous curve : advanced options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Threshold color</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>255</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Red</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Green</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Blue</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pick from bitmap</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Thickness compensation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Flat</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Smart</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Range</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sub-pixel centre line</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CCurveKindDialog</name>
    <message>
        <source>Graph construction - Kind of curve</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Continuous curve</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Spline curve</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Discrete curve (scattered points)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Densitometry curve (color profile)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;&lt; Previous</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next &gt;&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Help</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CCurveProPage</name>
    <message>
        <source>Curve</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Thickness compensation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;&amp;Smart&quot; compensation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Range :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Flat compensation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Follow</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Top</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Bottom</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Threshold color</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dashed curve</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Max. &amp;distance</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>D&amp;efaults</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CDashMaxDistDialog</name>
    <message>
        <source>Distance between dashes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter the max distance between</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>two dashes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Apply</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Help</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CDensitoPeriodDialog</name>
    <message>
        <source>Densitometry curve : First point and frequency</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Display</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>X coordinates</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Y coordinates</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Both</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Min</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Max</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>First point</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Period</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unit (period)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>X</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Y</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nb of saved points : </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CDensitoPreviewWnd</name>
    <message>
        <source>Densitometry preview</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CDensitoProPage</name>
    <message>
        <source>Densitometry</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Color scale of new densitometry curves</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Related &amp;value</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Related v&amp;alue</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CDensitometryDialog</name>
    <message>
        <source>Graph construction - Densitometry</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Curve name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Color scale</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Related value</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Draw segment </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Use as default</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Preview</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;&lt; Previous</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next &gt;&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Help</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CDiscreteDialog</name>
    <message>
        <source>Points picking</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click on each point of the curve</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>X</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Y</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sort</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Curve name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;&lt; Previous</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Finish</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Graph construction - Points picking</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CExportProPage</name>
    <message>
        <source>Export</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Default column separator</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Default file extension</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Filename.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CExportPromptDlg</name>
    <message>
        <source>Do you want to save this curve now ?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Later</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CGenesisDialog</name>
    <message>
        <source>Initial points</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click on each part of the curve</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pick curve</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>X</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Y</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Follow</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The top</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The bottom</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>of the curve</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Thickness (pixels)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pick</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dashed curve</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Yes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Max. dist.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Modify</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>between dashes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Curve name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Advanced options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;&lt; Previous</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next &gt;&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Continuous curve - Curve identification</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CHandModificationDialog</name>
    <message>
        <source>Draw on the curve with the pen, or erase parts of it with the rubber.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tools</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rubber</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Undo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Redo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reset</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;&lt; Previous</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Finish</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Graph construction - Manual modifications</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CHelpWindow</name>
    <message>
        <source>Contents</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Back</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Forward</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Plotvane Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 - Plotvane Help</source>
        <comment>%1: the title of the topic</comment>
        <translation></translation>
    </message>
</context>
<context>
    <name>CLanguageProPage</name>
    <message>
        <source>Language</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Language of the program</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The new language is used from the next start of Plotvane.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CLimitDialog</name>
    <message>
        <source>Graph construction - Curve limits</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You must now specify the limits of the curve you want to analyse.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Curve Limits</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Left limit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pick position</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Right limit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;&lt; Previous</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next &gt;&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>clicking on the graph (</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You can specify these limits either by entering the abscissa value (in units) or by </source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CMainFrame</name>
    <message>
        <source>&amp;Open Graphic</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Select source...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Import...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Data export</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open Document...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Document...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Continuous curve</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Spline curve</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Discrete curve</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Den&amp;sitometry curve</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New coordinates &amp;system</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Both</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Modify selected object</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Delete selected object</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Zoom</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Options...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help Topics</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;About Plotvane...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>What&apos;s This?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Toolbar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scanner</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Graph construction</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New &amp;curve</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Paste Picture</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CNumberFieldHint</name>
    <message>
        <source>This field takes a whole number, written with digits only.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A number is written with digits, a sign, the point &quot;.&quot; and an exponent (e).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A number is written with digits, a sign, the decimal separator &quot;%1&quot; or the point, and an exponent (e).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be typed here.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>COptionsSheet</name>
    <message>
        <source>Options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Help</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CPdfBusyIndicator</name>
    <message>
        <source>Drawing the PDF page…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CPdfPageDialog</name>
    <message>
        <source>Open a PDF Page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Page:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Resolution:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> dpi</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>of %n</source>
        <comment>the number of pages of the file</comment>
        <translation>
            <numerusform>of %n</numerusform>
            <numerusform>of %n</numerusform>
        </translation>
    </message>
    <message>
        <source>Too large at this resolution</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 × %2 pixels</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This page is damaged</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CPendingStepDialog</name>
    <message>
        <source>Graph construction</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This step of the construction comes with a later version of Plotvane.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;&lt; Previous</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CPeriodDialog</name>
    <message>
        <source>Continuous curves : First point and frequency</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;First value :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>F&amp;requency :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Period :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Number of saved points : </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Help</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CPreviewDialog</name>
    <message>
        <source>Preview</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CPromptProPage</name>
    <message>
        <source>Prompt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>When starting Plotvane, ask for :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Opening graphic</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Importing graphic from scanner</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing, &amp;thanks</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Prompt for data export :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;No prompt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;After each curve identification / modification</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CSaveCurveDialog</name>
    <message>
        <source>Save Curves</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Available curves :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>==&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;==</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;To save:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move up</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move down</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Format</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Preview</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Help</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CSavePromptDlg</name>
    <message>
        <source>Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Export curves data</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Save document</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CScanSettingsDialog</name>
    <message>
        <source>Scanner settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Resolution:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Colour &amp;mode:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scan area (mm)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Left:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Top:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>R&amp;ight:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Bottom:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Preview</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Scan</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click Preview to see the whole bed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This scanner gives no preview.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 dpi</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The scanner gave no preview.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CScannerManager</name>
    <message>
        <source>Scanning...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import from scanner</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CSelectSourceDialog</name>
    <message>
        <source>Select Source</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Scanners:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CSeparatorChooser</name>
    <message>
        <source>&amp;Tab</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Se&amp;micolon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Comma</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>S&amp;pace</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Other :</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CSeparatorDialog</name>
    <message>
        <source>Separator</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Column separator</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Help</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CSplineDialog</name>
    <message>
        <source>Spline construction</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add at the end</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add at the beginning</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add in the middle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Modify</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clean All</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Curve name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;&lt; Previous</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next &gt;&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Graph construction - Spline curve</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CSplinePeriodDialog</name>
    <message>
        <source>Spline Curve : Number of saved points</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Number of points per segment :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Total number of exported points :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please enter an integer between %1 and %2.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CViewContextMenu</name>
    <message>
        <source>&amp;Open Bitmap...	CTRL+O</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import from scanner...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Zoom</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Modify selected coordinates system</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Data export	CTRL+E</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Modify selected curve</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New coordinates system and curve</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New &amp;curve</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CZoomDialog</name>
    <message>
        <source>Zoom</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Zoom (%):</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
