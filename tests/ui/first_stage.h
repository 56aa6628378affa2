#pragma once
// Scripted first entry stages for the window tests: the student's answers to the name
// prompt, the 16 equilibrium prompts and XW, XF, XP.
#include <array>
#include <stdexcept>
#include <string>
#include <vector>

#include "support/list_watching_toolkit.h"
#include "support/recording_toolkit.h"
#include "support/ui_driver.h"
#include "ui/application.h"
#include "ui/program.h"
#include "ui/form1.h"

namespace rc::ui_test {

struct FirstStage {
  std::u16string name = u"иванов гр 1";
  std::array<std::u16string, 8> x{u"0", u"0.1", u"0.2", u"0.3", u"0.5", u"0.7", u"0.9", u"1"};
  std::array<std::u16string, 8> y{u"0", u"0.25", u"0.4", u"0.5", u"0.7", u"0.85", u"0.95", u"1"};
  std::u16string xw = u"0.05", xf = u"0.4", xp = u"0.95";

  // The answers in prompt order: name, X0, Y0, ..., X7, Y7, XW, XF, XP.
  std::vector<std::u16string> Answers() const {
    std::vector<std::u16string> a{name};
    for (int i = 0; i < 8; ++i) {
      a.push_back(x[static_cast<std::size_t>(i)]);
      a.push_back(y[static_cast<std::size_t>(i)]);
    }
    a.insert(a.end(), {xw, xf, xp});
    return a;
  }
};

// Scripts the stage and clicks "ВВОД ИСХОДНОЙ ИНФОРМАЦИИ" on the start screen.
inline void RunFirstStage(RecordingToolkit& tk, Application& app, const FirstStage& stage = {}) {
  for (const auto& a : stage.Answers()) tk.Answer(a);
  StartProgram(app);
  Click(app, ui_test::Loaded<Form1>(app).entryButton);
}

inline Window& Form(Application& app, const std::string& name) {
  Window* w = FindWindow(app, name);
  if (w == nullptr) throw std::runtime_error(name + " is not loaded");
  return *w;
}

}  // namespace rc::ui_test
