#include "report/reflux_texts.h"

#include "model/text.h"
#include "report/format.h"

namespace rc {
namespace {

constexpr std::uint8_t kCountWidth = 6;
constexpr std::uint8_t kVolumeWidth = 12;

// N of one point as the line under the plot writes it: "N = 15", "N > 120", "N не найдено".
std::u16string TraysText(const RefluxPoint& p) {
  switch (p.outcome) {
    case RefluxPoint::Outcome::Completed:
      return u"N = " + DecimalText(p.trays);
    case RefluxPoint::Outcome::TooManyTrays:
      return u"N > " + DecimalText(kMaxTrays);
    case RefluxPoint::Outcome::Refused:
      break;
  }
  return u"N не найдено";
}

}  // namespace

std::u16string RefluxSweepRow(const RefluxPoint& p, char16_t sep) {
  std::u16string row = FormatFixed(p.reflux, 10, 4, sep);
  switch (p.outcome) {
    case RefluxPoint::Outcome::Completed:
      row += RightAligned(DecimalText(p.trays), kCountWidth);
      row += p.feedTray ? RightAligned(DecimalText(*p.feedTray), kCountWidth) : Spaces(kCountWidth);
      return row + FormatFixed(p.traysTimesRefluxPlusOne, kVolumeWidth, 2, sep);
    case RefluxPoint::Outcome::TooManyTrays:
      row += PadWidth(u">" + DecimalText(kMaxTrays), 6) + u">" + DecimalText(kMaxTrays);
      break;
    case RefluxPoint::Outcome::Refused:
      row += u" ERROR";
      break;
  }
  return row + Spaces(kCountWidth) + Spaces(kVolumeWidth);
}

CellTable RefluxSweepCells(const RefluxSweep& sweep, char16_t sep) {
  CellTable table;
  table.heading = {u"R", u"N", u"ТАРЕЛКА ПИТАНИЯ", u"N·(R+1)"};
  for (const RefluxPoint& p : sweep.points) {
    CellRow row{Trimmed(FormatFixed(p.reflux, 10, 4, sep))};
    switch (p.outcome) {
      case RefluxPoint::Outcome::Completed:
        row.push_back(DecimalText(p.trays));
        row.push_back(p.feedTray ? DecimalText(*p.feedTray) : u"");
        row.push_back(Trimmed(FormatFixed(p.traysTimesRefluxPlusOne, kVolumeWidth, 2, sep)));
        break;
      case RefluxPoint::Outcome::TooManyTrays:
        row.insert(row.end(), {u">" + DecimalText(kMaxTrays), u"", u""});
        break;
      case RefluxPoint::Outcome::Refused:
        row.insert(row.end(), {u"ОШИБКА", u"", u""});
        break;
    }
    table.rows.push_back(row);
  }
  return table;
}

std::u16string RefluxSummaryLine(const RefluxSweep& sweep, char16_t sep) {
  std::u16string line;
  if (sweep.optimum) {
    const RefluxPoint& best = sweep.points[static_cast<std::size_t>(*sweep.optimum)];
    line = u"R опт = " + FormatFixed(best.reflux, 0, 4, sep) + u", " + TraysText(best) +
           u", N·(R+1) = " + FormatFixed(best.traysTimesRefluxPlusOne, 0, 2, sep);
  } else {
    line = u"R опт не найдено";
  }
  const RefluxPoint& own = sweep.points[kOwnRefluxPoint];
  return line + u";  ваше R = " + FormatFixed(own.reflux, 0, 4, sep) + u", " + TraysText(own);
}

}  // namespace rc
