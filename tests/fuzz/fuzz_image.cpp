// Any bytes as one read of a reply or of a configuration file: recognition and decoding must stay
// inside the receive buffer, an image is complete only when its trailer lies within the bytes read,
// and applying, showing and sending back what was decoded must be safe for every value.
#include "form/averaging_rules.h"
#include "form/register_set_display.h"
#include "form/settings_record.h"
#include "link/converter_detection.h"
#include "link/reply_outcome.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>

namespace {

std::int32_t trailerEnd(const zor::ReplyOutcome& outcome) {
    if (outcome.nmea) return zor::zor1::trailerOffset + zor::trailerLength;
    if (outcome.modbus)
        return (outcome.modbus->savedLayout ? zor::zor2::sentTrailerOffset : zor::zor2::replyTrailerOffset) +
               zor::trailerLength;
    return zor::zor3::trailerOffset + zor::trailerLength;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 1) return 0;
    // Byte 0: bit 0 picks the origin; from a file the buffer still holds an earlier complete reply.
    const bool fromFile = (data[0] & 1) != 0;
    ++data;
    --size;
    const auto count =
        static_cast<std::int32_t>(size < zor::receiveBufferSize ? size : zor::receiveBufferSize);

    // Exactly the receive buffer, so that the sanitizer sees any read past its end.
    const auto buffer = std::make_unique<std::uint8_t[]>(zor::receiveBufferSize);
    if (fromFile) {
        std::memset(buffer.get(), 'E', zor::receiveBufferSize);
        std::memcpy(buffer.get(), "~ZOR2", 5);
    }
    std::memcpy(buffer.get(), data, static_cast<std::size_t>(count));

    const zor::ReplyOutcome outcome =
        zor::RecogniseReply(buffer.get(), count, fromFile ? zor::ReplyOrigin::File : zor::ReplyOrigin::Port);
    if (outcome.status.empty()) std::abort();
    if (outcome.detection == zor::Detection::Detected) {
        if (outcome.found.position < 0 || outcome.found.position + 5 > count) std::abort();
        if (outcome.complete && outcome.found.position + trailerEnd(outcome) > count) std::abort();
    }

    static zor::FormModel model;
    zor::ResetFormModel(model);
    zor::ApplyReply(model, outcome, fromFile ? zor::ReplyOrigin::File : zor::ReplyOrigin::Port);
    if (outcome.nmea) {
        for (std::int32_t k = 0; k < zor::registerSetCount; ++k) {
            const zor::RegisterSetView view = zor::PrepareRegisterSetDisplay(model, k);
            zor::AveragingPeriodChanged(model, view.averagingPeriodText.c_str());
            zor::SampleRateChanged(model, view.sampleRateText.c_str());
        }
        if (model.averagingBufferLength < 1) std::abort();
    }
    if (outcome.modbus && (model.modbusBaudIndex < 1 || model.modbusBaudIndex > 5)) std::abort();
    if (model.serialNumber.empty()) model.serialNumber = u"12345678";
    (void)zor::BuildImage(model);
    return 0;
}
