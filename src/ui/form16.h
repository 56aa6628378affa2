#pragma once
// The study of one input, "ВЛИЯНИЕ ПАРАМЕТРА", opened from the results menu and from the
// diagram window: the student picks an input from the list of inputs (name, unit, typed
// value) and a range; the window computes the tray-by-tray calculation, and after an
// accepted third stage the column, at every point and plots them. A row of the table of
// points (clicked, or moved to by the cursor buttons) is the cursor's point; its value can
// be taken into the data as if typed on the full correction list.
#include <cstddef>
#include <optional>
#include <vector>

#include "calc/input_study.h"
#include "report/study_plot.h"
#include "report/table_cells.h"
#include "ui/window.h"

namespace rc {

class Form16 : public Window {
 public:
  explicit Form16(Application& app);
  void Load() override;
  bool ShowsResults() const override { return true; }
  // The data studied have changed (a calculation rerun, the third stage accepted or
  // corrected): the list of inputs, their typed values and the points follow them.
  void ResultsChanged() override { Refresh(); }

  // Studies input `number` (16..57) over its default range.
  void ChooseInput(int number);
  // Studies the input over a range; a range that cannot be used leaves the study as it
  // was and says why (nothing when the range was taken).
  std::optional<StudyRangeFault> SetRange(double from, double to, int points);
  void MoveCursor(std::size_t k);
  void NextQuantity();
  // The cursor's value into the data, as typed on the full correction list.
  void AcceptCursorValue();
  void PrintStudy();
  // The table of points as cells, and both plots as their page prints them.
  CellTable PointsTable();
  PlotPicture StudyPicture();

  const InputStudy& Study() const { return study_; }
  std::size_t Cursor() const { return marks_.cursor; }
  // The inputs the list offers, in its order.
  const std::vector<const InputRow*>& Inputs() const { return inputs_; }
  static PlotPairLayout Layout();

  Control& inputList;     // List1: the inputs
  Control& pointList;     // List2: the table of points
  Control& inputLabel;    // Label1: the input's name, unit and typed value
  Control& fromButton;    // Command1 "ОТ"
  Control& toButton;      // Command2 "ДО"
  Control& pointsButton;  // Command3 "ТОЧКИ"
  Control& quantityButton;  // Command4: the lower plot's quantity
  Control& printButton;   // Command5 "ПЕЧАТЬ"
  Control& closeButton;   // Command6 "ЗАКРЫТЬ ОКНО"
  Control& leftButton;    // Command7 "<"
  Control& rightButton;   // Command8 ">"
  Control& acceptButton;  // Command9 "ПРИНЯТЬ ЭТО ЗНАЧЕНИЕ"
  Control& headingLabel;  // Label2: the headings over the table of points
  // Under the bottom row: the table and the picture into the student's write-up.
  Control& copyTableButton;    // Command10 "КОПИРОВАТЬ ТАБЛИЦУ" (Ctrl+C)
  Control& savePictureButton;  // Command11 "СОХРАНИТЬ РИСУНОК"
  Control& copyPictureButton;  // Command12 "КОПИРОВАТЬ РИСУНОК" (Ctrl+Shift+C)

 private:
  void FillInputList();
  void Refresh();
  void Recompute();
  void Redraw();
  // Asks for a number at the prompt; nothing when cancelled, and a message where the
  // text is no number.
  std::optional<double> AskNumber(const std::u16string& prompt, double shown);
  // The range typed at a prompt: taken, or refused with a message.
  void TryRange(double from, double to, double points, const std::u16string& typed);
  void TellRefusal(const std::u16string& typed, const std::u16string& reason);

  std::vector<const InputRow*> inputs_;
  const InputRow* input_ = nullptr;
  double from_ = 0, to_ = 0;
  int points_ = kStudyDefaultPoints;
  InputStudy study_;
  InputStudyMarks marks_;
  InputStudyPlace place_;  // where the points were drawn, for a click on the plots
};

// Opens the study window afresh (closing one open before) on the reflux ratio.
void OpenInputStudy(Application& app);

}  // namespace rc
