// --barrier FILE --barrier-ports N: several simulators hold what they are sent, and so their answer,
// until each of N of them sharing FILE has been asked something. A program that serves its ports at
// the same time passes it; one that serves them one after another waits on the first port for an
// answer that never comes, without any clock deciding which it was.
#pragma once

#include <cstdint>
#include <string>

namespace zor::sim {

class AnswerBarrier {
  public:
    AnswerBarrier(std::string file, std::uint32_t ports) : file_(std::move(file)), ports_(ports) {}

    // Whether bytes that arrive now are held: the barrier is set and not yet passed.
    bool holding();
    // Bytes have arrived: this simulator counts as asked, once.
    void asked();
    // How many simulators have been asked so far.
    std::uint32_t askedCount() const;
    std::uint32_t ports() const { return ports_; }
    // True once, at the first call after the barrier was passed: the moment to log it.
    bool justPassed();

  private:
    std::string file_;
    std::uint32_t ports_ = 0;
    bool signed_ = false;
    bool passed_ = false;
    bool told_ = false;
};

} // namespace zor::sim
