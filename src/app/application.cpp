#include "app/application.h"

#include "app/demo_form.h"
#include "render/theme.h"
#include "render/theme_presets.h"
#include "toolkit/message_loop.h"

namespace zor {

int runApplication() {
    LoadStartupTheme(theme);
    buildDemoForm();
    return runMessageLoop();
}

} // namespace zor
