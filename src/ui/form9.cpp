#include "ui/form9.h"

#include "model/checks.h"
#include "model/equilibrium.h"
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

constexpr int kRowCount = 33;
constexpr int kHeaderRow = 11;
constexpr int kFirstParameterRow = 12;
constexpr int kListHeight = 6630;    // [twips]
constexpr int kPromptY = 1195;       // [twips] prompt of list row r at + 195 r
constexpr int kFaultRowsY = 610;     // [twips] printed row r and its marker at + 195 r
constexpr int kRowStep = 195;        // [twips]
constexpr int kCompositionPromptY[] = {2750, 2750, 3130};  // [twips] XW, XF, XP

// Parameter rows 12..32 hold parameters 19..31, 33..40.
int ParameterOfRow(int row) { return TrayParameterAt(row - kFirstParameterRow); }
int RowOfLimitCode(int code) { return code + 10; }

}  // namespace

Form9::Form9(Application& app) : Window(app, "Form9") {}

void Form9::Load() {
  caption = kCorrectionCaption;
  AddCorrectionControls(*this);

  Control& list = control("List1");
  list.top = 500;
  list.height = kListHeight;
  CentreHorizontally(*this, list);

  Control& heading = control("Label1");
  heading.top = 600;
  heading.foreColor = 0x000028;
  heading.caption = u"КООРДИНАТЫ ТОЧЕК РАВНОВЕСНОЙ ЗАВИСИМОСТИ";
  CentreHorizontally(*this, heading);

  const int underList = list.top + list.height + 200;
  control("Command3").caption = u"КОНЕЦ ИСПРАВЛЕНИЙ";
  control("Command4").caption = u"ТАРЕЛКИ КОЛПАЧКОВЫЕ";
  for (const char* name : {"Command1", "Command2", "Command3", "Label3"}) {
    Control& c = control(name);
    c.top = underList;
    CentreHorizontally(*this, c);
  }
  control("Command4").top = 2900;
  control("Command5").top = 2900;
  PlaceSideBySide(*this, control("Command4"), control("Command5"));

  control("Command3").onClick = [this] { EndOfCorrections(); };
  control("Command4").onClick = [this] { ChooseTrayType(kBubbleCapTrays); };
  control("Command5").onClick = [this] { ChooseTrayType(kTraysWithoutCaps); };
  list.onClick = [this] { RowClicked(); };
}

void OpenFullCorrection(Application& app) {
  if (Form9* earlier = app.FindForm<Form9>()) app.Unload(*earlier);
  Form9& form = app.Form<Form9>();
  // Every window loaded before the new Form9 closes, the results menu among them.
  app.UnloadAllForms();

  form.control("Label1").visible = false;
  form.control("Label2").visible = false;
  form.control("Label3").visible = true;
  for (const char* name : {"Command1", "Command2", "Command3", "Command4", "Command5"}) {
    form.control(name).visible = false;
  }
  Control& list = form.control("List1");
  list.height = kListHeight;
  const int underList = list.top + list.height + 200;
  form.control("Command3").top = underList;
  form.control("Label3").top = underList;
  form.FillList();
  form.Show();
}

std::u16string Form9::RowText(int row) {
  const DesignData& data = app().data();
  if (row <= 10) return FirstStageRowText(data, row);
  if (row == kHeaderRow) return TrayClassHeader(data, HeaderOccasion::FullList);
  return ParameterRowText(data, ParameterOfRow(row));
}

void Form9::FillList() {
  Control& list = control("List1");
  list.Clear();
  for (int row = 0; row < kRowCount; ++row) list.AddItem(RowText(row));
}

void Form9::CloseResultsBehind() {
  if (Form7* menu = app().FindForm<Form7>()) app().Unload(*menu);
}

void Form9::RowClicked() {
  DesignData& data = app().data();
  Control& list = control("List1");
  const int row = list.listIndex;
  if (row < 0 || row >= kRowCount) return;
  CloseResultsBehind();
  control("Label3").visible = false;
  control("Command3").visible = false;

  if (row <= 7) {
    AskEquilibriumPair(app(), row, kPromptY + kRowStep * row);
    SortEquilibriumPoints(data);
    FillList();
  } else if (row <= 10) {
    const int n = row + 8;
    AskComposition(app(), n, kCompositionCorrectionTitles[row - 8], kCompositionPromptY[row - 8]);
    ReplaceRow(list, row, ParameterRowText(data, n));
  } else if (row == kHeaderRow) {
    // The class buttons; the choice asks for nothing and runs no check.
    control("Command3").visible = false;
    Control& caps = control("Command4");
    Control& noCaps = control("Command5");
    caps.visible = true;
    noCaps.visible = true;
    noCaps.caption = KindOfTrays(data) == TrayKind::DualFlow ? u"ТАРЕЛКИ ПРОВАЛЬНЫЕ"
                                                             : u"ТАРЕЛКИ СИТЧАТЫЕ ИЛИ КЛАПАННЫЕ";
    SetFocus(data.TrayType != kBubbleCapTrays ? caps : noCaps);
    return;
  } else {
    const int n = ParameterOfRow(row);
    AskParameter(app(), n, kPromptY + kRowStep * row);
    ReplaceRow(list, row, ParameterRowText(data, n));
    if (n == kParamAreaRatio && data.TrayType == kTraysWithoutCaps) {
      ReplaceRow(list, kHeaderRow, TrayClassHeader(data, HeaderOccasion::AreaRatioCorrected));
    }
  }

  CheckEquilibriumData(data);
  if (data.InputError == kFalse) CheckParameterLimits(data);
  ShowEndButton(*this, data.InputError != kFalse);
}

void Form9::ChooseTrayType(int trayType) {
  CloseResultsBehind();
  app().data().TrayType = trayType;
  ReplaceRow(control("List1"), kHeaderRow, RowText(kHeaderRow));
  control("Command3").visible = true;
  control("Command4").visible = false;
  control("Command5").visible = false;
}

void Form9::EndOfCorrections() {
  DesignData& data = app().data();
  CheckEquilibriumData(data);
  if (data.InputError != kFalse) {
    ShowEquilibriumFault();
    return;
  }
  CheckParameterLimits(data);
  if (data.InputError != kFalse) {
    ShowLimitFault();
    return;
  }
  // Sound data: back to the results, with the calculation last shown redone on them.
  // This window stays open behind the results menu.
  Form7& menu = app().Form<Form7>();
  menu.Show();
  if (data.ShownResult == kShownKineticLine) {
    menu.RunKineticLine();
  } else if (data.ShownResult == kShownTrayByTray) {
    menu.RunTrayByTray();
  }
}

// Both fault displays print all 33 rows with the marker level with its row; the caption
// stays. Only the display of a limit fault clears the window first.
void Form9::ShowFault(int markedRow, bool clearFirst) {
  FaultRows fault;
  fault.clearFirst = clearFirst;
  fault.firstY = kFaultRowsY;
  fault.markerAboveRow = 0;
  for (int row = 0; row < kRowCount; ++row) fault.rows.push_back(RowText(row));
  fault.markedRow = markedRow;
  DisplayInputFault(*this, fault);
  control("Command3").visible = false;
  app().Form<Form10>().Open(*this);
}

void Form9::ShowEquilibriumFault() {
  const int code = app().data().ErrorRow;
  ShowFault(code >= 0 && code <= 10 ? code : -1, false);
}

void Form9::ShowLimitFault() {
  const int code = app().data().ErrorRow;
  ShowFault(ParameterOfLimitCode(code) != 0 ? RowOfLimitCode(code) : -1, true);
}

}  // namespace rc
