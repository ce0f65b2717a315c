<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
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
        <translation>Plotvane

Plotvane
Fichiers Plotvane (*.pvd)
.pvd
Plotvane.Document
Document Plotvane</translation>
    </message>
    <message>
        <source>Click here to sort the points in the ascending order of X value.</source>
        <comment>1000</comment>
        <translation>Cliquez ici pour trier les points par ordre croissant de X.</translation>
    </message>
    <message>
        <source>Delete the selected points of the list.</source>
        <comment>1002</comment>
        <translation>Supprime les points sélectionnés de la liste.</translation>
    </message>
    <message>
        <source>Curve</source>
        <comment>1004</comment>
        <translation>Courbe</translation>
    </message>
    <message>
        <source>This button must be pressed to choose the curve genesis points.</source>
        <comment>1007</comment>
        <translation>Appuyez sur ce bouton pour choisir les points de départ de la courbe.</translation>
    </message>
    <message>
        <source>When this radio button is checked, the curve is recognized by following the top of its line.</source>
        <comment>1010</comment>
        <translation>Quand ce bouton est coché, la courbe est reconnue en suivant le haut de son trait.</translation>
    </message>
    <message>
        <source>When this radio button is checked, the curve is recognized by following the bottom of its line.</source>
        <comment>1012</comment>
        <translation>Quand ce bouton est coché, la courbe est reconnue en suivant le bas de son trait.</translation>
    </message>
    <message>
        <source>Enter the name of the graph. This name will be used in the output file to identify this curve.</source>
        <comment>1015</comment>
        <translation>Entrez le nom du graphe. Ce nom servira dans le fichier de sortie à identifier cette courbe.</translation>
    </message>
    <message>
        <source>Enter the name of the curve. This name will be used in the output file to identify this curve.</source>
        <comment>1016</comment>
        <translation>Entrez le nom de la courbe. Ce nom servira dans le fichier de sortie à identifier cette courbe.</translation>
    </message>
    <message>
        <source>The value of the right limit up to which the curve will be recognized.</source>
        <comment>1019</comment>
        <translation>La valeur de la limite droite jusqu&apos;à laquelle la courbe sera reconnue.</translation>
    </message>
    <message>
        <source>Click on this button then on the curve. The thickness value will be calculated from this point.</source>
        <comment>1022</comment>
        <translation>Cliquez sur ce bouton puis sur la courbe. L&apos;épaisseur sera calculée à partir de ce point.</translation>
    </message>
    <message>
        <source>Enter the value related to the scale point.</source>
        <comment>1023</comment>
        <translation>Entrez la valeur du point d&apos;échelle.</translation>
    </message>
    <message>
        <source>In order to define a position of a scale point, you must first click on this button then on the desired location of the axis.</source>
        <comment>1024</comment>
        <translation>Pour définir la position d&apos;un point d&apos;échelle, cliquez d&apos;abord sur ce bouton puis à l&apos;endroit voulu de l&apos;axe.</translation>
    </message>
    <message>
        <source>Enter the value related to the scale point.</source>
        <comment>1025</comment>
        <translation>Entrez la valeur du point d&apos;échelle.</translation>
    </message>
    <message>
        <source>In order to define a position of a scale point, you must first click on this button then on the desired location of the axis.</source>
        <comment>1026</comment>
        <translation>Pour définir la position d&apos;un point d&apos;échelle, cliquez d&apos;abord sur ce bouton puis à l&apos;endroit voulu de l&apos;axe.</translation>
    </message>
    <message>
        <source>Check this radio button if the scale is linear.</source>
        <comment>1027</comment>
        <translation>Cochez ce bouton si l&apos;échelle est linéaire.</translation>
    </message>
    <message>
        <source>The value of the left limit from which the curve will be recognized.</source>
        <comment>1032</comment>
        <translation>La valeur de la limite gauche à partir de laquelle la courbe sera reconnue.</translation>
    </message>
    <message>
        <source>Click on this button then on the desired location on the bitmap to get the value of the left limit from which the curve will be recognized.</source>
        <comment>1033</comment>
        <translation>Cliquez sur ce bouton puis à l&apos;endroit voulu de l&apos;image pour obtenir la valeur de la limite gauche à partir de laquelle la courbe sera reconnue.</translation>
    </message>
    <message>
        <source>Click on this button then on the desired location on the bitmap to get the value of the right limit up to which the curve will be recognized.</source>
        <comment>1034</comment>
        <translation>Cliquez sur ce bouton puis à l&apos;endroit voulu de l&apos;image pour obtenir la valeur de la limite droite jusqu&apos;à laquelle la courbe sera reconnue.</translation>
    </message>
    <message>
        <source>Contains the coordinates of the points you have chosen. To choose a point of the bitmap, click on it.</source>
        <comment>1036</comment>
        <translation>Contient les coordonnées des points choisis. Pour choisir un point de l&apos;image, cliquez dessus.</translation>
    </message>
    <message>
        <source>This list contains the coordinates of the points used to generate the curve.</source>
        <comment>1039</comment>
        <translation>Cette liste contient les coordonnées des points servant à construire la courbe.</translation>
    </message>
    <message>
        <source>Curve thickness, in pixels. The location of the curve will be compensated by half of this value.</source>
        <comment>1041</comment>
        <translation>Épaisseur de la courbe, en pixels. La position de la courbe est corrigée de la moitié de cette valeur.</translation>
    </message>
    <message>
        <source>Enter the name of the axis. This name will be used in the output file to identify this axis. You can use for instance the unit of the axis.</source>
        <comment>1049</comment>
        <translation>Entrez le nom de l&apos;axe. Ce nom servira dans le fichier de sortie à identifier cet axe. Vous pouvez par exemple y mettre l&apos;unité de l&apos;axe.</translation>
    </message>
    <message>
        <source>Removes the selected genesis point from the list.</source>
        <comment>1064</comment>
        <translation>Retire de la liste le point de départ sélectionné.</translation>
    </message>
    <message>
        <source>Click on this button to modify advanced options : threshold color and thickness compensation algorithm.</source>
        <comment>1076</comment>
        <translation>Cliquez sur ce bouton pour modifier les options avancées : couleur de seuil et algorithme de compensation d&apos;épaisseur.</translation>
    </message>
    <message>
        <source>Threshold color. Any color one of whose components is brighter than that of the threshold color is considered as white. That means that this color is not considered as being part of the graph.</source>
        <comment>1077</comment>
        <translation>Couleur de seuil. Toute couleur dont l&apos;une des composantes est plus claire que celle de la couleur de seuil est considérée comme du blanc, c&apos;est-à-dire comme ne faisant pas partie du graphe.</translation>
    </message>
    <message>
        <source>Move this slider to choose the red component of the threshold color. Every color whose red component is greater than the threshold color&apos;s will be considered as being white.</source>
        <comment>1080</comment>
        <translation>Déplacez ce curseur pour choisir la composante rouge du seuil. Toute couleur dont la composante rouge dépasse celle du seuil sera considérée comme du blanc.</translation>
    </message>
    <message>
        <source>Move this slider to choose the green component of the threshold color. Every color whose green component is greater than the threshold color&apos;s will be considered as being white.</source>
        <comment>1081</comment>
        <translation>Déplacez ce curseur pour choisir la composante verte de la couleur de seuil. Toute couleur dont la composante verte dépasse celle du seuil sera considérée comme du blanc.</translation>
    </message>
    <message>
        <source>Enter the value of the red component of the threshold color. This value must be between 0 and 255.</source>
        <comment>1083</comment>
        <translation>Entrez la composante rouge du seuil. Cette valeur doit être comprise entre 0 et 255.</translation>
    </message>
    <message>
        <source>Enter the value of the green component of the threshold color. This value must be between 0 and 255.</source>
        <comment>1084</comment>
        <translation>Entrez la composante verte de la couleur de seuil. Cette valeur doit être comprise entre 0 et 255.</translation>
    </message>
    <message>
        <source>Enter the value of the blue component of the threshold color. This value must be between 0 and 255.</source>
        <comment>1085</comment>
        <translation>Entrez la composante bleue de la couleur de seuil. Cette valeur doit être comprise entre 0 et 255.</translation>
    </message>
    <message>
        <source>Click on this button then on the bitmap in order to choose the threshold color from the bitmap.</source>
        <comment>1086</comment>
        <translation>Cliquez sur ce bouton puis sur l&apos;image pour y prendre la couleur de seuil.</translation>
    </message>
    <message>
        <source>Click on this radio button to get a flat thickness compensation. The thickness compensation will be constant and independent of the curve derivative.</source>
        <comment>1087</comment>
        <translation>Cliquez sur ce bouton pour une compensation d&apos;épaisseur plate. La compensation sera constante et indépendante de la dérivée de la courbe.</translation>
    </message>
    <message>
        <source>Check this radio button to use a smart thickness compensation algorithm. This algorithm takes into account the curve derivative to compensate the curve thickness.</source>
        <comment>1088</comment>
        <translation>Cochez ce bouton pour utiliser un algorithme de compensation d&apos;épaisseur intelligent, qui tient compte de la dérivée de la courbe.</translation>
    </message>
    <message>
        <source>The smart thickness compensation algorithm uses the curve derivative to compensate the thickness. This value gives the number of points around the current point used to calculate this derivative. This value must be between 1 and 32.</source>
        <comment>1089</comment>
        <translation>L&apos;algorithme de compensation intelligent utilise la dérivée de la courbe pour compenser l&apos;épaisseur. Cette valeur donne le nombre de points autour du point courant servant au calcul de la dérivée. Elle doit être comprise entre 1 et 32.</translation>
    </message>
    <message>
        <source>Check this box to take the results from the centre of the drawn line, measured to a fraction of a pixel, instead of from the traced pixels. The traced pixels stay as they are; a 1-pixel line whose pixels touch only at their corners is then followed across the corners.</source>
        <comment>1090</comment>
        <translation>Cochez cette case pour prendre les résultats au centre du trait dessiné, mesuré à une fraction de pixel près, au lieu des pixels suivis. Les pixels suivis restent tels quels ; un trait d&apos;un pixel dont les pixels ne se touchent que par les coins est alors suivi par-dessus les coins.</translation>
    </message>
    <message>
        <source>In order to define the axis, click on this button then draw a line on the graphic. If the Shift key is pressed, the line is drawn parallel to the window border.</source>
        <comment>1098</comment>
        <translation>Pour définir l&apos;axe, cliquez sur ce bouton puis tracez une ligne sur le graphique. Si la touche Maj est enfoncée, la ligne est tracée parallèlement au bord de la fenêtre.</translation>
    </message>
    <message>
        <source>Check this radio button if the scale is logarithmic.</source>
        <comment>1104</comment>
        <translation>Cochez ce bouton si l&apos;échelle est logarithmique.</translation>
    </message>
    <message>
        <source>Select this radio button in order to identify a dashed curve</source>
        <comment>1110</comment>
        <translation>Choisissez ce bouton pour reconnaître une courbe en pointillés</translation>
    </message>
    <message>
        <source>Select this radio button in order to identify a continuous curve</source>
        <comment>1111</comment>
        <translation>Choisissez ce bouton pour reconnaître une courbe continue</translation>
    </message>
    <message>
        <source>Shows the max distance between two dashes</source>
        <comment>1113</comment>
        <translation>Montre la distance maximale entre deux tirets</translation>
    </message>
    <message>
        <source>Click on this button to modify the max distance between two dashes</source>
        <comment>1115</comment>
        <translation>Cliquez sur ce bouton pour modifier la distance maximale entre deux tirets</translation>
    </message>
    <message>
        <source>Open a new bitmap file, prompt for save if necessary.
