<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="fr">
<context>
    <name>AboutBox</name>
    <message>
        <source>Simulateur pédagogique, 2026</source>
        <translation>Teaching simulator, 2026</translation>
    </message>
    <message>
        <source>Le champ tournant des machines triphasées</source>
        <translation>The rotating field of three-phase machines</translation>
    </message>
    <message>
        <source>A propos de Vireflu</source>
        <translation>About Vireflu</translation>
    </message>
</context>
<context>
    <name>CommandBar</name>
    <message>
        <source>&amp;Initialisation</source>
        <translation>&amp;Reset</translation>
    </message>
    <message>
        <source>&amp;Animation</source>
        <translation>&amp;Animation</translation>
    </message>
    <message>
        <source>&amp;Stop</source>
        <translation>&amp;Stop</translation>
    </message>
    <message>
        <source>Commandes de l&apos;horloge</source>
        <translation>Clock commands</translation>
    </message>
</context>
<context>
    <name>Description</name>
    <message>
        <source>%1 : phases %2 en %3.</source>
        <translation>%1: phases %2 in %3.</translation>
    </message>
    <message>
        <source>%1 : phase %2 en %3.</source>
        <translation>%1: phase %2 in %3.</translation>
    </message>
    <message>
        <source>%1 : aucun courant.</source>
        <translation>%1: no current.</translation>
    </message>
    <message>
        <source>Champ %1, %2.</source>
        <translation>Field %1, %2.</translation>
    </message>
    <message>
        <source>Pas de champ tournant.</source>
        <translation>No rotating field.</translation>
    </message>
    <message>
        <source>Rotor à %1.</source>
        <translation>Rotor at %1.</translation>
    </message>
    <message>
        <source>Couple %1.</source>
        <translation>Torque %1.</translation>
    </message>
    <message>
        <source>Présentation : %1.</source>
        <translation>Presentation: %1.</translation>
    </message>
