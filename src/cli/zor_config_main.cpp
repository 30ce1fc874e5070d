// zor-config: the converter utility's core on a command line, for configuring converters from a
// settings file on a production line and for service on Linux. It sends exactly what the window sends.
#include "cli/commands.h"
#include "cli/exit_codes.h"

#include <CLI/CLI.hpp>

#include <string>

int main(int argc, char** argv) {
    using namespace zor::cli;
    CLI::App app{
        "zor-config: reads, saves, shows, builds and sends ZOR-MX-410 settings, updates the firmware\n"
        "and watches the incoming NMEA, from the command line.",
        "zor-config"};
    app.require_subcommand(1);
    app.footer(
        std::string(
            "\nPorts: COM3 (or 3) on Windows, a device path (/dev/ttyUSB0, /dev/serial/by-id/...) on Linux.\n"
            "Without --port the ports are tried in turn and the first converter that answers is used;\n"
            "with several, the converters are served at the same time, a line each as it finishes.\n"
            "send --watch waits for converters to be plugged in and configures each, until Ctrl-C.\n\n") +
        exitCodesHelp);

    ScanOptions scan;
    CLI::App* scanCommand = app.add_subcommand("scan", "List every port where a converter answers the query");
    scanCommand->add_option("--port", scan.ports, "A port to try besides those the system lists");

    ReadOptions read;
    CLI::App* readCommand = app.add_subcommand("read", "Read the converter's settings and print them");
    readCommand->add_option("--port", read.ports, "A converter's port; once for each converter");
    readCommand->add_option("-o,--output", read.output, "Save them as \"Save Config\" would (FILE.cfg)");
    readCommand->add_flag("--json", read.json, "Print them as JSON (the text build and send take)");

    ShowOptions show;
    CLI::App* showCommand = app.add_subcommand("show", "Print the settings of a configuration file");
    showCommand->add_option("file", show.file, "FILE.cfg")->required();
    showCommand->add_flag("--json", show.json, "Print them as JSON");

    BuildOptions build;
    CLI::App* buildCommand = app.add_subcommand(
        "build", "Write a configuration file from JSON settings, with the checks of \"Send Settings\"");
    buildCommand->add_option("input", build.input, "FILE.json")->required();
    buildCommand->add_option("-o,--output", build.output, "FILE.cfg")->required();

    SendOptions send;
    CLI::App* sendCommand = app.add_subcommand(
        "send", "Send settings to one or many converters, or to each one plugged in (--watch)");
    sendCommand->add_option("input", send.input, "FILE.cfg or FILE.json")->required();
    sendCommand->add_option("--port", send.ports, "A converter's port; once for each converter");
    sendCommand->add_flag("--serial-from-file", send.serialFromFile,
                          "Send the file's serial number instead of each converter's own (service)");
    sendCommand->add_flag("!--no-verify", send.verify,
                          "Do not read each converter back to compare what it holds with what was sent");
    sendCommand->add_option("--report", send.report,
                            "Append a JSON line per converter to FILE (time, port, serial number, firmware,\n"
                            "main function, settings file and its SHA-256, result, verify, seconds)");
    sendCommand->add_flag("--watch", send.watch,
                          "Wait for converters to be plugged in and configure each, until Ctrl-C;\n"
                          "a port is served again once it has gone away and come back. Watches the\n"
                          "--port ports (a port is there while its device exists), or without them the\n"
                          "system's serial ports (Windows: its COM ports). Exit 9 if any failed");

    FirmwareOptions firmware;
    CLI::App* firmwareCommand = app.add_subcommand("firmware", "Send a firmware image to the converter");
    firmwareCommand->add_option("file", firmware.file, "FILE.binary (at most 32768 bytes)")->required();
    firmwareCommand->add_option("--port", firmware.ports, "A converter's port; once for each converter");
    firmwareCommand->add_flag("-y,--yes", firmware.yes,
                              "Proceed: firmware updates may cause the converter to fail");

    CommandOptions restart;
    CLI::App* restartCommand = app.add_subcommand("restart", "Restart the converter (command byte 'b')");
    restartCommand->add_option("--port", restart.ports, "A converter's port; once for each converter");

    CommandOptions ledTest;
    CLI::App* ledCommand = app.add_subcommand("led-test", "Light the converter's LEDs (command byte 'l')");
    ledCommand->add_option("--port", ledTest.ports, "A converter's port; once for each converter");

    MonitorOptions monitor;
    std::uint32_t seconds = 0;
    CLI::App* monitorCommand =
        app.add_subcommand("monitor", "Print the NMEA sentences the converter receives until Ctrl-C");
    monitorCommand->add_option("--port", monitor.port, "The converter's port");
    CLI::Option* secondsOption =
        monitorCommand->add_option("--seconds", seconds, "Stop after this many seconds");

    try {
        app.parse(argc, argv);
    } catch (const CLI::ParseError& e) {
        const int shown = app.exit(e);
        return shown == 0 ? exitOk : exitUsage;
    }
    if (secondsOption->count() > 0) monitor.seconds = seconds;

    if (scanCommand->parsed()) return RunScan(scan);
    if (readCommand->parsed()) return RunRead(read);
    if (showCommand->parsed()) return RunShow(show);
    if (buildCommand->parsed()) return RunBuild(build);
    if (sendCommand->parsed()) return RunSend(send);
    if (firmwareCommand->parsed()) return RunFirmware(firmware);
    if (restartCommand->parsed()) return RunRestart(restart);
    if (ledCommand->parsed()) return RunLedTest(ledTest);
    if (monitorCommand->parsed()) return RunMonitor(monitor);
    return exitUsage;
}
