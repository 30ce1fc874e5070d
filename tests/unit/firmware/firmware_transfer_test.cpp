#include "link/converter_detection.h"
#include "link/firmware_transfer.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cstdint>
#include <deque>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace zor {
namespace {

// A scripted converter: each read takes what was left in the input (unless purged) and the next queued
// answer (nothing when the queue is empty), and time moves by the period the job asks for. The calls
// that reach the converter are logged with the time they were made.
struct ScriptedPort : FirmwarePort {
    enum class Call { Purge, Write, Answer }; // Answer: a read that returned bytes
    struct Logged {
        Call call;
        std::uint32_t atMs;
    };
    std::vector<Logged> calls;
    std::vector<std::vector<std::uint8_t>> written;
    std::string stale; // what arrived before the update started
    std::deque<std::string> answers;
    std::uint32_t writeError = 0;
    std::uint32_t readError = 0;
    std::uint32_t clock = 1000;
    std::uint8_t receive[receiveBufferSize] = {};

    PortTransfer write(const std::uint8_t* bytes, std::int32_t size) override {
        if (writeError != 0) return {false, 0, writeError};
        calls.push_back({Call::Write, clock});
        written.emplace_back(bytes, bytes + size);
        return {true, size, 0};
    }
    PortTransfer read(std::uint8_t* buffer, std::int32_t capacity) override {
        if (readError != 0) return {false, 0, readError};
        std::string answer;
        answer.swap(stale);
        if (!answers.empty()) {
            answer += answers.front();
            answers.pop_front();
        }
        return answered(buffer, capacity, answer);
    }
    PortTransfer answered(std::uint8_t* buffer, std::int32_t capacity, const std::string& answer) {
        const std::int32_t count = std::min(capacity, static_cast<std::int32_t>(answer.size()));
        std::copy(answer.begin(), answer.begin() + count, buffer);
        if (count > 0) calls.push_back({Call::Answer, clock});
        return {true, count, 0};
    }
    void purgeReceive() override {
        stale.clear();
        calls.push_back({Call::Purge, clock});
    }
    std::uint32_t nowMs() override { return clock; }
    std::uint8_t* receiveBuffer() override { return receive; }