Open bitmap </source>
        <comment>32771</comment>
        <translation>Ouvre un nouveau fichier image, propose d&apos;enregistrer si nécessaire.
Ouvrir une image</translation>
    </message>
    <message>
        <source>Export curves data.
Export data</source>
        <comment>32772</comment>
        <translation>Exporte les données des courbes.
Exporter les données</translation>
    </message>
    <message>
        <source>Construct a new coordinates system on the bitmap
New coordinates system</source>
        <comment>32774</comment>
        <translation>Construit un nouveau repère sur l&apos;image
Nouveau repère</translation>
    </message>
    <message>
        <source>Construct a new continuous curve on the selected coordinates system
New continuous curve</source>
        <comment>32781</comment>
        <translation>Construit une nouvelle courbe continue sur le repère sélectionné
Nouvelle courbe continue</translation>
    </message>
    <message>
        <source>Construct a new discrete curve on the selected coordinates system
New discrete curve</source>
        <comment>32782</comment>
        <translation>Construit une nouvelle courbe discrète sur le repère sélectionné
Nouvelle courbe discrète</translation>
    </message>
    <message>
        <source>Construct a new coordinates system and a new curve
New coordinates system and curve</source>
        <comment>32788</comment>
        <translation>Construit un nouveau repère et une nouvelle courbe
Nouveau repère et courbe</translation>
    </message>
    <message>
        <source>Select the scanner that will be used.
Select scanner source</source>
        <comment>32798</comment>
        <translation>Choisit le scanner à utiliser.
