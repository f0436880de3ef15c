<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ar_EG">
<context>
    <name>AboutBox</name>
    <message>
        <source>Simulateur pédagogique, 2026</source>
        <translation>محاكي تعليمي، 2026</translation>
    </message>
    <message>
        <source>Le champ tournant des machines triphasées</source>
        <translation>المجال الدوار في الآلات ثلاثية الطور</translation>
    </message>
    <message>
        <source>A propos de Vireflu</source>
        <translation>حول Vireflu</translation>
    </message>
</context>
<context>
    <name>CommandBar</name>
    <message>
        <source>&amp;Initialisation</source>
        <translation>إعادة ال&amp;ضبط</translation>
    </message>
    <message>
        <source>&amp;Animation</source>
        <translation>ت&amp;حريك</translation>
    </message>
    <message>
        <source>&amp;Stop</source>
        <translation>&amp;إيقاف</translation>
    </message>
    <message>
        <source>Commandes de l&apos;horloge</source>
        <translation>أوامر الساعة</translation>
    </message>
</context>
<context>
    <name>Description</name>
    <message>
        <source>%1 : phases %2 en %3.</source>
        <translation>%1: الأطوار %2 بتيار %3.</translation>
    </message>
    <message>
        <source>%1 : phase %2 en %3.</source>
        <translation>%1: الطور %2 بتيار %3.</translation>
    </message>
    <message>
        <source>%1 : aucun courant.</source>
        <translation>%1: لا تيار.</translation>
    </message>
    <message>
        <source>Champ %1, %2.</source>
        <translation>المجال %1، %2.</translation>
    </message>
    <message>
        <source>Pas de champ tournant.</source>
        <translation>لا يوجد مجال دوار.</translation>
    </message>
    <message>
        <source>Rotor à %1.</source>
        <translation>العضو الدوار بسرعة %1.</translation>
    </message>
    <message>
        <source>Couple %1.</source>
        <translation>عزم الدوران %1.</translation>
    </message>
    <message>
        <source>Présentation : %1.</source>
        <translation>التمثيل: %1.</translation>
    </message>
    <message>
        <source>Champ : %1.</source>
        <translation>المجال: %1.</translation>
    </message>
    <message>
        <source>Couple : %1.</source>
        <translation>عزم الدوران: %1.</translation>
    </message>
