#include "form/converter_state_display.h"

namespace zor {

ConverterStateView ConverterStateDisplay(std::int32_t converterStateFlags) {
    const auto flags = static_cast<std::uint32_t>(converterStateFlags);
    ConverterStateView view;
    for (std::int32_t i = 0; i < indicatorCount; ++i) {
        const bool set = (flags >> i & 1u) != 0;
        view.lights[i] = {set ? indicatorRed : indicatorGreen, set};
    }
    const bool ioFault = (flags & 1u) != 0;
    view.controlOutputEnabled = !ioFault;
    view.averagingDisabled = ioFault;
    return view;
}

void BlinkTick(std::array<IndicatorLight, indicatorCount>& lights, std::uint32_t background) {
    for (IndicatorLight& light : lights) {
        if (!light.blinking)
            light.colour = indicatorGreen;
        else
            light.colour = light.colour == indicatorRed ? background : indicatorRed;
    }
}

} // namespace zor
