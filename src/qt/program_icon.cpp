#include "qt/program_icon.h"

#include <QIconEngine>
#include <QImageReader>
#include <QPainter>

namespace rc {
namespace {

// The icon's pictures, read at their first use: the scalable picture where Qt can read
// SVG, and its rendering at 128 pixels.
const QIcon& Pictures() {
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

// Hands every request on to the pictures, which it reads only when a picture is first
// asked for. Reading them loads Qt's image plugins and decodes a PNG: a few
// milliseconds that the first window need not wait for, and never spent where the
// window system shows no icons. Sizes come in device pixels: the pictures are asked
// at a device pixel ratio of 1, so that no ratio is applied twice.
class PicturesOnDemand : public QIconEngine {
 public:
  void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override {
    Pictures().paint(painter, rect, Qt::AlignCenter, mode, state);
  }
  QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
    return Pictures().pixmap(size, 1.0, mode, state);
  }
  QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
    return pixmap(size, mode, state).size();
  }
  QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override {
    return Pictures().availableSizes(mode, state);
  }
  bool isNull() override { return false; }
  QString key() const override { return QStringLiteral("rectification"); }
  QIconEngine* clone() const override { return new PicturesOnDemand; }
};

}  // namespace

const QIcon& ProgramIcon() {
  static const QIcon icon(new PicturesOnDemand);
  return icon;
}

}  // namespace rc