</context>
<context>
    <name>Lesson</name>
    <message>
        <source>%1 tr/min</source>
        <translation>%1 دورة/دقيقة</translation>
    </message>
    <message>
        <source>dans le sens horaire</source>
        <translation>في اتجاه عقارب الساعة</translation>
    </message>
    <message>
        <source>dans le sens antihoraire</source>
        <translation>عكس اتجاه عقارب الساعة</translation>
    </message>
    <message>
        <source>Le champ pulse sur un axe fixe : ses deux moitiés tournent en sens opposés à %1</source>
        <translation>المجال ينبض على محور ثابت: نصفاه يدوران في اتجاهين متعاكسين بسرعة %1</translation>
    </message>
    <message>
        <source>Le champ tourne %1 à %2</source>
        <translation>يدور المجال %1 بسرعة %2</translation>
    </message>
    <message>
        <source>Le champ tourne %1 à %2 : vitesse signée %3</source>
        <translation>يدور المجال %1 بسرعة %2: السرعة ذات الإشارة %3</translation>
    </message>
    <message>
        <source>Le glissement vaut %1 : champ à %2, rotor à %3</source>
        <translation>الانزلاق يساوي %1: المجال بسرعة %2، والعضو الدوار بسرعة %3</translation>
    </message>
    <message>
        <source>Les courants du rotor ont une fréquence de %1 Hz (%2 × %3 Hz)</source>
        <translation>تردد تيارات العضو الدوار %1 Hz (%2 × %3 Hz)</translation>
    </message>
    <message>
        <source>Sur une période, le couple moyen est nul (%1) : il change de signe</source>
        <translation>خلال زمن دوري واحد، متوسط عزم الدوران صفر (%1): فهو يغيّر إشارته</translation>
    </message>
    <message>
        <source>Sur une période, le couple moyen pousse le rotor %1 (%2)</source>
        <translation>خلال زمن دوري واحد، يدفع متوسط عزم الدوران العضو الدوار %1 (%2)</translation>
    </message>
    <message>
        <source>Le couple antihoraire est le plus grand avec le rotor à %1°</source>
        <translation>يبلغ عزم الدوران عكس اتجاه عقارب الساعة أقصاه عندما يكون العضو الدوار عند %1°</translation>
    </message>
    <message>
        <source>L&apos;harmonique %1 (%2 % du fondamental) tourne %3 à %4</source>
        <translation>التوافقية %1 (%2 % من الأساسية) تدور %3 بسرعة %4</translation>
    </message>
    <message>
        <source>Le champ d&apos;une phase</source>
        <translation>مجال طور واحد</translation>
    </message>
    <message>
        <source>Une seule phase</source>
        <translation>طور واحد فقط</translation>
    </message>
    <message>
        <source>Une seule bobine du stator est alimentée par un courant sinusoïdal de 50 Hz. La flèche rouge montre le champ dans l&apos;entrefer.</source>
        <translation>يُغذّى ملف واحد فقط من ملفات العضو الثابت بتيار جيبي تردده 50 Hz. يبيّن السهم الأحمر المجال في الثغرة الهوائية.</translation>
    </message>
    <message>
        <source>Quand l&apos;horloge tourne, que fait le champ ?</source>
        <translation>عندما تعمل الساعة، ماذا يفعل المجال؟</translation>
    </message>
    <message>
        <source>Le champ d&apos;une bobine reste sur son axe : il grandit, s&apos;annule et change de signe avec le courant. Il se décompose en deux moitiés égales qui tournent en sens opposés à la même vitesse.</source>
        <translation>يبقى مجال الملف على محوره: يكبر وينعدم وتنعكس إشارته مع التيار. وهو يتحلل إلى نصفين متساويين يدوران في اتجاهين متعاكسين بالسرعة نفسها.</translation>
    </message>
    <message>
        <source>ouvrez la fenêtre « Mesures » et cochez « Deux champs tournants » : les deux moitiés tournent en sens opposés.</source>
        <translation>افتح نافذة «القياسات» وحدّد «مجالان دواران»: يدور النصفان في اتجاهين متعاكسين.</translation>
    </message>
    <message>
        <source>Il tourne dans le sens horaire</source>
        <translation>يدور في اتجاه عقارب الساعة</translation>
    </message>
    <message>
        <source>Il tourne dans le sens antihoraire</source>
        <translation>يدور عكس اتجاه عقارب الساعة</translation>
    </message>
    <message>
        <source>Il pulse sur place, sans tourner</source>
        <translation>ينبض في مكانه دون أن يدور</translation>
    </message>
    <message>
        <source>Le champ tournant</source>
        <translation>المجال الدوار</translation>
    </message>
    <message>
        <source>Trois phases</source>
        <translation>ثلاثة أطوار</translation>
    </message>
    <message>
        <source>Les trois bobines du stator, décalées de 120° dans l&apos;espace, sont alimentées par des courants décalés de 0°, 120° et 240° dans le temps, à 50 Hz.</source>
        <translation>تُغذّى ملفات العضو الثابت الثلاثة، المُزاحة بزاوية 120° في الفراغ، بتيارات مُزاحة زمنيًا بزوايا 0° و120° و240°، بتردد 50 Hz.</translation>
    </message>
    <message>
        <source>Que fait le champ résultant ?</source>
        <translation>ماذا يفعل المجال المحصل؟</translation>
    </message>
    <message>
        <source>Les trois champs pulsants s&apos;ajoutent en un champ de longueur constante qui tourne d&apos;un tour par période : 50 tours par seconde, 3000 tr/min. Il passe d&apos;une bobine à la suivante dans l&apos;ordre où leurs courants atteignent leur maximum.</source>
        <translation>تتجمع المجالات النابضة الثلاثة في مجال ثابت الطول يدور دورة واحدة في كل زمن دوري: 50 دورة في الثانية، أي 3000 دورة/دقيقة. وينتقل من ملف إلى الذي يليه بترتيب بلوغ تياراتها قيمتها العظمى.</translation>
    </message>
    <message>
        <source>choisissez la représentation « Trace » : la pointe du champ décrit un cercle.</source>
        <translation>اختر التمثيل «المسار»: يرسم رأس المجال دائرة.</translation>
    </message>
    <message>
        <source>Deux phases inversées</source>
        <translation>تبديل طورين</translation>
    </message>
    <message>
        <source>Le même stator triphasé, mais les courants des phases 2 et 3 ont été échangés : leurs déphasages sont maintenant 0°, 240° et 120°.</source>
        <translation>العضو الثابت ثلاثي الطور نفسه، لكن تيارَي الطورين 2 و3 تبادلا مكانيهما: أصبحت زوايا الطور الآن 0° و240° و120°.</translation>
    </message>
    <message>
        <source>Dans quel sens tourne le champ ?</source>
        <translation>في أي اتجاه يدور المجال؟</translation>
    </message>
    <message>
        <source>Les courants atteignent maintenant leur maximum dans l&apos;ordre 1, 2, 3 au lieu de 1, 3, 2 : le champ, qui va d&apos;une bobine à celle dont le courant culmine ensuite, tourne dans l&apos;autre sens, toujours à 3000 tr/min. C&apos;est ainsi qu&apos;on inverse le sens d&apos;un moteur triphasé.</source>
        <translation>تبلغ التيارات الآن قيمتها العظمى بالترتيب 1، 2، 3 بدلًا من 1، 3، 2: فالمجال، الذي ينتقل من ملف إلى الملف الذي يبلغ تياره ذروته بعده، يدور في الاتجاه الآخر، وبسرعة 3000 دورة/دقيقة دائمًا. هكذا يُعكس اتجاه دوران المحرك ثلاثي الطور.</translation>
    </message>
    <message>
        <source>remettez 120° et 240° dans le panneau Stator et comparez.</source>
        <translation>أعد 120° و240° في لوحة العضو الثابت وقارن.</translation>
    </message>
    <message>
        <source>Une phase perdue</source>
        <translation>فقدان طور</translation>
    </message>
    <message>
        <source>Un fil d&apos;alimentation est coupé : le même courant traverse maintenant les deux bobines restantes, à l&apos;aller dans l&apos;une et au retour dans l&apos;autre (déphasages 0° et 180°).</source>
        <translation>انقطع أحد خطوط التغذية: يمر التيار نفسه الآن في الملفين المتبقيين، ذهابًا في أحدهما وإيابًا في الآخر (زاويتا الطور 0° و180°).</translation>
    </message>
    <message>
        <source>Que fait le champ ?</source>
        <translation>ماذا يفعل المجال؟</translation>
    </message>
    <message>
        <source>Deux courants en phase ou en opposition ne font qu&apos;un champ qui pulse sur un axe fixe. Ses deux moitiés tournent en sens opposés : un moteur arrêté ne démarre plus, un moteur lancé continue dans son sens mais chauffe.</source>
        <translation>تياران متفقان في الطور أو متعاكسان لا يُنتجان إلا مجالًا ينبض على محور ثابت. نصفاه يدوران في اتجاهين متعاكسين: المحرك المتوقف لا يعود يقلع، والمحرك الدائر يواصل الدوران في اتجاهه لكنه يسخن.</translation>
    </message>
    <message>
        <source>ouvrez la fenêtre « Mesures » et cochez « Deux champs tournants » : les deux moitiés ont la même longueur.</source>
        <translation>افتح نافذة «القياسات» وحدّد «مجالان دواران»: للنصفين الطول نفسه.</translation>
    </message>
    <message>
        <source>Deux phases à 90°</source>
        <translation>طوران بزاوية 90°</translation>
    </message>
    <message>
        <source>Deux bobines à angle droit sont alimentées par des courants décalés de 90° dans le temps : la bobine 2 atteint son maximum un quart de période avant la bobine 1.</source>
        <translation>يُغذّى ملفان متعامدان بتيارين مُزاحين زمنيًا بزاوية 90°: يبلغ الملف 2 قيمته العظمى قبل الملف 1 بربع زمن دوري.</translation>
    </message>
    <message>
        <source>Deux bobines en quadrature, avec des courants en quadrature, suffisent à faire un champ tournant de longueur constante. Il va de la bobine dont le courant est en avance vers l&apos;autre. C&apos;est le principe des moteurs monophasés à condensateur.</source>
        <translation>يكفي ملفان متعامدان، بتيارين متعامدين في الطور، لإنتاج مجال دوار ثابت الطول. وهو يتجه من الملف الذي يتقدم تياره نحو الملف الآخر. هذا هو مبدأ المحركات أحادية الطور ذات المكثف.</translation>
    </message>
    <message>
        <source>mettez 270° au lieu de 90° pour la phase 2 : le champ change de sens.</source>
        <translation>ضع 270° بدلًا من 90° للطور 2: ينعكس اتجاه المجال.</translation>
    </message>
    <message>
        <source>Fréquence et vitesse</source>
        <translation>التردد والسرعة</translation>
    </message>
    <message>
        <source>Le stator triphasé à une paire de pôles est alimenté à 25 Hz au lieu de 50 Hz. Les vitesses sont comptées positives dans le sens antihoraire.</source>
        <translation>يُغذّى العضو الثابت ثلاثي الطور ذو زوج الأقطاب الواحد بتردد 25 Hz بدلًا من 50 Hz. تُعدّ السرعات موجبة عكس اتجاه عقارب الساعة.</translation>
    </message>
    <message>
        <source>Quelle est la vitesse de synchronisme du champ ?</source>
        <translation>ما السرعة التزامنية للمجال؟</translation>
    </message>
    <message>
        <source>Le champ fait un tour par période du courant : n = 60 f / p. Avec une paire de pôles à 25 Hz, 1500 tr/min. Les phases dans l&apos;ordre 0°, 240°, 120° le font tourner dans le sens antihoraire, donc la vitesse signée est positive.</source>
        <translation>يدور المجال دورة واحدة في كل زمن دوري للتيار: n = 60 f / p. مع زوج أقطاب واحد عند 25 Hz، تكون 1500 دورة/دقيقة. والأطوار بالترتيب 0°، 240°، 120° تديره عكس اتجاه عقارب الساعة، لذا فالسرعة ذات الإشارة موجبة.</translation>
    </message>
    <message>
        <source>ouvrez la fenêtre « Mesures » et changez la fréquence dans le panneau Stator.</source>
        <translation>افتح نافذة «القياسات» وغيّر التردد في لوحة العضو الثابت.</translation>
    </message>
    <message>
        <source>+3000 tr/min</source>
        <translation>+3000 دورة/دقيقة</translation>
    </message>
    <message>
        <source>+1500 tr/min</source>
        <translation>+1500 دورة/دقيقة</translation>
    </message>
    <message>
        <source>-1500 tr/min</source>
        <translation>-1500 دورة/دقيقة</translation>
    </message>
    <message>
        <source>+750 tr/min</source>
        <translation>+750 دورة/دقيقة</translation>
    </message>
    <message>
        <source>Courant continu</source>
        <translation>التيار المستمر</translation>
    </message>
    <message>
        <source>La bobine 1 du stator est parcourue par un courant continu.</source>
        <translation>يمر في الملف 1 من ملفات العضو الثابت تيار مستمر.</translation>
    </message>
    <message>
        <source>Que fait le champ quand l&apos;horloge tourne ?</source>
        <translation>ماذا يفعل المجال عندما تعمل الساعة؟</translation>
    </message>
    <message>
        <source>Un courant constant fait un champ constant, fixe sur l&apos;axe de la bobine : rien ne tourne tant que le rotor ne tourne pas. C&apos;est le champ d&apos;un inducteur de machine synchrone ou d&apos;un aimant.</source>
        <translation>التيار الثابت يُنتج مجالًا ثابتًا، مثبتًا على محور الملف: لا شيء يدور ما دام العضو الدوار لا يدور. هذا هو مجال ملف الإثارة في الآلة التزامنية أو مجال المغناطيس.</translation>
    </message>
    <message>
        <source>alimentez plutôt le rotor en continu et donnez-lui une rotation : son champ tourne avec lui.</source>
        <translation>غذِّ بدلًا من ذلك العضو الدوار بتيار مستمر وأعطه دورانًا: يدور مجاله معه.</translation>
    </message>
    <message>
        <source>Il pulse sur place</source>
        <translation>ينبض في مكانه</translation>
    </message>
    <message>
        <source>Il reste immobile</source>
        <translation>يبقى ساكنًا</translation>
    </message>
    <message>
        <source>La machine synchrone</source>
        <translation>الآلة التزامنية</translation>
    </message>
    <message>
        <source>Au synchronisme</source>
        <translation>عند التزامن</translation>
    </message>
    <message>
        <source>Le champ du stator tourne dans le sens antihoraire à 3000 tr/min. Le rotor, alimenté en continu, tourne à la même vitesse, son champ en retard de 60° sur celui du stator. La barre à gauche montre le couple.</source>
        <translation>يدور مجال العضو الثابت عكس اتجاه عقارب الساعة بسرعة 3000 دورة/دقيقة. والعضو الدوار، المُغذّى بتيار مستمر، يدور بالسرعة نفسها، ومجاله متأخر بزاوية 60° عن مجال العضو الثابت. يبيّن الشريط على اليسار عزم الدوران.</translation>
    </message>
    <message>
        <source>Sur une période, dans quel sens le couple moyen pousse-t-il le rotor ?</source>
        <translation>خلال زمن دوري واحد، في أي اتجاه يدفع متوسط عزم الدوران العضو الدوار؟</translation>
    </message>
    <message>
        <source>Au synchronisme les deux champs tournent ensemble : leur angle reste fixe, donc le couple est constant. Le champ du stator, en avance, tire le champ du rotor dans le sens de rotation : la machine est motrice.</source>
        <translation>عند التزامن يدور المجالان معًا: تبقى الزاوية بينهما ثابتة، لذا يكون عزم الدوران ثابتًا. ومجال العضو الثابت، المتقدم، يسحب مجال العضو الدوار في اتجاه الدوران: الآلة تعمل محركًا.</translation>
    </message>
    <message>
        <source>mettez la position initiale à 330° : le rotor est en avance de 60° et la machine freine.</source>
        <translation>اجعل الموضع الابتدائي 330°: يتقدم العضو الدوار بزاوية 60° وتكبح الآلة.</translation>
    </message>
    <message>
        <source>Dans le sens de rotation (antihoraire)</source>
        <translation>في اتجاه الدوران (عكس عقارب الساعة)</translation>
    </message>
    <message>
        <source>Contre la rotation (horaire)</source>
        <translation>عكس الدوران (مع عقارب الساعة)</translation>
    </message>
    <message>
        <source>Il est nul</source>
        <translation>يساوي صفرًا</translation>
    </message>
    <message>
        <source>L&apos;angle de couple</source>
        <translation>زاوية العزم</translation>
    </message>
    <message>
        <source>Stator et rotor sont alimentés en continu ; le champ du stator pointe vers la droite (0°). La position initiale du rotor, dans le panneau Rotor, fixe l&apos;angle entre les deux champs.</source>
        <translation>يُغذّى العضوان الثابت والدوار بتيار مستمر؛ ويتجه مجال العضو الثابت نحو اليمين (0°). ويحدد الموضع الابتدائي للعضو الدوار، في لوحة العضو الدوار، الزاوية بين المجالين.</translation>
    </message>
    <message>
        <source>À quelle position du rotor le couple antihoraire est-il le plus grand ?</source>
        <translation>عند أي موضع للعضو الدوار يبلغ عزم الدوران عكس اتجاه عقارب الساعة أقصاه؟</translation>
    </message>
    <message>
        <source>Le couple vaut le produit des deux champs par le sinus de leur angle. Il est nul quand ils sont alignés (0° ou 180°) et le plus grand à angle droit. À 270° le champ du stator, en avance de 90° dans le sens antihoraire, tire le rotor dans ce sens.</source>
        <translation>عزم الدوران يساوي حاصل ضرب المجالين في جيب الزاوية بينهما. وهو صفر عندما يكونان على استقامة واحدة (0° أو 180°) وأكبر ما يمكن عندما يتعامدان. عند 270° يسحب مجال العضو الثابت، المتقدم بزاوية 90° عكس اتجاه عقارب الساعة، العضو الدوار في هذا الاتجاه.</translation>
    </message>
    <message>
        <source>tapez 90 puis 270 comme position initiale et comparez les barres de couple.</source>
        <translation>اكتب 90 ثم 270 موضعًا ابتدائيًا وقارن أشرطة عزم الدوران.</translation>
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
        <translation>عضو دوار يُدار عكس المجال</translation>
    </message>
    <message>
        <source>Le champ du stator tourne dans le sens horaire à 3000 tr/min. Une machine extérieure entraîne le rotor dans le sens antihoraire, à 3000 tr/min lui aussi.</source>
        <translation>يدور مجال العضو الثابت في اتجاه عقارب الساعة بسرعة 3000 دورة/دقيقة. وتدير آلة خارجية العضو الدوار عكس اتجاه عقارب الساعة، بسرعة 3000 دورة/دقيقة أيضًا.</translation>
    </message>
    <message>
        <source>Quel est le glissement g = (ns - n) / ns ?</source>
        <translation>ما قيمة الانزلاق g = (ns - n) / ns؟</translation>
    </message>
    <message>
        <source>Avec les vitesses signées, ns = -3000 et n = +3000 tr/min : g = 2. Un glissement supérieur à 1 veut dire que le rotor tourne contre le champ : la machine freine, c&apos;est le freinage par contre-courant, et les courants du rotor ont une fréquence double.</source>
        <translation>بالسرعات ذات الإشارة، ns = -3000 و n = +3000 دورة/دقيقة: g = 2. الانزلاق الأكبر من 1 يعني أن العضو الدوار يدور عكس المجال: الآلة تكبح، وهذا هو الكبح بعكس التيار، وتردد تيارات العضو الدوار ضعف تردد التغذية.</translation>
    </message>
    <message>
        <source>ouvrez la fenêtre « Mesures » et lisez la fréquence des courants du rotor.</source>
        <translation>افتح نافذة «القياسات» واقرأ تردد تيارات العضو الدوار.</translation>
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
        <translation>الآلة اللاتزامنية</translation>
    </message>
    <message>
        <source>Le glissement</source>
        <translation>الانزلاق</translation>
    </message>
    <message>
        <source>Un moteur asynchrone : le champ du stator tourne dans le sens antihoraire à 3000 tr/min, le rotor le suit à 48 tours par seconde, soit 2880 tr/min.</source>
        <translation>محرك لاتزامني: يدور مجال العضو الثابت عكس اتجاه عقارب الساعة بسرعة 3000 دورة/دقيقة، ويتبعه العضو الدوار بسرعة 48 دورة في الثانية، أي 2880 دورة/دقيقة.</translation>
    </message>
    <message>
        <source>Quel est le glissement ?</source>
        <translation>ما قيمة الانزلاق؟</translation>
    </message>
    <message>
        <source>g = (3000 - 2880) / 3000 = 0,04. Le rotor glisse un peu derrière le champ : c&apos;est ce retard qui induit des courants dans ses barres et donc le couple. Au synchronisme exact, plus rien n&apos;est induit.</source>
        <translation>g = (3000 - 2880) / 3000 = 0.04. ينزلق العضو الدوار قليلًا خلف المجال: وهذا التأخر هو ما يحث التيارات في قضبانه ومن ثم عزم الدوران. وعند التزامن التام لا يُستحث شيء.</translation>
    </message>
    <message>
        <source>donnez une rotation de 50 Hz au rotor : le glissement devient nul.</source>
        <translation>أعطِ العضو الدوار دورانًا بتردد 50 Hz: يصبح الانزلاق صفرًا.</translation>
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
        <translation>تردد تيارات العضو الدوار</translation>
    </message>
    <message>
        <source>Le même moteur : champ à 3000 tr/min dans le sens antihoraire, rotor à 2880 tr/min, alimentation à 50 Hz. Le rotor voit le champ défiler lentement.</source>
        <translation>المحرك نفسه: المجال بسرعة 3000 دورة/دقيقة عكس اتجاه عقارب الساعة، والعضو الدوار بسرعة 2880 دورة/دقيقة، والتغذية بتردد 50 Hz. يرى العضو الدوار المجال يمر أمامه ببطء.</translation>
    </message>
    <message>
        <source>Quelle est la fréquence des courants induits dans le rotor ?</source>
        <translation>ما تردد التيارات المستحثة في العضو الدوار؟</translation>
    </message>
    <message>
        <source>Le champ dépasse le rotor de 120 tr/min, soit 2 tours par seconde : les courants du rotor ont la fréquence g f = 0,04 × 50 = 2 Hz. À l&apos;arrêt ils auraient 50 Hz.</source>
        <translation>يسبق المجال العضو الدوار بفارق 120 دورة/دقيقة، أي دورتين في الثانية: تردد تيارات العضو الدوار هو g f = 0.04 × 50 = 2 Hz. ولو كان العضو الدوار ساكنًا لكان ترددها 50 Hz.</translation>
    </message>
    <message>
        <source>alimentez le rotor en triphasé à 2 Hz (0°, 240°, 120°) : son champ tourne avec celui du stator.</source>
        <translation>غذِّ العضو الدوار بتيار ثلاثي الطور بتردد 2 Hz (0°، 240°، 120°): يدور مجاله مع مجال العضو الثابت.</translation>
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
        <translation>التوافقيات</translation>
    </message>
    <message>
        <source>L&apos;harmonique 5 de l&apos;onduleur</source>
        <translation>التوافقية 5 للعاكس</translation>
    </message>
    <message>
        <source>Un onduleur à six pas alimente le stator : ses courants en escalier contiennent le fondamental à 50 Hz et des harmoniques. Le fondamental fait tourner le champ dans le sens antihoraire à 3000 tr/min.</source>
        <translation>يغذّي عاكس سداسي الخطوات العضو الثابت: تحتوي تياراته الدرجية على المركّبة الأساسية بتردد 50 Hz وعلى توافقيات. وتدير المركّبة الأساسية المجال عكس اتجاه عقارب الساعة بسرعة 3000 دورة/دقيقة.</translation>
    </message>
    <message>
        <source>Dans quel sens tourne le champ de l&apos;harmonique 5 ?</source>
        <translation>في أي اتجاه يدور مجال التوافقية 5؟</translation>
    </message>
    <message>
        <source>Pour l&apos;harmonique 5 les déphasages des trois phases sont multipliés par 5 : 0°, 600°, 1200°, soit 0°, 240°, 120°. Les harmoniques 5 et 11 tournent donc contre le fondamental, 7 et 13 avec lui, à 1/5 de sa vitesse.</source>
        <translation>في التوافقية 5 تُضرب زوايا الطور للأطوار الثلاثة في 5: 0°، 600°، 1200°، أي 0°، 240°، 120°. لذا تدور التوافقيتان 5 و11 عكس الأساسية، و7 و13 معها، والتوافقية 5 بسرعة 1/5 من سرعة الأساسية.</translation>
    </message>
    <message>
        <source>ouvrez la fenêtre « Mesures » : le spectre donne le sens de chaque harmonique.</source>
        <translation>افتح نافذة «القياسات»: يبيّن الطيف اتجاه كل توافقية.</translation>
    </message>
    <message>
        <source>Dans le sens horaire, contre le fondamental</source>
        <translation>في اتجاه عقارب الساعة، عكس الأساسية</translation>
    </message>
    <message>
        <source>Dans le sens antihoraire, avec le fondamental</source>
        <translation>عكس اتجاه عقارب الساعة، مع الأساسية</translation>
    </message>
    <message>
        <source>L&apos;harmonique 7 de l&apos;onduleur</source>
        <translation>التوافقية 7 للعاكس</translation>
    </message>
    <message>
        <source>Dans quel sens tourne le champ de l&apos;harmonique 7 ?</source>
        <translation>في أي اتجاه يدور مجال التوافقية 7؟</translation>
    </message>
    <message>
        <source>Pour l&apos;harmonique 7 les déphasages des trois phases sont multipliés par 7 : 0°, 840°, 1680°, soit 0°, 120°, 240°. Les harmoniques 5 et 11 tournent donc contre le fondamental, 7 et 13 avec lui, à 1/7 de sa vitesse.</source>
        <translation>في التوافقية 7 تُضرب زوايا الطور للأطوار الثلاثة في 7: 0°، 840°، 1680°، أي 0°، 120°، 240°. لذا تدور التوافقيتان 5 و11 عكس الأساسية، و7 و13 معها، والتوافقية 7 بسرعة 1/7 من سرعة الأساسية.</translation>
    </message>
    <message>
        <source>,</source>
        <translation>.</translation>
    </message>
    <message>
        <source>Le champ reste immobile : rien n&apos;alterne dans le stator</source>
        <translation>يبقى المجال ساكنًا: لا شيء يتناوب في العضو الثابت</translation>
    </message>
    <message>
        <source>Le stator ne crée aucun champ</source>
        <translation>لا ينشئ العضو الثابت أي مجال</translation>
    </message>
