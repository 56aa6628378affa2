#include "support/ui_driver.h"

#include <gtest/gtest.h>

namespace rc::ui_test {
namespace {

// The control if the student could click it now, else nullptr (with a test failure).
Control* Clickable(Application& app, Window& w, const std::string& name) {
  const std::string& window = w.Name();
  if (FindWindow(app, window) != &w) {
    ADD_FAILURE() << window << " is not loaded";
    return nullptr;
  }
  if (!w.visible) {
    ADD_FAILURE() << window << " is not shown";
    return nullptr;
  }
  Control* c = w.FindControl(name);
  if (c == nullptr) {
    ADD_FAILURE() << window << " has no control " << name;
  } else if (!c->visible || !c->enabled) {
    ADD_FAILURE() << window << "." << name << " is hidden or disabled";
    c = nullptr;
  }
  return c;
}

}  // namespace

Window* FindWindow(Application& app, const std::string& name) {
  for (Window* w : app.LoadedWindows()) {
    if (w->Name() == name) return w;
  }
  return nullptr;
}

std::vector<std::string> LoadedNames(Application& app) {
  std::vector<std::string> names;
  for (Window* w : app.LoadedWindows()) names.push_back(w->Name());
  return names;
}

std::vector<std::string> VisibleNames(Application& app) {
  std::vector<std::string> names;
  for (Window* w : app.LoadedWindows()) {
    if (w->visible) names.push_back(w->Name());
  }
  return names;
}

void Click(Application& app, const std::string& window, const std::string& control) {
  Window* w = FindWindow(app, window);
  if (w == nullptr) {
    ADD_FAILURE() << window << " is not loaded";
    return;
  }
  Click(app, *w, control);
}

void Click(Application& app, Window& w, const std::string& control) {
  Control* c = Clickable(app, w, control);
  if (c == nullptr || !c->onClick) return;
  app.Dispatch([c] { c->onClick(); });
}

void Click(Application& app, const Control& control) {
  for (Window* w : app.LoadedWindows()) {
    for (const auto& c : w->Controls()) {
      if (c.get() == &control) return Click(app, *w, control.name);
    }
  }
  ADD_FAILURE() << control.name << " belongs to no loaded window";
}

void ClickRow(Application& app, const std::string& window, int row, const std::string& list) {
  Window* w = FindWindow(app, window);
  if (w == nullptr) {
    ADD_FAILURE() << window << " is not loaded";
    return;
  }
  ClickRow(app, *w, row, list);
}

void ClickRow(Application& app, Window& w, int row, const std::string& list) {
  Control* c = Clickable(app, w, list);
  if (c == nullptr) return;
  if (row < 0 || row >= static_cast<int>(c->items.size())) {
    ADD_FAILURE() << w.Name() << "." << list << " has no row " << row;
    return;
  }
  app.Dispatch([c, row] {
    c->listIndex = row;
    if (c->onClick) c->onClick();
  });
}

}  // namespace rc::ui_test
