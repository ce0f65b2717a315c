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
    <name>CAxeDialog</name>
    <message>
        <source>Draw axis</source>
        <translation>Tracer l&apos;axe</translation>
    </message>
    <message>
        <source>Axis name :</source>
        <translation>Nom de l&apos;axe :</translation>
    </message>
    <message>
        <source>Point 1</source>
        <translation>Point 1</translation>
    </message>
    <message>
        <source>Pick position</source>
        <translation>Pointer la position</translation>
    </message>
    <message>
        <source>Point 2</source>
        <translation>Point 2</translation>
    </message>
    <message>
        <source>Linear</source>
        <translation>Linéaire</translation>
    </message>
    <message>
        <source>Logarithmic</source>
        <translation>Logarithmique</translation>
    </message>
    <message>
        <source>&lt;&lt; Previous</source>
        <translation>&lt;&lt; Précédent</translation>
    </message>
    <message>
        <source>Next &gt;&gt;</source>
        <translation>Suivant &gt;&gt;</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>Y axis and scale</source>
        <translation>Axe Y et échelle</translation>
    </message>
    <message>
        <source>X axis and scale</source>
        <translation>Axe X et échelle</translation>
    </message>
</context>
<context>
    <name>CColorChooseDialog</name>
    <message>
        <source>Color</source>
        <translation>Couleur</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rouge</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Vert</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Bleu</translation>
    </message>
</context>
<context>
    <name>CContinuousAdvOptDlg</name>
    <message>
        <source>Continuous curve : advanced options</source>
        <translation>Courbe continue : options avancées</translation>
    </message>
    <message>
        <source>Threshold color</source>
        <translation>Couleur de seuil</translation>
    </message>
    <message>
        <source>255</source>
        <translation>255</translation>
    </message>
    <message>
        <source>0</source>
        <translation>0</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rouge</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Vert</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Bleu</translation>
    </message>
    <message>
        <source>Pick from bitmap</source>
        <translation>Prendre dans l&apos;image</translation>
    </message>
    <message>
        <source>Thickness compensation</source>
        <translation>Compensation de l&apos;épaisseur</translation>
    </message>
    <message>
        <source>Flat</source>
        <translation>Plate</translation>
    </message>
    <message>
        <source>Smart</source>
        <translation>Intelligente</translation>
    </message>
    <message>
        <source>Range</source>
        <translation>Portée</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Sub-pixel centre line</source>
        <translation>Ligne centrale au sous-pixel</translation>
    </message>
</context>
<context>
    <name>CCurveKindDialog</name>
    <message>
        <source>Graph construction - Kind of curve</source>
        <translation>Construction du graphique - Type de courbe</translation>
    </message>
    <message>
        <source>Continuous curve</source>
        <translation>Courbe continue</translation>
    </message>
    <message>
        <source>Spline curve</source>
        <translation>Courbe spline</translation>
    </message>
    <message>
        <source>Discrete curve (scattered points)</source>
        <translation>Courbe discrète (points dispersés)</translation>
    </message>
    <message>
        <source>Densitometry curve (color profile)</source>
        <translation>Courbe densitométrique (profil de couleur)</translation>
    </message>
    <message>
        <source>&lt;&lt; Previous</source>
        <translation>&lt;&lt; Précédent</translation>
    </message>
    <message>
        <source>Next &gt;&gt;</source>
        <translation>Suivant &gt;&gt;</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
</context>
<context>
    <name>CCurveProPage</name>
    <message>
        <source>Curve</source>
        <translation>Courbe</translation>
    </message>
    <message>
        <source>Thickness compensation</source>
        <translation>Compensation d&apos;épaisseur</translation>
    </message>
    <message>
        <source>&quot;&amp;Smart&quot; compensation</source>
        <translation>Compensation « &amp;intelligente »</translation>
    </message>
    <message>
        <source>&amp;Range :</source>
        <translation>&amp;Portée :</translation>
    </message>
    <message>
        <source>&amp;Flat compensation</source>
        <translation>Compensation p&amp;late</translation>
    </message>
    <message>
        <source>Follow</source>
        <translation>Suivre</translation>
    </message>
    <message>
        <source>&amp;Top</source>
        <translation>&amp;Haut</translation>
    </message>
    <message>
        <source>&amp;Bottom</source>
        <translation>&amp;Bas</translation>
    </message>
    <message>
        <source>Threshold color</source>
        <translation>Couleur de seuil</translation>
    </message>
    <message>
        <source>Dashed curve</source>
        <translation>Courbe en pointillés</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Oui</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Non</translation>
    </message>
    <message>
        <source>Max. &amp;distance</source>
        <translation>&amp;Distance max.</translation>
    </message>
    <message>
        <source>D&amp;efaults</source>
        <translation>&amp;Valeurs par défaut</translation>
    </message>
