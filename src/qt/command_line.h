#pragma once
// The program's own command-line options, answered before any window or display is
// needed: --version and --help (-h); and the data file to open. Qt's own options and
// the arguments that are not options are left to Qt; any other option is refused with
// the usage.
#include <optional>
#include <string>

namespace rc {

// The text to print on standard output, and then end with success, when the arguments
// ask for the version or the usage; nullopt when the program is to start as usual.
std::optional<std::string> CommandLineAnswer(int argc, const char* const* argv,
                                             const std::string& version);

// The first argument that looks like an option ("-x", "--xyz") but is neither the
// program's own nor one of Qt's; empty when there is none. "--" ends the options.
std::string UnknownOption(int argc, const char* const* argv);

// What goes to standard error before the program ends with status 2 on such an option:
// the option named, then the usage.
std::string UnknownOptionText(const std::string& option);

// The data file named on the command line: the first argument that is not an option,
// once Qt has taken its own options out of argv; nullopt when there is none.
std::optional<std::string> DataFileArgument(int argc, const char* const* argv);

}  // namespace rc
