#pragma once
// Drives the windows the way a student does: clicks on buttons and list rows, each as
// one user event through Application::Dispatch. A click on a window that is not loaded
// or not shown, or on a control that is hidden or disabled, is a test failure (the
// student could not have made it) and does nothing.
#include <stdexcept>
#include <string>
#include <vector>

#include "ui/application.h"

namespace rc::ui_test {

// The loaded window of that name ("Form3"), or nullptr.
Window* FindWindow(Application& app, const std::string& name);
// The loaded window of class W; when there is none the test fails (by an exception).
template <class W>
W& Loaded(Application& app) {
  if (W* w = app.FindForm<W>()) return *w;
  throw std::runtime_error("a window clicked on is not loaded");
}
// The names of the loaded windows, in load order.
std::vector<std::string> LoadedNames(Application& app);
// The names of the loaded windows that are shown.
std::vector<std::string> VisibleNames(Application& app);

// Clicks a button (or a label) of a shown window, named or at hand, or a control at hand
// (a window's role member: Loaded<Form7>(app).printButton).
void Click(Application& app, const std::string& window, const std::string& control);
void Click(Application& app, Window& window, const std::string& control);
void Click(Application& app, const Control& control);
// Clicks row `row` (0-based) of a list of a shown window.
void ClickRow(Application& app, const std::string& window, int row,
              const std::string& list = "List1");
void ClickRow(Application& app, Window& window, int row, const std::string& list = "List1");

}  // namespace rc::ui_test
