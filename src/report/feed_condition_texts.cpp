#include "report/feed_condition_texts.h"

#include "report/format.h"

namespace rc {
namespace {

constexpr std::uint8_t kValueWidth = 12;
constexpr std::uint8_t kDecimals = 4;

std::u16string Word(const char16_t* word) {
  const std::u16string text = word;
  return PadWidth(text, kValueWidth) + text;
}

std::u16string Value(const std::optional<double>& v, char16_t separator) {
  if (!v) return Word(u"none");
  return FormatFixed(static_cast<float>(*v), kValueWidth, kDecimals, separator);
}

const char16_t* PinchWord(Pinch p) {
  switch (p) {
    case Pinch::Feed: return u" feed";
    case Pinch::Upper: return u" upper";
    case Pinch::Lower: return u" lower";
  }
  return u"";
}

const char16_t* PinchPlace(Pinch p) {
  switch (p) {
    case Pinch::Feed: return u"у питания";
    case Pinch::Upper: return u"в укрепляющей части";
    case Pinch::Lower: return u"в исчерпывающей части";
  }
  return u"";
}

}  // namespace

std::vector<std::u16string> FeedConditionTranscriptLines(const FeedCondition& f,
                                                         char16_t separator) {
  const auto value = [separator](const std::optional<double>& v) { return Value(v, separator); };
  const std::optional<MinimumReflux>& m = f.minimum;
  std::vector<std::u16string> lines = {
      u"q             " + value(f.q),
      u"q-line slope  " + (f.qLineSlope ? value(f.qLineSlope) : Word(u"vertical")),
      u"cross x       " + value(f.crossX),
      u"cross y       " + value(f.crossY),
      u"L/V above     " + value(f.liquidToVapourAbove),
      u"L/V below     " + value(f.liquidToVapourBelow),
      u"w above, m/s  " + value(f.velocityAbove),
      u"w below, m/s  " + value(f.velocityBelow),
      u"pinch x       " + value(m ? std::optional(m->pinchX) : std::nullopt),
      u"pinch y       " + value(m ? std::optional(m->pinchY) : std::nullopt),
      u"R min         " + value(m ? std::optional(m->reflux) : std::nullopt) +
          (m ? PinchWord(m->governs) : u""),
      u"R / R min     " + value(f.refluxOverMinimum)};
  return lines;
}

std::u16string FeedLineLegend(double q, char16_t separator) {
  return u"линия питания, q = " + FormatFixed(static_cast<float>(q), 1, 2, separator);
}

std::u16string MinimumRefluxLine(const FeedCondition& f, char16_t separator) {
  if (!f.minimum || !f.refluxOverMinimum) return {};
  const auto number = [separator](double v) {
    return FormatFixed(static_cast<float>(v), 1, 2, separator);
  };
  return u"R мин = " + number(f.minimum->reflux) + u" (пинч " + PinchPlace(f.minimum->governs) +
         u"), R/R мин = " + number(*f.refluxOverMinimum);
}

std::u16string BelowMinimumRefluxText(const Refusal& refusal, char16_t separator) {
  if (!refusal.minimumReflux) return {};
  return u"R меньше минимального флегмового числа R мин = " +
         FormatFixed(static_cast<float>(*refusal.minimumReflux), 1, 2, separator) +
         u": разделение невозможно";
}

}  // namespace rc
