// SPDX-License-Identifier: MIT
#include "platform/error_report.h"

#if !defined(_WIN32) && !defined(__EMSCRIPTEN__)
#include <pthread.h>
#include <sys/prctl.h>
#include <unistd.h>

#include <csignal>
#endif

#include <iostream>

#include "core/stored_window.h"

#if !defined(_WIN32) && !defined(__EMSCRIPTEN__)
namespace {

pid_t programId = 0;

void endWithFailure(int) { _exit(1); }

// Runs in every child forked from here on, such as the one that shows the
// dialog. If the program has ended before the child could ask to follow it,
// the child ends at once.
void followTheProgram()
{
    prctl(PR_SET_PDEATHSIG, SIGKILL);
    if (getppid() != programId) _exit(1);
}

}  // namespace
#endif

std::string reportLine(std::string_view message)
{
    return std::string(appTitle) + ": run-time error: " + std::string(message);
}

void reportToStderr(std::string_view message)
{
    std::cerr << reportLine(message) << std::endl;
}

// SDL answers SIGTERM and SIGINT by queueing a quit event, which nobody reads
// once the program waits on its dialog. The program has failed already and
// has nothing left to save, so the signal ends it on the spot. The signal is
// honoured even where it was ignored at start (a background job started
// from a script ignores SIGINT): someone sent it to a program that can do
// nothing else.
#if defined(_WIN32) || defined(__EMSCRIPTEN__)
// Windows shows the dialog inside the program's own process, and Ctrl+C or
// ending the task ends both as usual. A page gets no signals.
void endAtOnceOnSignal() {}
#else
void endAtOnceOnSignal()
{
    programId = getpid();
    pthread_atfork(nullptr, nullptr, followTheProgram);
    struct sigaction action {};
    action.sa_handler = endWithFailure;
    sigemptyset(&action.sa_mask);
    sigaction(SIGTERM, &action, nullptr);
    sigaction(SIGINT, &action, nullptr);
}
#endif
