#include "link/converter_query.h"

#include "link/converter_detection.h"
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

void ReplyJob(Widget&) {
    Widget& mainWindow = *converterLink.widgets.mainWindow;
    KillJob(mainWindow);
    const std::int32_t before = converterLink.replyReceived;
    platform::PortResult read = ReadQueryReply(converterLink.portHandle, converterLink.receiveBuffer, before);
    converterLink.replyReceived = 0;
    if (read.ok()) {
        read.count += static_cast<std::uint32_t>(before);
        const auto count = static_cast<std::int32_t>(read.count);
        const std::uint8_t* received = converterLink.receiveBuffer;
        const std::uint32_t sinceQuery = platform::tickCountMs() - converterLink.queryAtMs;
        if (ReplyReadsOn(received, count, ReplyComplete(received, count), sinceQuery)) {
            // The tag is in, the rest is still on its way: one more bounded read, nothing sent.
            converterLink.replyReceived = count;
            ShowLinkStatus(BytesReadText(count));
            SetJob(mainWindow, replyReadOnStepMs, ReplyJob);
            return;
        }
    }
    HandleReplyRead(read, false);
}

void HandleReplyRead(const platform::PortResult& read, bool fromFile) {
    const bool sendCheck = !fromFile && converterLink.replyPurpose == ReplyPurpose::SendCheck;
    converterLink.replyPurpose = ReplyPurpose::Settings;
    if (sendCheck) {
        FormSendChecked(converterLink.receiveBuffer, read.ok() ? static_cast<std::int32_t>(read.count) : 0);
        return;
    }
    if (!read.ok()) {
        ShowLinkStatus(FileReadErrorText(static_cast<std::int32_t>(read.error)));
        return;
    }
    const auto count = static_cast<std::int32_t>(read.count);
    ShowLinkStatus(BytesReadText(count));
    const DetectionResult detection = DetectConverter(converterLink.receiveBuffer, count);
    ShowLinkStatus(detection.status);
    switch (detection.detection) {
    case Detection::Overflow:
        return;
    case Detection::NotDetected:
        ContinueScanAfterSilence();
        return;
    case Detection::Detected:
        EndScanOnReply();
        FormApplyReply(converterLink.receiveBuffer, count, fromFile);
        return;
    }
}

} // namespace zor
