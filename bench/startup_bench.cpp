// Start-up to the first frame: the program's own start (application object, translations,
// main window, first paint of the machine view) against a bare Qt window of the same size,
// each in a fresh process, alternately, timed from the spawn to the end of the first paint.
// Prints the medians. Run it under Xvfb:
//   xvfb-run -a -s "-screen 0 1280x1024x24" vireflu_startup_bench 9
#include <QApplication>
#include <QScreen>
#include <QTimer>
#include <QWidget>

#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <algorithm>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <functional>
#include <string>
#include <vector>

#include "machine_view.h"
#include "simulator_app.h"
#include "window_placement.h"

extern char** environ;

namespace {

double Now() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

// Once `shown`'s first paint has run and the event loop comes back, writes the time to the
// pipe and ends the process at once.
class FirstPaint : public QObject {
public:
    explicit FirstPaint(const char* pipe) : pipe(std::atoi(pipe)) {}
    std::function<bool(QObject*)> shown;

protected:
    bool eventFilter(QObject* object, QEvent* event) override {
        if (event->type() == QEvent::Paint && shown(object))
            QTimer::singleShot(0, [this] {
                const double at = Now();
                (void)!write(pipe, &at, sizeof at);
                _exit(0);
            });
        return false;
    }

private:
    int pipe;
};

int Child(int argc, char* argv[], bool bare) {
    QApplication application(argc, argv);
    FirstPaint firstPaint(argv[3]);
    application.installEventFilter(&firstPaint);
    if (bare) {
        QWidget window;
        const QScreen* screen = window.screen();
        window.setGeometry(
            vireflu::InitialFrameRect(screen->geometry(), screen->availableGeometry()));
        firstPaint.shown = [&window](QObject* object) { return object == &window; };
        window.show();
        return QApplication::exec();
    }
    firstPaint.shown = [](QObject* object) { return qobject_cast<vireflu::CMachineView*>(object); };
    vireflu::CSimulatorApp simulator;
    simulator.InitInstance();
    return QApplication::exec();
}

struct Start {
    double wall = 0;  // from the spawn to the end of the first paint
    double cpu = 0;   // the process's own, user and system
};

Start TimeOne(const char* self, const char* which) {
    int ends[2];
    if (pipe(ends) != 0) return {};
    const std::string pipeArg = std::to_string(ends[1]);
    char* args[] = {const_cast<char*>(self), const_cast<char*>("--child"), const_cast<char*>(which),
                    const_cast<char*>(pipeArg.c_str()), nullptr};
    const double start = Now();
    pid_t child = 0;
    if (posix_spawn(&child, self, nullptr, nullptr, args, environ) != 0) return {};
    close(ends[1]);
    double shownAt = start;
    (void)!read(ends[0], &shownAt, sizeof shownAt);
    close(ends[0]);
    rusage usage{};
    wait4(child, nullptr, 0, &usage);
    const auto seconds = [](const timeval& t) { return t.tv_sec + t.tv_usec * 1e-6; };
    return Start{shownAt - start, seconds(usage.ru_utime) + seconds(usage.ru_stime)};
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

}  // namespace

int main(int argc, char* argv[]) {
    if (argc == 4 && std::strcmp(argv[1], "--child") == 0)
        return Child(argc, argv, std::strcmp(argv[2], "bare") == 0);
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 9;
    std::vector<double> bareWall, bareCpu, wall, cpu;
    for (int run = 0; run < runs; ++run) {
        const Start bare = TimeOne("/proc/self/exe", "bare");
        const Start program = TimeOne("/proc/self/exe", "vireflu");
        bareWall.push_back(bare.wall);
        bareCpu.push_back(bare.cpu);
        wall.push_back(program.wall);
        cpu.push_back(program.cpu);
    }
    const auto line = [](const char* what, double bare, double program) {
        std::printf("%s: bare Qt window %.1f ms, vireflu %.1f ms, ratio %.2f\n", what, bare * 1e3,
                    program * 1e3, program / bare);
    };
    std::printf("first frame, medians of %d runs\n", runs);
    line("wall time", Median(bareWall), Median(wall));
    line("CPU time ", Median(bareCpu), Median(cpu));
    return 0;
}
