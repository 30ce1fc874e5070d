#include "form/register_set_display.h"

#include "toolkit/decimal_text.h"

#include <cstdio>

namespace zor {

std::u16string SixDecimalText(float value) {
    char narrow[64];
    const int written = std::snprintf(narrow, sizeof narrow, "%f", static_cast<double>(value));
    std::u16string wide;
    for (int i = 0; i < written && i < static_cast<int>(sizeof narrow) - 1; ++i)
        wide.push_back(static_cast<char16_t>(static_cast<unsigned char>(narrow[i])));
    return wide;
}

RegisterSetView PrepareRegisterSetDisplay(FormModel& model, std::int32_t k) {
    if (k < 0 || k >= registerSetCount) k = 0;
    RegisterSetView view;
    model.currentRegisterSet = k;
    view.registerSet = k;
    view.sentenceId = model.sentenceId[k].c_str();
    view.selectedSlots = model.parameterSelectMask[k];
    view.thresholdText = SixDecimalText(model.threshold[k]);
    if (model.thresholdFunction[k] > 4) model.thresholdFunction[k] = 0;
    view.thresholdFunction = model.thresholdFunction[k];
    view.monitoredParameterText = DecimalText(model.monitoredParameter[k]);
    view.hysteresisText = SixDecimalText(model.hysteresis[k]);
    view.outputCaption = model.triggeredOutputOn != 0 ? u"ON" : u"OFF";
    view.reflectOutputChecked = model.reflectOutputInLed != 0;
    if (model.averagingPeriod < 1) model.averagingPeriod = 1;
    if (model.averagingSampleRate < 1) model.averagingSampleRate = 1;
    view.averagingPeriodText = DecimalText(model.averagingPeriod);
    view.sampleRateText = DecimalText(model.averagingSampleRate);
    view.averagingChecked = model.averagingEnabled() != 0;
    view.averagingGroupEnabled = view.averagingChecked;
    view.converterState = ConverterStateDisplay(model.converterStateFlags);
    return view;
}

} // namespace zor
