#pragma once
// The start screen.
#include "ui/window.h"

namespace rc {

class Form1 : public Window {
 public:
  explicit Form1(Application& app);
  void Load() override;
};

}  // namespace rc
