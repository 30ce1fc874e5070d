// The checks made before an image is built. The first that fails is shown in a message box titled
// "Error" with the error icon and an OK button, and nothing is written.
#pragma once

#include <cstdint>

namespace zor {

enum class BoxOwner { None, MainWindow };

inline constexpr char16_t checkFailureTitle[] = u"Error";

struct CheckFailure {
    std::int32_t step = 0; // 1..5 in the order the checks run; 0 when nothing failed
    const char16_t* message = u"";
    BoxOwner owner = BoxOwner::None;
};

inline constexpr CheckFailure addressTooLongFailure{1, u"SDI12 address can only be 1 character",
                                                    BoxOwner::None};
inline constexpr CheckFailure addressOutOfRangeFailure{2, u"SDI12 address out of range", BoxOwner::None};
inline constexpr CheckFailure serialNumberLengthFailure{3, u"Serial# must be 8 characters", BoxOwner::None};
inline constexpr CheckFailure serialNumberOutOfRangeFailure{4, u"Serial# character out of range",
                                                            BoxOwner::MainWindow};
inline constexpr CheckFailure sentenceIdOutOfRangeFailure{5, u"NMEA ID character out of range",
                                                          BoxOwner::MainWindow};

// Checks 1 and 2 on the "SDI12 Address" text (null reads as empty); step 0 when it passes.
CheckFailure CheckAddress(const char16_t* address);
// Checks 3 and 4 on the "Serial Number" text.
CheckFailure CheckSerialNumber(const char16_t* serialNumber);

} // namespace zor
