#pragma once
// A plot's picture on Qt's paint devices: the PNG and SVG files, the clipboard's image
// and the picture's save dialog. The picture is replayed as the printed page is, on white.
#include <QImage>
#include <QString>
#include <optional>

#include "ui/toolkit.h"

class QIODevice;
class QWidget;

namespace rc {

// The picture in pixels at kPictureDpi, on white, the dots per inch set in the image.
QImage PictureImage(const PlotPicture& picture);
// The picture as an SVG document, its size in millimetres that of the printed plot.
bool WriteSvg(const PlotPicture& picture, QIODevice& device);
// SVG when the path ends in ".svg" (any case), PNG otherwise; whole or not at all.
bool WritePictureFile(const QString& path, const PlotPicture& picture, QString& error);

// Qt's save dialog for a picture, offering SVG and PNG; the path chosen with the ending
// of the type picked, or nullopt on Cancel.
std::optional<QString> AskPicturePathInDialog(QWidget* parent, const QString& proposedPath);

}  // namespace rc
