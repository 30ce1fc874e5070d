#include "link/exchange_owner.h"

#include "link/converter_query.h"
#include "link/firmware_update.h"
#include "link/link_state.h"
#include "link/port_scan.h"
#include "link/timed_job.h"
#include "platform/dialogs.h"

namespace zor {
namespace {

struct PortHolder {
    Exchange holder = Exchange::Idle;
    void (*stop)() = nullptr;
};

PortHolder held;

// The exchanges on the main window's slot are known by the job armed there.
Exchange mainSlotExchange() {
    const Widget* mainWindow = converterLink.widgets.mainWindow;
    if (mainWindow != nullptr && JobArmed(*mainWindow)) {
        if (mainWindow->onTimer == FirmwareJob) return Exchange::Firmware;
        if (mainWindow->onTimer == ScanStep) return Exchange::Scan;
        if (mainWindow->onTimer == ReplyJob) return IsScanning() ? Exchange::Scan : Exchange::ReplyWait;
    }
    // A scan left switched on after a read error: "Stop Scanning" still ends it.
    return IsScanning() ? Exchange::Scan : Exchange::Idle;
}

void stopRunning(Exchange running) {
    switch (running) {
    case Exchange::Scan:
        StopPortScan();
        return;
    case Exchange::ReplyWait:
        KillJob(*converterLink.widgets.mainWindow);
        return;
    case Exchange::RealtimeView:
    case Exchange::IncomingView:
        if (held.stop != nullptr) held.stop();
        return;
    default:
        return;
    }
}

platform::WindowHandle boxOwner() {
    const Widget* mainWindow = converterLink.widgets.mainWindow;
    return mainWindow != nullptr ? mainWindow->window : nullptr;
}

} // namespace

Exchange RunningExchange() {
    if (held.holder != Exchange::Idle) return held.holder;
    return mainSlotExchange();
}

bool MayGoAhead(UserAction action) {
    const Exchange running = RunningExchange();
    const ExchangeRule rule = RuleFor(running, action);
    switch (rule.verdict) {
    case Verdict::Allow:
        return true;
    case Verdict::StopFirst:
        stopRunning(running);
        return true;
    case Verdict::Ask:
        return platform::messageBox(boxOwner(), rule.text, rule.boxCaption,
                                    platform::box::IconWarning | platform::box::OkCancel) ==
               platform::box::AnswerOk;
    case Verdict::Refuse:
        if (rule.boxCaption != nullptr)
            platform::messageBox(boxOwner(), rule.text, rule.boxCaption, platform::box::Ok);
        else if (rule.text != nullptr)
            ShowLinkStatus(rule.text);
        return false;
    }
    return false;
}

void HoldPort(Exchange holder, void (*stop)()) {
    held = {holder, stop};
}

void ReleasePort(Exchange holder) {
    if (held.holder == holder) held = {};
}

ScopedPortHold::ScopedPortHold(Exchange holder) : holder_(holder), before_(held.holder) {
    if (before_ == Exchange::Idle) HoldPort(holder);
}

ScopedPortHold::~ScopedPortHold() {
    if (before_ == Exchange::Idle) ReleasePort(holder_);
}

bool MainWindowCloseRequested(Widget&) {
    return MayGoAhead(UserAction::CloseWindow);
}

void ResetPortOwner() {
    held = {};
}

} // namespace zor
