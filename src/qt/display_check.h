#pragma once
// Whether a platform to show windows on can be opened, checked before QApplication is
// made: without one, Qt ends the process with a platform-plugin error that does not
// tell the student what to do.
#include <string>

namespace rc {

// Empty when a display (or an explicit Qt platform) is there; otherwise the reason.
std::string MissingDisplayReason();
// The message printed when no display is there, naming the program.
std::string NoDisplayMessage(const std::string& program, const std::string& reason);

}  // namespace rc
