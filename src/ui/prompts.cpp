#include "ui/prompts.h"

#include "model/number_text.h"
#include "model/text.h"

namespace rc {
namespace {

constexpr int kPromptX = 1000;   // [twips] X*, compositions and parameters
constexpr int kPromptYX = 4000;  // [twips] Y*

// The feed's thermal condition: its caption's meaning of 1 alone leaves a student to
// guess what the other values of its range stand for.
constexpr char16_t kFeedConditionPrompt[] =
    u"Тепловое состояние питания q, безразм.\n"
    u"0..2; 1 — кипящая жидкость, больше 1 — холодная, меньше 1 — частично испаренная";

// What a correction prompt offers: the value's text as the list shows it, nothing for a
// value the 0..1 rule refused.
std::u16string Offered(const std::u16string& text) {
  return text == kRejectedText ? std::u16string() : text;
}

// A correction of one value, under the 0..1 rule (unitRange, with its beep) or taken as
// typed: the value held is offered, and an empty answer keeps it.
void CorrectValue(Application& app, const std::u16string& prompt, const std::u16string& title,
                  int x, int y, bool unitRange, std::u16string& typed, std::u16string& text,
                  float& value) {
  std::u16string answer = app.toolkit().InputBox(prompt, title, Offered(text), x, y);
  if (answer.empty()) return;
  if (KeepTypedNumber(answer, unitRange, text, value)) app.toolkit().Beep();
  typed = std::move(answer);
}

}  // namespace

std::u16string EquilibriumXPrompt(int i) { return u" X [ " + DecimalText(i) + u" ] /мольн.д/ = "; }
std::u16string EquilibriumYPrompt(int i) { return u" Y [ " + DecimalText(i) + u" ] /мольн.д/  = "; }

std::u16string ParameterTitle(const DesignData& data, int n) {
  return u" Ввод " + data.ParamCaption[n];
}

void AskValue(Application& app, const std::u16string& prompt, const std::u16string& title,
              int x, int y, std::u16string& typed, std::u16string& text, float& value) {
  typed = app.toolkit().InputBox(prompt, title, u"", x, y);
  KeepTypedNumber(typed, false, text, value);
}

void AskUnitValue(Application& app, const std::u16string& prompt,
                  const std::u16string& title, int x, int y, std::u16string& typed,
                  std::u16string& text, float& value) {
  typed = app.toolkit().InputBox(prompt, title, u"", x, y);
  if (KeepTypedNumber(typed, true, text, value)) app.toolkit().Beep();
}

void AskEquilibriumX(Application& app, int i, int y) {
  DesignData& d = app.data();
  const auto k = static_cast<std::size_t>(i);
  AskUnitValue(app, EquilibriumXPrompt(i), kEquilibriumXTitle, kPromptX, y, d.Typed.EqX[k], d.EqXText[k],
               d.EqX[k]);
}

void AskEquilibriumY(Application& app, int i, int y) {
  DesignData& d = app.data();
  const auto k = static_cast<std::size_t>(i);
  AskUnitValue(app, EquilibriumYPrompt(i), kEquilibriumYTitle, kPromptYX, y, d.Typed.EqY[k], d.EqYText[k],
               d.EqY[k]);
}

void AskEquilibriumPair(Application& app, int i, int y) {
  AskEquilibriumX(app, i, y);
  AskEquilibriumY(app, i, y);
}

void AskComposition(Application& app, int n, const std::u16string& title, int y) {
  DesignData& d = app.data();
  AskUnitValue(app, d.ParamCaption[n], title, kPromptX, y, d.Typed.Param[n], d.ParamText[n],
               d.ParamValue[n]);
}

void EnterTypedParameter(DesignData& data, int n, const std::u16string& typed) {
  data.Typed.Param[n] = typed;
  KeepTypedNumber(ParameterAnswerText(n, typed), false, data.ParamText[n], data.ParamValue[n]);
}

std::u16string ParameterPrompt(const DesignData& data, int n) {
  return n == kParamFeedCondition ? std::u16string(kFeedConditionPrompt) : data.ParamCaption[n];
}

// The prompt offers what an empty answer would stand for: "1" for the feed's thermal
// condition (a boiling feed), nothing for the others.
void AskParameter(Application& app, int n, int y) {
  DesignData& d = app.data();
  EnterTypedParameter(d, n, app.toolkit().InputBox(ParameterPrompt(d, n), ParameterTitle(d, n),
                                                     ParameterAnswerText(n, u""), kPromptX, y));
}

void CorrectEquilibriumPair(Application& app, int i, int y) {
  DesignData& d = app.data();
  const auto k = static_cast<std::size_t>(i);
  CorrectValue(app, EquilibriumXPrompt(i), kEquilibriumXTitle, kPromptX, y, true, d.Typed.EqX[k],
               d.EqXText[k], d.EqX[k]);
  CorrectValue(app, EquilibriumYPrompt(i), kEquilibriumYTitle, kPromptYX, y, true, d.Typed.EqY[k],
               d.EqYText[k], d.EqY[k]);
}

void CorrectComposition(Application& app, int n, const std::u16string& title, int y) {
  DesignData& d = app.data();
  CorrectValue(app, d.ParamCaption[n], title, kPromptX, y, true, d.Typed.Param[n], d.ParamText[n],
               d.ParamValue[n]);
}

void CorrectParameter(Application& app, int n, int y) {
  DesignData& d = app.data();
  CorrectValue(app, ParameterPrompt(d, n), ParameterTitle(d, n), kPromptX, y, false,
               d.Typed.Param[n], d.ParamText[n], d.ParamValue[n]);
}

}  // namespace rc