    // The shortest time from an answer read to the next write; none when no write followed an answer.
    std::uint32_t shortestPauseAfterAnswer() const {
        std::uint32_t shortest = UINT32_MAX;
        bool answered = false;
        std::uint32_t answerAt = 0;
        for (const Logged& logged : calls) {
            if (logged.call == Call::Answer) {
                answered = true;
                answerAt = logged.atMs;
            }
            if (logged.call == Call::Write && answered) {
                shortest = std::min(shortest, logged.atMs - answerAt);
                answered = false;
            }
        }
        return shortest;
    }
};

struct TransferRun {
    std::vector<std::u16string> statuses;
    FirmwareTransferStep last;
    std::int32_t steps = 0;
};

// Runs the job as its timer would until it arms nothing (or a step limit). A timer may fire up to
// earlyMs before its period is over, but never at once.
TransferRun runToEnd(FirmwareTransfer& transfer, ScriptedPort& port, std::int32_t limit = 10000,
                     std::uint32_t earlyMs = 0) {
    TransferRun run;
    do {
        run.last = StepFirmwareTransfer(transfer, port);
        if (run.last.statusChanged) run.statuses.push_back(run.last.status);
        if (run.last.armMs != 0) port.clock += run.last.armMs > earlyMs ? run.last.armMs - earlyMs : 1u;
        ++run.steps;
    } while (run.last.armMs != 0 && run.steps < limit);
    return run;
}

std::unique_ptr<FirmwareTransfer> started(std::size_t size) {
    auto transfer = std::make_unique<FirmwareTransfer>();
    std::vector<std::uint8_t> bytes(size);
    for (std::size_t i = 0; i < size; ++i)
        bytes[i] = static_cast<std::uint8_t>(i);
    EXPECT_TRUE(StartFirmwareTransfer(*transfer, bytes.data(), size).ok);
    return transfer;
}

TEST(FirmwareTransfer, HundredByteFileIsSentAsThreePacketsAndALastOne) {
    auto transfer = started(100);
    ScriptedPort port;
    // The tail of an earlier reply, its zero byte would end the search for "ACKFW" were it still there.
    port.stale = std::string("\x07\0END", 5);
    FirmwareTransferStep first = StepFirmwareTransfer(*transfer, port);
    EXPECT_TRUE(first.disableButtons);
    EXPECT_EQ(first.status, u"Initiating Firmware Update");
    EXPECT_EQ(first.armMs, 100u);
    ASSERT_EQ(port.calls.size(), 2u);
    EXPECT_EQ(port.calls[0].call, ScriptedPort::Call::Purge);
    EXPECT_EQ(port.calls[1].call, ScriptedPort::Call::Write);
    port.answers = {"xxACKFW", "", "\x01", "\x01", "", "", "\x01", "\x01"};
    const TransferRun run = runToEnd(*transfer, port, 10000, 4);
    EXPECT_EQ(run.statuses,
              (std::vector<std::u16string>{u"Sending Packet 0 / 3", u"OK", u"Sending Packet 1 / 3", u"OK",
                                           u"Sending Packet 2 / 3", u"OK", u"OK"}));
    EXPECT_TRUE(run.last.finished);
    EXPECT_TRUE(run.last.enableButtons);
    ASSERT_EQ(port.written.size(), 5u);
    EXPECT_EQ(port.written[0], (std::vector<std::uint8_t>{'~', 'Z', 'O', 'R', 'f'}));
    EXPECT_EQ(port.written[4][1], 96);
    EXPECT_EQ(port.written[4][5], 0); // zero filling after the four remaining bytes
    // Timers that fire 4 ms early: the pause after each answer is still kept.
    EXPECT_GE(port.shortestPauseAfterAnswer(), firmwareAnswerPauseMs);
}

TEST(FirmwareTransfer, RejectedPacketsAreSentAgainTheLastOneToo) {
    for (const std::uint32_t earlyMs : {0u, 4u, 9u}) {
        SCOPED_TRACE(earlyMs);
        auto transfer = started(40);
        ScriptedPort port;
        port.answers = {"ACKFW", "\x02", "\x01", "\x02", "\x01"};
        const TransferRun run = runToEnd(*transfer, port, 10000, earlyMs);
        EXPECT_EQ(run.statuses,
                  (std::vector<std::u16string>{u"Initiating Firmware Update", u"Sending Packet 0 / 1",
                                               u"Packet Send Failed", u"Sending Packet 0 / 1", u"OK",
                                               u"Packet Send Failed", u"OK"}));
        // tag, packet, the same packet again, last packet, the same last packet again
        ASSERT_EQ(port.written.size(), 5u);
        EXPECT_EQ(port.written[1], port.written[2]);
        EXPECT_EQ(port.written[3], port.written[4]);
        EXPECT_EQ(port.written[3][1], 32); // the last packet's data start at byte 32 of the file
        EXPECT_TRUE(run.last.finished);
        EXPECT_GE(port.shortestPauseAfterAnswer(), firmwareAnswerPauseMs);
    }
}

TEST(FirmwareTransfer, RejectedLastPacketOfAWholeNumberOfPacketsIsTheSameZeroPacketAgain) {
    auto transfer = started(32);
    ScriptedPort port;
    port.answers = {"ACKFW", "\x01", "\x02", "\x01"};
    const TransferRun run = runToEnd(*transfer, port);
    ASSERT_EQ(port.written.size(), 4u);
    EXPECT_EQ(port.written[2], port.written[3]);
    EXPECT_EQ(port.written[3][0], 1);
    EXPECT_EQ(port.written[3][33], 0);
    EXPECT_TRUE(run.last.finished);
}

TEST(FirmwareTransfer, PortFailuresAndIllegalAnswersEndTheUpdate) {
    {
        auto transfer = started(64);
        ScriptedPort port;
        port.writeError = 5;
        const FirmwareTransferStep step = StepFirmwareTransfer(*transfer, port);
        EXPECT_EQ(step.status, u"Error 5 (serial write failed)");
        EXPECT_FALSE(step.disableButtons);
        EXPECT_FALSE(step.enableButtons); // they were never disabled
        EXPECT_EQ(step.armMs, 0u);
    }
    {
        auto transfer = started(64);
        ScriptedPort port;
        StepFirmwareTransfer(*transfer, port);
        port.readError = 995;
        const FirmwareTransferStep step = StepFirmwareTransfer(*transfer, port);
        EXPECT_EQ(step.status, u"File Read Error 995");
        EXPECT_TRUE(step.enableButtons);
        EXPECT_EQ(step.armMs, 0u);
    }
    for (const auto& [answer, text] :
         {std::pair<std::string, std::u16string>{"\x80", u"Illegal Response: -128"},
          {"\xFF", u"Illegal Response: -1"},
          {"\x03", u"Illegal Response: 3"}}) {
        auto transfer = started(64);
        ScriptedPort port;
        port.answers = {"ACKFW", answer};
        const TransferRun run = runToEnd(*transfer, port);
        EXPECT_EQ(run.statuses.back(), text);
        EXPECT_TRUE(run.last.enableButtons);
        EXPECT_FALSE(run.last.finished);
    }
    {
        auto transfer = started(64);
        ScriptedPort port;
        port.answers = {"ACKFW"};
        for (int run = 0; run < 3; ++run)
            port.clock += StepFirmwareTransfer(*transfer, port).armMs;
        port.readError = 6;
        EXPECT_EQ(StepFirmwareTransfer(*transfer, port).status, u"Serial Read Error 6");
    }
}

TEST(FirmwareTransfer, ConverterThatNeverAcceptsOrAnswersEndsAfterABoundedWait) {
    {
        auto transfer = started(64);
        ScriptedPort port;
        port.answers.assign(200, "NAK");
        const TransferRun run = runToEnd(*transfer, port);
        EXPECT_EQ(run.statuses.back(), u"Firmware Update Failed (unexpected reply from converter)");
        EXPECT_TRUE(run.last.enableButtons);
        EXPECT_EQ(run.steps, 1 + 50); // polled every 100 ms for 5 s
        EXPECT_EQ(port.written.size(), 1u);
    }
    {
        auto transfer = started(64);
        ScriptedPort port;
        const TransferRun run = runToEnd(*transfer, port);
        EXPECT_EQ(run.statuses.back(), u"Firmware Update Failed (no reply from converter)");
        EXPECT_TRUE(run.last.enableButtons);
    }
    {
        auto transfer = started(64);
        ScriptedPort port;
        port.answers = {"ACKFW", "\x01"};
        const TransferRun run = runToEnd(*transfer, port);
        EXPECT_EQ(run.statuses.back(), u"Firmware Update Failed (no acknowledgement from converter)");
        EXPECT_TRUE(run.last.enableButtons);
        EXPECT_FALSE(run.last.finished);
        EXPECT_LT(run.steps, 1000);
    }
    {
        // The clock may wrap during the update.
        auto transfer = started(64);
        ScriptedPort port;
        port.clock = 0xFFFFFF00u;
        EXPECT_EQ(runToEnd(*transfer, port).statuses.back(),
                  u"Firmware Update Failed (no reply from converter)");
    }
}

// A converter that answers the start tag at once and accepts each packet answerAfterMs after it came.
struct TimedConverter : ScriptedPort {
    std::uint32_t answerAfterMs = 0;
    std::uint32_t writtenAt = 0;
    bool answered = true;

