// Font names mapped to installed faces, and the line heights the tables depend on.
#include <gtest/gtest.h>

#include <QFontInfo>
#include <QFontMetricsF>

#include "qt/font_map.h"
#include "qt_session.h"

namespace rc {
namespace {

TEST(QtFonts, NamesFromTheWindowsMapToInstalledFaces) {
  testing::TestApp();
  struct Case {
    const char16_t* name;
    const char* family;
    bool fixed;
  };
  for (const Case& c : {Case{u"Courier", "Liberation Mono", true},
                        Case{u"Courier New", "Liberation Mono", true},
                        Case{u"Courier New Cyr", "Liberation Mono", true},
                        Case{u"MS Sans Serif", "Liberation Sans", false},
                        Case{u"Arial", "Liberation Sans", false},
                        Case{u"Times New Roman", "Liberation Serif", false},
                        Case{u"Wingdings", "DejaVu Sans", false}}) {
    const QFont font = ScreenFont({c.name, 12, false});
    const QFontInfo info(font);
    EXPECT_EQ(info.family(), QString::fromLatin1(c.family)) << QString::fromStdU16String(c.name).toStdString();
    EXPECT_EQ(info.fixedPitch(), c.fixed) << QString::fromStdU16String(c.name).toStdString();
  }
}

TEST(QtFonts, TheCellFontFitsTheResultTables) {
  testing::TestApp();
  for (const FontSpec& wanted : {FontSpec{u"Courier", 9.75, false}, FontSpec{u"Courier", 9.75, true},
                               FontSpec{u"Courier New", 9, false}}) {
    const QFontMetricsF metrics(ScreenFont(wanted));
    EXPECT_LE(metrics.height(), 13.0);
    // 68 characters in 544 px (8160 twips), each character 8 px (120 twips).
    EXPECT_NEAR(metrics.horizontalAdvance(QString(68, QLatin1Char('8'))), 544.0, 0.5);
    EXPECT_NEAR(metrics.horizontalAdvance(QStringLiteral("ЖЖЖЖ")), 32.0, 0.5);
    EXPECT_EQ(FontLineHeightTwips(wanted), 195.0);
  }
}

TEST(QtFonts, LineHeightsOfThePrinterAndLargerFonts) {
  testing::TestApp();
  const double printer = FontLineHeightTwips({u"Courier New Cyr", 8.25, false});
  EXPECT_LE(printer, 185.0);
  EXPECT_GE(printer, 160.0);
  // A large window font: its own line spacing, well above the cell line.
  const double title = FontLineHeightTwips({u"Courier", 12, true});
  EXPECT_GT(title, 195.0);
  EXPECT_LT(title, 400.0);
}

}  // namespace
}  // namespace rc