Choisir la source du scanner</translation>
    </message>
    <message>
        <source>Launch scanner acquisition.
Import from scanner.</source>
        <comment>32799</comment>
        <translation>Lance l&apos;acquisition par le scanner.
Importer du scanner.</translation>
    </message>
    <message>
        <source>Construct a new densitometry curve on the selected coordinates system
New densitometry curve</source>
        <comment>32800</comment>
        <translation>Construit une nouvelle courbe de densitométrie sur le repère sélectionné
Nouvelle courbe de densitométrie</translation>
    </message>
    <message>
        <source>Construct a new spline curve on the selected coordinates system
New spline curve</source>
        <comment>32802</comment>
        <translation>Construit une nouvelle courbe spline sur le repère sélectionné
Nouvelle courbe spline</translation>
    </message>
    <message>
        <source>Plotvane</source>
        <comment>57344</comment>
        <translation>Plotvane</translation>
    </message>
    <message>
        <source>For Help, press F1</source>
        <comment>57345</comment>
        <translation>Pour obtenir de l&apos;aide, appuyez sur F1</translation>
    </message>
    <message>
        <source>Open an existing document
Open</source>
        <comment>57601</comment>
        <translation>Ouvre un document existant
Ouvrir</translation>
    </message>
    <message>
        <source>Paste a picture from the clipboard as a new graphic
Paste picture</source>
        <comment>57637</comment>
        <translation>Colle l&apos;image du presse-papiers comme nouveau graphique
Coller l&apos;image</translation>
    </message>
    <message>
        <source>Save the document
Save</source>
        <comment>57604</comment>
        <translation>Enregistre le document
Enregistrer</translation>
    </message>
    <message>
        <source>Display program information, version number and copyright
About</source>
        <comment>57664</comment>
        <translation>Affiche des informations sur le programme, son numéro de version et le copyright
À propos de</translation>
    </message>
    <message>
        <source>Quit the application; prompts to save documents
Exit</source>
        <comment>57665</comment>
        <translation>Quitte l&apos;application ; propose d&apos;enregistrer les documents
Quitter</translation>
    </message>
    <message>
        <source>List Help topics
Help Topics</source>
        <comment>57667</comment>
        <translation>Liste les rubriques d&apos;aide
Rubriques d&apos;aide</translation>
    </message>
    <message>
        <source> X=</source>
        <comment>59143</comment>
        <translation> X=</translation>
    </message>
    <message>
        <source> Y=</source>
        <comment>59144</comment>
        <translation> Y=</translation>
    </message>
    <message>
        <source>Show or hide the toolbar
Toggle ToolBar</source>
        <comment>59392</comment>
        <translation>Affiche ou masque la barre d&apos;outils
Barre d&apos;outils</translation>
    </message>
    <message>
        <source>The two axes can&apos;t be parallel</source>
        <comment>61204</comment>
        <translation>Les deux axes ne peuvent pas être parallèles</translation>
    </message>
    <message>
        <source>Failed to Open this file !</source>
        <comment>61205</comment>
        <translation>Impossible d&apos;ouvrir ce fichier !</translation>
    </message>
    <message>
        <source>Cannot handle %d colors graphics.</source>
        <comment>61206</comment>
        <translation>Impossible de traiter des images en %d couleurs.</translation>
    </message>
    <message>
        <source>Colors must be between 0 and 255</source>
        <comment>61207</comment>
        <translation>Les couleurs doivent être comprises entre 0 et 255</translation>
    </message>
    <message>
        <source>Range must be between 1 and 32</source>
        <comment>61208</comment>
        <translation>La portée doit être comprise entre 1 et 32</translation>
    </message>
    <message>
        <source>This will lost hand-modifications. Continue ?</source>
        <comment>61209</comment>
        <translation>Les modifications faites à la main seront perdues. Continuer ?</translation>
    </message>
    <message>
        <source>Genesis point with coordinate
X= %f
Y= %f
is redundant and will be removed.</source>
        <comment>61211</comment>
        <translation>Le point de départ de coordonnées
X= %f
Y= %f
est redondant et sera retiré.</translation>
    </message>
    <message>
        <source>No point selected !</source>
        <comment>61212</comment>
        <translation>Aucun point sélectionné !</translation>
    </message>
    <message>
        <source>No curve here !
Either you have clicked in the background of the graphic, or the threshold color is not the right one for this curve (see Advanced options in the dialog box).</source>
        <comment>61213</comment>
        <translation>Pas de courbe ici !
Soit vous avez cliqué dans le fond du graphique, soit la couleur de seuil ne convient pas à cette courbe (voir les options avancées de la boîte de dialogue).</translation>
    </message>
    <message>
        <source>Out of limits !</source>
        <comment>61214</comment>
        <translation>Hors des limites !</translation>
    </message>
    <message>
        <source>The curve already exists here !</source>
        <comment>61215</comment>
        <translation>La courbe existe déjà ici !</translation>
    </message>
    <message>
        <source>Right limit must be greater than left limit</source>
        <comment>61216</comment>
        <translation>La limite droite doit être plus grande que la limite gauche</translation>
    </message>
    <message>
        <source>Left limit must be greater than right limit
when X axis is reversed</source>
        <comment>61217</comment>
        <translation>La limite gauche doit être plus grande que la limite droite
quand l&apos;axe X est inversé</translation>
    </message>
    <message>
        <source>Not enough memory !</source>
        <comment>61224</comment>
        <translation>Mémoire insuffisante !</translation>
    </message>
    <message>
        <source>You must first create or select a coordinates system.</source>
        <comment>61225</comment>
        <translation>Vous devez d&apos;abord créer ou sélectionner un repère.</translation>
    </message>
    <message>
        <source>This will delete all curves related to this coordinates system.
Do you really want to delete it ?</source>
        <comment>61226</comment>
        <translation>Toutes les courbes de ce repère seront supprimées.
