#include "qt/font_map.h"

#include <QFontMetricsF>
#include <cmath>

#include "report/printed_reports.h"

namespace rc {
namespace {

const QString kMono = QStringLiteral("Liberation Mono");
const QString kSans = QStringLiteral("Liberation Sans");
const QString kSerif = QStringLiteral("Liberation Serif");
const QString kFallback = QStringLiteral("DejaVu Sans");

QFont Family(const QString& family) {
  QFont font(family);
  font.setStyleHint(family == kMono ? QFont::TypeWriter : QFont::AnyStyle);
  font.setKerning(false);
  return font;
}

}  // namespace

QString FamilyFor(const std::u16string& name) {
  const QString n = QString::fromStdU16String(name).trimmed().toLower();
  if (n == u"courier" || n == u"courier new" || n == u"courier new cyr" || n == u"fixedsys" ||
      n == u"liberation mono")
    return kMono;
  if (n == u"ms sans serif" || n == u"arial" || n == u"arial cyr" || n == u"liberation sans")
    return kSans;
  if (n == u"times new roman" || n == u"times new roman cyr" || n == u"liberation serif")
    return kSerif;
  return kFallback;
}

bool IsFixedPitchName(const std::u16string& name) { return FamilyFor(name) == kMono; }

bool IsPrinterFontName(const std::u16string& name) { return name == kReportFontName; }

bool UsesCellFont(const FontSpec& wanted) {
  return IsFixedPitchName(wanted.name) && !IsPrinterFontName(wanted.name) && wanted.sizePt <= 10.0;
}

QFont ScreenFont(const FontSpec& wanted) {
  QFont font = Family(FamilyFor(wanted.name));
  font.setBold(wanted.bold);
  if (UsesCellFont(wanted)) {
    font.setPixelSize(kCellPixelSize);
    // Widen the natural advance (about 7 px at 11 px) to the 8 px cell.
    const double advance = QFontMetricsF(font).horizontalAdvance(QLatin1Char('0'));
    font.setLetterSpacing(QFont::AbsoluteSpacing, kCellAdvancePx - advance);
    return font;
  }
  font.setPixelSize(std::max(1, static_cast<int>(std::lround(wanted.sizePt * 96.0 / 72.0))));
  return font;
}

QFont PrinterFont(const FontSpec& wanted) {
  QFont font = Family(FamilyFor(wanted.name));
  font.setBold(wanted.bold);
  font.setPointSizeF(IsPrinterFontName(wanted.name) ? kReportFontSizePt : wanted.sizePt);
  return font;
}

namespace {

// The printer font's metrics at its point size [twips]: measured at a large pixel size,
// where hinting no longer rounds, then scaled to the point size (1 pt = 20 twips).
double PrinterTwips(const FontSpec& wanted, double (*measure)(const QFontMetricsF&)) {
  constexpr int kProbePx = 1000;
  QFont probe = Family(FamilyFor(wanted.name));
  probe.setBold(wanted.bold);
  probe.setPixelSize(kProbePx);
  return measure(QFontMetricsF(probe)) / kProbePx * kReportFontSizePt * kTwipsPerPoint;
}

double Height(const QFontMetricsF& metrics) { return metrics.height(); }
double Advance(const QFontMetricsF& metrics) { return metrics.horizontalAdvance(QLatin1Char('0')); }

}  // namespace

double FontLineHeightTwips(const FontSpec& wanted) {
  if (UsesCellFont(wanted)) return kCellLineHeightTwips;
  if (IsPrinterFontName(wanted.name)) return PrinterTwips(wanted, Height);
  return QFontMetricsF(ScreenFont(wanted)).height() * kTwipsPerPixel;
}

double FontCharWidthTwips(const FontSpec& wanted) {
  if (UsesCellFont(wanted)) return kCellAdvancePx * kTwipsPerPixel;
  if (IsPrinterFontName(wanted.name)) return PrinterTwips(wanted, Advance);
  return QFontMetricsF(ScreenFont(wanted)).horizontalAdvance(QLatin1Char('0')) * kTwipsPerPixel;
}

}  // namespace rc
