#include "report/window_transcript.h"

#include "model/text.h"
#include "report/column_texts.h"

namespace rc {
namespace {

constexpr char16_t kRefused[] = u"ERROR";

std::u16string Field(const ColumnValue& v, std::uint8_t width, std::uint8_t decimals) {
  return ColumnField(v, width, decimals, u'.', kRefused);
}

std::u16string Padded(const std::u16string& text, std::size_t width) {
  if (text.size() >= width) return u" " + text;
  return std::u16string(width - text.size(), u' ') + text;
}

std::u16string Label(const char16_t* label) {
  std::u16string l = label;
  l.resize(14, u' ');
  return l;
}

// An extreme with its tray and verdict, or the refusal alone.
std::u16string ExtremeLine(const char16_t* label, const WindowExtreme& e, std::uint8_t decimals,
                           bool passes) {
  std::u16string line = Label(label) + Field(e.value, 12, decimals);
  if (e.value) line += u" tray " + DecimalText(e.tray) + (passes ? u" ok" : u" FAIL");
  return line;
}

std::u16string PanelLine(const char16_t* label, const DiagramPanel& p) {
  if (!p.design) return Label(label) + Padded(u"none", 12);
  return Label(label) + Field(p.design->velocity, 12, 4) + u" tray " + DecimalText(p.tray);
}

}  // namespace

std::vector<std::u16string> OperatingWindowTranscriptLines(const OperatingWindowResult& w,
                                                           const PerformanceDiagram& diagram,
                                                           int feedTray) {
  if (!w.computed) return {u"not computed for dual-flow trays"};
  std::vector<std::u16string> lines;
  for (std::size_t i = 0; i < w.trays.size(); ++i) {
    const WindowTray& t = w.trays[i];
    const int tray = static_cast<int>(i) + 1;
    std::u16string row = Padded(DecimalText(tray), 4) + Field(t.entrainment, 8, 4);
    if (!w.weepApplies) {
      row += std::u16string(8, u' ');
    } else if (t.weep.outcome == WeepPoint::Outcome::Never) {
      row += Padded(u"none", 8);
    } else {
      row += Field(t.weepMargin, 8, 2);
    }
    row += Field(t.crestAtMinimum, 8, 1) + Field(t.backup, 8, 1) + Field(t.residence, 8, 2);
    if (tray == feedTray) row += u" *";
    lines.push_back(row);
  }
  const auto& psi = w.entrainmentMax;
  lines.push_back(ExtremeLine(u"psi max", psi, 4, psi.value && *psi.value <= kEntrainmentLimit));
  lines.push_back(psi.value && !w.entrainmentAtMax ? Label(u"e at psi max") + Padded(u"none", 12)
                                                   : Label(u"e at psi max") + Field(w.entrainmentAtMax, 12, 4));
  const auto& weep = w.weepMarginMin;
  if (!w.weepApplies || w.noTrayWeeps) {
    lines.push_back(Label(u"weep margin") + Padded(u"none", 12));
  } else {
    lines.push_back(ExtremeLine(u"weep margin", weep, 2, weep.value && *weep.value >= kWeepMarginMinimum));
  }
  const auto& crest = w.crestMin;
  lines.push_back(ExtremeLine(u"how min, mm", crest, 1, crest.value && *crest.value >= kWeirCrestMinimum));
  const auto& hb = w.backupMax;
  lines.push_back(ExtremeLine(u"hb max, mm", hb, 1, hb.value && *hb.value <= w.backupLimit));
  lines.push_back(Label(u"hb limit, mm") + Field(w.backupLimit, 12, 1));
  const auto& tr = w.residenceMin;
  lines.push_back(ExtremeLine(u"tr min, s", tr, 2, tr.value && *tr.value >= kResidenceMinimum));
  lines.push_back(Label(u"min load") + Field(w.values.minimumLoad, 12, 2));
  lines.push_back(Label(u"apron gap, m") + Field(w.values.apronClearance, 12, 3));
  lines.push_back(PanelLine(u"diagram below", diagram.below));
  lines.push_back(PanelLine(u"diagram above", diagram.above));
  return lines;
}

}  // namespace rc
