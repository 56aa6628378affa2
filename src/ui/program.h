#pragma once
#include "ui/application.h"

namespace rc {

// Opens the start screen.
void StartProgram(Application& app);

}  // namespace rc
