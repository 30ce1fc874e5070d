// zor-config watch: converters plugged in and swapped on a bench.
#include "support/zor_config_run.h"

namespace {

// A factory NMEA image with another serial number, for a simulator's --settings.
Bytes nmeaWithSerial(const std::string& serial) {
    zor::sim::ConverterModel factory;
    Bytes image = factory.image(zor::sim::Function::Nmea);
    std::copy(serial.begin(), serial.end(), image.begin() + 6);
    return image;
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

} // namespace
