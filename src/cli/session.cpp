#include "cli/session.h"

#include "cli/exit_codes.h"
#include "cli/settings_description.h"
#include "cli/text.h"
#include "form/settings_record.h"
#include "image/config_file.h"
#include "image/image_layout.h"
#include "link/detection_status.h"
#include "link/file_start.h"
#include "platform/error_text.h"
#include "platform/port.h"
#include "platform/port_list.h"

#include <cstdio>

namespace zor::cli {
namespace {

std::u16string widePath(const std::string& path) {
    const auto wide = FromUtf8(path);
    return wide ? *wide : std::u16string();
}

// "~ZOR1": appended rather than concatenated, as GCC 12 warns (wrongly) of an overlap on the MinGW build.
std::string tagOf(char digit) {
    std::string tag(imageTagPrefix);
    tag += digit;
    return tag;
}

// Why bytes that are neither a settings text nor a whole configuration image are neither, in words
// about the file: its encoding, its tag, its size.
std::string notSettingsReason(const std::vector<std::uint8_t>& bytes, const ReplyOutcome& file) {
    const std::string size = std::to_string(bytes.size()) + " bytes";
    if (bytes.empty()) return "it is empty";
    const bool utf16 =
        bytes.size() >= 2 && ((bytes[0] == 0xFF && bytes[1] == 0xFE) ||
                              (bytes[0] == 0xFE && bytes[1] == 0xFF) || bytes[0] == 0 || bytes[1] == 0);
    if (utf16) return "its text is UTF-16 (" + size + "); save it as UTF-8";
    if (!file.found.function) {
        std::string tags;
        for (const MainFunction function : allMainFunctions) {
            if (!tags.empty()) tags += function == allMainFunctions.back() ? " or " : ", ";
            tags += tagOf(ImageTagDigit(function));
        }
        return size + " with no " + tags + " tag";
    }
    const std::string tag = tagOf(ImageTagDigit(*file.found.function));
    if (file.detection == Detection::Overflow)
        return "its " + tag + " tag stands at byte " + std::to_string(file.found.position) +
               ", too far in for a configuration";
    const int whole = ImageFactsOf(*file.found.function).sentLength;
    return std::to_string(bytes.size() - static_cast<std::size_t>(file.found.position)) + " bytes from its " +
           tag + " tag on, where a whole " + tag + " configuration has " + std::to_string(whole);
}

} // namespace

void PrintError(const std::string& message) {
    std::fprintf(stderr, "zor-config: %s\n", message.c_str());
}

std::string WriteFailedText(std::uint32_t error) {
    return Utf8(SerialWriteFailedText(static_cast<std::int32_t>(error)));
}

std::string ReadFailedText(std::uint32_t error) {
    return Utf8(FileReadErrorText(static_cast<std::int32_t>(error)));
}

int ReplyProblem(const std::string& device, const QueryResult& reply, std::string& message) {
    const std::string name = PortDisplayName(device);
    if (!reply.written) {
        message = name + ": " + WriteFailedText(reply.error);
        return exitExchangeFailed;
    }
    if (!reply.readOk) {
        message = name + ": " + ReadFailedText(reply.error);
        return exitExchangeFailed;
    }
    if (reply.outcome.detection == Detection::NotDetected) {
        message = name + ": no converter answered (" + Utf8(reply.outcome.status) + ")";
        return exitNoConverter;
    }
    if (reply.outcome.detection == Detection::Overflow || !reply.outcome.complete) {
        message =
            name + ": the converter's reply is incomplete, read again (" + Utf8(reply.outcome.status) + ")";
        return exitNoConverter;
    }
    return exitOk;
}

int AskConverter(const std::string& device, ConverterLink& link, FoundConverter& found,
                 std::string& message) {
    if (!link.open(device, message)) return exitPort;
    QueryResult reply = link.query();
    const int problem = ReplyProblem(device, reply, message);
    if (problem != exitOk) {
        link.close();
        return problem;
    }
    found.device = device;
    found.reply = std::move(reply);
    found.form = FormModel();
    ApplyReply(found.form, found.reply.outcome, ReplyOrigin::Port);
    return exitOk;
}

int FindConverter(const std::string& port, ConverterLink& link, FoundConverter& found, std::string* failure) {
    const auto report = [failure](const std::string& message) {
        if (failure != nullptr)
            *failure = message;
        else
            PrintError(message);
    };
    std::vector<std::string> candidates;
    if (!port.empty())
        candidates.push_back(PortDeviceName(port));
    else
        candidates = platform::listSerialPorts();
    for (const std::string& device : candidates) {
        std::string message;
        const int code = AskConverter(device, link, found, message);
        if (code == exitOk) return exitOk;
        if (!port.empty()) {
            report(message);
            return code;
        }
    }
    report("no converter answered on any port");
    return exitNoConverter;
}

std::string FirmwareVersion(const FoundConverter& found) {
    return Latin1ToUtf8(found.form.firmwareVersion); // what the reply wrote into a fresh record
}

std::string ConverterLine(const FoundConverter& found) {
    const FormModel& form = found.form;
    std::string line = PortDisplayName(found.device) + ": " +
                       (form.mainFunction ? MainFunctionName(*form.mainFunction) : "(unknown main function)");
    const std::string version = FirmwareVersion(found);
    line += ", firmware " + (version.empty() ? std::string("-") : version);
    line += ", serial " + Utf8(form.serialNumber);
    return line;
}

int LoadFile(const std::string& path, std::uint32_t limit, std::vector<std::uint8_t>& bytes,
             std::uint64_t* size) {
    const std::u16string wide = widePath(path);
    platform::PortOpenResult opened = platform::openFile(wide.c_str(), platform::FileAccess::Read);
    if (!opened.ok()) {
        PrintError("cannot open " + path + ": " + platform::errorText(opened.error));
        return exitFile;
    }
    bytes.assign(static_cast<std::size_t>(limit) + 1, 0);
    const FileStart start = size != nullptr
                                ? ReadFileStart(opened.handle, bytes.data(), limit + 1)
                                : FileStart{platform::readPort(opened.handle, bytes.data(), limit + 1)};
    const platform::PortResult& read = start.read;
    (void)platform::closePort(opened.handle);
    if (size != nullptr) *size = start.size;
    if (!read.ok()) {
        PrintError("cannot read " + path + ": " + platform::errorText(read.error));
        return exitFile;
    }
    bytes.resize(read.count);
    return exitOk;
}

bool StartsLikeJson(const std::vector<std::uint8_t>& bytes) {
    for (const std::uint8_t b : bytes) {
        if (b == ' ' || b == '\t' || b == '\r' || b == '\n') continue;
        return b == '{';
    }
    return false;
}

int RecogniseConfigBytes(const std::string& path, std::vector<std::uint8_t>& bytes, ReplyOutcome& file) {
    if (bytes.size() > static_cast<std::size_t>(receiveBufferSize)) bytes.resize(receiveBufferSize);
    file = RecogniseReply(bytes.data(), static_cast<std::int32_t>(bytes.size()), ReplyOrigin::File);
    if (file.detection == Detection::Detected && file.complete) return exitOk;
    PrintError(path + " is not a settings file: " + notSettingsReason(bytes, file));
    return exitNotSettings;
}

int SaveImage(const std::string& path, const std::uint8_t* bytes, std::int32_t count) {
    const SavedFile saved = SaveConfigImage(widePath(path).c_str(), bytes, count);
    switch (saved.failure) {
    case SavedFile::Failure::None:
        return exitOk;
    case SavedFile::Failure::Write:
    case SavedFile::Failure::Create:
    case SavedFile::Failure::Replace:
        PrintError("cannot " +
                   std::string(saved.failure == SavedFile::Failure::Create ? "create " : "write ") + path +
                   ": " + platform::errorText(saved.error));
        return exitFile;
    }
    return exitFile;
}

} // namespace zor::cli
