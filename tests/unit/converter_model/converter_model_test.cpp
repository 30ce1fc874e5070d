// The converter model speaks the converter's protocol: what it answers, what it keeps, and the faults
// it can be told to show.
#include "converter_model/converter_model.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace zor::sim {
namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes text(const std::string& s) {
    return Bytes(s.begin(), s.end());
}

void write(ConverterModel& model, const Bytes& bytes, std::uint64_t atMs) {
    model.receive(bytes.data(), bytes.size(), atMs);
}

std::string asText(const Bytes& bytes, std::size_t from, std::size_t count) {
    return std::string(bytes.begin() + static_cast<std::ptrdiff_t>(from),
                       bytes.begin() + static_cast<std::ptrdiff_t>(from + count));
}

std::int32_t i32At(const Bytes& bytes, std::size_t offset) {
    std::uint32_t v = 0;
    for (std::size_t i = 0; i < 4; ++i)
        v |= std::uint32_t{bytes[offset + i]} << (8 * i);
    return static_cast<std::int32_t>(v);
}

std::vector<TimedByte> drain(ConverterModel& model, std::uint64_t untilMs) {
    std::vector<TimedByte> out;
    while (const auto next = model.nextOutput()) {
        if (next->atMs > untilMs) break;
        out.push_back(*next);
        model.popOutput();
    }
    return out;
}

Bytes values(const std::vector<TimedByte>& timed) {
    Bytes bytes;
    for (const TimedByte& b : timed)
        bytes.push_back(b.value);
    return bytes;
}

Bytes packet(const Bytes& data32, int sumAdjust = 0) {
    Bytes p{1};
    std::uint16_t sum = 0;
    for (std::uint8_t b : data32) {
        p.push_back(b);
        sum = static_cast<std::uint16_t>(sum + b);
    }
    sum = static_cast<std::uint16_t>(sum + sumAdjust);
    p.push_back(static_cast<std::uint8_t>(sum & 0xFF));
    p.push_back(static_cast<std::uint8_t>(sum >> 8));
    return p;
}

TEST(ConverterModelQuery, NmeaReplyIsTheFullImageWithinTheReplyWindow) {
    ConverterModel model;
    model.setStateFlags(0x45);
    model.setFirmwareVersion("2.4");
    write(model, text("~ZOR0"), 1000);
    const auto reply = drain(model, 100000);
    const Bytes bytes = values(reply);
    ASSERT_EQ(bytes.size(), 326u);
    EXPECT_EQ(asText(bytes, 0, 5), "~ZOR1");
    EXPECT_EQ(asText(bytes, 6, 8), "ZS410001");
    EXPECT_EQ(asText(bytes, 14, 6), std::string("GPGGA\0", 6)); // five letters and a zero byte
    EXPECT_EQ(i32At(bytes, 154), 2);                            // threshold decimals
    EXPECT_EQ(i32At(bytes, 158), 1250);
    EXPECT_EQ(i32At(bytes, 316), 0x45);
    EXPECT_EQ(asText(bytes, 320, 3), "2.4");
    EXPECT_EQ(asText(bytes, 323, 3), "END");
    // Paced at 9600 baud: it starts after the reply delay and ends before a read that starts 200 ms
    // after the query gives up 200 ms later.
    EXPECT_GT(reply.front().atMs, 1000u);
    EXPECT_LT(reply.back().atMs, 1400u);
    EXPECT_GT(reply.back().atMs, 1300u);
    EXPECT_TRUE(std::is_sorted(reply.begin(), reply.end(),
                               [](const TimedByte& a, const TimedByte& b) { return a.atMs < b.atMs; }));
}

