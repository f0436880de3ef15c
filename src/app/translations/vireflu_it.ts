<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT">
<context>
    <name>AboutBox</name>
    <message>
        <source>Simulateur pédagogique, 2026</source>
        <translation>Simulatore didattico, 2026</translation>
    </message>
    <message>
        <source>Le champ tournant des machines triphasées</source>
        <translation>Il campo rotante delle macchine trifase</translation>
    </message>
    <message>
        <source>A propos de Vireflu</source>
        <translation>Informazioni su Vireflu</translation>
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
        <translation>Esporta l&apos;animazione</translation>
    </message>
    <message>
        <source>Images GIF (*.gif)</source>
        <translation>Immagini GIF (*.gif)</translation>
    </message>
    <message>
        <source>L&apos;animation n&apos;a pas pu être enregistrée : %1.</source>
        <translation>Impossibile salvare l&apos;animazione: %1.</translation>
    </message>
    <message>
        <source>Exportation de l&apos;animation...</source>
        <translation>Esportazione dell&apos;animazione...</translation>
    </message>
    <message>
        <source>Annuler</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Exportation annulée : aucun fichier n&apos;a été écrit.</source>
        <translation>Esportazione annullata: nessun file è stato scritto.</translation>
    </message>
    <message>
        <source>L&apos;animation n&apos;a pas pu être enregistrée : ses images ont plus de 256 couleurs.</source>
        <translation>Impossibile salvare l&apos;animazione: le sue immagini hanno più di 256 colori.</translation>
    </message>
    <message>
        <source>Aucune animation à exporter : aucun enroulement n&apos;est alimenté en « sinus » ou « rectangulaire » au-dessus de 0 Hz.</source>
        <translation>Nessuna animazione da esportare: nessun avvolgimento è alimentato in «seno» o «rettangolare» sopra 0 Hz.</translation>
    </message>
</context>
<context>
    <name>Annotations</name>
    <message>
        <source>↑ horaire</source>
        <translation>↑ orario</translation>
    </message>
    <message>
        <source>↓ antihoraire</source>
        <translation>↓ antiorario</translation>
    </message>
    <message>
        <source>après votre réponse</source>
        <translation>dopo la risposta</translation>
    </message>
    <message>
        <source>f.m.m.</source>
        <translation>FMM</translation>
    </message>
</context>
<context>
    <name>Answers</name>
    <message>
        <source>Le journal de réponses %1 n&apos;a pas pu être lu : %2.</source>
        <translation>Non è stato possibile leggere il registro di risposte %1: %2.</translation>
    </message>
    <message>
        <source>Mes réponses</source>
        <translation>Le mie risposte</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>Leçon</source>
        <translation>Lezione</translation>
    </message>
    <message>
        <source>Réponse</source>
        <translation>Risposta</translation>
    </message>
    <message>
        <source>Résultat</source>
        <translation>Esito</translation>
    </message>
    <message>
        <source>Secondes</source>
        <translation>Secondi</translation>
    </message>
    <message>
        <source>juste</source>
        <translation>giusta</translation>
    </message>
    <message>
        <source>faux</source>
        <translation>sbagliata</translation>
    </message>
    <message>
        <source>Exporter en CSV</source>
        <translation>Esporta in CSV</translation>
    </message>
    <message>
        <source>Exporter en JSON</source>
        <translation>Esporta in JSON</translation>
    </message>
    <message>
        <source>Effacer</source>
        <translation>Cancella</translation>
    </message>
    <message>
        <source>Effacer toutes les réponses ? Elles ne pourront pas être retrouvées.</source>
        <translation>Cancellare tutte le risposte? Non si potranno recuperare.</translation>
    </message>
    <message>
        <source>Aucune réponse pour l&apos;instant.</source>
        <translation>Ancora nessuna risposta.</translation>
    </message>
    <message>
        <source>Ce navigateur ne garde pas les réponses : elles seront perdues à la fermeture de la page.</source>
        <translation>Questo browser non conserva le risposte: andranno perse alla chiusura della pagina.</translation>
    </message>
    <message>
        <source>Exporter en CSV...</source>
        <translation>Esporta in CSV...</translation>
    </message>
    <message>
        <source>Exporter en JSON...</source>
        <translation>Esporta in JSON...</translation>
    </message>
    <message>
        <source>Tableur CSV (*.csv)</source>
        <translation>Foglio di calcolo CSV (*.csv)</translation>
    </message>
    <message>
        <source>Journal de réponses (*.json)</source>
        <translation>Registro di risposte (*.json)</translation>
    </message>
    <message>
        <source>Les réponses n&apos;ont pas pu être exportées : %1.</source>
        <translation>Non è stato possibile esportare le risposte: %1.</translation>
    </message>
    <message>
        <source>Les réponses n&apos;ont pas pu être effacées.</source>
        <translation>Non è stato possibile cancellare le risposte.</translation>
    </message>
</context>
<context>
    <name>CommandBar</name>
    <message>
        <source>&amp;Initialisation</source>
        <translation>&amp;Inizializza</translation>
    </message>
    <message>
        <source>&amp;Animation</source>
        <translation>&amp;Animazione</translation>
    </message>
    <message>
        <source>&amp;Stop</source>
        <translation>&amp;Stop</translation>
    </message>
    <message>
        <source>Commandes de l&apos;horloge</source>
        <translation>Comandi dell&apos;orologio</translation>
    </message>
</context>
<context>
    <name>Conventions</name>
    <message>
        <source>Le courant d&apos;une phase vaut sin(ωt + angle) : l&apos;angle est une avance.</source>
        <translation>La corrente di una fase vale sin(ωt + angolo): l&apos;angolo è un anticipo.</translation>
    </message>
    <message>
        <source>Séquence directe : les phases culminent dans l&apos;ordre 1, 2, 3, soit les angles 0/240/120 ; son champ tourne dans le sens antihoraire.</source>
        <translation>Sequenza diretta: le fasi raggiungono il massimo nell&apos;ordine 1, 2, 3, cioè gli angoli 0/240/120; il suo campo ruota in senso antiorario.</translation>
    </message>
    <message>
        <source>Séquence inverse : 0/120/240, l&apos;ordre 1, 3, 2 ; son champ tourne dans le sens horaire.</source>
        <translation>Sequenza inversa: 0/120/240, l&apos;ordine 1, 3, 2; il suo campo ruota in senso orario.</translation>
    </message>
    <message>
        <source>Vitesses, glissements, angles et couples sont positifs dans le sens antihoraire, celui où tourne le rotor pour une fréquence de rotation positive.</source>
        <translation>Velocità, scorrimenti, angoli e coppie sono positivi in senso antiorario, quello in cui gira il rotore per una frequenza di rotazione positiva.</translation>
    </message>
    <message>
        <source>Glissement g = (ns - n) / ns avec les vitesses signées : 0 au synchronisme, 1 à l&apos;arrêt, plus de 1 contre le champ.</source>
        <translation>Scorrimento g = (ns - n) / ns con le velocità con segno: 0 al sincronismo, 1 da fermo, oltre 1 contro il campo.</translation>
    </message>
    <message>
        <source>La barre de couple monte pour un couple horaire et descend pour un couple antihoraire.</source>
        <translation>La barra della coppia sale per una coppia oraria e scende per una coppia antioraria.</translation>
    </message>
    <message>
        <source>L&apos;harmonique n des courants fait un champ qui tourne n fois plus vite que le fondamental : 5 et 11 contre lui, 7 et 13 avec lui.</source>
        <translation>L&apos;armonica n delle correnti crea un campo che ruota n volte più veloce della fondamentale: 5 e 11 contro di essa, 7 e 13 con essa.</translation>
    </message>
    <message>
        <source>Conventions de signe</source>
        <translation>Convenzioni di segno</translation>
    </message>
</context>
<context>
    <name>Course</name>
    <message>
        <source>Ouvrir un parcours</source>
        <translation>Apri un percorso</translation>
    </message>
    <message>
        <source>Parcours Vireflu (*.json)</source>
        <translation>Percorsi Vireflu (*.json)</translation>
    </message>
    <message>
        <source>Composez ou ouvrez d&apos;abord un parcours.</source>
        <translation>Componete o aprite prima un percorso.</translation>
    </message>
    <message>
        <source>Parcours terminé : %1</source>
        <translation>Percorso terminato: %1</translation>
    </message>
    <message>
        <source>Bonnes réponses : %1 sur %2 (%3 %).</source>
        <translation>Risposte giuste: %1 su %2 (%3 %).</translation>
    </message>
    <message>
        <source>Réussi (note de passage : %1 %).</source>
        <translation>Superato (soglia: %1 %).</translation>
    </message>
    <message>
        <source>Pas encore réussi (note de passage : %1 %).</source>
        <translation>Non ancora superato (soglia: %1 %).</translation>
    </message>
    <message>
        <source>%1 : sans réponse</source>
        <translation>%1: senza risposta</translation>
    </message>
    <message>
        <source>%1 : juste</source>
        <translation>%1: giusta</translation>
    </message>
    <message>
        <source>%1 : faux</source>
        <translation>%1: sbagliata</translation>
    </message>
    <message>
        <source>Composer un parcours</source>
        <translation>Componi un percorso</translation>
    </message>
    <message>
        <source>Titre</source>
        <translation>Titolo</translation>
    </message>
    <message>
        <source>Note de passage (%)</source>
        <translation>Soglia di superamento (%)</translation>
    </message>
    <message>
        <source>Leçons de Vireflu</source>
        <translation>Lezioni di Vireflu</translation>
    </message>
    <message>
        <source>Ajouter</source>
        <translation>Aggiungi</translation>
    </message>
    <message>
        <source>Ajouter une leçon de fichier...</source>
        <translation>Aggiungi una lezione da file...</translation>
    </message>
    <message>
        <source>Leçons du parcours</source>
        <translation>Lezioni del percorso</translation>
    </message>
    <message>
        <source>Monter</source>
        <translation>Sposta su</translation>
    </message>
    <message>
        <source>Descendre</source>
        <translation>Sposta giù</translation>
    </message>
    <message>
        <source>Retirer</source>
        <translation>Rimuovi</translation>
    </message>
    <message>
        <source>Commencer</source>
        <translation>Inizia</translation>
    </message>
    <message>
        <source>Enregistrer...</source>
        <translation>Salva...</translation>
    </message>
    <message>
        <source>Copier le lien</source>
        <translation>Copia il link</translation>
    </message>
    <message>
        <source>Exporter pour une plateforme (SCORM)...</source>
        <translation>Esporta per una piattaforma (SCORM)...</translation>
    </message>
    <message>
        <source>aucune</source>
        <translation>nessuna</translation>
    </message>
    <message>
        <source>Le parcours %1 n&apos;a pas pu être lu : %2.</source>
        <translation>Non è stato possibile leggere il percorso %1: %2.</translation>
    </message>
    <message>
        <source>Enregistrer le parcours</source>
        <translation>Salva il percorso</translation>
    </message>
    <message>
        <source>Le parcours n&apos;a pas pu être enregistré : %1.</source>
        <translation>Non è stato possibile salvare il percorso: %1.</translation>
    </message>
    <message>
        <source>La page de Vireflu (vireflu.html) est introuvable : construisez-la avec « make web ».</source>
        <translation>La pagina di Vireflu (vireflu.html) non si trova: costruitela con «make web».</translation>
    </message>
    <message>
        <source>%1 n&apos;a pas pu être lue comme la page de Vireflu.</source>
        <translation>%1 non è stato possibile leggerla come pagina di Vireflu.</translation>
    </message>
    <message>
        <source>Exporter pour une plateforme (SCORM)</source>
        <translation>Esporta per una piattaforma (SCORM)</translation>
    </message>
    <message>
        <source>Paquet SCORM (*.zip)</source>
        <translation>Pacchetto SCORM (*.zip)</translation>
    </message>
    <message>
        <source>Le paquet n&apos;a pas pu être enregistré : %1.</source>
        <translation>Non è stato possibile salvare il pacchetto: %1.</translation>
    </message>
</context>
<context>
    <name>Description</name>
    <message>
        <source>%1 : phases %2 en %3.</source>
        <translation>%1: fasi %2 alimentate in %3.</translation>
    </message>
    <message>
        <source>%1 : phase %2 en %3.</source>
        <translation>%1: fase %2 alimentata in %3.</translation>
    </message>
    <message>
        <source>%1 : aucun courant.</source>
        <translation>%1: nessuna corrente.</translation>
    </message>
    <message>
        <source>Champ %1, %2.</source>
        <translation>Campo: %1, %2.</translation>
    </message>
    <message>
        <source>Pas de champ tournant.</source>
        <translation>Nessun campo rotante.</translation>
    </message>
    <message>
        <source>Rotor à %1.</source>
        <translation>Rotore a %1.</translation>
    </message>
    <message>
        <source>Couple %1.</source>
        <translation>Coppia: %1.</translation>
    </message>
    <message>
        <source>Présentation : %1.</source>
        <translation>Rappresentazione: %1.</translation>
    </message>
    <message>
        <source>Champ : %1.</source>
        <translation>Campo: %1.</translation>
    </message>
    <message>
        <source>Couple : %1.</source>
        <translation>Coppia: %1.</translation>
    </message>
</context>
<context>
    <name>Files</name>
    <message>
        <source>Réglages Vireflu (*.vireflu)</source>
        <translation>Configurazioni Vireflu (*.vireflu)</translation>
    </message>
    <message>
        <source>Ouvrir un réglage</source>
        <translation>Apri una configurazione</translation>
    </message>
    <message>
        <source>Le réglage %1 n&apos;a pas pu être lu : %2.</source>
        <translation>Impossibile leggere la configurazione %1: %2.</translation>
    </message>
    <message>
        <source>%1 n&apos;a pas été ouvert.</source>
        <translation>%1 non è stato aperto.</translation>
    </message>
    <message>
        <source>Enregistrer le réglage</source>
        <translation>Salva la configurazione</translation>
    </message>
    <message>
        <source>Le réglage n&apos;a pas pu être enregistré : %1.</source>
        <translation>Impossibile salvare la configurazione: %1.</translation>
    </message>
