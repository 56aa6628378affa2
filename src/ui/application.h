#pragma once
// The running program: the one design data set, the toolkit, and the windows that are
// loaded, in the order they were loaded. A window is created when it is first asked
// for and destroyed when unloaded; a window unloaded during an event is destroyed only
// when the event has finished, so the handler that unloaded it may run to its end.
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "model/data_file.h"
#include "model/design_data.h"
#include "ui/calculation_runs.h"
#include "ui/toolkit.h"
#include "ui/window.h"

namespace rc {

class Application {
 public:
  explicit Application(Toolkit& toolkit);
  ~Application();

  DesignData& data() { return data_; }
  // The last run of each calculation, with the inputs it ran on.
  CalculationRuns& runs() { return runs_; }
  Toolkit& toolkit() { return toolkit_; }

  // The loaded window of class F, loading it (and running its load event) if need be.
  template <class F>
  F& Form() {
    if (F* f = FindForm<F>()) return *f;
    auto owned = std::make_unique<F>(*this);
    F& f = *owned;
    loaded_.push_back(std::move(owned));
    f.Load();
    return f;
  }
  // The loaded window of class F, or nullptr.
  template <class F>
  F* FindForm() {
    for (auto& w : loaded_) {
      if (auto* f = dynamic_cast<F*>(w.get())) return f;
    }
    return nullptr;
  }

  // The data as they were last saved to a file (or opened from one), so that closing
  // the program knows whether anything typed would be lost.
  void NoteSaved(DataFile file) { saved_ = std::move(file); }
  bool SavedAndUnchanged() const { return saved_ && *saved_ == DataFileOf(data_); }
  // Ending now would lose something the student typed: there are data, and they are not
  // the data last saved or opened.
  bool TypedDataWouldBeLost() const {
    return !SavedAndUnchanged() && DataFileOf(data_) != DataFileOf(DesignData{});
  }

  // The file the data were last opened from or saved to (empty for data typed afresh):
  // a save proposes it again.
  std::u16string dataFilePath;

  void Unload(Window& window);
  // Unloads every window that shows results (Window::ShowsResults).
  void UnloadResultWindows();
  // The calculations' runs have changed: every loaded window hears it.
  void NotifyResultsChanged();
  // While more than one window is loaded, unloads the first one loaded.
  void UnloadAllForms();
  std::vector<Window*> LoadedWindows() const;

  // Runs one user event (a click) and then lets go of the windows it unloaded.
  void Dispatch(const std::function<void()>& event);
  // Ends the program: every window closes; no further event is taken.
  void End();
  bool Ended() const { return ended_; }

 private:
  Toolkit& toolkit_;
  DesignData data_{};
  CalculationRuns runs_;
  std::optional<DataFile> saved_;
  std::vector<std::unique_ptr<Window>> loaded_;
  std::vector<std::unique_ptr<Window>> unloaded_;
  bool ended_ = false;
  int depth_ = 0;
};

}  // namespace rc
