// zor-config send: a line of converters, the verify that reads each back, and Ctrl-C on the line.
#include "support/zor_config_run.h"

namespace {

// The image the window's core builds for the settings of a file with this serial number.
Bytes builtWithSerial(const Bytes& file, const std::u16string& serial) {
    const zor::ReceivedBytes received{file.data(), static_cast<std::int32_t>(file.size())};
    zor::DecodedNmeaImage decoded = zor::DecodeNmeaImage(received, zor::ReplyOrigin::File);
    const zor::IdentityFields identity{decoded.address.c_str(), serial.c_str()};
    const zor::BuildResult built = zor::BuildNmeaImage(identity, decoded.settings);
    EXPECT_TRUE(built.ok);
    return Bytes(built.image.bytes.begin(), built.image.bytes.begin() + built.image.length);
}

// A production line: one file to three converters at once, each keeping its own serial number, as a
// technician gets it by reading each converter, opening the file and sending. The three hold their
// answers until all three have been asked: served one after another, the first never answers.
TEST_F(ZorConfig, SendConfiguresEveryConverterAtOnceWithItsOwnSerialNumber) {
    const std::u16string serials[] = {u"LINE0001", u"LINE0002", u"LINE0003"};
    std::vector<std::unique_ptr<Simulator>> converters;
    zor::sim::ConverterModel factory;
    for (int i = 0; i < 3; ++i) {
        Bytes own = factory.image(zor::sim::Function::Nmea);
        for (int c = 0; c < 8; ++c)
            own[static_cast<std::size_t>(6 + c)] =
                static_cast<std::uint8_t>(serials[i][static_cast<std::size_t>(c)]);
        writeBytes(path("own" + std::to_string(i) + ".cfg"), own);
        converters.push_back(std::make_unique<Simulator>(
            dir, "line" + std::to_string(i),
            std::vector<std::string>{"--settings", path("own" + std::to_string(i) + ".cfg"), "--barrier",
                                     path("line.barrier"), "--barrier-ports", "3"}));
    }
    writeText("line.json", R"({"mainFunction": "nmea", "sdi12Address": "4", "serialNumber": "FILE0000",
        "registerSets": [{"sentenceId": "WIMWV", "parameters": [2], "threshold": 30.5, "thresholdFunction": "<"}],
        "thresholdDecimals": 1, "averaging": {"enabled": true, "sampleRate": 2, "sampleCount": 30, "bufferLength": 60}})");
    ASSERT_EQ(run({"build", path("line.json"), "-o", path("line.cfg")}).code, 0);

    const Outcome r = run({"send", path("line.cfg"), "--port", converters[0]->port, "--port",
                           converters[1]->port, "--port", converters[2]->port});
    EXPECT_EQ(r.code, 0) << r.out << r.err;
    EXPECT_NE(r.out.find("3 of 3 converter(s) configured"), std::string::npos) << r.out;
    const Bytes file = readBytes(path("line.cfg"));
    for (int i = 0; i < 3; ++i) {
        EXPECT_NE(r.out.find(converters[i]->port + ": OK: serial LINE000" + std::to_string(i + 1) +
                             ", NMEA0183 to SDI12 Slave, 326 bytes written"),
                  std::string::npos)
            << r.out;
        EXPECT_EQ(awaitBytes(converters[i]->settingsOut), builtWithSerial(file, serials[i])) << i;
        EXPECT_NE(converters[i]->logText().find("barrier passed: 3 of 3"), std::string::npos)
            << converters[i]->logText();
    }

    // For service, the file's serial number: the report gives the one the converter holds after the send.
    const Outcome service = run({"send", path("line.cfg"), "--serial-from-file", "--port",
                                 converters[1]->port, "--report", path("service.jsonl")});
    EXPECT_EQ(service.code, 0) << service.out << service.err;
    EXPECT_EQ(nlohmann::json::parse(readText(path("service.jsonl")))["serialNumber"], "FILE0000");
    EXPECT_NE(service.out.find("OK: serial FILE0000"), std::string::npos) << service.out;
    EXPECT_EQ(awaitBytes(converters[1]->settingsOut), builtWithSerial(file, u"FILE0000"));