</context>
<context>
    <name>CDashMaxDistDialog</name>
    <message>
        <source>Distance between dashes</source>
        <translation>Distance entre les tirets</translation>
    </message>
    <message>
        <source>Enter the max distance between</source>
        <translation>Entrez la distance maximale entre</translation>
    </message>
    <message>
        <source>two dashes</source>
        <translation>deux tirets</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Appliquer</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
</context>
<context>
    <name>CDensitoPeriodDialog</name>
    <message>
        <source>Densitometry curve : First point and frequency</source>
        <translation>Courbe de densitométrie : premier point et fréquence</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>Affichage</translation>
    </message>
    <message>
        <source>X coordinates</source>
        <translation>Coordonnées X</translation>
    </message>
    <message>
        <source>Y coordinates</source>
        <translation>Coordonnées Y</translation>
    </message>
    <message>
        <source>Both</source>
        <translation>Les deux</translation>
    </message>
    <message>
        <source>Min</source>
        <translation>Min</translation>
    </message>
    <message>
        <source>Max</source>
        <translation>Max</translation>
    </message>
    <message>
        <source>First point</source>
        <translation>Premier point</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Fréquence</translation>
    </message>
    <message>
        <source>Period</source>
        <translation>Période</translation>
    </message>
    <message>
        <source>Unit (period)</source>
        <translation>Unité (période)</translation>
    </message>
    <message>
        <source>X</source>
        <translation>X</translation>
    </message>
    <message>
        <source>Y</source>
        <translation>Y</translation>
    </message>
    <message>
        <source>Nb of saved points : </source>
        <translation>Nombre de points enregistrés : </translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>CDensitoPreviewWnd</name>
    <message>
        <source>Densitometry preview</source>
        <translation>Aperçu de la densitométrie</translation>
    </message>
</context>
<context>
    <name>CDensitoProPage</name>
    <message>
        <source>Densitometry</source>
        <translation>Densitométrie</translation>
    </message>
    <message>
        <source>Color scale of new densitometry curves</source>
        <translation>Échelle de couleurs des nouvelles courbes de densitométrie</translation>
    </message>
    <message>
        <source>Related &amp;value</source>
        <translation>&amp;Valeur associée</translation>
    </message>
    <message>
        <source>Related v&amp;alue</source>
        <translation>V&amp;aleur associée</translation>
    </message>
</context>
<context>
    <name>CDensitometryDialog</name>
    <message>
        <source>Graph construction - Densitometry</source>
        <translation>Construction du graphe - Densitométrie</translation>
    </message>
    <message>
        <source>Curve name</source>
        <translation>Nom de la courbe</translation>
    </message>
    <message>
        <source>Color scale</source>
        <translation>Échelle de couleurs</translation>
    </message>
    <message>
        <source>Related value</source>
        <translation>Valeur associée</translation>
    </message>
    <message>
        <source>Draw segment </source>
        <translation>Tracer le segment </translation>
    </message>
    <message>
        <source>Use as default</source>
        <translation>Utiliser par défaut</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Aperçu</translation>
    </message>
    <message>
        <source>&lt;&lt; Previous</source>
        <translation>&lt;&lt; Précédent</translation>
    </message>
    <message>
        <source>Next &gt;&gt;</source>
        <translation>Suivant &gt;&gt;</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
</context>
<context>
    <name>CDiscreteDialog</name>
    <message>
        <source>Points picking</source>
        <translation>Saisie des points</translation>
    </message>
    <message>
        <source>Click on each point of the curve</source>
        <translation>Cliquez sur chaque point de la courbe</translation>
    </message>
    <message>
        <source>X</source>
        <translation>X</translation>
    </message>
    <message>
        <source>Y</source>
        <translation>Y</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Sort</source>
        <translation>Trier</translation>
    </message>
    <message>
        <source>Curve name</source>
        <translation>Nom de la courbe</translation>
    </message>
    <message>
        <source>&lt;&lt; Previous</source>
        <translation>&lt;&lt; Précédent</translation>
    </message>
    <message>
        <source>Finish</source>
        <translation>Terminer</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>Graph construction - Points picking</source>
        <translation>Construction du graphe - Saisie des points</translation>
    </message>
