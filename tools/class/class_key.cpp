// Every call of the program's calculations the class tool makes is here.
#include "class/class_key.h"

#include "calc/calculations.h"
#include "calc/kinetic_curve.h"
#include "calc/reflux_sweep.h"
#include "model/text.h"
#include "report/format.h"

namespace rc {
namespace {

constexpr int kCompositionDecimals = 4;  // EMY and compositions, as the tables show them
constexpr int kRefluxDecimals = 4;       // R, as the reflux study writes it

std::string Fixed(double value, int decimals) {
  return ToUtf8(FormatFixed(static_cast<float>(value), 0, static_cast<std::uint8_t>(decimals)));
}

std::string Refused(const char* calculation, const Refusal& r) {
  return std::string(calculation) + " refuses the data: " + ToUtf8(r.message);
}

}  // namespace

const std::vector<KeyColumn>& KeyColumns() {
  static const std::vector<KeyColumn> columns = {
      {"variant", u"ВАРИАНТ", u"ВАР", 0},
      {"trays", u"ОБЩЕЕ ЧИСЛО ТАРЕЛОК", u"N", 0},
      {"feed_tray", u"НОМЕР ТАРЕЛКИ ПИТАНИЯ", u"NПИТ", 0},
      {"emy_first", u"EMY ПЕРВОЙ ТАРЕЛКИ", u"EMY1", kCompositionDecimals},
      {"y_first", u"Y НА ВЫХОДЕ С ПЕРВОЙ ТАРЕЛКИ", u"Y1", kCompositionDecimals},
      {"emy_feed", u"EMY ТАРЕЛКИ ПИТАНИЯ", u"EMYпит", kCompositionDecimals},
      {"y_feed", u"Y НА ВЫХОДЕ С ТАРЕЛКИ ПИТАНИЯ", u"Yпит", kCompositionDecimals},
      {"emy_last", u"EMY ПОСЛЕДНЕЙ ТАРЕЛКИ", u"EMYпосл", kCompositionDecimals},
      {"y_last", u"Y НА ВЫХОДЕ С ПОСЛЕДНЕЙ ТАРЕЛКИ", u"Yпосл", kCompositionDecimals},
      {"yw", u"YW КИНЕТИЧЕСКОЙ ЛИНИИ", u"YW", kCompositionDecimals},
      {"yp", u"YP КИНЕТИЧЕСКОЙ ЛИНИИ", u"YP", kCompositionDecimals},
      {"r_opt", u"R ОПТ", u"Rопт", kRefluxDecimals},
      {"n_opt", u"N ПРИ R ОПТ", u"Nопт", 0},
      // The column results (pressure drop, height, entrainment, heat loads) join here.
  };
  return columns;
}

KeyOutcome ComputeKey(const DesignData& entered, TrayRange range) {
  KeyOutcome out;
  DesignData kinetic = entered;
  if (const auto refusal = ComputeKineticLine(kinetic)) {
    out.refusal = Refused("the kinetic line calculation", *refusal);
    return out;
  }
  const double yw = KineticLineY(kinetic, kinetic.ParamValue[kParamXW]);
  const double yp = KineticLineY(kinetic, kinetic.ParamValue[kParamXP]);

  DesignData column = entered;
  const TrayByTrayOutcome trays = ComputeTrayByTray(column);
  if (trays.refusal) {
    out.refusal = Refused("the tray-by-tray calculation", *trays.refusal);
    return out;
  }
  if (column.FeedTray == kFeedTrayNotFound) {
    out.refusal = "the tray-by-tray calculation finds no feed tray";
    return out;
  }
  if (trays.totalTrays < range.min || trays.totalTrays > range.max) {
    out.refusal = std::to_string(trays.totalTrays) + " trays, outside " +
                  std::to_string(range.min) + "-" + std::to_string(range.max);
    return out;
  }
  const RefluxSweep sweep = SweepRefluxRatio(column);
  if (!sweep.optimum) {
    out.refusal = "the reflux study finds no optimum";
    return out;
  }
  const RefluxPoint& best = sweep.points[static_cast<std::size_t>(*sweep.optimum)];

  const RecordedTrayRows& rec = column.RecordedTrays;
  out.values = {std::to_string(trays.totalTrays), std::to_string(column.FeedTray)};
  for (std::size_t row = 1; row <= 3; ++row) {
    out.values.push_back(Fixed(rec.EMY[row], kCompositionDecimals));
    out.values.push_back(Fixed(rec.VapourY[row], kCompositionDecimals));
  }
  out.values.push_back(Fixed(yw, kCompositionDecimals));
  out.values.push_back(Fixed(yp, kCompositionDecimals));
  out.values.push_back(Fixed(best.reflux, kRefluxDecimals));
  out.values.push_back(std::to_string(best.trays));
  // The column results are appended here, in the order of KeyColumns().
  return out;
}

}  // namespace rc
