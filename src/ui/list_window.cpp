#include "ui/list_window.h"

#include <cmath>

#include "model/checks.h"
#include "model/equilibrium.h"
#include "report/format.h"
#include "ui/look.h"
#include "report/input_rows.h"
#include "ui/entry.h"
#include "ui/prompts.h"

namespace rc {
namespace {

constexpr Colour kListBack = kGreen;
constexpr Colour kListText = kNavy;
constexpr Colour kInstructionText = kPurple;
constexpr Colour kInstructionBack = kPaleCyan;

constexpr char16_t kInstructionCaption[] =
    u" Подведите указатель мыши к   строке, информацию которой   Вы будете исправлять и  "
    u"щёлкните левой кнопкой";

constexpr int kButtonWidth = 4000;   // [twips]
constexpr int kFaultRowsX = 530;     // [twips] left of the printed rows and of the marker
constexpr int kMarkerHeight = 200;   // [twips]
constexpr int kMarkerWidth = 10000;  // [twips]

// The name's row: its caption padded to 40 characters, 4 blanks, the name as typed; a
// name of up to 33 characters fits the list's 80 without a sideways scroll bar.
constexpr std::uint8_t kRowCaptionWidth = 40;
std::u16string NameRowText(const DesignData& data) {
  constexpr std::u16string_view kCaption = u"Фамилия и номер группы";
  return Spaces(kListRowLead) + std::u16string(kCaption) + PadWidth(kCaption, kRowCaptionWidth) +
         u"    " + data.Typed.Name;
}

Control& WithSize(Control& c, int width, int height) {
  c.width = width;
  c.height = height;
  return c;
}

Control& AddButton(Window& window, const char* name) {
  return WithSize(window.Add(name, ControlKind::Button), kButtonWidth, kButtonHeight);
}

}  // namespace

bool Names(const ListRow& row, InputCheck check, int code) {
  using Content = ListRow::Content;
  if (check == InputCheck::Equilibrium && row.content == Content::EquilibriumPair) {
    return code >= 0 && code <= 7 && row.item == code;
  }
  const Content parameterRow = check == InputCheck::Equilibrium ? Content::Composition : Content::Parameter;
  const int n = ParameterOfErrorRow(check, code);
  return row.content == parameterRow && n != 0 && row.item == n;
}

void PlaceSideBySide(const Window& window, Control& first, Control& second) {
  const int gap = static_cast<int>(
      std::lround((window.width - first.width - second.width) / 3.0));
  first.left = gap;
  second.left = first.left + first.width + gap;
}

ListWindow::ListWindow(Application& app, std::string name, int buttons)
    : Window(app, std::move(name)),
      list(WithSize(Add("List1", ControlKind::List), kListWidth, kListHeight)),
      acceptButton(AddButton(*this, "Command1")),
      correctButton(AddButton(*this, "Command2")),
      endOfCorrectionsButton(AddButton(*this, "Command3")),
      capsButton(buttons >= 4 ? &AddButton(*this, "Command4") : nullptr),
      noCapsButton(buttons >= 5 ? &AddButton(*this, "Command5") : nullptr),
      heading(WithSize(Add("Label1", ControlKind::Label), 6600, 375)),
      faultMarker(WithSize(Add("Label2", ControlKind::Label), kMarkerWidth, kMarkerHeight)),
      instruction(WithSize(Add("Label3", ControlKind::Label), 3735, 1215)) {
  left = 0;
  top = 0;
  width = 12000;
  height = 10000;
  SetFont(kWindowFont);

  list.font = kWindowFont;
  list.backColor = kListBack;
  list.foreColor = kListText;
  list.onClick = [this] { RowClicked(); };

  heading.font = FontSpec{u"Courier", 12, true};
  heading.backColor = kYellow;
  heading.centred = true;

  faultMarker.font = kWindowFont;
  faultMarker.foreColor = kRed;
  faultMarker.backColor = kListBack;
  faultMarker.visible = false;

  instruction.font = FontSpec{u"Times New Roman", 12, true};
  instruction.foreColor = kInstructionText;
  instruction.backColor = kInstructionBack;
  instruction.caption = kInstructionCaption;
  instruction.centred = true;
}

void ListWindow::AcceptOrShowFault(bool endOfCorrections, void (*next)(Application&), FaultDisplay fault,
                                   InputCheck check, const std::function<void()>& openDialog) {
  Application& a = app();
  if (a.data().InputError == kFalse) {
    a.Unload(*this);
    next(a);
    return;
  }
  fault.markedRow = RowOfFault(check, a.data().ErrorRow);
  ShowFault(fault);
  if (endOfCorrections) endOfCorrectionsButton.visible = false;
  openDialog();
}

void ListWindow::PlaceReviewButtons(int acceptTop, int correctTop, int endTop) {
  const struct {
    Control& button;
    const char16_t* caption;
    int top;
  } buttons[] = {{acceptButton, u"НЕ ИЗМЕНЯЕТЕ ИСХОДНУЮ ИНФОРМАЦИЮ", acceptTop},
                 {correctButton, u"ИЗМЕНЯЕТЕ ИСХОДНУЮ ИНФОРМАЦИЮ", correctTop},
                 {endOfCorrectionsButton, u"КОНЕЦ ИСПРАВЛЕНИЙ", endTop}};
  for (const auto& b : buttons) {
    b.button.caption = b.caption;
    b.button.top = b.top;
    CentreHorizontally(b.button);
  }
}

void ListWindow::EnterCorrectionMode() {
  surface().Cls();
  caption = kCorrectionCaption;
  Show();
  list.enabled = true;
  list.visible = true;
  for (Control* c : {&faultMarker, &acceptButton, &correctButton, &endOfCorrectionsButton, &heading}) {
    c->visible = false;
  }
  instruction.visible = true;
  // The keyboard reaches the rows too: arrows pick one, Return opens its prompt.
  SetFocus(list);
}

void ListWindow::ReturnFromErrorDialog() {
  EnterCorrectionMode();
  // The keyboard starts on the row that was marked.
  if (markedRow_ >= 0 && markedRow_ < static_cast<int>(list.items.size())) list.listIndex = markedRow_;
}

int ListWindow::RowOfFault(InputCheck check, int code) const {
  for (int r = 0; r < RowCount(); ++r) {
    if (Names(rows[static_cast<std::size_t>(r)], check, code)) return r;
  }
  return -1;
}

int ListWindow::HeaderRow() const {
  for (int r = 0; r < RowCount(); ++r) {
    if (rows[static_cast<std::size_t>(r)].content == ListRow::Content::TrayClassHeader) return r;
  }
  return -1;
}

std::u16string ListWindow::RowText(int row, HeaderOccasion header) {
  const DesignData& data = app().data();
  const ListRow& r = rows.at(static_cast<std::size_t>(row));
  switch (r.content) {
    case ListRow::Content::EquilibriumPair: return EquilibriumRowText(data, r.item);
    case ListRow::Content::TrayClassHeader: return TrayClassHeader(data, header);
    case ListRow::Content::Composition:
    case ListRow::Content::Parameter: return ParameterRowText(data, r.item);
    case ListRow::Content::StudentName: return NameRowText(data);
  }
  return {};
}

void ListWindow::FillList(HeaderOccasion header) {
  list.Clear();
  for (int r = 0; r < RowCount(); ++r) list.AddItem(RowText(r, header));
}

void ListWindow::ReplaceRow(int row, const std::u16string& text) {
  list.RemoveItem(row);
  list.AddItem(text, row);
}

void ListWindow::RowClicked() {
  const int r = list.listIndex;
  if (r < 0 || r >= RowCount()) return;
  BeforeRowCorrection();
  instruction.visible = false;
  endOfCorrectionsButton.visible = false;

  DesignData& data = app().data();
  const ListRow row = rows[static_cast<std::size_t>(r)];
  switch (row.content) {
    case ListRow::Content::EquilibriumPair:
      CorrectEquilibriumPair(app(), row.item, row.promptY);
      SortEquilibriumPoints(data);
      AfterPointsSorted();
      break;
    case ListRow::Content::Composition:
      CorrectComposition(app(), row.item, kCompositionCorrectionTitles[row.item - kParamXW],
                         row.promptY);
      ReplaceRow(r, RowText(r, HeaderOccasion::FullList));
      break;
    case ListRow::Content::TrayClassHeader:
      // The class buttons; the choice is the window's own business.
      OfferTrayClasses();
      return;
    case ListRow::Content::Parameter:
      CorrectParameter(app(), row.item, row.promptY);
      ReplaceRow(r, RowText(r, HeaderOccasion::FullList));
      if (row.item == kParamAreaRatio && data.TrayType == kTraysWithoutCaps) {
        ReplaceRow(HeaderRow(), TrayClassHeader(data, HeaderOccasion::AreaRatioCorrected));
      }
      break;
    case ListRow::Content::StudentName:
      AskStudentName(app(), data.Typed.Name);
      ReplaceRow(r, RowText(r, HeaderOccasion::FullList));
      break;
  }

  RunChecks();
  ShowEndButton(data.InputError != kFalse);
  if (listLeavesTabOrderOnCorrection) list.tabStop = false;
}

void ListWindow::OfferTrayClasses() {
  if (!capsButton || !noCapsButton) return;
  capsButton->visible = true;
  noCapsButton->visible = true;
  SetFocus(app().data().TrayType != kBubbleCapTrays ? *capsButton : *noCapsButton);
}

void ListWindow::ShowReviewButtons(bool faulty) {
  acceptButton.visible = true;
  correctButton.visible = true;
  correctButton.backColor = kGreen;
  acceptButton.backColor = faulty ? kRed : kGreen;
  // The focus is on acceptance either way: Return accepts as a click does, and faulty
  // data lead to the fault display with its marked row and dialog, which a student at
  // the keyboard would otherwise never see.
  SetFocus(acceptButton);
}

void ListWindow::ShowEndButton(bool faulty) {
  endOfCorrectionsButton.visible = true;
  endOfCorrectionsButton.backColor = faulty ? kRed : kGreen;
}

void ListWindow::ShowFault(const FaultDisplay& fault) {
  app().toolkit().Beep();
  if (fault.clearFirst) surface().Cls();
  if (!fault.caption.empty()) caption = fault.caption;
  markedRow_ = fault.markedRow;
  for (int r = 0; r < RowCount(); ++r) {
    PrintAt(kFaultRowsX, fault.firstY + kRowPitch * r, RowText(r, fault.header));
  }
  // The dialog's buttons are to be the only way on.
  for (Control* c : {&list, &acceptButton, &correctButton, capsButton, noCapsButton}) {
    if (c) c->visible = false;
  }

  const bool marked = fault.markedRow >= 0 && fault.markedRow < RowCount();
  faultMarker.visible = marked;
  if (!marked) return;
  faultMarker.caption = RowText(fault.markedRow, fault.header);
  faultMarker.left = kFaultRowsX;
  faultMarker.top = fault.firstY - fault.markerAboveRow + kRowPitch * fault.markedRow;
  faultMarker.height = kMarkerHeight;
  faultMarker.width = kMarkerWidth;
}

void ListWindow::PrintAt(int x, int y, const std::u16string& text) {
  Surface& s = surface();
  s.CurrentX = x;
  s.CurrentY = y;
  s.Print(text);
}

void ListWindow::PrintListHeading(int x, int y, const std::u16string& text) {
  surface().ForeColor = kBlue;
  PrintAt(x, y, text);
  surface().ForeColor = kBlack;
}

}  // namespace rc