</context>
<context>
    <name>Lesson</name>
    <message>
        <source>%1 tr/min</source>
        <translation>%1 giri/min</translation>
    </message>
    <message>
        <source>dans le sens horaire</source>
        <translation>in senso orario</translation>
    </message>
    <message>
        <source>dans le sens antihoraire</source>
        <translation>in senso antiorario</translation>
    </message>
    <message>
        <source>Le champ pulse sur un axe fixe : ses deux moitiés tournent en sens opposés à %1</source>
        <translation>Il campo pulsa lungo un asse fisso: le sue due metà ruotano in versi opposti a %1</translation>
    </message>
    <message>
        <source>Le champ tourne %1 à %2</source>
        <translation>Il campo ruota %1 a %2</translation>
    </message>
    <message>
        <source>Le champ tourne %1 à %2 : vitesse signée %3</source>
        <translation>Il campo ruota %1 a %2: velocità con segno %3</translation>
    </message>
    <message>
        <source>Le glissement vaut %1 : champ à %2, rotor à %3</source>
        <translation>Lo scorrimento vale %1: campo a %2, rotore a %3</translation>
    </message>
    <message>
        <source>Sur une période, le couple moyen est nul (%1) : il change de signe</source>
        <translation>Su un periodo, la coppia media è nulla (%1): cambia segno</translation>
    </message>
    <message>
        <source>Sur une période, le couple moyen pousse le rotor %1 (%2)</source>
        <translation>Su un periodo, la coppia media spinge il rotore %1 (%2)</translation>
    </message>
    <message>
        <source>Le couple antihoraire est le plus grand avec le rotor à %1°</source>
        <translation>La coppia antioraria è massima con il rotore a %1°</translation>
    </message>
    <message>
        <source>Le champ d&apos;une phase</source>
        <translation>Il campo di una fase</translation>
    </message>
    <message>
        <source>Une seule phase</source>
        <translation>Una sola fase</translation>
    </message>
    <message>
        <source>Quand l&apos;horloge tourne, que fait le champ ?</source>
        <translation>Quando l&apos;orologio avanza, che cosa fa il campo?</translation>
    </message>
    <message>
        <source>ouvrez la fenêtre « Mesures » et cochez « Deux champs tournants » : les deux moitiés tournent en sens opposés.</source>
        <translation>apri la finestra «Misure» e spunta «Due campi rotanti»: le due metà ruotano in versi opposti.</translation>
    </message>
    <message>
        <source>Il tourne dans le sens horaire</source>
        <translation>Ruota in senso orario</translation>
    </message>
    <message>
        <source>Il tourne dans le sens antihoraire</source>
        <translation>Ruota in senso antiorario</translation>
    </message>
    <message>
        <source>Il pulse sur place, sans tourner</source>
        <translation>Pulsa sul posto, senza ruotare</translation>
    </message>
    <message>
        <source>Le champ tournant</source>
        <translation>Il campo rotante</translation>
    </message>
    <message>
        <source>Trois phases</source>
        <translation>Tre fasi</translation>
    </message>
    <message>
        <source>Que fait le champ résultant ?</source>
        <translation>Che cosa fa il campo risultante?</translation>
    </message>
    <message>
        <source>choisissez la représentation « Trace » : la pointe du champ décrit un cercle.</source>
        <translation>scegli la rappresentazione «Traccia»: la punta del campo descrive un cerchio.</translation>
    </message>
    <message>
        <source>Deux phases inversées</source>
        <translation>Due fasi invertite</translation>
    </message>
    <message>
        <source>Dans quel sens tourne le champ ?</source>
        <translation>In quale verso ruota il campo?</translation>
    </message>
    <message>
        <source>remettez 120° et 240° dans le panneau Stator et comparez.</source>
        <translation>rimetti 120° e 240° nel pannello Statore e confronta.</translation>
    </message>
    <message>
        <source>Que fait le champ ?</source>
        <translation>Che cosa fa il campo?</translation>
    </message>
    <message>
        <source>Deux phases à 90°</source>
        <translation>Due fasi a 90°</translation>
    </message>
    <message>
        <source>mettez 270° au lieu de 90° pour la phase 2 : le champ change de sens.</source>
        <translation>metti 270° invece di 90° per la fase 2: il campo inverte il verso di rotazione.</translation>
    </message>
    <message>
        <source>Fréquence et vitesse</source>
        <translation>Frequenza e velocità</translation>
    </message>
    <message>
        <source>Quelle est la vitesse de synchronisme du champ ?</source>
        <translation>Qual è la velocità di sincronismo del campo?</translation>
    </message>
    <message>
        <source>ouvrez la fenêtre « Mesures » et changez la fréquence dans le panneau Stator.</source>
        <translation>apri la finestra «Misure» e cambia la frequenza nel pannello Statore.</translation>
    </message>
    <message>
        <source>+3000 tr/min</source>
        <translation>+3000 giri/min</translation>
    </message>
    <message>
        <source>+1500 tr/min</source>
        <translation>+1500 giri/min</translation>
    </message>
    <message>
        <source>-1500 tr/min</source>
        <translation>-1500 giri/min</translation>
    </message>
    <message>
        <source>+750 tr/min</source>
        <translation>+750 giri/min</translation>
    </message>
    <message>
        <source>Courant continu</source>
        <translation>Corrente continua</translation>
    </message>
    <message>
        <source>La bobine 1 du stator est parcourue par un courant continu.</source>
        <translation>La bobina 1 dello statore è percorsa da una corrente continua.</translation>
    </message>
    <message>
        <source>Que fait le champ quand l&apos;horloge tourne ?</source>
        <translation>Che cosa fa il campo quando l&apos;orologio avanza?</translation>
    </message>
    <message>
        <source>alimentez plutôt le rotor en continu et donnez-lui une rotation : son champ tourne avec lui.</source>
        <translation>alimenta invece il rotore in corrente continua e fallo ruotare: il suo campo ruota insieme a lui.</translation>
    </message>
    <message>
        <source>Il pulse sur place</source>
        <translation>Pulsa sul posto</translation>
    </message>
    <message>
        <source>Il reste immobile</source>
        <translation>Resta immobile</translation>
    </message>
    <message>
        <source>La machine synchrone</source>
        <translation>La macchina sincrona</translation>
    </message>
    <message>
        <source>Au synchronisme</source>
        <translation>Al sincronismo</translation>
    </message>
    <message>
        <source>Sur une période, dans quel sens le couple moyen pousse-t-il le rotor ?</source>
        <translation>Su un periodo, in quale verso la coppia media spinge il rotore?</translation>
    </message>
    <message>
        <source>mettez la position initiale à 330° : le rotor est en avance de 60° et la machine freine.</source>
        <translation>imposta la posizione iniziale a 330°: il rotore è in anticipo di 60° e la macchina frena.</translation>
    </message>
    <message>
        <source>Dans le sens de rotation (antihoraire)</source>
        <translation>Nel verso di rotazione (antiorario)</translation>
    </message>
    <message>
        <source>Contre la rotation (horaire)</source>
        <translation>Contro la rotazione (orario)</translation>
    </message>
    <message>
        <source>Il est nul</source>
        <translation>È nulla</translation>
    </message>
    <message>
        <source>L&apos;angle de couple</source>
        <translation>L&apos;angolo di coppia</translation>
    </message>
    <message>
        <source>Stator et rotor sont alimentés en continu ; le champ du stator pointe vers la droite (0°). La position initiale du rotor, dans le panneau Rotor, fixe l&apos;angle entre les deux champs.</source>
        <translation>Statore e rotore sono alimentati in corrente continua; il campo dello statore punta verso destra (0°). La posizione iniziale del rotore, nel pannello Rotore, fissa l&apos;angolo tra i due campi.</translation>
    </message>
    <message>
        <source>À quelle position du rotor le couple antihoraire est-il le plus grand ?</source>
        <translation>In quale posizione del rotore la coppia antioraria è massima?</translation>
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
        <translation>Un rotore trascinato contro il campo</translation>
    </message>
    <message>
        <source>Quel est le glissement g = (ns - n) / ns ?</source>
        <translation>Qual è lo scorrimento g = (ns - n) / ns?</translation>
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
        <translation>La macchina asincrona</translation>
    </message>
    <message>
        <source>Le glissement</source>
        <translation>Lo scorrimento</translation>
    </message>
    <message>
        <source>Quel est le glissement ?</source>
        <translation>Qual è lo scorrimento?</translation>
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
        <translation>La frequenza delle correnti del rotore</translation>
    </message>
    <message>
        <source>Quelle est la fréquence des courants induits dans le rotor ?</source>
        <translation>Qual è la frequenza delle correnti indotte nel rotore?</translation>
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
        <translation>Le armoniche</translation>
    </message>
    <message>
        <source>L&apos;harmonique 5 de l&apos;onduleur</source>
        <translation>L&apos;armonica 5 dell&apos;inverter</translation>
    </message>
    <message>
        <source>Dans quel sens tourne le champ de l&apos;harmonique 5 ?</source>
        <translation>In quale verso ruota il campo dell&apos;armonica 5?</translation>
    </message>
    <message>
        <source>Dans le sens horaire, contre le fondamental</source>
        <translation>In senso orario, contro la fondamentale</translation>
    </message>
    <message>
        <source>Dans le sens antihoraire, avec le fondamental</source>
        <translation>In senso antiorario, con la fondamentale</translation>
    </message>
    <message>
        <source>L&apos;harmonique 7 de l&apos;onduleur</source>
        <translation>L&apos;armonica 7 dell&apos;inverter</translation>
    </message>
    <message>
        <source>Dans quel sens tourne le champ de l&apos;harmonique 7 ?</source>
        <translation>In quale verso ruota il campo dell&apos;armonica 7?</translation>
    </message>
    <message>
        <source>,</source>
        <translation>,</translation>
    </message>
    <message>
        <source>Le champ reste immobile : rien n&apos;alterne dans le stator</source>
        <translation>Il campo resta fermo: nello statore nulla si alterna</translation>
    </message>
    <message>
        <source>Le stator ne crée aucun champ</source>
        <translation>Lo statore non crea alcun campo</translation>
    </message>
    <message>
        <source>%1 Hz</source>
        <translation>%1 Hz</translation>
    </message>
    <message>
        <source>Vitesses, glissements, angles et couples sont comptés positifs dans le sens antihoraire, celui où tourne le rotor pour une fréquence de rotation positive.</source>
        <translation>Velocità, scorrimenti, angoli e coppie sono contati positivi in senso antiorario, quello in cui gira il rotore per una frequenza di rotazione positiva.</translation>
    </message>
    <message>
        <source>La barre de couple monte quand le couple pousse le rotor dans le sens horaire et descend quand il le pousse dans le sens antihoraire.</source>
        <translation>La barra di coppia sale quando la coppia spinge il rotore in senso orario e scende quando lo spinge in senso antiorario.</translation>
    </message>
    <message>
        <source>Les courants du rotor ont une fréquence de %1 (%2 × %3)</source>
        <translation>Le correnti del rotore hanno una frequenza di %1 (%2 × %3)</translation>
    </message>
    <message>
        <source>L&apos;harmonique %1 (%2 % du fondamental) tourne %3 à %4, %1 fois la vitesse du fondamental</source>
        <translation>L&apos;armonica %1 (%2 % della fondamentale) ruota %3 a %4, %1 volte la velocità della fondamentale</translation>
    </message>
    <message>
        <source>Une seule bobine du stator est alimentée par un courant sinusoïdal de {frequency}. La flèche rouge montre le champ dans l&apos;entrefer.</source>
        <translation>Una sola bobina dello statore è alimentata da una corrente sinusoidale a {frequency}. La freccia rossa mostra il campo nel traferro.</translation>
    </message>
    <message>
        <source>Le champ d&apos;une bobine reste sur son axe : il grandit, s&apos;annule et change de signe avec le courant. Il se décompose en deux moitiés égales qui tournent en sens opposés, chacune à {field-speed}.</source>
        <translation>Il campo di una bobina resta sul suo asse: cresce, si annulla e cambia segno con la corrente. Si scompone in due metà uguali che ruotano in versi opposti, ciascuna a {field-speed}.</translation>
    </message>
    <message>
        <source>Une bobine seule ne fait un champ que sur son axe : la flèche rouge ne quitte pas cet axe, elle change seulement de longueur et de signe. Regardez-la pendant une période.</source>
        <translation>Una bobina da sola crea un campo solo lungo il suo asse: la freccia rossa non lascia mai quell&apos;asse, cambia solo lunghezza e segno. Osservala per un periodo.</translation>
    </message>
    <message>
        <source>Les trois bobines du stator, décalées de 120° dans l&apos;espace, sont alimentées à {frequency} par des courants d&apos;angles {stator-angles}. Un angle est une avance : le courant de la phase vaut sin(ωt + angle).</source>
        <translation>Le tre bobine dello statore, sfasate di 120° nello spazio, sono alimentate a {frequency} da correnti con angoli {stator-angles}. Un angolo è un anticipo: la corrente della fase vale sin(ωt + angolo).</translation>
    </message>
    <message>
        <source>Les trois champs pulsants s&apos;ajoutent en un champ de longueur constante qui fait un tour par période : {field-speed}. Il passe d&apos;une bobine à la suivante dans l&apos;ordre où leurs courants culminent : la phase 1, puis la 3, en retard de 120°, puis la 2. C&apos;est la séquence inverse, et le champ tourne {field-sense}.</source>
        <translation>I tre campi pulsanti si sommano in un campo di lunghezza costante che compie un giro per periodo: {field-speed}. Passa da una bobina alla successiva nell&apos;ordine in cui le loro correnti raggiungono il massimo: la fase 1, poi la 3, in ritardo di 120°, poi la 2. È la sequenza inversa, e il campo ruota {field-sense}.</translation>
    </message>
    <message>
        <source>Les angles semblent donner l&apos;ordre 1, 2, 3, mais ce sont des avances : la phase 3, en avance de 240°, c&apos;est-à-dire en retard de 120°, culmine avant la phase 2. Regardez dans le panneau Stator quel courant culmine juste après celui de la phase 1.</source>
        <translation>Gli angoli sembrano dare l&apos;ordine 1, 2, 3, ma sono anticipi: la fase 3, in anticipo di 240°, cioè in ritardo di 120°, raggiunge il massimo prima della fase 2. Guarda nel pannello Statore quale corrente raggiunge il massimo subito dopo quella della fase 1.</translation>
    </message>
    <message>
        <source>Chaque bobine seule fait un champ pulsant, mais trois champs pulsants décalés dans l&apos;espace et dans le temps s&apos;ajoutent en un champ de longueur constante. Regardez la longueur de la flèche rouge.</source>
        <translation>Ogni bobina da sola crea un campo pulsante, ma tre campi pulsanti sfasati nello spazio e nel tempo si sommano in un campo di lunghezza costante. Osserva la lunghezza della freccia rossa.</translation>
    </message>
    <message>
        <source>Le même stator triphasé, mais les courants des phases 2 et 3 ont été échangés : leurs angles sont maintenant {stator-angles}.</source>
        <translation>Lo stesso statore trifase, ma le correnti delle fasi 2 e 3 sono state scambiate: i loro angoli sono ora {stator-angles}.</translation>
    </message>
    <message>
        <source>Les courants culminent maintenant dans l&apos;ordre 1, 2, 3 au lieu de 1, 3, 2 : c&apos;est la séquence directe. Le champ, qui va d&apos;une bobine à celle dont le courant culmine ensuite, tourne {field-sense}, toujours à {field-speed}. C&apos;est ainsi qu&apos;on inverse le sens d&apos;un moteur triphasé : on échange deux de ses fils.</source>
        <translation>Ora le correnti raggiungono il massimo nell&apos;ordine 1, 2, 3 invece di 1, 3, 2: è la sequenza diretta. Il campo, che va da una bobina a quella la cui corrente raggiunge il massimo subito dopo, ruota {field-sense}, sempre a {field-speed}. È così che si inverte il verso di rotazione di un motore trifase: si scambiano due dei suoi conduttori di linea.</translation>
    </message>
    <message>
        <source>C&apos;était le sens de la leçon précédente. Échanger deux phases change l&apos;ordre dans lequel les courants culminent, et le champ suit cet ordre.</source>
        <translation>Era il verso della lezione precedente. Scambiare due fasi cambia l&apos;ordine in cui le correnti raggiungono il massimo, e il campo segue quell&apos;ordine.</translation>
    </message>
    <message>
        <source>Deux bobines à angle droit sont alimentées par des courants décalés de 90° dans le temps, d&apos;angles {stator-angles} : la bobine 2, en avance, atteint son maximum un quart de période avant la bobine 1.</source>
        <translation>Due bobine ad angolo retto sono alimentate da correnti sfasate di 90° nel tempo, con angoli {stator-angles}: la bobina 2, in anticipo, raggiunge il massimo un quarto di periodo prima della bobina 1.</translation>
    </message>
    <message>
        <source>Deux bobines en quadrature, avec des courants en quadrature, suffisent à faire un champ tournant de longueur constante, ici {field-sense} à {field-speed}. Il va de la bobine dont le courant est en avance vers l&apos;autre. C&apos;est le principe des moteurs monophasés à condensateur.</source>
        <translation>Due bobine in quadratura, con correnti in quadratura, bastano a creare un campo rotante di lunghezza costante, che qui ruota {field-sense} a {field-speed}. Va dalla bobina la cui corrente è in anticipo verso l&apos;altra. È il principio dei motori monofase a condensatore.</translation>
    </message>
    <message>
        <source>La bobine 2 est bien à 90° de la bobine 1, mais son courant est en avance : le champ part d&apos;elle et va vers la bobine 1.</source>
        <translation>La bobina 2 è proprio a 90° dalla bobina 1, ma la sua corrente è in anticipo: il campo parte da essa e va verso la bobina 1.</translation>
    </message>
    <message>
        <source>Le stator triphasé à une paire de pôles est alimenté à {frequency}, avec les angles {stator-angles}. {convention}</source>
        <translation>Lo statore trifase a una coppia di poli è alimentato a {frequency}, con gli angoli {stator-angles}. {convention}</translation>
    </message>
    <message>
        <source>Le champ fait un tour par période du courant : n = 60 f / p, soit {field-speed} avec une paire de pôles à {frequency}. Les angles {stator-angles} forment la séquence directe, qui le fait tourner {field-sense} : la vitesse signée vaut {field-signed-speed}.</source>
        <translation>Il campo compie un giro per periodo della corrente: n = 60 f / p, cioè {field-speed} con una coppia di poli a {frequency}. Gli angoli {stator-angles} formano la sequenza diretta, che lo fa ruotare {field-sense}: la velocità con segno vale {field-signed-speed}.</translation>
    </message>
    <message>
        <source>C&apos;est la vitesse d&apos;un réseau européen. La vitesse de synchronisme suit la fréquence : n = 60 f / p, avec ici f = {frequency}.</source>
        <translation>È la velocità su una rete europea. La velocità di sincronismo segue la frequenza: n = 60 f / p, qui con f = {frequency}.</translation>
    </message>
    <message>
        <source>La valeur est juste, pas le signe. {convention}</source>
        <translation>Il valore è giusto, il segno no. {convention}</translation>
    </message>
    <message>
        <source>Un courant constant fait un champ constant, fixe sur l&apos;axe de la bobine : rien ne tourne tant que le rotor ne tourne pas. C&apos;est le champ de l&apos;inducteur d&apos;une machine synchrone, ou d&apos;un aimant.</source>
        <translation>Una corrente costante crea un campo costante, fisso sull&apos;asse della bobina: nulla ruota finché il rotore è fermo. È il campo dell&apos;induttore di una macchina sincrona, o di un magnete.</translation>
    </message>
    <message>
        <source>Le champ du stator tourne {field-sense} à {field-speed}. Le rotor, alimenté en continu, tourne {rotor-sense} à {rotor-speed}, son champ en retard de 60° sur celui du stator. La barre à gauche montre le couple.</source>
        <translation>Il campo dello statore ruota {field-sense} a {field-speed}. Il rotore, alimentato in corrente continua, ruota {rotor-sense} a {rotor-speed}, con il suo campo in ritardo di 60° su quello dello statore. La barra a sinistra mostra la coppia.</translation>
    </message>
    <message>
        <source>Au synchronisme les deux champs tournent ensemble : leur angle reste fixe, donc le couple aussi, {mean-torque}. Le champ du stator, en avance, tire celui du rotor dans le sens de rotation : la machine est motrice. {torque-bar}</source>
        <translation>Al sincronismo i due campi ruotano insieme: il loro angolo resta fisso, e quindi anche la coppia, {mean-torque}. Il campo dello statore, in anticipo, trascina quello del rotore nel verso di rotazione: la macchina funziona da motore. {torque-bar}</translation>
    </message>
    <message>
        <source>Le champ du rotor est en retard sur celui du stator : le stator le tire en avant, dans le sens de rotation, comme un aimant en entraîne un autre.</source>
        <translation>Il campo del rotore è in ritardo su quello dello statore: lo statore lo tira in avanti, nel verso di rotazione, come un magnete ne trascina un altro.</translation>
    </message>
    <message>
        <source>Au synchronisme l&apos;angle entre les deux champs reste fixe : le couple ne change pas de signe, sa moyenne n&apos;est donc pas nulle. Regardez la barre de couple.</source>
        <translation>Al sincronismo l&apos;angolo tra i due campi resta fisso: la coppia non cambia segno, quindi la sua media non è nulla. Osserva la barra di coppia.</translation>
    </message>
    <message>
        <source>Le couple vaut le produit des deux champs par le sinus de leur angle. Il est nul quand ils sont alignés (0° ou 180°) et le plus grand à angle droit. À 270°, le champ du stator est en avance de 90° sur celui du rotor et le tire en avant : le couple positif est le plus grand.</source>
        <translation>La coppia è il prodotto dei due campi per il seno del loro angolo. È nulla quando sono allineati (0° o 180°) e massima ad angolo retto. A 270°, il campo dello statore è in anticipo di 90° su quello del rotore e lo tira in avanti: la coppia positiva è massima.</translation>
    </message>
    <message>
        <source>mettez la position initiale à 90° puis à 270° avec le curseur du panneau Rotor et comparez les barres de couple. {torque-bar}</source>
        <translation>imposta la posizione iniziale a 90° e poi a 270° con il cursore del pannello Rotore e confronta le barre di coppia. {torque-bar}</translation>
    </message>
    <message>
        <source>Le champ du stator tourne {field-sense} à {field-speed}. Une machine extérieure entraîne le rotor {rotor-sense}, à {rotor-speed}. {convention}</source>
        <translation>Il campo dello statore ruota {field-sense} a {field-speed}. Una macchina esterna trascina il rotore {rotor-sense}, a {rotor-speed}. {convention}</translation>
    </message>
    <message>
        <source>Avec les vitesses signées, ns = {field-signed-speed} et n = {rotor-signed-speed} : g = {slip}. Un glissement supérieur à 1 veut dire que le rotor tourne contre le champ : la machine freine (freinage par contre-courant) et les courants induits dans le rotor ont une fréquence de {rotor-frequency}.</source>
        <translation>Con le velocità con segno, ns = {field-signed-speed} e n = {rotor-signed-speed}: g = {slip}. Uno scorrimento maggiore di 1 significa che il rotore gira contro il campo: la macchina frena (frenatura in controcorrente) e le correnti indotte nel rotore hanno una frequenza di {rotor-frequency}.</translation>
    </message>
    <message>
        <source>ouvrez la fenêtre « Mesures » et lisez la fréquence rotorique.</source>
        <translation>apri la finestra «Misure» e leggi la frequenza rotorica.</translation>
    </message>
    <message>
        <source>Un glissement nul voudrait dire que le rotor suit le champ ; ici il tourne en sens inverse. Prenez les vitesses avec leur signe.</source>
        <translation>Uno scorrimento nullo significherebbe che il rotore segue il campo; qui gira nel verso opposto. Prendi le velocità con il loro segno.</translation>
    </message>
    <message>
        <source>Un moteur asynchrone : le champ du stator tourne {field-sense} à {field-speed}, le rotor le suit à {rotor-speed}.</source>
        <translation>Un motore asincrono: il campo dello statore ruota {field-sense} a {field-speed}, il rotore lo segue a {rotor-speed}.</translation>
    </message>
    <message>
        <source>g = (ns - n) / ns = {slip} : le rotor glisse un peu derrière le champ, de {slip-speed}. Dans un moteur asynchrone, c&apos;est ce retard qui induit des courants dans les barres du rotor et donc le couple ; au synchronisme exact, plus rien n&apos;est induit. Ici le rotor est entraîné à vitesse imposée, sans courant.</source>
        <translation>g = (ns - n) / ns = {slip}: il rotore scorre un po&apos; dietro al campo, di {slip-speed}. In un motore asincrono è questo ritardo che induce correnti nelle barre del rotore e quindi la coppia; al sincronismo esatto non si induce più nulla. Qui il rotore è trascinato a velocità imposta, senza corrente.</translation>
    </message>
    <message>
        <source>donnez au rotor une rotation de {frequency}, celle du réseau : le glissement devient nul.</source>
        <translation>dai al rotore una rotazione di {frequency}, quella della rete: lo scorrimento si annulla.</translation>
    </message>
    <message>
        <source>C&apos;est n / ns, le rapport des deux vitesses. Le glissement est l&apos;écart entre elles rapporté à la vitesse du champ : g = (ns - n) / ns.</source>
        <translation>Questo è n / ns, il rapporto tra le due velocità. Lo scorrimento è la differenza tra di esse riferita alla velocità del campo: g = (ns - n) / ns.</translation>
    </message>
    <message>
        <source>Le même moteur : champ {field-sense} à {field-speed}, rotor à {rotor-speed}, alimentation à {frequency}. Le rotor voit le champ défiler lentement.</source>
        <translation>Lo stesso motore: campo {field-sense} a {field-speed}, rotore a {rotor-speed}, alimentazione a {frequency}. Il rotore vede il campo scorrere lentamente.</translation>
    </message>
    <message>
        <source>Le champ dépasse le rotor de {slip-speed} : les courants du rotor ont la fréquence g f = {slip} × {frequency} = {rotor-frequency}. À l&apos;arrêt, ils auraient celle du réseau.</source>
        <translation>Il campo supera il rotore di {slip-speed}: le correnti del rotore hanno la frequenza g f = {slip} × {frequency} = {rotor-frequency}. A rotore fermo avrebbero quella della rete.</translation>
    </message>
    <message>
        <source>alimentez le rotor en triphasé à {rotor-frequency} avec les angles {stator-angles} : son champ tourne avec celui du stator.</source>
        <translation>alimenta il rotore in trifase a {rotor-frequency} con gli angoli {stator-angles}: il suo campo ruota con quello dello statore.</translation>
    </message>
    <message>
        <source>C&apos;est la fréquence du réseau, celle que le rotor verrait à l&apos;arrêt. Il tourne presque aussi vite que le champ : il le voit passer lentement.</source>
        <translation>È la frequenza della rete, quella che il rotore vedrebbe da fermo. Gira quasi veloce quanto il campo: lo vede passare lentamente.</translation>
    </message>
    <message>
        <source>Un onduleur à six pas alimente le stator : ses courants en escalier contiennent le fondamental à {frequency} et des harmoniques. Ses pas se suivent dans l&apos;ordre de la séquence directe, {stator-angles}, et le fondamental fait tourner le champ {field-sense} à {field-speed}.</source>
        <translation>Un inverter a sei gradini alimenta lo statore: le sue correnti a gradini contengono la fondamentale a {frequency} e delle armoniche. I suoi gradini si susseguono nell&apos;ordine della sequenza diretta, {stator-angles}, e la fondamentale fa ruotare il campo {field-sense} a {field-speed}.</translation>
    </message>
    <message>
        <source>L&apos;harmonique n d&apos;un courant est décalé de n fois l&apos;angle du fondamental. Pour n = 5 : 0°, 5 × 240° = 1200° et 5 × 120° = 600°, soit 0°, 120°, 240° : la séquence inverse. Son champ tourne donc {harmonic-5-sense}, et comme ses courants alternent 5 fois plus vite, à {harmonic-5-speed}. Les harmoniques 5 et 11 tournent contre le fondamental, 7 et 13 avec lui.</source>
        <translation>L&apos;armonica n di una corrente è sfasata di n volte l&apos;angolo della fondamentale. Per n = 5: 0°, 5 × 240° = 1200° e 5 × 120° = 600°, cioè 0°, 120°, 240°: la sequenza inversa. Il suo campo ruota quindi {harmonic-5-sense} e, poiché le sue correnti alternano 5 volte più velocemente, a {harmonic-5-speed}. Le armoniche 5 e 11 ruotano contro la fondamentale, la 7 e la 13 con essa.</translation>
    </message>
    <message>
        <source>ouvrez la fenêtre « Mesures » : « Vitesse des harmoniques » donne la vitesse signée du champ de chacun.</source>
        <translation>apri la finestra «Misure»: «Velocità delle armoniche» dà la velocità con segno del campo di ciascuna.</translation>
    </message>
    <message>
        <source>Le fondamental tourne dans ce sens, mais l&apos;harmonique 5 multiplie les angles par 5, ce qui inverse l&apos;ordre des phases.</source>
        <translation>La fondamentale ruota in questo verso, ma l&apos;armonica 5 moltiplica gli angoli per 5, il che inverte l&apos;ordine delle fasi.</translation>
    </message>
    <message>
        <source>L&apos;harmonique n d&apos;un courant est décalé de n fois l&apos;angle du fondamental. Pour n = 7 : 0°, 7 × 240° = 1680° et 7 × 120° = 840°, soit 0°, 240°, 120° : la séquence directe. Son champ tourne donc {harmonic-7-sense}, et comme ses courants alternent 7 fois plus vite, à {harmonic-7-speed}. Les harmoniques 5 et 11 tournent contre le fondamental, 7 et 13 avec lui.</source>
        <translation>L&apos;armonica n di una corrente è sfasata di n volte l&apos;angolo della fondamentale. Per n = 7: 0°, 7 × 240° = 1680° e 7 × 120° = 840°, cioè 0°, 240°, 120°: la sequenza diretta. Il suo campo ruota quindi {harmonic-7-sense} e, poiché le sue correnti alternano 7 volte più velocemente, a {harmonic-7-speed}. Le armoniche 5 e 11 ruotano contro la fondamentale, la 7 e la 13 con essa.</translation>
    </message>
    <message>
        <source>C&apos;est le sens des harmoniques 5 et 11. Pour l&apos;harmonique 7, multipliez les angles par 7 : l&apos;ordre des phases reste celui du fondamental.</source>
        <translation>È il verso delle armoniche 5 e 11. Per l&apos;armonica 7, moltiplica gli angoli per 7: l&apos;ordine delle fasi resta quello della fondamentale.</translation>
    </message>
    <message>
        <source>Répondre</source>
        <translation>Rispondi</translation>
    </message>
    <message>
        <source>Montrer</source>
        <translation>Mostra</translation>
    </message>
    <message>
        <source>Recommencer</source>
        <translation>Ricomincia</translation>
    </message>
    <message>
        <source>Bonne prédiction.</source>
        <translation>Previsione corretta.</translation>
    </message>
    <message>
        <source>Ce n&apos;est pas ce qui se passe.</source>
        <translation>Non è ciò che succede.</translation>
    </message>
    <message>
        <source>Essayez :</source>
        <translation>Prova:</translation>
    </message>
    <message>
        <source>Le facteur de bobinage vaut %1</source>
        <translation>Il fattore di avvolgimento vale %1</translation>
    </message>
    <message>
        <source>Des bobines de %1 encoches laissent le moins d&apos;harmonique 5 : %2 % du fondamental</source>
        <translation>Le bobine di %1 cave lasciano meno armonica 5: %2 % della fondamentale</translation>
    </message>
    <message>
        <source>Les bobinages</source>
        <translation>Gli avvolgimenti</translation>
    </message>
    <message>
        <source>La plaque d&apos;un moteur</source>
        <translation>La targa di un motore</translation>
    </message>
    <message>
        <source>La plaque d&apos;un moteur asynchrone indique {frequency} et {rotor-speed}. Voici son stator : {slots} encoches, alimentées avec les angles {stator-angles}, et son rotor tourne à cette vitesse. Comptez les pôles du champ dans l&apos;entrefer. {convention}</source>
        <translation>La targa di un motore asincrono indica {frequency} e {rotor-speed}. Ecco il suo statore: {slots} cave, alimentate con gli angoli {stator-angles}, e il suo rotore gira a quella velocità. Contate i poli del campo nel traferro. {convention}</translation>
    </message>
    <message>
        <source>À quelle vitesse tourne le champ ?</source>
        <translation>A che velocità gira il campo?</translation>
    </message>
    <message>
        <source>Le champ a {poles} pôles, {pole-pairs} paires : il avance d&apos;une paire de pôles par période, n = 60 f / p = {field-speed}. Le rotor suit juste en dessous, à {rotor-speed}, avec un glissement de {slip}. C&apos;est ainsi qu&apos;une plaque trahit les pôles d&apos;un moteur : sa vitesse est juste sous 60 f / p.</source>
        <translation>Il campo ha {poles} poli, {pole-pairs} coppie: avanza di una coppia di poli per periodo, n = 60 f / p = {field-speed}. Il rotore segue appena sotto, a {rotor-speed}, con uno scorrimento di {slip}. Così una targa rivela i poli di un motore: la sua velocità è appena sotto 60 f / p.</translation>
    </message>
    <message>
        <source>ouvrez « Bobinage » et « Mesures », puis changez les paires de pôles : la vitesse de synchronisme suit 60 f / p.</source>
        <translation>aprite «Avvolgimento» e «Misure» e cambiate le coppie polari: la velocità di sincronismo segue 60 f / p.</translation>
    </message>
    <message>
        <source>+1440 tr/min</source>
        <translation>+1440 giri/min</translation>
    </message>
    <message>
        <source>C&apos;est 60 f, la vitesse d&apos;un champ à deux pôles. Comptez les pôles de celui-ci : n = 60 f / p.</source>
        <translation>È 60 f, la velocità di un campo a due poli. Contate i poli di questo: n = 60 f / p.</translation>
    </message>
    <message>
        <source>C&apos;est la vitesse du rotor. Un moteur asynchrone tourne un peu moins vite que son champ : sans cet écart, rien n&apos;induirait de courant dans son rotor.</source>
        <translation>È la velocità del rotore. Un motore asincrono gira un po&apos; più lento del suo campo: senza questo scarto nulla indurrebbe correnti nel suo rotore.</translation>
    </message>
    <message>
        <source>Plus de pôles, un champ plus lent</source>
        <translation>Più poli, un campo più lento</translation>
    </message>
    <message>
        <source>Ce stator a {pole-pairs} paires de pôles : {poles} pôles se suivent autour de l&apos;entrefer, et le champ est dessiné par {pole-pairs} flèches, une vers chaque pôle nord. Il est alimenté à {frequency} avec les angles {stator-angles}. {convention}</source>
        <translation>Questo statore ha {pole-pairs} coppie polari: {poles} poli si susseguono attorno al traferro, e il campo è disegnato con {pole-pairs} frecce, una verso ogni polo nord. È alimentato a {frequency} con gli angoli {stator-angles}. {convention}</translation>
    </message>
    <message>
        <source>En une période du courant, le champ avance d&apos;une paire de pôles, soit 1/{pole-pairs} de tour : n = 60 f / p = {field-speed}, {field-sense}, soit {field-signed-speed}. À fréquence égale, plus de pôles font un champ plus lent, et un moteur plus lent mais plus fort.</source>
        <translation>In un periodo della corrente il campo avanza di una coppia di poli, cioè 1/{pole-pairs} di giro: n = 60 f / p = {field-speed}, {field-sense}, ossia {field-signed-speed}. A pari frequenza, più poli danno un campo più lento e un motore più lento ma più forte.</translation>
    </message>
    <message>
        <source>lancez l&apos;animation et suivez une flèche : elle fait un tour pendant que le courant fait {pole-pairs} périodes.</source>
        <translation>avviate l&apos;animazione e seguite una freccia: fa un giro mentre la corrente compie {pole-pairs} periodi.</translation>
    </message>
    <message>
        <source>Le pas raccourci</source>
        <translation>Il passo raccorciato</translation>
    </message>
    <message>
        <source>Ce stator a {slots} encoches, deux par pôle et par phase, et des bobines au pas diamétral de {full-pitch} encoches. Sa force magnétomotrice en escalier n&apos;est pas une sinusoïde : son harmonique d&apos;espace 5 vaut {space-harmonic-5-share} du fondamental. Raccourcir les bobines peut l&apos;affaiblir.</source>
        <translation>Questo statore ha {slots} cave, due per polo e per fase, e bobine a passo diametrale di {full-pitch} cave. La sua forza magnetomotrice a gradini non è una sinusoide: la sua armonica spaziale 5 vale {space-harmonic-5-share} della fondamentale. Accorciare le bobine può indebolirla.</translation>
    </message>
    <message>
        <source>Quel pas de bobine, en encoches, laisse le moins d&apos;harmonique 5 par rapport au fondamental ?</source>
        <translation>Quale passo di bobina, in cave, lascia meno armonica 5 rispetto alla fondamentale?</translation>
    </message>
    <message>
        <source>Une bobine de W encoches sur un pas diamétral de 3q filtre l&apos;harmonique n par k_p = sin(n W / 3q × 90°). À 5/6 du pas, les deux côtés se rapprochent de 30° : 150° pour l&apos;harmonique 5, dont les f.m.m. se compensent presque (k_p5 = sin 15°), quand le fondamental garde sin 75°. C&apos;est le pas des moteurs industriels.</source>
        <translation>Una bobina di W cave su un passo diametrale di 3q filtra l&apos;armonica n con k_p = sin(n W / 3q × 90°). A 5/6 del passo, i due lati si avvicinano di 30°: 150° per l&apos;armonica 5, le cui f.m.m. quasi si compensano (k_p5 = sin 15°), mentre la fondamentale conserva sin 75°. È il passo dei motori industriali.</translation>
    </message>
    <message>
        <source>dans « Bobinage », choisissez chaque pas tour à tour et lisez « Harmoniques d&apos;espace » dans « Mesures ».</source>
        <translation>in «Avvolgimento», scegliete ogni passo a turno e leggete «Armoniche spaziali» in «Misure».</translation>
    </message>
    <message>
        <source>6 encoches (pas diamétral)</source>
        <translation>6 cave (passo diametrale)</translation>
    </message>
    <message>
        <source>5 encoches</source>
        <translation>5 cave</translation>
    </message>
    <message>
        <source>4 encoches</source>
        <translation>4 cave</translation>
    </message>
    <message>
        <source>3 encoches</source>
        <translation>3 cave</translation>
    </message>
    <message>
        <source>Le pas diamétral prend tout le fondamental, mais aussi toute l&apos;harmonique 5 que laisse la distribution.</source>
        <translation>Il passo diametrale prende tutta la fondamentale, ma anche tutta l&apos;armonica 5 che la distribuzione lascia.</translation>
    </message>
    <message>
        <source>Avec 4 encoches sur 6, sin(5 × 60°) et sin(60°) ont la même valeur absolue : le fondamental et l&apos;harmonique 5 baissent d&apos;autant, et la part de l&apos;harmonique ne change pas.</source>
        <translation>Con 4 cave su 6, sin(5 × 60°) e sin(60°) hanno lo stesso valore assoluto: la fondamentale e l&apos;armonica 5 calano allo stesso modo, e la quota dell&apos;armonica non cambia.</translation>
    </message>
    <message>
        <source>Le facteur de bobinage</source>
        <translation>Il fattore di avvolgimento</translation>
    </message>
    <message>
        <source>Ce stator répartit chaque phase dans trois encoches voisines par pôle, {slots} en tout, et ses bobines font {coil-pitch} encoches pour un pas diamétral de {full-pitch}. Les f.m.m. des encoches d&apos;une phase ne culminent pas ensemble : leur somme est plus petite que si tout tenait dans une encoche au pas diamétral.</source>
        <translation>Questo statore ripartisce ogni fase in tre cave vicine per polo, {slots} in tutto, e le sue bobine abbracciano {coil-pitch} cave per un passo diametrale di {full-pitch}. Le f.m.m. delle cave di una fase non culminano insieme: la loro somma è minore che se tutto stesse in una cava a passo diametrale.</translation>
    </message>
    <message>
        <source>Quel est le facteur de bobinage k_w du fondamental ?</source>
        <translation>Qual è il fattore di avvolgimento k_w della fondamentale?</translation>
    </message>
    <message>
        <source>k_w = k_d × k_p : la distribution sur trois encoches donne k_d = {distribution-factor}, le pas de {coil-pitch} sur {full-pitch} donne k_p = {pitch-factor}, d&apos;où k_w = {winding-factor}. Le fondamental perd un dixième, mais les harmoniques d&apos;espace 5 et 7 tombent à {space-harmonic-5-share} et {space-harmonic-7-share} du fondamental : l&apos;entrefer est presque sinusoïdal.</source>
        <translation>k_w = k_d × k_p: la distribuzione su tre cave dà k_d = {distribution-factor}, il passo di {coil-pitch} su {full-pitch} dà k_p = {pitch-factor}, da cui k_w = {winding-factor}. La fondamentale perde un decimo, ma le armoniche spaziali 5 e 7 scendono a {space-harmonic-5-share} e {space-harmonic-7-share} della fondamentale: il traferro è quasi sinusoidale.</translation>
    </message>
    <message>
        <source>ouvrez « Mesures » : ses lignes « Facteur de distribution », « Facteur de raccourcissement » et « Facteur de bobinage » donnent aussi les harmoniques.</source>
        <translation>aprite «Misure»: le righe «Fattore di distribuzione», «Fattore di raccorciamento» e «Fattore di avvolgimento» danno anche le armoniche.</translation>
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
        <translation>1 è il fattore di una bobina concentrata a passo diametrale. Qui le cave sono sfalsate e le bobine raccorciate: ciascuna cosa toglie un po&apos;.</translation>
    </message>
    <message>
        <source>C&apos;est le facteur de distribution k_d seul. Le pas raccourci multiplie encore par k_p.</source>
        <translation>È il fattore di distribuzione k_d da solo. Il passo raccorciato moltiplica ancora per k_p.</translation>
    </message>
    <message>
        <source>C&apos;est le facteur de raccourcissement k_p seul. Les trois encoches voisines multiplient encore par k_d.</source>
        <translation>È il fattore di raccorciamento k_p da solo. Le tre cave vicine moltiplicano ancora per k_d.</translation>
    </message>
    <message>
        <source>Une phase coupée</source>
        <translation>Una fase interrotta</translation>
    </message>
    <message>
        <source>Le fil de ligne de la phase 3 d&apos;un moteur couplé en étoile est coupé. Ses trois bobines sont toujours là, mais la bobine 3 ne porte plus rien, et les bobines 1 et 2, désormais en série, portent un même courant : dans un sens dans l&apos;une, dans l&apos;autre sens dans l&apos;autre. {convention}</source>
        <translation>Il filo di linea della fase 3 di un motore collegato a stella è interrotto. Le sue tre bobine ci sono ancora, ma la bobina 3 non porta più nulla, e le bobine 1 e 2, ora in serie, portano una stessa corrente: in un verso nell&apos;una, nell&apos;altro verso nell&apos;altra. {convention}</translation>
    </message>
    <message>
        <source>Que fait le champ du stator ?</source>
        <translation>Che cosa fa il campo dello statore?</translation>
    </message>
    <message>
        <source>Un seul courant dans deux bobines fixes fait un champ qui pulse sur un axe fixe : ses deux moitiés tournent en sens opposés à {field-speed}. Lancé, le moteur continue sur la moitié qui tourne avec lui, en chauffant ; à l&apos;arrêt, les deux moitiés se neutralisent et il ne démarre pas.</source>
        <translation>Una sola corrente in due bobine fisse crea un campo che pulsa su un asse fisso: le sue due metà girano in versi opposti a {field-speed}. Già avviato, il motore continua con la metà che gira con lui, scaldandosi; da fermo le due metà si annullano e non parte.</translation>
    </message>
    <message>
        <source>cochez « Deux champs tournants » dans « Mesures » : les deux moitiés sont égales. Puis, dans « Bobinage », remettez la phase coupée à « aucune ».</source>
        <translation>spuntate «Due campi rotanti» in «Misure»: le due metà sono uguali. Poi, in «Avvolgimento», rimettete la fase interrotta su «nessuna».</translation>
    </message>
    <message>
        <source>Il tourne toujours dans le sens antihoraire</source>
        <translation>Continua a girare in senso antiorario</translation>
    </message>
    <message>
        <source>Il pulse sur un axe fixe</source>
        <translation>Pulsa su un asse fisso</translation>
    </message>
    <message>
        <source>Il disparaît</source>
        <translation>Scompare</translation>
    </message>
    <message>
        <source>Un champ tournant demande deux courants déphasés dans deux bobines décalées. Ici les deux bobines restantes ne portent qu&apos;un courant, le même à chaque instant.</source>
        <translation>Un campo rotante richiede due correnti sfasate in due bobine sfalsate. Qui le due bobine rimaste portano una sola corrente, la stessa in ogni istante.</translation>
    </message>
    <message>
        <source>Les bobines 1 et 2 portent encore un courant : leur champ existe, il ne tourne plus.</source>
        <translation>Le bobine 1 e 2 portano ancora corrente: il loro campo esiste, solo non gira più.</translation>
    </message>
    <message>
        <source>Quelle est la vitesse signée du champ ?</source>
        <translation>Qual è la velocità con segno del campo?</translation>
    </message>
    <message>
        <source>+1000 tr/min</source>
        <translation>+1000 giri/min</translation>
    </message>
    <message>
        <source>-1000 tr/min</source>
        <translation>-1000 giri/min</translation>
    </message>
    <message>
        <source>60 f est la vitesse d&apos;un champ à une paire de pôles. Celui-ci en a davantage : comptez ses flèches.</source>
        <translation>60 f è la velocità di un campo con una coppia polare. Questo ne ha di più: contate le sue frecce.</translation>
    </message>
    <message>
        <source>génératrice</source>
        <translation>generatore</translation>
    </message>
    <message>
        <source>frein</source>
        <translation>freno</translation>
    </message>
    <message>
        <source>synchronisme, sans couple</source>
        <translation>sincronismo, senza coppia</translation>
    </message>
    <message>
        <source>moteur</source>
        <translation>motore</translation>
    </message>
    <message>
        <source>Le rotor à cage reçoit %1 N·m au glissement %2</source>
        <translation>Il rotore a gabbia riceve %1 N·m con scorrimento %2</translation>
    </message>
    <message>
        <source>Le moteur se stabilise à %1</source>
        <translation>Il motore si stabilizza a %1</translation>
    </message>
    <message>
        <source>Le couple est maximal au glissement %1</source>
        <translation>La coppia è massima con scorrimento %1</translation>
    </message>
    <message>
        <source>Une phase du stator absorbe %1 A</source>
        <translation>Una fase dello statore assorbe %1 A</translation>
    </message>
    <message>
        <source>Au glissement %1, la machine fonctionne en %2</source>
        <translation>Con scorrimento %1, la macchina funziona da %2</translation>
    </message>
    <message>
        <source>Jamais au synchronisme</source>
        <translation>Mai al sincronismo</translation>
    </message>
    <message>
        <source>Un moteur à cage de {poles} pôles est entraîné de l&apos;extérieur à {rotor-speed}, exactement la vitesse de son champ, {field-speed}. Ses barres ne sont reliées à rien : seuls les courants que le champ y induit les parcourent. {convention}</source>
        <translation>Un motore a gabbia a {poles} poli è trascinato dall&apos;esterno a {rotor-speed}, esattamente la velocità del suo campo, {field-speed}. Le sue barre non sono collegate a nulla: vi circolano solo le correnti che il campo vi induce. {convention}</translation>
    </message>
    <message>
        <source>Quel couple le champ exerce-t-il sur le rotor ?</source>
        <translation>Quale coppia esercita il campo sul rotore?</translation>
    </message>
    <message>
        <source>Tournant avec le champ, les barres ne voient aucun flux varier : rien n&apos;y est induit, les conducteurs du rotor restent neutres et le couple est nul. Un moteur livré à lui-même ne peut donc jamais atteindre le synchronisme : il tourne juste en dessous, assez pour que le glissement induise le courant qu&apos;il faut à sa charge.</source>
        <translation>Girando con il campo, le barre non vedono variare alcun flusso: non vi si induce nulla, i conduttori del rotore restano neutri e la coppia è nulla. Lasciato a sé, un motore non può quindi mai raggiungere il sincronismo: gira appena sotto, quanto basta perché lo scorrimento induca la corrente che serve al suo carico.</translation>
    </message>
    <message>
        <source>dans le panneau Rotor, baissez la fréquence de rotation d&apos;un hertz : les barres se colorent et le couple apparaît.</source>
        <translation>nel pannello Rotore, abbassate la frequenza di rotazione di un hertz: le barre si colorano e compare la coppia.</translation>
    </message>
    <message>
        <source>Aucun</source>
        <translation>Nessuna</translation>
    </message>
    <message>
        <source>Le couple de démarrage, {start-torque}</source>
        <translation>La coppia di spunto, {start-torque}</translation>
    </message>
    <message>
        <source>Le couple maximal, {max-torque}</source>
        <translation>La coppia massima, {max-torque}</translation>
    </message>
    <message>
        <source>Au démarrage le champ balaie les barres à pleine vitesse. Ici il tourne avec elles : que voient-elles changer ?</source>
        <translation>All&apos;avvio il campo spazza le barre a piena velocità. Qui gira con loro: quale cambiamento vedono?</translation>
    </message>
    <message>
        <source>Le couple maximal demande un glissement de {max-torque-slip}. Au synchronisme, le glissement est nul.</source>
        <translation>La coppia massima richiede uno scorrimento di {max-torque-slip}. Al sincronismo lo scorrimento è nullo.</translation>
    </message>
    <message>
        <source>Le moteur en charge</source>
        <translation>Il motore sotto carico</translation>
    </message>
    <message>
        <source>Ce moteur à cage démarre à l&apos;arrêt, libre, sous une charge constante de {load-torque}. Son couple de démarrage vaut {start-torque}, son couple maximal {max-torque}. Lancez l&apos;animation après avoir répondu : la courbe couple-vitesse de « Mesures » montre le point de fonctionnement. {convention}</source>
        <translation>Questo motore a gabbia parte da fermo, libero, con un carico costante di {load-torque}. La sua coppia di spunto vale {start-torque}, la coppia massima {max-torque}. Avviate l&apos;animazione dopo aver risposto: la curva coppia-velocità di «Misure» mostra il punto di lavoro. {convention}</translation>
    </message>
    <message>
        <source>À quelle vitesse le moteur se stabilise-t-il ?</source>
        <translation>A che velocità si stabilizza il motore?</translation>
    </message>
    <message>
        <source>Tant que son couple dépasse la charge, le rotor accélère ; au-delà du maximum le couple chute vers zéro au synchronisme, et le moteur se stabilise là où il égale la charge : {settled-speed}. Plus de charge, plus de glissement, plus de courant.</source>
        <translation>Finché la sua coppia supera il carico, il rotore accelera; oltre il massimo la coppia cala verso zero al sincronismo, e il motore si stabilizza dove eguaglia il carico: {settled-speed}. Più carico, più scorrimento, più corrente.</translation>
    </message>
    <message>
        <source>dans « Bobinage », doublez le couple de charge et regardez le point rouge descendre la courbe.</source>
        <translation>in «Avvolgimento», raddoppiate la coppia di carico e guardate il punto rosso scendere lungo la curva.</translation>
    </message>
    <message>
        <source>À la vitesse du champ, {field-speed}</source>
        <translation>Alla velocità del campo, {field-speed}</translation>
    </message>
    <message>
        <source>Un peu en dessous</source>
        <translation>Poco sotto</translation>
    </message>
    <message>
        <source>Là où le couple est maximal</source>
        <translation>Dove la coppia è massima</translation>
    </message>
    <message>
        <source>Il reste à l&apos;arrêt</source>
        <translation>Resta fermo</translation>
    </message>
    <message>
        <source>Au synchronisme le couple est nul : il ne pourrait pas porter la charge.</source>
        <translation>Al sincronismo la coppia è nulla: non potrebbe reggere il carico.</translation>
    </message>
    <message>
        <source>Le moteur accélère tant que son couple dépasse la charge : il passe le maximum et continue jusqu&apos;à ce que les deux soient égaux.</source>
        <translation>Il motore accelera finché la sua coppia supera il carico: supera il massimo e prosegue finché i due sono uguali.</translation>
    </message>
    <message>
        <source>Son couple de démarrage dépasse la charge : il démarre.</source>
        <translation>La sua coppia di spunto supera il carico: parte.</translation>
    </message>
    <message>
        <source>La résistance du rotor</source>
        <translation>La resistenza del rotore</translation>
    </message>
    <message>
        <source>Ce moteur est celui des autres leçons, mais la résistance de sa cage, R2, a été doublée (des barres plus fines, ou un rotor bobiné avec des résistances en série) ; le reste de son circuit n&apos;a pas changé.</source>
        <translation>Questo motore è quello delle altre lezioni, ma la resistenza della sua gabbia, R2, è stata raddoppiata (barre più sottili, o un rotore avvolto con resistenze in serie); il resto del suo circuito è invariato.</translation>
    </message>
    <message>
        <source>À quel glissement son couple est-il maintenant maximal ?</source>
        <translation>Con quale scorrimento la sua coppia è ora massima?</translation>
    </message>
    <message>
        <source>Le glissement du couple maximal, R2 / |Zth + jX2|, double avec R2 : {max-torque-slip}. Le couple maximal, lui, ne dépend pas de R2 : {max-torque}. Toute la courbe s&apos;étire vers les grands glissements, et le couple de démarrage monte à {start-torque}.</source>
        <translation>Lo scorrimento di coppia massima, R2 / |Zth + jX2|, raddoppia con R2: {max-torque-slip}. La coppia massima invece non dipende da R2: {max-torque}. Tutta la curva si allunga verso i grandi scorrimenti, e la coppia di spunto sale a {start-torque}.</translation>
    </message>
    <message>
        <source>comparez la courbe de « Mesures » à celle du moteur d&apos;origine, dans la leçon « Le moteur en charge ».</source>
        <translation>confrontate la curva di «Misure» con quella del motore originale, nella lezione «Il motore sotto carico».</translation>
    </message>
    <message>
        <source>Toujours 0,276</source>
        <translation>Sempre 0,276</translation>
    </message>
    <message>
        <source>Le double, 0,552</source>
        <translation>Il doppio, 0,552</translation>
    </message>
    <message>
        <source>La moitié, 0,138</source>
        <translation>La metà, 0,138</translation>
    </message>
    <message>
        <source>Le glissement du maximum est R2 / |Zth + jX2| : il suit R2.</source>
        <translation>Lo scorrimento del massimo è R2 / |Zth + jX2|: segue R2.</translation>
    </message>
    <message>
        <source>Le courant de démarrage</source>
        <translation>La corrente di spunto</translation>
    </message>
    <message>
        <source>Ce moteur à cage est à l&apos;arrêt, branché sur le réseau. En charge, à quelques pour cent de glissement, une phase de son stator absorbe environ 5 A ; à vide, un peu plus de 2 A, le courant qui aimante la machine.</source>
        <translation>Questo motore a gabbia è fermo, collegato alla rete. Sotto carico, con qualche per cento di scorrimento, una fase dello statore assorbe circa 5 A; a vuoto poco più di 2 A, la corrente che magnetizza la macchina.</translation>
    </message>
    <message>
        <source>Quel courant une phase du stator absorbe-t-elle au démarrage ?</source>
        <translation>Quale corrente assorbe una fase dello statore allo spunto?</translation>
    </message>
    <message>
        <source>À l&apos;arrêt, le champ balaie le rotor à pleine vitesse : la résistance du rotor vue du stator, R2/g, est à son plus bas, et seules les impédances des enroulements limitent le courant, {stator-current}, six fois le courant en charge, pour un couple de {start-torque} seulement. D&apos;où les démarreurs étoile-triangle et les variateurs.</source>
        <translation>Da fermo il campo spazza il rotore a piena velocità: la resistenza del rotore vista dallo statore, R2/g, è minima, e solo le impedenze degli avvolgimenti limitano la corrente, {stator-current}, sei volte quella sotto carico, per una coppia di soli {start-torque}. Da qui gli avviatori stella-triangolo e gli azionamenti.</translation>
    </message>
    <message>
        <source>ouvrez « Mesures », cochez « Rotor libre » dans « Bobinage » et lancez l&apos;animation : le courant tombe à mesure que le moteur prend sa vitesse.</source>
        <translation>aprite «Misure», spuntate «Rotore libero» in «Avvolgimento» e avviate l&apos;animazione: la corrente cala man mano che il motore prende velocità.</translation>
    </message>
    <message>
        <source>2,5 A, comme à vide</source>
        <translation>2,5 A, come a vuoto</translation>
    </message>
    <message>
        <source>5,5 A, comme en charge</source>
        <translation>5,5 A, come sotto carico</translation>
    </message>
    <message>
        <source>Environ 32 A</source>
        <translation>Circa 32 A</translation>
    </message>
    <message>
        <source>À vide le rotor ne porte rien. À l&apos;arrêt le champ le balaie à pleine vitesse : ses courants sont les plus forts.</source>
        <translation>A vuoto il rotore non porta nulla. Da fermo il campo lo spazza a piena velocità: le sue correnti sono le più grandi.</translation>
    </message>
    <message>
        <source>En charge le glissement n&apos;est que de quelques pour cent. À l&apos;arrêt il vaut 1 : seules les réactances limitent le courant.</source>
        <translation>Sotto carico lo scorrimento è solo di qualche per cento. Da fermo vale 1: solo le reattanze limitano la corrente.</translation>
    </message>
    <message>
        <source>Au-dessus du synchronisme</source>
        <translation>Sopra il sincronismo</translation>
    </message>
    <message>
        <source>Une éolienne entraîne ce moteur à cage à {rotor-speed}, plus vite que son champ, qui tourne {field-sense} à {field-speed}. Le stator reste branché sur le réseau. {convention}</source>
        <translation>Una turbina eolica trascina questo motore a gabbia a {rotor-speed}, più veloce del suo campo, che gira {field-sense} a {field-speed}. Lo statore resta collegato alla rete. {convention}</translation>
    </message>
    <message>
        <source>Comment la machine fonctionne-t-elle ?</source>
        <translation>Come funziona la macchina?</translation>
    </message>
    <message>
        <source>Le rotor dépasse le champ : le glissement est négatif, {slip}, les courants induits s&apos;inversent, et le couple, {cage-torque}, retient le rotor. L&apos;éolienne fournit de la puissance mécanique que la machine renvoie au réseau : une génératrice asynchrone.</source>
        <translation>Il rotore supera il campo: lo scorrimento è negativo, {slip}, le correnti indotte si invertono, e la coppia, {cage-torque}, trattiene il rotore. La turbina fornisce potenza meccanica che la macchina restituisce alla rete: un generatore asincrono.</translation>
    </message>
    <message>
        <source>ouvrez « Mesures » : les puissances absorbée et mécanique sont négatives, et le point rouge est à droite du synchronisme.</source>
        <translation>aprite «Misure»: le potenze assorbita e meccanica sono negative, e il punto rosso è a destra del sincronismo.</translation>
    </message>
    <message>
        <source>En moteur : elle entraîne l&apos;éolienne</source>
        <translation>Da motore: trascina la turbina</translation>
    </message>
    <message>
        <source>En génératrice : elle renvoie de l&apos;énergie au réseau</source>
        <translation>Da generatore: restituisce energia alla rete</translation>
    </message>
    <message>
        <source>En frein : elle s&apos;oppose à l&apos;éolienne et chauffe</source>
        <translation>Da freno: si oppone alla turbina e si scalda</translation>
    </message>
    <message>
        <source>Un moteur tourne moins vite que son champ. Ici le rotor le dépasse : le glissement est négatif.</source>
        <translation>Un motore gira più lento del suo campo. Qui il rotore lo supera: lo scorrimento è negativo.</translation>
    </message>
    <message>
        <source>Le freinage à contre-courant demande un rotor tournant contre le champ. Ici il tourne avec lui, plus vite.</source>
        <translation>La frenatura in controcorrente richiede un rotore che giri contro il campo. Qui gira con lui, più veloce.</translation>
    </message>
    <message>
        <source>Le freinage à contre-courant</source>
        <translation>La frenatura in controcorrente</translation>
    </message>
    <message>
        <source>Ce moteur tournait à {rotor-speed} quand on a inversé deux fils de ligne : son champ tourne désormais {field-sense} à {field-speed}, contre le rotor, qui tourne {rotor-sense}. {convention}</source>
        <translation>Questo motore girava a {rotor-speed} quando sono stati scambiati due fili di linea: il suo campo gira ora {field-sense} a {field-speed}, contro il rotore, che gira {rotor-sense}. {convention}</translation>
    </message>
    <message>
        <source>Contre le champ, le glissement dépasse 1, {slip} : le couple, {cage-torque} dans le sens du champ, freine le rotor, qui rend son énergie cinétique pendant que le réseau en fournit aussi. Tout part en chaleur dans la cage, avec un fort courant. On coupe l&apos;alimentation à l&apos;arrêt, sinon le moteur repart dans l&apos;autre sens.</source>
        <translation>Contro il campo lo scorrimento supera 1, {slip}: la coppia, {cage-torque} nel verso del campo, frena il rotore, che cede la sua energia cinetica mentre anche la rete fornisce energia. Tutto diventa calore nella gabbia, con una forte corrente. Si toglie l&apos;alimentazione all&apos;arresto, altrimenti il motore riparte nell&apos;altro verso.</translation>
    </message>
    <message>
        <source>regardez dans « Mesures » le point rouge, à gauche de l&apos;arrêt sur la courbe couple-vitesse.</source>
        <translation>guardate in «Misure» il punto rosso, a sinistra dell&apos;arresto sulla curva coppia-velocità.</translation>
    </message>
    <message>
        <source>En moteur : elle continue d&apos;entraîner le rotor</source>
        <translation>Da motore: continua a trascinare il rotore</translation>
    </message>
    <message>
        <source>En génératrice : elle renvoie l&apos;énergie du rotor au réseau</source>
        <translation>Da generatore: restituisce l&apos;energia del rotore alla rete</translation>
    </message>
    <message>
        <source>En frein : elle arrête le rotor et absorbe de l&apos;énergie des deux côtés</source>
        <translation>Da freno: ferma il rotore e assorbe energia da entrambe le parti</translation>
    </message>
    <message>
        <source>Le champ tourne désormais contre le rotor : son couple le retient.</source>
        <translation>Il campo gira ora contro il rotore: la sua coppia lo trattiene.</translation>
    </message>
    <message>
        <source>Une génératrice tourne avec son champ, plus vite que lui. Ici le rotor tourne contre le champ : le réseau fournit de l&apos;énergie en plus.</source>
        <translation>Un generatore gira con il suo campo, più veloce di lui. Qui il rotore gira contro il campo: la rete fornisce energia in più.</translation>
    </message>
    <message>
        <source>Pour l&apos;enseignant</source>
        <translation>Per l&apos;insegnante</translation>
    </message>
    <message>
        <source>Leçon %1 sur %2</source>
        <translation>Lezione %1 di %2</translation>
    </message>
    <message>
        <source>Terminer</source>
        <translation>Termina</translation>
    </message>
    <message>
        <source>Leçon suivante</source>
        <translation>Lezione successiva</translation>
    </message>
    <message>
        <source>Réponse attendue : %1</source>
        <translation>Risposta attesa: %1</translation>
    </message>
    <message>
        <source>Certains voient un champ qui tourne parce que sa valeur change : faites observer que la flèche garde sa direction et ne fait que s&apos;allonger, se raccourcir et s&apos;inverser. Demandez ensuite ce qu&apos;il faut ajouter pour qu&apos;il tourne.</source>
        <translation>Alcuni vedono un campo che ruota perché il suo valore cambia: fate notare che la freccia mantiene la sua direzione e si limita ad allungarsi, accorciarsi e invertirsi. Chiedete poi che cosa bisogna aggiungere perché ruoti.</translation>
    </message>
    <message>
        <source>L&apos;erreur la plus fréquente : lire les angles comme des retards, et donc prédire le sens opposé. Faites dire quelle phase culmine juste après la phase 1, puis demandez ce que devient le champ si l&apos;on échange deux fils.</source>
        <translation>L&apos;errore più frequente: leggere gli angoli come ritardi e quindi prevedere il verso opposto. Fate dire quale fase raggiunge il massimo subito dopo la fase 1, poi chiedete che cosa diventa il campo se si scambiano due fili.</translation>
    </message>
    <message>
        <source>Deux erreurs habituelles : donner le rapport des vitesses du rotor et du champ au lieu de leur écart relatif, ou se tromper d&apos;un facteur dix en passant aux pour-cent. Demandez ensuite ce que vaut le glissement rotor bloqué, puis au synchronisme.</source>
        <translation>Due errori abituali: dare il rapporto tra le velocità del rotore e del campo invece della loro differenza relativa, oppure sbagliare di un fattore dieci passando alle percentuali. Chiedete poi quanto vale lo scorrimento a rotore bloccato e al sincronismo.</translation>
    </message>
    <message>
        <source>L&apos;idée fausse : un rotor qui suit son champ serait entraîné par lui. Au synchronisme les barres ne voient aucun flux varier : pas de courant induit, donc pas de couple. Demandez pourquoi un moteur à vide tourne un peu moins vite que son champ.</source>
        <translation>L&apos;idea sbagliata: un rotore che segue il suo campo ne sarebbe trascinato. Al sincronismo le barre non vedono variare alcun flusso: nessuna corrente indotta, quindi nessuna coppia. Chiedete perché un motore a vuoto gira un po&apos; più lentamente del suo campo.</translation>
    </message>
