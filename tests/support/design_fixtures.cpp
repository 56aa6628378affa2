#include "support/design_fixtures.h"

#include <algorithm>
#include <span>
#include <utility>

#include "model/checks.h"
#include "model/input_catalogue.h"
#include "model/number_text.h"

namespace rc {
namespace {

struct Typed {
  int number;
  const char16_t* text;
};
using Points = std::pair<const char16_t*, const char16_t*>[8];

// Benzene (light) - toluene (heavy) at about 1 atm: y* = 2.4 x / (1 + 1.4 x), four decimals.
constexpr Points kBenzeneTolueneEquilibrium = {
    {u"0", u"0"},         {u"0.1", u"0.2105"},  {u"0.25", u"0.4444"}, {u"0.4", u"0.6154"},
    {u"0.55", u"0.7458"}, {u"0.7", u"0.8485"},  {u"0.85", u"0.9315"}, {u"1", u"1"},
};

// Compositions, loads and physical properties shared by the three columns: XW, XF, XP;
// the reflux ratio (about 1.8 times the minimum); the feed, kg/s; benzene and toluene,
// kg/kmol; the liquid viscosities of benzene near 90 C and of toluene, cP; their vapour
// viscosities, cP; the vapour diffusivity, cm^2/s; the liquid densities of benzene and
// toluene, kg/m^3; the liquid diffusivity, cm^2/s; the mean column temperature, K.
constexpr Typed kBenzeneTolueneProcess[] = {
    {16, u"0.05"},   {17, u"0.44"},   {18, u"0.95"},  {19, u"2.5"},    {20, u"2"},
    {21, u"78.11"},  {22, u"92.14"},  {23, u"0.31"},  {24, u"0.28"},   {25, u"0.0095"},
    {26, u"0.009"},  {27, u"0.05"},   {28, u"815"},   {29, u"790"},    {30, u"0.00005"},
    {31, u"368"},
};

// The plainer sound set: points above the diagonal, the 24 parameters within limits.
constexpr Points kPlainEquilibrium = {
    {u"0", u"0"},      {u"0.1", u"0.25"}, {u"0.2", u"0.4"},  {u"0.3", u"0.5"},
    {u"0.5", u"0.65"}, {u"0.7", u"0.8"},  {u"0.9", u"0.95"}, {u"1", u"1"},
};
constexpr Typed kPlainParameters[] = {
    {16, u"0.05"}, {17, u"0.4"}, {18, u"0.95"}, {19, u"2"},    {20, u"1"},     {21, u"78"},
    {22, u"92"},   {23, u"0.5"}, {24, u"0.5"},  {25, u"0.01"}, {26, u"0.01"},  {27, u"0.1"},
    {28, u"800"},  {29, u"850"}, {30, u"0.00005"}, {31, u"350"}, {33, u"1"},   {34, u"0.83"},
    {35, u"1"},    {36, u"0.05"}, {37, u"0.1"}, {38, u"5"},    {39, u"0.1"},   {40, u"0.1"},
};

// Eight points, then the parameters as typed, for a fresh data entry.
DesignData Entered(const Points& points, std::span<const Typed> parameters,
                   std::span<const Typed> more, std::int32_t trayType) {
  DesignData data;
  PrepareForEntry(data);
  for (int i = 0; i < 8; ++i) SetEquilibriumPoint(data, i, points[i].first, points[i].second);
  for (const Typed& p : parameters) SetParameter(data, p.number, p.text);
  for (const Typed& p : more) SetParameter(data, p.number, p.text);
  data.TrayType = trayType;
  return data;
}

// A benzene-toluene column with parameters 33..40 as given, named and checked.
DesignData BenzeneToluene(std::int32_t trayType, std::initializer_list<Typed> column) {
  DesignData data = Entered(kBenzeneTolueneEquilibrium, kBenzeneTolueneProcess,
                            std::span(column.begin(), column.size()), trayType);
  data.StudentName = u"Иванов Иван Х-31";
  CheckEquilibriumData(data);
  if (data.InputError == kFalse) CheckParameterLimits(data);
  return data;
}

}  // namespace

void SetParameter(DesignData& data, int n, const std::u16string& text) {
  data.ParamText[n] = NormalizeNumberText(text);
  data.ParamValue[n] = ReadNumber(data.ParamText[n]);
}

std::vector<std::u16string> BenzeneTolueneColumnStageTexts() {
  return {u"0.45", u"1",   u"2",  u"21", u"1.5", u"0.005", u"394", u"363",
          u"1.9",  u"1.8", u"95", u"81", u"109", u"2100",  u"15",  u"5",
          u"0.04", u"0.7"};
}

void SetBenzeneTolueneColumnStage(DesignData& data) {
  const std::vector<std::u16string> texts = BenzeneTolueneColumnStageTexts();
  const std::vector<int> numbers = InputNumbers(InputStage::Column);
  for (std::size_t i = 0; i < numbers.size(); ++i) SetParameter(data, numbers[i], texts.at(i));
}

int ColumnStageRow(int n) {
  const std::vector<int> numbers = InputNumbers(InputStage::Column);
  return static_cast<int>(std::find(numbers.begin(), numbers.end(), n) - numbers.begin());
}

void SetEquilibriumPoint(DesignData& data, int i, const std::u16string& x,
                         const std::u16string& y) {
  const auto k = static_cast<std::size_t>(i);
  data.EqXText[k] = NormalizeNumberText(x);
  data.EqYText[k] = NormalizeNumberText(y);
  data.EqX[k] = ReadNumber(data.EqXText[k]);
  data.EqY[k] = ReadNumber(data.EqYText[k]);
}

// Parameters 33..40: the column diameter, m; the tray area / column area (1: dual-flow,
// the whole area); the liquid flow paths; the weir height, m (for dual-flow trays the
// slot equivalent diameter); the slot (hole) area / tray area; the pseudo-sections; the
// entrainment; the bypass.
DesignData BenzeneTolueneBubbleCap() {
  return BenzeneToluene(kBubbleCapTrays, {{33, u"1.6"}, {34, u"0.8"}, {35, u"1"}, {36, u"0.05"},
                                          {37, u"0.1"}, {38, u"2"}, {39, u"0.05"}, {40, u"0.05"}});
}

DesignData BenzeneTolueneSieve() {
  return BenzeneToluene(kTraysWithoutCaps, {{33, u"1.2"}, {34, u"0.8"}, {35, u"1"}, {36, u"0.04"},
                                            {37, u"0.12"}, {38, u"4"}, {39, u"0.03"}, {40, u"0.02"}});
}

DesignData BenzeneTolueneDualFlow() {
  return BenzeneToluene(kTraysWithoutCaps, {{33, u"1.2"}, {34, u"1"}, {35, u"1"}, {36, u"0.008"},
                                            {37, u"0.2"}, {38, u"3"}, {39, u"0.02"}, {40, u"0"}});
}

DesignData PlainSoundData(std::int32_t trayType) {
  return Entered(kPlainEquilibrium, kPlainParameters, {}, trayType);
}

DesignData WithParameter(DesignData data, int n, const std::u16string& text) {
  SetParameter(data, n, text);
  return data;
}

KineticLineRun KineticRunOfRecord(const DesignData& data) {
  KineticLineRun run;
  run.inputs = CalculationInputs::Of(data);
  const KineticPointArrays& k = data.KineticPoints;
  for (int i = 1; i <= 6; ++i) {
    KineticPoint p;
    p.slope = k.Slope[i];
    p.operatingY = k.OperatingY[i];
    p.tray = TrayResultAt(k, i);
    p.kineticY = k.KineticY[i];
    run.points.push_back(p);
  }
  return run;
}

TrayByTrayRun TrayRunOfRecord(const DesignData& data) {
  const RecordedTrayRows& rows = data.RecordedTrays;
  TrayByTrayRun run;
  run.inputs = CalculationInputs::Of(data);
  run.trays.resize(static_cast<std::size_t>(std::max<int>(rows.TrayNo[3], 0)));
  for (int row = 1; row <= 3; ++row) {
    const int tray = rows.TrayNo[row];
    if (tray < 1 || tray > run.Count()) continue;
    TrayStep& t = run.trays[static_cast<std::size_t>(tray - 1)];
    t.result = TrayResultAt(rows, row);
    t.x = rows.LiquidX[row];
    t.yOut = rows.VapourY[row];
  }
  if (rows.TrayNo[2] > 0) run.feedTray = rows.TrayNo[2];
  return run;
}

}  // namespace rc