</context>
<context>
    <name>Measures</name>
    <message>
        <source>Fréquence</source>
        <translation>Frequency</translation>
    </message>
    <message>
        <source>Fréquence f des courants du stator.</source>
        <translation>Frequency f of the stator currents.</translation>
    </message>
    <message>
        <source>Vitesse de synchronisme</source>
        <translation>Synchronous speed</translation>
    </message>
    <message>
        <source>Vitesse du rotor</source>
        <translation>Rotor speed</translation>
    </message>
    <message>
        <source>Glissement</source>
        <translation>Slip</translation>
    </message>
    <message>
        <source>Fréquence rotorique</source>
        <translation>Rotor frequency</translation>
    </message>
    <message>
        <source>Couple</source>
        <translation>Torque</translation>
    </message>
    <message>
        <source>Indicateur de couple entre les champs du stator et du rotor (sans unité).</source>
        <translation>Torque figure between the stator and rotor fields (no unit).</translation>
    </message>
    <message>
        <source>Champ résultant</source>
        <translation>Resultant field</translation>
    </message>
    <message>
        <source>Longueur du vecteur champ rapportée à celle d&apos;un champ triphasé équilibré.</source>
        <translation>Length of the field vector relative to that of a balanced three-phase field.</translation>
    </message>
    <message>
        <source>Angle du champ</source>
        <translation>Field angle</translation>
    </message>
    <message>
        <source>Direction du vecteur champ, comptée dans le sens trigonométrique.</source>
        <translation>Direction of the field vector, counted counterclockwise.</translation>
    </message>
    <message>
        <source>Stator direct</source>
        <translation>Stator positive</translation>
    </message>
    <message>
        <source>Champ tournant dans le sens de la séquence 0/120/240 (composante directe).</source>
        <translation>Field turning the way the sequence 0/120/240 turns (positive sequence).</translation>
    </message>
    <message>
        <source>Stator inverse</source>
        <translation>Stator negative</translation>
    </message>
    <message>
        <source>Champ tournant en sens opposé (composante inverse).</source>
        <translation>Field turning the opposite way (negative sequence).</translation>
    </message>
    <message>
        <source>Rotor direct</source>
        <translation>Rotor positive</translation>
    </message>
    <message>
        <source>Champ du rotor tournant dans le sens de sa séquence 0/120/240.</source>
        <translation>Rotor field turning the way its sequence 0/120/240 turns.</translation>
    </message>
    <message>
        <source>Rotor inverse</source>
        <translation>Rotor negative</translation>
    </message>
    <message>
        <source>Champ du rotor tournant en sens opposé.</source>
        <translation>Rotor field turning the opposite way.</translation>
    </message>
    <message>
        <source>Harmoniques</source>
        <translation>Harmonics</translation>
    </message>
    <message>
        <source>Courant rectangulaire : harmoniques rapportés au fondamental, tournant avec ou contre le champ.</source>
        <translation>Rectangular current: harmonics relative to the fundamental, turning with or against the field.</translation>
    </message>
    <message>
        <source>Taux de distorsion</source>
        <translation>Distortion</translation>
    </message>
    <message>
        <source>Distorsion harmonique totale du courant rectangulaire.</source>
        <translation>Total harmonic distortion of the rectangular current.</translation>
    </message>
    <message>
        <source>,</source>
        <translation>.</translation>
    </message>
    <message>
        <source>tr/min</source>
        <translation>rpm</translation>
    </message>
    <message>
        <source>avec</source>
        <translation>with</translation>
    </message>
    <message>
        <source>contre</source>
        <translation>against</translation>
    </message>
    <message>
        <source>Stator</source>
        <translation>Stator</translation>
    </message>
    <message>
        <source>Rotor</source>
        <translation>Rotor</translation>
    </message>
    <message>
        <source>Résultante</source>
        <translation>Resultant</translation>
    </message>
    <message>
        <source>Fondamental</source>
        <translation>Fundamental</translation>
    </message>
    <message>
        <source>Champ</source>
        <translation>Field</translation>
    </message>
    <message>
        <source>Sens du champ</source>
        <translation>Field sense</translation>
    </message>
    <message>
        <source>Sens de rotation du champ du stator, celui de sa plus grande composante ; pulsant quand les deux sont égales. Vitesses et glissements sont positifs dans le sens trigonométrique, celui où tourne le rotor pour une fréquence de rotation positive, et négatifs dans le sens horaire.</source>
        <translation>Sense in which the stator&apos;s field turns: that of its larger component; pulsating when both are equal. Speeds and slips are positive counterclockwise, the way the rotor turns for a positive rotation frequency, and negative clockwise.</translation>
    </message>
    <message>
        <source>Vitesse du champ tournant : 60 f pour une paire de pôles, positive dans le sens trigonométrique, négative dans le sens horaire.</source>
        <translation>Speed of the rotating field: 60 f for one pole pair, positive counterclockwise, negative clockwise.</translation>
    </message>
    <message>
        <source>60 fois la fréquence de rotation du rotor, positive dans le sens trigonométrique.</source>
        <translation>60 times the rotor&apos;s rotation frequency, positive counterclockwise.</translation>
    </message>
    <message>
        <source>g = (ns - n) / ns avec les vitesses signées : 0 au synchronisme, 1 à l&apos;arrêt, plus de 1 quand le rotor tourne contre le champ (freinage). Champ pulsant : g+ et g− contre ses deux moitiés.</source>
        <translation>g = (ns - n) / ns with signed speeds: 0 when synchronous, 1 at standstill, above 1 when the rotor turns against the field (braking). Pulsating field: g+ and g− against its two halves.</translation>
    </message>
    <message>
        <source>Fréquence |g| f des courants induits dans le rotor, pour chaque moitié d&apos;un champ pulsant.</source>
        <translation>Frequency |g| f of the currents induced in the rotor, for each half of a pulsating field.</translation>
    </message>
    <message>
        <source>sens trigonométrique</source>
        <translation>counterclockwise</translation>
    </message>
    <message>
        <source>sens horaire</source>
        <translation>clockwise</translation>
    </message>
    <message>
        <source>pulsant</source>
        <translation>pulsating</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>E&amp;xporter l&apos;animation...</source>
        <translation>&amp;Export animation...</translation>
    </message>
    <message>
        <source>&amp;Quitter</source>
        <translation>&amp;Quit</translation>
    </message>
    <message>
        <source>Entrefer:couleur</source>
        <translation>Air gap: colour</translation>
    </message>
    <message>
        <source>Vecteur</source>
        <translation>Vector</translation>
    </message>
    <message>
        <source>Trace</source>
        <translation>Trace</translation>
    </message>
    <message>
        <source>Forces magnéto-motrices</source>
        <translation>Magnetomotive forces</translation>
    </message>
    <message>
        <source>Couple</source>
        <translation>Torque</translation>
    </message>
    <message>
        <source>&amp;Stator</source>
        <translation>&amp;Stator</translation>
    </message>
    <message>
        <source>&amp;Rotor</source>
        <translation>&amp;Rotor</translation>
    </message>
    <message>
        <source>&amp;Mesures</source>
        <translation>&amp;Measures</translation>
    </message>
    <message>
        <source>Cadence x1/4</source>
        <translation>Pace x1/4</translation>
    </message>
    <message>
        <source>Cadence x1/2</source>
        <translation>Pace x1/2</translation>
    </message>
    <message>
        <source>Cadence x1</source>
        <translation>Pace x1</translation>
    </message>
    <message>
        <source>Cadence x2</source>
        <translation>Pace x2</translation>
    </message>
    <message>
        <source>Cadence x4</source>
        <translation>Pace x4</translation>
    </message>
    <message>
        <source>Bleu Noir Rouge</source>
        <translation>Blue Black Red</translation>
    </message>
    <message>
        <source>Vert NoirRouge</source>
        <translation>Green Black Red</translation>
    </message>
    <message>
        <source>CAO</source>
        <translation>CAD</translation>
    </message>
    <message>
        <source>Bleu Blanc Orange</source>
        <translation>Blue White Orange</translation>
    </message>
    <message>
        <source>Projection</source>
        <translation>Projector</translation>
    </message>
    <message>
        <source>&amp;A propos de Vireflu...</source>
        <translation>&amp;About Vireflu...</translation>
    </message>
    <message>
        <source>&amp;Général</source>
        <translation>&amp;General</translation>
    </message>
    <message>
        <source>&amp;Représentation</source>
        <translation>&amp;Presentation</translation>
    </message>
    <message>
        <source>&amp;Vue</source>
        <translation>&amp;View</translation>
    </message>
    <message>
        <source>&amp;Couleur</source>
        <translation>&amp;Colour</translation>
    </message>
    <message>
        <source>&amp;?</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>&amp;Ouvrir...</source>
        <translation>&amp;Open...</translation>
    </message>
    <message>
        <source>&amp;Enregistrer...</source>
        <translation>&amp;Save...</translation>
    </message>
    <message>
        <source>Copier le &amp;lien</source>
        <translation>Copy &amp;link</translation>
    </message>
    <message>
        <source>Raccourcis &amp;clavier</source>
        <translation>&amp;Keyboard shortcuts</translation>
    </message>
