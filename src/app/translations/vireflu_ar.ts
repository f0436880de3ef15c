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
    <message>
        <source>OK</source>
        <translation>موافق</translation>
    </message>
</context>
<context>
    <name>Animation</name>
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
    <name>Annotations</name>
    <message>
        <source>↑ horaire</source>
        <translation>↑ مع عقارب الساعة</translation>
    </message>
    <message>
        <source>↓ antihoraire</source>
        <translation>↓ عكس عقارب الساعة</translation>
    </message>
    <message>
        <source>après votre réponse</source>
        <translation>بعد إجابتك</translation>
    </message>
    <message>
        <source>f.m.m.</source>
        <translation>ق.د.م</translation>
    </message>
</context>
<context>
    <name>Answers</name>
    <message>
        <source>Le journal de réponses %1 n&apos;a pas pu être lu : %2.</source>
        <translation>تعذّرت قراءة سجل الإجابات %1: %2.</translation>
    </message>
    <message>
        <source>Mes réponses</source>
        <translation>إجاباتي</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>التاريخ</translation>
    </message>
    <message>
        <source>Leçon</source>
        <translation>الدرس</translation>
    </message>
    <message>
        <source>Réponse</source>
        <translation>الإجابة</translation>
    </message>
    <message>
        <source>Résultat</source>
        <translation>النتيجة</translation>
    </message>
    <message>
        <source>Secondes</source>
        <translation>الثواني</translation>
    </message>
    <message>
        <source>juste</source>
        <translation>صحيحة</translation>
    </message>
    <message>
        <source>faux</source>
        <translation>خاطئة</translation>
    </message>
    <message>
        <source>Exporter en CSV</source>
        <translation>تصدير بصيغة CSV</translation>
    </message>
    <message>
        <source>Exporter en JSON</source>
        <translation>تصدير بصيغة JSON</translation>
    </message>
    <message>
        <source>Effacer</source>
        <translation>مسح</translation>
    </message>
    <message>
        <source>Effacer toutes les réponses ? Elles ne pourront pas être retrouvées.</source>
        <translation>أتمسح كل الإجابات؟ لن يمكن استرجاعها.</translation>
    </message>
    <message>
        <source>Aucune réponse pour l&apos;instant.</source>
        <translation>لا توجد إجابات بعد.</translation>
    </message>
    <message>
        <source>Ce navigateur ne garde pas les réponses : elles seront perdues à la fermeture de la page.</source>
        <translation>هذا المتصفح لا يحفظ الإجابات: ستضيع عند إغلاق الصفحة.</translation>
    </message>
    <message>
        <source>Exporter en CSV...</source>
        <translation>تصدير بصيغة CSV...</translation>
    </message>
    <message>
        <source>Exporter en JSON...</source>
        <translation>تصدير بصيغة JSON...</translation>
    </message>
    <message>
        <source>Tableur CSV (*.csv)</source>
        <translation>جدول CSV (*.csv)</translation>
    </message>
    <message>
        <source>Journal de réponses (*.json)</source>
        <translation>سجل الإجابات (*.json)</translation>
    </message>
    <message>
        <source>Les réponses n&apos;ont pas pu être exportées : %1.</source>
        <translation>تعذّر تصدير الإجابات: %1.</translation>
    </message>
    <message>
        <source>Les réponses n&apos;ont pas pu être effacées.</source>
        <translation>تعذّر مسح الإجابات.</translation>
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
    <name>Conventions</name>
    <message>
        <source>Le courant d&apos;une phase vaut sin(ωt + angle) : l&apos;angle est une avance.</source>
        <translation>تيار الطور يساوي ⁦sin(ωt + الزاوية)⁩: الزاوية تقدُّم.</translation>
    </message>
    <message>
        <source>Séquence directe : les phases culminent dans l&apos;ordre 1, 2, 3, soit les angles 0/240/120 ; son champ tourne dans le sens antihoraire.</source>
        <translation>التتابع المباشر: تبلغ الأطوار ذروتها بالترتيب 1، 2، 3، أي الزوايا ⁦0/240/120⁩؛ ويدور مجاله عكس اتجاه عقارب الساعة.</translation>
    </message>
    <message>
        <source>Séquence inverse : 0/120/240, l&apos;ordre 1, 3, 2 ; son champ tourne dans le sens horaire.</source>
        <translation>التتابع العكسي: ⁦0/120/240⁩، بالترتيب 1، 3، 2؛ ويدور مجاله في اتجاه عقارب الساعة.</translation>
    </message>
    <message>
        <source>Vitesses, glissements, angles et couples sont positifs dans le sens antihoraire, celui où tourne le rotor pour une fréquence de rotation positive.</source>
        <translation>السرعات والانزلاقات والزوايا والعزوم موجبة عكس اتجاه عقارب الساعة، وهو الاتجاه الذي يدور فيه العضو الدوار عند تردد دوران موجب.</translation>
    </message>
    <message>
        <source>Glissement g = (ns - n) / ns avec les vitesses signées : 0 au synchronisme, 1 à l&apos;arrêt, plus de 1 contre le champ.</source>
        <translation>الانزلاق ⁦g = (ns - n) / ns⁩ بالسرعات ذات الإشارة: 0 عند التزامن، 1 عند التوقف، أكثر من 1 عكس المجال.</translation>
    </message>
    <message>
        <source>La barre de couple monte pour un couple horaire et descend pour un couple antihoraire.</source>
        <translation>يرتفع شريط العزم لعزم في اتجاه عقارب الساعة وينخفض لعزم عكس اتجاه عقارب الساعة.</translation>
    </message>
    <message>
        <source>L&apos;harmonique n des courants fait un champ qui tourne n fois plus vite que le fondamental : 5 et 11 contre lui, 7 et 13 avec lui.</source>
        <translation>التوافقية n للتيارات تُنشئ مجالًا يدور أسرع من الأساسي n مرة: 5 و11 عكسه، و7 و13 معه.</translation>
    </message>
    <message>
        <source>Conventions de signe</source>
        <translation>اصطلاحات الإشارة</translation>
    </message>
