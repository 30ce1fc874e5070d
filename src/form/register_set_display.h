// The register-set display: selecting register set k shows it in the fields. This gives the values
// the fields and controls show, after the display's own corrections to the model (a threshold function
// above 4 becomes 0; an averaging period or sample rate below 1 becomes 1).
#pragma once

#include "form/converter_state_display.h"
#include "form/form_model.h"

#include <cstdint>
#include <string>

namespace zor {

struct RegisterSetView {
    std::int32_t registerSet = 0;
    std::u16string sentenceId;
    std::uint32_t selectedSlots = 0; // slot check box j selected when bit j is set
    std::u16string thresholdText;    // "%f"
    std::int32_t thresholdFunction = 0;
    std::u16string monitoredParameterText;
    std::u16string hysteresisText; // "%f"
    const char16_t* outputCaption = u"ON";
    bool reflectOutputChecked = false;
    std::u16string averagingPeriodText;
    std::u16string sampleRateText;
    bool averagingChecked = false;
    bool averagingGroupEnabled = false; // before the converter state display, which may disable it
    ConverterStateView converterState;
};

// The fields' texts in the order they are written: sentence identifier, threshold, monitored
// parameter, hysteresis, averaging period, sample rate. A k outside 0..9 shows set 0.
RegisterSetView PrepareRegisterSetDisplay(FormModel& model, std::int32_t k);

// "%f" of a float: six decimals.
std::u16string SixDecimalText(float value);

} // namespace zor
