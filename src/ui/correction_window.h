#pragma once
// What the list windows of the second stage (Form5) and of the full correction (Form9)
// share: their controls and look, the prompts that re-ask one value, and the numbering
// of parameters 19..31, 33..40 in their lists and in the limit check's error codes.
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

// Adds List1, Command1..Command5 and Label1..Label3 with the look of the correction
// lists: the window and the list in Courier 9.75 pt, green list with navy text, the
// marker Label2 red on green, the instruction Label3 in purple on light cyan.
void AddCorrectionControls(Window& window);

// Left edge that centres the control on the window.
void CentreHorizontally(const Window& window, Control& control);
// Two buttons side by side with equal gaps on both sides and between them.
void PlaceSideBySide(const Window& window, Control& first, Control& second);

// Colours a verdict button: red for faulty data, green for sound data.
void ColourByVerdict(Control& button, bool faulty);

// Replaces one list row in place.
void ReplaceRow(Control& list, int row, const std::u16string& text);

// Prints one line of text at a pen position.
void PrintAt(Window& window, int x, int y, const std::u16string& text);

// Asks for a value with the modal prompt and stores the tidied text and its number.
void AskValue(Application& app, const std::u16string& prompt, const std::u16string& title,
              int x, int y, std::u16string& text, float& value);
// The same for a composition or an equilibrium value: one outside 0..1 is refused with
// a beep, its text becoming "???" and its number 0.
void AskUnitValue(Application& app, const std::u16string& prompt,
                  const std::u16string& title, int x, int y, std::u16string& text,
                  float& value);

// The prompt and title with which a parameter 19..40 is asked.
std::u16string ParameterTitle(const DesignData& data, int n);

// Parameters 19..31, 33..40 in the order they are listed: index 0..20.
inline constexpr int kTrayParameterCount = 21;
int TrayParameterAt(int index);
// The parameter a CheckParameterLimits error code (2..22) names; 0 for any other code.
int ParameterOfLimitCode(int code);

}  // namespace rc
