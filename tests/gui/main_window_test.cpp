// The main window's wiring: menu commands and buttons reach the state and draw one frame
// each, the clock's timer, and the panels opened from "&Vue".

#include <QAccessible>
#include <QApplication>
#include <QDockWidget>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMessageBox>
#include <QProcess>
#include <QRegularExpression>
#include <QScreen>
#include <QSettings>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <QTreeWidget>
#include <cstring>

#include "answer_log_file.h"
#include "course_composer.h"
#include "gui_test.h"
#include "lesson_panel.h"
#include "machine_view.h"
#include "main_window.h"
#include "measures/measures.h"
#include "measures_panel.h"
#include "setup/setup_json.h"
#include "simulator_app.h"
#include "winding_panel.h"
#include "window_placement.h"

using namespace vireflu;

namespace {

void Choose(const QMainWindow& window, const QString& menu, const QString& item) {
    for (QAction* title : window.menuBar()->actions())
        for (QAction* action : title->menu()->actions())
            if (title->text() == menu && action->text() == item) return action->trigger();
    QFAIL(qPrintable(item));
}

bool Write(const QString& path, const char* text) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(text) == qint64(std::strlen(text));
}

std::string ReadAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll().toStdString() : std::string();
}

QRect OnScreen(const QWidget* widget) {
    return QRect(widget->mapToGlobal(QPoint()), widget->size());
}

// Clicks the button of this caption in the box that the next call opens.
void AnswerBox(const QString& caption) {
    QTimer::singleShot(0, [caption] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget()))
            for (QAbstractButton* button : box->buttons())
                if (button->text() == caption) button->click();
    });
}

}  // namespace

class MainWindowTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void commands_data();
    void commands();
    void oneFramePerEvent();
    void animationAndReset();
    void pacesSetTheTimersPeriod();
    void undoAndRedo();
    void panelsSendAndFollowTheClock();
    void placement();
    void setupsOpenedAndSavedAgain();
    void panelsBesideTheMachine();
    void lessonJourney();
    void welcomeToARotatingField();
    void courseFollowedToItsEnd();
    void hostileClassFilesChangeNothing();
    void documentsAsPeopleExpect();
    void projectorForTheBackRow();
    void keysInEveryWindow();
    void everyControlNamed();

private:
    void Choose(const QString& menu, const QString& item) { ::Choose(*window, menu, item); }
    QColor ViewPixel(QPoint at) const { return view->grab().toImage().pixelColor(at); }
    bool Running() const { return window->findChild<QTimer*>("clockTimer")->isActive(); }

    Session* session = nullptr;
    SimulationState* state = nullptr;  // the session's
    CMainWindow* window = nullptr;
    CMachineView* view = nullptr;
};

void MainWindowTest::init() {
    session = new Session;
    state = &session->State();
    window = new CMainWindow(*session);
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window));
    view = window->findChild<CMachineView*>();
}

void MainWindowTest::cleanup() {
    delete window;
    delete session;
}

void MainWindowTest::commands_data() {
    QTest::addColumn<QString>("menu");
    QTest::addColumn<QString>("item");
    QTest::addColumn<QList<int>>("flags");  // airGap, trace, vector, mmf, torque
    QTest::addColumn<QColor>("ring");       // mid-ring, right of the centre: phases all off
    const QColor blue(0, 0, 31), white(Qt::white), cao(255, 70, 0);
    const QString p = "&Représentation", c = "&Couleur";
    const QList<int> couple{0, 0, 1, 1, 1};
    QTest::newRow("air gap") << p << "Entrefer:couleur" << QList{1, 0, 0, 0, 0} << cao;
    QTest::newRow("vector") << p << "Vecteur" << QList{0, 0, 1, 0, 0} << white;
    QTest::newRow("trace") << p << "Trace" << QList{0, 1, 0, 0, 0} << white;
    QTest::newRow("mmf") << p << "Forces magnéto-motrices" << QList{0, 0, 1, 1, 0} << cao;
    QTest::newRow("torque") << p << "Couple" << couple << cao;
    QTest::newRow("green") << c << "Vert NoirRouge" << couple << QColor(0, 31, 0);
    QTest::newRow("blue") << c << "Bleu Noir Rouge" << couple << blue;
}