</context>
<context>
    <name>LessonMenu</name>
    <message>
        <source>&amp;Leçons</source>
        <translation>ال&amp;دروس</translation>
    </message>
    <message>
        <source>Ouvrir une leçon...</source>
        <translation>فتح درس...</translation>
    </message>
    <message>
        <source>Ouvrir une leçon</source>
        <translation>فتح درس</translation>
    </message>
    <message>
        <source>Leçons Vireflu (*.json)</source>
        <translation>دروس Vireflu (*.json)</translation>
    </message>
    <message>
        <source>La leçon %1 n&apos;a pas pu être lue : %2.</source>
        <translation>تعذّرت قراءة الدرس %1: %2.</translation>
    </message>
    <message>
        <source>%1 n&apos;a pas été ouvert.</source>
        <translation>لم يُفتح %1.</translation>
    </message>
</context>
<context>
    <name>Measures</name>
    <message>
        <source>Fréquence</source>
        <translation>التردد</translation>
    </message>
    <message>
        <source>Fréquence f des courants du stator.</source>
        <translation>التردد f لتيارات العضو الثابت.</translation>
    </message>
    <message>
        <source>Sens du champ</source>
        <translation>اتجاه المجال</translation>
    </message>
    <message>
        <source>Sens de rotation du champ du stator, celui de sa plus grande composante ; pulsant quand les deux sont égales. Vitesses et glissements sont positifs dans le sens trigonométrique, celui où tourne le rotor pour une fréquence de rotation positive, et négatifs dans le sens horaire.</source>
        <translation>اتجاه دوران مجال العضو الثابت، وهو اتجاه مركّبته الأكبر؛ ويكون نابضًا عندما تتساوى المركّبتان. السرعات والانزلاقات موجبة عكس اتجاه عقارب الساعة، وهو الاتجاه الذي يدور فيه العضو الدوار عند تردد دوران موجب، وسالبة في اتجاه عقارب الساعة.</translation>
    </message>
    <message>
        <source>Vitesse de synchronisme</source>
        <translation>السرعة التزامنية</translation>
    </message>
    <message>
        <source>Vitesse du champ tournant : 60 f pour une paire de pôles, positive dans le sens trigonométrique, négative dans le sens horaire.</source>
        <translation>سرعة المجال الدوار: 60 f لزوج واحد من الأقطاب، موجبة عكس اتجاه عقارب الساعة، وسالبة في اتجاه عقارب الساعة.</translation>
    </message>
    <message>
        <source>Vitesse du rotor</source>
        <translation>سرعة العضو الدوار</translation>
    </message>
    <message>
        <source>60 fois la fréquence de rotation du rotor, positive dans le sens trigonométrique.</source>
        <translation>60 مرة تردد دوران العضو الدوار، موجبة عكس اتجاه عقارب الساعة.</translation>
    </message>
    <message>
        <source>Glissement</source>
        <translation>الانزلاق</translation>
    </message>
    <message>
        <source>g = (ns - n) / ns avec les vitesses signées : 0 au synchronisme, 1 à l&apos;arrêt, plus de 1 quand le rotor tourne contre le champ (freinage). Champ pulsant : g+ et g− contre ses deux moitiés.</source>
        <translation>g = (ns - n) / ns بسرعات ذات إشارة: 0 عند التزامن، 1 عند السكون، أكثر من 1 عندما يدور العضو الدوار عكس المجال (كبح). المجال النابض: g+ و g− بالنسبة إلى نصفيه.</translation>
    </message>
    <message>
        <source>Fréquence rotorique</source>
        <translation>تردد العضو الدوار</translation>
    </message>
    <message>
        <source>Fréquence |g| f des courants induits dans le rotor, pour chaque moitié d&apos;un champ pulsant.</source>
        <translation>التردد |g| f للتيارات المستحثة في العضو الدوار، لكل نصف من نصفي المجال النابض.</translation>
    </message>
    <message>
        <source>Couple</source>
        <translation>عزم الدوران</translation>
    </message>
    <message>
        <source>Indicateur de couple entre les champs du stator et du rotor (sans unité).</source>
        <translation>مؤشر عزم الدوران بين مجالي العضو الثابت والعضو الدوار (بلا وحدة).</translation>
    </message>
    <message>
        <source>Champ résultant</source>
        <translation>المجال المحصل</translation>
    </message>
    <message>
        <source>Longueur du vecteur champ rapportée à celle d&apos;un champ triphasé équilibré.</source>
        <translation>طول متجه المجال منسوبًا إلى طول مجال ثلاثي الطور متزن.</translation>
    </message>
    <message>
        <source>Angle du champ</source>
        <translation>زاوية المجال</translation>
    </message>
    <message>
        <source>Direction du vecteur champ, comptée dans le sens trigonométrique.</source>
        <translation>اتجاه متجه المجال، مقيسًا عكس اتجاه عقارب الساعة.</translation>
    </message>
    <message>
        <source>Stator direct</source>
        <translation>الثابت (تتابع موجب)</translation>
    </message>
    <message>
        <source>Champ tournant dans le sens de la séquence 0/120/240 (composante directe).</source>
        <translation>مجال يدور في اتجاه التتابع 0/120/240 (المركّبة الموجبة).</translation>
    </message>
    <message>
        <source>Stator inverse</source>
        <translation>الثابت (تتابع سالب)</translation>
    </message>
    <message>
        <source>Champ tournant en sens opposé (composante inverse).</source>
        <translation>مجال يدور في الاتجاه المعاكس (المركّبة السالبة).</translation>
    </message>
    <message>
        <source>Rotor direct</source>
        <translation>الدوار (تتابع موجب)</translation>
    </message>
    <message>
        <source>Champ du rotor tournant dans le sens de sa séquence 0/120/240.</source>
        <translation>مجال العضو الدوار الذي يدور في اتجاه تتابعه 0/120/240.</translation>
    </message>
    <message>
        <source>Rotor inverse</source>
        <translation>الدوار (تتابع سالب)</translation>
    </message>
    <message>
        <source>Champ du rotor tournant en sens opposé.</source>
        <translation>مجال العضو الدوار الذي يدور في الاتجاه المعاكس.</translation>
    </message>
    <message>
        <source>Harmoniques</source>
        <translation>التوافقيات</translation>
    </message>
    <message>
        <source>Courant rectangulaire : harmoniques rapportés au fondamental, tournant avec ou contre le champ.</source>
        <translation>تيار مستطيل: التوافقيات منسوبة إلى المركّبة الأساسية، تدور مع المجال أو عكسه.</translation>
    </message>
    <message>
        <source>Taux de distorsion</source>
        <translation>معدل التشوه</translation>
    </message>
    <message>
        <source>Distorsion harmonique totale du courant rectangulaire.</source>
        <translation>التشوه التوافقي الكلي للتيار المستطيل.</translation>
    </message>
    <message>
        <source>,</source>
        <translation>.</translation>
    </message>
    <message>
        <source>tr/min</source>
        <translation>دورة/دقيقة</translation>
    </message>
    <message>
        <source>avec</source>
        <translation>مع</translation>
    </message>
    <message>
        <source>contre</source>
        <translation>عكس</translation>
    </message>
    <message>
        <source>sens trigonométrique</source>
        <translation>عكس عقارب الساعة</translation>
    </message>
    <message>
        <source>sens horaire</source>
        <translation>مع عقارب الساعة</translation>
    </message>
    <message>
        <source>pulsant</source>
        <translation>نابض</translation>
    </message>
    <message>
        <source>Stator</source>
        <translation>العضو الثابت</translation>
    </message>
    <message>
        <source>Rotor</source>
        <translation>العضو الدوار</translation>
    </message>
    <message>
        <source>Résultante</source>
        <translation>المحصلة</translation>
    </message>
    <message>
        <source>Fondamental</source>
        <translation>الأساسية</translation>
    </message>
    <message>
        <source>Champ</source>
        <translation>المجال</translation>
    </message>
    <message>
        <source>après votre réponse</source>
        <translation>بعد إجابتك</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>&amp;Ouvrir...</source>
        <translation>&amp;فتح...</translation>
    </message>
    <message>
        <source>&amp;Enregistrer...</source>
        <translation>&amp;حفظ...</translation>
    </message>
    <message>
        <source>Copier le &amp;lien</source>
        <translation>نسخ ال&amp;رابط</translation>
    </message>
    <message>
        <source>E&amp;xporter l&apos;animation...</source>
        <translation>&amp;تصدير الرسم المتحرك...</translation>
    </message>
    <message>
        <source>&amp;Quitter</source>
        <translation>&amp;خروج</translation>
    </message>
    <message>
        <source>Entrefer:couleur</source>
        <translation>الثغرة الهوائية: لون</translation>
    </message>
    <message>
        <source>Vecteur</source>
        <translation>متجه</translation>
    </message>
    <message>
        <source>Trace</source>
        <translation>المسار</translation>
    </message>
    <message>
        <source>Forces magnéto-motrices</source>
        <translation>القوى الدافعة المغناطيسية</translation>
    </message>
    <message>
        <source>Couple</source>
        <translation>عزم الدوران</translation>
    </message>
    <message>
        <source>&amp;Stator</source>
        <translation>العضو ال&amp;ثابت</translation>
    </message>
    <message>
        <source>&amp;Rotor</source>
        <translation>العضو ال&amp;دوار</translation>
    </message>
    <message>
        <source>&amp;Mesures</source>
        <translation>ال&amp;قياسات</translation>
    </message>
    <message>
        <source>Cadence x1/4</source>
        <translation>الإيقاع x1/4</translation>
    </message>
    <message>
        <source>Cadence x1/2</source>
        <translation>الإيقاع x1/2</translation>
    </message>
    <message>
        <source>Cadence x1</source>
        <translation>الإيقاع x1</translation>
    </message>
    <message>
        <source>Cadence x2</source>
        <translation>الإيقاع x2</translation>
    </message>
    <message>
        <source>Cadence x4</source>
        <translation>الإيقاع x4</translation>
    </message>
    <message>
        <source>Bleu Noir Rouge</source>
        <translation>أزرق أسود أحمر</translation>
    </message>
    <message>
        <source>Vert NoirRouge</source>
        <translation>أخضر أسود أحمر</translation>
    </message>
    <message>
        <source>CAO</source>
        <translation>CAD</translation>
    </message>
    <message>
        <source>Bleu Blanc Orange</source>
        <translation>أزرق أبيض برتقالي</translation>
    </message>
    <message>
        <source>Projection</source>
        <translation>جهاز العرض</translation>
    </message>
    <message>
        <source>&amp;A propos de Vireflu...</source>
        <translation>&amp;حول Vireflu...</translation>
    </message>
    <message>
        <source>&amp;Général</source>
        <translation>&amp;عام</translation>
    </message>
    <message>
        <source>&amp;Représentation</source>
        <translation>ال&amp;تمثيل</translation>
    </message>
    <message>
        <source>&amp;Vue</source>
        <translation>ع&amp;رض</translation>
    </message>
    <message>
        <source>&amp;Couleur</source>
        <translation>ال&amp;لون</translation>
    </message>
    <message>
        <source>&amp;?</source>
        <translation>&amp;مساعدة</translation>
    </message>
    <message>
        <source>&amp;Langue</source>
        <translation>ال&amp;لغة</translation>
    </message>
    <message>
        <source>Annotations</source>
        <translation>التعليقات التوضيحية</translation>
    </message>
    <message>
        <source>Raccourcis &amp;clavier</source>
        <translation>&amp;اختصارات لوحة المفاتيح</translation>
    </message>
