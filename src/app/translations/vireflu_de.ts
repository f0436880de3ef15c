<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>AboutBox</name>
    <message>
        <source>Simulateur pédagogique, 2026</source>
        <translation>Lehrsimulator, 2026</translation>
    </message>
    <message>
        <source>Le champ tournant des machines triphasées</source>
        <translation>Das Drehfeld von Drehstrommaschinen</translation>
    </message>
    <message>
        <source>A propos de Vireflu</source>
        <translation>Über Vireflu</translation>
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
        <translation>Animation exportieren</translation>
    </message>
    <message>
        <source>Images GIF (*.gif)</source>
        <translation>GIF-Bilder (*.gif)</translation>
    </message>
    <message>
        <source>L&apos;animation n&apos;a pas pu être enregistrée : %1.</source>
        <translation>Die Animation konnte nicht gespeichert werden: %1.</translation>
    </message>
    <message>
        <source>Exportation de l&apos;animation...</source>
        <translation>Animation wird exportiert...</translation>
    </message>
    <message>
        <source>Annuler</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Exportation annulée : aucun fichier n&apos;a été écrit.</source>
        <translation>Export abgebrochen: Es wurde keine Datei geschrieben.</translation>
    </message>
    <message>
        <source>L&apos;animation n&apos;a pas pu être enregistrée : ses images ont plus de 256 couleurs.</source>
        <translation>Die Animation konnte nicht gespeichert werden: Ihre Bilder haben mehr als 256 Farben.</translation>
    </message>
    <message>
        <source>Aucune animation à exporter : aucun enroulement n&apos;est alimenté en « sinus » ou « rectangulaire » au-dessus de 0 Hz.</source>
        <translation>Keine Animation zu exportieren: Keine Wicklung wird mit „Sinus“ oder „Rechteck“ über 0 Hz gespeist.</translation>
    </message>
</context>
<context>
    <name>Annotations</name>
    <message>
        <source>↑ horaire</source>
        <translation>↑ Uhrzeigersinn</translation>
    </message>
    <message>
        <source>↓ antihoraire</source>
        <translation>↓ Gegenuhrzeigersinn</translation>
    </message>
    <message>
        <source>après votre réponse</source>
        <translation>nach Ihrer Antwort</translation>
    </message>
    <message>
        <source>f.m.m.</source>
        <translation>MMK</translation>
    </message>
</context>
<context>
    <name>Answers</name>
    <message>
        <source>Le journal de réponses %1 n&apos;a pas pu être lu : %2.</source>
        <translation>Das Antwortprotokoll %1 konnte nicht gelesen werden: %2.</translation>
    </message>
    <message>
        <source>Mes réponses</source>
        <translation>Meine Antworten</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Leçon</source>
        <translation>Lektion</translation>
    </message>
    <message>
        <source>Réponse</source>
        <translation>Antwort</translation>
    </message>
    <message>
        <source>Résultat</source>
        <translation>Ergebnis</translation>
    </message>
    <message>
        <source>Secondes</source>
        <translation>Sekunden</translation>
    </message>
    <message>
        <source>juste</source>
        <translation>richtig</translation>
    </message>
    <message>
        <source>faux</source>
        <translation>falsch</translation>
    </message>
    <message>
        <source>Exporter en CSV</source>
        <translation>Als CSV exportieren</translation>
    </message>
    <message>
        <source>Exporter en JSON</source>
        <translation>Als JSON exportieren</translation>
    </message>
    <message>
        <source>Effacer</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Effacer toutes les réponses ? Elles ne pourront pas être retrouvées.</source>
        <translation>Alle Antworten löschen? Sie lassen sich nicht wiederherstellen.</translation>
    </message>
    <message>
        <source>Aucune réponse pour l&apos;instant.</source>
        <translation>Noch keine Antwort.</translation>
    </message>
    <message>
        <source>Ce navigateur ne garde pas les réponses : elles seront perdues à la fermeture de la page.</source>
        <translation>Dieser Browser speichert die Antworten nicht: Sie gehen beim Schließen der Seite verloren.</translation>
    </message>
    <message>
        <source>Exporter en CSV...</source>
        <translation>Als CSV exportieren...</translation>
    </message>
    <message>
        <source>Exporter en JSON...</source>
        <translation>Als JSON exportieren...</translation>
    </message>
    <message>
        <source>Tableur CSV (*.csv)</source>
        <translation>CSV-Tabelle (*.csv)</translation>
    </message>
    <message>
        <source>Journal de réponses (*.json)</source>
        <translation>Antwortprotokoll (*.json)</translation>
    </message>
    <message>
        <source>Les réponses n&apos;ont pas pu être exportées : %1.</source>
        <translation>Die Antworten konnten nicht exportiert werden: %1.</translation>
    </message>
    <message>
        <source>Les réponses n&apos;ont pas pu être effacées.</source>
        <translation>Die Antworten konnten nicht gelöscht werden.</translation>
    </message>
</context>
<context>
    <name>CommandBar</name>
    <message>
        <source>&amp;Initialisation</source>
        <translation>&amp;Zurücksetzen</translation>
    </message>
    <message>
        <source>&amp;Animation</source>
        <translation>Ani&amp;mation</translation>
    </message>
    <message>
        <source>&amp;Stop</source>
        <translation>&amp;Stopp</translation>
    </message>
    <message>
        <source>Commandes de l&apos;horloge</source>
        <translation>Steuerung der Uhr</translation>
    </message>
</context>
<context>
    <name>Conventions</name>
    <message>
        <source>Le courant d&apos;une phase vaut sin(ωt + angle) : l&apos;angle est une avance.</source>
        <translation>Der Strom einer Phase ist sin(ωt + Winkel): Der Winkel ist eine Voreilung.</translation>
    </message>
    <message>
        <source>Séquence directe : les phases culminent dans l&apos;ordre 1, 2, 3, soit les angles 0/240/120 ; son champ tourne dans le sens antihoraire.</source>
        <translation>Mitsystem (direkte Folge): Die Phasen erreichen ihr Maximum in der Reihenfolge 1, 2, 3, also mit den Winkeln 0/240/120; sein Feld dreht sich im Gegenuhrzeigersinn.</translation>
    </message>
    <message>
        <source>Séquence inverse : 0/120/240, l&apos;ordre 1, 3, 2 ; son champ tourne dans le sens horaire.</source>
        <translation>Gegensystem (inverse Folge): 0/120/240, die Reihenfolge 1, 3, 2; sein Feld dreht sich im Uhrzeigersinn.</translation>
    </message>
    <message>
        <source>Vitesses, glissements, angles et couples sont positifs dans le sens antihoraire, celui où tourne le rotor pour une fréquence de rotation positive.</source>
        <translation>Drehzahlen, Schlupf, Winkel und Drehmomente sind im Gegenuhrzeigersinn positiv, in dem sich der Rotor bei positiver Drehfrequenz dreht.</translation>
    </message>
    <message>
        <source>Glissement g = (ns - n) / ns avec les vitesses signées : 0 au synchronisme, 1 à l&apos;arrêt, plus de 1 contre le champ.</source>
        <translation>Schlupf g = (ns - n) / ns mit vorzeichenbehafteten Drehzahlen: 0 bei Synchronlauf, 1 im Stillstand, über 1 gegen das Feld.</translation>
    </message>
    <message>
        <source>La barre de couple monte pour un couple horaire et descend pour un couple antihoraire.</source>
        <translation>Der Drehmomentbalken steigt bei einem Drehmoment im Uhrzeigersinn und fällt bei einem im Gegenuhrzeigersinn.</translation>
    </message>
    <message>
        <source>L&apos;harmonique n des courants fait un champ qui tourne n fois plus vite que le fondamental : 5 et 11 contre lui, 7 et 13 avec lui.</source>
        <translation>Die n-te Oberschwingung der Ströme erzeugt ein Feld, das sich n-mal so schnell dreht wie die Grundschwingung: 5 und 11 gegen sie, 7 und 13 mit ihr.</translation>
    </message>
    <message>
        <source>Conventions de signe</source>
        <translation>Vorzeichenregeln</translation>
    </message>
</context>
<context>
    <name>Course</name>
    <message>
        <source>Ouvrir un parcours</source>
        <translation>Kurs öffnen</translation>
    </message>
    <message>
        <source>Parcours Vireflu (*.json)</source>
        <translation>Vireflu-Kurse (*.json)</translation>
    </message>
    <message>
        <source>Composez ou ouvrez d&apos;abord un parcours.</source>
        <translation>Stellen Sie zuerst einen Kurs zusammen oder öffnen Sie einen.</translation>
    </message>
    <message>
        <source>Parcours terminé : %1</source>
        <translation>Kurs beendet: %1</translation>
    </message>
    <message>
        <source>Bonnes réponses : %1 sur %2 (%3 %).</source>
        <translation>Richtige Antworten: %1 von %2 (%3 %).</translation>
    </message>
    <message>
        <source>Réussi (note de passage : %1 %).</source>
        <translation>Bestanden (Bestehensgrenze: %1 %).</translation>
    </message>
    <message>
        <source>Pas encore réussi (note de passage : %1 %).</source>
        <translation>Noch nicht bestanden (Bestehensgrenze: %1 %).</translation>
    </message>
    <message>
        <source>%1 : sans réponse</source>
        <translation>%1: keine Antwort</translation>
    </message>
    <message>
        <source>%1 : juste</source>
        <translation>%1: richtig</translation>
    </message>
    <message>
        <source>%1 : faux</source>
        <translation>%1: falsch</translation>
    </message>
    <message>
        <source>Composer un parcours</source>
        <translation>Kurs zusammenstellen</translation>
    </message>
    <message>
        <source>Titre</source>
        <translation>Titel</translation>
    </message>
    <message>
        <source>Note de passage (%)</source>
        <translation>Bestehensgrenze (%)</translation>
    </message>
    <message>
        <source>Leçons de Vireflu</source>
        <translation>Lektionen von Vireflu</translation>
    </message>
    <message>
        <source>Ajouter</source>
        <translation>Hinzufügen</translation>
    </message>
    <message>
        <source>Ajouter une leçon de fichier...</source>
        <translation>Lektion aus Datei hinzufügen...</translation>
    </message>
    <message>
        <source>Leçons du parcours</source>
        <translation>Lektionen des Kurses</translation>
    </message>
    <message>
        <source>Monter</source>
        <translation>Nach oben</translation>
    </message>
    <message>
        <source>Descendre</source>
        <translation>Nach unten</translation>
    </message>
    <message>
        <source>Retirer</source>
        <translation>Entfernen</translation>
    </message>
    <message>
        <source>Commencer</source>
        <translation>Beginnen</translation>
    </message>
    <message>
        <source>Enregistrer...</source>
        <translation>Speichern...</translation>
    </message>
    <message>
        <source>Copier le lien</source>
        <translation>Link kopieren</translation>
    </message>
    <message>
        <source>Exporter pour une plateforme (SCORM)...</source>
        <translation>Für eine Lernplattform exportieren (SCORM)...</translation>
    </message>
    <message>
        <source>aucune</source>
        <translation>keine</translation>
    </message>
    <message>
        <source>Le parcours %1 n&apos;a pas pu être lu : %2.</source>
        <translation>Der Kurs %1 konnte nicht gelesen werden: %2.</translation>
    </message>
    <message>
        <source>Enregistrer le parcours</source>
        <translation>Kurs speichern</translation>
    </message>
    <message>
        <source>Le parcours n&apos;a pas pu être enregistré : %1.</source>
        <translation>Der Kurs konnte nicht gespeichert werden: %1.</translation>
    </message>
    <message>
        <source>La page de Vireflu (vireflu.html) est introuvable : construisez-la avec « make web ».</source>
        <translation>Die Seite von Vireflu (vireflu.html) ist nicht auffindbar: Erstellen Sie sie mit „make web“.</translation>
    </message>
    <message>
        <source>%1 n&apos;a pas pu être lue comme la page de Vireflu.</source>
        <translation>%1 konnte nicht als Seite von Vireflu gelesen werden.</translation>
    </message>
    <message>
        <source>Exporter pour une plateforme (SCORM)</source>
        <translation>Für eine Lernplattform exportieren (SCORM)</translation>
    </message>
    <message>
        <source>Paquet SCORM (*.zip)</source>
        <translation>SCORM-Paket (*.zip)</translation>
    </message>
    <message>
        <source>Le paquet n&apos;a pas pu être enregistré : %1.</source>
        <translation>Das Paket konnte nicht gespeichert werden: %1.</translation>
    </message>
</context>
<context>
    <name>Description</name>
    <message>
        <source>%1 : phases %2 en %3.</source>
        <translation>%1: Phasen %2, Stromform %3.</translation>
    </message>
    <message>
        <source>%1 : phase %2 en %3.</source>
        <translation>%1: Phase %2, Stromform %3.</translation>
    </message>
    <message>
        <source>%1 : aucun courant.</source>
        <translation>%1: kein Strom.</translation>
    </message>
    <message>
        <source>Champ %1, %2.</source>
        <translation>Feld: %1, %2.</translation>
    </message>
    <message>
        <source>Pas de champ tournant.</source>
        <translation>Kein Drehfeld.</translation>
    </message>
    <message>
        <source>Rotor à %1.</source>
        <translation>Rotordrehzahl: %1.</translation>
    </message>
    <message>
        <source>Couple %1.</source>
        <translation>Drehmoment: %1.</translation>
    </message>
    <message>
        <source>Présentation : %1.</source>
        <translation>Darstellung: %1.</translation>
    </message>
    <message>
        <source>Champ : %1.</source>
        <translation>Feld: %1.</translation>
    </message>
    <message>
        <source>Couple : %1.</source>
        <translation>Drehmoment: %1.</translation>
    </message>
</context>
<context>
    <name>Files</name>
    <message>
        <source>Réglages Vireflu (*.vireflu)</source>
        <translation>Vireflu-Einstellungen (*.vireflu)</translation>
    </message>
    <message>
        <source>Ouvrir un réglage</source>
        <translation>Einstellung öffnen</translation>
    </message>
    <message>
        <source>Le réglage %1 n&apos;a pas pu être lu : %2.</source>
        <translation>Die Einstellung %1 konnte nicht gelesen werden: %2.</translation>
    </message>
    <message>
        <source>%1 n&apos;a pas été ouvert.</source>
        <translation>%1 wurde nicht geöffnet.</translation>
    </message>
    <message>
        <source>Enregistrer le réglage</source>
        <translation>Einstellung speichern</translation>
    </message>
    <message>
        <source>Le réglage n&apos;a pas pu être enregistré : %1.</source>
        <translation>Die Einstellung konnte nicht gespeichert werden: %1.</translation>
    </message>
