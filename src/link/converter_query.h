// The query "~ZOR0" and the reply job that reads and recognises the answer. The same recognition
// reads a configuration file ("Open Config"), with the file's bytes in the receive buffer.
#pragma once

#include "link/link_state.h"
#include "platform/port.h"
#include "toolkit/widget.h"

#include <cstdint>

namespace zor {

// Purges what is queued on the port, zeroes the receive buffer, writes the query and arms the reply job;
// false when the write failed (nothing is shown then).
bool SendQuery(ReplyPurpose purpose = ReplyPurpose::Settings);

// The reply job: one read of up to 8192 bytes from the port; a reply whose tag has come but not yet
// its trailer is read on, the job arming itself again for one more bounded read (query_write.h), then
// HandleReplyRead with all the bytes read.
void ReplyJob(Widget& mainWindow);

// What follows the read into the receive buffer: the read error, or the bytes recognised once (as a
// reply from a file when fromFile) with the status, the scan stopped or continued, and the outcome
// handed to the form. An opened configuration file is read into the zeroed receive buffer with the file
// handle standing in the port handle's place; it is recognised with the port handle back, so a scan that
// goes on after a file without a tag closes the port it was trying, never the file a second time.
void HandleReplyRead(const platform::PortResult& read, bool fromFile);

} // namespace zor
