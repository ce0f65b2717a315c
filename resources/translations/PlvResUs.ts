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
</context>
</TS>
