<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>AboutBox</name>
    <message>
        <source>Simulateur pédagogique, 2026</source>
        <translation>Simulador didáctico, 2026</translation>
    </message>
    <message>
        <source>Le champ tournant des machines triphasées</source>
        <translation>El campo giratorio de las máquinas trifásicas</translation>
    </message>
    <message>
        <source>A propos de Vireflu</source>
        <translation>Acerca de Vireflu</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
</context>
<context>
    <name>Animation</name>
    <message>
        <source>Exporter l&apos;animation</source>
        <translation>Exportar la animación</translation>
    </message>
    <message>
        <source>Images GIF (*.gif)</source>
        <translation>Imágenes GIF (*.gif)</translation>
    </message>
    <message>
        <source>L&apos;animation n&apos;a pas pu être enregistrée : %1.</source>
        <translation>No se pudo guardar la animación: %1.</translation>
    </message>
    <message>
        <source>Exportation de l&apos;animation...</source>
        <translation>Exportando la animación...</translation>
    </message>
    <message>
        <source>Annuler</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Exportation annulée : aucun fichier n&apos;a été écrit.</source>
        <translation>Exportación cancelada: no se ha escrito ningún archivo.</translation>
    </message>
    <message>
        <source>L&apos;animation n&apos;a pas pu être enregistrée : ses images ont plus de 256 couleurs.</source>
        <translation>No se pudo guardar la animación: sus imágenes tienen más de 256 colores.</translation>
    </message>
    <message>
        <source>Aucune animation à exporter : aucun enroulement n&apos;est alimenté en « sinus » ou « rectangulaire » au-dessus de 0 Hz.</source>
        <translation>No hay animación que exportar: ningún devanado está alimentado con «seno» o «rectangular» por encima de 0 Hz.</translation>
    </message>
</context>
<context>
    <name>Annotations</name>
    <message>
        <source>↑ horaire</source>
        <translation>↑ horario</translation>
    </message>
    <message>
        <source>↓ antihoraire</source>
        <translation>↓ antihorario</translation>
    </message>
    <message>
        <source>après votre réponse</source>
        <translation>tras su respuesta</translation>
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
        <translation>No se pudo leer el registro de respuestas %1: %2.</translation>
    </message>
    <message>
        <source>Mes réponses</source>
        <translation>Mis respuestas</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>Leçon</source>
        <translation>Lección</translation>
    </message>
    <message>
        <source>Réponse</source>
        <translation>Respuesta</translation>
    </message>
    <message>
        <source>Résultat</source>
        <translation>Resultado</translation>
    </message>
    <message>
        <source>Secondes</source>
        <translation>Segundos</translation>
    </message>
    <message>
        <source>juste</source>
        <translation>correcta</translation>
    </message>
    <message>
        <source>faux</source>
        <translation>incorrecta</translation>
    </message>
    <message>
        <source>Exporter en CSV</source>
        <translation>Exportar como CSV</translation>
    </message>
    <message>
        <source>Exporter en JSON</source>
        <translation>Exportar como JSON</translation>
    </message>
    <message>
        <source>Effacer</source>
        <translation>Borrar</translation>
    </message>
    <message>
        <source>Effacer toutes les réponses ? Elles ne pourront pas être retrouvées.</source>
        <translation>¿Borrar todas las respuestas? No se podrán recuperar.</translation>
    </message>
    <message>
        <source>Aucune réponse pour l&apos;instant.</source>
        <translation>Todavía no hay respuestas.</translation>
    </message>
    <message>
        <source>Ce navigateur ne garde pas les réponses : elles seront perdues à la fermeture de la page.</source>
        <translation>Este navegador no guarda las respuestas: se perderán al cerrar la página.</translation>
    </message>
    <message>
        <source>Exporter en CSV...</source>
        <translation>Exportar como CSV...</translation>
    </message>
    <message>
        <source>Exporter en JSON...</source>
        <translation>Exportar como JSON...</translation>
    </message>
    <message>
        <source>Tableur CSV (*.csv)</source>
        <translation>Hoja de cálculo CSV (*.csv)</translation>
    </message>
    <message>
        <source>Journal de réponses (*.json)</source>
        <translation>Registro de respuestas (*.json)</translation>
    </message>
    <message>
        <source>Les réponses n&apos;ont pas pu être exportées : %1.</source>
        <translation>No se pudieron exportar las respuestas: %1.</translation>
    </message>
    <message>
        <source>Les réponses n&apos;ont pas pu être effacées.</source>
        <translation>No se pudieron borrar las respuestas.</translation>
    </message>
</context>
<context>
    <name>CommandBar</name>
    <message>
        <source>&amp;Initialisation</source>
        <translation>&amp;Inicializar</translation>
    </message>
    <message>
        <source>&amp;Animation</source>
        <translation>&amp;Animación</translation>
    </message>
    <message>
        <source>&amp;Stop</source>
        <translation>&amp;Detener</translation>
    </message>
    <message>
        <source>Commandes de l&apos;horloge</source>
        <translation>Controles del reloj</translation>
    </message>
</context>
<context>
    <name>Conventions</name>
    <message>
        <source>Le courant d&apos;une phase vaut sin(ωt + angle) : l&apos;angle est une avance.</source>
        <translation>La corriente de una fase es sin(ωt + ángulo): el ángulo es un adelanto.</translation>
    </message>
    <message>
        <source>Séquence directe : les phases culminent dans l&apos;ordre 1, 2, 3, soit les angles 0/240/120 ; son champ tourne dans le sens antihoraire.</source>
        <translation>Secuencia directa: las fases alcanzan su máximo en el orden 1, 2, 3, es decir, los ángulos 0/240/120; su campo gira en sentido antihorario.</translation>
    </message>
    <message>
        <source>Séquence inverse : 0/120/240, l&apos;ordre 1, 3, 2 ; son champ tourne dans le sens horaire.</source>
        <translation>Secuencia inversa: 0/120/240, el orden 1, 3, 2; su campo gira en sentido horario.</translation>
    </message>
    <message>
        <source>Vitesses, glissements, angles et couples sont positifs dans le sens antihoraire, celui où tourne le rotor pour une fréquence de rotation positive.</source>
        <translation>Velocidades, deslizamientos, ángulos y pares son positivos en sentido antihorario, en el que gira el rotor con una frecuencia de rotación positiva.</translation>
    </message>
    <message>
        <source>Glissement g = (ns - n) / ns avec les vitesses signées : 0 au synchronisme, 1 à l&apos;arrêt, plus de 1 contre le champ.</source>
        <translation>Deslizamiento g = (ns - n) / ns con las velocidades con signo: 0 en sincronismo, 1 parado, más de 1 contra el campo.</translation>
    </message>
    <message>
        <source>La barre de couple monte pour un couple horaire et descend pour un couple antihoraire.</source>
        <translation>La barra de par sube con un par horario y baja con un par antihorario.</translation>
    </message>
    <message>
        <source>L&apos;harmonique n des courants fait un champ qui tourne n fois plus vite que le fondamental : 5 et 11 contre lui, 7 et 13 avec lui.</source>
        <translation>El armónico n de las corrientes crea un campo que gira n veces más rápido que el fundamental: 5 y 11 en su contra, 7 y 13 a su favor.</translation>
    </message>
    <message>
        <source>Conventions de signe</source>
        <translation>Convenciones de signo</translation>
    </message>
</context>
<context>
    <name>Course</name>
    <message>
        <source>Ouvrir un parcours</source>
        <translation>Abrir un recorrido</translation>
    </message>
    <message>
        <source>Parcours Vireflu (*.json)</source>
        <translation>Recorridos de Vireflu (*.json)</translation>
    </message>
    <message>
        <source>Composez ou ouvrez d&apos;abord un parcours.</source>
        <translation>Primero componga o abra un recorrido.</translation>
    </message>
    <message>
        <source>Parcours terminé : %1</source>
        <translation>Recorrido terminado: %1</translation>
    </message>
    <message>
        <source>Bonnes réponses : %1 sur %2 (%3 %).</source>
        <translation>Respuestas correctas: %1 de %2 (%3 %).</translation>
    </message>
    <message>
        <source>Réussi (note de passage : %1 %).</source>
        <translation>Aprobado (nota mínima: %1 %).</translation>
    </message>
    <message>
        <source>Pas encore réussi (note de passage : %1 %).</source>
        <translation>Aún no aprobado (nota mínima: %1 %).</translation>
    </message>
    <message>
        <source>%1 : sans réponse</source>
        <translation>%1: sin respuesta</translation>
    </message>
    <message>
        <source>%1 : juste</source>
        <translation>%1: correcta</translation>
    </message>
    <message>
        <source>%1 : faux</source>
        <translation>%1: incorrecta</translation>
    </message>
    <message>
        <source>Composer un parcours</source>
        <translation>Componer un recorrido</translation>
    </message>
    <message>
        <source>Titre</source>
        <translation>Título</translation>
    </message>
    <message>
        <source>Note de passage (%)</source>
        <translation>Nota mínima (%)</translation>
    </message>
    <message>
        <source>Leçons de Vireflu</source>
        <translation>Lecciones de Vireflu</translation>
    </message>
    <message>
        <source>Ajouter</source>
        <translation>Añadir</translation>
    </message>
    <message>
        <source>Ajouter une leçon de fichier...</source>
        <translation>Añadir una lección de un archivo...</translation>
    </message>
    <message>
        <source>Leçons du parcours</source>
        <translation>Lecciones del recorrido</translation>
    </message>
    <message>
        <source>Monter</source>
        <translation>Subir</translation>
    </message>
    <message>
        <source>Descendre</source>
        <translation>Bajar</translation>
    </message>
    <message>
        <source>Retirer</source>
        <translation>Quitar</translation>
    </message>
    <message>
        <source>Commencer</source>
        <translation>Empezar</translation>
    </message>
    <message>
        <source>Enregistrer...</source>
        <translation>Guardar...</translation>
    </message>
    <message>
        <source>Copier le lien</source>
        <translation>Copiar el enlace</translation>
    </message>
    <message>
        <source>Exporter pour une plateforme (SCORM)...</source>
        <translation>Exportar para una plataforma (SCORM)...</translation>
    </message>
    <message>
        <source>aucune</source>
        <translation>ninguna</translation>
    </message>
    <message>
        <source>Le parcours %1 n&apos;a pas pu être lu : %2.</source>
        <translation>No se pudo leer el recorrido %1: %2.</translation>
    </message>
    <message>
        <source>Enregistrer le parcours</source>
        <translation>Guardar el recorrido</translation>
    </message>
    <message>
        <source>Le parcours n&apos;a pas pu être enregistré : %1.</source>
        <translation>No se pudo guardar el recorrido: %1.</translation>
    </message>
    <message>
        <source>La page de Vireflu (vireflu.html) est introuvable : construisez-la avec « make web ».</source>
        <translation>No se encuentra la página de Vireflu (vireflu.html): genérela con «make web».</translation>
    </message>
    <message>
        <source>%1 n&apos;a pas pu être lue comme la page de Vireflu.</source>
        <translation>%1 no se pudo leer como la página de Vireflu.</translation>
    </message>
    <message>
        <source>Exporter pour une plateforme (SCORM)</source>
        <translation>Exportar para una plataforma (SCORM)</translation>
    </message>
    <message>
        <source>Paquet SCORM (*.zip)</source>
        <translation>Paquete SCORM (*.zip)</translation>
    </message>
    <message>
        <source>Le paquet n&apos;a pas pu être enregistré : %1.</source>
        <translation>No se pudo guardar el paquete: %1.</translation>
    </message>
</context>
<context>
    <name>Description</name>
    <message>
        <source>%1 : phases %2 en %3.</source>
        <translation>%1: fases %2 (%3).</translation>
    </message>
    <message>
        <source>%1 : phase %2 en %3.</source>
        <translation>%1: fase %2 (%3).</translation>
    </message>
    <message>
        <source>%1 : aucun courant.</source>
        <translation>%1: sin corriente.</translation>
    </message>
    <message>
        <source>Champ %1, %2.</source>
        <translation>Campo %1, %2.</translation>
    </message>
    <message>
        <source>Pas de champ tournant.</source>
        <translation>Sin campo giratorio.</translation>
    </message>
    <message>
        <source>Rotor à %1.</source>
        <translation>Rotor a %1.</translation>
    </message>
    <message>
        <source>Couple %1.</source>
        <translation>Par %1.</translation>
    </message>
    <message>
        <source>Présentation : %1.</source>
        <translation>Representación: %1.</translation>
    </message>
    <message>
        <source>Champ : %1.</source>
        <translation>Campo: %1.</translation>
    </message>
    <message>
        <source>Couple : %1.</source>
        <translation>Par: %1.</translation>
    </message>
