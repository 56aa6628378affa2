#include "model/design_data.h"

#include <stdexcept>

#include "model/number_text.h"

namespace rc {
namespace {

struct ParameterRow {
  int number;
  const char16_t* caption;
  float min;
  float max;
};

// Captions as shown and printed; limits as 32-bit float constants.
constexpr ParameterRow kParameters[] = {
    {16, u"Концентрация низкокипящего компонента в куб. ост-ке, мольн.доли", 0, 0},
    {17, u"Концентрация низкокипящего компонента в питании, мольн.доли", 0, 0},
    {18, u"Концентрация низкокипящего компонента в дистиллате, мольн.доли", 0, 0},
    {19, u"Флегмовое число, безразм.", 0.0f, 200.0f},
    {20, u"Расход питания, Кг/с", 0.01f, 100.0f},
    {21, u"Мольная масса компонента (НК), Кг/Кмоль", 2.0f, 250.0f},
    {22, u"Мольная масса компонента (ВК), Кг/Кмоль", 2.0f, 250.0f},
    {23, u"Вязкость жидкости (НК), СП", 0.0001f, 10.0f},
    {24, u"Вязкость жидкости (ВК), СП", 0.0001f, 10.0f},
    {25, u"Вязкость пара (НК), СП", 0.0001f, 0.1f},
    {26, u"Вязкость пара (ВК), СП", 0.0001f, 0.1f},
    {27, u"Коэффициент диффузии в паре, см^2/c", 0.01f, 1.0f},  // Latin c
    {28, u"Плотность жидкости (НК), Кг/м^3", 300.0f, 2000.0f},
    {29, u"Плотность жидкости (ВК), Кг/м^3", 300.0f, 2000.0f},
    {30, u"Коэффициент диффузии в жидкости, см^2/с", 0.000001f, 0.0001f},  // Cyrillic с
    {31, u"Средняя температура в колонне, Кельвины", 273.0f, 500.0f},
    {32, u"Тип тарелки, безразмерн.", 0.0f, 1.0f},
    {33, u"Диаметр колонны, м", 0.05f, 12.0f},
    {34, u"Отношение площади тарелки к площади колонны, безразмерн.", 0.3f, 1.0f},
    {35, u"Число потоков, шт.", 1.0f, 10.0f},
    {36, u"Высота перелива (для провальн. тарелок-эквивал.диам.прорезей),м", 0.0f, 0.3f},
    {37, u"Отношение площади для прохода пара к площади тарелки, безразм.", 0.01f, 0.6f},
    {38, u"Число псевдосекций полного перемешивания, шт.", 1.0f, 500.0f},
    {39, u"Межтарелочный унос жидкости, Кмоль жидк./Кмоль пара", 0.0f, 10.0f},
    {40, u"Байпас, безразм.", 0.0f, 1.0f},
    {41, u"Расстояние между тарелками, м", 0.15f, 1.2f},
    {42, u"Высота сепарационной части над верхней тарелкой, м", 0.0f, 5.0f},
    {43, u"Высота кубовой части под нижней тарелкой, м", 0.0f, 10.0f},
    {44, u"Поверхностное натяжение жидкости, мН/м", 1.0f, 100.0f},
    {45, u"Коэффициент сопротивления сухой тарелки, безразм.", 0.5f, 10.0f},
    {46, u"Диаметр отверстий (прорезей) тарелки, м", 0.001f, 0.1f},
    {47, u"Теплота испарения (НК), кДж/кг", 10.0f, 5000.0f},
    {48, u"Теплота испарения (ВК), кДж/кг", 10.0f, 5000.0f},
    {49, u"Теплоемкость жидкости (НК), кДж/(кг*К)", 0.5f, 10.0f},
    {50, u"Теплоемкость жидкости (ВК), кДж/(кг*К)", 0.5f, 10.0f},
    {51, u"Температура питания, град.С", -50.0f, 300.0f},
    {52, u"Температура дистиллата, град.С", -50.0f, 300.0f},
    {53, u"Температура кубового остатка, град.С", -50.0f, 300.0f},
    {54, u"Теплота конденсации греющего пара, кДж/кг", 1000.0f, 3000.0f},
    {55, u"Нагрев охлаждающей воды в дефлегматоре, град.", 1.0f, 50.0f},
    {56, u"Тепловые потери, % от тепла кипятильника", 0.0f, 20.0f},
    {57, u"Тепловое состояние питания q (1 - кипящая жидкость), безразм.", 0.0f, 2.0f},
};

constexpr std::size_t kCaptionWidth = 64;

const ParameterRow& Row(int n) {
  if (n < 16 || n > kLastParameter) throw std::out_of_range("parameter number");
  return kParameters[n - 16];
}

}  // namespace

std::u16string ParameterCaption(int n) {
  std::u16string caption = Row(n).caption;
  if (n != kParamTrayTypeSlot && caption.size() < kCaptionWidth) {
    caption.append(kCaptionWidth - caption.size(), u' ');
  }
  return caption;
}

float ParameterMin(int n) { return Row(n).min; }
float ParameterMax(int n) { return Row(n).max; }

std::u16string ParameterAnswerText(int n, std::u16string_view typed) {
  if (n == kParamFeedCondition && typed.empty()) return u"1";
  return NormalizeNumberText(typed);
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
