#pragma once
#include <string>

#include "ui/application.h"

namespace rc {

// Opens the start screen.
void StartProgram(Application& app);
// Opens the start screen and on it the data file at path (OpenDataFile): a file that
// cannot be opened leaves the start screen with its message.
void StartProgramWithFile(Application& app, const std::u16string& path);

}  // namespace rc
