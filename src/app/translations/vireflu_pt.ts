<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>AboutBox</name>
    <message>
        <source>Simulateur pédagogique, 2026</source>
        <translation>Simulador didático, 2026</translation>
    </message>
    <message>
        <source>Le champ tournant des machines triphasées</source>
        <translation>O campo girante das máquinas trifásicas</translation>
    </message>
    <message>
        <source>A propos de Vireflu</source>
        <translation>Sobre o Vireflu</translation>
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
        <translation>Exportar a animação</translation>
    </message>
    <message>
        <source>Images GIF (*.gif)</source>
        <translation>Imagens GIF (*.gif)</translation>
    </message>
    <message>
        <source>L&apos;animation n&apos;a pas pu être enregistrée : %1.</source>
        <translation>Não foi possível salvar a animação: %1.</translation>
    </message>
    <message>
        <source>Exportation de l&apos;animation...</source>
        <translation>Exportando a animação...</translation>
    </message>
    <message>
        <source>Annuler</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Exportation annulée : aucun fichier n&apos;a été écrit.</source>
        <translation>Exportação cancelada: nenhum arquivo foi gravado.</translation>
    </message>
    <message>
        <source>L&apos;animation n&apos;a pas pu être enregistrée : ses images ont plus de 256 couleurs.</source>
        <translation>Não foi possível salvar a animação: suas imagens têm mais de 256 cores.</translation>
    </message>
    <message>
        <source>Aucune animation à exporter : aucun enroulement n&apos;est alimenté en « sinus » ou « rectangulaire » au-dessus de 0 Hz.</source>
        <translation>Nenhuma animação para exportar: nenhum enrolamento é alimentado com “seno” ou “retangular” acima de 0 Hz.</translation>
    </message>
</context>
<context>
    <name>Annotations</name>
    <message>
        <source>↑ horaire</source>
        <translation>↑ horário</translation>
    </message>
    <message>
        <source>↓ antihoraire</source>
        <translation>↓ anti-horário</translation>
    </message>
    <message>
        <source>après votre réponse</source>
        <translation>após a sua resposta</translation>
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
        <translation>Não foi possível ler o registo de respostas %1: %2.</translation>
    </message>
    <message>
        <source>Mes réponses</source>
        <translation>As minhas respostas</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>Leçon</source>
        <translation>Lição</translation>
    </message>
    <message>
        <source>Réponse</source>
        <translation>Resposta</translation>
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
        <translation>certa</translation>
    </message>
    <message>
        <source>faux</source>
        <translation>errada</translation>
    </message>
    <message>
        <source>Exporter en CSV</source>
        <translation>Exportar em CSV</translation>
    </message>
    <message>
        <source>Exporter en JSON</source>
        <translation>Exportar em JSON</translation>
    </message>
    <message>
        <source>Effacer</source>
        <translation>Apagar</translation>
    </message>
    <message>
        <source>Effacer toutes les réponses ? Elles ne pourront pas être retrouvées.</source>
        <translation>Apagar todas as respostas? Não poderão ser recuperadas.</translation>
    </message>
    <message>
        <source>Aucune réponse pour l&apos;instant.</source>
        <translation>Ainda não há respostas.</translation>
    </message>
    <message>
        <source>Ce navigateur ne garde pas les réponses : elles seront perdues à la fermeture de la page.</source>
        <translation>Este navegador não guarda as respostas: perder-se-ão ao fechar a página.</translation>
    </message>
    <message>
        <source>Exporter en CSV...</source>
        <translation>Exportar em CSV...</translation>
    </message>
    <message>
        <source>Exporter en JSON...</source>
        <translation>Exportar em JSON...</translation>
    </message>
    <message>
        <source>Tableur CSV (*.csv)</source>
        <translation>Folha de cálculo CSV (*.csv)</translation>
    </message>
    <message>
        <source>Journal de réponses (*.json)</source>
        <translation>Registo de respostas (*.json)</translation>
    </message>
    <message>
        <source>Les réponses n&apos;ont pas pu être exportées : %1.</source>
        <translation>Não foi possível exportar as respostas: %1.</translation>
    </message>
    <message>
        <source>Les réponses n&apos;ont pas pu être effacées.</source>
        <translation>Não foi possível apagar as respostas.</translation>
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
        <translation>&amp;Animação</translation>
    </message>
    <message>
        <source>&amp;Stop</source>
        <translation>&amp;Parar</translation>
    </message>
    <message>
        <source>Commandes de l&apos;horloge</source>
        <translation>Comandos do relógio</translation>
    </message>
</context>
<context>
    <name>Conventions</name>
    <message>
        <source>Le courant d&apos;une phase vaut sin(ωt + angle) : l&apos;angle est une avance.</source>
        <translation>A corrente de uma fase vale sin(ωt + ângulo): o ângulo é um avanço.</translation>
    </message>
    <message>
        <source>Séquence directe : les phases culminent dans l&apos;ordre 1, 2, 3, soit les angles 0/240/120 ; son champ tourne dans le sens antihoraire.</source>
        <translation>Sequência direta: as fases atingem o máximo na ordem 1, 2, 3, ou seja, os ângulos 0/240/120; seu campo gira no sentido anti-horário.</translation>
    </message>
    <message>
        <source>Séquence inverse : 0/120/240, l&apos;ordre 1, 3, 2 ; son champ tourne dans le sens horaire.</source>
        <translation>Sequência inversa: 0/120/240, a ordem 1, 3, 2; seu campo gira no sentido horário.</translation>
    </message>
    <message>
        <source>Vitesses, glissements, angles et couples sont positifs dans le sens antihoraire, celui où tourne le rotor pour une fréquence de rotation positive.</source>
        <translation>Velocidades, escorregamentos, ângulos e torques são positivos no sentido anti-horário, aquele em que o rotor gira para uma frequência de rotação positiva.</translation>
    </message>
    <message>
        <source>Glissement g = (ns - n) / ns avec les vitesses signées : 0 au synchronisme, 1 à l&apos;arrêt, plus de 1 contre le champ.</source>
        <translation>Escorregamento g = (ns - n) / ns com as velocidades com sinal: 0 no sincronismo, 1 parado, acima de 1 contra o campo.</translation>
    </message>
    <message>
        <source>La barre de couple monte pour un couple horaire et descend pour un couple antihoraire.</source>
        <translation>A barra de torque sobe para um torque horário e desce para um torque anti-horário.</translation>
    </message>
    <message>
        <source>L&apos;harmonique n des courants fait un champ qui tourne n fois plus vite que le fondamental : 5 et 11 contre lui, 7 et 13 avec lui.</source>
        <translation>A harmônica n das correntes cria um campo que gira n vezes mais rápido que a fundamental: 5 e 11 contra ela, 7 e 13 com ela.</translation>
    </message>
    <message>
        <source>Conventions de signe</source>
        <translation>Convenções de sinal</translation>
    </message>
</context>
<context>
    <name>Course</name>
    <message>
        <source>Ouvrir un parcours</source>
        <translation>Abrir um percurso</translation>
    </message>
    <message>
        <source>Parcours Vireflu (*.json)</source>
        <translation>Percursos do Vireflu (*.json)</translation>
    </message>
    <message>
        <source>Composez ou ouvrez d&apos;abord un parcours.</source>
        <translation>Componha ou abra primeiro um percurso.</translation>
    </message>
    <message>
        <source>Parcours terminé : %1</source>
        <translation>Percurso terminado: %1</translation>
    </message>
    <message>
        <source>Bonnes réponses : %1 sur %2 (%3 %).</source>
        <translation>Respostas certas: %1 de %2 (%3 %).</translation>
    </message>
    <message>
        <source>Réussi (note de passage : %1 %).</source>
        <translation>Aprovado (nota mínima: %1 %).</translation>
    </message>
    <message>
        <source>Pas encore réussi (note de passage : %1 %).</source>
        <translation>Ainda não aprovado (nota mínima: %1 %).</translation>
    </message>
    <message>
        <source>%1 : sans réponse</source>
        <translation>%1: sem resposta</translation>
    </message>
    <message>
        <source>%1 : juste</source>
        <translation>%1: certa</translation>
    </message>
    <message>
        <source>%1 : faux</source>
        <translation>%1: errada</translation>
    </message>
    <message>
        <source>Composer un parcours</source>
        <translation>Compor um percurso</translation>
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
        <translation>Lições do Vireflu</translation>
    </message>
    <message>
        <source>Ajouter</source>
        <translation>Adicionar</translation>
    </message>
    <message>
        <source>Ajouter une leçon de fichier...</source>
        <translation>Adicionar uma lição de um ficheiro...</translation>
    </message>
    <message>
        <source>Leçons du parcours</source>
        <translation>Lições do percurso</translation>
    </message>
    <message>
        <source>Monter</source>
        <translation>Subir</translation>
    </message>
    <message>
        <source>Descendre</source>
        <translation>Descer</translation>
    </message>
    <message>
        <source>Retirer</source>
        <translation>Retirar</translation>
    </message>
    <message>
        <source>Commencer</source>
        <translation>Começar</translation>
    </message>
    <message>
        <source>Enregistrer...</source>
        <translation>Guardar...</translation>
    </message>
    <message>
        <source>Copier le lien</source>
        <translation>Copiar a ligação</translation>
    </message>
    <message>
        <source>Exporter pour une plateforme (SCORM)...</source>
        <translation>Exportar para uma plataforma (SCORM)...</translation>
    </message>
    <message>
        <source>aucune</source>
        <translation>nenhuma</translation>
    </message>
    <message>
        <source>Le parcours %1 n&apos;a pas pu être lu : %2.</source>
        <translation>Não foi possível ler o percurso %1: %2.</translation>
    </message>
    <message>
        <source>Enregistrer le parcours</source>
        <translation>Guardar o percurso</translation>
    </message>
    <message>
        <source>Le parcours n&apos;a pas pu être enregistré : %1.</source>
        <translation>Não foi possível guardar o percurso: %1.</translation>
    </message>
    <message>
        <source>La page de Vireflu (vireflu.html) est introuvable : construisez-la avec « make web ».</source>
        <translation>A página do Vireflu (vireflu.html) não foi encontrada: construa-a com «make web».</translation>
    </message>
    <message>
        <source>%1 n&apos;a pas pu être lue comme la page de Vireflu.</source>
        <translation>%1 não pôde ser lida como a página do Vireflu.</translation>
    </message>
    <message>
        <source>Exporter pour une plateforme (SCORM)</source>
        <translation>Exportar para uma plataforma (SCORM)</translation>
    </message>
    <message>
        <source>Paquet SCORM (*.zip)</source>
        <translation>Pacote SCORM (*.zip)</translation>
    </message>
    <message>
        <source>Le paquet n&apos;a pas pu être enregistré : %1.</source>
        <translation>Não foi possível guardar o pacote: %1.</translation>
    </message>
