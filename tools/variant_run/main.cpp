// variant-run VARIANT-FILE OUT-DIR [--study KEY:FROM:TO:POINTS]...
// Plays a teacher's variant as one whole student session through the program's own
// windows (on Qt's offscreen platform unless another platform is chosen) and writes
// what the student would see into OUT-DIR (first removing the files of an earlier run);
// each --study adds the study of one input to the transcript.
// Exit status: 0 done, 3 stopped on a fault of the data, 2 a bad variant file or a bad
// option (nothing written), 1 any other failure.
#include <QCommandLineParser>
#include <QStringList>
#include <cstdio>
#include <string>
#include <vector>

#include "variant_run/variant_session.h"

namespace {

constexpr char kUsage[] = "usage: variant-run VARIANT-FILE OUT-DIR [--study KEY:FROM:TO:POINTS]...\n";

int BadCommandLine(const std::string& message) {
  std::fprintf(stderr, "variant-run: %s\n%s", message.c_str(), kUsage);
  return rc::kVariantFileError;
}

}  // namespace

int main(int argc, char** argv) {
  QStringList arguments;
  for (int i = 0; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);
  QCommandLineParser parser;
  const QCommandLineOption study(QStringLiteral("study"),
                                 QStringLiteral("The study of one input over a range."),
                                 QStringLiteral("KEY:FROM:TO:POINTS"));
  parser.addOption(study);
  if (!parser.parse(arguments)) return BadCommandLine(parser.errorText().toStdString());
  const QStringList positional = parser.positionalArguments();
  if (positional.size() != 2) {
    std::fputs(kUsage, stderr);
    return rc::kVariantRunFailed;
  }
  std::vector<rc::StudyOption> studies;
  for (const QString& text : parser.values(study)) {
    rc::StudyOption option;
    if (const std::string bad = rc::ParseStudyOption(text.toStdString(), option); !bad.empty()) {
      return BadCommandLine(bad);
    }
    studies.push_back(option);
  }
  const rc::VariantRunResult result =
      rc::RunVariantFile(positional[0].toLocal8Bit().toStdString(), positional[1], studies);
  if (!result.message.empty()) std::fprintf(stderr, "variant-run: %s\n", result.message.c_str());
  return result.status;
}
