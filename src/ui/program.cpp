#include "ui/program.h"

#include "ui/data_file_actions.h"
#include "ui/form1.h"

namespace rc {

void StartProgram(Application& app) {
  app.Dispatch([&] { app.Form<Form1>().Show(); });
}

void StartProgramWithFile(Application& app, const std::u16string& path) {
  StartProgram(app);
  app.Dispatch([&] { OpenDataFile(app, path, app.Form<Form1>()); });
}

}  // namespace rc
