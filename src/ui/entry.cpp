#include "ui/entry.h"

#include "model/checks.h"
#include "model/equilibrium.h"
#include "model/input_catalogue.h"
#include "model/text.h"
#include "ui/form1.h"
#include "ui/form3.h"
#include "ui/look.h"
#include "ui/prompts.h"
#include "report/input_rows.h"

namespace rc {
namespace {

constexpr char16_t kNamePrompt[] = u"  ВВЕДИТЕ ФАМИЛИЮ И НОМЕР ГРУППЫ ";
constexpr char16_t kNameTitle[] = u"ВВОД ФАМИЛИИ";
constexpr int kNamePromptX = 500;
constexpr int kNamePromptY = 400;

// Entry prompts: 195 twips lower per list row.
constexpr int kPromptY = 1500;

}  // namespace

void AskStudentName(Application& app, const std::u16string& held) {
  DesignData& d = app.data();
  Toolkit& tk = app.toolkit();
  tk.ActivateKeyboardLayout(kRussianLayout);
  std::u16string typed = tk.InputBox(kNamePrompt, kNameTitle, held, kNamePromptX, kNamePromptY);
  if (typed.empty()) typed = held;
  d.Typed.Name = std::move(typed);
  d.StudentName = ProperCase(d.Typed.Name);
  tk.ActivateKeyboardLayout(kEnglishUsLayout);
}

void CloseStartScreen(Application& app) {
  // The start screen and whatever an earlier visit to the rules left loaded behind it.
  app.UnloadAllForms();
  if (Form1* start = app.FindForm<Form1>()) app.Unload(*start);
}

void StartDataEntry(Application& app) {
  PrepareForEntry(app.data());
  app.dataFilePath.clear();  // data typed afresh belong to no file yet
  AskStudentName(app);
  // The entry window is to be the only one open.
  CloseStartScreen(app);
  app.Form<Form3>();
  EnterEquilibriumData(app);
}

void EnterEquilibriumData(Application& app) {
  DesignData& d = app.data();
  Form3& form = app.Form<Form3>();
  form.BeginEntry();
  Control& list = form.list;

  for (int i = 0; i <= 7; ++i) {
    const int y = kPromptY + kRowPitch * i;
    AskEquilibriumX(app, i, y);
    // The X half stays in view while Y is asked.
    list.AddItem(EquilibriumRowXHalf(d, i));
    AskEquilibriumY(app, i, y);
    list.Clear();
    for (int p = 0; p <= i; ++p) list.AddItem(EquilibriumRowText(d, p));
  }

  SortEquilibriumPoints(d);
  list.Clear();
  for (int p = 0; p <= 7; ++p) list.AddItem(EquilibriumRowText(d, p));

  for (int n : InputNumbers(InputStage::Compositions)) {
    const int row = ErrorRowOfParameter(InputCheck::Equilibrium, n);  // its row of the list
    AskComposition(app, n, ParameterTitle(d, n), kPromptY + kRowPitch * row);
    list.AddItem(ParameterRowText(d, n));
  }

  CheckEquilibriumData(d);
  form.ShowReview();
}

}  // namespace rc
