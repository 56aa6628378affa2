#include "qt/pictures.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QPainter>
#include <QSvgGenerator>
#include <cmath>

#include "qt/data_files.h"
#include "qt/font_map.h"
#include "qt/surface_painter.h"

namespace rc {
namespace {

constexpr double kMetresPerInch = 0.0254;

int Pixels(double twips) {
  return std::max(1, static_cast<int>(std::lround(twips / kTwipsPerInch * kPictureDpi)));
}

void Draw(QPainter& painter, const PlotPicture& picture, const QSize& size) {
  painter.fillRect(QRect(QPoint(0, 0), size), Qt::white);
  ReplayOps(painter, picture.ops, PrinterFont(picture.font), kPictureDpi / kTwipsPerInch);
}

const QString kSvgFilter = QStringLiteral("Рисунок SVG (*.svg)");
const QString kPngFilter = QStringLiteral("Рисунок PNG, 300 точек на дюйм (*.png)");

bool IsSvgPath(const QString& path) { return path.endsWith(QStringLiteral(".svg"), Qt::CaseInsensitive); }

}  // namespace

QImage PictureImage(const PlotPicture& picture) {
  const QSize size(Pixels(picture.widthTwips), Pixels(picture.heightTwips));
  QImage image(size, QImage::Format_RGB32);
  const int dotsPerMetre = static_cast<int>(std::lround(kPictureDpi / kMetresPerInch));
  image.setDotsPerMeterX(dotsPerMetre);
  image.setDotsPerMeterY(dotsPerMetre);
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setRenderHint(QPainter::TextAntialiasing);
  Draw(painter, picture, size);
  return image;
}

bool WriteSvg(const PlotPicture& picture, QIODevice& device) {
  const QSize size(Pixels(picture.widthTwips), Pixels(picture.heightTwips));
  QSvgGenerator svg;
  svg.setOutputDevice(&device);
  svg.setResolution(kPictureDpi);
  svg.setSize(size);
  svg.setViewBox(QRect(QPoint(0, 0), size));
  svg.setTitle(QStringLiteral("rectification"));
  QPainter painter;
  if (!painter.begin(&svg)) return false;
  Draw(painter, picture, size);
  return painter.end();
}

bool WritePictureFile(const QString& path, const PlotPicture& picture, QString& error) {
  if (IsSvgPath(path)) {
    return WriteWholeFile(path, [&picture](QIODevice& file) { return WriteSvg(picture, file); }, error);
  }
  const QImage image = PictureImage(picture);
  return WriteWholeFile(path, [&image](QIODevice& file) { return image.save(&file, "PNG"); }, error);
}

std::optional<QString> AskPicturePathInDialog(QWidget* parent, const QString& proposedPath) {
  QFileDialog dialog(parent, QStringLiteral("Сохранить рисунок"));
  dialog.setOption(QFileDialog::DontUseNativeDialog);
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setFileMode(QFileDialog::AnyFile);
  dialog.setNameFilters({kSvgFilter, kPngFilter});
  dialog.setDefaultSuffix(QStringLiteral("svg"));
  dialog.setWindowModality(Qt::ApplicationModal);
  const QFileInfo proposed(proposedPath);
  const QString folder = proposed.absolutePath();
  if (QFileInfo(folder).isDir()) dialog.setDirectory(folder);
  dialog.selectFile(proposed.fileName());
  // The ending follows the type picked, so the name typed gets the picked type's ending.
  QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog, [&dialog](const QString& filter) {
    dialog.setDefaultSuffix(filter == kPngFilter ? QStringLiteral("png") : QStringLiteral("svg"));
  });
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
  QString path = dialog.selectedFiles().front();
  const bool png = dialog.selectedNameFilter() == kPngFilter;
  const QString suffix = QFileInfo(path).suffix().toLower();
  if (suffix != QStringLiteral("svg") && suffix != QStringLiteral("png")) {
    path += png ? QStringLiteral(".png") : QStringLiteral(".svg");
  }
  return path;
}

}  // namespace rc