    // The JSON itself, to a line where one port is gone: the others are configured, the exit code says not
    // all.
    const Outcome partial =
        run({"send", path("line.json"), "--port", converters[0]->port, "--port", path("gone")});
    EXPECT_EQ(partial.code, 9);
    EXPECT_NE(partial.out.find("gone: FAILED: cannot open"), std::string::npos) << partial.out;
    EXPECT_NE(partial.out.find("1 of 2 converter(s) configured"), std::string::npos) << partial.out;
}

// A converter that takes the image but keeps its old settings is caught by reading it back; the
// fields it did not keep are named with the values sent and read back.
TEST_F(ZorConfig, VerifyCatchesAConverterThatDoesNotKeepWhatItWasSentAndTheReportSaysSo) {
    Simulator keeps(dir, "keeps", {"--unpaced"});
    Simulator forgets(dir, "forgets", {"--unpaced", "--forget-settings"});
    writeText("line.json",
              R"({"mainFunction": "nmea", "registerSets": [{"sentenceId": "WIMWV", "threshold": 30.5}],
        "thresholdDecimals": 1})");

    const Outcome one = run({"send", path("line.json"), "--port", forgets.port});
    EXPECT_EQ(one.code, 10) << one.out << one.err;
    EXPECT_NE(one.out.find(forgets.port + ": FAILED: verify: "), std::string::npos) << one.out;
    EXPECT_NE(one.out.find("registerSets[0].sentenceId (sent \"WIMWV\", read back \"GPGGA\")"),
              std::string::npos)
        << one.out;
    EXPECT_NE(one.out.find("registerSets[0].threshold (sent 30.5, read back 12.5)"), std::string::npos);
    EXPECT_EQ(one.out.find("firmwareVersion"), std::string::npos) << "the converter's own fields";

    const Outcome both = run({"send", path("line.json"), "--port", keeps.port, "--port", forgets.port,
                              "--report", path("line.jsonl")});
    EXPECT_EQ(both.code, 9);
    EXPECT_NE(both.out.find(keeps.port + ": OK: serial ZS410001, NMEA0183 to SDI12 Slave, 326 bytes written, "
                                         "verified"),
              std::string::npos)
        << both.out;
    EXPECT_NE(both.out.find("1 of 2 converter(s) configured"), std::string::npos);
    // The report: a JSON line per converter, in the order they finished.
    std::string sha256(64, ' ');
    FILE* digest = popen(("sha256sum " + path("line.json")).c_str(), "r");
    ASSERT_NE(digest, nullptr);
    ASSERT_EQ(std::fread(sha256.data(), 1, 64, digest), 64u);
    pclose(digest);
    std::ifstream report(path("line.jsonl"));
    std::map<std::string, nlohmann::json> lines;
    for (std::string line; std::getline(report, line);) {
        const nlohmann::json entry = nlohmann::json::parse(line);
        lines[entry["port"].get<std::string>()] = entry;
    }
    ASSERT_EQ(lines.size(), 2u);
    const nlohmann::json& ok = lines[keeps.port];
    EXPECT_EQ(ok["result"], "ok");
    EXPECT_EQ(ok["verify"], "match");
    EXPECT_EQ(ok["serialNumber"], "ZS410001");
    EXPECT_EQ(ok["firmwareVersion"], "1.7");
    EXPECT_EQ(ok["mainFunction"], "NMEA0183 to SDI12 Slave");
    EXPECT_EQ(ok["settingsFile"]["name"], path("line.json"));
    EXPECT_EQ(ok["settingsFile"]["sha256"], sha256);
    EXPECT_GT(ok["seconds"].get<double>(), 0.2);
    EXPECT_EQ(ok["time"].get<std::string>().size(), 20u);
    const nlohmann::json& failed = lines[forgets.port];
    EXPECT_EQ(failed["result"], "failed");
    EXPECT_EQ(failed["exitCode"], 10);
    EXPECT_EQ(failed["verify"], "mismatch");

    const Outcome unverified = run({"send", path("line.json"), "--port", forgets.port, "--no-verify"});
    EXPECT_EQ(unverified.code, 0) << unverified.out;
    EXPECT_NE(unverified.out.find("326 bytes written, not verified"), std::string::npos) << unverified.out;
}