</context>
<context>
    <name>Page</name>
    <message>
        <source>Fermer</source>
        <translation>إغلاق</translation>
    </message>
    <message>
        <source>Lien copié</source>
        <translation>تم نسخ الرابط</translation>
    </message>
    <message>
        <source>Vireflu est arrêté : vous pouvez fermer cette page.</source>
        <translation>تم إيقاف Vireflu: يمكنك إغلاق هذه الصفحة.</translation>
    </message>
    <message>
        <source>Coupe de la machine</source>
        <translation>المقطع العرضي للآلة</translation>
    </message>
    <message>
        <source>Menus</source>
        <translation>القوائم</translation>
    </message>
    <message>
        <source>L&apos;animation n&apos;a pas pu être enregistrée.</source>
        <translation>تعذّر حفظ الرسم المتحرك.</translation>
    </message>
    <message>
        <source>Il n&apos;y a pas de leçon « %1 ».</source>
        <translation>لا يوجد درس «%1».</translation>
    </message>
</context>
<context>
    <name>Panel</name>
    <message>
        <source>fréquence stator: %1 Hz</source>
        <translation>تردد العضو الثابت: %1 Hz</translation>
    </message>
    <message>
        <source>fréquence rotor: %1 Hz</source>
        <translation>تردد العضو الدوار: %1 Hz</translation>
    </message>
    <message>
        <source>fréquence de rotation: %1 Hz</source>
        <translation>تردد الدوران: %1 Hz</translation>
    </message>
    <message>
        <source>position initiale: %1 degré</source>
        <translation>الموضع الابتدائي: %1 درجة</translation>
    </message>
    <message>
        <source>phase</source>
        <translation>الطور</translation>
    </message>
    <message>
        <source>phase 1</source>
        <translation>الطور 1</translation>
    </message>
    <message>
        <source>phase 2</source>
        <translation>الطور 2</translation>
    </message>
    <message>
        <source>phase 3</source>
        <translation>الطور 3</translation>
    </message>
    <message>
        <source>sinus</source>
        <translation>جيبي</translation>
    </message>
    <message>
        <source>continu</source>
        <translation>مستمر</translation>
    </message>
    <message>
        <source>rectangulaire</source>
        <translation>مستطيل</translation>
    </message>
    <message>
        <source>Stator</source>
        <translation>العضو الثابت</translation>
    </message>
    <message>
        <source>Rotor</source>
        <translation>العضو الدوار</translation>
    </message>
    <message>
        <source>Angle limité à 360°</source>
        <translation>الزاوية محدودة بـ 360°</translation>
    </message>
    <message>
        <source>angle de la phase %1</source>
        <translation>زاوية الطور %1</translation>
    </message>
    <message>
        <source>flèches, Page préc. et Page suiv. pour régler</source>
        <translation>الأسهم و Page Up و Page Down للضبط</translation>
    </message>
    <message>
        <source>degrés, de 0 à 360</source>
        <translation>بالدرجات، من 0 إلى 360</translation>
    </message>
    <message>
        <source>courbe de la phase %1</source>
        <translation>منحنى الطور %1</translation>
    </message>
    <message>
        <source>le courant de la phase sur une période, le trait vertical marquant l&apos;instant</source>
        <translation>تيار الطور خلال زمن دوري واحد، والخط الرأسي يحدد اللحظة الحالية</translation>
    </message>
    <message>
        <source>fréquence</source>
        <translation>التردد</translation>
    </message>
    <message>
        <source>fréquence de rotation</source>
        <translation>تردد الدوران</translation>
    </message>
    <message>
        <source>position initiale</source>
        <translation>الموضع الابتدائي</translation>
    </message>
    <message>
        <source>augmenter l&apos;angle de la phase %1</source>
        <translation>زيادة زاوية الطور %1</translation>
    </message>
    <message>
        <source>diminuer l&apos;angle de la phase %1</source>
        <translation>إنقاص زاوية الطور %1</translation>
    </message>