</context>
<context>
    <name>Description</name>
    <message>
        <source>%1 : phases %2 en %3.</source>
        <translation>%1: fases %2, forma de onda %3.</translation>
    </message>
    <message>
        <source>%1 : phase %2 en %3.</source>
        <translation>%1: fase %2, forma de onda %3.</translation>
    </message>
    <message>
        <source>%1 : aucun courant.</source>
        <translation>%1: nenhuma corrente.</translation>
    </message>
    <message>
        <source>Champ %1, %2.</source>
        <translation>Campo %1, %2.</translation>
    </message>
    <message>
        <source>Pas de champ tournant.</source>
        <translation>Nenhum campo girante.</translation>
    </message>
    <message>
        <source>Rotor à %1.</source>
        <translation>Rotor a %1.</translation>
    </message>
    <message>
        <source>Couple %1.</source>
        <translation>Torque %1.</translation>
    </message>
    <message>
        <source>Présentation : %1.</source>
        <translation>Representação: %1.</translation>
    </message>
    <message>
        <source>Champ : %1.</source>
        <translation>Campo: %1.</translation>
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
        <translation>Configurações do Vireflu (*.vireflu)</translation>
    </message>
    <message>
        <source>Ouvrir un réglage</source>
        <translation>Abrir uma configuração</translation>
    </message>
    <message>
        <source>Le réglage %1 n&apos;a pas pu être lu : %2.</source>
        <translation>Não foi possível ler a configuração %1: %2.</translation>
    </message>
    <message>
        <source>%1 n&apos;a pas été ouvert.</source>
        <translation>%1 não foi aberto.</translation>
    </message>
    <message>
        <source>Enregistrer le réglage</source>
        <translation>Salvar a configuração</translation>
    </message>
    <message>
        <source>Le réglage n&apos;a pas pu être enregistré : %1.</source>
        <translation>Não foi possível salvar a configuração: %1.</translation>
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
        <translation>no sentido horário</translation>
    </message>
    <message>
        <source>dans le sens antihoraire</source>
        <translation>no sentido anti-horário</translation>
    </message>
    <message>
        <source>Le champ pulse sur un axe fixe : ses deux moitiés tournent en sens opposés à %1</source>
        <translation>O campo pulsa sobre um eixo fixo: suas duas metades giram em sentidos opostos a %1</translation>
    </message>
    <message>
        <source>Le champ tourne %1 à %2</source>
        <translation>O campo gira %1 a %2</translation>
    </message>
    <message>
        <source>Le champ tourne %1 à %2 : vitesse signée %3</source>
        <translation>O campo gira %1 a %2: velocidade com sinal %3</translation>
    </message>
    <message>
        <source>Le glissement vaut %1 : champ à %2, rotor à %3</source>
        <translation>O escorregamento é %1: campo a %2, rotor a %3</translation>
    </message>
    <message>
        <source>Sur une période, le couple moyen est nul (%1) : il change de signe</source>
        <translation>Em um período, o torque médio é nulo (%1): ele muda de sinal</translation>
    </message>
    <message>
        <source>Sur une période, le couple moyen pousse le rotor %1 (%2)</source>
        <translation>Em um período, o torque médio impulsiona o rotor %1 (%2)</translation>
    </message>
    <message>
        <source>Le couple antihoraire est le plus grand avec le rotor à %1°</source>
        <translation>O torque anti-horário é máximo com o rotor a %1°</translation>
    </message>
    <message>
        <source>Le champ d&apos;une phase</source>
        <translation>O campo de uma fase</translation>
    </message>
    <message>
        <source>Une seule phase</source>
        <translation>Uma única fase</translation>
    </message>
    <message>
        <source>Quand l&apos;horloge tourne, que fait le champ ?</source>
        <translation>Quando o relógio anda, o que o campo faz?</translation>
    </message>
    <message>
        <source>ouvrez la fenêtre « Mesures » et cochez « Deux champs tournants » : les deux moitiés tournent en sens opposés.</source>
        <translation>abra a janela “Medidas” e marque “Dois campos girantes”: as duas metades giram em sentidos opostos.</translation>
    </message>
    <message>
        <source>Il tourne dans le sens horaire</source>
        <translation>Ele gira no sentido horário</translation>
    </message>
    <message>
        <source>Il tourne dans le sens antihoraire</source>
        <translation>Ele gira no sentido anti-horário</translation>
    </message>
    <message>
        <source>Il pulse sur place, sans tourner</source>
        <translation>Ele pulsa no lugar, sem girar</translation>
    </message>
    <message>
        <source>Le champ tournant</source>
        <translation>O campo girante</translation>
    </message>
    <message>
        <source>Trois phases</source>
        <translation>Três fases</translation>
    </message>
    <message>
        <source>Que fait le champ résultant ?</source>
        <translation>O que o campo resultante faz?</translation>
    </message>
    <message>
        <source>choisissez la représentation « Trace » : la pointe du champ décrit un cercle.</source>
        <translation>escolha a representação “Trajetória”: a ponta do campo descreve um círculo.</translation>
    </message>
    <message>
        <source>Deux phases inversées</source>
        <translation>Duas fases invertidas</translation>
    </message>
    <message>
        <source>Dans quel sens tourne le champ ?</source>
        <translation>Em que sentido o campo gira?</translation>
    </message>
    <message>
        <source>remettez 120° et 240° dans le panneau Stator et comparez.</source>
        <translation>coloque de novo 120° e 240° no painel Estator e compare.</translation>
    </message>
    <message>
        <source>Que fait le champ ?</source>
        <translation>O que o campo faz?</translation>
    </message>
    <message>
        <source>Deux phases à 90°</source>
        <translation>Duas fases a 90°</translation>
    </message>
    <message>
        <source>mettez 270° au lieu de 90° pour la phase 2 : le champ change de sens.</source>
        <translation>coloque 270° em vez de 90° na fase 2: o campo muda de sentido.</translation>
    </message>
    <message>
        <source>Fréquence et vitesse</source>
        <translation>Frequência e velocidade</translation>
    </message>
    <message>
        <source>Quelle est la vitesse de synchronisme du champ ?</source>
        <translation>Qual é a velocidade síncrona do campo?</translation>
    </message>
    <message>
        <source>ouvrez la fenêtre « Mesures » et changez la fréquence dans le panneau Stator.</source>
        <translation>abra a janela “Medidas” e altere a frequência no painel Estator.</translation>
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
        <translation>Corrente contínua</translation>
    </message>
    <message>
        <source>La bobine 1 du stator est parcourue par un courant continu.</source>
        <translation>A bobina 1 do estator é percorrida por uma corrente contínua.</translation>
    </message>
    <message>
        <source>Que fait le champ quand l&apos;horloge tourne ?</source>
        <translation>O que o campo faz quando o relógio anda?</translation>
    </message>
    <message>
        <source>alimentez plutôt le rotor en continu et donnez-lui une rotation : son champ tourne avec lui.</source>
        <translation>alimente, em vez disso, o rotor em corrente contínua e faça-o girar: seu campo gira com ele.</translation>
    </message>
    <message>
        <source>Il pulse sur place</source>
        <translation>Ele pulsa no lugar</translation>
    </message>
    <message>
        <source>Il reste immobile</source>
        <translation>Ele permanece imóvel</translation>
    </message>
    <message>
        <source>La machine synchrone</source>
        <translation>A máquina síncrona</translation>
    </message>
    <message>
        <source>Au synchronisme</source>
        <translation>No sincronismo</translation>
    </message>
    <message>
        <source>Sur une période, dans quel sens le couple moyen pousse-t-il le rotor ?</source>
        <translation>Em um período, em que sentido o torque médio impulsiona o rotor?</translation>
    </message>
    <message>
        <source>mettez la position initiale à 330° : le rotor est en avance de 60° et la machine freine.</source>
        <translation>coloque a posição inicial em 330°: o rotor fica adiantado 60° e a máquina freia.</translation>
    </message>
    <message>
        <source>Dans le sens de rotation (antihoraire)</source>
        <translation>No sentido da rotação (anti-horário)</translation>
    </message>
    <message>
        <source>Contre la rotation (horaire)</source>
        <translation>Contra a rotação (horário)</translation>
    </message>
    <message>
        <source>Il est nul</source>
        <translation>Ele é nulo</translation>
    </message>
    <message>
        <source>L&apos;angle de couple</source>
        <translation>O ângulo de torque</translation>
    </message>
    <message>
        <source>Stator et rotor sont alimentés en continu ; le champ du stator pointe vers la droite (0°). La position initiale du rotor, dans le panneau Rotor, fixe l&apos;angle entre les deux champs.</source>
        <translation>Estator e rotor são alimentados em corrente contínua; o campo do estator aponta para a direita (0°). A posição inicial do rotor, no painel Rotor, define o ângulo entre os dois campos.</translation>
    </message>
    <message>
        <source>À quelle position du rotor le couple antihoraire est-il le plus grand ?</source>
        <translation>Em que posição do rotor o torque anti-horário é máximo?</translation>
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
        <translation>Um rotor acionado contra o campo</translation>
    </message>
    <message>
        <source>Quel est le glissement g = (ns - n) / ns ?</source>
        <translation>Qual é o escorregamento g = (ns - n) / ns?</translation>
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
        <translation>A máquina de indução</translation>
    </message>
    <message>
        <source>Le glissement</source>
        <translation>O escorregamento</translation>
    </message>
    <message>
        <source>Quel est le glissement ?</source>
        <translation>Qual é o escorregamento?</translation>
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
        <translation>A frequência das correntes do rotor</translation>
    </message>
    <message>
        <source>Quelle est la fréquence des courants induits dans le rotor ?</source>
        <translation>Qual é a frequência das correntes induzidas no rotor?</translation>
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
        <translation>As harmônicas</translation>
    </message>
    <message>
        <source>L&apos;harmonique 5 de l&apos;onduleur</source>
        <translation>A 5ª harmônica do inversor</translation>
    </message>
    <message>
        <source>Dans quel sens tourne le champ de l&apos;harmonique 5 ?</source>
        <translation>Em que sentido gira o campo da 5ª harmônica?</translation>
    </message>
    <message>
        <source>Dans le sens horaire, contre le fondamental</source>
        <translation>No sentido horário, contra a fundamental</translation>
    </message>
    <message>
        <source>Dans le sens antihoraire, avec le fondamental</source>
        <translation>No sentido anti-horário, com a fundamental</translation>
    </message>
    <message>
        <source>L&apos;harmonique 7 de l&apos;onduleur</source>
        <translation>A 7ª harmônica do inversor</translation>
    </message>
    <message>
        <source>Dans quel sens tourne le champ de l&apos;harmonique 7 ?</source>
        <translation>Em que sentido gira o campo da 7ª harmônica?</translation>
    </message>
    <message>
        <source>,</source>
        <translation>,</translation>
    </message>
    <message>
        <source>Le champ reste immobile : rien n&apos;alterne dans le stator</source>
        <translation>O campo permanece imóvel: nada alterna no estator</translation>
    </message>
    <message>
        <source>Le stator ne crée aucun champ</source>
        <translation>O estator não cria nenhum campo</translation>
    </message>
    <message>
        <source>%1 Hz</source>
        <translation>%1 Hz</translation>
    </message>
    <message>
        <source>Vitesses, glissements, angles et couples sont comptés positifs dans le sens antihoraire, celui où tourne le rotor pour une fréquence de rotation positive.</source>
        <translation>Velocidades, escorregamentos, ângulos e torques são contados como positivos no sentido anti-horário, aquele em que o rotor gira para uma frequência de rotação positiva.</translation>
    </message>
    <message>
        <source>La barre de couple monte quand le couple pousse le rotor dans le sens horaire et descend quand il le pousse dans le sens antihoraire.</source>
        <translation>A barra de torque sobe quando o torque impulsiona o rotor no sentido horário e desce quando o impulsiona no sentido anti-horário.</translation>
    </message>
    <message>
        <source>Les courants du rotor ont une fréquence de %1 (%2 × %3)</source>
        <translation>As correntes do rotor têm uma frequência de %1 (%2 × %3)</translation>
    </message>
    <message>
        <source>L&apos;harmonique %1 (%2 % du fondamental) tourne %3 à %4, %1 fois la vitesse du fondamental</source>
        <translation>A %1ª harmônica (%2 % da fundamental) gira %3 a %4, %1 vezes a velocidade da fundamental</translation>
    </message>
    <message>
        <source>Une seule bobine du stator est alimentée par un courant sinusoïdal de {frequency}. La flèche rouge montre le champ dans l&apos;entrefer.</source>
        <translation>Uma única bobina do estator é alimentada por uma corrente senoidal de {frequency}. A seta vermelha mostra o campo no entreferro.</translation>
    </message>
    <message>
        <source>Le champ d&apos;une bobine reste sur son axe : il grandit, s&apos;annule et change de signe avec le courant. Il se décompose en deux moitiés égales qui tournent en sens opposés, chacune à {field-speed}.</source>
        <translation>O campo de uma bobina permanece sobre seu eixo: cresce, se anula e muda de sinal com a corrente. Ele se decompõe em duas metades iguais que giram em sentidos opostos, cada uma a {field-speed}.</translation>
    </message>
    <message>
        <source>Une bobine seule ne fait un champ que sur son axe : la flèche rouge ne quitte pas cet axe, elle change seulement de longueur et de signe. Regardez-la pendant une période.</source>
        <translation>Uma bobina sozinha só produz campo sobre seu eixo: a seta vermelha não sai desse eixo, apenas muda de comprimento e de sinal. Observe-a durante um período.</translation>
    </message>
    <message>
        <source>Les trois bobines du stator, décalées de 120° dans l&apos;espace, sont alimentées à {frequency} par des courants d&apos;angles {stator-angles}. Un angle est une avance : le courant de la phase vaut sin(ωt + angle).</source>
        <translation>As três bobinas do estator, defasadas de 120° no espaço, são alimentadas a {frequency} por correntes de ângulos {stator-angles}. Um ângulo é um avanço: a corrente da fase vale sin(ωt + ângulo).</translation>
    </message>
    <message>
        <source>Les trois champs pulsants s&apos;ajoutent en un champ de longueur constante qui fait un tour par période : {field-speed}. Il passe d&apos;une bobine à la suivante dans l&apos;ordre où leurs courants culminent : la phase 1, puis la 3, en retard de 120°, puis la 2. C&apos;est la séquence inverse, et le champ tourne {field-sense}.</source>
        <translation>Os três campos pulsantes se somam em um campo de comprimento constante que dá uma volta por período: {field-speed}. Ele passa de uma bobina à seguinte na ordem em que suas correntes atingem o máximo: a fase 1, depois a 3, atrasada de 120°, depois a 2. É a sequência inversa (negativa), e o campo gira {field-sense}.</translation>
    </message>
    <message>
        <source>Les angles semblent donner l&apos;ordre 1, 2, 3, mais ce sont des avances : la phase 3, en avance de 240°, c&apos;est-à-dire en retard de 120°, culmine avant la phase 2. Regardez dans le panneau Stator quel courant culmine juste après celui de la phase 1.</source>
        <translation>Os ângulos parecem dar a ordem 1, 2, 3, mas são avanços: a fase 3, adiantada de 240°, ou seja, atrasada de 120°, atinge o máximo antes da fase 2. Veja no painel Estator qual corrente atinge o máximo logo depois da corrente da fase 1.</translation>
    </message>
    <message>
        <source>Chaque bobine seule fait un champ pulsant, mais trois champs pulsants décalés dans l&apos;espace et dans le temps s&apos;ajoutent en un champ de longueur constante. Regardez la longueur de la flèche rouge.</source>
        <translation>Cada bobina sozinha produz um campo pulsante, mas três campos pulsantes defasados no espaço e no tempo se somam em um campo de comprimento constante. Observe o comprimento da seta vermelha.</translation>
    </message>
    <message>
        <source>Le même stator triphasé, mais les courants des phases 2 et 3 ont été échangés : leurs angles sont maintenant {stator-angles}.</source>
        <translation>O mesmo estator trifásico, mas as correntes das fases 2 e 3 foram trocadas: seus ângulos agora são {stator-angles}.</translation>
    </message>
    <message>
        <source>Les courants culminent maintenant dans l&apos;ordre 1, 2, 3 au lieu de 1, 3, 2 : c&apos;est la séquence directe. Le champ, qui va d&apos;une bobine à celle dont le courant culmine ensuite, tourne {field-sense}, toujours à {field-speed}. C&apos;est ainsi qu&apos;on inverse le sens d&apos;un moteur triphasé : on échange deux de ses fils.</source>
        <translation>As correntes agora atingem o máximo na ordem 1, 2, 3 em vez de 1, 3, 2: é a sequência direta (positiva). O campo, que vai de uma bobina àquela cuja corrente atinge o máximo em seguida, gira {field-sense}, sempre a {field-speed}. É assim que se inverte o sentido de rotação de um motor trifásico: trocam-se dois de seus fios de linha.</translation>
    </message>
    <message>
        <source>C&apos;était le sens de la leçon précédente. Échanger deux phases change l&apos;ordre dans lequel les courants culminent, et le champ suit cet ordre.</source>
        <translation>Esse era o sentido da lição anterior. Trocar duas fases muda a ordem em que as correntes atingem o máximo, e o campo segue essa ordem.</translation>
    </message>
    <message>
        <source>Deux bobines à angle droit sont alimentées par des courants décalés de 90° dans le temps, d&apos;angles {stator-angles} : la bobine 2, en avance, atteint son maximum un quart de période avant la bobine 1.</source>
        <translation>Duas bobinas em ângulo reto são alimentadas por correntes defasadas de 90° no tempo, de ângulos {stator-angles}: a bobina 2, adiantada, atinge seu máximo um quarto de período antes da bobina 1.</translation>
    </message>
    <message>
        <source>Deux bobines en quadrature, avec des courants en quadrature, suffisent à faire un champ tournant de longueur constante, ici {field-sense} à {field-speed}. Il va de la bobine dont le courant est en avance vers l&apos;autre. C&apos;est le principe des moteurs monophasés à condensateur.</source>
        <translation>Duas bobinas em quadratura, com correntes em quadratura, bastam para produzir um campo girante de comprimento constante, que aqui gira {field-sense} a {field-speed}. Ele vai da bobina cuja corrente está adiantada para a outra. É o princípio dos motores monofásicos com capacitor.</translation>
    </message>
    <message>
        <source>La bobine 2 est bien à 90° de la bobine 1, mais son courant est en avance : le champ part d&apos;elle et va vers la bobine 1.</source>
        <translation>A bobina 2 está de fato a 90° da bobina 1, mas sua corrente está adiantada: o campo parte dela e vai para a bobina 1.</translation>
    </message>
    <message>
        <source>Le stator triphasé à une paire de pôles est alimenté à {frequency}, avec les angles {stator-angles}. {convention}</source>
        <translation>O estator trifásico com um par de polos é alimentado a {frequency}, com os ângulos {stator-angles}. {convention}</translation>
    </message>
    <message>
        <source>Le champ fait un tour par période du courant : n = 60 f / p, soit {field-speed} avec une paire de pôles à {frequency}. Les angles {stator-angles} forment la séquence directe, qui le fait tourner {field-sense} : la vitesse signée vaut {field-signed-speed}.</source>
        <translation>O campo dá uma volta por período da corrente: n = 60 f / p, ou seja, {field-speed} com um par de polos a {frequency}. Os ângulos {stator-angles} formam a sequência direta (positiva), que o faz girar {field-sense}: a velocidade com sinal vale {field-signed-speed}.</translation>
    </message>
    <message>
        <source>C&apos;est la vitesse d&apos;un réseau européen. La vitesse de synchronisme suit la fréquence : n = 60 f / p, avec ici f = {frequency}.</source>
        <translation>É a velocidade de uma rede europeia. A velocidade síncrona acompanha a frequência: n = 60 f / p, aqui com f = {frequency}.</translation>
    </message>
    <message>
        <source>La valeur est juste, pas le signe. {convention}</source>
        <translation>O valor está certo, o sinal não. {convention}</translation>
    </message>
    <message>
        <source>Un courant constant fait un champ constant, fixe sur l&apos;axe de la bobine : rien ne tourne tant que le rotor ne tourne pas. C&apos;est le champ de l&apos;inducteur d&apos;une machine synchrone, ou d&apos;un aimant.</source>
        <translation>Uma corrente constante produz um campo constante, fixo no eixo da bobina: nada gira enquanto o rotor não gira. É o campo do enrolamento de excitação de uma máquina síncrona, ou de um ímã.</translation>
    </message>
    <message>
        <source>Le champ du stator tourne {field-sense} à {field-speed}. Le rotor, alimenté en continu, tourne {rotor-sense} à {rotor-speed}, son champ en retard de 60° sur celui du stator. La barre à gauche montre le couple.</source>
        <translation>O campo do estator gira {field-sense} a {field-speed}. O rotor, alimentado em corrente contínua, gira {rotor-sense} a {rotor-speed}, com seu campo atrasado de 60° em relação ao do estator. A barra à esquerda mostra o torque.</translation>
    </message>
    <message>
        <source>Au synchronisme les deux champs tournent ensemble : leur angle reste fixe, donc le couple aussi, {mean-torque}. Le champ du stator, en avance, tire celui du rotor dans le sens de rotation : la machine est motrice. {torque-bar}</source>
        <translation>No sincronismo os dois campos giram juntos: seu ângulo permanece fixo, e portanto o torque também, {mean-torque}. O campo do estator, adiantado, puxa o do rotor no sentido de rotação: a máquina funciona como motor. {torque-bar}</translation>
    </message>
    <message>
        <source>Le champ du rotor est en retard sur celui du stator : le stator le tire en avant, dans le sens de rotation, comme un aimant en entraîne un autre.</source>
        <translation>O campo do rotor está atrasado em relação ao do estator: o estator o puxa para a frente, no sentido de rotação, como um ímã arrasta outro.</translation>
    </message>
    <message>
        <source>Au synchronisme l&apos;angle entre les deux champs reste fixe : le couple ne change pas de signe, sa moyenne n&apos;est donc pas nulle. Regardez la barre de couple.</source>
        <translation>No sincronismo o ângulo entre os dois campos permanece fixo: o torque não muda de sinal, portanto sua média não é nula. Observe a barra de torque.</translation>
    </message>
    <message>
        <source>Le couple vaut le produit des deux champs par le sinus de leur angle. Il est nul quand ils sont alignés (0° ou 180°) et le plus grand à angle droit. À 270°, le champ du stator est en avance de 90° sur celui du rotor et le tire en avant : le couple positif est le plus grand.</source>
        <translation>O torque é o produto dos dois campos pelo seno do ângulo entre eles. É nulo quando estão alinhados (0° ou 180°) e máximo em ângulo reto. A 270°, o campo do estator está adiantado de 90° em relação ao do rotor e o puxa para a frente: o torque positivo é máximo.</translation>
    </message>
    <message>
        <source>mettez la position initiale à 90° puis à 270° avec le curseur du panneau Rotor et comparez les barres de couple. {torque-bar}</source>
        <translation>coloque a posição inicial em 90° e depois em 270° com o controle deslizante do painel Rotor e compare as barras de torque. {torque-bar}</translation>
    </message>
    <message>
        <source>Le champ du stator tourne {field-sense} à {field-speed}. Une machine extérieure entraîne le rotor {rotor-sense}, à {rotor-speed}. {convention}</source>
        <translation>O campo do estator gira {field-sense} a {field-speed}. Uma máquina externa aciona o rotor {rotor-sense}, a {rotor-speed}. {convention}</translation>
    </message>
    <message>
        <source>Avec les vitesses signées, ns = {field-signed-speed} et n = {rotor-signed-speed} : g = {slip}. Un glissement supérieur à 1 veut dire que le rotor tourne contre le champ : la machine freine (freinage par contre-courant) et les courants induits dans le rotor ont une fréquence de {rotor-frequency}.</source>
        <translation>Com as velocidades com sinal, ns = {field-signed-speed} e n = {rotor-signed-speed}: g = {slip}. Um escorregamento maior que 1 significa que o rotor gira contra o campo: a máquina freia (frenagem por contracorrente) e as correntes induzidas no rotor têm uma frequência de {rotor-frequency}.</translation>
    </message>
    <message>
        <source>ouvrez la fenêtre « Mesures » et lisez la fréquence rotorique.</source>
        <translation>abra a janela “Medidas” e leia a frequência do rotor.</translation>
    </message>
    <message>
        <source>Un glissement nul voudrait dire que le rotor suit le champ ; ici il tourne en sens inverse. Prenez les vitesses avec leur signe.</source>
        <translation>Um escorregamento nulo significaria que o rotor acompanha o campo; aqui ele gira em sentido contrário. Considere as velocidades com seus sinais.</translation>
    </message>
    <message>
        <source>Un moteur asynchrone : le champ du stator tourne {field-sense} à {field-speed}, le rotor le suit à {rotor-speed}.</source>
        <translation>Um motor de indução: o campo do estator gira {field-sense} a {field-speed}, e o rotor o acompanha a {rotor-speed}.</translation>
    </message>
    <message>
        <source>g = (ns - n) / ns = {slip} : le rotor glisse un peu derrière le champ, de {slip-speed}. Dans un moteur asynchrone, c&apos;est ce retard qui induit des courants dans les barres du rotor et donc le couple ; au synchronisme exact, plus rien n&apos;est induit. Ici le rotor est entraîné à vitesse imposée, sans courant.</source>
        <translation>g = (ns - n) / ns = {slip}: o rotor escorrega um pouco atrás do campo, de {slip-speed}. Em um motor de indução, é esse atraso que induz correntes nas barras do rotor e, portanto, o torque; no sincronismo exato, nada mais é induzido. Aqui o rotor é acionado a uma velocidade imposta, sem corrente.</translation>
    </message>
    <message>
        <source>donnez au rotor une rotation de {frequency}, celle du réseau : le glissement devient nul.</source>
        <translation>dê ao rotor uma rotação de {frequency}, a da rede: o escorregamento se anula.</translation>
    </message>
    <message>
        <source>C&apos;est n / ns, le rapport des deux vitesses. Le glissement est l&apos;écart entre elles rapporté à la vitesse du champ : g = (ns - n) / ns.</source>
        <translation>Isso é n / ns, a razão entre as duas velocidades. O escorregamento é a diferença entre elas em relação à velocidade do campo: g = (ns - n) / ns.</translation>
    </message>
    <message>
        <source>Le même moteur : champ {field-sense} à {field-speed}, rotor à {rotor-speed}, alimentation à {frequency}. Le rotor voit le champ défiler lentement.</source>
        <translation>O mesmo motor: campo {field-sense} a {field-speed}, rotor a {rotor-speed}, alimentação a {frequency}. O rotor vê o campo passar lentamente.</translation>
    </message>
    <message>
        <source>Le champ dépasse le rotor de {slip-speed} : les courants du rotor ont la fréquence g f = {slip} × {frequency} = {rotor-frequency}. À l&apos;arrêt, ils auraient celle du réseau.</source>
        <translation>O campo ultrapassa o rotor em {slip-speed}: as correntes do rotor têm a frequência g f = {slip} × {frequency} = {rotor-frequency}. Com o rotor parado, teriam a da rede.</translation>
    </message>
    <message>
        <source>alimentez le rotor en triphasé à {rotor-frequency} avec les angles {stator-angles} : son champ tourne avec celui du stator.</source>
        <translation>alimente o rotor com corrente trifásica a {rotor-frequency} com os ângulos {stator-angles}: seu campo gira com o do estator.</translation>
    </message>
    <message>
        <source>C&apos;est la fréquence du réseau, celle que le rotor verrait à l&apos;arrêt. Il tourne presque aussi vite que le champ : il le voit passer lentement.</source>
        <translation>É a frequência da rede, a que o rotor veria parado. Ele gira quase tão rápido quanto o campo: vê-o passar lentamente.</translation>
    </message>
    <message>
        <source>Un onduleur à six pas alimente le stator : ses courants en escalier contiennent le fondamental à {frequency} et des harmoniques. Ses pas se suivent dans l&apos;ordre de la séquence directe, {stator-angles}, et le fondamental fait tourner le champ {field-sense} à {field-speed}.</source>
        <translation>Um inversor de seis degraus alimenta o estator: suas correntes em escada contêm a fundamental a {frequency} e harmônicas. Seus degraus se sucedem na ordem da sequência direta, {stator-angles}, e a fundamental faz o campo girar {field-sense} a {field-speed}.</translation>
    </message>
    <message>
        <source>L&apos;harmonique n d&apos;un courant est décalé de n fois l&apos;angle du fondamental. Pour n = 5 : 0°, 5 × 240° = 1200° et 5 × 120° = 600°, soit 0°, 120°, 240° : la séquence inverse. Son champ tourne donc {harmonic-5-sense}, et comme ses courants alternent 5 fois plus vite, à {harmonic-5-speed}. Les harmoniques 5 et 11 tournent contre le fondamental, 7 et 13 avec lui.</source>
        <translation>A harmônica de ordem n de uma corrente é defasada de n vezes o ângulo da fundamental. Para n = 5: 0°, 5 × 240° = 1200° e 5 × 120° = 600°, ou seja, 0°, 120°, 240°: a sequência inversa. Seu campo gira, portanto, {harmonic-5-sense} e, como suas correntes alternam 5 vezes mais rápido, a {harmonic-5-speed}. A 5ª e a 11ª harmônicas giram contra a fundamental; a 7ª e a 13ª, com ela.</translation>
    </message>
    <message>
        <source>ouvrez la fenêtre « Mesures » : « Vitesse des harmoniques » donne la vitesse signée du champ de chacun.</source>
        <translation>abra a janela “Medidas”: “Velocidade das harmônicas” dá a velocidade com sinal do campo de cada uma.</translation>
    </message>
    <message>
        <source>Le fondamental tourne dans ce sens, mais l&apos;harmonique 5 multiplie les angles par 5, ce qui inverse l&apos;ordre des phases.</source>
        <translation>A fundamental gira nesse sentido, mas a 5ª harmônica multiplica os ângulos por 5, o que inverte a ordem das fases.</translation>
    </message>
    <message>
        <source>L&apos;harmonique n d&apos;un courant est décalé de n fois l&apos;angle du fondamental. Pour n = 7 : 0°, 7 × 240° = 1680° et 7 × 120° = 840°, soit 0°, 240°, 120° : la séquence directe. Son champ tourne donc {harmonic-7-sense}, et comme ses courants alternent 7 fois plus vite, à {harmonic-7-speed}. Les harmoniques 5 et 11 tournent contre le fondamental, 7 et 13 avec lui.</source>
        <translation>A harmônica de ordem n de uma corrente é defasada de n vezes o ângulo da fundamental. Para n = 7: 0°, 7 × 240° = 1680° e 7 × 120° = 840°, ou seja, 0°, 240°, 120°: a sequência direta. Seu campo gira, portanto, {harmonic-7-sense} e, como suas correntes alternam 7 vezes mais rápido, a {harmonic-7-speed}. A 5ª e a 11ª harmônicas giram contra a fundamental; a 7ª e a 13ª, com ela.</translation>
    </message>
    <message>
        <source>C&apos;est le sens des harmoniques 5 et 11. Pour l&apos;harmonique 7, multipliez les angles par 7 : l&apos;ordre des phases reste celui du fondamental.</source>
        <translation>Esse é o sentido da 5ª e da 11ª harmônicas. Para a 7ª harmônica, multiplique os ângulos por 7: a ordem das fases continua sendo a da fundamental.</translation>
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
        <translation>Recomeçar</translation>
    </message>
    <message>
        <source>Bonne prédiction.</source>
        <translation>Previsão correta.</translation>
    </message>
    <message>
        <source>Ce n&apos;est pas ce qui se passe.</source>
        <translation>Não é isso que acontece.</translation>
    </message>
    <message>
        <source>Essayez :</source>
        <translation>Experimente:</translation>
    </message>
    <message>
        <source>Le facteur de bobinage vaut %1</source>
        <translation>O fator de enrolamento vale %1</translation>
    </message>
    <message>
        <source>Des bobines de %1 encoches laissent le moins d&apos;harmonique 5 : %2 % du fondamental</source>
        <translation>Bobinas de %1 ranhuras deixam a menor harmónica 5: %2 % da fundamental</translation>
    </message>
    <message>
        <source>Les bobinages</source>
        <translation>Os enrolamentos</translation>
    </message>
    <message>
        <source>La plaque d&apos;un moteur</source>
        <translation>A chapa de um motor</translation>
    </message>
    <message>
        <source>La plaque d&apos;un moteur asynchrone indique {frequency} et {rotor-speed}. Voici son stator : {slots} encoches, alimentées avec les angles {stator-angles}, et son rotor tourne à cette vitesse. Comptez les pôles du champ dans l&apos;entrefer. {convention}</source>
        <translation>A chapa de um motor assíncrono indica {frequency} e {rotor-speed}. Eis o seu estator: {slots} ranhuras, alimentadas com os ângulos {stator-angles}, e o seu rotor gira a essa velocidade. Conte os polos do campo no entreferro. {convention}</translation>
    </message>
    <message>
        <source>À quelle vitesse tourne le champ ?</source>
        <translation>A que velocidade gira o campo?</translation>
    </message>
    <message>
        <source>Le champ a {poles} pôles, {pole-pairs} paires : il avance d&apos;une paire de pôles par période, n = 60 f / p = {field-speed}. Le rotor suit juste en dessous, à {rotor-speed}, avec un glissement de {slip}. C&apos;est ainsi qu&apos;une plaque trahit les pôles d&apos;un moteur : sa vitesse est juste sous 60 f / p.</source>
        <translation>O campo tem {poles} polos, {pole-pairs} pares: avança um par de polos por período, n = 60 f / p = {field-speed}. O rotor segue logo abaixo, a {rotor-speed}, com um escorregamento de {slip}. É assim que uma chapa denuncia os polos de um motor: a sua velocidade fica logo abaixo de 60 f / p.</translation>
    </message>
    <message>
        <source>ouvrez « Bobinage » et « Mesures », puis changez les paires de pôles : la vitesse de synchronisme suit 60 f / p.</source>
        <translation>abra «Enrolamento» e «Medidas» e mude os pares de polos: a velocidade de sincronismo segue 60 f / p.</translation>
    </message>
    <message>
        <source>+1440 tr/min</source>
        <translation>+1440 rpm</translation>
    </message>
    <message>
        <source>C&apos;est 60 f, la vitesse d&apos;un champ à deux pôles. Comptez les pôles de celui-ci : n = 60 f / p.</source>
        <translation>É 60 f, a velocidade de um campo de dois polos. Conte os polos deste: n = 60 f / p.</translation>
    </message>
    <message>
        <source>C&apos;est la vitesse du rotor. Un moteur asynchrone tourne un peu moins vite que son champ : sans cet écart, rien n&apos;induirait de courant dans son rotor.</source>
        <translation>É a velocidade do rotor. Um motor assíncrono gira um pouco mais devagar do que o seu campo: sem essa diferença nada induziria correntes no seu rotor.</translation>
    </message>
    <message>
        <source>Plus de pôles, un champ plus lent</source>
        <translation>Mais polos, um campo mais lento</translation>
    </message>
    <message>
        <source>Ce stator a {pole-pairs} paires de pôles : {poles} pôles se suivent autour de l&apos;entrefer, et le champ est dessiné par {pole-pairs} flèches, une vers chaque pôle nord. Il est alimenté à {frequency} avec les angles {stator-angles}. {convention}</source>
        <translation>Este estator tem {pole-pairs} pares de polos: {poles} polos sucedem-se à volta do entreferro, e o campo é desenhado por {pole-pairs} setas, uma para cada polo norte. É alimentado a {frequency} com os ângulos {stator-angles}. {convention}</translation>
    </message>
    <message>
        <source>En une période du courant, le champ avance d&apos;une paire de pôles, soit 1/{pole-pairs} de tour : n = 60 f / p = {field-speed}, {field-sense}, soit {field-signed-speed}. À fréquence égale, plus de pôles font un champ plus lent, et un moteur plus lent mais plus fort.</source>
        <translation>Num período da corrente o campo avança um par de polos, ou seja 1/{pole-pairs} de volta: n = 60 f / p = {field-speed}, {field-sense}, isto é {field-signed-speed}. À mesma frequência, mais polos dão um campo mais lento e um motor mais lento mas mais forte.</translation>
    </message>
    <message>
        <source>lancez l&apos;animation et suivez une flèche : elle fait un tour pendant que le courant fait {pole-pairs} périodes.</source>
        <translation>inicie a animação e siga uma seta: dá uma volta enquanto a corrente faz {pole-pairs} períodos.</translation>
    </message>
    <message>
        <source>Le pas raccourci</source>
        <translation>O passo encurtado</translation>
    </message>
    <message>
        <source>Ce stator a {slots} encoches, deux par pôle et par phase, et des bobines au pas diamétral de {full-pitch} encoches. Sa force magnétomotrice en escalier n&apos;est pas une sinusoïde : son harmonique d&apos;espace 5 vaut {space-harmonic-5-share} du fondamental. Raccourcir les bobines peut l&apos;affaiblir.</source>
        <translation>Este estator tem {slots} ranhuras, duas por polo e por fase, e bobinas de passo diametral de {full-pitch} ranhuras. A sua força magnetomotriz em escada não é uma sinusoide: a sua harmónica espacial 5 vale {space-harmonic-5-share} da fundamental. Encurtar as bobinas pode enfraquecê-la.</translation>
    </message>
    <message>
        <source>Quel pas de bobine, en encoches, laisse le moins d&apos;harmonique 5 par rapport au fondamental ?</source>
        <translation>Que passo de bobina, em ranhuras, deixa a menor harmónica 5 em relação à fundamental?</translation>
    </message>
    <message>
        <source>Une bobine de W encoches sur un pas diamétral de 3q filtre l&apos;harmonique n par k_p = sin(n W / 3q × 90°). À 5/6 du pas, les deux côtés se rapprochent de 30° : 150° pour l&apos;harmonique 5, dont les f.m.m. se compensent presque (k_p5 = sin 15°), quand le fondamental garde sin 75°. C&apos;est le pas des moteurs industriels.</source>
        <translation>Uma bobina de W ranhuras num passo diametral de 3q filtra a harmónica n por k_p = sin(n W / 3q × 90°). A 5/6 do passo, os dois lados aproximam-se 30°: 150° para a harmónica 5, cujas f.m.m. quase se compensam (k_p5 = sin 15°), enquanto a fundamental conserva sin 75°. É o passo dos motores industriais.</translation>
    </message>
    <message>
        <source>dans « Bobinage », choisissez chaque pas tour à tour et lisez « Harmoniques d&apos;espace » dans « Mesures ».</source>
        <translation>em «Enrolamento», escolha cada passo à vez e leia «Harmónicas espaciais» em «Medidas».</translation>
    </message>
    <message>
        <source>6 encoches (pas diamétral)</source>
        <translation>6 ranhuras (passo diametral)</translation>
    </message>
    <message>
        <source>5 encoches</source>
        <translation>5 ranhuras</translation>
    </message>
    <message>
        <source>4 encoches</source>
        <translation>4 ranhuras</translation>
    </message>
    <message>
        <source>3 encoches</source>
        <translation>3 ranhuras</translation>
    </message>
    <message>
        <source>Le pas diamétral prend tout le fondamental, mais aussi toute l&apos;harmonique 5 que laisse la distribution.</source>
        <translation>O passo diametral apanha toda a fundamental, mas também toda a harmónica 5 que a distribuição deixa.</translation>
    </message>
    <message>
        <source>Avec 4 encoches sur 6, sin(5 × 60°) et sin(60°) ont la même valeur absolue : le fondamental et l&apos;harmonique 5 baissent d&apos;autant, et la part de l&apos;harmonique ne change pas.</source>
        <translation>Com 4 ranhuras em 6, sin(5 × 60°) e sin(60°) têm o mesmo valor absoluto: a fundamental e a harmónica 5 descem o mesmo, e a parte da harmónica não muda.</translation>
    </message>
    <message>
        <source>Le facteur de bobinage</source>
        <translation>O fator de enrolamento</translation>
    </message>
    <message>
        <source>Ce stator répartit chaque phase dans trois encoches voisines par pôle, {slots} en tout, et ses bobines font {coil-pitch} encoches pour un pas diamétral de {full-pitch}. Les f.m.m. des encoches d&apos;une phase ne culminent pas ensemble : leur somme est plus petite que si tout tenait dans une encoche au pas diamétral.</source>
        <translation>Este estator reparte cada fase por três ranhuras vizinhas por polo, {slots} ao todo, e as suas bobinas abrangem {coil-pitch} ranhuras para um passo diametral de {full-pitch}. As f.m.m. das ranhuras de uma fase não culminam juntas: a sua soma é menor do que se tudo coubesse numa ranhura de passo diametral.</translation>
    </message>
    <message>
        <source>Quel est le facteur de bobinage k_w du fondamental ?</source>
        <translation>Qual é o fator de enrolamento k_w da fundamental?</translation>
    </message>
    <message>
        <source>k_w = k_d × k_p : la distribution sur trois encoches donne k_d = {distribution-factor}, le pas de {coil-pitch} sur {full-pitch} donne k_p = {pitch-factor}, d&apos;où k_w = {winding-factor}. Le fondamental perd un dixième, mais les harmoniques d&apos;espace 5 et 7 tombent à {space-harmonic-5-share} et {space-harmonic-7-share} du fondamental : l&apos;entrefer est presque sinusoïdal.</source>
        <translation>k_w = k_d × k_p: a distribuição por três ranhuras dá k_d = {distribution-factor}, o passo de {coil-pitch} em {full-pitch} dá k_p = {pitch-factor}, donde k_w = {winding-factor}. A fundamental perde um décimo, mas as harmónicas espaciais 5 e 7 caem para {space-harmonic-5-share} e {space-harmonic-7-share} da fundamental: o entreferro é quase sinusoidal.</translation>
    </message>
    <message>
        <source>ouvrez « Mesures » : ses lignes « Facteur de distribution », « Facteur de raccourcissement » et « Facteur de bobinage » donnent aussi les harmoniques.</source>
        <translation>abra «Medidas»: as linhas «Fator de distribuição», «Fator de passo» e «Fator de enrolamento» dão também as harmónicas.</translation>
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
        <translation>1 é o fator de uma bobina concentrada de passo diametral. Aqui as ranhuras estão desfasadas e as bobinas encurtadas: cada uma tira um pouco.</translation>
    </message>
    <message>
        <source>C&apos;est le facteur de distribution k_d seul. Le pas raccourci multiplie encore par k_p.</source>
        <translation>É o fator de distribuição k_d sozinho. O passo encurtado multiplica ainda por k_p.</translation>
    </message>
    <message>
        <source>C&apos;est le facteur de raccourcissement k_p seul. Les trois encoches voisines multiplient encore par k_d.</source>
        <translation>É o fator de passo k_p sozinho. As três ranhuras vizinhas multiplicam ainda por k_d.</translation>
    </message>
    <message>
        <source>Une phase coupée</source>
        <translation>Uma fase cortada</translation>
    </message>
    <message>
        <source>Le fil de ligne de la phase 3 d&apos;un moteur couplé en étoile est coupé. Ses trois bobines sont toujours là, mais la bobine 3 ne porte plus rien, et les bobines 1 et 2, désormais en série, portent un même courant : dans un sens dans l&apos;une, dans l&apos;autre sens dans l&apos;autre. {convention}</source>
        <translation>O fio de linha da fase 3 de um motor ligado em estrela está cortado. As suas três bobinas continuam lá, mas a bobina 3 já não leva nada, e as bobinas 1 e 2, agora em série, levam uma mesma corrente: num sentido numa, no outro sentido na outra. {convention}</translation>
    </message>
    <message>
        <source>Que fait le champ du stator ?</source>
        <translation>O que faz o campo do estator?</translation>
    </message>
    <message>
        <source>Un seul courant dans deux bobines fixes fait un champ qui pulse sur un axe fixe : ses deux moitiés tournent en sens opposés à {field-speed}. Lancé, le moteur continue sur la moitié qui tourne avec lui, en chauffant ; à l&apos;arrêt, les deux moitiés se neutralisent et il ne démarre pas.</source>
        <translation>Uma só corrente em duas bobinas fixas faz um campo que pulsa num eixo fixo: as suas duas metades giram em sentidos opostos a {field-speed}. Já lançado, o motor continua com a metade que gira com ele, aquecendo; parado, as duas metades anulam-se e ele não arranca.</translation>
    </message>
    <message>
        <source>cochez « Deux champs tournants » dans « Mesures » : les deux moitiés sont égales. Puis, dans « Bobinage », remettez la phase coupée à « aucune ».</source>
        <translation>assinale «Dois campos girantes» em «Medidas»: as duas metades são iguais. Depois, em «Enrolamento», volte a pôr a fase cortada em «nenhuma».</translation>
    </message>
    <message>
        <source>Il tourne toujours dans le sens antihoraire</source>
        <translation>Continua a girar no sentido anti-horário</translation>
    </message>
    <message>
        <source>Il pulse sur un axe fixe</source>
        <translation>Pulsa num eixo fixo</translation>
    </message>
    <message>
        <source>Il disparaît</source>
        <translation>Desaparece</translation>
    </message>
    <message>
        <source>Un champ tournant demande deux courants déphasés dans deux bobines décalées. Ici les deux bobines restantes ne portent qu&apos;un courant, le même à chaque instant.</source>
        <translation>Um campo girante exige duas correntes desfasadas em duas bobinas desfasadas. Aqui as duas bobinas restantes levam uma só corrente, a mesma em cada instante.</translation>
    </message>
    <message>
        <source>Les bobines 1 et 2 portent encore un courant : leur champ existe, il ne tourne plus.</source>
        <translation>As bobinas 1 e 2 ainda levam corrente: o seu campo existe, só já não gira.</translation>
    </message>
    <message>
        <source>Quelle est la vitesse signée du champ ?</source>
        <translation>Qual é a velocidade com sinal do campo?</translation>
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
        <translation>60 f é a velocidade de um campo com um par de polos. Este tem mais: conte as suas setas.</translation>
    </message>
    <message>
        <source>génératrice</source>
        <translation>gerador</translation>
    </message>
    <message>
        <source>frein</source>
        <translation>travão</translation>
    </message>
    <message>
        <source>synchronisme, sans couple</source>
        <translation>sincronismo, sem binário</translation>
    </message>
    <message>
        <source>moteur</source>
        <translation>motor</translation>
    </message>
    <message>
        <source>Le rotor à cage reçoit %1 N·m au glissement %2</source>
        <translation>O rotor em gaiola recebe %1 N·m com escorregamento %2</translation>
    </message>
    <message>
        <source>Le moteur se stabilise à %1</source>
        <translation>O motor estabiliza a %1</translation>
    </message>
    <message>
        <source>Le couple est maximal au glissement %1</source>
        <translation>O binário é máximo com escorregamento %1</translation>
    </message>
    <message>
        <source>Une phase du stator absorbe %1 A</source>
        <translation>Uma fase do estator absorve %1 A</translation>
    </message>
    <message>
        <source>Au glissement %1, la machine fonctionne en %2</source>
        <translation>Com escorregamento %1, a máquina funciona como %2</translation>
    </message>
    <message>
        <source>Jamais au synchronisme</source>
        <translation>Nunca em sincronismo</translation>
    </message>
    <message>
        <source>Un moteur à cage de {poles} pôles est entraîné de l&apos;extérieur à {rotor-speed}, exactement la vitesse de son champ, {field-speed}. Ses barres ne sont reliées à rien : seuls les courants que le champ y induit les parcourent. {convention}</source>
        <translation>Um motor de gaiola de {poles} polos é acionado do exterior a {rotor-speed}, exatamente a velocidade do seu campo, {field-speed}. As suas barras não estão ligadas a nada: só as percorrem as correntes que o campo nelas induz. {convention}</translation>
    </message>
    <message>
        <source>Quel couple le champ exerce-t-il sur le rotor ?</source>
        <translation>Que binário exerce o campo sobre o rotor?</translation>
    </message>
    <message>
        <source>Tournant avec le champ, les barres ne voient aucun flux varier : rien n&apos;y est induit, les conducteurs du rotor restent neutres et le couple est nul. Un moteur livré à lui-même ne peut donc jamais atteindre le synchronisme : il tourne juste en dessous, assez pour que le glissement induise le courant qu&apos;il faut à sa charge.</source>
        <translation>Girando com o campo, as barras não veem nenhum fluxo variar: nada é induzido, os condutores do rotor ficam neutros e o binário é nulo. Entregue a si próprio, um motor nunca pode atingir o sincronismo: gira logo abaixo, o bastante para que o escorregamento induza a corrente de que a sua carga precisa.</translation>
    </message>
    <message>
        <source>dans le panneau Rotor, baissez la fréquence de rotation d&apos;un hertz : les barres se colorent et le couple apparaît.</source>
        <translation>no painel Rotor, baixe a frequência de rotação um hertz: as barras ganham cor e o binário aparece.</translation>
    </message>
    <message>
        <source>Aucun</source>
        <translation>Nenhum</translation>
    </message>
    <message>
        <source>Le couple de démarrage, {start-torque}</source>
        <translation>O binário de arranque, {start-torque}</translation>
    </message>
    <message>
        <source>Le couple maximal, {max-torque}</source>
        <translation>O binário máximo, {max-torque}</translation>
    </message>
    <message>
        <source>Au démarrage le champ balaie les barres à pleine vitesse. Ici il tourne avec elles : que voient-elles changer ?</source>
        <translation>No arranque o campo varre as barras a toda a velocidade. Aqui gira com elas: que mudança veem?</translation>
    </message>
    <message>
        <source>Le couple maximal demande un glissement de {max-torque-slip}. Au synchronisme, le glissement est nul.</source>
        <translation>O binário máximo exige um escorregamento de {max-torque-slip}. No sincronismo o escorregamento é nulo.</translation>
    </message>
    <message>
        <source>Le moteur en charge</source>
        <translation>O motor em carga</translation>
    </message>
    <message>
        <source>Ce moteur à cage démarre à l&apos;arrêt, libre, sous une charge constante de {load-torque}. Son couple de démarrage vaut {start-torque}, son couple maximal {max-torque}. Lancez l&apos;animation après avoir répondu : la courbe couple-vitesse de « Mesures » montre le point de fonctionnement. {convention}</source>
        <translation>Este motor de gaiola arranca parado, livre, com uma carga constante de {load-torque}. O seu binário de arranque vale {start-torque}, o binário máximo {max-torque}. Inicie a animação depois de responder: a curva binário-velocidade de «Medidas» mostra o ponto de funcionamento. {convention}</translation>
    </message>
    <message>
        <source>À quelle vitesse le moteur se stabilise-t-il ?</source>
        <translation>A que velocidade estabiliza o motor?</translation>
    </message>
    <message>
        <source>Tant que son couple dépasse la charge, le rotor accélère ; au-delà du maximum le couple chute vers zéro au synchronisme, et le moteur se stabilise là où il égale la charge : {settled-speed}. Plus de charge, plus de glissement, plus de courant.</source>
        <translation>Enquanto o seu binário excede a carga, o rotor acelera; passado o máximo o binário cai para zero no sincronismo, e o motor estabiliza onde iguala a carga: {settled-speed}. Mais carga, mais escorregamento, mais corrente.</translation>
    </message>
    <message>
        <source>dans « Bobinage », doublez le couple de charge et regardez le point rouge descendre la courbe.</source>
        <translation>em «Enrolamento», duplique o binário de carga e veja o ponto vermelho descer a curva.</translation>
    </message>
    <message>
        <source>À la vitesse du champ, {field-speed}</source>
        <translation>À velocidade do campo, {field-speed}</translation>
    </message>
    <message>
        <source>Un peu en dessous</source>
        <translation>Um pouco abaixo</translation>
    </message>
    <message>
        <source>Là où le couple est maximal</source>
        <translation>Onde o binário é máximo</translation>
    </message>
    <message>
        <source>Il reste à l&apos;arrêt</source>
        <translation>Fica parado</translation>
    </message>
    <message>
        <source>Au synchronisme le couple est nul : il ne pourrait pas porter la charge.</source>
        <translation>No sincronismo o binário é nulo: não poderia suportar a carga.</translation>
    </message>
    <message>
        <source>Le moteur accélère tant que son couple dépasse la charge : il passe le maximum et continue jusqu&apos;à ce que les deux soient égaux.</source>
        <translation>O motor acelera enquanto o seu binário excede a carga: passa o máximo e continua até os dois serem iguais.</translation>
    </message>
    <message>
        <source>Son couple de démarrage dépasse la charge : il démarre.</source>
        <translation>O seu binário de arranque excede a carga: arranca.</translation>
    </message>
    <message>
        <source>La résistance du rotor</source>
        <translation>A resistência do rotor</translation>
    </message>
    <message>
        <source>Ce moteur est celui des autres leçons, mais la résistance de sa cage, R2, a été doublée (des barres plus fines, ou un rotor bobiné avec des résistances en série) ; le reste de son circuit n&apos;a pas changé.</source>
        <translation>Este motor é o das outras lições, mas a resistência da sua gaiola, R2, foi duplicada (barras mais finas, ou um rotor bobinado com resistências em série); o resto do seu circuito não mudou.</translation>
    </message>
    <message>
        <source>À quel glissement son couple est-il maintenant maximal ?</source>
        <translation>Com que escorregamento é agora máximo o seu binário?</translation>
    </message>
    <message>
        <source>Le glissement du couple maximal, R2 / |Zth + jX2|, double avec R2 : {max-torque-slip}. Le couple maximal, lui, ne dépend pas de R2 : {max-torque}. Toute la courbe s&apos;étire vers les grands glissements, et le couple de démarrage monte à {start-torque}.</source>
        <translation>O escorregamento do binário máximo, R2 / |Zth + jX2|, duplica com R2: {max-torque-slip}. O binário máximo não depende de R2: {max-torque}. Toda a curva se estica para os grandes escorregamentos, e o binário de arranque sobe para {start-torque}.</translation>
    </message>
    <message>
        <source>comparez la courbe de « Mesures » à celle du moteur d&apos;origine, dans la leçon « Le moteur en charge ».</source>
        <translation>compare a curva de «Medidas» com a do motor original, na lição «O motor em carga».</translation>
    </message>
    <message>
        <source>Toujours 0,276</source>
        <translation>Continua 0,276</translation>
    </message>
    <message>
        <source>Le double, 0,552</source>
        <translation>O dobro, 0,552</translation>
    </message>
    <message>
        <source>La moitié, 0,138</source>
        <translation>Metade, 0,138</translation>
    </message>
    <message>
        <source>Le glissement du maximum est R2 / |Zth + jX2| : il suit R2.</source>
        <translation>O escorregamento do máximo é R2 / |Zth + jX2|: segue R2.</translation>
    </message>
    <message>
        <source>Le courant de démarrage</source>
        <translation>A corrente de arranque</translation>
    </message>
    <message>
        <source>Ce moteur à cage est à l&apos;arrêt, branché sur le réseau. En charge, à quelques pour cent de glissement, une phase de son stator absorbe environ 5 A ; à vide, un peu plus de 2 A, le courant qui aimante la machine.</source>
        <translation>Este motor de gaiola está parado, ligado à rede. Em carga, com alguns por cento de escorregamento, uma fase do estator absorve cerca de 5 A; em vazio pouco mais de 2 A, a corrente que magnetiza a máquina.</translation>
    </message>
    <message>
        <source>Quel courant une phase du stator absorbe-t-elle au démarrage ?</source>
        <translation>Que corrente absorve uma fase do estator no arranque?</translation>
    </message>
    <message>
        <source>À l&apos;arrêt, le champ balaie le rotor à pleine vitesse : la résistance du rotor vue du stator, R2/g, est à son plus bas, et seules les impédances des enroulements limitent le courant, {stator-current}, six fois le courant en charge, pour un couple de {start-torque} seulement. D&apos;où les démarreurs étoile-triangle et les variateurs.</source>
        <translation>Parado, o campo varre o rotor a toda a velocidade: a resistência do rotor vista do estator, R2/g, é mínima, e só as impedâncias dos enrolamentos limitam a corrente, {stator-current}, seis vezes a corrente em carga, para um binário de apenas {start-torque}. Daí os arrancadores estrela-triângulo e os variadores.</translation>
    </message>
    <message>
        <source>ouvrez « Mesures », cochez « Rotor libre » dans « Bobinage » et lancez l&apos;animation : le courant tombe à mesure que le moteur prend sa vitesse.</source>
        <translation>abra «Medidas», assinale «Rotor livre» em «Enrolamento» e inicie a animação: a corrente cai à medida que o motor ganha velocidade.</translation>
    </message>
    <message>
        <source>2,5 A, comme à vide</source>
        <translation>2,5 A, como em vazio</translation>
    </message>
    <message>
        <source>5,5 A, comme en charge</source>
        <translation>5,5 A, como em carga</translation>
    </message>
    <message>
        <source>Environ 32 A</source>
        <translation>Cerca de 32 A</translation>
    </message>
    <message>
        <source>À vide le rotor ne porte rien. À l&apos;arrêt le champ le balaie à pleine vitesse : ses courants sont les plus forts.</source>
        <translation>Em vazio o rotor não leva nada. Parado, o campo varre-o a toda a velocidade: as suas correntes são as maiores.</translation>
    </message>
    <message>
        <source>En charge le glissement n&apos;est que de quelques pour cent. À l&apos;arrêt il vaut 1 : seules les réactances limitent le courant.</source>
        <translation>Em carga o escorregamento é só de alguns por cento. Parado vale 1: só as reatâncias limitam a corrente.</translation>
    </message>
    <message>
        <source>Au-dessus du synchronisme</source>
        <translation>Acima do sincronismo</translation>
    </message>
    <message>
        <source>Une éolienne entraîne ce moteur à cage à {rotor-speed}, plus vite que son champ, qui tourne {field-sense} à {field-speed}. Le stator reste branché sur le réseau. {convention}</source>
        <translation>Uma turbina eólica aciona este motor de gaiola a {rotor-speed}, mais depressa do que o seu campo, que gira {field-sense} a {field-speed}. O estator continua ligado à rede. {convention}</translation>
    </message>
    <message>
        <source>Comment la machine fonctionne-t-elle ?</source>
        <translation>Como funciona a máquina?</translation>
    </message>
    <message>
        <source>Le rotor dépasse le champ : le glissement est négatif, {slip}, les courants induits s&apos;inversent, et le couple, {cage-torque}, retient le rotor. L&apos;éolienne fournit de la puissance mécanique que la machine renvoie au réseau : une génératrice asynchrone.</source>
        <translation>O rotor ultrapassa o campo: o escorregamento é negativo, {slip}, as correntes induzidas invertem-se, e o binário, {cage-torque}, retém o rotor. A turbina fornece potência mecânica que a máquina devolve à rede: um gerador assíncrono.</translation>
    </message>
    <message>
        <source>ouvrez « Mesures » : les puissances absorbée et mécanique sont négatives, et le point rouge est à droite du synchronisme.</source>
        <translation>abra «Medidas»: as potências absorvida e mecânica são negativas, e o ponto vermelho está à direita do sincronismo.</translation>
    </message>
    <message>
        <source>En moteur : elle entraîne l&apos;éolienne</source>
        <translation>Como motor: aciona a turbina</translation>
    </message>
    <message>
        <source>En génératrice : elle renvoie de l&apos;énergie au réseau</source>
        <translation>Como gerador: devolve energia à rede</translation>
    </message>
    <message>
        <source>En frein : elle s&apos;oppose à l&apos;éolienne et chauffe</source>
        <translation>Como travão: opõe-se à turbina e aquece</translation>
    </message>
    <message>
        <source>Un moteur tourne moins vite que son champ. Ici le rotor le dépasse : le glissement est négatif.</source>
        <translation>Um motor gira mais devagar do que o seu campo. Aqui o rotor ultrapassa-o: o escorregamento é negativo.</translation>
    </message>
    <message>
        <source>Le freinage à contre-courant demande un rotor tournant contre le champ. Ici il tourne avec lui, plus vite.</source>
        <translation>A travagem em contracorrente exige um rotor a girar contra o campo. Aqui gira com ele, mais depressa.</translation>
    </message>
    <message>
        <source>Le freinage à contre-courant</source>
        <translation>A travagem em contracorrente</translation>
    </message>
    <message>
        <source>Ce moteur tournait à {rotor-speed} quand on a inversé deux fils de ligne : son champ tourne désormais {field-sense} à {field-speed}, contre le rotor, qui tourne {rotor-sense}. {convention}</source>
        <translation>Este motor girava a {rotor-speed} quando se trocaram dois fios de linha: o seu campo gira agora {field-sense} a {field-speed}, contra o rotor, que gira {rotor-sense}. {convention}</translation>
    </message>
    <message>
        <source>Contre le champ, le glissement dépasse 1, {slip} : le couple, {cage-torque} dans le sens du champ, freine le rotor, qui rend son énergie cinétique pendant que le réseau en fournit aussi. Tout part en chaleur dans la cage, avec un fort courant. On coupe l&apos;alimentation à l&apos;arrêt, sinon le moteur repart dans l&apos;autre sens.</source>
        <translation>Contra o campo o escorregamento ultrapassa 1, {slip}: o binário, {cage-torque} no sentido do campo, trava o rotor, que cede a sua energia cinética enquanto a rede também fornece energia. Tudo se converte em calor na gaiola, com uma forte corrente. Corta-se a alimentação na paragem, senão o motor volta a arrancar no outro sentido.</translation>
    </message>
    <message>
        <source>regardez dans « Mesures » le point rouge, à gauche de l&apos;arrêt sur la courbe couple-vitesse.</source>
        <translation>observe em «Medidas» o ponto vermelho, à esquerda da paragem na curva binário-velocidade.</translation>
    </message>
    <message>
        <source>En moteur : elle continue d&apos;entraîner le rotor</source>
        <translation>Como motor: continua a acionar o rotor</translation>
    </message>
    <message>
        <source>En génératrice : elle renvoie l&apos;énergie du rotor au réseau</source>
        <translation>Como gerador: devolve a energia do rotor à rede</translation>
    </message>
    <message>
        <source>En frein : elle arrête le rotor et absorbe de l&apos;énergie des deux côtés</source>
        <translation>Como travão: para o rotor e absorve energia dos dois lados</translation>
    </message>
    <message>
        <source>Le champ tourne désormais contre le rotor : son couple le retient.</source>
        <translation>O campo gira agora contra o rotor: o seu binário retém-no.</translation>
    </message>
    <message>
        <source>Une génératrice tourne avec son champ, plus vite que lui. Ici le rotor tourne contre le champ : le réseau fournit de l&apos;énergie en plus.</source>
        <translation>Um gerador gira com o seu campo, mais depressa do que ele. Aqui o rotor gira contra o campo: a rede fornece energia a mais.</translation>
    </message>
    <message>
        <source>Pour l&apos;enseignant</source>
        <translation>Para o professor</translation>
    </message>
    <message>
        <source>Leçon %1 sur %2</source>
        <translation>Lição %1 de %2</translation>
    </message>
    <message>
        <source>Terminer</source>
        <translation>Terminar</translation>
    </message>
    <message>
        <source>Leçon suivante</source>
        <translation>Lição seguinte</translation>
    </message>
    <message>
        <source>Réponse attendue : %1</source>
        <translation>Resposta esperada: %1</translation>
    </message>
    <message>
        <source>Certains voient un champ qui tourne parce que sa valeur change : faites observer que la flèche garde sa direction et ne fait que s&apos;allonger, se raccourcir et s&apos;inverser. Demandez ensuite ce qu&apos;il faut ajouter pour qu&apos;il tourne.</source>
        <translation>Alguns veem um campo que roda porque o seu valor muda: faça notar que a seta mantém a direção e apenas cresce, encolhe e se inverte. Pergunte depois o que é preciso acrescentar para que rode.</translation>
    </message>
    <message>
        <source>L&apos;erreur la plus fréquente : lire les angles comme des retards, et donc prédire le sens opposé. Faites dire quelle phase culmine juste après la phase 1, puis demandez ce que devient le champ si l&apos;on échange deux fils.</source>
        <translation>O erro mais frequente: ler os ângulos como atrasos e, por isso, prever o sentido oposto. Peça que digam que fase atinge o máximo logo depois da fase 1 e pergunte depois o que acontece ao campo se se trocarem dois fios.</translation>
    </message>
    <message>
        <source>Deux erreurs habituelles : donner le rapport des vitesses du rotor et du champ au lieu de leur écart relatif, ou se tromper d&apos;un facteur dix en passant aux pour-cent. Demandez ensuite ce que vaut le glissement rotor bloqué, puis au synchronisme.</source>
        <translation>Dois erros habituais: dar a razão entre as velocidades do rotor e do campo em vez da sua diferença relativa, ou errar por um fator de dez ao passar para percentagem. Pergunte depois quanto vale o escorregamento com o rotor bloqueado e em sincronismo.</translation>
    </message>
    <message>
        <source>L&apos;idée fausse : un rotor qui suit son champ serait entraîné par lui. Au synchronisme les barres ne voient aucun flux varier : pas de courant induit, donc pas de couple. Demandez pourquoi un moteur à vide tourne un peu moins vite que son champ.</source>
        <translation>A ideia errada: um rotor que acompanha o seu campo seria arrastado por ele. Em sincronismo as barras não veem nenhum fluxo variar: não há corrente induzida, logo não há binário. Pergunte porque é que um motor em vazio roda um pouco mais devagar do que o seu campo.</translation>
    </message>
