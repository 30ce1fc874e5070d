#include "link/converter_query.h"

#include "link/converter_detection.h"
#include "link/detection_status.h"
#include "link/link_hooks.h"
#include "link/link_state.h"
#include "link/port_scan.h"
#include "link/query_write.h"
#include "link/timed_job.h"

namespace zor {

bool SendQuery() {
    const platform::PortResult written =
        WriteQuery(converterLink.portHandle, converterLink.receiveBuffer, converterLink.imageBuffer);
    if (!written.ok()) return false;
    ShowLinkStatus(BytesSentText(static_cast<std::int32_t>(written.count)));
    SetJob(*converterLink.widgets.mainWindow, replyWaitMs, ReplyJob);
    return true;
}

void ReplyJob(Widget&) {
    KillJob(*converterLink.widgets.mainWindow);
    HandleReplyRead(ReadQueryReply(converterLink.portHandle, converterLink.receiveBuffer), false);
}

void HandleReplyRead(const platform::PortResult& read, bool fromFile) {
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
