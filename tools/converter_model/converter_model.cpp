#include "converter_model.h"

#include "factory_settings.h"

#include <algorithm>
#include <cstring>
#include <fstream>

namespace zor::sim {

namespace {

constexpr std::uint64_t staleRequestMs = 500;
constexpr std::uint64_t firmwareGiveUpMs = 2000;
constexpr std::size_t tagLength = 5;
constexpr std::size_t maxEvents = 4096;
constexpr char tagPrefix[] = "~ZOR";

const char* functionName(Function f) {
    switch (f) {
    case Function::Nmea:
        return "NMEA0183 to SDI12 Slave";
    case Function::Modbus:
        return "Modbus Master to SDI12 Slave";
    case Function::Serial:
        return "SDI12 to RS232";
    }
    return "?";
}

bool endsWithTrailer(const std::vector<std::uint8_t>& image) {
    const std::size_t n = image.size();
    return n >= 3 && image[n - 3] == 'E' && image[n - 2] == 'N' && image[n - 1] == 'D';
}

std::string printable(std::uint8_t byte) {
    if (byte >= 0x20 && byte < 0x7F) return std::string("'") + static_cast<char>(byte) + "'";
    return std::to_string(byte);
}

// The median pause and how many packets came while the flash may still have been written: one packet
// slowed on a loaded machine moves neither.
std::string pausesSummary(std::vector<std::uint64_t> pauses) {
    if (pauses.empty()) return {};
    std::sort(pauses.begin(), pauses.end());
    const auto early = std::lower_bound(pauses.begin(), pauses.end(), flashWriteMs) - pauses.begin();
    std::string text = ", ";
    text += std::to_string(pauses[pauses.size() / 2]);
    text += " ms in the median, ";
    text += std::to_string(early);
    text += " of ";
    text += std::to_string(pauses.size());
    text += " within ";
    text += std::to_string(flashWriteMs);
    text += " ms";
    return text;
}

} // namespace

ConverterModel::ConverterModel()
    : nmeaImage_(FactoryNmeaImage()), modbusImage_(FactoryModbusImage()), serialImage_(FactorySerialImage()),
      sentences_(DefaultSentences()) {}

void ConverterModel::setFirmwareVersion(const std::string& version) {
    for (std::size_t i = 0; i < 3; ++i)
        firmwareVersion_[i] = i < version.size() ? version[i] : ' ';
}

std::string ConverterModel::loadImage(const std::vector<std::uint8_t>& image) {
    if (image.size() < tagLength || std::memcmp(image.data(), tagPrefix, 4) != 0)
        return "no image tag at the start";
    if (!endsWithTrailer(image)) return "the image does not end with END";
    const std::uint8_t digit = image[4];
    if (digit == '1' && image.size() == nmeaImageLength) {
        nmeaImage_ = image;
        function_ = Function::Nmea;
    } else if (digit == '2' && (image.size() == modbusImageLength || image.size() == modbusReplyLength)) {
        // A reply as the converter sends it carries the same settings in its first 77 bytes.
        modbusImage_ = image;
        modbusImage_.resize(modbusImageLength);
        PutText(modbusImage_, 77, "END", 3);
        function_ = Function::Modbus;
    } else if (digit == '3' && image.size() == serialImageLength) {
        serialImage_ = image;
        function_ = Function::Serial;
    } else {
        return "wrong length " + std::to_string(image.size()) + " for its tag";
    }
    return {};
}

const std::vector<std::uint8_t>& ConverterModel::image(Function function) const {
    switch (function) {
    case Function::Modbus:
        return modbusImage_;
    case Function::Serial:
        return serialImage_;
    case Function::Nmea:
        break;
    }
    return nmeaImage_;
}

std::vector<std::uint8_t> ConverterModel::reply() const {
    std::vector<std::uint8_t> bytes;
    switch (function_) {
    case Function::Nmea:
        bytes = nmeaImage_;
        PutI32(bytes, 316, stateFlags_);
        PutText(bytes, 320, firmwareVersion_, 3);
        break;
    case Function::Modbus:
        bytes.assign(modbusReplyLength, 0);
        std::copy_n(modbusImage_.begin(), 77, bytes.begin());
        PutI32(bytes, 77, stateFlags_);
        PutText(bytes, 81, firmwareVersion_, 3);
        PutText(bytes, 84, "END", 3);
        break;
    case Function::Serial:
        bytes = serialImage_;
        break;
    }
    return bytes;
}

void ConverterModel::note(std::string text) {
    if (events_.size() >= maxEvents) events_.erase(events_.begin(), events_.begin() + maxEvents / 2);
    events_.push_back(std::move(text));
}

std::vector<std::string> ConverterModel::takeEvents() {
    std::vector<std::string> taken;
    taken.swap(events_);
    return taken;
}

std::vector<std::uint8_t> ConverterModel::noise(std::size_t count) {
    // Never a zero byte, "~" or "$": noise must not look like a tag, a sentence or the end of a text.
    static constexpr char alphabet[] =
        "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789 .,:;*#@!?%&+-=/";
    std::vector<std::uint8_t> bytes(count);
    for (auto& b : bytes) {
        noiseState_ ^= noiseState_ << 13;
        noiseState_ ^= noiseState_ >> 17;
        noiseState_ ^= noiseState_ << 5;
        b = static_cast<std::uint8_t>(alphabet[noiseState_ % (sizeof alphabet - 1)]);
    }
    return bytes;
}

void ConverterModel::send(const std::vector<std::uint8_t>& bytes, std::uint64_t fromMs,
                          std::uint32_t pauseAfter, std::uint32_t pauseMs, bool streamed) {
    std::uint64_t micros = std::max(fromMs * 1000, lineFreeMicros_);
    const std::uint64_t startMs = micros / 1000;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        if (pauseAfter > 0 && i == pauseAfter) micros += std::uint64_t{pauseMs} * 1000;
        micros += timing_.byteMicros;
        // A byte is there once its stop bit has been received.
        output_.push_back(QueuedByte{TimedByte{(micros + 999) / 1000, bytes[i]}, streamed, startMs});
    }
    lineFreeMicros_ = micros;
}

