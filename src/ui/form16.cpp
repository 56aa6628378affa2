#include "ui/form16.h"

#include <algorithm>
#include <cmath>

#include "model/number_text.h"
#include "model/text.h"
#include "report/format.h"
#include "report/study_texts.h"
#include "ui/application.h"
#include "ui/command_button.h"
#include "ui/export_actions.h"
#include "ui/look.h"
#include "ui/form13.h"
#include "ui/form7.h"
#include "ui/printer_page.h"
#include "ui/prompts.h"

namespace rc {
namespace {

// [twips] as the diagram window: the plots at the left, the lists and buttons at the right.
constexpr int kWindowWidth = 15150, kWindowHeight = 10245;  // two rows of buttons
constexpr double kPlotLeft = 1100, kPlotRight = 9500;
constexpr double kTraysTop = 350, kTraysBottom = 3650;
constexpr double kColumnTop = 4650, kColumnBottom = 7700;
constexpr double kCursorLineTop = 8400;
constexpr int kSideLeft = 9850, kSideWidth = 5150;
constexpr int kButtonTop = 9000, kSecondRowTop = 9600;
constexpr int kSmallButtonWidth = 1650, kButtonWidth = 2900, kArrowWidth = 700, kGap = 100;
constexpr Colour kPrintColour = kOlive;
constexpr Colour kCloseColour = kLightRed;
constexpr Colour kRangeColour = kLightCyan;
constexpr Colour kAcceptColour = kGreen;
constexpr Colour kListColour = kGreen;
constexpr std::size_t kNameInList = 27;  // characters of an input's name in the list

Control& AddList(Window& w, const std::string& name, int top, int height) {
  Control& l = w.Add(name, ControlKind::List);
  l.font = kWindowFont;
  l.backColor = kListColour;
  l.foreColor = kNavy;
  l.left = kSideLeft;
  l.top = top;
  l.width = kSideWidth;
  l.height = height;
  l.showsNewRows = false;
  return l;
}

std::u16string UpperKey(const InputRow& in) {
  std::u16string key;
  for (const char* c = in.key; *c; ++c) {
    key += static_cast<char16_t>(*c >= 'a' && *c <= 'z' ? *c - 'a' + 'A' : *c);
  }
  return key;
}

constexpr StudyQuantity kQuantities[] = {StudyQuantity::Flooding, StudyQuantity::TotalDrop,
                                         StudyQuantity::Height, StudyQuantity::ReboilerDuty};
std::uint8_t DecimalsOf(StudyQuantity q) {
  return q == StudyQuantity::Height ? 3 : q == StudyQuantity::ReboilerDuty ? 2 : 1;
}

}  // namespace

Form16::Form16(Application& app)
    : Window(app, "Form16"),
      inputList(AddList(*this, "List1", 350, 2700)),
      pointList(AddList(*this, "List2", 4750, 2250)),
      inputLabel(Add("Label1", ControlKind::Label)),
      fromButton(AddCommandButton(*this, "Command1", u"ОТ", kRangeColour, kSideLeft, 3650, kSmallButtonWidth)),
      toButton(AddCommandButton(*this, "Command2", u"ДО", kRangeColour, kSideLeft + kSmallButtonWidth + 100,
                                3650, kSmallButtonWidth)),
      pointsButton(AddCommandButton(*this, "Command3", u"ТОЧКИ", kRangeColour,
                                    kSideLeft + 2 * (kSmallButtonWidth + 100), 3650, kSmallButtonWidth)),
      quantityButton(AddCommandButton(*this, "Command4", u"", kPeach, kSideLeft, 4200, kSideWidth)),
      printButton(AddCommandButton(*this, "Command5", u"ПЕЧАТЬ", kPrintColour, 1000, kButtonTop, kButtonWidth)),
      closeButton(AddCommandButton(*this, "Command6", u"ЗАКРЫТЬ ОКНО", kCloseColour, 1000 + kButtonWidth + 150,
                                   kButtonTop, kButtonWidth)),
      leftButton(AddCommandButton(*this, "Command7", u"<", kRangeColour, 1000 + 2 * (kButtonWidth + 150),
                                  kButtonTop, kArrowWidth)),
      rightButton(AddCommandButton(*this, "Command8", u">", kRangeColour,
                                   1000 + 2 * (kButtonWidth + 150) + kArrowWidth + kGap, kButtonTop, kArrowWidth)),
      acceptButton(AddCommandButton(*this, "Command9", u"ПРИНЯТЬ ЭТО ЗНАЧЕНИЕ", kAcceptColour,
                                    1000 + 2 * (kButtonWidth + 150) + 2 * (kArrowWidth + kGap) + 50,
                                    kButtonTop, kButtonWidth + 600)),
      copyTableButton(AddCommandButton(*this, "Command10", kCopyTableCaption, kPaleCyan, 1000,
                                       kSecondRowTop, kButtonWidth)),
      savePictureButton(AddCommandButton(*this, "Command11", kSavePictureCaption, kPaleCyan,
                                         1000 + kButtonWidth + 150, kSecondRowTop, kButtonWidth)),
      copyPictureButton(AddCommandButton(*this, "Command12", kCopyPictureCaption, kPaleCyan,
                                         1000 + 2 * (kButtonWidth + 150), kSecondRowTop, kButtonWidth)) {}

InputStudyLayout Form16::Layout() {
  InputStudyLayout l;
  l.trays = {kPlotLeft, kTraysTop, kPlotRight, kTraysBottom};
  l.column = {kPlotLeft, kColumnTop, kPlotRight, kColumnBottom};
  l.legend = {kSideLeft, 7050, kSideLeft + kSideWidth, 8350};
  l.lineTop = kCursorLineTop;
  return l;
}

void Form16::Load() {
  left = 400;
  top = 300;
  width = kWindowWidth;
  height = kWindowHeight;
  caption = kInputStudyTitle;
  backColor = kYellow;
  surface().ForeColor = kDarkBlue;
  SetFont(kWindowFont);

  inputLabel.font = kButtonFont;
  inputLabel.backColor = backColor;
  inputLabel.foreColor = kDarkBlue;
  inputLabel.left = kSideLeft;
  inputLabel.top = 3100;
  inputLabel.width = kSideWidth;
  inputLabel.height = 500;

  // The inputs typed so far: the third stage's only after it was accepted.
  const DesignData& data = app().data();
  for (const InputRow& in : InputCatalogue()) {
    if (in.stage == InputStage::Column && !StudiesTheColumn(data)) continue;
    inputs_.push_back(&in);
    std::u16string name = in.Name().substr(0, kNameInList);
    const std::u16string key = UpperKey(in);
    inputList.AddItem(key + PadWidth(key, 4) + u" " + name + PadWidth(name, kNameInList) + u" " +
                      data.ParamText[in.number]);
  }
  inputList.onClick = [this] {
    const int i = inputList.listIndex;
    if (i >= 0 && i < static_cast<int>(inputs_.size())) ChooseInput(inputs_[static_cast<std::size_t>(i)]->number);
  };
  pointList.clicksOnArrowKeys = true;
  pointList.onClick = [this] {
    if (pointList.listIndex >= 0) MoveCursor(static_cast<std::size_t>(pointList.listIndex));
  };
  fromButton.onClick = [this] {
    if (const auto v = AskNumber(u"От:", from_)) SetRange(*v, to_, points_);
  };
  toButton.onClick = [this] {
    if (const auto v = AskNumber(u"До:", to_)) SetRange(from_, *v, points_);
  };
  pointsButton.onClick = [this] {
    const auto v = AskNumber(u"Число точек (2..201):", points_);
    if (!v) return;
    if (*v < kStudyMinPoints || *v > kStudyMaxPoints || *v != std::floor(*v)) {
      app().toolkit().Beep();
      return;
    }
    SetRange(from_, to_, static_cast<int>(*v));
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

std::optional<double> Form16::AskNumber(const std::u16string& prompt, double shown) {
  std::u16string typed = app().toolkit().InputBox(prompt, kInputStudyTitle,
                                                  StudyValueText(static_cast<float>(shown)), 1000, 3000);
  if (typed.empty()) return std::nullopt;
  const double v = ReadNumber(NormalizeNumberText(typed));
  if (!std::isfinite(v)) return std::nullopt;
  return v;
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

void Form16::SetRange(double from, double to, int points) {
  from_ = from;
  to_ = to;
  points_ = std::clamp(points, kStudyMinPoints, kStudyMaxPoints);
  Recompute();
  // The cursor on the point nearest the typed value.
  std::size_t nearest = 0;
  for (std::size_t k = 0; k < study_.points.size(); ++k) {
    if (std::fabs(study_.points[k].value - marks_.typedValue) <
        std::fabs(study_.points[nearest].value - marks_.typedValue)) {
      nearest = k;
    }
  }
  MoveCursor(nearest);
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
  const auto it = std::find(std::begin(kQuantities), std::end(kQuantities), marks_.quantity);
  marks_.quantity = it + 1 == std::end(kQuantities) ? kQuantities[0] : *(it + 1);
  Redraw();
}

void Form16::Redraw() {
  const char16_t separator = app().toolkit().DecimalSeparator();
  quantityButton.caption = u"ГРАФИК: " + StudyQuantityName(marks_.quantity);
  quantityButton.visible = study_.withColumn;
  pointList.Clear();
  for (const StudyPoint& p : study_.points) {
    const ColumnValue q = StudyQuantityAt(p, marks_.quantity);
    pointList.AddItem(StudyTableRow(p, study_.withColumn, q, DecimalsOf(marks_.quantity), separator));
  }
  pointList.listIndex = static_cast<int>(marks_.cursor);
  surface().Cls();
  DrawInputStudy(surface(), study_, marks_, Layout(), separator);
}

void Form16::AcceptCursorValue() {
  if (marks_.cursor >= study_.points.size() || !input_) return;
  const StudyPoint& p = study_.points[marks_.cursor];
  if (!p.Completed() || p.columnRefused) {
    app().toolkit().Beep();
    return;
  }
  Application& a = app();
  const int n = input_->number;
  const bool column = input_->stage == InputStage::Column;
  EnterTypedParameter(a.data(), n, StudyTypedText(p.value));
  // As a sound end of corrections: the windows of the old results go (this one too), the
  // results menu runs the calculation last started again; a third-stage value shows the
  // column again.
  a.UnloadResultWindows();
  Form7::OpenAfterCorrection(a);
  if (column) OpenColumnResults(a);
}

void Form16::PrintStudy() {
  printButton.enabled = false;
  Toolkit& toolkit = app().toolkit();
  Surface printer = PrinterSurface(toolkit);
  PrintInputStudy(printer, app().data().StudentName, study_, marks_, PrintedDateTime(toolkit),
                  toolkit.DecimalSeparator());
  toolkit.PrintDocument(PrintedDocument{ReportFont(), printer.Pages()});
  printButton.enabled = true;
  SetFocus(printButton);
}

CellTable Form16::PointsTable() {
  CellTable table;
  if (!input_) return table;
  table.heading = {input_->Name() + u", " + input_->Unit(), u"N", u"ТАРЕЛКА ПИТАНИЯ"};
  if (study_.withColumn) table.heading.push_back(StudyQuantityName(marks_.quantity));
  for (const StudyPoint& p : study_.points) {
    table.rows.push_back(StudyTableCells(p, study_.withColumn, StudyQuantityAt(p, marks_.quantity),
                                         DecimalsOf(marks_.quantity), app().toolkit().DecimalSeparator()));
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
