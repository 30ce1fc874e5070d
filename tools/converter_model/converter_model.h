// A model of the ZOR-MX-410 converter on the far end of the serial line. It is driven by the bytes
// the program writes and the time it is given, and answers with bytes stamped with the time they
// become available, so it runs both on a virtual clock (in-process tests) and on a real one (the
// simulator on a pseudo-terminal). Times are milliseconds on whatever clock the caller keeps.
//
// What it does:
//   "~ZOR0"          answered with the tag and image of its current main function (reply layouts below)
//   "~ZOR1" + image  326 bytes ending "END": kept as its settings, main function NMEA
//   "~ZOR2" + image  80 bytes ending "END": kept, main function Modbus
//   "~ZOR3" + image  18 bytes ending "END": kept, main function SDI12 to RS232
//   "b"              restart: streaming stops, answer bytes not yet sent are dropped
//   "l"              LED test
//   "s" / "x"        start / stop streaming the sentences of its sentence list, one every period
//   "~ZORf"          answered "ACKFW"; then 35-byte packets (0x01, 32 data bytes, 16-bit sum least
//                    significant byte first), each answered 1 (good sum) or 2 (bad sum), until 255
//   255              end of the firmware packets
// Replies: "~ZOR1" 326 bytes (the kept image, with the converter's own state word and firmware
// version at 316 and 320); "~ZOR2" 87 bytes (offsets 0..76 of the kept image, state word, firmware
// version, "END"); "~ZOR3" 18 bytes, the same layout as the image the program sends.
// An image whose trailer is not "END" is refused and the old settings stay. A tag or image that
// stops for more than 500 ms is dropped; the firmware exchange is given up after 2 s of silence.
#pragma once

#include <cstdint>
#include <deque>
#include <optional>
#include <string>
#include <vector>

namespace zor::sim {

enum class Function : std::uint8_t { Nmea = 1, Modbus = 2, Serial = 3 };

inline constexpr std::size_t nmeaImageLength = 326;
inline constexpr std::size_t modbusImageLength = 80;
inline constexpr std::size_t modbusReplyLength = 87;
inline constexpr std::size_t serialImageLength = 18;
inline constexpr std::size_t firmwarePacketLength = 35;
// How long a converter may still write its flash after it answered a packet.
inline constexpr std::uint64_t flashWriteMs = 10;

struct Faults {
    bool silent = false;              // answers nothing at all
    bool garbageReply = false;        // answers the query with noise that holds no tag
    std::uint32_t noiseBeforeTag = 0; // noise bytes sent in front of the reply tag
    std::uint32_t splitAfter = 0;     // >0: the reply pauses after this many bytes ...
    std::uint32_t splitPauseMs = 300; // ... for this long
    std::uint32_t splitReplies = 0;   // >0: only the first this many replies pause
    // Another converter put on the cable: from the query after this many on, the answers carry this
    // serial number (eight characters), in every main function.
    std::uint32_t swapAfterQueries = 0;
    std::string swapSerial;
    bool noAckfw = false;                         // ignores "~ZORf"
    bool forgetsImages = false;                   // takes images but keeps its old settings
    std::uint32_t rejectEvery = 0;                // >0: every n-th packet is answered 2 whatever its sum
    std::optional<std::uint32_t> acknowledgeOnly; // packets after this many go unanswered
};

struct Timing {
    std::uint32_t replyDelayMs = 20;      // from the last byte of a request to the first of its answer
    std::uint32_t byteMicros = 1042;      // one byte at 9600 baud, start and stop bit included
    std::uint32_t sentencePeriodMs = 250; // between streamed sentences
};

struct TimedByte {
    std::uint64_t atMs = 0;
    std::uint8_t value = 0;
};

// What the model has been asked to do, for tests and for the simulator's log.
struct Counters {
    std::uint32_t queries = 0;
    std::uint32_t imagesAccepted = 0;
    std::uint32_t imagesRefused = 0;
    std::uint32_t restarts = 0;
    std::uint32_t ledTests = 0;
    std::uint32_t streamStarts = 0;
    std::uint32_t streamStops = 0;
    std::uint32_t sentencesSent = 0;
    std::uint32_t firmwareStarts = 0;
    std::uint32_t packetsAccepted = 0;
    std::uint32_t packetsRejected = 0;
    std::uint32_t firmwareUpdates = 0; // completed by 255
    std::uint32_t unknownBytes = 0;
    // The shortest time from an acknowledgement leaving for the program to the first byte of the next
    // packet, over every packet that followed one: the pause the program keeps while the flash is written.
    std::optional<std::uint64_t> smallestPauseAfterAnswerMs;
    std::vector<std::uint64_t> pausesAfterAnswerMs; // each of them, in the order of the packets
};

class ConverterModel {
  public:
    ConverterModel();