</context>
<context>
    <name>Setup</name>
    <message>
        <source>Ce n&apos;est pas un réglage Vireflu : le texte n&apos;est pas du JSON lisible (arrêt à l&apos;octet %2).</source>
        <translation>هذا ليس إعداد Vireflu: النص ليس JSON مقروءًا (توقف عند البايت %2).</translation>
    </message>
    <message>
        <source>Ce n&apos;est pas un réglage Vireflu : le document n&apos;est pas un objet JSON.</source>
        <translation>هذا ليس إعداد Vireflu: المستند ليس كائن JSON.</translation>
    </message>
    <message>
        <source>Ce n&apos;est pas un réglage Vireflu : il dépasse 64 Kio.</source>
        <translation>هذا ليس إعداد Vireflu: حجمه يتجاوز 64 KiB.</translation>
    </message>
    <message>
        <source>Ce lien ne contient pas de réglage Vireflu lisible.</source>
        <translation>لا يحتوي هذا الرابط على إعداد Vireflu مقروء.</translation>
    </message>
    <message>
        <source>Ce n&apos;est pas un réglage Vireflu : la clé « %1 » (la version du format) manque.</source>
        <translation>هذا ليس إعداد Vireflu: المفتاح «%1» (إصدار التنسيق) مفقود.</translation>
    </message>
    <message>
        <source>Ce réglage a été fait par une version plus récente de Vireflu (format %2) : mettez Vireflu à jour pour l&apos;ouvrir.</source>
        <translation>أُنشئ هذا الإعداد بإصدار أحدث من Vireflu (التنسيق %2): حدّث Vireflu لفتحه.</translation>
    </message>
    <message>
        <source>La clé « %1 » est inconnue de cette version de Vireflu.</source>
        <translation>المفتاح «%1» غير معروف لهذا الإصدار من Vireflu.</translation>
    </message>
    <message>
        <source>La clé « %1 » accepte %3.</source>
        <translation>المفتاح «%1» يقبل %3.</translation>
    </message>
    <message>
        <source>La clé « %1 » donne une forme d&apos;onde que le panneau n&apos;offre pas avec ce nombre de phases.</source>
        <translation>المفتاح «%1» يعطي شكل موجة لا تتيحه اللوحة مع هذا العدد من الأطوار.</translation>
    </message>
    <message>
        <source>La clé « %1 » manque.</source>
        <translation>المفتاح «%1» مفقود.</translation>
    </message>
