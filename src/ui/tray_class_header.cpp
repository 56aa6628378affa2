#include "ui/tray_class_header.h"

namespace rc {
namespace {

std::u16string Blanks(std::size_t count) { return std::u16string(count, u' '); }

// Dual-flow or sieve/valve by parameter 34, whatever TrayType holds.
TrayKind KindWithoutCaps(const DesignData& data) {
  return AreaRatioIsOne(data) ? TrayKind::DualFlow : TrayKind::SieveOrValve;
}

}  // namespace

std::u16string TrayClassHeader(const DesignData& data, HeaderOccasion occasion) {
  const TrayKind kind = KindOfTrays(data);
  switch (occasion) {
    case HeaderOccasion::EntryStart:
      return Blanks(10) + (data.TrayType == kBubbleCapTrays ? u"ТАРЕЛКИ КОЛПАЧКОВЫЕ"
                                                            : u"ТАРЕЛКИ НЕ КОЛПАЧКОВЫЕ");
    case HeaderOccasion::AreaRatioEntered:
      return Blanks(11) + TrayKindText(KindWithoutCaps(data));
    case HeaderOccasion::AreaRatioCorrected:
      return Blanks(30) + TrayKindText(KindWithoutCaps(data));
    case HeaderOccasion::Form5FaultDisplay:
      return Blanks(kind == TrayKind::BubbleCap ? 10 : 8) + TrayKindText(kind);
    case HeaderOccasion::FullList:
      return Blanks(kind == TrayKind::SieveOrValve ? 26 : 32) + TrayKindText(kind);
  }
  return {};
}

}  // namespace rc
