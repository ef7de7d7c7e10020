#include "app/dialogs/help_text.h"

namespace brontaxe::app {

QString helpHtml() {
    return QStringLiteral(R"(
<h2>Brontaxe : guide rapide</h2>
<p>Brontaxe dessine à plat la découpe d'une caisse en carton ondulé d'après son code FEFCO,
ses dimensions intérieures et sa qualité de carton, la mesure, l'impose sur une plaque et
l'écrit dans les formats des tables de découpe, des traceurs et des logiciels de dessin.</p>

<h3><a name="dessiner"></a>Dessiner une caisse</h3>
<ol>
<li>Dans <b>Modèle</b>, choisissez la <b>Famille</b> puis le <b>Code</b>, ou tapez le code
(0201, 0427, 0933...) dans la case de droite et validez par Entrée.</li>
<li>Dans <b>Dimensions intérieures</b>, tapez la <b>Longueur</b>, la <b>Largeur</b> et la
<b>Hauteur</b> en millimètres. Le dessin suit chaque valeur validée.</li>
<li>Choisissez la <b>Qualité</b> (profil ondulé) : son épaisseur entre dans les
majorations.</li>
<li>Le bouton <b>Autres Dimensions</b> donne les réglages propres au modèle : patte de
collage, rabats, encoches, poignées...</li>
</ol>
<p>Une valeur que le modèle ne peut pas dessiner est refusée : la case est marquée et la ligne
d'état dit pourquoi, en rouge.</p>
<p>À droite, <b>Longueurs Filets</b> donne la longueur de chaque sorte de trait (coupant,
rainant, perforé, mi-chair), <b>Surfaces</b> la surface découpée, les dimensions hors tout et
les pertes. L'aperçu en bas à droite montre la caisse montée ; <b>Outils &gt; Vue pliée
3D</b> la plie pas à pas.</p>

<h3><a name="majorations"></a>Majorations et qualités</h3>
<p>Les majorations sont les millimètres ajoutés aux dimensions intérieures pour tenir compte de
l'épaisseur du carton, panneau par panneau. <b>Options &gt; Majorations</b> ouvre leurs tables
par modèle et par qualité : modifiez une valeur, <b>Valider</b> enregistre les tables,
<b>Abandonner</b> laisse le fichier tel qu'il était. On y ajoute aussi un profil de carton ;
<b>Options &gt; Configuration</b> en supprime un. <b>Fichier &gt; Chemin Majorations</b> choisit
le fichier des tables.</p>

<h3><a name="imposition"></a>Poses et plaque</h3>
<p>Dans <b>Poses</b>, le nombre de poses en X et en Y et l'espace entre elles calculent le
<b>Format Carton</b> ; à l'inverse, un format tapé calcule le nombre de poses qui y tiennent,
avec ses <b>marges</b> (<b>Centré</b> les répartit des deux côtés). Les pertes de la plaque
s'affichent dans <b>Surfaces</b>.</p>

<h3><a name="fichiers"></a>Fichiers, export et impression</h3>
<ul>
<li><b>Fichier &gt; Sauver</b> et <b>Sauver sous</b> écrivent le dessin avec ses réglages
(.des) : rouvert, il se redessine tel quel.</li>
<li><b>Fichier &gt; Exporter</b> écrit le dessin en DXF, PDF, Illustrator (.ai), EPS, SVG,
CFF2 (.cf2), PLI, EV, PNG, BMP, ou la caisse pliée en 3D (OBJ, glTF). Une longue écriture
montre sa progression ; <b>Arrêter</b> l'interrompt sans laisser de fichier.</li>
<li><b>Fichier &gt; Imprimer</b> ouvre l'aperçu : le dessin ajusté à la page, ou à
<b>l'échelle réelle</b> (1 mm de carton = 1 mm de papier) sur autant de pages qu'il faut.</li>
</ul>

<h3><a name="controle"></a>Contrôle de la découpe</h3>
<p>Chaque dessin est contrôlé : traits qui se chevauchent, coupes ouvertes, rainages qui
n'atteignent pas un bord... La ligne « Contrôle » en haut à droite donne le résultat :
cliquez-la pour la liste des défauts, puis un défaut pour le voir sur le dessin. En ligne de
commande, <code>--controle</code> fait de même, et un fichier CFF2 ou DXF d'une découpe en
défaut n'est écrit qu'avec <code>--force</code>.</p>

<h3><a name="outils"></a>Outils</h3>
<p><b>Section</b> coupe la découpe en deux morceaux, <b>Passages Machine</b> donne les
passages de la découpe dans la machine, <b>Fiche Technique</b> place la fiche de la caisse à
côté du dessin, <b>Calcul RCV</b> estime la résistance à la compression verticale de la
caisse, <b>Palettisation</b> étudie la palette. Les menus <b>Morceaux</b> dessinent une caisse
en deux ou quatre morceaux.</p>

<h3><a name="ligne-de-commande"></a>Ligne de commande</h3>
<p><code>brontaxe-cli 0201 --longueur 400 --largeur 300 --hauteur 200 -o caisse.dxf</code>
dessine la même découpe sans fenêtre. <code>brontaxe-cli --liste</code> donne les codes,
<code>brontaxe-cli --help</code> toutes les options.</p>
)");
}

}  // namespace brontaxe::app