</context>
<context>
    <name>Course</name>
    <message>
        <source>Ouvrir un parcours</source>
        <translation>فتح مسار</translation>
    </message>
    <message>
        <source>Parcours Vireflu (*.json)</source>
        <translation>مسارات Vireflu (*.json)</translation>
    </message>
    <message>
        <source>Composez ou ouvrez d&apos;abord un parcours.</source>
        <translation>أنشئ مسارًا أو افتحه أولًا.</translation>
    </message>
    <message>
        <source>Parcours terminé : %1</source>
        <translation>انتهى المسار: %1</translation>
    </message>
    <message>
        <source>Bonnes réponses : %1 sur %2 (%3 %).</source>
        <translation>الإجابات الصحيحة: %1 من %2 (%3 %).</translation>
    </message>
    <message>
        <source>Réussi (note de passage : %1 %).</source>
        <translation>ناجح (درجة النجاح: %1 %).</translation>
    </message>
    <message>
        <source>Pas encore réussi (note de passage : %1 %).</source>
        <translation>لم ينجح بعد (درجة النجاح: %1 %).</translation>
    </message>
    <message>
        <source>%1 : sans réponse</source>
        <translation>%1: بلا إجابة</translation>
    </message>
    <message>
        <source>%1 : juste</source>
        <translation>%1: صحيحة</translation>
    </message>
    <message>
        <source>%1 : faux</source>
        <translation>%1: خاطئة</translation>
    </message>
    <message>
        <source>Composer un parcours</source>
        <translation>إنشاء مسار</translation>
    </message>
    <message>
        <source>Titre</source>
        <translation>العنوان</translation>
    </message>
    <message>
        <source>Note de passage (%)</source>
        <translation>درجة النجاح (%)</translation>
    </message>
    <message>
        <source>Leçons de Vireflu</source>
        <translation>دروس Vireflu</translation>
    </message>
    <message>
        <source>Ajouter</source>
        <translation>إضافة</translation>
    </message>
    <message>
        <source>Ajouter une leçon de fichier...</source>
        <translation>إضافة درس من ملف...</translation>
    </message>
    <message>
        <source>Leçons du parcours</source>
        <translation>دروس المسار</translation>
    </message>
    <message>
        <source>Monter</source>
        <translation>إلى الأعلى</translation>
    </message>
    <message>
        <source>Descendre</source>
        <translation>إلى الأسفل</translation>
    </message>
    <message>
        <source>Retirer</source>
        <translation>إزالة</translation>
    </message>
    <message>
        <source>Commencer</source>
        <translation>ابدأ</translation>
    </message>
    <message>
        <source>Enregistrer...</source>
        <translation>حفظ...</translation>
    </message>
    <message>
        <source>Copier le lien</source>
        <translation>نسخ الرابط</translation>
    </message>
    <message>
        <source>Exporter pour une plateforme (SCORM)...</source>
        <translation>تصدير لمنصة تعليمية (SCORM)...</translation>
    </message>
    <message>
        <source>aucune</source>
        <translation>لا شيء</translation>
    </message>
    <message>
        <source>Le parcours %1 n&apos;a pas pu être lu : %2.</source>
        <translation>تعذّرت قراءة المسار %1: %2.</translation>
    </message>
    <message>
        <source>Enregistrer le parcours</source>
        <translation>حفظ المسار</translation>
    </message>
    <message>
        <source>Le parcours n&apos;a pas pu être enregistré : %1.</source>
        <translation>تعذّر حفظ المسار: %1.</translation>
    </message>
    <message>
        <source>La page de Vireflu (vireflu.html) est introuvable : construisez-la avec « make web ».</source>
        <translation>صفحة Vireflu (vireflu.html) غير موجودة: أنشئها بالأمر «make web».</translation>
    </message>
    <message>
        <source>%1 n&apos;a pas pu être lue comme la page de Vireflu.</source>
        <translation>تعذّرت قراءة %1 بوصفها صفحة Vireflu.</translation>
    </message>
    <message>
        <source>Exporter pour une plateforme (SCORM)</source>
        <translation>تصدير لمنصة تعليمية (SCORM)</translation>
    </message>
    <message>
        <source>Paquet SCORM (*.zip)</source>
        <translation>حزمة SCORM (*.zip)</translation>
    </message>
    <message>
        <source>Le paquet n&apos;a pas pu être enregistré : %1.</source>
        <translation>تعذّر حفظ الحزمة: %1.</translation>
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
    <name>Files</name>
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
<context>
    <name>Lesson</name>
    <message>
        <source>%1 tr/min</source>
        <translation>⁦%1 دورة/دقيقة⁩</translation>
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
        <source>Le champ d&apos;une phase</source>
        <translation>مجال طور واحد</translation>
    </message>
    <message>
        <source>Une seule phase</source>
        <translation>طور واحد فقط</translation>
    </message>
    <message>
        <source>Quand l&apos;horloge tourne, que fait le champ ?</source>
        <translation>عندما تعمل الساعة، ماذا يفعل المجال؟</translation>
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
        <source>Que fait le champ résultant ?</source>
        <translation>ماذا يفعل المجال المحصل؟</translation>
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
        <source>Dans quel sens tourne le champ ?</source>
        <translation>في أي اتجاه يدور المجال؟</translation>
    </message>
    <message>
        <source>remettez 120° et 240° dans le panneau Stator et comparez.</source>
        <translation>أعد 120° و240° في لوحة العضو الثابت وقارن.</translation>
    </message>
    <message>
        <source>Que fait le champ ?</source>
        <translation>ماذا يفعل المجال؟</translation>
    </message>
    <message>
        <source>Deux phases à 90°</source>
        <translation>طوران بزاوية 90°</translation>
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
        <source>Quelle est la vitesse de synchronisme du champ ?</source>
        <translation>ما السرعة التزامنية للمجال؟</translation>
    </message>
    <message>
        <source>ouvrez la fenêtre « Mesures » et changez la fréquence dans le panneau Stator.</source>
        <translation>افتح نافذة «القياسات» وغيّر التردد في لوحة العضو الثابت.</translation>
    </message>
    <message>
        <source>+3000 tr/min</source>
        <translation>⁦+3000 دورة/دقيقة⁩</translation>
    </message>
    <message>
        <source>+1500 tr/min</source>
        <translation>⁦+1500 دورة/دقيقة⁩</translation>
    </message>
    <message>
        <source>-1500 tr/min</source>
        <translation>⁦-1500 دورة/دقيقة⁩</translation>
    </message>
    <message>
        <source>+750 tr/min</source>
        <translation>⁦+750 دورة/دقيقة⁩</translation>
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
        <source>Sur une période, dans quel sens le couple moyen pousse-t-il le rotor ?</source>
        <translation>خلال زمن دوري واحد، في أي اتجاه يدفع متوسط عزم الدوران العضو الدوار؟</translation>
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
        <source>Quel est le glissement g = (ns - n) / ns ?</source>
        <translation>ما قيمة الانزلاق g = (ns - n) / ns؟</translation>
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
        <translation>⁦-1⁩</translation>
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
        <source>Quel est le glissement ?</source>
        <translation>ما قيمة الانزلاق؟</translation>
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
        <source>Quelle est la fréquence des courants induits dans le rotor ?</source>
        <translation>ما تردد التيارات المستحثة في العضو الدوار؟</translation>
    </message>
    <message>
        <source>50 Hz</source>
        <translation>⁦50 Hz⁩</translation>
    </message>
    <message>
        <source>48 Hz</source>
        <translation>⁦48 Hz⁩</translation>
    </message>
    <message>
        <source>2 Hz</source>
        <translation>⁦2 Hz⁩</translation>
    </message>
    <message>
        <source>0 Hz</source>
        <translation>⁦0 Hz⁩</translation>
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
        <source>Dans quel sens tourne le champ de l&apos;harmonique 5 ?</source>
        <translation>في أي اتجاه يدور مجال التوافقية 5؟</translation>
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
    <message>
        <source>%1 Hz</source>
        <translation>⁦%1 Hz⁩</translation>
    </message>
    <message>
        <source>Vitesses, glissements, angles et couples sont comptés positifs dans le sens antihoraire, celui où tourne le rotor pour une fréquence de rotation positive.</source>
        <translation>تُحسب السرعات والانزلاقات والزوايا والعزوم موجبةً عكس اتجاه عقارب الساعة، وهو الاتجاه الذي يدور فيه العضو الدوار عند تردد دوران موجب.</translation>
    </message>
    <message>
        <source>La barre de couple monte quand le couple pousse le rotor dans le sens horaire et descend quand il le pousse dans le sens antihoraire.</source>
        <translation>يرتفع شريط العزم عندما يدفع العزم العضو الدوار في اتجاه عقارب الساعة، وينخفض عندما يدفعه عكس اتجاه عقارب الساعة.</translation>
    </message>
    <message>
        <source>Les courants du rotor ont une fréquence de %1 (%2 × %3)</source>
        <translation>تردد تيارات العضو الدوار %1 (⁦%2 × %3⁩)</translation>
    </message>
    <message>
        <source>L&apos;harmonique %1 (%2 % du fondamental) tourne %3 à %4, %1 fois la vitesse du fondamental</source>
        <translation>التوافقية %1 (%2 في المئة من الأساسية) تدور %3 بسرعة %4، أي %1 أضعاف سرعة الأساسية</translation>
    </message>
    <message>
        <source>Une seule bobine du stator est alimentée par un courant sinusoïdal de {frequency}. La flèche rouge montre le champ dans l&apos;entrefer.</source>
        <translation>يُغذّى ملف واحد فقط من ملفات العضو الثابت بتيار جيبي تردده {frequency}. ويبيّن السهم الأحمر المجال في الثغرة الهوائية.</translation>
    </message>
    <message>
        <source>Le champ d&apos;une bobine reste sur son axe : il grandit, s&apos;annule et change de signe avec le courant. Il se décompose en deux moitiés égales qui tournent en sens opposés, chacune à {field-speed}.</source>
        <translation>يبقى مجال الملف على محوره: يكبر وينعدم ويغيّر إشارته مع التيار. ويتحلل إلى نصفين متساويين يدوران في اتجاهين متعاكسين، كلٌّ منهما بسرعة {field-speed}.</translation>
    </message>
    <message>
        <source>Une bobine seule ne fait un champ que sur son axe : la flèche rouge ne quitte pas cet axe, elle change seulement de longueur et de signe. Regardez-la pendant une période.</source>
        <translation>لا يُنشئ الملف وحده مجالًا إلا على محوره: لا يغادر السهم الأحمر هذا المحور، بل يتغير طوله وإشارته فقط. راقبه خلال زمن دوري واحد.</translation>
    </message>
    <message>
        <source>Les trois bobines du stator, décalées de 120° dans l&apos;espace, sont alimentées à {frequency} par des courants d&apos;angles {stator-angles}. Un angle est une avance : le courant de la phase vaut sin(ωt + angle).</source>
        <translation>تُغذّى ملفات العضو الثابت الثلاثة، المزاحة بزاوية 120° في الفضاء، بتردد {frequency} بتيارات زواياها ⁦{stator-angles}⁩. الزاوية تقدّم: تيار الطور يساوي ⁦sin(ωt + الزاوية)⁩.</translation>
    </message>
    <message>
        <source>Les trois champs pulsants s&apos;ajoutent en un champ de longueur constante qui fait un tour par période : {field-speed}. Il passe d&apos;une bobine à la suivante dans l&apos;ordre où leurs courants culminent : la phase 1, puis la 3, en retard de 120°, puis la 2. C&apos;est la séquence inverse, et le champ tourne {field-sense}.</source>
        <translation>تتجمع المجالات النابضة الثلاثة في مجال ثابت الطول يدور دورة واحدة في كل زمن دوري: {field-speed}. وينتقل من ملف إلى الملف التالي بالترتيب الذي تبلغ به تياراتها قيمتها العظمى: الطور 1، ثم الطور 3، المتأخر بزاوية 120°، ثم الطور 2. هذا هو التتابع العكسي، ويدور المجال {field-sense}.</translation>
    </message>
    <message>
        <source>Les angles semblent donner l&apos;ordre 1, 2, 3, mais ce sont des avances : la phase 3, en avance de 240°, c&apos;est-à-dire en retard de 120°, culmine avant la phase 2. Regardez dans le panneau Stator quel courant culmine juste après celui de la phase 1.</source>
        <translation>تبدو الزوايا كأنها تعطي الترتيب 1، 2، 3، لكنها زوايا تقدّم: الطور 3، المتقدم بزاوية 240°، أي المتأخر بزاوية 120°، يبلغ قيمته العظمى قبل الطور 2. انظر في لوحة العضو الثابت أي تيار يبلغ قيمته العظمى مباشرة بعد تيار الطور 1.</translation>
    </message>
    <message>
        <source>Chaque bobine seule fait un champ pulsant, mais trois champs pulsants décalés dans l&apos;espace et dans le temps s&apos;ajoutent en un champ de longueur constante. Regardez la longueur de la flèche rouge.</source>
        <translation>كل ملف وحده يُنشئ مجالًا نابضًا، لكن ثلاثة مجالات نابضة مزاحة في الفضاء وفي الزمن تتجمع في مجال ثابت الطول. راقب طول السهم الأحمر.</translation>
    </message>
    <message>
        <source>Le même stator triphasé, mais les courants des phases 2 et 3 ont été échangés : leurs angles sont maintenant {stator-angles}.</source>
        <translation>العضو الثابت الثلاثي الطور نفسه، لكن تياري الطورين 2 و3 تبادلا: أصبحت الزوايا الآن ⁦{stator-angles}⁩.</translation>
    </message>
    <message>
        <source>Les courants culminent maintenant dans l&apos;ordre 1, 2, 3 au lieu de 1, 3, 2 : c&apos;est la séquence directe. Le champ, qui va d&apos;une bobine à celle dont le courant culmine ensuite, tourne {field-sense}, toujours à {field-speed}. C&apos;est ainsi qu&apos;on inverse le sens d&apos;un moteur triphasé : on échange deux de ses fils.</source>
        <translation>تبلغ التيارات الآن قيمتها العظمى بالترتيب 1، 2، 3 بدلًا من 1، 3، 2: هذا هو التتابع المباشر. والمجال، الذي ينتقل من ملف إلى الملف الذي يبلغ تياره قيمته العظمى بعده، يدور {field-sense}، دائمًا بسرعة {field-speed}. وهكذا يُعكس اتجاه دوران محرك ثلاثي الطور: بتبديل سلكين من أسلاكه.</translation>
    </message>
    <message>
        <source>C&apos;était le sens de la leçon précédente. Échanger deux phases change l&apos;ordre dans lequel les courants culminent, et le champ suit cet ordre.</source>
        <translation>كان هذا اتجاه الدرس السابق. تبديل طورين يغيّر الترتيب الذي تبلغ به التيارات قيمتها العظمى، والمجال يتبع هذا الترتيب.</translation>
    </message>
    <message>
        <source>Deux bobines à angle droit sont alimentées par des courants décalés de 90° dans le temps, d&apos;angles {stator-angles} : la bobine 2, en avance, atteint son maximum un quart de période avant la bobine 1.</source>
        <translation>يُغذّى ملفان متعامدان بتيارين مزاحين بزاوية 90° في الزمن، زاويتاهما ⁦{stator-angles}⁩: الملف 2، المتقدم، يبلغ قيمته العظمى قبل الملف 1 بربع زمن دوري.</translation>
    </message>
    <message>
        <source>Deux bobines en quadrature, avec des courants en quadrature, suffisent à faire un champ tournant de longueur constante, ici {field-sense} à {field-speed}. Il va de la bobine dont le courant est en avance vers l&apos;autre. C&apos;est le principe des moteurs monophasés à condensateur.</source>
        <translation>يكفي ملفان متعامدان، يمر فيهما تياران متعامدان زمنيًا، لإنشاء مجال دوار ثابت الطول، يدور هنا {field-sense} بسرعة {field-speed}. وهو ينتقل من الملف المتقدم تياره نحو الملف الآخر. هذا هو مبدأ المحركات أحادية الطور ذات المكثف.</translation>
    </message>
    <message>
        <source>La bobine 2 est bien à 90° de la bobine 1, mais son courant est en avance : le champ part d&apos;elle et va vers la bobine 1.</source>
        <translation>الملف 2 يقع فعلًا على بعد 90° من الملف 1، لكن تياره متقدم: ينطلق المجال منه ويتجه نحو الملف 1.</translation>
    </message>
    <message>
        <source>Le stator triphasé à une paire de pôles est alimenté à {frequency}, avec les angles {stator-angles}. {convention}</source>
        <translation>يُغذّى العضو الثابت الثلاثي الطور ذو زوج الأقطاب الواحد بتردد {frequency}، بالزوايا ⁦{stator-angles}⁩. {convention}</translation>
    </message>
    <message>
        <source>Le champ fait un tour par période du courant : n = 60 f / p, soit {field-speed} avec une paire de pôles à {frequency}. Les angles {stator-angles} forment la séquence directe, qui le fait tourner {field-sense} : la vitesse signée vaut {field-signed-speed}.</source>
        <translation>يدور المجال دورة واحدة في كل زمن دوري للتيار: ⁦n = 60 f / p⁩، أي {field-speed} بزوج أقطاب واحد عند {frequency}. وتشكّل الزوايا ⁦{stator-angles}⁩ التتابع المباشر، الذي يجعله يدور {field-sense}: السرعة ذات الإشارة تساوي {field-signed-speed}.</translation>
    </message>
    <message>
        <source>C&apos;est la vitesse d&apos;un réseau européen. La vitesse de synchronisme suit la fréquence : n = 60 f / p, avec ici f = {frequency}.</source>
        <translation>هذه سرعة شبكة أوروبية. السرعة التزامنية تتبع التردد: ⁦n = 60 f / p⁩، وهنا ⁦f = {frequency}⁩.</translation>
    </message>
    <message>
        <source>La valeur est juste, pas le signe. {convention}</source>
        <translation>القيمة صحيحة، لكن الإشارة خاطئة. {convention}</translation>
    </message>
    <message>
        <source>Un courant constant fait un champ constant, fixe sur l&apos;axe de la bobine : rien ne tourne tant que le rotor ne tourne pas. C&apos;est le champ de l&apos;inducteur d&apos;une machine synchrone, ou d&apos;un aimant.</source>
        <translation>التيار الثابت يُنشئ مجالًا ثابتًا، مثبتًا على محور الملف: لا شيء يدور ما دام العضو الدوار ساكنًا. إنه مجال ملف الإثارة في آلة تزامنية، أو مجال مغناطيس.</translation>
    </message>
    <message>
        <source>Le champ du stator tourne {field-sense} à {field-speed}. Le rotor, alimenté en continu, tourne {rotor-sense} à {rotor-speed}, son champ en retard de 60° sur celui du stator. La barre à gauche montre le couple.</source>
        <translation>يدور مجال العضو الثابت {field-sense} بسرعة {field-speed}. والعضو الدوار، المغذّى بتيار مستمر، يدور {rotor-sense} بسرعة {rotor-speed}، ومجاله متأخر بزاوية 60° عن مجال العضو الثابت. ويبيّن الشريط على اليسار عزم الدوران.</translation>
    </message>
    <message>
        <source>Au synchronisme les deux champs tournent ensemble : leur angle reste fixe, donc le couple aussi, {mean-torque}. Le champ du stator, en avance, tire celui du rotor dans le sens de rotation : la machine est motrice. {torque-bar}</source>
        <translation>عند التزامن يدور المجالان معًا: تبقى الزاوية بينهما ثابتة، وكذلك عزم الدوران، ⁦{mean-torque}⁩. ومجال العضو الثابت، المتقدم، يجذب مجال العضو الدوار في اتجاه الدوران: الآلة تعمل محركًا. {torque-bar}</translation>
    </message>
    <message>
        <source>Le champ du rotor est en retard sur celui du stator : le stator le tire en avant, dans le sens de rotation, comme un aimant en entraîne un autre.</source>
        <translation>مجال العضو الدوار متأخر عن مجال العضو الثابت: يجذبه العضو الثابت إلى الأمام، في اتجاه الدوران، كما يجرّ مغناطيسٌ مغناطيسًا آخر.</translation>
    </message>
    <message>
        <source>Au synchronisme l&apos;angle entre les deux champs reste fixe : le couple ne change pas de signe, sa moyenne n&apos;est donc pas nulle. Regardez la barre de couple.</source>
        <translation>عند التزامن تبقى الزاوية بين المجالين ثابتة: لا يغيّر عزم الدوران إشارته، فمتوسطه إذن ليس صفرًا. راقب شريط العزم.</translation>
    </message>
    <message>
        <source>Le couple vaut le produit des deux champs par le sinus de leur angle. Il est nul quand ils sont alignés (0° ou 180°) et le plus grand à angle droit. À 270°, le champ du stator est en avance de 90° sur celui du rotor et le tire en avant : le couple positif est le plus grand.</source>
        <translation>عزم الدوران هو حاصل ضرب المجالين في جيب الزاوية بينهما. يكون صفرًا عندما يكونان على استقامة واحدة (0° أو 180°) وأكبر ما يكون عندما يتعامدان. عند 270°، يتقدم مجال العضو الثابت على مجال العضو الدوار بزاوية 90° ويجذبه إلى الأمام: يبلغ العزم الموجب أقصاه.</translation>
    </message>
    <message>
        <source>mettez la position initiale à 90° puis à 270° avec le curseur du panneau Rotor et comparez les barres de couple. {torque-bar}</source>
        <translation>اجعل الموضع الابتدائي 90° ثم 270° بمنزلق لوحة العضو الدوار وقارن أشرطة العزم. {torque-bar}</translation>
    </message>
    <message>
        <source>Le champ du stator tourne {field-sense} à {field-speed}. Une machine extérieure entraîne le rotor {rotor-sense}, à {rotor-speed}. {convention}</source>
        <translation>يدور مجال العضو الثابت {field-sense} بسرعة {field-speed}. وتُدير آلةٌ خارجية العضو الدوار {rotor-sense}، بسرعة {rotor-speed}. {convention}</translation>
    </message>
    <message>
        <source>Avec les vitesses signées, ns = {field-signed-speed} et n = {rotor-signed-speed} : g = {slip}. Un glissement supérieur à 1 veut dire que le rotor tourne contre le champ : la machine freine (freinage par contre-courant) et les courants induits dans le rotor ont une fréquence de {rotor-frequency}.</source>
        <translation>بالسرعات ذات الإشارة: ⁦ns = {field-signed-speed}⁩ و⁦n = {rotor-signed-speed}⁩، ومنه ⁦g = {slip}⁩. الانزلاق الأكبر من 1 يعني أن العضو الدوار يدور عكس المجال: الآلة تكبح (الكبح بعكس التيار)، وتردد التيارات المستحثة في العضو الدوار {rotor-frequency}.</translation>
    </message>
    <message>
        <source>ouvrez la fenêtre « Mesures » et lisez la fréquence rotorique.</source>
        <translation>افتح نافذة «القياسات» واقرأ تردد العضو الدوار.</translation>
    </message>
    <message>
        <source>Un glissement nul voudrait dire que le rotor suit le champ ; ici il tourne en sens inverse. Prenez les vitesses avec leur signe.</source>
        <translation>الانزلاق الصفري يعني أن العضو الدوار يتبع المجال؛ أما هنا فهو يدور في الاتجاه المعاكس. خذ السرعات بإشاراتها.</translation>
    </message>
    <message>
        <source>Un moteur asynchrone : le champ du stator tourne {field-sense} à {field-speed}, le rotor le suit à {rotor-speed}.</source>
        <translation>محرك لاتزامني: يدور مجال العضو الثابت {field-sense} بسرعة {field-speed}، ويتبعه العضو الدوار بسرعة {rotor-speed}.</translation>
    </message>
    <message>
        <source>g = (ns - n) / ns = {slip} : le rotor glisse un peu derrière le champ, de {slip-speed}. Dans un moteur asynchrone, c&apos;est ce retard qui induit des courants dans les barres du rotor et donc le couple ; au synchronisme exact, plus rien n&apos;est induit. Ici le rotor est entraîné à vitesse imposée, sans courant.</source>
        <translation>⁦g = (ns - n) / ns = {slip}⁩: ينزلق العضو الدوار قليلًا خلف المجال، بفارق {slip-speed}. في المحرك اللاتزامني، هذا التأخر هو الذي يستحث تيارات في قضبان العضو الدوار ومن ثمّ عزم الدوران؛ وعند التزامن التام لا يُستحث شيء. هنا يُدار العضو الدوار بسرعة مفروضة، دون تيار.</translation>
    </message>
    <message>
        <source>donnez au rotor une rotation de {frequency}, celle du réseau : le glissement devient nul.</source>
        <translation>أعطِ العضو الدوار تردد دوران {frequency}، وهو تردد الشبكة: يصبح الانزلاق صفرًا.</translation>
    </message>
    <message>
        <source>C&apos;est n / ns, le rapport des deux vitesses. Le glissement est l&apos;écart entre elles rapporté à la vitesse du champ : g = (ns - n) / ns.</source>
        <translation>هذا هو ⁦n / ns⁩، النسبة بين السرعتين. أما الانزلاق فهو الفرق بينهما منسوبًا إلى سرعة المجال: ⁦g = (ns - n) / ns⁩.</translation>
    </message>
    <message>
        <source>Le même moteur : champ {field-sense} à {field-speed}, rotor à {rotor-speed}, alimentation à {frequency}. Le rotor voit le champ défiler lentement.</source>
        <translation>المحرك نفسه: المجال {field-sense} بسرعة {field-speed}، والعضو الدوار بسرعة {rotor-speed}، والتغذية بتردد {frequency}. يرى العضو الدوار المجال يمر ببطء.</translation>
    </message>
    <message>
        <source>Le champ dépasse le rotor de {slip-speed} : les courants du rotor ont la fréquence g f = {slip} × {frequency} = {rotor-frequency}. À l&apos;arrêt, ils auraient celle du réseau.</source>
        <translation>يسبق المجال العضو الدوار بفارق {slip-speed}: تردد تيارات العضو الدوار هو ⁦g f = {slip} × {frequency} = {rotor-frequency}⁩. وعند السكون يكون ترددها تردد الشبكة.</translation>
    </message>
    <message>
        <source>alimentez le rotor en triphasé à {rotor-frequency} avec les angles {stator-angles} : son champ tourne avec celui du stator.</source>
        <translation>غذِّ العضو الدوار بتيار ثلاثي الطور بتردد {rotor-frequency} بالزوايا ⁦{stator-angles}⁩: يدور مجاله مع مجال العضو الثابت.</translation>
    </message>
    <message>
        <source>C&apos;est la fréquence du réseau, celle que le rotor verrait à l&apos;arrêt. Il tourne presque aussi vite que le champ : il le voit passer lentement.</source>
        <translation>هذا تردد الشبكة، الذي يراه العضو الدوار وهو ساكن. إنه يدور بسرعة قريبة جدًا من سرعة المجال: فيراه يمر ببطء.</translation>
    </message>
    <message>
        <source>Un onduleur à six pas alimente le stator : ses courants en escalier contiennent le fondamental à {frequency} et des harmoniques. Ses pas se suivent dans l&apos;ordre de la séquence directe, {stator-angles}, et le fondamental fait tourner le champ {field-sense} à {field-speed}.</source>
        <translation>عاكس سداسي الخطوات يغذّي العضو الثابت: تحتوي تياراته الدرجية على الأساسية بتردد {frequency} وعلى توافقيات. وتتوالى خطواته بترتيب التتابع المباشر، ⁦{stator-angles}⁩، وتجعل الأساسيةُ المجالَ يدور {field-sense} بسرعة {field-speed}.</translation>
    </message>
    <message>
        <source>L&apos;harmonique n d&apos;un courant est décalé de n fois l&apos;angle du fondamental. Pour n = 5 : 0°, 5 × 240° = 1200° et 5 × 120° = 600°, soit 0°, 120°, 240° : la séquence inverse. Son champ tourne donc {harmonic-5-sense}, et comme ses courants alternent 5 fois plus vite, à {harmonic-5-speed}. Les harmoniques 5 et 11 tournent contre le fondamental, 7 et 13 avec lui.</source>
        <translation>التوافقية n لتيارٍ مزاحة بمقدار n ضعف زاوية الأساسية. من أجل ⁦n = 5⁩: 0°، و⁦5 × 240° = 1200°⁩، و⁦5 × 120° = 600°⁩، أي ⁦0°, 120°, 240°⁩: التتابع العكسي. لذا يدور مجالها {harmonic-5-sense}، ولأن تياراتها تتناوب أسرع بخمس مرات، فبسرعة {harmonic-5-speed}. التوافقيتان 5 و11 تدوران عكس الأساسية، و7 و13 معها.</translation>
    </message>
    <message>
        <source>ouvrez la fenêtre « Mesures » : « Vitesse des harmoniques » donne la vitesse signée du champ de chacun.</source>
        <translation>افتح نافذة «القياسات»: يعطي «سرعة التوافقيات» السرعة ذات الإشارة لمجال كل منها.</translation>
    </message>
    <message>
        <source>Le fondamental tourne dans ce sens, mais l&apos;harmonique 5 multiplie les angles par 5, ce qui inverse l&apos;ordre des phases.</source>
        <translation>تدور الأساسية في هذا الاتجاه، لكن التوافقية 5 تضرب الزوايا في 5، مما يعكس ترتيب الأطوار.</translation>
    </message>
    <message>
        <source>L&apos;harmonique n d&apos;un courant est décalé de n fois l&apos;angle du fondamental. Pour n = 7 : 0°, 7 × 240° = 1680° et 7 × 120° = 840°, soit 0°, 240°, 120° : la séquence directe. Son champ tourne donc {harmonic-7-sense}, et comme ses courants alternent 7 fois plus vite, à {harmonic-7-speed}. Les harmoniques 5 et 11 tournent contre le fondamental, 7 et 13 avec lui.</source>
        <translation>التوافقية n لتيارٍ مزاحة بمقدار n ضعف زاوية الأساسية. من أجل ⁦n = 7⁩: 0°، و⁦7 × 240° = 1680°⁩، و⁦7 × 120° = 840°⁩، أي ⁦0°, 240°, 120°⁩: التتابع المباشر. لذا يدور مجالها {harmonic-7-sense}، ولأن تياراتها تتناوب أسرع بسبع مرات، فبسرعة {harmonic-7-speed}. التوافقيتان 5 و11 تدوران عكس الأساسية، و7 و13 معها.</translation>
    </message>
    <message>
        <source>C&apos;est le sens des harmoniques 5 et 11. Pour l&apos;harmonique 7, multipliez les angles par 7 : l&apos;ordre des phases reste celui du fondamental.</source>
        <translation>هذا اتجاه التوافقيتين 5 و11. أما للتوافقية 7 فاضرب الزوايا في 7: يبقى ترتيب الأطوار هو ترتيب الأساسية.</translation>
    </message>
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
    <message>
        <source>Le facteur de bobinage vaut %1</source>
        <translation>معامل الملف يساوي %1</translation>
    </message>
    <message>
        <source>Des bobines de %1 encoches laissent le moins d&apos;harmonique 5 : %2 % du fondamental</source>
        <translation>الملفات بعرض %1 مجارٍ تترك أقل توافقية خامسة: %2 % من الأساسية</translation>
    </message>
    <message>
        <source>Les bobinages</source>
        <translation>الملفات</translation>
    </message>
    <message>
        <source>La plaque d&apos;un moteur</source>
        <translation>لوحة بيانات المحرك</translation>
    </message>
    <message>
        <source>La plaque d&apos;un moteur asynchrone indique {frequency} et {rotor-speed}. Voici son stator : {slots} encoches, alimentées avec les angles {stator-angles}, et son rotor tourne à cette vitesse. Comptez les pôles du champ dans l&apos;entrefer. {convention}</source>
        <translation>تشير لوحة بيانات محرك لاتزامني إلى {frequency} و{rotor-speed}. هذا هو عضوه الثابت: {slots} مجرى، مغذاة بالزوايا {stator-angles}، ويدور عضوه الدوار بهذه السرعة. عُدّ أقطاب المجال في الثغرة الهوائية. {convention}</translation>
    </message>
    <message>
        <source>À quelle vitesse tourne le champ ?</source>
        <translation>بأي سرعة يدور المجال؟</translation>
    </message>
    <message>
        <source>Le champ a {poles} pôles, {pole-pairs} paires : il avance d&apos;une paire de pôles par période, n = 60 f / p = {field-speed}. Le rotor suit juste en dessous, à {rotor-speed}, avec un glissement de {slip}. C&apos;est ainsi qu&apos;une plaque trahit les pôles d&apos;un moteur : sa vitesse est juste sous 60 f / p.</source>
        <translation>للمجال {poles} أقطاب، أي {pole-pairs} أزواج: يتقدم زوجًا من الأقطاب في كل دورة، n = 60 f / p = {field-speed}. ويتبعه الدوار أبطأ قليلًا، بسرعة {rotor-speed}، بانزلاق قدره {slip}. هكذا تكشف اللوحة عدد أقطاب المحرك: سرعته أقل بقليل من 60 f / p.</translation>
    </message>
    <message>
        <source>ouvrez « Bobinage » et « Mesures », puis changez les paires de pôles : la vitesse de synchronisme suit 60 f / p.</source>
        <translation>افتح «الملف» و«القياسات» ثم غيّر أزواج الأقطاب: تتبع السرعة التزامنية 60 f / p.</translation>
    </message>
    <message>
        <source>+1440 tr/min</source>
        <translation>+1440 دورة/دقيقة</translation>
    </message>
    <message>
        <source>C&apos;est 60 f, la vitesse d&apos;un champ à deux pôles. Comptez les pôles de celui-ci : n = 60 f / p.</source>
        <translation>هذه 60 f، سرعة مجال ذي قطبين. عُدّ أقطاب هذا المجال: n = 60 f / p.</translation>
    </message>
    <message>
        <source>C&apos;est la vitesse du rotor. Un moteur asynchrone tourne un peu moins vite que son champ : sans cet écart, rien n&apos;induirait de courant dans son rotor.</source>
        <translation>هذه سرعة الدوار. يدور المحرك اللاتزامني أبطأ قليلًا من مجاله: ولولا هذا الفرق لما تحرّض أي تيار في دواره.</translation>
    </message>
    <message>
        <source>Plus de pôles, un champ plus lent</source>
        <translation>أقطاب أكثر، مجال أبطأ</translation>
    </message>
    <message>
        <source>Ce stator a {pole-pairs} paires de pôles : {poles} pôles se suivent autour de l&apos;entrefer, et le champ est dessiné par {pole-pairs} flèches, une vers chaque pôle nord. Il est alimenté à {frequency} avec les angles {stator-angles}. {convention}</source>
        <translation>لهذا العضو الثابت {pole-pairs} أزواج من الأقطاب: تتتابع {poles} أقطاب حول الثغرة الهوائية، ويُرسم المجال بـ{pole-pairs} أسهم، سهم نحو كل قطب شمالي. ويُغذّى بتردد {frequency} بالزوايا {stator-angles}. {convention}</translation>
    </message>
    <message>
        <source>En une période du courant, le champ avance d&apos;une paire de pôles, soit 1/{pole-pairs} de tour : n = 60 f / p = {field-speed}, {field-sense}, soit {field-signed-speed}. À fréquence égale, plus de pôles font un champ plus lent, et un moteur plus lent mais plus fort.</source>
        <translation>في دورة واحدة للتيار يتقدم المجال زوجًا من الأقطاب، أي 1/{pole-pairs} دورة: n = 60 f / p = {field-speed}، {field-sense}، أي {field-signed-speed}. وعند التردد نفسه تعطي الأقطاب الأكثر مجالًا أبطأ ومحركًا أبطأ لكنه أقوى.</translation>
    </message>
    <message>
        <source>lancez l&apos;animation et suivez une flèche : elle fait un tour pendant que le courant fait {pole-pairs} périodes.</source>
        <translation>شغّل الحركة وتابع سهمًا واحدًا: يكمل دورة بينما يكمل التيار {pole-pairs} دورات.</translation>
    </message>
    <message>
        <source>Le pas raccourci</source>
        <translation>الخطوة المقصّرة</translation>
    </message>
    <message>
        <source>Ce stator a {slots} encoches, deux par pôle et par phase, et des bobines au pas diamétral de {full-pitch} encoches. Sa force magnétomotrice en escalier n&apos;est pas une sinusoïde : son harmonique d&apos;espace 5 vaut {space-harmonic-5-share} du fondamental. Raccourcir les bobines peut l&apos;affaiblir.</source>
        <translation>لهذا العضو الثابت {slots} مجرى، اثنان لكل قطب ولكل طور، وملفات بخطوة كاملة قدرها {full-pitch} مجارٍ. قوته الدافعة المغناطيسية الدرجية ليست جيبية: توافقيتها المكانية الخامسة تساوي {space-harmonic-5-share} من الأساسية. وتقصير الملفات قد يضعفها.</translation>
    </message>
    <message>
        <source>Quel pas de bobine, en encoches, laisse le moins d&apos;harmonique 5 par rapport au fondamental ?</source>
        <translation>أي خطوة للملف، بالمجاري، تترك أقل توافقية خامسة نسبةً إلى الأساسية؟</translation>
    </message>
    <message>
        <source>Une bobine de W encoches sur un pas diamétral de 3q filtre l&apos;harmonique n par k_p = sin(n W / 3q × 90°). À 5/6 du pas, les deux côtés se rapprochent de 30° : 150° pour l&apos;harmonique 5, dont les f.m.m. se compensent presque (k_p5 = sin 15°), quand le fondamental garde sin 75°. C&apos;est le pas des moteurs industriels.</source>
        <translation>الملف بعرض W مجارٍ على خطوة كاملة قدرها 3q يرشّح التوافقية n بالمعامل k_p = sin(n W / 3q × 90°). عند 5/6 من الخطوة يقترب الجانبان 30°: أي 150° للتوافقية الخامسة، فتكاد قواها الدافعة تتلاشى (k_p5 = sin 15°)، بينما تحتفظ الأساسية بـ sin 75°. هذه خطوة المحركات الصناعية.</translation>
    </message>
    <message>
        <source>dans « Bobinage », choisissez chaque pas tour à tour et lisez « Harmoniques d&apos;espace » dans « Mesures ».</source>
        <translation>في «الملف»، اختر كل خطوة بدورها واقرأ «التوافقيات المكانية» في «القياسات».</translation>
    </message>
    <message>
        <source>6 encoches (pas diamétral)</source>
        <translation>6 مجارٍ (خطوة كاملة)</translation>
    </message>
    <message>
        <source>5 encoches</source>
        <translation>5 مجارٍ</translation>
    </message>
    <message>
        <source>4 encoches</source>
        <translation>4 مجارٍ</translation>
    </message>
    <message>
        <source>3 encoches</source>
        <translation>3 مجارٍ</translation>
    </message>
    <message>
        <source>Le pas diamétral prend tout le fondamental, mais aussi toute l&apos;harmonique 5 que laisse la distribution.</source>
        <translation>الخطوة الكاملة تأخذ الأساسية كلها، لكنها تأخذ أيضًا كل التوافقية الخامسة التي يتركها التوزيع.</translation>
    </message>
    <message>
        <source>Avec 4 encoches sur 6, sin(5 × 60°) et sin(60°) ont la même valeur absolue : le fondamental et l&apos;harmonique 5 baissent d&apos;autant, et la part de l&apos;harmonique ne change pas.</source>
        <translation>مع 4 مجارٍ من 6، للقيمتين sin(5 × 60°) وsin(60°) القيمة المطلقة نفسها: تنخفض الأساسية والتوافقية الخامسة بالقدر نفسه، ولا تتغير نسبة التوافقية.</translation>
    </message>
    <message>
        <source>Le facteur de bobinage</source>
        <translation>معامل الملف</translation>
    </message>
    <message>
        <source>Ce stator répartit chaque phase dans trois encoches voisines par pôle, {slots} en tout, et ses bobines font {coil-pitch} encoches pour un pas diamétral de {full-pitch}. Les f.m.m. des encoches d&apos;une phase ne culminent pas ensemble : leur somme est plus petite que si tout tenait dans une encoche au pas diamétral.</source>
        <translation>يوزّع هذا العضو الثابت كل طور على ثلاثة مجارٍ متجاورة لكل قطب، {slots} مجرى في المجموع، وتمتد ملفاته على {coil-pitch} مجارٍ لخطوة كاملة قدرها {full-pitch}. لا تبلغ القوى الدافعة لمجاري الطور ذروتها معًا: فمجموعها أصغر مما لو كان كله في مجرى واحد بخطوة كاملة.</translation>
    </message>
    <message>
        <source>Quel est le facteur de bobinage k_w du fondamental ?</source>
        <translation>ما معامل الملف k_w للأساسية؟</translation>
    </message>
    <message>
        <source>k_w = k_d × k_p : la distribution sur trois encoches donne k_d = {distribution-factor}, le pas de {coil-pitch} sur {full-pitch} donne k_p = {pitch-factor}, d&apos;où k_w = {winding-factor}. Le fondamental perd un dixième, mais les harmoniques d&apos;espace 5 et 7 tombent à {space-harmonic-5-share} et {space-harmonic-7-share} du fondamental : l&apos;entrefer est presque sinusoïdal.</source>
        <translation>k_w = k_d × k_p: التوزيع على ثلاثة مجارٍ يعطي k_d = {distribution-factor}، والخطوة {coil-pitch} من {full-pitch} تعطي k_p = {pitch-factor}، ومنه k_w = {winding-factor}. تفقد الأساسية عُشرها، لكن التوافقيتين المكانيتين 5 و7 تهبطان إلى {space-harmonic-5-share} و{space-harmonic-7-share} من الأساسية: الثغرة الهوائية شبه جيبية.</translation>
    </message>
    <message>
        <source>ouvrez « Mesures » : ses lignes « Facteur de distribution », « Facteur de raccourcissement » et « Facteur de bobinage » donnent aussi les harmoniques.</source>
        <translation>افتح «القياسات»: تعطي أسطرها «معامل التوزيع» و«معامل الخطوة» و«معامل الملف» التوافقيات أيضًا.</translation>
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
        <translation>1 هو معامل ملف مركّز بخطوة كاملة. هنا المجاري مزاحة والملفات مقصّرة: وكلٌّ منهما ينقص شيئًا.</translation>
    </message>
    <message>
        <source>C&apos;est le facteur de distribution k_d seul. Le pas raccourci multiplie encore par k_p.</source>
        <translation>هذا معامل التوزيع k_d وحده. والخطوة المقصّرة تضرب أيضًا في k_p.</translation>
    </message>
    <message>
        <source>C&apos;est le facteur de raccourcissement k_p seul. Les trois encoches voisines multiplient encore par k_d.</source>
        <translation>هذا معامل الخطوة k_p وحده. والمجاري الثلاثة المتجاورة تضرب أيضًا في k_d.</translation>
    </message>
    <message>
        <source>Une phase coupée</source>
        <translation>طور مقطوع</translation>
    </message>
    <message>
        <source>Le fil de ligne de la phase 3 d&apos;un moteur couplé en étoile est coupé. Ses trois bobines sont toujours là, mais la bobine 3 ne porte plus rien, et les bobines 1 et 2, désormais en série, portent un même courant : dans un sens dans l&apos;une, dans l&apos;autre sens dans l&apos;autre. {convention}</source>
        <translation>انقطع سلك الخط للطور 3 في محرك موصول نجميًا. ما زالت ملفاته الثلاثة موجودة، لكن الملف 3 لم يعد يحمل شيئًا، والملفان 1 و2، وقد صارا على التوالي، يحملان تيارًا واحدًا: في اتجاه في أحدهما وفي الاتجاه الآخر في الآخر. {convention}</translation>
    </message>
    <message>
        <source>Que fait le champ du stator ?</source>
        <translation>ماذا يفعل مجال العضو الثابت؟</translation>
    </message>
    <message>
        <source>Un seul courant dans deux bobines fixes fait un champ qui pulse sur un axe fixe : ses deux moitiés tournent en sens opposés à {field-speed}. Lancé, le moteur continue sur la moitié qui tourne avec lui, en chauffant ; à l&apos;arrêt, les deux moitiés se neutralisent et il ne démarre pas.</source>
        <translation>تيار واحد في ملفين ثابتين يصنع مجالًا ينبض على محور ثابت: نصفاه يدوران في اتجاهين متعاكسين بسرعة {field-speed}. إذا كان المحرك دائرًا تابع مع النصف الذي يدور معه وهو يسخن؛ أما وهو متوقف فيتعادل النصفان ولا يقلع.</translation>
    </message>
    <message>
        <source>cochez « Deux champs tournants » dans « Mesures » : les deux moitiés sont égales. Puis, dans « Bobinage », remettez la phase coupée à « aucune ».</source>
        <translation>حدّد «مجالان دواران» في «القياسات»: النصفان متساويان. ثم أعد الطور المقطوع في «الملف» إلى «لا شيء».</translation>
    </message>
    <message>
        <source>Il tourne toujours dans le sens antihoraire</source>
        <translation>ما زال يدور عكس عقارب الساعة</translation>
    </message>
    <message>
        <source>Il pulse sur un axe fixe</source>
        <translation>ينبض على محور ثابت</translation>
    </message>
    <message>
        <source>Il disparaît</source>
        <translation>يختفي</translation>
    </message>
    <message>
        <source>Un champ tournant demande deux courants déphasés dans deux bobines décalées. Ici les deux bobines restantes ne portent qu&apos;un courant, le même à chaque instant.</source>
        <translation>يتطلب المجال الدوار تيارين مزاحين في الطور في ملفين مزاحين. وهنا لا يحمل الملفان الباقيان إلا تيارًا واحدًا، هو نفسه في كل لحظة.</translation>
    </message>
    <message>
        <source>Les bobines 1 et 2 portent encore un courant : leur champ existe, il ne tourne plus.</source>
        <translation>ما زال الملفان 1 و2 يحملان تيارًا: مجالهما موجود، لكنه لم يعد يدور.</translation>
    </message>
    <message>
        <source>Quelle est la vitesse signée du champ ?</source>
        <translation>ما السرعة ذات الإشارة للمجال؟</translation>
    </message>
    <message>
        <source>+1000 tr/min</source>
        <translation>+1000 دورة/دقيقة</translation>
    </message>
    <message>
        <source>-1000 tr/min</source>
        <translation>-1000 دورة/دقيقة</translation>
    </message>
    <message>
        <source>60 f est la vitesse d&apos;un champ à une paire de pôles. Celui-ci en a davantage : comptez ses flèches.</source>
        <translation>60 f هي سرعة مجال بزوج واحد من الأقطاب. لهذا المجال أكثر: عُدّ أسهمه.</translation>
    </message>
    <message>
        <source>génératrice</source>
        <translation>مولد</translation>
    </message>
    <message>
        <source>frein</source>
        <translation>مكبح</translation>
    </message>
    <message>
        <source>synchronisme, sans couple</source>
        <translation>تزامن، دون عزم</translation>
    </message>
    <message>
        <source>moteur</source>
        <translation>محرك</translation>
    </message>
    <message>
        <source>Le rotor à cage reçoit %1 N·m au glissement %2</source>
        <translation>يتلقى الدوار القفصي %1 N·m عند انزلاق %2</translation>
    </message>
    <message>
        <source>Le moteur se stabilise à %1</source>
        <translation>يستقر المحرك عند %1</translation>
    </message>
    <message>
        <source>Le couple est maximal au glissement %1</source>
        <translation>يبلغ العزم أقصاه عند انزلاق %1</translation>
    </message>
    <message>
        <source>Une phase du stator absorbe %1 A</source>
        <translation>يمتص طور واحد من العضو الثابت %1 A</translation>
    </message>
    <message>
        <source>Au glissement %1, la machine fonctionne en %2</source>
        <translation>عند انزلاق %1 تعمل الآلة %2</translation>
    </message>
    <message>
        <source>Jamais au synchronisme</source>
        <translation>لا يبلغ التزامن أبدًا</translation>
    </message>
    <message>
        <source>Un moteur à cage de {poles} pôles est entraîné de l&apos;extérieur à {rotor-speed}, exactement la vitesse de son champ, {field-speed}. Ses barres ne sont reliées à rien : seuls les courants que le champ y induit les parcourent. {convention}</source>
        <translation>محرك قفصي ذو {poles} أقطاب يُدار من الخارج بسرعة {rotor-speed}، وهي بالضبط سرعة مجاله، {field-speed}. قضبانه غير موصولة بشيء: لا يسري فيها إلا ما يحرّضه المجال من تيارات. {convention}</translation>
    </message>
    <message>
        <source>Quel couple le champ exerce-t-il sur le rotor ?</source>
        <translation>ما العزم الذي يؤثر به المجال في الدوار؟</translation>
    </message>
    <message>
        <source>Tournant avec le champ, les barres ne voient aucun flux varier : rien n&apos;y est induit, les conducteurs du rotor restent neutres et le couple est nul. Un moteur livré à lui-même ne peut donc jamais atteindre le synchronisme : il tourne juste en dessous, assez pour que le glissement induise le courant qu&apos;il faut à sa charge.</source>
        <translation>حين تدور القضبان مع المجال لا ترى أي تغير في التدفق: لا يتحرض فيها شيء، وتبقى موصلات الدوار محايدة والعزم صفرًا. لذا لا يستطيع المحرك المتروك لنفسه بلوغ التزامن أبدًا: يدور أبطأ بقليل، بما يكفي ليحرّض الانزلاق التيار الذي يحتاجه حمله.</translation>
    </message>
    <message>
        <source>dans le panneau Rotor, baissez la fréquence de rotation d&apos;un hertz : les barres se colorent et le couple apparaît.</source>
        <translation>في لوحة الدوار، اخفض تردد الدوران هرتزًا واحدًا: تتلون القضبان ويظهر العزم.</translation>
    </message>
    <message>
        <source>Aucun</source>
        <translation>لا عزم</translation>
    </message>
    <message>
        <source>Le couple de démarrage, {start-torque}</source>
        <translation>عزم البدء، {start-torque}</translation>
    </message>
    <message>
        <source>Le couple maximal, {max-torque}</source>
        <translation>العزم الأقصى، {max-torque}</translation>
    </message>
    <message>
        <source>Au démarrage le champ balaie les barres à pleine vitesse. Ici il tourne avec elles : que voient-elles changer ?</source>
        <translation>عند البدء يكتسح المجال القضبان بكامل سرعته. وهنا يدور معها: أي تغيّر تراه؟</translation>
    </message>
    <message>
        <source>Le couple maximal demande un glissement de {max-torque-slip}. Au synchronisme, le glissement est nul.</source>
        <translation>يتطلب العزم الأقصى انزلاقًا قدره {max-torque-slip}. وعند التزامن يكون الانزلاق صفرًا.</translation>
    </message>
    <message>
        <source>Le moteur en charge</source>
        <translation>المحرك تحت الحمل</translation>
    </message>
    <message>
        <source>Ce moteur à cage démarre à l&apos;arrêt, libre, sous une charge constante de {load-torque}. Son couple de démarrage vaut {start-torque}, son couple maximal {max-torque}. Lancez l&apos;animation après avoir répondu : la courbe couple-vitesse de « Mesures » montre le point de fonctionnement. {convention}</source>
        <translation>يبدأ هذا المحرك القفصي من السكون، حرًا، تحت حمل ثابت قدره {load-torque}. عزم بدئه {start-torque} وعزمه الأقصى {max-torque}. شغّل الحركة بعد أن تجيب: يبين منحنى العزم-السرعة في «القياسات» نقطة التشغيل. {convention}</translation>
    </message>
    <message>
        <source>À quelle vitesse le moteur se stabilise-t-il ?</source>
        <translation>عند أي سرعة يستقر المحرك؟</translation>
    </message>
    <message>
        <source>Tant que son couple dépasse la charge, le rotor accélère ; au-delà du maximum le couple chute vers zéro au synchronisme, et le moteur se stabilise là où il égale la charge : {settled-speed}. Plus de charge, plus de glissement, plus de courant.</source>
        <translation>ما دام عزمه يفوق الحمل يتسارع الدوار؛ وبعد القمة يهبط العزم نحو الصفر عند التزامن، فيستقر المحرك حيث يساوي الحمل: {settled-speed}. حمل أكبر، انزلاق أكبر، تيار أكبر.</translation>
    </message>
    <message>
        <source>dans « Bobinage », doublez le couple de charge et regardez le point rouge descendre la courbe.</source>
        <translation>في «الملف»، ضاعف عزم الحمل وشاهد النقطة الحمراء تنزل على المنحنى.</translation>
    </message>
    <message>
        <source>À la vitesse du champ, {field-speed}</source>
        <translation>بسرعة المجال، {field-speed}</translation>
    </message>
    <message>
        <source>Un peu en dessous</source>
        <translation>أقل بقليل</translation>
    </message>
    <message>
        <source>Là où le couple est maximal</source>
        <translation>حيث يبلغ العزم أقصاه</translation>
    </message>
    <message>
        <source>Il reste à l&apos;arrêt</source>
        <translation>يبقى متوقفًا</translation>
    </message>
    <message>
        <source>Au synchronisme le couple est nul : il ne pourrait pas porter la charge.</source>
        <translation>عند التزامن يكون العزم صفرًا: فلا يستطيع حمل الحمل.</translation>
    </message>
    <message>
        <source>Le moteur accélère tant que son couple dépasse la charge : il passe le maximum et continue jusqu&apos;à ce que les deux soient égaux.</source>
        <translation>يتسارع المحرك ما دام عزمه يفوق الحمل: يتجاوز القمة ويواصل حتى يتساويا.</translation>
    </message>
    <message>
        <source>Son couple de démarrage dépasse la charge : il démarre.</source>
        <translation>عزم بدئه يفوق الحمل: فيقلع.</translation>
    </message>
    <message>
        <source>La résistance du rotor</source>
        <translation>مقاومة الدوار</translation>
    </message>
    <message>
        <source>Ce moteur est celui des autres leçons, mais la résistance de sa cage, R2, a été doublée (des barres plus fines, ou un rotor bobiné avec des résistances en série) ; le reste de son circuit n&apos;a pas changé.</source>
        <translation>هذا المحرك هو محرك الدروس الأخرى، لكن مقاومة قفصه R2 ضوعفت (قضبان أرق، أو دوار ملفوف بمقاومات على التوالي)؛ وبقية دارته لم تتغير.</translation>
    </message>
    <message>
        <source>À quel glissement son couple est-il maintenant maximal ?</source>
        <translation>عند أي انزلاق يبلغ عزمه أقصاه الآن؟</translation>
    </message>
    <message>
        <source>Le glissement du couple maximal, R2 / |Zth + jX2|, double avec R2 : {max-torque-slip}. Le couple maximal, lui, ne dépend pas de R2 : {max-torque}. Toute la courbe s&apos;étire vers les grands glissements, et le couple de démarrage monte à {start-torque}.</source>
        <translation>انزلاق العزم الأقصى، R2 / |Zth + jX2|، يتضاعف مع R2: {max-torque-slip}. أما العزم الأقصى فلا يعتمد على R2: {max-torque}. يمتد المنحنى كله نحو الانزلاقات الكبيرة، ويرتفع عزم البدء إلى {start-torque}.</translation>
    </message>
    <message>
        <source>comparez la courbe de « Mesures » à celle du moteur d&apos;origine, dans la leçon « Le moteur en charge ».</source>
        <translation>قارن منحنى «القياسات» بمنحنى المحرك الأصلي في درس «المحرك تحت الحمل».</translation>
    </message>
    <message>
        <source>Toujours 0,276</source>
        <translation>ما زال 0.276</translation>
    </message>
    <message>
        <source>Le double, 0,552</source>
        <translation>الضعف، 0.552</translation>
    </message>
    <message>
        <source>La moitié, 0,138</source>
        <translation>النصف، 0.138</translation>
    </message>
    <message>
        <source>Le glissement du maximum est R2 / |Zth + jX2| : il suit R2.</source>
        <translation>انزلاق القمة هو R2 / |Zth + jX2|: فهو يتبع R2.</translation>
    </message>
    <message>
        <source>Le courant de démarrage</source>
        <translation>تيار البدء</translation>
    </message>
    <message>
        <source>Ce moteur à cage est à l&apos;arrêt, branché sur le réseau. En charge, à quelques pour cent de glissement, une phase de son stator absorbe environ 5 A ; à vide, un peu plus de 2 A, le courant qui aimante la machine.</source>
        <translation>هذا المحرك القفصي متوقف وموصول بالشبكة. تحت الحمل، بانزلاق بضعة في المئة، يمتص طور من عضوه الثابت نحو 5 A؛ وعلى اللاحمل ما يزيد قليلًا على 2 A، وهو التيار الذي يمغنط الآلة.</translation>
    </message>
    <message>
        <source>Quel courant une phase du stator absorbe-t-elle au démarrage ?</source>
        <translation>ما التيار الذي يمتصه طور من العضو الثابت عند البدء؟</translation>
    </message>
    <message>
        <source>À l&apos;arrêt, le champ balaie le rotor à pleine vitesse : la résistance du rotor vue du stator, R2/g, est à son plus bas, et seules les impédances des enroulements limitent le courant, {stator-current}, six fois le courant en charge, pour un couple de {start-torque} seulement. D&apos;où les démarreurs étoile-triangle et les variateurs.</source>
        <translation>عند التوقف يكتسح المجال الدوار بكامل سرعته: مقاومة الدوار كما يراها العضو الثابت، R2/g، في أدناها، ولا يحد التيار إلا ممانعات الملفات، {stator-current}، ستة أضعاف تيار الحمل، لعزم لا يتجاوز {start-torque}. ومن هنا بادئات نجمة-مثلث والمغيّرات.</translation>
    </message>
    <message>
        <source>ouvrez « Mesures », cochez « Rotor libre » dans « Bobinage » et lancez l&apos;animation : le courant tombe à mesure que le moteur prend sa vitesse.</source>
        <translation>افتح «القياسات»، وحدد «دوار حر» في «الملف»، وشغّل الحركة: يهبط التيار كلما اكتسب المحرك سرعته.</translation>
    </message>
    <message>
        <source>2,5 A, comme à vide</source>
        <translation>2.5 A، كما في اللاحمل</translation>
    </message>
    <message>
        <source>5,5 A, comme en charge</source>
        <translation>5.5 A، كما تحت الحمل</translation>
    </message>
    <message>
        <source>Environ 32 A</source>
        <translation>نحو 32 A</translation>
    </message>
    <message>
        <source>À vide le rotor ne porte rien. À l&apos;arrêt le champ le balaie à pleine vitesse : ses courants sont les plus forts.</source>
        <translation>في اللاحمل لا يحمل الدوار شيئًا. وعند التوقف يكتسحه المجال بكامل سرعته: فتكون تياراته في أقصاها.</translation>
    </message>
    <message>
        <source>En charge le glissement n&apos;est que de quelques pour cent. À l&apos;arrêt il vaut 1 : seules les réactances limitent le courant.</source>
        <translation>تحت الحمل لا يتجاوز الانزلاق بضعة في المئة. وعند التوقف يساوي 1: فلا يحد التيار إلا المفاعلات.</translation>
    </message>
    <message>
        <source>Au-dessus du synchronisme</source>
        <translation>فوق التزامن</translation>
    </message>
    <message>
        <source>Une éolienne entraîne ce moteur à cage à {rotor-speed}, plus vite que son champ, qui tourne {field-sense} à {field-speed}. Le stator reste branché sur le réseau. {convention}</source>
        <translation>توربين رياح يدير هذا المحرك القفصي بسرعة {rotor-speed}، أسرع من مجاله الذي يدور {field-sense} بسرعة {field-speed}. ويبقى العضو الثابت موصولًا بالشبكة. {convention}</translation>
    </message>
    <message>
        <source>Comment la machine fonctionne-t-elle ?</source>
        <translation>كيف تعمل الآلة؟</translation>
    </message>
    <message>
        <source>Le rotor dépasse le champ : le glissement est négatif, {slip}, les courants induits s&apos;inversent, et le couple, {cage-torque}, retient le rotor. L&apos;éolienne fournit de la puissance mécanique que la machine renvoie au réseau : une génératrice asynchrone.</source>
        <translation>يتجاوز الدوار المجال: الانزلاق سالب، {slip}، وتنعكس التيارات المحرّضة، والعزم، {cage-torque}، يكبح الدوار. يقدم التوربين قدرة ميكانيكية تعيدها الآلة إلى الشبكة: مولد لاتزامني.</translation>
    </message>
    <message>
        <source>ouvrez « Mesures » : les puissances absorbée et mécanique sont négatives, et le point rouge est à droite du synchronisme.</source>
        <translation>افتح «القياسات»: القدرتان الممتصة والميكانيكية سالبتان، والنقطة الحمراء إلى يمين التزامن.</translation>
    </message>
    <message>
        <source>En moteur : elle entraîne l&apos;éolienne</source>
        <translation>كمحرك: تدير التوربين</translation>
    </message>
    <message>
        <source>En génératrice : elle renvoie de l&apos;énergie au réseau</source>
        <translation>كمولد: تعيد الطاقة إلى الشبكة</translation>
    </message>
    <message>
        <source>En frein : elle s&apos;oppose à l&apos;éolienne et chauffe</source>
        <translation>كمكبح: تعاكس التوربين وتسخن</translation>
    </message>
    <message>
        <source>Un moteur tourne moins vite que son champ. Ici le rotor le dépasse : le glissement est négatif.</source>
        <translation>يدور المحرك أبطأ من مجاله. وهنا يتجاوزه الدوار: الانزلاق سالب.</translation>
    </message>
    <message>
        <source>Le freinage à contre-courant demande un rotor tournant contre le champ. Ici il tourne avec lui, plus vite.</source>
        <translation>الكبح بالتيار المعاكس يتطلب دوارًا يدور عكس المجال. وهنا يدور معه، أسرع منه.</translation>
    </message>
    <message>
        <source>Le freinage à contre-courant</source>
        <translation>الكبح بالتيار المعاكس</translation>
    </message>
    <message>
        <source>Ce moteur tournait à {rotor-speed} quand on a inversé deux fils de ligne : son champ tourne désormais {field-sense} à {field-speed}, contre le rotor, qui tourne {rotor-sense}. {convention}</source>
        <translation>كان هذا المحرك يدور بسرعة {rotor-speed} حين بُدّل سلكا خط: يدور مجاله الآن {field-sense} بسرعة {field-speed}، عكس الدوار الذي يدور {rotor-sense}. {convention}</translation>
    </message>
    <message>
        <source>Contre le champ, le glissement dépasse 1, {slip} : le couple, {cage-torque} dans le sens du champ, freine le rotor, qui rend son énergie cinétique pendant que le réseau en fournit aussi. Tout part en chaleur dans la cage, avec un fort courant. On coupe l&apos;alimentation à l&apos;arrêt, sinon le moteur repart dans l&apos;autre sens.</source>
        <translation>عكس المجال يتجاوز الانزلاق 1، {slip}: العزم، {cage-torque} في اتجاه المجال، يكبح الدوار الذي يتخلى عن طاقته الحركية بينما تمده الشبكة أيضًا بالطاقة. يتحول كل ذلك حرارة في القفص، مع تيار كبير. تُقطع التغذية عند التوقف، وإلا عاد المحرك فأقلع في الاتجاه الآخر.</translation>
    </message>
    <message>
        <source>regardez dans « Mesures » le point rouge, à gauche de l&apos;arrêt sur la courbe couple-vitesse.</source>
        <translation>انظر في «القياسات» إلى النقطة الحمراء يسار التوقف على منحنى العزم-السرعة.</translation>
    </message>
    <message>
        <source>En moteur : elle continue d&apos;entraîner le rotor</source>
        <translation>كمحرك: تواصل إدارة الدوار</translation>
    </message>
    <message>
        <source>En génératrice : elle renvoie l&apos;énergie du rotor au réseau</source>
        <translation>كمولد: تعيد طاقة الدوار إلى الشبكة</translation>
    </message>
    <message>
        <source>En frein : elle arrête le rotor et absorbe de l&apos;énergie des deux côtés</source>
        <translation>كمكبح: توقف الدوار وتمتص الطاقة من الجهتين</translation>
    </message>
    <message>
        <source>Le champ tourne désormais contre le rotor : son couple le retient.</source>
        <translation>يدور المجال الآن عكس الدوار: فعزمه يكبحه.</translation>
    </message>
    <message>
        <source>Une génératrice tourne avec son champ, plus vite que lui. Ici le rotor tourne contre le champ : le réseau fournit de l&apos;énergie en plus.</source>
        <translation>يدور المولد مع مجاله وأسرع منه. وهنا يدور الدوار عكس المجال: فتمد الشبكة طاقة إضافية.</translation>
    </message>
    <message>
        <source>Pour l&apos;enseignant</source>
        <translation>للمعلّم</translation>
    </message>
    <message>
        <source>Leçon %1 sur %2</source>
        <translation>الدرس %1 من %2</translation>
    </message>
    <message>
        <source>Terminer</source>
        <translation>إنهاء</translation>
    </message>
    <message>
        <source>Leçon suivante</source>
        <translation>الدرس التالي</translation>
    </message>
    <message>
        <source>Réponse attendue : %1</source>
        <translation>الإجابة المتوقعة: %1</translation>
    </message>
    <message>
        <source>Certains voient un champ qui tourne parce que sa valeur change : faites observer que la flèche garde sa direction et ne fait que s&apos;allonger, se raccourcir et s&apos;inverser. Demandez ensuite ce qu&apos;il faut ajouter pour qu&apos;il tourne.</source>
        <translation>يرى بعضهم مجالًا دوّارًا لأن قيمته تتغير: بيّن أن السهم يحافظ على اتجاهه ولا يفعل سوى أن يطول ويقصر وينقلب. ثم اسأل عمّا يجب إضافته ليدور.</translation>
    </message>
    <message>
        <source>L&apos;erreur la plus fréquente : lire les angles comme des retards, et donc prédire le sens opposé. Faites dire quelle phase culmine juste après la phase 1, puis demandez ce que devient le champ si l&apos;on échange deux fils.</source>
        <translation>الخطأ الأكثر شيوعًا: قراءة الزوايا على أنها تأخّرات، ومن ثم توقّع الاتجاه المعاكس. اطلب أن يقال أيّ طور يبلغ ذروته مباشرة بعد الطور 1، ثم اسأل عمّا يحدث للمجال إذا بُدّل سلكان.</translation>
    </message>
    <message>
        <source>Deux erreurs habituelles : donner le rapport des vitesses du rotor et du champ au lieu de leur écart relatif, ou se tromper d&apos;un facteur dix en passant aux pour-cent. Demandez ensuite ce que vaut le glissement rotor bloqué, puis au synchronisme.</source>
        <translation>خطآن شائعان: إعطاء نسبة سرعة الدوّار إلى سرعة المجال بدل فرقهما النسبي، أو الخطأ بعامل عشرة عند التحويل إلى نسبة مئوية. ثم اسأل عن قيمة الانزلاق والدوّار مُقفل، ثم عند التزامن.</translation>
    </message>
    <message>
        <source>L&apos;idée fausse : un rotor qui suit son champ serait entraîné par lui. Au synchronisme les barres ne voient aucun flux varier : pas de courant induit, donc pas de couple. Demandez pourquoi un moteur à vide tourne un peu moins vite que son champ.</source>
        <translation>التصوّر الخاطئ: الدوّار الذي يواكب مجاله يُسحب معه. عند التزامن لا ترى القضبان أيّ تدفق متغيّر: لا تيار مُستحث، إذن لا عزم. اسأل لماذا يدور المحرك بلا حمل أبطأ قليلًا من مجاله.</translation>
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
    <message>
        <source>Ouvrir un parcours...</source>
        <translation>فتح مسار...</translation>
    </message>
    <message>
        <source>Composer un parcours...</source>
        <translation>إنشاء مسار...</translation>
    </message>
    <message>
        <source>Mes réponses</source>
        <translation>إجاباتي</translation>
    </message>
    <message>
        <source>Exporter pour une plateforme (SCORM)...</source>
        <translation>تصدير لمنصة تعليمية (SCORM)...</translation>
    </message>
    <message>
        <source>Vue enseignant</source>
        <translation>عرض المعلّم</translation>
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
        <source>Stator inverse</source>
        <translation>الثابت (تتابع سالب)</translation>
    </message>
    <message>
        <source>Rotor direct</source>
        <translation>الدوار (تتابع موجب)</translation>
    </message>
    <message>
        <source>Rotor inverse</source>
        <translation>الدوار (تتابع سالب)</translation>
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
        <source>Indicateur de couple entre les champs du stator et du rotor (sans unité), positif quand il pousse le rotor dans le sens trigonométrique. La barre de couple monte pour un couple horaire.</source>
        <translation>مؤشر العزم بين مجالي العضو الثابت والعضو الدوار (بدون وحدة)، موجب عندما يدفع العضو الدوار عكس اتجاه عقارب الساعة. ويرتفع شريط العزم لعزم في اتجاه عقارب الساعة.</translation>
    </message>
    <message>
        <source>Composante directe : le champ de la séquence dont les phases culminent dans l&apos;ordre 1, 2, 3 (angles 0/240/120, qui sont des avances). Elle tourne dans le sens trigonométrique.</source>
        <translation>المركّبة المباشرة: مجال التتابع الذي تبلغ أطواره قيمتها العظمى بالترتيب 1، 2، 3 (الزوايا 0/240/120، وهي زوايا تقدّم). تدور عكس اتجاه عقارب الساعة.</translation>
    </message>
    <message>
        <source>Composante inverse : le champ de la séquence 1, 3, 2 (angles 0/120/240). Elle tourne dans le sens horaire.</source>
        <translation>المركّبة العكسية: مجال التتابع 1، 3، 2 (الزوايا 0/120/240). تدور في اتجاه عقارب الساعة.</translation>
    </message>
    <message>
        <source>Composante directe du champ du rotor, tournant par rapport au rotor dans le sens trigonométrique.</source>
        <translation>المركّبة المباشرة لمجال العضو الدوار، وتدور بالنسبة إلى العضو الدوار عكس اتجاه عقارب الساعة.</translation>
    </message>
    <message>
        <source>Composante inverse du champ du rotor, tournant par rapport au rotor dans le sens horaire.</source>
        <translation>المركّبة العكسية لمجال العضو الدوار، وتدور بالنسبة إلى العضو الدوار في اتجاه عقارب الساعة.</translation>
    </message>
    <message>
        <source>Vitesse des harmoniques</source>
        <translation>سرعة التوافقيات</translation>
    </message>
    <message>
        <source>Vitesse signée du champ de chaque harmonique : l&apos;harmonique n alterne n fois plus vite que le fondamental, son champ tourne n fois plus vite, avec lui pour 7 et 13, contre lui pour 5 et 11.</source>
        <translation>السرعة ذات الإشارة لمجال كل توافقية: التوافقية n تتناوب أسرع من الأساسية بـ n مرة، فيدور مجالها أسرع بـ n مرة، مع الأساسية للتوافقيتين 7 و13، وعكسها للتوافقيتين 5 و11.</translation>
    </message>
    <message>
        <source>après votre réponse</source>
        <translation>بعد إجابتك</translation>
    </message>
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
    <message>
        <source>Facteur de distribution</source>
        <translation>معامل التوزيع</translation>
    </message>
    <message>
        <source>k_d = sin(n q a / 2) / (q sin(n a / 2)) pour l&apos;harmonique d&apos;espace n, a = 180° / 3q étant l&apos;angle électrique entre deux encoches.</source>
        <translation>k_d = sin(n q a / 2) / (q sin(n a / 2)) للتوافقية المكانية n، حيث a = 180° / 3q الزاوية الكهربائية بين مجريين.</translation>
    </message>
    <message>
        <source>Facteur de raccourcissement</source>
        <translation>معامل الخطوة</translation>
    </message>
    <message>
        <source>k_p = sin(n (W / 3q) 90°) pour des bobines de W encoches ; 1 au pas diamétral W = 3q.</source>
        <translation>k_p = sin(n (W / 3q) 90°) لملفات عرضها W مجرى؛ 1 عند الخطوة الكاملة W = 3q.</translation>
    </message>
    <message>
        <source>Facteur de bobinage</source>
        <translation>معامل الملف</translation>
    </message>
    <message>
        <source>k_w = k_d k_p, harmonique par harmonique.</source>
        <translation>k_w = k_d k_p، توافقية بتوافقية.</translation>
    </message>
    <message>
        <source>Harmoniques d&apos;espace</source>
        <translation>التوافقيات المكانية</translation>
    </message>
    <message>
        <source>Harmoniques de la f.m.m. en escalier de l&apos;entrefer, mesurés sur elle, rapportés au fondamental : |k_wn| / (n |k_w1|) en théorie.</source>
        <translation>توافقيات القوة الدافعة المغناطيسية الدرجية في الثغرة الهوائية، مقيسة عليها، نسبةً إلى الأساسية: |k_wn| / (n |k_w1|) نظريًا.</translation>
    </message>
    <message>
        <source>Vitesse des harmoniques d&apos;espace</source>
        <translation>سرعة التوافقيات المكانية</translation>
    </message>
    <message>
        <source>Vitesse signée du champ de l&apos;harmonique d&apos;espace n : ns / n, avec le fondamental pour 7 et 13, contre lui pour 5 et 11.</source>
        <translation>السرعة ذات الإشارة لمجال التوافقية المكانية n: ns / n، مع الأساسية للرتبتين 7 و13، وعكسها للرتبتين 5 و11.</translation>
    </message>
    <message>
        <source>Couple du moteur</source>
        <translation>عزم المحرك</translation>
    </message>
    <message>
        <source>Couple du rotor à cage, 3 I2² R2 / (g ωs), compté dans le sens du champ : positif en moteur et en freinage, négatif en génératrice.</source>
        <translation>عزم الدوار القفصي، 3 I2² R2 / (g ωs)، محسوبًا في اتجاه دوران المجال: موجب في وضع المحرك والكبح، وسالب في وضع المولد.</translation>
    </message>
    <message>
        <source>Courant statorique</source>
        <translation>تيار العضو الثابت</translation>
    </message>
    <message>
        <source>Courant I1 d&apos;une phase du stator, couplage étoile.</source>
        <translation>التيار I1 لطور واحد من العضو الثابت، توصيل نجمي.</translation>
    </message>
    <message>
        <source>Courant rotorique</source>
        <translation>تيار الدوار</translation>
    </message>
    <message>
        <source>Courant I2 du rotor ramené au stator, nul au synchronisme.</source>
        <translation>تيار الدوار I2 منسوبًا إلى العضو الثابت، صفر عند التزامن.</translation>
    </message>
    <message>
        <source>Facteur de puissance</source>
        <translation>معامل القدرة</translation>
    </message>
    <message>
        <source>cos φ entre la tension et le courant d&apos;une phase du stator.</source>
        <translation>cos φ بين الجهد والتيار لطور واحد من العضو الثابت.</translation>
    </message>
    <message>
        <source>Puissance absorbée</source>
        <translation>القدرة الممتصة</translation>
    </message>
    <message>
        <source>3 V I1 cos φ, négative quand la machine rend de l&apos;énergie.</source>
        <translation>3 V I1 cos φ، سالبة عندما تعيد الآلة الطاقة.</translation>
    </message>
    <message>
        <source>Puissance mécanique</source>
        <translation>القدرة الميكانيكية</translation>
    </message>
    <message>
        <source>Couple fois vitesse du rotor : positive seulement quand la machine entraîne sa charge.</source>
        <translation>العزم مضروبًا في سرعة الدوار: موجبة فقط عندما تدير الآلة حملها.</translation>
    </message>
    <message>
        <source>Glissement du couple maximal</source>
        <translation>انزلاق العزم الأقصى</translation>
    </message>
    <message>
        <source>R2 / |Zth + jX2|, du schéma de Thévenin exact du stator.</source>
        <translation>R2 / |Zth + jX2|، من مكافئ ثيفنن الدقيق للعضو الثابت.</translation>
    </message>
    <message>
        <source>Couple maximal</source>
        <translation>العزم الأقصى</translation>
    </message>
    <message>
        <source>Le plus grand couple en moteur, qui ne dépend pas de R2.</source>
        <translation>أكبر عزم في وضع المحرك، ولا يعتمد على R2.</translation>
    </message>
    <message>
        <source>Couple de démarrage</source>
        <translation>عزم البدء</translation>
    </message>
    <message>
        <source>Le couple à l&apos;arrêt, g = 1.</source>
        <translation>العزم عند التوقف، g = 1.</translation>
    </message>
    <message>
        <source>Couple du rotor à cage selon sa vitesse, de -ns (freinage) à 2 ns (génératrice) ; en rouge, le point de fonctionnement, en orange la charge d&apos;un rotor libre.</source>
        <translation>عزم الدوار القفصي بدلالة سرعته، من -ns (كبح) إلى 2 ns (مولد)؛ بالأحمر نقطة التشغيل، وبالبرتقالي حمل الدوار الحر.</translation>
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
    <message>
        <source>Conventions de &amp;signe</source>
        <translation>ا&amp;صطلاحات الإشارة</translation>
    </message>
    <message>
        <source>&amp;Annuler</source>
        <translation>&amp;تراجع</translation>
    </message>
    <message>
        <source>&amp;Rétablir</source>
        <translation>إ&amp;عادة</translation>
    </message>
    <message>
        <source>Tout réi&amp;nitialiser</source>
        <translation>إعادة تعيين ال&amp;كل</translation>
    </message>
    <message>
        <source>É&amp;dition</source>
        <translation>ت&amp;حرير</translation>
    </message>
    <message>
        <source>Enregistrer &amp;sous...</source>
        <translation>حفظ &amp;باسم...</translation>
    </message>
    <message>
        <source>Lé&amp;gende</source>
        <translation>&amp;مفتاح الرسم</translation>
    </message>
    <message>
        <source>&amp;Bobinage</source>
        <translation>ال&amp;ملف</translation>
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
    <message>
        <source>Le courant de la phase vaut sin(ωt + angle) : l&apos;angle est une avance. Dans la séquence directe, 0/240/120, les phases culminent dans l&apos;ordre 1, 2, 3 et le champ tourne dans le sens antihoraire.</source>
        <translation>تيار الطور يساوي ⁦sin(ωt + الزاوية)⁩: الزاوية زاوية تقدّم. في التتابع المباشر، 0/240/120، تبلغ الأطوار قيمتها العظمى بالترتيب 1، 2، 3، ويدور المجال عكس اتجاه عقارب الساعة.</translation>
    </message>
