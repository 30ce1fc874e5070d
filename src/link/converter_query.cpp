#include "link/converter_query.h"

#include "link/detection_status.h"
#include "link/link_hooks.h"
#include "link/link_state.h"
#include "link/port_scan.h"
#include "link/query_write.h"
#include "link/timed_job.h"
#include "platform/clock.h"

namespace zor {

bool SendQuery(ReplyPurpose purpose) {
    const platform::PortResult written =
        WriteQuery(converterLink.portHandle, converterLink.receiveBuffer, converterLink.imageBuffer);
    if (!written.ok()) return false;
    converterLink.replyPurpose = purpose;
    converterLink.replyReceived = 0;
    converterLink.queryAtMs = platform::tickCountMs();
    ShowLinkStatus(BytesSentText(static_cast<std::int32_t>(written.count)));
    SetJob(*converterLink.widgets.mainWindow, replyWaitMs, ReplyJob);
    return true;
}

namespace {

// Whether the reply in hand answers the query "Send Settings" writes first; the next one reads settings.
bool takeSendCheck(bool fromFile) {
    const bool sendCheck = !fromFile && converterLink.replyPurpose == ReplyPurpose::SendCheck;
    converterLink.replyPurpose = ReplyPurpose::Settings;
    return sendCheck;
}

// What the bytes read, recognised once, lead to: the scan stopped or continued, the outcome handed up.
void handleReply(const ReplyOutcome& outcome, std::int32_t count, bool fromFile) {
    if (takeSendCheck(fromFile)) {
        FormSendChecked(outcome);
        return;
    }
    ShowLinkStatus(BytesReadText(count));
    switch (outcome.detection) {
    case Detection::Overflow:
        ShowLinkStatus(outcome.status);
        return;
    case Detection::NotDetected:
        ShowLinkStatus(outcome.status);
        ContinueScanAfterSilence();
        return;
    case Detection::Detected:
        EndScanOnReply();
        FormApplyReply(outcome, fromFile);
        return;
    }
}

} // namespace

void ReplyJob(Widget&) {
    Widget& mainWindow = *converterLink.widgets.mainWindow;
    KillJob(mainWindow);
    const std::int32_t before = converterLink.replyReceived;
    const platform::PortResult read =
        ReadQueryReply(converterLink.portHandle, converterLink.receiveBuffer, before);
    converterLink.replyReceived = 0;
    if (!read.ok()) {
        HandleReplyRead(read, false);
        return;
    }
    const std::int32_t count = before + static_cast<std::int32_t>(read.count);
    const ReplyOutcome outcome = RecogniseReply(converterLink.receiveBuffer, count, ReplyOrigin::Port);
    if (ReplyReadsOn(outcome, count, platform::tickCountMs() - converterLink.queryAtMs)) {
        // The tag is in, the rest is still on its way: one more bounded read, nothing sent.
        converterLink.replyReceived = count;
        ShowLinkStatus(BytesReadText(count));
        SetJob(mainWindow, replyReadOnStepMs, ReplyJob);
        return;
    }
    handleReply(outcome, count, false);
}

void HandleReplyRead(const platform::PortResult& read, bool fromFile) {
    if (read.ok()) {
        const auto count = static_cast<std::int32_t>(read.count);
        const ReplyOrigin origin = fromFile ? ReplyOrigin::File : ReplyOrigin::Port;
        handleReply(RecogniseReply(converterLink.receiveBuffer, count, origin), count, fromFile);
    } else if (takeSendCheck(fromFile)) {
        FormSendChecked(ReplyOutcome{});
    } else {
        ShowLinkStatus(FileReadErrorText(static_cast<std::int32_t>(read.error)));
    }
}

} // namespace zor
