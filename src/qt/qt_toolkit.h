#pragma once
// The real toolkit: shows the program's windows as Qt widgets.
#include "ui/application.h"
#include "ui/toolkit.h"

namespace rc {

class QtToolkit : public Toolkit {
 public:
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
  void PrintDocument(const PrintedDocument& document) override;
  void End() override;
};

}  // namespace rc