</context>
<context>
    <name>LessonMenu</name>
    <message>
        <source>&amp;Leçons</source>
        <translation>&amp;Lições</translation>
    </message>
    <message>
        <source>Ouvrir une leçon...</source>
        <translation>Abrir uma lição...</translation>
    </message>
    <message>
        <source>Ouvrir une leçon</source>
        <translation>Abrir uma lição</translation>
    </message>
    <message>
        <source>Leçons Vireflu (*.json)</source>
        <translation>Lições do Vireflu (*.json)</translation>
    </message>
    <message>
        <source>La leçon %1 n&apos;a pas pu être lue : %2.</source>
        <translation>Não foi possível ler a lição %1: %2.</translation>
    </message>
    <message>
        <source>%1 n&apos;a pas été ouvert.</source>
        <translation>%1 não foi aberto.</translation>
    </message>
    <message>
        <source>Ouvrir un parcours...</source>
        <translation>Abrir um percurso...</translation>
    </message>
    <message>
        <source>Composer un parcours...</source>
        <translation>Compor um percurso...</translation>
    </message>
    <message>
        <source>Mes réponses</source>
        <translation>As minhas respostas</translation>
    </message>
    <message>
        <source>Exporter pour une plateforme (SCORM)...</source>
        <translation>Exportar para uma plataforma (SCORM)...</translation>
    </message>
    <message>
        <source>Vue enseignant</source>
        <translation>Vista do professor</translation>
    </message>
