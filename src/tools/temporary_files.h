#pragma once

#include <signal.h>

#include <string>

namespace vireflu {

// The temporary files of a run, kept in a fixed table a signal handler can read, so an
// interrupted run leaves none of them behind.

// From now on SIGINT, SIGTERM and SIGHUP, unless ignored already, remove every temporary
// file of the table and end the process with the shell's status for the signal (130, 143,
// 129).
void RemoveTemporariesOnInterrupt();

// Creates a new empty file with an unpredictable name in `folder`, exclusively (never
// through an existing name or link), and records it. Returns its descriptor and sets
// `path`, or returns -1 with errno set.
int CreateTemporary(const std::string& folder, std::string& path);

// Removes the recorded temporary file at `path`, or only drops it from the table once
// it was renamed (`unlink` false).
void ReleaseTemporary(const std::string& path, bool unlink = true);

// Holds the three signals back while it lives, so a rename or an in-place write runs to
// its end before an interrupt is handled.
class InterruptsHeld {
public:
    InterruptsHeld();
    ~InterruptsHeld();
    InterruptsHeld(const InterruptsHeld&) = delete;
    InterruptsHeld& operator=(const InterruptsHeld&) = delete;

private:
    sigset_t previous;
};

}  // namespace vireflu