</context>
<context>
    <name>LessonMenu</name>
    <message>
        <source>&amp;Leçons</source>
        <translation>&amp;Lezioni</translation>
    </message>
    <message>
        <source>Ouvrir une leçon...</source>
        <translation>Apri una lezione...</translation>
    </message>
    <message>
        <source>Ouvrir une leçon</source>
        <translation>Apri una lezione</translation>
    </message>
    <message>
        <source>Leçons Vireflu (*.json)</source>
        <translation>Lezioni Vireflu (*.json)</translation>
    </message>
    <message>
        <source>La leçon %1 n&apos;a pas pu être lue : %2.</source>
        <translation>Impossibile leggere la lezione %1: %2.</translation>
    </message>
    <message>
        <source>%1 n&apos;a pas été ouvert.</source>
        <translation>%1 non è stato aperto.</translation>
    </message>
    <message>
        <source>Ouvrir un parcours...</source>
        <translation>Apri un percorso...</translation>
    </message>
    <message>
        <source>Composer un parcours...</source>
        <translation>Componi un percorso...</translation>
    </message>
    <message>
        <source>Mes réponses</source>
        <translation>Le mie risposte</translation>
    </message>
    <message>
        <source>Exporter pour une plateforme (SCORM)...</source>
        <translation>Esporta per una piattaforma (SCORM)...</translation>
    </message>
    <message>
        <source>Vue enseignant</source>
        <translation>Vista insegnante</translation>
    </message>