TEST(ConverterModelQuery, ModbusAndSerialRepliesHaveTheirLayouts) {
    ConverterModel model;
    model.setFunction(Function::Modbus);
    model.setStateFlags(0x7F);
    write(model, text("~ZOR0"), 0);
    Bytes bytes = values(drain(model, 100000));
    ASSERT_EQ(bytes.size(), 87u);
    EXPECT_EQ(asText(bytes, 0, 5), "~ZOR2");
    EXPECT_EQ(bytes[16], 200);  // "Address" of row 3
    EXPECT_EQ(bytes[38], 0x01); // "Start Reg" of row 3 = 258, most significant byte first
    EXPECT_EQ(bytes[39], 0x02);
    EXPECT_EQ(bytes[76], 4);
    EXPECT_EQ(i32At(bytes, 77), 0x7F);
    EXPECT_EQ(asText(bytes, 81, 3), "1.7");
    EXPECT_EQ(asText(bytes, 84, 3), "END");

    model.setFunction(Function::Serial);
    write(model, text("~ZOR0"), 10000);
    bytes = values(drain(model, 100000));
    ASSERT_EQ(bytes.size(), 18u);
    EXPECT_EQ(asText(bytes, 0, 5), "~ZOR3");
    EXPECT_EQ(bytes[6], 4);
    EXPECT_EQ(asText(bytes, 7, 8), "ZS410001");
    EXPECT_EQ(asText(bytes, 15, 3), "END");
}

TEST(ConverterModelQuery, FindsTheTagAfterNoiseAndStrayBytes) {
    ConverterModel model;
    // A lone "~", a broken tag and unknown bytes come before the query.
    write(model, text("q~~ZO~ZOR0"), 0);
    EXPECT_EQ(model.counters().queries, 1u);
    EXPECT_GE(model.counters().unknownBytes, 2u);
    EXPECT_EQ(values(drain(model, 100000)).size(), 326u);

    // A query written a byte at a time counts the same.
    for (std::uint8_t b : text("~ZOR0"))
        write(model, Bytes{b}, 5000);
    EXPECT_EQ(model.counters().queries, 2u);
}

TEST(ConverterModelImages, KeepsAcceptedImagesAndSwitchesMainFunction) {
    ConverterModel model;
    Bytes image = model.image(Function::Modbus);
    image[5] = 'c';
    image[14] = 17;
    image[76] = 5;
    // The image arrives in two writes.
    write(model, Bytes(image.begin(), image.begin() + 30), 0);
    write(model, Bytes(image.begin() + 30, image.end()), 40);
    EXPECT_EQ(model.counters().imagesAccepted, 1u);
    EXPECT_EQ(model.function(), Function::Modbus);
    EXPECT_EQ(model.image(Function::Modbus), image);

    write(model, text("~ZOR0"), 1000);
    const Bytes reply = values(drain(model, 100000));
    ASSERT_EQ(reply.size(), 87u);
    EXPECT_TRUE(std::equal(image.begin(), image.begin() + 77, reply.begin()));

    Bytes nmea = model.image(Function::Nmea);
    nmea[5] = '7';
    write(model, nmea, 5000);
    EXPECT_EQ(model.function(), Function::Nmea);
    Bytes serial = model.image(Function::Serial);
    serial[6] = 2;
    write(model, serial, 6000);
    EXPECT_EQ(model.function(), Function::Serial);
    EXPECT_EQ(model.image(Function::Serial)[6], 2);
    EXPECT_EQ(model.image(Function::Nmea)[5], '7');
}

TEST(ConverterModelImages, RefusesBrokenOrStalledImagesAndStaysUsable) {
    ConverterModel model;
    const Bytes before = model.image(Function::Nmea);
    Bytes broken = before;
    broken[325] = 'X';
    broken[5] = '9';
    write(model, broken, 0);
    EXPECT_EQ(model.counters().imagesRefused, 1u);
    EXPECT_EQ(model.image(Function::Nmea), before);

    // An image that stops half way is dropped after a pause, and the next query is answered.
    write(model, Bytes(before.begin(), before.begin() + 100), 1000);
    write(model, text("~ZOR0"), 1600);
    EXPECT_EQ(model.counters().queries, 1u);
    EXPECT_EQ(model.image(Function::Nmea), before);
    EXPECT_EQ(values(drain(model, 100000)).size(), 326u);
}

