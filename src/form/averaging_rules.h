// The rules tying "Averaging Period (s)" and "Averaging Sample Rate (s)" to the converter's buffer
// length. Each runs when its field's text changes and may ask for a warning box (warning icon, owner
// the main window) after which the field is set, with handlers suppressed, to the corrected value.
#pragma once

#include "form/form_model.h"

#include <cstdint>

namespace zor {

inline constexpr char16_t periodWarningTitle[] = u"Averaging Period";
inline constexpr char16_t periodWarningText[] =
    u"Averaging Period Exceeded Buffer Length.\n\rReduced averaging period to suit";
inline constexpr char16_t sampleRateWarningTitle[] = u"Sampling Time";
inline constexpr char16_t sampleRateWarningText[] =
    u"Averaging Sample Time Too Short For Buffer Length.\n\r(Increased sample time to suit)";

struct AveragingWarning {
    bool shown = false;
    const char16_t* text = u"";
    const char16_t* title = u"";
    std::int32_t fieldValue = 0; // the corrected value the field shows after the box
};

// Each rule in two halves: the typed value stored (a value typed as 0 or below is stored as 1 but not
// written back into the field), and later, when the user is done with the field, the check against the
// buffer length. The first half says whether the second is due: an emptied field is not checked.
bool AveragingPeriodTyped(FormModel& model, const char16_t* text);
AveragingWarning AveragingPeriodChecked(FormModel& model);
bool SampleRateTyped(FormModel& model, const char16_t* text);
AveragingWarning SampleRateChecked(FormModel& model);

// Both halves at once.
AveragingWarning AveragingPeriodChanged(FormModel& model, const char16_t* text);
AveragingWarning SampleRateChanged(FormModel& model, const char16_t* text);

} // namespace zor
