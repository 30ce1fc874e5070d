#include "nmea/nmea_hooks.h"

namespace zor {

NmeaHooks nmeaHooks;

} // namespace zor