// What verify compares: every field the program sends, in each main function. Each converter here
// held the settings sent except one field, takes the image and forgets it, so that it keeps its old
// value of that field and of no other; the send must fail on it, naming that field and no other. A
// field the comparison leaves out lets its converter pass.
struct KeptField {
    std::string name;                   // as verify names it
    nlohmann::json::json_pointer where; // in the settings text
    nlohmann::json oldValue;            // what the converter kept
};

std::vector<KeptField> keptFields(const std::string& function) {
    using Pointer = nlohmann::json::json_pointer;
    std::vector<KeptField> fields = {{"sdi12Address", Pointer("/sdi12Address"), "7"},
                                     {"serialNumber", Pointer("/serialNumber"), "KEPT0001"}};
    if (function == "nmea") {
        for (int k = 0; k < 10; ++k) {
            const std::string set = "registerSets[" + std::to_string(k) + "].",
                              at = "/registerSets/" + std::to_string(k) + "/";
            fields.push_back({set + "sentenceId", Pointer(at + "sentenceId"), "GPRMC"});
            fields.push_back({set + "parameterSelectMask", Pointer(at + "parameterSelectMask"), 6});
            fields.push_back({set + "monitoredParameter", Pointer(at + "monitoredParameter"), 3});
            fields.push_back({set + "threshold", Pointer(at + "threshold"), 1.5});
            fields.push_back({set + "thresholdFunction", Pointer(at + "thresholdFunction"), ">"});
            fields.push_back({set + "hysteresis", Pointer(at + "hysteresis"), -0.5});
        }
        fields.push_back({"averaging.enabled", Pointer("/averaging/enabled"), true});
        for (const char* number : {"thresholdDecimals", "triggeredOutputOn", "reflectOutputInLed"})
            fields.push_back({number, Pointer(std::string("/") + number), 2});
        for (const char* number :
             {"sampleRate", "sampleCount", "bufferLength", "secondSampleRate", "secondSampleCount"})
            fields.push_back(
                {std::string("averaging.") + number, Pointer(std::string("/averaging/") + number), 9});
        for (int k = 0; k < 9; ++k)
            fields.push_back({"flagBytes1to9[" + std::to_string(k) + "]",
                              Pointer("/flagBytes1to9/" + std::to_string(k)), 1});
    } else if (function == "modbus") {
        for (int row = 0; row < 10; ++row)
            for (const char* column : {"address", "command", "startReg", "regCount"})
                fields.push_back({"modbusRows[" + std::to_string(row) + "]." + column,
                                  Pointer("/modbusRows/" + std::to_string(row) + "/" + column), 4});
        fields.push_back({"modbusTimeout", Pointer("/modbusTimeout"), 777});
        fields.push_back({"baudIndex", Pointer("/baud"), 2400});
    } else {
        fields.push_back({"baudIndex", Pointer("/baud"), 2400});
    }
    return fields;
}

