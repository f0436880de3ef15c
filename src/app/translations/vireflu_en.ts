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
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>Animation</name>
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
    <name>Annotations</name>
    <message>
        <source>↑ horaire</source>
        <translation>↑ clockwise</translation>
    </message>
    <message>
        <source>↓ antihoraire</source>
        <translation>↓ counterclockwise</translation>
    </message>
    <message>
        <source>après votre réponse</source>
        <translation>after your answer</translation>
    </message>
    <message>
        <source>f.m.m.</source>
        <translation>MMF</translation>
    </message>
</context>
<context>
    <name>Answers</name>
    <message>
        <source>Le journal de réponses %1 n&apos;a pas pu être lu : %2.</source>
        <translation>The log of answers %1 could not be read: %2.</translation>
    </message>
    <message>
        <source>Mes réponses</source>
        <translation>My answers</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Leçon</source>
        <translation>Lesson</translation>
    </message>
    <message>
        <source>Réponse</source>
        <translation>Answer</translation>
    </message>
    <message>
        <source>Résultat</source>
        <translation>Result</translation>
    </message>
    <message>
        <source>Secondes</source>
        <translation>Seconds</translation>
    </message>
    <message>
        <source>juste</source>
        <translation>right</translation>
    </message>
    <message>
        <source>faux</source>
        <translation>wrong</translation>
    </message>
    <message>
        <source>Exporter en CSV</source>
        <translation>Export as CSV</translation>
    </message>
    <message>
        <source>Exporter en JSON</source>
        <translation>Export as JSON</translation>
    </message>
    <message>
        <source>Effacer</source>
        <translation>Clear</translation>
    </message>
    <message>
        <source>Effacer toutes les réponses ? Elles ne pourront pas être retrouvées.</source>
        <translation>Clear every answer? They cannot be got back.</translation>
    </message>
    <message>
        <source>Aucune réponse pour l&apos;instant.</source>
        <translation>No answer yet.</translation>
    </message>
    <message>
        <source>Ce navigateur ne garde pas les réponses : elles seront perdues à la fermeture de la page.</source>
        <translation>This browser does not keep the answers: they will be lost when the page closes.</translation>
    </message>
    <message>
        <source>Exporter en CSV...</source>
        <translation>Export as CSV...</translation>
    </message>
    <message>
        <source>Exporter en JSON...</source>
        <translation>Export as JSON...</translation>
    </message>
    <message>
        <source>Tableur CSV (*.csv)</source>
        <translation>CSV spreadsheet (*.csv)</translation>
    </message>
    <message>
        <source>Journal de réponses (*.json)</source>
        <translation>Log of answers (*.json)</translation>
    </message>
    <message>
        <source>Les réponses n&apos;ont pas pu être exportées : %1.</source>
        <translation>The answers could not be exported: %1.</translation>
    </message>
    <message>
        <source>Les réponses n&apos;ont pas pu être effacées.</source>
        <translation>The answers could not be cleared.</translation>
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
    <name>Conventions</name>
    <message>
        <source>Le courant d&apos;une phase vaut sin(ωt + angle) : l&apos;angle est une avance.</source>
        <translation>A phase&apos;s current is sin(ωt + angle): the angle is a lead.</translation>
    </message>
    <message>
        <source>Séquence directe : les phases culminent dans l&apos;ordre 1, 2, 3, soit les angles 0/240/120 ; son champ tourne dans le sens antihoraire.</source>
        <translation>Positive sequence: the phases peak in the order 1, 2, 3, that is the angles 0/240/120; its field turns counterclockwise.</translation>
    </message>
    <message>
        <source>Séquence inverse : 0/120/240, l&apos;ordre 1, 3, 2 ; son champ tourne dans le sens horaire.</source>
        <translation>Negative sequence: 0/120/240, the order 1, 3, 2; its field turns clockwise.</translation>
    </message>
    <message>
        <source>Vitesses, glissements, angles et couples sont positifs dans le sens antihoraire, celui où tourne le rotor pour une fréquence de rotation positive.</source>
        <translation>Speeds, slips, angles and torques are positive counterclockwise, the way the rotor turns for a positive rotation frequency.</translation>
    </message>
    <message>
        <source>Glissement g = (ns - n) / ns avec les vitesses signées : 0 au synchronisme, 1 à l&apos;arrêt, plus de 1 contre le champ.</source>
        <translation>Slip g = (ns - n) / ns with signed speeds: 0 at synchronism, 1 at standstill, above 1 against the field.</translation>
    </message>
    <message>
        <source>La barre de couple monte pour un couple horaire et descend pour un couple antihoraire.</source>
        <translation>The torque bar rises for a clockwise torque and drops for a counterclockwise one.</translation>
    </message>
    <message>
        <source>L&apos;harmonique n des courants fait un champ qui tourne n fois plus vite que le fondamental : 5 et 11 contre lui, 7 et 13 avec lui.</source>
        <translation>Harmonic n of the currents makes a field turning n times as fast as the fundamental&apos;s: 5 and 11 against it, 7 and 13 with it.</translation>
    </message>
    <message>
        <source>Conventions de signe</source>
        <translation>Sign conventions</translation>
    </message>