</context>
<context>
    <name>Setup</name>
    <message>
        <source>Ce lien ne contient pas de réglage Vireflu lisible.</source>
        <translation>لا يحتوي هذا الرابط على إعداد Vireflu مقروء.</translation>
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
    <message>
        <source>Le simulateur ne peut pas répondre à la question de cette leçon : son réglage ne donne aucune valeur à « %2 ».</source>
        <translation>لا يستطيع المحاكي الإجابة عن سؤال هذا الدرس: إعداده لا يعطي «%2» أي قيمة.</translation>
    </message>
    <message>
        <source>Exactement un des choix de cette leçon doit être juste ; avec son réglage, le simulateur trouve %2.</source>
        <translation>يجب أن يكون خيار واحد فقط من خيارات هذا الدرس صحيحًا؛ بإعداده يجد المحاكي %2.</translation>
    </message>
    <message>
        <source>Détail : le texte n&apos;est pas du JSON lisible (arrêt à l&apos;octet %2).</source>
        <translation>التفاصيل: النص ليس JSON مقروءًا (توقف عند البايت %2).</translation>
    </message>
    <message>
        <source>Détail : le document n&apos;est pas un objet JSON.</source>
        <translation>التفاصيل: المستند ليس كائن JSON.</translation>
    </message>
    <message>
        <source>Détail : il dépasse 64 Kio.</source>
        <translation>التفاصيل: يتجاوز 64 كيلوبايت.</translation>
    </message>
    <message>
        <source>Détail : la clé « %1 » (la version du format) manque.</source>
        <translation>التفاصيل: المفتاح «%1» (إصدار التنسيق) مفقود.</translation>
    </message>
    <message>
        <source>Ce lien ne contient pas de montage Vireflu.</source>
        <translation>لا يحتوي هذا الرابط على إعداد Vireflu.</translation>
    </message>
    <message>
        <source>Ce fichier n&apos;est pas une leçon Vireflu.</source>
        <translation>هذا الملف ليس درسًا من Vireflu.</translation>
    </message>
    <message>
        <source>Ce fichier n&apos;est pas un montage Vireflu.</source>
        <translation>هذا الملف ليس إعدادًا من Vireflu.</translation>
    </message>
    <message>
        <source>Cette leçon ne peut pas être ouverte.</source>
        <translation>لا يمكن فتح هذا الدرس.</translation>
    </message>
    <message>
        <source>Ce montage ne peut pas être ouvert.</source>
        <translation>لا يمكن فتح هذا الإعداد.</translation>
    </message>
    <message>
        <source>Ce fichier n&apos;est pas un parcours Vireflu.</source>
        <translation>هذا الملف ليس مسارًا من Vireflu.</translation>
    </message>
    <message>
        <source>Ce lien ne contient pas de parcours Vireflu.</source>
        <translation>هذا الرابط لا يحتوي على مسار من Vireflu.</translation>
    </message>
    <message>
        <source>Ce journal n&apos;est pas un journal de réponses Vireflu.</source>
        <translation>هذا السجل ليس سجل إجابات من Vireflu.</translation>
    </message>
    <message>
        <source>Ce parcours ne peut pas être ouvert.</source>
        <translation>لا يمكن فتح هذا المسار.</translation>
    </message>
    <message>
        <source>Ce journal de réponses ne peut pas être lu.</source>
        <translation>لا يمكن قراءة سجل الإجابات هذا.</translation>
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
    <message>
        <source>Ctrl+Z, Ctrl+Maj+Z : annuler, rétablir</source>
        <translation>Ctrl+Z، Ctrl+Shift+Z: تراجع، إعادة</translation>
    </message>
    <message>
        <source>Ctrl+Maj+S : enregistrer sous un autre nom</source>
        <translation>Ctrl+Shift+S: الحفظ باسم آخر</translation>
    </message>