</context>
<context>
    <name>Measures</name>
    <message>
        <source>Fréquence</source>
        <translation>Frequenza</translation>
    </message>
    <message>
        <source>Fréquence f des courants du stator.</source>
        <translation>Frequenza f delle correnti di statore.</translation>
    </message>
    <message>
        <source>Sens du champ</source>
        <translation>Verso del campo</translation>
    </message>
    <message>
        <source>Sens de rotation du champ du stator, celui de sa plus grande composante ; pulsant quand les deux sont égales. Vitesses et glissements sont positifs dans le sens trigonométrique, celui où tourne le rotor pour une fréquence de rotation positive, et négatifs dans le sens horaire.</source>
        <translation>Verso di rotazione del campo di statore, quello della sua componente maggiore; pulsante quando le due sono uguali. Velocità e scorrimenti sono positivi in senso antiorario, quello in cui gira il rotore per una frequenza di rotazione positiva, e negativi in senso orario.</translation>
    </message>
    <message>
        <source>Vitesse de synchronisme</source>
        <translation>Velocità di sincronismo</translation>
    </message>
    <message>
        <source>Vitesse du champ tournant : 60 f pour une paire de pôles, positive dans le sens trigonométrique, négative dans le sens horaire.</source>
        <translation>Velocità del campo rotante: 60 f per una coppia di poli, positiva in senso antiorario, negativa in senso orario.</translation>
    </message>
    <message>
        <source>Vitesse du rotor</source>
        <translation>Velocità del rotore</translation>
    </message>
    <message>
        <source>60 fois la fréquence de rotation du rotor, positive dans le sens trigonométrique.</source>
        <translation>60 volte la frequenza di rotazione del rotore, positiva in senso antiorario.</translation>
    </message>
    <message>
        <source>Glissement</source>
        <translation>Scorrimento</translation>
    </message>
    <message>
        <source>g = (ns - n) / ns avec les vitesses signées : 0 au synchronisme, 1 à l&apos;arrêt, plus de 1 quand le rotor tourne contre le champ (freinage). Champ pulsant : g+ et g− contre ses deux moitiés.</source>
        <translation>g = (ns - n) / ns con le velocità con segno: 0 al sincronismo, 1 a rotore fermo, oltre 1 quando il rotore gira contro il campo (frenatura). Campo pulsante: g+ e g− rispetto alle sue due metà.</translation>
    </message>
    <message>
        <source>Fréquence rotorique</source>
        <translation>Frequenza rotorica</translation>
    </message>
    <message>
        <source>Fréquence |g| f des courants induits dans le rotor, pour chaque moitié d&apos;un champ pulsant.</source>
        <translation>Frequenza |g| f delle correnti indotte nel rotore, per ciascuna metà di un campo pulsante.</translation>
    </message>
    <message>
        <source>Couple</source>
        <translation>Coppia</translation>
    </message>
    <message>
        <source>Champ résultant</source>
        <translation>Campo risultante</translation>
    </message>
    <message>
        <source>Longueur du vecteur champ rapportée à celle d&apos;un champ triphasé équilibré.</source>
        <translation>Lunghezza del vettore campo riferita a quella di un campo trifase equilibrato.</translation>
    </message>
    <message>
        <source>Angle du champ</source>
        <translation>Angolo del campo</translation>
    </message>
    <message>
        <source>Direction du vecteur champ, comptée dans le sens trigonométrique.</source>
        <translation>Direzione del vettore campo, contata in senso antiorario.</translation>
    </message>
    <message>
        <source>Stator direct</source>
        <translation>Statore diretto</translation>
    </message>
    <message>
        <source>Stator inverse</source>
        <translation>Statore inverso</translation>
    </message>
    <message>
        <source>Rotor direct</source>
        <translation>Rotore diretto</translation>
    </message>
    <message>
        <source>Rotor inverse</source>
        <translation>Rotore inverso</translation>
    </message>
    <message>
        <source>Harmoniques</source>
        <translation>Armoniche</translation>
    </message>
    <message>
        <source>Courant rectangulaire : harmoniques rapportés au fondamental, tournant avec ou contre le champ.</source>
        <translation>Corrente rettangolare: armoniche riferite alla fondamentale, rotanti con o contro il campo.</translation>
    </message>
    <message>
        <source>Taux de distorsion</source>
        <translation>Tasso di distorsione</translation>
    </message>
    <message>
        <source>Distorsion harmonique totale du courant rectangulaire.</source>
        <translation>Distorsione armonica totale della corrente rettangolare.</translation>
    </message>
    <message>
        <source>,</source>
        <translation>,</translation>
    </message>
    <message>
        <source>tr/min</source>
        <translation>giri/min</translation>
    </message>
    <message>
        <source>avec</source>
        <translation>con</translation>
    </message>
    <message>
        <source>contre</source>
        <translation>contro</translation>
    </message>
    <message>
        <source>sens trigonométrique</source>
        <translation>senso antiorario</translation>
    </message>
    <message>
        <source>sens horaire</source>
        <translation>senso orario</translation>
    </message>
    <message>
        <source>pulsant</source>
        <translation>pulsante</translation>
    </message>
    <message>
        <source>Stator</source>
        <translation>Statore</translation>
    </message>
    <message>
        <source>Rotor</source>
        <translation>Rotore</translation>
    </message>
    <message>
        <source>Résultante</source>
        <translation>Risultante</translation>
    </message>
    <message>
        <source>Fondamental</source>
        <translation>Fondamentale</translation>
    </message>
    <message>
        <source>Champ</source>
        <translation>Campo</translation>
    </message>
    <message>
        <source>Indicateur de couple entre les champs du stator et du rotor (sans unité), positif quand il pousse le rotor dans le sens trigonométrique. La barre de couple monte pour un couple horaire.</source>
        <translation>Indicatore di coppia tra i campi dello statore e del rotore (senza unità), positivo quando spinge il rotore in senso antiorario. La barra di coppia sale per una coppia oraria.</translation>
    </message>
    <message>
        <source>Composante directe : le champ de la séquence dont les phases culminent dans l&apos;ordre 1, 2, 3 (angles 0/240/120, qui sont des avances). Elle tourne dans le sens trigonométrique.</source>
        <translation>Componente diretta: il campo della sequenza le cui fasi raggiungono il massimo nell&apos;ordine 1, 2, 3 (angoli 0/240/120, che sono anticipi). Ruota in senso antiorario.</translation>
    </message>
    <message>
        <source>Composante inverse : le champ de la séquence 1, 3, 2 (angles 0/120/240). Elle tourne dans le sens horaire.</source>
        <translation>Componente inversa: il campo della sequenza 1, 3, 2 (angoli 0/120/240). Ruota in senso orario.</translation>
    </message>
    <message>
        <source>Composante directe du champ du rotor, tournant par rapport au rotor dans le sens trigonométrique.</source>
        <translation>Componente diretta del campo del rotore, rotante rispetto al rotore in senso antiorario.</translation>
    </message>
    <message>
        <source>Composante inverse du champ du rotor, tournant par rapport au rotor dans le sens horaire.</source>
        <translation>Componente inversa del campo del rotore, rotante rispetto al rotore in senso orario.</translation>
    </message>
    <message>
        <source>Vitesse des harmoniques</source>
        <translation>Velocità delle armoniche</translation>
    </message>
    <message>
        <source>Vitesse signée du champ de chaque harmonique : l&apos;harmonique n alterne n fois plus vite que le fondamental, son champ tourne n fois plus vite, avec lui pour 7 et 13, contre lui pour 5 et 11.</source>
        <translation>Velocità con segno del campo di ciascuna armonica: l&apos;armonica n alterna n volte più velocemente della fondamentale e il suo campo ruota n volte più velocemente, con essa per la 7 e la 13, contro di essa per la 5 e la 11.</translation>
    </message>
    <message>
        <source>après votre réponse</source>
        <translation>dopo la risposta</translation>
    </message>
    <message>
        <source>Mesures</source>
        <translation>Misure</translation>
    </message>
    <message>
        <source>Force magnétomotrice le long de l&apos;entrefer, de 0 à 360°.</source>
        <translation>Forza magnetomotrice lungo il traferro, da 0 a 360°.</translation>
    </message>
    <message>
        <source>Deux champs tournants</source>
        <translation>Due campi rotanti</translation>
    </message>
    <message>
        <source>Dessine les champs direct (bleu) et inverse (orange) dans la coupe.</source>
        <translation>Disegna i campi diretto (blu) e inverso (arancione) nella sezione.</translation>
    </message>
    <message>
        <source>Facteur de distribution</source>
        <translation>Fattore di distribuzione</translation>
    </message>
    <message>
        <source>k_d = sin(n q a / 2) / (q sin(n a / 2)) pour l&apos;harmonique d&apos;espace n, a = 180° / 3q étant l&apos;angle électrique entre deux encoches.</source>
        <translation>k_d = sin(n q a / 2) / (q sin(n a / 2)) per l&apos;armonica spaziale n, dove a = 180° / 3q è l&apos;angolo elettrico tra due cave.</translation>
    </message>
    <message>
        <source>Facteur de raccourcissement</source>
        <translation>Fattore di raccorciamento</translation>
    </message>
    <message>
        <source>k_p = sin(n (W / 3q) 90°) pour des bobines de W encoches ; 1 au pas diamétral W = 3q.</source>
        <translation>k_p = sin(n (W / 3q) 90°) per bobine di W cave; 1 a passo diametrale W = 3q.</translation>
    </message>
    <message>
        <source>Facteur de bobinage</source>
        <translation>Fattore di avvolgimento</translation>
    </message>
    <message>
        <source>k_w = k_d k_p, harmonique par harmonique.</source>
        <translation>k_w = k_d k_p, armonica per armonica.</translation>
    </message>
    <message>
        <source>Harmoniques d&apos;espace</source>
        <translation>Armoniche spaziali</translation>
    </message>
    <message>
        <source>Harmoniques de la f.m.m. en escalier de l&apos;entrefer, mesurés sur elle, rapportés au fondamental : |k_wn| / (n |k_w1|) en théorie.</source>
        <translation>Armoniche della f.m.m. a gradini del traferro, misurate su di essa, riferite alla fondamentale: |k_wn| / (n |k_w1|) in teoria.</translation>
    </message>
    <message>
        <source>Vitesse des harmoniques d&apos;espace</source>
        <translation>Velocità delle armoniche spaziali</translation>
    </message>
    <message>
        <source>Vitesse signée du champ de l&apos;harmonique d&apos;espace n : ns / n, avec le fondamental pour 7 et 13, contre lui pour 5 et 11.</source>
        <translation>Velocità con segno del campo dell&apos;armonica spaziale n: ns / n, con la fondamentale per 7 e 13, contro di essa per 5 e 11.</translation>
    </message>
    <message>
        <source>Couple du moteur</source>
        <translation>Coppia del motore</translation>
    </message>
    <message>
        <source>Couple du rotor à cage, 3 I2² R2 / (g ωs), compté dans le sens du champ : positif en moteur et en freinage, négatif en génératrice.</source>
        <translation>Coppia del rotore a gabbia, 3 I2² R2 / (g ωs), contata nel verso del campo: positiva da motore e in frenatura, negativa da generatore.</translation>
    </message>
    <message>
        <source>Courant statorique</source>
        <translation>Corrente di statore</translation>
    </message>
    <message>
        <source>Courant I1 d&apos;une phase du stator, couplage étoile.</source>
        <translation>Corrente I1 di una fase dello statore, collegamento a stella.</translation>
    </message>
    <message>
        <source>Courant rotorique</source>
        <translation>Corrente di rotore</translation>
    </message>
    <message>
        <source>Courant I2 du rotor ramené au stator, nul au synchronisme.</source>
        <translation>Corrente I2 del rotore riportata allo statore, nulla al sincronismo.</translation>
    </message>
    <message>
        <source>Facteur de puissance</source>
        <translation>Fattore di potenza</translation>
    </message>
    <message>
        <source>cos φ entre la tension et le courant d&apos;une phase du stator.</source>
        <translation>cos φ tra la tensione e la corrente di una fase dello statore.</translation>
    </message>
    <message>
        <source>Puissance absorbée</source>
        <translation>Potenza assorbita</translation>
    </message>
    <message>
        <source>3 V I1 cos φ, négative quand la machine rend de l&apos;énergie.</source>
        <translation>3 V I1 cos φ, negativa quando la macchina restituisce energia.</translation>
    </message>
    <message>
        <source>Puissance mécanique</source>
        <translation>Potenza meccanica</translation>
    </message>
    <message>
        <source>Couple fois vitesse du rotor : positive seulement quand la machine entraîne sa charge.</source>
        <translation>Coppia per velocità del rotore: positiva solo quando la macchina trascina il suo carico.</translation>
    </message>
    <message>
        <source>Glissement du couple maximal</source>
        <translation>Scorrimento di coppia massima</translation>
    </message>
    <message>
        <source>R2 / |Zth + jX2|, du schéma de Thévenin exact du stator.</source>
        <translation>R2 / |Zth + jX2|, dall&apos;equivalente di Thévenin esatto dello statore.</translation>
    </message>
    <message>
        <source>Couple maximal</source>
        <translation>Coppia massima</translation>
    </message>
    <message>
        <source>Le plus grand couple en moteur, qui ne dépend pas de R2.</source>
        <translation>La coppia più grande da motore, che non dipende da R2.</translation>
    </message>
    <message>
        <source>Couple de démarrage</source>
        <translation>Coppia di spunto</translation>
    </message>
    <message>
        <source>Le couple à l&apos;arrêt, g = 1.</source>
        <translation>La coppia a rotore fermo, g = 1.</translation>
    </message>
    <message>
        <source>Couple du rotor à cage selon sa vitesse, de -ns (freinage) à 2 ns (génératrice) ; en rouge, le point de fonctionnement, en orange la charge d&apos;un rotor libre.</source>
        <translation>Coppia del rotore a gabbia in funzione della velocità, da -ns (frenatura) a 2 ns (generatore); in rosso, il punto di lavoro, in arancione il carico di un rotore libero.</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>&amp;Ouvrir...</source>
        <translation>&amp;Apri...</translation>
    </message>
    <message>
        <source>&amp;Enregistrer...</source>
        <translation>&amp;Salva...</translation>
    </message>
    <message>
        <source>Copier le &amp;lien</source>
        <translation>Copia il &amp;link</translation>
    </message>
    <message>
        <source>E&amp;xporter l&apos;animation...</source>
        <translation>Es&amp;porta l&apos;animazione...</translation>
    </message>
    <message>
        <source>&amp;Quitter</source>
        <translation>&amp;Esci</translation>
    </message>
    <message>
        <source>Entrefer:couleur</source>
        <translation>Traferro: colore</translation>
    </message>
    <message>
        <source>Vecteur</source>
        <translation>Vettore</translation>
    </message>
    <message>
        <source>Trace</source>
        <translation>Traccia</translation>
    </message>
    <message>
        <source>Forces magnéto-motrices</source>
        <translation>Forze magnetomotrici</translation>
    </message>
    <message>
        <source>Couple</source>
        <translation>Coppia</translation>
    </message>
    <message>
        <source>&amp;Stator</source>
        <translation>&amp;Statore</translation>
    </message>
    <message>
        <source>&amp;Rotor</source>
        <translation>&amp;Rotore</translation>
    </message>
    <message>
        <source>&amp;Mesures</source>
        <translation>&amp;Misure</translation>
    </message>
    <message>
        <source>Cadence x1/4</source>
        <translation>Cadenza x1/4</translation>
    </message>
    <message>
        <source>Cadence x1/2</source>
        <translation>Cadenza x1/2</translation>
    </message>
    <message>
        <source>Cadence x1</source>
        <translation>Cadenza x1</translation>
    </message>
    <message>
        <source>Cadence x2</source>
        <translation>Cadenza x2</translation>
    </message>
    <message>
        <source>Cadence x4</source>
        <translation>Cadenza x4</translation>
    </message>
    <message>
        <source>Bleu Noir Rouge</source>
        <translation>Blu Nero Rosso</translation>
    </message>
    <message>
        <source>Vert NoirRouge</source>
        <translation>Verde Nero Rosso</translation>
    </message>
    <message>
        <source>CAO</source>
        <translation>CAD</translation>
    </message>
    <message>
        <source>Bleu Blanc Orange</source>
        <translation>Blu Bianco Arancione</translation>
    </message>
    <message>
        <source>Projection</source>
        <translation>Proiettore</translation>
    </message>
    <message>
        <source>&amp;A propos de Vireflu...</source>
        <translation>&amp;Informazioni su Vireflu...</translation>
    </message>
    <message>
        <source>&amp;Général</source>
        <translation>&amp;Generale</translation>
    </message>
    <message>
        <source>&amp;Représentation</source>
        <translation>&amp;Rappresentazione</translation>
    </message>
    <message>
        <source>&amp;Vue</source>
        <translation>&amp;Vista</translation>
    </message>
    <message>
        <source>&amp;Couleur</source>
        <translation>&amp;Colore</translation>
    </message>
    <message>
        <source>&amp;?</source>
        <translation>Ai&amp;uto</translation>
    </message>
    <message>
        <source>&amp;Langue</source>
        <translation>&amp;Lingua</translation>
    </message>
    <message>
        <source>Annotations</source>
        <translation>Annotazioni</translation>
    </message>
    <message>
        <source>Raccourcis &amp;clavier</source>
        <translation>Scorciatoie da &amp;tastiera</translation>
    </message>
    <message>
        <source>Conventions de &amp;signe</source>
        <translation>&amp;Convenzioni di segno</translation>
    </message>
    <message>
        <source>&amp;Annuler</source>
        <translation>&amp;Annulla</translation>
    </message>
    <message>
        <source>&amp;Rétablir</source>
        <translation>&amp;Ripeti</translation>
    </message>
    <message>
        <source>Tout réi&amp;nitialiser</source>
        <translation>Reimposta &amp;tutto</translation>
    </message>
    <message>
        <source>É&amp;dition</source>
        <translation>&amp;Modifica</translation>
    </message>
    <message>
        <source>Enregistrer &amp;sous...</source>
        <translation>Salva &amp;come...</translation>
    </message>
    <message>
        <source>Lé&amp;gende</source>
        <translation>Le&amp;genda</translation>
    </message>
    <message>
        <source>&amp;Bobinage</source>
        <translation>A&amp;vvolgimento</translation>
    </message>
