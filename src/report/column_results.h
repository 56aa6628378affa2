#pragma once
// The column's results, declared once: one row per value the column calculation gives,
// either for every tray (a column of the tray rows) or for the column as a whole (one of
// its lines). A row holds the value's key, its captions, its transcript label, its unit,
// its decimals and how it is read from the results. The results window and the printed
// report (report/column_texts.*), the variant runner's "== column", the class tool's key
// and the study window's choice of quantities all go through this table: a new result is
// its calculation (calc/column_design.*) plus one row here.
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "calc/column_design.h"
#include "calc/operating_window.h"

namespace rc {

// Whether a result is one value per tray, one for the column, or one line of the trays'
// operating window (calc/operating_window.h), which the window and the printout give in
// their own block "РАБОЧАЯ ОБЛАСТЬ ТАРЕЛОК" after the column's lines.
enum class ResultScope { Tray, Column, Window };

// An operating window's line as read from the window's results.
struct WindowReading {
  ColumnValue value;                  // nothing: refused, unless `absent` or `wording` says
  int tray = 0;                       // the tray it belongs to; 0: none
  const char16_t* absent = nullptr;   // the words instead of the line's value and limit
  const char16_t* wording = nullptr;  // the words instead of the number ("—")
  bool approximate = false;           // beyond the readings its fit was made on: "≈"
  bool fails = false;                 // past its limit: the row's warning follows
};

struct ColumnResult {
  const char* key;              // "dp_total": the class key's column, the study's choice
  ResultScope scope;
  const char16_t* name;         // "Сопротивление колонны"; a tray result: the heading of its
                                // column in the tray rows, as it stands there ("   Pсух,Па")
  const char16_t* unit = u"";   // "Па"; empty where the name says it or there is none
  const char16_t* label = u"";  // the transcript's 14-character label; none for a tray
                                // result, which the transcript writes in the window's rows
  const char16_t* keyHeading = u"";   // its column's heading in the printed class key ("dP")
  const char16_t* plotCaption = u"";  // the axis of the study's lower plot ("ΣΔP, Па")
  std::uint8_t decimals = 1;
  std::uint8_t width = 0;       // a tray result: its field in the tray rows
  // How it is read: a tray result from each tray, a column result from the results.
  ColumnValue ColumnTrayResult::*trayValue = nullptr;
  ColumnValue ColumnDesignResult::*value = nullptr;

  // Where the value is not given at all (rather than refused): the words the results
  // window says instead ("none" in the transcript, blank in the class key; a tray result
  // leaves its column out). Nullptr: always given.
  const char16_t* (*absent)(const ColumnDesignResult&) = nullptr;
  // The words for a refused value on the screen where they are not the common ones.
  const char16_t* (*refusal)(const ColumnDesignResult&) = nullptr;
  // The tray the value belongs to, written after it ("на тарелке 3", "tray 3"); 0: none.
  int (*tray)(const ColumnDesignResult&) = nullptr;
  // What the screen writes after the value ("  (2,345 кПа)").
  std::u16string (*more)(const ColumnDesignResult&, char16_t decimalSeparator) = nullptr;
  // A verdict against a limit: the warning line (shown in red) after the value's line,
  // where the results pass the limit.
  std::optional<std::u16string> (*warning)(const ColumnDesignResult&,
                                           char16_t decimalSeparator) = nullptr;

  // An operating window's line: how it is read, the limit written after it
  // ("(допустимо 0,1)") and the warning (shown in red) after a line that fails; the
  // warning's commas are decimal ones. A name's "{k}" stands for the minimum load in %.
  WindowReading (*windowValue)(const OperatingWindowResult&) = nullptr;
  std::u16string (*limit)(const OperatingWindowResult&, char16_t decimalSeparator) = nullptr;
  const char16_t* failure = nullptr;

  // The caption of the results window and the printed report: "Сопротивление колонны, Па".
  std::u16string Caption() const;
  // The printed class key's caption in capitals, "СОПРОТИВЛЕНИЕ КОЛОННЫ", and unit, "ПА".
  std::u16string PaperName() const;
  std::u16string PaperUnit() const;
};

// Every result in the order the window, the printed report and the transcript give them:
// the tray results, then the column's, then the operating window's.
std::span<const ColumnResult> ColumnResults();
// The row of that key; nullptr for any other.
const ColumnResult* FindColumnResult(std::string_view key);

// The value where it is given (nothing where it is absent or refused).
std::optional<double> ResultValue(const ColumnResult& row, const ColumnDesignResult& r);
// An operating window's line's value where it is given.
std::optional<double> ResultValue(const ColumnResult& row, const OperatingWindowResult& w);
// A tray result's value on tray i (1..N).
std::optional<double> ResultValue(const ColumnResult& row, const ColumnDesignResult& r, int tray);

// A drop of one tray above 0.1 bar [Pa] is more than a tray can hold: the column is warned.
inline constexpr double kTrayDropWarning = 10000.0;

}  // namespace rc
