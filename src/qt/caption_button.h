#pragma once
// A push button in a colour of its own whose caption wraps onto further lines when it
// is wider than the button, as the windows' long captions need.
#include <QPushButton>

#include "report/surface.h"

namespace rc {

class CaptionButton : public QPushButton {
  Q_OBJECT
 public:
  explicit CaptionButton(QWidget* parent);
  // Sets the background and the caption colour; the border is drawn in shades of the
  // background.
  void SetColours(Colour back, Colour fore);

 protected:
  void paintEvent(QPaintEvent* event) override;
  // Enter presses the focused button, as the space bar does.
  void keyPressEvent(QKeyEvent* event) override;

 private:
  Colour back_ = 0xFFFFFFFF, fore_ = 0xFFFFFFFF;
};

}  // namespace rc