void ConverterModel::dropSentencesAfter(std::uint64_t nowMs) {
    // A sentence already on the line is finished; those not begun are never sent.
    while (!output_.empty() && output_.back().streamed && output_.back().sentenceAtMs > nowMs)
        output_.pop_back();
    lineFreeMicros_ =
        output_.empty() ? std::min(lineFreeMicros_, nowMs * 1000) : output_.back().byte.atMs * 1000;
}

void ConverterModel::queueSentence() {
    if (sentences_.empty()) return;
    std::string line = sentences_[nextSentence_ % sentences_.size()];
    nextSentence_ = (nextSentence_ + 1) % sentences_.size();
    line += "\r\n";
    send(std::vector<std::uint8_t>(line.begin(), line.end()), nextSentenceMs_, 0, 0, true);
    nextSentenceMs_ += timing_.sentencePeriodMs;
    ++counters_.sentencesSent;
}

void ConverterModel::advance(std::uint64_t nowMs) {
    if (expected_ != 0 && !inFirmware_ && nowMs > lastInputMs_ + staleRequestMs) {
        note("dropped an incomplete request of " + std::to_string(pending_.size()) + " bytes");
        pending_.clear();
        expected_ = 0;
    }
    if (inFirmware_ && nowMs > lastInputMs_ + firmwareGiveUpMs) {
        note("firmware update given up after " + std::to_string(packetsSeen_) +
             " packets: the program fell silent");
        inFirmware_ = false;
        pending_.clear();
        expected_ = 0;
    }
}

void ConverterModel::receive(const std::uint8_t* bytes, std::size_t count, std::uint64_t nowMs) {
    advance(nowMs);
    for (std::size_t i = 0; i < count; ++i) {
        lastInputMs_ = nowMs;
        handleByte(bytes[i], nowMs);
    }
}

