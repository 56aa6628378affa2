// Every call of the program's calculations the class tool makes is here.
#include "class/class_key.h"

#include "calc/calculations.h"
#include "calc/column_design.h"
#include "calc/column_input.h"
#include "calc/kinetic_curve.h"
#include "calc/reflux_sweep.h"
#include "model/data_file.h"
#include "model/text.h"
#include "report/format.h"

namespace rc {
namespace {

constexpr int kCompositionDecimals = 4;  // EMY and compositions, as the tables show them
constexpr int kRefluxDecimals = 4;       // R, as the reflux study writes it
constexpr char16_t kMoleFraction[] = u"МОЛЬН.ДОЛИ";
// The column's results the key gives, where the variant gives its third stage; blank where
// a value cannot be computed (the flooding of dual-flow trays, a reboiler duty not
// positive).
constexpr const char* kColumnResults[] = {"dp_total", "height", "flood_max", "q_cond", "q_reb"};

std::string Fixed(double value, int decimals) {
  return ToUtf8(FormatFixed(static_cast<float>(value), 0, static_cast<std::uint8_t>(decimals)));
}

std::string Refused(const char* calculation, const Refusal& r) {
  return std::string(calculation) + " refuses the data: " + ToUtf8(r.Message());
}

}  // namespace

const std::vector<KeyColumn>& KeyColumns() {
  static const std::vector<KeyColumn> columns = [] {
    std::vector<KeyColumn> c = {
      {"variant", u"ВАРИАНТ", u"", u"ВАР", 0},
      {"trays", u"ОБЩЕЕ ЧИСЛО ТАРЕЛОК", u"ШТ.", u"N", 0},
      {"feed_tray", u"НОМЕР ТАРЕЛКИ ПИТАНИЯ", u"", u"NПИТ", 0},
      {"emy_first", u"EMY ПЕРВОЙ ТАРЕЛКИ", u"", u"EMY1", kCompositionDecimals},
      {"y_first", u"Y НА ВЫХОДЕ С ПЕРВОЙ ТАРЕЛКИ", kMoleFraction, u"Y1", kCompositionDecimals},
      {"emy_feed", u"EMY ТАРЕЛКИ ПИТАНИЯ", u"", u"EMYпит", kCompositionDecimals},
      {"y_feed", u"Y НА ВЫХОДЕ С ТАРЕЛКИ ПИТАНИЯ", kMoleFraction, u"Yпит", kCompositionDecimals},
      {"emy_last", u"EMY ПОСЛЕДНЕЙ ТАРЕЛКИ", u"", u"EMYпосл", kCompositionDecimals},
      {"y_last", u"Y НА ВЫХОДЕ С ПОСЛЕДНЕЙ ТАРЕЛКИ", kMoleFraction, u"Yпосл", kCompositionDecimals},
      {"yw", u"YW КИНЕТИЧЕСКОЙ ЛИНИИ", kMoleFraction, u"YW", kCompositionDecimals},
      {"yp", u"YP КИНЕТИЧЕСКОЙ ЛИНИИ", kMoleFraction, u"YP", kCompositionDecimals},
      {"r_opt", u"R ОПТ", u"", u"Rопт", kRefluxDecimals},
      {"n_opt", u"N ПРИ R ОПТ", u"ШТ.", u"Nопт", 0},
    };
    for (const char* key : kColumnResults) {
      const ColumnResult& r = *FindColumnResult(key);
      c.push_back({r.key, r.PaperName(), r.PaperUnit(), r.keyHeading, r.decimals, &r});
    }
    return c;
  }();
  return columns;
}

const KeyColumn* FindKeyColumn(const std::string& name) {
  for (const KeyColumn& c : KeyColumns()) {
    if (name == c.name) return &c;
  }
  return nullptr;
}

std::u16string CaptionWithUnit(const KeyColumn& column) {
  return column.caption + (column.unit.empty() ? u"" : u", " + column.unit);
}

KeyOutcome ComputeKey(const DesignData& entered, TrayRange range) {
  KeyOutcome out;
  const CalculationInputs inputs = CalculationInputs::Of(entered);
  const KineticLineRun kinetic = RunKineticLine(inputs);
  if (kinetic.refusal) {
    out.refusal = Refused("the kinetic line calculation", *kinetic.refusal);
    return out;
  }
  const double yw = KineticLineY(kinetic, inputs.Param(kParamXW));
  const double yp = KineticLineY(kinetic, inputs.Param(kParamXP));

  const TrayByTrayRun trays = RunTrayByTray(inputs);
  if (trays.refusal) {
    out.refusal = Refused("the tray-by-tray calculation", *trays.refusal);
    return out;
  }
  if (trays.feedTray.value_or(0) < 1) {
    out.refusal = "the tray-by-tray calculation finds no feed tray";
    return out;
  }
  const int total = trays.TotalTrays();
  if (total < range.min || total > range.max) {
    out.refusal = std::to_string(total) + " trays, outside " + std::to_string(range.min) + "-" +
                  std::to_string(range.max);
    return out;
  }
  const RefluxSweep sweep = SweepRefluxRatio(inputs);
  if (!sweep.optimum) {
    out.refusal = "the reflux study finds no optimum";
    return out;
  }
  const RefluxPoint& best = sweep.points[static_cast<std::size_t>(*sweep.optimum)];

  out.values = {std::to_string(total), std::to_string(*trays.feedTray)};
  for (const int tray : {1, *trays.feedTray, total}) {
    out.values.push_back(Fixed(trays.Tray(tray).result.EMY, kCompositionDecimals));
    out.values.push_back(Fixed(trays.Tray(tray).yOut, kCompositionDecimals));
  }
  out.values.push_back(Fixed(yw, kCompositionDecimals));
  out.values.push_back(Fixed(yp, kCompositionDecimals));
  out.values.push_back(Fixed(best.reflux, kRefluxDecimals));
  out.values.push_back(std::to_string(best.trays));

  std::optional<ColumnDesignResult> column;
  if (HasThirdStageTexts(entered)) column = DesignColumn(ColumnDesignInputOf(entered, trays));
  for (const KeyColumn& c : KeyColumns()) {
    if (!c.result) continue;
    const std::optional<double> v = column ? ResultValue(*c.result, *column) : std::nullopt;
    out.values.push_back(v ? Fixed(static_cast<float>(*v), c.decimals) : std::string());
  }
  out.floods = column && column->floodingApplies && column->floodingMax &&
               *column->floodingMax > kFloodingWarning;
  return out;
}

}  // namespace rc
