#pragma once
// One program window on the screen: a top-level widget that mirrors a ui Window (place,
// size, caption, background, controls, drawing) and sends its clicks back to the
// toolkit. 15 twips make one pixel.
#include <QPointer>
#include <QWidget>
#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "ui/window.h"

class QLabel;
class QListWidget;

namespace rc {

class CaptionButton;
class QtToolkit;

class WindowMirror : public QWidget {
  Q_OBJECT
 public:
  WindowMirror(QtToolkit& toolkit, Window& window);

  std::uint64_t Serial() const { return serial_; }
  // Brings the widget and its controls in line with the window. Returns true when the
  // window has just become visible.
  bool Sync(Window& window);
  // Keeps this window above owner (nullptr: above no window in particular).
  void StayAbove(WindowMirror* owner);
  // The window has gone: nothing of it may be touched any more.
  void Detach() { window_ = nullptr; }

  // The widget showing the control, or nullptr.
  QWidget* ControlWidget(const Control& control) const;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  // Escape closes a dialog as its title bar's close button does.
  void keyPressEvent(QKeyEvent* event) override;
  // Enter on a list's current row acts as a click on that row, for the keyboard user.
  bool eventFilter(QObject* watched, QEvent* event) override;
  // A left click on the drawing goes to the window's onSurfaceClick, where it has one.
  void mousePressEvent(QMouseEvent* event) override;

 private:
  struct ControlView {
    QWidget* widget = nullptr;
    std::vector<std::u16string> items;  // list rows as last shown
    QRect place;                        // a list's place as the window last gave it [px]
    FontSpec font;
    bool fontSet = false;
  };

  // The window's size and, when the program has moved it, its place.
  void Place(const Window& window);
  QWidget* Create(const Control& control);
  void SyncControl(const Control& control, ControlView& view);
  void SyncButton(const Control& control, CaptionButton& button);
  void SyncLabel(const Control& control, QLabel& label);
  void SyncList(const Control& control, ControlView& view, QListWidget& list);
  void KeepEveryRowInSight(const QRect& place, QListWidget& list);
  void SyncTabOrder(const Window& window);
  // The focus leaves a control that has been hidden or disabled.
  void MoveFocusOffHiddenControl();
  // The control when it is still the window's and is visible and enabled, else nullptr: a
  // click or a key reaching a hidden or disabled control does nothing.
  Control* Usable(const Control* control) const;
  void ClickButton(const Control* button);
  void ClickList(const Control* list, int row);
  // Left or Right to the window's onSidewaysKey, where it has one; false when not taken.
  bool SidewaysKey(int key);
  // The control a widget shows, or nullptr.
  const Control* ControlOf(const QObject* widget) const;

  QtToolkit& toolkit_;
  Window* window_;
  std::uint64_t serial_;
  std::map<const Control*, ControlView> views_;  // keyed by the control they show
  std::uint64_t revision_ = ~0ull;
  std::uint64_t focusRequest_ = 0;
  Colour backColor_ = 0xFFFFFFFF;
  QPoint placedAt_{-1000000, -1000000};  // where the program last put the window [px]
  QPointer<WindowMirror> owner_;
};

}  // namespace rc
