#include "model/design_data.h"

#include <stdexcept>

#include "model/input_catalogue.h"
#include "model/number_text.h"

namespace rc {
namespace {

// Parameter 32 is a slot with a caption only, never asked nor checked: not an input of
// the catalogue. Its limits stay as the lists have always held them.
constexpr char16_t kTrayTypeSlotCaption[] = u"Тип тарелки, безразмерн.";
constexpr float kTrayTypeSlotMin = 0.0f;
constexpr float kTrayTypeSlotMax = 1.0f;

constexpr std::size_t kCaptionWidth = 64;

const InputRow& Row(int n) {
  const InputRow* row = FindInput(n);
  if (!row) throw std::out_of_range("parameter number");
  return *row;
}

}  // namespace

std::u16string ParameterCaption(int n) {
  if (n == kParamTrayTypeSlot) return kTrayTypeSlotCaption;
  std::u16string caption = Row(n).caption;
  if (caption.size() < kCaptionWidth) {
    caption.append(kCaptionWidth - caption.size(), u' ');
  }
  return caption;
}

float ParameterMin(int n) { return n == kParamTrayTypeSlot ? kTrayTypeSlotMin : Row(n).min; }
float ParameterMax(int n) { return n == kParamTrayTypeSlot ? kTrayTypeSlotMax : Row(n).max; }

std::u16string ParameterAnswerText(int n, std::u16string_view typed) {
  if (typed.empty()) {
    if (n == kParamFeedCondition) return u"1";
    if (n == kParamApronClearance) return u"0.04";
    if (n == kParamMinimumLoad) return u"0.7";
  }
  return std::u16string(typed);
}

void PrepareForEntry(DesignData& data) {
  data.TrayType = kTrayTypeNotChosen;
  data.ShownResult = kShownNothing;
  // Every input's caption; the limits of all but the compositions (whose check has its
  // own); the tray-type slot's caption and limits beside them.
  for (const InputRow& input : InputCatalogue()) {
    const int n = input.number;
    data.ParamCaption[n] = ParameterCaption(n);
    if (input.stage == InputStage::Compositions) continue;
    data.ParamMin[n] = ParameterMin(n);
    data.ParamMax[n] = ParameterMax(n);
  }
  data.ParamCaption[kParamTrayTypeSlot] = ParameterCaption(kParamTrayTypeSlot);
  data.ParamMin[kParamTrayTypeSlot] = ParameterMin(kParamTrayTypeSlot);
  data.ParamMax[kParamTrayTypeSlot] = ParameterMax(kParamTrayTypeSlot);
  data.ParamText[kParamFeedCondition] = std::u16string(u"1");
  data.ParamValue[kParamFeedCondition] = kBoilingFeed;
  data.FeedTray = kFeedTrayNotFound;
  data.Typed = TypedTexts{};
}

bool AreaRatioIsOne(const DesignData& data) { return data.ParamValue[kParamAreaRatio] == 1.0f; }

TrayKind KindOfTrays(std::int32_t trayType, float areaRatio) {
  if (trayType == kBubbleCapTrays) return TrayKind::BubbleCap;
  return areaRatio == 1.0f ? TrayKind::DualFlow : TrayKind::SieveOrValve;
}

TrayKind KindOfTrays(const DesignData& data) {
  return KindOfTrays(data.TrayType, data.ParamValue[kParamAreaRatio]);
}

std::u16string TrayKindText(TrayKind kind) {
  switch (kind) {
    case TrayKind::BubbleCap: return u"ТАРЕЛКИ КОЛПАЧКОВЫЕ";
    case TrayKind::DualFlow: return u"ТАРЕЛКИ ПРОВАЛЬНЫЕ";
    case TrayKind::SieveOrValve: return u"ТАРЕЛКИ СИТЧАТЫЕ ИЛИ КЛАПАННЫЕ";
  }
  return {};
}

}  // namespace rc
