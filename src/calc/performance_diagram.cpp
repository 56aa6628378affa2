#include "calc/performance_diagram.h"

#include <algorithm>

namespace rc {
namespace {

constexpr double kSecondsPerHour = 3600.0;
constexpr int kBisections = 80;
constexpr double kPastTheEnds = 1.3;

// The x in [lo, hi] where an increasing f crosses zero (f(lo) < 0 <= f(hi)); nothing
// where f fails at an end or does not change sign between them.
template <class F>
std::optional<double> Crossing(F f, double lo, double hi) {
  const auto at = [&f](double x) -> std::optional<double> {
    Guard g;
    const double v = g.Finite(f(g, x));
    if (g.faulted()) return std::nullopt;
    return v;
  };
  const std::optional<double> flo = at(lo), fhi = at(hi);
  if (!flo || !fhi || !(*flo < 0) || !(*fhi >= 0)) return std::nullopt;
  for (int i = 0; i < kBisections; ++i) {
    const double mid = (lo + hi) / 2;
    const std::optional<double> fm = at(mid);
    if (!fm) return std::nullopt;
    (*fm < 0 ? lo : hi) = mid;
  }
  return (lo + hi) / 2;
}

// The panel's design and minimum-load points and, where they apply, its limit lines.
DiagramPanel PanelOf(const ColumnDesignInput& in, const ColumnDesignResult& column,
                     const OperatingWindowValues& v, Section section) {
  DiagramPanel p;
  p.section = section;
  p.tray = CriticalTray(column, section);
  if (p.tray == 0) return p;
  const ColumnTrayState& t = column.trays[static_cast<std::size_t>(p.tray - 1)].state;
  if (!t.liquidLoad || !t.velocity) return p;
  p.design = DiagramPoint{kSecondsPerHour * *t.liquidLoad, *t.velocity};
  p.minimum = DiagramPoint{v.minimumLoad * p.design->load, v.minimumLoad * p.design->velocity};
  p.limits = column.floodingApplies;
  p.weeps = in.column.hydraulics == Hydraulics::SieveOrValve;
  return p;
}

void DrawLines(const ColumnDesignInput& in, const ColumnDesignResult& column,
               const OperatingWindowValues& v, double loadEnd, double velocityEnd,
               DiagramPanel& p) {
  if (!p.limits) return;
  const ColumnTrayState& t = column.trays[static_cast<std::size_t>(p.tray - 1)].state;
  const std::optional<TrayHydraulics> h = TrayHydraulics::Of(in, t, v.apronClearance);
  if (!h) return;
  p.crestLoad = kSecondsPerHour * h->CrestLoad(kWeirCrestMinimum);
  // The lines run a little past the axes' ends, which the drawing rounds up.
  const double wHigh = 4 * velocityEnd;
  const double lvEnd = kPastTheEnds * loadEnd / kSecondsPerHour;  // [m³/s]
  const double lvHigh = 50 * lvEnd;
  // The residence time falls with the load and rises again far beyond the axis, where
  // the loss under the apron grows as its square: searched within the axis.
  const double lvResidence = lvEnd;
  const double limit = h->BackupLimitMm();
  for (int i = 1; i <= kDiagramLinePoints; ++i) {
    const double lv = lvEnd * i / kDiagramLinePoints;  // [m³/s]
    const double load = kSecondsPerHour * lv;
    const double tiny = 1e-6 * velocityEnd;
    for (const auto& [target, line] : {std::pair{100.0, &p.flooding}, std::pair{85.0, &p.flooding85}}) {
      const auto w = Crossing(
          [&](Guard& g, double w) { return h->Flooding(g, lv, w) - target; }, tiny, wHigh);
      if (w) line->push_back({load, *w});
    }
    if (const auto w = Crossing(
            [&](Guard& g, double w) { return h->Entrainment(g, lv, w) - kEntrainmentLimit; },
            tiny, wHigh)) {
      p.entrainment.push_back({load, *w});
    }
    if (p.weeps) {
      const WeepPoint weep = h->Weep(lv);
      if (weep.outcome == WeepPoint::Outcome::Found) p.weep.push_back({load, weep.velocity});
    }
  }
  for (int i = 1; i <= kDiagramLinePoints; ++i) {
    const double w = kPastTheEnds * velocityEnd * i / kDiagramLinePoints;
    const double tiny = 1e-6 * lvEnd;
    if (const auto lv = Crossing([&](Guard& g, double lv) { return h->Backup(g, lv, w) - limit; },
                                 tiny, lvHigh)) {
      p.backup.push_back({kSecondsPerHour * *lv, w});
    }
    if (const auto lv = Crossing(
            [&](Guard& g, double lv) { return kResidenceMinimum - h->Residence(g, lv, w); }, tiny,
            lvResidence)) {
      p.residence.push_back({kSecondsPerHour * *lv, w});
    }
  }
}

}  // namespace

PerformanceDiagram PerformanceDiagramOf(const ColumnDesignInput& in, const ColumnDesignResult& column,
                                        const OperatingWindowValues& values) {
  PerformanceDiagram d;
  d.below = PanelOf(in, column, values, Section::BelowFeed);
  d.above = PanelOf(in, column, values, Section::AboveFeed);
  double load = 0, velocity = 0;
  for (const DiagramPanel* p : {&d.below, &d.above}) {
    if (!p->design) continue;
    load = std::max(load, 2 * p->design->load);
    const ColumnValue& phi = column.trays[static_cast<std::size_t>(p->tray - 1)].flooding;
    const double top = p->limits && phi && *phi > 0 ? 2 * p->design->velocity * 100 / *phi
                                                    : 2 * p->design->velocity;
    velocity = std::max(velocity, top);
  }
  if (load > 0 && std::isfinite(load)) d.loadEnd = load;
  if (velocity > 0 && std::isfinite(velocity)) d.velocityEnd = velocity;
  for (DiagramPanel* p : {&d.below, &d.above}) {
    if (p->design) DrawLines(in, column, values, d.loadEnd, d.velocityEnd, *p);
  }
  return d;
}

}  // namespace rc
