// The window's tick as the user runs it: the main window with its view at a given size, both
// panels open, both windings three-phase, "Couple", animated at the 150 ms pace. Prints the
// process CPU time per tick over the run and how often the stator panel's "phase 1" check box
// was painted. Run it under Xvfb with a screen larger than the window, e.g.
//   xvfb-run -a -s "-screen 0 2400x2400x24" vireflu_tick_bench 1920 30
#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QMenuBar>
#include <QTimer>

#include <cstdio>
#include <ctime>

#include "machine_view.h"
#include "main_window.h"
#include "shell/main_menu.h"
#include "simulator_app.h"
#include "winding_panel.h"

namespace {

using namespace vireflu;

double CpuSeconds() {
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

void Wait(int ms) {
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

// Triggers the menu item of this command and argument, found through the menu table.
void Choose(const QMainWindow& window, MenuCommand command, int argument = 0) {
    for (const Menu& menu : MainMenus())
        for (const MenuItem& item : menu.items)
            if (item.command == command && item.argument == argument)
                for (QAction* title : window.menuBar()->actions())
                    for (QAction* action : title->menu()->actions())
                        if (action->text() == QCoreApplication::translate("Menu", item.text))
                            return action->trigger();
}

// Counts the paint events a widget receives.
class PaintCounter : public QObject {
public:
    int paints = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint) ++paints;
        return false;
    }
};

// Switches on the three phases of a panel, at 0, 120 and 240 degrees.
void ThreePhases(const QWidget& panel) {
    for (int phase = 1; phase <= 3; ++phase) {
        panel.findChild<QCheckBox*>(QStringLiteral("phase%1Check").arg(phase))->click();
        panel.findChild<QLineEdit*>(QStringLiteral("phase%1Edit").arg(phase))
            ->setText(QString::number((phase - 1) * 120));
    }
}

}  // namespace

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    const int side = argc > 1 ? std::atoi(argv[1]) : 640;
    const int seconds = argc > 2 ? std::atoi(argv[2]) : 30;
    CSimulatorApp simulator;
    simulator.InitInstance();
    CMainWindow& window = *simulator.MainWindow();
    const auto* view = window.findChild<CMachineView*>();
    Wait(500);
    window.resize(window.size() + QSize(side, side) - view->size());
    Wait(500);

    Choose(window, MenuCommand::OpenStator);
    Choose(window, MenuCommand::OpenRotor);
    const auto panels = window.findChildren<CWindingPanel*>();
    for (const CWindingPanel* panel : panels) ThreePhases(*panel);
    Choose(window, MenuCommand::Presentation, static_cast<int>(Presentation::Torque));
    PaintCounter checkPaints;
    for (const CWindingPanel* panel : panels)
        if (panel->windowTitle() == QStringLiteral("Stator"))
            panel->findChild<QCheckBox*>(QStringLiteral("phase1Check"))
                ->installEventFilter(&checkPaints);

    int ticks = 0;
    QObject::connect(window.findChild<QTimer*>(QStringLiteral("clockTimer")), &QTimer::timeout,
                     [&ticks] { ++ticks; });
    window.ToggleAnimation();
    Wait(1000);  // settled: every picture shown once at its size
    ticks = 0;
    checkPaints.paints = 0;
    const double start = CpuSeconds();
    Wait(seconds * 1000);
    const double cpu = CpuSeconds() - start;
    std::printf("view %d x %d: %d ticks, %.3f ms CPU per tick, \"phase 1\" painted %d times\n",
                view->width(), view->height(), ticks, cpu * 1000.0 / ticks, checkPaints.paints);
    return 0;
}
