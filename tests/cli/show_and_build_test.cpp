// zor-config show and build: settings texts and configuration files, both ways.
#include "support/zor_config_run.h"

// For any file the program saved, `show --json` then `build` gives the same file.
TEST_F(ZorConfig, ShowAndBuildRoundTripEveryLayout) {
    zor::sim::ConverterModel factory;
    writeBytes(path("nmea.cfg"), factory.image(zor::sim::Function::Nmea));
    writeBytes(path("modbus.cfg"), factory.image(zor::sim::Function::Modbus));
    writeBytes(path("serial.cfg"), factory.image(zor::sim::Function::Serial));
    // A file the program built itself, with values a form can hold and the factory's do not.
    writeText("edited.json", R"({"mainFunction": "nmea", "sdi12Address": "7", "serialNumber": "AB12CD34",
        "registerSets": [{"sentenceId": "GA", "parameters": [1, 32], "threshold": 2.999, "hysteresis": -0.29,
                          "thresholdFunction": ">="}],
        "thresholdDecimals": 3, "averaging": {"enabled": true, "sampleRate": 5, "sampleCount": 12, "bufferLength": 60}})");
    ASSERT_EQ(run({"build", path("edited.json"), "-o", path("edited.cfg")}).code, 0);

    for (const char* name : {"nmea", "modbus", "serial", "edited"}) {
        const std::string cfg = path(std::string(name) + ".cfg");
        const Outcome shown = run({"show", cfg, "--json"});
        ASSERT_EQ(shown.code, 0) << name << shown.err;
        writeText("shown.json", shown.out);
        const Outcome built = run({"build", path("shown.json"), "-o", path("rebuilt.cfg")});
        ASSERT_EQ(built.code, 0) << name << built.err;
        EXPECT_EQ(readBytes(path("rebuilt.cfg")), readBytes(cfg)) << name;
    }
    // The short sentence identifier went out lengthened, as "Send Settings" sends it.
    const Bytes edited = readBytes(path("edited.cfg"));
    EXPECT_EQ(std::string(edited.begin() + 14, edited.begin() + 20), std::string("***GA\0", 6));

    // Notepad saves UTF-8 with a byte-order mark in front.
    writeText("notepad.json", "\xEF\xBB\xBF{\"mainFunction\": \"serial\", \"sdi12Address\": \"1\", "
                              "\"serialNumber\": \"12345678\", \"baud\": 2400}");
    const Outcome notepad = run({"build", path("notepad.json"), "-o", path("notepad.cfg")});
    EXPECT_EQ(notepad.code, 0) << notepad.err;

    // Words about the file, the system's own for its errors.
    writeText("noise.cfg", "no tag in here");
    writeBytes(path("notepad16.json"), {0xFF, 0xFE, '{', 0, '}', 0});
    const std::pair<std::vector<std::string>, std::string> files[] = {
        {{"show", path("noise.cfg")},
         "noise.cfg is not a settings file: 14 bytes with no ~ZOR1, ~ZOR2 or ~ZOR3 tag"},
        {{"send", path("notepad16.json")}, "notepad16.json is not a settings file: its text is UTF-16"},
        {{"show", path("missing.cfg")},
         "cannot open " + path("missing.cfg") + ": No such file or directory"}};
    for (const auto& [args, said] : files) {
        const Outcome r = run(args);
        EXPECT_EQ(r.code, said.find("settings file") != std::string::npos ? 6 : 5) << r.err;
        EXPECT_NE(r.err.find(said), std::string::npos) << r.err;
    }
}

