#include "ui/fault_display.h"

#include "ui/application.h"
#include "ui/correction_window.h"

namespace rc {

void DisplayInputFault(Window& window, const FaultRows& fault) {
  window.app().toolkit().Beep();
  if (fault.clearFirst) window.surface().Cls();
  if (!fault.caption.empty()) window.caption = fault.caption;
  for (std::size_t k = 0; k < fault.rows.size(); ++k) {
    PrintAt(window, fault.x, fault.firstY + kFaultRowStep * static_cast<int>(k), fault.rows[k]);
  }
  // The dialog's buttons are to be the only way on.
  for (const char* name : {"List1", "Command1", "Command2", "Command4", "Command5"}) {
    if (Control* c = window.FindControl(name)) c->visible = false;
  }

  Control& marker = window.control("Label2");
  const bool marked =
      fault.markedRow >= 0 && fault.markedRow < static_cast<int>(fault.rows.size());
  marker.visible = marked;
  if (!marked) return;
  marker.caption = fault.rows[static_cast<std::size_t>(fault.markedRow)];
  marker.left = fault.x;
  marker.top = fault.firstY - fault.markerAboveRow + kFaultRowStep * fault.markedRow;
  marker.height = kMarkerHeight;
  marker.width = kMarkerWidth;
}

}  // namespace rc
