#include "ui/window.h"

#include <stdexcept>

#include "ui/application.h"

namespace rc {
namespace {
std::uint64_t nextSerial = 1;
}

void Control::AddItem(const std::u16string& row, int index) {
  if (index < 0 || index > static_cast<int>(items.size())) index = static_cast<int>(items.size());
  items.insert(items.begin() + index, row);
}

void Control::RemoveItem(int index) {
  if (index >= 0 && index < static_cast<int>(items.size())) items.erase(items.begin() + index);
}

Window::Window(Application& app, std::string name)
    : app_(app), name_(std::move(name)), serial_(nextSerial++) {
  SetFont(font);
}

Window::~Window() = default;

Control& Window::Add(std::string name, ControlKind kind) {
  if (FindControl(name)) throw std::invalid_argument("a second control " + name + " on " + name_);
  auto c = std::make_unique<Control>();
  c->name = std::move(name);
  c->kind = kind;
  c->tabIndex = static_cast<int>(controls_.size());
  if (kind == ControlKind::Label) c->tabStop = false;
  controls_.push_back(std::move(c));
  return *controls_.back();
}

Control* Window::FindControl(const std::string& name) {
  for (auto& c : controls_) {
    if (c->name == name) return c.get();
  }
  return nullptr;
}

Control& Window::control(const std::string& name) {
  if (Control* c = FindControl(name)) return *c;
  throw std::out_of_range("no control " + name + " on " + name_);
}

void Window::CloseByUser() {
  app_.Unload(*this);
  for (const Window* w : app_.LoadedWindows()) {
    if (w->visible) return;
  }
  app_.End();
}

void Window::SetFocus(Control& c) {
  focus_ = &c;
  ++focusRequest_;
}

void Window::SetFont(const FontSpec& f) {
  font = f;
  surface_.SetLineHeight(app_.toolkit().LineHeightTwips(f));
}

}  // namespace rc