Voulez-vous vraiment le supprimer ?</translation>
    </message>
    <message>
        <source>The limits values must be greater than zero because the scale is logarithmic.</source>
        <comment>61234</comment>
        <translation>Les valeurs des limites doivent être plus grandes que zéro car l&apos;échelle est logarithmique.</translation>
    </message>
    <message>
        <source>Fit</source>
        <comment>61242</comment>
        <translation>Ajuster</translation>
    </message>
    <message>
        <source>Next &gt;&gt;</source>
        <comment>61243</comment>
        <translation>Suivant &gt;&gt;</translation>
    </message>
    <message>
        <source>Finish</source>
        <comment>61244</comment>
        <translation>Terminer</translation>
    </message>
    <message>
        <source>Graphic files</source>
        <comment>61249</comment>
        <translation>Fichiers graphiques</translation>
    </message>
    <message>
        <source>All files</source>
        <comment>61250</comment>
        <translation>Tous les fichiers</translation>
    </message>
    <message>
        <source>The two scale points must be different !</source>
        <comment>61252</comment>
        <translation>Les deux points d&apos;échelle doivent être différents !</translation>
    </message>
    <message>
        <source>Please draw a line on the %s axis of your graphic.</source>
        <comment>61253</comment>
        <translation>Veuillez tracer une ligne sur l&apos;axe %s de votre graphique.</translation>
    </message>
    <message>
        <source>X</source>
        <comment>61254</comment>
        <translation>X</translation>
    </message>
    <message>
        <source>Y</source>
        <comment>61255</comment>
        <translation>Y</translation>
    </message>
    <message>
        <source>Please pick a position for scale point %d</source>
        <comment>61256</comment>
        <translation>Veuillez choisir une position pour le point d&apos;échelle %d</translation>
    </message>
    <message>
        <source>Enter a value for the scale point %d</source>
        <comment>61257</comment>
        <translation>Entrez une valeur pour le point d&apos;échelle %d</translation>
    </message>
    <message>
        <source>Enter a value for the point %d and pick a position for the point %d</source>
        <comment>61258</comment>
        <translation>Entrez une valeur pour le point %d et choisissez une position pour le point %d</translation>
    </message>
    <message>
        <source>Ready</source>
        <comment>61259</comment>
        <translation>Prêt</translation>
    </message>
    <message>
        <source>Please define a position for the scale point %d</source>
        <comment>61260</comment>
        <translation>Veuillez définir une position pour le point d&apos;échelle %d</translation>
    </message>
    <message>
        <source>Pick a position and enter a value for scale point %d</source>
        <comment>61261</comment>
        <translation>Choisissez une position et entrez une valeur pour le point d&apos;échelle %d</translation>
    </message>
    <message>
        <source>Another curve already has the same name.
Do you want to continue?</source>
        <comment>61264</comment>
        <translation>Une autre courbe porte déjà ce nom.
Voulez-vous continuer ?</translation>
    </message>
    <message>
        <source>Untitled</source>
        <comment>61265</comment>
        <translation>Sans titre</translation>
    </message>
    <message>
        <source>Sorry, there is no available scanner.</source>
        <comment>61267</comment>
        <translation>Désolé, aucun scanner n&apos;est disponible.</translation>
    </message>
    <message>
        <source>Scanned graphic</source>
        <comment>61271</comment>
        <translation>Image scannée</translation>
    </message>
    <message>
        <source>Cannot add new spline anchor point here !</source>
        <comment>61280</comment>
        <translation>Impossible d&apos;ajouter ici un nouveau point d&apos;ancrage de la spline !</translation>
    </message>
    <message>
        <source>Can&apos;t add an anchor-point. Please use the Add Anchor Point tool on a segment of the spline curve.</source>
        <comment>61281</comment>
        <translation>Impossible d&apos;ajouter un point d&apos;ancrage. Utilisez l&apos;outil Ajouter un point d&apos;ancrage sur un segment de la courbe spline.</translation>
    </message>
    <message>
        <source>Can&apos;t remove the anchor-point. Please use the Remove Anchor-Point tool on an anchor point of the spline curve.</source>
        <comment>61282</comment>
        <translation>Impossible de retirer le point d&apos;ancrage. Utilisez l&apos;outil Retirer un point d&apos;ancrage sur un point d&apos;ancrage de la courbe spline.</translation>
    </message>
    <message>
        <source>Cannot modify the anchor-point. Please use the Modify Anchor-Point tool on an anchor-point of the spline curve.</source>
        <comment>61283</comment>
        <translation>Impossible de modifier le point d&apos;ancrage. Utilisez l&apos;outil Modifier un point d&apos;ancrage sur un point d&apos;ancrage de la courbe spline.</translation>
    </message>
    <message>
        <source>This will erase all the spline curve. Are you sure you want to continue?</source>
        <comment>61284</comment>
        <translation>Toute la courbe spline sera effacée. Voulez-vous vraiment continuer ?</translation>
    </message>
    <message>
        <source>Add new anchor points at the end of the curve.
Click and drag the mouse on the graphic.
Use Ctrl key to make corners. Use Shift key to smooth them.</source>
        <comment>61285</comment>
        <translation>Ajoute des points d&apos;ancrage à la fin de la courbe.
Cliquez et faites glisser la souris sur le graphique.
Ctrl fait des angles, Maj les adoucit.</translation>
    </message>
    <message>
        <source>Add new anchor points at the beginning of the curve.
Click and drag the mouse on the graphic.
Use Ctrl key to make corners. Use Shift key to smooth them.</source>
        <comment>61286</comment>
        <translation>Ajoute des points d&apos;ancrage au début de la courbe.
Cliquez et faites glisser la souris sur le graphique.
Ctrl fait des angles, Maj les adoucit.</translation>
    </message>
    <message>
        <source>Add anchor points at the middle of the curve.</source>
        <comment>61287</comment>
        <translation>Ajoute des points d&apos;ancrage au milieu de la courbe.</translation>
    </message>
    <message>
        <source>Remove anchor points.
Click on the point you want to remove.</source>
        <comment>61288</comment>
        <translation>Retire des points d&apos;ancrage.
Cliquez sur le point à retirer.</translation>
    </message>
    <message>
        <source>Modify anchor points.
Click and drag the anchor points you want to modify. Use Ctrl key to make corners, use Shift key to smooth them.</source>
        <comment>61289</comment>
        <translation>Modifie des points d&apos;ancrage.