void ConverterModel::handleByte(std::uint8_t byte, std::uint64_t nowMs) {
    if (inFirmware_) {
        if (expected_ == 0) {
            if (byte == 255) {
                inFirmware_ = false;
                ++counters_.firmwareUpdates;
                std::string text =
                    "firmware update ended (255): " + std::to_string(firmware_.size()) + " bytes kept";
                if (counters_.smallestPauseAfterAnswerMs)
                    text += ", packets followed their acknowledgement after " +
                            std::to_string(*counters_.smallestPauseAfterAnswerMs) + " ms at the least" +
                            pausesSummary(counters_.pausesAfterAnswerMs);
                note(text);
                return;
            }
            if (answerTakenMs_) {
                const std::uint64_t pause = nowMs - std::min(nowMs, *answerTakenMs_);
                if (!counters_.smallestPauseAfterAnswerMs || pause < *counters_.smallestPauseAfterAnswerMs)
                    counters_.smallestPauseAfterAnswerMs = pause;
                counters_.pausesAfterAnswerMs.push_back(pause);
                answerTakenMs_.reset();
            }
            expected_ = firmwarePacketLength;
        }
        pending_.push_back(byte);
        if (pending_.size() == expected_) handlePacket(nowMs);
        return;
    }
    if (expected_ != 0) {
        // While the tag is incomplete every byte must continue "~ZOR"; otherwise the start was noise.
        const std::size_t at = pending_.size();
        if (at < 4 && byte != static_cast<std::uint8_t>(tagPrefix[at])) {
            note("dropped " + std::to_string(at) + " bytes that began like a tag");
            counters_.unknownBytes += static_cast<std::uint32_t>(at);
            pending_.clear();
            expected_ = 0;
            handleByte(byte, nowMs);
            return;
        }
        pending_.push_back(byte);
        if (pending_.size() == tagLength && expected_ == tagLength) {
            handleTag(nowMs);
        } else if (pending_.size() == expected_) {
            handleImage(nowMs);
        }
        return;
    }
    switch (byte) {
    case '~':
        pending_.assign(1, byte);
        expected_ = tagLength;
        return;
    case 'b':
        ++counters_.restarts;
        streaming_ = false;
        // What has not reached the program yet is never sent.
        while (!output_.empty() && output_.back().byte.atMs > nowMs)
            output_.pop_back();
        lineFreeMicros_ = std::min(lineFreeMicros_, nowMs * 1000);
        note("restart (b)");
        return;
    case 'l':
        ++counters_.ledTests;
        note("LED test (l)");
        return;
    case 's':
        ++counters_.streamStarts;
        if (!streaming_) nextSentenceMs_ = nowMs + timing_.replyDelayMs;
        streaming_ = true;
        note("start streaming (s)");
        return;
    case 'x':
        ++counters_.streamStops;
        streaming_ = false;
        dropSentencesAfter(nowMs);
        note("stop streaming (x)");
        return;
    case 255:
        note("end of firmware packets (255) outside an update: ignored");
        return;
    default:
        ++counters_.unknownBytes;
        note("unknown byte " + printable(byte));
        return;
    }
}

void ConverterModel::handleTag(std::uint64_t nowMs) {
    const std::uint8_t digit = pending_[4];
    switch (digit) {
    case '0':
        pending_.clear();
        expected_ = 0;
        answerQuery(nowMs);
        return;
    case '1':
        expected_ = nmeaImageLength;
        return;
    case '2':
        expected_ = modbusImageLength;
        return;
    case '3':
        expected_ = serialImageLength;
        return;
    case 'f':
        pending_.clear();
        expected_ = 0;
        if (faults_.silent || faults_.noAckfw) {
            note("firmware start (~ZORf) left unanswered");
            return;
        }
        ++counters_.firmwareStarts;
        inFirmware_ = true;
        answerTakenMs_.reset();
        packetsSeen_ = 0;
        firmware_.clear();
        send({'A', 'C', 'K', 'F', 'W'}, nowMs + timing_.replyDelayMs);
        note("firmware start (~ZORf) answered ACKFW");
        return;
    default:
        note("unknown tag ~ZOR" + printable(digit));
        counters_.unknownBytes += static_cast<std::uint32_t>(tagLength);
        pending_.clear();
        expected_ = 0;
        return;
    }
}

void ConverterModel::handleImage(std::uint64_t) {
    std::vector<std::uint8_t> image;
    image.swap(pending_);
    expected_ = 0;
    const std::string tag(image.begin(), image.begin() + tagLength);
    if (faults_.forgetsImages) {
        note("image " + tag + " taken and forgotten (" + std::to_string(image.size()) + " bytes)");
        return;
    }
    const std::string refused = loadImage(image);
    if (refused.empty()) {
        ++counters_.imagesAccepted;
        note("image " + tag + " accepted (" + std::to_string(image.size()) + " bytes), main function " +
             functionName(function_));
    } else {
        ++counters_.imagesRefused;
        note("image " + tag + " refused: " + refused);
    }
}

void ConverterModel::handlePacket(std::uint64_t nowMs) {
    ++packetsSeen_;
    std::uint16_t sum = 0;
    for (std::size_t i = 1; i <= 32; ++i)
        sum = static_cast<std::uint16_t>(sum + pending_[i]);
    const auto stated = static_cast<std::uint16_t>(pending_[33] | (pending_[34] << 8));
    const bool good = pending_[0] == 1 && sum == stated;
    const bool forcedReject = faults_.rejectEvery > 0 && packetsSeen_ % faults_.rejectEvery == 0;
    const std::string which = "packet " + std::to_string(packetsSeen_);
    if (faults_.silent || (faults_.acknowledgeOnly && packetsSeen_ > *faults_.acknowledgeOnly)) {
        note(which + " left unanswered");
    } else if (good && !forcedReject) {
        firmware_.insert(firmware_.end(), pending_.begin() + 1, pending_.begin() + 33);
        ++counters_.packetsAccepted;
        send({1}, nowMs + 1);
        output_.back().packetAnswer = true;
        note(which + " accepted");
    } else {
        ++counters_.packetsRejected;
        send({2}, nowMs + 1);
        output_.back().packetAnswer = true;
        note(which + (good ? " rejected on purpose" : " rejected: bad sum or start byte"));
    }
    pending_.clear();
    expected_ = 0;
}

