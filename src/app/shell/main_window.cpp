#include "main_window.h"

#include <algorithm>
#include <functional>

#include <QActionGroup>
#include <QApplication>
#include <QCheckBox>
#include <QCoreApplication>
#include <QDateTime>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFontInfo>
#include <QLocale>
#include <QMenuBar>
#include <QMessageBox>
#include <QMimeData>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QSettings>
#include <QShortcut>
#include <QSignalBlocker>
#include <QToolButton>
#include <QToolTip>
#include <QVBoxLayout>
#include <QWindow>

#include "animation_export.h"
#include "answers_dialog.h"
#include "command_bar.h"
#include "course_composer.h"
#include "course_files.h"
#include "description/machine_description.h"
#include "interface_language.h"
#include "keyboard_buttons.h"
#include "lesson_menu.h"
#include "lesson_panel.h"
#include "lessons/lesson_grade.h"
#include "lessons/lesson_library.h"
#include "machine/clock.h"
#include "machine_view.h"
#include "measures/measures.h"
#include "measures_panel.h"
#include "panel_docks.h"
#include "rotor_panel.h"
#include "setup/panel_record.h"
#include "setup_files.h"
#include "shell/main_menu.h"
#include "shell/projector.h"
#include "shell/welcome.h"
#include "stator_panel.h"
#include "welcome_panel.h"
#include "winding_design_panel.h"
#include "window_placement.h"

