<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>CAboutDlg</name>
    <message>
        <source>About Plotvane</source>
        <translation>À propos de Plotvane</translation>
    </message>
    <message>
        <source>Plotvane Version %1</source>
        <comment>%1: the version number</comment>
        <translation>Plotvane version %1</translation>
    </message>
    <message>
        <source>Build number :</source>
        <translation>Numéro de compilation :</translation>
    </message>
</context>
<context>
    <name>CHelpWindow</name>
    <message>
        <source>Contents</source>
        <translation>Sommaire</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Précédent</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Suivant</translation>
    </message>
    <message>
        <source>Plotvane Help</source>
        <translation>Aide de Plotvane</translation>
    </message>
    <message>
        <source>%1 - Plotvane Help</source>
        <comment>%1: the title of the topic</comment>
        <translation>%1 - Aide de Plotvane</translation>
    </message>
</context>
<context>
    <name>CMainFrame</name>
    <message>
        <source>&amp;Open Graphic</source>
        <translation>&amp;Ouvrir une image</translation>
    </message>
    <message>
        <source>&amp;Select source...</source>
        <translation>&amp;Choisir la source...</translation>
    </message>
    <message>
        <source>&amp;Import...</source>
        <translation>&amp;Importer...</translation>
    </message>
    <message>
        <source>&amp;Data export</source>
        <translation>&amp;Exporter les données</translation>
    </message>
    <message>
        <source>Open Document...</source>
        <translation>Ouvrir un document...</translation>
    </message>
    <message>
        <source>Save Document...</source>
        <translation>Enregistrer le document...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Continuous curve</source>
        <translation>Courbe &amp;continue</translation>
    </message>
    <message>
        <source>&amp;Spline curve</source>
        <translation>Courbe &amp;spline</translation>
    </message>
    <message>
        <source>&amp;Discrete curve</source>
        <translation>Courbe &amp;discrète</translation>
    </message>
    <message>
        <source>Den&amp;sitometry curve</source>
        <translation>Courbe de densi&amp;tométrie</translation>
    </message>
    <message>
        <source>New coordinates &amp;system</source>
        <translation>Nouveau &amp;repère</translation>
    </message>
    <message>
        <source>&amp;Both</source>
        <translation>Repère &amp;et courbe</translation>
    </message>
    <message>
        <source>&amp;Modify selected object</source>
        <translation>&amp;Modifier l&apos;objet sélectionné</translation>
    </message>
    <message>
        <source>&amp;Delete selected object</source>
        <translation>S&amp;upprimer l&apos;objet sélectionné</translation>
    </message>
    <message>
        <source>&amp;Zoom</source>
        <translation>&amp;Zoom</translation>
    </message>
    <message>
        <source>&amp;Options...</source>
        <translation>&amp;Options...</translation>
    </message>
    <message>
        <source>&amp;Help Topics</source>
        <translation>&amp;Rubriques d&apos;aide</translation>
    </message>
    <message>
        <source>&amp;About Plotvane...</source>
        <translation>À &amp;propos de Plotvane...</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>What&apos;s This?</source>
        <translation>Qu&apos;est-ce que c&apos;est ?</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>Barre d&apos;outils</translation>
    </message>
    <message>
        <source>&amp;Toolbar</source>
        <translation>&amp;Barre d&apos;outils</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>Scanner</source>
        <translation>Scanner</translation>
    </message>
    <message>
        <source>&amp;Graph construction</source>
        <translation>&amp;Construction du graphe</translation>
    </message>
    <message>
        <source>New &amp;curve</source>
        <translation>Nouvelle &amp;courbe</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Affichage</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
</context>
</TS>
