#include "ui/form16.h"

#include <algorithm>
#include <charconv>
#include <cmath>

#include "model/number_text.h"
#include "model/text.h"
#include "report/column_results.h"
#include "report/format.h"
#include "report/study_texts.h"
#include "ui/application.h"
#include "ui/window_parts.h"
#include "ui/file_message.h"
#include "ui/export_actions.h"
#include "ui/look.h"
#include "ui/form7.h"
#include "ui/printer_page.h"
#include "ui/prompts.h"

namespace rc {
namespace {

// [twips] as the diagram window: the plots at the left, the side column at the right
// (the list of inputs, the input's line, the range's buttons, the quantity's button, the
// table of points under its heading, the legend), two rows of buttons at the bottom.
constexpr double kPlotLeft = kPlotAreaLeft, kPlotRight = 9500;
constexpr double kTraysTop = 350, kTraysBottom = 3650;
constexpr double kColumnTop = 4650, kColumnBottom = 7700;
constexpr double kCursorLineTop = 8400;
constexpr int kSideLeft = 9850, kSideWidth = 5150;
constexpr int kInputListTop = 350;
constexpr int kInputListHeight = 2450;  // room under it for its sideways scroll bar
constexpr int kInputLineTop = 3100, kInputLineHeight = 500;
constexpr int kRangeTop = 3650, kSmallButtonWidth = 1650, kSmallButtonGap = 100;
constexpr int kQuantityTop = 4200;
constexpr int kHeadingTop = 4750, kPointListTop = 5000, kPointListHeight = 2000;
constexpr int kHeadingInset = 60;  // the table's headings start where the list's rows do, past its frame
constexpr int kLegendTop = 7050, kLegendBottom = 8350;
// The bottom row after print and close: the arrows, then the accept button, wider.
constexpr int kArrowWidth = 700, kArrowGap = 100;
constexpr int kArrowsLeft = PlotButtonLeft(2);
constexpr int kAcceptLeft = kArrowsLeft + 2 * (kArrowWidth + kArrowGap) + 50;
constexpr int kAcceptWidth = kPlotButtonWidth + 600;
constexpr Colour kRangeColour = kLightCyan;
// The left edge of the range's button `index` (ОТ, ДО, ТОЧКИ).
constexpr int RangeLeft(int index) { return kSideLeft + index * (kSmallButtonWidth + kSmallButtonGap); }
constexpr std::size_t kTypedInList = 9;  // characters of a typed value in the list
constexpr std::size_t kNameColumns = 24;  // characters of a name's line in the list

// The words of a name, a word longer than a line broken after a hyphen or a full stop
// (its later pieces `glued`: no blank before them on a line).
struct NamePiece {
  std::u16string text;
  bool glued = false;
};
std::vector<NamePiece> NamePieces(const std::u16string& text) {
  std::vector<NamePiece> pieces;
  std::size_t start = 0;
  while (start < text.size()) {
    const std::size_t end = std::min(text.find(u' ', start), text.size());
    std::u16string word = text.substr(start, end - start);
    bool glued = false;
    while (word.size() > kNameColumns) {
      const std::size_t cut = word.find_last_of(u"-.", kNameColumns - 1);
      if (cut == std::u16string::npos) break;
      pieces.push_back({word.substr(0, cut + 1), glued});
      word.erase(0, cut + 1);
      glued = true;
    }
    if (!word.empty()) pieces.push_back({word, glued});
    start = end + 1;
  }
  return pieces;
}

std::u16string UpperKey(const InputRow& in) {
  std::u16string key;
  for (const char* c = in.key; *c; ++c) {
    key += static_cast<char16_t>(*c >= 'a' && *c <= 'z' ? *c - 'a' + 'A' : *c);
  }
  return key;
}

// The lower plot's quantities and their decimals: rows of the column's results.
std::uint8_t DecimalsOf(StudyQuantity q) { return q->decimals; }

// The number the whole text gives (blanks around it, a decimal comma and a leading plus
// allowed); nothing for a text that holds anything else, or no finite number.
std::optional<double> WholeNumber(const std::u16string& typed) {
  std::string text = ToUtf8(NormalizeNumberText(typed));
  const auto first = text.find_first_not_of(' '), last = text.find_last_not_of(' ');
  if (first == std::string::npos) return std::nullopt;
  text = text.substr(first, last - first + 1);
  if (text.front() == '+') text.erase(0, 1);
  double v = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), v);
  if (error != std::errc{} || end != text.data() + text.size() || !std::isfinite(v)) return std::nullopt;
  return v;
}

}  // namespace

