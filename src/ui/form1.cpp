#include "ui/form1.h"

namespace rc {

Form1::Form1(Application& app) : Window(app, "Form1") {}

void Form1::Load() {
  top = 500;
  left = 500;
  width = 12000;
  height = 9000;
  caption = u"НАЧАЛО РАБОТЫ С ПРОГРАММОЙ";
}

}  // namespace rc