</context>
<context>
    <name>Measures</name>
    <message>
        <source>Fréquence</source>
        <translation>Frequência</translation>
    </message>
    <message>
        <source>Fréquence f des courants du stator.</source>
        <translation>Frequência f das correntes do estator.</translation>
    </message>
    <message>
        <source>Sens du champ</source>
        <translation>Sentido do campo</translation>
    </message>
    <message>
        <source>Sens de rotation du champ du stator, celui de sa plus grande composante ; pulsant quand les deux sont égales. Vitesses et glissements sont positifs dans le sens trigonométrique, celui où tourne le rotor pour une fréquence de rotation positive, et négatifs dans le sens horaire.</source>
        <translation>Sentido de rotação do campo do estator, o de sua maior componente; pulsante quando as duas são iguais. Velocidades e escorregamentos são positivos no sentido anti-horário, aquele em que o rotor gira para uma frequência de rotação positiva, e negativos no sentido horário.</translation>
    </message>
    <message>
        <source>Vitesse de synchronisme</source>
        <translation>Velocidade síncrona</translation>
    </message>
    <message>
        <source>Vitesse du champ tournant : 60 f pour une paire de pôles, positive dans le sens trigonométrique, négative dans le sens horaire.</source>
        <translation>Velocidade do campo girante: 60 f para um par de polos, positiva no sentido anti-horário, negativa no sentido horário.</translation>
    </message>
    <message>
        <source>Vitesse du rotor</source>
        <translation>Velocidade do rotor</translation>
    </message>
    <message>
        <source>60 fois la fréquence de rotation du rotor, positive dans le sens trigonométrique.</source>
        <translation>60 vezes a frequência de rotação do rotor, positiva no sentido anti-horário.</translation>
    </message>
    <message>
        <source>Glissement</source>
        <translation>Escorregamento</translation>
    </message>
    <message>
        <source>g = (ns - n) / ns avec les vitesses signées : 0 au synchronisme, 1 à l&apos;arrêt, plus de 1 quand le rotor tourne contre le champ (freinage). Champ pulsant : g+ et g− contre ses deux moitiés.</source>
        <translation>g = (ns - n) / ns com as velocidades com sinal: 0 na velocidade síncrona, 1 com o rotor parado, mais de 1 quando o rotor gira contra o campo (frenagem). Campo pulsante: g+ e g− em relação às suas duas metades.</translation>
    </message>
    <message>
        <source>Fréquence rotorique</source>
        <translation>Frequência do rotor</translation>
    </message>
    <message>
        <source>Fréquence |g| f des courants induits dans le rotor, pour chaque moitié d&apos;un champ pulsant.</source>
        <translation>Frequência |g| f das correntes induzidas no rotor, para cada metade de um campo pulsante.</translation>
    </message>
    <message>
        <source>Couple</source>
        <translation>Torque</translation>
    </message>
    <message>
        <source>Champ résultant</source>
        <translation>Campo resultante</translation>
    </message>
    <message>
        <source>Longueur du vecteur champ rapportée à celle d&apos;un champ triphasé équilibré.</source>
        <translation>Comprimento do vetor campo em relação ao de um campo trifásico equilibrado.</translation>
    </message>
    <message>
        <source>Angle du champ</source>
        <translation>Ângulo do campo</translation>
    </message>
    <message>
        <source>Direction du vecteur champ, comptée dans le sens trigonométrique.</source>
        <translation>Direção do vetor campo, contada no sentido anti-horário.</translation>
    </message>
    <message>
        <source>Stator direct</source>
        <translation>Estator direto</translation>
    </message>
    <message>
        <source>Stator inverse</source>
        <translation>Estator inverso</translation>
    </message>
    <message>
        <source>Rotor direct</source>
        <translation>Rotor direto</translation>
    </message>
    <message>
        <source>Rotor inverse</source>
        <translation>Rotor inverso</translation>
    </message>
    <message>
        <source>Harmoniques</source>
        <translation>Harmônicas</translation>
    </message>
    <message>
        <source>Courant rectangulaire : harmoniques rapportés au fondamental, tournant avec ou contre le champ.</source>
        <translation>Corrente retangular: harmônicas em relação à fundamental, girando com ou contra o campo.</translation>
    </message>
    <message>
        <source>Taux de distorsion</source>
        <translation>Taxa de distorção</translation>
    </message>
    <message>
        <source>Distorsion harmonique totale du courant rectangulaire.</source>
        <translation>Distorção harmônica total da corrente retangular.</translation>
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
        <translation>com</translation>
    </message>
    <message>
        <source>contre</source>
        <translation>contra</translation>
    </message>
    <message>
        <source>sens trigonométrique</source>
        <translation>sentido anti-horário</translation>
    </message>
    <message>
        <source>sens horaire</source>
        <translation>sentido horário</translation>
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
        <translation>Indicador de torque entre os campos do estator e do rotor (sem unidade), positivo quando impulsiona o rotor no sentido anti-horário. A barra de torque sobe para um torque no sentido horário.</translation>
    </message>
    <message>
        <source>Composante directe : le champ de la séquence dont les phases culminent dans l&apos;ordre 1, 2, 3 (angles 0/240/120, qui sont des avances). Elle tourne dans le sens trigonométrique.</source>
        <translation>Componente direta: o campo da sequência cujas fases atingem o máximo na ordem 1, 2, 3 (ângulos 0/240/120, que são avanços). Ela gira no sentido anti-horário.</translation>
    </message>
    <message>
        <source>Composante inverse : le champ de la séquence 1, 3, 2 (angles 0/120/240). Elle tourne dans le sens horaire.</source>
        <translation>Componente inversa: o campo da sequência 1, 3, 2 (ângulos 0/120/240). Ela gira no sentido horário.</translation>
    </message>
    <message>
        <source>Composante directe du champ du rotor, tournant par rapport au rotor dans le sens trigonométrique.</source>
        <translation>Componente direta do campo do rotor, girando em relação ao rotor no sentido anti-horário.</translation>
    </message>
    <message>
        <source>Composante inverse du champ du rotor, tournant par rapport au rotor dans le sens horaire.</source>
        <translation>Componente inversa do campo do rotor, girando em relação ao rotor no sentido horário.</translation>
    </message>
    <message>
        <source>Vitesse des harmoniques</source>
        <translation>Velocidade das harmônicas</translation>
    </message>
    <message>
        <source>Vitesse signée du champ de chaque harmonique : l&apos;harmonique n alterne n fois plus vite que le fondamental, son champ tourne n fois plus vite, avec lui pour 7 et 13, contre lui pour 5 et 11.</source>
        <translation>Velocidade com sinal do campo de cada harmônica: a harmônica de ordem n alterna n vezes mais rápido que a fundamental, e seu campo gira n vezes mais rápido, com ela para a 7ª e a 13ª, contra ela para a 5ª e a 11ª.</translation>
    </message>
    <message>
        <source>après votre réponse</source>
        <translation>após a sua resposta</translation>
    </message>
    <message>
        <source>Mesures</source>
        <translation>Medidas</translation>
    </message>
    <message>
        <source>Force magnétomotrice le long de l&apos;entrefer, de 0 à 360°.</source>
        <translation>Força magnetomotriz ao longo do entreferro, de 0 a 360°.</translation>
    </message>
    <message>
        <source>Deux champs tournants</source>
        <translation>Dois campos girantes</translation>
    </message>
    <message>
        <source>Dessine les champs direct (bleu) et inverse (orange) dans la coupe.</source>
        <translation>Desenha os campos direto (azul) e inverso (laranja) no corte.</translation>
    </message>
    <message>
        <source>Facteur de distribution</source>
        <translation>Fator de distribuição</translation>
    </message>
    <message>
        <source>k_d = sin(n q a / 2) / (q sin(n a / 2)) pour l&apos;harmonique d&apos;espace n, a = 180° / 3q étant l&apos;angle électrique entre deux encoches.</source>
        <translation>k_d = sin(n q a / 2) / (q sin(n a / 2)) para a harmónica espacial n, sendo a = 180° / 3q o ângulo elétrico entre duas ranhuras.</translation>
    </message>
    <message>
        <source>Facteur de raccourcissement</source>
        <translation>Fator de passo</translation>
    </message>
    <message>
        <source>k_p = sin(n (W / 3q) 90°) pour des bobines de W encoches ; 1 au pas diamétral W = 3q.</source>
        <translation>k_p = sin(n (W / 3q) 90°) para bobinas de W ranhuras; 1 no passo diametral W = 3q.</translation>
    </message>
    <message>
        <source>Facteur de bobinage</source>
        <translation>Fator de enrolamento</translation>
    </message>
    <message>
        <source>k_w = k_d k_p, harmonique par harmonique.</source>
        <translation>k_w = k_d k_p, harmónica a harmónica.</translation>
    </message>
    <message>
        <source>Harmoniques d&apos;espace</source>
        <translation>Harmónicas espaciais</translation>
    </message>
    <message>
        <source>Harmoniques de la f.m.m. en escalier de l&apos;entrefer, mesurés sur elle, rapportés au fondamental : |k_wn| / (n |k_w1|) en théorie.</source>
        <translation>Harmónicas da f.m.m. em escada do entreferro, medidas sobre ela, relativas à fundamental: |k_wn| / (n |k_w1|) em teoria.</translation>
    </message>
    <message>
        <source>Vitesse des harmoniques d&apos;espace</source>
        <translation>Velocidade das harmónicas espaciais</translation>
    </message>
    <message>
        <source>Vitesse signée du champ de l&apos;harmonique d&apos;espace n : ns / n, avec le fondamental pour 7 et 13, contre lui pour 5 et 11.</source>
        <translation>Velocidade com sinal do campo da harmónica espacial n: ns / n, com a fundamental para 7 e 13, contra ela para 5 e 11.</translation>
    </message>
    <message>
        <source>Couple du moteur</source>
        <translation>Binário do motor</translation>
    </message>
    <message>
        <source>Couple du rotor à cage, 3 I2² R2 / (g ωs), compté dans le sens du champ : positif en moteur et en freinage, négatif en génératrice.</source>
        <translation>Binário do rotor em gaiola, 3 I2² R2 / (g ωs), contado no sentido do campo: positivo como motor e a travar, negativo como gerador.</translation>
    </message>
    <message>
        <source>Courant statorique</source>
        <translation>Corrente do estator</translation>
    </message>
    <message>
        <source>Courant I1 d&apos;une phase du stator, couplage étoile.</source>
        <translation>Corrente I1 de uma fase do estator, ligação em estrela.</translation>
    </message>
    <message>
        <source>Courant rotorique</source>
        <translation>Corrente do rotor</translation>
    </message>
    <message>
        <source>Courant I2 du rotor ramené au stator, nul au synchronisme.</source>
        <translation>Corrente I2 do rotor referida ao estator, nula no sincronismo.</translation>
    </message>
    <message>
        <source>Facteur de puissance</source>
        <translation>Fator de potência</translation>
    </message>
    <message>
        <source>cos φ entre la tension et le courant d&apos;une phase du stator.</source>
        <translation>cos φ entre a tensão e a corrente de uma fase do estator.</translation>
    </message>
    <message>
        <source>Puissance absorbée</source>
        <translation>Potência absorvida</translation>
    </message>
    <message>
        <source>3 V I1 cos φ, négative quand la machine rend de l&apos;énergie.</source>
        <translation>3 V I1 cos φ, negativa quando a máquina devolve energia.</translation>
    </message>
    <message>
        <source>Puissance mécanique</source>
        <translation>Potência mecânica</translation>
    </message>
    <message>
        <source>Couple fois vitesse du rotor : positive seulement quand la machine entraîne sa charge.</source>
        <translation>Binário vezes velocidade do rotor: positiva só quando a máquina aciona a sua carga.</translation>
    </message>
    <message>
        <source>Glissement du couple maximal</source>
        <translation>Escorregamento do binário máximo</translation>
    </message>
    <message>
        <source>R2 / |Zth + jX2|, du schéma de Thévenin exact du stator.</source>
        <translation>R2 / |Zth + jX2|, do equivalente de Thévenin exato do estator.</translation>
    </message>
    <message>
        <source>Couple maximal</source>
        <translation>Binário máximo</translation>
    </message>
    <message>
        <source>Le plus grand couple en moteur, qui ne dépend pas de R2.</source>
        <translation>O maior binário como motor, que não depende de R2.</translation>
    </message>
    <message>
        <source>Couple de démarrage</source>
        <translation>Binário de arranque</translation>
    </message>
    <message>
        <source>Le couple à l&apos;arrêt, g = 1.</source>
        <translation>O binário com o rotor parado, g = 1.</translation>
    </message>
    <message>
        <source>Couple du rotor à cage selon sa vitesse, de -ns (freinage) à 2 ns (génératrice) ; en rouge, le point de fonctionnement, en orange la charge d&apos;un rotor libre.</source>
        <translation>Binário do rotor em gaiola em função da velocidade, de -ns (travagem) a 2 ns (gerador); a vermelho, o ponto de funcionamento, a laranja a carga de um rotor livre.</translation>
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
        <translation>&amp;Salvar...</translation>
    </message>
    <message>
        <source>Copier le &amp;lien</source>
        <translation>Copiar o &amp;link</translation>
    </message>
    <message>
        <source>E&amp;xporter l&apos;animation...</source>
        <translation>E&amp;xportar a animação...</translation>
    </message>
    <message>
        <source>&amp;Quitter</source>
        <translation>Sa&amp;ir</translation>
    </message>
    <message>
        <source>Entrefer:couleur</source>
        <translation>Entreferro: cor</translation>
    </message>
    <message>
        <source>Vecteur</source>
        <translation>Vetor</translation>
    </message>
    <message>
        <source>Trace</source>
        <translation>Trajetória</translation>
    </message>
    <message>
        <source>Forces magnéto-motrices</source>
        <translation>Forças magnetomotrizes</translation>
    </message>
    <message>
        <source>Couple</source>
        <translation>Torque</translation>
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
        <translation>Azul Preto Vermelho</translation>
    </message>
    <message>
        <source>Vert NoirRouge</source>
        <translation>Verde Preto Vermelho</translation>
    </message>
    <message>
        <source>CAO</source>
        <translation>CAD</translation>
    </message>
    <message>
        <source>Bleu Blanc Orange</source>
        <translation>Azul Branco Laranja</translation>
    </message>
    <message>
        <source>Projection</source>
        <translation>Projetor</translation>
    </message>
    <message>
        <source>&amp;A propos de Vireflu...</source>
        <translation>&amp;Sobre o Vireflu...</translation>
    </message>
    <message>
        <source>&amp;Général</source>
        <translation>&amp;Geral</translation>
    </message>
    <message>
        <source>&amp;Représentation</source>
        <translation>&amp;Representação</translation>
    </message>
    <message>
        <source>&amp;Vue</source>
        <translation>&amp;Exibir</translation>
    </message>
    <message>
        <source>&amp;Couleur</source>
        <translation>&amp;Cor</translation>
    </message>
    <message>
        <source>&amp;?</source>
        <translation>Aj&amp;uda</translation>
    </message>
    <message>
        <source>&amp;Langue</source>
        <translation>&amp;Idioma</translation>
    </message>
    <message>
        <source>Annotations</source>
        <translation>Anotações</translation>
    </message>
    <message>
        <source>Raccourcis &amp;clavier</source>
        <translation>Atalhos de &amp;teclado</translation>
    </message>
    <message>
        <source>Conventions de &amp;signe</source>
        <translation>&amp;Convenções de sinal</translation>
    </message>
    <message>
        <source>&amp;Annuler</source>
        <translation>&amp;Desfazer</translation>
    </message>
    <message>
        <source>&amp;Rétablir</source>
        <translation>&amp;Refazer</translation>
    </message>
    <message>
        <source>Tout réi&amp;nitialiser</source>
        <translation>Repor &amp;tudo</translation>
    </message>
    <message>
        <source>É&amp;dition</source>
        <translation>E&amp;ditar</translation>
    </message>
    <message>
        <source>Enregistrer &amp;sous...</source>
        <translation>Salvar &amp;como...</translation>
    </message>
    <message>
        <source>Lé&amp;gende</source>
        <translation>Le&amp;genda</translation>
    </message>
    <message>
        <source>&amp;Bobinage</source>
        <translation>&amp;Enrolamento</translation>
    </message>
