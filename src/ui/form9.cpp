#include "ui/form9.h"

#include "model/checks.h"
#include "model/input_catalogue.h"
#include "ui/data_file_actions.h"
#include "ui/error_dialog.h"
#include "ui/form7.h"
#include "ui/look.h"
#include "ui/window_parts.h"

namespace rc {
namespace {

constexpr int kPromptY = 1195;       // [twips] prompt of list row r at + 195 r
constexpr int kFaultRowsY = 610;     // [twips] printed row r and its marker at + 195 r
constexpr int kCompositionPromptY[] = {2750, 2750, 3130};  // [twips] XW, XF, XP

// The save button stands in the right margin, level with the end of corrections.
constexpr int kSaveButtonWidth = 2400;  // [twips]
constexpr int kSaveButtonLeft = 9243;   // [twips]
constexpr Colour kSaveButtonColour = kLightCyan;

}  // namespace

Form9::Form9(Application& app)
    : ListWindow(app, "Form9", 5),
      saveButton(AddCommandButton(*this, "Command6", u"СОХРАНИТЬ ДАННЫЕ В ФАЙЛ", kSaveButtonColour,
                                  kSaveButtonLeft, 0, kSaveButtonWidth)) {}

void Form9::Load() {
  for (int i = 0; i < 8; ++i) rows.push_back(ListRow::Pair(i, kPromptY + kRowPitch * i));
  for (int n : InputNumbers(InputStage::Compositions)) {
    rows.push_back(ListRow::Composition(n, kCompositionPromptY[n - kParamXW]));
  }
  rows.push_back(ListRow::Header());
  for (int n : InputNumbers(InputStage::TrayData)) {
    const int row = RowCount();
    rows.push_back(ListRow::Parameter(n, kPromptY + kRowPitch * row));
  }
  // Rows added here (after the parameters, before the name) change no row above them,
  // no prompt's place and no fault's row.
  rows.push_back(ListRow::Name());
  listLeavesTabOrderOnCorrection = false;

  caption = kCorrectionCaption;
  list.top = 500;
  list.height = ListHeight();
  list.showsNewRows = false;  // the whole list, from its first row
  CentreHorizontally(list);

  heading.top = 600;
  heading.foreColor = kDarkRed;
  heading.caption = u"КООРДИНАТЫ ТОЧЕК РАВНОВЕСНОЙ ЗАВИСИМОСТИ";
  CentreHorizontally(heading);

  const int underList = list.top + list.height + 200;
  endOfCorrectionsButton.caption = u"КОНЕЦ ИСПРАВЛЕНИЙ";
  capsButton->caption = u"ТАРЕЛКИ КОЛПАЧКОВЫЕ";
  for (Control* c : {&acceptButton, &correctButton, &endOfCorrectionsButton, &instruction}) {
    c->top = underList;
    CentreHorizontally(*c);
  }
  capsButton->top = 2900;
  noCapsButton->top = 2900;
  PlaceSideBySide(*this, *capsButton, *noCapsButton);

  saveButton.top = underList;
  saveButton.onClick = [this] { SaveDataToFile(app(), *this); };

  endOfCorrectionsButton.onClick = [this] { EndOfCorrections(); };
  capsButton->onClick = [this] { ChooseTrayType(kBubbleCapTrays); };
  noCapsButton->onClick = [this] { ChooseTrayType(kTraysWithoutCaps); };
}

void Form9::OpenForCorrection(Application& app) {
  if (Form9* earlier = app.FindForm<Form9>()) app.Unload(*earlier);
  Form9& form = app.Form<Form9>();
  // Every window loaded before the new Form9 closes, the results menu among them.
  app.UnloadAllForms();

  form.heading.visible = false;
  form.faultMarker.visible = false;
  form.instruction.visible = true;
  for (Control* c : {&form.acceptButton, &form.correctButton, &form.endOfCorrectionsButton,
                     form.capsButton, form.noCapsButton}) {
    c->visible = false;
  }
  form.list.height = form.ListHeight();
  form.list.listIndex = -1;
  const int underList = form.list.top + form.list.height + 200;
  form.endOfCorrectionsButton.top = underList;
  form.instruction.top = underList;
  form.FillList();
  form.Show();
}

void OpenFullCorrection(Application& app) { Form9::OpenForCorrection(app); }

void Form9::OpenWithData(Application& app) {
  OpenForCorrection(app);
  Form9& form = app.Form<Form9>();
  form.RunChecks();
  if (app.data().InputError != kFalse) {
    form.EndOfCorrections();
    return;
  }
  form.instruction.visible = false;
  form.ShowEndButton(false);
}

// Every row in view: one row step for each row and one more for the list's frame (33
// rows in 6630 twips).
int Form9::ListHeight() const { return (RowCount() + 1) * kRowPitch; }

void Form9::ReturnFromErrorDialog() {
  ListWindow::ReturnFromErrorDialog();
  saveButton.visible = true;
}

void Form9::BeforeRowCorrection() { app().UnloadResultWindows(); }

void Form9::OfferTrayClasses() {
  // The class buttons; the choice asks for nothing and runs no check.
  endOfCorrectionsButton.visible = false;
  noCapsButton->caption = KindOfTrays(app().data()) == TrayKind::DualFlow
                              ? u"ТАРЕЛКИ ПРОВАЛЬНЫЕ"
                              : u"ТАРЕЛКИ СИТЧАТЫЕ ИЛИ КЛАПАННЫЕ";
  ListWindow::OfferTrayClasses();
}

void Form9::RunChecks() {
  DesignData& data = app().data();
  CheckEquilibriumData(data);
  if (data.InputError == kFalse) CheckParameterLimits(data);
}

void Form9::ChooseTrayType(int trayType) {
  BeforeRowCorrection();
  app().data().TrayType = trayType;
  ReplaceRow(HeaderRow(), RowText(HeaderRow(), HeaderOccasion::FullList));
  endOfCorrectionsButton.visible = true;
  capsButton->visible = false;
  noCapsButton->visible = false;
}

void Form9::EndOfCorrections() {
  DesignData& data = app().data();
  CheckEquilibriumData(data);
  if (data.InputError != kFalse) {
    ShowFaultAt(RowOfFault(InputCheck::Equilibrium, data.ErrorRow), false);
    return;
  }
  CheckParameterLimits(data);
  if (data.InputError != kFalse) {
    ShowFaultAt(RowOfFault(InputCheck::ParameterLimits, data.ErrorRow), true);
    return;
  }
  // Sound data: back to the results, and this window closes: left behind the menu it
  // would show values the results may since have changed, and a later correction opens
  // a fresh one from the menu's change button.
  Form7::OpenAfterCorrection(app());
  app().Unload(*this);
}

// Both fault displays print all 33 rows with the marker level with its row; the caption
// stays. Only the display of a limit fault clears the window first.
void Form9::ShowFaultAt(int markedRow, bool clearFirst) {
  FaultDisplay fault;
  fault.clearFirst = clearFirst;
  fault.firstY = kFaultRowsY;
  fault.markerAboveRow = 0;
  fault.markedRow = markedRow;
  ListWindow::ShowFault(fault);
  endOfCorrectionsButton.visible = false;
  saveButton.visible = false;
  app().Form<Form10>().Open(*this, InputFaultExplanation(app().data()));
}

}  // namespace rc
