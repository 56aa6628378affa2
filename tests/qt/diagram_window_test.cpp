// The diagram window on the screen (offscreen platform) and on paper: data values land
// on the pixels the plot frame maps them to, and the printed page is drawn in vector
// operations, with no picture in it.
#include <gtest/gtest.h>

#include "calc/operating_lines.h"

#include <QFileInfo>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>

#include "qt/qt_session.h"
#include "report/yx_diagram.h"
#include "support/design_fixtures.h"
#include "ui/form11.h"
#include "ui/form7.h"
#include "ui/yx_diagram_view.h"

namespace rc {
namespace {

using testing::QtSession;

constexpr double kTwipsPerPx = 15.0;

// The diagram window after both calculations on the bubble-cap column.
struct OpenDiagram : ::testing::Test {
  QtSession session;
  Form11* window = nullptr;
  void SetUp() override {
    Application& app = session.app;
    app.data() = BenzeneTolueneBubbleCap();
    session.toolkit.RunEvent([&] { OpenResultsMenu(app); });
    Form7& menu = app.Form<Form7>();
    session.toolkit.RunEvent([&] { menu.RunKineticLine(); });
    session.toolkit.RunEvent([&] { menu.RunTrayByTray(); });
    session.toolkit.RunEvent([&] { OpenDiagramWindow(app); });
    window = app.FindForm<Form11>();
  }
};

// Whether any pixel within one of (x, y) [px] passes the test.
template <class Test>
bool Near(const QImage& image, double x, double y, Test test) {
  for (int dx = -1; dx <= 1; ++dx) {
    for (int dy = -1; dy <= 1; ++dy) {
      const QColor c = image.pixelColor(static_cast<int>(std::lround(x)) + dx,
                                        static_cast<int>(std::lround(y)) + dy);
      if (test(c)) return true;
    }
  }
  return false;
}

bool Is(const QColor& c, Colour colour, int tolerance) {
  const QColor want(colour & 0xFF, (colour >> 8) & 0xFF, (colour >> 16) & 0xFF);
  return std::abs(c.red() - want.red()) <= tolerance && std::abs(c.green() - want.green()) <= tolerance &&
         std::abs(c.blue() - want.blue()) <= tolerance;
}

TEST_F(OpenDiagram, DataValuesLandOnTheirPixels) {
  ASSERT_NE(window, nullptr);
  const QImage image = session.toolkit.Grab(*window);
  ASSERT_FALSE(image.isNull());
  testing::SavePng(image, QStringLiteral("diagram-window"));
  // The unit square stands 460 px wide from pixel 70, 30 down to 530, 490: composition
  // 0 at x 70 and y 490, composition 1 at x 530 and y 30.
  const TwipRect area = YXDiagramView::PlotArea();
  ASSERT_EQ(std::make_tuple(area.left, area.top, area.Width(), area.Height()),
            std::make_tuple(70 * kTwipsPerPx, 30 * kTwipsPerPx, 460 * kTwipsPerPx, 460 * kTwipsPerPx));
  const auto px = [](double x, double y) { return std::pair{70 + 460 * x, 490 - 460 * y}; };
  const auto frameLine = [](const QColor& c) { return Is(c, kPlotFrameColour, 40); };
  const auto white = [](const QColor& c) { return Is(c, kPlotBackColour, 0); };

  // The corners of the unit square are the frame's; just inside them the plot is white.
  struct Corner {
    double x, y;
    int inX, inY;  // [px] towards the inside, clear of the lines that start there
  };
  for (const Corner& c : {Corner{0, 0, 4, -2}, Corner{1, 1, -2, 6}, Corner{0, 1, 3, 3}, Corner{1, 0, -3, -3}}) {
    SCOPED_TRACE(::testing::PrintToString(std::pair{c.x, c.y}));
    const auto [x, y] = px(c.x, c.y);
    EXPECT_TRUE(Near(image, x, y, frameLine));
    EXPECT_TRUE(white(image.pixelColor(static_cast<int>(std::lround(x)) + c.inX,
                                       static_cast<int>(std::lround(y)) + c.inY)));
  }

  // The feed point joins the two operating lines.
  const DesignData& data = session.app.data();
  const double xf = data.ParamValue[kParamXF];
  Guard g;
  const auto [fx, fy] = px(xf, OperatingLineY(g, ColumnParameters::From(data), xf));
  EXPECT_TRUE(Near(image, fx, fy, [](const QColor& c) { return Is(c, kOperatingColour, 60); }));

  // Tray 2's step: up at its liquid from the vapour of tray 1 to its own, in the
  // staircase's colour at both corners and half way up.
  const double x2 = data.TrayX[2];
  const auto step = [](const QColor& c) { return Is(c, kStaircaseColour, 60); };
  for (const double y : {static_cast<double>(data.TrayY[1]), (data.TrayY[1] + data.TrayY[2]) / 2.0,
                         static_cast<double>(data.TrayY[2])}) {
    const auto [sx, sy] = px(x2, y);
    EXPECT_TRUE(Near(image, sx, sy, step)) << y;
  }
  // Away from every line, between the kinetic and the equilibrium curve at x 0.15, y 0.9.
  const auto [ex, ey] = px(0.15, 0.9);
  EXPECT_TRUE(white(image.pixelColor(static_cast<int>(ex) + 5, static_cast<int>(ey) + 5)));
}

TEST_F(OpenDiagram, PrintedPageIsVectorDrawingWithNoPicture) {
  ASSERT_NE(window, nullptr);
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  const QString pdf = dir.filePath(QStringLiteral("diagram.pdf"));
  session.toolkit.SetPdfOutput(pdf);
  session.toolkit.RunEvent([&] { window->printButton.onClick(); });
  ASSERT_EQ(session.toolkit.WrittenPdfs().size(), 1);
  EXPECT_LT(QFileInfo(pdf).size(), 200 * 1024);

  QProcess images;
  images.start(QStringLiteral("pdfimages"), {QStringLiteral("-list"), pdf});
  ASSERT_TRUE(images.waitForFinished(30000));
  const QStringList lines = QString::fromUtf8(images.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts);
  EXPECT_EQ(lines.size(), 2) << lines.join('\n').toStdString();  // the two heading lines only

  // Rendered, the page shows the operating lines: they are drawn, not pictured.
  QProcess render;
  const QString stem = dir.filePath(QStringLiteral("page"));
  render.start(QStringLiteral("pdftoppm"), {QStringLiteral("-png"), QStringLiteral("-r"), QStringLiteral("50"),
                                           QStringLiteral("-f"), QStringLiteral("1"), QStringLiteral("-l"),
                                           QStringLiteral("1"), QStringLiteral("-singlefile"), pdf, stem});
  ASSERT_TRUE(render.waitForFinished(30000));
  const QImage page(stem + QStringLiteral(".png"));
  ASSERT_FALSE(page.isNull());
  int blue = 0;
  for (int y = 0; y < page.height(); ++y) {
    for (int x = 0; x < page.width(); ++x) blue += Is(page.pixelColor(x, y), kOperatingColour, 60);
  }
  EXPECT_GT(blue, 100);
}

}  // namespace
}  // namespace rc