</context>
<context>
    <name>Lesson</name>
    <message>
        <source>%1 tr/min</source>
        <translation>%1 U/min</translation>
    </message>
    <message>
        <source>dans le sens horaire</source>
        <translation>im Uhrzeigersinn</translation>
    </message>
    <message>
        <source>dans le sens antihoraire</source>
        <translation>im Gegenuhrzeigersinn</translation>
    </message>
    <message>
        <source>Le champ pulse sur un axe fixe : ses deux moitiés tournent en sens opposés à %1</source>
        <translation>Das Feld pulsiert auf einer festen Achse: Seine beiden Hälften drehen sich gegensinnig mit %1</translation>
    </message>
    <message>
        <source>Le champ tourne %1 à %2</source>
        <translation>Das Feld dreht sich %1 mit %2</translation>
    </message>
    <message>
        <source>Le champ tourne %1 à %2 : vitesse signée %3</source>
        <translation>Das Feld dreht sich %1 mit %2: vorzeichenbehaftete Drehzahl %3</translation>
    </message>
    <message>
        <source>Le glissement vaut %1 : champ à %2, rotor à %3</source>
        <translation>Der Schlupf beträgt %1: Feld mit %2, Rotor mit %3</translation>
    </message>
    <message>
        <source>Sur une période, le couple moyen est nul (%1) : il change de signe</source>
        <translation>Über eine Periode ist das mittlere Drehmoment null (%1): Es wechselt das Vorzeichen</translation>
    </message>
    <message>
        <source>Sur une période, le couple moyen pousse le rotor %1 (%2)</source>
        <translation>Über eine Periode treibt das mittlere Drehmoment den Rotor %1 an (%2)</translation>
    </message>
    <message>
        <source>Le couple antihoraire est le plus grand avec le rotor à %1°</source>
        <translation>Das Drehmoment im Gegenuhrzeigersinn ist bei Rotorlage %1° am größten</translation>
    </message>
    <message>
        <source>Le champ d&apos;une phase</source>
        <translation>Das Feld einer Phase</translation>
    </message>
    <message>
        <source>Une seule phase</source>
        <translation>Eine einzige Phase</translation>
    </message>
    <message>
        <source>Quand l&apos;horloge tourne, que fait le champ ?</source>
        <translation>Was macht das Feld, wenn die Uhr läuft?</translation>
    </message>
    <message>
        <source>ouvrez la fenêtre « Mesures » et cochez « Deux champs tournants » : les deux moitiés tournent en sens opposés.</source>
        <translation>Öffnen Sie das Fenster „Messwerte“ und aktivieren Sie „Zwei Drehfelder“: Die beiden Hälften drehen sich gegensinnig.</translation>
    </message>
    <message>
        <source>Il tourne dans le sens horaire</source>
        <translation>Es dreht sich im Uhrzeigersinn</translation>
    </message>
    <message>
        <source>Il tourne dans le sens antihoraire</source>
        <translation>Es dreht sich im Gegenuhrzeigersinn</translation>
    </message>
    <message>
        <source>Il pulse sur place, sans tourner</source>
        <translation>Es pulsiert auf der Stelle, ohne sich zu drehen</translation>
    </message>
    <message>
        <source>Le champ tournant</source>
        <translation>Das Drehfeld</translation>
    </message>
    <message>
        <source>Trois phases</source>
        <translation>Drei Phasen</translation>
    </message>
    <message>
        <source>Que fait le champ résultant ?</source>
        <translation>Was macht das resultierende Feld?</translation>
    </message>
    <message>
        <source>choisissez la représentation « Trace » : la pointe du champ décrit un cercle.</source>
        <translation>Wählen Sie die Darstellung „Ortskurve“: Die Spitze des Felds beschreibt einen Kreis.</translation>
    </message>
    <message>
        <source>Deux phases inversées</source>
        <translation>Zwei Phasen vertauscht</translation>
    </message>
    <message>
        <source>Dans quel sens tourne le champ ?</source>
        <translation>In welche Richtung dreht sich das Feld?</translation>
    </message>
    <message>
        <source>remettez 120° et 240° dans le panneau Stator et comparez.</source>
        <translation>Stellen Sie im Bedienfeld Stator wieder 120° und 240° ein und vergleichen Sie.</translation>
    </message>
    <message>
        <source>Que fait le champ ?</source>
        <translation>Was macht das Feld?</translation>
    </message>
    <message>
        <source>Deux phases à 90°</source>
        <translation>Zwei Phasen um 90° versetzt</translation>
    </message>
    <message>
        <source>mettez 270° au lieu de 90° pour la phase 2 : le champ change de sens.</source>
        <translation>Stellen Sie für Phase 2 270° statt 90° ein: Das Feld kehrt seine Drehrichtung um.</translation>
    </message>
    <message>
        <source>Fréquence et vitesse</source>
        <translation>Frequenz und Drehzahl</translation>
    </message>
    <message>
        <source>Quelle est la vitesse de synchronisme du champ ?</source>
        <translation>Wie groß ist die synchrone Drehzahl des Felds?</translation>
    </message>
    <message>
        <source>ouvrez la fenêtre « Mesures » et changez la fréquence dans le panneau Stator.</source>
        <translation>Öffnen Sie das Fenster „Messwerte“ und ändern Sie die Frequenz im Bedienfeld Stator.</translation>
    </message>
    <message>
        <source>+3000 tr/min</source>
        <translation>+3000 U/min</translation>
    </message>
    <message>
        <source>+1500 tr/min</source>
        <translation>+1500 U/min</translation>
    </message>
    <message>
        <source>-1500 tr/min</source>
        <translation>-1500 U/min</translation>
    </message>
    <message>
        <source>+750 tr/min</source>
        <translation>+750 U/min</translation>
    </message>
    <message>
        <source>Courant continu</source>
        <translation>Gleichstrom</translation>
    </message>
    <message>
        <source>La bobine 1 du stator est parcourue par un courant continu.</source>
        <translation>Die Statorspule 1 wird von einem Gleichstrom durchflossen.</translation>
    </message>
    <message>
        <source>Que fait le champ quand l&apos;horloge tourne ?</source>
        <translation>Was macht das Feld, wenn die Uhr läuft?</translation>
    </message>
    <message>
        <source>alimentez plutôt le rotor en continu et donnez-lui une rotation : son champ tourne avec lui.</source>
        <translation>Speisen Sie stattdessen den Rotor mit Gleichstrom und lassen Sie ihn drehen: Sein Feld dreht sich mit ihm.</translation>
    </message>
    <message>
        <source>Il pulse sur place</source>
        <translation>Es pulsiert auf der Stelle</translation>
    </message>
    <message>
        <source>Il reste immobile</source>
        <translation>Es steht still</translation>
    </message>
    <message>
        <source>La machine synchrone</source>
        <translation>Die Synchronmaschine</translation>
    </message>
    <message>
        <source>Au synchronisme</source>
        <translation>Im Synchronlauf</translation>
    </message>
    <message>
        <source>Sur une période, dans quel sens le couple moyen pousse-t-il le rotor ?</source>
        <translation>In welche Richtung treibt das mittlere Drehmoment den Rotor über eine Periode an?</translation>
    </message>
    <message>
        <source>mettez la position initiale à 330° : le rotor est en avance de 60° et la machine freine.</source>
        <translation>Stellen Sie die Anfangslage auf 330°: Der Rotor eilt um 60° vor und die Maschine bremst.</translation>
    </message>
    <message>
        <source>Dans le sens de rotation (antihoraire)</source>
        <translation>In Drehrichtung (Gegenuhrzeigersinn)</translation>
    </message>
    <message>
        <source>Contre la rotation (horaire)</source>
        <translation>Gegen die Drehrichtung (Uhrzeigersinn)</translation>
    </message>
    <message>
        <source>Il est nul</source>
        <translation>Es ist null</translation>
    </message>
    <message>
        <source>L&apos;angle de couple</source>
        <translation>Der Lastwinkel</translation>
    </message>
    <message>
        <source>Stator et rotor sont alimentés en continu ; le champ du stator pointe vers la droite (0°). La position initiale du rotor, dans le panneau Rotor, fixe l&apos;angle entre les deux champs.</source>
        <translation>Stator und Rotor werden mit Gleichstrom gespeist; das Statorfeld zeigt nach rechts (0°). Die Anfangslage des Rotors im Bedienfeld Rotor legt den Winkel zwischen den beiden Feldern fest.</translation>
    </message>
    <message>
        <source>À quelle position du rotor le couple antihoraire est-il le plus grand ?</source>
        <translation>Bei welcher Rotorlage ist das Drehmoment im Gegenuhrzeigersinn am größten?</translation>
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
        <translation>Ein gegen das Feld angetriebener Rotor</translation>
    </message>
    <message>
        <source>Quel est le glissement g = (ns - n) / ns ?</source>
        <translation>Wie groß ist der Schlupf g = (ns - n) / ns?</translation>
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
        <translation>Die Asynchronmaschine</translation>
    </message>
    <message>
        <source>Le glissement</source>
        <translation>Der Schlupf</translation>
    </message>
    <message>
        <source>Quel est le glissement ?</source>
        <translation>Wie groß ist der Schlupf?</translation>
    </message>
    <message>
        <source>0,04</source>
        <translation>0,04</translation>
    </message>
    <message>
        <source>0,96</source>
        <translation>0,96</translation>
    </message>
    <message>
        <source>0,4</source>
        <translation>0,4</translation>
    </message>
    <message>
        <source>La fréquence des courants du rotor</source>
        <translation>Die Frequenz der Rotorströme</translation>
    </message>
    <message>
        <source>Quelle est la fréquence des courants induits dans le rotor ?</source>
        <translation>Welche Frequenz haben die im Rotor induzierten Ströme?</translation>
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
        <translation>Die Oberschwingungen</translation>
    </message>
    <message>
        <source>L&apos;harmonique 5 de l&apos;onduleur</source>
        <translation>Die 5. Oberschwingung des Wechselrichters</translation>
    </message>
    <message>
        <source>Dans quel sens tourne le champ de l&apos;harmonique 5 ?</source>
        <translation>In welche Richtung dreht sich das Feld der 5. Oberschwingung?</translation>
    </message>
    <message>
        <source>Dans le sens horaire, contre le fondamental</source>
        <translation>Im Uhrzeigersinn, gegen die Grundschwingung</translation>
    </message>
    <message>
        <source>Dans le sens antihoraire, avec le fondamental</source>
        <translation>Im Gegenuhrzeigersinn, mit der Grundschwingung</translation>
    </message>
    <message>
        <source>L&apos;harmonique 7 de l&apos;onduleur</source>
        <translation>Die 7. Oberschwingung des Wechselrichters</translation>
    </message>
    <message>
        <source>Dans quel sens tourne le champ de l&apos;harmonique 7 ?</source>
        <translation>In welche Richtung dreht sich das Feld der 7. Oberschwingung?</translation>
    </message>
    <message>
        <source>,</source>
        <translation>,</translation>
    </message>
    <message>
        <source>Le champ reste immobile : rien n&apos;alterne dans le stator</source>
        <translation>Das Feld steht still: im Stator wechselt nichts</translation>
    </message>
    <message>
        <source>Le stator ne crée aucun champ</source>
        <translation>Der Stator erzeugt kein Feld</translation>
    </message>
    <message>
        <source>%1 Hz</source>
        <translation>%1 Hz</translation>
    </message>
    <message>
        <source>Vitesses, glissements, angles et couples sont comptés positifs dans le sens antihoraire, celui où tourne le rotor pour une fréquence de rotation positive.</source>
        <translation>Drehzahlen, Schlupfwerte, Winkel und Drehmomente zählen positiv im Gegenuhrzeigersinn, in dem der Rotor bei positiver Drehfrequenz dreht.</translation>
    </message>
    <message>
        <source>La barre de couple monte quand le couple pousse le rotor dans le sens horaire et descend quand il le pousse dans le sens antihoraire.</source>
        <translation>Der Drehmomentbalken steigt, wenn das Drehmoment den Rotor im Uhrzeigersinn antreibt, und fällt, wenn es ihn im Gegenuhrzeigersinn antreibt.</translation>
    </message>
    <message>
        <source>Les courants du rotor ont une fréquence de %1 (%2 × %3)</source>
        <translation>Die Rotorströme haben eine Frequenz von %1 (%2 × %3)</translation>
    </message>
    <message>
        <source>L&apos;harmonique %1 (%2 % du fondamental) tourne %3 à %4, %1 fois la vitesse du fondamental</source>
        <translation>Die %1. Oberschwingung (%2 % der Grundschwingung) dreht sich %3 mit %4, dem %1-Fachen der Drehzahl der Grundschwingung</translation>
    </message>
    <message>
        <source>Une seule bobine du stator est alimentée par un courant sinusoïdal de {frequency}. La flèche rouge montre le champ dans l&apos;entrefer.</source>
        <translation>Eine einzige Statorspule wird mit einem sinusförmigen Strom von {frequency} gespeist. Der rote Pfeil zeigt das Feld im Luftspalt.</translation>
    </message>
    <message>
        <source>Le champ d&apos;une bobine reste sur son axe : il grandit, s&apos;annule et change de signe avec le courant. Il se décompose en deux moitiés égales qui tournent en sens opposés, chacune à {field-speed}.</source>
        <translation>Das Feld einer Spule bleibt auf ihrer Achse: Es wächst, verschwindet und wechselt mit dem Strom das Vorzeichen. Es lässt sich in zwei gleiche Hälften zerlegen, die sich gegensinnig drehen, jede mit {field-speed}.</translation>
    </message>
    <message>
        <source>Une bobine seule ne fait un champ que sur son axe : la flèche rouge ne quitte pas cet axe, elle change seulement de longueur et de signe. Regardez-la pendant une période.</source>
        <translation>Eine Spule allein erzeugt nur auf ihrer Achse ein Feld: Der rote Pfeil verlässt diese Achse nie, er ändert nur Länge und Vorzeichen. Beobachten Sie ihn während einer Periode.</translation>
    </message>
    <message>
        <source>Les trois bobines du stator, décalées de 120° dans l&apos;espace, sont alimentées à {frequency} par des courants d&apos;angles {stator-angles}. Un angle est une avance : le courant de la phase vaut sin(ωt + angle).</source>
        <translation>Die drei Statorspulen, räumlich um 120° versetzt, werden mit {frequency} durch Ströme mit den Winkeln {stator-angles} gespeist. Ein Winkel gibt ein Voreilen an: Der Strom der Phase ist sin(ωt + Winkel).</translation>
    </message>
    <message>
        <source>Les trois champs pulsants s&apos;ajoutent en un champ de longueur constante qui fait un tour par période : {field-speed}. Il passe d&apos;une bobine à la suivante dans l&apos;ordre où leurs courants culminent : la phase 1, puis la 3, en retard de 120°, puis la 2. C&apos;est la séquence inverse, et le champ tourne {field-sense}.</source>
        <translation>Die drei pulsierenden Felder addieren sich zu einem Feld konstanter Länge, das sich je Periode einmal dreht: {field-speed}. Es wandert von einer Spule zur nächsten in der Reihenfolge, in der ihre Ströme ihr Maximum erreichen: Phase 1, dann Phase 3, um 120° nacheilend, dann Phase 2. Das ist die inverse Folge (Gegensystem), und das Feld dreht sich {field-sense}.</translation>
    </message>
    <message>
        <source>Les angles semblent donner l&apos;ordre 1, 2, 3, mais ce sont des avances : la phase 3, en avance de 240°, c&apos;est-à-dire en retard de 120°, culmine avant la phase 2. Regardez dans le panneau Stator quel courant culmine juste après celui de la phase 1.</source>
        <translation>Die Winkel scheinen die Reihenfolge 1, 2, 3 anzugeben, aber sie sind Voreilwinkel: Phase 3, um 240° voreilend, also um 120° nacheilend, erreicht ihr Maximum vor Phase 2. Sehen Sie im Bedienfeld Stator nach, welcher Strom direkt nach dem der Phase 1 sein Maximum erreicht.</translation>
    </message>
    <message>
        <source>Chaque bobine seule fait un champ pulsant, mais trois champs pulsants décalés dans l&apos;espace et dans le temps s&apos;ajoutent en un champ de longueur constante. Regardez la longueur de la flèche rouge.</source>
        <translation>Jede Spule allein erzeugt ein pulsierendes Feld, aber drei räumlich und zeitlich versetzte pulsierende Felder addieren sich zu einem Feld konstanter Länge. Beobachten Sie die Länge des roten Pfeils.</translation>
    </message>
    <message>
        <source>Le même stator triphasé, mais les courants des phases 2 et 3 ont été échangés : leurs angles sont maintenant {stator-angles}.</source>
        <translation>Derselbe dreiphasige Stator, aber die Ströme der Phasen 2 und 3 wurden vertauscht: Ihre Winkel sind jetzt {stator-angles}.</translation>
    </message>
    <message>
        <source>Les courants culminent maintenant dans l&apos;ordre 1, 2, 3 au lieu de 1, 3, 2 : c&apos;est la séquence directe. Le champ, qui va d&apos;une bobine à celle dont le courant culmine ensuite, tourne {field-sense}, toujours à {field-speed}. C&apos;est ainsi qu&apos;on inverse le sens d&apos;un moteur triphasé : on échange deux de ses fils.</source>
        <translation>Die Ströme erreichen ihr Maximum jetzt in der Reihenfolge 1, 2, 3 statt 1, 3, 2: Das ist die direkte Folge (Mitsystem). Das Feld, das von einer Spule zu derjenigen wandert, deren Strom als Nächstes sein Maximum erreicht, dreht sich {field-sense}, weiterhin mit {field-speed}. So kehrt man die Drehrichtung eines Drehstrommotors um: Man vertauscht zwei seiner Außenleiter.</translation>
    </message>
    <message>
        <source>C&apos;était le sens de la leçon précédente. Échanger deux phases change l&apos;ordre dans lequel les courants culminent, et le champ suit cet ordre.</source>
        <translation>Das war die Drehrichtung der vorigen Lektion. Das Vertauschen zweier Phasen ändert die Reihenfolge, in der die Ströme ihr Maximum erreichen, und das Feld folgt dieser Reihenfolge.</translation>
    </message>
    <message>
        <source>Deux bobines à angle droit sont alimentées par des courants décalés de 90° dans le temps, d&apos;angles {stator-angles} : la bobine 2, en avance, atteint son maximum un quart de période avant la bobine 1.</source>
        <translation>Zwei rechtwinklig zueinander stehende Spulen werden mit zeitlich um 90° versetzten Strömen mit den Winkeln {stator-angles} gespeist: Spule 2 eilt vor und erreicht ihr Maximum eine Viertelperiode vor Spule 1.</translation>
    </message>
    <message>
        <source>Deux bobines en quadrature, avec des courants en quadrature, suffisent à faire un champ tournant de longueur constante, ici {field-sense} à {field-speed}. Il va de la bobine dont le courant est en avance vers l&apos;autre. C&apos;est le principe des moteurs monophasés à condensateur.</source>
        <translation>Zwei räumlich um 90° versetzte Spulen mit um 90° phasenverschobenen Strömen genügen für ein Drehfeld konstanter Länge, das sich hier {field-sense} mit {field-speed} dreht. Es wandert von der Spule mit dem voreilenden Strom zur anderen. Das ist das Prinzip der Kondensatormotoren.</translation>
    </message>
    <message>
        <source>La bobine 2 est bien à 90° de la bobine 1, mais son courant est en avance : le champ part d&apos;elle et va vers la bobine 1.</source>
        <translation>Spule 2 steht zwar um 90° gegenüber Spule 1 versetzt, aber ihr Strom eilt vor: Das Feld geht von ihr aus und wandert zu Spule 1.</translation>
    </message>
    <message>
        <source>Le stator triphasé à une paire de pôles est alimenté à {frequency}, avec les angles {stator-angles}. {convention}</source>
        <translation>Der dreiphasige Stator mit einem Polpaar wird mit {frequency} gespeist, mit den Winkeln {stator-angles}. {convention}</translation>
    </message>
    <message>
        <source>Le champ fait un tour par période du courant : n = 60 f / p, soit {field-speed} avec une paire de pôles à {frequency}. Les angles {stator-angles} forment la séquence directe, qui le fait tourner {field-sense} : la vitesse signée vaut {field-signed-speed}.</source>
        <translation>Das Feld dreht sich einmal je Periode des Stroms: n = 60 f / p, also {field-speed} bei einem Polpaar und {frequency}. Die Winkel {stator-angles} bilden die direkte Folge (Mitsystem), durch die es sich {field-sense} dreht: Die vorzeichenbehaftete Drehzahl beträgt {field-signed-speed}.</translation>
    </message>
    <message>
        <source>C&apos;est la vitesse d&apos;un réseau européen. La vitesse de synchronisme suit la fréquence : n = 60 f / p, avec ici f = {frequency}.</source>
        <translation>Das ist die Drehzahl in einem europäischen Netz. Die synchrone Drehzahl folgt der Frequenz: n = 60 f / p, hier mit f = {frequency}.</translation>
    </message>
    <message>
        <source>La valeur est juste, pas le signe. {convention}</source>
        <translation>Der Betrag stimmt, das Vorzeichen nicht. {convention}</translation>
    </message>
    <message>
        <source>Un courant constant fait un champ constant, fixe sur l&apos;axe de la bobine : rien ne tourne tant que le rotor ne tourne pas. C&apos;est le champ de l&apos;inducteur d&apos;une machine synchrone, ou d&apos;un aimant.</source>
        <translation>Ein konstanter Strom erzeugt ein konstantes Feld, fest auf der Achse der Spule: Nichts dreht sich, solange der Rotor stillsteht. Das ist das Feld der Erregerwicklung einer Synchronmaschine oder eines Magneten.</translation>
    </message>
    <message>
        <source>Le champ du stator tourne {field-sense} à {field-speed}. Le rotor, alimenté en continu, tourne {rotor-sense} à {rotor-speed}, son champ en retard de 60° sur celui du stator. La barre à gauche montre le couple.</source>
        <translation>Das Statorfeld dreht sich {field-sense} mit {field-speed}. Der mit Gleichstrom gespeiste Rotor dreht sich {rotor-sense} mit {rotor-speed}, sein Feld eilt dem des Stators um 60° nach. Der Balken links zeigt das Drehmoment.</translation>
    </message>
    <message>
        <source>Au synchronisme les deux champs tournent ensemble : leur angle reste fixe, donc le couple aussi, {mean-torque}. Le champ du stator, en avance, tire celui du rotor dans le sens de rotation : la machine est motrice. {torque-bar}</source>
        <translation>Im Synchronlauf drehen sich beide Felder gemeinsam: Ihr Winkel bleibt fest, also auch das Drehmoment, {mean-torque}. Das voreilende Statorfeld zieht das Rotorfeld in Drehrichtung mit: Die Maschine arbeitet als Motor. {torque-bar}</translation>
    </message>
    <message>
        <source>Le champ du rotor est en retard sur celui du stator : le stator le tire en avant, dans le sens de rotation, comme un aimant en entraîne un autre.</source>
        <translation>Das Rotorfeld eilt dem Statorfeld nach: Der Stator zieht es nach vorn, in Drehrichtung, so wie ein Magnet einen anderen mitzieht.</translation>
    </message>
    <message>
        <source>Au synchronisme l&apos;angle entre les deux champs reste fixe : le couple ne change pas de signe, sa moyenne n&apos;est donc pas nulle. Regardez la barre de couple.</source>
        <translation>Im Synchronlauf bleibt der Winkel zwischen beiden Feldern fest: Das Drehmoment wechselt nicht das Vorzeichen, sein Mittelwert ist also nicht null. Beobachten Sie den Drehmomentbalken.</translation>
    </message>
    <message>
        <source>Le couple vaut le produit des deux champs par le sinus de leur angle. Il est nul quand ils sont alignés (0° ou 180°) et le plus grand à angle droit. À 270°, le champ du stator est en avance de 90° sur celui du rotor et le tire en avant : le couple positif est le plus grand.</source>
        <translation>Das Drehmoment ist das Produkt der beiden Felder mit dem Sinus ihres Winkels. Es ist null, wenn sie gleich ausgerichtet sind (0° oder 180°), und am größten, wenn sie senkrecht aufeinander stehen. Bei 270° eilt das Statorfeld dem Rotorfeld um 90° vor und zieht es nach vorn: Das positive Drehmoment ist am größten.</translation>
    </message>
    <message>
        <source>mettez la position initiale à 90° puis à 270° avec le curseur du panneau Rotor et comparez les barres de couple. {torque-bar}</source>
        <translation>Stellen Sie die Anfangslage mit dem Schieberegler im Bedienfeld Rotor auf 90° und dann auf 270° und vergleichen Sie die Drehmomentbalken. {torque-bar}</translation>
    </message>
    <message>
        <source>Le champ du stator tourne {field-sense} à {field-speed}. Une machine extérieure entraîne le rotor {rotor-sense}, à {rotor-speed}. {convention}</source>
        <translation>Das Statorfeld dreht sich {field-sense} mit {field-speed}. Eine fremde Maschine treibt den Rotor {rotor-sense} an, mit {rotor-speed}. {convention}</translation>
    </message>
    <message>
        <source>Avec les vitesses signées, ns = {field-signed-speed} et n = {rotor-signed-speed} : g = {slip}. Un glissement supérieur à 1 veut dire que le rotor tourne contre le champ : la machine freine (freinage par contre-courant) et les courants induits dans le rotor ont une fréquence de {rotor-frequency}.</source>
        <translation>Mit vorzeichenbehafteten Drehzahlen ist ns = {field-signed-speed} und n = {rotor-signed-speed}, also g = {slip}. Ein Schlupf über 1 bedeutet, dass der Rotor gegen das Feld dreht: Die Maschine bremst (Gegenstrombremsung), und die im Rotor induzierten Ströme haben eine Frequenz von {rotor-frequency}.</translation>
    </message>
    <message>
        <source>ouvrez la fenêtre « Mesures » et lisez la fréquence rotorique.</source>
        <translation>Öffnen Sie das Fenster „Messwerte“ und lesen Sie die Rotorfrequenz ab.</translation>
    </message>
    <message>
        <source>Un glissement nul voudrait dire que le rotor suit le champ ; ici il tourne en sens inverse. Prenez les vitesses avec leur signe.</source>
        <translation>Ein Schlupf von null würde bedeuten, dass der Rotor dem Feld folgt; hier dreht er sich in die Gegenrichtung. Nehmen Sie die Drehzahlen mit ihrem Vorzeichen.</translation>
    </message>
    <message>
        <source>Un moteur asynchrone : le champ du stator tourne {field-sense} à {field-speed}, le rotor le suit à {rotor-speed}.</source>
        <translation>Ein Asynchronmotor: Das Statorfeld dreht sich {field-sense} mit {field-speed}, der Rotor folgt ihm mit {rotor-speed}.</translation>
    </message>
    <message>
        <source>g = (ns - n) / ns = {slip} : le rotor glisse un peu derrière le champ, de {slip-speed}. Dans un moteur asynchrone, c&apos;est ce retard qui induit des courants dans les barres du rotor et donc le couple ; au synchronisme exact, plus rien n&apos;est induit. Ici le rotor est entraîné à vitesse imposée, sans courant.</source>
        <translation>g = (ns - n) / ns = {slip}: Der Rotor bleibt ein wenig hinter dem Feld zurück, um {slip-speed}. In einem Asynchronmotor induziert gerade dieses Zurückbleiben Ströme in den Rotorstäben und damit das Drehmoment; bei exaktem Synchronlauf wird nichts mehr induziert. Hier wird der Rotor mit vorgegebener Drehzahl angetrieben und führt keinen Strom.</translation>
    </message>
    <message>
        <source>donnez au rotor une rotation de {frequency}, celle du réseau : le glissement devient nul.</source>
        <translation>Geben Sie dem Rotor eine Drehfrequenz von {frequency}, der des Netzes: Der Schlupf wird null.</translation>
    </message>
    <message>
        <source>C&apos;est n / ns, le rapport des deux vitesses. Le glissement est l&apos;écart entre elles rapporté à la vitesse du champ : g = (ns - n) / ns.</source>
        <translation>Das ist n / ns, das Verhältnis der beiden Drehzahlen. Der Schlupf ist ihre Differenz, bezogen auf die Drehzahl des Felds: g = (ns - n) / ns.</translation>
    </message>
    <message>
        <source>Le même moteur : champ {field-sense} à {field-speed}, rotor à {rotor-speed}, alimentation à {frequency}. Le rotor voit le champ défiler lentement.</source>
        <translation>Derselbe Motor: Feld {field-sense} mit {field-speed}, Rotor mit {rotor-speed}, Speisung mit {frequency}. Der Rotor sieht das Feld langsam vorbeiziehen.</translation>
    </message>
    <message>
        <source>Le champ dépasse le rotor de {slip-speed} : les courants du rotor ont la fréquence g f = {slip} × {frequency} = {rotor-frequency}. À l&apos;arrêt, ils auraient celle du réseau.</source>
        <translation>Das Feld überholt den Rotor um {slip-speed}: Die Rotorströme haben die Frequenz g f = {slip} × {frequency} = {rotor-frequency}. Im Stillstand hätten sie die Netzfrequenz.</translation>
    </message>
    <message>
        <source>alimentez le rotor en triphasé à {rotor-frequency} avec les angles {stator-angles} : son champ tourne avec celui du stator.</source>
        <translation>Speisen Sie den Rotor dreiphasig mit {rotor-frequency} und den Winkeln {stator-angles}: Sein Feld dreht sich mit dem des Stators.</translation>
    </message>
    <message>
        <source>C&apos;est la fréquence du réseau, celle que le rotor verrait à l&apos;arrêt. Il tourne presque aussi vite que le champ : il le voit passer lentement.</source>
        <translation>Das ist die Netzfrequenz, die der Rotor im Stillstand sähe. Er dreht sich fast so schnell wie das Feld: Er sieht es langsam vorbeiziehen.</translation>
    </message>
    <message>
        <source>Un onduleur à six pas alimente le stator : ses courants en escalier contiennent le fondamental à {frequency} et des harmoniques. Ses pas se suivent dans l&apos;ordre de la séquence directe, {stator-angles}, et le fondamental fait tourner le champ {field-sense} à {field-speed}.</source>
        <translation>Ein Wechselrichter mit Blocktaktung (sechs Stufen) speist den Stator: Seine treppenförmigen Ströme enthalten die Grundschwingung mit {frequency} und Oberschwingungen. Seine Stufen folgen in der Reihenfolge der direkten Folge (Mitsystem) aufeinander, {stator-angles}, und die Grundschwingung lässt das Feld {field-sense} mit {field-speed} drehen.</translation>
    </message>
    <message>
        <source>L&apos;harmonique n d&apos;un courant est décalé de n fois l&apos;angle du fondamental. Pour n = 5 : 0°, 5 × 240° = 1200° et 5 × 120° = 600°, soit 0°, 120°, 240° : la séquence inverse. Son champ tourne donc {harmonic-5-sense}, et comme ses courants alternent 5 fois plus vite, à {harmonic-5-speed}. Les harmoniques 5 et 11 tournent contre le fondamental, 7 et 13 avec lui.</source>
        <translation>Die n-te Oberschwingung eines Stroms ist um das n-Fache des Winkels der Grundschwingung verschoben. Für n = 5: 0°, 5 × 240° = 1200° und 5 × 120° = 600°, also 0°, 120°, 240°: die inverse Folge (Gegensystem). Ihr Feld dreht sich daher {harmonic-5-sense}, und da ihre Ströme 5-mal so schnell wechseln, mit {harmonic-5-speed}. Die 5. und die 11. Oberschwingung drehen sich gegen die Grundschwingung, die 7. und die 13. mit ihr.</translation>
    </message>
    <message>
        <source>ouvrez la fenêtre « Mesures » : « Vitesse des harmoniques » donne la vitesse signée du champ de chacun.</source>
        <translation>Öffnen Sie das Fenster „Messwerte“: „Drehzahl der Oberschwingungen“ gibt für jede die vorzeichenbehaftete Drehzahl ihres Felds an.</translation>
    </message>
    <message>
        <source>Le fondamental tourne dans ce sens, mais l&apos;harmonique 5 multiplie les angles par 5, ce qui inverse l&apos;ordre des phases.</source>
        <translation>Die Grundschwingung dreht sich in diese Richtung, aber die 5. Oberschwingung multipliziert die Winkel mit 5, was die Phasenfolge umkehrt.</translation>
    </message>
    <message>
        <source>L&apos;harmonique n d&apos;un courant est décalé de n fois l&apos;angle du fondamental. Pour n = 7 : 0°, 7 × 240° = 1680° et 7 × 120° = 840°, soit 0°, 240°, 120° : la séquence directe. Son champ tourne donc {harmonic-7-sense}, et comme ses courants alternent 7 fois plus vite, à {harmonic-7-speed}. Les harmoniques 5 et 11 tournent contre le fondamental, 7 et 13 avec lui.</source>
        <translation>Die n-te Oberschwingung eines Stroms ist um das n-Fache des Winkels der Grundschwingung verschoben. Für n = 7: 0°, 7 × 240° = 1680° und 7 × 120° = 840°, also 0°, 240°, 120°: die direkte Folge (Mitsystem). Ihr Feld dreht sich daher {harmonic-7-sense}, und da ihre Ströme 7-mal so schnell wechseln, mit {harmonic-7-speed}. Die 5. und die 11. Oberschwingung drehen sich gegen die Grundschwingung, die 7. und die 13. mit ihr.</translation>
    </message>
    <message>
        <source>C&apos;est le sens des harmoniques 5 et 11. Pour l&apos;harmonique 7, multipliez les angles par 7 : l&apos;ordre des phases reste celui du fondamental.</source>
        <translation>Das ist die Drehrichtung der 5. und der 11. Oberschwingung. Multiplizieren Sie für die 7. Oberschwingung die Winkel mit 7: Die Phasenfolge bleibt die der Grundschwingung.</translation>
    </message>
    <message>
        <source>Répondre</source>
        <translation>Antworten</translation>
    </message>
    <message>
        <source>Montrer</source>
        <translation>Zeigen</translation>
    </message>
    <message>
        <source>Recommencer</source>
        <translation>Neu beginnen</translation>
    </message>
    <message>
        <source>Bonne prédiction.</source>
        <translation>Richtige Vorhersage.</translation>
    </message>
    <message>
        <source>Ce n&apos;est pas ce qui se passe.</source>
        <translation>Das ist nicht das, was geschieht.</translation>
    </message>
    <message>
        <source>Essayez :</source>
        <translation>Versuchen Sie:</translation>
    </message>
    <message>
        <source>Le facteur de bobinage vaut %1</source>
        <translation>Der Wicklungsfaktor beträgt %1</translation>
    </message>
    <message>
        <source>Des bobines de %1 encoches laissent le moins d&apos;harmonique 5 : %2 % du fondamental</source>
        <translation>Spulen über %1 Nuten lassen am wenigsten Harmonische 5 übrig: %2 % der Grundwelle</translation>
    </message>
    <message>
        <source>Les bobinages</source>
        <translation>Wicklungen</translation>
    </message>
    <message>
        <source>La plaque d&apos;un moteur</source>
        <translation>Das Typenschild eines Motors</translation>
    </message>
    <message>
        <source>La plaque d&apos;un moteur asynchrone indique {frequency} et {rotor-speed}. Voici son stator : {slots} encoches, alimentées avec les angles {stator-angles}, et son rotor tourne à cette vitesse. Comptez les pôles du champ dans l&apos;entrefer. {convention}</source>
        <translation>Das Typenschild eines Asynchronmotors nennt {frequency} und {rotor-speed}. Hier ist sein Ständer: {slots} Nuten, gespeist mit den Winkeln {stator-angles}, und sein Läufer dreht mit dieser Drehzahl. Zählen Sie die Pole des Feldes im Luftspalt. {convention}</translation>
    </message>
    <message>
        <source>À quelle vitesse tourne le champ ?</source>
        <translation>Mit welcher Drehzahl dreht das Feld?</translation>
    </message>
    <message>
        <source>Le champ a {poles} pôles, {pole-pairs} paires : il avance d&apos;une paire de pôles par période, n = 60 f / p = {field-speed}. Le rotor suit juste en dessous, à {rotor-speed}, avec un glissement de {slip}. C&apos;est ainsi qu&apos;une plaque trahit les pôles d&apos;un moteur : sa vitesse est juste sous 60 f / p.</source>
        <translation>Das Feld hat {poles} Pole, {pole-pairs} Paare: es rückt je Periode um ein Polpaar vor, n = 60 f / p = {field-speed}. Der Läufer folgt knapp darunter, mit {rotor-speed}, bei einem Schlupf von {slip}. So verrät ein Typenschild die Pole eines Motors: seine Drehzahl liegt knapp unter 60 f / p.</translation>
    </message>
    <message>
        <source>ouvrez « Bobinage » et « Mesures », puis changez les paires de pôles : la vitesse de synchronisme suit 60 f / p.</source>
        <translation>öffnen Sie „Wicklung“ und „Messwerte“ und ändern Sie die Polpaare: die synchrone Drehzahl folgt 60 f / p.</translation>
    </message>
    <message>
        <source>+1440 tr/min</source>
        <translation>+1440 U/min</translation>
    </message>
    <message>
        <source>C&apos;est 60 f, la vitesse d&apos;un champ à deux pôles. Comptez les pôles de celui-ci : n = 60 f / p.</source>
        <translation>Das ist 60 f, die Drehzahl eines zweipoligen Feldes. Zählen Sie die Pole dieses Feldes: n = 60 f / p.</translation>
    </message>
    <message>
        <source>C&apos;est la vitesse du rotor. Un moteur asynchrone tourne un peu moins vite que son champ : sans cet écart, rien n&apos;induirait de courant dans son rotor.</source>
        <translation>Das ist die Drehzahl des Läufers. Ein Asynchronmotor dreht etwas langsamer als sein Feld: ohne diesen Unterschied würde nichts Ströme in seinem Läufer induzieren.</translation>
    </message>
    <message>
        <source>Plus de pôles, un champ plus lent</source>
        <translation>Mehr Pole, ein langsameres Feld</translation>
    </message>
    <message>
        <source>Ce stator a {pole-pairs} paires de pôles : {poles} pôles se suivent autour de l&apos;entrefer, et le champ est dessiné par {pole-pairs} flèches, une vers chaque pôle nord. Il est alimenté à {frequency} avec les angles {stator-angles}. {convention}</source>
        <translation>Dieser Ständer hat {pole-pairs} Polpaare: {poles} Pole folgen einander rund um den Luftspalt, und das Feld ist als {pole-pairs} Pfeile gezeichnet, einer zu jedem Nordpol. Er wird mit {frequency} und den Winkeln {stator-angles} gespeist. {convention}</translation>
    </message>
    <message>
        <source>En une période du courant, le champ avance d&apos;une paire de pôles, soit 1/{pole-pairs} de tour : n = 60 f / p = {field-speed}, {field-sense}, soit {field-signed-speed}. À fréquence égale, plus de pôles font un champ plus lent, et un moteur plus lent mais plus fort.</source>
        <translation>In einer Periode des Stroms rückt das Feld um ein Polpaar vor, also 1/{pole-pairs} Umdrehung: n = 60 f / p = {field-speed}, {field-sense}, also {field-signed-speed}. Bei gleicher Frequenz ergeben mehr Pole ein langsameres Feld und einen langsameren, aber kräftigeren Motor.</translation>
    </message>
    <message>
        <source>lancez l&apos;animation et suivez une flèche : elle fait un tour pendant que le courant fait {pole-pairs} périodes.</source>
        <translation>starten Sie die Animation und folgen Sie einem Pfeil: er macht eine Umdrehung, während der Strom {pole-pairs} Perioden durchläuft.</translation>
    </message>
    <message>
        <source>Le pas raccourci</source>
        <translation>Die gesehnte Wicklung</translation>
    </message>
    <message>
        <source>Ce stator a {slots} encoches, deux par pôle et par phase, et des bobines au pas diamétral de {full-pitch} encoches. Sa force magnétomotrice en escalier n&apos;est pas une sinusoïde : son harmonique d&apos;espace 5 vaut {space-harmonic-5-share} du fondamental. Raccourcir les bobines peut l&apos;affaiblir.</source>
        <translation>Dieser Ständer hat {slots} Nuten, zwei je Pol und Strang, und Spulen mit Durchmesserschritt über {full-pitch} Nuten. Seine treppenförmige Durchflutung ist keine Sinuskurve: ihre räumliche Harmonische 5 beträgt {space-harmonic-5-share} der Grundwelle. Kürzere Spulen können sie schwächen.</translation>
    </message>
    <message>
        <source>Quel pas de bobine, en encoches, laisse le moins d&apos;harmonique 5 par rapport au fondamental ?</source>
        <translation>Welche Spulenweite, in Nuten, lässt im Verhältnis zur Grundwelle am wenigsten Harmonische 5 übrig?</translation>
    </message>
    <message>
        <source>Une bobine de W encoches sur un pas diamétral de 3q filtre l&apos;harmonique n par k_p = sin(n W / 3q × 90°). À 5/6 du pas, les deux côtés se rapprochent de 30° : 150° pour l&apos;harmonique 5, dont les f.m.m. se compensent presque (k_p5 = sin 15°), quand le fondamental garde sin 75°. C&apos;est le pas des moteurs industriels.</source>
        <translation>Eine Spule über W Nuten bei einem Durchmesserschritt von 3q filtert die Harmonische n mit k_p = sin(n W / 3q × 90°). Bei 5/6 des Schritts rücken die beiden Seiten um 30° zusammen: 150° für die Harmonische 5, deren Durchflutungen sich fast aufheben (k_p5 = sin 15°), während die Grundwelle sin 75° behält. Das ist der Schritt der Industriemotoren.</translation>
    </message>
    <message>
        <source>dans « Bobinage », choisissez chaque pas tour à tour et lisez « Harmoniques d&apos;espace » dans « Mesures ».</source>
        <translation>wählen Sie in „Wicklung“ nacheinander jede Spulenweite und lesen Sie „Räumliche Harmonische“ in „Messwerte“.</translation>
    </message>
    <message>
        <source>6 encoches (pas diamétral)</source>
        <translation>6 Nuten (Durchmesserschritt)</translation>
    </message>
    <message>
        <source>5 encoches</source>
        <translation>5 Nuten</translation>
    </message>
    <message>
        <source>4 encoches</source>
        <translation>4 Nuten</translation>
    </message>
    <message>
        <source>3 encoches</source>
        <translation>3 Nuten</translation>
    </message>
    <message>
        <source>Le pas diamétral prend tout le fondamental, mais aussi toute l&apos;harmonique 5 que laisse la distribution.</source>
        <translation>Der Durchmesserschritt nimmt die ganze Grundwelle mit, aber auch die ganze Harmonische 5, die die Verteilung übrig lässt.</translation>
    </message>
    <message>
        <source>Avec 4 encoches sur 6, sin(5 × 60°) et sin(60°) ont la même valeur absolue : le fondamental et l&apos;harmonique 5 baissent d&apos;autant, et la part de l&apos;harmonique ne change pas.</source>
        <translation>Bei 4 von 6 Nuten haben sin(5 × 60°) und sin(60°) denselben Betrag: Grundwelle und Harmonische 5 sinken gleich stark, und der Anteil der Harmonischen ändert sich nicht.</translation>
    </message>
    <message>
        <source>Le facteur de bobinage</source>
        <translation>Der Wicklungsfaktor</translation>
    </message>
    <message>
        <source>Ce stator répartit chaque phase dans trois encoches voisines par pôle, {slots} en tout, et ses bobines font {coil-pitch} encoches pour un pas diamétral de {full-pitch}. Les f.m.m. des encoches d&apos;une phase ne culminent pas ensemble : leur somme est plus petite que si tout tenait dans une encoche au pas diamétral.</source>
        <translation>Dieser Ständer verteilt jeden Strang auf drei benachbarte Nuten je Pol, {slots} insgesamt, und seine Spulen reichen über {coil-pitch} Nuten bei einem Durchmesserschritt von {full-pitch}. Die Durchflutungen der Nuten eines Strangs erreichen ihr Maximum nicht gleichzeitig: ihre Summe ist kleiner, als wenn alles in einer Nut mit Durchmesserschritt läge.</translation>
    </message>
    <message>
        <source>Quel est le facteur de bobinage k_w du fondamental ?</source>
        <translation>Wie groß ist der Wicklungsfaktor k_w der Grundwelle?</translation>
    </message>
    <message>
        <source>k_w = k_d × k_p : la distribution sur trois encoches donne k_d = {distribution-factor}, le pas de {coil-pitch} sur {full-pitch} donne k_p = {pitch-factor}, d&apos;où k_w = {winding-factor}. Le fondamental perd un dixième, mais les harmoniques d&apos;espace 5 et 7 tombent à {space-harmonic-5-share} et {space-harmonic-7-share} du fondamental : l&apos;entrefer est presque sinusoïdal.</source>
        <translation>k_w = k_d × k_p: die Verteilung auf drei Nuten ergibt k_d = {distribution-factor}, die Spulenweite {coil-pitch} von {full-pitch} ergibt k_p = {pitch-factor}, also k_w = {winding-factor}. Die Grundwelle verliert ein Zehntel, aber die räumlichen Harmonischen 5 und 7 fallen auf {space-harmonic-5-share} und {space-harmonic-7-share} der Grundwelle: der Luftspalt ist fast sinusförmig.</translation>
    </message>
    <message>
        <source>ouvrez « Mesures » : ses lignes « Facteur de distribution », « Facteur de raccourcissement » et « Facteur de bobinage » donnent aussi les harmoniques.</source>
        <translation>öffnen Sie „Messwerte“: die Zeilen „Zonenfaktor“, „Sehnungsfaktor“ und „Wicklungsfaktor“ geben auch die Harmonischen an.</translation>
    </message>
    <message>
        <source>0,960</source>
        <translation>0,960</translation>
    </message>
    <message>
        <source>0,940</source>
        <translation>0,940</translation>
    </message>
    <message>
        <source>0,902</source>
        <translation>0,902</translation>
    </message>
    <message>
        <source>1 est le facteur d&apos;une bobine concentrée au pas diamétral. Ici les encoches sont décalées et les bobines raccourcies : chacun retranche un peu.</source>
        <translation>1 ist der Faktor einer konzentrierten Spule mit Durchmesserschritt. Hier sind die Nuten versetzt und die Spulen gesehnt: beides nimmt etwas weg.</translation>
    </message>
    <message>
        <source>C&apos;est le facteur de distribution k_d seul. Le pas raccourci multiplie encore par k_p.</source>
        <translation>Das ist der Zonenfaktor k_d allein. Die Sehnung multipliziert noch mit k_p.</translation>
    </message>
    <message>
        <source>C&apos;est le facteur de raccourcissement k_p seul. Les trois encoches voisines multiplient encore par k_d.</source>
        <translation>Das ist der Sehnungsfaktor k_p allein. Die drei benachbarten Nuten multiplizieren noch mit k_d.</translation>
    </message>
    <message>
        <source>Une phase coupée</source>
        <translation>Ein unterbrochener Strang</translation>
    </message>
    <message>
        <source>Le fil de ligne de la phase 3 d&apos;un moteur couplé en étoile est coupé. Ses trois bobines sont toujours là, mais la bobine 3 ne porte plus rien, et les bobines 1 et 2, désormais en série, portent un même courant : dans un sens dans l&apos;une, dans l&apos;autre sens dans l&apos;autre. {convention}</source>
        <translation>Der Außenleiter des Strangs 3 eines in Stern geschalteten Motors ist unterbrochen. Seine drei Spulen sind noch da, aber Spule 3 führt nichts mehr, und die Spulen 1 und 2, nun in Reihe, führen einen einzigen Strom: in der einen in die eine Richtung, in der anderen in die andere. {convention}</translation>
    </message>
    <message>
        <source>Que fait le champ du stator ?</source>
        <translation>Was macht das Feld des Ständers?</translation>
    </message>
    <message>
        <source>Un seul courant dans deux bobines fixes fait un champ qui pulse sur un axe fixe : ses deux moitiés tournent en sens opposés à {field-speed}. Lancé, le moteur continue sur la moitié qui tourne avec lui, en chauffant ; à l&apos;arrêt, les deux moitiés se neutralisent et il ne démarre pas.</source>
        <translation>Ein einziger Strom in zwei festen Spulen erzeugt ein Feld, das auf einer festen Achse pulsiert: seine beiden Hälften drehen gegensinnig mit {field-speed}. Läuft der Motor schon, dreht er mit der Hälfte weiter, die mit ihm dreht, und wird dabei warm; im Stillstand heben sich die beiden Hälften auf, und er läuft nicht an.</translation>
    </message>
    <message>
        <source>cochez « Deux champs tournants » dans « Mesures » : les deux moitiés sont égales. Puis, dans « Bobinage », remettez la phase coupée à « aucune ».</source>
        <translation>kreuzen Sie „Zwei Drehfelder“ in „Messwerte“ an: die beiden Hälften sind gleich. Setzen Sie dann in „Wicklung“ den unterbrochenen Strang auf „keine“ zurück.</translation>
    </message>
    <message>
        <source>Il tourne toujours dans le sens antihoraire</source>
        <translation>Es dreht weiter gegen den Uhrzeigersinn</translation>
    </message>
    <message>
        <source>Il pulse sur un axe fixe</source>
        <translation>Es pulsiert auf einer festen Achse</translation>
    </message>
    <message>
        <source>Il disparaît</source>
        <translation>Es verschwindet</translation>
    </message>
    <message>
        <source>Un champ tournant demande deux courants déphasés dans deux bobines décalées. Ici les deux bobines restantes ne portent qu&apos;un courant, le même à chaque instant.</source>
        <translation>Ein Drehfeld braucht zwei phasenverschobene Ströme in zwei versetzten Spulen. Hier führen die beiden verbliebenen Spulen nur einen Strom, in jedem Augenblick denselben.</translation>
    </message>
    <message>
        <source>Les bobines 1 et 2 portent encore un courant : leur champ existe, il ne tourne plus.</source>
        <translation>Die Spulen 1 und 2 führen noch Strom: ihr Feld besteht, es dreht sich nur nicht mehr.</translation>
    </message>
    <message>
        <source>Quelle est la vitesse signée du champ ?</source>
        <translation>Wie groß ist die vorzeichenbehaftete Drehzahl des Feldes?</translation>
    </message>
    <message>
        <source>+1000 tr/min</source>
        <translation>+1000 U/min</translation>
    </message>
    <message>
        <source>-1000 tr/min</source>
        <translation>-1000 U/min</translation>
    </message>
    <message>
        <source>60 f est la vitesse d&apos;un champ à une paire de pôles. Celui-ci en a davantage : comptez ses flèches.</source>
        <translation>60 f ist die Drehzahl eines Feldes mit einem Polpaar. Dieses hat mehr: zählen Sie seine Pfeile.</translation>
    </message>
    <message>
        <source>génératrice</source>
        <translation>Generator</translation>
    </message>
    <message>
        <source>frein</source>
        <translation>Bremse</translation>
    </message>
    <message>
        <source>synchronisme, sans couple</source>
        <translation>Synchronismus, ohne Moment</translation>
    </message>
    <message>
        <source>moteur</source>
        <translation>Motor</translation>
    </message>
    <message>
        <source>Le rotor à cage reçoit %1 N·m au glissement %2</source>
        <translation>Der Käfigläufer erhält %1 N·m bei Schlupf %2</translation>
    </message>
    <message>
        <source>Le moteur se stabilise à %1</source>
        <translation>Der Motor stellt sich auf %1 ein</translation>
    </message>
    <message>
        <source>Le couple est maximal au glissement %1</source>
        <translation>Das Moment ist bei Schlupf %1 am größten</translation>
    </message>
    <message>
        <source>Une phase du stator absorbe %1 A</source>
        <translation>Ein Ständerstrang nimmt %1 A auf</translation>
    </message>
    <message>
        <source>Au glissement %1, la machine fonctionne en %2</source>
        <translation>Bei Schlupf %1 arbeitet die Maschine als %2</translation>
    </message>
    <message>
        <source>Jamais au synchronisme</source>
        <translation>Nie im Synchronismus</translation>
    </message>
    <message>
        <source>Un moteur à cage de {poles} pôles est entraîné de l&apos;extérieur à {rotor-speed}, exactement la vitesse de son champ, {field-speed}. Ses barres ne sont reliées à rien : seuls les courants que le champ y induit les parcourent. {convention}</source>
        <translation>Ein Käfigläufermotor mit {poles} Polen wird von außen mit {rotor-speed} angetrieben, genau der Drehzahl seines Feldes, {field-speed}. Seine Stäbe sind mit nichts verbunden: nur die Ströme, die das Feld in ihnen induziert, fließen dort. {convention}</translation>
    </message>
    <message>
        <source>Quel couple le champ exerce-t-il sur le rotor ?</source>
        <translation>Welches Moment übt das Feld auf den Läufer aus?</translation>
    </message>
    <message>
        <source>Tournant avec le champ, les barres ne voient aucun flux varier : rien n&apos;y est induit, les conducteurs du rotor restent neutres et le couple est nul. Un moteur livré à lui-même ne peut donc jamais atteindre le synchronisme : il tourne juste en dessous, assez pour que le glissement induise le courant qu&apos;il faut à sa charge.</source>
        <translation>Mit dem Feld drehend sehen die Stäbe keinen sich ändernden Fluss: nichts wird induziert, die Läuferleiter bleiben neutral und das Moment ist null. Sich selbst überlassen kann ein Motor den Synchronismus daher nie erreichen: er dreht knapp darunter, so weit, dass der Schlupf den Strom induziert, den seine Last braucht.</translation>
    </message>
    <message>
        <source>dans le panneau Rotor, baissez la fréquence de rotation d&apos;un hertz : les barres se colorent et le couple apparaît.</source>
        <translation>senken Sie im Fenster „Rotor“ die Drehfrequenz um ein Hertz: die Stäbe färben sich und das Moment erscheint.</translation>
    </message>
    <message>
        <source>Aucun</source>
        <translation>Keines</translation>
    </message>
    <message>
        <source>Le couple de démarrage, {start-torque}</source>
        <translation>Das Anlaufmoment, {start-torque}</translation>
    </message>
    <message>
        <source>Le couple maximal, {max-torque}</source>
        <translation>Das Kippmoment, {max-torque}</translation>
    </message>
    <message>
        <source>Au démarrage le champ balaie les barres à pleine vitesse. Ici il tourne avec elles : que voient-elles changer ?</source>
        <translation>Beim Anlauf überstreicht das Feld die Stäbe mit voller Drehzahl. Hier dreht es mit ihnen: welche Änderung sehen sie?</translation>
    </message>
    <message>
        <source>Le couple maximal demande un glissement de {max-torque-slip}. Au synchronisme, le glissement est nul.</source>
        <translation>Das Kippmoment braucht einen Schlupf von {max-torque-slip}. Im Synchronismus ist der Schlupf null.</translation>
    </message>
    <message>
        <source>Le moteur en charge</source>
        <translation>Der belastete Motor</translation>
    </message>
    <message>
        <source>Ce moteur à cage démarre à l&apos;arrêt, libre, sous une charge constante de {load-torque}. Son couple de démarrage vaut {start-torque}, son couple maximal {max-torque}. Lancez l&apos;animation après avoir répondu : la courbe couple-vitesse de « Mesures » montre le point de fonctionnement. {convention}</source>
        <translation>Dieser Käfigläufermotor läuft aus dem Stillstand frei an, unter einer konstanten Last von {load-torque}. Sein Anlaufmoment beträgt {start-torque}, sein Kippmoment {max-torque}. Starten Sie die Animation nach Ihrer Antwort: die Drehmoment-Drehzahl-Kennlinie in „Messwerte“ zeigt den Betriebspunkt. {convention}</translation>
    </message>
    <message>
        <source>À quelle vitesse le moteur se stabilise-t-il ?</source>
        <translation>Bei welcher Drehzahl stellt sich der Motor ein?</translation>
    </message>
    <message>
        <source>Tant que son couple dépasse la charge, le rotor accélère ; au-delà du maximum le couple chute vers zéro au synchronisme, et le moteur se stabilise là où il égale la charge : {settled-speed}. Plus de charge, plus de glissement, plus de courant.</source>
        <translation>Solange sein Moment die Last übersteigt, beschleunigt der Läufer; nach dem Kippmoment fällt das Moment bis null im Synchronismus, und der Motor stellt sich dort ein, wo es der Last gleicht: {settled-speed}. Mehr Last, mehr Schlupf, mehr Strom.</translation>
    </message>
    <message>
        <source>dans « Bobinage », doublez le couple de charge et regardez le point rouge descendre la courbe.</source>
        <translation>verdoppeln Sie in „Wicklung“ das Lastmoment und sehen Sie den roten Punkt die Kennlinie hinabwandern.</translation>
    </message>
    <message>
        <source>À la vitesse du champ, {field-speed}</source>
        <translation>Bei der Drehzahl des Feldes, {field-speed}</translation>
    </message>
    <message>
        <source>Un peu en dessous</source>
        <translation>Etwas darunter</translation>
    </message>
    <message>
        <source>Là où le couple est maximal</source>
        <translation>Dort, wo das Moment am größten ist</translation>
    </message>
    <message>
        <source>Il reste à l&apos;arrêt</source>
        <translation>Er bleibt stehen</translation>
    </message>
    <message>
        <source>Au synchronisme le couple est nul : il ne pourrait pas porter la charge.</source>
        <translation>Im Synchronismus ist das Moment null: er könnte die Last nicht tragen.</translation>
    </message>
    <message>
        <source>Le moteur accélère tant que son couple dépasse la charge : il passe le maximum et continue jusqu&apos;à ce que les deux soient égaux.</source>
        <translation>Der Motor beschleunigt, solange sein Moment die Last übersteigt: er überschreitet das Maximum und läuft weiter, bis beide gleich sind.</translation>
    </message>
    <message>
        <source>Son couple de démarrage dépasse la charge : il démarre.</source>
        <translation>Sein Anlaufmoment übersteigt die Last: er läuft an.</translation>
    </message>
    <message>
        <source>La résistance du rotor</source>
        <translation>Der Läuferwiderstand</translation>
    </message>
    <message>
        <source>Ce moteur est celui des autres leçons, mais la résistance de sa cage, R2, a été doublée (des barres plus fines, ou un rotor bobiné avec des résistances en série) ; le reste de son circuit n&apos;a pas changé.</source>
        <translation>Dieser Motor ist der aus den anderen Lektionen, aber der Widerstand seines Käfigs, R2, wurde verdoppelt (dünnere Stäbe oder ein Schleifringläufer mit Vorwiderständen); der Rest seiner Ersatzschaltung ist unverändert.</translation>
    </message>
    <message>
        <source>À quel glissement son couple est-il maintenant maximal ?</source>
        <translation>Bei welchem Schlupf ist sein Moment jetzt am größten?</translation>
    </message>
    <message>
        <source>Le glissement du couple maximal, R2 / |Zth + jX2|, double avec R2 : {max-torque-slip}. Le couple maximal, lui, ne dépend pas de R2 : {max-torque}. Toute la courbe s&apos;étire vers les grands glissements, et le couple de démarrage monte à {start-torque}.</source>
        <translation>Der Kippschlupf, R2 / |Zth + jX2|, verdoppelt sich mit R2: {max-torque-slip}. Das Kippmoment selbst hängt nicht von R2 ab: {max-torque}. Die ganze Kennlinie dehnt sich zu großen Schlupfwerten, und das Anlaufmoment steigt auf {start-torque}.</translation>
    </message>
    <message>
        <source>comparez la courbe de « Mesures » à celle du moteur d&apos;origine, dans la leçon « Le moteur en charge ».</source>
        <translation>vergleichen Sie die Kennlinie in „Messwerte“ mit der des ursprünglichen Motors in der Lektion „Der belastete Motor“.</translation>
    </message>
    <message>
        <source>Toujours 0,276</source>
        <translation>Immer noch 0,276</translation>
    </message>
    <message>
        <source>Le double, 0,552</source>
        <translation>Das Doppelte, 0,552</translation>
    </message>
    <message>
        <source>La moitié, 0,138</source>
        <translation>Die Hälfte, 0,138</translation>
    </message>
    <message>
        <source>Le glissement du maximum est R2 / |Zth + jX2| : il suit R2.</source>
        <translation>Der Kippschlupf ist R2 / |Zth + jX2|: er folgt R2.</translation>
    </message>
    <message>
        <source>Le courant de démarrage</source>
        <translation>Der Anlaufstrom</translation>
    </message>
    <message>
        <source>Ce moteur à cage est à l&apos;arrêt, branché sur le réseau. En charge, à quelques pour cent de glissement, une phase de son stator absorbe environ 5 A ; à vide, un peu plus de 2 A, le courant qui aimante la machine.</source>
        <translation>Dieser Käfigläufermotor steht still, am Netz. Belastet, bei einigen Prozent Schlupf, nimmt ein Ständerstrang etwa 5 A auf; im Leerlauf etwas über 2 A, den Strom, der die Maschine magnetisiert.</translation>
    </message>
    <message>
        <source>Quel courant une phase du stator absorbe-t-elle au démarrage ?</source>
        <translation>Welchen Strom nimmt ein Ständerstrang beim Anlauf auf?</translation>
    </message>
    <message>
        <source>À l&apos;arrêt, le champ balaie le rotor à pleine vitesse : la résistance du rotor vue du stator, R2/g, est à son plus bas, et seules les impédances des enroulements limitent le courant, {stator-current}, six fois le courant en charge, pour un couple de {start-torque} seulement. D&apos;où les démarreurs étoile-triangle et les variateurs.</source>
        <translation>Im Stillstand überstreicht das Feld den Läufer mit voller Drehzahl: der vom Ständer aus gesehene Läuferwiderstand, R2/g, ist am kleinsten, und nur die Impedanzen der Wicklungen begrenzen den Strom, {stator-current}, das Sechsfache des Laststroms, für ein Moment von nur {start-torque}. Daher Stern-Dreieck-Anlauf und Umrichter.</translation>
    </message>
    <message>
        <source>ouvrez « Mesures », cochez « Rotor libre » dans « Bobinage » et lancez l&apos;animation : le courant tombe à mesure que le moteur prend sa vitesse.</source>
        <translation>öffnen Sie „Messwerte“, kreuzen Sie in „Wicklung“ „Freier Läufer“ an und starten Sie die Animation: der Strom fällt, während der Motor hochläuft.</translation>
    </message>
    <message>
        <source>2,5 A, comme à vide</source>
        <translation>2,5 A, wie im Leerlauf</translation>
    </message>
    <message>
        <source>5,5 A, comme en charge</source>
        <translation>5,5 A, wie unter Last</translation>
    </message>
    <message>
        <source>Environ 32 A</source>
        <translation>Etwa 32 A</translation>
    </message>
    <message>
        <source>À vide le rotor ne porte rien. À l&apos;arrêt le champ le balaie à pleine vitesse : ses courants sont les plus forts.</source>
        <translation>Im Leerlauf führt der Läufer nichts. Im Stillstand überstreicht ihn das Feld mit voller Drehzahl: seine Ströme sind am größten.</translation>
    </message>
    <message>
        <source>En charge le glissement n&apos;est que de quelques pour cent. À l&apos;arrêt il vaut 1 : seules les réactances limitent le courant.</source>
        <translation>Unter Last beträgt der Schlupf nur einige Prozent. Im Stillstand ist er 1: nur die Reaktanzen begrenzen den Strom.</translation>
    </message>
    <message>
        <source>Au-dessus du synchronisme</source>
        <translation>Oberhalb des Synchronismus</translation>
    </message>
    <message>
        <source>Une éolienne entraîne ce moteur à cage à {rotor-speed}, plus vite que son champ, qui tourne {field-sense} à {field-speed}. Le stator reste branché sur le réseau. {convention}</source>
        <translation>Eine Windkraftanlage treibt diesen Käfigläufermotor mit {rotor-speed} an, schneller als sein Feld, das {field-sense} mit {field-speed} dreht. Der Ständer bleibt am Netz. {convention}</translation>
    </message>
    <message>
        <source>Comment la machine fonctionne-t-elle ?</source>
        <translation>Wie arbeitet die Maschine?</translation>
    </message>
    <message>
        <source>Le rotor dépasse le champ : le glissement est négatif, {slip}, les courants induits s&apos;inversent, et le couple, {cage-torque}, retient le rotor. L&apos;éolienne fournit de la puissance mécanique que la machine renvoie au réseau : une génératrice asynchrone.</source>
        <translation>Der Läufer überholt das Feld: der Schlupf ist negativ, {slip}, die induzierten Ströme kehren sich um, und das Moment, {cage-torque}, hält den Läufer zurück. Die Windkraftanlage liefert mechanische Leistung, die die Maschine ins Netz zurückspeist: ein Asynchrongenerator.</translation>
    </message>
    <message>
        <source>ouvrez « Mesures » : les puissances absorbée et mécanique sont négatives, et le point rouge est à droite du synchronisme.</source>
        <translation>öffnen Sie „Messwerte“: aufgenommene und mechanische Leistung sind negativ, und der rote Punkt liegt rechts vom Synchronismus.</translation>
    </message>
    <message>
        <source>En moteur : elle entraîne l&apos;éolienne</source>
        <translation>Als Motor: sie treibt die Windkraftanlage an</translation>
    </message>
    <message>
        <source>En génératrice : elle renvoie de l&apos;énergie au réseau</source>
        <translation>Als Generator: sie speist Energie ins Netz zurück</translation>
    </message>
    <message>
        <source>En frein : elle s&apos;oppose à l&apos;éolienne et chauffe</source>
        <translation>Als Bremse: sie stemmt sich gegen die Windkraftanlage und wird heiß</translation>
    </message>
    <message>
        <source>Un moteur tourne moins vite que son champ. Ici le rotor le dépasse : le glissement est négatif.</source>
        <translation>Ein Motor dreht langsamer als sein Feld. Hier überholt es der Läufer: der Schlupf ist negativ.</translation>
    </message>
    <message>
        <source>Le freinage à contre-courant demande un rotor tournant contre le champ. Ici il tourne avec lui, plus vite.</source>
        <translation>Gegenstrombremsen verlangt einen gegen das Feld drehenden Läufer. Hier dreht er mit ihm, schneller.</translation>
    </message>
    <message>
        <source>Le freinage à contre-courant</source>
        <translation>Das Gegenstrombremsen</translation>
    </message>
    <message>
        <source>Ce moteur tournait à {rotor-speed} quand on a inversé deux fils de ligne : son champ tourne désormais {field-sense} à {field-speed}, contre le rotor, qui tourne {rotor-sense}. {convention}</source>
        <translation>Dieser Motor lief mit {rotor-speed}, als zwei Außenleiter vertauscht wurden: sein Feld dreht nun {field-sense} mit {field-speed}, gegen den Läufer, der {rotor-sense} dreht. {convention}</translation>
    </message>
    <message>
        <source>Contre le champ, le glissement dépasse 1, {slip} : le couple, {cage-torque} dans le sens du champ, freine le rotor, qui rend son énergie cinétique pendant que le réseau en fournit aussi. Tout part en chaleur dans la cage, avec un fort courant. On coupe l&apos;alimentation à l&apos;arrêt, sinon le moteur repart dans l&apos;autre sens.</source>
        <translation>Gegen das Feld übersteigt der Schlupf 1, {slip}: das Moment, {cage-torque} in Drehrichtung des Feldes, bremst den Läufer, der seine Bewegungsenergie abgibt, während auch das Netz Energie liefert. Alles wird im Käfig zu Wärme, bei großem Strom. Im Stillstand wird abgeschaltet, sonst läuft der Motor in die andere Richtung wieder an.</translation>
    </message>
    <message>
        <source>regardez dans « Mesures » le point rouge, à gauche de l&apos;arrêt sur la courbe couple-vitesse.</source>
        <translation>sehen Sie in „Messwerte“ den roten Punkt links vom Stillstand auf der Drehmoment-Drehzahl-Kennlinie.</translation>
    </message>
    <message>
        <source>En moteur : elle continue d&apos;entraîner le rotor</source>
        <translation>Als Motor: sie treibt den Läufer weiter an</translation>
    </message>
    <message>
        <source>En génératrice : elle renvoie l&apos;énergie du rotor au réseau</source>
        <translation>Als Generator: sie speist die Energie des Läufers ins Netz zurück</translation>
    </message>
    <message>
        <source>En frein : elle arrête le rotor et absorbe de l&apos;énergie des deux côtés</source>
        <translation>Als Bremse: sie hält den Läufer an und nimmt von beiden Seiten Energie auf</translation>
    </message>
    <message>
        <source>Le champ tourne désormais contre le rotor : son couple le retient.</source>
        <translation>Das Feld dreht nun gegen den Läufer: sein Moment hält ihn zurück.</translation>
    </message>
    <message>
        <source>Une génératrice tourne avec son champ, plus vite que lui. Ici le rotor tourne contre le champ : le réseau fournit de l&apos;énergie en plus.</source>
        <translation>Ein Generator dreht mit seinem Feld, schneller als dieses. Hier dreht der Läufer gegen das Feld: das Netz liefert zusätzlich Energie.</translation>
    </message>
    <message>
        <source>Pour l&apos;enseignant</source>
        <translation>Für die Lehrkraft</translation>
    </message>
    <message>
        <source>Leçon %1 sur %2</source>
        <translation>Lektion %1 von %2</translation>
    </message>
    <message>
        <source>Terminer</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Leçon suivante</source>
        <translation>Nächste Lektion</translation>
    </message>
    <message>
        <source>Réponse attendue : %1</source>
        <translation>Erwartete Antwort: %1</translation>
    </message>
    <message>
        <source>Certains voient un champ qui tourne parce que sa valeur change : faites observer que la flèche garde sa direction et ne fait que s&apos;allonger, se raccourcir et s&apos;inverser. Demandez ensuite ce qu&apos;il faut ajouter pour qu&apos;il tourne.</source>
        <translation>Manche sehen ein Drehfeld, weil sich sein Wert ändert: Zeigen Sie, dass der Pfeil seine Richtung behält und nur länger, kürzer und umgekehrt wird. Fragen Sie dann, was hinzukommen muss, damit es sich dreht.</translation>
    </message>
    <message>
        <source>L&apos;erreur la plus fréquente : lire les angles comme des retards, et donc prédire le sens opposé. Faites dire quelle phase culmine juste après la phase 1, puis demandez ce que devient le champ si l&apos;on échange deux fils.</source>
        <translation>Der häufigste Fehler: die Winkel als Nacheilungen lesen und daher den entgegengesetzten Drehsinn vorhersagen. Lassen Sie sagen, welche Phase direkt nach Phase 1 ihr Maximum erreicht, und fragen Sie dann, was aus dem Feld wird, wenn man zwei Leiter vertauscht.</translation>
    </message>
    <message>
        <source>Deux erreurs habituelles : donner le rapport des vitesses du rotor et du champ au lieu de leur écart relatif, ou se tromper d&apos;un facteur dix en passant aux pour-cent. Demandez ensuite ce que vaut le glissement rotor bloqué, puis au synchronisme.</source>
        <translation>Zwei übliche Fehler: das Verhältnis der Drehzahlen von Läufer und Feld statt ihrer relativen Differenz angeben, oder sich beim Umrechnen in Prozent um den Faktor zehn irren. Fragen Sie dann nach dem Schlupf bei blockiertem Läufer und bei Synchronismus.</translation>
    </message>
    <message>
        <source>L&apos;idée fausse : un rotor qui suit son champ serait entraîné par lui. Au synchronisme les barres ne voient aucun flux varier : pas de courant induit, donc pas de couple. Demandez pourquoi un moteur à vide tourne un peu moins vite que son champ.</source>
        <translation>Die Fehlvorstellung: Ein Läufer, der mit seinem Feld mitläuft, würde von ihm mitgenommen. Bei Synchronismus sehen die Stäbe keinen sich ändernden Fluss: kein induzierter Strom, also kein Drehmoment. Fragen Sie, warum ein leerlaufender Motor etwas langsamer dreht als sein Feld.</translation>
    </message>