TEST_F(ZorConfig, VerifyNamesEveryFieldAConverterDidNotTake) {
    // What is sent: values none of the old ones share; thresholds of 0 stay 0 whatever the decimals.
    const std::map<std::string, nlohmann::json> sent = {
        {"nmea", nlohmann::json::parse(R"({"mainFunction": "nmea", "sdi12Address": "4",
             "serialNumber": "SENT0001", "thresholdDecimals": 1, "triggeredOutputOn": 0,
             "reflectOutputInLed": 0, "averaging": {"enabled": false, "sampleRate": 1, "sampleCount": 1,
             "bufferLength": 1, "secondSampleRate": 1, "secondSampleCount": 1},
             "flagBytes1to9": [0, 0, 0, 0, 0, 0, 0, 0, 0]})")},
        {"modbus", nlohmann::json::parse(R"({"mainFunction": "modbus", "sdi12Address": "4",
             "serialNumber": "SENT0001", "modbusTimeout": 1000, "baud": 9600})")},
        {"serial", nlohmann::json::parse(R"({"mainFunction": "serial", "sdi12Address": "4",
             "serialNumber": "SENT0001", "baud": 9600})")}};
    for (const auto& [function, base] : sent) {
        nlohmann::json target = base;
        for (int k = 0; function == "nmea" && k < 10; ++k)
            target["registerSets"][static_cast<std::size_t>(k)] = {
                {"sentenceId", "GPGGA"}, {"parameterSelectMask", 1}, {"monitoredParameter", 1},
                {"threshold", 0},        {"thresholdFunction", "<"}, {"hysteresis", 0}};
        for (int row = 0; function == "modbus" && row < 10; ++row)
            target["modbusRows"][static_cast<std::size_t>(row)] = {
                {"address", 1}, {"command", 3}, {"startReg", 1}, {"regCount", 1}};
        writeText(function + ".json", target.dump());
        const Outcome built = run({"build", path(function + ".json"), "-o", path(function + ".cfg")});
        ASSERT_EQ(built.code, 0) << function << built.err;

        const std::vector<KeptField> fields = keptFields(function);
        std::vector<std::vector<std::string>> builds;
        for (std::size_t i = 0; i < fields.size(); ++i) {
            nlohmann::json old = target;
            old[fields[i].where] = fields[i].oldValue;
            const std::string name = function + std::to_string(i);
            writeText(name + ".json", old.dump());
            builds.push_back({"build", path(name + ".json"), "-o", path(name + ".cfg")});
        }
        const std::vector<Outcome> oldBuilt = runAll(builds);
        std::vector<std::unique_ptr<Simulator>> converters;
        std::vector<std::string> args = {"send", path(function + ".cfg"), "--serial-from-file"};
        for (std::size_t i = 0; i < fields.size(); ++i) {
            const std::string name = function + std::to_string(i);
            ASSERT_EQ(oldBuilt[i].code, 0) << fields[i].name << oldBuilt[i].err;
            converters.push_back(
                std::make_unique<Simulator>(dir, name,
                                            std::vector<std::string>{"--unpaced", "--forget-settings",
                                                                     "--settings", path(name + ".cfg")}));
            args.insert(args.end(), {"--port", converters.back()->port});
        }
        const Outcome r = run(args);
        EXPECT_EQ(r.code, 9) << r.out << r.err;
        for (std::size_t i = 0; i < fields.size(); ++i) {
            const std::string& port = converters[i]->port;
            const auto at = r.out.find(port + ": ");
            ASSERT_NE(at, std::string::npos) << port << "\n" << r.out;
            const std::string line = r.out.substr(at, r.out.find('\n', at) - at);
            EXPECT_NE(line.find(": FAILED: verify: "), std::string::npos) << fields[i].name << ": " << line;
            EXPECT_NE(line.find(" " + fields[i].name + " (sent "), std::string::npos)
                << fields[i].name << ": " << line;
            EXPECT_EQ(line.find("(sent "), line.rfind("(sent ")) << "only " << fields[i].name << ": " << line;
        }
    }
}

// A file of another main function switches the converter only when asked to, and a settings text
// must then bring what that function needs.
TEST_F(ZorConfig, AChangeOfMainFunctionIsNeverSilent) {
    Simulator converter(dir, "nmea", {"--unpaced"});
    zor::sim::ConverterModel factory;
    writeBytes(path("modbus.cfg"), factory.image(zor::sim::Function::Modbus));
    writeText("bare.json", R"({"mainFunction": "modbus"})");
    writeText("no-timeout.json", R"({"mainFunction": "modbus", "baud": 9600,
        "modbusRows": [{"address": 1, "command": 3, "regCount": 2}], "modbusTimeout": "0"})");
    writeText(
        "zero-rows.json",
        R"({"mainFunction": "modbus", "baud": 9600, "modbusRows": [{"address": 0}], "modbusTimeout": 500})");
    struct Case {
        const char* file;
        bool change;
        int code;
        const char* said;
    };
    const Case cases[] = {
        {"modbus.cfg", false, 7,
         "the file's main function is Modbus Master to SDI12 Slave, the converter's is NMEA0183 to SDI12 "
         "Slave: give --change-function to switch it"},
        {"bare.json", true, 7, "and the file does not give baud"},
        {"no-timeout.json", true, 7, "and the file does not give modbusTimeout (a time-out that is not 0)"},
        {"zero-rows.json", true, 7, "and the file does not give modbusRows (a row that is not all zero)"},
        {"modbus.cfg", true, 0,
         "OK: serial ZS410001, Modbus Master to SDI12 Slave (was NMEA0183 to SDI12 Slave), 80 bytes written, "
         "verified"},
    };
    for (const Case& c : cases) {
        std::vector<std::string> args = {"send", path(c.file), "--port", converter.port};
        if (c.change) args.push_back("--change-function");
        const Outcome r = run(args);
        EXPECT_EQ(r.code, c.code) << c.file << r.out << r.err;
        EXPECT_NE((r.out + r.err).find(c.said), std::string::npos) << r.out << r.err;
        EXPECT_EQ(converter.logText().find("accepted") != std::string::npos, c.code == 0) << c.file;
    }
}

