#include "cli/stop_request.h"

#include <csignal>

namespace zor::cli {
namespace {

volatile std::sig_atomic_t stopRequested = 0;

void requestStop(int) {
    stopRequested = 1;
}

} // namespace

void StopOnInterrupt() {
    std::signal(SIGINT, requestStop);
    std::signal(SIGTERM, requestStop);
}

bool StopRequested() {
    return stopRequested != 0;
}

} // namespace zor::cli
