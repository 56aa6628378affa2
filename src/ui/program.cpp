#include "ui/program.h"

#include "ui/form1.h"

namespace rc {

void StartProgram(Application& app) {
  app.Dispatch([&] { app.Form<Form1>().Show(); });
}

}  // namespace rc
