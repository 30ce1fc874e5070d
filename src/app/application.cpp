#include "app/application.h"

namespace zor {

int runApplication() {
    return 0;
}

} // namespace zor
