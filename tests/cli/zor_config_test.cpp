// zor-config as a user runs it: the program against simulated converters on pseudo-terminals, through
// libserialport (with tests/cli/pty_serial_shim.c, which lets it take a pty for a port), checked on
// what the simulators received and on the files written.
#include "converter_model/converter_model.h"
#include "image/config_file.h"
#include "image/image_build.h"
#include "image/image_decode.h"
#include "link/firmware_packet.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <chrono>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <fstream>
#include <iterator>
#include <map>
#include <memory>
#include <spawn.h>
#include <string>
#include <sys/stat.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes readBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void writeBytes(const std::string& path, const Bytes& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

// Whether a file another process writes comes to hold text count times, within ten seconds.
bool awaitText(const std::string& path, const std::string& text, int count = 1) {
    for (int i = 0; i < 500; ++i) {
        const Bytes bytes = readBytes(path);
        const std::string read(bytes.begin(), bytes.end());
        int found = 0;
        for (auto at = read.find(text); at != std::string::npos; at = read.find(text, at + 1))
            ++found;
        if (found >= count) return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return false;
}

// A file another process writes once it has taken what it was sent.
Bytes awaitBytes(const std::string& path) {
    for (int i = 0; i < 100 && access(path.c_str(), F_OK) != 0; ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    return readBytes(path);
}

std::string readText(const std::string& path) {
    const Bytes bytes = readBytes(path);
    return std::string(bytes.begin(), bytes.end());
}

pid_t spawn(const std::vector<std::string>& args, const std::vector<std::string>& extraEnv,
            const std::string& out, const std::string& err) {
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
    // Started in /tmp: the test's own folder may be one the user a program runs as cannot enter.
    posix_spawn_file_actions_addchdir_np(&actions, "/tmp");
    posix_spawn_file_actions_addopen(&actions, 1, out.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    posix_spawn_file_actions_addopen(&actions, 2, err.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    std::vector<std::string> env;
    for (char** e = environ; *e != nullptr; ++e)
        env.emplace_back(*e);
    env.insert(env.end(), extraEnv.begin(), extraEnv.end());
    std::vector<char*> argv, envp;
    for (const std::string& a : args)
        argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    for (const std::string& e : env)
        envp.push_back(const_cast<char*>(e.c_str()));
    envp.push_back(nullptr);
    pid_t pid = -1;
    posix_spawn(&pid, args[0].c_str(), &actions, nullptr, argv.data(), envp.data());
    posix_spawn_file_actions_destroy(&actions);
    return pid;
}

// A simulated converter on a pty, stopped when the test ends.
class Simulator {
  public:
    Simulator(const std::string& dir, const std::string& name, std::vector<std::string> options) : dir_(dir) {
        log = dir + "/" + name + ".log";
        settingsOut = dir + "/" + name + ".received";
        std::vector<std::string> args = {ZOR_SIMULATOR_EXE, "--log", log, "--settings-out", settingsOut};
        args.insert(args.end(), options.begin(), options.end());
        pid_ = spawn(args, {}, dir + "/" + name + ".out", dir + "/" + name + ".err");
        for (int i = 0; i < 200 && port.empty(); ++i) {
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
            const std::string text = readText(log);
            const auto at = text.find("/dev/pts/");
            if (at != std::string::npos) port = text.substr(at, text.find_first_of(",\n", at) - at);
        }
    }
    ~Simulator() {
        kill(pid_, SIGTERM);
        int status = 0;
        waitpid(pid_, &status, 0);
    }
    std::string logText() const { return readText(log); }

    std::string port;
    std::string log;
    std::string settingsOut;

  private:
    std::string dir_;
    pid_t pid_ = -1;
};

struct Outcome {
    int code = -1;
    std::string out;
    std::string err;
};

class ZorConfig : public ::testing::Test {
  protected:
    void SetUp() override {
        char pattern[] = "/tmp/zor-config-test.XXXXXX";
        dir = mkdtemp(pattern);
    }
    void TearDown() override { std::system(("rm -rf " + dir).c_str()); }

    // prefix: a program that runs zor-config (as another user), with this program and shim.
    Outcome run(std::vector<std::string> args, const std::vector<std::string>& prefix = {},
                const std::string& program = ZOR_CONFIG_EXE, const std::string& shim = ZOR_PTY_SHIM) {
        args.insert(args.begin(), program);
        args.insert(args.begin(), prefix.begin(), prefix.end());
        const std::string out = dir + "/stdout", err = dir + "/stderr";
        const pid_t pid = start(args, out, err, shim);
        int status = 0;
        waitpid(pid, &status, 0);
        Outcome r;
        r.code = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
        r.out = readText(out);
        r.err = readText(err);
        return r;
    }
    // Several zor-config commands at once, each with its own output; their outcomes in order.
    std::vector<Outcome> runAll(const std::vector<std::vector<std::string>>& commands) {
        std::vector<pid_t> pids;
        for (std::size_t i = 0; i < commands.size(); ++i) {
            std::vector<std::string> args = commands[i];
            args.insert(args.begin(), ZOR_CONFIG_EXE);
            pids.push_back(start(args, path("out" + std::to_string(i)), path("err" + std::to_string(i))));
        }
        std::vector<Outcome> outcomes(commands.size());
        for (std::size_t i = 0; i < commands.size(); ++i) {
            int status = 0;
            waitpid(pids[i], &status, 0);
            outcomes[i].code = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
            outcomes[i].out = readText(path("out" + std::to_string(i)));
            outcomes[i].err = readText(path("err" + std::to_string(i)));
        }
        return outcomes;
    }
    // zor-config running on its own; args start with the program.
    static pid_t start(const std::vector<std::string>& args, const std::string& out, const std::string& err,
                       const std::string& shim = ZOR_PTY_SHIM) {
        return spawn(args, {"LD_PRELOAD=" + shim, "ASAN_OPTIONS=verify_asan_link_order=0"}, out, err);
    }
    std::string path(const std::string& name) const { return dir + "/" + name; }
    void writeText(const std::string& name, const std::string& text) const {
        writeBytes(path(name), Bytes(text.begin(), text.end()));
    }

    std::string dir;
};

// The image the window's core builds for the settings of a file with this serial number.
Bytes builtWithSerial(const Bytes& file, const std::u16string& serial) {
    const zor::ReceivedBytes received{file.data(), static_cast<std::int32_t>(file.size())};
    zor::DecodedNmeaImage decoded = zor::DecodeNmeaImage(received, zor::ReplyOrigin::File);
    const zor::IdentityFields identity{decoded.address.c_str(), serial.c_str()};
    const zor::BuildResult built = zor::BuildNmeaImage(identity, decoded.settings);
    EXPECT_TRUE(built.ok);
    return Bytes(built.image.bytes.begin(), built.image.bytes.begin() + built.image.length);
}

TEST_F(ZorConfig, ScanListsEveryConverterThatAnswersAndNoOther) {
    Simulator nmea(dir, "nmea", {"--unpaced"});
    Simulator modbus(dir, "modbus", {"--function", "modbus", "--firmware-version", "2.1", "--unpaced"});
    Simulator silent(dir, "silent", {"--silent"});
    const Outcome r = run({"scan", "--port", nmea.port, "--port", silent.port, "--port", modbus.port});
    EXPECT_EQ(r.code, 0) << r.err;
    EXPECT_EQ(r.out, nmea.port + ": NMEA0183 to SDI12 Slave, firmware 1.7, serial ZS410001\n" + modbus.port +
                         ": Modbus Master to SDI12 Slave, firmware 2.1, serial ZS410001\n");

    const Outcome none = run({"scan", "--port", silent.port, "--port", path("no-such-port")});
    EXPECT_EQ(none.code, 4);
}

// What `read -o` saves is the image the converter holds: each simulator's factory image is written by
// its own code, independently of the program's image code. The end of an earlier reply waits on each
// port: it is thrown away before the query, or its zero bytes in front of the reply would hide the tag.
TEST_F(ZorConfig, ReadSavesTheConvertersImageInEveryMainFunction) {
    const char* functions[] = {"nmea", "modbus", "serial"};
    const zor::sim::Function models[] = {zor::sim::Function::Nmea, zor::sim::Function::Modbus,
                                         zor::sim::Function::Serial};
    for (int i = 0; i < 3; ++i) {
        Simulator converter(dir, functions[i], {"--function", functions[i], "--stale-reply-end", "10"});
        const std::string saved = path(std::string(functions[i]) + ".cfg");
        const Outcome r = run({"read", "--port", converter.port, "-o", saved});
        ASSERT_EQ(r.code, 0) << r.err;
        zor::sim::ConverterModel factory;
        EXPECT_EQ(readBytes(saved), factory.image(models[i])) << functions[i];
    }
    // A converter busy for a moment starts its reply 250 ms late: the reply is read on to its end, and
    // the next command finds the line clear.
    Simulator converter(dir, "json", {"--reply-delay", "250"});
    const Outcome json = run({"read", "--port", converter.port, "--json"});
    EXPECT_EQ(json.code, 0) << json.err;
    EXPECT_NE(json.out.find("\"sentenceId\": \"GPGGA\""), std::string::npos) << json.out;
    EXPECT_NE(json.out.find("\"threshold\": 12.5"), std::string::npos);
    const Outcome again = run({"read", "--port", converter.port, "-o", path("late.cfg")});
    EXPECT_EQ(again.code, 0) << again.err;
    EXPECT_EQ(readBytes(path("late.cfg")), zor::sim::ConverterModel().image(zor::sim::Function::Nmea));

    const Outcome noConverter = run({"read", "--port", path("no-such-port")});
    EXPECT_EQ(noConverter.code, 3);
    EXPECT_NE(noConverter.err.find("no such port"), std::string::npos) << noConverter.err;
}

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

// The stable names of USB adapters are symbolic links; a port the user may not open says what to do.
TEST_F(ZorConfig, PortsByLinkAndWithoutPermission) {
    Simulator converter(dir, "linked", {"--unpaced", "--link", path("usb-converter-if00")});
    const Outcome linked = run({"read", "--port", path("usb-converter-if00")});
    EXPECT_EQ(linked.code, 0) << linked.err;
    EXPECT_NE(linked.out.find("serial ZS410001"), std::string::npos) << linked.out;

    // One port by two names would be served twice at once.
    const Outcome twice = run({"read", "--port", path("usb-converter-if00"), "--port", converter.port});
    EXPECT_EQ(twice.code, 2);
    EXPECT_NE(twice.err.find("--port " + path("usb-converter-if00") + " and --port " + converter.port +
                             " are the same port"),
              std::string::npos)
        << twice.err;

    ASSERT_EQ(chmod(converter.port.c_str(), 0), 0);
    ASSERT_EQ(chmod(dir.c_str(), 0755), 0); // the link itself may be followed
    // root may open anything: the user without the permission is nobody. The build may lie in a folder
    // nobody cannot enter (root's home), so nobody runs copies of the program and the shim from here.
    const bool root = geteuid() == 0;
    const std::vector<std::string> asUser =
        root ? std::vector<std::string>{"/usr/bin/setpriv", "--reuid=65534", "--regid=65534",
                                        "--clear-groups", "--"}
             : std::vector<std::string>{};
    const std::string program = root ? path("zor-config") : ZOR_CONFIG_EXE,
                      shim = root ? path("pty_serial_shim.so") : ZOR_PTY_SHIM;
    if (root) {
        ASSERT_EQ(std::system(("cp " + std::string(ZOR_CONFIG_EXE) + " " + program + " && cp " +
                               ZOR_PTY_SHIM + " " + shim + " && chmod 0755 " + program + " " + shim)
                                  .c_str()),
                  0);
    }
    const Outcome denied = run({"read", "--port", path("usb-converter-if00")}, asUser, program, shim);
    EXPECT_EQ(denied.code, 3) << denied.err;
    EXPECT_NE(denied.err.find("add the user to the dialout group"), std::string::npos) << denied.err;
}

// The bench: converters plugged in while the watch runs, here simulators that make the port's link
// when they start and remove it when they end, as a USB adapter's /dev/serial/by-id/ link comes and
// goes. Each is configured once; a port that comes back is served again; Ctrl-C ends with the summary.
TEST_F(ZorConfig, WatchConfiguresEachConverterPluggedInOnce) {
    writeText("bench.json", R"({"mainFunction": "nmea", "registerSets": [{"threshold": 30.5}],
        "thresholdDecimals": 1})");
    const std::string bench = path("bench-port"), out = path("watch.out"), err = path("watch.err");
    const pid_t watch = start({ZOR_CONFIG_EXE, "send", path("bench.json"), "--watch", "--port", bench,
                               "--report", path("bench.jsonl")},
                              out, err);
    ASSERT_TRUE(awaitText(err, "waiting for converters")) << readText(err);
    {
        Simulator first(dir, "first", {"--unpaced", "--link", bench});
        EXPECT_TRUE(awaitText(out, ": OK: ")) << readText(out) << readText(err);
        // Four polls with the port there: a converter served again would have taken a second image.
        std::this_thread::sleep_for(std::chrono::milliseconds(2000));
        const std::string log = first.logText();
        EXPECT_EQ(log.find("accepted"), log.rfind("accepted")) << log;
        EXPECT_EQ(readText(out), bench + ": OK: serial ZS410001, NMEA0183 to SDI12 Slave, 326 bytes written, "
                                         "verified\n");
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(700)); // gone for at least one poll
    // Back on the same port, another converter (its own serial number), which does not keep what it is sent:
    // served, and it fails.
    Bytes own = zor::sim::ConverterModel().image(zor::sim::Function::Nmea);
    std::copy_n("BENCH002", 8, own.begin() + 6);
    writeBytes(path("second.cfg"), own);
    Simulator second(dir, "second",
                     {"--unpaced", "--link", bench, "--forget-settings", "--settings", path("second.cfg")});
    EXPECT_TRUE(awaitText(out, bench + ": FAILED: verify: ")) << readText(out) << readText(err);
    EXPECT_NE(second.logText().find("taken and forgotten"), std::string::npos) << second.logText();
    kill(watch, SIGINT);
    int status = 0;
    waitpid(watch, &status, 0);
    ASSERT_TRUE(WIFEXITED(status)) << status;
    EXPECT_EQ(WEXITSTATUS(status), 9) << readText(err);
    const std::string printed = readText(out);
    EXPECT_NE(printed.find("1 of 2 converter(s) configured"), std::string::npos) << printed;
    EXPECT_EQ(printed.find('\a'), std::string::npos) << "no bell where the output is no terminal";
    // The report holds the converters served, not the polls where nothing answered.
    std::ifstream report(path("bench.jsonl"));
    std::vector<std::string> results;
    for (std::string line; std::getline(report, line);)
        results.push_back(nlohmann::json::parse(line)["result"].get<std::string>());
    EXPECT_EQ(results, (std::vector<std::string>{"ok", "failed"}));
}

} // namespace

namespace {

// A factory NMEA image with another serial number, for a simulator's --settings.
Bytes nmeaWithSerial(const std::string& serial) {
    zor::sim::ConverterModel factory;
    Bytes image = factory.image(zor::sim::Function::Nmea);
    std::copy(serial.begin(), serial.end(), image.begin() + 6);
    return image;
}

int occurrences(const std::string& text, const std::string& part) {
    int found = 0;
    for (auto at = text.find(part); at != std::string::npos; at = text.find(part, at + 1))
        ++found;
    return found;
}

} // namespace

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

// On a bench the adapter stays plugged in and the converters are swapped on its cable: here the port's
// link is turned from one simulator to another. A converter new to the run is configured, one
// configured before that still holds the file is left alone, and each change is a line.
TEST_F(ZorConfig, WatchSeesConvertersSwappedBehindAPortThatStays) {
    writeBytes(path("first.cfg"), nmeaWithSerial("BENCH001"));
    writeBytes(path("second.cfg"), nmeaWithSerial("BENCH002"));
    Simulator first(dir, "first", {"--unpaced", "--settings", path("first.cfg")});
    Simulator second(dir, "second", {"--unpaced", "--settings", path("second.cfg")});
    Simulator silent(dir, "silent", {"--silent"});
    writeText("bench.json", R"({"mainFunction": "nmea", "registerSets": [{"threshold": 30.5}]})");
    const std::string bench = path("bench-port"), out = path("watch.out"), err = path("watch.err");
    const auto plug = [&](const Simulator& converter) {
        ASSERT_EQ(symlink(converter.port.c_str(), (bench + ".new").c_str()), 0);
        ASSERT_EQ(rename((bench + ".new").c_str(), bench.c_str()), 0);
    };
    plug(first);
    const pid_t watch =
        start({ZOR_CONFIG_EXE, "send", path("bench.json"), "--watch", "--port", bench}, out, err);
    const std::string configured = ", NMEA0183 to SDI12 Slave, 326 bytes written, verified\n";
    ASSERT_TRUE(awaitText(out, "OK: serial BENCH001")) << readText(out) << readText(err);
    plug(second);
    ASSERT_TRUE(awaitText(out, "OK: serial BENCH002")) << readText(out) << readText(err);
    plug(first);
    ASSERT_TRUE(awaitText(out, "left alone")) << readText(out);
    plug(silent);
    ASSERT_TRUE(awaitText(out, "serial BENCH001 no longer answers", 2)) << readText(out);
    kill(watch, SIGINT);
    int status = 0;
    waitpid(watch, &status, 0);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0) << readText(err);
    EXPECT_EQ(readText(out), bench + ": OK: serial BENCH001" + configured +        //
                                 bench + ": serial BENCH001 no longer answers\n" + //
                                 bench + ": OK: serial BENCH002" + configured +    //
                                 bench + ": serial BENCH002 no longer answers\n" + //
                                 bench +
                                 ": serial BENCH001 was configured in this run and matches " //
                                 "the file: left alone\n" +
                                 bench + ": serial BENCH001 no longer answers\n" +
                                 "2 of 2 converter(s) configured\n");
    const std::string log = first.logText();
    EXPECT_EQ(occurrences(log, "accepted"), 1) << log;
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

// diff asks each converter and writes nothing: one holding the file is the same, one holding other
// settings or another main function has each difference named with both values, a silent one fails.
// Several ports: 9 when any failed, else 12 when any differs.
TEST_F(ZorConfig, DiffNamesWhereEachConverterDiffersFromTheFile) {
    writeText("line.json",
              R"({"mainFunction": "nmea", "sdi12Address": "4", "serialNumber": "FILE0000",
        "registerSets": [{"sentenceId": "WIMWV", "threshold": 30.5}], "thresholdDecimals": 1})");
    ASSERT_EQ(run({"build", path("line.json"), "-o", path("held.cfg")}).code, 0);
    Simulator same(dir, "same", {"--unpaced", "--settings", path("held.cfg")});
    Simulator other(dir, "other", {"--unpaced"});
    Simulator serial(dir, "serial", {"--unpaced", "--function", "serial"});
    Simulator silent(dir, "silent", {"--silent"});
    struct Port {
        const Simulator& converter;
        const char* result;             // in the report
        std::string line;               // after the port's name
        std::vector<std::string> named; // in the line and the report's message
    };
    const std::vector<Port> ports = {
        {same, "same", ": SAME: serial FILE0000, NMEA0183 to SDI12 Slave\n", {}},
        {other,
         "differs",
         ": DIFFERS: serial ZS410001, NMEA0183 to SDI12 Slave: ",
         {"registerSets[0].sentenceId (file \"WIMWV\", converter \"GPGGA\")",
          "registerSets[0].threshold (file 30.5, converter 12.5)"}},
        {serial,
         "differs",
         ": DIFFERS: serial ZS410001, SDI12 to RS232: ",
         {"mainFunction (file \"NMEA0183 to SDI12 Slave\", converter \"SDI12 to RS232\")"}},
        {silent, "failed", ": FAILED: ", {"no converter answered"}},
    };
    struct Case {
        std::vector<std::size_t> served; // indices into ports
        const char* file;
        int code;
        std::string summary;
    };
    const Case cases[] = {
        {{0, 1, 2, 3}, "line.json", 9, "3 of 4 converter(s) compared, 2 differing"},
        {{0, 1}, "line.json", 12, "2 of 2 converter(s) compared, 1 differing"},
        {{2}, "line.json", 12, "1 of 1 converter(s) compared, 1 differing"},
        {{0}, "held.cfg", 0, "1 of 1 converter(s) compared, 0 differing"},
    };
    for (const Case& c : cases) {
        std::remove(path("diff.jsonl").c_str());
        std::vector<std::string> args = {"diff", path(c.file), "--report", path("diff.jsonl")};
        for (const std::size_t i : c.served)
            args.insert(args.end(), {"--port", ports[i].converter.port});
        const Outcome r = run(args);
        EXPECT_EQ(r.code, c.code) << r.out << r.err;
        EXPECT_NE(r.out.find(c.summary), std::string::npos) << r.out;
        std::map<std::string, nlohmann::json> lines;
        std::ifstream report(path("diff.jsonl"));
        for (std::string line; std::getline(report, line);) {
            const nlohmann::json entry = nlohmann::json::parse(line);
            lines[entry["port"].get<std::string>()] = entry;
        }
        EXPECT_EQ(lines.size(), c.served.size());
        for (const std::size_t i : c.served) {
            const Port& port = ports[i];
            const auto at = r.out.find(port.converter.port + port.line);
            ASSERT_NE(at, std::string::npos) << port.line << "\n" << r.out;
            const std::string line = r.out.substr(at, r.out.find('\n', at) - at);
            const nlohmann::json& entry = lines[port.converter.port];
            EXPECT_EQ(entry["result"], port.result) << entry;
            EXPECT_EQ(entry["message"] == "", port.named.empty()) << entry;
            for (const std::string& named : port.named) {
                EXPECT_NE(line.find(named), std::string::npos) << named << "\n" << line;
                EXPECT_NE(entry["message"].get<std::string>().find(named), std::string::npos) << entry;
            }
            EXPECT_FALSE(entry.contains("verify")) << entry;
        }
    }
    for (const Simulator* converter : {&same, &other, &serial})
        EXPECT_NE(access(converter->settingsOut.c_str(), F_OK), 0) << "diff wrote to " << converter->port;
    EXPECT_NE(run({"diff", path("line.json"), "--port", same.port})
                  .err.find(R"(serialNumber "FILE0000" is not compared)"),
              std::string::npos);

    // A converter holding a short sentence identifier: the file read from it holds it as a send writes it,
    // and both read and diff say so.
    Bytes shortId = zor::sim::ConverterModel().image(zor::sim::Function::Nmea);
    std::fill(shortId.begin() + 14, shortId.begin() + 20, 0);
    shortId[14] = 'G';
    shortId[15] = 'A';
    writeBytes(path("short-id.cfg"), shortId);
    Simulator holder(dir, "short-id", {"--unpaced", "--settings", path("short-id.cfg")});
    const std::string rewritten = R"(registerSets[0].sentenceId (file "***GA", converter "GA")";
    const Outcome read = run({"read", "--port", holder.port, "-o", path("read.cfg")});
    EXPECT_NE(read.err.find(rewritten + ")"), std::string::npos) << read.err;
    const Outcome again = run({"diff", path("read.cfg"), "--port", holder.port});
    EXPECT_NE(again.out.find(rewritten + ", a value any send rewrites so)"), std::string::npos) << again.out;
}