Cliquez et faites glisser les points d&apos;ancrage à modifier. Ctrl fait des angles, Maj les adoucit.</translation>
    </message>
    <message>
        <source>Graph recognition by Plotvane.</source>
        <comment>61300</comment>
        <translation>Graphe reconnu par Plotvane.</translation>
    </message>
    <message>
        <source>Values read from a picture: check them against the original graph.</source>
        <comment>61301</comment>
        <translation>Valeurs lues sur une image : comparez-les au graphe d&apos;origine.</translation>
    </message>
    <message>
        <source>Bitmap file :</source>
        <comment>61302</comment>
        <translation>Fichier image :</translation>
    </message>
    <message>
        <source>To be continued : Preview is limited to %d lines.</source>
        <comment>61303</comment>
        <translation>À suivre : l&apos;aperçu est limité à %d lignes.</translation>
    </message>
    <message>
        <source>Cannot open the file for writing.</source>
        <comment>61304</comment>
        <translation>Impossible d&apos;ouvrir le fichier en écriture.</translation>
    </message>
    <message>
        <source>Cannot write into the file.</source>
        <comment>61305</comment>
        <translation>Impossible d&apos;écrire dans le fichier.</translation>
    </message>
    <message>
        <source>Error while accessing the file.</source>
        <comment>61306</comment>
        <translation>Erreur d&apos;accès au fichier.</translation>
    </message>
    <message>
        <source>Error when trying to build the preview.</source>
        <comment>61307</comment>
        <translation>Erreur lors de la construction de l&apos;aperçu.</translation>
    </message>
    <message>
        <source>Value must be greater than zero
 in the case of a logarithmic axe.</source>
        <comment>61308</comment>
        <translation>La valeur doit être plus grande que zéro
 pour un axe logarithmique.</translation>
    </message>
    <message>
        <source>The period must be greater than zero !</source>
        <comment>61309</comment>
        <translation>La période doit être plus grande que zéro !</translation>
    </message>
    <message>
        <source>Nb of points to export is too high!</source>
        <comment>61310</comment>
        <translation>Trop de points à exporter !</translation>
    </message>
    <message>
        <source>This curve will contain %d lines. Continue?</source>
        <comment>61311</comment>
        <translation>Cette courbe contiendra %d lignes. Continuer ?</translation>
    </message>
    <message>
        <source>The &quot;other value&quot; field is empty!</source>
        <comment>61312</comment>
        <translation>Le champ « autre valeur » est vide !</translation>
    </message>
    <message>
        <source>The value is outside the range !</source>
        <comment>61313</comment>
        <translation>La valeur est hors de l&apos;intervalle !</translation>
    </message>
    <message>
        <source>Decade of </source>
        <comment>61314</comment>
        <translation>Décade de </translation>
    </message>
    <message>
        <source>Error !</source>
        <comment>61315</comment>
        <translation>Erreur !</translation>
    </message>
    <message>
        <source>Excel files (*.xls)|*.xls|</source>
        <comment>61316</comment>
        <translation>Fichiers Excel (*.xls)|*.xls|</translation>
    </message>
    <message>
        <source>Text files (*.txt)|*.txt|</source>
        <comment>61317</comment>
        <translation>Fichiers texte (*.txt)|*.txt|</translation>
    </message>
    <message>
        <source>%s Files (*.%s)|*.%s|</source>
        <comment>61318</comment>
        <translation>Fichiers %s (*.%s)|*.%s|</translation>
    </message>
    <message>
        <source>All files (*.*)|*.*||</source>
        <comment>61319</comment>
        <translation>Tous les fichiers (*.*)|*.*||</translation>
    </message>
    <message>
        <source>English</source>
        <comment>61320</comment>
        <translation>Anglais</translation>
    </message>
    <message>
        <source>French</source>
        <comment>61321</comment>
        <translation>Français</translation>
    </message>
    <message>
        <source>This is not a regular file.</source>
        <comment>61340</comment>
        <translation>Ce n&apos;est pas un fichier ordinaire.</translation>
    </message>
    <message>
        <source>The file is larger than %d MB.</source>
        <comment>61341</comment>
        <translation>Le fichier dépasse %d Mo.</translation>
    </message>
    <message>
        <source>The picture is too large.</source>
        <comment>61342</comment>
        <translation>L&apos;image est trop grande.</translation>
    </message>
    <message>
        <source>The drawing has too many lines and points.</source>
        <comment>61343</comment>
        <translation>Le dessin contient trop de lignes et de points.</translation>
    </message>
    <message>
        <source>The PDF file is damaged.</source>
        <comment>61344</comment>
        <translation>Le fichier PDF est endommagé.</translation>
    </message>
    <message>
        <source>The PDF file is protected by a password.</source>
        <comment>61345</comment>
        <translation>Le fichier PDF est protégé par un mot de passe.</translation>
    </message>
    <message>
        <source>There is no page %d: the PDF file has %d pages.</source>
        <comment>61346</comment>
        <translation>Il n&apos;y a pas de page %d : le fichier PDF a %d pages.</translation>
    </message>
    <message>
        <source>The page is too large at this resolution.</source>
        <comment>61347</comment>
        <translation>La page est trop grande à cette résolution.</translation>
    </message>
    <message>
        <source>%s, page %s</source>
        <comment>61348</comment>
        <translation>%s, page n° %s</translation>
    </message>
    <message>
        <source>Cannot write the file %s.</source>
        <comment>61350</comment>
        <translation>Impossible d&apos;écrire le fichier %s.</translation>
    </message>
    <message>
        <source>Reason: %s.</source>
        <comment>61351</comment>
        <translation>Raison : %s.</translation>
    </message>
    <message>
        <source>The folder %s does not exist.</source>
        <comment>61352</comment>
        <translation>Le dossier %s n&apos;existe pas.</translation>
    </message>
    <message>
        <source>%s is a folder or another object that is not a file.</source>
        <comment>61353</comment>
        <translation>%s est un dossier ou un autre objet qui n&apos;est pas un fichier.</translation>
    </message>
    <message>
        <source>Cannot make a temporary file in the folder %s.</source>
        <comment>61354</comment>
        <translation>Impossible de créer un fichier temporaire dans le dossier %s.</translation>
    </message>
    <message>
        <source>Save changes to %1?</source>
        <comment>61360</comment>
        <translation>Enregistrer les modifications de %1 ?</translation>
    </message>
    <message>
        <source>The clipboard holds no picture.</source>
        <comment>61361</comment>
        <translation>Le presse-papiers ne contient aucune image.</translation>
    </message>
    <message>
        <source>You must give a value !</source>
        <comment>61370</comment>
        <translation>Vous devez donner une valeur !</translation>
    </message>
    <message>
        <source>The &quot;Extension&quot; field is empty !</source>
        <comment>61380</comment>
        <translation>Le champ « Extension » est vide !</translation>
    </message>
    <message>
        <source>Extension must contain only alphanumeric characters !</source>
        <comment>61381</comment>
        <translation>L&apos;extension ne doit contenir que des lettres et des chiffres !</translation>
    </message>
    <message>
        <source>x = %g ; y = %g</source>
        <comment>61371</comment>
        <translation>x = %g ; y = %g</translation>
    </message>
    <message>
        <source>An unexpected error ended the command: %s</source>
        <comment>62000</comment>
        <translation>Une erreur inattendue a interrompu la commande : %s</translation>
    </message>
    <message>
        <source>An unexpected error ended the command.</source>
        <comment>62001</comment>
        <translation>Une erreur inattendue a interrompu la commande.</translation>
    </message>
    <message>
        <source>standard output</source>
        <comment>62002</comment>
        <translation>sortie standard</translation>
    </message>
    <message>
        <source>warning: %s</source>
        <comment>62003</comment>
        <translation>avertissement : %s</translation>
    </message>
    <message>
        <source>%s (answered Yes)</source>
        <comment>62004</comment>
        <translation>%s (réponse : Oui)</translation>
    </message>
    <message>
        <source>expected a file name</source>
        <comment>62005</comment>
        <translation>nom de fichier attendu</translation>
    </message>
    <message>
        <source>expected &quot;tab&quot;, &quot;semicolon&quot;, &quot;comma&quot;, &quot;space&quot; or a single character</source>
        <comment>62006</comment>
        <translation>attendu : &quot;tab&quot;, &quot;semicolon&quot;, &quot;comma&quot;, &quot;space&quot; ou un seul caractère</translation>
    </message>
    <message>
        <source>cannot read the document: %s</source>
        <comment>62007</comment>
        <translation>impossible de lire le document : %s</translation>
    </message>
    <message>
        <source>Not a document either: %s</source>
        <comment>62008</comment>
        <translation>Ce n&apos;est pas non plus un document : %s</translation>
    </message>
    <message>
        <source>render is not available: plotvane-cli was built without Qt</source>
        <comment>62009</comment>
        <translation>render n&apos;est pas disponible : plotvane-cli a été compilé sans Qt</translation>
    </message>
    <message>
        <source>--zoom: expected a percentage from %s to %s</source>
        <comment>62010</comment>
        <translation>--zoom : pourcentage attendu, de %s à %s</translation>
    </message>
    <message>
        <source>the picture would replace the file it is drawn from</source>
        <comment>62011</comment>
        <translation>l&apos;image remplacerait le fichier dont elle est tirée</translation>
    </message>
    <message>
        <source>nothing to draw at this zoom</source>
        <comment>62012</comment>
        <translation>rien à dessiner à ce zoom</translation>
    </message>
    <message>
        <source>the picture would be too large at this zoom (%s x %s pixels; at most %s pixels, which a zoom of %s or less gives)</source>
        <comment>62013</comment>
        <translation>l&apos;image serait trop grande à ce zoom (%s x %s pixels ; au plus %s pixels, ce que donne un zoom de %s ou moins)</translation>
    </message>
    <message>
        <source>the export would replace the document itself</source>
        <comment>62014</comment>
        <translation>l&apos;export remplacerait le document lui-même</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <comment>62015</comment>
        <translation>c&apos;est un dossier</translation>
    </message>
    <message>
        <source>the export would replace the document saved by the job</source>
        <comment>62016</comment>
        <translation>l&apos;export remplacerait le document enregistré par la tâche</translation>
    </message>
    <message>
        <source>this would replace the job file itself</source>
        <comment>62017</comment>
        <translation>le fichier de tâche lui-même serait remplacé</translation>
    </message>
    <message>
        <source>this would replace the job&apos;s picture</source>
        <comment>62018</comment>
        <translation>l&apos;image de la tâche serait remplacée</translation>
    </message>
    <message>
        <source>%s is a folder</source>
        <comment>62019</comment>
        <translation>%s est un dossier</translation>
    </message>
    <message>
        <source>cannot read the job: %s</source>
        <comment>62020</comment>
        <translation>impossible de lire la tâche : %s</translation>
    </message>
    <message>
        <source>the job file is too large (more than %s MB)</source>
        <comment>62021</comment>
        <translation>le fichier de tâche est trop grand (plus de %s Mo)</translation>
    </message>
    <message>
        <source>the JSON is nested too deeply to be a job (more than %s levels)</source>
        <comment>62022</comment>
        <translation>le JSON est trop imbriqué pour être une tâche (plus de %s niveaux)</translation>
    </message>
    <message>
        <source>not valid JSON: %s</source>
        <comment>62023</comment>
        <translation>JSON non valide : %s</translation>
    </message>
    <message>
        <source>parse error at line %s, column %s</source>
        <comment>62024</comment>
        <translation>erreur de syntaxe ligne %s, colonne %s</translation>
    </message>
    <message>
        <source>a number is too large to be read</source>
        <comment>62025</comment>
        <translation>un nombre est trop grand pour être lu</translation>
    </message>
    <message>
        <source>the text is not UTF-8 or the JSON cannot be read</source>
        <comment>62026</comment>
        <translation>le texte n&apos;est pas en UTF-8 ou le JSON ne peut pas être lu</translation>
    </message>
    <message>
        <source>the key appears twice</source>
        <comment>62027</comment>
        <translation>la clé apparaît deux fois</translation>
    </message>
    <message>
        <source>a job is a JSON object</source>
        <comment>62028</comment>
        <translation>une tâche est un objet JSON</translation>
    </message>
    <message>
        <source>null</source>
        <comment>62030</comment>
        <translation>la valeur null</translation>
    </message>
    <message>
        <source>an object</source>
        <comment>62031</comment>
        <translation>un objet</translation>
    </message>
    <message>
        <source>an array</source>
        <comment>62032</comment>
        <translation>un tableau</translation>
    </message>
    <message>
        <source>a string</source>
        <comment>62033</comment>
        <translation>une chaîne</translation>
    </message>
    <message>
        <source>a boolean</source>
        <comment>62034</comment>
        <translation>un booléen</translation>
    </message>
    <message>
        <source>a number</source>
        <comment>62035</comment>
        <translation>un nombre</translation>
    </message>
    <message>
        <source>a fractional number</source>
        <comment>62036</comment>
        <translation>un nombre non entier</translation>
    </message>
    <message>
        <source>expected an object, found %s</source>
        <comment>62037</comment>
        <translation>objet attendu, trouvé : %s</translation>
    </message>
    <message>
        <source>unknown key (the keys here are %s)</source>
        <comment>62038</comment>
        <translation>clé inconnue (les clés possibles ici sont : %s)</translation>
    </message>
    <message>
        <source>missing key &quot;%s&quot;</source>
        <comment>62039</comment>
        <translation>clé &quot;%s&quot; manquante</translation>
    </message>
    <message>
        <source>expected an array, found %s</source>
        <comment>62040</comment>
        <translation>tableau attendu, trouvé : %s</translation>
    </message>
    <message>
        <source>expected at least one element</source>
        <comment>62041</comment>
        <translation>au moins un élément attendu</translation>
    </message>
    <message>
        <source>expected at least %s elements</source>
        <comment>62042</comment>
        <translation>au moins %s éléments attendus</translation>
    </message>
    <message>
        <source>too many elements (at most %s)</source>
        <comment>62043</comment>
        <translation>trop d&apos;éléments (au plus %s)</translation>
    </message>
    <message>
        <source>expected true or false, found %s</source>
        <comment>62044</comment>
        <translation>true ou false attendu, trouvé : %s</translation>
    </message>
    <message>
        <source>expected a number, found %s</source>
        <comment>62045</comment>
        <translation>nombre attendu, trouvé : %s</translation>
    </message>
    <message>
        <source>the number is too large</source>
        <comment>62046</comment>
        <translation>le nombre est trop grand</translation>
    </message>
    <message>
        <source>expected an integer, found %s</source>
        <comment>62047</comment>
        <translation>entier attendu, trouvé : %s</translation>
    </message>
    <message>
        <source>expected an integer</source>
        <comment>62048</comment>
        <translation>entier attendu</translation>
    </message>
    <message>
        <source>expected an integer between %s and %s</source>
        <comment>62049</comment>
        <translation>entier attendu entre %s et %s</translation>
    </message>
    <message>
        <source>expected a string, found %s</source>
        <comment>62050</comment>
        <translation>chaîne attendue, trouvé : %s</translation>
    </message>
    <message>
        <source>expected one of %s</source>
        <comment>62051</comment>
        <translation>attendu : l&apos;une des valeurs %s</translation>
    </message>
    <message>
        <source>expected a pixel point [x, y], found %s</source>
        <comment>62052</comment>
        <translation>point en pixels [x, y] attendu, trouvé : %s</translation>
    </message>
    <message>
        <source>%s elements</source>
        <comment>62053</comment>
        <translation>%s éléments</translation>
    </message>
    <message>
        <source>the point lies outside the picture (%s x %s pixels)</source>
        <comment>62054</comment>
        <translation>le point est hors de l&apos;image (%s x %s pixels)</translation>
    </message>
    <message>
        <source>expected a colour [red, green, blue], found %s</source>
        <comment>62055</comment>
        <translation>couleur [rouge, vert, bleu] attendue, trouvé : %s</translation>
    </message>
    <message>
        <source>the text holds a control character (code %s), which no dialog lets one type</source>
        <comment>62056</comment>
        <translation>le texte contient un caractère de contrôle (code %s), qu&apos;aucune boîte de dialogue ne permet de saisir</translation>
    </message>
    <message>
        <source>Please enter an integer between %s and %s.</source>
        <comment>62057</comment>
        <translation>Veuillez entrer un entier entre %s et %s.</translation>
    </message>
    <message>
        <source>a curve needs a name</source>
        <comment>62060</comment>
        <translation>une courbe doit avoir un nom</translation>
    </message>
    <message>
        <source>cannot read %s: %s</source>
        <comment>62061</comment>
        <translation>impossible de lire %s : %s</translation>
    </message>
    <message>
        <source>The two scale values must be different.</source>
        <comment>62062</comment>
        <translation>Les deux valeurs d&apos;échelle doivent être différentes.</translation>
    </message>
    <message>
        <source>Logarithmic values must be greater than zero</source>
        <comment>62063</comment>
        <translation>Les valeurs logarithmiques doivent être plus grandes que zéro</translation>
    </message>
    <message>
        <source>the two ends of the axis line must be different</source>
        <comment>62064</comment>
        <translation>les deux extrémités de la ligne d&apos;axe doivent être différentes</translation>
    </message>
    <message>
        <source>an axis line cannot end at pixel [0, 0]</source>
        <comment>62065</comment>
        <translation>une ligne d&apos;axe ne peut pas finir au pixel [0, 0]</translation>
    </message>
    <message>
        <source>the axes give no coordinate transform</source>
        <comment>62066</comment>
        <translation>les axes ne donnent aucune transformation de coordonnées</translation>
    </message>
    <message>
        <source>too many stroke points for one curve (at most %s)</source>
        <comment>62067</comment>
        <translation>trop de points de tracé pour une seule courbe (au plus %s)</translation>
    </message>
    <message>
        <source>no point of the curve is left after the edits</source>
        <comment>62068</comment>
        <translation>il ne reste aucun point de la courbe après les modifications</translation>
    </message>
    <message>
        <source>give a period or a frequency, not both</source>
        <comment>62069</comment>
        <translation>donnez une période ou une fréquence, pas les deux</translation>
    </message>
    <message>
        <source>too many genesis points: at most %s on one curve and %s in a job, since each point traces again all the points of its curve before it</source>
        <comment>62070</comment>
        <translation>trop de points de départ : au plus %s sur une courbe et %s dans une tâche, car chaque point retrace tous les points de sa courbe qui le précèdent</translation>
    </message>
    <message>
        <source>the edits of this job would take too long: on a picture %s pixels wide, the strokes of a job may hold at most %s points in all</source>
        <comment>62071</comment>
        <translation>les modifications de cette tâche prendraient trop de temps : sur une image de %s pixels de large, les tracés d&apos;une tâche peuvent contenir au plus %s points en tout</translation>
    </message>
    <message>
        <source>The two scale values must be different !</source>
        <comment>62073</comment>
        <translation>Les deux valeurs d&apos;échelle doivent être différentes !</translation>
    </message>
    <message>
        <source>The two scale colors must be different !</source>
        <comment>62074</comment>
        <translation>Les deux couleurs d&apos;échelle doivent être différentes !</translation>
    </message>
    <message>
        <source>the segment runs parallel to the Y axis: only Y can be used</source>
        <comment>62075</comment>
        <translation>le segment est parallèle à l&apos;axe Y : seul Y peut être utilisé</translation>
    </message>
    <message>
        <source>the segment runs parallel to the X axis: only X can be used</source>
        <comment>62076</comment>
        <translation>le segment est parallèle à l&apos;axe X : seul X peut être utilisé</translation>
    </message>
    <message>
        <source>the two ends of the segment must be different</source>
        <comment>62077</comment>
        <translation>les deux extrémités du segment doivent être différentes</translation>
    </message>
    <message>
        <source>give one of x_period, y_period, x_frequency and y_frequency, not two</source>
        <comment>62078</comment>
        <translation>donnez l&apos;un de x_period, y_period, x_frequency et y_frequency, pas deux</translation>
    </message>
    <message>
        <source>give first_x or first_y, not both</source>
        <comment>62079</comment>
        <translation>donnez first_x ou first_y, pas les deux</translation>
    </message>
    <message>
        <source>a spline curve needs at least two nodes</source>
        <comment>62080</comment>
        <translation>une courbe spline doit avoir au moins deux nœuds</translation>
    </message>
    <message>
        <source>the curve &quot;%s&quot; is chosen twice</source>
        <comment>62090</comment>
        <translation>la courbe &quot;%s&quot; est choisie deux fois</translation>
    </message>
    <message>
        <source>no curve is named &quot;%s&quot;</source>
        <comment>62091</comment>
        <translation>aucune courbe ne s&apos;appelle &quot;%s&quot;</translation>
    </message>
    <message>
        <source>curve &quot;%s&quot;: %s</source>
        <comment>62092</comment>
        <translation>courbe &quot;%s&quot; : %s</translation>
    </message>
    <message>
        <source>its results settings belong to another kind of curve</source>
        <comment>62093</comment>
        <translation>ses réglages de résultats appartiennent à un autre type de courbe</translation>
    </message>
    <message>
        <source>no period is defined for this curve; %s</source>
        <comment>62094</comment>
        <translation>aucune période n&apos;est définie pour cette courbe ; %s</translation>
    </message>
    <message>
        <source>curves of this kind cannot be exported</source>
        <comment>62095</comment>
        <translation>les courbes de ce type ne peuvent pas être exportées</translation>
    </message>
    <message>
        <source>the curves chosen are too large to be exported together</source>
        <comment>62096</comment>
        <translation>les courbes choisies sont trop grandes pour être exportées ensemble</translation>
    </message>
    <message>
        <source>give it a &quot;period&quot; or a &quot;frequency&quot; in the job</source>
        <comment>62097</comment>
        <translation>donnez-lui une &quot;period&quot; ou une &quot;frequency&quot; dans la tâche</translation>
    </message>
    <message>
        <source>give --period or --frequency</source>
        <comment>62098</comment>
        <translation>donnez --period ou --frequency</translation>
    </message>
    <message>
        <source>%s: export</source>
        <comment>62099</comment>
        <translation>%s : export</translation>
    </message>
    <message>
        <source>only a PDF picture has pages and a resolution</source>
        <comment>62100</comment>
        <translation>seule une image PDF a des pages et une résolution</translation>
    </message>
    <message>
        <source>expected a page from 1 to %s</source>
        <comment>62101</comment>
        <translation>une page de 1 à %s est attendue</translation>
    </message>
    <message>
        <source>it stopped answering</source>
        <comment>61387</comment>
        <translation>il a cessé de répondre</translation>
    </message>
    <message>
        <source>it does not offer this resolution</source>
        <comment>61388</comment>
        <translation>il ne propose pas cette résolution</translation>
    </message>
    <message>
        <source>it cannot be found</source>
        <comment>61389</comment>
        <translation>il est introuvable</translation>
    </message>
    <message>
        <source>The scan was cancelled. The document is unchanged.</source>
        <comment>61390</comment>
        <translation>La numérisation a été annulée. Le document n&apos;a pas changé.</translation>
    </message>
    <message>
        <source>The scanner could not deliver a picture: %s.
