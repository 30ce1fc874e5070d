// Between the FormModel and the images: building the image of the selected main function from the
// model and the fields' texts, and writing a decoded image back into the model. The fields that hold
// their own values (address, serial number, Modbus table and timeout, baud radios) are written by the
// window code from the decoded records.
#pragma once

#include "form/form_model.h"
#include "image/image_build.h"
#include "image/image_decode.h"

namespace zor {

NmeaSettings NmeaSettingsFromForm(const FormModel& model);

// Builds the image of the main function. For "NMEA0183 to SDI12 Slave" the lengthened sentence
// identifiers are stored back into the model, also when a later check fails.
BuildResult BuildSettingsImage(FormModel& model, MainFunction function, const IdentityFields& identity,
                               const ModbusTableTexts& table);

// Everything of a decoded image that belongs to the model; values the record marks as not taken
// (port-only values from a file, a buffer length below 1) keep what the model held.
void ApplyNmeaImage(FormModel& model, const DecodedNmeaImage& image);
void ApplyModbusImage(FormModel& model, const DecodedModbusImage& image);
void ApplySerialImage(FormModel& model, const DecodedSerialImage& image);

} // namespace zor
