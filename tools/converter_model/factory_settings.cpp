#include "factory_settings.h"

#include <cstring>

namespace zor::sim {

void PutI32(std::vector<std::uint8_t>& image, std::size_t offset, std::int32_t value) {
    const auto bits = static_cast<std::uint32_t>(value);
    for (std::size_t i = 0; i < 4; ++i)
        image.at(offset + i) = static_cast<std::uint8_t>(bits >> (8 * i));
}

void PutU16BE(std::vector<std::uint8_t>& image, std::size_t offset, std::uint16_t value) {
    image.at(offset) = static_cast<std::uint8_t>(value >> 8);
    image.at(offset + 1) = static_cast<std::uint8_t>(value & 0xFF);
}

void PutText(std::vector<std::uint8_t>& image, std::size_t offset, const char* text, std::size_t length) {
    for (std::size_t i = 0; i < length; ++i)
        image.at(offset + i) = static_cast<std::uint8_t>(text[i]);
}

namespace {
constexpr const char* serialNumber = "ZS410001";
} // namespace

std::vector<std::uint8_t> FactoryNmeaImage() {
    std::vector<std::uint8_t> image(326, 0);
    PutText(image, 0, "~ZOR1", 5);
    image[5] = '0';                     // SDI-12 address
    PutText(image, 6, serialNumber, 8); // serial number
    // Sentence identifiers, six bytes a slot; five-letter identifiers end with a zero byte.
    const char* ids[10] = {"GPGGA", "GPRMC", "WIMWV", "HEHDT", "*****",
                           "*****", "*****", "*****", "*****", "*****"};
    for (std::size_t k = 0; k < 10; ++k)
        PutText(image, 14 + 6 * k, ids[k], 5);
    const std::int32_t masks[10] = {0x1F, 0x03, 0x05, 0x01, 0, 0, 0, 0, 0, 0};
    const std::int32_t monitored[10] = {2, 0, 1, 0, 0, 0, 0, 0, 0, 0}; // parameter number minus 1
    const std::int32_t thresholds[10] = {1250, -1500, 0, 0, 0, 0, 0, 0, 0, 0};
    const std::int32_t functions[10] = {1, 3, 0, 2, 0, 0, 0, 0, 0, 0};
    const std::int32_t hystereses[10] = {50, 25, 0, 0, 0, 0, 0, 0, 0, 0};
    for (std::size_t k = 0; k < 10; ++k) {
        PutI32(image, 74 + 4 * k, masks[k]);
        PutI32(image, 114 + 4 * k, monitored[k]);
        PutI32(image, 158 + 4 * k, thresholds[k]);
        PutI32(image, 198 + 4 * k, functions[k]);
        PutI32(image, 238 + 4 * k, hystereses[k]);
    }
    PutI32(image, 154, 2);  // threshold decimals: 1250 is 12.50
    PutI32(image, 278, 1);  // triggered output on
    PutI32(image, 282, 0);  // output not reflected in the LED
    PutI32(image, 286, 10); // averaging sample rate, seconds
    PutI32(image, 290, 1);  // second sample rate
    PutI32(image, 294, 6);  // averaging sample count
    PutI32(image, 298, 0);  // second sample count
    image[302] = 1;         // averaging enabled; flag bytes 303..311 stay 0
    PutI32(image, 312, 60); // averaging buffer length
    PutI32(image, 316, 0);  // converter state word
    PutText(image, 320, "1.7", 3);
    PutText(image, 323, "END", 3);
    return image;
}

std::vector<std::uint8_t> FactoryModbusImage() {
    std::vector<std::uint8_t> image(80, 0);
    PutText(image, 0, "~ZOR2", 5);
    image[5] = '0';
    PutText(image, 6, serialNumber, 8);
    const std::uint8_t addresses[10] = {1, 2, 200, 0, 0, 0, 0, 0, 0, 0};
    const std::uint8_t commands[10] = {3, 3, 4, 0, 0, 0, 0, 0, 0, 0};
    const std::uint16_t startRegs[10] = {0, 100, 258, 0, 0, 0, 0, 0, 0, 0};
    const std::uint16_t regCounts[10] = {2, 4, 1, 0, 0, 0, 0, 0, 0, 0};
    for (std::size_t r = 0; r < 10; ++r) {
        image[14 + r] = addresses[r];
        image[24 + r] = commands[r];
        PutU16BE(image, 34 + 2 * r, startRegs[r]);
        PutU16BE(image, 54 + 2 * r, regCounts[r]);
    }
    PutU16BE(image, 74, 1000); // Modbus time-out
    image[76] = 4;             // 9600 baud
    PutText(image, 77, "END", 3);
    return image;
}

std::vector<std::uint8_t> FactorySerialImage() {
    std::vector<std::uint8_t> image(18, 0);
    PutText(image, 0, "~ZOR3", 5);
    image[5] = '0';
    image[6] = 4; // 9600 baud
    PutText(image, 7, serialNumber, 8);
    PutText(image, 15, "END", 3);
    return image;
}

} // namespace zor::sim