</context>
<context>
    <name>CExportProPage</name>
    <message>
        <source>Export</source>
        <translation>Exportation</translation>
    </message>
    <message>
        <source>Default column separator</source>
        <translation>Séparateur de colonnes par défaut</translation>
    </message>
    <message>
        <source>Default file extension</source>
        <translation>Extension de fichier par défaut</translation>
    </message>
    <message>
        <source>&amp;Filename.</source>
        <translation>&amp;Fichier.</translation>
    </message>
</context>
<context>
    <name>CExportPromptDlg</name>
    <message>
        <source>Do you want to save this curve now ?</source>
        <translation>Voulez-vous enregistrer cette courbe maintenant ?</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Oui</translation>
    </message>
    <message>
        <source>&amp;Later</source>
        <translation>&amp;Plus tard</translation>
    </message>
</context>
<context>
    <name>CGenesisDialog</name>
    <message>
        <source>Initial points</source>
        <translation>Points de départ</translation>
    </message>
    <message>
        <source>Click on each part of the curve</source>
        <translation>Cliquez sur chaque partie de la courbe</translation>
    </message>
    <message>
        <source>Pick curve</source>
        <translation>Pointer la courbe</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>X</source>
        <translation>X</translation>
    </message>
    <message>
        <source>Y</source>
        <translation>Y</translation>
    </message>
    <message>
        <source>Follow</source>
        <translation>Suivre</translation>
    </message>
    <message>
        <source>The top</source>
        <translation>Le haut</translation>
    </message>
    <message>
        <source>The bottom</source>
        <translation>Le bas</translation>
    </message>
    <message>
        <source>of the curve</source>
        <translation>de la courbe</translation>
    </message>
    <message>
        <source>Thickness (pixels)</source>
        <translation>Épaisseur (pixels)</translation>
    </message>
    <message>
        <source>Pick</source>
        <translation>Pointer</translation>
    </message>
    <message>
        <source>Dashed curve</source>
        <translation>Courbe en pointillés</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Oui</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Non</translation>
    </message>
    <message>
        <source>Max. dist.</source>
        <translation>Dist. max.</translation>
    </message>
    <message>
        <source>Modify</source>
        <translation>Modifier</translation>
    </message>
    <message>
        <source>between dashes</source>
        <translation>entre les tirets</translation>
    </message>
    <message>
        <source>Curve name</source>
        <translation>Nom de la courbe</translation>
    </message>
    <message>
        <source>Advanced options</source>
        <translation>Options avancées</translation>
    </message>
    <message>
        <source>&lt;&lt; Previous</source>
        <translation>&lt;&lt; Précédent</translation>
    </message>
    <message>
        <source>Next &gt;&gt;</source>
        <translation>Suivant &gt;&gt;</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>Continuous curve - Curve identification</source>
        <translation>Courbe continue - Identification de la courbe</translation>
    </message>
</context>
<context>
    <name>CHandModificationDialog</name>
    <message>
        <source>Draw on the curve with the pen, or erase parts of it with the rubber.</source>
        <translation>Dessinez sur la courbe avec le crayon, ou effacez-en des parties avec la gomme.</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>Outils</translation>
    </message>
    <message>
        <source>Pen</source>
        <translation>Crayon</translation>
    </message>
    <message>
        <source>Rubber</source>
        <translation>Gomme</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Défaire</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Refaire</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Réinitialiser</translation>
    </message>
    <message>
        <source>&lt;&lt; Previous</source>
        <translation>&lt;&lt; Précédent</translation>
    </message>
    <message>
        <source>Finish</source>
        <translation>Terminer</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>Graph construction - Manual modifications</source>
        <translation>Construction du graphe - Modifications à la main</translation>
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
    <name>CLanguageProPage</name>
    <message>
        <source>Language</source>
        <translation>Langue</translation>
    </message>
    <message>
        <source>Language of the program</source>
        <translation>Langue du programme</translation>
    </message>
    <message>
        <source>The new language is used from the next start of Plotvane.</source>
        <translation>La nouvelle langue s&apos;applique au prochain démarrage de Plotvane.</translation>
    </message>