Form16::Form16(Application& app)
    : Window(app, "Form16"),
      inputList(AddResultList(*this, "List1", kSideLeft, kInputListTop, kSideWidth, kInputListHeight)),
      pointList(AddResultList(*this, "List2", kSideLeft, kPointListTop, kSideWidth, kPointListHeight)),
      inputLabel(Add("Label1", ControlKind::Label)),
      fromButton(AddCommandButton(*this, "Command1", u"ОТ", kRangeColour, RangeLeft(0), kRangeTop, kSmallButtonWidth)),
      toButton(AddCommandButton(*this, "Command2", u"ДО", kRangeColour, RangeLeft(1), kRangeTop, kSmallButtonWidth)),
      pointsButton(
          AddCommandButton(*this, "Command3", u"ТОЧКИ", kRangeColour, RangeLeft(2), kRangeTop, kSmallButtonWidth)),
      quantityButton(AddCommandButton(*this, "Command4", u"", kPeach, kSideLeft, kQuantityTop, kSideWidth)),
      printButton(AddCommandButton(*this, "Command5", u"ПЕЧАТЬ", kOlive, PlotButtonLeft(0), kPlotButtonTop,
                                   kPlotButtonWidth)),
      closeButton(AddCommandButton(*this, "Command6", u"ЗАКРЫТЬ ОКНО", kLightRed, PlotButtonLeft(1), kPlotButtonTop,
                                   kPlotButtonWidth)),
      leftButton(AddCommandButton(*this, "Command7", u"<", kRangeColour, kArrowsLeft, kPlotButtonTop, kArrowWidth)),
      rightButton(AddCommandButton(*this, "Command8", u">", kRangeColour, kArrowsLeft + kArrowWidth + kArrowGap,
                                   kPlotButtonTop, kArrowWidth)),
      acceptButton(AddCommandButton(*this, "Command9", u"ПРИНЯТЬ ЭТО ЗНАЧЕНИЕ", kGreen, kAcceptLeft, kPlotButtonTop,
                                    kAcceptWidth)),
      headingLabel(Add("Label2", ControlKind::Label)),
      copyTableButton(AddCommandButton(*this, "Command10", kCopyTableCaption, kPaleCyan, PlotButtonLeft(0),
                                       kPlotSecondRowTop, kPlotButtonWidth)),
      savePictureButton(AddCommandButton(*this, "Command11", kSavePictureCaption, kPaleCyan, PlotButtonLeft(1),
                                         kPlotSecondRowTop, kPlotButtonWidth)),
      copyPictureButton(AddCommandButton(*this, "Command12", kCopyPictureCaption, kPaleCyan, PlotButtonLeft(2),
                                         kPlotSecondRowTop, kPlotButtonWidth)) {}

PlotPairLayout Form16::Layout() {
  PlotPairLayout l;
  l.first = {kPlotLeft, kTraysTop, kPlotRight, kTraysBottom};
  l.second = {kPlotLeft, kColumnTop, kPlotRight, kColumnBottom};
  l.legend = {kSideLeft, kLegendTop, kSideLeft + kSideWidth, kLegendBottom};
  l.linesTop = kCursorLineTop;
  return l;
}