</context>
<context>
    <name>Course</name>
    <message>
        <source>Ouvrir un parcours</source>
        <translation>Open a course</translation>
    </message>
    <message>
        <source>Parcours Vireflu (*.json)</source>
        <translation>Vireflu courses (*.json)</translation>
    </message>
    <message>
        <source>Composez ou ouvrez d&apos;abord un parcours.</source>
        <translation>Compose or open a course first.</translation>
    </message>
    <message>
        <source>Parcours terminé : %1</source>
        <translation>Course finished: %1</translation>
    </message>
    <message>
        <source>Bonnes réponses : %1 sur %2 (%3 %).</source>
        <translation>Right answers: %1 of %2 (%3 %).</translation>
    </message>
    <message>
        <source>Réussi (note de passage : %1 %).</source>
        <translation>Passed (pass mark: %1 %).</translation>
    </message>
    <message>
        <source>Pas encore réussi (note de passage : %1 %).</source>
        <translation>Not passed yet (pass mark: %1 %).</translation>
    </message>
    <message>
        <source>%1 : sans réponse</source>
        <translation>%1: no answer</translation>
    </message>
    <message>
        <source>%1 : juste</source>
        <translation>%1: right</translation>
    </message>
    <message>
        <source>%1 : faux</source>
        <translation>%1: wrong</translation>
    </message>
    <message>
        <source>Composer un parcours</source>
        <translation>Compose a course</translation>
    </message>
    <message>
        <source>Titre</source>
        <translation>Title</translation>
    </message>
    <message>
        <source>Note de passage (%)</source>
        <translation>Pass mark (%)</translation>
    </message>
    <message>
        <source>Leçons de Vireflu</source>
        <translation>Vireflu&apos;s lessons</translation>
    </message>
    <message>
        <source>Ajouter</source>
        <translation>Add</translation>
    </message>
    <message>
        <source>Ajouter une leçon de fichier...</source>
        <translation>Add a lesson from a file...</translation>
    </message>
    <message>
        <source>Leçons du parcours</source>
        <translation>The course&apos;s lessons</translation>
    </message>
    <message>
        <source>Monter</source>
        <translation>Move up</translation>
    </message>
    <message>
        <source>Descendre</source>
        <translation>Move down</translation>
    </message>
    <message>
        <source>Retirer</source>
        <translation>Remove</translation>
    </message>
    <message>
        <source>Commencer</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Enregistrer...</source>
        <translation>Save...</translation>
    </message>
    <message>
        <source>Copier le lien</source>
        <translation>Copy the link</translation>
    </message>
    <message>
        <source>Exporter pour une plateforme (SCORM)...</source>
        <translation>Export for a platform (SCORM)...</translation>
    </message>
    <message>
        <source>aucune</source>
        <translation>none</translation>
    </message>
    <message>
        <source>Le parcours %1 n&apos;a pas pu être lu : %2.</source>
        <translation>The course %1 could not be read: %2.</translation>
    </message>
    <message>
        <source>Enregistrer le parcours</source>
        <translation>Save the course</translation>
    </message>
    <message>
        <source>Le parcours n&apos;a pas pu être enregistré : %1.</source>
        <translation>The course could not be saved: %1.</translation>
    </message>
    <message>
        <source>La page de Vireflu (vireflu.html) est introuvable : construisez-la avec « make web ».</source>
        <translation>Vireflu&apos;s page (vireflu.html) cannot be found: build it with &quot;make web&quot;.</translation>
    </message>
    <message>
        <source>%1 n&apos;a pas pu être lue comme la page de Vireflu.</source>
        <translation>%1 could not be read as Vireflu&apos;s page.</translation>
    </message>
    <message>
        <source>Exporter pour une plateforme (SCORM)</source>
        <translation>Export for a platform (SCORM)</translation>
    </message>
    <message>
        <source>Paquet SCORM (*.zip)</source>
        <translation>SCORM package (*.zip)</translation>
    </message>
    <message>
        <source>Le paquet n&apos;a pas pu être enregistré : %1.</source>
        <translation>The package could not be saved: %1.</translation>
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
    <name>Files</name>
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
        <source>Le champ d&apos;une phase</source>
        <translation>The field of one phase</translation>
    </message>
    <message>
        <source>Une seule phase</source>
        <translation>A single phase</translation>
    </message>
    <message>
        <source>Quand l&apos;horloge tourne, que fait le champ ?</source>
        <translation>When the clock runs, what does the field do?</translation>
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
        <source>Que fait le champ résultant ?</source>
        <translation>What does the resultant field do?</translation>
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
        <source>Dans quel sens tourne le champ ?</source>
        <translation>Which way does the field turn?</translation>
    </message>
    <message>
        <source>remettez 120° et 240° dans le panneau Stator et comparez.</source>
        <translation>put 120° and 240° back in the Stator panel and compare.</translation>
    </message>
    <message>
        <source>Que fait le champ ?</source>
        <translation>What does the field do?</translation>
    </message>
    <message>
        <source>Deux phases à 90°</source>
        <translation>Two phases at 90°</translation>
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
        <source>Quelle est la vitesse de synchronisme du champ ?</source>
        <translation>What is the field&apos;s synchronous speed?</translation>
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
        <source>Sur une période, dans quel sens le couple moyen pousse-t-il le rotor ?</source>
        <translation>Over one period, which way does the mean torque drive the rotor?</translation>
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
        <source>Quel est le glissement g = (ns - n) / ns ?</source>
        <translation>What is the slip g = (ns - n) / ns?</translation>
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
        <source>Quel est le glissement ?</source>
        <translation>What is the slip?</translation>
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
        <source>Quelle est la fréquence des courants induits dans le rotor ?</source>
        <translation>What is the frequency of the currents induced in the rotor?</translation>
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
        <source>Dans quel sens tourne le champ de l&apos;harmonique 5 ?</source>
        <translation>Which way does harmonic 5&apos;s field turn?</translation>
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
    <message>
        <source>%1 Hz</source>
        <translation>%1 Hz</translation>
    </message>
    <message>
        <source>Vitesses, glissements, angles et couples sont comptés positifs dans le sens antihoraire, celui où tourne le rotor pour une fréquence de rotation positive.</source>
        <translation>Speeds, slips, angles and torques count positive counterclockwise, the way the rotor turns for a positive rotation frequency.</translation>
    </message>
    <message>
        <source>La barre de couple monte quand le couple pousse le rotor dans le sens horaire et descend quand il le pousse dans le sens antihoraire.</source>
        <translation>The torque bar rises when the torque pushes the rotor clockwise and drops when it pushes it counterclockwise.</translation>
    </message>
    <message>
        <source>Les courants du rotor ont une fréquence de %1 (%2 × %3)</source>
        <translation>The rotor currents have a frequency of %1 (%2 × %3)</translation>
    </message>
    <message>
        <source>L&apos;harmonique %1 (%2 % du fondamental) tourne %3 à %4, %1 fois la vitesse du fondamental</source>
        <translation>Harmonic %1 (%2 % of the fundamental) turns %3 at %4, %1 times the fundamental&apos;s speed</translation>
    </message>
    <message>
        <source>Une seule bobine du stator est alimentée par un courant sinusoïdal de {frequency}. La flèche rouge montre le champ dans l&apos;entrefer.</source>
        <translation>A single stator coil carries a {frequency} sinusoidal current. The red arrow shows the field in the air gap.</translation>
    </message>
    <message>
        <source>Le champ d&apos;une bobine reste sur son axe : il grandit, s&apos;annule et change de signe avec le courant. Il se décompose en deux moitiés égales qui tournent en sens opposés, chacune à {field-speed}.</source>
        <translation>A coil&apos;s field stays on its axis: it grows, vanishes and changes sign with the current. It splits into two equal halves turning opposite ways, each at {field-speed}.</translation>
    </message>
    <message>
        <source>Une bobine seule ne fait un champ que sur son axe : la flèche rouge ne quitte pas cet axe, elle change seulement de longueur et de signe. Regardez-la pendant une période.</source>
        <translation>A single coil only makes a field along its axis: the red arrow never leaves that axis, it only changes length and sign. Watch it for one period.</translation>
    </message>
    <message>
        <source>Les trois bobines du stator, décalées de 120° dans l&apos;espace, sont alimentées à {frequency} par des courants d&apos;angles {stator-angles}. Un angle est une avance : le courant de la phase vaut sin(ωt + angle).</source>
        <translation>The three stator coils, 120° apart in space, carry {frequency} currents with the angles {stator-angles}. An angle is a lead: the phase&apos;s current is sin(ωt + angle).</translation>
    </message>
    <message>
        <source>Les trois champs pulsants s&apos;ajoutent en un champ de longueur constante qui fait un tour par période : {field-speed}. Il passe d&apos;une bobine à la suivante dans l&apos;ordre où leurs courants culminent : la phase 1, puis la 3, en retard de 120°, puis la 2. C&apos;est la séquence inverse, et le champ tourne {field-sense}.</source>
        <translation>The three pulsating fields add up to a field of constant length turning one turn per period: {field-speed}. It passes from one coil to the next in the order their currents peak: phase 1, then phase 3, 120° behind, then phase 2. That is the negative sequence, and the field turns {field-sense}.</translation>
    </message>
    <message>
        <source>Les angles semblent donner l&apos;ordre 1, 2, 3, mais ce sont des avances : la phase 3, en avance de 240°, c&apos;est-à-dire en retard de 120°, culmine avant la phase 2. Regardez dans le panneau Stator quel courant culmine juste après celui de la phase 1.</source>
        <translation>The angles look like the order 1, 2, 3, but they are leads: phase 3, 240° ahead, that is 120° behind, peaks before phase 2. Look in the Stator panel at which current peaks just after phase 1&apos;s.</translation>
    </message>
    <message>
        <source>Chaque bobine seule fait un champ pulsant, mais trois champs pulsants décalés dans l&apos;espace et dans le temps s&apos;ajoutent en un champ de longueur constante. Regardez la longueur de la flèche rouge.</source>
        <translation>Each coil alone makes a pulsating field, but three pulsating fields shifted in space and in time add up to a field of constant length. Watch the red arrow&apos;s length.</translation>
    </message>
    <message>
        <source>Le même stator triphasé, mais les courants des phases 2 et 3 ont été échangés : leurs angles sont maintenant {stator-angles}.</source>
        <translation>The same three-phase stator, but the currents of phases 2 and 3 are swapped: their angles are now {stator-angles}.</translation>
    </message>
    <message>
        <source>Les courants culminent maintenant dans l&apos;ordre 1, 2, 3 au lieu de 1, 3, 2 : c&apos;est la séquence directe. Le champ, qui va d&apos;une bobine à celle dont le courant culmine ensuite, tourne {field-sense}, toujours à {field-speed}. C&apos;est ainsi qu&apos;on inverse le sens d&apos;un moteur triphasé : on échange deux de ses fils.</source>
        <translation>The currents now peak in the order 1, 2, 3 instead of 1, 3, 2: the positive sequence. The field, which goes from one coil to the one whose current peaks next, turns {field-sense}, still at {field-speed}. That is how a three-phase motor is reversed: swap two of its lines.</translation>
    </message>
    <message>
        <source>C&apos;était le sens de la leçon précédente. Échanger deux phases change l&apos;ordre dans lequel les courants culminent, et le champ suit cet ordre.</source>
        <translation>That was the previous lesson&apos;s sense. Swapping two phases changes the order in which the currents peak, and the field follows that order.</translation>
    </message>
    <message>
        <source>Deux bobines à angle droit sont alimentées par des courants décalés de 90° dans le temps, d&apos;angles {stator-angles} : la bobine 2, en avance, atteint son maximum un quart de période avant la bobine 1.</source>
        <translation>Two coils at right angles carry currents 90° apart in time, with the angles {stator-angles}: coil 2 leads, peaking a quarter period before coil 1.</translation>
    </message>
    <message>
        <source>Deux bobines en quadrature, avec des courants en quadrature, suffisent à faire un champ tournant de longueur constante, ici {field-sense} à {field-speed}. Il va de la bobine dont le courant est en avance vers l&apos;autre. C&apos;est le principe des moteurs monophasés à condensateur.</source>
        <translation>Two coils in quadrature with currents in quadrature are enough for a rotating field of constant length, here {field-sense} at {field-speed}. It goes from the coil whose current leads towards the other. That is how capacitor motors work.</translation>
    </message>
    <message>
        <source>La bobine 2 est bien à 90° de la bobine 1, mais son courant est en avance : le champ part d&apos;elle et va vers la bobine 1.</source>
        <translation>Coil 2 does lie 90° from coil 1, but its current leads: the field starts from it and goes towards coil 1.</translation>
    </message>
    <message>
        <source>Le stator triphasé à une paire de pôles est alimenté à {frequency}, avec les angles {stator-angles}. {convention}</source>
        <translation>The three-phase stator with one pole pair is fed at {frequency}, with the angles {stator-angles}. {convention}</translation>
    </message>
    <message>
        <source>Le champ fait un tour par période du courant : n = 60 f / p, soit {field-speed} avec une paire de pôles à {frequency}. Les angles {stator-angles} forment la séquence directe, qui le fait tourner {field-sense} : la vitesse signée vaut {field-signed-speed}.</source>
        <translation>The field turns once per period of the current: n = 60 f / p, that is {field-speed} with one pole pair at {frequency}. The angles {stator-angles} form the positive sequence, which turns it {field-sense}: the signed speed is {field-signed-speed}.</translation>
    </message>
    <message>
        <source>C&apos;est la vitesse d&apos;un réseau européen. La vitesse de synchronisme suit la fréquence : n = 60 f / p, avec ici f = {frequency}.</source>
        <translation>That is the speed on a European grid. The synchronous speed follows the frequency: n = 60 f / p, here with f = {frequency}.</translation>
    </message>
    <message>
        <source>La valeur est juste, pas le signe. {convention}</source>
        <translation>The value is right, not the sign. {convention}</translation>
    </message>
    <message>
        <source>Un courant constant fait un champ constant, fixe sur l&apos;axe de la bobine : rien ne tourne tant que le rotor ne tourne pas. C&apos;est le champ de l&apos;inducteur d&apos;une machine synchrone, ou d&apos;un aimant.</source>
        <translation>A constant current makes a constant field, fixed on the coil&apos;s axis: nothing turns while the rotor stands still. It is the field of a synchronous machine&apos;s field winding, or of a magnet.</translation>
    </message>
    <message>
        <source>Le champ du stator tourne {field-sense} à {field-speed}. Le rotor, alimenté en continu, tourne {rotor-sense} à {rotor-speed}, son champ en retard de 60° sur celui du stator. La barre à gauche montre le couple.</source>
        <translation>The stator&apos;s field turns {field-sense} at {field-speed}. The rotor, fed with direct current, turns {rotor-sense} at {rotor-speed}, its field 60° behind the stator&apos;s. The bar on the left shows the torque.</translation>
    </message>
    <message>
        <source>Au synchronisme les deux champs tournent ensemble : leur angle reste fixe, donc le couple aussi, {mean-torque}. Le champ du stator, en avance, tire celui du rotor dans le sens de rotation : la machine est motrice. {torque-bar}</source>
        <translation>At synchronism both fields turn together: their angle stays fixed, and so does the torque, {mean-torque}. The stator&apos;s field, ahead, pulls the rotor&apos;s along the rotation: the machine drives. {torque-bar}</translation>
    </message>
    <message>
        <source>Le champ du rotor est en retard sur celui du stator : le stator le tire en avant, dans le sens de rotation, comme un aimant en entraîne un autre.</source>
        <translation>The rotor&apos;s field lags the stator&apos;s: the stator pulls it forward, along the rotation, as one magnet drags another.</translation>
    </message>
    <message>
        <source>Au synchronisme l&apos;angle entre les deux champs reste fixe : le couple ne change pas de signe, sa moyenne n&apos;est donc pas nulle. Regardez la barre de couple.</source>
        <translation>At synchronism the angle between the two fields stays fixed: the torque never changes sign, so its mean is not zero. Watch the torque bar.</translation>
    </message>
    <message>
        <source>Le couple vaut le produit des deux champs par le sinus de leur angle. Il est nul quand ils sont alignés (0° ou 180°) et le plus grand à angle droit. À 270°, le champ du stator est en avance de 90° sur celui du rotor et le tire en avant : le couple positif est le plus grand.</source>
        <translation>The torque is the product of both fields and the sine of their angle. It is zero when they are aligned (0° or 180°) and largest at right angles. At 270° the stator&apos;s field is 90° ahead of the rotor&apos;s and pulls it forward: the positive torque is largest.</translation>
    </message>
    <message>
        <source>mettez la position initiale à 90° puis à 270° avec le curseur du panneau Rotor et comparez les barres de couple. {torque-bar}</source>
        <translation>set the initial position to 90° then to 270° with the Rotor panel&apos;s slider and compare the torque bars. {torque-bar}</translation>
    </message>
    <message>
        <source>Le champ du stator tourne {field-sense} à {field-speed}. Une machine extérieure entraîne le rotor {rotor-sense}, à {rotor-speed}. {convention}</source>
        <translation>The stator&apos;s field turns {field-sense} at {field-speed}. An outside machine drives the rotor {rotor-sense}, at {rotor-speed}. {convention}</translation>
    </message>
    <message>
        <source>Avec les vitesses signées, ns = {field-signed-speed} et n = {rotor-signed-speed} : g = {slip}. Un glissement supérieur à 1 veut dire que le rotor tourne contre le champ : la machine freine (freinage par contre-courant) et les courants induits dans le rotor ont une fréquence de {rotor-frequency}.</source>
        <translation>With signed speeds, ns = {field-signed-speed} and n = {rotor-signed-speed}: g = {slip}. A slip above 1 means the rotor turns against the field: the machine brakes (plugging), and the currents induced in the rotor have a frequency of {rotor-frequency}.</translation>
    </message>
    <message>
        <source>ouvrez la fenêtre « Mesures » et lisez la fréquence rotorique.</source>
        <translation>open the &quot;Measures&quot; window and read the rotor frequency.</translation>
    </message>
    <message>
        <source>Un glissement nul voudrait dire que le rotor suit le champ ; ici il tourne en sens inverse. Prenez les vitesses avec leur signe.</source>
        <translation>A slip of zero would mean the rotor follows the field; here it turns the other way. Take the speeds with their signs.</translation>
    </message>
    <message>
        <source>Un moteur asynchrone : le champ du stator tourne {field-sense} à {field-speed}, le rotor le suit à {rotor-speed}.</source>
        <translation>An induction motor: the stator&apos;s field turns {field-sense} at {field-speed}, the rotor follows at {rotor-speed}.</translation>
    </message>
    <message>
        <source>g = (ns - n) / ns = {slip} : le rotor glisse un peu derrière le champ, de {slip-speed}. Dans un moteur asynchrone, c&apos;est ce retard qui induit des courants dans les barres du rotor et donc le couple ; au synchronisme exact, plus rien n&apos;est induit. Ici le rotor est entraîné à vitesse imposée, sans courant.</source>
        <translation>g = (ns - n) / ns = {slip}: the rotor slips a little behind the field, by {slip-speed}. In an induction motor that lag induces currents in the rotor&apos;s bars and so the torque; at exact synchronism nothing is induced any more. Here the rotor is driven at a set speed, carrying no current.</translation>
    </message>
    <message>
        <source>donnez au rotor une rotation de {frequency}, celle du réseau : le glissement devient nul.</source>
        <translation>give the rotor a rotation of {frequency}, the supply&apos;s: the slip becomes zero.</translation>
    </message>
    <message>
        <source>C&apos;est n / ns, le rapport des deux vitesses. Le glissement est l&apos;écart entre elles rapporté à la vitesse du champ : g = (ns - n) / ns.</source>
        <translation>That is n / ns, the ratio of the two speeds. The slip is the gap between them relative to the field&apos;s speed: g = (ns - n) / ns.</translation>
    </message>
    <message>
        <source>Le même moteur : champ {field-sense} à {field-speed}, rotor à {rotor-speed}, alimentation à {frequency}. Le rotor voit le champ défiler lentement.</source>
        <translation>The same motor: field {field-sense} at {field-speed}, rotor at {rotor-speed}, supply at {frequency}. The rotor sees the field go by slowly.</translation>
    </message>
    <message>
        <source>Le champ dépasse le rotor de {slip-speed} : les courants du rotor ont la fréquence g f = {slip} × {frequency} = {rotor-frequency}. À l&apos;arrêt, ils auraient celle du réseau.</source>
        <translation>The field overtakes the rotor by {slip-speed}: the rotor currents have the frequency g f = {slip} × {frequency} = {rotor-frequency}. At standstill they would have the supply&apos;s.</translation>
    </message>
    <message>
        <source>alimentez le rotor en triphasé à {rotor-frequency} avec les angles {stator-angles} : son champ tourne avec celui du stator.</source>
        <translation>feed the rotor three-phase at {rotor-frequency} with the angles {stator-angles}: its field turns with the stator&apos;s.</translation>
    </message>
    <message>
        <source>C&apos;est la fréquence du réseau, celle que le rotor verrait à l&apos;arrêt. Il tourne presque aussi vite que le champ : il le voit passer lentement.</source>
        <translation>That is the supply frequency, which the rotor would see at standstill. It turns almost as fast as the field: it sees it pass slowly.</translation>
    </message>
    <message>
        <source>Un onduleur à six pas alimente le stator : ses courants en escalier contiennent le fondamental à {frequency} et des harmoniques. Ses pas se suivent dans l&apos;ordre de la séquence directe, {stator-angles}, et le fondamental fait tourner le champ {field-sense} à {field-speed}.</source>
        <translation>A six-step inverter feeds the stator: its staircase currents hold the {frequency} fundamental and harmonics. Its steps follow the positive sequence, {stator-angles}, and the fundamental turns the field {field-sense} at {field-speed}.</translation>
    </message>
    <message>
        <source>L&apos;harmonique n d&apos;un courant est décalé de n fois l&apos;angle du fondamental. Pour n = 5 : 0°, 5 × 240° = 1200° et 5 × 120° = 600°, soit 0°, 120°, 240° : la séquence inverse. Son champ tourne donc {harmonic-5-sense}, et comme ses courants alternent 5 fois plus vite, à {harmonic-5-speed}. Les harmoniques 5 et 11 tournent contre le fondamental, 7 et 13 avec lui.</source>
        <translation>Harmonic n of a current is shifted by n times the fundamental&apos;s angle. For n = 5: 0°, 5 × 240° = 1200° and 5 × 120° = 600°, that is 0°, 120°, 240°: the negative sequence. Its field therefore turns {harmonic-5-sense}, and since its currents alternate 5 times as fast, at {harmonic-5-speed}. Harmonics 5 and 11 turn against the fundamental, 7 and 13 with it.</translation>
    </message>
    <message>
        <source>ouvrez la fenêtre « Mesures » : « Vitesse des harmoniques » donne la vitesse signée du champ de chacun.</source>
        <translation>open the &quot;Measures&quot; window: &quot;Harmonic speeds&quot; gives the signed speed of each one&apos;s field.</translation>
    </message>
    <message>
        <source>Le fondamental tourne dans ce sens, mais l&apos;harmonique 5 multiplie les angles par 5, ce qui inverse l&apos;ordre des phases.</source>
        <translation>The fundamental turns that way, but harmonic 5 multiplies the angles by 5, which reverses the order of the phases.</translation>
    </message>
    <message>
        <source>L&apos;harmonique n d&apos;un courant est décalé de n fois l&apos;angle du fondamental. Pour n = 7 : 0°, 7 × 240° = 1680° et 7 × 120° = 840°, soit 0°, 240°, 120° : la séquence directe. Son champ tourne donc {harmonic-7-sense}, et comme ses courants alternent 7 fois plus vite, à {harmonic-7-speed}. Les harmoniques 5 et 11 tournent contre le fondamental, 7 et 13 avec lui.</source>
        <translation>Harmonic n of a current is shifted by n times the fundamental&apos;s angle. For n = 7: 0°, 7 × 240° = 1680° and 7 × 120° = 840°, that is 0°, 240°, 120°: the positive sequence. Its field therefore turns {harmonic-7-sense}, and since its currents alternate 7 times as fast, at {harmonic-7-speed}. Harmonics 5 and 11 turn against the fundamental, 7 and 13 with it.</translation>
    </message>
    <message>
        <source>C&apos;est le sens des harmoniques 5 et 11. Pour l&apos;harmonique 7, multipliez les angles par 7 : l&apos;ordre des phases reste celui du fondamental.</source>
        <translation>That is the sense of harmonics 5 and 11. For harmonic 7, multiply the angles by 7: the order of the phases stays the fundamental&apos;s.</translation>
    </message>
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
    <message>
        <source>Le facteur de bobinage vaut %1</source>
        <translation>The winding factor is %1</translation>
    </message>
    <message>
        <source>Des bobines de %1 encoches laissent le moins d&apos;harmonique 5 : %2 % du fondamental</source>
        <translation>Coils of %1 slots leave the least harmonic 5: %2 % of the fundamental</translation>
    </message>
    <message>
        <source>Les bobinages</source>
        <translation>Windings</translation>
    </message>
    <message>
        <source>La plaque d&apos;un moteur</source>
        <translation>A motor&apos;s nameplate</translation>
    </message>
    <message>
        <source>La plaque d&apos;un moteur asynchrone indique {frequency} et {rotor-speed}. Voici son stator : {slots} encoches, alimentées avec les angles {stator-angles}, et son rotor tourne à cette vitesse. Comptez les pôles du champ dans l&apos;entrefer. {convention}</source>
        <translation>An induction motor&apos;s nameplate reads {frequency} and {rotor-speed}. Here is its stator: {slots} slots, fed with the angles {stator-angles}, and its rotor turns at that speed. Count the field&apos;s poles in the air gap. {convention}</translation>
    </message>
    <message>
        <source>À quelle vitesse tourne le champ ?</source>
        <translation>At what speed does the field turn?</translation>
    </message>
    <message>
        <source>Le champ a {poles} pôles, {pole-pairs} paires : il avance d&apos;une paire de pôles par période, n = 60 f / p = {field-speed}. Le rotor suit juste en dessous, à {rotor-speed}, avec un glissement de {slip}. C&apos;est ainsi qu&apos;une plaque trahit les pôles d&apos;un moteur : sa vitesse est juste sous 60 f / p.</source>
        <translation>The field has {poles} poles, {pole-pairs} pairs: it moves on by one pole pair per period, n = 60 f / p = {field-speed}. The rotor follows just below, at {rotor-speed}, with a slip of {slip}. That is how a nameplate gives away a motor&apos;s poles: its speed lies just below 60 f / p.</translation>
    </message>
    <message>
        <source>ouvrez « Bobinage » et « Mesures », puis changez les paires de pôles : la vitesse de synchronisme suit 60 f / p.</source>
        <translation>open &quot;Winding&quot; and &quot;Measures&quot;, then change the pole pairs: the synchronous speed follows 60 f / p.</translation>
    </message>
    <message>
        <source>+1440 tr/min</source>
        <translation>+1440 rpm</translation>
    </message>
    <message>
        <source>C&apos;est 60 f, la vitesse d&apos;un champ à deux pôles. Comptez les pôles de celui-ci : n = 60 f / p.</source>
        <translation>That is 60 f, the speed of a two-pole field. Count this one&apos;s poles: n = 60 f / p.</translation>
    </message>
    <message>
        <source>C&apos;est la vitesse du rotor. Un moteur asynchrone tourne un peu moins vite que son champ : sans cet écart, rien n&apos;induirait de courant dans son rotor.</source>
        <translation>That is the rotor&apos;s speed. An induction motor turns a little slower than its field: without that lag nothing would induce currents in its rotor.</translation>
    </message>
    <message>
        <source>Plus de pôles, un champ plus lent</source>
        <translation>More poles, a slower field</translation>
    </message>
    <message>
        <source>Ce stator a {pole-pairs} paires de pôles : {poles} pôles se suivent autour de l&apos;entrefer, et le champ est dessiné par {pole-pairs} flèches, une vers chaque pôle nord. Il est alimenté à {frequency} avec les angles {stator-angles}. {convention}</source>
        <translation>This stator has {pole-pairs} pole pairs: {poles} poles follow one another around the air gap, and the field is drawn as {pole-pairs} arrows, one to each north pole. It is fed at {frequency} with the angles {stator-angles}. {convention}</translation>
    </message>
    <message>
        <source>En une période du courant, le champ avance d&apos;une paire de pôles, soit 1/{pole-pairs} de tour : n = 60 f / p = {field-speed}, {field-sense}, soit {field-signed-speed}. À fréquence égale, plus de pôles font un champ plus lent, et un moteur plus lent mais plus fort.</source>
        <translation>In one period of the current the field moves on by one pole pair, 1/{pole-pairs} of a turn: n = 60 f / p = {field-speed}, {field-sense}, that is {field-signed-speed}. At the same frequency, more poles make a slower field, and a slower but stronger motor.</translation>
    </message>
    <message>
        <source>lancez l&apos;animation et suivez une flèche : elle fait un tour pendant que le courant fait {pole-pairs} périodes.</source>
        <translation>start the animation and follow one arrow: it makes one turn while the current makes {pole-pairs} periods.</translation>
    </message>
    <message>
        <source>Le pas raccourci</source>
        <translation>The short pitch</translation>
    </message>
    <message>
        <source>Ce stator a {slots} encoches, deux par pôle et par phase, et des bobines au pas diamétral de {full-pitch} encoches. Sa force magnétomotrice en escalier n&apos;est pas une sinusoïde : son harmonique d&apos;espace 5 vaut {space-harmonic-5-share} du fondamental. Raccourcir les bobines peut l&apos;affaiblir.</source>
        <translation>This stator has {slots} slots, two per pole and per phase, and full-pitch coils of {full-pitch} slots. Its stepped magnetomotive force is not a sine: its space harmonic 5 is {space-harmonic-5-share} of the fundamental. Shortening the coils can weaken it.</translation>
    </message>
    <message>
        <source>Quel pas de bobine, en encoches, laisse le moins d&apos;harmonique 5 par rapport au fondamental ?</source>
        <translation>Which coil pitch, in slots, leaves the least harmonic 5 against the fundamental?</translation>
    </message>
    <message>
        <source>Une bobine de W encoches sur un pas diamétral de 3q filtre l&apos;harmonique n par k_p = sin(n W / 3q × 90°). À 5/6 du pas, les deux côtés se rapprochent de 30° : 150° pour l&apos;harmonique 5, dont les f.m.m. se compensent presque (k_p5 = sin 15°), quand le fondamental garde sin 75°. C&apos;est le pas des moteurs industriels.</source>
        <translation>A coil of W slots on a full pitch of 3q filters harmonic n by k_p = sin(n W / 3q × 90°). At 5/6 of the pitch the two sides come 30° closer: 150° for harmonic 5, whose MMFs nearly cancel (k_p5 = sin 15°), while the fundamental keeps sin 75°. That is the pitch of industrial motors.</translation>
    </message>
    <message>
        <source>dans « Bobinage », choisissez chaque pas tour à tour et lisez « Harmoniques d&apos;espace » dans « Mesures ».</source>
        <translation>in &quot;Winding&quot;, choose each pitch in turn and read &quot;Space harmonics&quot; in &quot;Measures&quot;.</translation>
    </message>
    <message>
        <source>6 encoches (pas diamétral)</source>
        <translation>6 slots (full pitch)</translation>
    </message>
    <message>
        <source>5 encoches</source>
        <translation>5 slots</translation>
    </message>
    <message>
        <source>4 encoches</source>
        <translation>4 slots</translation>
    </message>
    <message>
        <source>3 encoches</source>
        <translation>3 slots</translation>
    </message>
    <message>
        <source>Le pas diamétral prend tout le fondamental, mais aussi toute l&apos;harmonique 5 que laisse la distribution.</source>
        <translation>Full pitch takes the whole fundamental, but also all the harmonic 5 the distribution leaves.</translation>
    </message>
    <message>
        <source>Avec 4 encoches sur 6, sin(5 × 60°) et sin(60°) ont la même valeur absolue : le fondamental et l&apos;harmonique 5 baissent d&apos;autant, et la part de l&apos;harmonique ne change pas.</source>
        <translation>With 4 slots out of 6, sin(5 × 60°) and sin(60°) have the same absolute value: the fundamental and harmonic 5 drop alike, and the harmonic&apos;s share does not change.</translation>
    </message>
    <message>
        <source>Le facteur de bobinage</source>
        <translation>The winding factor</translation>
    </message>
    <message>
        <source>Ce stator répartit chaque phase dans trois encoches voisines par pôle, {slots} en tout, et ses bobines font {coil-pitch} encoches pour un pas diamétral de {full-pitch}. Les f.m.m. des encoches d&apos;une phase ne culminent pas ensemble : leur somme est plus petite que si tout tenait dans une encoche au pas diamétral.</source>
        <translation>This stator spreads each phase over three neighbouring slots per pole, {slots} in all, and its coils span {coil-pitch} slots for a full pitch of {full-pitch}. The MMFs of a phase&apos;s slots do not peak together: their sum is smaller than if everything lay in one full-pitch slot.</translation>
    </message>
    <message>
        <source>Quel est le facteur de bobinage k_w du fondamental ?</source>
        <translation>What is the fundamental&apos;s winding factor k_w?</translation>
    </message>
    <message>
        <source>k_w = k_d × k_p : la distribution sur trois encoches donne k_d = {distribution-factor}, le pas de {coil-pitch} sur {full-pitch} donne k_p = {pitch-factor}, d&apos;où k_w = {winding-factor}. Le fondamental perd un dixième, mais les harmoniques d&apos;espace 5 et 7 tombent à {space-harmonic-5-share} et {space-harmonic-7-share} du fondamental : l&apos;entrefer est presque sinusoïdal.</source>
        <translation>k_w = k_d × k_p: spreading over three slots gives k_d = {distribution-factor}, the pitch of {coil-pitch} out of {full-pitch} gives k_p = {pitch-factor}, hence k_w = {winding-factor}. The fundamental loses a tenth, but space harmonics 5 and 7 fall to {space-harmonic-5-share} and {space-harmonic-7-share} of the fundamental: the air gap is nearly sinusoidal.</translation>
    </message>
    <message>
        <source>ouvrez « Mesures » : ses lignes « Facteur de distribution », « Facteur de raccourcissement » et « Facteur de bobinage » donnent aussi les harmoniques.</source>
        <translation>open &quot;Measures&quot;: its rows &quot;Distribution factor&quot;, &quot;Pitch factor&quot; and &quot;Winding factor&quot; give the harmonics too.</translation>
    </message>
    <message>
        <source>0,960</source>
        <translation>0.960</translation>
    </message>
    <message>
        <source>0,940</source>
        <translation>0.940</translation>
    </message>
    <message>
        <source>0,902</source>
        <translation>0.902</translation>
    </message>
    <message>
        <source>1 est le facteur d&apos;une bobine concentrée au pas diamétral. Ici les encoches sont décalées et les bobines raccourcies : chacun retranche un peu.</source>
        <translation>1 is the factor of a concentrated full-pitch coil. Here the slots are shifted and the coils shortened: each takes a little away.</translation>
    </message>
    <message>
        <source>C&apos;est le facteur de distribution k_d seul. Le pas raccourci multiplie encore par k_p.</source>
        <translation>That is the distribution factor k_d alone. The short pitch multiplies by k_p as well.</translation>
    </message>
    <message>
        <source>C&apos;est le facteur de raccourcissement k_p seul. Les trois encoches voisines multiplient encore par k_d.</source>
        <translation>That is the pitch factor k_p alone. The three neighbouring slots multiply by k_d as well.</translation>
    </message>
    <message>
        <source>Une phase coupée</source>
        <translation>A lost phase</translation>
    </message>
    <message>
        <source>Le fil de ligne de la phase 3 d&apos;un moteur couplé en étoile est coupé. Ses trois bobines sont toujours là, mais la bobine 3 ne porte plus rien, et les bobines 1 et 2, désormais en série, portent un même courant : dans un sens dans l&apos;une, dans l&apos;autre sens dans l&apos;autre. {convention}</source>
        <translation>Phase 3&apos;s line wire of a star-connected motor is cut. Its three coils are still there, but coil 3 carries nothing, and coils 1 and 2, now in series, carry one current: one way in one, the other way in the other. {convention}</translation>
    </message>
    <message>
        <source>Que fait le champ du stator ?</source>
        <translation>What does the stator&apos;s field do?</translation>
    </message>
    <message>
        <source>Un seul courant dans deux bobines fixes fait un champ qui pulse sur un axe fixe : ses deux moitiés tournent en sens opposés à {field-speed}. Lancé, le moteur continue sur la moitié qui tourne avec lui, en chauffant ; à l&apos;arrêt, les deux moitiés se neutralisent et il ne démarre pas.</source>
        <translation>One current in two fixed coils makes a field that pulsates on a fixed axis: its two halves turn opposite ways at {field-speed}. Once running, the motor goes on with the half that turns with it, and heats up; at standstill the two halves cancel and it does not start.</translation>
    </message>
    <message>
        <source>cochez « Deux champs tournants » dans « Mesures » : les deux moitiés sont égales. Puis, dans « Bobinage », remettez la phase coupée à « aucune ».</source>
        <translation>tick &quot;Two rotating fields&quot; in &quot;Measures&quot;: the two halves are equal. Then, in &quot;Winding&quot;, set the cut phase back to &quot;none&quot;.</translation>
    </message>
    <message>
        <source>Il tourne toujours dans le sens antihoraire</source>
        <translation>It still turns counterclockwise</translation>
    </message>
    <message>
        <source>Il pulse sur un axe fixe</source>
        <translation>It pulsates on a fixed axis</translation>
    </message>
    <message>
        <source>Il disparaît</source>
        <translation>It vanishes</translation>
    </message>
    <message>
        <source>Un champ tournant demande deux courants déphasés dans deux bobines décalées. Ici les deux bobines restantes ne portent qu&apos;un courant, le même à chaque instant.</source>
        <translation>A rotating field needs two currents out of phase in two shifted coils. Here the two remaining coils carry one current, the same at every instant.</translation>
    </message>
    <message>
        <source>Les bobines 1 et 2 portent encore un courant : leur champ existe, il ne tourne plus.</source>
        <translation>Coils 1 and 2 still carry a current: their field exists, it no longer turns.</translation>
    </message>
    <message>
        <source>Quelle est la vitesse signée du champ ?</source>
        <translation>What is the field&apos;s signed speed?</translation>
    </message>
    <message>
        <source>+1000 tr/min</source>
        <translation>+1000 rpm</translation>
    </message>
    <message>
        <source>-1000 tr/min</source>
        <translation>-1000 rpm</translation>
    </message>
    <message>
        <source>60 f est la vitesse d&apos;un champ à une paire de pôles. Celui-ci en a davantage : comptez ses flèches.</source>
        <translation>60 f is the speed of a field with one pole pair. This one has more: count its arrows.</translation>
    </message>
    <message>
        <source>génératrice</source>
        <translation>generator</translation>
    </message>
    <message>
        <source>frein</source>
        <translation>brake</translation>
    </message>
    <message>
        <source>synchronisme, sans couple</source>
        <translation>synchronism, without torque</translation>
    </message>
    <message>
        <source>moteur</source>
        <translation>motor</translation>
    </message>
    <message>
        <source>Le rotor à cage reçoit %1 N·m au glissement %2</source>
        <translation>The cage rotor receives %1 N·m at slip %2</translation>
    </message>
    <message>
        <source>Le moteur se stabilise à %1</source>
        <translation>The motor settles at %1</translation>
    </message>
    <message>
        <source>Le couple est maximal au glissement %1</source>
        <translation>The torque is largest at slip %1</translation>
    </message>
    <message>
        <source>Une phase du stator absorbe %1 A</source>
        <translation>One stator phase draws %1 A</translation>
    </message>
    <message>
        <source>Au glissement %1, la machine fonctionne en %2</source>
        <translation>At slip %1, the machine works as a %2</translation>
    </message>
    <message>
        <source>Jamais au synchronisme</source>
        <translation>Never at synchronism</translation>
    </message>
    <message>
        <source>Un moteur à cage de {poles} pôles est entraîné de l&apos;extérieur à {rotor-speed}, exactement la vitesse de son champ, {field-speed}. Ses barres ne sont reliées à rien : seuls les courants que le champ y induit les parcourent. {convention}</source>
        <translation>A {poles}-pole cage motor is driven from outside at {rotor-speed}, exactly its field&apos;s speed, {field-speed}. Its bars are connected to nothing: only the currents the field induces in them flow there. {convention}</translation>
    </message>
    <message>
        <source>Quel couple le champ exerce-t-il sur le rotor ?</source>
        <translation>What torque does the field exert on the rotor?</translation>
    </message>
    <message>
        <source>Tournant avec le champ, les barres ne voient aucun flux varier : rien n&apos;y est induit, les conducteurs du rotor restent neutres et le couple est nul. Un moteur livré à lui-même ne peut donc jamais atteindre le synchronisme : il tourne juste en dessous, assez pour que le glissement induise le courant qu&apos;il faut à sa charge.</source>
        <translation>Turning with the field, the bars see no flux change: nothing is induced in them, the rotor&apos;s conductors stay neutral and the torque is zero. Left to itself a motor can therefore never reach synchronism: it turns just below it, enough for the slip to induce the current its load needs.</translation>
    </message>
    <message>
        <source>dans le panneau Rotor, baissez la fréquence de rotation d&apos;un hertz : les barres se colorent et le couple apparaît.</source>
        <translation>in the Rotor panel, lower the rotation frequency by one hertz: the bars take colour and the torque appears.</translation>
    </message>
    <message>
        <source>Aucun</source>
        <translation>None</translation>
    </message>
    <message>
        <source>Le couple de démarrage, {start-torque}</source>
        <translation>The starting torque, {start-torque}</translation>
    </message>
    <message>
        <source>Le couple maximal, {max-torque}</source>
        <translation>The largest torque, {max-torque}</translation>
    </message>
    <message>
        <source>Au démarrage le champ balaie les barres à pleine vitesse. Ici il tourne avec elles : que voient-elles changer ?</source>
        <translation>At start the field sweeps the bars at full speed. Here it turns with them: what change do they see?</translation>
    </message>
    <message>
        <source>Le couple maximal demande un glissement de {max-torque-slip}. Au synchronisme, le glissement est nul.</source>
        <translation>The largest torque needs a slip of {max-torque-slip}. At synchronism the slip is zero.</translation>
    </message>
    <message>
        <source>Le moteur en charge</source>
        <translation>The loaded motor</translation>
    </message>
    <message>
        <source>Ce moteur à cage démarre à l&apos;arrêt, libre, sous une charge constante de {load-torque}. Son couple de démarrage vaut {start-torque}, son couple maximal {max-torque}. Lancez l&apos;animation après avoir répondu : la courbe couple-vitesse de « Mesures » montre le point de fonctionnement. {convention}</source>
        <translation>This cage motor starts from standstill, free, under a constant load of {load-torque}. Its starting torque is {start-torque}, its largest torque {max-torque}. Start the animation once you have answered: the torque-speed curve in &quot;Measures&quot; shows the operating point. {convention}</translation>
    </message>
    <message>
        <source>À quelle vitesse le moteur se stabilise-t-il ?</source>
        <translation>At what speed does the motor settle?</translation>
    </message>
    <message>
        <source>Tant que son couple dépasse la charge, le rotor accélère ; au-delà du maximum le couple chute vers zéro au synchronisme, et le moteur se stabilise là où il égale la charge : {settled-speed}. Plus de charge, plus de glissement, plus de courant.</source>
        <translation>As long as its torque exceeds the load the rotor speeds up; past the peak the torque falls towards zero at synchronism, and the motor settles where it equals the load: {settled-speed}. More load, more slip, more current.</translation>
    </message>
    <message>
        <source>dans « Bobinage », doublez le couple de charge et regardez le point rouge descendre la courbe.</source>
        <translation>in &quot;Winding&quot;, double the load torque and watch the red point move down the curve.</translation>
    </message>
    <message>
        <source>À la vitesse du champ, {field-speed}</source>
        <translation>At the field&apos;s speed, {field-speed}</translation>
    </message>
    <message>
        <source>Un peu en dessous</source>
        <translation>A little below</translation>
    </message>
    <message>
        <source>Là où le couple est maximal</source>
        <translation>Where the torque is largest</translation>
    </message>
    <message>
        <source>Il reste à l&apos;arrêt</source>
        <translation>It stays at standstill</translation>
    </message>
    <message>
        <source>Au synchronisme le couple est nul : il ne pourrait pas porter la charge.</source>
        <translation>At synchronism the torque is zero: it could not carry the load.</translation>
    </message>
    <message>
        <source>Le moteur accélère tant que son couple dépasse la charge : il passe le maximum et continue jusqu&apos;à ce que les deux soient égaux.</source>
        <translation>The motor speeds up as long as its torque exceeds the load: it passes the peak and goes on until the two are equal.</translation>
    </message>
    <message>
        <source>Son couple de démarrage dépasse la charge : il démarre.</source>
        <translation>Its starting torque exceeds the load: it starts.</translation>
    </message>
    <message>
        <source>La résistance du rotor</source>
        <translation>The rotor&apos;s resistance</translation>
    </message>
    <message>
        <source>Ce moteur est celui des autres leçons, mais la résistance de sa cage, R2, a été doublée (des barres plus fines, ou un rotor bobiné avec des résistances en série) ; le reste de son circuit n&apos;a pas changé.</source>
        <translation>This motor is the one of the other lessons, but its cage&apos;s resistance, R2, has been doubled (thinner bars, or a wound rotor with resistors in series); the rest of its circuit is unchanged.</translation>
    </message>
    <message>
        <source>À quel glissement son couple est-il maintenant maximal ?</source>
        <translation>At what slip is its torque largest now?</translation>
    </message>
    <message>
        <source>Le glissement du couple maximal, R2 / |Zth + jX2|, double avec R2 : {max-torque-slip}. Le couple maximal, lui, ne dépend pas de R2 : {max-torque}. Toute la courbe s&apos;étire vers les grands glissements, et le couple de démarrage monte à {start-torque}.</source>
        <translation>The slip of largest torque, R2 / |Zth + jX2|, doubles with R2: {max-torque-slip}. The largest torque itself does not depend on R2: {max-torque}. The whole curve stretches towards large slips, and the starting torque rises to {start-torque}.</translation>
    </message>
    <message>
        <source>comparez la courbe de « Mesures » à celle du moteur d&apos;origine, dans la leçon « Le moteur en charge ».</source>
        <translation>compare the curve in &quot;Measures&quot; with the original motor&apos;s, in the lesson &quot;The loaded motor&quot;.</translation>
    </message>
    <message>
        <source>Toujours 0,276</source>
        <translation>Still 0.276</translation>
    </message>
    <message>
        <source>Le double, 0,552</source>
        <translation>Twice it, 0.552</translation>
    </message>
    <message>
        <source>La moitié, 0,138</source>
        <translation>Half of it, 0.138</translation>
    </message>
    <message>
        <source>Le glissement du maximum est R2 / |Zth + jX2| : il suit R2.</source>
        <translation>The slip of the peak is R2 / |Zth + jX2|: it follows R2.</translation>
    </message>
    <message>
        <source>Le courant de démarrage</source>
        <translation>The starting current</translation>
    </message>
    <message>
        <source>Ce moteur à cage est à l&apos;arrêt, branché sur le réseau. En charge, à quelques pour cent de glissement, une phase de son stator absorbe environ 5 A ; à vide, un peu plus de 2 A, le courant qui aimante la machine.</source>
        <translation>This cage motor is at standstill, connected to the grid. Loaded, at a few per cent of slip, one phase of its stator draws about 5 A; at no load a little more than 2 A, the current that magnetises the machine.</translation>
    </message>
    <message>
        <source>Quel courant une phase du stator absorbe-t-elle au démarrage ?</source>
        <translation>What current does one stator phase draw at start?</translation>
    </message>
    <message>
        <source>À l&apos;arrêt, le champ balaie le rotor à pleine vitesse : la résistance du rotor vue du stator, R2/g, est à son plus bas, et seules les impédances des enroulements limitent le courant, {stator-current}, six fois le courant en charge, pour un couple de {start-torque} seulement. D&apos;où les démarreurs étoile-triangle et les variateurs.</source>
        <translation>At standstill the field sweeps the rotor at full speed: the rotor&apos;s resistance seen from the stator, R2/g, is at its lowest, and only the windings&apos; impedances limit the current, {stator-current}, six times the loaded current, for a torque of only {start-torque}. Hence star-delta starters and drives.</translation>
    </message>
    <message>
        <source>ouvrez « Mesures », cochez « Rotor libre » dans « Bobinage » et lancez l&apos;animation : le courant tombe à mesure que le moteur prend sa vitesse.</source>
        <translation>open &quot;Measures&quot;, tick &quot;Free rotor&quot; in &quot;Winding&quot; and start the animation: the current falls as the motor gathers speed.</translation>
    </message>
    <message>
        <source>2,5 A, comme à vide</source>
        <translation>2.5 A, as at no load</translation>
    </message>
    <message>
        <source>5,5 A, comme en charge</source>
        <translation>5.5 A, as under load</translation>
    </message>
    <message>
        <source>Environ 32 A</source>
        <translation>About 32 A</translation>
    </message>
    <message>
        <source>À vide le rotor ne porte rien. À l&apos;arrêt le champ le balaie à pleine vitesse : ses courants sont les plus forts.</source>
        <translation>At no load the rotor carries nothing. At standstill the field sweeps it at full speed: its currents are the largest.</translation>
    </message>
    <message>
        <source>En charge le glissement n&apos;est que de quelques pour cent. À l&apos;arrêt il vaut 1 : seules les réactances limitent le courant.</source>
        <translation>Under load the slip is only a few per cent. At standstill it is 1: only the reactances limit the current.</translation>
    </message>
    <message>
        <source>Au-dessus du synchronisme</source>
        <translation>Above synchronism</translation>
    </message>
    <message>
        <source>Une éolienne entraîne ce moteur à cage à {rotor-speed}, plus vite que son champ, qui tourne {field-sense} à {field-speed}. Le stator reste branché sur le réseau. {convention}</source>
        <translation>A wind turbine drives this cage motor at {rotor-speed}, faster than its field, which turns {field-sense} at {field-speed}. The stator stays connected to the grid. {convention}</translation>
    </message>
    <message>
        <source>Comment la machine fonctionne-t-elle ?</source>
        <translation>How does the machine work?</translation>
    </message>
    <message>
        <source>Le rotor dépasse le champ : le glissement est négatif, {slip}, les courants induits s&apos;inversent, et le couple, {cage-torque}, retient le rotor. L&apos;éolienne fournit de la puissance mécanique que la machine renvoie au réseau : une génératrice asynchrone.</source>
        <translation>The rotor overtakes the field: the slip is negative, {slip}, the induced currents reverse, and the torque, {cage-torque}, holds the rotor back. The turbine supplies mechanical power that the machine sends back to the grid: an induction generator.</translation>
    </message>
    <message>
        <source>ouvrez « Mesures » : les puissances absorbée et mécanique sont négatives, et le point rouge est à droite du synchronisme.</source>
        <translation>open &quot;Measures&quot;: the input and mechanical powers are negative, and the red point lies right of synchronism.</translation>
    </message>
    <message>
        <source>En moteur : elle entraîne l&apos;éolienne</source>
        <translation>As a motor: it drives the turbine</translation>
    </message>
    <message>
        <source>En génératrice : elle renvoie de l&apos;énergie au réseau</source>
        <translation>As a generator: it feeds energy back to the grid</translation>
    </message>
    <message>
        <source>En frein : elle s&apos;oppose à l&apos;éolienne et chauffe</source>
        <translation>As a brake: it opposes the turbine and heats up</translation>
    </message>
    <message>
        <source>Un moteur tourne moins vite que son champ. Ici le rotor le dépasse : le glissement est négatif.</source>
        <translation>A motor turns slower than its field. Here the rotor overtakes it: the slip is negative.</translation>
    </message>
    <message>
        <source>Le freinage à contre-courant demande un rotor tournant contre le champ. Ici il tourne avec lui, plus vite.</source>
        <translation>Plugging needs a rotor turning against the field. Here it turns with it, faster.</translation>
    </message>
    <message>
        <source>Le freinage à contre-courant</source>
        <translation>Plugging</translation>
    </message>
    <message>
        <source>Ce moteur tournait à {rotor-speed} quand on a inversé deux fils de ligne : son champ tourne désormais {field-sense} à {field-speed}, contre le rotor, qui tourne {rotor-sense}. {convention}</source>
        <translation>This motor was turning at {rotor-speed} when two line wires were swapped: its field now turns {field-sense} at {field-speed}, against the rotor, which turns {rotor-sense}. {convention}</translation>
    </message>
    <message>
        <source>Contre le champ, le glissement dépasse 1, {slip} : le couple, {cage-torque} dans le sens du champ, freine le rotor, qui rend son énergie cinétique pendant que le réseau en fournit aussi. Tout part en chaleur dans la cage, avec un fort courant. On coupe l&apos;alimentation à l&apos;arrêt, sinon le moteur repart dans l&apos;autre sens.</source>
        <translation>Against the field the slip exceeds 1, {slip}: the torque, {cage-torque} along the field, brakes the rotor, which gives up its kinetic energy while the grid supplies some as well. It all turns to heat in the cage, with a large current. The supply is cut at standstill, or the motor starts again the other way.</translation>
    </message>
    <message>
        <source>regardez dans « Mesures » le point rouge, à gauche de l&apos;arrêt sur la courbe couple-vitesse.</source>
        <translation>look at the red point in &quot;Measures&quot;, left of standstill on the torque-speed curve.</translation>
    </message>
    <message>
        <source>En moteur : elle continue d&apos;entraîner le rotor</source>
        <translation>As a motor: it goes on driving the rotor</translation>
    </message>
    <message>
        <source>En génératrice : elle renvoie l&apos;énergie du rotor au réseau</source>
        <translation>As a generator: it sends the rotor&apos;s energy back to the grid</translation>
    </message>
    <message>
        <source>En frein : elle arrête le rotor et absorbe de l&apos;énergie des deux côtés</source>
        <translation>As a brake: it stops the rotor and takes energy from both sides</translation>
    </message>
    <message>
        <source>Le champ tourne désormais contre le rotor : son couple le retient.</source>
        <translation>The field now turns against the rotor: its torque holds it back.</translation>
    </message>
    <message>
        <source>Une génératrice tourne avec son champ, plus vite que lui. Ici le rotor tourne contre le champ : le réseau fournit de l&apos;énergie en plus.</source>
        <translation>A generator turns with its field, faster than it. Here the rotor turns against the field: the grid supplies energy as well.</translation>
    </message>
    <message>
        <source>Pour l&apos;enseignant</source>
        <translation>For the teacher</translation>
    </message>
    <message>
        <source>Leçon %1 sur %2</source>
        <translation>Lesson %1 of %2</translation>
    </message>
    <message>
        <source>Terminer</source>
        <translation>Finish</translation>
    </message>
    <message>
        <source>Leçon suivante</source>
        <translation>Next lesson</translation>
    </message>
    <message>
        <source>Réponse attendue : %1</source>
        <translation>Expected answer: %1</translation>
    </message>
    <message>
        <source>Certains voient un champ qui tourne parce que sa valeur change : faites observer que la flèche garde sa direction et ne fait que s&apos;allonger, se raccourcir et s&apos;inverser. Demandez ensuite ce qu&apos;il faut ajouter pour qu&apos;il tourne.</source>
        <translation>Some see a rotating field because its value changes: point out that the arrow keeps its direction and only grows, shrinks and flips. Then ask what must be added to make it turn.</translation>
    </message>
    <message>
        <source>L&apos;erreur la plus fréquente : lire les angles comme des retards, et donc prédire le sens opposé. Faites dire quelle phase culmine juste après la phase 1, puis demandez ce que devient le champ si l&apos;on échange deux fils.</source>
        <translation>The usual mistake: reading the angles as lags, and so predicting the opposite sense. Have the class say which phase peaks just after phase 1, then ask what becomes of the field when two wires are swapped.</translation>
    </message>
    <message>
        <source>Deux erreurs habituelles : donner le rapport des vitesses du rotor et du champ au lieu de leur écart relatif, ou se tromper d&apos;un facteur dix en passant aux pour-cent. Demandez ensuite ce que vaut le glissement rotor bloqué, puis au synchronisme.</source>
        <translation>Two usual mistakes: giving the ratio of the rotor&apos;s speed to the field&apos;s instead of their relative difference, or slipping a factor of ten on the way to percent. Then ask what the slip is with the rotor locked, and at synchronism.</translation>
    </message>
    <message>
        <source>L&apos;idée fausse : un rotor qui suit son champ serait entraîné par lui. Au synchronisme les barres ne voient aucun flux varier : pas de courant induit, donc pas de couple. Demandez pourquoi un moteur à vide tourne un peu moins vite que son champ.</source>
        <translation>The misconception: a rotor that keeps up with its field would be pulled along by it. At synchronism the bars see no changing flux: no induced current, so no torque. Ask why an unloaded motor runs a little slower than its field.</translation>
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
    <message>
        <source>Ouvrir un parcours...</source>
        <translation>Open a course...</translation>
    </message>
    <message>
        <source>Composer un parcours...</source>
        <translation>Compose a course...</translation>
    </message>
    <message>
        <source>Mes réponses</source>
        <translation>My answers</translation>
    </message>
    <message>
        <source>Exporter pour une plateforme (SCORM)...</source>
        <translation>Export for a platform (SCORM)...</translation>
    </message>
    <message>
        <source>Vue enseignant</source>
        <translation>Teacher view</translation>
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
        <source>Stator inverse</source>
        <translation>Stator negative</translation>
    </message>
    <message>
        <source>Rotor direct</source>
        <translation>Rotor positive</translation>
    </message>
    <message>
        <source>Rotor inverse</source>
        <translation>Rotor negative</translation>
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
        <source>Indicateur de couple entre les champs du stator et du rotor (sans unité), positif quand il pousse le rotor dans le sens trigonométrique. La barre de couple monte pour un couple horaire.</source>
        <translation>Torque indicator between the stator&apos;s and the rotor&apos;s fields (no unit), positive when it pushes the rotor counterclockwise. The torque bar rises for a clockwise torque.</translation>
    </message>
    <message>
        <source>Composante directe : le champ de la séquence dont les phases culminent dans l&apos;ordre 1, 2, 3 (angles 0/240/120, qui sont des avances). Elle tourne dans le sens trigonométrique.</source>
        <translation>Positive-sequence component: the field of the sequence whose phases peak in the order 1, 2, 3 (angles 0/240/120, which are leads). It turns counterclockwise.</translation>
    </message>
    <message>
        <source>Composante inverse : le champ de la séquence 1, 3, 2 (angles 0/120/240). Elle tourne dans le sens horaire.</source>
        <translation>Negative-sequence component: the field of the sequence 1, 3, 2 (angles 0/120/240). It turns clockwise.</translation>
    </message>
    <message>
        <source>Composante directe du champ du rotor, tournant par rapport au rotor dans le sens trigonométrique.</source>
        <translation>Positive-sequence component of the rotor&apos;s field, turning counterclockwise relative to the rotor.</translation>
    </message>
    <message>
        <source>Composante inverse du champ du rotor, tournant par rapport au rotor dans le sens horaire.</source>
        <translation>Negative-sequence component of the rotor&apos;s field, turning clockwise relative to the rotor.</translation>
    </message>
    <message>
        <source>Vitesse des harmoniques</source>
        <translation>Harmonic speeds</translation>
    </message>
    <message>
        <source>Vitesse signée du champ de chaque harmonique : l&apos;harmonique n alterne n fois plus vite que le fondamental, son champ tourne n fois plus vite, avec lui pour 7 et 13, contre lui pour 5 et 11.</source>
        <translation>Signed speed of each harmonic&apos;s field: harmonic n alternates n times as fast as the fundamental, so its field turns n times as fast, with it for 7 and 13, against it for 5 and 11.</translation>
    </message>
    <message>
        <source>après votre réponse</source>
        <translation>after your answer</translation>
    </message>
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
    <message>
        <source>Facteur de distribution</source>
        <translation>Distribution factor</translation>
    </message>
    <message>
        <source>k_d = sin(n q a / 2) / (q sin(n a / 2)) pour l&apos;harmonique d&apos;espace n, a = 180° / 3q étant l&apos;angle électrique entre deux encoches.</source>
        <translation>k_d = sin(n q a / 2) / (q sin(n a / 2)) for space harmonic n, a = 180° / 3q being the electrical angle between two slots.</translation>
    </message>
    <message>
        <source>Facteur de raccourcissement</source>
        <translation>Pitch factor</translation>
    </message>
    <message>
        <source>k_p = sin(n (W / 3q) 90°) pour des bobines de W encoches ; 1 au pas diamétral W = 3q.</source>
        <translation>k_p = sin(n (W / 3q) 90°) for coils W slots wide; 1 at full pitch W = 3q.</translation>
    </message>
    <message>
        <source>Facteur de bobinage</source>
        <translation>Winding factor</translation>
    </message>
    <message>
        <source>k_w = k_d k_p, harmonique par harmonique.</source>
        <translation>k_w = k_d k_p, harmonic by harmonic.</translation>
    </message>
    <message>
        <source>Harmoniques d&apos;espace</source>
        <translation>Space harmonics</translation>
    </message>
    <message>
        <source>Harmoniques de la f.m.m. en escalier de l&apos;entrefer, mesurés sur elle, rapportés au fondamental : |k_wn| / (n |k_w1|) en théorie.</source>
        <translation>Harmonics of the air gap&apos;s stepped MMF, measured on it, relative to the fundamental: |k_wn| / (n |k_w1|) in theory.</translation>
    </message>
    <message>
        <source>Vitesse des harmoniques d&apos;espace</source>
        <translation>Speed of the space harmonics</translation>
    </message>
    <message>
        <source>Vitesse signée du champ de l&apos;harmonique d&apos;espace n : ns / n, avec le fondamental pour 7 et 13, contre lui pour 5 et 11.</source>
        <translation>Signed speed of space harmonic n&apos;s field: ns / n, with the fundamental for 7 and 13, against it for 5 and 11.</translation>
    </message>
    <message>
        <source>Couple du moteur</source>
        <translation>Motor torque</translation>
    </message>
    <message>
        <source>Couple du rotor à cage, 3 I2² R2 / (g ωs), compté dans le sens du champ : positif en moteur et en freinage, négatif en génératrice.</source>
        <translation>The cage rotor&apos;s torque, 3 I2² R2 / (g ωs), counted along the field&apos;s rotation: positive motoring and braking, negative generating.</translation>
    </message>
    <message>
        <source>Courant statorique</source>
        <translation>Stator current</translation>
    </message>
    <message>
        <source>Courant I1 d&apos;une phase du stator, couplage étoile.</source>
        <translation>Current I1 of one stator phase, star connection.</translation>
    </message>
    <message>
        <source>Courant rotorique</source>
        <translation>Rotor current</translation>
    </message>
    <message>
        <source>Courant I2 du rotor ramené au stator, nul au synchronisme.</source>
        <translation>Rotor current I2 referred to the stator, zero at synchronism.</translation>
    </message>
    <message>
        <source>Facteur de puissance</source>
        <translation>Power factor</translation>
    </message>
    <message>
        <source>cos φ entre la tension et le courant d&apos;une phase du stator.</source>
        <translation>cos φ between the voltage and the current of one stator phase.</translation>
    </message>
    <message>
        <source>Puissance absorbée</source>
        <translation>Input power</translation>
    </message>
    <message>
        <source>3 V I1 cos φ, négative quand la machine rend de l&apos;énergie.</source>
        <translation>3 V I1 cos φ, negative when the machine gives energy back.</translation>
    </message>
    <message>
        <source>Puissance mécanique</source>
        <translation>Mechanical power</translation>
    </message>
    <message>
        <source>Couple fois vitesse du rotor : positive seulement quand la machine entraîne sa charge.</source>
        <translation>Torque times the rotor&apos;s speed: positive only while the machine drives its load.</translation>
    </message>
    <message>
        <source>Glissement du couple maximal</source>
        <translation>Slip at largest torque</translation>
    </message>
    <message>
        <source>R2 / |Zth + jX2|, du schéma de Thévenin exact du stator.</source>
        <translation>R2 / |Zth + jX2|, from the stator&apos;s exact Thévenin equivalent.</translation>
    </message>
    <message>
        <source>Couple maximal</source>
        <translation>Largest torque</translation>
    </message>
    <message>
        <source>Le plus grand couple en moteur, qui ne dépend pas de R2.</source>
        <translation>The largest motoring torque, which does not depend on R2.</translation>
    </message>
    <message>
        <source>Couple de démarrage</source>
        <translation>Starting torque</translation>
    </message>
    <message>
        <source>Le couple à l&apos;arrêt, g = 1.</source>
        <translation>The torque at standstill, g = 1.</translation>
    </message>
    <message>
        <source>Couple du rotor à cage selon sa vitesse, de -ns (freinage) à 2 ns (génératrice) ; en rouge, le point de fonctionnement, en orange la charge d&apos;un rotor libre.</source>
        <translation>The cage rotor&apos;s torque against its speed, from -ns (braking) to 2 ns (generating); in red, the operating point, in orange a free rotor&apos;s load.</translation>
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
    <message>
        <source>Conventions de &amp;signe</source>
        <translation>&amp;Sign conventions</translation>
    </message>
    <message>
        <source>&amp;Annuler</source>
        <translation>&amp;Undo</translation>
    </message>
    <message>
        <source>&amp;Rétablir</source>
        <translation>&amp;Redo</translation>
    </message>
    <message>
        <source>Tout réi&amp;nitialiser</source>
        <translation>Reset &amp;all</translation>
    </message>
    <message>
        <source>É&amp;dition</source>
        <translation>&amp;Edit</translation>
    </message>
    <message>
        <source>Enregistrer &amp;sous...</source>
        <translation>Save &amp;as...</translation>
    </message>
    <message>
        <source>Lé&amp;gende</source>
        <translation>Le&amp;gend</translation>
    </message>
    <message>
        <source>&amp;Bobinage</source>
        <translation>&amp;Winding</translation>
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
    <message>
        <source>Le courant de la phase vaut sin(ωt + angle) : l&apos;angle est une avance. Dans la séquence directe, 0/240/120, les phases culminent dans l&apos;ordre 1, 2, 3 et le champ tourne dans le sens antihoraire.</source>
        <translation>The phase&apos;s current is sin(ωt + angle): the angle is a lead. In the positive sequence, 0/240/120, the phases peak in the order 1, 2, 3 and the field turns counterclockwise.</translation>
    </message>