</context>
<context>
    <name>LessonMenu</name>
    <message>
        <source>&amp;Leçons</source>
        <translation>Le&amp;ktionen</translation>
    </message>
    <message>
        <source>Ouvrir une leçon...</source>
        <translation>Lektion öffnen...</translation>
    </message>
    <message>
        <source>Ouvrir une leçon</source>
        <translation>Lektion öffnen</translation>
    </message>
    <message>
        <source>Leçons Vireflu (*.json)</source>
        <translation>Vireflu-Lektionen (*.json)</translation>
    </message>
    <message>
        <source>La leçon %1 n&apos;a pas pu être lue : %2.</source>
        <translation>Die Lektion %1 konnte nicht gelesen werden: %2.</translation>
    </message>
    <message>
        <source>%1 n&apos;a pas été ouvert.</source>
        <translation>%1 wurde nicht geöffnet.</translation>
    </message>
    <message>
        <source>Ouvrir un parcours...</source>
        <translation>Kurs öffnen...</translation>
    </message>
    <message>
        <source>Composer un parcours...</source>
        <translation>Kurs zusammenstellen...</translation>
    </message>
    <message>
        <source>Mes réponses</source>
        <translation>Meine Antworten</translation>
    </message>
    <message>
        <source>Exporter pour une plateforme (SCORM)...</source>
        <translation>Für eine Lernplattform exportieren (SCORM)...</translation>
    </message>
    <message>
        <source>Vue enseignant</source>
        <translation>Lehreransicht</translation>
    </message>
