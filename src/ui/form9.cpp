#include "ui/form9.h"

#include "ui/application.h"

namespace rc {

Form9::Form9(Application& app) : Window(app, "Form9") {}
void Form9::Load() { caption = u"Коррекция исходной информации"; }

void OpenFullCorrection(Application& app) {
  if (Form9* old = app.FindForm<Form9>()) app.Unload(*old);
  app.UnloadAllForms();
  app.Form<Form9>().Show();
}

}  // namespace rc