The document is unchanged.</source>
        <comment>61391</comment>
        <translation>Le scanner n&apos;a pas pu fournir d&apos;image : %s.
Le document n&apos;a pas changé.</translation>
    </message>
    <message>
        <source>it is busy or does not answer</source>
        <comment>61392</comment>
        <translation>il est occupé ou ne répond pas</translation>
    </message>
    <message>
        <source>the paper is jammed</source>
        <comment>61393</comment>
        <translation>le papier est coincé</translation>
    </message>
    <message>
        <source>there is no document in the feeder</source>
        <comment>61394</comment>
        <translation>il n&apos;y a pas de document dans le chargeur</translation>
    </message>
    <message>
        <source>its cover is open</source>
        <comment>61395</comment>
        <translation>son capot est ouvert</translation>
    </message>
    <message>
        <source>access to it was denied</source>
        <comment>61396</comment>
        <translation>son accès a été refusé</translation>
    </message>
    <message>
        <source>there is not enough memory</source>
        <comment>61397</comment>
        <translation>la mémoire est insuffisante</translation>
    </message>
    <message>
        <source>the picture it sent is damaged or too large</source>
        <comment>61398</comment>
        <translation>l&apos;image envoyée est abîmée ou trop grande</translation>
    </message>
    <message>
        <source>it reported a failure</source>
        <comment>61399</comment>
        <translation>il a signalé une erreur</translation>
    </message>
    <message>
        <source>Drawing the page took more than %d seconds of processor time: it was stopped.</source>
        <comment>61400</comment>
        <translation>Le dessin de la page a pris plus de %d secondes de processeur : il a été arrêté.</translation>
    </message>
    <message>
        <source>Drawing the page needed more than %d MB of memory: it was stopped.</source>
        <comment>61401</comment>
        <translation>Le dessin de la page a demandé plus de %d Mo de mémoire : il a été arrêté.</translation>
    </message>
    <message>
        <source>The drawing of the page was cancelled.</source>
        <comment>61402</comment>
        <translation>Le dessin de la page a été annulé.</translation>
    </message>
    <message>
        <source>The page was drawn incompletely: the PDF reader met faults in its content, and a part of it may be missing.</source>
        <comment>61403</comment>
        <translation>La page a été dessinée incomplètement : le lecteur PDF a rencontré des défauts dans son contenu, et une partie peut en manquer.</translation>
    </message>
    <message>
        <source>The program that draws PDF pages cannot be run: %s</source>
        <comment>61404</comment>
        <translation>Le programme qui dessine les pages PDF ne peut pas être lancé : %s</translation>
    </message>
    <message>
        <source>The page is damaged.</source>
        <comment>61405</comment>
        <translation>La page est endommagée.</translation>
    </message>
    <message>
        <source>Drawing the page lasted more than %d seconds: it was stopped.</source>
        <comment>61406</comment>
        <translation>Le dessin de la page a duré plus de %d secondes : il a été arrêté.</translation>
    </message>
    <message>
        <source>The language file %s is damaged: the interface stays in English.</source>
        <comment>61456</comment>
        <translation>Le fichier de langue %s est endommagé : l&apos;interface reste en anglais.</translation>
    </message>
    <message>
        <source>The settings file %s is read-only: the settings of this session will not be saved.</source>
        <comment>61457</comment>
        <translation>Le fichier de réglages %s est en lecture seule : les réglages de cette session ne seront pas enregistrés.</translation>
    </message>
    <message>
        <source>give either &quot;image&quot; or &quot;scanner&quot;</source>
        <comment>62120</comment>
        <translation>donnez soit &quot;image&quot;, soit &quot;scanner&quot;</translation>
    </message>
    <message>
        <source>only a picture from a scanner has a scan resolution</source>
        <comment>62121</comment>
        <translation>seule une image venant d&apos;un scanner a une résolution de numérisation</translation>
    </message>
    <message>
        <source>expected a resolution from %s to %s dots per inch</source>
        <comment>62122</comment>
        <translation>une résolution de %s à %s points par pouce est attendue</translation>
    </message>
</context>
</TS>
