// zor-config firmware, restart, led-test and monitor, and the exit code of each failure.
#include "support/zor_config_run.h"

TEST_F(ZorConfig, FirmwareIsSentAgainWhereAPacketIsRejected) {
    Bytes firmware(100);
    for (std::size_t i = 0; i < firmware.size(); ++i)
        firmware[i] = static_cast<std::uint8_t>(i * 7 + 1);
    writeBytes(path("update.binary"), firmware);
    Simulator converter(dir, "firmware", {"--reject-every", "2", "--firmware-out", path("received.binary")});
    const Outcome r = run({"firmware", path("update.binary"), "--port", converter.port, "--yes"});
    ASSERT_EQ(r.code, 0) << r.out << r.err;
    EXPECT_NE(r.out.find("Firmware update complete: 100 bytes in 4 packets, 3 resent"), std::string::npos)
        << r.out;
    EXPECT_NE(r.err.find("Proceeding, as --yes was given."), std::string::npos) << r.err;
    EXPECT_EQ(r.err.find("Click"), std::string::npos) << "no window's buttons on a terminal";
    // What the converter kept is the packets' data: the file and the zero filling of the last packet.
    Bytes expected = firmware;
    expected.resize(128, 0);
    EXPECT_EQ(awaitBytes(path("received.binary")), expected);

    writeBytes(path("empty.binary"), {});
    EXPECT_EQ(run({"firmware", path("empty.binary"), "--port", converter.port, "--yes"}).code, 6);
    writeBytes(path("large.binary"), Bytes(40000, 0xAA));
    const Outcome large = run({"firmware", path("large.binary"), "--port", converter.port, "--yes"});
    EXPECT_EQ(large.code, 6);
    EXPECT_NE(large.err.find("too large (40000 bytes, at most 32768)"), std::string::npos) << large.err;
}

TEST_F(ZorConfig, CommandBytesAndTheIncomingSentences) {
    Simulator converter(dir, "commands", {"--sentence-period", "50"});
    EXPECT_EQ(run({"restart", "--port", converter.port}).code, 0);
    EXPECT_EQ(run({"led-test", "--port", converter.port}).code, 0);
    const Outcome monitor = run({"monitor", "--port", converter.port, "--seconds", "1"});
    EXPECT_EQ(monitor.code, 0) << monitor.err;
    EXPECT_NE(monitor.out.find("$"), std::string::npos) << monitor.out;
    EXPECT_NE(monitor.out.find("\r\n"), std::string::npos);
    const std::string log = converter.logText();
    const auto restart = log.find("restart (b)"), led = log.find("LED test (l)"),
               start = log.find("start streaming (s)"), stop = log.find("stop streaming (x)");
    EXPECT_NE(restart, std::string::npos) << log;
    EXPECT_NE(led, std::string::npos) << log;
    EXPECT_NE(start, std::string::npos) << log;
    EXPECT_NE(stop, std::string::npos) << log;
    EXPECT_LT(start, stop);
}

// Each failure through the command, with the code the help documents. The codes not here are shown by
// the tests above: 0 everywhere, 3 and 4 (scan) in the first two, 5, 6 and 7 by show and build, 9 by
// send to a line with a port gone, 10 by verify, 12 by diff (below).
TEST_F(ZorConfig, ExitCodesSayWhatHappened) {
    Simulator silent(dir, "silent", {"--silent"});
    Simulator refusing(dir, "refusing", {"--unpaced", "--reject-every", "1"});
    writeBytes(path("update.binary"), Bytes(64, 0x5A));
    writeText("line.json", R"({"mainFunction": "serial", "sdi12Address": "1"})");
    struct Case {
        std::vector<std::string> args;
        int code;
        std::string said;
    };
    const Case cases[] = {
        // A port that opens but where nothing answers is no converter, not a bad port.
        {{"read", "--port", silent.port}, 4, "no converter answered"},
        {{"send", path("line.json"), "--port", silent.port}, 4, "no converter answered"},
        {{"firmware", path("update.binary"), "--port", silent.port, "--yes"}, 4, "no converter answered"},
        {{"restart", "--port", refusing.port, "--port", silent.port}, 9, "1 of 2 converter(s) restarted"},
        // A converter that refuses every packet: the update is given up, and that is a failure.
        {{"firmware", path("update.binary"), "--port", refusing.port, "--yes"}, 8, "firmware update failed"},
        {{"firmware", path("update.binary"), "--port", refusing.port}, 2, "give --yes"},
        {{"read", "--port", silent.port, "--port", refusing.port, "-o", path("x.cfg")}, 2, "one --port"},
        {{"send"}, 2, "input is required"},
    };
    for (const Case& c : cases) {
        const Outcome r = run(c.args);
        EXPECT_EQ(r.code, c.code) << c.args[0] << " " << c.args.back() << "\n" << r.out << r.err;
        EXPECT_NE((r.out + r.err).find(c.said), std::string::npos) << c.args[0] << "\n" << r.out << r.err;
    }
}
