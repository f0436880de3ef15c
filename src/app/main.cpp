#include <QApplication>

#include "simulator_app.h"

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    vireflu::CSimulatorApp simulator;
    simulator.InitInstance();
    return QApplication::exec();
}
