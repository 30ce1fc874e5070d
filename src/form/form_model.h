// FormModel: the form's editable state. Every edit goes into it at once; a configuration image is built
// from it (and from the fields that hold their own text) and a received image is written back into it.
#pragma once

#include "image/image_layout.h"
#include "toolkit/text_buffer.h"

#include <cstdint>

namespace zor {

// The start values are ResetFormModel's, which the constructor runs.
struct FormModel {
    FormModel();

    std::int32_t currentRegisterSet;
    WideText sentenceId[registerSetCount];
    std::uint32_t parameterSelectMask[registerSetCount]; // bit j: parameter slot j + 1
    std::int32_t monitoredParameter[registerSetCount];
    std::int32_t thresholdFunction[registerSetCount]; // an index of thresholdFunctionSymbols
    float threshold[registerSetCount];
    float hysteresis[registerSetCount];
    std::int32_t triggeredOutputOn;
    std::int32_t reflectOutputInLed;
    std::int32_t flagBytes[registerSetCount]; // [0] is averagingEnabled
    std::int32_t averagingPeriod;
    std::int32_t secondAveragingPeriod;
    std::int32_t averagingSampleRate;
    std::int32_t secondSampleRate;
    std::int32_t averagingSampleCount;
    std::int32_t secondSampleCount;
    std::int32_t thresholdDecimals;
    std::int32_t averagingBufferLength;
    std::int32_t modbusBaudIndex; // 1 for baudRates[0]
    std::int32_t converterStateFlags;
    NarrowText firmwareVersion;
    std::int32_t viewedParameter;

    // "Enable Averaging" shares its storage with flagBytes[0].
    std::int32_t& averagingEnabled() { return flagBytes[0]; }
    std::int32_t averagingEnabled() const { return flagBytes[0]; }
};

// Puts every value back to its start value.
void ResetFormModel(FormModel& model);

// The program's one form.
extern FormModel formModel;

} // namespace zor
