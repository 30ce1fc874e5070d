#include "support/test_machine.h"

#include "platform/test_input.h"

namespace zor::testing {

void ResetTestMachine() {
    platform::testing::mouseAway();
    platform::testing::destroyAllWindows();
}

} // namespace zor::testing