void Form16::Load() {
  SetResultWindowFrame(*this, 400, 300, kPlotWindowWidth, kPlotWindowHeight, kInputStudyTitle);

  StyleWindowText(*this, inputLabel, kButtonFont, kDarkBlue);
  inputLabel.left = kSideLeft;
  inputLabel.top = kInputLineTop;
  inputLabel.width = kSideWidth;
  inputLabel.height = kInputLineHeight;

  StyleListHeading(*this, headingLabel);
  headingLabel.left = kSideLeft + kHeadingInset;
  headingLabel.top = kHeadingTop;
  headingLabel.width = kSideWidth - kHeadingInset;
  headingLabel.height = kPointListTop - kHeadingTop;

  escapeCloses = true;
  // The cursor moves with Left and Right whatever has the focus, and to a point clicked
  // on the plots.
  onSidewaysKey = [this](int step) {
    if (step < 0 && marks_.cursor > 0) MoveCursor(marks_.cursor - 1);
    if (step > 0) MoveCursor(marks_.cursor + 1);
  };
  onSurfaceClick = [this](double x, double y) {
    if (const auto k = place_.PointAt(study_, x, y)) MoveCursor(*k);
  };
  // Where flooding is not computed (dual-flow hydraulics) the lower plot starts on ΣΔP.
  if (!FloodingAppliesTo(app().data())) marks_.quantity = FindColumnResult("dp_total");
  FillInputList();
  inputList.onClick = [this] {
    const int i = inputList.listIndex;
    if (i >= 0 && i < static_cast<int>(inputs_.size())) ChooseInput(inputs_[static_cast<std::size_t>(i)]->number);
  };
  pointList.clicksOnArrowKeys = true;
  pointList.onClick = [this] {
    if (pointList.listIndex >= 0) MoveCursor(static_cast<std::size_t>(pointList.listIndex));
  };
  fromButton.onClick = [this] {
    if (const auto v = AskNumber(u"От:", from_)) TryRange(*v, to_, points_, u"ОТ: " + StudyValueText(static_cast<float>(*v)));
  };
  toButton.onClick = [this] {
    if (const auto v = AskNumber(u"До:", to_)) TryRange(from_, *v, points_, u"ДО: " + StudyValueText(static_cast<float>(*v)));
  };
  pointsButton.onClick = [this] {
    if (const auto v = AskNumber(u"Число точек (2..201):", points_)) {
      TryRange(from_, to_, *v, u"ТОЧКИ: " + StudyValueText(static_cast<float>(*v)));
    }
  };
  quantityButton.onClick = [this] { NextQuantity(); };
  leftButton.onClick = [this] {
    if (marks_.cursor > 0) MoveCursor(marks_.cursor - 1);
  };
  rightButton.onClick = [this] { MoveCursor(marks_.cursor + 1); };
  acceptButton.onClick = [this] { AcceptCursorValue(); };
  printButton.onClick = [this] { PrintStudy(); };
  closeButton.onClick = [this] { app().Unload(*this); };
  copyTableButton.shortcut = kCopyTableKeys;
  copyTableButton.onClick = [this] { CopyTable(app(), PointsTable()); };
  savePictureButton.onClick = [this] {
    SavePicture(app(), *this, StudyPicture(), u"влияние-" + FromUtf8(input_ ? input_->key : ""));
  };
  copyPictureButton.shortcut = kCopyPictureKeys;
  copyPictureButton.onClick = [this] { CopyPicture(app(), StudyPicture()); };
  ChooseInput(kParamReflux);
  SetFocus(pointList);
}

// The inputs typed so far, each with its key, its typed value and its name whole: the
// third stage's once it was typed.
void Form16::FillInputList() {
  const DesignData& data = app().data();
  inputs_.clear();
  inputList.Clear();
  for (const InputRow& in : InputCatalogue()) {
    if (in.stage == InputStage::Column && !StudiesTheColumn(data)) continue;
    inputs_.push_back(&in);
    const std::u16string key = UpperKey(in);
    const std::u16string& typed = data.ParamText[in.number];
    const std::u16string lead = key + PadWidth(key, 4) + u" " + typed + PadWidth(typed, kTypedInList) + u" ";
    // The name whole, in as many lines of the row as it needs, each under the first.
    std::u16string row = lead;
    std::size_t used = 0;
    for (const NamePiece& piece : NamePieces(in.Name())) {
      const std::size_t blank = used > 0 && !piece.glued ? 1 : 0;
      if (used > 0 && used + blank + piece.text.size() > kNameColumns) {
        row += u"\n" + Spaces(static_cast<std::uint8_t>(lead.size()));
        used = 0;
      } else if (blank) {
        row += u' ';
        ++used;
      }
      row += piece.text;
      used += piece.text.size();
    }
    inputList.AddItem(row);
  }
  const auto it = std::find(inputs_.begin(), inputs_.end(), input_);
  inputList.listIndex = it == inputs_.end() ? -1 : static_cast<int>(it - inputs_.begin());
}

