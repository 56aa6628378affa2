// walkthrough OUT-DIR [VARIANT-FILE]
// Plays one whole student session through the program's own windows (on Qt's
// offscreen platform unless another platform is chosen) and writes a PNG of every
// window state it passes and of every page of both printed reports into OUT-DIR.
// Without a variant file it plays the bubble-cap variant of tools/variants.
// Exit status: 0 done, 2 a bad command line or a bad variant file (nothing written),
// 1 any other failure.
#include <QCommandLineParser>
#include <QFile>
#include <cstdio>

#include "qt/command_line.h"
#include "qt/data_files.h"
#include "walkthrough/default_variant.h"
#include "walkthrough/walkthrough.h"

int main(int argc, char** argv) {
  QCommandLineParser parser;
  rc::BeginCommandLine(parser, "walkthrough", QStringLiteral(
      "Plays one student's session through the program's windows and writes a picture of\n"
      "every window state and printed page into OUT-DIR."));
  parser.addPositionalArgument(QStringLiteral("OUT-DIR"), QStringLiteral("The folder for the pictures."));
  parser.addPositionalArgument(QStringLiteral("VARIANT-FILE"),
                               QStringLiteral("The variant to play; the bubble-cap variant without one."),
                               QStringLiteral("[VARIANT-FILE]"));
  if (!parser.parse(rc::CommandLineArguments(argc, argv))) {
    return rc::CommandLineFault(parser, parser.errorText());
  }
  if (rc::AnswerHelpOrVersion(parser)) return 0;
  const QStringList args = parser.positionalArguments();
  if (args.size() != 1 && args.size() != 2) {
    return rc::CommandLineFault(
        parser, rc::ArgumentCountProblem(QStringLiteral("OUT-DIR and perhaps VARIANT-FILE"), args));
  }
  std::string text = rc::kDefaultWalkthroughVariant;
  const QString variantPath = args.size() == 2 ? args[1] : QString();
  if (!variantPath.isEmpty()) {
    QString reason;
    const std::optional<std::string> read = rc::ReadWholeFile(variantPath, reason);
    if (!read) {
      std::fprintf(stderr, "walkthrough: %s: %s\n", qPrintable(variantPath), qPrintable(reason));
      return 2;
    }
    text = *read;
  }
  rc::Variant variant;
  if (const auto bad = rc::ParseVariant(text, variant)) {
    std::fprintf(stderr, "walkthrough: %s:%d: %s\n",
                 variantPath.isEmpty() ? "(built-in variant)" : qPrintable(variantPath), bad->line,
                 bad->message.c_str());
    return 2;
  }
  const rc::WalkthroughResult result = rc::RunWalkthrough(variant, args[0]);
  for (const QString& picture : result.pictures) std::printf("%s\n", qPrintable(picture));
  if (!result.ok) {
    std::fprintf(stderr, "walkthrough: %s\n", result.message.c_str());
    return 1;
  }
  return 0;
}
