#pragma once
// Replays drawing operations (text at the pen, lines, boxes, filled boxes) on any
// painter. The screen and the printer share it: the scale turns twips into the
// device's pixels, and the font is already made for the device.
#include <QColor>
#include <QFont>
#include <QPainter>
#include <vector>

#include "report/surface.h"

namespace rc {

// Red in the low byte, blue in the high byte.
QColor ToQColor(Colour colour);

// pixelsPerTwip: 1/15 on the screen, resolution/1440 on a printer. Lines are one
// screen pixel (15 twips) wide at any scale.
void ReplayOps(QPainter& painter, const std::vector<DrawOp>& ops, const QFont& font,
               double pixelsPerTwip);

}  // namespace rc
