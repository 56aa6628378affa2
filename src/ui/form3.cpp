#include "ui/form3.h"

#include "model/checks.h"
#include "model/equilibrium.h"
#include "ui/application.h"
#include "ui/correction_window.h"
#include "ui/error_dialog.h"
#include "ui/fault_display.h"
#include "ui/form5.h"
#include "ui/prompts.h"
#include "ui/row_texts.h"

namespace rc {
namespace {

constexpr char16_t kEntryCaption[] = u"Ввод равновесной зависимости";
constexpr char16_t kEntryHeading[] = u"ВВЕДИТЕ РАВНОВЕСНЫЕ ДАННЫЕ (Концентрации в мольных долях)";
constexpr char16_t kFaultCaption[] = u"Контроль равновесной зависимости";
constexpr char16_t kAccept[] = u"НЕ ИЗМЕНЯЕТЕ ИСХОДНУЮ ИНФОРМАЦИЮ";
constexpr char16_t kCorrect[] = u"ИЗМЕНЯЕТЕ ИСХОДНУЮ ИНФОРМАЦИЮ";
constexpr char16_t kEndOfCorrections[] = u"КОНЕЦ ИСПРАВЛЕНИЙ";
constexpr char16_t kListHeading[] = u"КООРДИНАТЫ ТОЧЕК РАВНОВЕСНОЙ ЗАВИСИМОСТИ";
// Layout [twips].
constexpr int kListTop = 1000;
constexpr int kListHeight = 2340;
constexpr int kHeadingX = 1500;
constexpr int kHeadingY = 500;
// Prompts of a correction.
constexpr int kPointPromptY = 1695;         // + 195·i
constexpr int kCompositionsPromptY = 1400;  // + 195·row, after a point correction
constexpr int kCompositionPromptY[] = {3300, 3500, 3700};
constexpr int kPromptStep = 195;

}  // namespace

Form3::Form3(Application& app) : Window(app, "Form3") {}

void Form3::Load() {
  AddCorrectionControls(*this, 3);

  Control& list = control("List1");
  list.top = kListTop;
  list.height = kListHeight;
  CentreHorizontally(*this, list);
  list.onClick = [this] { RowClick(); };

  const struct {
    const char* name;
    const char16_t* caption;
    int top;
  } buttons[] = {{"Command1", kAccept, 3600}, {"Command2", kCorrect, 4200},
                 {"Command3", kEndOfCorrections, 4800}};
  for (const auto& b : buttons) {
    Control& c = control(b.name);
    c.caption = b.caption;
    c.top = b.top;
    CentreHorizontally(*this, c);
  }
  control("Command1").onClick = [this] { Accept(); };
  control("Command2").onClick = [this] { EnterCorrectionMode(); };
  control("Command3").onClick = [this] { EndOfCorrections(); };

  Control& heading = control("Label1");
  heading.caption = kListHeading;
  heading.foreColor = 0x000028;
  heading.top = 600;
  heading.width = 6000;
  heading.height = 300;
  CentreHorizontally(*this, heading);

  Control& instruction = control("Label3");
  instruction.top = 3600;
  instruction.width = 4000;
  CentreHorizontally(*this, instruction);
  instruction.visible = false;
}

void Form3::BeginEntry() {
  Control& list = control("List1");
  list.enabled = true;
  list.visible = false;
  for (const char* name : {"Command1", "Command2", "Command3", "Label1", "Label2", "Label3"}) {
    control(name).visible = false;
  }
  Show();
  caption = kEntryCaption;

  Surface& s = surface();
  s.CurrentX = kHeadingX;
  s.CurrentY = kHeadingY;
  s.ForeColor = kBlue;
  s.Print(kEntryHeading);
  s.ForeColor = kBlack;

  list.visible = true;
  list.height = kListHeight;
}

void Form3::ShowReview() { ShowReviewButtons(*this, app().data().InputError != kFalse); }

void Form3::RowClick() {
  const int row = control("List1").listIndex;
  if (row < 0 || row >= kRows) return;
  control("Label3").visible = false;
  control("Command3").visible = false;

  if (row < kFirstCompositionRow) {
    CorrectPoint(row);
  } else {
    CorrectComposition(row);
  }

  DesignData& d = app().data();
  CheckEquilibriumData(d);
  ShowEndButton(*this, d.InputError != kFalse);
  control("List1").tabStop = false;
}

// A point is asked again, the points re-sorted, and XW, XF, XP asked again after it.
void Form3::CorrectPoint(int i) {
  DesignData& d = app().data();
  AskEquilibriumPair(app(), i, kPointPromptY + kPromptStep * i);
  SortEquilibriumPoints(d);

  Control& list = control("List1");
  list.Clear();
  for (int p = 0; p < kFirstCompositionRow; ++p) list.AddItem(EquilibriumRowText(d, p));
  for (int n = kParamXW; n <= kParamXP; ++n) {
    const int row = n - 8;
    AskComposition(app(), n, ParameterTitle(d, n), kCompositionsPromptY + kPromptStep * row);
    list.AddItem(ParameterRowText(d, n));
  }
}

// One of XW, XF, XP is asked again; its row is replaced in place.
void Form3::CorrectComposition(int row) {
  DesignData& d = app().data();
  const int n = row + 8;
  const int which = row - kFirstCompositionRow;
  AskComposition(app(), n, kCompositionCorrectionTitles[which], kCompositionPromptY[which]);
  ReplaceRow(control("List1"), row, ParameterRowText(d, n));
}

// Accepting acts on the verdict of the last check; faulty data cannot pass.
void Form3::Accept() {
  if (app().data().InputError == kFalse) {
    app().Unload(*this);
    app().UnloadAllForms();
    AskTrayType(app());
    return;
  }
  ShowInputFault();
}

void Form3::EndOfCorrections() {
  if (app().data().InputError == kFalse) {
    Accept();
    return;
  }
  ShowInputFault();
  control("Command3").visible = false;
}

void Form3::ShowInputFault() {
  const DesignData& d = app().data();
  FaultRows fault;
  fault.caption = kFaultCaption;
  for (int row = 0; row < kRows; ++row) fault.rows.push_back(FirstStageRowText(d, row));
  fault.markedRow = d.ErrorRow < kRows ? d.ErrorRow : -1;
  DisplayInputFault(*this, fault);
  app().Form<Form4>().Open(*this);
}

void Form3::EnterCorrectionMode() {
  rc::EnterCorrectionMode(*this);
  if (Form4* dialog = app().FindForm<Form4>()) {
    dialog->Hide();
    app().Unload(*dialog);
  }
}

}  // namespace rc
