<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>AboutBox</name>
    <message>
        <source>Simulateur pédagogique, 2026</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Le champ tournant des machines triphasées</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A propos de Vireflu</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CommandBar</name>
    <message>
        <source>&amp;Initialisation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Animation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Stop</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LessonMenu</name>
    <message>
        <source>&amp;Leçons</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ouvrir une leçon...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ouvrir une leçon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Leçons Vireflu (*.json)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>La leçon %1 n&apos;a pas pu être lue : %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 n&apos;a pas été ouvert.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Measures</name>
    <message>
        <source>Fréquence</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fréquence f des courants du stator.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sens du champ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sens de rotation du champ du stator, celui de sa plus grande composante ; pulsant quand les deux sont égales. Vitesses et glissements sont positifs dans le sens trigonométrique, celui où tourne le rotor pour une fréquence de rotation positive, et négatifs dans le sens horaire.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vitesse de synchronisme</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vitesse du champ tournant : 60 f pour une paire de pôles, positive dans le sens trigonométrique, négative dans le sens horaire.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vitesse du rotor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>60 fois la fréquence de rotation du rotor, positive dans le sens trigonométrique.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Glissement</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>g = (ns - n) / ns avec les vitesses signées : 0 au synchronisme, 1 à l&apos;arrêt, plus de 1 quand le rotor tourne contre le champ (freinage). Champ pulsant : g+ et g− contre ses deux moitiés.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fréquence rotorique</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fréquence |g| f des courants induits dans le rotor, pour chaque moitié d&apos;un champ pulsant.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Couple</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Indicateur de couple entre les champs du stator et du rotor (sans unité).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Champ résultant</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Longueur du vecteur champ rapportée à celle d&apos;un champ triphasé équilibré.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Angle du champ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Direction du vecteur champ, comptée dans le sens trigonométrique.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stator direct</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Champ tournant dans le sens de la séquence 0/120/240 (composante directe).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stator inverse</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Champ tournant en sens opposé (composante inverse).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rotor direct</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Champ du rotor tournant dans le sens de sa séquence 0/120/240.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rotor inverse</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Champ du rotor tournant en sens opposé.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Harmoniques</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Courant rectangulaire : harmoniques rapportés au fondamental, tournant avec ou contre le champ.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Taux de distorsion</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Distorsion harmonique totale du courant rectangulaire.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>,</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>tr/min</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>avec</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>contre</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>sens trigonométrique</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>sens horaire</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>pulsant</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stator</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rotor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Résultante</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fondamental</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Champ</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>&amp;Ouvrir...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Enregistrer...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copier le &amp;lien</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E&amp;xporter l&apos;animation...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Quitter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Entrefer:couleur</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vecteur</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Trace</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Forces magnéto-motrices</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Couple</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Stator</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Rotor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Mesures</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cadence x1/4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cadence x1/2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cadence x1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cadence x2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cadence x4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bleu Noir Rouge</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vert NoirRouge</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CAO</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bleu Blanc Orange</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Projection</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;A propos de Vireflu...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Général</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Représentation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Vue</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Couleur</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Langue</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Annotations</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Panel</name>
    <message>
        <source>fréquence stator: %1 Hz</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>fréquence rotor: %1 Hz</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>fréquence de rotation: %1 Hz</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>position initiale: %1 degré</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>phase</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>phase 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>phase 2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>phase 3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>sinus</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>continu</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>rectangulaire</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stator</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rotor</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Setup</name>
    <message>
        <source>Ce n&apos;est pas un réglage Vireflu : le texte n&apos;est pas du JSON lisible (arrêt à l&apos;octet %2).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ce n&apos;est pas un réglage Vireflu : le document n&apos;est pas un objet JSON.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ce n&apos;est pas un réglage Vireflu : il dépasse 64 Kio.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ce lien ne contient pas de réglage Vireflu lisible.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ce n&apos;est pas un réglage Vireflu : la clé « %1 » (la version du format) manque.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ce réglage a été fait par une version plus récente de Vireflu (format %2) : mettez Vireflu à jour pour l&apos;ouvrir.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>La clé « %1 » est inconnue de cette version de Vireflu.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>La clé « %1 » accepte %3.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>La clé « %1 » donne une forme d&apos;onde que le panneau n&apos;offre pas avec ce nombre de phases.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>La clé « %1 » manque.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>vireflu::AnimationExport</name>
    <message>
        <source>Exporter l&apos;animation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Images GIF (*.gif)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>L&apos;animation n&apos;a pas pu être enregistrée : %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exportation de l&apos;animation...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Annuler</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exportation annulée : aucun fichier n&apos;a été écrit.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>L&apos;animation n&apos;a pas pu être enregistrée : ses images ont plus de 256 couleurs.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Aucune animation à exporter : aucun enroulement n&apos;est alimenté en « sinus » ou « rectangulaire » au-dessus de 0 Hz.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>vireflu::CAboutBox</name>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>vireflu::CMainWindow</name>
    <message>
        <source>Ouverts &amp;récemment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Panneaux à côté</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Disposition initiale</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Leçon</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>vireflu::CMeasuresPanel</name>
    <message>
        <source>Mesures</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Force magnétomotrice le long de l&apos;entrefer, de 0 à 360°.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Deux champs tournants</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dessine les champs direct (bleu) et inverse (orange) dans la coupe.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>vireflu::LessonPanel</name>
    <message>
        <source>Répondre</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Montrer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Recommencer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bonne prédiction.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ce n&apos;est pas ce qui se passe.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Essayez :</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>vireflu::SetupFiles</name>
    <message>
        <source>Réglages Vireflu (*.vireflu)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ouvrir un réglage</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Le réglage %1 n&apos;a pas pu être lu : %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 n&apos;a pas été ouvert.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enregistrer le réglage</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Le réglage n&apos;a pas pu être enregistré : %1.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