</context>
<context>
    <name>Measures</name>
    <message>
        <source>Fréquence</source>
        <translation>Frequenz</translation>
    </message>
    <message>
        <source>Fréquence f des courants du stator.</source>
        <translation>Frequenz f der Statorströme.</translation>
    </message>
    <message>
        <source>Sens du champ</source>
        <translation>Drehsinn des Felds</translation>
    </message>
    <message>
        <source>Sens de rotation du champ du stator, celui de sa plus grande composante ; pulsant quand les deux sont égales. Vitesses et glissements sont positifs dans le sens trigonométrique, celui où tourne le rotor pour une fréquence de rotation positive, et négatifs dans le sens horaire.</source>
        <translation>Drehsinn des Statorfelds, nämlich der seiner größeren Komponente; pulsierend, wenn beide gleich sind. Drehzahlen und Schlupfwerte sind positiv im Gegenuhrzeigersinn, in dem der Rotor bei positiver Drehfrequenz dreht, und negativ im Uhrzeigersinn.</translation>
    </message>
    <message>
        <source>Vitesse de synchronisme</source>
        <translation>Synchrone Drehzahl</translation>
    </message>
    <message>
        <source>Vitesse du champ tournant : 60 f pour une paire de pôles, positive dans le sens trigonométrique, négative dans le sens horaire.</source>
        <translation>Drehzahl des Drehfelds: 60 f bei einem Polpaar, positiv im Gegenuhrzeigersinn, negativ im Uhrzeigersinn.</translation>
    </message>
    <message>
        <source>Vitesse du rotor</source>
        <translation>Rotordrehzahl</translation>
    </message>
    <message>
        <source>60 fois la fréquence de rotation du rotor, positive dans le sens trigonométrique.</source>
        <translation>Das 60-Fache der Drehfrequenz des Rotors, positiv im Gegenuhrzeigersinn.</translation>
    </message>
    <message>
        <source>Glissement</source>
        <translation>Schlupf</translation>
    </message>
    <message>
        <source>g = (ns - n) / ns avec les vitesses signées : 0 au synchronisme, 1 à l&apos;arrêt, plus de 1 quand le rotor tourne contre le champ (freinage). Champ pulsant : g+ et g− contre ses deux moitiés.</source>
        <translation>g = (ns - n) / ns mit vorzeichenbehafteten Drehzahlen: 0 bei Synchronlauf, 1 im Stillstand, über 1, wenn der Rotor gegen das Feld dreht (Bremsen). Pulsierendes Feld: g+ und g− bezogen auf seine beiden Hälften.</translation>
    </message>
    <message>
        <source>Fréquence rotorique</source>
        <translation>Rotorfrequenz</translation>
    </message>
    <message>
        <source>Fréquence |g| f des courants induits dans le rotor, pour chaque moitié d&apos;un champ pulsant.</source>
        <translation>Frequenz |g| f der im Rotor induzierten Ströme, für jede Hälfte eines pulsierenden Felds.</translation>
    </message>
    <message>
        <source>Couple</source>
        <translation>Drehmoment</translation>
    </message>
    <message>
        <source>Champ résultant</source>
        <translation>Resultierendes Feld</translation>
    </message>
    <message>
        <source>Longueur du vecteur champ rapportée à celle d&apos;un champ triphasé équilibré.</source>
        <translation>Länge des Feldvektors, bezogen auf die eines symmetrischen dreiphasigen Felds.</translation>
    </message>
    <message>
        <source>Angle du champ</source>
        <translation>Feldwinkel</translation>
    </message>
    <message>
        <source>Direction du vecteur champ, comptée dans le sens trigonométrique.</source>
        <translation>Richtung des Feldvektors, im Gegenuhrzeigersinn gezählt.</translation>
    </message>
    <message>
        <source>Stator direct</source>
        <translation>Stator Mitsystem</translation>
    </message>
    <message>
        <source>Stator inverse</source>
        <translation>Stator Gegensystem</translation>
    </message>
    <message>
        <source>Rotor direct</source>
        <translation>Rotor Mitsystem</translation>
    </message>
    <message>
        <source>Rotor inverse</source>
        <translation>Rotor Gegensystem</translation>
    </message>
    <message>
        <source>Harmoniques</source>
        <translation>Oberschwingungen</translation>
    </message>
    <message>
        <source>Courant rectangulaire : harmoniques rapportés au fondamental, tournant avec ou contre le champ.</source>
        <translation>Rechteckstrom: Oberschwingungen bezogen auf die Grundschwingung, mit oder gegen das Feld drehend.</translation>
    </message>
    <message>
        <source>Taux de distorsion</source>
        <translation>Verzerrungsgrad</translation>
    </message>
    <message>
        <source>Distorsion harmonique totale du courant rectangulaire.</source>
        <translation>Gesamte harmonische Verzerrung (THD) des Rechteckstroms.</translation>
    </message>
    <message>
        <source>,</source>
        <translation>,</translation>
    </message>
    <message>
        <source>tr/min</source>
        <translation>U/min</translation>
    </message>
    <message>
        <source>avec</source>
        <translation>mit</translation>
    </message>
    <message>
        <source>contre</source>
        <translation>gegen</translation>
    </message>
    <message>
        <source>sens trigonométrique</source>
        <translation>Gegenuhrzeigersinn</translation>
    </message>
    <message>
        <source>sens horaire</source>
        <translation>Uhrzeigersinn</translation>
    </message>
    <message>
        <source>pulsant</source>
        <translation>pulsierend</translation>
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
        <translation>Resultierende</translation>
    </message>
    <message>
        <source>Fondamental</source>
        <translation>Grundschwingung</translation>
    </message>
    <message>
        <source>Champ</source>
        <translation>Feld</translation>
    </message>
    <message>
        <source>Indicateur de couple entre les champs du stator et du rotor (sans unité), positif quand il pousse le rotor dans le sens trigonométrique. La barre de couple monte pour un couple horaire.</source>
        <translation>Drehmomentanzeige zwischen Stator- und Rotorfeld (ohne Einheit), positiv, wenn das Drehmoment den Rotor im Gegenuhrzeigersinn antreibt. Der Drehmomentbalken steigt bei einem Drehmoment im Uhrzeigersinn.</translation>
    </message>
    <message>
        <source>Composante directe : le champ de la séquence dont les phases culminent dans l&apos;ordre 1, 2, 3 (angles 0/240/120, qui sont des avances). Elle tourne dans le sens trigonométrique.</source>
        <translation>Mitsystem: das Feld der Folge, deren Phasen ihr Maximum in der Reihenfolge 1, 2, 3 erreichen (Winkel 0/240/120, die Voreilwinkel sind). Es dreht sich im Gegenuhrzeigersinn.</translation>
    </message>
    <message>
        <source>Composante inverse : le champ de la séquence 1, 3, 2 (angles 0/120/240). Elle tourne dans le sens horaire.</source>
        <translation>Gegensystem: das Feld der Folge 1, 3, 2 (Winkel 0/120/240). Es dreht sich im Uhrzeigersinn.</translation>
    </message>
    <message>
        <source>Composante directe du champ du rotor, tournant par rapport au rotor dans le sens trigonométrique.</source>
        <translation>Mitsystem des Rotorfelds, das sich relativ zum Rotor im Gegenuhrzeigersinn dreht.</translation>
    </message>
    <message>
        <source>Composante inverse du champ du rotor, tournant par rapport au rotor dans le sens horaire.</source>
        <translation>Gegensystem des Rotorfelds, das sich relativ zum Rotor im Uhrzeigersinn dreht.</translation>
    </message>
    <message>
        <source>Vitesse des harmoniques</source>
        <translation>Drehzahl der Oberschwingungen</translation>
    </message>
    <message>
        <source>Vitesse signée du champ de chaque harmonique : l&apos;harmonique n alterne n fois plus vite que le fondamental, son champ tourne n fois plus vite, avec lui pour 7 et 13, contre lui pour 5 et 11.</source>
        <translation>Vorzeichenbehaftete Drehzahl des Felds jeder Oberschwingung: Die n-te Oberschwingung wechselt n-mal so schnell wie die Grundschwingung, ihr Feld dreht sich n-mal so schnell, mit ihr bei der 7. und 13., gegen sie bei der 5. und 11.</translation>
    </message>
    <message>
        <source>après votre réponse</source>
        <translation>nach Ihrer Antwort</translation>
    </message>
    <message>
        <source>Mesures</source>
        <translation>Messwerte</translation>
    </message>
    <message>
        <source>Force magnétomotrice le long de l&apos;entrefer, de 0 à 360°.</source>
        <translation>Durchflutung längs des Luftspalts, von 0 bis 360°.</translation>
    </message>
    <message>
        <source>Deux champs tournants</source>
        <translation>Zwei Drehfelder</translation>
    </message>
    <message>
        <source>Dessine les champs direct (bleu) et inverse (orange) dans la coupe.</source>
        <translation>Zeichnet Mitfeld (blau) und Gegenfeld (orange) in den Schnitt.</translation>
    </message>
    <message>
        <source>Facteur de distribution</source>
        <translation>Zonenfaktor</translation>
    </message>
    <message>
        <source>k_d = sin(n q a / 2) / (q sin(n a / 2)) pour l&apos;harmonique d&apos;espace n, a = 180° / 3q étant l&apos;angle électrique entre deux encoches.</source>
        <translation>k_d = sin(n q a / 2) / (q sin(n a / 2)) für die räumliche Harmonische n, wobei a = 180° / 3q der elektrische Winkel zwischen zwei Nuten ist.</translation>
    </message>
    <message>
        <source>Facteur de raccourcissement</source>
        <translation>Sehnungsfaktor</translation>
    </message>
    <message>
        <source>k_p = sin(n (W / 3q) 90°) pour des bobines de W encoches ; 1 au pas diamétral W = 3q.</source>
        <translation>k_p = sin(n (W / 3q) 90°) für Spulen über W Nuten; 1 bei Durchmesserschritt W = 3q.</translation>
    </message>
    <message>
        <source>Facteur de bobinage</source>
        <translation>Wicklungsfaktor</translation>
    </message>
    <message>
        <source>k_w = k_d k_p, harmonique par harmonique.</source>
        <translation>k_w = k_d k_p, Harmonische für Harmonische.</translation>
    </message>
    <message>
        <source>Harmoniques d&apos;espace</source>
        <translation>Räumliche Harmonische</translation>
    </message>
    <message>
        <source>Harmoniques de la f.m.m. en escalier de l&apos;entrefer, mesurés sur elle, rapportés au fondamental : |k_wn| / (n |k_w1|) en théorie.</source>
        <translation>Harmonische der treppenförmigen Durchflutung im Luftspalt, an ihr gemessen, bezogen auf die Grundwelle: theoretisch |k_wn| / (n |k_w1|).</translation>
    </message>
    <message>
        <source>Vitesse des harmoniques d&apos;espace</source>
        <translation>Drehzahl der räumlichen Harmonischen</translation>
    </message>
    <message>
        <source>Vitesse signée du champ de l&apos;harmonique d&apos;espace n : ns / n, avec le fondamental pour 7 et 13, contre lui pour 5 et 11.</source>
        <translation>Vorzeichenbehaftete Drehzahl des Feldes der räumlichen Harmonischen n: ns / n, mit der Grundwelle für 7 und 13, gegen sie für 5 und 11.</translation>
    </message>
    <message>
        <source>Couple du moteur</source>
        <translation>Motormoment</translation>
    </message>
    <message>
        <source>Couple du rotor à cage, 3 I2² R2 / (g ωs), compté dans le sens du champ : positif en moteur et en freinage, négatif en génératrice.</source>
        <translation>Moment des Käfigläufers, 3 I2² R2 / (g ωs), in Drehrichtung des Feldes gezählt: positiv als Motor und beim Bremsen, negativ als Generator.</translation>
    </message>
    <message>
        <source>Courant statorique</source>
        <translation>Ständerstrom</translation>
    </message>
    <message>
        <source>Courant I1 d&apos;une phase du stator, couplage étoile.</source>
        <translation>Strom I1 eines Ständerstrangs, Sternschaltung.</translation>
    </message>
    <message>
        <source>Courant rotorique</source>
        <translation>Läuferstrom</translation>
    </message>
    <message>
        <source>Courant I2 du rotor ramené au stator, nul au synchronisme.</source>
        <translation>Läuferstrom I2, auf den Ständer bezogen, null beim Synchronismus.</translation>
    </message>
    <message>
        <source>Facteur de puissance</source>
        <translation>Leistungsfaktor</translation>
    </message>
    <message>
        <source>cos φ entre la tension et le courant d&apos;une phase du stator.</source>
        <translation>cos φ zwischen Spannung und Strom eines Ständerstrangs.</translation>
    </message>
    <message>
        <source>Puissance absorbée</source>
        <translation>Aufgenommene Leistung</translation>
    </message>
    <message>
        <source>3 V I1 cos φ, négative quand la machine rend de l&apos;énergie.</source>
        <translation>3 V I1 cos φ, negativ, wenn die Maschine Energie zurückgibt.</translation>
    </message>
    <message>
        <source>Puissance mécanique</source>
        <translation>Mechanische Leistung</translation>
    </message>
    <message>
        <source>Couple fois vitesse du rotor : positive seulement quand la machine entraîne sa charge.</source>
        <translation>Moment mal Läuferdrehzahl: nur positiv, wenn die Maschine ihre Last antreibt.</translation>
    </message>
    <message>
        <source>Glissement du couple maximal</source>
        <translation>Kippschlupf</translation>
    </message>
    <message>
        <source>R2 / |Zth + jX2|, du schéma de Thévenin exact du stator.</source>
        <translation>R2 / |Zth + jX2|, aus der exakten Thévenin-Ersatzschaltung des Ständers.</translation>
    </message>
    <message>
        <source>Couple maximal</source>
        <translation>Kippmoment</translation>
    </message>
    <message>
        <source>Le plus grand couple en moteur, qui ne dépend pas de R2.</source>
        <translation>Das größte Moment als Motor, das nicht von R2 abhängt.</translation>
    </message>
    <message>
        <source>Couple de démarrage</source>
        <translation>Anlaufmoment</translation>
    </message>
    <message>
        <source>Le couple à l&apos;arrêt, g = 1.</source>
        <translation>Das Moment im Stillstand, g = 1.</translation>
    </message>
    <message>
        <source>Couple du rotor à cage selon sa vitesse, de -ns (freinage) à 2 ns (génératrice) ; en rouge, le point de fonctionnement, en orange la charge d&apos;un rotor libre.</source>
        <translation>Moment des Käfigläufers über seiner Drehzahl, von -ns (Bremsen) bis 2 ns (Generator); rot der Betriebspunkt, orange die Last eines freien Läufers.</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>&amp;Ouvrir...</source>
        <translation>Ö&amp;ffnen...</translation>
    </message>
    <message>
        <source>&amp;Enregistrer...</source>
        <translation>&amp;Speichern...</translation>
    </message>
    <message>
        <source>Copier le &amp;lien</source>
        <translation>&amp;Link kopieren</translation>
    </message>
    <message>
        <source>E&amp;xporter l&apos;animation...</source>
        <translation>Animation e&amp;xportieren...</translation>
    </message>
    <message>
        <source>&amp;Quitter</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>Entrefer:couleur</source>
        <translation>Luftspalt: Farbe</translation>
    </message>
    <message>
        <source>Vecteur</source>
        <translation>Vektor</translation>
    </message>
    <message>
        <source>Trace</source>
        <translation>Ortskurve</translation>
    </message>
    <message>
        <source>Forces magnéto-motrices</source>
        <translation>Durchflutung</translation>
    </message>
    <message>
        <source>Couple</source>
        <translation>Drehmoment</translation>
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
        <translation>&amp;Messwerte</translation>
    </message>
    <message>
        <source>Cadence x1/4</source>
        <translation>Tempo x1/4</translation>
    </message>
    <message>
        <source>Cadence x1/2</source>
        <translation>Tempo x1/2</translation>
    </message>
    <message>
        <source>Cadence x1</source>
        <translation>Tempo x1</translation>
    </message>
    <message>
        <source>Cadence x2</source>
        <translation>Tempo x2</translation>
    </message>
    <message>
        <source>Cadence x4</source>
        <translation>Tempo x4</translation>
    </message>
    <message>
        <source>Bleu Noir Rouge</source>
        <translation>Blau Schwarz Rot</translation>
    </message>
    <message>
        <source>Vert NoirRouge</source>
        <translation>Grün Schwarz Rot</translation>
    </message>
    <message>
        <source>CAO</source>
        <translation>CAD</translation>
    </message>
    <message>
        <source>Bleu Blanc Orange</source>
        <translation>Blau Weiß Orange</translation>
    </message>
    <message>
        <source>Projection</source>
        <translation>Projektor</translation>
    </message>
    <message>
        <source>&amp;A propos de Vireflu...</source>
        <translation>Ü&amp;ber Vireflu...</translation>
    </message>
    <message>
        <source>&amp;Général</source>
        <translation>A&amp;llgemein</translation>
    </message>
    <message>
        <source>&amp;Représentation</source>
        <translation>&amp;Darstellung</translation>
    </message>
    <message>
        <source>&amp;Vue</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>&amp;Couleur</source>
        <translation>&amp;Farbe</translation>
    </message>
    <message>
        <source>&amp;?</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;Langue</source>
        <translation>&amp;Sprache</translation>
    </message>
    <message>
        <source>Annotations</source>
        <translation>Beschriftungen</translation>
    </message>
    <message>
        <source>Raccourcis &amp;clavier</source>
        <translation>&amp;Tastenkürzel</translation>
    </message>
    <message>
        <source>Conventions de &amp;signe</source>
        <translation>&amp;Vorzeichenregeln</translation>
    </message>
    <message>
        <source>&amp;Annuler</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <source>&amp;Rétablir</source>
        <translation>&amp;Wiederholen</translation>
    </message>
    <message>
        <source>Tout réi&amp;nitialiser</source>
        <translation>Alles &amp;zurücksetzen</translation>
    </message>
    <message>
        <source>É&amp;dition</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>Enregistrer &amp;sous...</source>
        <translation>Speichern &amp;unter...</translation>
    </message>
    <message>
        <source>Lé&amp;gende</source>
        <translation>Le&amp;gende</translation>
    </message>
    <message>
        <source>&amp;Bobinage</source>
        <translation>&amp;Wicklung</translation>
    </message>