</context>
<context>
    <name>Files</name>
    <message>
        <source>Réglages Vireflu (*.vireflu)</source>
        <translation>Configuraciones de Vireflu (*.vireflu)</translation>
    </message>
    <message>
        <source>Ouvrir un réglage</source>
        <translation>Abrir una configuración</translation>
    </message>
    <message>
        <source>Le réglage %1 n&apos;a pas pu être lu : %2.</source>
        <translation>No se pudo leer la configuración %1: %2.</translation>
    </message>
    <message>
        <source>%1 n&apos;a pas été ouvert.</source>
        <translation>%1 no se ha abierto.</translation>
    </message>
    <message>
        <source>Enregistrer le réglage</source>
        <translation>Guardar la configuración</translation>
    </message>
    <message>
        <source>Le réglage n&apos;a pas pu être enregistré : %1.</source>
        <translation>No se pudo guardar la configuración: %1.</translation>
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
        <translation>en sentido horario</translation>
    </message>
    <message>
        <source>dans le sens antihoraire</source>
        <translation>en sentido antihorario</translation>
    </message>
    <message>
        <source>Le champ pulse sur un axe fixe : ses deux moitiés tournent en sens opposés à %1</source>
        <translation>El campo pulsa sobre un eje fijo: sus dos mitades giran en sentidos opuestos a %1</translation>
    </message>
    <message>
        <source>Le champ tourne %1 à %2</source>
        <translation>El campo gira %1 a %2</translation>
    </message>
    <message>
        <source>Le champ tourne %1 à %2 : vitesse signée %3</source>
        <translation>El campo gira %1 a %2: velocidad con signo %3</translation>
    </message>
    <message>
        <source>Le glissement vaut %1 : champ à %2, rotor à %3</source>
        <translation>El deslizamiento vale %1: campo a %2, rotor a %3</translation>
    </message>
    <message>
        <source>Sur une période, le couple moyen est nul (%1) : il change de signe</source>
        <translation>En un periodo, el par medio es nulo (%1): cambia de signo</translation>
    </message>
    <message>
        <source>Sur une période, le couple moyen pousse le rotor %1 (%2)</source>
        <translation>En un periodo, el par medio impulsa al rotor %1 (%2)</translation>
    </message>
    <message>
        <source>Le couple antihoraire est le plus grand avec le rotor à %1°</source>
        <translation>El par en sentido antihorario es máximo con el rotor a %1°</translation>
    </message>
    <message>
        <source>Le champ d&apos;une phase</source>
        <translation>El campo de una fase</translation>
    </message>
    <message>
        <source>Une seule phase</source>
        <translation>Una sola fase</translation>
    </message>
    <message>
        <source>Quand l&apos;horloge tourne, que fait le champ ?</source>
        <translation>Cuando el reloj avanza, ¿qué hace el campo?</translation>
    </message>
    <message>
        <source>ouvrez la fenêtre « Mesures » et cochez « Deux champs tournants » : les deux moitiés tournent en sens opposés.</source>
        <translation>abra la ventana «Medidas» y marque «Dos campos giratorios»: las dos mitades giran en sentidos opuestos.</translation>
    </message>
    <message>
        <source>Il tourne dans le sens horaire</source>
        <translation>Gira en sentido horario</translation>
    </message>
    <message>
        <source>Il tourne dans le sens antihoraire</source>
        <translation>Gira en sentido antihorario</translation>
    </message>
    <message>
        <source>Il pulse sur place, sans tourner</source>
        <translation>Pulsa en su sitio, sin girar</translation>
    </message>
    <message>
        <source>Le champ tournant</source>
        <translation>El campo giratorio</translation>
    </message>
    <message>
        <source>Trois phases</source>
        <translation>Tres fases</translation>
    </message>
    <message>
        <source>Que fait le champ résultant ?</source>
        <translation>¿Qué hace el campo resultante?</translation>
    </message>
    <message>
        <source>choisissez la représentation « Trace » : la pointe du champ décrit un cercle.</source>
        <translation>elija la representación «Trayectoria»: la punta del campo describe un círculo.</translation>
    </message>
    <message>
        <source>Deux phases inversées</source>
        <translation>Dos fases intercambiadas</translation>
    </message>
    <message>
        <source>Dans quel sens tourne le champ ?</source>
        <translation>¿En qué sentido gira el campo?</translation>
    </message>
    <message>
        <source>remettez 120° et 240° dans le panneau Stator et comparez.</source>
        <translation>vuelva a poner 120° y 240° en el panel Estator y compare.</translation>
    </message>
    <message>
        <source>Que fait le champ ?</source>
        <translation>¿Qué hace el campo?</translation>
    </message>
    <message>
        <source>Deux phases à 90°</source>
        <translation>Dos fases a 90°</translation>
    </message>
    <message>
        <source>mettez 270° au lieu de 90° pour la phase 2 : le champ change de sens.</source>
        <translation>ponga 270° en lugar de 90° en la fase 2: el campo cambia de sentido.</translation>
    </message>
    <message>
        <source>Fréquence et vitesse</source>
        <translation>Frecuencia y velocidad</translation>
    </message>
    <message>
        <source>Quelle est la vitesse de synchronisme du champ ?</source>
        <translation>¿Cuál es la velocidad de sincronismo del campo?</translation>
    </message>
    <message>
        <source>ouvrez la fenêtre « Mesures » et changez la fréquence dans le panneau Stator.</source>
        <translation>abra la ventana «Medidas» y cambie la frecuencia en el panel Estator.</translation>
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
        <translation>Corriente continua</translation>
    </message>
    <message>
        <source>La bobine 1 du stator est parcourue par un courant continu.</source>
        <translation>Por la bobina 1 del estator circula una corriente continua.</translation>
    </message>
    <message>
        <source>Que fait le champ quand l&apos;horloge tourne ?</source>
        <translation>¿Qué hace el campo cuando el reloj avanza?</translation>
    </message>
    <message>
        <source>alimentez plutôt le rotor en continu et donnez-lui une rotation : son champ tourne avec lui.</source>
        <translation>en su lugar, alimente el rotor con corriente continua y hágalo girar: su campo gira con él.</translation>
    </message>
    <message>
        <source>Il pulse sur place</source>
        <translation>Pulsa en su sitio</translation>
    </message>
    <message>
        <source>Il reste immobile</source>
        <translation>Permanece inmóvil</translation>
    </message>
    <message>
        <source>La machine synchrone</source>
        <translation>La máquina síncrona</translation>
    </message>
    <message>
        <source>Au synchronisme</source>
        <translation>En sincronismo</translation>
    </message>
    <message>
        <source>Sur une période, dans quel sens le couple moyen pousse-t-il le rotor ?</source>
        <translation>En un periodo, ¿en qué sentido impulsa el par medio al rotor?</translation>
    </message>
    <message>
        <source>mettez la position initiale à 330° : le rotor est en avance de 60° et la machine freine.</source>
        <translation>ponga la posición inicial en 330°: el rotor va 60° adelantado y la máquina frena.</translation>
    </message>
    <message>
        <source>Dans le sens de rotation (antihoraire)</source>
        <translation>En el sentido de giro (antihorario)</translation>
    </message>
    <message>
        <source>Contre la rotation (horaire)</source>
        <translation>Contra el giro (horario)</translation>
    </message>
    <message>
        <source>Il est nul</source>
        <translation>Es nulo</translation>
    </message>
    <message>
        <source>L&apos;angle de couple</source>
        <translation>El ángulo de par</translation>
    </message>
    <message>
        <source>Stator et rotor sont alimentés en continu ; le champ du stator pointe vers la droite (0°). La position initiale du rotor, dans le panneau Rotor, fixe l&apos;angle entre les deux champs.</source>
        <translation>Estator y rotor están alimentados con corriente continua; el campo del estator apunta hacia la derecha (0°). La posición inicial del rotor, en el panel Rotor, fija el ángulo entre los dos campos.</translation>
    </message>
    <message>
        <source>À quelle position du rotor le couple antihoraire est-il le plus grand ?</source>
        <translation>¿En qué posición del rotor es máximo el par en sentido antihorario?</translation>
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
        <translation>Un rotor arrastrado contra el campo</translation>
    </message>
    <message>
        <source>Quel est le glissement g = (ns - n) / ns ?</source>
        <translation>¿Cuál es el deslizamiento g = (ns - n) / ns?</translation>
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
        <translation>La máquina asíncrona</translation>
    </message>
    <message>
        <source>Le glissement</source>
        <translation>El deslizamiento</translation>
    </message>
    <message>
        <source>Quel est le glissement ?</source>
        <translation>¿Cuál es el deslizamiento?</translation>
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
        <translation>La frecuencia de las corrientes del rotor</translation>
    </message>
    <message>
        <source>Quelle est la fréquence des courants induits dans le rotor ?</source>
        <translation>¿Cuál es la frecuencia de las corrientes inducidas en el rotor?</translation>
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
        <translation>Los armónicos</translation>
    </message>
    <message>
        <source>L&apos;harmonique 5 de l&apos;onduleur</source>
        <translation>El armónico 5 del inversor</translation>
    </message>
    <message>
        <source>Dans quel sens tourne le champ de l&apos;harmonique 5 ?</source>
        <translation>¿En qué sentido gira el campo del armónico 5?</translation>
    </message>
    <message>
        <source>Dans le sens horaire, contre le fondamental</source>
        <translation>En sentido horario, contra el fundamental</translation>
    </message>
    <message>
        <source>Dans le sens antihoraire, avec le fondamental</source>
        <translation>En sentido antihorario, con el fundamental</translation>
    </message>
    <message>
        <source>L&apos;harmonique 7 de l&apos;onduleur</source>
        <translation>El armónico 7 del inversor</translation>
    </message>
    <message>
        <source>Dans quel sens tourne le champ de l&apos;harmonique 7 ?</source>
        <translation>¿En qué sentido gira el campo del armónico 7?</translation>
    </message>
    <message>
        <source>,</source>
        <translation>,</translation>
    </message>
    <message>
        <source>Le champ reste immobile : rien n&apos;alterne dans le stator</source>
        <translation>El campo permanece inmóvil: nada alterna en el estator</translation>
    </message>
    <message>
        <source>Le stator ne crée aucun champ</source>
        <translation>El estator no crea ningún campo</translation>
    </message>
    <message>
        <source>%1 Hz</source>
        <translation>%1 Hz</translation>
    </message>
    <message>
        <source>Vitesses, glissements, angles et couples sont comptés positifs dans le sens antihoraire, celui où tourne le rotor pour une fréquence de rotation positive.</source>
        <translation>Velocidades, deslizamientos, ángulos y pares se cuentan positivos en sentido antihorario, en el que gira el rotor con una frecuencia de rotación positiva.</translation>
    </message>
    <message>
        <source>La barre de couple monte quand le couple pousse le rotor dans le sens horaire et descend quand il le pousse dans le sens antihoraire.</source>
        <translation>La barra de par sube cuando el par impulsa al rotor en sentido horario y baja cuando lo impulsa en sentido antihorario.</translation>
    </message>
    <message>
        <source>Les courants du rotor ont une fréquence de %1 (%2 × %3)</source>
        <translation>Las corrientes del rotor tienen una frecuencia de %1 (%2 × %3)</translation>
    </message>
    <message>
        <source>L&apos;harmonique %1 (%2 % du fondamental) tourne %3 à %4, %1 fois la vitesse du fondamental</source>
        <translation>El armónico %1 (%2 % del fundamental) gira %3 a %4, %1 veces la velocidad del fundamental</translation>
    </message>
    <message>
        <source>Une seule bobine du stator est alimentée par un courant sinusoïdal de {frequency}. La flèche rouge montre le champ dans l&apos;entrefer.</source>
        <translation>Una sola bobina del estator se alimenta con una corriente sinusoidal de {frequency}. La flecha roja muestra el campo en el entrehierro.</translation>
    </message>
    <message>
        <source>Le champ d&apos;une bobine reste sur son axe : il grandit, s&apos;annule et change de signe avec le courant. Il se décompose en deux moitiés égales qui tournent en sens opposés, chacune à {field-speed}.</source>
        <translation>El campo de una bobina permanece sobre su eje: crece, se anula y cambia de signo con la corriente. Se descompone en dos mitades iguales que giran en sentidos opuestos, cada una a {field-speed}.</translation>
    </message>
    <message>
        <source>Une bobine seule ne fait un champ que sur son axe : la flèche rouge ne quitte pas cet axe, elle change seulement de longueur et de signe. Regardez-la pendant une période.</source>
        <translation>Una bobina sola solo crea un campo sobre su eje: la flecha roja no abandona ese eje, solo cambia de longitud y de signo. Obsérvela durante un periodo.</translation>
    </message>
    <message>
        <source>Les trois bobines du stator, décalées de 120° dans l&apos;espace, sont alimentées à {frequency} par des courants d&apos;angles {stator-angles}. Un angle est une avance : le courant de la phase vaut sin(ωt + angle).</source>
        <translation>Las tres bobinas del estator, desplazadas 120° en el espacio, se alimentan a {frequency} con corrientes de ángulos {stator-angles}. Un ángulo es un adelanto: la corriente de la fase vale sin(ωt + ángulo).</translation>
    </message>
    <message>
        <source>Les trois champs pulsants s&apos;ajoutent en un champ de longueur constante qui fait un tour par période : {field-speed}. Il passe d&apos;une bobine à la suivante dans l&apos;ordre où leurs courants culminent : la phase 1, puis la 3, en retard de 120°, puis la 2. C&apos;est la séquence inverse, et le champ tourne {field-sense}.</source>
        <translation>Los tres campos pulsantes se suman en un campo de longitud constante que da una vuelta por periodo: {field-speed}. Pasa de una bobina a la siguiente en el orden en que sus corrientes alcanzan el máximo: la fase 1, luego la 3, retrasada 120°, luego la 2. Es la secuencia inversa, y el campo gira {field-sense}.</translation>
    </message>
    <message>
        <source>Les angles semblent donner l&apos;ordre 1, 2, 3, mais ce sont des avances : la phase 3, en avance de 240°, c&apos;est-à-dire en retard de 120°, culmine avant la phase 2. Regardez dans le panneau Stator quel courant culmine juste après celui de la phase 1.</source>
        <translation>Los ángulos parecen dar el orden 1, 2, 3, pero son adelantos: la fase 3, adelantada 240°, es decir, retrasada 120°, alcanza el máximo antes que la fase 2. Mire en el panel Estator qué corriente alcanza el máximo justo después de la de la fase 1.</translation>
    </message>
    <message>
        <source>Chaque bobine seule fait un champ pulsant, mais trois champs pulsants décalés dans l&apos;espace et dans le temps s&apos;ajoutent en un champ de longueur constante. Regardez la longueur de la flèche rouge.</source>
        <translation>Cada bobina sola crea un campo pulsante, pero tres campos pulsantes desplazados en el espacio y en el tiempo se suman en un campo de longitud constante. Observe la longitud de la flecha roja.</translation>
    </message>
    <message>
        <source>Le même stator triphasé, mais les courants des phases 2 et 3 ont été échangés : leurs angles sont maintenant {stator-angles}.</source>
        <translation>El mismo estator trifásico, pero las corrientes de las fases 2 y 3 se han intercambiado: sus ángulos son ahora {stator-angles}.</translation>
    </message>
    <message>
        <source>Les courants culminent maintenant dans l&apos;ordre 1, 2, 3 au lieu de 1, 3, 2 : c&apos;est la séquence directe. Le champ, qui va d&apos;une bobine à celle dont le courant culmine ensuite, tourne {field-sense}, toujours à {field-speed}. C&apos;est ainsi qu&apos;on inverse le sens d&apos;un moteur triphasé : on échange deux de ses fils.</source>
        <translation>Las corrientes alcanzan ahora el máximo en el orden 1, 2, 3 en lugar de 1, 3, 2: es la secuencia directa. El campo, que va de una bobina a aquella cuya corriente alcanza el máximo a continuación, gira {field-sense}, siempre a {field-speed}. Así se invierte el sentido de giro de un motor trifásico: se intercambian dos de sus conductores de línea.</translation>
    </message>
    <message>
        <source>C&apos;était le sens de la leçon précédente. Échanger deux phases change l&apos;ordre dans lequel les courants culminent, et le champ suit cet ordre.</source>
        <translation>Ese era el sentido de la lección anterior. Intercambiar dos fases cambia el orden en que las corrientes alcanzan el máximo, y el campo sigue ese orden.</translation>
    </message>
    <message>
        <source>Deux bobines à angle droit sont alimentées par des courants décalés de 90° dans le temps, d&apos;angles {stator-angles} : la bobine 2, en avance, atteint son maximum un quart de période avant la bobine 1.</source>
        <translation>Dos bobinas en ángulo recto se alimentan con corrientes desfasadas 90° en el tiempo, de ángulos {stator-angles}: la bobina 2, adelantada, alcanza su máximo un cuarto de periodo antes que la bobina 1.</translation>
    </message>
    <message>
        <source>Deux bobines en quadrature, avec des courants en quadrature, suffisent à faire un champ tournant de longueur constante, ici {field-sense} à {field-speed}. Il va de la bobine dont le courant est en avance vers l&apos;autre. C&apos;est le principe des moteurs monophasés à condensateur.</source>
        <translation>Dos bobinas en cuadratura, con corrientes en cuadratura, bastan para crear un campo giratorio de longitud constante, que aquí gira {field-sense} a {field-speed}. Va de la bobina cuya corriente está adelantada hacia la otra. Es el principio de los motores monofásicos con condensador.</translation>
    </message>
    <message>
        <source>La bobine 2 est bien à 90° de la bobine 1, mais son courant est en avance : le champ part d&apos;elle et va vers la bobine 1.</source>
        <translation>La bobina 2 está, en efecto, a 90° de la bobina 1, pero su corriente está adelantada: el campo parte de ella y va hacia la bobina 1.</translation>
    </message>
    <message>
        <source>Le stator triphasé à une paire de pôles est alimenté à {frequency}, avec les angles {stator-angles}. {convention}</source>
        <translation>El estator trifásico de un par de polos se alimenta a {frequency}, con los ángulos {stator-angles}. {convention}</translation>
    </message>
    <message>
        <source>Le champ fait un tour par période du courant : n = 60 f / p, soit {field-speed} avec une paire de pôles à {frequency}. Les angles {stator-angles} forment la séquence directe, qui le fait tourner {field-sense} : la vitesse signée vaut {field-signed-speed}.</source>
        <translation>El campo da una vuelta por periodo de la corriente: n = 60 f / p, es decir, {field-speed} con un par de polos a {frequency}. Los ángulos {stator-angles} forman la secuencia directa, que lo hace girar {field-sense}: la velocidad con signo vale {field-signed-speed}.</translation>
    </message>
    <message>
        <source>C&apos;est la vitesse d&apos;un réseau européen. La vitesse de synchronisme suit la fréquence : n = 60 f / p, avec ici f = {frequency}.</source>
        <translation>Es la velocidad en una red europea. La velocidad de sincronismo sigue a la frecuencia: n = 60 f / p, aquí con f = {frequency}.</translation>
    </message>
    <message>
        <source>La valeur est juste, pas le signe. {convention}</source>
        <translation>El valor es correcto, el signo no. {convention}</translation>
    </message>
    <message>
        <source>Un courant constant fait un champ constant, fixe sur l&apos;axe de la bobine : rien ne tourne tant que le rotor ne tourne pas. C&apos;est le champ de l&apos;inducteur d&apos;une machine synchrone, ou d&apos;un aimant.</source>
        <translation>Una corriente constante crea un campo constante, fijo sobre el eje de la bobina: nada gira mientras el rotor no gire. Es el campo del inductor de una máquina síncrona, o el de un imán.</translation>
    </message>
    <message>
        <source>Le champ du stator tourne {field-sense} à {field-speed}. Le rotor, alimenté en continu, tourne {rotor-sense} à {rotor-speed}, son champ en retard de 60° sur celui du stator. La barre à gauche montre le couple.</source>
        <translation>El campo del estator gira {field-sense} a {field-speed}. El rotor, alimentado con corriente continua, gira {rotor-sense} a {rotor-speed}, con su campo retrasado 60° respecto al del estator. La barra de la izquierda muestra el par.</translation>
    </message>
    <message>
        <source>Au synchronisme les deux champs tournent ensemble : leur angle reste fixe, donc le couple aussi, {mean-torque}. Le champ du stator, en avance, tire celui du rotor dans le sens de rotation : la machine est motrice. {torque-bar}</source>
        <translation>En sincronismo los dos campos giran juntos: su ángulo permanece fijo, y por tanto también el par, {mean-torque}. El campo del estator, adelantado, arrastra al del rotor en el sentido de giro: la máquina funciona como motor. {torque-bar}</translation>
    </message>
    <message>
        <source>Le champ du rotor est en retard sur celui du stator : le stator le tire en avant, dans le sens de rotation, comme un aimant en entraîne un autre.</source>
        <translation>El campo del rotor está retrasado respecto al del estator: el estator tira de él hacia delante, en el sentido de giro, como un imán arrastra a otro.</translation>
    </message>
    <message>
        <source>Au synchronisme l&apos;angle entre les deux champs reste fixe : le couple ne change pas de signe, sa moyenne n&apos;est donc pas nulle. Regardez la barre de couple.</source>
        <translation>En sincronismo el ángulo entre los dos campos permanece fijo: el par no cambia de signo, así que su media no es nula. Observe la barra de par.</translation>
    </message>
    <message>
        <source>Le couple vaut le produit des deux champs par le sinus de leur angle. Il est nul quand ils sont alignés (0° ou 180°) et le plus grand à angle droit. À 270°, le champ du stator est en avance de 90° sur celui du rotor et le tire en avant : le couple positif est le plus grand.</source>
        <translation>El par es el producto de los dos campos por el seno de su ángulo. Es nulo cuando están alineados (0° o 180°) y máximo en ángulo recto. A 270°, el campo del estator va 90° adelantado respecto al del rotor y tira de él hacia delante: el par positivo es máximo.</translation>
    </message>
    <message>
        <source>mettez la position initiale à 90° puis à 270° avec le curseur du panneau Rotor et comparez les barres de couple. {torque-bar}</source>
        <translation>ponga la posición inicial en 90° y luego en 270° con el cursor del panel Rotor y compare las barras de par. {torque-bar}</translation>
    </message>
    <message>
        <source>Le champ du stator tourne {field-sense} à {field-speed}. Une machine extérieure entraîne le rotor {rotor-sense}, à {rotor-speed}. {convention}</source>
        <translation>El campo del estator gira {field-sense} a {field-speed}. Una máquina externa arrastra el rotor {rotor-sense}, a {rotor-speed}. {convention}</translation>
    </message>
    <message>
        <source>Avec les vitesses signées, ns = {field-signed-speed} et n = {rotor-signed-speed} : g = {slip}. Un glissement supérieur à 1 veut dire que le rotor tourne contre le champ : la machine freine (freinage par contre-courant) et les courants induits dans le rotor ont une fréquence de {rotor-frequency}.</source>
        <translation>Con las velocidades con signo, ns = {field-signed-speed} y n = {rotor-signed-speed}: g = {slip}. Un deslizamiento mayor que 1 significa que el rotor gira contra el campo: la máquina frena (frenado por contracorriente) y las corrientes inducidas en el rotor tienen una frecuencia de {rotor-frequency}.</translation>
    </message>
    <message>
        <source>ouvrez la fenêtre « Mesures » et lisez la fréquence rotorique.</source>
        <translation>abra la ventana «Medidas» y lea la frecuencia rotórica.</translation>
    </message>
    <message>
        <source>Un glissement nul voudrait dire que le rotor suit le champ ; ici il tourne en sens inverse. Prenez les vitesses avec leur signe.</source>
        <translation>Un deslizamiento nulo significaría que el rotor sigue al campo; aquí gira en sentido contrario. Tome las velocidades con su signo.</translation>
    </message>
    <message>
        <source>Un moteur asynchrone : le champ du stator tourne {field-sense} à {field-speed}, le rotor le suit à {rotor-speed}.</source>
        <translation>Un motor asíncrono: el campo del estator gira {field-sense} a {field-speed} y el rotor lo sigue a {rotor-speed}.</translation>
    </message>
    <message>
        <source>g = (ns - n) / ns = {slip} : le rotor glisse un peu derrière le champ, de {slip-speed}. Dans un moteur asynchrone, c&apos;est ce retard qui induit des courants dans les barres du rotor et donc le couple ; au synchronisme exact, plus rien n&apos;est induit. Ici le rotor est entraîné à vitesse imposée, sans courant.</source>
        <translation>g = (ns - n) / ns = {slip}: el rotor desliza un poco por detrás del campo, en {slip-speed}. En un motor asíncrono, ese retraso es lo que induce corrientes en las barras del rotor y, por tanto, el par; en el sincronismo exacto ya no se induce nada. Aquí el rotor se arrastra a velocidad impuesta, sin corriente.</translation>
    </message>
    <message>
        <source>donnez au rotor une rotation de {frequency}, celle du réseau : le glissement devient nul.</source>
        <translation>dé al rotor una rotación de {frequency}, la de la red: el deslizamiento se anula.</translation>
    </message>
    <message>
        <source>C&apos;est n / ns, le rapport des deux vitesses. Le glissement est l&apos;écart entre elles rapporté à la vitesse du champ : g = (ns - n) / ns.</source>
        <translation>Eso es n / ns, la relación entre las dos velocidades. El deslizamiento es la diferencia entre ellas referida a la velocidad del campo: g = (ns - n) / ns.</translation>
    </message>
    <message>
        <source>Le même moteur : champ {field-sense} à {field-speed}, rotor à {rotor-speed}, alimentation à {frequency}. Le rotor voit le champ défiler lentement.</source>
        <translation>El mismo motor: campo {field-sense} a {field-speed}, rotor a {rotor-speed}, alimentación a {frequency}. El rotor ve pasar el campo lentamente.</translation>
    </message>
    <message>
        <source>Le champ dépasse le rotor de {slip-speed} : les courants du rotor ont la fréquence g f = {slip} × {frequency} = {rotor-frequency}. À l&apos;arrêt, ils auraient celle du réseau.</source>
        <translation>El campo adelanta al rotor en {slip-speed}: las corrientes del rotor tienen la frecuencia g f = {slip} × {frequency} = {rotor-frequency}. Con el rotor parado, tendrían la de la red.</translation>
    </message>
    <message>
        <source>alimentez le rotor en triphasé à {rotor-frequency} avec les angles {stator-angles} : son champ tourne avec celui du stator.</source>
        <translation>alimente el rotor en trifásica a {rotor-frequency} con los ángulos {stator-angles}: su campo gira con el del estator.</translation>
    </message>
    <message>
        <source>C&apos;est la fréquence du réseau, celle que le rotor verrait à l&apos;arrêt. Il tourne presque aussi vite que le champ : il le voit passer lentement.</source>
        <translation>Es la frecuencia de la red, la que vería el rotor parado. Gira casi tan rápido como el campo: lo ve pasar lentamente.</translation>
    </message>
    <message>
        <source>Un onduleur à six pas alimente le stator : ses courants en escalier contiennent le fondamental à {frequency} et des harmoniques. Ses pas se suivent dans l&apos;ordre de la séquence directe, {stator-angles}, et le fondamental fait tourner le champ {field-sense} à {field-speed}.</source>
        <translation>Un inversor de seis pasos alimenta el estator: sus corrientes escalonadas contienen el fundamental a {frequency} y armónicos. Sus pasos se suceden en el orden de la secuencia directa, {stator-angles}, y el fundamental hace girar el campo {field-sense} a {field-speed}.</translation>
    </message>
    <message>
        <source>L&apos;harmonique n d&apos;un courant est décalé de n fois l&apos;angle du fondamental. Pour n = 5 : 0°, 5 × 240° = 1200° et 5 × 120° = 600°, soit 0°, 120°, 240° : la séquence inverse. Son champ tourne donc {harmonic-5-sense}, et comme ses courants alternent 5 fois plus vite, à {harmonic-5-speed}. Les harmoniques 5 et 11 tournent contre le fondamental, 7 et 13 avec lui.</source>
        <translation>El armónico n de una corriente está desfasado n veces el ángulo del fundamental. Para n = 5: 0°, 5 × 240° = 1200° y 5 × 120° = 600°, es decir, 0°, 120°, 240°: la secuencia inversa. Por tanto, su campo gira {harmonic-5-sense} y, como sus corrientes alternan 5 veces más rápido, a {harmonic-5-speed}. Los armónicos 5 y 11 giran contra el fundamental; el 7 y el 13, con él.</translation>
    </message>
    <message>
        <source>ouvrez la fenêtre « Mesures » : « Vitesse des harmoniques » donne la vitesse signée du champ de chacun.</source>
        <translation>abra la ventana «Medidas»: «Velocidad de los armónicos» da la velocidad con signo del campo de cada uno.</translation>
    </message>
    <message>
        <source>Le fondamental tourne dans ce sens, mais l&apos;harmonique 5 multiplie les angles par 5, ce qui inverse l&apos;ordre des phases.</source>
        <translation>El fundamental gira en ese sentido, pero el armónico 5 multiplica los ángulos por 5, lo que invierte el orden de las fases.</translation>
    </message>
    <message>
        <source>L&apos;harmonique n d&apos;un courant est décalé de n fois l&apos;angle du fondamental. Pour n = 7 : 0°, 7 × 240° = 1680° et 7 × 120° = 840°, soit 0°, 240°, 120° : la séquence directe. Son champ tourne donc {harmonic-7-sense}, et comme ses courants alternent 7 fois plus vite, à {harmonic-7-speed}. Les harmoniques 5 et 11 tournent contre le fondamental, 7 et 13 avec lui.</source>
        <translation>El armónico n de una corriente está desfasado n veces el ángulo del fundamental. Para n = 7: 0°, 7 × 240° = 1680° y 7 × 120° = 840°, es decir, 0°, 240°, 120°: la secuencia directa. Por tanto, su campo gira {harmonic-7-sense} y, como sus corrientes alternan 7 veces más rápido, a {harmonic-7-speed}. Los armónicos 5 y 11 giran contra el fundamental; el 7 y el 13, con él.</translation>
    </message>
    <message>
        <source>C&apos;est le sens des harmoniques 5 et 11. Pour l&apos;harmonique 7, multipliez les angles par 7 : l&apos;ordre des phases reste celui du fondamental.</source>
        <translation>Ese es el sentido de los armónicos 5 y 11. Para el armónico 7, multiplique los ángulos por 7: el orden de las fases sigue siendo el del fundamental.</translation>
    </message>
    <message>
        <source>Répondre</source>
        <translation>Responder</translation>
    </message>
    <message>
        <source>Montrer</source>
        <translation>Mostrar</translation>
    </message>
    <message>
        <source>Recommencer</source>
        <translation>Volver a empezar</translation>
    </message>
    <message>
        <source>Bonne prédiction.</source>
        <translation>Predicción correcta.</translation>
    </message>
    <message>
        <source>Ce n&apos;est pas ce qui se passe.</source>
        <translation>No es lo que ocurre.</translation>
    </message>
    <message>
        <source>Essayez :</source>
        <translation>Pruebe:</translation>
    </message>
    <message>
        <source>Le facteur de bobinage vaut %1</source>
        <translation>El factor de devanado vale %1</translation>
    </message>
    <message>
        <source>Des bobines de %1 encoches laissent le moins d&apos;harmonique 5 : %2 % du fondamental</source>
        <translation>Las bobinas de %1 ranuras dejan el menor armónico 5: %2 % del fundamental</translation>
    </message>
    <message>
        <source>Les bobinages</source>
        <translation>Los devanados</translation>
    </message>
    <message>
        <source>La plaque d&apos;un moteur</source>
        <translation>La placa de un motor</translation>
    </message>
    <message>
        <source>La plaque d&apos;un moteur asynchrone indique {frequency} et {rotor-speed}. Voici son stator : {slots} encoches, alimentées avec les angles {stator-angles}, et son rotor tourne à cette vitesse. Comptez les pôles du champ dans l&apos;entrefer. {convention}</source>
        <translation>La placa de un motor asíncrono indica {frequency} y {rotor-speed}. Este es su estátor: {slots} ranuras, alimentadas con los ángulos {stator-angles}, y su rotor gira a esa velocidad. Cuente los polos del campo en el entrehierro. {convention}</translation>
    </message>
    <message>
        <source>À quelle vitesse tourne le champ ?</source>
        <translation>¿A qué velocidad gira el campo?</translation>
    </message>
    <message>
        <source>Le champ a {poles} pôles, {pole-pairs} paires : il avance d&apos;une paire de pôles par période, n = 60 f / p = {field-speed}. Le rotor suit juste en dessous, à {rotor-speed}, avec un glissement de {slip}. C&apos;est ainsi qu&apos;une plaque trahit les pôles d&apos;un moteur : sa vitesse est juste sous 60 f / p.</source>
        <translation>El campo tiene {poles} polos, {pole-pairs} pares: avanza un par de polos por periodo, n = 60 f / p = {field-speed}. El rotor lo sigue justo por debajo, a {rotor-speed}, con un deslizamiento de {slip}. Así delata una placa los polos de un motor: su velocidad queda justo por debajo de 60 f / p.</translation>
    </message>
    <message>
        <source>ouvrez « Bobinage » et « Mesures », puis changez les paires de pôles : la vitesse de synchronisme suit 60 f / p.</source>
        <translation>abra «Devanado» y «Medidas» y cambie los pares de polos: la velocidad de sincronismo sigue 60 f / p.</translation>
    </message>
    <message>
        <source>+1440 tr/min</source>
        <translation>+1440 rpm</translation>
    </message>
    <message>
        <source>C&apos;est 60 f, la vitesse d&apos;un champ à deux pôles. Comptez les pôles de celui-ci : n = 60 f / p.</source>
        <translation>Es 60 f, la velocidad de un campo de dos polos. Cuente los polos de este: n = 60 f / p.</translation>
    </message>
    <message>
        <source>C&apos;est la vitesse du rotor. Un moteur asynchrone tourne un peu moins vite que son champ : sans cet écart, rien n&apos;induirait de courant dans son rotor.</source>
        <translation>Es la velocidad del rotor. Un motor asíncrono gira algo más despacio que su campo: sin esa diferencia nada induciría corrientes en su rotor.</translation>
    </message>
    <message>
        <source>Plus de pôles, un champ plus lent</source>
        <translation>Más polos, un campo más lento</translation>
    </message>
    <message>
        <source>Ce stator a {pole-pairs} paires de pôles : {poles} pôles se suivent autour de l&apos;entrefer, et le champ est dessiné par {pole-pairs} flèches, une vers chaque pôle nord. Il est alimenté à {frequency} avec les angles {stator-angles}. {convention}</source>
        <translation>Este estátor tiene {pole-pairs} pares de polos: {poles} polos se suceden alrededor del entrehierro, y el campo se dibuja con {pole-pairs} flechas, una hacia cada polo norte. Se alimenta a {frequency} con los ángulos {stator-angles}. {convention}</translation>
    </message>
    <message>
        <source>En une période du courant, le champ avance d&apos;une paire de pôles, soit 1/{pole-pairs} de tour : n = 60 f / p = {field-speed}, {field-sense}, soit {field-signed-speed}. À fréquence égale, plus de pôles font un champ plus lent, et un moteur plus lent mais plus fort.</source>
        <translation>En un periodo de la corriente el campo avanza un par de polos, es decir 1/{pole-pairs} de vuelta: n = 60 f / p = {field-speed}, {field-sense}, o sea {field-signed-speed}. A igual frecuencia, más polos dan un campo más lento y un motor más lento pero más fuerte.</translation>
    </message>
    <message>
        <source>lancez l&apos;animation et suivez une flèche : elle fait un tour pendant que le courant fait {pole-pairs} périodes.</source>
        <translation>inicie la animación y siga una flecha: da una vuelta mientras la corriente hace {pole-pairs} periodos.</translation>
    </message>
    <message>
        <source>Le pas raccourci</source>
        <translation>El paso acortado</translation>
    </message>
    <message>
        <source>Ce stator a {slots} encoches, deux par pôle et par phase, et des bobines au pas diamétral de {full-pitch} encoches. Sa force magnétomotrice en escalier n&apos;est pas une sinusoïde : son harmonique d&apos;espace 5 vaut {space-harmonic-5-share} du fondamental. Raccourcir les bobines peut l&apos;affaiblir.</source>
        <translation>Este estátor tiene {slots} ranuras, dos por polo y fase, y bobinas de paso diametral de {full-pitch} ranuras. Su fuerza magnetomotriz escalonada no es una sinusoide: su armónico espacial 5 vale {space-harmonic-5-share} del fundamental. Acortar las bobinas puede debilitarlo.</translation>
    </message>
    <message>
        <source>Quel pas de bobine, en encoches, laisse le moins d&apos;harmonique 5 par rapport au fondamental ?</source>
        <translation>¿Qué paso de bobina, en ranuras, deja el menor armónico 5 respecto al fundamental?</translation>
    </message>
    <message>
        <source>Une bobine de W encoches sur un pas diamétral de 3q filtre l&apos;harmonique n par k_p = sin(n W / 3q × 90°). À 5/6 du pas, les deux côtés se rapprochent de 30° : 150° pour l&apos;harmonique 5, dont les f.m.m. se compensent presque (k_p5 = sin 15°), quand le fondamental garde sin 75°. C&apos;est le pas des moteurs industriels.</source>
        <translation>Una bobina de W ranuras con un paso diametral de 3q filtra el armónico n por k_p = sin(n W / 3q × 90°). A 5/6 del paso, los dos lados se acercan 30°: 150° para el armónico 5, cuyas f.m.m. casi se compensan (k_p5 = sin 15°), mientras el fundamental conserva sin 75°. Es el paso de los motores industriales.</translation>
    </message>
    <message>
        <source>dans « Bobinage », choisissez chaque pas tour à tour et lisez « Harmoniques d&apos;espace » dans « Mesures ».</source>
        <translation>en «Devanado», elija cada paso por turno y lea «Armónicos espaciales» en «Medidas».</translation>
    </message>
    <message>
        <source>6 encoches (pas diamétral)</source>
        <translation>6 ranuras (paso diametral)</translation>
    </message>
    <message>
        <source>5 encoches</source>
        <translation>5 ranuras</translation>
    </message>
    <message>
        <source>4 encoches</source>
        <translation>4 ranuras</translation>
    </message>
    <message>
        <source>3 encoches</source>
        <translation>3 ranuras</translation>
    </message>
    <message>
        <source>Le pas diamétral prend tout le fondamental, mais aussi toute l&apos;harmonique 5 que laisse la distribution.</source>
        <translation>El paso diametral toma todo el fundamental, pero también todo el armónico 5 que deja la distribución.</translation>
    </message>
    <message>
        <source>Avec 4 encoches sur 6, sin(5 × 60°) et sin(60°) ont la même valeur absolue : le fondamental et l&apos;harmonique 5 baissent d&apos;autant, et la part de l&apos;harmonique ne change pas.</source>
        <translation>Con 4 ranuras de 6, sin(5 × 60°) y sin(60°) tienen el mismo valor absoluto: el fundamental y el armónico 5 bajan lo mismo, y la parte del armónico no cambia.</translation>
    </message>
    <message>
        <source>Le facteur de bobinage</source>
        <translation>El factor de devanado</translation>
    </message>
    <message>
        <source>Ce stator répartit chaque phase dans trois encoches voisines par pôle, {slots} en tout, et ses bobines font {coil-pitch} encoches pour un pas diamétral de {full-pitch}. Les f.m.m. des encoches d&apos;une phase ne culminent pas ensemble : leur somme est plus petite que si tout tenait dans une encoche au pas diamétral.</source>
        <translation>Este estátor reparte cada fase en tres ranuras vecinas por polo, {slots} en total, y sus bobinas abarcan {coil-pitch} ranuras para un paso diametral de {full-pitch}. Las f.m.m. de las ranuras de una fase no culminan a la vez: su suma es menor que si todo cupiera en una ranura de paso diametral.</translation>
    </message>
    <message>
        <source>Quel est le facteur de bobinage k_w du fondamental ?</source>
        <translation>¿Cuál es el factor de devanado k_w del fundamental?</translation>
    </message>
    <message>
        <source>k_w = k_d × k_p : la distribution sur trois encoches donne k_d = {distribution-factor}, le pas de {coil-pitch} sur {full-pitch} donne k_p = {pitch-factor}, d&apos;où k_w = {winding-factor}. Le fondamental perd un dixième, mais les harmoniques d&apos;espace 5 et 7 tombent à {space-harmonic-5-share} et {space-harmonic-7-share} du fondamental : l&apos;entrefer est presque sinusoïdal.</source>
        <translation>k_w = k_d × k_p: la distribución en tres ranuras da k_d = {distribution-factor}, el paso de {coil-pitch} sobre {full-pitch} da k_p = {pitch-factor}, de ahí k_w = {winding-factor}. El fundamental pierde una décima parte, pero los armónicos espaciales 5 y 7 caen a {space-harmonic-5-share} y {space-harmonic-7-share} del fundamental: el entrehierro es casi sinusoidal.</translation>
    </message>
    <message>
        <source>ouvrez « Mesures » : ses lignes « Facteur de distribution », « Facteur de raccourcissement » et « Facteur de bobinage » donnent aussi les harmoniques.</source>
        <translation>abra «Medidas»: sus filas «Factor de distribución», «Factor de paso» y «Factor de devanado» dan también los armónicos.</translation>
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
        <translation>1 es el factor de una bobina concentrada de paso diametral. Aquí las ranuras están desplazadas y las bobinas acortadas: cada cosa resta un poco.</translation>
    </message>
    <message>
        <source>C&apos;est le facteur de distribution k_d seul. Le pas raccourci multiplie encore par k_p.</source>
        <translation>Es el factor de distribución k_d solo. El paso acortado multiplica además por k_p.</translation>
    </message>
    <message>
        <source>C&apos;est le facteur de raccourcissement k_p seul. Les trois encoches voisines multiplient encore par k_d.</source>
        <translation>Es el factor de paso k_p solo. Las tres ranuras vecinas multiplican además por k_d.</translation>
    </message>
    <message>
        <source>Une phase coupée</source>
        <translation>Una fase cortada</translation>
    </message>
    <message>
        <source>Le fil de ligne de la phase 3 d&apos;un moteur couplé en étoile est coupé. Ses trois bobines sont toujours là, mais la bobine 3 ne porte plus rien, et les bobines 1 et 2, désormais en série, portent un même courant : dans un sens dans l&apos;une, dans l&apos;autre sens dans l&apos;autre. {convention}</source>
        <translation>El hilo de línea de la fase 3 de un motor conectado en estrella está cortado. Sus tres bobinas siguen ahí, pero la bobina 3 ya no lleva nada, y las bobinas 1 y 2, ahora en serie, llevan una misma corriente: en un sentido en una, en el otro sentido en la otra. {convention}</translation>
    </message>
    <message>
        <source>Que fait le champ du stator ?</source>
        <translation>¿Qué hace el campo del estátor?</translation>
    </message>
    <message>
        <source>Un seul courant dans deux bobines fixes fait un champ qui pulse sur un axe fixe : ses deux moitiés tournent en sens opposés à {field-speed}. Lancé, le moteur continue sur la moitié qui tourne avec lui, en chauffant ; à l&apos;arrêt, les deux moitiés se neutralisent et il ne démarre pas.</source>
        <translation>Una sola corriente en dos bobinas fijas crea un campo que pulsa sobre un eje fijo: sus dos mitades giran en sentidos opuestos a {field-speed}. Ya lanzado, el motor sigue con la mitad que gira con él, calentándose; parado, las dos mitades se anulan y no arranca.</translation>
    </message>
    <message>
        <source>cochez « Deux champs tournants » dans « Mesures » : les deux moitiés sont égales. Puis, dans « Bobinage », remettez la phase coupée à « aucune ».</source>
        <translation>marque «Dos campos giratorios» en «Medidas»: las dos mitades son iguales. Luego, en «Devanado», vuelva a poner la fase cortada en «ninguna».</translation>
    </message>
    <message>
        <source>Il tourne toujours dans le sens antihoraire</source>
        <translation>Sigue girando en sentido antihorario</translation>
    </message>
    <message>
        <source>Il pulse sur un axe fixe</source>
        <translation>Pulsa sobre un eje fijo</translation>
    </message>
    <message>
        <source>Il disparaît</source>
        <translation>Desaparece</translation>
    </message>
    <message>
        <source>Un champ tournant demande deux courants déphasés dans deux bobines décalées. Ici les deux bobines restantes ne portent qu&apos;un courant, le même à chaque instant.</source>
        <translation>Un campo giratorio requiere dos corrientes desfasadas en dos bobinas desplazadas. Aquí las dos bobinas restantes llevan una sola corriente, la misma en cada instante.</translation>
    </message>
    <message>
        <source>Les bobines 1 et 2 portent encore un courant : leur champ existe, il ne tourne plus.</source>
        <translation>Las bobinas 1 y 2 aún llevan corriente: su campo existe, solo que ya no gira.</translation>
    </message>
    <message>
        <source>Quelle est la vitesse signée du champ ?</source>
        <translation>¿Cuál es la velocidad con signo del campo?</translation>
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
        <translation>60 f es la velocidad de un campo con un par de polos. Este tiene más: cuente sus flechas.</translation>
    </message>
    <message>
        <source>génératrice</source>
        <translation>generador</translation>
    </message>
    <message>
        <source>frein</source>
        <translation>freno</translation>
    </message>
    <message>
        <source>synchronisme, sans couple</source>
        <translation>sincronismo, sin par</translation>
    </message>
    <message>
        <source>moteur</source>
        <translation>motor</translation>
    </message>
    <message>
        <source>Le rotor à cage reçoit %1 N·m au glissement %2</source>
        <translation>El rotor de jaula recibe %1 N·m con deslizamiento %2</translation>
    </message>
    <message>
        <source>Le moteur se stabilise à %1</source>
        <translation>El motor se estabiliza a %1</translation>
    </message>
    <message>
        <source>Le couple est maximal au glissement %1</source>
        <translation>El par es máximo con deslizamiento %1</translation>
    </message>
    <message>
        <source>Une phase du stator absorbe %1 A</source>
        <translation>Una fase del estátor absorbe %1 A</translation>
    </message>
    <message>
        <source>Au glissement %1, la machine fonctionne en %2</source>
        <translation>Con deslizamiento %1, la máquina funciona como %2</translation>
    </message>
    <message>
        <source>Jamais au synchronisme</source>
        <translation>Nunca en sincronismo</translation>
    </message>
    <message>
        <source>Un moteur à cage de {poles} pôles est entraîné de l&apos;extérieur à {rotor-speed}, exactement la vitesse de son champ, {field-speed}. Ses barres ne sont reliées à rien : seuls les courants que le champ y induit les parcourent. {convention}</source>
        <translation>Un motor de jaula de {poles} polos es arrastrado desde fuera a {rotor-speed}, exactamente la velocidad de su campo, {field-speed}. Sus barras no están conectadas a nada: solo circulan por ellas las corrientes que el campo induce. {convention}</translation>
    </message>
    <message>
        <source>Quel couple le champ exerce-t-il sur le rotor ?</source>
        <translation>¿Qué par ejerce el campo sobre el rotor?</translation>
    </message>
    <message>
        <source>Tournant avec le champ, les barres ne voient aucun flux varier : rien n&apos;y est induit, les conducteurs du rotor restent neutres et le couple est nul. Un moteur livré à lui-même ne peut donc jamais atteindre le synchronisme : il tourne juste en dessous, assez pour que le glissement induise le courant qu&apos;il faut à sa charge.</source>
        <translation>Girando con el campo, las barras no ven variar ningún flujo: no se induce nada, los conductores del rotor quedan neutros y el par es nulo. Por sí solo, un motor nunca puede alcanzar el sincronismo: gira justo por debajo, lo bastante para que el deslizamiento induzca la corriente que necesita su carga.</translation>
    </message>
    <message>
        <source>dans le panneau Rotor, baissez la fréquence de rotation d&apos;un hertz : les barres se colorent et le couple apparaît.</source>
        <translation>en el panel Rotor, baje la frecuencia de rotación un hercio: las barras se colorean y aparece el par.</translation>
    </message>
    <message>
        <source>Aucun</source>
        <translation>Ninguno</translation>
    </message>
    <message>
        <source>Le couple de démarrage, {start-torque}</source>
        <translation>El par de arranque, {start-torque}</translation>
    </message>
    <message>
        <source>Le couple maximal, {max-torque}</source>
        <translation>El par máximo, {max-torque}</translation>
    </message>
    <message>
        <source>Au démarrage le champ balaie les barres à pleine vitesse. Ici il tourne avec elles : que voient-elles changer ?</source>
        <translation>En el arranque el campo barre las barras a plena velocidad. Aquí gira con ellas: ¿qué cambio ven?</translation>
    </message>
    <message>
        <source>Le couple maximal demande un glissement de {max-torque-slip}. Au synchronisme, le glissement est nul.</source>
        <translation>El par máximo requiere un deslizamiento de {max-torque-slip}. En el sincronismo el deslizamiento es nulo.</translation>
    </message>
    <message>
        <source>Le moteur en charge</source>
        <translation>El motor en carga</translation>
    </message>
    <message>
        <source>Ce moteur à cage démarre à l&apos;arrêt, libre, sous une charge constante de {load-torque}. Son couple de démarrage vaut {start-torque}, son couple maximal {max-torque}. Lancez l&apos;animation après avoir répondu : la courbe couple-vitesse de « Mesures » montre le point de fonctionnement. {convention}</source>
        <translation>Este motor de jaula arranca desde parado, libre, con una carga constante de {load-torque}. Su par de arranque vale {start-torque}, su par máximo {max-torque}. Inicie la animación tras responder: la curva par-velocidad de «Medidas» muestra el punto de funcionamiento. {convention}</translation>
    </message>
    <message>
        <source>À quelle vitesse le moteur se stabilise-t-il ?</source>
        <translation>¿A qué velocidad se estabiliza el motor?</translation>
    </message>
    <message>
        <source>Tant que son couple dépasse la charge, le rotor accélère ; au-delà du maximum le couple chute vers zéro au synchronisme, et le moteur se stabilise là où il égale la charge : {settled-speed}. Plus de charge, plus de glissement, plus de courant.</source>
        <translation>Mientras su par supera la carga, el rotor acelera; pasado el máximo el par cae hacia cero en el sincronismo, y el motor se estabiliza donde iguala la carga: {settled-speed}. Más carga, más deslizamiento, más corriente.</translation>
    </message>
    <message>
        <source>dans « Bobinage », doublez le couple de charge et regardez le point rouge descendre la courbe.</source>
        <translation>en «Devanado», duplique el par de carga y vea bajar el punto rojo por la curva.</translation>
    </message>
    <message>
        <source>À la vitesse du champ, {field-speed}</source>
        <translation>A la velocidad del campo, {field-speed}</translation>
    </message>
    <message>
        <source>Un peu en dessous</source>
        <translation>Un poco por debajo</translation>
    </message>
    <message>
        <source>Là où le couple est maximal</source>
        <translation>Donde el par es máximo</translation>
    </message>
    <message>
        <source>Il reste à l&apos;arrêt</source>
        <translation>Se queda parado</translation>
    </message>
    <message>
        <source>Au synchronisme le couple est nul : il ne pourrait pas porter la charge.</source>
        <translation>En el sincronismo el par es nulo: no podría sostener la carga.</translation>
    </message>
    <message>
        <source>Le moteur accélère tant que son couple dépasse la charge : il passe le maximum et continue jusqu&apos;à ce que les deux soient égaux.</source>
        <translation>El motor acelera mientras su par supera la carga: pasa el máximo y sigue hasta que ambos son iguales.</translation>
    </message>
    <message>
        <source>Son couple de démarrage dépasse la charge : il démarre.</source>
        <translation>Su par de arranque supera la carga: arranca.</translation>
    </message>
    <message>
        <source>La résistance du rotor</source>
        <translation>La resistencia del rotor</translation>
    </message>
    <message>
        <source>Ce moteur est celui des autres leçons, mais la résistance de sa cage, R2, a été doublée (des barres plus fines, ou un rotor bobiné avec des résistances en série) ; le reste de son circuit n&apos;a pas changé.</source>
        <translation>Este motor es el de las otras lecciones, pero la resistencia de su jaula, R2, se ha duplicado (barras más finas, o un rotor bobinado con resistencias en serie); el resto de su circuito no ha cambiado.</translation>
    </message>
    <message>
        <source>À quel glissement son couple est-il maintenant maximal ?</source>
        <translation>¿Con qué deslizamiento es ahora máximo su par?</translation>
    </message>
    <message>
        <source>Le glissement du couple maximal, R2 / |Zth + jX2|, double avec R2 : {max-torque-slip}. Le couple maximal, lui, ne dépend pas de R2 : {max-torque}. Toute la courbe s&apos;étire vers les grands glissements, et le couple de démarrage monte à {start-torque}.</source>
        <translation>El deslizamiento del par máximo, R2 / |Zth + jX2|, se duplica con R2: {max-torque-slip}. El par máximo no depende de R2: {max-torque}. Toda la curva se estira hacia los grandes deslizamientos, y el par de arranque sube a {start-torque}.</translation>
    </message>
    <message>
        <source>comparez la courbe de « Mesures » à celle du moteur d&apos;origine, dans la leçon « Le moteur en charge ».</source>
        <translation>compare la curva de «Medidas» con la del motor original, en la lección «El motor en carga».</translation>
    </message>
    <message>
        <source>Toujours 0,276</source>
        <translation>Sigue siendo 0,276</translation>
    </message>
    <message>
        <source>Le double, 0,552</source>
        <translation>El doble, 0,552</translation>
    </message>
    <message>
        <source>La moitié, 0,138</source>
        <translation>La mitad, 0,138</translation>
    </message>
    <message>
        <source>Le glissement du maximum est R2 / |Zth + jX2| : il suit R2.</source>
        <translation>El deslizamiento del máximo es R2 / |Zth + jX2|: sigue a R2.</translation>
    </message>
    <message>
        <source>Le courant de démarrage</source>
        <translation>La corriente de arranque</translation>
    </message>
    <message>
        <source>Ce moteur à cage est à l&apos;arrêt, branché sur le réseau. En charge, à quelques pour cent de glissement, une phase de son stator absorbe environ 5 A ; à vide, un peu plus de 2 A, le courant qui aimante la machine.</source>
        <translation>Este motor de jaula está parado, conectado a la red. En carga, con unos pocos por ciento de deslizamiento, una fase de su estátor absorbe unos 5 A; en vacío algo más de 2 A, la corriente que magnetiza la máquina.</translation>
    </message>
    <message>
        <source>Quel courant une phase du stator absorbe-t-elle au démarrage ?</source>
        <translation>¿Qué corriente absorbe una fase del estátor en el arranque?</translation>
    </message>
    <message>
        <source>À l&apos;arrêt, le champ balaie le rotor à pleine vitesse : la résistance du rotor vue du stator, R2/g, est à son plus bas, et seules les impédances des enroulements limitent le courant, {stator-current}, six fois le courant en charge, pour un couple de {start-torque} seulement. D&apos;où les démarreurs étoile-triangle et les variateurs.</source>
        <translation>Parado, el campo barre el rotor a plena velocidad: la resistencia del rotor vista desde el estátor, R2/g, es mínima, y solo las impedancias de los devanados limitan la corriente, {stator-current}, seis veces la corriente en carga, para un par de solo {start-torque}. De ahí los arrancadores estrella-triángulo y los variadores.</translation>
    </message>
    <message>
        <source>ouvrez « Mesures », cochez « Rotor libre » dans « Bobinage » et lancez l&apos;animation : le courant tombe à mesure que le moteur prend sa vitesse.</source>
        <translation>abra «Medidas», marque «Rotor libre» en «Devanado» e inicie la animación: la corriente cae a medida que el motor toma velocidad.</translation>
    </message>
    <message>
        <source>2,5 A, comme à vide</source>
        <translation>2,5 A, como en vacío</translation>
    </message>
    <message>
        <source>5,5 A, comme en charge</source>
        <translation>5,5 A, como en carga</translation>
    </message>
    <message>
        <source>Environ 32 A</source>
        <translation>Unos 32 A</translation>
    </message>
    <message>
        <source>À vide le rotor ne porte rien. À l&apos;arrêt le champ le balaie à pleine vitesse : ses courants sont les plus forts.</source>
        <translation>En vacío el rotor no lleva nada. Parado, el campo lo barre a plena velocidad: sus corrientes son las mayores.</translation>
    </message>
    <message>
        <source>En charge le glissement n&apos;est que de quelques pour cent. À l&apos;arrêt il vaut 1 : seules les réactances limitent le courant.</source>
        <translation>En carga el deslizamiento es solo de unos pocos por ciento. Parado vale 1: solo las reactancias limitan la corriente.</translation>
    </message>
    <message>
        <source>Au-dessus du synchronisme</source>
        <translation>Por encima del sincronismo</translation>
    </message>
    <message>
        <source>Une éolienne entraîne ce moteur à cage à {rotor-speed}, plus vite que son champ, qui tourne {field-sense} à {field-speed}. Le stator reste branché sur le réseau. {convention}</source>
        <translation>Un aerogenerador arrastra este motor de jaula a {rotor-speed}, más rápido que su campo, que gira {field-sense} a {field-speed}. El estátor sigue conectado a la red. {convention}</translation>
    </message>
    <message>
        <source>Comment la machine fonctionne-t-elle ?</source>
        <translation>¿Cómo funciona la máquina?</translation>
    </message>
    <message>
        <source>Le rotor dépasse le champ : le glissement est négatif, {slip}, les courants induits s&apos;inversent, et le couple, {cage-torque}, retient le rotor. L&apos;éolienne fournit de la puissance mécanique que la machine renvoie au réseau : une génératrice asynchrone.</source>
        <translation>El rotor adelanta al campo: el deslizamiento es negativo, {slip}, las corrientes inducidas se invierten, y el par, {cage-torque}, retiene el rotor. El aerogenerador aporta potencia mecánica que la máquina devuelve a la red: un generador asíncrono.</translation>
    </message>
    <message>
        <source>ouvrez « Mesures » : les puissances absorbée et mécanique sont négatives, et le point rouge est à droite du synchronisme.</source>
        <translation>abra «Medidas»: las potencias absorbida y mecánica son negativas, y el punto rojo está a la derecha del sincronismo.</translation>
    </message>
    <message>
        <source>En moteur : elle entraîne l&apos;éolienne</source>
        <translation>Como motor: arrastra el aerogenerador</translation>
    </message>
    <message>
        <source>En génératrice : elle renvoie de l&apos;énergie au réseau</source>
        <translation>Como generador: devuelve energía a la red</translation>
    </message>
    <message>
        <source>En frein : elle s&apos;oppose à l&apos;éolienne et chauffe</source>
        <translation>Como freno: se opone al aerogenerador y se calienta</translation>
    </message>
    <message>
        <source>Un moteur tourne moins vite que son champ. Ici le rotor le dépasse : le glissement est négatif.</source>
        <translation>Un motor gira más despacio que su campo. Aquí el rotor lo adelanta: el deslizamiento es negativo.</translation>
    </message>
    <message>
        <source>Le freinage à contre-courant demande un rotor tournant contre le champ. Ici il tourne avec lui, plus vite.</source>
        <translation>El frenado a contracorriente requiere un rotor que gire contra el campo. Aquí gira con él, más rápido.</translation>
    </message>
    <message>
        <source>Le freinage à contre-courant</source>
        <translation>El frenado a contracorriente</translation>
    </message>
    <message>
        <source>Ce moteur tournait à {rotor-speed} quand on a inversé deux fils de ligne : son champ tourne désormais {field-sense} à {field-speed}, contre le rotor, qui tourne {rotor-sense}. {convention}</source>
        <translation>Este motor giraba a {rotor-speed} cuando se intercambiaron dos hilos de línea: su campo gira ahora {field-sense} a {field-speed}, contra el rotor, que gira {rotor-sense}. {convention}</translation>
    </message>
    <message>
        <source>Contre le champ, le glissement dépasse 1, {slip} : le couple, {cage-torque} dans le sens du champ, freine le rotor, qui rend son énergie cinétique pendant que le réseau en fournit aussi. Tout part en chaleur dans la cage, avec un fort courant. On coupe l&apos;alimentation à l&apos;arrêt, sinon le moteur repart dans l&apos;autre sens.</source>
        <translation>Contra el campo el deslizamiento supera 1, {slip}: el par, {cage-torque} en el sentido del campo, frena el rotor, que cede su energía cinética mientras la red también aporta energía. Todo se convierte en calor en la jaula, con una fuerte corriente. Se corta la alimentación al pararse, si no el motor vuelve a arrancar en el otro sentido.</translation>
    </message>
    <message>
        <source>regardez dans « Mesures » le point rouge, à gauche de l&apos;arrêt sur la courbe couple-vitesse.</source>
        <translation>mire en «Medidas» el punto rojo, a la izquierda del arranque en la curva par-velocidad.</translation>
    </message>
    <message>
        <source>En moteur : elle continue d&apos;entraîner le rotor</source>
        <translation>Como motor: sigue arrastrando el rotor</translation>
    </message>
    <message>
        <source>En génératrice : elle renvoie l&apos;énergie du rotor au réseau</source>
        <translation>Como generador: devuelve la energía del rotor a la red</translation>
    </message>
    <message>
        <source>En frein : elle arrête le rotor et absorbe de l&apos;énergie des deux côtés</source>
        <translation>Como freno: detiene el rotor y absorbe energía por ambos lados</translation>
    </message>
    <message>
        <source>Le champ tourne désormais contre le rotor : son couple le retient.</source>
        <translation>El campo gira ahora contra el rotor: su par lo retiene.</translation>
    </message>
    <message>
        <source>Une génératrice tourne avec son champ, plus vite que lui. Ici le rotor tourne contre le champ : le réseau fournit de l&apos;énergie en plus.</source>
        <translation>Un generador gira con su campo, más rápido que él. Aquí el rotor gira contra el campo: la red aporta energía además.</translation>
    </message>
    <message>
        <source>Pour l&apos;enseignant</source>
        <translation>Para el profesor</translation>
    </message>
    <message>
        <source>Leçon %1 sur %2</source>
        <translation>Lección %1 de %2</translation>
    </message>
    <message>
        <source>Terminer</source>
        <translation>Terminar</translation>
    </message>
    <message>
        <source>Leçon suivante</source>
        <translation>Lección siguiente</translation>
    </message>
    <message>
        <source>Réponse attendue : %1</source>
        <translation>Respuesta esperada: %1</translation>
    </message>
    <message>
        <source>Certains voient un champ qui tourne parce que sa valeur change : faites observer que la flèche garde sa direction et ne fait que s&apos;allonger, se raccourcir et s&apos;inverser. Demandez ensuite ce qu&apos;il faut ajouter pour qu&apos;il tourne.</source>
        <translation>Algunos ven un campo que gira porque su valor cambia: haga notar que la flecha conserva su dirección y solo se alarga, se acorta y se invierte. Pregunte después qué hay que añadir para que gire.</translation>
    </message>
    <message>
        <source>L&apos;erreur la plus fréquente : lire les angles comme des retards, et donc prédire le sens opposé. Faites dire quelle phase culmine juste après la phase 1, puis demandez ce que devient le champ si l&apos;on échange deux fils.</source>
        <translation>El error más frecuente: leer los ángulos como retrasos y, por tanto, predecir el sentido opuesto. Haga decir qué fase alcanza su máximo justo después de la fase 1 y pregunte luego qué pasa con el campo si se intercambian dos hilos.</translation>
    </message>
    <message>
        <source>Deux erreurs habituelles : donner le rapport des vitesses du rotor et du champ au lieu de leur écart relatif, ou se tromper d&apos;un facteur dix en passant aux pour-cent. Demandez ensuite ce que vaut le glissement rotor bloqué, puis au synchronisme.</source>
        <translation>Dos errores habituales: dar la razón entre las velocidades del rotor y del campo en lugar de su diferencia relativa, o equivocarse en un factor diez al pasar a porcentaje. Pregunte después cuánto vale el deslizamiento con el rotor bloqueado y en sincronismo.</translation>
    </message>
    <message>
        <source>L&apos;idée fausse : un rotor qui suit son champ serait entraîné par lui. Au synchronisme les barres ne voient aucun flux varier : pas de courant induit, donc pas de couple. Demandez pourquoi un moteur à vide tourne un peu moins vite que son champ.</source>
        <translation>La idea errónea: un rotor que sigue a su campo sería arrastrado por él. En sincronismo las barras no ven variar ningún flujo: no hay corriente inducida y, por tanto, no hay par. Pregunte por qué un motor en vacío gira un poco más despacio que su campo.</translation>
    </message>
