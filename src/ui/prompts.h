#pragma once
// The modal prompts with which entry and every correction window ask for a value: the
// equilibrium points, the compositions XW, XF, XP (refused outside 0..1) and the
// parameters 19..40 (taken as typed; only the limit check judges them).
#include <string>

#include "ui/application.h"

namespace rc {

// The texts of the equilibrium prompts.
std::u16string EquilibriumXPrompt(int i);  // " X [ i ] /мольн.д/ = "
std::u16string EquilibriumYPrompt(int i);  // " Y [ i ] /мольн.д/  = "
inline constexpr char16_t kEquilibriumXTitle[] = u"ВВОД X РАВНОВЕСНОГО ";
inline constexpr char16_t kEquilibriumYTitle[] = u"ВВОД Y РАВНОВЕСНОГО";
// The title with which a parameter (16..40) is asked in entry: " Ввод " + its caption.
std::u16string ParameterTitle(const DesignData& data, int n);
// The titles with which one of XW, XF, XP alone is asked again in a correction list.
inline constexpr const char16_t* kCompositionCorrectionTitles[] = {u"Ввод XW", u"Ввод XF",
                                                                   u"Ввод FP"};

// Asks with the modal prompt (no default text): typed receives the answer as it was
// typed, text and value what is kept of it (KeepTypedNumber: an empty answer, Cancel,
// becomes "0", the first comma a point), with no range check.
void AskValue(Application& app, const std::u16string& prompt, const std::u16string& title,
              int x, int y, std::u16string& typed, std::u16string& text, float& value);
// AskValue under the 0..1 rule: a number above 1 or not at least 0 sounds the beep and
// is kept as "???" and 0.
void AskUnitValue(Application& app, const std::u16string& prompt,
                  const std::u16string& title, int x, int y, std::u16string& typed,
                  std::u16string& text, float& value);

// Parameter n as if the student had typed `typed` at its prompt: the typed text kept,
// its normalised text and the number read from it.
void EnterTypedParameter(DesignData& data, int n, const std::u16string& typed);

// Equilibrium point i: X* asked at x 1000, Y* at x 4000, both at height y and under
// the rejection rule.
void AskEquilibriumX(Application& app, int i, int y);
void AskEquilibriumY(Application& app, int i, int y);
void AskEquilibriumPair(Application& app, int i, int y);
// Composition n (16..18) under its caption at x 1000, with the rejection rule.
void AskComposition(Application& app, int n, const std::u16string& title, int y);
// Parameter n (19..57) under its prompt (ParameterPrompt) with the title " Ввод " +
// caption at x 1000, taken as typed; an empty answer is "0", for the feed's thermal
// condition "1".
void AskParameter(Application& app, int n, int y);
// What parameter n's prompt says: its caption; for the feed's thermal condition its
// range and what its values mean.
std::u16string ParameterPrompt(const DesignData& data, int n);

// The correction of a row's value where it was asked before: the prompt offers the value
// the list shows (nothing for a value refused as "???"), and an empty answer, Cancel
// among them, keeps the value held, typed text and all. A reflex Return or Cancel never
// changes a value.
void CorrectEquilibriumPair(Application& app, int i, int y);
void CorrectComposition(Application& app, int n, const std::u16string& title, int y);
void CorrectParameter(Application& app, int n, int y);

}  // namespace rc
