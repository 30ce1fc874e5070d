// The names the settings text (JSON) gives the settings. zor-config's diff and verify and the "Unsent
// Settings" question name a setting the same way, so each name is written here once; the NMEA numbers
// and the Modbus columns carry theirs in their tables (nmea_number_fields.h, modbus_columns.h).
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace zor::key {

inline constexpr char mainFunction[] = "mainFunction";
inline constexpr char sdi12Address[] = "sdi12Address";
inline constexpr char serialNumber[] = "serialNumber";
inline constexpr char registerSets[] = "registerSets";
inline constexpr char sentenceId[] = "sentenceId";
inline constexpr char parameters[] = "parameters";
inline constexpr char parameterSelectMask[] = "parameterSelectMask";
inline constexpr char monitoredParameter[] = "monitoredParameter";
inline constexpr char thresholdFunction[] = "thresholdFunction";
inline constexpr char threshold[] = "threshold";
inline constexpr char hysteresis[] = "hysteresis";
inline constexpr char averaging[] = "averaging";
inline constexpr char enabled[] = "enabled";
inline constexpr char period[] = "period";
inline constexpr char flagBytes1to9[] = "flagBytes1to9";
inline constexpr char firmwareVersion[] = "firmwareVersion";
inline constexpr char modbusRows[] = "modbusRows";
inline constexpr char modbusTimeout[] = "modbusTimeout";
inline constexpr char baud[] = "baud";
inline constexpr char baudIndex[] = "baudIndex";

// "registerSets[3]": an entry of a list.
template <typename Index>
std::string At(std::string_view list, Index index) {
    std::string name(list); // appended: GCC 12 warns (wrongly) of an overlap on concatenation
    name += '[';
    name += std::to_string(index);
    name += ']';
    return name;
}

// "averaging.enabled", "registerSets[3].threshold": a value of an object; the name alone at the top.
inline std::string In(std::string_view object, std::string_view name) {
    std::string path(object);
    if (!path.empty()) path += ".";
    path += name;
    return path;
}

} // namespace zor::key