</context>
<context>
    <name>LessonMenu</name>
    <message>
        <source>&amp;Leçons</source>
        <translation>&amp;Lecciones</translation>
    </message>
    <message>
        <source>Ouvrir une leçon...</source>
        <translation>Abrir una lección...</translation>
    </message>
    <message>
        <source>Ouvrir une leçon</source>
        <translation>Abrir una lección</translation>
    </message>
    <message>
        <source>Leçons Vireflu (*.json)</source>
        <translation>Lecciones de Vireflu (*.json)</translation>
    </message>
    <message>
        <source>La leçon %1 n&apos;a pas pu être lue : %2.</source>
        <translation>No se pudo leer la lección %1: %2.</translation>
    </message>
    <message>
        <source>%1 n&apos;a pas été ouvert.</source>
        <translation>%1 no se ha abierto.</translation>
    </message>
    <message>
        <source>Ouvrir un parcours...</source>
        <translation>Abrir un recorrido...</translation>
    </message>
    <message>
        <source>Composer un parcours...</source>
        <translation>Componer un recorrido...</translation>
    </message>
    <message>
        <source>Mes réponses</source>
        <translation>Mis respuestas</translation>
    </message>
    <message>
        <source>Exporter pour une plateforme (SCORM)...</source>
        <translation>Exportar para una plataforma (SCORM)...</translation>
    </message>
    <message>
        <source>Vue enseignant</source>
        <translation>Vista del profesor</translation>
    </message>
