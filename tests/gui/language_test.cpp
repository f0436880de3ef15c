// The interface in the language the session asks for: CTest runs this fixture in several
// sessions and names the language expected in VIREFLU_EXPECTED_LANGUAGE (fr, en or de).
#include <QAbstractButton>
#include <QApplication>
#include <QDialogButtonBox>
#include <QDockWidget>
#include <QGroupBox>
#include <QLabel>
#include <QMenuBar>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include "about_box.h"
#include "answers_dialog.h"
#include "command_bar.h"
#include "course_composer.h"
#include "main_window.h"
#include "measures/measure_rows.h"
#include "measures_panel.h"
#include "simulator_app.h"
#include "winding_design_panel.h"
#include "winding_panel.h"

using namespace vireflu;

namespace {

// Every text the user reads, window by window in the order the test collects them ("|"
// between texts, "-" for a menu's separator): as written, in French, then in English.
const std::pair<const char*, const char*> kWindows[] = {
    {"&Général|&Ouvrir...|&Enregistrer...|Enregistrer &sous...|Ouverts &récemment|E&xporter "
     "l'animation...|-|&Quitter|É&dition|&Annuler|&Rétablir|-|Tout "
     "réi&nitialiser|&Représentation|Entrefer:couleur|Vecteur|"
     "Trace|Forces magnéto-motrices|Couple|&Vue|&Stator|&Rotor|&Mesures|&Bobinage|Panneaux à côté|"
     "Disposition initiale|Annotations|Lé&gende|-|Cadence x1/4|"
     "Cadence x1/2|Cadence x1|Cadence x2|Cadence x4|&Couleur|Bleu Noir Rouge|Vert NoirRouge|CAO|"
     "Bleu Blanc Orange|-|Projection|&Leçons|Le champ d'une phase|Le champ tournant|"
     "Fréquence et vitesse|La machine synchrone|La machine asynchrone|Les harmoniques|"
     "Les bobinages|-|"
     "Ouvrir une leçon...|-|Ouvrir un parcours...|Composer un parcours...|"
     "Exporter pour une plateforme (SCORM)...|-|Mes réponses|-|Vue enseignant|&?|Raccourcis "
     "&clavier|Conventions "
     "de &signe|&Langue|&A propos de "
     "Vireflu...|&Initialisation|&Animation",
     "&General|&Open...|&Save...|Save &as...|Open &recent|&Export "
     "animation...|-|&Quit|&Edit|&Undo|&Redo|-|"
     "Reset &all|&Presentation|Air gap: "
     "colour|Vector|Trace|"
     "Magnetomotive forces|Torque|&View|&Stator|&Rotor|&Measures|&Winding|Panels beside|Initial "
     "layout|"
     "Annotations|Le&gend|-|"
     "Pace x1/4|Pace x1/2|Pace x1|"
     "Pace x2|Pace x4|&Colour|Blue Black Red|Green Black Red|CAD|Blue White Orange|-|Projector|"
     "&Lessons|The field of one phase|The rotating field|Frequency and speed|The synchronous "
     "machine|The induction machine|Harmonics|Windings|-|Open a lesson...|-|Open a course...|"
     "Compose a course...|Export for a platform (SCORM)...|-|My answers|-|Teacher "
     "view|&Help|&Keyboard "
     "shortcuts|&Sign conventions|&Language|&About Vireflu...|&Reset|&Animation"},
    // The stator panel with phase 1 on.
    {"Stator|fréquence stator: 50 Hz|phase|phase|phase|phase 1|phase 2|phase 3|sinus|continu|"
     "rectangulaire",
     "Stator|stator frequency: 50 Hz|phase|phase|phase|phase 1|phase 2|phase 3|sine|DC|"
     "rectangular"},
    {"Rotor|phase|phase|phase|phase 1|phase 2|phase 3|sinus|continu|fréquence de rotation: 0 Hz|"
     "position initiale: 0 degré",
     "Rotor|phase|phase|phase|phase 1|phase 2|phase 3|sine|DC|rotation frequency: 0 Hz|"
     "initial position: 0 degrees"},
    // "Mesures" with a six-step stator at clock zero: the values' decimal mark and words too.
    {"Mesures|Stator|Rotor|Résultante|Fondamental|Champ|Fréquence|50,00 Hz|Sens du champ|sens "
     "trigonométrique|Vitesse de "
     "synchronisme|3000 tr/min|Vitesse du rotor|0 tr/min|Glissement|100,00 %|Fréquence "
     "rotorique|50,00 Hz|Couple|0,000|Champ résultant|115,3 %|Angle du champ|270 °|Stator "
     "direct|110,3 %  270 °|Stator inverse|0,0 %  135 °|Rotor direct|—|Rotor inverse|—|"
     "Harmoniques|h5 20,0 % contre, h7 14,3 % avec, h11 9,1 % contre, h13 7,7 % avec|"
     "Vitesse des harmoniques|h5 -15000, h7 +21000, h11 -33000, h13 +39000 tr/min|"
     "Taux de distorsion|31,1 %|Deux champs tournants",
     "Measures|Stator|Rotor|Resultant|Fundamental|Field|Frequency|50.00 Hz|Field sense|"
     "counterclockwise|Synchronous speed|"
     "3000 rpm|Rotor speed|0 rpm|Slip|100.00 %|Rotor frequency|50.00 Hz|Torque|0.000|"
     "Resultant field|115.3 %|Field angle|270 °|Stator positive|110.3 %  270 °|Stator "
     "negative|0.0 %  135 °|Rotor positive|—|Rotor negative|—|Harmonics|h5 20.0 % against, h7 "
     "14.3 % with, h11 9.1 % against, h13 7.7 % with|Harmonic speeds|h5 -15000, h7 +21000, h11 "
     "-33000, h13 +39000 rpm|Distortion|31.1 %|Two rotating fields"},
    {"Bobinage|Paires de pôles|Encoches par pôle et par phase|Pas des bobines (encoches)|"
     "Phase coupée|Rotor à cage|Rotor libre|Couple de charge (N·m)|R1 (Ω)|X1 (Ω)|R2 (Ω)|X2 (Ω)|"
     "XM (Ω)|Tension composée (V)|6 encoches, 2 pôles, pas 3/3|"
     "Étoile des encoches",
     "Winding|Pole pairs|Slots per pole and phase|Coil pitch (slots)|Cut phase|Cage rotor|"
     "Free rotor|Load torque (N·m)|R1 (Ω)|X1 (Ω)|R2 (Ω)|X2 (Ω)|XM (Ω)|Line voltage (V)|"
     "6 slots, 2 poles, pitch 3/3|Star of slots"},
    {"A propos de Vireflu|OK|Vireflu version 2.0|Simulateur pédagogique, 2026|"
     "Le champ tournant des machines triphasées",
     "About Vireflu|OK|Vireflu version 2.0|Teaching simulator, 2026|"
     "The rotating field of three-phase machines"},
    // Qt's own texts: a standard button.
    {"Annuler", "Cancel"},
    {"Composer un parcours|Ajouter|Monter|Descendre|Retirer|Ajouter une leçon de fichier...|"
     "Commencer|Enregistrer...|Copier le lien|Exporter pour une plateforme (SCORM)...|Titre|"
     "Note de passage (%)|Leçons de Vireflu|Leçons du parcours",
     "Compose a course|Add|Move up|Move down|Remove|Add a lesson from a file...|Start|Save...|"
     "Copy the link|Export for a platform (SCORM)...|Title|Pass mark (%)|Vireflu's lessons|"
     "The course's lessons"},
    {"Mes réponses|Fermer|Exporter en CSV...|Exporter en JSON...|Effacer",
     "My answers|Close|Export as CSV...|Export as JSON...|Clear"},
    {"Bienvenue|Vireflu anime le champ magnétique d'une machine triphasée. Par où commencer ?|"
     "Commencer par une leçon|Ouvrir un montage|Explorer",
     "Welcome|Vireflu animates the magnetic field of a three-phase machine. Where to start?|"
     "Start with a lesson|Open a setup|Explore"}};

void AddTexts(QStringList& texts, const QWidget& window) {
    texts << window.windowTitle();
    for (const QWidget* child : window.findChildren<QWidget*>()) {
        if (child->isHidden()) continue;  // a row "Mesures" shows for another machine only
        if (const auto* label = qobject_cast<const QLabel*>(child)) texts << label->text();
        if (const auto* box = qobject_cast<const QGroupBox*>(child)) texts << box->title();
        if (const auto* button = qobject_cast<const QAbstractButton*>(child))
            texts << button->text();
    }
    texts.removeAll(QString());
}

// No two texts that share the Alt key have the same letter after "&".
bool UniqueMnemonics(const QStringList& texts) {
    QSet<QChar> keys;
    for (const QString& text : texts.filter("&")) keys << text[text.indexOf('&') + 1].toLower();
    return keys.size() == texts.filter("&").size();
}

}  // namespace

