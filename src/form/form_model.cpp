#include "form/form_model.h"

#include "image/baud_rates.h"

namespace zor {

FormModel formModel;
FormModel converterHeld;

FormModel::FormModel() {
    ResetFormModel(*this);
}

void ResetFormModel(FormModel& model) {
    model.mainFunction.reset();
    model.address = u"0";
    model.serialNumber.clear();
    for (auto& column : model.modbusCells)
        for (std::u16string& cell : column)
            cell.clear();
    model.modbusTimeout = u"1000";
    model.modbusFirmwareVersion.reset();
    model.currentRegisterSet = 0;
    model.sentenceId[0].assign(u"");
    for (std::int32_t k = 1; k < registerSetCount; ++k)
        model.sentenceId[k].assign(undefinedSentenceId);
    for (std::int32_t k = 0; k < registerSetCount; ++k) {
        model.parameterSelectMask[k] = 0;
        model.monitoredParameter[k] = 0;
        model.thresholdFunction[k] = 0;
        model.threshold[k] = 0.0f;
        model.hysteresis[k] = 0.0f;
        model.flagBytes[k] = 0;
    }
    model.triggeredOutputOn = 1;
    model.reflectOutputInLed = 0;
    model.averagingPeriod = 1;
    model.secondAveragingPeriod = 1;
    model.averagingSampleRate = 1;
    model.secondSampleRate = 1;
    model.averagingSampleCount = 0;
    model.secondSampleCount = 0;
    model.thresholdDecimals = 0;
    model.averagingBufferLength = 1;
    model.modbusBaudIndex = startBaudIndex;
    model.converterStateFlags = 0;
    model.firmwareVersion.clear();
    model.viewedParameter = -1;
}

} // namespace zor
