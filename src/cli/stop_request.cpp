#include "cli/stop_request.h"

#include "cli/exit_codes.h"

#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <thread>

namespace zor::cli {
namespace {

volatile std::sig_atomic_t interrupts = 0;

std::mutex lastWordsMutex;
std::function<void()> lastWords;

void countInterrupt(int signal) {
    interrupts = interrupts + 1;
    // The Windows runtime puts the default back before calling a handler.
    std::signal(signal, countInterrupt);
}

// A handler may do next to nothing; the second Ctrl-C is acted on here, on an ordinary thread, which
// may print and write the report while the exchanges are stopped only by the exit.
void watchForSecondInterrupt() {
    while (interrupts < 2)
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    {
        const std::lock_guard<std::mutex> lock(lastWordsMutex);
        if (lastWords) lastWords();
    }
    std::fflush(stdout);
    std::fflush(stderr);
    std::_Exit(exitInterrupted);
}

} // namespace

void StopOnInterrupt() {
    static std::once_flag installed;
    std::call_once(installed, [] {
        std::thread(watchForSecondInterrupt).detach();
        std::signal(SIGINT, countInterrupt);
        std::signal(SIGTERM, countInterrupt);
    });
}

bool StopRequested() {
    return interrupts != 0;
}

void SetLastWords(std::function<void()> words) {
    const std::lock_guard<std::mutex> lock(lastWordsMutex);
    lastWords = std::move(words);
}

} // namespace zor::cli