</context>
<context>
    <name>CLimitDialog</name>
    <message>
        <source>Graph construction - Curve limits</source>
        <translation>Construction du graphe - Limites de la courbe</translation>
    </message>
    <message>
        <source>You must now specify the limits of the curve you want to analyse.</source>
        <translation>Vous devez maintenant indiquer les limites de la courbe à analyser.</translation>
    </message>
    <message>
        <source>Curve Limits</source>
        <translation>Limites de la courbe</translation>
    </message>
    <message>
        <source>Left limit</source>
        <translation>Limite gauche</translation>
    </message>
    <message>
        <source>Pick position</source>
        <translation>Pointer la position</translation>
    </message>
    <message>
        <source>Right limit</source>
        <translation>Limite droite</translation>
    </message>
    <message>
        <source>&lt;&lt; Previous</source>
        <translation>&lt;&lt; Précédent</translation>
    </message>
    <message>
        <source>Next &gt;&gt;</source>
        <translation>Suivant &gt;&gt;</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>clicking on the graph (</source>
        <translation>cliquant sur le graphe (</translation>
    </message>
    <message>
        <source>).</source>
        <translation>).</translation>
    </message>
    <message>
        <source>You can specify these limits either by entering the abscissa value (in units) or by </source>
        <translation>Vous pouvez donner ces limites soit en entrant la valeur de l&apos;abscisse (en unités), soit en </translation>
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
        <translation>A&amp;ide</translation>
    </message>
    <message>
        <source>&amp;Paste Picture</source>
        <translation>&amp;Coller une image</translation>
    </message>
</context>
<context>
    <name>CNumberFieldHint</name>
    <message>
        <source>This field takes a whole number, written with digits only.</source>
        <translation>Ce champ attend un nombre entier, écrit uniquement avec des chiffres.</translation>
    </message>
    <message>
        <source>A number is written with digits, a sign, the point &quot;.&quot; and an exponent (e).</source>
        <translation>Un nombre s&apos;écrit avec des chiffres, un signe, le point « . » et un exposant (e).</translation>
    </message>
    <message>
        <source>A number is written with digits, a sign, the decimal separator &quot;%1&quot; or the point, and an exponent (e).</source>
        <translation>Un nombre s&apos;écrit avec des chiffres, un signe, le séparateur décimal « %1 » ou le point, et un exposant (e).</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be typed here.</source>
        <translation>« %1 » ne peut pas être tapé ici.</translation>
    </message>
</context>
<context>
    <name>COptionsSheet</name>
    <message>
        <source>Options</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
</context>
<context>
    <name>CPdfBusyIndicator</name>
    <message>
        <source>Drawing the PDF page…</source>
        <translation>Dessin de la page PDF…</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>CPdfPageDialog</name>
    <message>
        <source>Open a PDF Page</source>
        <translation>Ouvrir une page PDF</translation>
    </message>
    <message>
        <source>&amp;Page:</source>
        <translation>&amp;Page :</translation>
    </message>
    <message>
        <source>&amp;Resolution:</source>
        <translation>&amp;Résolution :</translation>
    </message>
    <message>
        <source> dpi</source>
        <translation> ppp</translation>
    </message>
    <message numerus="yes">
        <source>of %n</source>
        <comment>the number of pages of the file</comment>
        <translation>
            <numerusform>sur %n</numerusform>
            <numerusform>sur %n</numerusform>
        </translation>
    </message>
    <message>
        <source>Too large at this resolution</source>
        <translation>Trop grande à cette résolution</translation>
    </message>
    <message>
        <source>%1 × %2 pixels</source>
        <translation>%1 × %2 pixels</translation>
    </message>
    <message>
        <source>This page is damaged</source>
        <translation>Cette page est endommagée</translation>
    </message>
</context>
<context>
    <name>CPendingStepDialog</name>
    <message>
        <source>Graph construction</source>
        <translation>Construction du graphique</translation>
    </message>
    <message>
        <source>This step of the construction comes with a later version of Plotvane.</source>
        <translation>Cette étape de la construction viendra avec une version ultérieure de Plotvane.</translation>
    </message>
    <message>
        <source>&lt;&lt; Previous</source>
        <translation>&lt;&lt; Précédent</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>CPeriodDialog</name>
    <message>
        <source>Continuous curves : First point and frequency</source>
        <translation>Courbes continues : premier point et fréquence</translation>
    </message>
    <message>
        <source>&amp;First value :</source>
        <translation>&amp;Première valeur :</translation>
    </message>
    <message>
        <source>F&amp;requency :</source>
        <translation>F&amp;réquence :</translation>
    </message>
    <message>
        <source>&amp;Period :</source>
        <translation>Péri&amp;ode :</translation>
    </message>
    <message>
        <source>Number of saved points : </source>
        <translation>Nombre de points enregistrés : </translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
