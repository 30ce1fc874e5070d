#include "link/port_scan.h"

#include "link/converter_port.h"
#include "link/converter_query.h"
#include "link/detection_status.h"
#include "link/exchange_owner.h"
#include "link/link_hooks.h"
#include "link/link_state.h"
#include "link/timed_job.h"
#include "toolkit/decimal_text.h"

namespace zor {
namespace {

constexpr char16_t rescanText[] = u"Rescan Ports";
constexpr char16_t stopScanningText[] = u"Stop Scanning";
constexpr char16_t noPortText[] = u"---";

Widget& mainWindow() {
    return *converterLink.widgets.mainWindow;
}

void setPortLabel(const std::u16string& text) {
    if (converterLink.widgets.portLabel != nullptr) converterLink.widgets.portLabel->setText(text.c_str());
}

void setScanButton(const char16_t* text) {
    if (converterLink.widgets.rescanButton != nullptr) converterLink.widgets.rescanButton->setText(text);
}

void setScanning(bool on) {
    if (converterLink.widgets.rescanButton != nullptr) converterLink.widgets.rescanButton->setTag(on ? 1 : 0);
    setScanButton(on ? stopScanningText : rescanText);
}

enum class PortTry {
    NotOpened, // no such port, or in use: nothing reached a line
    Failed,    // opened, but the line could not be set up or the query not written
    QuerySent, // the reply job is armed
};

// Opens port n and sets it up, then sends the query.
PortTry tryPort(std::int32_t number) {
    const platform::PortOpenResult opened = OpenConverterPort(number);
    converterLink.portHandle = opened.handle;
    if (!opened.ok()) return PortTry::NotOpened;
    const LineSetup line = SetConverterLine(converterLink.portHandle);
    if (line.readSettingsError != 0)
        ShowLinkStatus(GetCommStateFailedText(static_cast<std::int32_t>(line.readSettingsError)));
    if (!line.applied.ok()) {
        CloseLinkPort();
        return PortTry::Failed;
    }
    KillJob(mainWindow());
    SetConverterTimeouts(converterLink.portHandle);
    setPortLabel(u"COM" + DecimalText(number));
    if (SendQuery()) return PortTry::QuerySent;
    CloseLinkPort();
    return PortTry::Failed;
}

// Every number was tried: the status line says so and names the range, beside the "---" of the label.
void endScanWithoutConverter() {
    KillJob(mainWindow());
    setPortLabel(noPortText);
    setScanning(false);
    ShowLinkStatus(u"No converter found (COM" + DecimalText(firstScanPortNumber) + u" to COM" +
                   DecimalText(lastScanPortNumber) + u")");
}

} // namespace

bool IsScanning() {
    return converterLink.widgets.rescanButton != nullptr && converterLink.widgets.rescanButton->tag == 1;
}

void StartPortScan() {
    CloseLinkPort();
    setScanning(true);
    converterLink.scanPortNumber = firstScanPortNumber;
    FormClearIndicatorBlinks();
    SetJob(mainWindow(), scanStepPeriodMs, ScanStep);
}

void RescanPortsClicked(Widget&) {
    if (!MayGoAhead(UserAction::RescanPorts)) return;
    if (!IsScanning()) {
        StartPortScan();
        return;
    }
    StopPortScan();
}

void StopPortScan() {
    setScanning(false);
    setPortLabel(noPortText);
    KillJob(mainWindow());
}

void ScanStep(Widget&) {
    KillJob(mainWindow());
    const std::int32_t number = converterLink.scanPortNumber;
    // The last port opened but stayed silent: the scan came back here past the last number.
    if (number > lastScanPortNumber) {
        endScanWithoutConverter();
        return;
    }
    // A number that cannot be opened costs only its failed open, and nothing reached any line: the same
    // step goes on with the next number. Only after a port that opened does the scan wait its step, so
    // a converter sees what it always saw, when it always saw it.
    PortTry tried = PortTry::NotOpened;
    for (std::int32_t next = number; next <= lastScanPortNumber; ++next) {
        converterLink.scanPortNumber = next;
        setPortLabel(u"Scanning " + DecimalText(next));
        tried = tryPort(next);
        if (tried != PortTry::NotOpened) break;
    }
    if (tried == PortTry::QuerySent) return;
    ++converterLink.scanPortNumber;
    if (converterLink.scanPortNumber > lastScanPortNumber) {
        endScanWithoutConverter();
        return;
    }
    SetJob(mainWindow(), scanStepPeriodMs, ScanStep);
}

void EndScanOnReply() {
    setScanning(false);
}

void ContinueScanAfterSilence() {
    if (!IsScanning()) {
        setScanButton(rescanText);
        return;
    }
    CloseLinkPort();
    ++converterLink.scanPortNumber;
    setScanButton(stopScanningText);
    SetJob(mainWindow(), scanStepPeriodMs, ScanStep);
}

} // namespace zor
