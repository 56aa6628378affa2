#pragma once
// A window of the program as a plain object: its place and size in twips, caption,
// colours, font, controls and drawing surface. The window classes (form1.h ...) give
// it its behaviour; a toolkit mirrors it on the screen.
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "report/surface.h"
#include "ui/look.h"
#include "ui/toolkit.h"

namespace rc {

class Application;

enum class ControlKind { Button, Label, List };

struct Control {
  std::string name;  // "Command1", "Label2", "List1"
  ControlKind kind = ControlKind::Button;
  std::u16string caption;
  int left = 0, top = 0, width = 0, height = 0;  // [twips]
  Colour backColor = kSilver;
  Colour foreColor = kBlack;
  FontSpec font;
  bool visible = true;
  bool enabled = true;
  bool tabStop = true;
  int tabIndex = 0;
  bool centred = false;      // labels: text centred
  // Lists: rows added are scrolled into view, so the list seen while typing grows at its
  // end; a list filled whole to be read from the top turns it off.
  bool showsNewRows = true;
  // Lists: the Up and Down keys move to the row above or below and click it, so that a
  // list of points works as a cursor.
  bool clicksOnArrowKeys = false;

  // Buttons: the keys that click the button while its window is active ("Ctrl+C",
  // "Ctrl+Shift+C"); empty for none.
  std::string shortcut;

  // Lists: the rows and the row last clicked (0-based, -1 for none).
  std::vector<std::u16string> items;
  int listIndex = -1;
  void AddItem(const std::u16string& row) { items.push_back(row); }
  void AddItem(const std::u16string& row, int index);
  void RemoveItem(int index);
  void Clear() { items.clear(); listIndex = -1; }

  // Buttons are clicked; a list is clicked on a row after listIndex has been set.
  std::function<void()> onClick;
};

class Window {
 public:
  Window(Application& app, std::string name);
  virtual ~Window();
  Window(const Window&) = delete;
  Window& operator=(const Window&) = delete;

  // The load event, run once when the window is created.
  virtual void Load() {}

  const std::string& Name() const { return name_; }
  // A number no other window instance of the run shares: a window loaded afresh is a
  // new window to the toolkit.
  std::uint64_t Serial() const { return serial_; }

  std::u16string caption;
  int left = 0, top = 0, width = 12000, height = 9000;  // [twips]; height of the client area
  Colour backColor = kSilver;
  FontSpec font;  // the window's own font, used by Print
  bool visible = false;
  // While a modal window is on the screen no other window takes input.
  bool modal = false;
  // A dialog: the Serial of the window it belongs to and stays above; 0 for none.
  std::uint64_t ownerSerial = 0;
  // Escape closes the window as its title bar's close button does (the dialogs).
  bool escapeCloses = false;
  // A left click on the drawing, not on a control, at x, y [twips] in the client area.
  std::function<void(double x, double y)> onSurfaceClick;
  // The Left (-1) and Right (+1) keys, whichever control has the focus (a list then does
  // not scroll sideways).
  std::function<void(int step)> onSidewaysKey;

  // The student closes the window from its title bar (or with Alt+F4, or Escape where
  // escapeCloses). By default the window is unloaded, and the program ends when no
  // window is left on the screen; windows holding typed data ask first.
  virtual void CloseByUser();

  // Windows that show results of the calculations (the results menu, the diagram): a
  // correction of the data takes them away, and they hear when the results change.
  virtual bool ShowsResults() const { return false; }
  virtual void ResultsChanged() {}

  void Show() { visible = true; }
  void Hide() { visible = false; }

  // Adds a control under a name no other control of the window has (a second control of
  // the same name is a fault of the program: std::invalid_argument).
  Control& Add(std::string name, ControlKind kind);
  Control& control(const std::string& name);
  // The control of that name, or nullptr when the window has none.
  Control* FindControl(const std::string& name);
  const std::vector<std::unique_ptr<Control>>& Controls() const { return controls_; }

  // Keyboard focus: the control asked for last, and a counter that changes with every
  // request so a toolkit can tell a new request from an old one.
  void SetFocus(Control& c);
  const Control* Focus() const { return focus_; }
  std::uint64_t FocusRequest() const { return focusRequest_; }

  // The drawing surface with its pen; Print uses the window font's line height.
  Surface& surface() { return surface_; }
  const Surface& surface() const { return surface_; }
  void SetFont(const FontSpec& f);

  Application& app() { return app_; }

 private:
  Application& app_;
  std::string name_;
  std::uint64_t serial_;
  std::vector<std::unique_ptr<Control>> controls_;
  const Control* focus_ = nullptr;
  std::uint64_t focusRequest_ = 0;
  Surface surface_;
};

}  // namespace rc