</context>
<context>
    <name>Page</name>
    <message>
        <source>Fermer</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Lien copié</source>
        <translation>Link kopiert</translation>
    </message>
    <message>
        <source>Coupe de la machine</source>
        <translation>Querschnitt der Maschine</translation>
    </message>
    <message>
        <source>Menus</source>
        <translation>Menüs</translation>
    </message>
    <message>
        <source>L&apos;animation n&apos;a pas pu être enregistrée.</source>
        <translation>Die Animation konnte nicht gespeichert werden.</translation>
    </message>
    <message>
        <source>Il n&apos;y a pas de leçon « %1 ».</source>
        <translation>Es gibt keine Lektion „%1“.</translation>
    </message>
</context>
<context>
    <name>Panel</name>
    <message>
        <source>fréquence stator: %1 Hz</source>
        <translation>Statorfrequenz: %1 Hz</translation>
    </message>
    <message>
        <source>fréquence rotor: %1 Hz</source>
        <translation>Rotorfrequenz: %1 Hz</translation>
    </message>
    <message>
        <source>fréquence de rotation: %1 Hz</source>
        <translation>Drehfrequenz: %1 Hz</translation>
    </message>
    <message>
        <source>position initiale: %1 degré</source>
        <translation>Anfangslage: %1 Grad</translation>
    </message>
    <message>
        <source>phase</source>
        <translation>Phase</translation>
    </message>
    <message>
        <source>phase 1</source>
        <translation>Phase 1</translation>
    </message>
    <message>
        <source>phase 2</source>
        <translation>Phase 2</translation>
    </message>
    <message>
        <source>phase 3</source>
        <translation>Phase 3</translation>
    </message>
    <message>
        <source>sinus</source>
        <translation>Sinus</translation>
    </message>
    <message>
        <source>continu</source>
        <translation>Gleichstrom</translation>
    </message>
    <message>
        <source>rectangulaire</source>
        <translation>Rechteck</translation>
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
        <translation>Winkel auf 360° begrenzt</translation>
    </message>
    <message>
        <source>angle de la phase %1</source>
        <translation>Winkel der Phase %1</translation>
    </message>
    <message>
        <source>flèches, Page préc. et Page suiv. pour régler</source>
        <translation>Pfeiltasten, Bild auf und Bild ab zum Einstellen</translation>
    </message>
    <message>
        <source>degrés, de 0 à 360</source>
        <translation>Grad, von 0 bis 360</translation>
    </message>
    <message>
        <source>courbe de la phase %1</source>
        <translation>Kurve der Phase %1</translation>
    </message>
    <message>
        <source>le courant de la phase sur une période, le trait vertical marquant l&apos;instant</source>
        <translation>der Strom der Phase über eine Periode, der senkrechte Strich markiert den Zeitpunkt</translation>
    </message>
    <message>
        <source>fréquence</source>
        <translation>Frequenz</translation>
    </message>
    <message>
        <source>fréquence de rotation</source>
        <translation>Drehfrequenz</translation>
    </message>
    <message>
        <source>position initiale</source>
        <translation>Anfangslage</translation>
    </message>
    <message>
        <source>augmenter l&apos;angle de la phase %1</source>
        <translation>Winkel der Phase %1 vergrößern</translation>
    </message>
    <message>
        <source>diminuer l&apos;angle de la phase %1</source>
        <translation>Winkel der Phase %1 verkleinern</translation>
    </message>
    <message>
        <source>Le courant de la phase vaut sin(ωt + angle) : l&apos;angle est une avance. Dans la séquence directe, 0/240/120, les phases culminent dans l&apos;ordre 1, 2, 3 et le champ tourne dans le sens antihoraire.</source>
        <translation>Der Strom der Phase ist sin(ωt + Winkel): Der Winkel gibt ein Voreilen an. In der direkten Folge (Mitsystem), 0/240/120, erreichen die Phasen ihr Maximum in der Reihenfolge 1, 2, 3, und das Feld dreht sich im Gegenuhrzeigersinn.</translation>
    </message>
