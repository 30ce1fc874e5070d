// zor-config diff: where each converter differs from a file.
#include "support/zor_config_run.h"

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