void Form16::Refresh() {
  FillInputList();
  if (!input_) return;
  const DesignData& data = app().data();
  marks_.typedValue = data.ParamValue[input_->number];
  inputLabel.caption = input_->Name() + u", " + input_->Unit() + u"; введено: " + data.ParamText[input_->number];
  const std::size_t cursor = marks_.cursor;
  study_ = StudyInput(data, *input_, from_, to_, points_);
  if (cursor >= study_.points.size()) marks_.cursor = 0;
  MoveCursor(marks_.cursor);
}

std::optional<double> Form16::AskNumber(const std::u16string& prompt, double shown) {
  std::u16string typed = app().toolkit().InputBox(prompt, kInputStudyTitle,
                                                  StudyValueText(static_cast<float>(shown)), 1000, 3000);
  if (typed.empty()) return std::nullopt;
  if (const auto v = WholeNumber(typed)) return v;
  TellRefusal(prompt + u" " + typed, StudyNotANumberText(typed));
  return std::nullopt;
}

void Form16::TryRange(double from, double to, double points, const std::u16string& typed) {
  if (!input_) return;
  if (const auto fault = StudyRangeFaultOf(*input_, from, to, points)) {
    TellRefusal(typed, StudyRangeFaultText(*input_, *fault));
    return;
  }
  SetRange(from, to, static_cast<int>(points));
}

void Form16::TellRefusal(const std::u16string& typed, const std::u16string& reason) {
  app().toolkit().Beep();
  app().Form<FileMessage>().Tell(*this, u"Диапазон не изменен.", typed, reason);
}

void Form16::ChooseInput(int number) {
  const InputRow* in = FindInput(number);
  if (!in) return;
  input_ = in;
  const DesignData& data = app().data();
  const float typed = data.ParamValue[number];
  marks_.typedValue = typed;
  const StudyRange range = DefaultStudyRange(*in, typed);
  inputLabel.caption = in->Name() + u", " + in->Unit() + u"; введено: " + data.ParamText[number];
  const auto it = std::find(inputs_.begin(), inputs_.end(), in);
  inputList.listIndex = it == inputs_.end() ? -1 : static_cast<int>(it - inputs_.begin());
  SetRange(range.from, range.to, points_);
}

std::optional<StudyRangeFault> Form16::SetRange(double from, double to, int points) {
  if (!input_) return std::nullopt;
  if (const auto fault = StudyRangeFaultOf(*input_, from, to, points)) return fault;
  from_ = from;
  to_ = to;
  points_ = points;
  Recompute();
  // The cursor on the point nearest the typed value.
  MoveCursor(NearestStudyPoint(study_, marks_.typedValue));
  return std::nullopt;
}

void Form16::Recompute() {
  if (!input_) return;
  study_ = StudyInput(app().data(), *input_, from_, to_, points_);
  Redraw();
}

void Form16::MoveCursor(std::size_t k) {
  if (k >= study_.points.size()) return;
  marks_.cursor = k;
  pointList.listIndex = static_cast<int>(k);
  const StudyPoint& p = study_.points[k];
  acceptButton.enabled = p.Completed() && !p.columnRefused;
  Redraw();
}

void Form16::NextQuantity() {
  const std::span<const StudyQuantity> quantities = StudyQuantities();
  const auto it = std::find(quantities.begin(), quantities.end(), marks_.quantity);
  marks_.quantity = it + 1 == quantities.end() ? quantities.front() : *(it + 1);
  Redraw();
}

namespace {

// Whether the quantity is computed at the point: flooding and the operating window are not
// on dual-flow hydraulics, the weep margin not on bubble-cap trays.
bool QuantityApplies(StudyQuantity q, const StudyPoint& p) {
  if (q->scope == ResultScope::Window && p.window) {
    return p.window->computed && (q != FindColumnResult("weep_min") || p.window->weepApplies);
  }
  return q != FindColumnResult("flood_max") || !p.column || p.column->floodingApplies;
}

// The lower plot's quantity over its column of the table.
std::u16string QuantityHeading(StudyQuantity q) {
  return q == FindColumnResult("flood_max") ? u"φmax, %" : StudyQuantityName(q);
}

}  // namespace

