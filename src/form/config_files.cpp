// "Save Config" and "Open Config": a configuration file is the image "Send Settings" would write, and
// is read back as a reply; the file handle stands in the port handle's place for the one read.
#include "form/exchange_buttons.h"
#include "form/field_commit.h"
#include "form/form_display.h"
#include "form/form_model.h"
#include "form/main_form.h"
#include "form/settings_from_widgets.h"
#include "form/unsent_question.h"
#include "image/config_file.h"
#include "link/converter_query.h"
#include "link/detection_status.h"
#include "link/exchange_owner.h"
#include "link/file_start.h"
#include "link/firmware_update.h"
#include "link/link_state.h"
#include "platform/dialogs.h"
#include "toolkit/decimal_text.h"
#include "toolkit/paths.h"

#include <string>
#include <vector>

namespace zor {
namespace {

std::u16string filter(std::initializer_list<const char16_t*> parts) {
    std::u16string text;
    for (const char16_t* part : parts) {
        text += part;
        text += u'\0';
    }
    text += u'\0';
    return text;
}

platform::WindowHandle mainWindow() {
    return mainForm.window.window;
}

// "Handle Invalid" and the system's reason on the next line, so that a locked file can be told from a
// missing folder.
void showHandleInvalid(std::uint32_t code) {
    std::u16string reason = platform::systemErrorText(code);
    if (reason.empty()) reason = u"Error " + DecimalText(static_cast<std::int64_t>(code));
    const std::u16string text = std::u16string(handleInvalidText) + u"\r\n" + reason;
    platform::messageBox(mainWindow(), text.c_str(), handleInvalidTitle, platform::box::Ok);
}

void closeFile(platform::PortHandle& file) {
    if (file != platform::invalidPortHandle) platform::closePort(file);
}

void openFirmware(platform::PortHandle& file) {
    const std::int32_t answer = platform::messageBox(mainWindow(), firmwareWarningText, firmwareWarningTitle,
                                                     platform::box::IconWarning | platform::box::OkCancel);
    // The scan or a read went on under the box: what runs now decides.
    if (answer != platform::box::AnswerOk || !MayGoAhead(UserAction::OpenFirmwareFile)) {
        closeFile(file);
        return;
    }
    // Room for one byte more than fits: a longer file is seen, and counted to its end for the refusal.
    std::vector<std::uint8_t> bytes(firmwareCapacity + 1);
    const FileStart read = ReadFileStart(file, bytes.data(), static_cast<std::uint32_t>(bytes.size()));
    closeFile(file);
    if (!read.read.ok()) {
        SetStatus(FileReadErrorText(static_cast<std::int32_t>(read.read.error)).c_str());
        return;
    }
    const FirmwareFileCheck check = BeginFirmwareUpdate(bytes.data(), read.size);
    if (!check.ok)
        platform::messageBox(mainWindow(), check.message.c_str(), u"Error", platform::box::IconError);
}

} // namespace

// The record as it stood at the click is what the file holds: what was typed is taken at the click and
// the record kept, since a reply may land while the dialog is up. It is checked before any file is touched,
// and the save itself never destroys the file that was there.
void SaveConfigClicked(Widget&) {
    if (!MayGoAhead(UserAction::SaveConfig) || !CommitFormFields()) return;
    FormModel atClick = formModel;
    if (!chooseFile(mainWindow(), filter({saveFilterDescription, configFilterPattern}).c_str(),
                    mainForm.configPath, false))
        return;
    const std::optional<BuildResult> built = BuildRecordImage(atClick);
    if (!built || !built->ok) return;
    SavedFile saved;
    { saved = SaveConfigImage(mainForm.configPath, built->image.bytes.data(), built->image.length); }
    if (saved.failure != SavedFile::Failure::None) {
        SetStatus(FileWriteErrorText(saved.error).c_str());
        if (saved.failure != SavedFile::Failure::Write) showHandleInvalid(saved.error);
        return;
    }
    SetStatus(BytesWrittenText(built->image.length).c_str());
}

void OpenConfigClicked(Widget&) {
    if (!chooseFile(mainWindow(),
                    filter({saveFilterDescription, configFilterPattern, firmwareFilterDescription,
                            firmwareFilterPattern})
                        .c_str(),
                    mainForm.configPath, true))
        return;
    // Only read: a write-protected file, or one another program reads, opens all the same.
    platform::PortOpenResult opened = platform::openFile(mainForm.configPath, platform::FileAccess::Read);
    if (!opened.ok()) {
        showHandleInvalid(opened.error);
        return;
    }
    if (IsFirmwarePath(mainForm.configPath)) {
        openFirmware(opened.handle);
        return;
    }
    // Chosen while the dialog was up: a scan or a read that still runs is stopped first, so that a reply
    // cannot land over the file's values and the file cannot end or move on the scan.
    if (!UnsentChangesMayBeLost(u"open the file over them") || !MayGoAhead(UserAction::OpenSettingsFile)) {
        closeFile(opened.handle);
        return;
    }
    platform::PortResult read;
    {
        const PortStandIn standIn(opened.handle);
        read = ReadIntoReceiveBuffer();
    }
    closeFile(opened.handle);
    HandleReplyRead(read, true);
}

} // namespace zor