</context>
<context>
    <name>Page</name>
    <message>
        <source>Fermer</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <source>Lien copié</source>
        <translation>Link copiado</translation>
    </message>
    <message>
        <source>Coupe de la machine</source>
        <translation>Seção da máquina</translation>
    </message>
    <message>
        <source>Menus</source>
        <translation>Menus</translation>
    </message>
    <message>
        <source>L&apos;animation n&apos;a pas pu être enregistrée.</source>
        <translation>Não foi possível salvar a animação.</translation>
    </message>
    <message>
        <source>Il n&apos;y a pas de leçon « %1 ».</source>
        <translation>Não existe a lição “%1”.</translation>
    </message>
</context>
<context>
    <name>Panel</name>
    <message>
        <source>fréquence stator: %1 Hz</source>
        <translation>frequência do estator: %1 Hz</translation>
    </message>
    <message>
        <source>fréquence rotor: %1 Hz</source>
        <translation>frequência do rotor: %1 Hz</translation>
    </message>
    <message>
        <source>fréquence de rotation: %1 Hz</source>
        <translation>frequência de rotação: %1 Hz</translation>
    </message>
    <message>
        <source>position initiale: %1 degré</source>
        <translation>posição inicial: %1 graus</translation>
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
        <translation>contínua</translation>
    </message>
    <message>
        <source>rectangulaire</source>
        <translation>retangular</translation>
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
        <translation>Ângulo limitado a 360°</translation>
    </message>
    <message>
        <source>angle de la phase %1</source>
        <translation>ângulo da fase %1</translation>
    </message>
    <message>
        <source>flèches, Page préc. et Page suiv. pour régler</source>
        <translation>setas, Page Up e Page Down para ajustar</translation>
    </message>
    <message>
        <source>degrés, de 0 à 360</source>
        <translation>graus, de 0 a 360</translation>
    </message>
    <message>
        <source>courbe de la phase %1</source>
        <translation>curva da fase %1</translation>
    </message>
    <message>
        <source>le courant de la phase sur une période, le trait vertical marquant l&apos;instant</source>
        <translation>a corrente da fase ao longo de um período, com a linha vertical marcando o instante</translation>
    </message>
    <message>
        <source>fréquence</source>
        <translation>frequência</translation>
    </message>
    <message>
        <source>fréquence de rotation</source>
        <translation>frequência de rotação</translation>
    </message>
    <message>
        <source>position initiale</source>
        <translation>posição inicial</translation>
    </message>
    <message>
        <source>augmenter l&apos;angle de la phase %1</source>
        <translation>aumentar o ângulo da fase %1</translation>
    </message>
    <message>
        <source>diminuer l&apos;angle de la phase %1</source>
        <translation>diminuir o ângulo da fase %1</translation>
    </message>
    <message>
        <source>Le courant de la phase vaut sin(ωt + angle) : l&apos;angle est une avance. Dans la séquence directe, 0/240/120, les phases culminent dans l&apos;ordre 1, 2, 3 et le champ tourne dans le sens antihoraire.</source>
        <translation>A corrente da fase vale sin(ωt + ângulo): o ângulo é um avanço. Na sequência direta, 0/240/120, as fases atingem o máximo na ordem 1, 2, 3 e o campo gira no sentido anti-horário.</translation>
    </message>