namespace vireflu {

CMainWindow::CMainWindow(Session& session)
    : session(session),
      state(session.State()),
      machineView(new CMachineView(session)),
      commandBar(new CommandBar),
      clockTimer(this),
      describedWords(TranslatedMeasureWords(CatalogueOf("Measures"))),
      panelDocks(std::make_unique<PanelDocks>(*this)) {
    teacherView = QSettings().value(QStringLiteral("teacherView")).toBool();
    CreateMenus();
    CreateShortcuts();

    // The view takes all the room above the bar.
    auto* client = new QWidget(this);
    auto* layout = new QVBoxLayout(client);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(machineView, 1);
    layout->addWidget(commandBar);
    setCentralWidget(client);

    connect(commandBar->resetButton, &QPushButton::clicked, this, &CMainWindow::ResetClock);
    connect(commandBar->animationButton, &QPushButton::clicked, this,
            &CMainWindow::ToggleAnimation);
    clockTimer.setObjectName(QStringLiteral("clockTimer"));
    clockTimer.setInterval(kTickPeriodMs);
    connect(&clockTimer, &QTimer::timeout, this, &CMainWindow::OnClockTick);

    setAcceptDrops(true);
    PlaceOnScreen();
    if (PanelDocks::WasDocked()) {
        dockAction->setChecked(true);
        panelDocks->Restore();
        placedFrameSize = QSize();
    }
    // The first setup shown, which the first change can be taken back to.
    session.Remember(WindowsPart());
    ShowTitle();
    // A menu bar too wide for the window ends in a button of its own, which a screen reader
    // names too.
    if (auto* more = menuBar()->findChild<QToolButton*>(QStringLiteral("qt_menubar_ext_button")))
        more->setAccessibleName(QCoreApplication::translate("Window", "Autres menus"));
}

void CMainWindow::closeEvent(QCloseEvent* event) {
    if (!MayLoseShown()) {
        event->ignore();
        return;
    }
    SaveLayout();
    QMainWindow::closeEvent(event);
}

bool CMainWindow::MayLoseShown() {
    if (!session.ShownChanged()) return true;
    QMessageBox box(QMessageBox::Question, QStringLiteral("Vireflu"),
                    QCoreApplication::translate("Window",
                                                "Le réglage affiché a changé. L'enregistrer "
                                                "avant de continuer ?"),
                    QMessageBox::NoButton, this);
    QPushButton* save = box.addButton(QCoreApplication::translate("Window", "&Enregistrer"),
                                      QMessageBox::AcceptRole);
    QPushButton* discard = box.addButton(
        QCoreApplication::translate("Window", "&Ne pas enregistrer"), QMessageBox::DestructiveRole);
    box.addButton(QCoreApplication::translate("Window", "Annuler"), QMessageBox::RejectRole);
    box.setDefaultButton(save);
    box.exec();
    if (box.clickedButton() == discard) return true;
    return box.clickedButton() == save && setupFiles->Save();
}

void CMainWindow::ShowTitle() {
    const QString name = setupFiles->FileName();
    setWindowTitle(name.isEmpty() ? QStringLiteral("Vireflu[*]")
                                  : name + QStringLiteral("[*] — Vireflu"));
    setWindowModified(session.ShownChanged());
}

void CMainWindow::OpenLessonAsked(const Lesson& lesson) {
    if (!MayLoseShown()) return;
    course.reset();
    OpenLesson(lesson);
}

bool CMainWindow::OpenCourseFile(const QString& path) {
    bool followed = false;
    vireflu::OpenCourseFile(this, path, [this, &followed](const Course& read) {
        followed = MayLoseShown();
        if (followed) FollowCourse(CourseRun(read));
    });
    return followed;
}

void CMainWindow::FollowCourseAsked(const Course& chosen) {
    if (MayLoseShown()) FollowCourse(CourseRun(chosen));
}

void CMainWindow::FollowCourse(CourseRun run) {
    course = std::move(run);
    OpenLesson(Lesson(course->CurrentLesson()));
}

void CMainWindow::KeepAnswer() {
    const LessonRun* run = session.LessonTaken();
    if (run == nullptr || !run->Given()) return;
    if (course) course->Record(run->Given()->right);
    const AnswerRecord record =
        RecordOf(*run, lessonPanel->SecondsAsked(), QDateTime::currentSecsSinceEpoch());
    // A log refused keeps the answer for the session; "Mes réponses" tells why.
    answerLog.Append(record);
}

void CMainWindow::NextInCourse() {
    if (!course) return;
    if (course->Next()) {
        OpenLesson(Lesson(course->CurrentLesson()));
        return;
    }
    lessonPanel->ShowEnd(course->End(
        [](const char* context, const char* text) {
            return QCoreApplication::translate(context, text).toStdString();
        },
        LessonsInEnglish()));
}

void CMainWindow::OpenComposer() {
    if (composer == nullptr) {
        composer = new CourseComposer(this);
        connect(composer, &CourseComposer::Started, this, &CMainWindow::FollowCourseAsked);
    }
    composer->show();
    composer->raise();
    composer->activateWindow();
}

void CMainWindow::ExportFollowed() {
    if (!course) {
        QMessageBox::information(
            this, QStringLiteral("Vireflu"),
            QCoreApplication::translate("Course", "Composez ou ouvrez d'abord un parcours."));
        return;
    }
    ExportScorm(this, course->Followed());
}

bool CMainWindow::WelcomeDismissed() {
    return QSettings().value(QStringLiteral("welcomeDismissed")).toBool();
}

bool CMainWindow::WelcomeShown() const {
    return welcomeDock != nullptr && !welcomeDock->isHidden();
}

void CMainWindow::ShowWelcome() {
    if (welcomeDock == nullptr) {
        welcomeDock = new QDockWidget(QCoreApplication::translate("Welcome", kWelcomeTitle), this);
        welcomeDock->setObjectName(QStringLiteral("welcomeDock"));
        // Left by one of its ways only, so that leaving it is a choice the next start keeps.
        welcomeDock->setFeatures(QDockWidget::DockWidgetMovable);
        welcomeDock->setAllowedAreas(Qt::LeftDockWidgetArea | Qt::RightDockWidgetArea);
        auto* welcome = new WelcomePanel(welcomeDock);
        welcomeDock->setWidget(welcome);
        addDockWidget(BesideTheMachine(*this), welcomeDock);
        panelDocks->Arrange(welcomeDock);
        connect(welcome, &WelcomePanel::LessonChosen, this, [this] {
            CloseWelcome();
            if (const Lesson* lesson = FindLesson(kWelcomeLessonId)) OpenLessonAsked(*lesson);
        });
        connect(welcome, &WelcomePanel::OpenChosen, this, [this] {
            CloseWelcome();
            setupFiles->AskAndOpen();
        });
        connect(welcome, &WelcomePanel::ExploreChosen, this, &CMainWindow::CloseWelcome);
    }
    welcomeDock->show();
    MakeRoomBeside(*welcomeDock);
}

void CMainWindow::MakeRoomBeside(const QDockWidget& dock) {
    if (isMaximized() || isFullScreen() || dock.isFloating()) return;
    const QRect available = screen()->availableGeometry();
    const int frame = frameGeometry().width() - width();
    const int wanted =
        std::min(machineView->height() + dock.sizeHint().width(), available.width() - frame);
    if (wanted <= width()) return;
    resize(wanted, height());
    move(KeepOnScreen(pos(), frameGeometry().size(), available));
}

void CMainWindow::CloseWelcome() {
    QSettings().setValue(QStringLiteral("welcomeDismissed"), true);
    welcomeDock->hide();
}

void CMainWindow::SaveLayout() {
    panelDocks->Save();
}

void CMainWindow::CreateMenus() {
    QMenuBar* bar = menuBar();
    bar->setNativeMenuBar(false);
    for (const Menu& menu : MainMenus()) {
        // "&Leçons" stands before the help menu.
        if (std::ranges::any_of(menu.items, [](const MenuItem& item) {
                return item.command == MenuCommand::About;
            }))
            bar->addMenu(
                MakeLessonMenu(this, [this](const Lesson& lesson) { OpenLessonAsked(lesson); },
                               {.openCourse = [this](const QString& file) { OpenCourseFile(file); },
                                .compose = [this] { OpenComposer(); },
                                .answers =
                                    [this] {
                                        AnswersDialog answers(answerLog, this);
                                        answers.exec();
                                    },
                                .exportCourse = [this] { ExportFollowed(); },
                                .teacherView =
                                    [this](bool on) {
                                        teacherView = on;
                                        QSettings().setValue(QStringLiteral("teacherView"), on);
                                        if (lessonPanel != nullptr) lessonPanel->SetTeacherView(on);
                                    },
                                .teacherViewOn = teacherView}));
        QMenu* qmenu = bar->addMenu(QCoreApplication::translate("Menu", menu.title));
        // Qt would hide a separator that opens a menu.
        qmenu->setSeparatorsCollapsible(false);
        QActionGroup* oneOf = nullptr;
        for (const MenuItem& item : menu.items) {
            if (item.place == MenuPlace::Page) continue;
            if (item.separatorBefore) qmenu->addSeparator();
            if (item.command == MenuCommand::About)
                AddLanguageMenu(qmenu, InterfaceLanguage(QLocale::system().uiLanguages()),
                                [this](const Language& language) {
                                    emit LanguageChosen(QString::fromLatin1(language.code));
                                });
            QAction* action = qmenu->addAction(QCoreApplication::translate("Menu", item.text));
            action->setCheckable(item.check != MenuCheck::None);
            action->setChecked(item.checkedAtStart);
            if (item.check != MenuCheck::None) checkableItems.emplace_back(item, action);
            if (item.shortcut != nullptr) action->setShortcut(QKeySequence(item.shortcut));
            // The desktop's own quit key; a page cannot close itself, so the table has none.
            if (item.command == MenuCommand::Quit) action->setShortcut(Qt::CTRL | Qt::Key_Q);
            action->setShortcutContext(Qt::ApplicationShortcut);
            if (item.check == MenuCheck::OneOf) {
                if (oneOf == nullptr) oneOf = new QActionGroup(qmenu);
                oneOf->addAction(action);
            }
            connect(action, &QAction::triggered, this,
                    [this, item](bool checked) { OnMenuCommand(item, checked); });
            if (item.command == MenuCommand::OpenWinding) AddLayoutItems(qmenu);
            if (item.command == MenuCommand::SaveSetupAs) {
                QMenu* recent =
                    qmenu->addMenu(QCoreApplication::translate("Window", "Ouverts &récemment"));
                setupFiles = std::make_unique<SetupFiles>(
                    this, recent,
                    [this](const Setup& setup) {
                        if (!MayLoseShown()) return false;
                        // A setup of one's own ends the lesson.
                        if (lessonDock != nullptr) lessonDock->hide();
                        ApplySetup(setup);
                        return true;
                    },
                    [this] { return CurrentSetup(); },
                    [this] {
                        session.KeepShown();
                        ShowTitle();
                    });
            }
        }
    }
}

void CMainWindow::AddLayoutItems(QMenu* view) {
    dockAction = view->addAction(QCoreApplication::translate("Window", "Panneaux à côté"));
    dockAction->setCheckable(true);
    connect(dockAction, &QAction::toggled, this, [this](bool on) {
        if (on) {
            // Every panel beside the machine, made if it was not yet.
            for (const Winding winding : {Winding::Stator, Winding::Rotor})
                if (PanelOf(winding) == nullptr) MakePanel(winding);
            if (measuresPanel == nullptr) MakeMeasures();
        }
        panelDocks->SetDocked(on);
    });
    connect(view->addAction(QCoreApplication::translate("Window", "Disposition initiale")),
            &QAction::triggered, this, [this] {
                const QSignalBlocker quiet(dockAction);
                dockAction->setChecked(false);
                panelDocks->Forget();
                measuresPlaced = false;
                showNormal();
                PlaceOnScreen();
                // The frame is known by now: the square is the outer one, as at first start.
                if (windowHandle() != nullptr)
                    resize(placedFrameSize.shrunkBy(windowHandle()->frameMargins()));
                placedFrameSize = QSize();
            });
}

void CMainWindow::CreateShortcuts() {
    // The keys act whichever of the program's windows has the focus; a text field being
    // edited keeps Space and Home (a line edit claims the keys it edits with), and a button
    // reached by the keyboard keeps Space.
    const auto bind = [this](QKeySequence keys, auto slot) {
        auto* shortcut = new QShortcut(keys, this);
        shortcut->setContext(Qt::ApplicationShortcut);
        connect(shortcut, &QShortcut::activated, this, slot);
    };
    qApp->installEventFilter(new KeyboardButtons(this));
    bind(Qt::Key_Space, &CMainWindow::ToggleAnimation);
    bind(Qt::Key_Home, &CMainWindow::ResetClock);
    bind(Qt::Key_F11, [this] { setWindowState(windowState() ^ Qt::WindowFullScreen); });
}

void CMainWindow::ShowLines(const char* context, const char* title,
                            std::span<const char* const> french) {
    QStringList lines;
    for (const char* line : french) lines << QCoreApplication::translate(context, line);
    QMessageBox::information(this, QCoreApplication::translate(context, title), lines.join(u'\n'));
}

void CMainWindow::OnMenuCommand(const MenuItem& item, bool checked) {
    switch (item.command) {
        case MenuCommand::OpenSetup:
            setupFiles->AskAndOpen();
            break;
        case MenuCommand::SaveSetup:
            setupFiles->Save();
            break;
        case MenuCommand::CopyLink:
            break;
        case MenuCommand::ExportAnimation:
            AnimationExport::Run(this, CurrentSetup(), machineView->size());
            break;
        case MenuCommand::Quit:
            close();
            break;
        case MenuCommand::Presentation:
            OnPresentationCommand(static_cast<Presentation>(item.argument));
            break;
        case MenuCommand::OpenStator:
            OpenPanel(Winding::Stator);
            break;
        case MenuCommand::OpenRotor:
            OpenPanel(Winding::Rotor);
            break;
        case MenuCommand::ColourMap:
            OnColourMapCommand(static_cast<ColourMapKind>(item.argument));
            break;
        case MenuCommand::About:
            emit AboutRequested();
            break;
        case MenuCommand::OpenMeasures:
            OpenMeasures();
            break;
        case MenuCommand::OpenWinding:
            OpenWinding();
            break;
        case MenuCommand::Pace:
            SetPace(item.argument);
            break;
        case MenuCommand::Projection:
            SetProjector(checked);
            break;
        case MenuCommand::Annotations:
            machineView->SetAnnotations(checked);
            RedrawView();
            break;
        case MenuCommand::Legend:
            machineView->SetLegend(checked);
            RedrawView();
            break;
        case MenuCommand::SaveSetupAs:
            setupFiles->SaveAs();
            break;
        case MenuCommand::Shortcuts: {
            std::vector<const char*> keys;
            for (const ShortcutLine& line : ShortcutLines()) keys.push_back(line.text);
            ShowLines("Shortcuts", kShortcutsTitle, keys);
            break;
        }
        case MenuCommand::Conventions:
            ShowLines("Conventions", kConventionsTitle, ConventionLines());
            break;
        case MenuCommand::Undo:
            Restore(&Session::Undo);
            break;
        case MenuCommand::Redo:
            Restore(&Session::Redo);
            break;
        case MenuCommand::ResetAll:
            Restore(&Session::ResetAll);
            break;
    }
}

void CMainWindow::Restore(std::optional<Setup> (Session::*step)()) {
    // A setup taken back or forward, like one of one's own, ends the lesson.
    if (lessonDock != nullptr) lessonDock->hide();
    if (const std::optional<Setup> setup = (session.*step)()) ShowOpened(*setup);
}

void CMainWindow::PlaceOnScreen() {
    const QScreen* screen = this->screen();
    const QRect outer = InitialFrameRect(screen->geometry(), screen->availableGeometry());
    // The frame around the window is only known once the window exists; creating it early
    // to ask would delay the first frame, so the first show fits the frame in instead.
    placedFrameSize = outer.size();
    resize(outer.size());
    move(outer.topLeft());
}

void CMainWindow::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    // At the first show the native window exists but is not mapped yet: the frame it knows
    // of (often none so early) comes off the square before the first frame is drawn.
    const QMargins frame = windowHandle()->frameMargins();
    if (placedFrameSize.isValid() && !frame.isNull()) resize(placedFrameSize.shrunkBy(frame));
    placedFrameSize = QSize();
}

