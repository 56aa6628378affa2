#pragma once
// The diagram window, opened from the results menu: one or more views of the present
// data and results (the y–x diagram first), a button to switch to each view when there
// is more than one, the print button and the close button. It follows the results: the
// results menu has it redrawn after every calculation.
#include <cstddef>
#include <memory>
#include <string>
#include <vector>

#include "report/table_cells.h"
#include "report/yx_diagram.h"
#include "ui/window.h"

namespace rc {

class Form11;

// One view of the diagram window. A view adds its own controls when the window loads;
// only the controls of the view shown are visible.
class DiagramView {
 public:
  virtual ~DiagramView() = default;
  // The caption of the button that switches to the view.
  virtual std::u16string Caption() const = 0;
  // Once, when the window loads: adds the view's controls, hidden.
  virtual void Build(Form11& window) = 0;
  // Draws the view on the window's cleared surface and shows its controls.
  virtual void Show(Form11& window) = 0;
  // Hides the view's controls.
  virtual void Hide(Form11& window) = 0;
  // The view on paper, from the top of the first page.
  virtual void Print(Form11& window, Surface& printer, const std::u16string& dateTime) = 0;
  // The view's plot as its page prints it, from top down; returns the drawing's bottom.
  virtual double DrawPicture(Form11& window, Surface& picture) = 0;
  // The view's table as cells (the copy button's), and the picture files' proposed name.
  virtual CellTable Table(Form11& window) = 0;
  virtual std::u16string PictureName() const = 0;
};

class Form11 : public Window {
 public:
  explicit Form11(Application& app);
  void Load() override;
  bool ShowsResults() const override { return true; }
  // The results have changed: the view shown is drawn again.
  void ResultsChanged() override { Refresh(); }

  // Draws the view shown again from the present data and results.
  void Refresh();
  // Switches to view index (0: the y–x diagram) and draws it.
  void ShowView(std::size_t index);
  std::size_t ShownView() const { return shown_; }
  // Prints the view shown through the program's printer (the print preview).
  void PrintView();
  // The view shown: its table on the clipboard; its plot as printed, as a picture.
  void CopyViewTable();
  PlotPicture ViewPicture();

  // The results that belong on the diagram now: those of calculations the results menu
  // ran on the data as they are, and the refusals among them.
  YXDiagramContent Content();

 private:
  // Adds the view with its button, named buttonName.
  void AddView(std::unique_ptr<DiagramView> view, const std::string& buttonName);
  void PlaceViewButtons();

 public:
  Control& printButton;  // Command1 "ПЕЧАТЬ ДИАГРАММЫ"
  Control& closeButton;  // Command2 "ЗАКРЫТЬ ОКНО"
  Control& studyButton;  // Command10 "ВЛИЯНИЕ ПАРАМЕТРА", at the right end of the row
  // The second row: the view's table, its picture saved and copied.
  Control& copyTableButton;    // Command11 "КОПИРОВАТЬ ТАБЛИЦУ" (Ctrl+C)
  Control& savePictureButton;  // Command12 "СОХРАНИТЬ РИСУНОК"
  Control& copyPictureButton;  // Command13 "КОПИРОВАТЬ РИСУНОК" (Ctrl+Shift+C)
  // One per view in the order they were added: Command3 the y–x diagram's, Command4 the
  // reflux study's.
  const std::vector<Control*>& ViewButtons() const { return viewButtons_; }

 private:
  std::vector<Control*> viewButtons_;
  std::vector<std::unique_ptr<DiagramView>> views_;
  std::size_t shown_ = 0;
};

// The diagram button of the results menu: opens the window, or brings it to the front
// (a window loaded afresh comes up on top) keeping the view shown.
void OpenDiagramWindow(Application& app);

}  // namespace rc