class LanguageTest : public QObject {
    Q_OBJECT

private slots:
    void everyTextInTheExpectedLanguage();
};

void LanguageTest::everyTextInTheExpectedLanguage() {
    const QByteArray language = qgetenv("VIREFLU_EXPECTED_LANGUAGE");
    const bool english = language == "en";
    // Not a first start: the welcome, asked for last, would narrow the machine.
    QSettings("vireflu", "Vireflu").setValue("welcomeDismissed", true);
    CSimulatorApp app;
    app.InitInstance();
    CMainWindow& window = *app.MainWindow();
    QStringList texts;
    QStringList altKeys;
    for (QAction* title : window.menuBar()->actions()) {
        QStringList menu{title->text()};
        for (QAction* item : title->menu()->actions())
            menu << (item->isSeparator() ? QStringLiteral("-") : item->text());
        QVERIFY2(UniqueMnemonics(menu.mid(1)), qPrintable(menu.join(' ')));
        texts << menu;
        altKeys << menu.first();
    }
    const auto* bar = window.findChild<CommandBar*>();
    texts << bar->resetButton->text() << bar->animationButton->text();
    altKeys << texts.mid(texts.size() - 2);
    QVERIFY2(UniqueMnemonics(altKeys), qPrintable(altKeys.join(' ')));

    QMenu* view = window.menuBar()->actions()[3]->menu();
    view->actions()[0]->trigger();
    auto* stator = window.findChild<CWindingPanel*>();
    for (const char* name : {"phase1Check", "rectangulaire"}) {
        QWidget* button = stator->findChild<QWidget*>(name);
        QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(6, button->height() / 2));
    }
    AddTexts(texts, *stator);
    view->actions()[1]->trigger();
    AddTexts(texts, *window.findChildren<CWindingPanel*>().last());
    view->actions()[2]->trigger();
    const auto* measures = window.findChild<CMeasuresPanel*>();
    AddTexts(texts, *measures);
    view->actions()[3]->trigger();
    AddTexts(texts, *window.findChild<WindingDesignPanel*>());
    AddTexts(texts, CAboutBox(&window));
    texts << QDialogButtonBox(QDialogButtonBox::Cancel).buttons().first()->text();
    AddTexts(texts, CourseComposer(&window));
    const QTemporaryDir noAnswers;
    AnswerLogFile noLog{noAnswers.filePath("answers.json")};
    AddTexts(texts, AnswersDialog(noLog, &window));
    window.ShowWelcome();
    AddTexts(texts, *window.findChild<QDockWidget*>("welcomeDock"));

    // The hover explanations of "Mesures" (the curve's, the switch's, two per row) too.
    QStringList french;
    for (const MeasureRow& row : EveryMeasureRow()) french << QString::fromUtf8(row.tip);
    int tips = 0, inFrench = 0;
    for (const QWidget* widget : measures->findChildren<QWidget*>())
        tips += !widget->toolTip().isEmpty(), inFrench += french.contains(widget->toolTip());
    QVERIFY(tips == 63 && inFrench == (language == "fr" ? 60 : 0));

    QStringList expected;
    for (const auto& [french, inEnglish] : kWindows)
        expected << QString::fromUtf8(english ? inEnglish : french).split('|');
    if (language != "de") QCOMPARE(texts, expected);
    // German from its catalogue: the same windows, every menu title translated.
    QCOMPARE(texts.size(), expected.size());
    if (language == "de")
        for (const QString& title : altKeys.mid(0, altKeys.size() - 2))
            QVERIFY2(!expected.contains(title), qPrintable(title));
}

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    LanguageTest fixture;
    return QTest::qExec(&fixture, argc, argv);
}
#include "language_test.moc"