</context>
<context>
    <name>Setup</name>
    <message>
        <source>Ce lien ne contient pas de réglage Vireflu lisible.</source>
        <translation>This link holds no readable Vireflu setup.</translation>
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
    <message>
        <source>Le simulateur ne peut pas répondre à la question de cette leçon : son réglage ne donne aucune valeur à « %2 ».</source>
        <translation>The simulator cannot answer this lesson&apos;s question: its setup gives “%2” no value.</translation>
    </message>
    <message>
        <source>Exactement un des choix de cette leçon doit être juste ; avec son réglage, le simulateur trouve %2.</source>
        <translation>Exactly one of this lesson&apos;s choices must be right; with its setup, the simulator finds %2.</translation>
    </message>
    <message>
        <source>Détail : le texte n&apos;est pas du JSON lisible (arrêt à l&apos;octet %2).</source>
        <translation>Detail: the text is not readable JSON (stopped at byte %2).</translation>
    </message>
    <message>
        <source>Détail : le document n&apos;est pas un objet JSON.</source>
        <translation>Detail: the document is not a JSON object.</translation>
    </message>
    <message>
        <source>Détail : il dépasse 64 Kio.</source>
        <translation>Detail: it is larger than 64 KiB.</translation>
    </message>
    <message>
        <source>Détail : la clé « %1 » (la version du format) manque.</source>
        <translation>Detail: the key “%1” (the format&apos;s version) is missing.</translation>
    </message>
    <message>
        <source>Ce lien ne contient pas de montage Vireflu.</source>
        <translation>This link holds no Vireflu setup.</translation>
    </message>
    <message>
        <source>Ce fichier n&apos;est pas une leçon Vireflu.</source>
        <translation>This file is not a Vireflu lesson.</translation>
    </message>
    <message>
        <source>Ce fichier n&apos;est pas un montage Vireflu.</source>
        <translation>This file is not a Vireflu setup.</translation>
    </message>
    <message>
        <source>Cette leçon ne peut pas être ouverte.</source>
        <translation>This lesson cannot be opened.</translation>
    </message>
    <message>
        <source>Ce montage ne peut pas être ouvert.</source>
        <translation>This setup cannot be opened.</translation>
    </message>
    <message>
        <source>Ce fichier n&apos;est pas un parcours Vireflu.</source>
        <translation>This file is not a Vireflu course.</translation>
    </message>
    <message>
        <source>Ce lien ne contient pas de parcours Vireflu.</source>
        <translation>This link holds no Vireflu course.</translation>
    </message>
    <message>
        <source>Ce journal n&apos;est pas un journal de réponses Vireflu.</source>
        <translation>This log is not a Vireflu log of answers.</translation>
    </message>
    <message>
        <source>Ce parcours ne peut pas être ouvert.</source>
        <translation>This course cannot be opened.</translation>
    </message>
    <message>
        <source>Ce journal de réponses ne peut pas être lu.</source>
        <translation>This log of answers cannot be read.</translation>
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
    <message>
        <source>Ctrl+Z, Ctrl+Maj+Z : annuler, rétablir</source>
        <translation>Ctrl+Z, Ctrl+Shift+Z: undo, redo</translation>
    </message>
    <message>
        <source>Ctrl+Maj+S : enregistrer sous un autre nom</source>
        <translation>Ctrl+Shift+S: save under another name</translation>
    </message>