void ConverterModel::answerQuery(std::uint64_t nowMs) {
    ++counters_.queries;
    if (faults_.swapSerial.size() == 8 && counters_.queries == faults_.swapAfterQueries + 1) {
        PutText(nmeaImage_, 6, faults_.swapSerial.c_str(), 8);
        PutText(modbusImage_, 6, faults_.swapSerial.c_str(), 8);
        PutText(serialImage_, 7, faults_.swapSerial.c_str(), 8);
        note("another converter on the cable: serial " + faults_.swapSerial);
    }
    if (faults_.silent) {
        note("query (~ZOR0) left unanswered");
        return;
    }
    const std::uint64_t from = nowMs + timing_.replyDelayMs;
    if (faults_.garbageReply) {
        send(noise(48), from);
        note("query (~ZOR0) answered with noise");
        return;
    }
    std::vector<std::uint8_t> bytes = noise(faults_.noiseBeforeTag);
    const std::vector<std::uint8_t> answer = reply();
    bytes.insert(bytes.end(), answer.begin(), answer.end());
    const bool split = faults_.splitReplies == 0 || counters_.queries <= faults_.splitReplies;
    send(bytes, from, split ? faults_.splitAfter : 0, faults_.splitPauseMs);
    std::string text = "query (~ZOR0) answered with " +
                       std::string(answer.begin(), answer.begin() + tagLength) + ", " +
                       std::to_string(answer.size()) + " bytes";
    if (faults_.noiseBeforeTag > 0)
        text += " after " + std::to_string(faults_.noiseBeforeTag) + " bytes of noise";
    if (split && faults_.splitAfter > 0) {
        text += ", pausing " + std::to_string(faults_.splitPauseMs) + " ms after " +
                std::to_string(faults_.splitAfter);
    }
    note(text);
}

std::optional<TimedByte> ConverterModel::nextOutput() {
    if (output_.empty() && streaming_) queueSentence();
    if (output_.empty()) return std::nullopt;
    return output_.front().byte;
}

void ConverterModel::answerTaken(const QueuedByte& byte, std::uint64_t atMs) {
    if (byte.packetAnswer) answerTakenMs_ = atMs;
}

void ConverterModel::popOutput() {
    if (output_.empty()) return;
    answerTaken(output_.front(), output_.front().byte.atMs);
    output_.pop_front();
}

std::vector<std::uint8_t> ConverterModel::takeOutputUntil(std::uint64_t nowMs) {
    while (streaming_ && !sentences_.empty() && nextSentenceMs_ <= nowMs)
        queueSentence();
    std::vector<std::uint8_t> bytes;
    while (!output_.empty() && output_.front().byte.atMs <= nowMs) {
        bytes.push_back(output_.front().byte.value);
        // Taken now is written now: the pause after it is measured from here.
        answerTaken(output_.front(), nowMs);
        output_.pop_front();
    }
    return bytes;
}

void ConverterModel::discardOutputUntil(std::uint64_t nowMs) {
    takeOutputUntil(nowMs);
}

bool LoadSentenceFile(const std::string& path, std::vector<std::string>& sentences) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    std::vector<std::string> loaded;
    std::string line;
    while (std::getline(in, line)) {
        while (!line.empty() && (line.back() == '\r' || line.back() == '\n'))
            line.pop_back();
        if (!line.empty()) loaded.push_back(line);
    }
    if (in.bad()) return false;
    sentences = std::move(loaded);
    return true;
}

std::vector<std::string> DefaultSentences() {
    return {
        "$GPGGA,101530.00,4807.0381,N,01131.0002,E,1,08,0.9,545.4,M,46.9,M,,*61",
        "$GPRMC,101530.00,A,4807.0381,N,01131.0002,E,0.4,84.4,071226,,,A*65",
        "$WIMWV,214.8,R,7.5,N,A*2E",
        "$HEHDT,274.07,T*19",
    };
}

} // namespace zor::sim