void MainWindowTest::commands() {
    QFETCH(QString, menu);
    QFETCH(QString, item);
    QFETCH(QList<int>, flags);
    QFETCH(QColor, ring);
    const auto& s = *state;
    const auto modes = [&] {
        return QList{s.airGapMode, s.traceMode, s.vectorMode, s.mmfMode, s.torqueMode};
    };
    QCOMPARE(modes(), (QList{1, 0, 0, 0, 0}));  // "Entrefer:couleur" at start-up
    Choose("&Couleur", "CAO");                  // and the presentation furthest from the row's
    Choose("&Représentation", item == "Couple" ? "Trace" : "Couple");
    Choose(menu, item);
    QCOMPARE(modes(), flags);
    const QPoint centre(view->width() / 2, view->height() / 2);
    const int middle = static_cast<int>(std::min(view->width(), view->height()) * 0.375);
    QCOMPARE(ViewPixel(centre + QPoint(middle, 0)), ring);
}

// In "Trace" every frame records one point: a command, a tick, a reset and a record each
// draw one frame, nothing is left to draw later, and an expose shows the same instant anew
// without a point of its own.
void MainWindowTest::oneFramePerEvent() {
    Choose("&Représentation", "Trace");
    QCOMPARE(state->traceCount, 1);
    window->OnClockTick();
    Choose("&Couleur", "CAO");
    QTest::mouseClick(test::Button(*window, "&Initialisation"), Qt::LeftButton);
    window->ApplyWindingSettings(0, test::PhaseOneRecord());
    QCoreApplication::processEvents();
    QCOMPARE(state->traceCount, 5);
    view->repaint();
    QCOMPARE(state->traceCount, 5);
    // Sizes down to nothing draw without fault.
    for (QSize size : {QSize(1, 1), QSize(0, 0), QSize(400, 0)}) {
        view->setFixedSize(size);
        window->OnClockTick();
    }
}

// "&Animation" runs the clock's timer once a winding is on; "&Initialisation" puts the clock
// back to zero and lets it run on.
void MainWindowTest::animationAndReset() {
    QPushButton* animation = test::Button(*window, "&Animation");
    QTest::mouseClick(animation, Qt::LeftButton);
    QVERIFY(!Running());
    WindingSettings rotor = test::PhaseOneRecord();
    rotor.initialPositionDeg = 30;
    rotor.rotationHz = 50;
    window->ApplyWindingSettings(1, rotor);
    QTest::mouseClick(animation, Qt::LeftButton);
    QVERIFY(Running());
    QCOMPARE(animation->text(), "&Stop");
    const double position = state->rotorPosition;
    QTRY_VERIFY(state->rotorPosition > position);
    QTest::mouseClick(test::Button(*window, "&Initialisation"), Qt::LeftButton);
    QCOMPARE(state->elapsedTime + state->statorAngle + state->rotorAngle, 0.0);
    QCOMPARE(state->rotorPosition, position);
    QTRY_VERIFY(state->elapsedTime > 0);
    QTest::mouseClick(animation, Qt::LeftButton);
    QVERIFY(!Running());
    QCOMPARE(animation->text(), "&Animation");
}