void CMainWindow::ApplyWindingSettings(int selector, const WindingSettings& record) {
    // A selector names a winding or nothing.
    if (selector != 0 && selector != 1) return;
    session.ApplyRecord(static_cast<Winding>(selector), record);
    RedrawView();
    ShowClockInPanels();
}

void CMainWindow::ResetClock() {
    session.ResetClock();
    RedrawView();
    ShowClockInPanels();
}

void CMainWindow::OnClockTick() {
    session.Tick();
    ShowClockInPanels();
    RedrawView();
}

void CMainWindow::RedrawView() {
    machineView->Redraw();
    // Every change ends here, and so does every tick: the history sees each of them.
    if (!showingOpened) {
        session.Remember(WindowsPart());
        ShowTitle();
    }
    const bool showMeasures = measuresPanel != nullptr && measuresPanel->isVisible();
    // The view's description follows every drawing, but while the clock runs at most once a
    // period, so a screen reader asked for it is not interrupted by a new text every tick.
    const bool describe = !clockTimer.isActive() || !describedAt.isValid() ||
                          describedAt.elapsed() >= kDescriptionPeriodMs;
    if (!showMeasures && !describe) return;
    const Measures measures = session.ComputeMeasures();
    if (showMeasures) measuresPanel->Show(measures, LineWidth(state));
    if (!describe) return;
    describedAt.start();
    const QString text = QString::fromStdString(DescribeMachine(
        state, measures, describedWords, [](const char* context, const char* french) {
            return QCoreApplication::translate(context, french).toStdString();
        }));
    if (machineView->accessibleDescription() != text) machineView->setAccessibleDescription(text);
}

