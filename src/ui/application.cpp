#include "ui/application.h"

#include <algorithm>

namespace rc {

Application::Application(Toolkit& toolkit) : toolkit_(toolkit) {}

Application::~Application() = default;

void Application::Unload(Window& window) {
  auto it = std::find_if(loaded_.begin(), loaded_.end(),
                         [&](const auto& w) { return w.get() == &window; });
  if (it == loaded_.end()) return;
  (*it)->Hide();
  unloaded_.push_back(std::move(*it));
  loaded_.erase(it);
}

void Application::UnloadResultWindows() {
  for (Window* w : LoadedWindows()) {
    if (w->ShowsResults()) Unload(*w);
  }
}

void Application::NotifyResultsChanged() {
  for (Window* w : LoadedWindows()) w->ResultsChanged();
}

void Application::UnloadAllForms() {
  while (loaded_.size() > 1) Unload(*loaded_.front());
}

std::vector<Window*> Application::LoadedWindows() const {
  std::vector<Window*> windows;
  for (const auto& w : loaded_) windows.push_back(w.get());
  return windows;
}

void Application::Dispatch(const std::function<void()>& event) {
  if (ended_) return;
  ++depth_;
  event();
  if (--depth_ == 0) unloaded_.clear();
}

void Application::End() {
  if (ended_) return;
  ended_ = true;
  for (auto& w : loaded_) w->Hide();
  for (auto& w : loaded_) unloaded_.push_back(std::move(w));
  loaded_.clear();
  toolkit_.End();
}

}  // namespace rc
