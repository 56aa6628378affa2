#include "ui/form7.h"

#include "ui/application.h"

namespace rc {

Form7::Form7(Application& app) : Window(app, "Form7") {}
void Form7::Load() { caption = u"РЕЗУЛЬТАТЫ РАСЧЕТА"; }
void Form7::RunKineticLine() {}
void Form7::RunTrayByTray() {}

void OpenResultsMenu(Application& app) {
  app.UnloadAllForms();
  app.Form<Form7>().Show();
}

}  // namespace rc
