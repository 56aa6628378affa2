#pragma once
// The list windows of the first stage (Form3), the second stage (Form5) and the full
// correction (Form9) share one base: their controls and look, a row table saying what
// each list row holds and where its prompt stands, the correction of a clicked row,
// the review and end-of-corrections buttons, correction mode and the faulty-input
// display. Each window adds only what differs: which checks it runs, what acceptance
// opens, which error dialog it owns and where its texts stand.
#include <functional>
#include <string>
#include <vector>

#include "model/checks.h"
#include "ui/application.h"
#include "ui/tray_class_header.h"
#include "ui/window.h"
#include "ui/yes_no_dialog.h"

namespace rc {

inline constexpr char16_t kCorrectionCaption[] = u"Коррекция исходной информации";

// What a list row holds.
struct ListRow {
  enum class Content { EquilibriumPair, Composition, TrayClassHeader, Parameter, StudentName };
  Content content = Content::Parameter;
  int item = 0;     // the pair (0..7) or the parameter (16..57); 0 for the header and the name
  int promptY = 0;  // [twips] where the row's correction prompt stands

  static ListRow Pair(int i, int promptY) { return {Content::EquilibriumPair, i, promptY}; }
  static ListRow Composition(int n, int promptY) { return {Content::Composition, n, promptY}; }
  static ListRow Header() { return {Content::TrayClassHeader, 0, 0}; }
  static ListRow Parameter(int n, int promptY) { return {Content::Parameter, n, promptY}; }
  // The student's name, asked with the prompt of the start of entry.
  static ListRow Name() { return {Content::StudentName, 0, 0}; }
};

// Whether the row shows what the error code of a check names: the equilibrium check's
// code 0..7 its pair, any other code its parameter (ParameterOfErrorRow).
bool Names(const ListRow& row, InputCheck check, int code);

// Two buttons side by side with equal gaps on both sides and between them.
void PlaceSideBySide(const Window& window, Control& first, Control& second);

class ListWindow : public Window {
 public:
  // Adds List1, Command1..Command<buttons> and Label1..Label3 in the look of the
  // correction lists: the window and the list in Courier 9.75 pt, green list with navy
  // text, the heading Label1 in Courier 12 pt bold on yellow, the marker Label2 red on
  // green, the instruction Label3 in purple on light cyan. The window stands at 0, 0,
  // 12000 x 10000.
  ListWindow(Application& app, std::string name, int buttons);

  // The typed data would be lost: the student is asked first.
  void CloseByUser() override { AskBeforeEnding(*this); }

  // Correction mode: the window cleared and shown with the caption "Коррекция исходной
  // информации", the list enabled and shown, the marker, the heading and the buttons
  // Command1..Command3 hidden, the instruction shown.
  void EnterCorrectionMode();
  // "Да" of the window's error dialog: back to correction mode with the list as it was,
  // the marked row the current one.
  virtual void ReturnFromErrorDialog();

  Control& list;                    // List1
  Control& acceptButton;            // Command1 "НЕ ИЗМЕНЯЕТЕ ИСХОДНУЮ ИНФОРМАЦИЮ"
  Control& correctButton;           // Command2 "ИЗМЕНЯЕТЕ ИСХОДНУЮ ИНФОРМАЦИЮ"
  Control& endOfCorrectionsButton;  // Command3 "КОНЕЦ ИСПРАВЛЕНИЙ"
  Control* capsButton;              // Command4 "ТАРЕЛКИ КОЛПАЧКОВЫЕ", where the window has it
  Control* noCapsButton;            // Command5, trays without caps
  Control& heading;                 // Label1
  Control& faultMarker;             // Label2
  Control& instruction;             // Label3

 protected:
  // The row table; a window fills it once in its Load.
  std::vector<ListRow> rows;
  int RowCount() const { return static_cast<int>(rows.size()); }
  // The row that holds what the check's error code names; -1 for none.
  int RowOfFault(InputCheck check, int code) const;
  int HeaderRow() const;

  // The text of a row from the data; the header is written as the occasion writes it.
  std::u16string RowText(int row, HeaderOccasion header);
  void FillList(HeaderOccasion header);
  void ReplaceRow(int row, const std::u16string& text);

  // A click on a list row: the row's values asked again (each prompt offering the value
  // held, which an empty answer or Cancel keeps), then the window's checks and
  // the end button coloured by them. A click on the header offers the tray classes.
  void RowClicked();
  // What a window does on its own around a row click.
  virtual void BeforeRowCorrection() {}
  virtual void AfterPointsSorted() = 0;   // the list after a pair has been corrected
  virtual void OfferTrayClasses();
  virtual void RunChecks() = 0;
  // Whether the list leaves the tab order after a correction.
  bool listLeavesTabOrderOnCorrection = true;

  // The review state: accept and change shown, change green; accept red for faulty
  // data, else green; the focus on accept.
  void ShowReviewButtons(bool faulty);
  // After a row has been corrected: the end button shown, coloured by the check.
  void ShowEndButton(bool faulty);

  // The faulty-input display: the data printed on the window itself, the list and the
  // buttons hidden and the marker laid over the faulty row.
  struct FaultDisplay {
    std::u16string caption;            // window caption during the display; empty: kept
    bool clearFirst = true;            // the window is cleared before the rows are printed
    HeaderOccasion header = HeaderOccasion::FullList;
    int firstY = 1210;                 // [twips] pen y of row 0
    int markerAboveRow = 10;           // [twips] the marker starts this far above its row
    int markedRow = -1;                // the faulty row; -1: none
  };
  // Beeps, clears the window (unless told not to), sets its caption (if one is given),
  // prints every row at x 530, firstY + 195·row, hides the list, the accept and change
  // buttons and the tray class buttons, and shows the marker with the marked row's
  // text.
  void ShowFault(const FaultDisplay& fault);

  // The accept and end-of-corrections buttons of a stage's parameters (Command1, Command3):
  // they act on the verdict of the last check (entry, or the last row corrected). Sound
  // data close the window and `next` opens what follows it; faulty data are shown as
  // `fault` says, the row that holds what `check` names marked, the end button hidden
  // after the end of corrections, and then `openDialog` asks whether to correct them.
  void AcceptOrShowFault(bool endOfCorrections, void (*next)(Application&), FaultDisplay fault,
                         InputCheck check, const std::function<void()>& openDialog);
  // The accept, change and end-of-corrections buttons with their captions, centred, one
  // under the other at the tops given [twips].
  void PlaceReviewButtons(int acceptTop, int correctTop, int endTop);

  // Left edge that centres the control on the window.
  void CentreHorizontally(Control& control) const { control.left = width / 2 - control.width / 2; }
  // Prints one line of text at a pen position.
  void PrintAt(int x, int y, const std::u16string& text);
  // The heading printed over a list: blue at a pen position, the pen black again after.
  void PrintListHeading(int x, int y, const std::u16string& text);

 private:
  int markedRow_ = -1;  // the row the last fault display marked
};

}  // namespace rc
