// Serial ports and files of the headless backend, in memory. Implements platform/port.h with the
// error codes Windows gives: 2 for a missing port or file, 5 for a port already open or a read-only file
// opened for writing, 32 for a file opened in a way its other openers do not share, 6 for an invalid or
// closed handle. Serial reads run on the virtual clock.
#include "platform/headless/headless_port.h"
#include "platform/headless/headless_clock.h"
#include "platform/port.h"
#include "platform/types.h"

#include <algorithm>
#include <cstring>
#include <map>
#include <memory>
#include <utility>

namespace zor::platform {

struct PortObject {
    bool serial = false;
    std::string portKey;    // serial
    std::u16string fileKey; // file
    FileAccess access = FileAccess::Read;
    std::size_t position = 0;
    std::uint64_t opening = 0; // file: its entry among the file's openings
};

namespace {

using headless::FileOperation;
using headless::SerialDevice;
using headless::SerialPortFaults;

struct SerialPortState {
    SerialDevice* device = nullptr;
    SerialPortFaults faults;
    CommSettings settings;
    CommTimeouts timeouts;
    bool open = false;
};

// One open handle on a file, ours or another program's, with what it does and what it lets others do.
struct FileOpening {
    std::uint64_t id = 0;
    bool writes = false;
    bool sharesReading = false;
    bool sharesWriting = false;
};

struct FileState {
    std::vector<std::uint8_t> bytes;
    bool readOnly = false;
    std::vector<FileOpening> openings;
    bool open() const { return !openings.empty(); }
};

struct PortBackend {
    std::map<std::string, SerialPortState> ports;
    std::map<std::u16string, FileState> files;
    std::map<std::pair<std::u16string, FileOperation>, std::uint32_t> fileFaults;
    std::vector<std::unique_ptr<PortObject>> handles;
    std::uint64_t nextOpening = 1;
};

PortBackend& state() {
    static PortBackend b;
    return b;
}

std::uint64_t& clock() {
    return headless_detail::virtualClock();
}

// Device and file names are case-insensitive, as on Windows.
std::string portKey(const std::string& name) {
    std::string key = name;
    for (char& c : key) {
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    }
    return key;
}

std::u16string fileKey(const std::u16string& path) {
    std::u16string key = path;
    for (char16_t& c : key) {
        if (c >= u'A' && c <= u'Z') c = static_cast<char16_t>(c - u'A' + u'a');
        if (c == u'/') c = u'\\';
    }
    return key;
}

CommSettings freshPortSettings() {
    CommSettings s;
    s.baudRate = 1200;
    s.byteSize = 7;
    s.parity = 2;
    s.stopBits = 2;
    return s;
}

SerialPortState& port(const std::string& key) {
    auto [it, added] = state().ports.try_emplace(key);
    if (added) it->second.settings = freshPortSettings();
    return it->second;
}

PortResult failed(std::uint32_t code) {
    return PortResult{0, code};
}

PortOpenResult openFailed(std::uint32_t code) {
    return PortOpenResult{invalidPortHandle, code};
}

// As Windows decides an open: a read-only file is never opened for writing, and every handle already
// open must share what the new one does, and the new one share what each of them does. Every handle
// reads. On success the opening is recorded with a fresh identifier; otherwise the error code.
std::uint32_t admit(FileState& file, FileOpening opening) {
    if (opening.writes && file.readOnly) return error::AccessDenied;
    for (const FileOpening& other : file.openings) {
        const bool theyAllow = other.sharesReading && (!opening.writes || other.sharesWriting);
        const bool weAllow = opening.sharesReading && (!other.writes || opening.sharesWriting);
        if (!theyAllow || !weAllow) return error::SharingViolation;
    }
    opening.id = state().nextOpening++;
    file.openings.push_back(opening);
    return 0;
}

void forgetOpening(FileState& file, std::uint64_t id) {
    std::erase_if(file.openings, [id](const FileOpening& o) { return o.id == id; });
}

// Takes a one-shot fault for this file operation, or 0.
std::uint32_t takeFileFault(const std::u16string& key, FileOperation operation) {
    auto& faults = state().fileFaults;
    const auto it = faults.find({key, operation});
    if (it == faults.end()) return 0;
    const std::uint32_t code = it->second;
    faults.erase(it);
    return code;
}

PortObject* live(PortHandle handle) {
    if (handle == invalidPortHandle) return nullptr;
    for (const auto& h : state().handles) {
        if (h.get() == handle) return h.get();
    }
    return nullptr;
}

PortHandle addHandle(std::unique_ptr<PortObject> object) {
    PortHandle h = object.get();
    state().handles.push_back(std::move(object));
    return h;
}

void forget(PortObject* object) {
    auto& handles = state().handles;
    handles.erase(
        std::remove_if(handles.begin(), handles.end(),
                       [object](const std::unique_ptr<PortObject>& h) { return h.get() == object; }),
        handles.end());
}

constexpr std::uint64_t never = ~std::uint64_t{0};
constexpr std::uint32_t maxDword = 0xFFFFFFFFu;

// One read from a serial device, bounded by the time-outs as Windows bounds it.
std::uint32_t readSerial(SerialPortState& p, std::uint8_t* buffer, std::uint32_t capacity) {
    if (capacity == 0) return 0;
    const CommTimeouts& t = p.timeouts;
    const std::uint64_t start = clock();
    // Interval MAXDWORD with no totals: return at once with what has arrived.
    const bool immediate =
        t.readInterval == maxDword && t.readTotalMultiplier == 0 && t.readTotalConstant == 0;
    std::uint64_t totalDeadline = never;
    if (immediate) {
        totalDeadline = start;
    } else if (t.readTotalMultiplier != 0 || t.readTotalConstant != 0) {
        totalDeadline =
            start + std::uint64_t{t.readTotalConstant} + std::uint64_t{t.readTotalMultiplier} * capacity;
    }
    const bool intervalOn = !immediate && t.readInterval != 0;
    std::uint32_t count = 0;
    std::uint64_t lastByte = start;
    while (count < capacity) {
        // The interval time-out counts from the last byte received, once one has arrived.
        std::uint64_t limit = totalDeadline;
        if (intervalOn && count > 0) limit = std::min(limit, lastByte + t.readInterval);
        // A port whose device was detached stays silent.
        const std::optional<std::uint64_t> next =
            p.device != nullptr ? p.device->nextByteTime() : std::optional<std::uint64_t>{};
        if (!next || *next > limit) {
            if (limit != never) clock() = std::max(clock(), limit);
            break;
        }
        clock() = std::max(clock(), *next);
        buffer[count++] = p.device->takeByte();
        lastByte = clock();
    }
    return count;
}

} // namespace

PortOpenResult openPort(const char* name) {
    if (name == nullptr) return openFailed(error::InvalidParameter);
    const std::string key = portKey(name);
    const auto it = state().ports.find(key);
    if (it == state().ports.end() || it->second.device == nullptr) return openFailed(error::FileNotFound);
    SerialPortState& p = it->second;
    if (p.faults.openError != 0) return openFailed(p.faults.openError);
    if (p.open) return openFailed(error::AccessDenied);
    p.open = true;
    auto object = std::make_unique<PortObject>();
    object->serial = true;
    object->portKey = key;
    object->access = FileAccess::ReadWrite;
    return PortOpenResult{addHandle(std::move(object)), 0};
}

PortOpenResult openFile(const char16_t* path, FileAccess access) {
    if (path == nullptr) return openFailed(error::InvalidParameter);
    const std::u16string key = fileKey(path);
    if (const std::uint32_t code = takeFileFault(key, FileOperation::Open)) return openFailed(code);
    const auto it = state().files.find(key);
    if (it == state().files.end()) return openFailed(error::FileNotFound);
    // Reading only lets others read too; reading and writing shares nothing.
    const bool writes = access == FileAccess::ReadWrite;
    if (const std::uint32_t code = admit(it->second, FileOpening{0, writes, !writes, false}))
        return openFailed(code);
    auto object = std::make_unique<PortObject>();
    object->fileKey = key;
    object->access = access;
    object->opening = it->second.openings.back().id;
    return PortOpenResult{addHandle(std::move(object)), 0};
}

PortOpenResult createFile(const char16_t* path) {
    if (path == nullptr) return openFailed(error::InvalidParameter);
    const std::u16string key = fileKey(path);
    if (const std::uint32_t code = takeFileFault(key, FileOperation::Create)) return openFailed(code);
    FileState& file = state().files[key];
    if (const std::uint32_t code = admit(file, FileOpening{0, true, false, false})) return openFailed(code);
    file.bytes.clear();
    auto object = std::make_unique<PortObject>();
    object->fileKey = key;
    object->access = FileAccess::ReadWrite;
    object->opening = file.openings.back().id;
    return PortOpenResult{addHandle(std::move(object)), 0};
}

PortResult replaceFile(const char16_t* target, const char16_t* replacement) {
    if (target == nullptr || replacement == nullptr) return failed(error::InvalidParameter);
    const std::u16string targetKey = fileKey(target);
    const std::u16string replacementKey = fileKey(replacement);
    if (const std::uint32_t code = takeFileFault(targetKey, FileOperation::Replace)) return failed(code);
    auto& files = state().files;
    const auto from = files.find(replacementKey);
    if (from == files.end()) return failed(error::FileNotFound);
    if (from->second.open()) return failed(error::SharingViolation);
    if (targetKey == replacementKey) return PortResult{};
    const auto to = files.find(targetKey);
    if (to != files.end() && to->second.readOnly) return failed(error::AccessDenied);
    if (to != files.end() && to->second.open()) return failed(error::SharingViolation);
    std::vector<std::uint8_t> bytes = std::move(from->second.bytes);
    files.erase(from);
    files[targetKey] = FileState{std::move(bytes), false, {}};
    return PortResult{};
}

PortResult deleteFile(const char16_t* path) {
    if (path == nullptr) return failed(error::InvalidParameter);
    const std::u16string key = fileKey(path);
    if (const std::uint32_t code = takeFileFault(key, FileOperation::Delete)) return failed(code);
    const auto it = state().files.find(key);
    if (it == state().files.end()) return failed(error::FileNotFound);
    if (it->second.readOnly) return failed(error::AccessDenied);
    if (it->second.open()) return failed(error::SharingViolation);
    state().files.erase(it);
    return PortResult{};
}

PortResult readPort(PortHandle handle, std::uint8_t* buffer, std::uint32_t capacity) {
    PortObject* object = live(handle);
    if (object == nullptr) return failed(error::InvalidHandle);
    if (buffer == nullptr && capacity > 0) return failed(error::InvalidParameter);
    if (object->serial) {
        SerialPortState& p = port(object->portKey);
        if (p.faults.readError != 0) return failed(p.faults.readError);
        return PortResult{readSerial(p, buffer, capacity), 0};
    }
    if (const std::uint32_t code = takeFileFault(object->fileKey, FileOperation::Read)) return failed(code);
    const std::vector<std::uint8_t>& bytes = state().files[object->fileKey].bytes;
    const std::size_t available = object->position < bytes.size() ? bytes.size() - object->position : 0;
    const std::uint32_t count = static_cast<std::uint32_t>(std::min<std::size_t>(available, capacity));
    if (count > 0) std::memcpy(buffer, bytes.data() + object->position, count);
    object->position += count;
    return PortResult{count, 0};
}

PortResult writePort(PortHandle handle, const std::uint8_t* bytes, std::uint32_t count) {
    PortObject* object = live(handle);
    if (object == nullptr) return failed(error::InvalidHandle);
    if (bytes == nullptr && count > 0) return failed(error::InvalidParameter);
    if (object->serial) {
        SerialPortState& p = port(object->portKey);
        if (p.faults.writeError != 0) return failed(p.faults.writeError);
        if (p.device != nullptr && count > 0) p.device->written(bytes, count, clock());
        return PortResult{count, 0};
    }
    if (object->access != FileAccess::ReadWrite) return failed(error::AccessDenied);
    if (const std::uint32_t code = takeFileFault(object->fileKey, FileOperation::Write)) return failed(code);
    std::vector<std::uint8_t>& file = state().files[object->fileKey].bytes;
    if (file.size() < object->position + count) file.resize(object->position + count);
    if (count > 0) std::memcpy(file.data() + object->position, bytes, count);
    object->position += count;
    return PortResult{count, 0};
}

PortResult closePort(PortHandle& handle) {
    PortObject* object = live(handle);
    handle = invalidPortHandle;
    if (object == nullptr) return failed(error::InvalidHandle);
    if (object->serial) {
        port(object->portKey).open = false;
    } else {
        const auto it = state().files.find(object->fileKey);
        if (it != state().files.end()) forgetOpening(it->second, object->opening);
    }
    forget(object);
    return PortResult{};
}

CommSettingsResult readCommSettings(PortHandle handle) {
    CommSettingsResult result;
    PortObject* object = live(handle);
    if (object == nullptr) {
        result.error = error::InvalidHandle;
    } else if (!object->serial) {
        result.error = error::NotSupported;
    } else if (const std::uint32_t code = port(object->portKey).faults.readSettingsError) {
        result.error = code;
    } else {
        result.settings = port(object->portKey).settings;
    }
    return result;
}

PortResult applyCommSettings(PortHandle handle, const CommSettings& settings) {
    PortObject* object = live(handle);
    if (object == nullptr) return failed(error::InvalidHandle);
    if (!object->serial) return failed(error::NotSupported);
    SerialPortState& p = port(object->portKey);
    if (p.faults.applySettingsError != 0) return failed(p.faults.applySettingsError);
    p.settings = settings;
    return PortResult{};
}

PortResult setCommTimeouts(PortHandle handle, const CommTimeouts& timeouts) {
    PortObject* object = live(handle);
    if (object == nullptr) return failed(error::InvalidHandle);
    if (!object->serial) return failed(error::NotSupported);
    port(object->portKey).timeouts = timeouts;
    return PortResult{};
}

PortResult purgeReceive(PortHandle handle) {
    PortObject* object = live(handle);
    if (object == nullptr) return failed(error::InvalidHandle);
    if (!object->serial) return failed(error::NotSupported);
    SerialPortState& p = port(object->portKey);
    if (p.device != nullptr) p.device->purgeArrived(clock());
    return PortResult{};
}

namespace headless {

SerialDevice::~SerialDevice() {
    for (auto& [name, p] : state().ports) {
        if (p.device == this) p.device = nullptr;
    }
}

void attachSerialDevice(const std::string& portName, SerialDevice& device) {
    port(portKey(portName)).device = &device;
}

void detachSerialDevice(const std::string& portName) {
    const auto it = state().ports.find(portKey(portName));
    if (it != state().ports.end()) it->second.device = nullptr;
}

void setSerialPortFaults(const std::string& portName, const SerialPortFaults& faults) {
    port(portKey(portName)).faults = faults;
}

void setReportedSettings(const std::string& portName, const CommSettings& settings) {
    port(portKey(portName)).settings = settings;
}

std::optional<CommSettings> currentSettings(const std::string& portName) {
    const auto it = state().ports.find(portKey(portName));
    if (it == state().ports.end()) return std::nullopt;
    return it->second.settings;
}

std::optional<CommTimeouts> currentTimeouts(const std::string& portName) {
    const auto it = state().ports.find(portKey(portName));
    if (it == state().ports.end()) return std::nullopt;
    return it->second.timeouts;
}

bool isPortOpen(const std::string& portName) {
    const auto it = state().ports.find(portKey(portName));
    return it != state().ports.end() && it->second.open;
}

void putFile(const std::u16string& path, const std::vector<std::uint8_t>& bytes) {
    FileState& file = state().files[fileKey(path)];
    file.bytes = bytes;
}

std::optional<std::vector<std::uint8_t>> fileContents(const std::u16string& path) {
    const auto it = state().files.find(fileKey(path));
    if (it == state().files.end()) return std::nullopt;
    return it->second.bytes;
}

void setFileReadOnly(const std::u16string& path, bool readOnly) {
    state().files[fileKey(path)].readOnly = readOnly;
}

std::uint64_t openElsewhere(const std::u16string& path, const OtherOpening& how) {
    const auto it = state().files.find(fileKey(path));
    if (it == state().files.end()) return 0;
    FileOpening opening{0, how.writes, how.sharesReading, how.sharesWriting};
    if (admit(it->second, opening) != 0) return 0;
    return it->second.openings.back().id;
}

void closeElsewhere(const std::u16string& path, std::uint64_t opening) {
    const auto it = state().files.find(fileKey(path));
    if (it != state().files.end()) forgetOpening(it->second, opening);
}

void failFileOperation(const std::u16string& path, FileOperation operation, std::uint32_t error) {
    state().fileFaults[{fileKey(path), operation}] = error;
}

void resetPorts() {
    state() = PortBackend{};
}

} // namespace headless

} // namespace zor::platform