</context>
<context>
    <name>Panel</name>
    <message>
        <source>fréquence stator: %1 Hz</source>
        <translation>stator frequency: %1 Hz</translation>
    </message>
    <message>
        <source>fréquence rotor: %1 Hz</source>
        <translation>rotor frequency: %1 Hz</translation>
    </message>
    <message>
        <source>fréquence de rotation: %1 Hz</source>
        <translation>rotation frequency: %1 Hz</translation>
    </message>
    <message>
        <source>position initiale: %1 degré</source>
        <translation>initial position: %1 degrees</translation>
    </message>
    <message>
        <source>phase</source>
        <translation>phase</translation>
    </message>
    <message>
        <source>phase 1</source>
        <translation>phase 1</translation>
    </message>
    <message>
        <source>phase 2</source>
        <translation>phase 2</translation>
    </message>
    <message>
        <source>phase 3</source>
        <translation>phase 3</translation>
    </message>
    <message>
        <source>sinus</source>
        <translation>sine</translation>
    </message>
    <message>
        <source>continu</source>
        <translation>DC</translation>
    </message>
    <message>
        <source>rectangulaire</source>
        <translation>rectangular</translation>
    </message>
    <message>
        <source>Stator</source>
        <translation>Stator</translation>
    </message>
    <message>
        <source>Rotor</source>
        <translation>Rotor</translation>
    </message>
    <message>
        <source>Angle limité à 360°</source>
        <translation>Angle held at 360°</translation>
    </message>
    <message>
        <source>angle de la phase %1</source>
        <translation>phase %1 angle</translation>
    </message>
    <message>
        <source>degrés, de 0 à 360</source>
        <translation>degrees, from 0 to 360</translation>
    </message>
    <message>
        <source>augmenter l&apos;angle de la phase %1</source>
        <translation>increase the phase %1 angle</translation>
    </message>
    <message>
        <source>diminuer l&apos;angle de la phase %1</source>
        <translation>decrease the phase %1 angle</translation>
    </message>
    <message>
        <source>courbe de la phase %1</source>
        <translation>phase %1 curve</translation>
    </message>
    <message>
        <source>le courant de la phase sur une période, le trait vertical marquant l&apos;instant</source>
        <translation>the phase current over one period, the vertical line marking the instant</translation>
    </message>
    <message>
        <source>fréquence</source>
        <translation>frequency</translation>
    </message>
    <message>
        <source>fréquence de rotation</source>
        <translation>rotation frequency</translation>
    </message>
    <message>
        <source>position initiale</source>
        <translation>initial position</translation>
    </message>
    <message>
        <source>flèches, Page préc. et Page suiv. pour régler</source>
        <translation>arrows, Page Up and Page Down to set</translation>
    </message>