void CMainWindow::OpenMeasures() {
    if (measuresPanel == nullptr) MakeMeasures();
    if (!panelDocks->Show(measuresPanel)) {
        measuresPanel->Reopen();
        // Beside the window at first, then where the user leaves it; on the screen always.
        const QRect available = screen()->availableGeometry();
        const QSize size = measuresPanel->frameGeometry().size();
        measuresPanel->move(measuresPlaced ? KeepOnScreen(measuresPanel->pos(), size, available)
                                           : BesideOwner(frameGeometry(), size, available));
        measuresPlaced = true;
    }
    RedrawView();
}

void CMainWindow::MakeMeasures() {
    measuresPanel = new CMeasuresPanel(this);
    connect(measuresPanel, &CMeasuresPanel::SequencesToggled, this, [this](bool on) {
        session.SetSequences(on);
        RedrawView();
    });
    panelDocks->Adopt(measuresPanel, "measuresDock");
}

void CMainWindow::OpenWinding() {
    if (windingPanel == nullptr) MakeWinding();
    if (!panelDocks->Show(windingPanel)) {
        windingPanel->show();
        windingPanel->raise();
        windingPanel->activateWindow();
        // Beside "Mesures" when it stands beside the window, so that neither hides the other.
        const bool measures =
            measuresPanel != nullptr && measuresPanel->isWindow() && measuresPanel->isVisible();
        const QRect available = screen()->availableGeometry();
        windingPanel->move(BesideOwner(measures ? measuresPanel->frameGeometry() : frameGeometry(),
                                       windingPanel->frameGeometry().size(), available));
    }
}

