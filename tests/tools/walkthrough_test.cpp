// The walkthrough played in-process: a picture of every window state, in the windows'
// own colours, and a clear failure when the variant cannot lead through the session.
#include "walkthrough/walkthrough.h"

#include <gtest/gtest.h>

#include <QColor>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QTemporaryDir>

#include "walkthrough/default_variant.h"

namespace rc {
namespace {

QString Picture(const QStringList& pictures, const QString& label) {
  for (const QString& p : pictures) {
    if (QFileInfo(p).fileName().mid(3) == label + QStringLiteral(".png")) return p;
  }
  return {};
}

TEST(Walkthrough, PicturesEveryWindowStateAndReportPageOfTheBuiltInVariant) {
  Variant variant;
  ASSERT_FALSE(ParseVariant(kDefaultWalkthroughVariant, variant));
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  const WalkthroughResult result = RunWalkthrough(variant, dir.path());
  ASSERT_TRUE(result.ok) << result.message;

  const char* states[] = {"start-screen", "rules-screen", "start-screen-again",
                          "entry-prompt-5", "entry-prompt-19", "entry-review-faulty",
                          "fault-display-with-dialog", "error-dialog", "correction-mode",
                          "corrected", "tray-type-question", "parameters-review",
                          "results-menu", "kinetic-line-table", "diagram-kinetic",
                          "report-kinetic-1", "tray-by-tray-table", "diagram-tray-by-tray",
                          "report-tray-by-tray-1", "full-correction",
                          "results-after-correction", "diagram-after-correction"};
  for (const char* state : states) {
    const QString path = Picture(result.pictures, QString::fromLatin1(state));
    ASSERT_FALSE(path.isEmpty()) << state;
    EXPECT_FALSE(QImage(path).isNull()) << state;
  }
  // The windows' own colours: the start screen's gradient begins in violet, the
  // results window is yellow, the entry list green.
  const QImage start(Picture(result.pictures, QStringLiteral("start-screen")));
  EXPECT_EQ(start.pixelColor(1, start.height() / 2), QColor(150, 50, 255));
  const QImage results(Picture(result.pictures, QStringLiteral("results-menu")));
  EXPECT_EQ(results.pixelColor(5, 5), QColor(255, 255, 0));
  const QImage review(Picture(result.pictures, QStringLiteral("entry-review-faulty")));
  EXPECT_EQ(review.pixelColor(75, 1500 / 15), QColor(0, 255, 0));
  // The report page is printed black on white.
  const QImage page(Picture(result.pictures, QStringLiteral("report-kinetic-1")));
  EXPECT_EQ(page.pixelColor(2, 2), QColor(255, 255, 255));
}

TEST(Walkthrough, ARefusedCalculationIsPicturedAndWhatItHidesIsLeftAlone) {
  QFile file(QStringLiteral(RC_VARIANTS_DIR "/refusing.txt"));
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  Variant variant;
  ASSERT_FALSE(ParseVariant(file.readAll().toStdString(), variant));
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  const WalkthroughResult result = RunWalkthrough(variant, dir.path());
  ASSERT_TRUE(result.ok) << result.message;
  EXPECT_FALSE(Picture(result.pictures, QStringLiteral("kinetic-line-table")).isEmpty());
  // The refusal hid printing and the tray-by-tray button.
  EXPECT_TRUE(Picture(result.pictures, QStringLiteral("report-kinetic-1")).isEmpty());
  EXPECT_TRUE(Picture(result.pictures, QStringLiteral("tray-by-tray-table")).isEmpty());
  EXPECT_FALSE(Picture(result.pictures, QStringLiteral("results-after-correction")).isEmpty());
}

TEST(Walkthrough, AVariantThatCannotBeAcceptedIsAFailureWithItsReason) {
  Variant variant;
  ASSERT_FALSE(ParseVariant(kDefaultWalkthroughVariant, variant));
  variant.answers["y3"] = u"0.35";  // below the diagonal: the first stage stays faulty
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  const WalkthroughResult result = RunWalkthrough(variant, dir.path());
  EXPECT_FALSE(result.ok);
  EXPECT_NE(result.message.find("not accepted"), std::string::npos) << result.message;
  EXPECT_FALSE(Picture(result.pictures, QStringLiteral("corrected")).isEmpty());
}

}  // namespace
}  // namespace rc
