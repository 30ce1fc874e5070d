#include "link/firmware_update.h"

#include "link/converter_commands.h"
#include "link/firmware_job.h"
#include "link/link_state.h"
#include "link/timed_job.h"
#include "platform/clock.h"
#include "platform/dialogs.h"
#include "toolkit/layout.h"

namespace zor {
namespace {

FirmwareUpdate firmwareUpdate;

// The converter's port as the update sees it.
struct PortFirmwareLink final : FirmwareLink {
    PortTransfer write(const std::uint8_t* bytes, std::int32_t size) override {
        const platform::PortResult r =
            platform::writePort(converterLink.portHandle, bytes, static_cast<std::uint32_t>(size));
        return {r.ok(), static_cast<std::int32_t>(r.count), r.error};
    }
    PortTransfer read(std::uint8_t* buffer, std::int32_t capacity) override {
        const platform::PortResult r =
            platform::readPort(converterLink.portHandle, buffer, static_cast<std::uint32_t>(capacity));
        return {r.ok(), static_cast<std::int32_t>(r.count), r.error};
    }
    std::uint32_t nowMs() override { return platform::tickCountMs(); }
    std::uint8_t* receiveBuffer() override { return converterLink.receiveBuffer; }
};

void enableDisabledSet(bool enabled) {
    for (Widget* widget : converterLink.widgets.firmwareDisabledSet)
        if (widget != nullptr) setEnabled(*widget, enabled);
}

} // namespace

FirmwareFileCheck BeginFirmwareUpdate(const std::uint8_t* bytes, std::size_t size) {
    FirmwareFileCheck check = StartFirmwareUpdate(firmwareUpdate, bytes, size);
    if (check.ok) SetJob(*converterLink.widgets.mainWindow, firmwareStartPeriodMs, FirmwareJob);
    return check;
}

void FirmwareJob(Widget&) {
    Widget& mainWindow = *converterLink.widgets.mainWindow;
    KillJob(mainWindow);
    PortFirmwareLink link;
    const FirmwareStep step = RunFirmwareJob(firmwareUpdate, link);
    if (step.statusChanged) ShowLinkStatus(step.status);
    if (step.disableButtons) enableDisabledSet(false);
    if (step.finished) {
        platform::beep(firmwareDoneBeepHz, firmwareDoneBeepMs);
        SendCommandByte(endOfFirmwareCommand);
    }
    if (step.enableButtons) enableDisabledSet(true);
    if (step.armMs != 0) SetJob(mainWindow, step.armMs, FirmwareJob);
}

} // namespace zor
