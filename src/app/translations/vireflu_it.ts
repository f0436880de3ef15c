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
        <source>Les courants du rotor ont une fréquence de %1 Hz (%2 × %3 Hz)</source>
        <translation>Le correnti del rotore hanno una frequenza di %1 Hz (%2 × %3 Hz)</translation>
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
        <source>L&apos;harmonique %1 (%2 % du fondamental) tourne %3 à %4</source>
        <translation>L&apos;armonica %1 (%2 % della fondamentale) ruota %3 a %4</translation>
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
        <source>Une seule bobine du stator est alimentée par un courant sinusoïdal de 50 Hz. La flèche rouge montre le champ dans l&apos;entrefer.</source>
        <translation>Una sola bobina dello statore è alimentata da una corrente sinusoidale a 50 Hz. La freccia rossa mostra il campo nel traferro.</translation>
    </message>
    <message>
        <source>Quand l&apos;horloge tourne, que fait le champ ?</source>
        <translation>Quando l&apos;orologio avanza, che cosa fa il campo?</translation>
    </message>
    <message>
        <source>Le champ d&apos;une bobine reste sur son axe : il grandit, s&apos;annule et change de signe avec le courant. Il se décompose en deux moitiés égales qui tournent en sens opposés à la même vitesse.</source>
        <translation>Il campo di una bobina resta sul suo asse: cresce, si annulla e cambia segno con la corrente. Si scompone in due metà uguali che ruotano in versi opposti alla stessa velocità.</translation>
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
        <source>Les trois bobines du stator, décalées de 120° dans l&apos;espace, sont alimentées par des courants décalés de 0°, 120° et 240° dans le temps, à 50 Hz.</source>
        <translation>Le tre bobine dello statore, sfasate di 120° nello spazio, sono alimentate da correnti sfasate di 0°, 120° e 240° nel tempo, a 50 Hz.</translation>
    </message>
    <message>
        <source>Que fait le champ résultant ?</source>
        <translation>Che cosa fa il campo risultante?</translation>
    </message>
    <message>
        <source>Les trois champs pulsants s&apos;ajoutent en un champ de longueur constante qui tourne d&apos;un tour par période : 50 tours par seconde, 3000 tr/min. Il passe d&apos;une bobine à la suivante dans l&apos;ordre où leurs courants atteignent leur maximum.</source>
        <translation>I tre campi pulsanti si sommano in un campo di lunghezza costante che compie un giro per periodo: 50 giri al secondo, 3000 giri/min. Passa da una bobina alla successiva nell&apos;ordine in cui le loro correnti raggiungono il massimo.</translation>
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
        <source>Le même stator triphasé, mais les courants des phases 2 et 3 ont été échangés : leurs déphasages sont maintenant 0°, 240° et 120°.</source>
        <translation>Lo stesso statore trifase, ma le correnti delle fasi 2 e 3 sono state scambiate: i loro sfasamenti sono ora 0°, 240° e 120°.</translation>
    </message>
    <message>
        <source>Dans quel sens tourne le champ ?</source>
        <translation>In quale verso ruota il campo?</translation>
    </message>
    <message>
        <source>Les courants atteignent maintenant leur maximum dans l&apos;ordre 1, 2, 3 au lieu de 1, 3, 2 : le champ, qui va d&apos;une bobine à celle dont le courant culmine ensuite, tourne dans l&apos;autre sens, toujours à 3000 tr/min. C&apos;est ainsi qu&apos;on inverse le sens d&apos;un moteur triphasé.</source>
        <translation>Ora le correnti raggiungono il massimo nell&apos;ordine 1, 2, 3 invece di 1, 3, 2: il campo, che va da una bobina a quella la cui corrente culmina subito dopo, ruota nel verso opposto, sempre a 3000 giri/min. È così che si inverte il senso di rotazione di un motore trifase.</translation>
    </message>
    <message>
        <source>remettez 120° et 240° dans le panneau Stator et comparez.</source>
        <translation>rimetti 120° e 240° nel pannello Statore e confronta.</translation>
    </message>
    <message>
        <source>Une phase perdue</source>
        <translation>Una fase mancante</translation>
    </message>
    <message>
        <source>Un fil d&apos;alimentation est coupé : le même courant traverse maintenant les deux bobines restantes, à l&apos;aller dans l&apos;une et au retour dans l&apos;autre (déphasages 0° et 180°).</source>
        <translation>Un filo di alimentazione è interrotto: la stessa corrente attraversa ora le due bobine rimaste, in andata nell&apos;una e in ritorno nell&apos;altra (sfasamenti 0° e 180°).</translation>
    </message>
    <message>
        <source>Que fait le champ ?</source>
        <translation>Che cosa fa il campo?</translation>
    </message>
    <message>
        <source>Deux courants en phase ou en opposition ne font qu&apos;un champ qui pulse sur un axe fixe. Ses deux moitiés tournent en sens opposés : un moteur arrêté ne démarre plus, un moteur lancé continue dans son sens mais chauffe.</source>
        <translation>Due correnti in fase o in opposizione producono un solo campo che pulsa lungo un asse fisso. Le sue due metà ruotano in versi opposti: un motore fermo non si avvia più, un motore già in moto continua nel suo verso ma si surriscalda.</translation>
    </message>
    <message>
        <source>ouvrez la fenêtre « Mesures » et cochez « Deux champs tournants » : les deux moitiés ont la même longueur.</source>
        <translation>apri la finestra «Misure» e spunta «Due campi rotanti»: le due metà hanno la stessa lunghezza.</translation>
    </message>
    <message>
        <source>Deux phases à 90°</source>
        <translation>Due fasi a 90°</translation>
    </message>
    <message>
        <source>Deux bobines à angle droit sont alimentées par des courants décalés de 90° dans le temps : la bobine 2 atteint son maximum un quart de période avant la bobine 1.</source>
        <translation>Due bobine ad angolo retto sono alimentate da correnti sfasate di 90° nel tempo: la bobina 2 raggiunge il massimo un quarto di periodo prima della bobina 1.</translation>
    </message>
    <message>
        <source>Deux bobines en quadrature, avec des courants en quadrature, suffisent à faire un champ tournant de longueur constante. Il va de la bobine dont le courant est en avance vers l&apos;autre. C&apos;est le principe des moteurs monophasés à condensateur.</source>
        <translation>Due bobine in quadratura, con correnti in quadratura, bastano a produrre un campo rotante di lunghezza costante. Il campo va dalla bobina la cui corrente è in anticipo verso l&apos;altra. È il principio dei motori monofase a condensatore.</translation>
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
        <source>Le stator triphasé à une paire de pôles est alimenté à 25 Hz au lieu de 50 Hz. Les vitesses sont comptées positives dans le sens antihoraire.</source>
        <translation>Lo statore trifase con una coppia di poli è alimentato a 25 Hz invece che a 50 Hz. Le velocità sono contate positive in senso antiorario.</translation>
    </message>
    <message>
        <source>Quelle est la vitesse de synchronisme du champ ?</source>
        <translation>Qual è la velocità di sincronismo del campo?</translation>
    </message>
    <message>
        <source>Le champ fait un tour par période du courant : n = 60 f / p. Avec une paire de pôles à 25 Hz, 1500 tr/min. Les phases dans l&apos;ordre 0°, 240°, 120° le font tourner dans le sens antihoraire, donc la vitesse signée est positive.</source>
        <translation>Il campo compie un giro per ogni periodo della corrente: n = 60 f / p. Con una coppia di poli a 25 Hz, 1500 giri/min. Le fasi nell&apos;ordine 0°, 240°, 120° lo fanno ruotare in senso antiorario, quindi la velocità con segno è positiva.</translation>
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
        <source>Un courant constant fait un champ constant, fixe sur l&apos;axe de la bobine : rien ne tourne tant que le rotor ne tourne pas. C&apos;est le champ d&apos;un inducteur de machine synchrone ou d&apos;un aimant.</source>
        <translation>Una corrente costante produce un campo costante, fisso sull&apos;asse della bobina: nulla ruota finché il rotore resta fermo. È il campo dell&apos;induttore di una macchina sincrona, o di un magnete.</translation>
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
        <source>Le champ du stator tourne dans le sens antihoraire à 3000 tr/min. Le rotor, alimenté en continu, tourne à la même vitesse, son champ en retard de 60° sur celui du stator. La barre à gauche montre le couple.</source>
        <translation>Il campo dello statore ruota in senso antiorario a 3000 giri/min. Il rotore, alimentato in corrente continua, ruota alla stessa velocità, con il suo campo in ritardo di 60° su quello dello statore. La barra a sinistra mostra la coppia.</translation>
    </message>
    <message>
        <source>Sur une période, dans quel sens le couple moyen pousse-t-il le rotor ?</source>
        <translation>Su un periodo, in quale verso la coppia media spinge il rotore?</translation>
    </message>
    <message>
        <source>Au synchronisme les deux champs tournent ensemble : leur angle reste fixe, donc le couple est constant. Le champ du stator, en avance, tire le champ du rotor dans le sens de rotation : la machine est motrice.</source>
        <translation>Al sincronismo i due campi ruotano insieme: il loro angolo resta fisso, quindi la coppia è costante. Il campo dello statore, in anticipo, trascina il campo del rotore nel verso di rotazione: la macchina funziona da motore.</translation>
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
        <source>Le couple vaut le produit des deux champs par le sinus de leur angle. Il est nul quand ils sont alignés (0° ou 180°) et le plus grand à angle droit. À 270° le champ du stator, en avance de 90° dans le sens antihoraire, tire le rotor dans ce sens.</source>
        <translation>La coppia vale il prodotto dei due campi per il seno del loro angolo. È nulla quando sono allineati (0° o 180°) e massima ad angolo retto. A 270° il campo dello statore, in anticipo di 90° in senso antiorario, trascina il rotore in quel verso.</translation>
    </message>
    <message>
        <source>tapez 90 puis 270 comme position initiale et comparez les barres de couple.</source>
        <translation>digita 90 e poi 270 come posizione iniziale e confronta le barre di coppia.</translation>
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
        <source>Le champ du stator tourne dans le sens horaire à 3000 tr/min. Une machine extérieure entraîne le rotor dans le sens antihoraire, à 3000 tr/min lui aussi.</source>
        <translation>Il campo dello statore ruota in senso orario a 3000 giri/min. Una macchina esterna trascina il rotore in senso antiorario, anch&apos;esso a 3000 giri/min.</translation>
    </message>
    <message>
        <source>Quel est le glissement g = (ns - n) / ns ?</source>
        <translation>Qual è lo scorrimento g = (ns - n) / ns?</translation>
    </message>
    <message>
        <source>Avec les vitesses signées, ns = -3000 et n = +3000 tr/min : g = 2. Un glissement supérieur à 1 veut dire que le rotor tourne contre le champ : la machine freine, c&apos;est le freinage par contre-courant, et les courants du rotor ont une fréquence double.</source>
        <translation>Con le velocità con segno, ns = -3000 e n = +3000 giri/min: g = 2. Uno scorrimento maggiore di 1 significa che il rotore gira contro il campo: la macchina frena, è la frenatura in controcorrente, e le correnti del rotore hanno frequenza doppia.</translation>
    </message>
    <message>
        <source>ouvrez la fenêtre « Mesures » et lisez la fréquence des courants du rotor.</source>
        <translation>apri la finestra «Misure» e leggi la frequenza delle correnti del rotore.</translation>
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
        <source>Un moteur asynchrone : le champ du stator tourne dans le sens antihoraire à 3000 tr/min, le rotor le suit à 48 tours par seconde, soit 2880 tr/min.</source>
        <translation>Un motore asincrono: il campo dello statore ruota in senso antiorario a 3000 giri/min, il rotore lo segue a 48 giri al secondo, cioè 2880 giri/min.</translation>
    </message>
    <message>
        <source>Quel est le glissement ?</source>
        <translation>Qual è lo scorrimento?</translation>
    </message>
    <message>
        <source>g = (3000 - 2880) / 3000 = 0,04. Le rotor glisse un peu derrière le champ : c&apos;est ce retard qui induit des courants dans ses barres et donc le couple. Au synchronisme exact, plus rien n&apos;est induit.</source>
        <translation>g = (3000 - 2880) / 3000 = 0,04. Il rotore scorre un po&apos; dietro il campo: è questo ritardo che induce correnti nelle sue barre e quindi la coppia. Al sincronismo esatto non viene più indotto nulla.</translation>
    </message>
    <message>
        <source>donnez une rotation de 50 Hz au rotor : le glissement devient nul.</source>
        <translation>dai al rotore una rotazione di 50 Hz: lo scorrimento si annulla.</translation>
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
        <source>Le même moteur : champ à 3000 tr/min dans le sens antihoraire, rotor à 2880 tr/min, alimentation à 50 Hz. Le rotor voit le champ défiler lentement.</source>
        <translation>Lo stesso motore: campo a 3000 giri/min in senso antiorario, rotore a 2880 giri/min, alimentazione a 50 Hz. Il rotore vede il campo scorrere lentamente.</translation>
    </message>
    <message>
        <source>Quelle est la fréquence des courants induits dans le rotor ?</source>
        <translation>Qual è la frequenza delle correnti indotte nel rotore?</translation>
    </message>
    <message>
        <source>Le champ dépasse le rotor de 120 tr/min, soit 2 tours par seconde : les courants du rotor ont la fréquence g f = 0,04 × 50 = 2 Hz. À l&apos;arrêt ils auraient 50 Hz.</source>
        <translation>Il campo supera il rotore di 120 giri/min, cioè 2 giri al secondo: le correnti del rotore hanno la frequenza g f = 0,04 × 50 = 2 Hz. A rotore fermo sarebbero a 50 Hz.</translation>
    </message>
    <message>
        <source>alimentez le rotor en triphasé à 2 Hz (0°, 240°, 120°) : son champ tourne avec celui du stator.</source>
        <translation>alimenta il rotore con una terna trifase a 2 Hz (0°, 240°, 120°): il suo campo ruota insieme a quello dello statore.</translation>
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
        <source>Un onduleur à six pas alimente le stator : ses courants en escalier contiennent le fondamental à 50 Hz et des harmoniques. Le fondamental fait tourner le champ dans le sens antihoraire à 3000 tr/min.</source>
        <translation>Un inverter a sei gradini alimenta lo statore: le sue correnti a gradini contengono la fondamentale a 50 Hz e delle armoniche. La fondamentale fa ruotare il campo in senso antiorario a 3000 giri/min.</translation>
    </message>
    <message>
        <source>Dans quel sens tourne le champ de l&apos;harmonique 5 ?</source>
        <translation>In quale verso ruota il campo dell&apos;armonica 5?</translation>
    </message>
    <message>
        <source>Pour l&apos;harmonique 5 les déphasages des trois phases sont multipliés par 5 : 0°, 600°, 1200°, soit 0°, 240°, 120°. Les harmoniques 5 et 11 tournent donc contre le fondamental, 7 et 13 avec lui, à 1/5 de sa vitesse.</source>
        <translation>Per l&apos;armonica 5 gli sfasamenti delle tre fasi sono moltiplicati per 5: 0°, 600°, 1200°, cioè 0°, 240°, 120°. Le armoniche 5 e 11 ruotano quindi contro la fondamentale, la 7 e la 13 con essa, a 1/5 della sua velocità.</translation>
    </message>
    <message>
        <source>ouvrez la fenêtre « Mesures » : le spectre donne le sens de chaque harmonique.</source>
        <translation>apri la finestra «Misure»: lo spettro indica il verso di rotazione di ogni armonica.</translation>
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
        <source>Pour l&apos;harmonique 7 les déphasages des trois phases sont multipliés par 7 : 0°, 840°, 1680°, soit 0°, 120°, 240°. Les harmoniques 5 et 11 tournent donc contre le fondamental, 7 et 13 avec lui, à 1/7 de sa vitesse.</source>
        <translation>Per l&apos;armonica 7 gli sfasamenti delle tre fasi sono moltiplicati per 7: 0°, 840°, 1680°, cioè 0°, 120°, 240°. Le armoniche 5 e 11 ruotano quindi contro la fondamentale, la 7 e la 13 con essa, a 1/7 della sua velocità.</translation>
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
        <source>Indicateur de couple entre les champs du stator et du rotor (sans unité).</source>
        <translation>Indicatore di coppia tra i campi di statore e di rotore (adimensionale).</translation>
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
        <source>Champ tournant dans le sens de la séquence 0/120/240 (composante directe).</source>
        <translation>Campo che ruota nel verso della sequenza 0/120/240 (componente diretta).</translation>
    </message>
    <message>
        <source>Stator inverse</source>
        <translation>Statore inverso</translation>
    </message>
    <message>
        <source>Champ tournant en sens opposé (composante inverse).</source>
        <translation>Campo che ruota in verso opposto (componente inversa).</translation>
    </message>
    <message>
        <source>Rotor direct</source>
        <translation>Rotore diretto</translation>
    </message>
    <message>
        <source>Champ du rotor tournant dans le sens de sa séquence 0/120/240.</source>
        <translation>Campo del rotore che ruota nel verso della sua sequenza 0/120/240.</translation>
    </message>
    <message>
        <source>Rotor inverse</source>
        <translation>Rotore inverso</translation>
    </message>
    <message>
        <source>Champ du rotor tournant en sens opposé.</source>
        <translation>Campo del rotore che ruota in verso opposto.</translation>
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
        <source>après votre réponse</source>
        <translation>dopo la risposta</translation>
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
        <source>Vireflu est arrêté : vous pouvez fermer cette page.</source>
        <translation>Vireflu è chiuso: puoi chiudere questa pagina.</translation>
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
</context>
<context>
    <name>Setup</name>
    <message>
        <source>Ce n&apos;est pas un réglage Vireflu : le texte n&apos;est pas du JSON lisible (arrêt à l&apos;octet %2).</source>
        <translation>Non è una configurazione Vireflu: il testo non è JSON leggibile (interrotto al byte %2).</translation>
    </message>
    <message>
        <source>Ce n&apos;est pas un réglage Vireflu : le document n&apos;est pas un objet JSON.</source>
        <translation>Non è una configurazione Vireflu: il documento non è un oggetto JSON.</translation>
    </message>
    <message>
        <source>Ce n&apos;est pas un réglage Vireflu : il dépasse 64 Kio.</source>
        <translation>Non è una configurazione Vireflu: supera i 64 KiB.</translation>
    </message>
    <message>
        <source>Ce lien ne contient pas de réglage Vireflu lisible.</source>
        <translation>Questo link non contiene una configurazione Vireflu leggibile.</translation>
    </message>
    <message>
        <source>Ce n&apos;est pas un réglage Vireflu : la clé « %1 » (la version du format) manque.</source>
        <translation>Non è una configurazione Vireflu: manca la chiave «%1» (la versione del formato).</translation>
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
</context>
<context>
    <name>vireflu::AnimationExport</name>
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
        <translation>Sezione della macchina</translation>
    </message>
</context>
<context>
    <name>vireflu::CMainWindow</name>
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
</context>
<context>
    <name>vireflu::CMeasuresPanel</name>
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
</context>
<context>
    <name>vireflu::LessonPanel</name>
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
</context>
<context>
    <name>vireflu::SetupFiles</name>
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
</TS>
