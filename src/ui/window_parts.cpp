#include "ui/window_parts.h"

#include "ui/application.h"
#include "ui/printer_page.h"

namespace rc {

Control& AddCommandButton(Window& window, const std::string& name, const std::u16string& caption,
                          Colour colour, int left, int top, int width) {
  Control& b = window.Add(name, ControlKind::Button);
  b.caption = caption;
  b.backColor = colour;
  b.font = kButtonFont;
  b.left = left;
  b.top = top;
  b.width = width;
  b.height = kButtonHeight;
  return b;
}

Control& AddResultList(Window& window, const std::string& name, int left, int top, int width, int height) {
  Control& l = window.Add(name, ControlKind::List);
  l.font = kWindowFont;
  l.backColor = kGreen;
  l.foreColor = kNavy;
  l.left = left;
  l.top = top;
  l.width = width;
  l.height = height;
  l.showsNewRows = false;
  return l;
}

Control& AddWindowText(Window& window, const std::string& name, const FontSpec& font, Colour colour) {
  Control& label = window.Add(name, ControlKind::Label);
  StyleWindowText(window, label, font, colour);
  return label;
}

void StyleWindowText(const Window& window, Control& label, const FontSpec& font, Colour colour) {
  label.font = font;
  label.backColor = window.backColor;
  label.foreColor = colour;
}

Control& AddDialogText(Window& dialog, const std::string& name, int width, int height) {
  Control& label = dialog.Add(name, ControlKind::Label);
  label.font = kWindowFont;
  label.backColor = dialog.backColor;
  label.centred = true;
  label.width = width;
  label.height = height;
  return label;
}

void SetResultWindowFrame(Window& window, int left, int top, int width, int height,
                          const std::u16string& caption) {
  window.left = left;
  window.top = top;
  window.width = width;
  window.height = height;
  window.caption = caption;
  window.backColor = kYellow;
  window.surface().ForeColor = kDarkBlue;
  window.SetFont(kWindowFont);
}

void PrintFromButton(Window& window, Control& printButton, const PrintPages& print) {
  printButton.enabled = false;
  Toolkit& toolkit = window.app().toolkit();
  Surface printer = PrinterSurface(toolkit);
  print(printer, PrintedDateTime(toolkit), toolkit.DecimalSeparator());
  toolkit.PrintDocument(PrintedDocument{ReportFont(), printer.Pages()});
  printButton.enabled = true;
  window.SetFocus(printButton);
}

}  // namespace rc