</context>
<context>
    <name>Shortcuts</name>
    <message>
        <source>Espace : lancer ou arrêter l&apos;animation</source>
        <translation>مفتاح المسافة: بدء التحريك أو إيقافه</translation>
    </message>
    <message>
        <source>Origine : initialisation, l&apos;horloge à zéro</source>
        <translation>Home: إعادة الضبط، والساعة إلى الصفر</translation>
    </message>
    <message>
        <source>F11 : plein écran</source>
        <translation>F11: ملء الشاشة</translation>
    </message>
    <message>
        <source>Ctrl+O, Ctrl+S : ouvrir, enregistrer un réglage</source>
        <translation>Ctrl+O، Ctrl+S: فتح إعداد، حفظ إعداد</translation>
    </message>
    <message>
        <source>Ctrl+Q : quitter</source>
        <translation>Ctrl+Q: خروج</translation>
    </message>
    <message>
        <source>Alt + lettre soulignée : menus et boutons</source>
        <translation>Alt + الحرف المسطَّر: القوائم والأزرار</translation>
    </message>
    <message>
        <source>Tab, flèches, Entrée, Échap : dans les panneaux</source>
        <translation>Tab، الأسهم، Enter، Esc: داخل اللوحات</translation>
    </message>
    <message>
        <source>Espace et Origine agissent dans chaque fenêtre, sauf dans un champ en cours de saisie</source>
        <translation>يعمل مفتاح المسافة و Home في كل نافذة، إلا في حقل قيد الكتابة</translation>
    </message>
    <message>
        <source>Raccourcis clavier</source>
        <translation>اختصارات لوحة المفاتيح</translation>
    </message>
