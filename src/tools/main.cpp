#include <fcntl.h>
#include <unistd.h>

#include <iostream>

#include <QtGlobal>

#include "render_tool.h"

namespace {

// Every failure is reported once, as the program's own line; the toolkit's warnings
// (a painter on an image that could not be had, a plugin's complaint) would only repeat it.
void DropToolkitMessages(QtMsgType, const QMessageLogContext&, const QString&) {}

// A closed standard output must not be taken over by a file the run opens (which would
// receive the JSON meant for it): the descriptor is held by /dev/null and the stream
// fails, so writing to it is reported.
void GuardClosedStandardOutput() {
    if (fcntl(STDOUT_FILENO, F_GETFD) != -1) return;
    const int fd = open("/dev/null", O_WRONLY);
    if (fd > STDOUT_FILENO) {
        dup2(fd, STDOUT_FILENO);
        close(fd);
    }
    std::cout.setstate(std::ios::badbit);
}

}  // namespace

int main(int argc, char* argv[]) {
    qInstallMessageHandler(DropToolkitMessages);
    GuardClosedStandardOutput();
    return vireflu::RunRenderTool({argv + 1, argv + argc}, std::cout, std::cerr);
}