</context>
<context>
    <name>Measures</name>
    <message>
        <source>Fréquence</source>
        <translation>Frecuencia</translation>
    </message>
    <message>
        <source>Fréquence f des courants du stator.</source>
        <translation>Frecuencia f de las corrientes del estator.</translation>
    </message>
    <message>
        <source>Sens du champ</source>
        <translation>Sentido del campo</translation>
    </message>
    <message>
        <source>Sens de rotation du champ du stator, celui de sa plus grande composante ; pulsant quand les deux sont égales. Vitesses et glissements sont positifs dans le sens trigonométrique, celui où tourne le rotor pour une fréquence de rotation positive, et négatifs dans le sens horaire.</source>
        <translation>Sentido de giro del campo del estator, el de su mayor componente; pulsante cuando ambas son iguales. Velocidades y deslizamientos son positivos en sentido antihorario, en el que gira el rotor con una frecuencia de rotación positiva, y negativos en sentido horario.</translation>
    </message>
    <message>
        <source>Vitesse de synchronisme</source>
        <translation>Velocidad de sincronismo</translation>
    </message>
    <message>
        <source>Vitesse du champ tournant : 60 f pour une paire de pôles, positive dans le sens trigonométrique, négative dans le sens horaire.</source>
        <translation>Velocidad del campo giratorio: 60 f para un par de polos, positiva en sentido antihorario, negativa en sentido horario.</translation>
    </message>
    <message>
        <source>Vitesse du rotor</source>
        <translation>Velocidad del rotor</translation>
    </message>
    <message>
        <source>60 fois la fréquence de rotation du rotor, positive dans le sens trigonométrique.</source>
        <translation>60 veces la frecuencia de rotación del rotor, positiva en sentido antihorario.</translation>
    </message>
    <message>
        <source>Glissement</source>
        <translation>Deslizamiento</translation>
    </message>
    <message>
        <source>g = (ns - n) / ns avec les vitesses signées : 0 au synchronisme, 1 à l&apos;arrêt, plus de 1 quand le rotor tourne contre le champ (freinage). Champ pulsant : g+ et g− contre ses deux moitiés.</source>
        <translation>g = (ns - n) / ns con las velocidades con signo: 0 en sincronismo, 1 en reposo, más de 1 cuando el rotor gira contra el campo (frenado). Campo pulsante: g+ y g− respecto a sus dos mitades.</translation>
    </message>
    <message>
        <source>Fréquence rotorique</source>
        <translation>Frecuencia rotórica</translation>
    </message>
    <message>
        <source>Fréquence |g| f des courants induits dans le rotor, pour chaque moitié d&apos;un champ pulsant.</source>
        <translation>Frecuencia |g| f de las corrientes inducidas en el rotor, para cada mitad de un campo pulsante.</translation>
    </message>
    <message>
        <source>Couple</source>
        <translation>Par</translation>
    </message>
    <message>
        <source>Champ résultant</source>
        <translation>Campo resultante</translation>
    </message>
    <message>
        <source>Longueur du vecteur champ rapportée à celle d&apos;un champ triphasé équilibré.</source>
        <translation>Longitud del vector campo respecto a la de un campo trifásico equilibrado.</translation>
    </message>
    <message>
        <source>Angle du champ</source>
        <translation>Ángulo del campo</translation>
    </message>
    <message>
        <source>Direction du vecteur champ, comptée dans le sens trigonométrique.</source>
        <translation>Dirección del vector campo, medida en sentido antihorario.</translation>
    </message>
    <message>
        <source>Stator direct</source>
        <translation>Estator directo</translation>
    </message>
    <message>
        <source>Stator inverse</source>
        <translation>Estator inverso</translation>
    </message>
    <message>
        <source>Rotor direct</source>
        <translation>Rotor directo</translation>
    </message>
    <message>
        <source>Rotor inverse</source>
        <translation>Rotor inverso</translation>
    </message>
    <message>
        <source>Harmoniques</source>
        <translation>Armónicos</translation>
    </message>
    <message>
        <source>Courant rectangulaire : harmoniques rapportés au fondamental, tournant avec ou contre le champ.</source>
        <translation>Corriente rectangular: armónicos respecto al fundamental, que giran con o contra el campo.</translation>
    </message>
    <message>
        <source>Taux de distorsion</source>
        <translation>Tasa de distorsión</translation>
    </message>
    <message>
        <source>Distorsion harmonique totale du courant rectangulaire.</source>
        <translation>Distorsión armónica total de la corriente rectangular.</translation>
    </message>
    <message>
        <source>,</source>
        <translation>,</translation>
    </message>
    <message>
        <source>tr/min</source>
        <translation>rpm</translation>
    </message>
    <message>
        <source>avec</source>
        <translation>con</translation>
    </message>
    <message>
        <source>contre</source>
        <translation>contra</translation>
    </message>
    <message>
        <source>sens trigonométrique</source>
        <translation>sentido antihorario</translation>
    </message>
    <message>
        <source>sens horaire</source>
        <translation>sentido horario</translation>
    </message>
    <message>
        <source>pulsant</source>
        <translation>pulsante</translation>
    </message>
    <message>
        <source>Stator</source>
        <translation>Estator</translation>
    </message>
    <message>
        <source>Rotor</source>
        <translation>Rotor</translation>
    </message>
    <message>
        <source>Résultante</source>
        <translation>Resultante</translation>
    </message>
    <message>
        <source>Fondamental</source>
        <translation>Fundamental</translation>
    </message>
    <message>
        <source>Champ</source>
        <translation>Campo</translation>
    </message>
    <message>
        <source>Indicateur de couple entre les champs du stator et du rotor (sans unité), positif quand il pousse le rotor dans le sens trigonométrique. La barre de couple monte pour un couple horaire.</source>
        <translation>Indicador de par entre los campos del estator y del rotor (sin unidad), positivo cuando impulsa al rotor en sentido antihorario. La barra de par sube con un par en sentido horario.</translation>
    </message>
    <message>
        <source>Composante directe : le champ de la séquence dont les phases culminent dans l&apos;ordre 1, 2, 3 (angles 0/240/120, qui sont des avances). Elle tourne dans le sens trigonométrique.</source>
        <translation>Componente directa: el campo de la secuencia cuyas fases alcanzan el máximo en el orden 1, 2, 3 (ángulos 0/240/120, que son adelantos). Gira en sentido antihorario.</translation>
    </message>
    <message>
        <source>Composante inverse : le champ de la séquence 1, 3, 2 (angles 0/120/240). Elle tourne dans le sens horaire.</source>
        <translation>Componente inversa: el campo de la secuencia 1, 3, 2 (ángulos 0/120/240). Gira en sentido horario.</translation>
    </message>
    <message>
        <source>Composante directe du champ du rotor, tournant par rapport au rotor dans le sens trigonométrique.</source>
        <translation>Componente directa del campo del rotor, que gira respecto al rotor en sentido antihorario.</translation>
    </message>
    <message>
        <source>Composante inverse du champ du rotor, tournant par rapport au rotor dans le sens horaire.</source>
        <translation>Componente inversa del campo del rotor, que gira respecto al rotor en sentido horario.</translation>
    </message>
    <message>
        <source>Vitesse des harmoniques</source>
        <translation>Velocidad de los armónicos</translation>
    </message>
    <message>
        <source>Vitesse signée du champ de chaque harmonique : l&apos;harmonique n alterne n fois plus vite que le fondamental, son champ tourne n fois plus vite, avec lui pour 7 et 13, contre lui pour 5 et 11.</source>
        <translation>Velocidad con signo del campo de cada armónico: el armónico n alterna n veces más rápido que el fundamental y su campo gira n veces más rápido, con él para el 7 y el 13, contra él para el 5 y el 11.</translation>
    </message>
    <message>
        <source>après votre réponse</source>
        <translation>tras su respuesta</translation>
    </message>
    <message>
        <source>Mesures</source>
        <translation>Medidas</translation>
    </message>
    <message>
        <source>Force magnétomotrice le long de l&apos;entrefer, de 0 à 360°.</source>
        <translation>Fuerza magnetomotriz a lo largo del entrehierro, de 0 a 360°.</translation>
    </message>
    <message>
        <source>Deux champs tournants</source>
        <translation>Dos campos giratorios</translation>
    </message>
    <message>
        <source>Dessine les champs direct (bleu) et inverse (orange) dans la coupe.</source>
        <translation>Dibuja los campos directo (azul) e inverso (naranja) en la sección.</translation>
    </message>
    <message>
        <source>Facteur de distribution</source>
        <translation>Factor de distribución</translation>
    </message>
    <message>
        <source>k_d = sin(n q a / 2) / (q sin(n a / 2)) pour l&apos;harmonique d&apos;espace n, a = 180° / 3q étant l&apos;angle électrique entre deux encoches.</source>
        <translation>k_d = sin(n q a / 2) / (q sin(n a / 2)) para el armónico espacial n, siendo a = 180° / 3q el ángulo eléctrico entre dos ranuras.</translation>
    </message>
    <message>
        <source>Facteur de raccourcissement</source>
        <translation>Factor de paso</translation>
    </message>
    <message>
        <source>k_p = sin(n (W / 3q) 90°) pour des bobines de W encoches ; 1 au pas diamétral W = 3q.</source>
        <translation>k_p = sin(n (W / 3q) 90°) para bobinas de W ranuras; 1 con paso diametral W = 3q.</translation>
    </message>
    <message>
        <source>Facteur de bobinage</source>
        <translation>Factor de devanado</translation>
    </message>
    <message>
        <source>k_w = k_d k_p, harmonique par harmonique.</source>
        <translation>k_w = k_d k_p, armónico por armónico.</translation>
    </message>
    <message>
        <source>Harmoniques d&apos;espace</source>
        <translation>Armónicos espaciales</translation>
    </message>
    <message>
        <source>Harmoniques de la f.m.m. en escalier de l&apos;entrefer, mesurés sur elle, rapportés au fondamental : |k_wn| / (n |k_w1|) en théorie.</source>
        <translation>Armónicos de la f.m.m. escalonada del entrehierro, medidos sobre ella, relativos al fundamental: |k_wn| / (n |k_w1|) en teoría.</translation>
    </message>
    <message>
        <source>Vitesse des harmoniques d&apos;espace</source>
        <translation>Velocidad de los armónicos espaciales</translation>
    </message>
    <message>
        <source>Vitesse signée du champ de l&apos;harmonique d&apos;espace n : ns / n, avec le fondamental pour 7 et 13, contre lui pour 5 et 11.</source>
        <translation>Velocidad con signo del campo del armónico espacial n: ns / n, con el fundamental para 7 y 13, contra él para 5 y 11.</translation>
    </message>
    <message>
        <source>Couple du moteur</source>
        <translation>Par del motor</translation>
    </message>
    <message>
        <source>Couple du rotor à cage, 3 I2² R2 / (g ωs), compté dans le sens du champ : positif en moteur et en freinage, négatif en génératrice.</source>
        <translation>Par del rotor de jaula, 3 I2² R2 / (g ωs), contado en el sentido del campo: positivo como motor y al frenar, negativo como generador.</translation>
    </message>
    <message>
        <source>Courant statorique</source>
        <translation>Corriente del estátor</translation>
    </message>
    <message>
        <source>Courant I1 d&apos;une phase du stator, couplage étoile.</source>
        <translation>Corriente I1 de una fase del estátor, conexión en estrella.</translation>
    </message>
    <message>
        <source>Courant rotorique</source>
        <translation>Corriente del rotor</translation>
    </message>
    <message>
        <source>Courant I2 du rotor ramené au stator, nul au synchronisme.</source>
        <translation>Corriente I2 del rotor referida al estátor, nula en el sincronismo.</translation>
    </message>
    <message>
        <source>Facteur de puissance</source>
        <translation>Factor de potencia</translation>
    </message>
    <message>
        <source>cos φ entre la tension et le courant d&apos;une phase du stator.</source>
        <translation>cos φ entre la tensión y la corriente de una fase del estátor.</translation>
    </message>
    <message>
        <source>Puissance absorbée</source>
        <translation>Potencia absorbida</translation>
    </message>
    <message>
        <source>3 V I1 cos φ, négative quand la machine rend de l&apos;énergie.</source>
        <translation>3 V I1 cos φ, negativa cuando la máquina devuelve energía.</translation>
    </message>
    <message>
        <source>Puissance mécanique</source>
        <translation>Potencia mecánica</translation>
    </message>
    <message>
        <source>Couple fois vitesse du rotor : positive seulement quand la machine entraîne sa charge.</source>
        <translation>Par por velocidad del rotor: positiva solo cuando la máquina arrastra su carga.</translation>
    </message>
    <message>
        <source>Glissement du couple maximal</source>
        <translation>Deslizamiento del par máximo</translation>
    </message>
    <message>
        <source>R2 / |Zth + jX2|, du schéma de Thévenin exact du stator.</source>
        <translation>R2 / |Zth + jX2|, del equivalente de Thévenin exacto del estátor.</translation>
    </message>
    <message>
        <source>Couple maximal</source>
        <translation>Par máximo</translation>
    </message>
    <message>
        <source>Le plus grand couple en moteur, qui ne dépend pas de R2.</source>
        <translation>El mayor par como motor, que no depende de R2.</translation>
    </message>
    <message>
        <source>Couple de démarrage</source>
        <translation>Par de arranque</translation>
    </message>
    <message>
        <source>Le couple à l&apos;arrêt, g = 1.</source>
        <translation>El par con el rotor parado, g = 1.</translation>
    </message>
    <message>
        <source>Couple du rotor à cage selon sa vitesse, de -ns (freinage) à 2 ns (génératrice) ; en rouge, le point de fonctionnement, en orange la charge d&apos;un rotor libre.</source>
        <translation>Par del rotor de jaula según su velocidad, de -ns (frenado) a 2 ns (generador); en rojo, el punto de funcionamiento, en naranja la carga de un rotor libre.</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>&amp;Ouvrir...</source>
        <translation>&amp;Abrir...</translation>
    </message>
    <message>
        <source>&amp;Enregistrer...</source>
        <translation>&amp;Guardar...</translation>
    </message>
    <message>
        <source>Copier le &amp;lien</source>
        <translation>Copiar el &amp;enlace</translation>
    </message>
    <message>
        <source>E&amp;xporter l&apos;animation...</source>
        <translation>E&amp;xportar la animación...</translation>
    </message>
    <message>
        <source>&amp;Quitter</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>Entrefer:couleur</source>
        <translation>Entrehierro: color</translation>
    </message>
    <message>
        <source>Vecteur</source>
        <translation>Vector</translation>
    </message>
    <message>
        <source>Trace</source>
        <translation>Trayectoria</translation>
    </message>
    <message>
        <source>Forces magnéto-motrices</source>
        <translation>Fuerzas magnetomotrices</translation>
    </message>
    <message>
        <source>Couple</source>
        <translation>Par</translation>
    </message>
    <message>
        <source>&amp;Stator</source>
        <translation>&amp;Estator</translation>
    </message>
    <message>
        <source>&amp;Rotor</source>
        <translation>&amp;Rotor</translation>
    </message>
    <message>
        <source>&amp;Mesures</source>
        <translation>&amp;Medidas</translation>
    </message>
    <message>
        <source>Cadence x1/4</source>
        <translation>Ritmo x1/4</translation>
    </message>
    <message>
        <source>Cadence x1/2</source>
        <translation>Ritmo x1/2</translation>
    </message>
    <message>
        <source>Cadence x1</source>
        <translation>Ritmo x1</translation>
    </message>
    <message>
        <source>Cadence x2</source>
        <translation>Ritmo x2</translation>
    </message>
    <message>
        <source>Cadence x4</source>
        <translation>Ritmo x4</translation>
    </message>
    <message>
        <source>Bleu Noir Rouge</source>
        <translation>Azul Negro Rojo</translation>
    </message>
    <message>
        <source>Vert NoirRouge</source>
        <translation>Verde Negro Rojo</translation>
    </message>
    <message>
        <source>CAO</source>
        <translation>CAD</translation>
    </message>
    <message>
        <source>Bleu Blanc Orange</source>
        <translation>Azul Blanco Naranja</translation>
    </message>
    <message>
        <source>Projection</source>
        <translation>Proyector</translation>
    </message>
    <message>
        <source>&amp;A propos de Vireflu...</source>
        <translation>&amp;Acerca de Vireflu...</translation>
    </message>
    <message>
        <source>&amp;Général</source>
        <translation>&amp;General</translation>
    </message>
    <message>
        <source>&amp;Représentation</source>
        <translation>&amp;Representación</translation>
    </message>
    <message>
        <source>&amp;Vue</source>
        <translation>&amp;Vista</translation>
    </message>
    <message>
        <source>&amp;Couleur</source>
        <translation>&amp;Color</translation>
    </message>
    <message>
        <source>&amp;?</source>
        <translation>Ay&amp;uda</translation>
    </message>
    <message>
        <source>&amp;Langue</source>
        <translation>&amp;Idioma</translation>
    </message>
    <message>
        <source>Annotations</source>
        <translation>Anotaciones</translation>
    </message>
    <message>
        <source>Raccourcis &amp;clavier</source>
        <translation>Atajos de &amp;teclado</translation>
    </message>
    <message>
        <source>Conventions de &amp;signe</source>
        <translation>&amp;Convenciones de signo</translation>
    </message>
    <message>
        <source>&amp;Annuler</source>
        <translation>&amp;Deshacer</translation>
    </message>
    <message>
        <source>&amp;Rétablir</source>
        <translation>&amp;Rehacer</translation>
    </message>
    <message>
        <source>Tout réi&amp;nitialiser</source>
        <translation>Restablecer &amp;todo</translation>
    </message>
    <message>
        <source>É&amp;dition</source>
        <translation>&amp;Edición</translation>
    </message>
    <message>
        <source>Enregistrer &amp;sous...</source>
        <translation>Guardar &amp;como...</translation>
    </message>
    <message>
        <source>Lé&amp;gende</source>
        <translation>Le&amp;yenda</translation>
    </message>
    <message>
        <source>&amp;Bobinage</source>
        <translation>&amp;Devanado</translation>
    </message>
