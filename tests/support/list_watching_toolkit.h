#pragma once
// A recording toolkit that can look at the windows each time a prompt opens: it notes
// the rows of one window's list (what the student sees while typing) and runs onPrompt.
#include <functional>
#include <string>
#include <vector>

#include "support/recording_toolkit.h"
#include "support/ui_driver.h"

namespace rc::ui_test {

class ListWatchingToolkit : public RecordingToolkit {
 public:
  Application* app = nullptr;    // set once the application exists
  std::string window = "Form3";  // the window and list watched
  std::string list = "List1";
  // One entry per prompt, in prompt order: the list's rows (empty when the window is
  // not loaded).
  std::vector<std::vector<std::u16string>> listAtPrompt;
  std::function<void()> onPrompt;

  std::u16string InputBox(const std::u16string& prompt, const std::u16string& title,
                          const std::u16string& defaultText, int x, int y) override {
    if (onPrompt) onPrompt();
    std::vector<std::u16string> rows;
    if (app != nullptr) {
      if (Window* w = FindWindow(*app, window)) rows = w->control(list).items;
    }
    listAtPrompt.push_back(rows);
    return RecordingToolkit::InputBox(prompt, title, defaultText, x, y);
  }
};

}  // namespace rc::ui_test
