// A demonstration of the toolkit in the main window, shown until the configuration form is built.
#pragma once

namespace zor {

// Builds the main window with a few widgets of every kind.
void buildDemoForm();

} // namespace zor