void Form16::Redraw() {
  const char16_t separator = app().toolkit().DecimalSeparator();
  const auto shown = [separator](double v) {
    std::u16string text = StudyValueText(static_cast<float>(v));
    std::replace(text.begin(), text.end(), u'.', separator);
    return text;
  };
  fromButton.caption = u"ОТ " + shown(from_);
  toButton.caption = u"ДО " + shown(to_);
  pointsButton.caption = u"ТОЧКИ " + DecimalText(points_);
  quantityButton.caption = u"ГРАФИК: " + StudyQuantityName(marks_.quantity);
  quantityButton.visible = study_.withColumn;
  pointList.Clear();
  if (input_) headingLabel.caption = StudyTableHeading(*input_, study_.withColumn, QuantityHeading(marks_.quantity));
  for (const StudyPoint& p : study_.points) {
    const ColumnValue q = StudyQuantityAt(p, marks_.quantity);
    pointList.AddItem(StudyTableRow(*input_, p, study_.withColumn, q, QuantityApplies(marks_.quantity, p), DecimalsOf(marks_.quantity), separator));
  }
  pointList.listIndex = static_cast<int>(marks_.cursor);
  surface().Cls();
  place_ = DrawInputStudy(surface(), study_, marks_, Layout(), separator);
}

void Form16::AcceptCursorValue() {
  if (marks_.cursor >= study_.points.size() || !input_) return;
  Application& a = app();
  const InputRow& in = *input_;
  // The point again on the data as they are now, should they have changed since the
  // table was made.
  const float value = study_.points[marks_.cursor].value;
  const StudyPoint p = StudyAt(a.data(), in, value, StudiesTheColumn(a.data()));
  if (!p.Completed() || p.columnRefused) {
    a.toolkit().Beep();
    Refresh();
    return;
  }
  EnterTypedParameter(a.data(), in.number, StudyTypedText(value));
  if (in.stage == InputStage::Column) {
    // As a value typed on the third stage's list: the calculations before the column
    // stand, and the column is shown on them as the results menu's column button shows
    // it (running the tray-by-tray calculation first where the menu has not).
    a.Unload(*this);
    if (Form7* menu = a.FindForm<Form7>()) menu->columnButton.onClick();
    return;
  }
  // As a sound end of corrections: the windows of the old results go (this one too), the
  // results menu runs the calculation last started again.
  a.UnloadResultWindows();
  Form7::OpenAfterCorrection(a);
}

void Form16::PrintStudy() {
  PrintFromButton(*this, printButton, [this](Surface& printer, const std::u16string& dateTime, char16_t separator) {
    PrintInputStudy(printer, app().data().StudentName, study_, marks_, dateTime, separator);
  });
}

CellTable Form16::PointsTable() {
  CellTable table;
  if (!input_) return table;
  table.heading = {input_->Name() + u", " + input_->Unit(), u"N", u"ТАРЕЛКА ПИТАНИЯ"};
  if (study_.withColumn) table.heading.push_back(StudyQuantityName(marks_.quantity));
  for (const StudyPoint& p : study_.points) {
    table.rows.push_back(StudyTableCells(*input_, p, study_.withColumn, StudyQuantityAt(p, marks_.quantity),
                                         QuantityApplies(marks_.quantity, p), DecimalsOf(marks_.quantity), app().toolkit().DecimalSeparator()));
  }
  return table;
}

PlotPicture Form16::StudyPicture() {
  return PictureOf(app().toolkit(), [this](Surface& s) {
    return DrawPrintedInputStudy(s, study_, marks_, 0, app().toolkit().DecimalSeparator());
  });
}

void OpenInputStudy(Application& app) {
  if (Form16* open = app.FindForm<Form16>()) app.Unload(*open);
  app.Form<Form16>().Show();
}

}  // namespace rc
