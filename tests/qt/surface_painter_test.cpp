// Replaying drawing operations: skipping the hidden parts of filled boxes, and painting
// boxes side by side a row at a time, changes nothing on the screen; boxes cover their
// corners.
#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <algorithm>

#include "qt/font_map.h"
#include "qt/surface_painter.h"
#include "qt_session.h"

namespace rc {
namespace {

// offset: where the painter's origin stands on the image, as for a control inside a
// window.
QImage Replay(const std::vector<DrawOp>& ops, QPoint offset = {}) {
  QImage image(200, 150, QImage::Format_RGB32);
  image.fill(Qt::white);
  QPainter painter(&image);
  painter.translate(offset);
  ReplayOps(painter, ops, ScreenFont({u"Courier", 9.75, false}), 1.0 / 15);
  return image;
}

// The same boxes painted one over the other in full.
QImage PaintedInFull(const std::vector<DrawOp>& ops, QPoint offset = {}) {
  QImage image(200, 150, QImage::Format_RGB32);
  image.fill(Qt::white);
  QPainter painter(&image);
  painter.translate(offset);
  for (const DrawOp& op : ops) {
    const QRect r(QPoint(static_cast<int>(op.x1 / 15), static_cast<int>(op.y1 / 15)),
                  QPoint(static_cast<int>(op.x2 / 15), static_cast<int>(op.y2 / 15)));
    if (op.kind == DrawOp::Kind::FilledBox) painter.fillRect(r, ToQColor(op.colour));
    if (op.kind == DrawOp::Kind::Line) {
      painter.setPen(ToQColor(op.colour));
      painter.drawLine(r.topLeft(), r.bottomRight());
    }
  }
  return image;
}

TEST(SurfacePainter, AGradientOfOverlappingBoxesLooksAsIfEveryBoxWerePainted) {
  testing::TestApp();
  Surface surface;
  const int width = 200, height = 150;
  for (int i = 0; i <= width; ++i)
    surface.FilledBox(i * 15, 0, width * 15, (height + 10) * 15,
                      Rgb(150, 50, 255 - (i * 255) / width));
  surface.Line(0, 750, 3000, 750, kRed);                 // a line between the boxes
  surface.FilledBox(600, 300, 1500, 1200, Rgb(0, 255, 0));  // a box over a part of them
  surface.FilledBox(900, 600, 1200, 900, Rgb(0, 0, 0));     // and one inside that
  const QImage replayed = Replay(surface.Ops());
  EXPECT_EQ(replayed, PaintedInFull(surface.Ops()));
  EXPECT_EQ(QColor(replayed.pixel(0, 0)), QColor(150, 50, 255));
  EXPECT_EQ(QColor(replayed.pixel(199, 0)), QColor(150, 50, 2));  // box 199 of 200
  EXPECT_EQ(QColor(replayed.pixel(70, 50)), QColor(0, 0, 0));
}

// Boxes side by side over the same rows are painted as one row of pixels copied down:
// where they leave a gap, what was drawn before shows; a box over other rows, or
// reaching past the image, is painted as it is; wherever the painter's origin stands.
TEST(SurfacePainter, BoxesSideBySideLookAsIfEveryBoxWerePainted) {
  testing::TestApp();
  Surface surface;
  surface.Line(0, 750, 3000, 750, kRed);                     // row 50, under the boxes
  surface.FilledBox(300, 300, 600, 1200, kBlue);             // columns 20..40, rows 20..80
  surface.FilledBox(615, 300, 900, 1200, kGreen);            // 41..60, the same rows
  surface.FilledBox(1200, 300, 1500, 1200, Rgb(90, 0, 90));  // 80..100: a gap 61..79
  surface.FilledBox(1515, 450, 1800, 1050, kBlack);          // 101..120 on rows 30..70
  surface.FilledBox(2700, 1500, 90000, 90000, kGreen);       // from 180, 100 to far outside
  for (const QPoint offset : {QPoint(0, 0), QPoint(7, -3)}) {
    SCOPED_TRACE(offset.x());
    const QImage replayed = Replay(surface.Ops(), offset);
    EXPECT_EQ(replayed, PaintedInFull(surface.Ops(), offset));
    const auto at = [&](int x, int y) { return QColor(replayed.pixel(x + offset.x(), y + offset.y())); };
    EXPECT_EQ(at(40, 50), QColor(0, 0, 255));
    EXPECT_EQ(at(41, 50), QColor(0, 255, 0));
    EXPECT_EQ(at(70, 50), QColor(255, 0, 0));  // the line in the gap
    EXPECT_EQ(at(70, 40), QColor(Qt::white));
    EXPECT_EQ(at(80, 50), QColor(90, 0, 90));
    EXPECT_EQ(at(110, 25), QColor(Qt::white));
    EXPECT_EQ(at(110, 30), QColor(0, 0, 0));
    EXPECT_EQ(at(185, 140), QColor(0, 255, 0));
  }
}

TEST(SurfacePainter, BoxesAndFilledBoxesCoverBothCorners) {
  testing::TestApp();
  Surface surface;
  surface.FilledBox(150, 150, 300, 300, kBlue);  // pixels 10..20
  surface.Box(600, 600, 900, 900, kRed);         // outline on pixels 40 and 60
  const QImage image = Replay(surface.Ops());
  EXPECT_EQ(QColor(image.pixel(10, 10)), QColor(0, 0, 255));
  EXPECT_EQ(QColor(image.pixel(20, 20)), QColor(0, 0, 255));
  EXPECT_EQ(QColor(image.pixel(21, 21)), QColor(Qt::white));
  EXPECT_EQ(QColor(image.pixel(40, 50)), QColor(255, 0, 0));
  EXPECT_EQ(QColor(image.pixel(60, 50)), QColor(255, 0, 0));
  EXPECT_EQ(QColor(image.pixel(50, 50)), QColor(Qt::white));
}

// The plots' operations: a clip keeps a curve and a box inside it, and a box under a
// clip hides nothing of what lies outside the clip; markers and anchored text are
// placed where they are asked for.
TEST(SurfacePainter, ClippedCurvesAndBoxesStayInsideAndMarkersAndTextWhereAsked) {
  testing::TestApp();
  Surface surface;
  surface.FilledBox(0, 0, 3000, 2250, kBlue);
  surface.ClipTo(300, 300, 1500, 1500);                 // pixels 20..100
  surface.FilledBox(0, 0, 3000, 2250, kGreen);          // fills only the clip
  surface.Polyline({{0, 750}, {3000, 750}}, kRed, 45);  // 3 px, crosses the clip
  surface.NoClip();
  surface.Marker(2250, 1800, 150, kBlack, MarkerShape::Square);  // 10 px at 150, 120
  surface.TextAt(2700, 150, u"XP", kBlack, TextAnchor::End);     // ends at pixel 180
  const QImage image = Replay(surface.Ops());
  EXPECT_EQ(QColor(image.pixel(10, 10)), QColor(0, 0, 255));   // outside the clip
  EXPECT_EQ(QColor(image.pixel(30, 30)), QColor(0, 255, 0));   // inside
  EXPECT_EQ(QColor(image.pixel(60, 50)), QColor(255, 0, 0));   // the curve inside
  EXPECT_EQ(QColor(image.pixel(150, 50)), QColor(0, 0, 255));  // and not beyond
  EXPECT_EQ(QColor(image.pixel(150, 120)), QColor(0, 0, 0));
  EXPECT_EQ(QColor(image.pixel(150, 130)), QColor(0, 0, 255));
  int textLeft = 200, textRight = -1;
  for (int y = 10; y < 24; ++y) {
    for (int x = 100; x < 200; ++x) {
      if (QColor(image.pixel(x, y)).blue() < 128) {
        textLeft = std::min(textLeft, x);
        textRight = std::max(textRight, x);
      }
    }
  }
  EXPECT_LE(textRight, 180);
  EXPECT_GE(textRight, 176);
  EXPECT_GE(textLeft, 180 - 2 * 8);  // two characters of the 8 px cell
}

}  // namespace
}  // namespace rc