// "Annuler" takes the last change back, a window opened included, and Ctrl+Shift+Z replays it;
// in an angle field Ctrl+Z stays the field's own.
void MainWindowTest::undoAndRedo() {
    Choose("&Représentation", "Trace");
    Choose("&Vue", "&Mesures");
    Choose("É&dition", "&Annuler");
    QVERIFY(!window->CurrentSetup().measuresWindow && state->traceMode == 1);
    QTest::keyClick(window, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(window->CurrentSetup().presentation, Presentation::AirGap);
    QTest::keyClick(window, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    QTest::keyClick(window, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    QVERIFY(window->CurrentSetup().measuresWindow && state->traceMode == 1);
    Choose("É&dition", "Tout réi&nitialiser");
    QCOMPARE(WriteSetup(window->CurrentSetup()), WriteSetup(vireflu::Setup{}));
}

// Each pace is a period of the clock's timer.
void MainWindowTest::pacesSetTheTimersPeriod() {
    auto* timer = window->findChild<QTimer*>("clockTimer");
    for (const auto& [pace, period] :
         {std::pair{"Cadence x1/4", 600}, {"Cadence x1", 150}, {"Cadence x4", 37}}) {
        Choose("&Vue", pace);
        QCOMPARE(timer->interval(), period);
    }
}

// A panel's record reaches the state before its send returns, and the clock's ticks reach
// the open panels; "&Vue" again brings a hidden panel back as it was.
void MainWindowTest::panelsSendAndFollowTheClock() {
    Choose("&Vue", "&Stator");
    auto* panel = window->findChild<CWindingPanel*>();
    QVERIFY(QTest::qWaitForWindowExposed(panel));
    auto* phase1 = panel->findChild<QAbstractButton*>("phase1Check");
    QTest::mouseClick(phase1, Qt::LeftButton, {}, QPoint(6, phase1->height() / 2));
    QCOMPARE(state->statorPhaseOn, (std::array{1, 0, 0}));
    for (int tick = 0; tick < 10; ++tick) window->OnClockTick();
    // A quarter period: the cursor at x = 10 + 20, inside the frame's 4-pixel margin.
    QWidget* frame = panel->findChild<QWidget*>("phase1Frame");
    QCOMPARE(frame->grab().toImage().pixelColor(34, 40), QColor(Qt::black));
    panel->hide();
    Choose("&Vue", "&Stator");
    QVERIFY(panel->isVisible() && phase1->isChecked());
    QCOMPARE(window->findChildren<CWindingPanel*>().size(), 1);
}

void MainWindowTest::placement() {
    const QRect placed[] = {InitialFrameRect({0, 0, 1281, 1024}, {0, 0, 1281, 1024}),
                            InitialFrameRect({0, 0, 3840, 1080}, {0, 0, 3840, 1040}),
                            InitialFrameRect({0, 0, 1920, 1080}, {0, 32, 1920, 1048})};
    QCOMPARE(placed[0], QRect(0, 0, 640, 640));    // half the width, truncated
    QCOMPARE(placed[1], QRect(0, 0, 1040, 1040));  // the largest square that fits
    QCOMPARE(placed[2], QRect(0, 32, 960, 960));   // below a desktop panel
    const QScreen* screen = window->screen();
    QCOMPARE(window->frameGeometry(),
             InitialFrameRect(screen->geometry(), screen->availableGeometry()));
}

// A setup opens to vireflu-render's frame for the same setup at the view's size, windows and
// pace as it says, and saves back to its own bytes; a setup the reader refuses (told in a
// message box) leaves the window as it was.
void MainWindowTest::setupsOpenedAndSavedAgain() {
    vireflu::Setup readme, trace;
    readme.stator = {3, {0, 240, 120}, 50, kWaveformSinus};
    readme.rotor = {1, {0, 0, 0}, 50, kWaveformContinu, 50, 30};
    readme.presentation = Presentation::Torque;
    readme.sequences = readme.statorWindow = readme.measuresWindow = true;
    readme.pacePeriodMs = kTickPeriodMs / 2;
    readme.ticks = 7;
    trace.stator = {3, {0, 120, 240}, 20, kWaveformSinus};
    trace.presentation = Presentation::Trace;
    trace.colourMap = ColourMapKind::Cao;
    trace.ticks = 2345;  // a trace started afresh twice: only its last drawings matter
    const QTemporaryDir dir;
    const QString file = dir.filePath("s.vireflu"), png = dir.filePath("s.png");
    const QString size = QString("%1x%2").arg(view->width()).arg(view->height());
    for (const vireflu::Setup& setup : {readme, trace}) {
        const std::string document = WriteSetup(setup);
        QVERIFY(Write(file, document.c_str()));
        QVERIFY(window->OpenSetupFile(file));
        QCOMPARE(WriteSetup(window->CurrentSetup()), document);
        QProcess::execute(VIREFLU_RENDER_PATH, {"--setup", file, "--size", size, "--output", png});
        QCOMPARE(view->grab().toImage().convertToFormat(QImage::Format_RGB32),
                 QImage(png).convertToFormat(QImage::Format_RGB32));
    }
    // The box shows the file's name and key as written, never as markup, and shortens a long key.
    const std::string v = "{\"vireflu-setup\": 1, \"";
    const std::pair<QString, std::string> refused[] = {
        {"<b>cours.vireflu", "{\"vireflu-setup\": 2}"},
        {"s.vireflu", v + "<a href='https://example.invalid/u'>Cliquez ici</a>\": 1}"},
        {"s.vireflu", v + std::string(60000, 'k') + "\": 1}"},
    };
    for (const auto& [name, document] : refused) {
        QVERIFY(Write(dir.filePath(name), document.c_str()));
        QString shown;
        QTimer::singleShot(0, [&shown] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (box->textFormat() == Qt::PlainText) shown = box->text();
            box->close();
        });
        QVERIFY(!window->OpenSetupFile(dir.filePath(name)));
        QVERIFY2(shown.startsWith(name) && shown.size() < 300, qPrintable(shown));
    }
    QCOMPARE(WriteSetup(window->CurrentSetup()), WriteSetup(trace));
}

// "Panneaux à côté" docks the three panels beside the view, none over it, the two winding
// panels as tabs of one place so that the window fits the screen, and the next start finds
// them so; "Disposition initiale" floats them again and forgets it. "Mesures", in its
// own window, opens beside the main window.
void MainWindowTest::panelsBesideTheMachine() {
    Choose("&Vue", "Panneaux à côté");
    for (const QString item : {"&Stator", "&Rotor", "&Mesures"}) Choose("&Vue", item);
    const QList<QDockWidget*> docks = window->findChildren<QDockWidget*>();
    QCOMPARE(docks.size(), 3);
    for (QDockWidget* dock : docks) {
        dock->raise();  // a tab's own turn
        QVERIFY(dock->isVisible() && !OnScreen(dock).intersects(OnScreen(view)));
    }
    QVERIFY(window->screen()->availableGeometry().contains(window->frameGeometry()));
    AnswerBox("&Ne pas enregistrer");  // the windows opened are a change
    window->close();                   // the next start
    cleanup();
    init();
    QCOMPARE(window->findChildren<QDockWidget*>().size(), 3);
    Choose("&Vue", "Disposition initiale");
    QVERIFY(window->findChildren<QDockWidget*>().isEmpty());
    window->resize(200, 200);  // room beside it on the small offscreen screen
    Choose("&Vue", "&Mesures");
    const QDialog* measures = window->findChild<CMeasuresPanel*>();
    QVERIFY(measures->isWindow() && !measures->frameGeometry().intersects(window->frameGeometry()));
}

// A lesson opens stopped at clock zero beside the machine, waits for the prediction, runs
// once it is given with the simulator's verdict, and starts again on "Recommencer".
void MainWindowTest::lessonJourney() {
    const QTemporaryDir dir;
    const QString file = dir.filePath("cours1.vireflu");
    QVERIFY(Write(file, WriteSetup(vireflu::Setup{}).c_str()));
    QVERIFY(window->OpenSetupFile(file));
    Choose("&Vue", "&Mesures");  // a window of the last setup the lesson's own closes
    // "&Leçons", "Le champ tournant" (the menus' order is the language test's).
    QMenu* theme = window->menuBar()->actions()[5]->menu()->actions()[1]->menu();
    AnswerBox("&Ne pas enregistrer");  // "Mesures" opened changed the file's setup
    theme->actions()[0]->trigger();    // "Trois phases"
    auto* panel = window->findChild<LessonPanel*>();
    QVERIFY(panel->isVisible() && !OnScreen(panel).intersects(OnScreen(view)));
    QVERIFY(!window->findChild<CMeasuresPanel*>()->isVisible());
    // Until the prediction, no window tells the field's sense, nor the slip against it.
    Choose("&Vue", "&Mesures");
    const auto measure = [this](const QString& label) {
        for (const QLabel* value : window->findChild<CMeasuresPanel*>()->findChildren<QLabel*>())
            if (value->accessibleName() == label) return value->text();
        return QString();
    };
    const QString later = QStringLiteral("après votre réponse");
    QCOMPARE(measure("Glissement"), later);
    QVERIFY(view->Annotations() &&
            view->accessibleDescription().contains("Champ : après votre réponse.") &&
            !view->accessibleDescription().contains("horaire"));
    QTest::keyClick(window, Qt::Key_Space);
    QVERIFY(!Running() && state->elapsedTime == 0);
    QTest::mouseClick(panel->findChild<QPushButton*>("choice2"), Qt::LeftButton);  // "pulse"
    QVERIFY(Running());
    QCOMPARE(measure("Glissement"), QStringLiteral("100,00 %"));
    QVERIFY(view->accessibleDescription().contains("Champ sens horaire"));
    QCOMPARE(panel->findChild<QLabel*>("verdict")->text(),
             QStringLiteral("Ce n'est pas ce qui se passe. Le champ tourne dans le sens horaire à "
                            "3000 tr/min."));
    QTRY_VERIFY(state->elapsedTime > 0);
    QVERIFY(panel->findChild<QLabel*>("followUp")->text().startsWith("Essayez : "));
    QTest::mouseClick(panel->findChild<QPushButton*>("restartButton"), Qt::LeftButton);
    QVERIFY(!Running() && state->elapsedTime == 0 && panel->Waiting());
    Choose("&Vue", "&Mesures");  // closed again by the lesson's setup
    QCOMPARE(measure("Glissement"), later);
    QTest::mouseClick(panel->findChild<QPushButton*>("choice0"), Qt::LeftButton);
    QVERIFY(Running() && panel->findChild<QLabel*>("verdict")->text().startsWith("Bonne"));
    // The lesson is not the file opened before: Ctrl+S asks where to save it.
    bool asked = false;
    QTimer::singleShot(0, [&asked] {
        asked = qobject_cast<QFileDialog*>(QApplication::activeModalWidget()) != nullptr;
        if (asked) QApplication::activeModalWidget()->close();
    });
    QTest::keyClick(window, Qt::Key_S, Qt::ControlModifier);
    QCoreApplication::processEvents();
    QVERIFY(asked);
    QCOMPARE(QFile(file).size(), qint64(WriteSetup(vireflu::Setup{}).size()));
    // The next lesson does not ask for annotations: they go back to the user's own (off).
    AnswerBox("&Ne pas enregistrer");
    theme->actions()[1]->trigger();
    QVERIFY(!view->Annotations());
}

// The welcome stands beside the machine; "Commencer par une leçon", then any choice: a field
// turning in two clicks. The way chosen is kept for the next start.
void MainWindowTest::welcomeToARotatingField() {
    QSettings().remove("welcomeDismissed");
    window->ShowWelcome();
    auto* welcome = window->findChild<QDockWidget*>("welcomeDock");
    QVERIFY(welcome->isVisible() && !OnScreen(welcome).intersects(OnScreen(view)));
    QTest::mouseClick(welcome->findChild<QPushButton*>("welcomeLesson"), Qt::LeftButton);
    auto* lesson = window->findChild<LessonPanel*>();
    QTest::mouseClick(lesson->findChild<QPushButton*>("choice2"), Qt::LeftButton);
    QVERIFY(Running() && welcome->isHidden() && CMainWindow::WelcomeDismissed());
    QCOMPARE(StatorFieldSense(*state), FieldSense::Clockwise);
}

// A course composed of two lessons and followed through the panel to its end: each answer
// counts once in the score and is appended to the log; the teacher's view shows the answer
// expected only while it is on.
void MainWindowTest::courseFollowedToItsEnd() {
    QFile::remove(AnswerLogFile::UserPath());
    Choose("&Leçons", "Composer un parcours...");
    auto* composer = window->findChild<CourseComposer*>();
    auto* shipped = composer->findChild<QTreeWidget*>("shippedLessons");
    for (const QString title : {"Trois phases", "Le glissement"}) {
        shipped->setCurrentItem(shipped->findItems(title, Qt::MatchRecursive).value(0));
        QTest::mouseClick(test::Button(*composer, "Ajouter"), Qt::LeftButton);
    }
    QTest::keyClicks(composer->findChild<QLineEdit*>("courseTitle"), "Champ et glissement");
    QTest::mouseClick(composer->findChild<QPushButton*>("startCourse"), Qt::LeftButton);
    auto* panel = window->findChild<LessonPanel*>();
    const auto text = [panel](const char* name) { return panel->findChild<QLabel*>(name)->text(); };
    const auto teacher = [panel] {
        return panel->findChild<QWidget*>("teacherBlock")->isVisible();
    };
    QVERIFY(!composer->isVisible() && !teacher());
    QCOMPARE(text("courseStep"), "Leçon 1 sur 2");
    Choose("&Leçons", "Vue enseignant");
    QVERIFY(teacher());
    QCOMPARE(text("expectedAnswer"), "Réponse attendue : Il tourne dans le sens horaire");
    Choose("&Leçons", "Vue enseignant");
    QVERIFY(!teacher());
    auto* next = panel->findChild<QPushButton*>("nextButton");
    QTest::mouseClick(panel->findChild<QPushButton*>("choice0"), Qt::LeftButton);  // right
    QTest::mouseClick(panel->findChild<QPushButton*>("choice1"), Qt::LeftButton);  // no second
    QCOMPARE(next->text(), "Leçon suivante");
    QTest::mouseClick(next, Qt::LeftButton);
    QCOMPARE(text("courseStep"), "Leçon 2 sur 2");
    QTest::mouseClick(panel->findChild<QPushButton*>("choice0"), Qt::LeftButton);  // 0: wrong
    QCOMPARE(next->text(), "Terminer");
    QTest::mouseClick(next, Qt::LeftButton);
    QCOMPARE(text("courseScore"), "Bonnes réponses : 1 sur 2 (50 %).");
    QCOMPARE(text("courseOutcomes"), "Trois phases : juste\nLe glissement : faux");
    const auto log = ReadAnswerLog(ReadAll(AnswerLogFile::UserPath()));
    const auto* answers = std::get_if<std::vector<AnswerRecord>>(&log);
    QVERIFY(answers != nullptr && answers->size() == 2);
    QVERIFY(answers->at(0).lesson == "trois-phases" && answers->at(0).right);
    QVERIFY(answers->at(1).lesson == "glissement" && !answers->at(1).right);
}

// A course file or an answers' log that is not one is refused in one sentence and changes
// nothing: no course starts, the log keeps its bytes, and "Mes réponses" still lists this
// session's answer under the refusal until "Effacer" empties the log.
void MainWindowTest::hostileClassFilesChangeNothing() {
    const QTemporaryDir dir;
    const QString course = dir.filePath("<b>parcours.json");
    QVERIFY(Write(course, "{\"vireflu-course\": 1, \"title\": \"x\", \"lessons\": [\"/etc\"]}"));
    QString shown;
    QTimer::singleShot(0, [&shown] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        shown = box->textFormat() == Qt::PlainText ? box->text() : QString();
        box->close();
    });
    QVERIFY(!window->OpenCourseFile(course));
    QVERIFY2(shown.startsWith("<b>parcours.json") && shown.count('\n') == 1, qPrintable(shown));
    QVERIFY(!window->FollowedCourse() && !window->ShownLesson());
    const QString log = AnswerLogFile::UserPath();
    const char* hostile = "{\"vireflu-answers\": 1, \"answers\": [{\"at\": \"=cmd|'/c calc'\"}]}";
    QVERIFY(QDir().mkpath(QFileInfo(log).path()) && Write(log, hostile));
    window->menuBar()->actions()[5]->menu()->actions()[1]->menu()->actions()[0]->trigger();
    QTest::mouseClick(window->findChild<LessonPanel*>()->findChild<QPushButton*>("choice0"),
                      Qt::LeftButton);
    QCOMPARE(ReadAll(log), hostile);
    QString refusals[2];
    int rows[2] = {-1, -1};
    for (int shown = 0; shown < 2; ++shown) {
        QTimer::singleShot(0, [&refusal = refusals[shown], &listed = rows[shown]] {
            QWidget* answers = QApplication::activeModalWidget();
            const auto* label = answers->findChild<QLabel*>("answersRefusal");
            refusal = label->isVisible() ? label->text() : QString();
            listed = answers->findChild<QTableWidget*>()->rowCount();
            AnswerBox("Effacer");  // the confirmation
            test::Button(*answers, "Effacer")->click();
            answers->close();
        });
        Choose("&Leçons", "Mes réponses");
    }
    QVERIFY2(refusals[0].startsWith("Ce journal") && !refusals[0].contains('\n'),
             qPrintable(refusals[0]));
    QVERIFY(refusals[1].isEmpty() && rows[0] == 1 && rows[1] == 0);
    QCOMPARE(ReadAll(log), WriteAnswerLog({}));
}

// The file's name in the title, marked while the setup shown differs from it (undone back to
// it, unmarked); "Enregistrer sous..." writes a copy and names it; a changed setup is not lost
// without a question, whose "Annuler" keeps everything.
void MainWindowTest::documentsAsPeopleExpect() {
    const QTemporaryDir dir;
    const QString file = dir.filePath("s.vireflu"), copy = dir.filePath("copie.vireflu");
    const std::string document = WriteSetup(vireflu::Setup{});
    QVERIFY(Write(file, document.c_str()));
    QVERIFY(window->OpenSetupFile(file));
    QCOMPARE(window->windowTitle(), "s.vireflu[*] — Vireflu");
    QVERIFY(!window->isWindowModified());
    Choose("&Représentation", "Vecteur");
    QVERIFY(window->isWindowModified());
    QTest::keyClick(window, Qt::Key_Z, Qt::ControlModifier);
    QVERIFY(!window->isWindowModified());
    QTest::keyClick(window, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    AnswerBox("Annuler");
    QVERIFY(!window->close() && window->isVisible() && window->isWindowModified());
    QTimer::singleShot(0, [copy] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        dialog->selectFile(copy);
        static_cast<QDialog*>(dialog)->accept();
    });
    Choose("&Général", "Enregistrer &sous...");
    QCOMPARE(window->windowTitle(), "copie.vireflu[*] — Vireflu");
    QVERIFY(!window->isWindowModified());
    QCOMPARE(ReadAll(copy), WriteSetup(window->CurrentSetup()));
    QCOMPARE(ReadAll(file), document);
    QVERIFY(window->close());  // nothing to lose, nothing asked
}

// Projector mode, every window docked and a lesson open: no text under 24 pixels at 1080
// lines (in proportion on this screen), the menus and the lesson twice their size, and the
// window on the screen.
void MainWindowTest::projectorForTheBackRow() {
    const int normal = QFontInfo(QApplication::font()).pixelSize();
    Choose("&Vue", "Panneaux à côté");
    window->menuBar()->actions()[5]->menu()->actions()[1]->menu()->actions()[0]->trigger();
    for (const QString item : {"&Stator", "&Rotor", "&Mesures"}) Choose("&Vue", item);
    Choose("&Couleur", "Projection");
    const QScreen* screen = window->screen();
    const double least = 24.0 * screen->geometry().height() / 1080;
    QStringList small;
    for (QWidget* widget : QApplication::allWidgets())
        if (widget->isVisible() && !widget->property("text").toString().isEmpty() &&
            QFontInfo(widget->font()).pixelSize() < least)
            small << widget->objectName() + " " + widget->metaObject()->className();
    QVERIFY2(small.isEmpty(), qPrintable(small.join(", ")));
    for (const QWidget* twice : {static_cast<QWidget*>(window->menuBar()),
                                 window->findChild<LessonPanel*>()->findChild<QWidget*>("choice0")})
        QVERIFY(QFontInfo(twice->font()).pixelSize() >= 2 * normal);
    QVERIFY(screen->availableGeometry().contains(window->frameGeometry()));
    Choose("&Couleur", "Projection");
    QCOMPARE(QFontInfo(window->menuBar()->font()).pixelSize(), normal);
}

// Space, Home and F11 act whichever window has the focus, a panel's clicked check box
// included; a text field keeps Space and a button reached by Tab presses; Ctrl+Q quits.
void MainWindowTest::keysInEveryWindow() {
    window->ApplyWindingSettings(0, test::PhaseOneRecord());
    for (const QString item : {"&Stator", "&Rotor", "&Mesures"}) Choose("&Vue", item);
    auto* stator = window->findChild<CWindingPanel*>("");
    auto* check = stator->findChild<QAbstractButton*>("phase1Check");
    QTest::mouseClick(check, Qt::LeftButton, {}, QPoint(6, check->height() / 2));
    QTest::mouseClick(check, Qt::LeftButton, {}, QPoint(6, check->height() / 2));
    const QList<QWidget*> windows = {window, stator, window->findChildren<CWindingPanel*>().last(),
                                     window->findChild<CMeasuresPanel*>()};
    for (QWidget* focused : windows) {
        focused->activateWindow();
        QTRY_COMPARE(QApplication::activeWindow(), focused);
        QWidget* target = QApplication::focusWidget() ? QApplication::focusWidget() : focused;
        QTest::keyClick(target, Qt::Key_Space);
        QVERIFY2(Running(), qPrintable(focused->windowTitle()));
        QTRY_VERIFY(state->elapsedTime > 0);
        QTest::keyClick(target, Qt::Key_Home);
        QCOMPARE(state->elapsedTime, 0.0);
        QTest::keyClick(target, Qt::Key_Space);
        QVERIFY(!Running());
        QTest::keyClick(target, Qt::Key_F11);
        QVERIFY(window->isFullScreen());
        QTest::keyClick(target, Qt::Key_F11);
        QVERIFY(!window->isFullScreen());
    }
    QVERIFY(check->isChecked());
    stator->activateWindow();
    QTRY_COMPARE(QApplication::activeWindow(), stator);
    auto* edit = stator->findChild<QLineEdit*>("phase1Edit");
    QTest::mouseClick(edit, Qt::LeftButton);
    QTest::keyClicks(edit, "1 ");
    QCOMPARE(edit->text(), "1 ");
    check->setFocus(Qt::BacktabFocusReason);
    QTest::keyClick(check, Qt::Key_Space);
    QVERIFY(!Running() && !check->isChecked());
    AnswerBox("&Ne pas enregistrer");
    QTest::keyClick(check, Qt::Key_Q, Qt::ControlModifier);
    QVERIFY(!window->isVisible());
}

// Through Qt's accessibility interface, as a screen reader asks: every control, picture and
// text shown in the main window, "Stator", "Rotor" and "Mesures" has a name; the view's
// description follows the machine, at most once a second while the clock runs.
void MainWindowTest::everyControlNamed() {
    QTest::failOnWarning(QRegularExpression("QString::arg"));  // a name's pattern filled wrongly
    window->ApplyWindingSettings(0, WindingSettings{1, 1, 1, 0, 120, 240, 50, 0, 0, 0});
    for (const QString item : {"&Stator", "&Rotor", "&Mesures"}) Choose("&Vue", item);
    window->OnClockTick();
    QList<QWidget*> windows = {window};
    for (QWidget* panel : window->findChildren<QDialog*>()) windows << panel;
    QCOMPARE(windows.size(), 4);
    const QList<QAccessible::Role> containers = {QAccessible::Client,    QAccessible::Dialog,
                                                 QAccessible::Window,    QAccessible::Grouping,
                                                 QAccessible::Separator, QAccessible::MenuBar};
    int named = 0;
    QStringList unnamed;
    for (QWidget* top : windows) {
        for (QWidget* widget : top->findChildren<QWidget*>()) {
            QAccessibleInterface* face = QAccessible::queryAccessibleInterface(widget);
            if (widget->window() != top || !widget->isVisibleTo(top) ||
                containers.contains(face->role()))
                continue;
            const auto* label = qobject_cast<QLabel*>(widget);
            if (label && label->text().isEmpty() && !label->pixmap()) continue;  // shows nothing
            if (face->text(QAccessible::Name).isEmpty())
                unnamed << top->windowTitle() + " " + widget->metaObject()->className() + " " +
                               widget->objectName();
            ++named;
        }
    }
    QVERIFY2(unnamed.isEmpty(), qPrintable(unnamed.join(", ")));
    QVERIFY2(named >= 50, QByteArray::number(named));  // the walk did reach the controls
    const auto described = [this] {
        return QAccessible::queryAccessibleInterface(view)->text(QAccessible::Description);
    };
    QCOMPARE(described(),
             "Stator : phases 1, 2, 3 en sinus. Rotor : aucun courant. Champ sens horaire, -3000 "
             "tr/min. Rotor à 0 tr/min. Couple 0,000. Présentation : Entrefer:couleur.");
    QTest::mouseClick(test::Button(*window, "&Animation"), Qt::LeftButton);
    window->OnClockTick();  // described now at the latest, so the next drawing is too soon
    Choose("&Représentation", "Vecteur");
    QVERIFY(described().endsWith("Entrefer:couleur."));
    QTRY_VERIFY(described().endsWith("Présentation : Vecteur."));
}

int vireflu::test::RunMainWindowTests(int argc, char* argv[]) {
    MainWindowTest fixture;
    return QTest::qExec(&fixture, argc, argv);
}

#include "main_window_test.moc"
