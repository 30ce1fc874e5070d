#include "app/program_state.h"

#include "form/form_model.h"
#include "form/main_form.h"
#include "form/realtime_view_widgets.h"
#include "link/exchange_owner.h"
#include "link/firmware_update.h"
#include "link/link_hooks.h"
#include "link/link_state.h"
#include "nmea/incoming_view.h"
#include "nmea/nmea_hooks.h"
#include "nmea/realtime_view.h"
#include "nmea/sentence_catalogue.h"
#include "nmea/sentence_picker.h"
#include "toolkit/theme.h"
#include "toolkit/widget.h"

#include <memory>

namespace zor {
namespace {

template <typename Record>
void renew(Record& record) {
    std::destroy_at(&record);
    std::construct_at(&record);
}

} // namespace

void ResetProgramState() {
    // Widget records first: each releases its own window and drawing objects.
    renew(mainForm);
    renew(sentencePicker);
    renew(pickerWindow);

    ForgetRealtimeViewWidgets();
    ResetFormModel(formModel);
    ResetFormModel(converterHeld);
    converterLink = LinkState{};
    linkHooks = LinkHooks{};
    ResetPortOwner();
    ResetFirmwareUpdate();
    ResetCatalogue(sentenceCatalogue);
    ResetIncomingView();
    ResetRealtimeView();
    nmeaHooks = NmeaHooks{};
    theme = Theme{};
    toolkit = ToolkitState{};
}

} // namespace zor
