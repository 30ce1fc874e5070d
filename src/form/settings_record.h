// The record's ways in and out, each written once and used by the window and zor-config alike: a reply or
// a file written into the record, the image built from it, and a file's content as it stands.
#pragma once

#include "form/form_model.h"
#include "image/image_build.h"
#include "link/reply_outcome.h"

#include <cstdint>
#include <string>
#include <vector>

namespace zor {

// The NMEA settings the record holds, as the image code takes them.
NmeaSettings NmeaSettingsOf(const FormModel& model);

// Every NMEA value of the settings into the record, the buffer length and state word included; the
// averaging period follows from the sample count and rate.
void TakeNmeaSettings(FormModel& model, const NmeaSettings& settings);

// A recognised reply (or file) written into the record: address, serial number (from the port only), the
// settings of its main function, register set 0 made current and the main function switched on a complete
// image. An incomplete one writes nothing.
void ApplyReply(FormModel& model, const ReplyOutcome& outcome, ReplyOrigin origin);

// The image of the record's main function after every check "Send Settings" makes. For "NMEA0183 to
// SDI12 Slave" the lengthened sentence identifiers are kept in the record, also when a later check fails.
// Not ok with step 0 when no main function is selected.
BuildResult BuildImage(FormModel& model);

// A file's content as it stands, with nothing kept from before and nothing corrected, its serial number
// included: what `show` prints, what `build` turns back into the same file, and what is checked before
// a file is opened onto the form.
FormModel FileContent(const ReplyOutcome& file);

// A file the record may take: its values pass every check of "Send Settings". Not ok names the first
// value refused.
BuildResult CheckFileContent(const ReplyOutcome& file);

// A setting that differs between two records, named and written as zor-config diff names and writes it
// ("registerSets[0].threshold", 12.5).
struct SettingDifference {
    std::u16string name;
    std::u16string held;
    std::u16string now;
};

// The settings that differ between two records: every value a send or save would carry, of every main
// function, and the main function itself.
std::vector<SettingDifference> ChangedSettings(const FormModel& now, const FormModel& held);
std::int32_t CountChangedFields(const FormModel& now, const FormModel& held);

} // namespace zor
