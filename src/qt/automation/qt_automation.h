#pragma once
// The real toolkit as the tests and the teachers' tools drive it: the widgets of a
// window, clicks through them, prompt answers given in advance, pictures of the
// windows, printing straight to PDF, and a record of beeps, prompts and keyboard
// layouts. The program itself runs on the plain QtToolkit.
#include <QImage>
#include <QPoint>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <deque>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "qt/keyboard_layout.h"
#include "qt/qt_toolkit.h"
#include "ui/application.h"

class QAbstractButton;
class QApplication;
class QLabel;
class QListWidget;
class QWidget;

namespace rc {

// The one QApplication of a test, tool or benchmark run. Without a platform chosen it
// uses Qt's offscreen platform, so no display is needed.
QApplication& OffscreenApplication();

class QtAutomation : public QtToolkit, private QtToolkitObserver {
 public:
  QtAutomation() { SetObserver(this); }

  QWidget* WidgetFor(const Window& window) const;
  // How many loaded windows have a widget.
  int MirrorCount() const { return static_cast<int>(mirrors_.size()); }
  QWidget* ControlWidget(const Window& window, const std::string& control) const;
  QAbstractButton* ButtonFor(const Window& window, const std::string& control) const;
  QLabel* LabelFor(const Window& window, const std::string& control) const;
  QListWidget* ListFor(const Window& window, const std::string& control) const;
  // The loaded window of that name ("Form7"), or nullptr.
  Window* LoadedWindow(const std::string& name) const;
  // The loaded window the control belongs to, or nullptr.
  Window* OwnerOf(const Control& control) const;
  // The window as it is on the screen (client area). Null image if it is not shown.
  QImage Grab(const Window& window) const;
  bool SaveScreenshot(const Window& window, const QString& pngPath) const;
  // Clicks through the real widgets, as a mouse click would; false if the control is
  // not on the screen, hidden or disabled (or the row does not exist).
  bool ClickButton(const Control& button);
  bool ClickListRow(const Control& list, int row);

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

  // Toolkit
  std::u16string InputBox(const std::u16string& prompt, const std::u16string& title,
                          const std::u16string& defaultText, int x, int y) override;
  void Beep() override;
  void ActivateKeyboardLayout(std::uint32_t layout) override;
  void PrintDocument(const PrintedDocument& document) override;
  // Tests and tools never touch the user's settings: the folder is kept for the run only.
  std::u16string RememberedFolder() override { return Toolkit::RememberedFolder(); }
  void RememberFolder(const std::u16string& folder) override { Toolkit::RememberFolder(folder); }

 private:
  // QtToolkitObserver
  void Attached(Application& app) override { app_ = &app; }
  void MirrorMade(WindowMirror& mirror) override;
  void MirrorGone(WindowMirror& mirror) override;
  void PromptOpening(QInputDialog& dialog) override;
  void PromptClosed(const QInputDialog& dialog) override;

  QString NextPdfPath() const;
  WindowMirror* MirrorFor(const Window& window) const;
  // The widget showing a loaded window's control, or nullptr.
  QWidget* WidgetOf(const Control& control) const;

  Application* app_ = nullptr;
  std::map<std::uint64_t, WindowMirror*> mirrors_;  // by the window's serial

  std::deque<std::optional<std::u16string>> answers_;
  std::vector<PromptSeen> prompts_;
  QPoint lastPromptPosition_;
  QString pdfPath_;
  QStringList writtenPdfs_;
  KeyboardLayoutRecord layouts_;
  int beeps_ = 0;
};

// The widgets of unloaded windows go, as the event loop would let them go.
void LetGoOfUnloadedWidgets();

// A program on the automated toolkit (T: QtAutomation or a toolkit built on it), attached,
// on the one QApplication of the run; the widgets it leaves go with it.
template <class T = QtAutomation>
struct AutomatedSession {
  AutomatedSession() : app(toolkit) {
    OffscreenApplication();
    toolkit.Attach(app);
  }
  ~AutomatedSession() { LetGoOfUnloadedWidgets(); }
  AutomatedSession(const AutomatedSession&) = delete;
  AutomatedSession& operator=(const AutomatedSession&) = delete;

  T toolkit;
  Application app;
};

}  // namespace rc