</context>
<context>
    <name>Page</name>
    <message>
        <source>Fermer</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Lien copié</source>
        <translation>Enlace copiado</translation>
    </message>
    <message>
        <source>Coupe de la machine</source>
        <translation>Sección de la máquina</translation>
    </message>
    <message>
        <source>Menus</source>
        <translation>Menús</translation>
    </message>
    <message>
        <source>L&apos;animation n&apos;a pas pu être enregistrée.</source>
        <translation>No se pudo guardar la animación.</translation>
    </message>
    <message>
        <source>Il n&apos;y a pas de leçon « %1 ».</source>
        <translation>No hay ninguna lección «%1».</translation>
    </message>
</context>
<context>
    <name>Panel</name>
    <message>
        <source>fréquence stator: %1 Hz</source>
        <translation>frecuencia del estator: %1 Hz</translation>
    </message>
    <message>
        <source>fréquence rotor: %1 Hz</source>
        <translation>frecuencia del rotor: %1 Hz</translation>
    </message>
    <message>
        <source>fréquence de rotation: %1 Hz</source>
        <translation>frecuencia de rotación: %1 Hz</translation>
    </message>
    <message>
        <source>position initiale: %1 degré</source>
        <translation>posición inicial: %1 grados</translation>
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
        <translation>rectangular</translation>
    </message>
    <message>
        <source>Stator</source>
        <translation>Estator</translation>
    </message>
    <message>
        <source>Rotor</source>
        <translation>Rotor</translation>
    </message>
    <message>
        <source>Angle limité à 360°</source>
        <translation>Ángulo limitado a 360°</translation>
    </message>
    <message>
        <source>angle de la phase %1</source>
        <translation>ángulo de la fase %1</translation>
    </message>
    <message>
        <source>flèches, Page préc. et Page suiv. pour régler</source>
        <translation>flechas, Re Pág y Av Pág para ajustar</translation>
    </message>
    <message>
        <source>degrés, de 0 à 360</source>
        <translation>grados, de 0 a 360</translation>
    </message>
    <message>
        <source>courbe de la phase %1</source>
        <translation>curva de la fase %1</translation>
    </message>
    <message>
        <source>le courant de la phase sur une période, le trait vertical marquant l&apos;instant</source>
        <translation>la corriente de la fase durante un periodo, con la línea vertical que marca el instante</translation>
    </message>
    <message>
        <source>fréquence</source>
        <translation>frecuencia</translation>
    </message>
    <message>
        <source>fréquence de rotation</source>
        <translation>frecuencia de rotación</translation>
    </message>
    <message>
        <source>position initiale</source>
        <translation>posición inicial</translation>
    </message>
    <message>
        <source>augmenter l&apos;angle de la phase %1</source>
        <translation>aumentar el ángulo de la fase %1</translation>
    </message>
    <message>
        <source>diminuer l&apos;angle de la phase %1</source>
        <translation>disminuir el ángulo de la fase %1</translation>
    </message>
    <message>
        <source>Le courant de la phase vaut sin(ωt + angle) : l&apos;angle est une avance. Dans la séquence directe, 0/240/120, les phases culminent dans l&apos;ordre 1, 2, 3 et le champ tourne dans le sens antihoraire.</source>
        <translation>La corriente de la fase vale sin(ωt + ángulo): el ángulo es un adelanto. En la secuencia directa, 0/240/120, las fases alcanzan el máximo en el orden 1, 2, 3 y el campo gira en sentido antihorario.</translation>
    </message>
