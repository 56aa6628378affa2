#pragma once
// The full correction list opened from the results menu.
#include "ui/window.h"

namespace rc {

class Form9 : public Window {
 public:
  explicit Form9(Application& app);
  void Load() override;
};

// The results menu's change button: closes any earlier Form9 and the other windows,
// fills Form9 with all current input data and shows it.
void OpenFullCorrection(Application& app);

}  // namespace rc