</context>
<context>
    <name>Setup</name>
    <message>
        <source>Ce n&apos;est pas un réglage Vireflu : le texte n&apos;est pas du JSON lisible (arrêt à l&apos;octet %2).</source>
        <translation>This is not a Vireflu setup: the text is not readable JSON (stopped at byte %2).</translation>
    </message>
    <message>
        <source>Ce n&apos;est pas un réglage Vireflu : le document n&apos;est pas un objet JSON.</source>
        <translation>This is not a Vireflu setup: the document is not a JSON object.</translation>
    </message>
    <message>
        <source>Ce n&apos;est pas un réglage Vireflu : il dépasse 64 Kio.</source>
        <translation>This is not a Vireflu setup: it is larger than 64 KiB.</translation>
    </message>
    <message>
        <source>Ce lien ne contient pas de réglage Vireflu lisible.</source>
        <translation>This link holds no readable Vireflu setup.</translation>
    </message>
    <message>
        <source>Ce n&apos;est pas un réglage Vireflu : la clé « %1 » (la version du format) manque.</source>
        <translation>This is not a Vireflu setup: the key “%1” (the format&apos;s version) is missing.</translation>
    </message>
    <message>
        <source>Ce réglage a été fait par une version plus récente de Vireflu (format %2) : mettez Vireflu à jour pour l&apos;ouvrir.</source>
        <translation>This setup was made by a newer version of Vireflu (format %2): update Vireflu to open it.</translation>
    </message>
    <message>
        <source>La clé « %1 » est inconnue de cette version de Vireflu.</source>
        <translation>The key “%1” is unknown to this version of Vireflu.</translation>
    </message>
    <message>
        <source>La clé « %1 » accepte %3.</source>
        <translation>The key “%1” accepts %3.</translation>
    </message>
    <message>
        <source>La clé « %1 » donne une forme d&apos;onde que le panneau n&apos;offre pas avec ce nombre de phases.</source>
        <translation>The key “%1” gives a waveform the panel does not offer with that many phases.</translation>
    </message>
</context>
<context>
    <name>Shortcuts</name>
    <message>
        <source>Espace : lancer ou arrêter l&apos;animation</source>
        <translation>Space: start or stop the animation</translation>
    </message>
    <message>
        <source>Origine : initialisation, l&apos;horloge à zéro</source>
        <translation>Home: reset, the clock back to zero</translation>
    </message>
    <message>
        <source>F11 : plein écran</source>
        <translation>F11: full screen</translation>
    </message>
    <message>
        <source>Ctrl+O, Ctrl+S : ouvrir, enregistrer un réglage</source>
        <translation>Ctrl+O, Ctrl+S: open, save a setup</translation>
    </message>
    <message>
        <source>Ctrl+Q : quitter</source>
        <translation>Ctrl+Q: quit</translation>
    </message>
    <message>
        <source>Alt + lettre soulignée : menus et boutons</source>
        <translation>Alt + underlined letter: menus and buttons</translation>
    </message>
    <message>
        <source>Tab, flèches, Entrée, Échap : dans les panneaux</source>
        <translation>Tab, arrows, Enter, Esc: in the panels</translation>
    </message>
    <message>
        <source>Espace et Origine agissent dans chaque fenêtre, sauf dans un champ en cours de saisie</source>
        <translation>Space and Home act in every window, except in a field being edited</translation>
    </message>
    <message>
        <source>Raccourcis clavier</source>
        <translation>Keyboard shortcuts</translation>
    </message>