</context>
<context>
    <name>Page</name>
    <message>
        <source>Fermer</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>Lien copié</source>
        <translation>Link copiato</translation>
    </message>
    <message>
        <source>Coupe de la machine</source>
        <translation>Sezione della macchina</translation>
    </message>
    <message>
        <source>Menus</source>
        <translation>Menu</translation>
    </message>
    <message>
        <source>L&apos;animation n&apos;a pas pu être enregistrée.</source>
        <translation>Non è stato possibile salvare l&apos;animazione.</translation>
    </message>
    <message>
        <source>Il n&apos;y a pas de leçon « %1 ».</source>
        <translation>Non esiste la lezione «%1».</translation>
    </message>
</context>
<context>
    <name>Panel</name>
    <message>
        <source>fréquence stator: %1 Hz</source>
        <translation>frequenza statore: %1 Hz</translation>
    </message>
    <message>
        <source>fréquence rotor: %1 Hz</source>
        <translation>frequenza rotore: %1 Hz</translation>
    </message>
    <message>
        <source>fréquence de rotation: %1 Hz</source>
        <translation>frequenza di rotazione: %1 Hz</translation>
    </message>
    <message>
        <source>position initiale: %1 degré</source>
        <translation>posizione iniziale: %1 gradi</translation>
    </message>
    <message>
        <source>phase</source>
        <translation>fase</translation>
    </message>
    <message>
        <source>phase 1</source>
        <translation>fase 1</translation>
    </message>
    <message>
        <source>phase 2</source>
        <translation>fase 2</translation>
    </message>
    <message>
        <source>phase 3</source>
        <translation>fase 3</translation>
    </message>
    <message>
        <source>sinus</source>
        <translation>seno</translation>
    </message>
    <message>
        <source>continu</source>
        <translation>continua</translation>
    </message>
    <message>
        <source>rectangulaire</source>
        <translation>rettangolare</translation>
    </message>
    <message>
        <source>Stator</source>
        <translation>Statore</translation>
    </message>
    <message>
        <source>Rotor</source>
        <translation>Rotore</translation>
    </message>
    <message>
        <source>Angle limité à 360°</source>
        <translation>Angolo limitato a 360°</translation>
    </message>
    <message>
        <source>angle de la phase %1</source>
        <translation>angolo della fase %1</translation>
    </message>
    <message>
        <source>flèches, Page préc. et Page suiv. pour régler</source>
        <translation>frecce, Pag su e Pag giù per regolare</translation>
    </message>
    <message>
        <source>degrés, de 0 à 360</source>
        <translation>gradi, da 0 a 360</translation>
    </message>
    <message>
        <source>courbe de la phase %1</source>
        <translation>curva della fase %1</translation>
    </message>
    <message>
        <source>le courant de la phase sur une période, le trait vertical marquant l&apos;instant</source>
        <translation>la corrente della fase in un periodo, con la linea verticale che segna l&apos;istante</translation>
    </message>
    <message>
        <source>fréquence</source>
        <translation>frequenza</translation>
    </message>
    <message>
        <source>fréquence de rotation</source>
        <translation>frequenza di rotazione</translation>
    </message>
    <message>
        <source>position initiale</source>
        <translation>posizione iniziale</translation>
    </message>
    <message>
        <source>augmenter l&apos;angle de la phase %1</source>
        <translation>aumenta l&apos;angolo della fase %1</translation>
    </message>
    <message>
        <source>diminuer l&apos;angle de la phase %1</source>
        <translation>diminuisci l&apos;angolo della fase %1</translation>
    </message>
    <message>
        <source>Le courant de la phase vaut sin(ωt + angle) : l&apos;angle est une avance. Dans la séquence directe, 0/240/120, les phases culminent dans l&apos;ordre 1, 2, 3 et le champ tourne dans le sens antihoraire.</source>
        <translation>La corrente della fase vale sin(ωt + angolo): l&apos;angolo è un anticipo. Nella sequenza diretta, 0/240/120, le fasi raggiungono il massimo nell&apos;ordine 1, 2, 3 e il campo ruota in senso antiorario.</translation>
    </message>