</context>
<context>
    <name>Setup</name>
    <message>
        <source>Ce lien ne contient pas de réglage Vireflu lisible.</source>
        <translation>Este enlace no contiene ninguna configuración de Vireflu legible.</translation>
    </message>
    <message>
        <source>Ce réglage a été fait par une version plus récente de Vireflu (format %2) : mettez Vireflu à jour pour l&apos;ouvrir.</source>
        <translation>Esta configuración se hizo con una versión más reciente de Vireflu (formato %2): actualice Vireflu para abrirla.</translation>
    </message>
    <message>
        <source>La clé « %1 » est inconnue de cette version de Vireflu.</source>
        <translation>Esta versión de Vireflu no conoce la clave «%1».</translation>
    </message>
    <message>
        <source>La clé « %1 » accepte %3.</source>
        <translation>La clave «%1» acepta %3.</translation>
    </message>
    <message>
        <source>La clé « %1 » donne une forme d&apos;onde que le panneau n&apos;offre pas avec ce nombre de phases.</source>
        <translation>La clave «%1» da una forma de onda que el panel no ofrece con este número de fases.</translation>
    </message>
    <message>
        <source>La clé « %1 » manque.</source>
        <translation>Falta la clave «%1».</translation>
    </message>
    <message>
        <source>Le simulateur ne peut pas répondre à la question de cette leçon : son réglage ne donne aucune valeur à « %2 ».</source>
        <translation>El simulador no puede responder a la pregunta de esta lección: su configuración no da ningún valor a «%2».</translation>
    </message>
    <message>
        <source>Exactement un des choix de cette leçon doit être juste ; avec son réglage, le simulateur trouve %2.</source>
        <translation>Exactamente una de las opciones de esta lección debe ser correcta; con su configuración, el simulador obtiene %2.</translation>
    </message>
    <message>
        <source>Détail : le texte n&apos;est pas du JSON lisible (arrêt à l&apos;octet %2).</source>
        <translation>Detalle: el texto no es JSON legible (parada en el byte %2).</translation>
    </message>
    <message>
        <source>Détail : le document n&apos;est pas un objet JSON.</source>
        <translation>Detalle: el documento no es un objeto JSON.</translation>
    </message>
    <message>
        <source>Détail : il dépasse 64 Kio.</source>
        <translation>Detalle: supera los 64 KiB.</translation>
    </message>
    <message>
        <source>Détail : la clé « %1 » (la version du format) manque.</source>
        <translation>Detalle: falta la clave «%1» (la versión del formato).</translation>
    </message>
    <message>
        <source>Ce lien ne contient pas de montage Vireflu.</source>
        <translation>Este enlace no contiene ningún montaje de Vireflu.</translation>
    </message>
    <message>
        <source>Ce fichier n&apos;est pas une leçon Vireflu.</source>
        <translation>Este archivo no es una lección de Vireflu.</translation>
    </message>
    <message>
        <source>Ce fichier n&apos;est pas un montage Vireflu.</source>
        <translation>Este archivo no es un montaje de Vireflu.</translation>
    </message>
    <message>
        <source>Cette leçon ne peut pas être ouverte.</source>
        <translation>Esta lección no se puede abrir.</translation>
    </message>
    <message>
        <source>Ce montage ne peut pas être ouvert.</source>
        <translation>Este montaje no se puede abrir.</translation>
    </message>
    <message>
        <source>Ce fichier n&apos;est pas un parcours Vireflu.</source>
        <translation>Este archivo no es un recorrido de Vireflu.</translation>
    </message>
    <message>
        <source>Ce lien ne contient pas de parcours Vireflu.</source>
        <translation>Este enlace no contiene ningún recorrido de Vireflu.</translation>
    </message>
    <message>
        <source>Ce journal n&apos;est pas un journal de réponses Vireflu.</source>
        <translation>Este registro no es un registro de respuestas de Vireflu.</translation>
    </message>
    <message>
        <source>Ce parcours ne peut pas être ouvert.</source>
        <translation>Este recorrido no se puede abrir.</translation>
    </message>
    <message>
        <source>Ce journal de réponses ne peut pas être lu.</source>
        <translation>Este registro de respuestas no se puede leer.</translation>
    </message>