</context>
<context>
    <name>vireflu::AnimationExport</name>
    <message>
        <source>Exporter l&apos;animation</source>
        <translation>Export animation</translation>
    </message>
    <message>
        <source>Images GIF (*.gif)</source>
        <translation>GIF images (*.gif)</translation>
    </message>
    <message>
        <source>L&apos;animation n&apos;a pas pu être enregistrée : %1.</source>
        <translation>The animation could not be saved: %1.</translation>
    </message>
    <message>
        <source>Exportation de l&apos;animation...</source>
        <translation>Exporting the animation...</translation>
    </message>
    <message>
        <source>Annuler</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Exportation annulée : aucun fichier n&apos;a été écrit.</source>
        <translation>Export cancelled: no file was written.</translation>
    </message>
    <message>
        <source>L&apos;animation n&apos;a pas pu être enregistrée : ses images ont plus de 256 couleurs.</source>
        <translation>The animation could not be saved: its frames have more than 256 colours.</translation>
    </message>
    <message>
        <source>Aucune animation à exporter : aucun enroulement n&apos;est alimenté en « sinus » ou « rectangulaire » au-dessus de 0 Hz.</source>
        <translation>No animation to export: no winding is supplied with “sine” or “rectangular” above 0 Hz.</translation>
    </message>
</context>
<context>
    <name>vireflu::CAboutBox</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>vireflu::CMachineView</name>
    <message>
        <source>Coupe de la machine</source>
        <translation>Machine cross-section</translation>
    </message>
</context>
<context>
    <name>vireflu::CMainWindow</name>
    <message>
        <source>Ouverts &amp;récemment</source>
        <translation>Open &amp;recent</translation>
    </message>
    <message>
        <source>Panneaux à côté</source>
        <translation>Panels beside</translation>
    </message>
    <message>
        <source>Disposition initiale</source>
        <translation>Initial layout</translation>
    </message>
</context>
<context>
    <name>vireflu::CMeasuresPanel</name>
    <message>
        <source>Mesures</source>
        <translation>Measures</translation>
    </message>
    <message>
        <source>Force magnétomotrice le long de l&apos;entrefer, de 0 à 360°.</source>
        <translation>Magnetomotive force along the air gap, from 0 to 360°.</translation>
    </message>
    <message>
        <source>Deux champs tournants</source>
        <translation>Two rotating fields</translation>
    </message>
    <message>
        <source>Dessine les champs direct (bleu) et inverse (orange) dans la coupe.</source>
        <translation>Draws the positive (blue) and negative (orange) fields in the cross-section.</translation>
    </message>
</context>
<context>
    <name>vireflu::SetupFiles</name>
    <message>
        <source>Réglages Vireflu (*.vireflu)</source>
        <translation>Vireflu setups (*.vireflu)</translation>
    </message>
    <message>
        <source>Ouvrir un réglage</source>
        <translation>Open a setup</translation>
    </message>
    <message>
        <source>Le réglage %1 n&apos;a pas pu être lu : %2.</source>
        <translation>The setup %1 could not be read: %2.</translation>
    </message>
    <message>
        <source>%1 n&apos;a pas été ouvert.</source>
        <translation>%1 was not opened.</translation>
    </message>
    <message>
        <source>Enregistrer le réglage</source>
        <translation>Save the setup</translation>
    </message>
    <message>
        <source>Le réglage n&apos;a pas pu être enregistré : %1.</source>
        <translation>The setup could not be saved: %1.</translation>
    </message>
</context>
</TS>
