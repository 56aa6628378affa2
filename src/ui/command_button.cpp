#include "ui/command_button.h"

namespace rc {

Control& AddCommandButton(Window& window, const std::string& name, const std::u16string& caption,
                          Colour colour, int left, int top, int width) {
  Control& b = window.Add(name, ControlKind::Button);
  b.caption = caption;
  b.backColor = colour;
  b.font = kButtonFont;
  b.left = left;
  b.top = top;
  b.width = width;
  b.height = kButtonHeight;
  return b;
}

}  // namespace rc
