// variant-run VARIANT-FILE OUT-DIR [--study KEY:FROM:TO:POINTS]...
// Plays a teacher's variant as one whole student session through the program's own
// windows (on Qt's offscreen platform unless another platform is chosen) and writes
// what the student would see into OUT-DIR (first removing the files of an earlier run);
// each --study adds the study of one input to the transcript.
// Exit status: 0 done, 3 stopped on a fault of the data, 2 a bad command line or a bad
// variant file (nothing written), 1 any other failure.
#include <QCommandLineParser>
#include <QFile>
#include <cstdio>
#include <string>
#include <vector>

#include "qt/command_line.h"
#include "variant_run/variant_session.h"

int main(int argc, char** argv) {
  QCommandLineParser parser;
  rc::BeginCommandLine(parser, "variant-run", QStringLiteral(
      "Plays a teacher's variant as a student's session through the program's windows and\n"
      "writes what the student would see into OUT-DIR."));
  const QCommandLineOption study(
      QStringLiteral("study"),
      QStringLiteral("The study of one input over a range: KEY a data-file key, FROM and TO "
                     "numbers, POINTS 2-201. May be given more than once."),
      QStringLiteral("KEY:FROM:TO:POINTS"));
  parser.addOption(study);
  parser.addPositionalArgument(QStringLiteral("VARIANT-FILE"),
                               QStringLiteral("The variant: the program's own data file (.rcol)."));
  parser.addPositionalArgument(QStringLiteral("OUT-DIR"),
                               QStringLiteral("The folder for the transcript, pictures and PDFs."));
  if (!parser.parse(rc::CommandLineArguments(argc, argv))) {
    return rc::CommandLineFault(parser, parser.errorText());
  }
  if (rc::AnswerHelpOrVersion(parser)) return 0;
  const QStringList args = parser.positionalArguments();
  if (args.size() != 2) {
    return rc::CommandLineFault(
        parser, rc::ArgumentCountProblem(QStringLiteral("VARIANT-FILE and OUT-DIR"), args));
  }
  std::vector<rc::StudyOption> studies;
  for (const QString& text : parser.values(study)) {
    rc::StudyOption option;
    if (const std::string bad = rc::ParseStudyOption(text.toStdString(), option); !bad.empty()) {
      return rc::CommandLineFault(parser, QString::fromStdString(bad));
    }
    studies.push_back(option);
  }
  const rc::VariantRunResult result =
      rc::RunVariantFile(QFile::encodeName(args[0]).toStdString(), args[1], studies);
  if (!result.message.empty()) std::fprintf(stderr, "variant-run: %s\n", result.message.c_str());
  return result.status;
}
