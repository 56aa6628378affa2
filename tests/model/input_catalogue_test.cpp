// The catalogue of the inputs: one row per input, the keys the data file reads, and for
// every row the check it names refusing a value just outside its limits on the row it
// names, while a value on an inclusive limit passes.
#include "model/input_catalogue.h"

#include <gtest/gtest.h>

#include <cmath>
#include <set>

#include "model/checks.h"
#include "model/data_file.h"
#include "support/design_fixtures.h"

namespace rc {
namespace {

TEST(InputCatalogue, HoldsEachInputOnceWithTheDataFilesKeysInTheirOrder) {
  std::set<int> numbers;
  std::set<std::string> keys;
  std::vector<std::string> compositions, trayData, column;
  for (const InputRow& in : InputCatalogue()) {
    EXPECT_TRUE(numbers.insert(in.number).second) << in.number;
    EXPECT_TRUE(keys.insert(in.key).second) << in.key;
    EXPECT_EQ(FindInput(in.number), &in);
    EXPECT_EQ(FindInput(std::string_view(in.key)), &in);
    (in.stage == InputStage::Compositions ? compositions
     : in.stage == InputStage::TrayData   ? trayData
                                          : column)
        .push_back(in.key);
  }
  // 16..59 but the tray-type slot 32: XW, XF, XP, 21 tray data, 18 of the column, q.
  EXPECT_EQ(numbers.size(), 3u + 21u + 18u + 1u);
  EXPECT_EQ(FindInput(kParamTrayTypeSlot), nullptr);
  EXPECT_EQ(FindInput("trays"), nullptr);

  const std::vector<std::string> first = FirstStageKeys();
  EXPECT_EQ(compositions, std::vector<std::string>(first.end() - 3, first.end()));
  EXPECT_EQ(trayData, ParameterKeys());  // q follows parameter 40
  EXPECT_EQ(column, ThirdStageKeys());
  EXPECT_EQ(FindInput(kParamFeedCondition)->errorRow, 23);  // after parameter 40's row 22
}

TEST(InputCatalogue, SplitsACaptionIntoTheNameAndTheUnitAfterItsLastComma) {
  EXPECT_EQ(FindInput(kParamDiameter)->Name(), u"Диаметр колонны");
  EXPECT_EQ(FindInput(kParamDiameter)->Unit(), u"м");
  // No blank after the comma; commas inside the name stay in it.
  EXPECT_EQ(FindInput(kParamWeirHeight)->Unit(), u"м");
  EXPECT_EQ(FindInput(kParamXW)->Name(), u"Концентрация низкокипящего компонента в куб. ост-ке");
  EXPECT_EQ(FindInput(49)->Unit(), u"кДж/(кг*К)");
  EXPECT_EQ(FindInput(56)->Unit(), u"% от тепла кипятильника");
  // The captions the lists show are the catalogue's, padded to 64.
  for (const InputRow& in : InputCatalogue()) {
    EXPECT_EQ(ParameterCaption(in.number).substr(0, std::u16string(in.caption).size()), in.caption);
  }
}

// The check that the row names, run on data sound but for parameter n.
int RowRefusing(const InputRow& in, float value) {
  DesignData d = BenzeneTolueneBubbleCap();
  SetBenzeneTolueneColumnStage(d);
  d.ParamValue[in.number] = value;
  switch (in.check) {
    case InputCheck::Equilibrium: CheckEquilibriumData(d); break;
    case InputCheck::ParameterLimits: CheckParameterLimits(d); break;
    case InputCheck::ColumnLimits: CheckColumnParameterLimits(d); break;
  }
  EXPECT_EQ(d.InputError != kFalse, d.ErrorRow != kNoErrorRow);
  return d.ErrorRow;
}

TEST(InputCatalogue, EachInputIsRefusedJustOutsideItsLimitsOnItsOwnRow) {
  for (const InputRow& in : InputCatalogue()) {
    SCOPED_TRACE(in.key);
    const float below = in.minExclusive ? in.min : std::nextafter(in.min, -1e9f);
    const float above = in.maxExclusive ? in.max : std::nextafter(in.max, 1e9f);
    EXPECT_FALSE(in.Admits(below));
    EXPECT_FALSE(in.Admits(above));
    EXPECT_EQ(RowRefusing(in, below), in.errorRow);
    EXPECT_EQ(RowRefusing(in, above), in.errorRow);
    // The ranges' checks take both inclusive ends (the compositions have none).
    if (in.check != InputCheck::Equilibrium) {
      if (!in.minExclusive) {
        EXPECT_EQ(RowRefusing(in, in.min), kNoErrorRow);
      }
      EXPECT_EQ(RowRefusing(in, in.max), kNoErrorRow);
    }
  }
}

}  // namespace
}  // namespace rc