    void setFunction(Function function) { function_ = function; }
    Function function() const { return function_; }
    void setFaults(const Faults& faults) { faults_ = faults; }
    void setTiming(const Timing& timing) { timing_ = timing; }
    void setSentences(std::vector<std::string> sentences) { sentences_ = std::move(sentences); }
    void setStateFlags(std::int32_t flags) { stateFlags_ = flags; }
    void setFirmwareVersion(const std::string& version); // three characters, padded with blanks

    // Takes a stored image (as the program saves it: 326, 80 or 18 bytes with tag and "END") as the
    // settings of its main function and switches to that function. Returns an empty text on success,
    // otherwise why it was refused.
    std::string loadImage(const std::vector<std::uint8_t>& image);

    // The program wrote these bytes at this time.
    void receive(const std::uint8_t* bytes, std::size_t count, std::uint64_t nowMs);
    // Lets time pass without input: gives up stale half-received requests.
    void advance(std::uint64_t nowMs);

    // The next byte for the program, with the time it arrives (streaming is produced on demand).
    std::optional<TimedByte> nextOutput();
    void popOutput();
    // All bytes that have arrived by this time, taken.
    std::vector<std::uint8_t> takeOutputUntil(std::uint64_t nowMs);
    // The program's receive queue was purged at this time.
    void discardOutputUntil(std::uint64_t nowMs);

    // Settings as kept, in the layout the program sends.
    const std::vector<std::uint8_t>& image(Function function) const;
    // The reply to the query in the current main function, without faults.
    std::vector<std::uint8_t> reply() const;
    const std::vector<std::uint8_t>& firmware() const { return firmware_; }
    bool streaming() const { return streaming_; }
    bool inFirmwareUpdate() const { return inFirmware_; }
    const Counters& counters() const { return counters_; }

    // Human-readable notes of what happened since the last call ("query answered with ~ZOR1, 326 bytes").
    std::vector<std::string> takeEvents();

  private:
    void handleByte(std::uint8_t byte, std::uint64_t nowMs);
    void handleTag(std::uint64_t nowMs);
    void handleImage(std::uint64_t nowMs);
    void handlePacket(std::uint64_t nowMs);
    void answerQuery(std::uint64_t nowMs);
    void send(const std::vector<std::uint8_t>& bytes, std::uint64_t fromMs, std::uint32_t pauseAfter = 0,
              std::uint32_t pauseMs = 0, bool streamed = false);
    void queueSentence();
    void note(std::string text);
    std::vector<std::uint8_t> noise(std::size_t count);

    Function function_ = Function::Nmea;
    Faults faults_;
    Timing timing_;
    std::vector<std::uint8_t> nmeaImage_;
    std::vector<std::uint8_t> modbusImage_;
    std::vector<std::uint8_t> serialImage_;
    std::int32_t stateFlags_ = 0;
    char firmwareVersion_[3] = {'1', '.', '7'};
    std::vector<std::string> sentences_;
    std::size_t nextSentence_ = 0;

    // Input in progress: a tag, an image after its tag, or a firmware packet.
    std::vector<std::uint8_t> pending_;
    std::size_t expected_ = 0; // bytes the pending request needs; 0 when nothing is pending
    std::uint64_t lastInputMs_ = 0;
    bool inFirmware_ = false;
    std::uint32_t packetsSeen_ = 0;
    std::vector<std::uint8_t> firmware_;

    bool streaming_ = false;
    std::uint64_t nextSentenceMs_ = 0;
    struct QueuedByte {
        TimedByte byte;
        bool streamed = false;          // part of a streamed sentence ...
        std::uint64_t sentenceAtMs = 0; // ... that starts on the line at this time
        bool packetAnswer = false;      // the acknowledgement of a firmware packet
    };
    void answerTaken(const QueuedByte& byte, std::uint64_t atMs);
    std::optional<std::uint64_t> answerTakenMs_; // the last acknowledgement left for the program then
    void dropSentencesAfter(std::uint64_t nowMs);
    std::deque<QueuedByte> output_;
    std::uint64_t lineFreeMicros_ = 0; // when the line is free for the next byte, in microseconds
    std::uint32_t noiseState_ = 0x2545F491u;

    Counters counters_;
    std::vector<std::string> events_;
};

// Sentences from a text file, one a line; blank lines are skipped and line ends are removed (the model
// ends each sentence with CR LF). Returns false when the file cannot be read.
bool LoadSentenceFile(const std::string& path, std::vector<std::string>& sentences);
// A few made-up sentences used when no sentence file is given.
std::vector<std::string> DefaultSentences();

} // namespace zor::sim