</context>
<context>
    <name>Shortcuts</name>
    <message>
        <source>Espace : lancer ou arrêter l&apos;animation</source>
        <translation>Espacio: iniciar o detener la animación</translation>
    </message>
    <message>
        <source>Origine : initialisation, l&apos;horloge à zéro</source>
        <translation>Inicio: inicializar, el reloj a cero</translation>
    </message>
    <message>
        <source>F11 : plein écran</source>
        <translation>F11: pantalla completa</translation>
    </message>
    <message>
        <source>Ctrl+O, Ctrl+S : ouvrir, enregistrer un réglage</source>
        <translation>Ctrl+O, Ctrl+S: abrir, guardar una configuración</translation>
    </message>
    <message>
        <source>Ctrl+Q : quitter</source>
        <translation>Ctrl+Q: salir</translation>
    </message>
    <message>
        <source>Alt + lettre soulignée : menus et boutons</source>
        <translation>Alt + letra subrayada: menús y botones</translation>
    </message>
    <message>
        <source>Tab, flèches, Entrée, Échap : dans les panneaux</source>
        <translation>Tab, flechas, Intro, Esc: en los paneles</translation>
    </message>
    <message>
        <source>Espace et Origine agissent dans chaque fenêtre, sauf dans un champ en cours de saisie</source>
        <translation>Espacio e Inicio actúan en todas las ventanas, salvo en un campo que se está editando</translation>
    </message>
    <message>
        <source>Raccourcis clavier</source>
        <translation>Atajos de teclado</translation>
    </message>
    <message>
        <source>Ctrl+Z, Ctrl+Maj+Z : annuler, rétablir</source>
        <translation>Ctrl+Z, Ctrl+Mayús+Z: deshacer, rehacer</translation>
    </message>
    <message>
        <source>Ctrl+Maj+S : enregistrer sous un autre nom</source>
        <translation>Ctrl+Mayús+S: guardar con otro nombre</translation>
    </message>
