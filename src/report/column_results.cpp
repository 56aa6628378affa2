#include "report/column_results.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "model/text.h"
#include "report/format.h"

namespace rc {
namespace {

using enum ResultScope;
using R = ColumnDesignResult;
using T = ColumnTrayResult;

bool Showable(const ColumnValue& v) {
  return v && std::fabs(*v) <= std::numeric_limits<float>::max();
}

// Flooding is computed only where Fair's chart holds: not on dual-flow trays.
const char16_t* FloodingNotComputed(const R& r) {
  return r.floodingApplies ? nullptr : u"не рассчитывается для провальных тарелок";
}

// The tray with the largest drop (the lowest on a tie), 0 when no drop passes the limit.
int OverloadedTray(const R& r) {
  int worst = 0;
  double largest = kTrayDropWarning;
  for (std::size_t i = 0; i < r.trays.size(); ++i) {
    const ColumnValue& drop = r.trays[i].totalDrop;
    if (Showable(drop) && *drop > largest) {
      largest = *drop;
      worst = static_cast<int>(i) + 1;
    }
  }
  return worst;
}

// The operating window's lines.
using W = OperatingWindowResult;

WindowReading Extreme(const WindowExtreme& e, bool fails) {
  return {.value = e.value, .tray = e.value ? e.tray : 0, .fails = e.value && fails};
}

std::u16string Limit(const char16_t* words, double value, std::uint8_t decimals,
                     char16_t separator) {
  return u"(" + std::u16string(words) + FormatFixed(static_cast<float>(value), 1, decimals, separator) +
         u")";
}

constexpr ColumnResult kResults[] = {
    // The tray rows: the three resistances of each tray, their sum and its flooding.
    {.key = "dp_dry", .scope = Tray, .name = u"   Pсух,Па", .unit = u"Па", .decimals = 1,
     .width = 10, .trayValue = &T::dryDrop},
    {.key = "dp_surface", .scope = Tray, .name = u"   Pпов,Па", .unit = u"Па", .decimals = 1,
     .width = 10, .trayValue = &T::surfaceDrop},
    {.key = "dp_liquid", .scope = Tray, .name = u"   Pжид,Па", .unit = u"Па", .decimals = 1,
     .width = 10, .trayValue = &T::liquidDrop},
    {.key = "dp_tray", .scope = Tray, .name = u"  Pобщ, Па", .unit = u"Па", .decimals = 1,
     .width = 10, .trayValue = &T::totalDrop},
    {.key = "flooding", .scope = Tray, .name = u"  % захл.", .unit = u"%", .decimals = 1,
     .width = 8, .trayValue = &T::flooding, .absent = FloodingNotComputed},

    // The column's lines.
    {.key = "dp_total", .scope = Column, .name = u"Сопротивление колонны", .unit = u"Па",
     .label = u"dP total, Pa  ", .keyHeading = u"dP", .plotCaption = u"ΣΔP, Па", .decimals = 1,
     .value = &R::totalDrop,
     .more = [](const R& r, char16_t separator) {
       return u"  (" + FormatFixed(static_cast<float>(*r.totalDrop / 1000), 1, 3, separator) +
              u" кПа)";
     },
     .warning = [](const R& r, char16_t separator) -> std::optional<std::u16string> {
       const int tray = OverloadedTray(r);
       if (tray == 0) return std::nullopt;
       return u"ВНИМАНИЕ ! Сопротивление тарелки " + DecimalText(tray) + u" больше 0" +
              separator + u"1 бар: тарелка не удержит жидкость";
     }},
    {.key = "height", .scope = Column, .name = u"Высота колонны", .unit = u"м",
     .label = u"height, m     ", .keyHeading = u"H", .plotCaption = u"H, м", .decimals = 3,
     .value = &R::height},
    {.key = "flood_max", .scope = Column, .name = u"Наибольший % захлебывания",
     .label = u"flood max, %  ", .keyHeading = u"%захл", .plotCaption = u"% захлебывания",
     .decimals = 1, .value = &R::floodingMax, .absent = FloodingNotComputed,
     .tray = [](const R& r) { return r.floodingMaxTray; },
     .warning = [](const R& r, char16_t) -> std::optional<std::u16string> {
       if (!Showable(r.floodingMax) || !(*r.floodingMax > kFloodingWarning)) return std::nullopt;
       return u"ВНИМАНИЕ ! Больше 85 % захлебывания: колонна захлебнется, увеличьте диаметр";
     }},
    {.key = "d_80", .scope = Column, .name = u"Диаметр для 80 % захлебывания", .unit = u"м",
     .label = u"D at 80%, m   ", .decimals = 3, .value = &R::diameterFor80,
     .absent = FloodingNotComputed},
    {.key = "p", .scope = Column, .name = u"Дистиллат P", .unit = u"кг/с",
     .label = u"P, kg/s       ", .decimals = 4, .value = &R::distillate},
    {.key = "w", .scope = Column, .name = u"Кубовый остаток W", .unit = u"кг/с",
     .label = u"W, kg/s       ", .decimals = 4, .value = &R::bottoms},
    {.key = "q_cond", .scope = Column, .name = u"Тепло дефлегматора", .unit = u"кВт",
     .label = u"Qcond, kW     ", .keyHeading = u"Qд", .decimals = 2, .value = &R::condenserDuty},
    {.key = "q_reb", .scope = Column, .name = u"Тепло кипятильника", .unit = u"кВт",
     .label = u"Qreb, kW      ", .keyHeading = u"Qк", .plotCaption = u"Qr, кВт", .decimals = 2,
     .value = &R::reboilerDuty, .refusal = [](const R& r) -> const char16_t* {
       return r.reboilerRefusal == ReboilerRefusal::DutyNotPositive
                  ? u"ОШИБКА: не положительно, проверьте температуры"
                  : nullptr;
     }},
    {.key = "steam", .scope = Column, .name = u"Расход греющего пара", .unit = u"кг/с",
     .label = u"steam, kg/s   ", .decimals = 4, .value = &R::steam,
     .refusal = [](const R& r) -> const char16_t* {
       return r.reboilerRefusal == ReboilerRefusal::DutyNotPositive
                  ? u"ОШИБКА: не положительно, проверьте температуры"
                  : nullptr;
     }},
    {.key = "water", .scope = Column, .name = u"Расход охлаждающей воды", .unit = u"кг/с",
     .label = u"water, kg/s   ", .decimals = 4, .value = &R::coolingWater},
    // A feed partly vapour has no temperature of its own beyond its boiling range.
    {.key = "feed_t", .scope = Column, .name = u"Температура питания", .unit = u"град.С",
     .label = u"feed t, C     ", .decimals = 2, .value = &R::feedTemperature,
     .absent = [](const R& r) -> const char16_t* {
       return r.feedVapourShare && *r.feedVapourShare > 0 ? u"нет: питание частично испарено"
                                                          : nullptr;
     }},
    {.key = "feed_vapour", .scope = Column, .name = u"Доля пара в питании", .unit = u"%",
     .label = u"feed vapour, %", .decimals = 1, .value = &R::feedVapourShare},

    // The operating window's lines.
    {.key = "psi_max", .scope = Window, .name = u"Унос (по Фэйру) ψ, наибольший",
     .plotCaption = u"ψ наибольший", .decimals = 4,
     .windowValue = [](const W& w) {
       WindowReading r = Extreme(w.entrainmentMax, w.entrainmentMax.value &&
                                                       *w.entrainmentMax.value > kEntrainmentLimit);
       r.approximate = w.entrainmentMaxExtrapolated;
       if (r.value && *r.value >= 1) r.wording = u"1 (тарелка захлебывается)";
       return r;
     },
     .limit = [](const W&, char16_t s) { return Limit(u"допустимо ", kEntrainmentLimit, 1, s); },
     .failure = u"ВНИМАНИЕ ! Унос больше 0,1: увеличьте диаметр или расстояние между тарелками"},
    {.key = "e_psi_max", .scope = Window, .name = u"Унос по Фэйру e", .unit = u"кмоль/кмоль пара",
     .decimals = 4,
     .windowValue = [](const W& w) {
       WindowReading r{.value = w.entrainmentAtMax};
       if (w.entrainmentMax.value && !w.entrainmentAtMax) r.wording = u"—";
       return r;
     },
     .limit = [](const W& w, char16_t s) {
       // As typed: its float's decimals without the trailing zeros.
       std::u16string typed = FormatFixed(static_cast<float>(w.entrainmentTyped), 1, 6, s);
       while (typed.size() > 1 && typed.back() == u'0') typed.pop_back();
       if (typed.back() == s) typed.pop_back();
       return u"(введено " + typed + u")";
     }},
    {.key = "weep_min", .scope = Window, .name = u"Запас до провала при {k} % нагрузки",
     .plotCaption = u"запас до провала", .decimals = 2,
     .windowValue = [](const W& w) {
       WindowReading none;
       if (!w.weepApplies) none.absent = u"не рассчитывается для колпачковых тарелок";
       if (w.noTrayWeeps) none.absent = u"нет: тарелки не проваливаются";
       if (none.absent) return none;
       const WindowExtreme& m = w.weepMarginMin;
       return Extreme(m, m.value && *m.value < kWeepMarginMinimum);
     },
     .limit = [](const W&, char16_t s) {
       return Limit(u"должно быть не меньше ", kWeepMarginMinimum, 0, s);
     },
     .failure = u"ВНИМАНИЕ ! Провал жидкости при минимальной нагрузке: уменьшите долю отверстий "
                u"или увеличьте нагрузку"},
    {.key = "how_min", .scope = Window, .name = u"Подпор над сливом при {k} %", .unit = u"мм",
     .decimals = 1,
     .windowValue = [](const W& w) {
       return Extreme(w.crestMin, w.crestMin.value && *w.crestMin.value < kWeirCrestMinimum);
     },
     .limit = [](const W&, char16_t s) { return Limit(u"не меньше ", kWeirCrestMinimum, 0, s); },
     .failure = u"ВНИМАНИЕ ! Подпор над сливом меньше 10 мм: неравномерный слив"},
    {.key = "hb_max", .scope = Window, .name = u"Уровень в сливном устройстве", .unit = u"мм",
     .plotCaption = u"hb, мм", .decimals = 1,
     .windowValue = [](const W& w) {
       return Extreme(w.backupMax, w.backupMax.value && *w.backupMax.value > w.backupLimit);
     },
     .limit = [](const W& w, char16_t s) { return Limit(u"допустимо ", w.backupLimit, 1, s); },
     .failure = u"ВНИМАНИЕ ! Захлебывание сливного устройства: увеличьте расстояние между "
                u"тарелками или зазор под перегородкой"},
    {.key = "tr_min", .scope = Window, .name = u"Время пребывания в сливе", .unit = u"с",
     .decimals = 2,
     .windowValue = [](const W& w) {
       return Extreme(w.residenceMin,
                      w.residenceMin.value && *w.residenceMin.value < kResidenceMinimum);
     },
     .limit = [](const W&, char16_t s) { return Limit(u"не меньше ", kResidenceMinimum, 0, s); },
     .failure = u"ВНИМАНИЕ ! Время пребывания в сливе меньше 3 с: увеличьте площадь слива "
                u"(уменьшите f)"},
};

std::u16string Capitals(std::u16string_view text) {
  std::u16string out(text);
  std::transform(out.begin(), out.end(), out.begin(), [](char16_t c) { return ToUpper(c); });
  return out;
}

}  // namespace

std::u16string ColumnResult::Caption() const {
  const std::u16string u = unit;
  return name + (u.empty() ? u"" : u", " + u);
}

std::u16string ColumnResult::PaperName() const { return Capitals(name); }
std::u16string ColumnResult::PaperUnit() const { return Capitals(unit); }

std::span<const ColumnResult> ColumnResults() { return kResults; }

const ColumnResult* FindColumnResult(std::string_view key) {
  const auto it = std::find_if(std::begin(kResults), std::end(kResults),
                               [&](const ColumnResult& row) { return key == row.key; });
  return it == std::end(kResults) ? nullptr : &*it;
}

std::optional<double> ResultValue(const ColumnResult& row, const ColumnDesignResult& r) {
  if (!row.value || (row.absent && row.absent(r))) return std::nullopt;
  return r.*row.value;
}

std::optional<double> ResultValue(const ColumnResult& row, const OperatingWindowResult& w) {
  if (!row.windowValue || !w.computed) return std::nullopt;
  const WindowReading r = row.windowValue(w);
  return r.absent ? std::nullopt : r.value;
}

std::optional<double> ResultValue(const ColumnResult& row, const ColumnDesignResult& r, int tray) {
  if (!row.trayValue || (row.absent && row.absent(r))) return std::nullopt;
  return r.trays.at(static_cast<std::size_t>(tray - 1)).*row.trayValue;
}

}  // namespace rc
