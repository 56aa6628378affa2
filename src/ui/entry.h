#pragma once
// The first stage of data entry: the start of a run (name, captions, limits) and the
// prompted entry of the eight equilibrium points and the compositions XW, XF, XP on
// Form3. The prompts themselves are in prompts.h.
#include <string>

#include "ui/application.h"

namespace rc {

// The entry button of the start screen: resets the run part of the design data, asks
// for the student's surname and group, closes the start screen and runs
// EnterEquilibriumData on Form3.
void StartDataEntry(Application& app);

// The surname and group prompt, with the Russian keyboard layout active while it is open;
// the answer is kept as typed and in proper case. A correction offers the name held
// (`held`), and an empty answer (Cancel) keeps it.
void AskStudentName(Application& app, const std::u16string& held = {});
// Closes the start screen and every window loaded behind it.
void CloseStartScreen(Application& app);

// Prompts for X*[i], Y*[i] (i = 0..7) and XW, XF, XP, keeps the growing list on Form3,
// sorts the points, checks the data and leaves Form3 in its review state.
void EnterEquilibriumData(Application& app);

}  // namespace rc