TEST(ConverterModelImages, LoadImageChecksTagLengthAndTrailer) {
    ConverterModel model;
    EXPECT_FALSE(model.loadImage(text("hello")).empty());
    Bytes modbus = model.image(Function::Modbus);
    EXPECT_TRUE(model.loadImage(modbus).empty());
    EXPECT_EQ(model.function(), Function::Modbus);
    modbus.pop_back();
    EXPECT_FALSE(model.loadImage(modbus).empty());
    Bytes serial = model.image(Function::Serial);
    serial.insert(serial.begin() + 10, 'z'); // 19 bytes
    EXPECT_FALSE(model.loadImage(serial).empty());
    EXPECT_FALSE(model.loadImage(Bytes{}).empty());
}

TEST(ConverterModelCommands, CommandBytesAndStreaming) {
    ConverterModel model;
    model.setSentences({"$AAXXX,1*00", "$BBYYY,2*00"});
    Timing timing;
    timing.sentencePeriodMs = 100;
    model.setTiming(timing);
    write(model, text("lb"), 0);
    EXPECT_EQ(model.counters().ledTests, 1u);
    EXPECT_EQ(model.counters().restarts, 1u);
    EXPECT_FALSE(model.nextOutput().has_value());

    // Between "s" and "x" the sentences come in turn, one every period, each ended by CR LF.
    ConverterModel again;
    again.setSentences({"$AAXXX,1*00", "$BBYYY,2*00"});
    again.setTiming(timing);
    write(again, text("s"), 1000);
    const Bytes got = values(drain(again, 1250));
    EXPECT_TRUE(again.streaming());
    EXPECT_EQ(std::string(got.begin(), got.end()), "$AAXXX,1*00\r\n$BBYYY,2*00\r\n$AAXXX,1*00\r\n");

    // After "x" nothing new starts; a sentence already on the line is finished.
    write(again, text("x"), 1325);
    const Bytes tail = values(drain(again, 100000));
    EXPECT_EQ(std::string(tail.begin(), tail.end()), "$BBYYY,2*00\r\n");
    EXPECT_FALSE(again.streaming());
    EXPECT_FALSE(again.nextOutput().has_value());

    // A restart stops streaming too.
    write(again, text("s"), 2000);
    write(again, text("b"), 2001);
    EXPECT_FALSE(again.streaming());
    EXPECT_FALSE(again.nextOutput().has_value());
}

TEST(ConverterModelCommands, PurgeDropsOnlyWhatHasArrived) {
    ConverterModel model;
    write(model, text("~ZOR0"), 0);
    const std::uint64_t middle = 200;
    model.discardOutputUntil(middle);
    const auto rest = drain(model, 100000);
    ASSERT_FALSE(rest.empty());
    EXPECT_GT(rest.front().atMs, middle);
    EXPECT_LT(rest.size(), 326u);
    EXPECT_EQ(asText(values(rest), rest.size() - 3, 3), "END");
}

