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
    <message>
        <source>Champ : %1.</source>
        <translation>Field: %1.</translation>
    </message>
    <message>
        <source>Couple : %1.</source>
        <translation>Torque: %1.</translation>
    </message>
</context>
<context>
    <name>Lesson</name>
    <message>
        <source>%1 tr/min</source>
        <translation>%1 rpm</translation>
    </message>
    <message>
        <source>dans le sens horaire</source>
        <translation>clockwise</translation>
    </message>
    <message>
        <source>dans le sens antihoraire</source>
        <translation>counterclockwise</translation>
    </message>
    <message>
        <source>Le champ pulse sur un axe fixe : ses deux moitiés tournent en sens opposés à %1</source>
        <translation>The field pulsates along a fixed axis: its two halves turn opposite ways at %1</translation>
    </message>
    <message>
        <source>Le champ tourne %1 à %2</source>
        <translation>The field turns %1 at %2</translation>
    </message>
    <message>
        <source>Le champ tourne %1 à %2 : vitesse signée %3</source>
        <translation>The field turns %1 at %2: signed speed %3</translation>
    </message>
    <message>
        <source>Le glissement vaut %1 : champ à %2, rotor à %3</source>
        <translation>The slip is %1: field at %2, rotor at %3</translation>
    </message>
    <message>
        <source>Les courants du rotor ont une fréquence de %1 Hz (%2 × %3 Hz)</source>
        <translation>The rotor currents&apos; frequency is %1 Hz (%2 × %3 Hz)</translation>
    </message>
    <message>
        <source>Sur une période, le couple moyen est nul (%1) : il change de signe</source>
        <translation>Over one period the mean torque is zero (%1): it changes sign</translation>
    </message>
    <message>
        <source>Sur une période, le couple moyen pousse le rotor %1 (%2)</source>
        <translation>Over one period the mean torque drives the rotor %1 (%2)</translation>
    </message>
    <message>
        <source>Le couple antihoraire est le plus grand avec le rotor à %1°</source>
        <translation>The counterclockwise torque is largest with the rotor at %1°</translation>
    </message>
    <message>
        <source>L&apos;harmonique %1 (%2 % du fondamental) tourne %3 à %4</source>
        <translation>Harmonic %1 (%2 % of the fundamental) turns %3 at %4</translation>
    </message>
    <message>
        <source>Le champ d&apos;une phase</source>
        <translation>The field of one phase</translation>
    </message>
    <message>
        <source>Une seule phase</source>
        <translation>A single phase</translation>
    </message>
    <message>
        <source>Une seule bobine du stator est alimentée par un courant sinusoïdal de 50 Hz. La flèche rouge montre le champ dans l&apos;entrefer.</source>
        <translation>A single stator coil carries a 50 Hz sinusoidal current. The red arrow shows the field in the air gap.</translation>
    </message>
    <message>
        <source>Quand l&apos;horloge tourne, que fait le champ ?</source>
        <translation>When the clock runs, what does the field do?</translation>
    </message>
    <message>
        <source>Le champ d&apos;une bobine reste sur son axe : il grandit, s&apos;annule et change de signe avec le courant. Il se décompose en deux moitiés égales qui tournent en sens opposés à la même vitesse.</source>
        <translation>A coil&apos;s field stays on its axis: it grows, vanishes and changes sign with the current. It splits into two equal halves turning opposite ways at the same speed.</translation>
    </message>
    <message>
        <source>ouvrez la fenêtre « Mesures » et cochez « Deux champs tournants » : les deux moitiés tournent en sens opposés.</source>
        <translation>open the &quot;Measures&quot; window and tick &quot;Two rotating fields&quot;: the two halves turn opposite ways.</translation>
    </message>
    <message>
        <source>Il tourne dans le sens horaire</source>
        <translation>It turns clockwise</translation>
    </message>
    <message>
        <source>Il tourne dans le sens antihoraire</source>
        <translation>It turns counterclockwise</translation>
    </message>
    <message>
        <source>Il pulse sur place, sans tourner</source>
        <translation>It pulsates in place without turning</translation>
    </message>
    <message>
        <source>Le champ tournant</source>
        <translation>The rotating field</translation>
    </message>
    <message>
        <source>Trois phases</source>
        <translation>Three phases</translation>
    </message>
    <message>
        <source>Les trois bobines du stator, décalées de 120° dans l&apos;espace, sont alimentées par des courants décalés de 0°, 120° et 240° dans le temps, à 50 Hz.</source>
        <translation>The three stator coils, 120° apart in space, carry currents shifted by 0°, 120° and 240° in time, at 50 Hz.</translation>
    </message>
    <message>
        <source>Que fait le champ résultant ?</source>
        <translation>What does the resultant field do?</translation>
    </message>
    <message>
        <source>Les trois champs pulsants s&apos;ajoutent en un champ de longueur constante qui tourne d&apos;un tour par période : 50 tours par seconde, 3000 tr/min. Il passe d&apos;une bobine à la suivante dans l&apos;ordre où leurs courants atteignent leur maximum.</source>
        <translation>The three pulsating fields add up to a field of constant length turning one turn per period: 50 turns a second, 3000 rpm. It passes from one coil to the next in the order their currents peak.</translation>
    </message>
    <message>
        <source>choisissez la représentation « Trace » : la pointe du champ décrit un cercle.</source>
        <translation>choose the &quot;Trace&quot; presentation: the field&apos;s tip draws a circle.</translation>
    </message>
    <message>
        <source>Deux phases inversées</source>
        <translation>Two phases swapped</translation>
    </message>
    <message>
        <source>Le même stator triphasé, mais les courants des phases 2 et 3 ont été échangés : leurs déphasages sont maintenant 0°, 240° et 120°.</source>
        <translation>The same three-phase stator, but the currents of phases 2 and 3 are swapped: their phase angles are now 0°, 240° and 120°.</translation>
    </message>
    <message>
        <source>Dans quel sens tourne le champ ?</source>
        <translation>Which way does the field turn?</translation>
    </message>
    <message>
        <source>Les courants atteignent maintenant leur maximum dans l&apos;ordre 1, 2, 3 au lieu de 1, 3, 2 : le champ, qui va d&apos;une bobine à celle dont le courant culmine ensuite, tourne dans l&apos;autre sens, toujours à 3000 tr/min. C&apos;est ainsi qu&apos;on inverse le sens d&apos;un moteur triphasé.</source>
        <translation>The currents now peak in the order 1, 2, 3 instead of 1, 3, 2: the field, which goes from one coil to the one whose current peaks next, turns the other way, still at 3000 rpm. That is how a three-phase motor is reversed.</translation>
    </message>
    <message>
        <source>remettez 120° et 240° dans le panneau Stator et comparez.</source>
        <translation>put 120° and 240° back in the Stator panel and compare.</translation>
    </message>
    <message>
        <source>Une phase perdue</source>
        <translation>A phase lost</translation>
    </message>
    <message>
        <source>Un fil d&apos;alimentation est coupé : le même courant traverse maintenant les deux bobines restantes, à l&apos;aller dans l&apos;une et au retour dans l&apos;autre (déphasages 0° et 180°).</source>
        <translation>A supply line is cut: the same current now flows through the two remaining coils, out through one and back through the other (phase angles 0° and 180°).</translation>
    </message>
    <message>
        <source>Que fait le champ ?</source>
        <translation>What does the field do?</translation>
    </message>
    <message>
        <source>Deux courants en phase ou en opposition ne font qu&apos;un champ qui pulse sur un axe fixe. Ses deux moitiés tournent en sens opposés : un moteur arrêté ne démarre plus, un moteur lancé continue dans son sens mais chauffe.</source>
        <translation>Two currents in phase or in opposition make one field pulsating on a fixed axis. Its two halves turn opposite ways: a stopped motor no longer starts, a running one keeps turning its way but heats up.</translation>
    </message>
    <message>
        <source>ouvrez la fenêtre « Mesures » et cochez « Deux champs tournants » : les deux moitiés ont la même longueur.</source>
        <translation>open the &quot;Measures&quot; window and tick &quot;Two rotating fields&quot;: the two halves have the same length.</translation>
    </message>
    <message>
        <source>Deux phases à 90°</source>
        <translation>Two phases at 90°</translation>
    </message>
    <message>
        <source>Deux bobines à angle droit sont alimentées par des courants décalés de 90° dans le temps : la bobine 2 atteint son maximum un quart de période avant la bobine 1.</source>
        <translation>Two coils at right angles carry currents 90° apart in time: coil 2 peaks a quarter period before coil 1.</translation>
    </message>
    <message>
        <source>Deux bobines en quadrature, avec des courants en quadrature, suffisent à faire un champ tournant de longueur constante. Il va de la bobine dont le courant est en avance vers l&apos;autre. C&apos;est le principe des moteurs monophasés à condensateur.</source>
        <translation>Two coils in quadrature with currents in quadrature are enough for a rotating field of constant length. It goes from the coil whose current leads towards the other. That is how capacitor-start motors work.</translation>
    </message>
    <message>
        <source>mettez 270° au lieu de 90° pour la phase 2 : le champ change de sens.</source>
        <translation>set 270° instead of 90° for phase 2: the field reverses.</translation>
    </message>
    <message>
        <source>Fréquence et vitesse</source>
        <translation>Frequency and speed</translation>
    </message>
    <message>
        <source>Le stator triphasé à une paire de pôles est alimenté à 25 Hz au lieu de 50 Hz. Les vitesses sont comptées positives dans le sens antihoraire.</source>
        <translation>The three-phase stator with one pole pair is fed at 25 Hz instead of 50 Hz. Speeds count positive counterclockwise.</translation>
    </message>
    <message>
        <source>Quelle est la vitesse de synchronisme du champ ?</source>
        <translation>What is the field&apos;s synchronous speed?</translation>
    </message>
    <message>
        <source>Le champ fait un tour par période du courant : n = 60 f / p. Avec une paire de pôles à 25 Hz, 1500 tr/min. Les phases dans l&apos;ordre 0°, 240°, 120° le font tourner dans le sens antihoraire, donc la vitesse signée est positive.</source>
        <translation>The field turns once per period of the current: n = 60 f / p. With one pole pair at 25 Hz, 1500 rpm. Phases in the order 0°, 240°, 120° turn it counterclockwise, so the signed speed is positive.</translation>
    </message>
    <message>
        <source>ouvrez la fenêtre « Mesures » et changez la fréquence dans le panneau Stator.</source>
        <translation>open the &quot;Measures&quot; window and change the frequency in the Stator panel.</translation>
    </message>
    <message>
        <source>+3000 tr/min</source>
        <translation>+3000 rpm</translation>
    </message>
    <message>
        <source>+1500 tr/min</source>
        <translation>+1500 rpm</translation>
    </message>
    <message>
        <source>-1500 tr/min</source>
        <translation>-1500 rpm</translation>
    </message>
    <message>
        <source>+750 tr/min</source>
        <translation>+750 rpm</translation>
    </message>
    <message>
        <source>Courant continu</source>
        <translation>Direct current</translation>
    </message>
    <message>
        <source>La bobine 1 du stator est parcourue par un courant continu.</source>
        <translation>Stator coil 1 carries a direct current.</translation>
    </message>
    <message>
        <source>Que fait le champ quand l&apos;horloge tourne ?</source>
        <translation>What does the field do when the clock runs?</translation>
    </message>
    <message>
        <source>Un courant constant fait un champ constant, fixe sur l&apos;axe de la bobine : rien ne tourne tant que le rotor ne tourne pas. C&apos;est le champ d&apos;un inducteur de machine synchrone ou d&apos;un aimant.</source>
        <translation>A constant current makes a constant field, fixed on the coil&apos;s axis: nothing turns while the rotor stands still. It is the field of a synchronous machine&apos;s exciter, or of a magnet.</translation>
    </message>
    <message>
        <source>alimentez plutôt le rotor en continu et donnez-lui une rotation : son champ tourne avec lui.</source>
        <translation>feed the rotor with direct current instead and make it rotate: its field turns with it.</translation>
    </message>
    <message>
        <source>Il pulse sur place</source>
        <translation>It pulsates in place</translation>
    </message>
    <message>
        <source>Il reste immobile</source>
        <translation>It stands still</translation>
    </message>
    <message>
        <source>La machine synchrone</source>
        <translation>The synchronous machine</translation>
    </message>
    <message>
        <source>Au synchronisme</source>
        <translation>At synchronism</translation>
    </message>
    <message>
        <source>Le champ du stator tourne dans le sens antihoraire à 3000 tr/min. Le rotor, alimenté en continu, tourne à la même vitesse, son champ en retard de 60° sur celui du stator. La barre à gauche montre le couple.</source>
        <translation>The stator&apos;s field turns counterclockwise at 3000 rpm. The rotor, fed with direct current, turns at the same speed, its field 60° behind the stator&apos;s. The bar on the left shows the torque.</translation>
    </message>
    <message>
        <source>Sur une période, dans quel sens le couple moyen pousse-t-il le rotor ?</source>
        <translation>Over one period, which way does the mean torque drive the rotor?</translation>
    </message>
    <message>
        <source>Au synchronisme les deux champs tournent ensemble : leur angle reste fixe, donc le couple est constant. Le champ du stator, en avance, tire le champ du rotor dans le sens de rotation : la machine est motrice.</source>
        <translation>At synchronism both fields turn together: their angle stays fixed, so the torque is constant. The stator&apos;s field, ahead, pulls the rotor&apos;s field along the rotation: the machine drives.</translation>
    </message>
    <message>
        <source>mettez la position initiale à 330° : le rotor est en avance de 60° et la machine freine.</source>
        <translation>set the initial position to 330°: the rotor leads by 60° and the machine brakes.</translation>
    </message>
    <message>
        <source>Dans le sens de rotation (antihoraire)</source>
        <translation>With the rotation (counterclockwise)</translation>
    </message>
    <message>
        <source>Contre la rotation (horaire)</source>
        <translation>Against the rotation (clockwise)</translation>
    </message>
    <message>
        <source>Il est nul</source>
        <translation>It is zero</translation>
    </message>
    <message>
        <source>L&apos;angle de couple</source>
        <translation>The torque angle</translation>
    </message>
    <message>
        <source>Stator et rotor sont alimentés en continu ; le champ du stator pointe vers la droite (0°). La position initiale du rotor, dans le panneau Rotor, fixe l&apos;angle entre les deux champs.</source>
        <translation>Stator and rotor are fed with direct current; the stator&apos;s field points right (0°). The rotor&apos;s initial position, in the Rotor panel, sets the angle between the two fields.</translation>
    </message>
    <message>
        <source>À quelle position du rotor le couple antihoraire est-il le plus grand ?</source>
        <translation>At which rotor position is the counterclockwise torque largest?</translation>
    </message>
    <message>
        <source>Le couple vaut le produit des deux champs par le sinus de leur angle. Il est nul quand ils sont alignés (0° ou 180°) et le plus grand à angle droit. À 270° le champ du stator, en avance de 90° dans le sens antihoraire, tire le rotor dans ce sens.</source>
        <translation>The torque is the product of both fields and the sine of their angle. It is zero when they are aligned (0° or 180°) and largest at right angles. At 270° the stator&apos;s field, 90° ahead counterclockwise, pulls the rotor that way.</translation>
    </message>
    <message>
        <source>tapez 90 puis 270 comme position initiale et comparez les barres de couple.</source>
        <translation>type 90 then 270 as the initial position and compare the torque bars.</translation>
    </message>
    <message>
        <source>0°</source>
        <translation>0°</translation>
    </message>
    <message>
        <source>90°</source>
        <translation>90°</translation>
    </message>
    <message>
        <source>180°</source>
        <translation>180°</translation>
    </message>
    <message>
        <source>270°</source>
        <translation>270°</translation>
    </message>
    <message>
        <source>Un rotor entraîné contre le champ</source>
        <translation>A rotor driven against the field</translation>
    </message>
    <message>
        <source>Le champ du stator tourne dans le sens horaire à 3000 tr/min. Une machine extérieure entraîne le rotor dans le sens antihoraire, à 3000 tr/min lui aussi.</source>
        <translation>The stator&apos;s field turns clockwise at 3000 rpm. An outside machine drives the rotor counterclockwise, at 3000 rpm too.</translation>
    </message>
    <message>
        <source>Quel est le glissement g = (ns - n) / ns ?</source>
        <translation>What is the slip g = (ns - n) / ns?</translation>
    </message>
    <message>
        <source>Avec les vitesses signées, ns = -3000 et n = +3000 tr/min : g = 2. Un glissement supérieur à 1 veut dire que le rotor tourne contre le champ : la machine freine, c&apos;est le freinage par contre-courant, et les courants du rotor ont une fréquence double.</source>
        <translation>With signed speeds ns = -3000 and n = +3000 rpm: g = 2. A slip above 1 means the rotor turns against the field: the machine brakes (plugging), and the rotor currents have twice the supply frequency.</translation>
    </message>
    <message>
        <source>ouvrez la fenêtre « Mesures » et lisez la fréquence des courants du rotor.</source>
        <translation>open the &quot;Measures&quot; window and read the rotor currents&apos; frequency.</translation>
    </message>
    <message>
        <source>0</source>
        <translation>0</translation>
    </message>
    <message>
        <source>1</source>
        <translation>1</translation>
    </message>
    <message>
        <source>2</source>
        <translation>2</translation>
    </message>
    <message>
        <source>-1</source>
        <translation>-1</translation>
    </message>
    <message>
        <source>La machine asynchrone</source>
        <translation>The induction machine</translation>
    </message>
    <message>
        <source>Le glissement</source>
        <translation>The slip</translation>
    </message>
    <message>
        <source>Un moteur asynchrone : le champ du stator tourne dans le sens antihoraire à 3000 tr/min, le rotor le suit à 48 tours par seconde, soit 2880 tr/min.</source>
        <translation>An induction motor: the stator&apos;s field turns counterclockwise at 3000 rpm, the rotor follows at 48 turns a second, that is 2880 rpm.</translation>
    </message>
    <message>
        <source>Quel est le glissement ?</source>
        <translation>What is the slip?</translation>
    </message>
    <message>
        <source>g = (3000 - 2880) / 3000 = 0,04. Le rotor glisse un peu derrière le champ : c&apos;est ce retard qui induit des courants dans ses barres et donc le couple. Au synchronisme exact, plus rien n&apos;est induit.</source>
        <translation>g = (3000 - 2880) / 3000 = 0.04. The rotor slips a little behind the field: that lag induces currents in its bars and so the torque. At exact synchronism nothing is induced any more.</translation>
    </message>
    <message>
        <source>donnez une rotation de 50 Hz au rotor : le glissement devient nul.</source>
        <translation>give the rotor a 50 Hz rotation: the slip becomes zero.</translation>
    </message>
    <message>
        <source>0,04</source>
        <translation>0.04</translation>
    </message>
    <message>
        <source>0,96</source>
        <translation>0.96</translation>
    </message>
    <message>
        <source>0,4</source>
        <translation>0.4</translation>
    </message>
    <message>
        <source>La fréquence des courants du rotor</source>
        <translation>The rotor currents&apos; frequency</translation>
    </message>
    <message>
        <source>Le même moteur : champ à 3000 tr/min dans le sens antihoraire, rotor à 2880 tr/min, alimentation à 50 Hz. Le rotor voit le champ défiler lentement.</source>
        <translation>The same motor: field at 3000 rpm counterclockwise, rotor at 2880 rpm, 50 Hz supply. The rotor sees the field go by slowly.</translation>
    </message>
    <message>
        <source>Quelle est la fréquence des courants induits dans le rotor ?</source>
        <translation>What is the frequency of the currents induced in the rotor?</translation>
    </message>
    <message>
        <source>Le champ dépasse le rotor de 120 tr/min, soit 2 tours par seconde : les courants du rotor ont la fréquence g f = 0,04 × 50 = 2 Hz. À l&apos;arrêt ils auraient 50 Hz.</source>
        <translation>The field overtakes the rotor by 120 rpm, 2 turns a second: the rotor currents have the frequency g f = 0.04 × 50 = 2 Hz. At standstill they would have 50 Hz.</translation>
    </message>
    <message>
        <source>alimentez le rotor en triphasé à 2 Hz (0°, 240°, 120°) : son champ tourne avec celui du stator.</source>
        <translation>feed the rotor three-phase at 2 Hz (0°, 240°, 120°): its field turns with the stator&apos;s.</translation>
    </message>
    <message>
        <source>50 Hz</source>
        <translation>50 Hz</translation>
    </message>
    <message>
        <source>48 Hz</source>
        <translation>48 Hz</translation>
    </message>
    <message>
        <source>2 Hz</source>
        <translation>2 Hz</translation>
    </message>
    <message>
        <source>0 Hz</source>
        <translation>0 Hz</translation>
    </message>
    <message>
        <source>Les harmoniques</source>
        <translation>Harmonics</translation>
    </message>
    <message>
        <source>L&apos;harmonique 5 de l&apos;onduleur</source>
        <translation>The inverter&apos;s harmonic 5</translation>
    </message>
    <message>
        <source>Un onduleur à six pas alimente le stator : ses courants en escalier contiennent le fondamental à 50 Hz et des harmoniques. Le fondamental fait tourner le champ dans le sens antihoraire à 3000 tr/min.</source>
        <translation>A six-step inverter feeds the stator: its staircase currents hold the 50 Hz fundamental and harmonics. The fundamental turns the field counterclockwise at 3000 rpm.</translation>
    </message>
    <message>
        <source>Dans quel sens tourne le champ de l&apos;harmonique 5 ?</source>
        <translation>Which way does harmonic 5&apos;s field turn?</translation>
    </message>
    <message>
        <source>Pour l&apos;harmonique 5 les déphasages des trois phases sont multipliés par 5 : 0°, 600°, 1200°, soit 0°, 240°, 120°. Les harmoniques 5 et 11 tournent donc contre le fondamental, 7 et 13 avec lui, à 1/5 de sa vitesse.</source>
        <translation>For harmonic 5 the three phase angles are multiplied by 5: 0°, 600°, 1200°, that is 0°, 240°, 120°. Harmonics 5 and 11 therefore turn against the fundamental, 7 and 13 with it, at 1/5 of its speed.</translation>
    </message>
    <message>
        <source>ouvrez la fenêtre « Mesures » : le spectre donne le sens de chaque harmonique.</source>
        <translation>open the &quot;Measures&quot; window: the spectrum gives each harmonic&apos;s sense.</translation>
    </message>
    <message>
        <source>Dans le sens horaire, contre le fondamental</source>
        <translation>Clockwise, against the fundamental</translation>
    </message>
    <message>
        <source>Dans le sens antihoraire, avec le fondamental</source>
        <translation>Counterclockwise, with the fundamental</translation>
    </message>
    <message>
        <source>L&apos;harmonique 7 de l&apos;onduleur</source>
        <translation>The inverter&apos;s harmonic 7</translation>
    </message>
    <message>
        <source>Dans quel sens tourne le champ de l&apos;harmonique 7 ?</source>
        <translation>Which way does harmonic 7&apos;s field turn?</translation>
    </message>
    <message>
        <source>Pour l&apos;harmonique 7 les déphasages des trois phases sont multipliés par 7 : 0°, 840°, 1680°, soit 0°, 120°, 240°. Les harmoniques 5 et 11 tournent donc contre le fondamental, 7 et 13 avec lui, à 1/7 de sa vitesse.</source>
        <translation>For harmonic 7 the three phase angles are multiplied by 7: 0°, 840°, 1680°, that is 0°, 120°, 240°. Harmonics 5 and 11 therefore turn against the fundamental, 7 and 13 with it, at 1/7 of its speed.</translation>
    </message>
    <message>
        <source>,</source>
        <translation>.</translation>
    </message>
    <message>
        <source>Le champ reste immobile : rien n&apos;alterne dans le stator</source>
        <translation>The field stands still: nothing alternates in the stator</translation>
    </message>
    <message>
        <source>Le stator ne crée aucun champ</source>
        <translation>The stator makes no field</translation>
    </message>