void CMainWindow::MakeWinding() {
    windingPanel = new WindingDesignPanel(this);
    windingPanel->Show(state.winding);
    windingPanel->ShowCage(state.cage);
    connect(windingPanel, &WindingDesignPanel::CageChosen, this, [this](bool on) {
        session.SetCage(on);
        windingPanel->ShowCage(state.cage);
        ShowClockInPanels();
        RedrawView();
    });
    connect(windingPanel, &WindingDesignPanel::CircuitChosen, this,
            [this](const EquivalentCircuit& circuit) {
                // A value the circuit cannot take (R2 at 0) puts the shown one back.
                session.SetCircuit(circuit);
                windingPanel->ShowCage(state.cage);
                ShowClockInPanels();
                RedrawView();
            });
    connect(windingPanel, &WindingDesignPanel::FreeRotorChosen, this,
            [this](bool on, double loadNm) {
                session.SetFreeRotor(on, loadNm);
                ShowClockInPanels();
                RedrawView();
            });
    connect(windingPanel, &WindingDesignPanel::DesignChosen, this,
            [this](const WindingDesign& design) {
                session.SetWinding(design);
                ShowClockInPanels();
                RedrawView();
            });
    panelDocks->Adopt(windingPanel, "windingDock");
}

void CMainWindow::SetProjector(bool on) {
    session.Command(MenuCommand::Projection, on ? 1 : 0);
    // Every text of every window grows with the program's font: menus, lesson, "Mesures",
    // the welcome, annotations, boxes; the panels lay themselves out at their own scale.
    static const QFont normal = QApplication::font();
    QFont font = normal;
    if (on)
        font.setPixelSize(
            ProjectorTextPixels(QFontInfo(normal).pixelSize(), screen()->geometry().height()));
    QApplication::setFont(font);
    // The windows made so far are told too: a window's font reaches every child without one
    // of its own (the panels then lay themselves out at their own scale).
    for (QWidget* made : QApplication::topLevelWidgets()) made->setFont(font);
    QToolTip::setFont(font);
    for (CWindingPanel* panel : {statorPanel, rotorPanel})
        if (panel != nullptr) panel->SetProjector(on);
    FitLessonWidth();
    if (measuresPanel != nullptr) {
        // Grown by the projector's type, a floating window must still fit on the screen.
        if (measuresPanel->isWindow() && measuresPanel->isVisible()) {
            measuresPanel->adjustSize();
            measuresPanel->move(KeepOnScreen(measuresPanel->pos(),
                                             measuresPanel->frameGeometry().size(),
                                             screen()->availableGeometry()));
        }
    }
    RedrawView();
}