</context>
<context>
    <name>Setup</name>
    <message>
        <source>Ce lien ne contient pas de réglage Vireflu lisible.</source>
        <translation>Dieser Link enthält keine lesbare Vireflu-Einstellung.</translation>
    </message>
    <message>
        <source>Ce réglage a été fait par une version plus récente de Vireflu (format %2) : mettez Vireflu à jour pour l&apos;ouvrir.</source>
        <translation>Diese Einstellung wurde mit einer neueren Vireflu-Version erstellt (Format %2): Aktualisieren Sie Vireflu, um sie zu öffnen.</translation>
    </message>
    <message>
        <source>La clé « %1 » est inconnue de cette version de Vireflu.</source>
        <translation>Der Schlüssel „%1“ ist dieser Vireflu-Version unbekannt.</translation>
    </message>
    <message>
        <source>La clé « %1 » accepte %3.</source>
        <translation>Der Schlüssel „%1“ akzeptiert %3.</translation>
    </message>
    <message>
        <source>La clé « %1 » donne une forme d&apos;onde que le panneau n&apos;offre pas avec ce nombre de phases.</source>
        <translation>Der Schlüssel „%1“ ergibt eine Wellenform, die das Bedienfeld mit dieser Phasenzahl nicht anbietet.</translation>
    </message>
    <message>
        <source>La clé « %1 » manque.</source>
        <translation>Der Schlüssel „%1“ fehlt.</translation>
    </message>
    <message>
        <source>Le simulateur ne peut pas répondre à la question de cette leçon : son réglage ne donne aucune valeur à « %2 ».</source>
        <translation>Der Simulator kann die Frage dieser Lektion nicht beantworten: Ihre Einstellung gibt „%2“ keinen Wert.</translation>
    </message>
    <message>
        <source>Exactement un des choix de cette leçon doit être juste ; avec son réglage, le simulateur trouve %2.</source>
        <translation>Genau eine Antwort dieser Lektion muss richtig sein; mit ihrer Einstellung findet der Simulator %2.</translation>
    </message>
    <message>
        <source>Détail : le texte n&apos;est pas du JSON lisible (arrêt à l&apos;octet %2).</source>
        <translation>Detail: Der Text ist kein lesbares JSON (Abbruch bei Byte %2).</translation>
    </message>
    <message>
        <source>Détail : le document n&apos;est pas un objet JSON.</source>
        <translation>Detail: Das Dokument ist kein JSON-Objekt.</translation>
    </message>
    <message>
        <source>Détail : il dépasse 64 Kio.</source>
        <translation>Detail: Es ist größer als 64 KiB.</translation>
    </message>
    <message>
        <source>Détail : la clé « %1 » (la version du format) manque.</source>
        <translation>Detail: Der Schlüssel „%1“ (die Formatversion) fehlt.</translation>
    </message>
    <message>
        <source>Ce lien ne contient pas de montage Vireflu.</source>
        <translation>Dieser Link enthält keine Vireflu-Einstellung.</translation>
    </message>
    <message>
        <source>Ce fichier n&apos;est pas une leçon Vireflu.</source>
        <translation>Diese Datei ist keine Vireflu-Lektion.</translation>
    </message>
    <message>
        <source>Ce fichier n&apos;est pas un montage Vireflu.</source>
        <translation>Diese Datei ist keine Vireflu-Einstellung.</translation>
    </message>
    <message>
        <source>Cette leçon ne peut pas être ouverte.</source>
        <translation>Diese Lektion kann nicht geöffnet werden.</translation>
    </message>
    <message>
        <source>Ce montage ne peut pas être ouvert.</source>
        <translation>Diese Einstellung kann nicht geöffnet werden.</translation>
    </message>
    <message>
        <source>Ce fichier n&apos;est pas un parcours Vireflu.</source>
        <translation>Diese Datei ist kein Vireflu-Kurs.</translation>
    </message>
    <message>
        <source>Ce lien ne contient pas de parcours Vireflu.</source>
        <translation>Dieser Link enthält keinen Vireflu-Kurs.</translation>
    </message>
    <message>
        <source>Ce journal n&apos;est pas un journal de réponses Vireflu.</source>
        <translation>Dieses Protokoll ist kein Vireflu-Antwortprotokoll.</translation>
    </message>
    <message>
        <source>Ce parcours ne peut pas être ouvert.</source>
        <translation>Dieser Kurs kann nicht geöffnet werden.</translation>
    </message>
    <message>
        <source>Ce journal de réponses ne peut pas être lu.</source>
        <translation>Dieses Antwortprotokoll kann nicht gelesen werden.</translation>
    </message>
