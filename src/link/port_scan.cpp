#include "link/port_scan.h"

namespace zor {

// Filled in by the link's window side.
void StartPortScan() {}

} // namespace zor
