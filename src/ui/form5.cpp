#include "ui/form5.h"

#include "model/checks.h"
#include "ui/application.h"
#include "ui/correction_window.h"
#include "ui/error_dialog.h"
#include "ui/fault_display.h"
#include "ui/form7.h"
#include "ui/prompts.h"
#include "ui/row_texts.h"
#include "ui/tray_class_header.h"

namespace rc {
namespace {

constexpr int kListTop = 500;         // [twips] the list while parameters are shown
constexpr int kListHeight = 4400;     // [twips]
constexpr int kEntryPromptY = 1100;   // [twips] prompt of list row r at + 195 r
constexpr int kCorrectPromptY = 1295; // [twips]
constexpr int kFaultRowsY = 1210;     // [twips] printed row r at + 195 r
constexpr int kRowStep = 195;         // [twips]

int RowOfIndex(int index) { return index + 1; }

}  // namespace

Form5::Form5(Application& app) : Window(app, "Form5") {}

void Form5::Load() {
  caption = u"Продолжение ввода исходной информации";
  AddCorrectionControls(*this);

  Control& list = control("List1");
  list.top = 1000;
  CentreHorizontally(*this, list);

  Control& question = control("Label1");
  question.top = 200;
  question.width = 3600;
  question.foreColor = kBlue;
  CentreHorizontally(*this, question);

  const char16_t* captions[] = {u"НЕ ИЗМЕНЯЕТЕ ИСХОДНУЮ ИНФОРМАЦИЮ",
                                u"ИЗМЕНЯЕТЕ ИСХОДНУЮ ИНФОРМАЦИЮ", u"КОНЕЦ ИСПРАВЛЕНИЙ",
                                u"ТАРЕЛКИ КОЛПАЧКОВЫЕ", u"ТАРЕЛКИ НЕ КОЛПАЧКОВЫЕ"};
  const int tops[] = {5100, 5700, 6300, 900, 900};
  for (int k = 0; k < 5; ++k) {
    Control& button = control("Command" + std::to_string(k + 1));
    button.caption = captions[k];
    button.top = tops[k];
  }
  for (const char* name : {"Command1", "Command2", "Command3", "Label3"}) {
    CentreHorizontally(*this, control(name));
  }
  control("Label3").top = 6000;
  PlaceSideBySide(*this, control("Command4"), control("Command5"));

  control("Command1").onClick = [this] { Accept(false); };
  control("Command2").onClick = [this] { EnterCorrectionMode(); };
  control("Command3").onClick = [this] { Accept(true); };
  control("Command4").onClick = [this] { ChooseTrayType(kBubbleCapTrays); };
  control("Command5").onClick = [this] { ChooseTrayType(kTraysWithoutCaps); };
  list.onClick = [this] { RowClicked(); };
}

void AskTrayType(Application& app) {
  Form5& form = app.Form<Form5>();
  form.left = 100;
  form.top = 100;
  for (const char* name : {"Command1", "Command2", "Command3", "Command4", "Command5", "Label2",
                           "Label3", "List1"}) {
    form.control(name).visible = false;
  }
  Control& list = form.control("List1");
  list.top = kListTop;
  list.height = kListHeight;

  Control& question = form.control("Label1");
  question.caption = u"НАЗОВИТЕ ТИП ТАРЕЛОК";
  question.visible = true;
  for (const char* name : {"Command4", "Command5"}) {
    Control& button = form.control(name);
    button.top = question.top + question.height + 300;
    button.visible = true;
  }
  form.Show();
}

void Form5::ChooseTrayType(int trayType) {
  app().data().TrayType = trayType;
  EnterTrayData();
}

void Form5::EnterTrayData() {
  DesignData& data = app().data();
  for (const char* name : {"Command1", "Command2", "Command3", "Command4", "Command5", "Label1",
                           "Label2", "Label3"}) {
    control(name).visible = false;
  }
  Control& list = control("List1");
  list.visible = true;
  list.enabled = false;
  list.top = kListTop;
  list.height = kListHeight;
  list.Clear();
  list.AddItem(TrayClassHeader(data, HeaderOccasion::EntryStart));

  for (int index = 0; index < kTrayParameterCount; ++index) {
    const int n = TrayParameterAt(index);
    const int row = RowOfIndex(index);
    AskParameter(app(), n, kEntryPromptY + kRowStep * row);
    if (n == kParamAreaRatio && data.TrayType == kTraysWithoutCaps) {
      ReplaceRow(list, 0, TrayClassHeader(data, HeaderOccasion::AreaRatioEntered));
    }
    list.AddItem(ParameterRowText(data, n));
  }

  CheckParameterLimits(data);
  ShowReviewButtons(*this, data.InputError != kFalse);
}

void Form5::EnterCorrectionMode() {
  control("Label3").top = 6000;
  rc::EnterCorrectionMode(*this);
}

void Form5::RowClicked() {
  DesignData& data = app().data();
  Control& list = control("List1");
  const int row = list.listIndex;
  if (row < 0 || row > kTrayParameterCount) return;
  control("Label3").visible = false;
  control("Command3").visible = false;

  if (row == 0) {
    // The header: offer the two tray classes; a choice asks for everything again.
    control("Command4").visible = true;
    control("Command5").visible = true;
    SetFocus(control(data.TrayType != kBubbleCapTrays ? "Command4" : "Command5"));
    return;
  }

  const int n = TrayParameterAt(row - 1);
  AskParameter(app(), n, kCorrectPromptY + kRowStep * row);
  if (n == kParamAreaRatio && data.TrayType == kTraysWithoutCaps) {
    ReplaceRow(list, 0, TrayClassHeader(data, HeaderOccasion::AreaRatioCorrected));
  }
  ReplaceRow(list, row, ParameterRowText(data, n));

  CheckParameterLimits(data);
  ShowEndButton(*this, data.InputError != kFalse);
  list.tabStop = false;
}

void Form5::Accept(bool endOfCorrections) {
  // Acts on the verdict of the last check: entry or the last row corrected.
  if (app().data().InputError == kFalse) {
    app().Unload(*this);
    OpenResultsMenu(app());
    return;
  }
  ShowInputFault(endOfCorrections);
}

void Form5::ShowInputFault(bool endOfCorrections) {
  const DesignData& data = app().data();
  FaultRows fault;
  fault.caption = u"Контроль исходной информации";
  fault.firstY = kFaultRowsY;
  fault.rows.push_back(TrayClassHeader(data, HeaderOccasion::Form5FaultDisplay));
  for (int index = 0; index < kTrayParameterCount; ++index) {
    fault.rows.push_back(ParameterRowText(data, TrayParameterAt(index)));
  }
  // Error code c names the parameter in list row c - 1.
  if (ParameterOfLimitCode(data.ErrorRow) != 0) fault.markedRow = data.ErrorRow - 1;
  DisplayInputFault(*this, fault);
  if (endOfCorrections) control("Command3").visible = false;
  app().Form<Form6>().Open(*this);
}

}  // namespace rc
