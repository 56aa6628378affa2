// walkthrough OUT-DIR [VARIANT-FILE]
// Plays one whole student session through the program's own windows (on Qt's
// offscreen platform unless another platform is chosen) and writes a PNG of every
// window state it passes and of every page of both printed reports into OUT-DIR.
// Without a variant file it plays the bubble-cap variant of tools/variants.
// Exit status: 0 done, 2 a bad variant file (nothing written), 1 any other failure.
#include <QFile>
#include <cstdio>

#include "qt/data_files.h"
#include "walkthrough/default_variant.h"
#include "walkthrough/walkthrough.h"

int main(int argc, char** argv) {
  if (argc != 2 && argc != 3) {
    std::fputs("usage: walkthrough OUT-DIR [VARIANT-FILE]\n", stderr);
    return 1;
  }
  std::string text = rc::kDefaultWalkthroughVariant;
  if (argc == 3) {
    QString reason;
    const std::optional<std::string> read = rc::ReadWholeFile(QFile::decodeName(argv[2]), reason);
    if (!read) {
      std::fprintf(stderr, "walkthrough: %s: %s\n", argv[2], qPrintable(reason));
      return 2;
    }
    text = *read;
  }
  rc::Variant variant;
  if (const auto bad = rc::ParseVariant(text, variant)) {
    std::fprintf(stderr, "walkthrough: %s:%d: %s\n", argc == 3 ? argv[2] : "(built-in variant)",
                 bad->line, bad->message.c_str());
    return 2;
  }
  const rc::WalkthroughResult result = rc::RunWalkthrough(variant, QString::fromLocal8Bit(argv[1]));
  for (const QString& picture : result.pictures) std::printf("%s\n", qPrintable(picture));
  if (!result.ok) {
    std::fprintf(stderr, "walkthrough: %s\n", result.message.c_str());
    return 1;
  }
  return 0;
}