</context>
<context>
    <name>LessonMenu</name>
    <message>
        <source>&amp;Leçons</source>
        <translation>&amp;Lessons</translation>
    </message>
    <message>
        <source>Ouvrir une leçon...</source>
        <translation>Open a lesson...</translation>
    </message>
    <message>
        <source>Ouvrir une leçon</source>
        <translation>Open a lesson</translation>
    </message>
    <message>
        <source>Leçons Vireflu (*.json)</source>
        <translation>Vireflu lessons (*.json)</translation>
    </message>
    <message>
        <source>La leçon %1 n&apos;a pas pu être lue : %2.</source>
        <translation>The lesson %1 could not be read: %2.</translation>
    </message>
    <message>
        <source>%1 n&apos;a pas été ouvert.</source>
        <translation>%1 was not opened.</translation>
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
    <message>
        <source>après votre réponse</source>
        <translation>after your answer</translation>
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
        <source>&amp;Langue</source>
        <translation>&amp;Language</translation>
    </message>
    <message>
        <source>Annotations</source>
        <translation>Annotations</translation>
    </message>
    <message>
        <source>Raccourcis &amp;clavier</source>
        <translation>&amp;Keyboard shortcuts</translation>
    </message>
</context>
<context>
    <name>Page</name>
    <message>
        <source>Fermer</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Lien copié</source>
        <translation>Link copied</translation>
    </message>
    <message>
        <source>Vireflu est arrêté : vous pouvez fermer cette page.</source>
        <translation>Vireflu has stopped: you may close this page.</translation>
    </message>
    <message>
        <source>Coupe de la machine</source>
        <translation>Cross-section of the machine</translation>
    </message>
    <message>
        <source>Menus</source>
        <translation>Menus</translation>
    </message>
    <message>
        <source>L&apos;animation n&apos;a pas pu être enregistrée.</source>
        <translation>The animation could not be saved.</translation>
    </message>
    <message>
        <source>Il n&apos;y a pas de leçon « %1 ».</source>
        <translation>There is no lesson “%1”.</translation>
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
    <message>
        <source>La clé « %1 » manque.</source>
        <translation>The key “%1” is missing.</translation>
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
    <message>
        <source>Leçon</source>
        <translation>Lesson</translation>
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
    <name>vireflu::LessonPanel</name>
    <message>
        <source>Répondre</source>
        <translation>Answer</translation>
    </message>
    <message>
        <source>Montrer</source>
        <translation>Show</translation>
    </message>
    <message>
        <source>Recommencer</source>
        <translation>Start again</translation>
    </message>
    <message>
        <source>Bonne prédiction.</source>
        <translation>Right prediction.</translation>
    </message>
    <message>
        <source>Ce n&apos;est pas ce qui se passe.</source>
        <translation>That is not what happens.</translation>
    </message>
    <message>
        <source>Essayez :</source>
        <translation>Try this:</translation>
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