</context>
<context>
    <name>Setup</name>
    <message>
        <source>Ce lien ne contient pas de réglage Vireflu lisible.</source>
        <translation>Este link não contém nenhuma configuração legível do Vireflu.</translation>
    </message>
    <message>
        <source>Ce réglage a été fait par une version plus récente de Vireflu (format %2) : mettez Vireflu à jour pour l&apos;ouvrir.</source>
        <translation>Esta configuração foi feita por uma versão mais recente do Vireflu (formato %2): atualize o Vireflu para abri-la.</translation>
    </message>
    <message>
        <source>La clé « %1 » est inconnue de cette version de Vireflu.</source>
        <translation>A chave “%1” é desconhecida por esta versão do Vireflu.</translation>
    </message>
    <message>
        <source>La clé « %1 » accepte %3.</source>
        <translation>A chave “%1” aceita %3.</translation>
    </message>
    <message>
        <source>La clé « %1 » donne une forme d&apos;onde que le panneau n&apos;offre pas avec ce nombre de phases.</source>
        <translation>A chave “%1” dá uma forma de onda que o painel não oferece com este número de fases.</translation>
    </message>
    <message>
        <source>La clé « %1 » manque.</source>
        <translation>Falta a chave “%1”.</translation>
    </message>
    <message>
        <source>Le simulateur ne peut pas répondre à la question de cette leçon : son réglage ne donne aucune valeur à « %2 ».</source>
        <translation>O simulador não consegue responder à pergunta desta lição: a sua configuração não dá nenhum valor a «%2».</translation>
    </message>
    <message>
        <source>Exactement un des choix de cette leçon doit être juste ; avec son réglage, le simulateur trouve %2.</source>
        <translation>Exatamente uma das opções desta lição tem de estar certa; com a sua configuração, o simulador obtém %2.</translation>
    </message>
    <message>
        <source>Détail : le texte n&apos;est pas du JSON lisible (arrêt à l&apos;octet %2).</source>
        <translation>Detalhe: o texto não é JSON legível (parada no byte %2).</translation>
    </message>
    <message>
        <source>Détail : le document n&apos;est pas un objet JSON.</source>
        <translation>Detalhe: o documento não é um objeto JSON.</translation>
    </message>
    <message>
        <source>Détail : il dépasse 64 Kio.</source>
        <translation>Detalhe: ultrapassa 64 KiB.</translation>
    </message>
    <message>
        <source>Détail : la clé « %1 » (la version du format) manque.</source>
        <translation>Detalhe: falta a chave «%1» (a versão do formato).</translation>
    </message>
    <message>
        <source>Ce lien ne contient pas de montage Vireflu.</source>
        <translation>Este link não contém nenhuma montagem do Vireflu.</translation>
    </message>
    <message>
        <source>Ce fichier n&apos;est pas une leçon Vireflu.</source>
        <translation>Este arquivo não é uma lição do Vireflu.</translation>
    </message>
    <message>
        <source>Ce fichier n&apos;est pas un montage Vireflu.</source>
        <translation>Este arquivo não é uma montagem do Vireflu.</translation>
    </message>
    <message>
        <source>Cette leçon ne peut pas être ouverte.</source>
        <translation>Esta lição não pode ser aberta.</translation>
    </message>
    <message>
        <source>Ce montage ne peut pas être ouvert.</source>
        <translation>Esta montagem não pode ser aberta.</translation>
    </message>
    <message>
        <source>Ce fichier n&apos;est pas un parcours Vireflu.</source>
        <translation>Este ficheiro não é um percurso do Vireflu.</translation>
    </message>
    <message>
        <source>Ce lien ne contient pas de parcours Vireflu.</source>
        <translation>Esta ligação não contém nenhum percurso do Vireflu.</translation>
    </message>
    <message>
        <source>Ce journal n&apos;est pas un journal de réponses Vireflu.</source>
        <translation>Este registo não é um registo de respostas do Vireflu.</translation>
    </message>
    <message>
        <source>Ce parcours ne peut pas être ouvert.</source>
        <translation>Este percurso não pode ser aberto.</translation>
    </message>
    <message>
        <source>Ce journal de réponses ne peut pas être lu.</source>
        <translation>Este registo de respostas não pode ser lido.</translation>
    </message>