TEST(ConverterModelFirmware, AcknowledgesPacketsByTheirSumAndKeepsTheFirmware) {
    ConverterModel model;
    write(model, text("~ZORf"), 0);
    EXPECT_EQ(values(drain(model, 100000)), text("ACKFW"));
    EXPECT_TRUE(model.inFirmwareUpdate());

    const Bytes ones(32, 0xFF);
    const Bytes good = packet(ones);
    EXPECT_EQ(good[33], 0xE0); // 8160, least significant byte first
    EXPECT_EQ(good[34], 0x1F);
    write(model, good, 100);
    EXPECT_EQ(values(drain(model, 100000)), Bytes{1});

    // A bad sum is answered 2 and its data is not kept; the resend is accepted.
    Bytes counting(32);
    for (std::size_t i = 0; i < 32; ++i)
        counting[i] = static_cast<std::uint8_t>(i);
    write(model, packet(counting, 1), 200);
    EXPECT_EQ(values(drain(model, 100000)), Bytes{2});
    write(model, packet(counting), 300);
    EXPECT_EQ(values(drain(model, 100000)), Bytes{1});

    // Packets may arrive in pieces; 255 at a packet boundary ends the update.
    const Bytes zeros = packet(Bytes(32, 0));
    write(model, Bytes(zeros.begin(), zeros.begin() + 10), 400);
    write(model, Bytes(zeros.begin() + 10, zeros.end()), 410);
    EXPECT_EQ(values(drain(model, 100000)), Bytes{1});
    write(model, Bytes{255}, 500);
    EXPECT_FALSE(model.inFirmwareUpdate());
    EXPECT_EQ(model.counters().firmwareUpdates, 1u);
    ASSERT_EQ(model.firmware().size(), 96u);
    EXPECT_TRUE(std::equal(ones.begin(), ones.end(), model.firmware().begin()));
    EXPECT_TRUE(std::equal(counting.begin(), counting.end(), model.firmware().begin() + 32));

    // Afterwards it answers queries again.
    write(model, text("~ZOR0"), 1000);
    EXPECT_EQ(values(drain(model, 100000)).size(), 326u);
}

TEST(ConverterModelFirmware, GivesUpAnUpdateWhenTheProgramFallsSilent) {
    ConverterModel model;
    write(model, text("~ZORf"), 0);
    drain(model, 100000);
    write(model, Bytes(5, 1), 100); // a packet begun and never finished
    model.advance(5000);
    EXPECT_FALSE(model.inFirmwareUpdate());
    write(model, text("~ZOR0"), 5001);
    EXPECT_EQ(model.counters().queries, 1u);
}

TEST(ConverterModelFaults, SilenceGarbageNoiseAndSplitReplies) {
    {
        ConverterModel model;
        Faults faults;
        faults.silent = true;
        model.setFaults(faults);
        write(model, text("~ZOR0~ZORf"), 0);
        EXPECT_FALSE(model.nextOutput().has_value());
    }
    {
        ConverterModel model;
        Faults faults;
        faults.garbageReply = true;
        model.setFaults(faults);
        write(model, text("~ZOR0"), 0);
        const Bytes noise = values(drain(model, 100000));
        EXPECT_FALSE(noise.empty());
        EXPECT_EQ(std::count(noise.begin(), noise.end(), '~'), 0);
        EXPECT_EQ(std::count(noise.begin(), noise.end(), 0), 0);
    }
    {
        ConverterModel model;
        Faults faults;
        faults.noiseBeforeTag = 7800;
        model.setFaults(faults);
        write(model, text("~ZOR0"), 0);
        const Bytes bytes = values(drain(model, 1000000));
        ASSERT_EQ(bytes.size(), 7800u + 326u);
        EXPECT_EQ(asText(bytes, 7800, 5), "~ZOR1");
        EXPECT_EQ(std::count(bytes.begin(), bytes.begin() + 7800, 0), 0);
        EXPECT_EQ(std::count(bytes.begin(), bytes.begin() + 7800, '~'), 0);
    }
    {
        ConverterModel model;
        Faults faults;
        faults.splitAfter = 100;
        faults.splitPauseMs = 300;
        model.setFaults(faults);
        write(model, text("~ZOR0"), 0);
        const auto reply = drain(model, 100000);
        ASSERT_EQ(reply.size(), 326u);
        EXPECT_GT(reply[100].atMs - reply[99].atMs, 200u);
        for (std::size_t i = 1; i < reply.size(); ++i) {
            if (i != 100) {
                EXPECT_LE(reply[i].atMs - reply[i - 1].atMs, 2u);
            }
        }
    }
}

