#include "ui/correction_window.h"

#include <cmath>

#include "ui/fault_display.h"

namespace rc {
namespace {

constexpr int kButtonWidth = 4000;   // [twips]
constexpr int kButtonHeight = 495;   // [twips]
constexpr int kListWidth = 10000;    // [twips] 80 characters of 120 twips and a scroll bar

}  // namespace

void AddCorrectionControls(Window& window, int buttons) {
  window.left = 0;
  window.top = 0;
  window.width = 12000;
  window.height = 10000;
  const FontSpec windowFont{u"Courier", 9.75};
  window.SetFont(windowFont);

  Control& list = window.Add("List1", ControlKind::List);
  list.font = windowFont;
  list.backColor = kListBack;
  list.foreColor = kListText;
  list.width = kListWidth;
  list.height = 4400;

  for (int k = 1; k <= buttons; ++k) {
    Control& button = window.Add("Command" + std::to_string(k), ControlKind::Button);
    button.width = kButtonWidth;
    button.height = kButtonHeight;
  }

  Control& heading = window.Add("Label1", ControlKind::Label);
  heading.font = FontSpec{u"Courier", 12, true};
  heading.backColor = kYellow;
  heading.width = 6600;
  heading.height = 375;
  heading.centred = true;

  Control& marker = window.Add("Label2", ControlKind::Label);
  marker.font = windowFont;
  marker.foreColor = kRed;
  marker.backColor = kListBack;
  marker.width = kMarkerWidth;
  marker.height = kMarkerHeight;
  marker.visible = false;

  Control& instruction = window.Add("Label3", ControlKind::Label);
  instruction.font = FontSpec{u"Times New Roman", 12, true};
  instruction.foreColor = kInstructionText;
  instruction.backColor = kInstructionBack;
  instruction.caption = kInstructionCaption;
  instruction.width = 3735;
  instruction.height = 1215;
  instruction.centred = true;
}

void CentreHorizontally(const Window& window, Control& control) {
  control.left = window.width / 2 - control.width / 2;
}

void PlaceSideBySide(const Window& window, Control& first, Control& second) {
  const int gap = static_cast<int>(
      std::lround((window.width - first.width - second.width) / 3.0));
  first.left = gap;
  second.left = first.left + first.width + gap;
}

void ColourByVerdict(Control& button, bool faulty) { button.backColor = faulty ? kRed : kGreen; }

void ShowReviewButtons(Window& window, bool faulty) {
  Control& accept = window.control("Command1");
  Control& change = window.control("Command2");
  accept.visible = true;
  change.visible = true;
  change.backColor = kGreen;
  ColourByVerdict(accept, faulty);
  window.SetFocus(faulty ? change : accept);
}

void ShowEndButton(Window& window, bool faulty) {
  Control& end = window.control("Command3");
  end.visible = true;
  ColourByVerdict(end, faulty);
}

void ReplaceRow(Control& list, int row, const std::u16string& text) {
  list.RemoveItem(row);
  list.AddItem(text, row);
}

void PrintAt(Window& window, int x, int y, const std::u16string& text) {
  Surface& s = window.surface();
  s.CurrentX = x;
  s.CurrentY = y;
  s.Print(text);
}

void EnterCorrectionMode(Window& window) {
  window.surface().Cls();
  window.caption = kCorrectionCaption;
  window.Show();
  if (Control* list = window.FindControl("List1")) {
    list->enabled = true;
    list->visible = true;
  }
  for (const char* name : {"Label2", "Command1", "Command2", "Command3", "Label1"}) {
    if (Control* c = window.FindControl(name)) c->visible = false;
  }
  if (Control* instruction = window.FindControl("Label3")) instruction->visible = true;
}

int TrayParameterAt(int index) { return index <= 12 ? index + 19 : index + 20; }

int ParameterOfLimitCode(int code) {
  if (code >= 2 && code <= 14) return code + 17;
  if (code >= 15 && code <= 22) return code + 18;
  return 0;
}

}  // namespace rc
