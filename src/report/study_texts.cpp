#include "report/study_texts.h"

#include <charconv>

#include "model/text.h"
#include "report/column_texts.h"
#include "report/format.h"

namespace rc {
namespace {

constexpr char16_t kRefused[] = u"ERROR";

std::u16string RightAligned(const std::u16string& text, std::uint8_t width) {
  return PadWidth(text, width) + text;
}

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

std::u16string StudyTableRow(const StudyPoint& p, bool withColumn, const ColumnValue& quantity,
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
    case StudyPoint::Outcome::Refused: return row + u" ОШИБКА";
  }
  if (!withColumn) return row;
  return row + Separated(ColumnField(p.column ? quantity : ColumnValue{}, 10, decimals, separator,
                                     u"ОШИБКА"));
}

CellRow StudyTableCells(const StudyPoint& p, bool withColumn, const ColumnValue& quantity,
                        std::uint8_t decimals, char16_t separator) {
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
    case StudyPoint::Outcome::Refused: cells.insert(cells.end(), {u"ОШИБКА", u""}); break;
  }
  if (!withColumn) return cells;
  const bool shown = p.outcome == StudyPoint::Outcome::Completed;
  cells.push_back(shown ? Trimmed(ColumnField(p.column ? quantity : ColumnValue{}, 10, decimals,
                                              separator, u"ОШИБКА"))
                        : u"");
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
  const bool dualFlow = p.run.inputs.Kind() == TrayKind::DualFlow;
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
  return row;
}

}  // namespace rc
