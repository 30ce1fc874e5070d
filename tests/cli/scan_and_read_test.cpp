// zor-config scan and read, and the ports it takes.
#include "support/zor_config_run.h"

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
