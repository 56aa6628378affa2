#include "ui/fault_display.h"

#include "ui/application.h"

namespace rc {

void DisplayInputFault(Window& window, const FaultRows& fault) {
  window.app().toolkit().Beep();
  Surface& s = window.surface();
  s.Cls();
  window.caption = fault.caption;
  for (std::size_t k = 0; k < fault.rows.size(); ++k) {
    s.CurrentX = fault.x;
    s.CurrentY = fault.firstY + kFaultRowStep * static_cast<double>(k);
    s.Print(fault.rows[k]);
  }
  window.control("List1").visible = false;
  window.control("Command1").visible = false;
  window.control("Command2").visible = false;

  Control& marker = window.control("Label2");
  const bool marked =
      fault.markedRow >= 0 && fault.markedRow < static_cast<int>(fault.rows.size());
  marker.visible = marked;
  if (!marked) return;
  marker.caption = fault.rows[static_cast<std::size_t>(fault.markedRow)];
  marker.left = fault.x;
  marker.top = fault.firstY - kMarkerAboveRow + kFaultRowStep * fault.markedRow;
  marker.height = kMarkerHeight;
  marker.width = kMarkerWidth;
}

}  // namespace rc
