#pragma once
// The first view of the diagram window: the y–x diagram on the left, the tray profile
// of the last tray-by-tray calculation on the right.
#include "report/plot_frame.h"
#include "ui/form11.h"

namespace rc {

class YXDiagramView : public DiagramView {
 public:
  // The plotting area of the diagram on the window [twips].
  static TwipRect PlotArea();

  std::u16string Caption() const override { return u"ДИАГРАММА Y–X"; }
  void Build(Form11& window) override;
  void Show(Form11& window) override;
  void Hide(Form11& window) override;
  void Print(Form11& window, Surface& printer, const std::u16string& dateTime) override;
  double DrawPicture(Form11& window, Surface& picture) override;
  // The tray profile; no rows without a completed tray-by-tray calculation.
  CellTable Table(Form11& window) override;
  std::u16string PictureName() const override { return u"диаграмма-y-x"; }

 private:
  void SetVisible(bool visible);
  Control* title_ = nullptr;    // Label1, the profile's title
  Control* heading_ = nullptr;  // Label2, its column headings
  Control* list_ = nullptr;     // List1, one row per tray
};

}  // namespace rc
