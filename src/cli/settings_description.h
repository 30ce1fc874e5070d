// The record's settings as a technician reads them on a terminal.
#pragma once

#include "form/form_model.h"

#include <string>

namespace zor::cli {

// The main function's name as the window's radio shows it.
const char* MainFunctionName(MainFunction function);

// The main function's settings in readable lines.
std::string Describe(const FormModel& form);

} // namespace zor::cli