</context>
<context>
    <name>View</name>
    <message>
        <source>Coupe de la machine</source>
        <translation>Sección de la máquina</translation>
    </message>
</context>
<context>
    <name>Welcome</name>
    <message>
        <source>Bienvenue</source>
        <translation>Bienvenido</translation>
    </message>
    <message>
        <source>Vireflu anime le champ magnétique d&apos;une machine triphasée. Par où commencer ?</source>
        <translation>Vireflu anima el campo magnético de una máquina trifásica. ¿Por dónde empezar?</translation>
    </message>
    <message>
        <source>Commencer par une leçon</source>
        <translation>Empezar con una lección</translation>
    </message>
    <message>
        <source>Ouvrir un montage</source>
        <translation>Abrir un montaje</translation>
    </message>
    <message>
        <source>Explorer</source>
        <translation>Explorar</translation>
    </message>
</context>
<context>
    <name>Winding</name>
    <message>
        <source>Paires de pôles</source>
        <translation>Pares de polos</translation>
    </message>
    <message>
        <source>p : le champ a 2p pôles et tourne à 60 f / p tr/min.</source>
        <translation>p: el campo tiene 2p polos y gira a 60 f / p rpm.</translation>
    </message>
    <message>
        <source>Encoches par pôle et par phase</source>
        <translation>Ranuras por polo y fase</translation>
    </message>
    <message>
        <source>q : chaque phase occupe q encoches voisines sous chaque pôle ; le stator en a 6pq.</source>
        <translation>q: cada fase ocupa q ranuras vecinas bajo cada polo; el estátor tiene 6pq.</translation>
    </message>
    <message>
        <source>Pas des bobines (encoches)</source>
        <translation>Paso de las bobinas (ranuras)</translation>
    </message>
    <message>
        <source>Largeur d&apos;une bobine en encoches : 3q est le pas diamétral ; un pas plus court fait un bobinage à deux couches.</source>
        <translation>Anchura de una bobina en ranuras: 3q es el paso diametral; un paso más corto da un devanado de dos capas.</translation>
    </message>
    <message>
        <source>Phase coupée</source>
        <translation>Fase cortada</translation>
    </message>
    <message>
        <source>Un fil de ligne coupé : les trois bobines restent, les deux autres phases portent un même courant, opposé dans l&apos;une et l&apos;autre.</source>
        <translation>Un hilo de línea cortado: las tres bobinas siguen, las otras dos fases llevan una misma corriente, opuesta en una y otra.</translation>
    </message>
    <message>
        <source>aucune</source>
        <translation>ninguna</translation>
    </message>
    <message>
        <source>Bobinage</source>
        <translation>Devanado</translation>
    </message>
    <message>
        <source>Étoile des encoches</source>
        <translation>Estrella de ranuras</translation>
    </message>
    <message>
        <source>%1 encoches, %2 pôles, pas %3/%4</source>
        <translation>%1 ranuras, %2 polos, paso %3/%4</translation>
    </message>
    <message>
        <source>Rotor à cage</source>
        <translation>Rotor de jaula</translation>
    </message>
    <message>
        <source>Les courants du rotor ne sont plus imposés : le glissement les induit, comme dans un moteur asynchrone.</source>
        <translation>Las corrientes del rotor ya no se imponen: el deslizamiento las induce, como en un motor asíncrono.</translation>
    </message>
    <message>
        <source>Rotor libre</source>
        <translation>Rotor libre</translation>
    </message>
    <message>
        <source>Le rotor part de la fréquence de rotation du panneau Rotor et trouve sa vitesse : J dω/dt = C - Cr.</source>
        <translation>El rotor parte de la frecuencia de rotación del panel Rotor y encuentra su velocidad: J dω/dt = C - Cr.</translation>
    </message>
    <message>
        <source>Couple de charge (N·m)</source>
        <translation>Par de carga (N·m)</translation>
    </message>
    <message>
        <source>Tension composée (V)</source>
        <translation>Tensión de línea (V)</translation>
    </message>
    <message>
        <source>Schéma équivalent d&apos;une phase : R1, X1, XM, X2, R2/g</source>
        <translation>Circuito equivalente de una fase: R1, X1, XM, X2, R2/g</translation>
    </message>
</context>
<context>
    <name>Window</name>
    <message>
        <source>Ouverts &amp;récemment</source>
        <translation>Abiertos &amp;recientemente</translation>
    </message>
    <message>
        <source>Panneaux à côté</source>
        <translation>Paneles al lado</translation>
    </message>
    <message>
        <source>Disposition initiale</source>
        <translation>Disposición inicial</translation>
    </message>
    <message>
        <source>Leçon</source>
        <translation>Lección</translation>
    </message>
    <message>
        <source>Autres menus</source>
        <translation>Más menús</translation>
    </message>
    <message>
        <source>Rien à animer : cochez une phase dans « Stator ».</source>
        <translation>Nada que animar: marque una fase en «Estator».</translation>
    </message>
    <message>
        <source>Répondez d&apos;abord à la question de la leçon.</source>
        <translation>Responda primero a la pregunta de la lección.</translation>
    </message>
    <message>
        <source>Le réglage affiché a changé. L&apos;enregistrer avant de continuer ?</source>
        <translation>El ajuste mostrado ha cambiado. ¿Guardarlo antes de continuar?</translation>
    </message>
    <message>
        <source>&amp;Enregistrer</source>
        <translation>&amp;Guardar</translation>
    </message>
    <message>
        <source>&amp;Ne pas enregistrer</source>
        <translation>&amp;No guardar</translation>
    </message>
    <message>
        <source>Annuler</source>
        <translation>Cancelar</translation>
    </message>
</context>
</TS>
