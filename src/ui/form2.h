#pragma once
// The rules screen: the five rules the equilibrium points must obey, on a cyan panel
// with an orange drop shadow, and a button back to the start screen.
#include <string>

#include "ui/window.h"

namespace rc {

class Form2 : public Window {
 public:
  explicit Form2(Application& app);
  void Load() override;

  // The panel's text: every line preceded by a carriage return (character 13).
  static std::u16string RulesText();

  Control& panel;           // Label1, the rules
  Control& rightShadow;     // Label2
  Control& bottomShadow;    // Label3
  Control& continueButton;  // Command1 "ПРОДОЛЖЕНИЕ РАБОТЫ"

 private:
  void Continue();
};

}  // namespace rc
