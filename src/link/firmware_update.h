// The firmware update on the main window's timer: the transfer's state, the open port it goes over,
// and the disabled set of buttons while it runs.
#pragma once

#include "link/firmware_packet.h"
#include "toolkit/widget.h"

#include <cstddef>
#include <cstdint>

namespace zor {

// Takes the firmware file's bytes and arms the first state, or refuses the file (the check says why)
// and arms nothing.
FirmwareFileCheck BeginFirmwareUpdate(const std::uint8_t* bytes, std::size_t size);

// One step of the update (FirmwareJob), its result applied to the status line and the buttons.
void FirmwareJob(Widget& mainWindow);

// No update begun: a new start of the program.
void ResetFirmwareUpdate();

} // namespace zor
