// The interface in the language the environment asks for: CTest runs this fixture under
// LANGUAGE=en, LANG=C and LANG=fr_FR.UTF-8 and names the expected language in
// VIREFLU_EXPECTED_LANGUAGE (fr or en).
#include <QAbstractButton>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QLabel>
#include <QMenuBar>

#include "about_box.h"
#include "command_bar.h"
#include "gui_test_support.h"
#include "interface_language.h"
#include "main_window.h"
#include "simulator_app.h"
#include "winding_panel.h"

using namespace vireflu;

namespace {

// Every text the user reads, in the order the test collects them: French, English.
const std::pair<const char*, const char*> kTexts[] = {
    {"&Général", "&General"},
    {"&Quitter", "&Quit"},
    {"&Représentation", "&Presentation"},
    {"Entrefer:couleur", "Air gap: colour"},
    {"Vecteur", "Vector"},
    {"Trace", "Trace"},
    {"Forces magnéto-motrices", "Magnetomotive forces"},
    {"Couple", "Torque"},
    {"&Vue", "&View"},
    {"&Stator", "&Stator"},
    {"&Rotor", "&Rotor"},
    {"&Couleur", "&Colour"},
    {"Bleu Noir Rouge", "Blue Black Red"},
    {"Vert NoirRouge", "Green Black Red"},
    {"CAO", "CAD"},
    {"&?", "&Help"},
    {"&A propos de Vireflu...", "&About Vireflu..."},
    {"&Initialisation", "&Reset"},
    {"&Animation", "&Animation"},
    // The stator panel with phase 1 on, then the rotor panel.
    {"Stator", "Stator"},
    {"fréquence stator: 50 Hz", "stator frequency: 50 Hz"},
    {"phase", "phase"},
    {"phase", "phase"},
    {"phase", "phase"},
    {"phase 1", "phase 1"},
    {"phase 2", "phase 2"},
    {"phase 3", "phase 3"},
    {"sinus", "sine"},
    {"continu", "DC"},
    {"rectangulaire", "rectangular"},
    {"Rotor", "Rotor"},
    {"phase", "phase"},
    {"phase", "phase"},
    {"phase", "phase"},
    {"phase 1", "phase 1"},
    {"phase 2", "phase 2"},
    {"phase 3", "phase 3"},
    {"sinus", "sine"},
    {"continu", "DC"},
    {"fréquence de rotation: 0 Hz", "rotation frequency: 0 Hz"},
    {"position initiale: 0 degré", "initial position: 0 degrees"},
    {"A propos de Vireflu", "About Vireflu"},
    {"OK", "OK"},
    {"Vireflu version 2.0", "Vireflu version 2.0"},
    {"Simulateur pédagogique, 2026", "Teaching simulator, 2026"},
    {"Le champ tournant des machines triphasées", "The rotating field of three-phase machines"},
    // Qt's own texts: a standard button.
    {"Annuler", "Cancel"}};

void AddTexts(QStringList& texts, const QWidget& window) {
    texts << window.windowTitle();
    for (const QObject* child : window.children()) {
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
    for (const QString& text : texts) {
        const qsizetype at = text.indexOf('&');
        if (at < 0) continue;
        if (keys.contains(text[at + 1].toLower())) return false;
        keys.insert(text[at + 1].toLower());
    }
    return true;
}

}  // namespace

class LanguageTest : public QObject {
    Q_OBJECT

private slots:
    void firstKnownPreferredLanguageWins_data();
    void firstKnownPreferredLanguageWins();
    void everyTextInTheExpectedLanguage();
};

void LanguageTest::firstKnownPreferredLanguageWins_data() {
    QTest::addColumn<QStringList>("preferred");
    QTest::addColumn<bool>("english");
    QTest::newRow("English") << QStringList{"en-GB"} << true;
    QTest::newRow("German then English") << QStringList{"de-DE", "en"} << true;
    QTest::newRow("French before English") << QStringList{"fr-CA", "en-US"} << false;
    QTest::newRow("C locale") << QStringList{"C"} << false;
    QTest::newRow("nothing known") << QStringList{"de-DE"} << false;
}

void LanguageTest::firstKnownPreferredLanguageWins() {
    QFETCH(QStringList, preferred);
    QFETCH(bool, english);
    QCOMPARE(ChooseUiLanguage(preferred) == UiLanguage::English, english);
}

void LanguageTest::everyTextInTheExpectedLanguage() {
    const bool english = qgetenv("VIREFLU_EXPECTED_LANGUAGE") == "en";
    CSimulatorApp app;
    app.InitInstance();
    CMainWindow& window = *app.MainWindow();
    QStringList texts;
    QStringList altKeys;
    for (QAction* title : window.menuBar()->actions()) {
        QStringList menu{title->text()};
        for (QAction* item : title->menu()->actions()) menu << item->text();
        menu.removeAll(QString());
        QVERIFY2(UniqueMnemonics(menu.mid(1)), qPrintable(menu.join(' ')));
        texts << menu;
        altKeys << menu.first();
    }
    const auto* bar = window.findChild<CommandBar*>();
    texts << bar->resetButton->text() << bar->animationButton->text();
    altKeys << texts.mid(texts.size() - 2);
    QVERIFY2(UniqueMnemonics(altKeys), qPrintable(altKeys.join(' ')));

    test::MenuAction(window, texts[8], texts[9])->trigger();
    auto* stator = window.findChild<CWindingPanel*>();
    QWidget* phase1 = stator->findChild<QWidget*>("phase1Check");
    QTest::mouseClick(phase1, Qt::LeftButton, {}, QPoint(6, phase1->height() / 2));
    AddTexts(texts, *stator);
    test::MenuAction(window, texts[8], texts[10])->trigger();
    AddTexts(texts, *window.findChildren<CWindingPanel*>().last());
    AddTexts(texts, CAboutBox(&window));
    texts << QDialogButtonBox(QDialogButtonBox::Cancel).buttons().first()->text();

    QStringList expected;
    for (const auto& [french, inEnglish] : kTexts)
        expected << QString::fromUtf8(english ? inEnglish : french);
    QCOMPARE(texts, expected);
}

VIREFLU_GUI_TEST_MAIN(LanguageTest)
#include "language_test.moc"