// Ctrl-C on a line of three paced converters, at the moment each simulator's log shows. The first one
// starts no new converter and lets those in hand finish; a second one ends at once, saying where each
// update was left. Either way the summary, the report lines and an exit code of the table.
TEST_F(ZorConfig, CtrlCLetsTheConvertersInHandFinish) {
    Bytes firmware(3200);
    for (std::size_t i = 0; i < firmware.size(); ++i)
        firmware[i] = static_cast<std::uint8_t>(i * 13 + 5);
    writeBytes(path("update.binary"), firmware);
    writeText("line.json", R"({"mainFunction": "nmea", "registerSets": [{"threshold": 30.5}]})");
    struct Case {
        bool firmware;
        const char* when;
        int signals;
        int code;
        const char* line;
        const char* summary;
        const char* result;
        const char* verify;     // in every report line; empty: none
        std::string firstWords; // said at once on the first Ctrl-C
    };
    const std::string notStarted = " 3 converter(s) will not be started",
                      allInHand = " of the 3 converter(s) in hand, 0 converter(s) will not be started";
    const Case cases[] = {
        // The images are on their way: each send is finished, verified and reported.
        {false, "accepted", 1, 0, ", 326 bytes written, verified", "3 of 3 converter(s) configured", "ok",
         "match", "send" + allInHand},
        // A second Ctrl-C: at once, each converter not yet read back said and reported.
        {false, "accepted", 2, 11, ": INTERRUPTED: the settings were sent, the converter was not read back",
         "", "interrupted", "interrupted", "send" + allInHand},
        // Still asking each converter: none is started, once or twice.
        {false, "query (~ZOR0) answered", 1, 11, ": INTERRUPTED: not started",
         "0 of 3 converter(s) configured, 3 interrupted", "interrupted", "not reached",
         "send of the 0 converter(s) in hand," + notStarted},
        {false, "query (~ZOR0) answered", 2, 11, ": INTERRUPTED: not started", "", "interrupted",
         "not reached", "send of the 0 converter(s) in hand," + notStarted},
        // An update under way is finished, never left half done.
        {true, "packet 3 accepted", 1, 0, ": Firmware update complete: 3200 bytes in 101 packets",
         "3 of 3 converter(s) updated", "ok", "", "firmware update" + allInHand},
        // A second Ctrl-C: at once, with each converter left half-flashed named.
        {true, "packet 3 accepted", 2, 11, ": INTERRUPTED: half-flashed, stopped at packet ", "",
         "interrupted", "", "firmware update" + allInHand},
    };
    for (const Case& c : cases) {
        const std::string which = std::to_string(&c - cases);
        const std::string report = path(which + ".jsonl"), out = path(which + ".out");
        std::vector<std::string> args = {ZOR_CONFIG_EXE,
                                         c.firmware ? "firmware" : "send",
                                         path(c.firmware ? "update.binary" : "line.json"),
                                         "--report",
                                         report,
                                         "--yes"};
        if (!c.firmware) args.pop_back();
        std::vector<std::unique_ptr<Simulator>> line;
        for (int i = 0; i < 3; ++i) {
            const std::string name = which + "-" + std::to_string(i);
            line.push_back(std::make_unique<Simulator>(
                dir, name, std::vector<std::string>{"--firmware-out", path(name + ".binary")}));
            args.insert(args.end(), {"--port", line.back()->port});
        }
        const pid_t program = start(args, out, path(which + ".err"));
        for (const auto& converter : line)
            ASSERT_TRUE(awaitText(converter->log, c.when)) << converter->logText();
        // Said at once (an update of 98 more packets is still running when it is); the second Ctrl-C
        // once it has been.
        kill(program, SIGINT);
        ASSERT_TRUE(awaitText(path(which + ".err"), "Ctrl-C: finishing the " + c.firstWords))
            << which << readText(path(which + ".err"));
        int status = 0;
        if (c.firmware && c.signals == 1) {
            EXPECT_EQ(waitpid(program, &status, WNOHANG), 0) << which;
        }
        if (c.signals == 2) kill(program, SIGINT);
        waitpid(program, &status, 0);
        ASSERT_TRUE(WIFEXITED(status)) << which << ": ended by the signal";
        EXPECT_EQ(WEXITSTATUS(status), c.code) << which << readText(out) << readText(path(which + ".err"));
        const std::string printed = readText(out);
        EXPECT_EQ(occurrences(printed, c.line), 3) << which << printed;
        EXPECT_NE(printed.find(c.summary), std::string::npos) << which << printed;
        std::ifstream lines(report);
        std::vector<std::string> results, verified;
        for (std::string entry; std::getline(lines, entry);) {
            const nlohmann::json parsed = nlohmann::json::parse(entry);
            results.push_back(parsed["result"].get<std::string>());
            verified.push_back(parsed.value("verify", ""));
        }
        EXPECT_EQ(results, std::vector<std::string>(3, c.result)) << which;
        EXPECT_EQ(verified, std::vector<std::string>(3, c.verify)) << which;
        for (int i = 0; i < 3; ++i) {
            const std::string log = line[static_cast<std::size_t>(i)]->logText();
            if (c.code == 0 && c.firmware) {
                Bytes kept = firmware;
                kept.resize(101 * 32, 0);
                EXPECT_EQ(awaitBytes(path(which + "-" + std::to_string(i) + ".binary")), kept) << which;
            }
            if (c.code != 0 && c.signals == 1) {
                EXPECT_EQ(log.find("image"), std::string::npos) << which << log;
            }
            if (c.code != 0) {
                EXPECT_EQ(log.find("firmware update ended"), std::string::npos) << which << log;
            }
            if (c.firmware && c.signals == 2) { // the packet in flight, or the last one accepted
                const auto named = printed.find(line[static_cast<std::size_t>(i)]->port + c.line);
                ASSERT_NE(named, std::string::npos) << printed;
                const int packet =
                    std::atoi(printed.c_str() + named + line[static_cast<std::size_t>(i)]->port.size() +
                              std::strlen(c.line));
                const auto last = log.rfind(" accepted");
                const int accepted = std::atoi(log.c_str() + log.rfind("packet ", last) + 7);
                EXPECT_TRUE(packet == accepted || packet == accepted + 1) << packet << "\n" << log;
            }
        }
    }
}

} // namespace
