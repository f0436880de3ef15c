#include "temporary_files.h"

#include <fcntl.h>
#include <limits.h>
#include <signal.h>
#include <stdlib.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace vireflu {

namespace {

// A run holds at most one temporary per single-file output and one frame at a time.
constexpr int kSlots = 8;

// Written only while the signals are held, read by the handler.
char slotPaths[kSlots][PATH_MAX];
volatile sig_atomic_t slotUsed[kSlots];

constexpr int kInterrupts[] = {SIGINT, SIGTERM, SIGHUP};

sigset_t InterruptSet() {
    sigset_t set;
    sigemptyset(&set);
    for (const int signal : kInterrupts) sigaddset(&set, signal);
    return set;
}

// Only async-signal-safe calls here: unlink and _exit.
void OnInterrupt(int signal) {
    for (int i = 0; i < kSlots; ++i)
        if (slotUsed[i]) unlink(slotPaths[i]);
    _exit(128 + signal);
}

}  // namespace

InterruptsHeld::InterruptsHeld() {
    const sigset_t set = InterruptSet();
    sigprocmask(SIG_BLOCK, &set, &previous);
}

// Restores the mask found, so holds may nest.
InterruptsHeld::~InterruptsHeld() {
    sigprocmask(SIG_SETMASK, &previous, nullptr);
}

void RemoveTemporariesOnInterrupt() {
    struct sigaction action {};
    action.sa_handler = OnInterrupt;
    action.sa_mask = InterruptSet();
    for (const int signal : kInterrupts) {
        // A signal the caller ignores (nohup, a background job of a script) stays ignored.
        struct sigaction found {};
        sigaction(signal, nullptr, &found);
        if (found.sa_handler != SIG_IGN) sigaction(signal, &action, nullptr);
    }
}

int CreateTemporary(const std::string& folder, std::string& path) {
    // A short fixed pattern fits beside a target whose own name takes the whole NAME_MAX.
    std::string pattern = folder + "/.vireflu-XXXXXX";
    if (pattern.size() >= PATH_MAX) {
        errno = ENAMETOOLONG;
        return -1;
    }
    const InterruptsHeld held;
    int slot = 0;
    while (slot < kSlots && slotUsed[slot]) ++slot;
    if (slot == kSlots) {
        errno = EMFILE;
        return -1;
    }
    // mkostemp opens with O_CREAT | O_EXCL: it never follows a link planted at the name.
    const int fd = mkostemp(pattern.data(), O_CLOEXEC);
    if (fd < 0) return -1;
    std::memcpy(slotPaths[slot], pattern.c_str(), pattern.size() + 1);
    slotUsed[slot] = 1;
    path = pattern;
    return fd;
}

void ReleaseTemporary(const std::string& path, bool unlinkFile) {
    const InterruptsHeld held;
    for (int i = 0; i < kSlots; ++i) {
        if (!slotUsed[i] || path != slotPaths[i]) continue;
        if (unlinkFile) unlink(slotPaths[i]);
        slotUsed[i] = 0;
    }
}

}  // namespace vireflu
