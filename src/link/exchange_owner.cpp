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
RuleSeam ruleSeam = nullptr;

// The exchanges on the main window's slot are known by the job armed there.
Exchange mainSlotExchange() {
    const Widget* mainWindow = converterLink.widgets.mainWindow;
    if (mainWindow != nullptr && JobArmed(*mainWindow)) {
        if (mainWindow->onTimer == FirmwareJob) return Exchange::Firmware;
        if (mainWindow->onTimer == ScanStep) return Exchange::Scan;
        if (mainWindow->onTimer == ReplyJob) return IsScanning() ? Exchange::ScanReply : Exchange::ReadReply;
    }
    // A scan left switched on after a read error: "Stop Scanning" still ends it.
    return IsScanning() ? Exchange::Scan : Exchange::Idle;
}

void stopRunning(Exchange running) {
    switch (running) {
    case Exchange::Scan:
    case Exchange::ScanReply:
        StopPortScan();
        return;
    case Exchange::ReadReply:
        KillJob(*converterLink.widgets.mainWindow);
        return;
    case Exchange::RealtimeView:
    case Exchange::IncomingView:
        if (held.stop != nullptr) held.stop();
        return;
    case Exchange::Idle:
    case Exchange::Firmware:
        return;
    }
}

platform::WindowHandle ownerWindow(const Widget* owner) {
    if (owner == nullptr) owner = converterLink.widgets.mainWindow;
    return owner != nullptr ? owner->window : nullptr;
}

} // namespace

Exchange RunningExchange() {
    if (held.holder != Exchange::Idle) return held.holder;
    return mainSlotExchange();
}

bool MayGoAhead(UserAction action, const Widget* boxOwner) {
    const Exchange running = RunningExchange();
    ExchangeRule rule = RuleFor(running, action);
    if (ruleSeam != nullptr) rule = ruleSeam(running, action, rule);
    switch (rule.verdict) {
    case Verdict::Allow:
        return true;
    case Verdict::StopFirst:
        stopRunning(running);
        return true;
    case Verdict::Ask:
        return platform::messageBox(ownerWindow(boxOwner), rule.text, rule.boxCaption,
                                    platform::box::IconWarning | platform::box::OkCancel) ==
               platform::box::AnswerOk;
    case Verdict::Refuse:
        if (rule.boxCaption != nullptr)
            platform::messageBox(ownerWindow(boxOwner), rule.text, rule.boxCaption, platform::box::Ok);
        else if (rule.text != nullptr)
            ShowLinkStatus(rule.text);
        return false;
    case Verdict::Unreachable:
        return false;
    }
    return false; // a verdict that is no enumerator: refused
}

void HoldPort(Exchange holder, void (*stop)()) {
    held = {holder, stop};
}

void ReleasePort(Exchange holder) {
    if (held.holder == holder) held = {};
}

void SetRuleSeam(RuleSeam seam) {
    ruleSeam = seam;
}

bool MainWindowCloseRequested(Widget&) {
    return MayGoAhead(UserAction::CloseWindow);
}

void ResetPortOwner() {
    held = {};
    ruleSeam = nullptr;
}

} // namespace zor