</context>
<context>
    <name>vireflu::AnimationExport</name>
    <message>
        <source>Exporter l&apos;animation</source>
        <translation>تصدير الرسم المتحرك</translation>
    </message>
    <message>
        <source>Images GIF (*.gif)</source>
        <translation>صور GIF (*.gif)</translation>
    </message>
    <message>
        <source>L&apos;animation n&apos;a pas pu être enregistrée : %1.</source>
        <translation>تعذّر حفظ الرسم المتحرك: %1.</translation>
    </message>
    <message>
        <source>Exportation de l&apos;animation...</source>
        <translation>جارٍ تصدير الرسم المتحرك...</translation>
    </message>
    <message>
        <source>Annuler</source>
        <translation>إلغاء</translation>
    </message>
    <message>
        <source>Exportation annulée : aucun fichier n&apos;a été écrit.</source>
        <translation>أُلغي التصدير: لم يُكتب أي ملف.</translation>
    </message>
    <message>
        <source>L&apos;animation n&apos;a pas pu être enregistrée : ses images ont plus de 256 couleurs.</source>
        <translation>تعذّر حفظ الرسم المتحرك: صوره تحتوي على أكثر من 256 لونًا.</translation>
    </message>
    <message>
        <source>Aucune animation à exporter : aucun enroulement n&apos;est alimenté en « sinus » ou « rectangulaire » au-dessus de 0 Hz.</source>
        <translation>لا يوجد رسم متحرك للتصدير: لا يُغذّى أي ملف بتيار «جيبي» أو «مستطيل» بتردد أعلى من 0 Hz.</translation>
    </message>