</context>
<context>
    <name>Setup</name>
    <message>
        <source>Ce lien ne contient pas de réglage Vireflu lisible.</source>
        <translation>Questo link non contiene una configurazione Vireflu leggibile.</translation>
    </message>
    <message>
        <source>Ce réglage a été fait par une version plus récente de Vireflu (format %2) : mettez Vireflu à jour pour l&apos;ouvrir.</source>
        <translation>Questa configurazione è stata creata da una versione più recente di Vireflu (formato %2): aggiorna Vireflu per aprirla.</translation>
    </message>
    <message>
        <source>La clé « %1 » est inconnue de cette version de Vireflu.</source>
        <translation>La chiave «%1» è sconosciuta a questa versione di Vireflu.</translation>
    </message>
    <message>
        <source>La clé « %1 » accepte %3.</source>
        <translation>La chiave «%1» accetta %3.</translation>
    </message>
    <message>
        <source>La clé « %1 » donne une forme d&apos;onde que le panneau n&apos;offre pas avec ce nombre de phases.</source>
        <translation>La chiave «%1» dà una forma d&apos;onda che il pannello non offre con questo numero di fasi.</translation>
    </message>
    <message>
        <source>La clé « %1 » manque.</source>
        <translation>Manca la chiave «%1».</translation>
    </message>
    <message>
        <source>Le simulateur ne peut pas répondre à la question de cette leçon : son réglage ne donne aucune valeur à « %2 ».</source>
        <translation>Il simulatore non può rispondere alla domanda di questa lezione: la sua configurazione non dà alcun valore a «%2».</translation>
    </message>
    <message>
        <source>Exactement un des choix de cette leçon doit être juste ; avec son réglage, le simulateur trouve %2.</source>
        <translation>Esattamente una delle scelte di questa lezione deve essere giusta; con la sua configurazione, il simulatore trova %2.</translation>
    </message>
    <message>
        <source>Détail : le texte n&apos;est pas du JSON lisible (arrêt à l&apos;octet %2).</source>
        <translation>Dettaglio: il testo non è JSON leggibile (arresto al byte %2).</translation>
    </message>
    <message>
        <source>Détail : le document n&apos;est pas un objet JSON.</source>
        <translation>Dettaglio: il documento non è un oggetto JSON.</translation>
    </message>
    <message>
        <source>Détail : il dépasse 64 Kio.</source>
        <translation>Dettaglio: supera 64 KiB.</translation>
    </message>
    <message>
        <source>Détail : la clé « %1 » (la version du format) manque.</source>
        <translation>Dettaglio: manca la chiave «%1» (la versione del formato).</translation>
    </message>
    <message>
        <source>Ce lien ne contient pas de montage Vireflu.</source>
        <translation>Questo link non contiene alcun montaggio Vireflu.</translation>
    </message>
    <message>
        <source>Ce fichier n&apos;est pas une leçon Vireflu.</source>
        <translation>Questo file non è una lezione Vireflu.</translation>
    </message>
    <message>
        <source>Ce fichier n&apos;est pas un montage Vireflu.</source>
        <translation>Questo file non è un montaggio Vireflu.</translation>
    </message>
    <message>
        <source>Cette leçon ne peut pas être ouverte.</source>
        <translation>Questa lezione non può essere aperta.</translation>
    </message>
    <message>
        <source>Ce montage ne peut pas être ouvert.</source>
        <translation>Questo montaggio non può essere aperto.</translation>
    </message>
    <message>
        <source>Ce fichier n&apos;est pas un parcours Vireflu.</source>
        <translation>Questo file non è un percorso Vireflu.</translation>
    </message>
    <message>
        <source>Ce lien ne contient pas de parcours Vireflu.</source>
        <translation>Questo link non contiene un percorso Vireflu.</translation>
    </message>
    <message>
        <source>Ce journal n&apos;est pas un journal de réponses Vireflu.</source>
        <translation>Questo registro non è un registro di risposte Vireflu.</translation>
    </message>
    <message>
        <source>Ce parcours ne peut pas être ouvert.</source>
        <translation>Questo percorso non può essere aperto.</translation>
    </message>
    <message>
        <source>Ce journal de réponses ne peut pas être lu.</source>
        <translation>Questo registro di risposte non può essere letto.</translation>
    </message>