</context>
<context>
    <name>Shortcuts</name>
    <message>
        <source>Espace : lancer ou arrêter l&apos;animation</source>
        <translation>Espaço: iniciar ou parar a animação</translation>
    </message>
    <message>
        <source>Origine : initialisation, l&apos;horloge à zéro</source>
        <translation>Home: inicializar, com o relógio em zero</translation>
    </message>
    <message>
        <source>F11 : plein écran</source>
        <translation>F11: tela cheia</translation>
    </message>
    <message>
        <source>Ctrl+O, Ctrl+S : ouvrir, enregistrer un réglage</source>
        <translation>Ctrl+O, Ctrl+S: abrir, salvar uma configuração</translation>
    </message>
    <message>
        <source>Ctrl+Q : quitter</source>
        <translation>Ctrl+Q: sair</translation>
    </message>
    <message>
        <source>Alt + lettre soulignée : menus et boutons</source>
        <translation>Alt + letra sublinhada: menus e botões</translation>
    </message>
    <message>
        <source>Tab, flèches, Entrée, Échap : dans les panneaux</source>
        <translation>Tab, setas, Enter, Esc: nos painéis</translation>
    </message>
    <message>
        <source>Espace et Origine agissent dans chaque fenêtre, sauf dans un champ en cours de saisie</source>
        <translation>Espaço e Home funcionam em todas as janelas, exceto em um campo em edição</translation>
    </message>
    <message>
        <source>Raccourcis clavier</source>
        <translation>Atalhos de teclado</translation>
    </message>
    <message>
        <source>Ctrl+Z, Ctrl+Maj+Z : annuler, rétablir</source>
        <translation>Ctrl+Z, Ctrl+Shift+Z: desfazer, refazer</translation>
    </message>
    <message>
        <source>Ctrl+Maj+S : enregistrer sous un autre nom</source>
        <translation>Ctrl+Shift+S: salvar com outro nome</translation>
    </message>
