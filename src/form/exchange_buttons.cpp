#include "form/exchange_buttons.h"

#include "form/form_display.h"
#include "form/form_model.h"
#include "form/main_form.h"
#include "form/settings_from_widgets.h"
#include "link/converter_commands.h"
#include "link/converter_query.h"
#include "link/detection_status.h"
#include "link/exchange_owner.h"
#include "link/link_state.h"

namespace zor {

inline constexpr char16_t noConverterConnectedText[] = u"No converter connected: Rescan Ports";

void ReadSettingsClicked(Widget&) {
    if (!MayGoAhead(UserAction::ReadSettings)) return;
    // No converter found and no scan looking for one: a query would go nowhere without a word.
    if (converterLink.portHandle == platform::invalidPortHandle && mainForm.commPort.rescanButton.tag == 0) {
        SetStatus(noConverterConnectedText);
        return;
    }
    ClearIndicatorBlinks();
    SendQuery();
}

// A failed write closes the port: the converter has to be found again before the next exchange.
void SendSettingsClicked(Widget&) {
    if (!MayGoAhead(UserAction::SendSettings)) return;
    const std::optional<BuildResult> built = BuildSelectedImage();
    if (!built || !built->ok) return;
    const platform::PortResult written = WriteSettingsImage(built->image.bytes.data(), built->image.length);
    if (written.ok()) {
        converterHeld = formModel;
        SetStatus(BytesWrittenText(static_cast<std::int32_t>(written.count)).c_str());
        return;
    }
    CloseLinkPort();
    SetStatus(SerialWriteFailedText(static_cast<std::int32_t>(written.error)).c_str());
}

} // namespace zor
