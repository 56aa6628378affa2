#include "ui/form5.h"

#include "ui/application.h"

namespace rc {

Form5::Form5(Application& app) : Window(app, "Form5") {}
void Form5::Load() { caption = u"Продолжение ввода исходной информации"; }

void AskTrayType(Application& app) { app.Form<Form5>().Show(); }

}  // namespace rc