</context>
<context>
    <name>Shortcuts</name>
    <message>
        <source>Espace : lancer ou arrêter l&apos;animation</source>
        <translation>Spazio: avvia o ferma l&apos;animazione</translation>
    </message>
    <message>
        <source>Origine : initialisation, l&apos;horloge à zéro</source>
        <translation>Home: inizializza, riporta l&apos;orologio a zero</translation>
    </message>
    <message>
        <source>F11 : plein écran</source>
        <translation>F11: schermo intero</translation>
    </message>
    <message>
        <source>Ctrl+O, Ctrl+S : ouvrir, enregistrer un réglage</source>
        <translation>Ctrl+O, Ctrl+S: apri, salva una configurazione</translation>
    </message>
    <message>
        <source>Ctrl+Q : quitter</source>
        <translation>Ctrl+Q: esci</translation>
    </message>
    <message>
        <source>Alt + lettre soulignée : menus et boutons</source>
        <translation>Alt + lettera sottolineata: menu e pulsanti</translation>
    </message>
    <message>
        <source>Tab, flèches, Entrée, Échap : dans les panneaux</source>
        <translation>Tab, frecce, Invio, Esc: nei pannelli</translation>
    </message>
    <message>
        <source>Espace et Origine agissent dans chaque fenêtre, sauf dans un champ en cours de saisie</source>
        <translation>Spazio e Home agiscono in ogni finestra, tranne che in un campo in corso di modifica</translation>
    </message>
    <message>
        <source>Raccourcis clavier</source>
        <translation>Scorciatoie da tastiera</translation>
    </message>
    <message>
        <source>Ctrl+Z, Ctrl+Maj+Z : annuler, rétablir</source>
        <translation>Ctrl+Z, Ctrl+Maiusc+Z: annulla, ripeti</translation>
    </message>
    <message>
        <source>Ctrl+Maj+S : enregistrer sous un autre nom</source>
        <translation>Ctrl+Maiusc+S: salva con un altro nome</translation>
    </message>
