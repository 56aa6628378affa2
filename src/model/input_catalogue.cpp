#include "model/input_catalogue.h"

#include <algorithm>

#include "model/design_data.h"

namespace rc {
namespace {

using enum InputStage;
using enum InputCheck;

// Captions as shown and printed; limits as 32-bit float constants. The compositions lie
// strictly between 0 and 1, the reflux ratio strictly above 0; every other limit admits
// its own value. The rows marked are those of the list the check is about: the first
// stage's list (points 0..7, then XW, XF, XP), the tray data's list (which skips the
// tray-type slot 32, q after parameter 40) and the third stage's list.
constexpr InputRow kInputs[] = {
    {16, "xw", u"Концентрация низкокипящего компонента в куб. ост-ке, мольн.доли", 0, 1, true, true, Equilibrium, 8, Compositions},
    {17, "xf", u"Концентрация низкокипящего компонента в питании, мольн.доли", 0, 1, true, true, Equilibrium, 9, Compositions},
    {18, "xp", u"Концентрация низкокипящего компонента в дистиллате, мольн.доли", 0, 1, true, true, Equilibrium, 10, Compositions},
    {19, "p19", u"Флегмовое число, безразм.", 0.0f, 200.0f, true, false, ParameterLimits, 2, TrayData},
    {20, "p20", u"Расход питания, Кг/с", 0.01f, 100.0f, false, false, ParameterLimits, 3, TrayData},
    {21, "p21", u"Мольная масса компонента (НК), Кг/Кмоль", 2.0f, 250.0f, false, false, ParameterLimits, 4, TrayData},
    {22, "p22", u"Мольная масса компонента (ВК), Кг/Кмоль", 2.0f, 250.0f, false, false, ParameterLimits, 5, TrayData},
    {23, "p23", u"Вязкость жидкости (НК), СП", 0.0001f, 10.0f, false, false, ParameterLimits, 6, TrayData},
    {24, "p24", u"Вязкость жидкости (ВК), СП", 0.0001f, 10.0f, false, false, ParameterLimits, 7, TrayData},
    {25, "p25", u"Вязкость пара (НК), СП", 0.0001f, 0.1f, false, false, ParameterLimits, 8, TrayData},
    {26, "p26", u"Вязкость пара (ВК), СП", 0.0001f, 0.1f, false, false, ParameterLimits, 9, TrayData},
    {27, "p27", u"Коэффициент диффузии в паре, см^2/c", 0.01f, 1.0f, false, false, ParameterLimits, 10, TrayData},  // Latin c
    {28, "p28", u"Плотность жидкости (НК), Кг/м^3", 300.0f, 2000.0f, false, false, ParameterLimits, 11, TrayData},
    {29, "p29", u"Плотность жидкости (ВК), Кг/м^3", 300.0f, 2000.0f, false, false, ParameterLimits, 12, TrayData},
    {30, "p30", u"Коэффициент диффузии в жидкости, см^2/с", 0.000001f, 0.0001f, false, false, ParameterLimits, 13, TrayData},  // Cyrillic с
    {31, "p31", u"Средняя температура в колонне, Кельвины", 273.0f, 500.0f, false, false, ParameterLimits, 14, TrayData},
    {33, "p33", u"Диаметр колонны, м", 0.05f, 12.0f, false, false, ParameterLimits, 15, TrayData},
    {34, "p34", u"Отношение площади тарелки к площади колонны, безразмерн.", 0.3f, 1.0f, false, false, ParameterLimits, 16, TrayData},
    {35, "p35", u"Число потоков, шт.", 1.0f, 10.0f, false, false, ParameterLimits, 17, TrayData},
    {36, "p36", u"Высота перелива (для провальн. тарелок-эквивал.диам.прорезей),м", 0.0f, 0.3f, false, false, ParameterLimits, 18, TrayData},
    {37, "p37", u"Отношение площади для прохода пара к площади тарелки, безразм.", 0.01f, 0.6f, false, false, ParameterLimits, 19, TrayData},
    {38, "p38", u"Число псевдосекций полного перемешивания, шт.", 1.0f, 500.0f, false, false, ParameterLimits, 20, TrayData},
    {39, "p39", u"Межтарелочный унос жидкости, Кмоль жидк./Кмоль пара", 0.0f, 10.0f, false, false, ParameterLimits, 21, TrayData},
    {40, "p40", u"Байпас, безразм.", 0.0f, 1.0f, false, false, ParameterLimits, 22, TrayData},
    {57, "p57", u"Тепловое состояние питания q (1 - кипящая жидкость), безразм.", 0.0f, 2.0f, false, false, ParameterLimits, 23, TrayData},
    {41, "p41", u"Расстояние между тарелками, м", 0.15f, 1.2f, false, false, ColumnLimits, 0, Column},
    {42, "p42", u"Высота сепарационной части над верхней тарелкой, м", 0.0f, 5.0f, false, false, ColumnLimits, 1, Column},
    {43, "p43", u"Высота кубовой части под нижней тарелкой, м", 0.0f, 10.0f, false, false, ColumnLimits, 2, Column},
    {44, "p44", u"Поверхностное натяжение жидкости, мН/м", 1.0f, 100.0f, false, false, ColumnLimits, 3, Column},
    {45, "p45", u"Коэффициент сопротивления сухой тарелки, безразм.", 0.5f, 10.0f, false, false, ColumnLimits, 4, Column},
    {46, "p46", u"Диаметр отверстий (прорезей) тарелки, м", 0.001f, 0.1f, false, false, ColumnLimits, 5, Column},
    {47, "p47", u"Теплота испарения (НК), кДж/кг", 10.0f, 5000.0f, false, false, ColumnLimits, 6, Column},
    {48, "p48", u"Теплота испарения (ВК), кДж/кг", 10.0f, 5000.0f, false, false, ColumnLimits, 7, Column},
    {49, "p49", u"Теплоемкость жидкости (НК), кДж/(кг*К)", 0.5f, 10.0f, false, false, ColumnLimits, 8, Column},
    {50, "p50", u"Теплоемкость жидкости (ВК), кДж/(кг*К)", 0.5f, 10.0f, false, false, ColumnLimits, 9, Column},
    {51, "p51", u"Температура кипения питания, град.С", -50.0f, 300.0f, false, false, ColumnLimits, 10, Column},
    {52, "p52", u"Температура дистиллата, град.С", -50.0f, 300.0f, false, false, ColumnLimits, 11, Column},
    {53, "p53", u"Температура кубового остатка, град.С", -50.0f, 300.0f, false, false, ColumnLimits, 12, Column},
    {54, "p54", u"Теплота конденсации греющего пара, кДж/кг", 1000.0f, 3000.0f, false, false, ColumnLimits, 13, Column},
    {55, "p55", u"Нагрев охлаждающей воды в дефлегматоре, град.", 1.0f, 50.0f, false, false, ColumnLimits, 14, Column},
    {56, "p56", u"Тепловые потери, % от тепла кипятильника", 0.0f, 20.0f, false, false, ColumnLimits, 15, Column},
    {58, "p58", u"Зазор под сливной перегородкой, м", 0.005f, 0.2f, false, false, ColumnLimits, 17, Column},
    {59, "p59", u"Минимальная нагрузка (доля от расчетной), безразм.", 0.3f, 1.0f, false, false, ColumnLimits, 18, Column},
};

std::u16string_view Caption(const InputRow& row) { return row.caption; }

// The first row of each check's list that holds an input: the first stage's after its
// eight points, the tray data's after the tray type's two rows, the third stage's first.
constexpr int FirstInputRow(InputCheck check) {
  switch (check) {
    case Equilibrium: return 8;
    case ParameterLimits: return 2;
    case ColumnLimits: return 0;
  }
  return 0;
}

// What the data can hold, checked when the program is built: every row names a
// parameter the data store (16..kLastParameter, not the tray-type slot), once; the
// limits of every input past the compositions have a place in ParamMin and ParamMax; the
// highest number is kLastParameter; and the rows a check marks follow the catalogue: its
// inputs in their order from the first row of its list, one row each, except the third
// stage's, whose error row names the parameter as its number less 41 (58 and 59, the
// list's 17th and 18th rows, as 17 and 18).
constexpr bool CatalogueFitsTheData() {
  int highest = 0;
  int next[] = {FirstInputRow(Equilibrium), FirstInputRow(ParameterLimits)};
  for (const InputRow& row : kInputs) {
    if (row.number < ParameterValues::first() || row.number > ParameterValues::last() ||
        row.number == kParamTrayTypeSlot) {
      return false;
    }
    if (row.check != Equilibrium && row.number < decltype(DesignData::ParamMin)::first()) return false;
    for (const InputRow& other : kInputs) {
      if (&other != &row && other.number == row.number) return false;
    }
    highest = std::max(highest, row.number);
    const int expected = row.check == ColumnLimits ? row.number - kParamTraySpacing
                                                   : next[static_cast<int>(row.check)]++;
    if (row.errorRow != expected) return false;
  }
  return highest == kLastParameter;
}
static_assert(CatalogueFitsTheData(),
              "a row of the input catalogue names a parameter the data do not hold, or its "
              "error row does not follow the rows before it");


}  // namespace

bool InputRow::Admits(float value) const {
  const bool aboveMin = minExclusive ? value > min : value >= min;
  const bool belowMax = maxExclusive ? value < max : value <= max;
  return aboveMin && belowMax;
}

std::u16string InputRow::Name() const {
  const std::u16string_view c = Caption(*this);
  return std::u16string(c.substr(0, c.rfind(u',')));
}

std::u16string InputRow::Unit() const {
  std::u16string_view c = Caption(*this);
  c.remove_prefix(c.rfind(u',') + 1);
  while (!c.empty() && c.front() == u' ') c.remove_prefix(1);
  return std::u16string(c);
}

std::span<const InputRow> InputCatalogue() { return kInputs; }

std::vector<int> InputNumbers(InputStage stage) {
  std::vector<int> numbers;
  for (const InputRow& row : kInputs) {
    if (row.stage == stage) numbers.push_back(row.number);
  }
  return numbers;
}

std::vector<std::string> InputKeys(InputStage stage) {
  std::vector<std::string> keys;
  for (const InputRow& row : kInputs) {
    if (row.stage == stage) keys.emplace_back(row.key);
  }
  return keys;
}

const InputRow* FindInput(int number) {
  const auto it = std::find_if(std::begin(kInputs), std::end(kInputs),
                               [&](const InputRow& r) { return r.number == number; });
  return it == std::end(kInputs) ? nullptr : &*it;
}

const InputRow* FindInput(std::string_view key) {
  const auto it = std::find_if(std::begin(kInputs), std::end(kInputs),
                               [&](const InputRow& r) { return key == r.key; });
  return it == std::end(kInputs) ? nullptr : &*it;
}

}  // namespace rc
