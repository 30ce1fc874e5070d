// The checks made before an image is built. The first that fails is shown in a message box titled
// "Error" with the error icon and an OK button, and nothing is written.
#pragma once

#include <cstdint>
#include <string>

namespace zor {

enum class BoxOwner { None, MainWindow };

inline constexpr char16_t checkFailureTitle[] = u"Error";

struct CheckFailure {
    std::int32_t step = 0; // 1..6 in the order the checks run; 0 when nothing failed
    std::u16string message;
    BoxOwner owner = BoxOwner::None;
};

inline const CheckFailure addressTooLongFailure{1, u"SDI12 address can only be 1 character", BoxOwner::None};
inline const CheckFailure addressOutOfRangeFailure{2, u"SDI12 address must be one of 0-9, A-Z, a-z",
                                                   BoxOwner::None};
inline const CheckFailure serialNumberLengthFailure{3, u"Serial# must be 8 characters", BoxOwner::None};
inline const CheckFailure serialNumberOutOfRangeFailure{4, u"Serial# character out of range",
                                                        BoxOwner::MainWindow};
inline const CheckFailure sentenceIdOutOfRangeFailure{5, u"NMEA ID character out of range",
                                                      BoxOwner::MainWindow};
// Its slot holds six characters; a longer identifier would be cut without its terminator.
inline const CheckFailure sentenceIdTooLongFailure{5, u"NMEA ID can be at most 6 characters",
                                                   BoxOwner::MainWindow};

// Checks 1 and 2 on the "SDI12 Address" text (null reads as empty): one character that an SDI-12 bus
// can address; step 0 when it passes.
CheckFailure CheckAddress(const char16_t* address);
// Checks 3 and 4 on the "Serial Number" text.
CheckFailure CheckSerialNumber(const char16_t* serialNumber);

} // namespace zor
