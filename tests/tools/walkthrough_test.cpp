// The walkthrough played in-process: a picture of every window state, in the windows'
// own colours, and a clear failure when the variant cannot lead through the session.
#include "walkthrough/walkthrough.h"

#include <gtest/gtest.h>

#include <QColor>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QTemporaryDir>

#include "tool_files.h"
#include "walkthrough/default_variant.h"

namespace rc {
namespace {

QString Picture(const QStringList& pictures, const QString& label) {
  for (const QString& p : pictures) {
    if (QFileInfo(p).fileName().mid(3) == label + QStringLiteral(".png")) return p;
  }
  return {};
}

// Each walkthrough writes into a fresh folder.
class Walkthrough : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(dir.isValid()); }
  WalkthroughResult Run(const Variant& variant) { return RunWalkthrough(variant, dir.path()); }
  QTemporaryDir dir;
};

Variant DefaultVariant() {
  Variant variant;
  EXPECT_FALSE(ParseVariant(kDefaultWalkthroughVariant, variant));
  return variant;
}

TEST_F(Walkthrough, PicturesEveryWindowStateAndReportPageOfTheBuiltInVariant) {
  const WalkthroughResult result = Run(DefaultVariant());
  ASSERT_TRUE(result.ok) << result.message;

  const char* states[] = {"start-screen", "rules-screen", "start-screen-again",
                          "entry-prompt-5", "entry-prompt-19", "entry-review-faulty",
                          "fault-display-with-dialog", "error-dialog", "correction-mode",
                          "corrected", "tray-type-question", "parameters-review",
                          "results-menu", "kinetic-line-table", "diagram-kinetic",
                          "report-kinetic-1", "tray-by-tray-table", "diagram-tray-by-tray",
                          "report-tray-by-tray-1", "reflux-study", "full-correction",
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

TEST_F(Walkthrough, ARefusedCalculationIsPicturedAndWhatItHidesIsLeftAlone) {
  const WalkthroughResult result = Run(ReadVariant(kVariants + "/refusing.txt"));
  ASSERT_TRUE(result.ok) << result.message;
  EXPECT_FALSE(Picture(result.pictures, QStringLiteral("kinetic-line-table")).isEmpty());
  // The refusal hid printing and the tray-by-tray button.
  EXPECT_TRUE(Picture(result.pictures, QStringLiteral("report-kinetic-1")).isEmpty());
  EXPECT_TRUE(Picture(result.pictures, QStringLiteral("tray-by-tray-table")).isEmpty());
  EXPECT_FALSE(Picture(result.pictures, QStringLiteral("results-after-correction")).isEmpty());
}

TEST_F(Walkthrough, AVariantThatCannotBeAcceptedIsAFailureWithItsReason) {
  Variant variant = DefaultVariant();
  variant.answers["y3"] = u"0.35";  // below the diagonal: the first stage stays faulty
  const WalkthroughResult result = Run(variant);
  EXPECT_FALSE(result.ok);
  EXPECT_NE(result.message.find("not accepted"), std::string::npos) << result.message;
  EXPECT_FALSE(Picture(result.pictures, QStringLiteral("corrected")).isEmpty());
}

}  // namespace
}  // namespace rc