</context>
<context>
    <name>Shortcuts</name>
    <message>
        <source>Espace : lancer ou arrêter l&apos;animation</source>
        <translation>Leertaste: Animation starten oder anhalten</translation>
    </message>
    <message>
        <source>Origine : initialisation, l&apos;horloge à zéro</source>
        <translation>Pos1: Zurücksetzen, die Uhr auf null</translation>
    </message>
    <message>
        <source>F11 : plein écran</source>
        <translation>F11: Vollbild</translation>
    </message>
    <message>
        <source>Ctrl+O, Ctrl+S : ouvrir, enregistrer un réglage</source>
        <translation>Strg+O, Strg+S: Einstellung öffnen, speichern</translation>
    </message>
    <message>
        <source>Ctrl+Q : quitter</source>
        <translation>Strg+Q: Beenden</translation>
    </message>
    <message>
        <source>Alt + lettre soulignée : menus et boutons</source>
        <translation>Alt + unterstrichener Buchstabe: Menüs und Schaltflächen</translation>
    </message>
    <message>
        <source>Tab, flèches, Entrée, Échap : dans les panneaux</source>
        <translation>Tab, Pfeiltasten, Eingabe, Esc: in den Bedienfeldern</translation>
    </message>
    <message>
        <source>Espace et Origine agissent dans chaque fenêtre, sauf dans un champ en cours de saisie</source>
        <translation>Leertaste und Pos1 wirken in jedem Fenster, außer in einem Eingabefeld während der Eingabe</translation>
    </message>
    <message>
        <source>Raccourcis clavier</source>
        <translation>Tastenkürzel</translation>
    </message>
    <message>
        <source>Ctrl+Z, Ctrl+Maj+Z : annuler, rétablir</source>
        <translation>Strg+Z, Strg+Umschalt+Z: rückgängig, wiederholen</translation>
    </message>
    <message>
        <source>Ctrl+Maj+S : enregistrer sous un autre nom</source>
        <translation>Strg+Umschalt+S: unter anderem Namen speichern</translation>
    </message>