void CMainWindow::SetPace(int periodMs) {
    clockTimer.setInterval(periodMs);
}

CWindingPanel*& CMainWindow::PanelOf(Winding winding) {
    return winding == Winding::Rotor ? rotorPanel : statorPanel;
}

void CMainWindow::OpenPanel(Winding winding) {
    const bool made = PanelOf(winding) == nullptr;
    if (made) MakePanel(winding);
    CWindingPanel* panel = PanelOf(winding);
    if (panelDocks->Show(panel)) return;
    if (made)
        panel->Open();
    else
        panel->Reopen();
}

void CMainWindow::MakePanel(Winding winding) {
    const bool rotor = winding == Winding::Rotor;
    CWindingPanel* panel = PanelOf(winding) =
        rotor ? static_cast<CWindingPanel*>(new CRotorPanel(this)) : new CStatorPanel(this);
    panel->SetProjector(state.projectorMode != 0);
    panel->SetPhaseFlags(rotor ? state.rotorPhaseOn : state.statorPhaseOn);
    panel->SetCurrentAngle(rotor ? state.rotorAngle : state.statorAngle);
    if (setupOpened) panel->Load(session.PanelOfRecord(winding));
    // The record is applied, and both panels redrawn, before the panel's send returns.
    connect(panel, &CWindingPanel::SettingsSent, this, &CMainWindow::ApplyWindingSettings,
            Qt::DirectConnection);
    panelDocks->Adopt(panel, rotor ? "rotorDock" : "statorDock");
}

