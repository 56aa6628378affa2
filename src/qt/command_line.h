#pragma once
// Command lines read by Qt's parser, alike in the program and in the teachers' tools:
// --help and --version are answered from the parser; an unknown option or a wrong number
// of arguments is named in one line on standard error, then the usage follows, and the
// program ends with kBadCommandLine.
#include <QCommandLineParser>
#include <QStringList>
#include <string>

namespace rc {

inline constexpr int kBadCommandLine = 2;

// The start of every command line here: names the application programName (as --version
// and the messages give it) with the project's version, and gives the parser the
// description and the --help and --version options.
void BeginCommandLine(QCommandLineParser& parser, const char* programName, const QString& description);

// The arguments as QCoreApplication::arguments() gives them, for a parse before (or
// without) the application object.
QStringList CommandLineArguments(int argc, const char* const* argv);

// The parser's usage, naming the program by its name, not by the path it was started by.
std::string UsageText(const QCommandLineParser& parser);

// Writes "NAME: problem" and then the usage to standard error; returns kBadCommandLine.
int CommandLineFault(const QCommandLineParser& parser, const QString& problem);

// After a parse: writes the usage (--help, --help-all) or "NAME VERSION" (--version) to
// standard output and returns true, or returns false when neither was asked for. Needs
// the parser's help and version options.
bool AnswerHelpOrVersion(const QCommandLineParser& parser);

// "ARGUMENTS expected, not 3: a b c": the arguments a command line gave against those it
// takes, for CommandLineFault.
QString ArgumentCountProblem(const QString& expected, const QStringList& given);

// The program's own command line, named "rectification": --help, --version and at most
// one data file.
void DescribeProgramCommandLine(QCommandLineParser& parser);

// For a command line read before Qt can start (no display): the options that are neither
// the program's nor Qt's own, "неизвестный параметр --bogus", or what else is wrong with
// it; empty when nothing is.
QString ProgramCommandLineProblem(const QStringList& arguments);

}  // namespace rc
