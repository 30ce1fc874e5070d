#include "cli/stop_request.h"

#include "cli/exit_codes.h"
#include "platform/terminal.h"

#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <string>
#include <thread>

namespace zor::cli {
namespace {

volatile std::sig_atomic_t interrupts = 0;

std::mutex lastWordsMutex;
std::function<void()> lastWords;

// The batch under way, for the first Ctrl-C's line.
std::mutex batchMutex;
std::size_t batchPorts = 0;
std::size_t portsDone = 0;
std::size_t inHand = 0;
const char* batchWork = nullptr; // none: a command Ctrl-C stops no converter of
thread_local bool startedHere = false;
thread_local bool refusedHere = false; // not started: still counted among those that will not be

void countInterrupt(int signal) {
    interrupts = interrupts + 1;
    // The Windows runtime puts the default back before calling a handler.
    std::signal(signal, countInterrupt);
}

// Said the moment the first Ctrl-C comes: on a terminal a progress bar may stand on the line, so the
// line starts over it and blanks what is left of it.
void sayFirstWords() {
    const std::lock_guard<std::mutex> lock(batchMutex);
    const std::size_t notStarted = batchPorts > portsDone + inHand ? batchPorts - portsDone - inHand : 0;
    std::string line = "zor-config: Ctrl-C: finishing what is under way; a second Ctrl-C ends at once";
    if (batchWork != nullptr) {
        line = "zor-config: Ctrl-C: finishing the " + std::string(batchWork) + " of the " +
               std::to_string(inHand) + " converter(s) in hand, " +
               (batchPorts > 0 ? std::to_string(notStarted) + " converter(s) will not be started"
                               : std::string("no new converter will be started")) +
               "; a second Ctrl-C abandons the work in hand and leaves a firmware update half-done";
    }
    if (platform::isTerminal(platform::StandardStream::Error)) {
        constexpr std::size_t barWidth = 80;
        std::fputc('\r', stderr);
        if (line.size() < barWidth) line.append(barWidth - line.size(), ' ');
    }
    std::fprintf(stderr, "%s\n", line.c_str());
    std::fflush(stderr);
}

// A handler may do next to nothing; Ctrl-C is acted on here, on an ordinary thread, which may print and
// write the report while the exchanges are stopped only by the exit.
void watchForInterrupts() {
    while (interrupts < 1)
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    sayFirstWords();
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
        std::thread(watchForInterrupts).detach();
        std::signal(SIGINT, countInterrupt);
        std::signal(SIGTERM, countInterrupt);
    });
}

bool StopRequested() {
    return interrupts != 0;
}

void BeginBatch(std::size_t ports, const char* work) {
    const std::lock_guard<std::mutex> lock(batchMutex);
    batchPorts = ports;
    portsDone = 0;
    inHand = 0;
    batchWork = work;
}

bool StartUnlessStopped() {
    const std::lock_guard<std::mutex> lock(batchMutex);
    if (StopRequested()) {
        refusedHere = true;
        return false;
    }
    if (!startedHere) ++inHand;
    startedHere = true;
    return true;
}

void PortDone() {
    const std::lock_guard<std::mutex> lock(batchMutex);
    if (startedHere && inHand > 0) --inHand;
    if (!refusedHere) ++portsDone;
    startedHere = false;
    refusedHere = false;
}

void SetLastWords(std::function<void()> words) {
    const std::lock_guard<std::mutex> lock(lastWordsMutex);
    lastWords = std::move(words);
}

} // namespace zor::cli
