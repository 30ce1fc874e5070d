// The settings a converter leaves the factory with, one image per main function, in the layout the
// program sends. Written out from their byte offsets here, independently of the program's own image
// code, so that a fault in either shows against the other.
#pragma once

#include <cstdint>
#include <vector>

namespace zor::sim {

std::vector<std::uint8_t> FactoryNmeaImage();   // "~ZOR1", 326 bytes
std::vector<std::uint8_t> FactoryModbusImage(); // "~ZOR2", 80 bytes
std::vector<std::uint8_t> FactorySerialImage(); // "~ZOR3", 18 bytes

// Little-endian 32-bit and big-endian 16-bit stores used by the tables.
void PutI32(std::vector<std::uint8_t>& image, std::size_t offset, std::int32_t value);
void PutU16BE(std::vector<std::uint8_t>& image, std::size_t offset, std::uint16_t value);
void PutText(std::vector<std::uint8_t>& image, std::size_t offset, const char* text, std::size_t length);

} // namespace zor::sim
