#pragma once
// The first stage of data entry: the start of a run (name, captions, limits) and the
// prompted entry of the eight equilibrium points and the compositions XW, XF, XP on
// Form3. Also the prompt helpers the correction windows share.
#include <string>

#include "ui/application.h"

namespace rc {

// The entry button of the start screen: resets the run part of the design data, asks
// for the student's surname and group, closes the start screen and runs
// EnterEquilibriumData on Form3.
void StartDataEntry(Application& app);

// Prompts for X*[i], Y*[i] (i = 0..7) and XW, XF, XP, keeps the growing list on Form3,
// sorts the points, checks the data and leaves Form3 in its review state.
void EnterEquilibriumData(Application& app);

// The texts of the equilibrium prompts.
std::u16string EquilibriumXPrompt(int i);  // " X [ i ] /мольн.д/ = "
std::u16string EquilibriumYPrompt(int i);  // " Y [ i ] /мольн.д/  = "
inline constexpr char16_t kEquilibriumXTitle[] = u"ВВОД X РАВНОВЕСНОГО ";
inline constexpr char16_t kEquilibriumYTitle[] = u"ВВОД Y РАВНОВЕСНОГО";
// The title of the entry prompt for a composition: " Ввод " + its caption.
std::u16string CompositionTitle(const DesignData& data, int n);

// Asks with the modal prompt (no default text) and returns the answer normalised: an
// empty answer (Cancel) becomes "0", the first comma a point.
std::u16string AskNumberText(Application& app, const std::u16string& prompt,
                             const std::u16string& title, int x, int y);

// The 0..1 rule for compositions and equilibrium values: reads the number from the
// text; a number above 1 or not at least 0 sounds the beep and becomes "???" and 0.
void ApplyRejectionRule(Application& app, std::u16string& text, float& value);

// AskNumberText followed by the reading and the rejection rule, into text and value.
void AskComposition(Application& app, std::u16string& text, float& value,
                    const std::u16string& prompt, const std::u16string& title, int x, int y);

}  // namespace rc
