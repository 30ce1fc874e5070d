// FormModel: the form's editable state. Every edit goes into it at once; a configuration image is built
// from it (and from the fields that hold their own text) and a received image is written back into it.
#pragma once

#include "image/baud_rates.h"
#include "image/image_layout.h"
#include "toolkit/text_buffer.h"

#include <cstdint>

namespace zor {

struct FormModel {
    FormModel();

    std::int32_t currentRegisterSet = 0;
    WideText sentenceId[registerSetCount];
    std::uint32_t parameterSelectMask[registerSetCount] = {}; // bit j: parameter slot j + 1
    std::int32_t monitoredParameter[registerSetCount] = {};
    std::int32_t thresholdFunction[registerSetCount] = {}; // an index of thresholdFunctionSymbols
    float threshold[registerSetCount] = {};
    float hysteresis[registerSetCount] = {};
    std::int32_t triggeredOutputOn = 1;
    std::int32_t reflectOutputInLed = 0;
    std::int32_t flagBytes[registerSetCount] = {}; // [0] is averagingEnabled
    std::int32_t averagingPeriod = 1;
    std::int32_t secondAveragingPeriod = 1;
    std::int32_t averagingSampleRate = 1;
    std::int32_t secondSampleRate = 1;
    std::int32_t averagingSampleCount = 0;
    std::int32_t secondSampleCount = 0;
    std::int32_t thresholdDecimals = 0;
    std::int32_t averagingBufferLength = 1;
    std::int32_t modbusBaudIndex = startBaudIndex; // 1 for baudRates[0]
    std::int32_t converterStateFlags = 0;
    NarrowText firmwareVersion;
    std::int32_t viewedParameter = -1;

    // "Enable Averaging" shares its storage with flagBytes[0].
    std::int32_t& averagingEnabled() { return flagBytes[0]; }
    std::int32_t averagingEnabled() const { return flagBytes[0]; }
};

// Puts every value back to its start value.
void ResetFormModel(FormModel& model);

// The program's one form.
extern FormModel formModel;

} // namespace zor
