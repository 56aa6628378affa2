#pragma once
// The coloured command button of the windows that place their own buttons (the diagram
// window, the column's results, the study of an input): the caption in the buttons' font
// on the button's colour, kButtonHeight high, where and as wide as the window says.
#include <string>

#include "ui/look.h"
#include "ui/window.h"

namespace rc {

Control& AddCommandButton(Window& window, const std::string& name, const std::u16string& caption,
                          Colour colour, int left, int top, int width);

}  // namespace rc
