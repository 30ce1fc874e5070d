#include "form/exchange_buttons.h"

#include "form/field_commit.h"
#include "form/form_display.h"
#include "form/form_model.h"
#include "form/main_form.h"
#include "form/settings_from_widgets.h"
#include "form/settings_record.h"
#include "form/unsent_question.h"
#include "image/ascii_text.h"
#include "link/converter_commands.h"
#include "link/converter_query.h"
#include "link/detection_status.h"
#include "link/exchange_owner.h"
#include "link/link_state.h"
#include "platform/dialogs.h"

namespace zor {

inline constexpr char16_t noConverterConnectedText[] = u"No converter connected: Rescan Ports";

void ReadSettingsClicked(Widget&) {
    if (!MayGoAhead(UserAction::ReadSettings)) return;
    // No converter found and no scan looking for one: a query would go nowhere without a word.
    if (converterLink.portHandle == platform::invalidPortHandle && mainForm.commPort.rescanButton.tag == 0) {
        SetStatus(noConverterConnectedText);
        return;
    }
    if (!UnsentChangesMayBeLost(u"read the converter's settings over them")) return;
    ClearIndicatorBlinks();
    SendQuery();
}

namespace {

inline constexpr char16_t notAnsweredText[] = u"No converter answered: the settings were not sent";
inline constexpr char16_t cutAnswerText[] = u"The answer was incomplete and nothing was written";
inline constexpr char16_t notSentText[] = u"The settings were not sent";
inline constexpr char16_t otherConverterTitle[] = u"Another Converter";

// The image built at the click written; a failed write closes the port, and the converter has to be found
// again before the next exchange.
void writeSettings() {
    const ConfigImage& image = mainForm.imageToSend;
    const platform::PortResult written = WriteSettingsImage(image.bytes.data(), image.length);
    if (written.ok()) {
        converterHeld = formModel;
        mainForm.settingsFromFile = false;
        SetStatus(BytesWrittenText(static_cast<std::int32_t>(written.count)).c_str());
        return;
    }
    CloseLinkPort();
    SetStatus(SerialWriteFailedText(static_cast<std::int32_t>(written.error)).c_str());
}

std::u16string quotedName(const std::optional<MainFunction>& function) {
    // Appended rather than concatenated: GCC 12 warns (wrongly) of an overlap on the MinGW build.
    std::u16string quoted(1, u'"');
    quoted += WideAscii(function ? FactsOf(*function).name : "");
    quoted += u'"';
    return quoted;
}

// Whether the technician lets the settings go to the converter on the port, which differs from what
// they were meant for: each difference named, and the serial number it will carry.
bool sendToOtherConverter(const FormModel& onPort, const std::u16string& serialWritten) {
    const std::u16string& held = converterHeld.serialNumber;
    const bool otherSerial = onPort.serialNumber != held;
    std::u16string text;
    if (otherSerial) {
        text = mainForm.settingsFromFile
                   ? u"These settings were opened from a file; the converter on the port is not the one last "
                     u"read.\r\nLast read: Serial# " +
                         held
                   : u"The converter on the port is not the one these settings were read from.\r\n"
                     u"Read from: Serial# " +
                         held;
        text += u"\r\nOn the port: Serial# " + onPort.serialNumber + u"\r\n";
    }
    if (onPort.mainFunction != formModel.mainFunction)
        text += u"The converter on the port runs " + quotedName(onPort.mainFunction) +
                u"; these settings are for " + quotedName(formModel.mainFunction) + u".\r\n";
    text += u"Click 'OK' to send them to Serial# " + onPort.serialNumber;
    if (onPort.mainFunction != formModel.mainFunction)
        text += u", switching it to " + quotedName(formModel.mainFunction);
    if (serialWritten != onPort.serialNumber)
        text += u", which is given Serial# " + serialWritten;
    else if (otherSerial)
        text += u", which keeps its own serial number";
    text += u", or 'Cancel' to send nothing.";
    return platform::messageBox(mainForm.window.window, text.c_str(), otherConverterTitle,
                                platform::box::IconWarning | platform::box::OkCancel) ==
           platform::box::AnswerOk;
}

} // namespace

// The converter on the port is asked who it is before anything is written, so that the settings go to
// the converter they were read from.
void SendSettingsClicked(Widget&) {
    if (!MayGoAhead(UserAction::SendSettings)) return;
    const std::optional<BuildResult> built = BuildSelectedImage();
    if (!built || !built->ok) return;
    // The record cannot change while the query is out: this image is what goes, unless the converter
    // keeps a serial number of its own.
    mainForm.imageToSend = built->image;
    if (!SendQuery(ReplyPurpose::SendCheck)) writeSettings(); // the write then says why the port fails
}

void SendChecked(const ReplyOutcome& reply) {
    if (!reply.complete) {
        SetStatus(reply.found.function ? cutAnswerText : notAnsweredText);
        return;
    }
    // Who answered, read as any reply is read into a record.
    FormModel answered;
    ApplyReply(answered, reply, ReplyOrigin::Port);
    const std::u16string& onPort = answered.serialNumber;
    // With the service marker a serial number typed on purpose goes out as typed; otherwise a converter
    // keeps its own.
    const bool typedOnPurpose =
        mainForm.identity.serialNumberField.enabled && formModel.serialNumber != converterHeld.serialNumber;
    const std::u16string written = typedOnPurpose ? formModel.serialNumber : onPort;
    if (onPort != converterHeld.serialNumber || answered.mainFunction != formModel.mainFunction) {
        if (!sendToOtherConverter(answered, written)) {
            SetStatus(notSentText);
            return;
        }
    }
    if (formModel.serialNumber != written) {
        formModel.serialNumber = written;
        mainForm.identity.serialNumberField.setText(written.c_str());
        ForgetFieldEdit(mainForm.identity.serialNumberField);
        const BuildResult rebuilt = BuildImage(formModel);
        if (!rebuilt.ok) return;
        mainForm.imageToSend = rebuilt.image;
    }
    writeSettings();
}

} // namespace zor
