#include "form/close_request.h"

#include "form/unsent_question.h"
#include "link/exchange_owner.h"

namespace zor {

bool MainFormCloseRequested(Widget& mainWindow) {
    return MainWindowCloseRequested(mainWindow) && UnsentChangesMayBeLost(u"close without sending them");
}

} // namespace zor