</context>
<context>
    <name>vireflu::CAboutBox</name>
    <message>
        <source>OK</source>
        <translation>موافق</translation>
    </message>
</context>
<context>
    <name>vireflu::CMachineView</name>
    <message>
        <source>Coupe de la machine</source>
        <translation>المقطع العرضي للآلة</translation>
    </message>
</context>
<context>
    <name>vireflu::CMainWindow</name>
    <message>
        <source>Ouverts &amp;récemment</source>
        <translation>المفتوحة &amp;مؤخرًا</translation>
    </message>
    <message>
        <source>Panneaux à côté</source>
        <translation>اللوحات على الجانب</translation>
    </message>
    <message>
        <source>Disposition initiale</source>
        <translation>الترتيب الابتدائي</translation>
    </message>
    <message>
        <source>Leçon</source>
        <translation>درس</translation>
    </message>
</context>
<context>
    <name>vireflu::CMeasuresPanel</name>
    <message>
        <source>Mesures</source>
        <translation>القياسات</translation>
    </message>
    <message>
        <source>Force magnétomotrice le long de l&apos;entrefer, de 0 à 360°.</source>
        <translation>القوة الدافعة المغناطيسية على طول الثغرة الهوائية، من 0 إلى 360°.</translation>
    </message>
    <message>
        <source>Deux champs tournants</source>
        <translation>مجالان دواران</translation>
    </message>
    <message>
        <source>Dessine les champs direct (bleu) et inverse (orange) dans la coupe.</source>
        <translation>يرسم المجال الموجب (أزرق) والمجال السالب (برتقالي) في المقطع.</translation>
    </message>
</context>
<context>
    <name>vireflu::LessonPanel</name>
    <message>
        <source>Répondre</source>
        <translation>إجابة</translation>
    </message>
    <message>
        <source>Montrer</source>
        <translation>إظهار</translation>
    </message>
    <message>
        <source>Recommencer</source>
        <translation>البدء من جديد</translation>
    </message>
    <message>
        <source>Bonne prédiction.</source>
        <translation>توقّع صحيح.</translation>
    </message>
    <message>
        <source>Ce n&apos;est pas ce qui se passe.</source>
        <translation>ليس هذا ما يحدث.</translation>
    </message>
    <message>
        <source>Essayez :</source>
        <translation>جرّب:</translation>
    </message>
</context>
<context>
    <name>vireflu::SetupFiles</name>
    <message>
        <source>Réglages Vireflu (*.vireflu)</source>
        <translation>إعدادات Vireflu (*.vireflu)</translation>
    </message>
    <message>
        <source>Ouvrir un réglage</source>
        <translation>فتح إعداد</translation>
    </message>
    <message>
        <source>Le réglage %1 n&apos;a pas pu être lu : %2.</source>
        <translation>تعذّرت قراءة الإعداد %1: %2.</translation>
    </message>
    <message>
        <source>%1 n&apos;a pas été ouvert.</source>
        <translation>لم يُفتح %1.</translation>
    </message>
    <message>
        <source>Enregistrer le réglage</source>
        <translation>حفظ الإعداد</translation>
    </message>
    <message>
        <source>Le réglage n&apos;a pas pu être enregistré : %1.</source>
        <translation>تعذّر حفظ الإعداد: %1.</translation>
    </message>
</context>
</TS>
