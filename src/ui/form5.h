#pragma once
// The tray-type question and the second entry stage (parameters 19..31, 33..40).
#include "ui/window.h"

namespace rc {

class Form5 : public Window {
 public:
  explicit Form5(Application& app);
  void Load() override;
};

// Puts up the tray-type question on Form5.
void AskTrayType(Application& app);

}  // namespace rc
