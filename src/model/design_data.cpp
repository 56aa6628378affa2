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
  if (n == kParamFeedCondition && typed.empty()) return u"1";
  return std::u16string(typed);
}

int TrayStageParameterAt(int index) {
  if (index <= 12) return index + 19;
  return index < kTrayStageParameterCount - 1 ? index + 20 : kParamFeedCondition;
}

void PrepareForEntry(DesignData& data) {
  data.TrayType = kTrayTypeNotChosen;
  data.ShownResult = kShownNothing;
  for (int n = 19; n <= 40; ++n) {
    data.ParamMin[n] = ParameterMin(n);
    data.ParamMax[n] = ParameterMax(n);
  }
  for (int n = 16; n <= 40; ++n) data.ParamCaption[n] = ParameterCaption(n);
  for (int n = kFirstColumnParameter; n <= kLastColumnParameter; ++n) {
    data.ParamCaption[n] = ParameterCaption(n);
    data.ParamMin[n] = ParameterMin(n);
    data.ParamMax[n] = ParameterMax(n);
  }
  data.ParamCaption[kParamFeedCondition] = ParameterCaption(kParamFeedCondition);
  data.ParamMin[kParamFeedCondition] = ParameterMin(kParamFeedCondition);
  data.ParamMax[kParamFeedCondition] = ParameterMax(kParamFeedCondition);
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
