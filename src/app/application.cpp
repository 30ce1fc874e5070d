#include "app/application.h"

#include "app/demo_form.h"
#include "toolkit/message_loop.h"

namespace zor {

int runApplication() {
    buildDemoForm();
    return runMessageLoop();
}

} // namespace zor