</context>
<context>
    <name>CPreviewDialog</name>
    <message>
        <source>Preview</source>
        <translation>Aperçu</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
</context>
<context>
    <name>CPromptProPage</name>
    <message>
        <source>Prompt</source>
        <translation>Questions</translation>
    </message>
    <message>
        <source>When starting Plotvane, ask for :</source>
        <translation>Au démarrage de Plotvane, proposer :</translation>
    </message>
    <message>
        <source>&amp;Opening graphic</source>
        <translation>&amp;Ouvrir une image</translation>
    </message>
    <message>
        <source>&amp;Importing graphic from scanner</source>
        <translation>&amp;Importer une image depuis le scanner</translation>
    </message>
    <message>
        <source>Nothing, &amp;thanks</source>
        <translation>&amp;Rien, merci</translation>
    </message>
    <message>
        <source>Prompt for data export :</source>
        <translation>Proposer l&apos;export des données :</translation>
    </message>
    <message>
        <source>&amp;No prompt</source>
        <translation>&amp;Jamais</translation>
    </message>
    <message>
        <source>&amp;After each curve identification / modification</source>
        <translation>&amp;Après chaque identification ou modification de courbe</translation>
    </message>
</context>
<context>
    <name>CSaveCurveDialog</name>
    <message>
        <source>Save Curves</source>
        <translation>Enregistrer les courbes</translation>
    </message>
    <message>
        <source>&amp;Available curves :</source>
        <translation>Courbes &amp;disponibles :</translation>
    </message>
    <message>
        <source>==&gt;</source>
        <translation>==&gt;</translation>
    </message>
    <message>
        <source>&lt;==</source>
        <translation>&lt;==</translation>
    </message>
    <message>
        <source>&amp;To save:</source>
        <translation>À en&amp;registrer :</translation>
    </message>
    <message>
        <source>Move up</source>
        <translation>Monter</translation>
    </message>
    <message>
        <source>Move down</source>
        <translation>Descendre</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Enregistrer</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>&amp;Format</source>
        <translation>&amp;Format</translation>
    </message>
    <message>
        <source>&amp;Preview</source>
        <translation>&amp;Aperçu</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
</context>
<context>
    <name>CSavePromptDlg</name>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>&amp;Export curves data</source>
        <translation>&amp;Exporter les données des courbes</translation>
    </message>
    <message>
        <source>&amp;Save document</source>
        <translation>Enregistrer le &amp;document</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Oui</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Non</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>CScanSettingsDialog</name>
    <message>
        <source>Scanner settings</source>
        <translation>Réglages du scanner</translation>
    </message>
    <message>
        <source>&amp;Resolution:</source>
        <translation>&amp;Résolution :</translation>
    </message>
    <message>
        <source>Colour &amp;mode:</source>
        <translation>&amp;Mode de couleur :</translation>
    </message>
    <message>
        <source>Scan area (mm)</source>
        <translation>Zone numérisée (mm)</translation>
    </message>
    <message>
        <source>&amp;Left:</source>
        <translation>&amp;Gauche :</translation>
    </message>
    <message>
        <source>&amp;Top:</source>
        <translation>&amp;Haut :</translation>
    </message>
    <message>
        <source>R&amp;ight:</source>
        <translation>&amp;Droite :</translation>
    </message>
    <message>
        <source>&amp;Bottom:</source>
        <translation>&amp;Bas :</translation>
    </message>
    <message>
        <source>&amp;Preview</source>
        <translation>A&amp;perçu</translation>
    </message>
    <message>
        <source>&amp;Scan</source>
        <translation>&amp;Numériser</translation>
    </message>
    <message>
        <source>Click Preview to see the whole bed.</source>
        <translation>Cliquez sur Aperçu pour voir toute la vitre.</translation>
    </message>
    <message>
        <source>This scanner gives no preview.</source>
        <translation>Ce scanner ne donne pas d&apos;aperçu.</translation>
    </message>
    <message>
        <source>%1 dpi</source>
        <translation>%1 ppp</translation>
    </message>
    <message>
        <source>The scanner gave no preview.</source>
        <translation>Le scanner n&apos;a pas donné d&apos;aperçu.</translation>
    </message>