</context>
<context>
    <name>View</name>
    <message>
        <source>Coupe de la machine</source>
        <translation>Sezione della macchina</translation>
    </message>
</context>
<context>
    <name>Welcome</name>
    <message>
        <source>Bienvenue</source>
        <translation>Benvenuto</translation>
    </message>
    <message>
        <source>Vireflu anime le champ magnétique d&apos;une machine triphasée. Par où commencer ?</source>
        <translation>Vireflu anima il campo magnetico di una macchina trifase. Da dove cominciare?</translation>
    </message>
    <message>
        <source>Commencer par une leçon</source>
        <translation>Iniziare con una lezione</translation>
    </message>
    <message>
        <source>Ouvrir un montage</source>
        <translation>Aprire un montaggio</translation>
    </message>
    <message>
        <source>Explorer</source>
        <translation>Esplorare</translation>
    </message>
</context>
<context>
    <name>Winding</name>
    <message>
        <source>Paires de pôles</source>
        <translation>Coppie polari</translation>
    </message>
    <message>
        <source>p : le champ a 2p pôles et tourne à 60 f / p tr/min.</source>
        <translation>p: il campo ha 2p poli e gira a 60 f / p giri/min.</translation>
    </message>
    <message>
        <source>Encoches par pôle et par phase</source>
        <translation>Cave per polo e per fase</translation>
    </message>
    <message>
        <source>q : chaque phase occupe q encoches voisines sous chaque pôle ; le stator en a 6pq.</source>
        <translation>q: ogni fase occupa q cave vicine sotto ogni polo; lo statore ne ha 6pq.</translation>
    </message>
    <message>
        <source>Pas des bobines (encoches)</source>
        <translation>Passo delle bobine (cave)</translation>
    </message>
    <message>
        <source>Largeur d&apos;une bobine en encoches : 3q est le pas diamétral ; un pas plus court fait un bobinage à deux couches.</source>
        <translation>Larghezza di una bobina in cave: 3q è il passo diametrale; un passo più corto dà un avvolgimento a due strati.</translation>
    </message>
    <message>
        <source>Phase coupée</source>
        <translation>Fase interrotta</translation>
    </message>
    <message>
        <source>Un fil de ligne coupé : les trois bobines restent, les deux autres phases portent un même courant, opposé dans l&apos;une et l&apos;autre.</source>
        <translation>Un filo di linea interrotto: le tre bobine restano, le altre due fasi portano una stessa corrente, opposta nell&apos;una e nell&apos;altra.</translation>
    </message>
    <message>
        <source>aucune</source>
        <translation>nessuna</translation>
    </message>
    <message>
        <source>Bobinage</source>
        <translation>Avvolgimento</translation>
    </message>
    <message>
        <source>Étoile des encoches</source>
        <translation>Stella delle cave</translation>
    </message>
    <message>
        <source>%1 encoches, %2 pôles, pas %3/%4</source>
        <translation>%1 cave, %2 poli, passo %3/%4</translation>
    </message>
    <message>
        <source>Rotor à cage</source>
        <translation>Rotore a gabbia</translation>
    </message>
    <message>
        <source>Les courants du rotor ne sont plus imposés : le glissement les induit, comme dans un moteur asynchrone.</source>
        <translation>Le correnti del rotore non sono più imposte: lo scorrimento le induce, come in un motore asincrono.</translation>
    </message>
    <message>
        <source>Rotor libre</source>
        <translation>Rotore libero</translation>
    </message>
    <message>
        <source>Le rotor part de la fréquence de rotation du panneau Rotor et trouve sa vitesse : J dω/dt = C - Cr.</source>
        <translation>Il rotore parte dalla frequenza di rotazione del pannello Rotore e trova la sua velocità: J dω/dt = C - Cr.</translation>
    </message>
    <message>
        <source>Couple de charge (N·m)</source>
        <translation>Coppia di carico (N·m)</translation>
    </message>
    <message>
        <source>Tension composée (V)</source>
        <translation>Tensione concatenata (V)</translation>
    </message>
    <message>
        <source>Schéma équivalent d&apos;une phase : R1, X1, XM, X2, R2/g</source>
        <translation>Circuito equivalente di una fase: R1, X1, XM, X2, R2/g</translation>
    </message>
</context>
<context>
    <name>Window</name>
    <message>
        <source>Ouverts &amp;récemment</source>
        <translation>Aperti di &amp;recente</translation>
    </message>
    <message>
        <source>Panneaux à côté</source>
        <translation>Pannelli a lato</translation>
    </message>
    <message>
        <source>Disposition initiale</source>
        <translation>Disposizione iniziale</translation>
    </message>
    <message>
        <source>Leçon</source>
        <translation>Lezione</translation>
    </message>
    <message>
        <source>Autres menus</source>
        <translation>Altri menu</translation>
    </message>
    <message>
        <source>Rien à animer : cochez une phase dans « Stator ».</source>
        <translation>Niente da animare: spunti una fase in «Statore».</translation>
    </message>
    <message>
        <source>Répondez d&apos;abord à la question de la leçon.</source>
        <translation>Risponda prima alla domanda della lezione.</translation>
    </message>
    <message>
        <source>Le réglage affiché a changé. L&apos;enregistrer avant de continuer ?</source>
        <translation>L&apos;impostazione mostrata è cambiata. Salvarla prima di continuare?</translation>
    </message>
    <message>
        <source>&amp;Enregistrer</source>
        <translation>&amp;Salva</translation>
    </message>
    <message>
        <source>&amp;Ne pas enregistrer</source>
        <translation>&amp;Non salvare</translation>
    </message>
    <message>
        <source>Annuler</source>
        <translation>Annulla</translation>
    </message>
</context>
</TS>
