#pragma once
// Complete, checked design data sets for tests: a benzene-toluene column at atmospheric
// pressure with each of the three tray kinds. Every text is filled as the student would
// have typed it and every number is read from its text; captions and limits are those
// of a fresh data entry. Both calculations complete on each set with a feed tray found.
#include <ostream>
#include <string>
#include <vector>

#include "calc/runs.h"
#include "model/design_data.h"

namespace rc {

// Relative volatility 2.4; XW 0.05, XF 0.44, XP 0.95; reflux ratio 2.5; 2 kg/s feed.
DesignData BenzeneTolueneBubbleCap();   // TrayType 0, diameter 1.6 m, weir 0.05 m
DesignData BenzeneTolueneSieve();       // TrayType 1, parameter 34 = 0.8, weir 0.04 m
DesignData BenzeneTolueneDualFlow();    // TrayType 1, parameter 34 = 1, slots 0.008 m

// The three sets by name, for tests run on each tray kind.
struct NamedDesign {
  const char* name;
  DesignData (*make)();
};
inline constexpr NamedDesign kBenzeneTolueneColumns[] = {{"BubbleCap", BenzeneTolueneBubbleCap},
                                                        {"Sieve", BenzeneTolueneSieve},
                                                        {"DualFlow", BenzeneTolueneDualFlow}};
inline void PrintTo(const NamedDesign& design, std::ostream* os) { *os << design.name; }

// A plainer sound set for the list windows: eight points from 0,0 to 1,1 above the
// diagonal, XW 0.05, XF 0.4, XP 0.95 and parameters 19..40 within their limits
// (34 = 0.83); no name, and not yet checked.
DesignData PlainSoundData(std::int32_t trayType);

// Sets parameter n (16..56) as typed: its text and the number read from it.
void SetParameter(DesignData& data, int n, const std::u16string& text);
// A copy of data with parameter n typed as text.
DesignData WithParameter(DesignData data, int n, const std::u16string& text);
// The third stage of the benzene-toluene column as typed, parameters 41..56 in order:
// tray spacing 0.45 m, 1 m above the top tray, 2 m under the lowest, 21 mN/m, ξ 1.5,
// 5 mm holes, heats and heat capacities of benzene and toluene, feed at 95, distillate
// at 81, bottoms at 109 °C, steam 2100 kJ/kg, water heated 15 degrees, 5 % losses;
// the usual apron clearance 0.04 m and minimum load 0.7.
std::vector<std::u16string> BenzeneTolueneColumnStageTexts();
// Types those values into data (texts and numbers).
void SetBenzeneTolueneColumnStage(DesignData& data);
// The row of parameter n in the third stage's list: its place among the stage's inputs.
int ColumnStageRow(int n);

// Sets equilibrium point i (0..7) as typed.
void SetEquilibriumPoint(DesignData& data, int i, const std::u16string& x,
                         const std::u16string& y);

// A kinetic line run holding what the record's KineticPoints hold at points 1..6, on the
// record's inputs: for the table and report tests that set the results by hand.
KineticLineRun KineticRunOfRecord(const DesignData& data);
// A tray-by-tray run of RecordedTrays.TrayNo[3] trays whose first, feed and last trays hold
// what the record's three rows hold (the others zero); the feed tray is row 2's number
// when it is not 0.
TrayByTrayRun TrayRunOfRecord(const DesignData& data);

}  // namespace rc
