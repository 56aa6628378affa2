#pragma once
// The parts the windows share, each made in one place: the coloured command button, the
// green list of results, a text on the window's own background (a heading over a list,
// a dialog's line), the yellow frame of the result windows, and printing from a button.
#include <functional>
#include <string>

#include "ui/look.h"
#include "ui/window.h"

namespace rc {

// A coloured command button: the caption in the buttons' font on the button's colour,
// kButtonHeight high, where and as wide as the window says.
Control& AddCommandButton(Window& window, const std::string& name, const std::u16string& caption,
                          Colour colour, int left, int top, int width);

// A list of results: navy rows in the window font on green, shown from its first row.
Control& AddResultList(Window& window, const std::string& name, int left, int top, int width, int height);

// A text on the window's own background (as it is when this is called) in the font and
// colour given; StyleWindowText gives a label added before the window's colour was set
// the same look.
Control& AddWindowText(Window& window, const std::string& name, const FontSpec& font, Colour colour);
void StyleWindowText(const Window& window, Control& label, const FontSpec& font, Colour colour);
// The heading over a list of results: dark blue in the window font.
inline void StyleListHeading(const Window& window, Control& label) {
  StyleWindowText(window, label, kWindowFont, kDarkBlue);
}
// A line of a dialog: centred in the window font, width x height [twips].
Control& AddDialogText(Window& dialog, const std::string& name, int width, int height);

// The frame of a window that shows results: where it stands and how large it is, its
// caption, the yellow background, dark blue text and the window font.
void SetResultWindowFrame(Window& window, int left, int top, int width, int height,
                          const std::u16string& caption);

// Prints from a window's print button: the button disabled while the document is made (it
// cannot be asked for twice), `print` writing the pages on the printer surface with the
// page header's date text and the decimal separator, the document sent to the printer;
// then the focus back on the button, so that a second Enter prints again.
using PrintPages = std::function<void(Surface& printer, const std::u16string& dateTime, char16_t separator)>;
void PrintFromButton(Window& window, Control& printButton, const PrintPages& print);

}  // namespace rc