TEST(ConverterModelFaults, FirmwareAcknowledgementFaults) {
    {
        ConverterModel model;
        Faults faults;
        faults.noAckfw = true;
        model.setFaults(faults);
        write(model, text("~ZORf"), 0);
        EXPECT_FALSE(model.nextOutput().has_value());
        EXPECT_FALSE(model.inFirmwareUpdate());
    }
    {
        ConverterModel model;
        Faults faults;
        faults.rejectEvery = 2;
        model.setFaults(faults);
        write(model, text("~ZORf"), 0);
        drain(model, 100000);
        Bytes answers;
        for (int i = 0; i < 4; ++i) {
            write(model, packet(Bytes(32, 7)), 100u + 10u * static_cast<unsigned>(i));
            const Bytes a = values(drain(model, 100000));
            answers.insert(answers.end(), a.begin(), a.end());
        }
        EXPECT_EQ(answers, (Bytes{1, 2, 1, 2}));
        EXPECT_EQ(model.firmware().size(), 64u);
    }
    {
        ConverterModel model;
        Faults faults;
        faults.acknowledgeOnly = 1;
        model.setFaults(faults);
        write(model, text("~ZORf"), 0);
        drain(model, 100000);
        write(model, packet(Bytes(32, 7)), 100);
        EXPECT_EQ(values(drain(model, 100000)), Bytes{1});
        write(model, packet(Bytes(32, 7)), 200);
        EXPECT_FALSE(model.nextOutput().has_value());
    }
}

TEST(ConverterModelSentences, SentenceFileLinesWithoutLineEnds) {
    const auto path = std::filesystem::temp_directory_path() / "zor_model_sentences_test.txt";
    {
        std::ofstream out(path, std::ios::binary);
        out << "$GPGGA,1*00\r\n\r\n$WIMWV,2*00\n$LAST,3*00";
    }
    std::vector<std::string> sentences;
    ASSERT_TRUE(LoadSentenceFile(path.string(), sentences));
    EXPECT_EQ(sentences, (std::vector<std::string>{"$GPGGA,1*00", "$WIMWV,2*00", "$LAST,3*00"}));
    std::filesystem::remove(path);
    EXPECT_FALSE(LoadSentenceFile(path.string(), sentences));
    EXPECT_EQ(sentences.size(), 3u); // left as it was
}

} // namespace
} // namespace zor::sim

namespace zor::sim {
namespace {

TEST(ConverterModelRobustness, ArbitraryInputNeverBreaksItAndItRecovers) {
    ConverterModel model;
    std::uint32_t state = 12345;
    auto next = [&state] {
        state = state * 1664525u + 1013904223u;
        return state >> 24;
    };
    // Random bytes, with the tag letters and command bytes made likely, in pieces at random times.
    const std::uint8_t likely[] = {'~', 'Z', 'O', 'R', '0', '1', '2', '3', 'f', 's', 'x', 'b', 'l', 1, 255};
    std::uint64_t now = 0;
    for (int round = 0; round < 2000; ++round) {
        std::vector<std::uint8_t> piece(next() % 40);
        for (auto& b : piece)
            b = (next() % 2 == 0) ? likely[next() % sizeof likely] : static_cast<std::uint8_t>(next());
        now += next() % 700;
        model.receive(piece.data(), piece.size(), now);
        model.takeOutputUntil(now);
    }
    model.takeEvents();
    // After a quiet spell it answers the query as ever.
    const std::uint8_t stop[] = {'x'};
    now += 3000;
    model.advance(now);
    model.receive(stop, 1, now);
    model.discardOutputUntil(now + 1000);
    const std::uint8_t query[] = {'~', 'Z', 'O', 'R', '0'};
    now += 3000;
    model.receive(query, 5, now);
    const std::vector<std::uint8_t> reply = model.takeOutputUntil(now + 10000);
    ASSERT_GE(reply.size(), 18u);
    EXPECT_EQ(reply[0], '~');
    EXPECT_EQ(std::string(reply.end() - 3, reply.end()), "END");
}

} // namespace
} // namespace zor::sim