</context>
<context>
    <name>CScannerManager</name>
    <message>
        <source>Scanning...</source>
        <translation>Numérisation en cours...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Import from scanner</source>
        <translation>Importer depuis le scanner</translation>
    </message>
</context>
<context>
    <name>CSelectSourceDialog</name>
    <message>
        <source>Select Source</source>
        <translation>Choisir la source</translation>
    </message>
    <message>
        <source>&amp;Scanners:</source>
        <translation>&amp;Scanners :</translation>
    </message>
</context>
<context>
    <name>CSeparatorChooser</name>
    <message>
        <source>&amp;Tab</source>
        <translation>&amp;Tabulation</translation>
    </message>
    <message>
        <source>Se&amp;micolon</source>
        <translation>Point-&amp;virgule</translation>
    </message>
    <message>
        <source>&amp;Comma</source>
        <translation>Vir&amp;gule</translation>
    </message>
    <message>
        <source>S&amp;pace</source>
        <translation>&amp;Espace</translation>
    </message>
    <message>
        <source>&amp;Other :</source>
        <translation>&amp;Autre :</translation>
    </message>
</context>
<context>
    <name>CSeparatorDialog</name>
    <message>
        <source>Separator</source>
        <translation>Séparateur</translation>
    </message>
    <message>
        <source>Column separator</source>
        <translation>Séparateur de colonnes</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
</context>
<context>
    <name>CSplineDialog</name>
    <message>
        <source>Spline construction</source>
        <translation>Construction de la spline</translation>
    </message>
    <message>
        <source>Add at the end</source>
        <translation>Ajouter à la fin</translation>
    </message>
    <message>
        <source>Add at the beginning</source>
        <translation>Ajouter au début</translation>
    </message>
    <message>
        <source>Add in the middle</source>
        <translation>Ajouter au milieu</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Retirer</translation>
    </message>
    <message>
        <source>Modify</source>
        <translation>Modifier</translation>
    </message>
    <message>
        <source>Clean All</source>
        <translation>Tout effacer</translation>
    </message>
    <message>
        <source>Curve name</source>
        <translation>Nom de la courbe</translation>
    </message>
    <message>
        <source>&lt;&lt; Previous</source>
        <translation>&lt;&lt; Précédent</translation>
    </message>
    <message>
        <source>Next &gt;&gt;</source>
        <translation>Suivant &gt;&gt;</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>Graph construction - Spline curve</source>
        <translation>Construction du graphe - Courbe spline</translation>
    </message>
</context>
<context>
    <name>CSplinePeriodDialog</name>
    <message>
        <source>Spline Curve : Number of saved points</source>
        <translation>Courbe spline : nombre de points enregistrés</translation>
    </message>
    <message>
        <source>Number of points per segment :</source>
        <translation>Nombre de points par segment :</translation>
    </message>
    <message>
        <source>Total number of exported points :</source>
        <translation>Nombre total de points exportés :</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>Please enter an integer between %1 and %2.</source>
        <translation>Veuillez entrer un entier compris entre %1 et %2.</translation>
    </message>
</context>
<context>
    <name>CViewContextMenu</name>
    <message>
        <source>&amp;Open Bitmap...	CTRL+O</source>
        <translation>&amp;Ouvrir une image...	CTRL+O</translation>
    </message>
    <message>
        <source>Import from scanner...</source>
        <translation>Importer depuis le scanner...</translation>
    </message>
    <message>
        <source>&amp;Zoom</source>
        <translation>&amp;Zoom</translation>
    </message>
    <message>
        <source>&amp;Modify selected coordinates system</source>
        <translation>&amp;Modifier le repère sélectionné</translation>
    </message>
    <message>
        <source>&amp;Data export	CTRL+E</source>
        <translation>&amp;Exporter les données	CTRL+E</translation>
    </message>
    <message>
        <source>&amp;Modify selected curve</source>
        <translation>&amp;Modifier la courbe sélectionnée</translation>
    </message>
    <message>
        <source>New coordinates system and curve</source>
        <translation>Nouveau repère et nouvelle courbe</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>New &amp;curve</source>
        <translation>Nouvelle &amp;courbe</translation>
    </message>
</context>
<context>
    <name>CZoomDialog</name>
    <message>
        <source>Zoom</source>
        <translation>Zoom</translation>
    </message>
    <message>
        <source>&amp;Zoom (%):</source>
        <translation>&amp;Zoom (%) :</translation>
    </message>
</context>
</TS>
