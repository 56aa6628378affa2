#pragma once
// The real toolkit: shows the program's windows as Qt widgets, feeds their clicks back
// to the program and brings the widgets in line with the windows after every event.
// It also offers what tests and tools need to drive a session: the widgets of a
// window, prompt answers given in advance, and printing straight to PDF.
#include <QImage>
#include <QString>
#include <QStringList>
#include <deque>
#include <functional>
#include <map>
#include <optional>
#include <vector>

#include "qt/keyboard_layout.h"
#include "ui/application.h"
#include "ui/toolkit.h"

class QAbstractButton;
class QLabel;
class QListWidget;
class QWidget;

namespace rc {

class WindowMirror;

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
  void End() override;

  // --- Automation: tests and tools ---
  WindowMirror* MirrorFor(const Window& window) const;
  QWidget* WidgetFor(const Window& window) const;
  QWidget* ControlWidget(const Window& window, const std::string& control) const;
  QAbstractButton* ButtonFor(const Window& window, const std::string& control) const;
  QLabel* LabelFor(const Window& window, const std::string& control) const;
  QListWidget* ListFor(const Window& window, const std::string& control) const;
  // The loaded window of that name ("Form7"), or nullptr.
  Window* LoadedWindow(const std::string& name) const;
  // The window as it is on the screen (client area). Null image if it is not shown.
  QImage Grab(const Window& window) const;
  bool SaveScreenshot(const Window& window, const QString& pngPath) const;
  // Clicks through the real widgets, as a mouse click would; false if the control is
  // not there, hidden or disabled (or the row does not exist).
  bool ClickButton(const Window& window, const std::string& control);
  bool ClickListRow(const Window& window, const std::string& control, int row);
  int MirrorCount() const { return static_cast<int>(mirrors_.size()); }

  // Answers for the coming prompts: the text is typed into the real dialog and OK
  // pressed; std::nullopt presses Cancel. Prompts beyond the queue wait for the user.
  void QueuePromptAnswer(std::optional<std::u16string> answer);
  struct PromptSeen {
    std::u16string prompt, title, defaultText;
    int x = 0, y = 0;  // [twips]
    QPoint position;   // where the dialog stood [px]
    std::u16string answer;
  };
  const std::vector<PromptSeen>& Prompts() const { return prompts_; }

  // Documents are written to PDF files instead of opening the preview: the first to
  // path, further ones to path with -2, -3 ... before ".pdf". Empty path: preview again.
  void SetPdfOutput(const QString& path);
  const QStringList& WrittenPdfs() const { return writtenPdfs_; }

  const KeyboardLayoutRecord& KeyboardLayouts() const { return layouts_; }
  int Beeps() const { return beeps_; }

 private:
  void RemoveMirror(std::map<std::uint64_t, WindowMirror*>::iterator it);
  QString NextPdfPath() const;

  Application* app_ = nullptr;
  std::map<std::uint64_t, WindowMirror*> mirrors_;
  std::deque<std::optional<std::u16string>> answers_;
  std::vector<PromptSeen> prompts_;
  QString pdfPath_;
  QStringList writtenPdfs_;
  KeyboardLayoutRecord layouts_;
  int beeps_ = 0;
};

// The program on the real toolkit: the start screen, then Qt's event loop until the
// program ends; returns the loop's exit code.
int RunProgram();

}  // namespace rc