TEST_F(ZorConfig, BuildRefusesWhatSendSettingsRefuses) {
    // Every rule of the checks, on both sides of each of its limits: the value just outside is refused
    // in the window's words and nothing is written, the value just inside is built. A rule dropped or
    // moved lets its refused value through, or refuses its good one.
    struct Rule {
        const char* function;
        const char* settings; // what the case changes, over a good address and serial number
        std::string refusal;  // empty: built
    };
    const std::string address = "SDI12 address must be one of 0-9, A-Z, a-z",
                      serial = "Serial# must be 8 characters";
    const std::string cell = " must be a whole number from 0 to ",
                      monitored =
                          R"("Monitored Parameter" of register set 3 must be a whole number from 0 to 32)";
    const std::string
        threshold =
            R"x("Threshold (switch ON level)" of register set 1 must be a number from -2147483.648 to 2147483.647)x",
        hysteresis =
            R"x("Hysteresis (switch OFF level)" of register set 2 must be a number from -2147483.648 to 2147483.647)x";
    const Rule rules[] = {
        {"serial", R"({"sdi12Address": "12"})", "SDI12 address can only be 1 character"},
        {"serial", R"({"sdi12Address": ""})", address},
        {"serial", R"({"sdi12Address": "/"})", address},
        {"serial", R"({"sdi12Address": "0"})", ""},
        {"serial", R"({"sdi12Address": "9"})", ""},
        {"serial", R"({"sdi12Address": ":"})", address},
        {"serial", R"({"sdi12Address": "@"})", address},
        {"serial", R"({"sdi12Address": "A"})", ""},
        {"serial", R"({"sdi12Address": "Z"})", ""},
        {"serial", R"({"sdi12Address": "["})", address},
        {"serial", R"({"sdi12Address": "`"})", address},
        {"serial", R"({"sdi12Address": "a"})", ""},
        {"serial", R"({"sdi12Address": "z"})", ""},
        {"serial", R"({"sdi12Address": "{"})", address},
        {"modbus", R"({"serialNumber": "1234567"})", serial},
        {"modbus", R"({"serialNumber": "123456789"})", serial},
        {"modbus", R"({"serialNumber": "1234567\u00ff"})", ""},
        {"modbus", R"({"serialNumber": "1234567\u0100"})", "Serial# character out of range"},
        {"nmea", R"({"registerSets": [{}, {"sentenceId": "GP\u0100"}]})", "NMEA ID character out of range"},
        {"nmea", R"({"registerSets": [{}, {"sentenceId": "GP\u00ff"}]})", ""},
        {"nmea", R"({"registerSets": [{}, {"sentenceId": "GPGGAX"}]})", ""},
        {"nmea", R"({"registerSets": [{}, {"sentenceId": "GP\u001fGA"}]})", "NMEA ID character out of range"},
        {"nmea", R"({"registerSets": [{}, {"sentenceId": "GP GA"}]})", ""},
        {"nmea", R"({"registerSets": [{}, {"parameters": [32, 1, 32]}]})",
         "Parameter 32 of register set 1 is selected twice"},
        {"nmea", R"({"registerSets": [{}, {"parameters": [32, 1]}]})", ""},
        {"nmea", R"({"registerSets": [{}, {}, {}, {"monitoredParameter": "3x"}]})", monitored},
        {"nmea", R"({"registerSets": [{}, {}, {}, {"monitoredParameter": " 32 "}]})", ""},
        {"nmea", R"({"thresholdDecimals": 3, "registerSets": [{}, {"threshold": "high"}]})", threshold},
        {"nmea", R"({"thresholdDecimals": 3, "registerSets": [{}, {"threshold": "2,5"}]})", ""},
        {"nmea", R"({"thresholdDecimals": 2, "registerSets": [{}, {"threshold": 12.345}]})",
         "of register set 1 has more decimals than the converter keeps (2)"},
        {"nmea", R"({"thresholdDecimals": 2, "registerSets": [{}, {"threshold": 12.34}]})", ""},
        {"nmea", R"({"registerSets": [{}, {"sentenceId": "GPGGAXY"}]})",
         "NMEA ID can be at most 6 characters"},
        {"nmea", R"({"registerSets": [{}, {}, {}, {"monitoredParameter": -1}]})", monitored},
        {"nmea", R"({"registerSets": [{}, {}, {}, {"monitoredParameter": 0}]})", ""},
        {"nmea", R"({"registerSets": [{}, {}, {}, {"monitoredParameter": 32}]})", ""},
        {"nmea", R"({"registerSets": [{}, {}, {}, {"monitoredParameter": 33}]})", monitored},
        {"nmea", R"({"thresholdDecimals": 3, "registerSets": [{}, {"threshold": 2147484}]})", threshold},
        {"nmea", R"({"thresholdDecimals": 3, "registerSets": [{}, {"threshold": 2147483}]})", ""},
        {"nmea", R"({"thresholdDecimals": 3, "registerSets": [{}, {"threshold": -2147483}]})", ""},
        {"nmea", R"({"thresholdDecimals": 3, "registerSets": [{}, {"threshold": -2147484}]})", threshold},
        {"nmea", R"({"thresholdDecimals": 3, "registerSets": [{}, {}, {"hysteresis": 2147484}]})",
         hysteresis},
        {"nmea", R"({"thresholdDecimals": 3, "registerSets": [{}, {}, {"hysteresis": 2147483}]})", ""},
        {"nmea", R"({"thresholdDecimals": 3, "registerSets": [{}, {}, {"hysteresis": -2147483}]})", ""},
        {"nmea", R"({"thresholdDecimals": 3, "registerSets": [{}, {}, {"hysteresis": -2147484}]})",
         hysteresis},
        {"modbus", R"({"modbusRows": [{}, {"address": -1}]})", R"("Address" in row 1)" + cell + "255"},
        {"modbus", R"({"modbusRows": [{}, {"address": 0}]})", ""},
        {"modbus", R"({"modbusRows": [{}, {"address": 255}]})", ""},
        {"modbus", R"({"modbusRows": [{}, {"address": 256}]})", R"("Address" in row 1)" + cell + "255"},
        {"modbus", R"({"modbusRows": [{}, {}, {"command": -1}]})", R"("Command" in row 2)" + cell + "255"},
        {"modbus", R"({"modbusRows": [{}, {}, {"command": 0}]})", ""},
        {"modbus", R"({"modbusRows": [{}, {}, {"command": 255}]})", ""},
        {"modbus", R"({"modbusRows": [{}, {}, {"command": 256}]})", R"("Command" in row 2)" + cell + "255"},
        {"modbus", R"({"modbusRows": [{}, {}, {}, {"startReg": -1}]})",
         R"("Start Reg" in row 3)" + cell + "65535"},
        {"modbus", R"({"modbusRows": [{}, {}, {}, {"startReg": 0}]})", ""},
        {"modbus", R"({"modbusRows": [{}, {}, {}, {"startReg": 65535}]})", ""},
        {"modbus", R"({"modbusRows": [{}, {}, {}, {"startReg": 65536}]})",
         R"("Start Reg" in row 3)" + cell + "65535"},
        {"modbus", R"({"modbusRows": [{}, {"regCount": -1}]})", R"("Reg Count" in row 1)" + cell + "65535"},
        {"modbus", R"({"modbusRows": [{}, {"regCount": 0}]})", ""},
        {"modbus", R"({"modbusRows": [{}, {"regCount": 65535}]})", ""},
        {"modbus", R"({"modbusRows": [{}, {"regCount": 70000}]})",
         R"("Reg Count" in row 1)" + cell + "65535"},
        {"modbus", R"({"modbusRows": [{}, {}, {}, {}, {}, {}, {}, {}, {}, {"regCount": "17x"}]})",
         R"("Reg Count" in row 9)" + cell + "65535"},
        {"modbus", R"({"modbusTimeout": -1})", R"("Modbus Timeout")" + cell + "65535"},
        {"modbus", R"({"modbusTimeout": 0})", ""},
        {"modbus", R"({"modbusTimeout": 65535})", ""},
        {"modbus", R"({"modbusTimeout": 65536})", R"("Modbus Timeout")" + cell + "65535"},
        {"modbus", R"({"modbusTimeout": "10 s"})", R"("Modbus Timeout")" + cell + "65535"},
    };
    std::vector<std::vector<std::string>> builds;
    for (const Rule& rule : rules) {
        nlohmann::json settings = {
            {"mainFunction", rule.function}, {"sdi12Address", "1"}, {"serialNumber", "12345678"}};
        settings.update(nlohmann::json::parse(rule.settings));
        const std::string name = "rule" + std::to_string(builds.size());
        writeText(name + ".json", settings.dump());
        builds.push_back({"build", path(name + ".json"), "-o", path(name + ".cfg")});
    }
    const std::vector<Outcome> built = runAll(builds);
    for (std::size_t i = 0; i < built.size(); ++i) {
        const Rule& rule = rules[i];
        const Outcome& r = built[i];
        const bool written = access(builds[i].back().c_str(), F_OK) == 0;
        if (rule.refusal.empty()) {
            EXPECT_EQ(r.code, 0) << rule.settings << "\n" << r.err;
            EXPECT_TRUE(written) << rule.settings;
        } else {
            EXPECT_EQ(r.code, 7) << rule.settings << "\n" << r.err;
            EXPECT_NE(r.err.find(rule.refusal), std::string::npos) << rule.settings << "\n" << r.err;
            EXPECT_FALSE(written) << "nothing is written: " << rule.settings;
        }
    }

    // Not settings: an unknown field, a wrong type, a truncated text; the message names what is wrong.
    const std::pair<const char*, const char*> notSettings[] = {
        {R"({"mainFunction": "nmea", "serialNumber": "12345678", "thresold": 2})", "thresold"},
        {R"({"mainFunction": "nmea", "registerSets": [{"threshold": true}]})",
         "registerSets[0].threshold: a number or the text typed is expected"},
        {R"({"mainFunction": "nmea", "serialNumber": "12345678", "registerSets": [{"sentenceId": "GP)",
         "not valid JSON"},
        {R"({"mainFunction": "nmea", "registerSets": [{"threshold": -1e400}]})",
         "a number is out of range: -1e400"},
        // The choices each refusal lists, and the names the settings text knows.
        {R"({"mainFunction": "sdi12"})", R"(mainFunction: "nmea", "modbus" or "serial" is expected)"},
        {R"({"mainFunction": "modbus", "baud": 9601})", "baud: 1200, 2400, 4800, 9600 or 19200 is expected"},
        {R"({"mainFunction": "nmea", "registerSets": [{"thresholdFunction": "=>"}]})",
         R"(registerSets[0].thresholdFunction: "<", ">", "=", "<=" or ">=" is expected)"},
        {R"({"mainFunction": "nmea", "averaging": {"sampleRat": 2}})", "averaging.sampleRat: unknown value"},
        {R"({"mainFunction": "modbus", "modbusRows": [{"adress": 2}]})",
         "modbusRows[0].adress: unknown value"},
        // The last of two would silently win, in a register set or after one.
        {R"({"mainFunction": "nmea", "registerSets": [{"threshold": 1, "hysteresis": 0, "threshold": 2}]})",
         R"("threshold" is given twice)"},
        {R"({"mainFunction": "nmea", "thresholdDecimals": 1, "registerSets": [{}], "thresholdDecimals": 2})",
         R"("thresholdDecimals" is given twice)"}};
    for (const auto& [text, said] : notSettings) {
        writeText("bad.json", text);
        for (const char* option : {"-o", "--port"}) { // build, then send: the file is refused first
            const Outcome bad =
                run({option[1] == 'o' ? "build" : "send", path("bad.json"), option, path("out")});
            EXPECT_EQ(bad.code, 6) << text;
            EXPECT_NE(bad.err.find(said), std::string::npos) << bad.err;
        }
    }

    // A configuration file "Send Settings" would refuse is neither shown nor sent, as the window does
    // not open it: refused before any port is opened.
    zor::sim::ConverterModel factory;
    Bytes badAddress = factory.image(zor::sim::Function::Nmea),
          shortSerial = factory.image(zor::sim::Function::Modbus);
    badAddress[5] = '!';
    shortSerial[10] = 0;
    for (const auto& [file, said] : {std::pair{badAddress, address}, std::pair{shortSerial, serial}}) {
        writeBytes(path("refused.cfg"), file);
        for (const Outcome& r : {run({"show", path("refused.cfg")}),
                                 run({"send", path("refused.cfg"), "--port", path("no-such-port")})}) {
            EXPECT_EQ(r.code, 7) << r.out << r.err;
            EXPECT_NE(r.err.find("refused.cfg: refused: " + said), std::string::npos) << r.err;
        }
    }
    // Nor is a settings text sent that the checks refuse over the converter's settings: nothing written.
    Simulator converter(dir, "modbus", {"--unpaced", "--function", "modbus"});
    const std::pair<const char*, std::string> texts[] = {
        {R"({"modbusRows": [{"address": 300}]})", R"("Address" in row 0)" + cell + "255"},
        {R"({"sdi12Address": "!"})", address}};
    for (const auto& [text, said] : texts) {
        writeText("refused.json", text);
        const Outcome r = run({"send", path("refused.json"), "--port", converter.port});
        EXPECT_EQ(r.code, 7) << r.out << r.err;
        EXPECT_NE(r.out.find(": FAILED: refused: " + said), std::string::npos) << r.out;
        EXPECT_EQ(converter.logText().find("accepted"), std::string::npos) << converter.logText();
    }
}