</context>
<context>
    <name>View</name>
    <message>
        <source>Coupe de la machine</source>
        <translation>المقطع العرضي للآلة</translation>
    </message>
</context>
<context>
    <name>Welcome</name>
    <message>
        <source>Bienvenue</source>
        <translation>مرحبًا</translation>
    </message>
    <message>
        <source>Vireflu anime le champ magnétique d&apos;une machine triphasée. Par où commencer ?</source>
        <translation>يحرّك Vireflu المجال المغناطيسي لآلة ثلاثية الطور. من أين تبدأ؟</translation>
    </message>
    <message>
        <source>Commencer par une leçon</source>
        <translation>ابدأ بدرس</translation>
    </message>
    <message>
        <source>Ouvrir un montage</source>
        <translation>فتح إعداد</translation>
    </message>
    <message>
        <source>Explorer</source>
        <translation>استكشاف</translation>
    </message>
</context>
<context>
    <name>Winding</name>
    <message>
        <source>Paires de pôles</source>
        <translation>أزواج الأقطاب</translation>
    </message>
    <message>
        <source>p : le champ a 2p pôles et tourne à 60 f / p tr/min.</source>
        <translation>p: للمجال 2p قطبًا ويدور بسرعة 60 f / p دورة/دقيقة.</translation>
    </message>
    <message>
        <source>Encoches par pôle et par phase</source>
        <translation>المجاري لكل قطب ولكل طور</translation>
    </message>
    <message>
        <source>q : chaque phase occupe q encoches voisines sous chaque pôle ; le stator en a 6pq.</source>
        <translation>q: يشغل كل طور q مجاري متجاورة تحت كل قطب؛ وللعضو الثابت 6pq.</translation>
    </message>
    <message>
        <source>Pas des bobines (encoches)</source>
        <translation>خطوة الملفات (مجارٍ)</translation>
    </message>
    <message>
        <source>Largeur d&apos;une bobine en encoches : 3q est le pas diamétral ; un pas plus court fait un bobinage à deux couches.</source>
        <translation>عرض الملف بالمجاري: 3q هي الخطوة الكاملة؛ والخطوة الأقصر تعطي ملفًا بطبقتين.</translation>
    </message>
    <message>
        <source>Phase coupée</source>
        <translation>طور مقطوع</translation>
    </message>
    <message>
        <source>Un fil de ligne coupé : les trois bobines restent, les deux autres phases portent un même courant, opposé dans l&apos;une et l&apos;autre.</source>
        <translation>سلك خط مقطوع: تبقى الملفات الثلاثة، ويحمل الطوران الآخران تيارًا واحدًا، معاكسًا في كل منهما.</translation>
    </message>
    <message>
        <source>aucune</source>
        <translation>لا شيء</translation>
    </message>
    <message>
        <source>Bobinage</source>
        <translation>الملف</translation>
    </message>
    <message>
        <source>Étoile des encoches</source>
        <translation>نجمة المجاري</translation>
    </message>
    <message>
        <source>%1 encoches, %2 pôles, pas %3/%4</source>
        <translation>%1 مجرى، %2 أقطاب، خطوة %3/%4</translation>
    </message>
    <message>
        <source>Rotor à cage</source>
        <translation>دوار قفصي</translation>
    </message>
    <message>
        <source>Les courants du rotor ne sont plus imposés : le glissement les induit, comme dans un moteur asynchrone.</source>
        <translation>لم تعد تيارات الدوار مفروضة: الانزلاق يحرّضها، كما في المحرك اللاتزامني.</translation>
    </message>
    <message>
        <source>Rotor libre</source>
        <translation>دوار حر</translation>
    </message>
    <message>
        <source>Le rotor part de la fréquence de rotation du panneau Rotor et trouve sa vitesse : J dω/dt = C - Cr.</source>
        <translation>ينطلق الدوار من تردد الدوران في لوحة الدوار ويجد سرعته: J dω/dt = T - T_load.</translation>
    </message>
    <message>
        <source>Couple de charge (N·m)</source>
        <translation>عزم الحمل (N·m)</translation>
    </message>
    <message>
        <source>Tension composée (V)</source>
        <translation>الجهد الخطي (V)</translation>
    </message>
    <message>
        <source>Schéma équivalent d&apos;une phase : R1, X1, XM, X2, R2/g</source>
        <translation>الدارة المكافئة لطور واحد: R1، X1، XM، X2، R2/g</translation>
    </message>
</context>
<context>
    <name>Window</name>
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
    <message>
        <source>Autres menus</source>
        <translation>قوائم أخرى</translation>
    </message>
    <message>
        <source>Rien à animer : cochez une phase dans « Stator ».</source>
        <translation>لا شيء لتحريكه: فعّل طورًا في «العضو الثابت».</translation>
    </message>
    <message>
        <source>Répondez d&apos;abord à la question de la leçon.</source>
        <translation>أجب أولًا عن سؤال الدرس.</translation>
    </message>
    <message>
        <source>Le réglage affiché a changé. L&apos;enregistrer avant de continuer ?</source>
        <translation>تغيّر الإعداد المعروض. هل تحفظه قبل المتابعة؟</translation>
    </message>
    <message>
        <source>&amp;Enregistrer</source>
        <translation>&amp;حفظ</translation>
    </message>
    <message>
        <source>&amp;Ne pas enregistrer</source>
        <translation>&amp;عدم الحفظ</translation>
    </message>
    <message>
        <source>Annuler</source>
        <translation>إلغاء</translation>
    </message>
</context>
</TS>
