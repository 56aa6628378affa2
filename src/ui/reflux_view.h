#pragma once
// The second view of the diagram window: the reflux study of the present data, the
// number of real trays and N*(R + 1) against the reflux ratio. Worked out afresh each
// time it is drawn or printed, so it always belongs to the data as they are.
#include "report/reflux_plot.h"
#include "ui/form11.h"

namespace rc {

class RefluxStudyView : public DiagramView {
 public:
  // Where the plots, the legend and the line stand on the window [twips].
  static PlotPairLayout Layout();

  std::u16string Caption() const override { return kRefluxStudyTitle; }
  void Build(Form11&) override {}
  void Show(Form11& window) override;
  void Hide(Form11&) override {}
  void Print(Form11& window, Surface& printer, const std::u16string& dateTime) override;
  double DrawPicture(Form11& window, Surface& picture) override;
  // The study's points.
  CellTable Table(Form11& window) override;
  std::u16string PictureName() const override { return u"флегмовое-число"; }
};

}  // namespace rc
