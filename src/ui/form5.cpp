#include "ui/form5.h"

#include "model/checks.h"
#include "model/input_catalogue.h"
#include "ui/error_dialog.h"
#include "ui/form7.h"
#include "ui/parameter_list_layout.h"
#include "ui/prompts.h"
#include "report/input_rows.h"

namespace rc {
using namespace parameter_list;
namespace {

// The second stage lists one row more than the third (the feed's thermal condition):
// its list is a row taller and everything under it stands a row lower.
constexpr int kForm5ListHeight = kListHeight + kRowPitch;
constexpr int kForm5InstructionTop = kInstructionTop + kRowPitch;

}  // namespace

Form5::Form5(Application& app) : ListWindow(app, "Form5", 5) {}

void Form5::Load() {
  rows.push_back(ListRow::Header());
  for (int n : InputNumbers(InputStage::TrayData)) {
    const int row = RowCount();
    rows.push_back(ListRow::Parameter(n, kCorrectPromptY + kRowPitch * row));
  }

  caption = u"Продолжение ввода исходной информации";
  list.top = 1000;
  CentreHorizontally(list);

  heading.top = 200;
  heading.width = 3600;
  heading.foreColor = kBlue;
  CentreHorizontally(heading);

  PlaceReviewButtons(5100 + kRowPitch, 5700 + kRowPitch, 6300 + kRowPitch);
  capsButton->caption = u"ТАРЕЛКИ КОЛПАЧКОВЫЕ";
  noCapsButton->caption = u"ТАРЕЛКИ НЕ КОЛПАЧКОВЫЕ";
  capsButton->top = noCapsButton->top = 900;
  CentreHorizontally(instruction);
  instruction.top = kForm5InstructionTop;
  PlaceSideBySide(*this, *capsButton, *noCapsButton);

  acceptButton.onClick = [this] { Accept(false); };
  correctButton.onClick = [this] { Correct(); };
  endOfCorrectionsButton.onClick = [this] { Accept(true); };
  capsButton->onClick = [this] { ChooseTrayType(kBubbleCapTrays); };
  noCapsButton->onClick = [this] { ChooseTrayType(kTraysWithoutCaps); };
}

void AskTrayType(Application& app) { app.Form<Form5>().AskTrayType(); }

void Form5::AskTrayType() {
  left = 100;
  top = 100;
  for (Control* c : {&acceptButton, &correctButton, &endOfCorrectionsButton, capsButton,
                     noCapsButton, &faultMarker, &instruction, &list}) {
    c->visible = false;
  }
  list.top = kListTop;
  list.height = kForm5ListHeight;

  heading.caption = u"НАЗОВИТЕ ТИП ТАРЕЛОК";
  heading.visible = true;
  for (Control* button : {capsButton, noCapsButton}) {
    button->top = heading.top + heading.height + 300;
    button->visible = true;
  }
  Show();
}

void Form5::ChooseTrayType(int trayType) {
  DesignData& data = app().data();
  // In correction the kind the data hold, chosen again, changes nothing: the 22 values
  // typed for it stay, and the list goes on as after any row's correction.
  if (list.visible && list.enabled && trayType == data.TrayType) {
    capsButton->visible = false;
    noCapsButton->visible = false;
    RunChecks();
    ShowEndButton(data.InputError != kFalse);
    SetFocus(list);
    return;
  }
  data.TrayType = trayType;
  EnterTrayData();
}

void Form5::EnterTrayData() {
  DesignData& data = app().data();
  for (Control* c : {&acceptButton, &correctButton, &endOfCorrectionsButton, capsButton,
                     noCapsButton, &heading, &faultMarker, &instruction}) {
    c->visible = false;
  }
  list.visible = true;
  list.enabled = false;
  list.top = kListTop;
  list.height = kForm5ListHeight;
  list.Clear();
  list.AddItem(TrayClassHeader(data, HeaderOccasion::EntryStart));

  for (int row = 1; row < RowCount(); ++row) {
    const int n = rows[static_cast<std::size_t>(row)].item;
    AskParameter(app(), n, kEntryPromptY + kRowPitch * row);
    if (n == kParamAreaRatio && data.TrayType == kTraysWithoutCaps) {
      ReplaceRow(HeaderRow(), TrayClassHeader(data, HeaderOccasion::AreaRatioEntered));
    }
    list.AddItem(ParameterRowText(data, n));
  }

  CheckParameterLimits(data);
  ShowReviewButtons(data.InputError != kFalse);
}

void Form5::Correct() {
  instruction.top = kForm5InstructionTop;
  EnterCorrectionMode();
}

// The keyboard starts on the marked row, as on the other lists.
void Form5::ReturnFromErrorDialog() {
  instruction.top = kForm5InstructionTop;
  ListWindow::ReturnFromErrorDialog();
}

void Form5::RunChecks() { CheckParameterLimits(app().data()); }

void Form5::Accept(bool endOfCorrections) {
  FaultDisplay fault;
  fault.caption = u"Контроль исходной информации";
  fault.firstY = kFaultRowsY;
  fault.header = HeaderOccasion::Form5FaultDisplay;
  AcceptOrShowFault(endOfCorrections, OpenResultsMenu, fault, InputCheck::ParameterLimits,
                    [this] { app().Form<Form6>().Open(*this, InputFaultExplanation(app().data())); });
}

}  // namespace rc
