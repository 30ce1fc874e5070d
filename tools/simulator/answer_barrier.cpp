#include "answer_barrier.h"

#include <fcntl.h>
#include <fstream>
#include <unistd.h>

namespace zor::sim {

bool AnswerBarrier::holding() {
    if (ports_ == 0 || passed_) return false;
    passed_ = signed_ && askedCount() >= ports_;
    return !passed_;
}

bool AnswerBarrier::justPassed() {
    if (!passed_ || told_) return false;
    told_ = true;
    return true;
}

void AnswerBarrier::asked() {
    if (ports_ == 0 || signed_) return;
    // One short line appended in one write: the simulators sharing the file never mix their lines.
    const int fd = open(file_.c_str(), O_WRONLY | O_APPEND | O_CREAT, 0644);
    if (fd < 0) return;
    const std::string line = std::to_string(getpid()) + "\n";
    signed_ = write(fd, line.data(), line.size()) == static_cast<ssize_t>(line.size());
    close(fd);
}

std::uint32_t AnswerBarrier::askedCount() const {
    std::ifstream in(file_);
    std::uint32_t count = 0;
    for (std::string line; std::getline(in, line);)
        if (!line.empty()) ++count;
    return count;
}

} // namespace zor::sim
