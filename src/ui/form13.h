#pragma once
// The column's results, "РАСЧЕТ КОЛОННЫ": a scrolling list of the trays' pressure drops
// and flooding, the column's lines under it, the block of the trays' operating window
// after them, and buttons to print them, to correct the
// third stage's values, to show the trays' performance diagram, to copy the table and to
// close the window. It is computed afresh from the data
// every time it opens.
#include "calc/column_design.h"
#include "calc/operating_window.h"
#include "report/table_cells.h"
#include "ui/window.h"

namespace rc {

class Form13 : public Window {
 public:
  explicit Form13(Application& app);
  void Load() override;
  bool ShowsResults() const override { return true; }

  // Computes the column from the present data and draws it.
  void Refresh();
  // Prints the results through the program's printer.
  void PrintResults();
  const ColumnDesignResult& Result() const { return result_; }

  Control& list;           // List1, one row per tray
  Control& printButton;    // Command1 "ПЕЧАТЬ РЕЗУЛЬТАТОВ"
  Control& correctButton;  // Command2 "ИЗМЕНЕНИЕ ДАННЫХ КОЛОННЫ"
  Control& closeButton;    // Command3 "ЗАКРЫТЬ ОКНО"
  Control& copyButton;     // Command4 "КОПИРОВАТЬ ТАБЛИЦУ" (Ctrl+C), under the row
  // Command5 "РАБОЧАЯ ОБЛАСТЬ ТАРЕЛКИ": the trays' performance diagram (Form17), beside the
  // column's lines.
  Control& windowButton;

  // What the window shows as cells: the tray headings, each tray's row, then each of the
  // column's lines (its label and its value).
  CellTable ShownTable() const;

 private:
  ColumnDesignResult result_;
  OperatingWindowResult window_;
};

// Opens the results window afresh (closing one open before) over the results menu.
void OpenColumnResults(Application& app);

}  // namespace rc