</context>
<context>
    <name>View</name>
    <message>
        <source>Coupe de la machine</source>
        <translation>Corte da máquina</translation>
    </message>
</context>
<context>
    <name>Welcome</name>
    <message>
        <source>Bienvenue</source>
        <translation>Bem-vindo</translation>
    </message>
    <message>
        <source>Vireflu anime le champ magnétique d&apos;une machine triphasée. Par où commencer ?</source>
        <translation>O Vireflu anima o campo magnético de uma máquina trifásica. Por onde começar?</translation>
    </message>
    <message>
        <source>Commencer par une leçon</source>
        <translation>Começar com uma lição</translation>
    </message>
    <message>
        <source>Ouvrir un montage</source>
        <translation>Abrir uma montagem</translation>
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
        <translation>p: o campo tem 2p polos e gira a 60 f / p rpm.</translation>
    </message>
    <message>
        <source>Encoches par pôle et par phase</source>
        <translation>Ranhuras por polo e por fase</translation>
    </message>
    <message>
        <source>q : chaque phase occupe q encoches voisines sous chaque pôle ; le stator en a 6pq.</source>
        <translation>q: cada fase ocupa q ranhuras vizinhas sob cada polo; o estator tem 6pq.</translation>
    </message>
    <message>
        <source>Pas des bobines (encoches)</source>
        <translation>Passo das bobinas (ranhuras)</translation>
    </message>
    <message>
        <source>Largeur d&apos;une bobine en encoches : 3q est le pas diamétral ; un pas plus court fait un bobinage à deux couches.</source>
        <translation>Largura de uma bobina em ranhuras: 3q é o passo diametral; um passo mais curto dá um enrolamento de duas camadas.</translation>
    </message>
    <message>
        <source>Phase coupée</source>
        <translation>Fase cortada</translation>
    </message>
    <message>
        <source>Un fil de ligne coupé : les trois bobines restent, les deux autres phases portent un même courant, opposé dans l&apos;une et l&apos;autre.</source>
        <translation>Um fio de linha cortado: as três bobinas ficam, as outras duas fases levam uma mesma corrente, oposta numa e noutra.</translation>
    </message>
    <message>
        <source>aucune</source>
        <translation>nenhuma</translation>
    </message>
    <message>
        <source>Bobinage</source>
        <translation>Enrolamento</translation>
    </message>
    <message>
        <source>Étoile des encoches</source>
        <translation>Estrela de ranhuras</translation>
    </message>
    <message>
        <source>%1 encoches, %2 pôles, pas %3/%4</source>
        <translation>%1 ranhuras, %2 polos, passo %3/%4</translation>
    </message>
    <message>
        <source>Rotor à cage</source>
        <translation>Rotor em gaiola</translation>
    </message>
    <message>
        <source>Les courants du rotor ne sont plus imposés : le glissement les induit, comme dans un moteur asynchrone.</source>
        <translation>As correntes do rotor deixam de ser impostas: o escorregamento indu-las, como num motor assíncrono.</translation>
    </message>
    <message>
        <source>Rotor libre</source>
        <translation>Rotor livre</translation>
    </message>
    <message>
        <source>Le rotor part de la fréquence de rotation du panneau Rotor et trouve sa vitesse : J dω/dt = C - Cr.</source>
        <translation>O rotor parte da frequência de rotação do painel Rotor e encontra a sua velocidade: J dω/dt = C - Cr.</translation>
    </message>
    <message>
        <source>Couple de charge (N·m)</source>
        <translation>Binário de carga (N·m)</translation>
    </message>
    <message>
        <source>Tension composée (V)</source>
        <translation>Tensão composta (V)</translation>
    </message>
    <message>
        <source>Schéma équivalent d&apos;une phase : R1, X1, XM, X2, R2/g</source>
        <translation>Circuito equivalente de uma fase: R1, X1, XM, X2, R2/g</translation>
    </message>
</context>
<context>
    <name>Window</name>
    <message>
        <source>Ouverts &amp;récemment</source>
        <translation>Abertos &amp;recentemente</translation>
    </message>
    <message>
        <source>Panneaux à côté</source>
        <translation>Painéis ao lado</translation>
    </message>
    <message>
        <source>Disposition initiale</source>
        <translation>Disposição inicial</translation>
    </message>
    <message>
        <source>Leçon</source>
        <translation>Lição</translation>
    </message>
    <message>
        <source>Autres menus</source>
        <translation>Mais menus</translation>
    </message>
    <message>
        <source>Rien à animer : cochez une phase dans « Stator ».</source>
        <translation>Nada para animar: marque uma fase em «Estator».</translation>
    </message>
    <message>
        <source>Répondez d&apos;abord à la question de la leçon.</source>
        <translation>Responda primeiro à pergunta da lição.</translation>
    </message>
    <message>
        <source>Le réglage affiché a changé. L&apos;enregistrer avant de continuer ?</source>
        <translation>A configuração mostrada mudou. Salvá-la antes de continuar?</translation>
    </message>
    <message>
        <source>&amp;Enregistrer</source>
        <translation>&amp;Salvar</translation>
    </message>
    <message>
        <source>&amp;Ne pas enregistrer</source>
        <translation>&amp;Não salvar</translation>
    </message>
    <message>
        <source>Annuler</source>
        <translation>Cancelar</translation>
    </message>
</context>
</TS>
