#include "report/study_texts.h"

#include <charconv>

#include "model/text.h"
#include "report/column_texts.h"
#include "report/format.h"

namespace rc {
namespace {

constexpr char16_t kRefused[] = u"ERROR";

// A column's value as its lines write it, with one blank before a value that fills or
// overflows its field so that neighbouring values never run together.
std::u16string Separated(std::u16string field) {
  if (field.empty() || field.front() != u' ') field.insert(field.begin(), u' ');
  return field;
}

}  // namespace

std::u16string StudyValueText(float value, int significantDigits) {
  char buffer[48];
  const auto end = std::to_chars(buffer, buffer + sizeof buffer, static_cast<double>(value),
                                 std::chars_format::general, significantDigits)
                       .ptr;
  return FromUtf8(std::string_view(buffer, static_cast<std::size_t>(end - buffer)));
}

std::u16string StudyTypedText(float value) {
  char buffer[48];
  const auto end = std::to_chars(buffer, buffer + sizeof buffer, value).ptr;
  return FromUtf8(std::string_view(buffer, static_cast<std::size_t>(end - buffer)));
}

std::u16string StudyTableRow(const InputRow& in, const StudyPoint& p, bool withColumn,
                             const ColumnValue& quantity, bool quantityApplies,
                             std::uint8_t decimals, char16_t separator) {
  std::u16string value = StudyValueText(p.value);
  for (char16_t& c : value) {
    if (c == u'.') c = separator;
  }
  std::u16string row = RightAligned(value, 12);
  switch (p.outcome) {
    case StudyPoint::Outcome::Completed:
      row += RightAligned(DecimalText(p.run.TotalTrays()), 6);
      row += p.run.feedTray ? RightAligned(DecimalText(*p.run.feedTray), 6) : Spaces(6);
      break;
    case StudyPoint::Outcome::TooManyTrays: return row + u"  >120";
    case StudyPoint::Outcome::Refused:
      return row + (in.Admits(p.value) ? u" ОШИБКА" : u" ВНЕ ПРЕДЕЛОВ");
  }
  if (!withColumn) return row;
  if (p.column && !quantityApplies) return row;
  if (!p.column && p.columnRefused && !in.Admits(p.value)) return row + u" ВНЕ ПРЕДЕЛОВ";
  return row + Separated(ColumnField(p.column ? quantity : ColumnValue{}, 10, decimals, separator,
                                     u"ОШИБКА"));
}

std::u16string StudyTableHeading(const InputRow& in, bool withColumn,
                                 const std::u16string& quantity) {
  std::u16string value;
  for (const char* c = in.key; *c; ++c) {
    value += static_cast<char16_t>(*c >= 'a' && *c <= 'z' ? *c - 'a' + 'A' : *c);
  }
  const std::u16string unit = in.Unit();
  // The unit where it fits beside the key; the key alone where it does not.
  if (!unit.empty() && value.size() + 2 + unit.size() <= 12) value += u", " + unit;
  std::u16string row = RightAligned(value, 12) + RightAligned(u"N", 6) + RightAligned(u"пит.", 6);
  if (withColumn) row += u" " + RightAligned(quantity.substr(0, 10), 10);
  return row;
}

std::u16string StudyRangeFaultText(const InputRow& in, StudyRangeFault fault) {
  switch (fault) {
    case StudyRangeFault::EqualEnds: return u"ОТ и ДО равны: задайте разные значения.";
    case StudyRangeFault::EndTooFar: {
      const StudyRange bounds = StudyRangeBounds(in);
      return u"ОТ и ДО должны лежать от " + StudyValueText(static_cast<float>(bounds.from)) + u" до " +
             StudyValueText(static_cast<float>(bounds.to)) + u".";
    }
    case StudyRangeFault::Points:
      return u"ТОЧКИ: целое число от " + DecimalText(kStudyMinPoints) + u" до " +
             DecimalText(kStudyMaxPoints) + u".";
  }
  return {};
}

std::u16string StudyNotANumberText(const std::u16string& typed) {
  return u"«" + typed + u"» не число: значение не изменено.";
}

CellRow StudyTableCells(const InputRow& in, const StudyPoint& p, bool withColumn,
                        const ColumnValue& quantity, bool quantityApplies, std::uint8_t decimals,
                        char16_t separator) {
  std::u16string value = StudyValueText(p.value);
  for (char16_t& c : value) {
    if (c == u'.') c = separator;
  }
  CellRow cells{value};
  switch (p.outcome) {
    case StudyPoint::Outcome::Completed:
      cells.push_back(DecimalText(p.run.TotalTrays()));
      cells.push_back(p.run.feedTray ? DecimalText(*p.run.feedTray) : u"");
      break;
    case StudyPoint::Outcome::TooManyTrays: cells.insert(cells.end(), {u">120", u""}); break;
    case StudyPoint::Outcome::Refused:
      cells.insert(cells.end(), {in.Admits(p.value) ? u"ОШИБКА" : u"ВНЕ ПРЕДЕЛОВ", u""});
      break;
  }
  if (!withColumn) return cells;
  // The column's cell as the window's row shows it.
  if (p.outcome != StudyPoint::Outcome::Completed || (p.column && !quantityApplies)) {
    cells.push_back(u"");
  } else if (!p.column && p.columnRefused && !in.Admits(p.value)) {
    cells.push_back(u"ВНЕ ПРЕДЕЛОВ");
  } else {
    cells.push_back(Trimmed(ColumnField(p.column ? quantity : ColumnValue{}, 10, decimals, separator,
                                        u"ОШИБКА")));
  }
  return cells;
}

std::u16string StudyTranscriptRow(const StudyPoint& p, bool withColumn, char16_t separator) {
  std::u16string row = RightAligned(StudyValueText(p.value), 12);
  switch (p.outcome) {
    case StudyPoint::Outcome::Completed:
      row += RightAligned(DecimalText(p.run.TotalTrays()), 6);
      row += p.run.feedTray ? RightAligned(DecimalText(*p.run.feedTray), 6) : Spaces(6);
      break;
    case StudyPoint::Outcome::TooManyTrays:
      row += u"  >120" + Spaces(6);
      break;
    case StudyPoint::Outcome::Refused:
      row += RightAligned(kRefused, 6) + Spaces(6);
      break;
  }
  if (!withColumn) return row;
  // Flooding is blank where it does not apply: dual-flow trays, or an area ratio of 1.
  const bool dualFlow = p.column ? !p.column->floodingApplies : p.run.inputs.Kind() == TrayKind::DualFlow;
  if (!p.Completed()) return row + Spaces(10 + 8 + 8 + 10);
  const ColumnDesignResult none;
  const ColumnDesignResult& c = p.column ? *p.column : none;
  const auto field = [&](const ColumnValue& v, std::uint8_t width, std::uint8_t decimals) {
    return Separated(ColumnField(p.column ? v : ColumnValue{}, width, decimals, separator, kRefused));
  };
  row += field(c.totalDrop, 10, 1);
  row += field(c.height, 8, 3);
  row += dualFlow ? Spaces(8) : field(c.floodingMax, 8, 1);
  row += field(c.reboilerDuty, 10, 2);
  // The trays' operating window at the point, as `== operating window` writes its lines:
  // the largest ψ, the smallest weep margin ("none" where no tray weeps) and the largest
  // downcomer backup; blanks where it is not computed (trays without downcomers) and for
  // the weep margin of bubble-cap trays.
  if (!p.column || !p.window || !p.window->computed) return row;
  const OperatingWindowResult& w = *p.window;
  row += field(w.entrainmentMax.value, 8, 4);
  if (!w.weepApplies) {
    row += Spaces(8);
  } else {
    row += w.noTrayWeeps ? RightAligned(u"none", 8) : field(w.weepMarginMin.value, 8, 2);
  }
  row += field(w.backupMax.value, 8, 1);
  return row;
}

}  // namespace rc
