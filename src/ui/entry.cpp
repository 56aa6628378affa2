#include "ui/entry.h"

#include "model/checks.h"
#include "model/equilibrium.h"
#include "model/number_text.h"
#include "model/text.h"
#include "ui/form1.h"
#include "ui/form3.h"
#include "ui/row_texts.h"

namespace rc {
namespace {

constexpr char16_t kNamePrompt[] = u"  ВВЕДИТЕ ФАМИЛИЮ И НОМЕР ГРУППЫ ";
constexpr char16_t kNameTitle[] = u"ВВОД ФАМИЛИИ";
constexpr int kNamePromptX = 500;
constexpr int kNamePromptY = 400;

// Entry prompts: the X prompt and the compositions at x 1000, the Y prompt at x 4000,
// each 195 twips lower per list row.
constexpr int kPromptX = 1000;
constexpr int kPromptYX = 4000;
constexpr int kPromptY = 1500;
constexpr int kPromptStep = 195;

}  // namespace

std::u16string EquilibriumXPrompt(int i) { return u" X [ " + DecimalText(i) + u" ] /мольн.д/ = "; }
std::u16string EquilibriumYPrompt(int i) { return u" Y [ " + DecimalText(i) + u" ] /мольн.д/  = "; }

std::u16string CompositionTitle(const DesignData& data, int n) {
  return u" Ввод " + data.ParamCaption[n];
}

std::u16string AskNumberText(Application& app, const std::u16string& prompt,
                             const std::u16string& title, int x, int y) {
  return NormalizeNumberText(app.toolkit().InputBox(prompt, title, u"", x, y));
}

void ApplyRejectionRule(Application& app, std::u16string& text, float& value) {
  value = ReadNumber(text);
  if (IsOutsideUnitRange(value)) {
    app.toolkit().Beep();
    text = kRejectedText;
    value = 0;
  }
}

void AskComposition(Application& app, std::u16string& text, float& value,
                    const std::u16string& prompt, const std::u16string& title, int x, int y) {
  text = AskNumberText(app, prompt, title, x, y);
  ApplyRejectionRule(app, text, value);
}

void StartDataEntry(Application& app) {
  DesignData& d = app.data();
  PrepareForEntry(d);

  Toolkit& tk = app.toolkit();
  tk.ActivateKeyboardLayout(kRussianLayout);
  d.StudentName = ProperCase(tk.InputBox(kNamePrompt, kNameTitle, u"", kNamePromptX, kNamePromptY));
  tk.ActivateKeyboardLayout(kEnglishUsLayout);

  // Close the start screen and whatever an earlier visit to the rules left loaded
  // behind it, so that the entry window is the only one open.
  app.UnloadAllForms();
  if (Form1* start = app.FindForm<Form1>()) app.Unload(*start);
  app.Form<Form3>();
  EnterEquilibriumData(app);
}

void EnterEquilibriumData(Application& app) {
  DesignData& d = app.data();
  Form3& form = app.Form<Form3>();
  form.BeginEntry();
  Control& list = form.control("List1");

  for (int i = 0; i <= 7; ++i) {
    const auto k = static_cast<std::size_t>(i);
    const int y = kPromptY + kPromptStep * i;
    AskComposition(app, d.EqXText[k], d.EqX[k], EquilibriumXPrompt(i), kEquilibriumXTitle,
                   kPromptX, y);
    // The X half stays in view while Y is asked.
    list.AddItem(EquilibriumRowXHalf(d, i));
    AskComposition(app, d.EqYText[k], d.EqY[k], EquilibriumYPrompt(i), kEquilibriumYTitle,
                   kPromptYX, y);
    list.Clear();
    for (int p = 0; p <= i; ++p) list.AddItem(EquilibriumRowText(d, p));
  }

  SortEquilibriumPoints(d);
  list.Clear();
  for (int p = 0; p <= 7; ++p) list.AddItem(EquilibriumRowText(d, p));

  for (int n = kParamXW; n <= kParamXP; ++n) {
    const int row = n - 8;
    AskComposition(app, d.ParamText[n], d.ParamValue[n], d.ParamCaption[n],
                   CompositionTitle(d, n), kPromptX, kPromptY + kPromptStep * row);
    list.AddItem(ParameterRowText(d, n));
  }

  CheckEquilibriumData(d);
  form.ShowReview();
}

}  // namespace rc
