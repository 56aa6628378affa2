#pragma once
// The start screen: the program's title over a colour gradient and three buttons (the
// rules screen, the start of data entry, the end of the program), and under the entry
// button the opening of a data file.
#include "ui/window.h"

namespace rc {

class Form1 : public Window {
 public:
  explicit Form1(Application& app);
  void Load() override;

  // Places the title, the buttons (four equal gaps from their actual widths) and the
  // credit line; run by the load event.
  void LayOut();

  // In the order the window carries them; the tab order is rules, end, entry.
  Control& title;        // Label1
  Control& rulesButton;  // Command1 "ПРАВИЛА ВВОДА РАВНОВЕСНОЙ ЛИНИИ"
  Control& entryButton;  // Command2 "ВВОД ИСХОДНОЙ ИНФОРМАЦИИ"
  Control& endButton;    // Command3 "ОКОНЧАНИЕ РАБОТЫ С ПРОГРАММОЙ"
  Control& credit;       // Label2
  Control& openButton;   // Command4 "ОТКРЫТЬ ФАЙЛ ДАННЫХ"

 private:
  void PaintGradient();
  void OpenRules();  // Command1
};

}  // namespace rc
