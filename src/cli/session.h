// What the commands share: finding the converter to talk to, reading and writing files through the
// port seam, and the messages for what went wrong.
#pragma once

#include "cli/converter_link.h"
#include "form/form_model.h"

#include <cstdint>
#include <string>
#include <vector>

namespace zor::cli {

void PrintError(const std::string& message);

// The window's words for a write or read that failed with the system's error code.
std::string WriteFailedText(std::uint32_t error);
std::string ReadFailedText(std::uint32_t error);

// The converter answering on a port: the link stays open for the command's exchange.
struct FoundConverter {
    std::string device;
    QueryResult reply;
    FormModel form; // the reply read into a fresh form, as "Read Settings" does
};

// Opens the device and reads the converter's settings there. exitOk with the link left open, or the exit
// code (exitPort when the device does not open) with the link closed and message saying why.
int AskConverter(const std::string& device, ConverterLink& link, FoundConverter& found, std::string& message);

// Opens the named port (or, with an empty name, every port the system lists in turn until a converter
// answers) and reads the converter's settings. Returns exitOk or the exit code, with a message printed,
// or put in failure when one is given.
int FindConverter(const std::string& port, ConverterLink& link, FoundConverter& found,
                  std::string* failure = nullptr);

// The exit code and message for a reply that is not a complete image; exitOk when it is one.
int ReplyProblem(const std::string& device, const QueryResult& reply, std::string& message);

// The firmware version the converter answered with; empty when its reply carries none.
std::string FirmwareVersion(const FoundConverter& found);

// "COM3: NMEA0183 to SDI12 Slave, firmware 1.7, serial ZS410001"
std::string ConverterLine(const FoundConverter& found);

// One read of a file of at most limit bytes (a longer file gives limit + 1 bytes, so that it can be
// refused). With size, a longer file is read on to its end to count it, and size is the file's size.
// exitOk, or exitFile with a message printed.
int LoadFile(const std::string& path, std::uint32_t limit, std::vector<std::uint8_t>& bytes,
             std::uint64_t* size = nullptr);

// Settings texts (JSON) are read up to this size.
inline constexpr std::uint32_t largestSettingsText = 1u << 20;
// Whether the first character that is not white space opens a JSON object.
bool StartsLikeJson(const std::vector<std::uint8_t>& bytes);

// The bytes of a configuration file as "Open Config" takes them (one read of up to 8192 bytes),
// recognised. exitOk for a complete image, or exitNotSettings with a message printed.
int RecogniseConfigBytes(const std::string& path, std::vector<std::uint8_t>& bytes, ReplyOutcome& file);

// Saves an image as "Save Config" does: a temporary file beside the target, one write, then the
// temporary put in the target's place, so that a failure never leaves a half-written file.
int SaveImage(const std::string& path, const std::uint8_t* bytes, std::int32_t count);

} // namespace zor::cli