    PortTransfer write(const std::uint8_t* bytes, std::int32_t size) override {
        writtenAt = clock;
        answered = false;
        return ScriptedPort::write(bytes, size);
    }
    PortTransfer read(std::uint8_t* buffer, std::int32_t capacity) override {
        if (answered || clock - writtenAt < answerAfterMs) return {true, 0, 0};
        answered = true;
        return ScriptedPort::answered(buffer, capacity, written.size() == 1 ? "ACKFW" : "\x01");
    }
};

TEST(FirmwareTransfer, PacketsGoTenMillisecondsAfterTheAnswerBeforeAndEachHasItsOwnFiveSeconds) {
    {
        // 50 complete packets and a last one: 100 ms for the tag, 100 ms for "ACKFW", then 10 ms to
        // each packet's answer and 10 ms from that answer to the next packet.
        auto transfer = started(50 * 32);
        TimedConverter port;
        const std::uint32_t begin = port.clock;
        const TransferRun run = runToEnd(*transfer, port);
        EXPECT_TRUE(run.last.finished);
        EXPECT_EQ(port.written.size(), 1u + 51u);
        EXPECT_EQ(port.clock - begin, 200u + 51u * 10u + 50u * 10u);
        EXPECT_EQ(port.shortestPauseAfterAnswer(), firmwareAnswerPauseMs);
    }
    {
        // Nine packets answered 3 s each after they went: 27 s in all, yet no answer came late.
        auto transfer = started(8 * 32);
        TimedConverter port;
        port.answerAfterMs = 3000;
        const TransferRun run = runToEnd(*transfer, port);
        EXPECT_TRUE(run.last.finished);
        EXPECT_EQ(transfer->acknowledged, 9);
        EXPECT_EQ(run.statuses.back(), u"OK");
    }
}

TEST(FirmwareTransfer, SamePacketRejectedTenTimesInARowEndsTheUpdate) {
    {
        auto transfer = started(100);
        ScriptedPort port;
        port.answers = {"ACKFW", "\x01"};
        port.answers.insert(port.answers.end(), 10, "\x02");
        const TransferRun run = runToEnd(*transfer, port);
        EXPECT_EQ(run.statuses.back(), u"Firmware Update Failed (packet 1 rejected 10 times)");
        EXPECT_TRUE(run.last.enableButtons);
        EXPECT_FALSE(run.last.finished);
        EXPECT_EQ(run.last.armMs, 0u);
        EXPECT_EQ(port.written.size(), 1u + 1u + 10u); // tag, packet 0, packet 1 ten times
    }
    {
        // An accepted packet starts the count afresh: nine rejections of each packet are borne.
        auto transfer = started(40);
        ScriptedPort port;
        port.answers = {"ACKFW"};
        for (std::int32_t packet = 0; packet < 2; ++packet) {
            port.answers.insert(port.answers.end(), 9, "\x02");
            port.answers.push_back("\x01");
        }
        const TransferRun run = runToEnd(*transfer, port);
        EXPECT_TRUE(run.last.finished);
        EXPECT_EQ(port.written.size(), 1u + 2u * 10u);
    }
}

TEST(FirmwareTransfer, StartAnswerCountsOnlyBeforeTheFirstZeroByte) {
    auto transfer = started(64);
    ScriptedPort port;
    StepFirmwareTransfer(*transfer, port);
    port.answers = {std::string("\x05\0ACKFW", 7), "xACKFW"};
    const FirmwareTransferStep hidden = StepFirmwareTransfer(*transfer, port);
    EXPECT_EQ(hidden.armMs, 100u);
    EXPECT_EQ(transfer->state, firmwareAwaitStart);
    port.clock += hidden.armMs;
    StepFirmwareTransfer(*transfer, port);
    EXPECT_EQ(transfer->state, firmwareSendPacket);
}

TEST(FirmwareTransfer, RefusedFileLeavesNothingToSend) {
    auto transfer = started(64);
    std::vector<std::uint8_t> tooLong(40000);
    EXPECT_FALSE(StartFirmwareTransfer(*transfer, tooLong.data(), tooLong.size()).ok);
    ScriptedPort port;
    const FirmwareTransferStep step = StepFirmwareTransfer(*transfer, port);
    EXPECT_TRUE(port.written.empty());
    EXPECT_EQ(step.armMs, 0u);
    EXPECT_FALSE(step.statusChanged);
}

} // namespace
} // namespace zor
