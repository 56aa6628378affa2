#pragma once
// The program's own command-line options, answered before any window or display is
// needed: --version and --help (-h); and the data file to open. Every other argument is
// left to Qt.
#include <optional>
#include <string>

namespace rc {

// The text to print on standard output, and then end with success, when the arguments
// ask for the version or the usage; nullopt when the program is to start as usual.
std::optional<std::string> CommandLineAnswer(int argc, const char* const* argv,
                                             const std::string& version);

// The data file named on the command line: the first argument that is not an option,
// once Qt has taken its own options out of argv; nullopt when there is none.
std::optional<std::string> DataFileArgument(int argc, const char* const* argv);

}  // namespace rc
