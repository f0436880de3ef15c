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
</context>
<context>
    <name>Menu</name>
    <message>
        <source>&amp;Exporter l&apos;animation...</source>
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
</TS>
