#include "form/converter_state_display.h"
#include "form/form_model.h"
#include "form/register_set_display.h"

#include <gtest/gtest.h>

#include <string>

namespace zor {
namespace {

TEST(RegisterSetDisplay, CorrectsTheModelAndGivesTheFieldTexts) {
    FormModel model;
    model.thresholdFunction[3] = 7;
    model.thresholdFunction[4] = 3;
    model.threshold[3] = 0.0000004f;
    model.hysteresis[3] = -2.5f;
    model.monitoredParameter[3] = -12;
    model.parameterSelectMask[3] = 0x80000005u;
    model.triggeredOutputOn = 0;
    model.averagingPeriod = 0;
    model.averagingSampleRate = -3;
    model.averagingEnabled() = 1;
    RegisterSetView view = PrepareRegisterSetDisplay(model, 3);
    EXPECT_EQ(model.currentRegisterSet, 3);
    EXPECT_EQ(model.thresholdFunction[3], 0);
    EXPECT_EQ(view.thresholdFunction, 0);
    EXPECT_EQ(view.sentenceId, u" -- undefined --");
    EXPECT_EQ(view.selectedSlots, 0x80000005u);
    EXPECT_EQ(view.thresholdText, u"0.000000");
    EXPECT_EQ(view.hysteresisText, u"-2.500000");
    EXPECT_EQ(view.monitoredParameterText, u"-12");
    EXPECT_EQ(std::u16string(view.outputCaption), u"OFF");
    EXPECT_EQ(model.averagingPeriod, 1);
    EXPECT_EQ(model.averagingSampleRate, 1);
    EXPECT_EQ(view.averagingPeriodText, u"1");
    EXPECT_EQ(view.sampleRateText, u"1");
    EXPECT_TRUE(view.averagingChecked);
    EXPECT_TRUE(view.averagingGroupEnabled);

    view = PrepareRegisterSetDisplay(model, 4);
    EXPECT_EQ(view.thresholdFunction, 3);
    view = PrepareRegisterSetDisplay(model, 10);
    EXPECT_EQ(view.registerSet, 0);
    EXPECT_EQ(std::u16string(PrepareRegisterSetDisplay(model, -1).outputCaption), u"OFF");
}

TEST(ConverterStateDisplay, SetBitsBlinkRedAndBitZeroTakesTheGroupsOutOfUse) {
    ConverterStateView view = ConverterStateDisplay(0x45);
    const bool red[indicatorCount] = {true, false, true, false, false, false, true};
    for (std::int32_t i = 0; i < indicatorCount; ++i) {
        EXPECT_EQ(view.lights[i].colour, red[i] ? 0xFFFF0000u : 0xFF008000u) << i;
        EXPECT_EQ(view.lights[i].blinking, red[i]) << i;
    }
    EXPECT_FALSE(view.controlOutputEnabled);
    EXPECT_TRUE(view.averagingDisabled);
    view = ConverterStateDisplay(static_cast<std::int32_t>(0xFFFFFF80u)); // bits 7..31 are not shown
    for (const IndicatorLight& light : view.lights)
        EXPECT_FALSE(light.blinking);
    EXPECT_TRUE(view.controlOutputEnabled);
    EXPECT_FALSE(view.averagingDisabled);

    std::array<IndicatorLight, indicatorCount> lights = ConverterStateDisplay(0x03).lights;
    lights[2].colour = 0xFF123456; // not blinking: back to green
    BlinkTick(lights, 0xFFF0F0F0);
    EXPECT_EQ(lights[0].colour, 0xFFF0F0F0u);
    EXPECT_EQ(lights[2].colour, indicatorGreen);
    BlinkTick(lights, 0xFFF0F0F0);
    EXPECT_EQ(lights[1].colour, indicatorRed);
}

} // namespace
} // namespace zor
