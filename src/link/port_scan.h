// The port scan: numbers 0 to 200 are tried in turn until a converter answers the query.
#pragma once

namespace zor {

// Closes the open port, switches scanning on and arms the first scan step on the main window.
void StartPortScan();

} // namespace zor
