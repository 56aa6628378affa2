#include "qt/program_icon.h"

#include <QImageReader>

namespace rc {

const QIcon& ProgramIcon() {
  static const QIcon icon = [] {
    QIcon made;
    if (QImageReader::supportedImageFormats().contains("svg")) {
      made.addFile(QStringLiteral(":/icons/rectification.svg"));
    }
    made.addFile(QStringLiteral(":/icons/rectification-128.png"), QSize(128, 128));
    return made;
  }();
  return icon;
}

}  // namespace rc
