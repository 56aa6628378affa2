#pragma once
// What the list windows of the first stage (Form3), the second stage (Form5) and the
// full correction (Form9) share: their controls and look, correction mode, and the
// numbering of parameters 19..31, 33..40 in their lists and in the limit check's error
// codes. The prompts are in prompts.h, the fault display in fault_display.h.
#include <string>

#include "ui/application.h"
#include "ui/window.h"

namespace rc {

inline constexpr Colour kListBack = 0x00FF00;        // green
inline constexpr Colour kListText = 0x800000;        // navy
inline constexpr Colour kInstructionText = 0xC000C0; // purple
inline constexpr Colour kInstructionBack = 0xFFFFC0; // light cyan
inline constexpr Colour kYellow = 0x00FFFF;

inline constexpr char16_t kInstructionCaption[] =
    u" Подведите указатель мыши к   строке, информацию которой   Вы будете исправлять и  "
    u"щёлкните левой кнопкой";
inline constexpr char16_t kCorrectionCaption[] = u"Коррекция исходной информации";

// Places the window at 0, 0 with size 12000 x 10000 and adds List1, Command1..Command<buttons> and Label1..Label3 with the look of the
// correction lists: the window and the list in Courier 9.75 pt, green list with navy
// text, the heading Label1 in Courier 12 pt bold on yellow, the marker Label2 red on
// green, the instruction Label3 in purple on light cyan. Each window sets its own
// captions, places and the heading's size.
void AddCorrectionControls(Window& window, int buttons = 5);

// Left edge that centres the control on the window.
void CentreHorizontally(const Window& window, Control& control);
// Two buttons side by side with equal gaps on both sides and between them.
void PlaceSideBySide(const Window& window, Control& first, Control& second);

// Colours a verdict button: red for faulty data, green for sound data.
void ColourByVerdict(Control& button, bool faulty);

// The review state after entry: the accept button Command1 and the change button
// Command2 shown, Command2 green; Command1 red with the focus on Command2 for faulty
// data, else green with the focus on itself.
void ShowReviewButtons(Window& window, bool faulty);
// After a row has been corrected: the end button Command3 shown, coloured by the check.
void ShowEndButton(Window& window, bool faulty);

// Replaces one list row in place.
void ReplaceRow(Control& list, int row, const std::u16string& text);

// Prints one line of text at a pen position.
void PrintAt(Window& window, int x, int y, const std::u16string& text);

// Correction mode of a list window: the window cleared and shown with the caption
// "Коррекция исходной информации", the list enabled and shown, the marker, the heading
// and the buttons Command1..Command3 hidden, the instruction Label3 shown. Controls the
// window lacks are passed over.
void EnterCorrectionMode(Window& window);

// Parameters 19..31, 33..40 in the order they are listed: index 0..20.
inline constexpr int kTrayParameterCount = 21;
int TrayParameterAt(int index);
// The parameter a CheckParameterLimits error code (2..22) names; 0 for any other code.
int ParameterOfLimitCode(int code);

}  // namespace rc