</context>
<context>
    <name>View</name>
    <message>
        <source>Coupe de la machine</source>
        <translation>Querschnitt der Maschine</translation>
    </message>
</context>
<context>
    <name>Welcome</name>
    <message>
        <source>Bienvenue</source>
        <translation>Willkommen</translation>
    </message>
    <message>
        <source>Vireflu anime le champ magnétique d&apos;une machine triphasée. Par où commencer ?</source>
        <translation>Vireflu zeigt das Magnetfeld einer Drehstrommaschine in Bewegung. Womit beginnen?</translation>
    </message>
    <message>
        <source>Commencer par une leçon</source>
        <translation>Mit einer Lektion beginnen</translation>
    </message>
    <message>
        <source>Ouvrir un montage</source>
        <translation>Eine Einstellung öffnen</translation>
    </message>
    <message>
        <source>Explorer</source>
        <translation>Erkunden</translation>
    </message>
</context>
<context>
    <name>Winding</name>
    <message>
        <source>Paires de pôles</source>
        <translation>Polpaare</translation>
    </message>
    <message>
        <source>p : le champ a 2p pôles et tourne à 60 f / p tr/min.</source>
        <translation>p: das Feld hat 2p Pole und dreht mit 60 f / p U/min.</translation>
    </message>
    <message>
        <source>Encoches par pôle et par phase</source>
        <translation>Nuten je Pol und Strang</translation>
    </message>
    <message>
        <source>q : chaque phase occupe q encoches voisines sous chaque pôle ; le stator en a 6pq.</source>
        <translation>q: jeder Strang belegt unter jedem Pol q benachbarte Nuten; der Ständer hat 6pq.</translation>
    </message>
    <message>
        <source>Pas des bobines (encoches)</source>
        <translation>Spulenweite (Nuten)</translation>
    </message>
    <message>
        <source>Largeur d&apos;une bobine en encoches : 3q est le pas diamétral ; un pas plus court fait un bobinage à deux couches.</source>
        <translation>Breite einer Spule in Nuten: 3q ist der Durchmesserschritt; ein kürzerer Schritt ergibt eine Zweischichtwicklung.</translation>
    </message>
    <message>
        <source>Phase coupée</source>
        <translation>Unterbrochener Strang</translation>
    </message>
    <message>
        <source>Un fil de ligne coupé : les trois bobines restent, les deux autres phases portent un même courant, opposé dans l&apos;une et l&apos;autre.</source>
        <translation>Ein Leiter unterbrochen: die drei Spulen bleiben, die beiden anderen Stränge führen denselben Strom, entgegengesetzt im einen und im anderen.</translation>
    </message>
    <message>
        <source>aucune</source>
        <translation>keine</translation>
    </message>
    <message>
        <source>Bobinage</source>
        <translation>Wicklung</translation>
    </message>
    <message>
        <source>Étoile des encoches</source>
        <translation>Nutenstern</translation>
    </message>
    <message>
        <source>%1 encoches, %2 pôles, pas %3/%4</source>
        <translation>%1 Nuten, %2 Pole, Schritt %3/%4</translation>
    </message>
    <message>
        <source>Rotor à cage</source>
        <translation>Käfigläufer</translation>
    </message>
    <message>
        <source>Les courants du rotor ne sont plus imposés : le glissement les induit, comme dans un moteur asynchrone.</source>
        <translation>Die Läuferströme werden nicht mehr vorgegeben: der Schlupf induziert sie, wie in einem Asynchronmotor.</translation>
    </message>
    <message>
        <source>Rotor libre</source>
        <translation>Freier Läufer</translation>
    </message>
    <message>
        <source>Le rotor part de la fréquence de rotation du panneau Rotor et trouve sa vitesse : J dω/dt = C - Cr.</source>
        <translation>Der Läufer startet mit der Drehfrequenz des Fensters „Rotor“ und findet seine Drehzahl: J dω/dt = M - ML.</translation>
    </message>
    <message>
        <source>Couple de charge (N·m)</source>
        <translation>Lastmoment (N·m)</translation>
    </message>
    <message>
        <source>Tension composée (V)</source>
        <translation>Außenleiterspannung (V)</translation>
    </message>
    <message>
        <source>Schéma équivalent d&apos;une phase : R1, X1, XM, X2, R2/g</source>
        <translation>Ersatzschaltbild eines Strangs: R1, X1, XM, X2, R2/g</translation>
    </message>
</context>
<context>
    <name>Window</name>
    <message>
        <source>Ouverts &amp;récemment</source>
        <translation>&amp;Zuletzt geöffnet</translation>
    </message>
    <message>
        <source>Panneaux à côté</source>
        <translation>Bedienfelder daneben</translation>
    </message>
    <message>
        <source>Disposition initiale</source>
        <translation>Ursprüngliche Anordnung</translation>
    </message>
    <message>
        <source>Leçon</source>
        <translation>Lektion</translation>
    </message>
    <message>
        <source>Autres menus</source>
        <translation>Weitere Menüs</translation>
    </message>
    <message>
        <source>Rien à animer : cochez une phase dans « Stator ».</source>
        <translation>Nichts zu animieren: Haken Sie in „Stator“ eine Phase an.</translation>
    </message>
    <message>
        <source>Répondez d&apos;abord à la question de la leçon.</source>
        <translation>Beantworten Sie zuerst die Frage der Lektion.</translation>
    </message>
    <message>
        <source>Le réglage affiché a changé. L&apos;enregistrer avant de continuer ?</source>
        <translation>Die angezeigte Einstellung wurde geändert. Vor dem Fortfahren speichern?</translation>
    </message>
    <message>
        <source>&amp;Enregistrer</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>&amp;Ne pas enregistrer</source>
        <translation>&amp;Nicht speichern</translation>
    </message>
    <message>
        <source>Annuler</source>
        <translation>Abbrechen</translation>
    </message>
</context>
</TS>
