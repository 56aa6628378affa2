#include "class/class_variants.h"

#include <algorithm>
#include <cmath>

#include "calc/column_design.h"
#include "class/class_entry.h"
#include "class/class_random.h"
#include "model/number_text.h"
#include "model/text.h"

namespace rc {
namespace {

// The draws of one candidate, by their index in the mix.
enum Draw : std::uint64_t { kFeed, kReflux, kXW, kXF, kXP, kDiameter, kWeir, kPseudoSections };

constexpr int kTypedDigits = 3;
constexpr double kMaxCompositionGap = 0.1;  // [-] the margin kept between XW, XF and XP

float Typed(const Variant& v, const std::string& key) {
  return ReadNumber(NormalizeNumberText(v.Answer(key)));
}

struct Candidate {
  const Variant& base;
  const ClassOptions& options;
  int number;
  int attempt;

  double Unit(Draw d) const {
    return ClassDraw(options.seed, static_cast<std::uint64_t>(number),
                     static_cast<std::uint64_t>(attempt), d);
  }
  // value * (1 + s), s uniform in -spread..spread.
  double Spread(Draw d, double value) const {
    return value * (1 + options.spread / 100 * (2 * Unit(d) - 1));
  }
};

}  // namespace

std::optional<Variant> DrawVariant(const Variant& base, const ClassOptions& options, int number,
                                   int attempt) {
  const Candidate c{base, options, number, attempt};
  Variant v = base;
  v.answers.erase("name");
  v.variant = number;
  auto set = [&](const std::string& key, double value) {
    v.answers[key] = TypedValue(value, kTypedDigits);
  };
  set("p20", c.Spread(kFeed, Typed(base, "p20")));
  set("p19", c.Spread(kReflux, Typed(base, "p19")));
  set("p33", c.Spread(kDiameter, Typed(base, "p33")));
  // One hole, one size: on dual-flow trays the hole diameter moves with the weir height.
  const double weir = c.Spread(kWeir, 1);
  set("p36", Typed(base, "p36") * weir);
  const bool dualFlow = KindOfTrays(base.bubbleCap ? kBubbleCapTrays : kTraysWithoutCaps,
                                    Typed(base, "p34")) == TrayKind::DualFlow;
  if (dualFlow && base.answers.count("p46")) set("p46", Typed(base, "p46") * weir);

  // Pseudo-sections are whole: any count within the spread, at least one.
  const double sections = Typed(base, "p38");
  const double low = std::max(1.0, std::floor(sections * (1 - options.spread / 100)));
  const double high = std::max(low, std::ceil(sections * (1 + options.spread / 100)));
  v.answers["p38"] = DecimalText(static_cast<long long>(low + std::floor(c.Unit(kPseudoSections) * (high - low + 1))));

  // XW and XF spread as they are, XP by its distance from 1, so that it stays below 1.
  const double xw = Typed(base, "xw"), xf = Typed(base, "xf"), xp = Typed(base, "xp");
  set("xw", c.Spread(kXW, xw));
  set("xf", c.Spread(kXF, xf));
  v.answers["xp"] = TypedValue(1 - c.Spread(kXP, 1 - xp), kTypedDigits);

  // The order with margins: half the base's gaps, at most 0.1; inside the first and the
  // last interval of the equilibrium points.
  const double margin = std::min({kMaxCompositionGap, (xf - xw) / 2, (xp - xf) / 2});
  const double nxw = Typed(v, "xw"), nxf = Typed(v, "xf"), nxp = Typed(v, "xp");
  std::vector<float> eqX;
  for (int i = 0; i < 8; ++i) eqX.push_back(Typed(v, "x" + std::to_string(i)));
  std::sort(eqX.begin(), eqX.end());
  if (!(nxw > 0 && nxf - nxw >= margin && nxp - nxf >= margin && nxp < 1 && eqX[0] < nxw &&
        nxw < eqX[1] && eqX[6] < nxp && nxp < eqX[7])) {
    return std::nullopt;
  }
  return v;
}

ClassOutcome MakeClass(const Variant& base, int count, const ClassOptions& options,
                       const std::vector<std::u16string>& names) {
  ClassOutcome out;
  if (const EnteredVariant entered = EnterAnswers(base); !entered.fault.empty()) {
    out.error = "the program refuses the base variant: " + entered.fault;
    out.baseRefused = true;
    return out;
  }
  for (int number = 1; number <= count; ++number) {
    const auto index = static_cast<std::size_t>(number - 1);
    std::string why = "the drawn XW, XF, XP leave their order";
    bool made = false;
    for (int attempt = 0; attempt < kAttemptsPerVariant && !made; ++attempt) {
      std::optional<Variant> candidate = DrawVariant(base, options, number, attempt);
      if (!candidate) continue;
      if (index < names.size()) candidate->answers["name"] = names[index];
      const EnteredVariant entered = EnterAnswers(*candidate);
      if (!entered.fault.empty()) {
        why = entered.fault;
        continue;
      }
      KeyOutcome key = ComputeKey(entered.data, options.trays);
      if (!key.refusal.empty()) {
        why = key.refusal;
        continue;
      }
      if (key.floods && !options.keepFlooding) {
        why = "the column floods above " + std::to_string(static_cast<int>(kFloodingWarning)) + " %";
        ++out.floodingReplaced;
        continue;
      }
      Variant file = DataFileOf(entered.data);
      if (file.Answer("name").empty()) file.answers.erase("name");
      out.variants.push_back({number, std::move(file), std::move(key.values)});
      made = true;
    }
    if (!made) {
      out.variants.clear();
      out.error = "variant " + std::to_string(number) + " cannot be made in " +
                  std::to_string(kAttemptsPerVariant) + " tries; the last: " + why;
      return out;
    }
  }
  return out;
}

std::string VariantFileName(int number, int count) {
  std::string digits = std::to_string(number);
  const std::size_t width = count >= 100 ? 3 : 2;
  if (digits.size() < width) digits.insert(0, width - digits.size(), '0');
  return digits + kVariantExtension;
}

}  // namespace rc