CMainWindow::~CMainWindow() {
    // Closing hides the lesson's dock after this window's own part is gone: it must not
    // reach back into it.
    if (lessonDock != nullptr) lessonDock->disconnect(this);
}

bool CMainWindow::OpenSetupFile(const QString& path) {
    return setupFiles->Open(path);
}

void CMainWindow::ApplySetup(const Setup& setup) {
    session.Open(setup);
    ShowOpened(setup);
}

void CMainWindow::ShowOpened(const Setup& setup) {
    showingOpened = true;
    ShowRunning();
    setupOpened = true;
    for (const Winding winding : {Winding::Stator, Winding::Rotor})
        if (PanelOf(winding) != nullptr) PanelOf(winding)->Load(session.PanelOfRecord(winding));
    SetProjector(setup.projection);
    CheckMenuItem(MenuCommand::Projection, 0, setup.projection);
    SetPace(setup.pacePeriodMs);
    CheckMenuItem(MenuCommand::Pace, setup.pacePeriodMs, true);
    if (windingPanel != nullptr) {
        windingPanel->Show(setup.winding);
        windingPanel->ShowCage(setup.cage);
    }
    if (measuresPanel != nullptr) {
        const QSignalBlocker quiet(measuresPanel->sequencesCheck);
        measuresPanel->sequencesCheck->setChecked(setup.sequences);
    }
    const auto show = [](bool wanted, QDialog* window, const std::function<void()>& open) {
        if (wanted && (window == nullptr || !window->isVisible()))
            open();
        else if (!wanted && window != nullptr)
            window->hide();
    };
    show(setup.statorWindow, statorPanel, [this] { OpenPanel(Winding::Stator); });
    show(setup.rotorWindow, rotorPanel, [this] { OpenPanel(Winding::Rotor); });
    show(setup.measuresWindow, measuresPanel, [this] { OpenMeasures(); });
    show(setup.windingWindow, windingPanel, [this] { OpenWinding(); });
    showingOpened = false;
    RedrawView();
    ShowClockInPanels();
    if (setup.running) ToggleAnimation();
}

void CMainWindow::OpenLesson(const Lesson& lesson) {
    if (lessonDock == nullptr) {
        lessonDock = new QDockWidget(QCoreApplication::translate("Window", "Leçon"), this);
        lessonDock->setObjectName(QStringLiteral("lessonDock"));
        lessonDock->setFeatures(QDockWidget::DockWidgetClosable | QDockWidget::DockWidgetMovable);
        lessonDock->setAllowedAreas(Qt::LeftDockWidgetArea | Qt::RightDockWidgetArea);
        lessonPanel = new LessonPanel(session);
        // A long lesson in a projector's large text scrolls rather than grow the window.
        auto* scroll = new QScrollArea(lessonDock);
        scroll->setFrameShape(QFrame::NoFrame);
        scroll->setWidgetResizable(true);
        scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        scroll->setWidget(lessonPanel);
        lessonDock->setWidget(scroll);
        addDockWidget(BesideTheMachine(*this), lessonDock);
        panelDocks->Arrange(lessonDock);
        lessonPanel->SetTeacherView(teacherView);
        connect(lessonPanel, &LessonPanel::Answered, this, [this] {
            KeepAnswer();
            RedrawView();
            if (!session.Running()) ToggleAnimation();
        });
        // Closed, or ended by a setup of one's own: everything shows again.
        connect(lessonDock, &QDockWidget::visibilityChanged, this, [this] {
            if (!lessonDock->isHidden()) return;
            session.LeaveLesson();
            course.reset();
            if (const std::optional<bool> own = lessonAnnotations.Leave()) ShowAnnotations(*own);
            RedrawView();
        });
        // "Recommencer": the same lesson afresh.
        connect(lessonPanel, &LessonPanel::RestartRequested, this,
                [this] { OpenLesson(Lesson(session.LessonTaken()->Taken())); });
        connect(lessonPanel, &LessonPanel::NextRequested, this, &CMainWindow::NextInCourse);
    }
    setupFiles->Forget();
    ShowAnnotations(lessonAnnotations.Open(lesson, machineView->Annotations()));
    // Nothing tells the answer before the prediction, from the first frame on.
    const LessonPage page = session.OpenLesson(lesson, CatalogueOf("Lesson"), LessonsInEnglish());
    ShowOpened(page.setup);
    // A lesson is kept as a file opened is: leaving it as it came loses nothing.
    session.KeepShown();
    ShowTitle();
    lessonPanel->Start(page, course ? &*course : nullptr);
    FitLessonWidth();
    lessonDock->show();
    lessonDock->raise();
    MakeRoomBeside(*lessonDock);
}