</context>
<context>
    <name>View</name>
    <message>
        <source>Coupe de la machine</source>
        <translation>Machine cross-section</translation>
    </message>
</context>
<context>
    <name>Welcome</name>
    <message>
        <source>Bienvenue</source>
        <translation>Welcome</translation>
    </message>
    <message>
        <source>Vireflu anime le champ magnétique d&apos;une machine triphasée. Par où commencer ?</source>
        <translation>Vireflu animates the magnetic field of a three-phase machine. Where to start?</translation>
    </message>
    <message>
        <source>Commencer par une leçon</source>
        <translation>Start with a lesson</translation>
    </message>
    <message>
        <source>Ouvrir un montage</source>
        <translation>Open a setup</translation>
    </message>
    <message>
        <source>Explorer</source>
        <translation>Explore</translation>
    </message>
</context>
<context>
    <name>Winding</name>
    <message>
        <source>Paires de pôles</source>
        <translation>Pole pairs</translation>
    </message>
    <message>
        <source>p : le champ a 2p pôles et tourne à 60 f / p tr/min.</source>
        <translation>p: the field has 2p poles and turns at 60 f / p rpm.</translation>
    </message>
    <message>
        <source>Encoches par pôle et par phase</source>
        <translation>Slots per pole and phase</translation>
    </message>
    <message>
        <source>q : chaque phase occupe q encoches voisines sous chaque pôle ; le stator en a 6pq.</source>
        <translation>q: each phase fills q neighbouring slots under each pole; the stator has 6pq.</translation>
    </message>
    <message>
        <source>Pas des bobines (encoches)</source>
        <translation>Coil pitch (slots)</translation>
    </message>
    <message>
        <source>Largeur d&apos;une bobine en encoches : 3q est le pas diamétral ; un pas plus court fait un bobinage à deux couches.</source>
        <translation>A coil&apos;s width in slots: 3q is full pitch; a shorter pitch makes a two-layer winding.</translation>
    </message>
    <message>
        <source>Phase coupée</source>
        <translation>Cut phase</translation>
    </message>
    <message>
        <source>Un fil de ligne coupé : les trois bobines restent, les deux autres phases portent un même courant, opposé dans l&apos;une et l&apos;autre.</source>
        <translation>A line wire cut: the three coils stay, the two other phases carry one current, opposite in each.</translation>
    </message>
    <message>
        <source>aucune</source>
        <translation>none</translation>
    </message>
    <message>
        <source>Bobinage</source>
        <translation>Winding</translation>
    </message>
    <message>
        <source>Étoile des encoches</source>
        <translation>Star of slots</translation>
    </message>
    <message>
        <source>%1 encoches, %2 pôles, pas %3/%4</source>
        <translation>%1 slots, %2 poles, pitch %3/%4</translation>
    </message>
    <message>
        <source>Rotor à cage</source>
        <translation>Cage rotor</translation>
    </message>
    <message>
        <source>Les courants du rotor ne sont plus imposés : le glissement les induit, comme dans un moteur asynchrone.</source>
        <translation>The rotor&apos;s currents are no longer imposed: the slip induces them, as in an induction motor.</translation>
    </message>
    <message>
        <source>Rotor libre</source>
        <translation>Free rotor</translation>
    </message>
    <message>
        <source>Le rotor part de la fréquence de rotation du panneau Rotor et trouve sa vitesse : J dω/dt = C - Cr.</source>
        <translation>The rotor starts from the Rotor panel&apos;s rotation frequency and finds its speed: J dω/dt = T - T_load.</translation>
    </message>
    <message>
        <source>Couple de charge (N·m)</source>
        <translation>Load torque (N·m)</translation>
    </message>
    <message>
        <source>Tension composée (V)</source>
        <translation>Line voltage (V)</translation>
    </message>
    <message>
        <source>Schéma équivalent d&apos;une phase : R1, X1, XM, X2, R2/g</source>
        <translation>Per-phase equivalent circuit: R1, X1, XM, X2, R2/g</translation>
    </message>
</context>
<context>
    <name>Window</name>
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
    <message>
        <source>Autres menus</source>
        <translation>More menus</translation>
    </message>
    <message>
        <source>Rien à animer : cochez une phase dans « Stator ».</source>
        <translation>Nothing to animate: tick a phase in “Stator”.</translation>
    </message>
    <message>
        <source>Répondez d&apos;abord à la question de la leçon.</source>
        <translation>Answer the lesson’s question first.</translation>
    </message>
    <message>
        <source>Le réglage affiché a changé. L&apos;enregistrer avant de continuer ?</source>
        <translation>The setup shown has changed. Save it before going on?</translation>
    </message>
    <message>
        <source>&amp;Enregistrer</source>
        <translation>&amp;Save</translation>
    </message>
    <message>
        <source>&amp;Ne pas enregistrer</source>
        <translation>Do&amp;n&apos;t save</translation>
    </message>
    <message>
        <source>Annuler</source>
        <translation>Cancel</translation>
    </message>
</context>
</TS>
