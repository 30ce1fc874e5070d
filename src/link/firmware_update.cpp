#include "link/firmware_update.h"

#include "link/converter_commands.h"
#include "link/firmware_transfer.h"
#include "link/link_state.h"
#include "link/serial_firmware_port.h"
#include "link/timed_job.h"
#include "platform/dialogs.h"
#include "toolkit/layout.h"

namespace zor {
namespace {

FirmwareTransfer firmwareTransfer;

void enableDisabledSet(bool enabled) {
    for (Widget* widget : converterLink.widgets.firmwareDisabledSet)
        if (widget != nullptr) setEnabled(*widget, enabled);
}

} // namespace

FirmwareFileCheck BeginFirmwareUpdate(const std::uint8_t* bytes, std::size_t size) {
    FirmwareFileCheck check = StartFirmwareTransfer(firmwareTransfer, bytes, size);
    if (check.ok) SetJob(*converterLink.widgets.mainWindow, firmwareStartPeriodMs, FirmwareJob);
    return check;
}

void FirmwareJob(Widget&) {
    Widget& mainWindow = *converterLink.widgets.mainWindow;
    KillJob(mainWindow);
    SerialFirmwarePort port(converterLink.portHandle, converterLink.receiveBuffer);
    const FirmwareTransferStep step = StepFirmwareTransfer(firmwareTransfer, port);
    if (step.statusChanged) ShowLinkStatus(step.status);
    if (step.disableButtons) enableDisabledSet(false);
    if (step.finished) {
        platform::beep(firmwareDoneBeepHz, firmwareDoneBeepMs);
        SendCommandByte(endOfFirmwareCommand);
    }
    if (step.enableButtons) enableDisabledSet(true);
    if (step.armMs != 0) SetJob(mainWindow, step.armMs, FirmwareJob);
}

void ResetFirmwareUpdate() {
    firmwareTransfer = FirmwareTransfer{};
}

} // namespace zor
