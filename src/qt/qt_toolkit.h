#pragma once
// The real toolkit: shows the program's windows as Qt widgets, feeds their clicks back
// to the program and brings the widgets in line with the windows after every event.
// What tests and tools need to drive a session is in automation/qt_automation.h; the
// toolkit tells it of the program, its widgets and its prompts through a QtToolkitObserver.
#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <string>

#include "ui/application.h"
#include "ui/toolkit.h"

class QInputDialog;

namespace rc {

class WindowMirror;

// Hears what the toolkit does, so that whoever drives it can find the program's widgets,
// answer its prompts and see where they stood.
class QtToolkitObserver {
 public:
  virtual ~QtToolkitObserver() = default;
  // The program attached to the toolkit.
  virtual void Attached(Application& app) = 0;
  // A loaded window's widget, just made; and once it is taken away (deleted later).
  virtual void MirrorMade(WindowMirror& mirror) = 0;
  virtual void MirrorGone(WindowMirror& mirror) = 0;
  // The prompt's dialog, placed and filled, just before it opens; and once it has closed.
  virtual void PromptOpening(QInputDialog& dialog) = 0;
  virtual void PromptClosed(const QInputDialog& dialog) = 0;
};

class QtToolkit : public Toolkit {
 public:
  QtToolkit();
  ~QtToolkit() override;
  QtToolkit(const QtToolkit&) = delete;
  QtToolkit& operator=(const QtToolkit&) = delete;

  // The program whose windows are shown. Call once, before the first event.
  void Attach(Application& app);
  // Creates, updates and removes widgets so that they show the loaded windows.
  void Sync();
  // Runs one user event through the program, then syncs.
  void RunEvent(const std::function<void()>& event);
  // The student closed a window with its title bar (or Escape on a dialog): the window
  // decides what follows (Window::CloseByUser).
  void WindowClosedByUser(std::uint64_t serial);
  // The one observer (nullptr: none).
  void SetObserver(QtToolkitObserver* observer) { observer_ = observer; }

  // Toolkit
  std::u16string InputBox(const std::u16string& prompt, const std::u16string& title,
                          const std::u16string& defaultText, int x, int y) override;
  void Beep() override;
  void ActivateKeyboardLayout(std::uint32_t layout) override;
  std::u16string ShortDateText() override;
  std::u16string TimeText() override;
  CalendarDate Today() override;
  char16_t DecimalSeparator() override;
  double LineHeightTwips(const FontSpec& font) override;
  double PrinterPageHeightTwips() override;
  double PrinterPageWidthTwips() override;
  double CharWidthTwips(const FontSpec& font) override;
  void PrintDocument(const PrintedDocument& document) override;
  std::optional<std::u16string> AskSavePath(const std::u16string& proposedPath) override;
  std::optional<std::u16string> AskOpenPath(const std::u16string& folder) override;
  std::u16string DocumentsFolder() override;
  // Kept in the user's settings of the program, so the next run's dialogs start there.
  std::u16string RememberedFolder() override;
  void RememberFolder(const std::u16string& folder) override;
  std::optional<std::string> ReadFile(const std::u16string& path, std::u16string& error) override;
  bool WriteFileAtomically(const std::u16string& path, const std::string& bytes,
                           std::u16string& error) override;
  // The system clipboard (nothing without one); the note as a tooltip over the active
  // window; the picture's dialog and files (qt/pictures.h).
  void CopyTable(const std::u16string& tabText, const std::u16string& html) override;
  void CopyPicture(const PlotPicture& picture) override;
  void ShowNote(const std::u16string& text) override;
  std::optional<std::u16string> AskPicturePath(const std::u16string& proposedPath) override;
  bool WritePicture(const std::u16string& path, const PlotPicture& picture,
                    std::u16string& error) override;
  void End() override;

 private:
  void RemoveMirror(std::map<std::uint64_t, WindowMirror*>::iterator it);

  Application* app_ = nullptr;
  QtToolkitObserver* observer_ = nullptr;
  std::map<std::uint64_t, WindowMirror*> mirrors_;
};

// The program on the real toolkit of the running QApplication: Qt's own texts in
// Russian, the start screen (with the data of dataFile, when given), then Qt's event
// loop until the program ends by its own end buttons; returns the loop's exit code.
int RunProgram(const std::optional<std::u16string>& dataFile = std::nullopt);

}  // namespace rc