std::optional<Lesson> CMainWindow::ShownLesson() const {
    const LessonRun* taken = session.LessonTaken();
    if (lessonDock == nullptr || lessonDock->isHidden() || taken == nullptr) return std::nullopt;
    return taken->Taken();
}

void CMainWindow::FitLessonWidth() {
    if (lessonDock == nullptr) return;
    // The lesson scrolls up and down only: its choices, which do not wrap, set its width.
    auto* scroll = static_cast<QScrollArea*>(lessonDock->widget());
    scroll->setMinimumWidth(lessonPanel->minimumWidth() +
                            scroll->verticalScrollBar()->sizeHint().width());
}

void CMainWindow::ShowAnnotations(bool on) {
    CheckMenuItem(MenuCommand::Annotations, 0, on);
    machineView->SetAnnotations(on);
}

void CMainWindow::CheckMenuItem(MenuCommand command, int argument, bool checked) {
    for (const auto& [item, action] : checkableItems)
        if (item.command == command &&
            (item.check == MenuCheck::Toggle || item.argument == argument))
            action->setChecked(checked);
}

Setup CMainWindow::WindowsPart() const {
    Setup windows;
    windows.pacePeriodMs = clockTimer.interval();
    windows.statorWindow = statorPanel != nullptr && statorPanel->isVisible();
    windows.rotorWindow = rotorPanel != nullptr && rotorPanel->isVisible();
    windows.measuresWindow = measuresPanel != nullptr && measuresPanel->isVisible();
    windows.windingWindow = windingPanel != nullptr && windingPanel->isVisible();
    return windows;
}

Setup CMainWindow::CurrentSetup() const {
    return session.CurrentSetup(WindowsPart());
}

void CMainWindow::dragEnterEvent(QDragEnterEvent* event) {
    const QList<QUrl> urls = event->mimeData()->urls();
    if (urls.size() == 1 && urls.first().isLocalFile()) event->acceptProposedAction();
}

void CMainWindow::dropEvent(QDropEvent* event) {
    const QList<QUrl> urls = event->mimeData()->urls();
    if (urls.size() == 1 && urls.first().isLocalFile()) OpenSetupFile(urls.first().toLocalFile());
}

void CMainWindow::ShowClockInPanels() {
    if (statorPanel != nullptr) {
        statorPanel->SetCurrentAngle(state.statorAngle);
        statorPanel->DrawPhasePictures();
    }
    if (rotorPanel != nullptr) {
        rotorPanel->SetCurrentAngle(state.rotorAngle);
        rotorPanel->DrawPhasePictures();
    }
}

void CMainWindow::ToggleAnimation() {
    // A clock that cannot start says why, beside its button, rather than nothing.
    if (const char* why = session.WhyStill()) {
        QToolTip::showText(commandBar->animationButton->mapToGlobal(
                               QPoint(0, commandBar->animationButton->height())),
                           QCoreApplication::translate("Window", why), commandBar->animationButton);
        return;
    }
    session.ToggleAnimation();
    ShowRunning();
}

void CMainWindow::ShowRunning() {
    const bool running = session.Running();
    if (running == clockTimer.isActive()) return;
    if (running)
        clockTimer.start();
    else
        clockTimer.stop();
    commandBar->animationButton->setText(
        QCoreApplication::translate("CommandBar", running ? kStopCaption : kAnimationCaption));
}

void CMainWindow::OnPresentationCommand(Presentation presentation) {
    session.Command(MenuCommand::Presentation, static_cast<int>(presentation));
    RedrawView();
}

void CMainWindow::OnColourMapCommand(ColourMapKind kind) {
    session.Command(MenuCommand::ColourMap, static_cast<int>(kind));
    RedrawView();
}

}  // namespace vireflu
