// The scenarios the three list windows share, run on each of them: the first-stage
// list Form3, the tray-type window Form5 and the full correction Form9. Correction
// mode, the fault display with its dialog and the dialog's answers, the composition
// rows, the tray-class header after parameter 34 and the sound end of the list.
#include <array>
#include <optional>

#include "model/input_catalogue.h"
#include "support/ui_driver.h"

namespace rc::ui_test {
namespace {

using Opening = std::function<ListWindow&(Session&)>;

// A button of a list window, by its role.
using Button = Control& (*)(ListWindow&);
Control& Accept(ListWindow& w) { return w.acceptButton; }
Control& Correct(ListWindow& w) { return w.correctButton; }
Control& EndOfCorrections(ListWindow& w) { return w.endOfCorrectionsButton; }

// A window, then clicks: a button, or a list row with the answers typed.
struct Step {
  Button button = nullptr;
  int row = -1;
  std::vector<std::u16string> answers;
};
Step Press(Button button) { return {button, -1, {}}; }
Step Row(int row, std::vector<std::u16string> answers = {}) { return {nullptr, row, std::move(answers)}; }
Opening Then(std::function<ListWindow&(Session&)> open, std::vector<Step> steps) {
  return [open, steps](Session& r) -> ListWindow& {
    ListWindow& w = open(r);
    for (const Step& s : steps) {
      for (const auto& a : s.answers) r.kit.Answer(a);
      if (s.button != nullptr) {
        Click(r.app, s.button(w));
      } else {
        ClickRow(r.app, w, s.row);
      }
    }
    return w;
  };
}
// Form3 after the first stage, Form5 after the tray class and the texts, Form9 over the
// plain sound data; then the steps.
Opening Form3With(FirstStage stage, std::vector<Step> steps = {}) {
  return Then([=](Session& r) -> ListWindow& { return RunFirstStage(r.kit, r.app, stage); }, steps);
}
Opening Form5With(std::int32_t trayType, std::vector<std::u16string> texts, std::vector<Step> steps = {}) {
  return Then([=](Session& r) -> ListWindow& { return Form5After(r, trayType, texts); }, steps);
}
Opening Form9With(std::int32_t trayType, const std::u16string& areaRatio, std::vector<Step> steps = {}) {
  return Then([=](Session& r) -> ListWindow& { return Form9Over(r, trayType, areaRatio); }, steps);
}

// What the three windows do where they differ.
struct Look {
  const char* name;
  const char* dialog;
  int dialogTop;
  int rows;
  int pairRows, compositionRows, headerRow;  // the row layout; headerRow -1: none
  int faultRowsY;                            // [twips] pen y of row 0 in the fault display
  int markerTop;                             // [twips] the marker's top over row 0
  std::u16string faultCaption;
  int instructionTop;        // in correction mode
  int instructionAfterYes;   // after "Да", moved from 100 where the window moves it
  bool listKeepsTabStop;     // after a correction
  Opening toCorrectionMode;  // sound data
  Opening toFault;           // the fault display with its dialog
  Step fix;                  // a correction that makes those data sound again
  std::vector<std::string> afterSoundEnd;  // the windows shown after the end of corrections
  int nameRow = -1;                        // the student's name; -1: none

  // The parameter a row below the pairs lists, and the text row r holds as the row
  // texts write it; the header is not covered.
  int ParameterAt(int r) const {
    return r < pairRows + compositionRows ? 16 + r - pairRows : InputNumbers(InputStage::TrayData).at(static_cast<std::size_t>(r - headerRow - 1));
  }
  std::u16string RowText(const DesignData& d, int r) const {
    // The name's row: "Фамилия и номер группы" (22 letters) padded to 40, 4 blanks, the name.
    if (r == nameRow) return u"   Фамилия и номер группы" + std::u16string(18 + 4, u' ') + d.Typed.Name;
    return r < pairRows ? EquilibriumRowText(d, r) : ParameterRowText(d, ParameterAt(r));
  }
};

const Look kForm3{"Form3", "Form4", 4500, 11, 8, 3, -1, 1210, 1200,
                  u"Контроль равновесной зависимости", 3600, 100, false,
                  Form3With({}, {Press(Correct)}), Form3With({.xw = u"0"}, {Press(Accept)}),
                  Row(8, {u"0.05"}), {"Form5"}};
const Look kForm5{"Form5", "Form6", 6000, 23, 0, 0, 0, 1210, 1200,
                  u"Контроль исходной информации", 6195, 6195, false,
                  Form5With(kBubbleCapTrays, SoundTexts(), {Press(Correct)}),
                  Form5With(kBubbleCapTrays, SoundTexts(33, u"12.5"), {Press(Accept)}),
                  Row(14, {u"1.2"}), {"Form7"}};
const Look kForm9{"Form9", "Form10", 8000, 35, 8, 3, 11, 610, 610,
                  u"Коррекция исходной информации", 7720, 100, true,
                  [](Session& r) -> ListWindow& {
                    r.app.Dispatch([&] { r.app.Form<Form7>().Show(); });
                    return Form9Over(r, kTraysWithoutCaps);
                  },
                  Form9With(kBubbleCapTrays, u"0.83", {Row(12, {u"-5"}), Press(EndOfCorrections)}),
                  Row(12, {u"3"}), {"Form7"}, 34};

std::string LookName(const ::testing::TestParamInfo<const Look*>& info) { return info.param->name; }

// The cases of a table named and printed by their label.
template <class Case>
  requires requires(Case c) { c.label; }
void PrintTo(const Case& c, std::ostream* os) { *os << c.label; }
constexpr auto ByLabel = [](const auto& info) { return std::string(info.param.label); };

// A test over one session, run on each case of a table.
template <class Case>
class SessionTestP : public ::testing::TestWithParam<Case>, protected Session {};

class ListWindows : public SessionTestP<const Look*> {};
INSTANTIATE_TEST_SUITE_P(All, ListWindows, ::testing::Values(&kForm3, &kForm5, &kForm9), LookName);

// The controls the window has among those (a window may lack the class buttons) hidden.
void ExpectHidden(const Look& look, std::initializer_list<const Control*> controls) {
  for (const Control* c : controls) {
    if (c != nullptr) {
      EXPECT_FALSE(c->visible) << look.name << "." << c->name;
    }
  }
}

// Correction mode as the window shows it: the list alone with the instruction.
void ExpectCorrectionMode(const Look& look, ListWindow& w) {
  EXPECT_TRUE(w.visible);
  EXPECT_EQ(w.caption, u"Коррекция исходной информации");
  EXPECT_TRUE(w.surface().Ops().empty());
  EXPECT_TRUE(w.list.visible);
  EXPECT_TRUE(w.list.enabled);
  EXPECT_TRUE(w.instruction.visible);
  EXPECT_EQ(w.instruction.caption,
            u" Подведите указатель мыши к   строке, информацию которой   Вы будете исправлять и  "
            u"щёлкните левой кнопкой");
  ExpectHidden(look, {&w.acceptButton, &w.correctButton, &w.endOfCorrectionsButton, &w.heading,
                       &w.faultMarker, w.capsButton, w.noCapsButton});
}

TEST_P(ListWindows, CorrectionModeShowsTheInstructionAndNoButton) {
  const Look& look = *this->GetParam();
  ListWindow& w = look.toCorrectionMode(*this);
  ExpectCorrectionMode(look, w);
  EXPECT_EQ(w.instruction.top, look.instructionTop);
  EXPECT_EQ(LoadedNames(app), std::vector<std::string>{look.name});
}

TEST_P(ListWindows, YesOfTheDialogReturnsToCorrectionModeWithTheListAsItWas) {
  const Look& look = *this->GetParam();
  ListWindow& w = look.toFault(*this);
  const auto rows = w.list.items;
  w.instruction.top = 100;
  Click(app, Dialog(app, look.dialog).yesButton);

  EXPECT_EQ(LoadedNames(app), std::vector<std::string>{look.name});
  ExpectCorrectionMode(look, w);
  EXPECT_EQ(w.list.items, rows);
  EXPECT_EQ(w.instruction.top, look.instructionAfterYes);

  // The fault can now be corrected and the data accepted.
  CorrectRow(w, look.fix.row, look.fix.answers);
  Click(app, w.endOfCorrectionsButton);
  EXPECT_EQ(VisibleNames(app), look.afterSoundEnd);
}

// Every way the student ends the program asks first while typed data would be lost:
// "Нет" of each error dialog, the results menu's end button. The question's "Нет" stays
// where the student was, its "Да" ends; with the data saved and unchanged, or nothing
// typed, the program ends at once without another window.
TEST(EndingPaths, EveryEndingAsksFirstWhileTypedDataWouldBeLost) {
  using EndButton = std::function<const Control&(Session&)>;
  const auto dialogNo = [](const Look& look) -> EndButton {
    return [&look](Session& r) -> const Control& {
      look.toFault(r);
      return Dialog(r.app, look.dialog).noButton;
    };
  };
  const struct Case {
    const char* label;
    EndButton toEnd;    // the session up to the ending click, and its button
    bool typed = true;  // typed data are held when the button is clicked
  } cases[] = {
      {"Form4 Нет", dialogNo(kForm3)},
      {"Form6 Нет", dialogNo(kForm5)},
      {"Form10 Нет", dialogNo(kForm9)},
      {"Form14 Нет",
       [](Session& r) -> const Control& {
         r.app.data() = BenzeneTolueneSieve();
         r.app.Dispatch([&] { OpenResultsMenu(r.app); });
         Form7& menu = Loaded<Form7>(r.app);
         Click(r.app, menu.trayByTrayButton);
         auto texts = BenzeneTolueneColumnStageTexts();
         texts[static_cast<std::size_t>(ColumnStageRow(kParamSurfaceTension))] = u"150";  // surface tension above 100 mN/m
         for (const auto& t : texts) r.kit.Answer(t);
         Click(r.app, menu.columnButton);
         Click(r.app, Loaded<Form12>(r.app).acceptButton);
         return Loaded<Form14>(r.app).noButton;
       }},
      {"Form7 ОКОНЧАНИЕ РАБОТЫ",
       [](Session& r) -> const Control& {
         r.app.data() = BenzeneTolueneSieve();
         r.app.Dispatch([&] { OpenResultsMenu(r.app); });
         return Loaded<Form7>(r.app).endButton;
       }},
      {"Form1 ОКОНЧАНИЕ РАБОТЫ, nothing typed",
       [](Session& r) -> const Control& {
         StartProgram(r.app);
         return Loaded<Form1>(r.app).endButton;
       },
       false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.label);
    {
      Session r;
      const Control& end = c.toEnd(r);
      const std::vector<std::string> shown = VisibleNames(r.app);
      Click(r.app, end);
      if (!c.typed) {
        EXPECT_TRUE(r.app.Ended());
        continue;
      }
      ASSERT_FALSE(r.app.Ended());
      std::vector<std::string> asked = shown;
      asked.push_back("EndConfirmation");
      EXPECT_EQ(VisibleNames(r.app), asked);
      EXPECT_TRUE(Loaded<EndConfirmation>(r.app).modal);
      // "Нет": everything as it was, the same button still there.
      Click(r.app, Loaded<EndConfirmation>(r.app).noButton);
      EXPECT_FALSE(r.app.Ended());
      EXPECT_EQ(VisibleNames(r.app), shown);
      Click(r.app, end);
      Click(r.app, Loaded<EndConfirmation>(r.app).yesButton);
      EXPECT_TRUE(r.app.Ended());
      EXPECT_TRUE(r.kit.ended);
    }
    {
      Session r;
      const Control& end = c.toEnd(r);
      r.app.NoteSaved(DataFileOf(r.app.data()));
      Click(r.app, end);
      EXPECT_TRUE(r.app.Ended());
      EXPECT_TRUE(r.app.LoadedWindows().empty());
    }
  }
}

// Faulty data accepted or ended: the rows printed on the window, the list and the
// buttons hidden, the marker over the faulty row and the window's dialog on top.
struct FaultCase {
  const char* label;
  const Look* look;
  Opening prepare;           // up to the click that shows the fault
  Button button;             // accept or end of corrections
  int errorRow;              // the check's error code
  int markedRow;
  std::u16string header{};   // the tray-class header as printed
  int beeps = 1;
  bool cleared = true;       // the window is cleared before the rows are printed
  Colour buttonColour = kRed;   // the clicked button's colour before the click
  bool endButtonStays = false;  // shown since a correction in review, and left shown
};

const std::u16string kCapsHeader = Blanks(32) + u"ТАРЕЛКИ КОЛПАЧКОВЫЕ";
const std::u16string kForm5CapsHeader = Blanks(10) + u"ТАРЕЛКИ КОЛПАЧКОВЫЕ";

// Form5 with parameter 33 at 12.5 (error code 15) and parameter 34 as given; Form5 on
// bubble caps with parameter n typed as text; Form9 on bubble caps after the steps.
Opening Form5Faulty(std::int32_t trayType, const char16_t* areaRatio) {
  auto texts = SoundTexts(34, areaRatio);
  texts[13] = u"12.5";
  return Form5With(trayType, texts);
}
Opening Form5Typing(int n, const char16_t* text) { return Form5With(kBubbleCapTrays, SoundTexts(n, text)); }
Opening Form9Typing(std::vector<Step> steps) { return Form9With(kBubbleCapTrays, u"0.83", steps); }
constexpr Button kEnd = EndOfCorrections;

const FaultCase kFaultCases[] = {
    {"Form3AcceptsXWOfZero", &kForm3, Form3With({.xw = u"0"}), Accept, 8, 8},
    {"Form3EndsWithXFStillAboveXP", &kForm3,
     Form3With({.xf = u"0.97"}, {Press(Correct), Row(9, {u"0.96"})}), kEnd, 9, 9},
    // Sound data made faulty by a correction in review: the accept button stays green
    // but the last check decides.
    {"Form3AcceptsDataMadeFaultyInReview", &kForm3, Form3With({}, {Row(8, {u"0"})}), Accept, 8, 8,
     {}, 1, true, kGreen, true},
    {"Form5BubbleCaps", &kForm5, Form5Faulty(kBubbleCapTrays, u"1"), Accept, 15, 14, kForm5CapsHeader},
    {"Form5DualFlow", &kForm5, Form5Faulty(kTraysWithoutCaps, u"1"), Accept, 15, 14,
     Blanks(8) + u"ТАРЕЛКИ ПРОВАЛЬНЫЕ"},
    {"Form5SieveOrValve", &kForm5, Form5Faulty(kTraysWithoutCaps, u"0.83"), Accept, 15, 14,
     Blanks(8) + u"ТАРЕЛКИ СИТЧАТЫЕ ИЛИ КЛАПАННЫЕ"},
    // Code c marks list row c - 1 on both sides of the skipped parameter 32.
    {"Form5Parameter19", &kForm5, Form5Typing(19, u"-1"), Accept, 2, 1, kForm5CapsHeader},
    {"Form5Parameter31", &kForm5, Form5Typing(31, u"-1"), Accept, 14, 13, kForm5CapsHeader},
    {"Form5Parameter40", &kForm5, Form5Typing(40, u"-1"), Accept, 22, 21, kForm5CapsHeader},
    // Parameter 19 = 0: the lower bound is exclusive.
    {"Form5EndsWithParameter19OfZero", &kForm5,
     Form5With(kBubbleCapTrays, SoundTexts(), {Press(Correct), Row(1, {u"0"})}), kEnd, 2, 1,
     kForm5CapsHeader},
    // XW refused: its 0 fails the composition rule. Only a limit fault clears the window.
    {"Form9XWRefused", &kForm9, Form9With(kTraysWithoutCaps, u"1", {Row(8, {u"1.5"})}), kEnd, 8, 8,
     Blanks(32) + u"ТАРЕЛКИ ПРОВАЛЬНЫЕ", 2, false},
    {"Form9PairOnTheDiagonal", &kForm9, Form9Typing({Row(3, {u"0.3", u"0.3"})}), kEnd, 3, 3, kCapsHeader,
     1, false},
    {"Form9Parameter19", &kForm9, Form9Typing({Row(12, {u"-5"})}), kEnd, 2, 12, kCapsHeader},
    {"Form9Parameter31", &kForm9, Form9Typing({Row(24, {u"-5"})}), kEnd, 14, 24, kCapsHeader},
    {"Form9Parameter33", &kForm9, Form9Typing({Row(25, {u"-5"})}), kEnd, 15, 25, kCapsHeader},
    {"Form9Parameter40", &kForm9, Form9Typing({Row(32, {u"-5"})}), kEnd, 22, 32, kCapsHeader},
    // The class buttons offered by a header click leave the screen with the fault.
    {"Form9AfterAHeaderClick", &kForm9, Form9Typing({Row(11), Row(12, {u"0"})}), kEnd, 2, 12, kCapsHeader},
};

class FaultDisplay : public SessionTestP<FaultCase> {};
INSTANTIATE_TEST_SUITE_P(All, FaultDisplay, ::testing::ValuesIn(kFaultCases), ByLabel);

TEST_P(FaultDisplay, PrintsTheRowsAndMarksTheFaultyRowUnderTheDialog) {
  const FaultCase& c = this->GetParam();
  const Look& look = *c.look;
  ListWindow& w = c.prepare(*this);
  EXPECT_EQ(c.button(w).backColor, c.buttonColour);
  app.Dispatch([&] { w.surface().Print(u"left over"); });
  Click(app, c.button(w));

  const DesignData& data = app.data();
  EXPECT_EQ(data.ErrorRow, c.errorRow);
  EXPECT_EQ(kit.beeps, c.beeps);
  EXPECT_EQ(w.caption, look.faultCaption);
  const auto& ops = w.surface().Ops();
  const std::size_t first = c.cleared ? 0 : 1;
  ASSERT_EQ(ops.size(), first + static_cast<std::size_t>(look.rows));
  for (int row = 0; row < look.rows; ++row) {
    const DrawOp& op = ops[first + static_cast<std::size_t>(row)];
    EXPECT_EQ(op.kind, DrawOp::Kind::Text) << row;
    EXPECT_EQ(op.x1, 530) << row;
    EXPECT_EQ(op.y1, look.faultRowsY + 195 * row) << row;
    if (row == look.headerRow) {
      EXPECT_EQ(op.text, c.header);
    } else {
      EXPECT_EQ(op.text, look.RowText(data, row)) << row;
      EXPECT_EQ(w.list.items.at(static_cast<std::size_t>(row)), op.text) << row;
    }
  }
  ExpectHidden(look, {&w.list, &w.acceptButton, &w.correctButton, w.capsButton, w.noCapsButton});
  EXPECT_EQ(w.endOfCorrectionsButton.visible, c.endButtonStays);
  const Control& marker = w.faultMarker;
  EXPECT_TRUE(marker.visible);
  EXPECT_EQ(marker.caption, look.RowText(data, c.markedRow));
  EXPECT_EQ(Place(marker), std::make_tuple(530, look.markerTop + 195 * c.markedRow, 10000, 200));
  EXPECT_EQ(std::make_pair(marker.foreColor, marker.backColor), std::make_pair(kRed, kGreen));

  EXPECT_EQ(Form(app, look.dialog).top, look.dialogTop);
  EXPECT_EQ(LoadedNames(app), (std::vector<std::string>{look.name, look.dialog}));
  EXPECT_EQ(VisibleNames(app), (std::vector<std::string>{look.name, look.dialog}));
}

// A composition or parameter row asks that value alone and rewrites its own row only.
// A composition outside 0..1 is refused with a beep; a parameter is not range-checked,
// and the end button takes the colour of the window's checks.
struct RowStep {
  int row;
  const char16_t* typed;
  std::u16string stored;        // "???" for a refused value
  int promptY;
  std::optional<Colour> endColour{};
  std::optional<int> errorRow{};  // -1: sound data
  const char16_t* title = nullptr;  // a composition's; a parameter's is " Ввод " + caption
};
struct RowCase {
  const char* label;
  const Look* look;
  Opening open;  // correction mode
  std::vector<RowStep> steps;
};

RowStep Composition(int row, const char16_t* typed, std::u16string stored, const char16_t* title,
                    int promptY, std::optional<Colour> endColour = {}) {
  return {row, typed, std::move(stored), promptY, endColour, {}, title};
}

const RowCase kRowCases[] = {
    {"Form3XW", &kForm3, kForm3.toCorrectionMode, {Composition(8, u"0,06", u"0.06", u"Ввод XW", 3300)}},
    {"Form3XF", &kForm3, kForm3.toCorrectionMode, {Composition(9, u"0,06", u"0.06", u"Ввод XF", 3500)}},
    {"Form3XP", &kForm3, kForm3.toCorrectionMode, {Composition(10, u"0,06", u"0.06", u"Ввод FP", 3700)}},
    {"Form3XFAboveOne", &kForm3, kForm3.toCorrectionMode,
     {Composition(9, u"1.0001", u"???", u"Ввод XF", 3500, kRed)}},
    {"Form3XFBelowZero", &kForm3, kForm3.toCorrectionMode,
     {Composition(9, u"-0.1", u"???", u"Ввод XF", 3500, kRed)}},
    {"Form3XFOfZero", &kForm3, kForm3.toCorrectionMode, {Composition(9, u"0", u"0", u"Ввод XF", 3500)}},
    {"Form3XFOfOne", &kForm3, kForm3.toCorrectionMode, {Composition(9, u"1", u"1", u"Ввод XF", 3500)}},
    {"Form9XWRefused", &kForm9, kForm9.toCorrectionMode,
     {Composition(8, u"1.5", u"???", u"Ввод XW", 2750, kRed)}},
    {"Form9XFRefused", &kForm9, kForm9.toCorrectionMode,
     {Composition(9, u"1.5", u"???", u"Ввод XF", 2750, kRed)}},
    {"Form9XPRefused", &kForm9, kForm9.toCorrectionMode,
     {Composition(10, u"1.5", u"???", u"Ввод FP", 3130, kRed)}},
    {"Form9XW", &kForm9, kForm9.toCorrectionMode,
     {Composition(8, u"0,01", u"0.01", u"Ввод XW", 2750, kGreen)}},
    {"Form5Parameter33", &kForm5, kForm5.toCorrectionMode,
     {{14, u"12,5", u"12.5", 4025, kRed, 15}, {14, u"1.2", u"1.2", 4025, kGreen, -1}}},
    // Parameter 33 is still faulty when parameter 19 is corrected.
    {"Form9Parameters33And19", &kForm9, Form9Typing({}),
     {{25, u"12.5", u"12.5", 1195 + 195 * 25, kRed, 15}, {12, u"0.5", u"0.5", 1195 + 195 * 12, kRed, 15}}},
};

class RowCorrection : public SessionTestP<RowCase> {};
INSTANTIATE_TEST_SUITE_P(All, RowCorrection, ::testing::ValuesIn(kRowCases), ByLabel);

TEST_P(RowCorrection, AsksThatValueAloneAndRewritesItsOwnRow) {
  const RowCase& c = this->GetParam();
  ListWindow& w = c.open(*this);
  const DesignData& data = app.data();
  for (const RowStep& step : c.steps) {
    SCOPED_TRACE(step.row);
    const int n = c.look->ParameterAt(step.row);
    const bool refused = step.stored == u"???";
    const auto before = w.list.items;
    const std::size_t asked = kit.prompts.size();
    CorrectRow(w, step.row, {step.typed});

    ASSERT_EQ(kit.prompts.size(), asked + 1);
    ExpectPrompt(kit.prompts.back(), ParameterCaption(n),
                 step.title ? step.title : u" Ввод " + ParameterCaption(n), 1000, step.promptY);
    EXPECT_EQ(kit.beeps, refused ? 1 : 0);
    EXPECT_EQ(data.ParamText[n], step.stored);
    if (refused) {
      EXPECT_EQ(data.ParamValue[n], 0.0f);
    }
    const auto& after = w.list.items;
    ASSERT_EQ(after.size(), static_cast<std::size_t>(c.look->rows));
    for (std::size_t row = 0; row < after.size(); ++row) {
      const bool corrected = static_cast<int>(row) == step.row;
      EXPECT_EQ(after[row], corrected ? ParameterRowText(data, n) : before[row]) << row;
    }
    if (n <= kParamXP) {
      EXPECT_EQ(after.at(static_cast<std::size_t>(step.row)),
                u"   " + ParameterCaption(n) + u"    " + step.stored);
    }
    EXPECT_TRUE(w.endOfCorrectionsButton.visible);
    if (step.endColour) {
      EXPECT_EQ(w.endOfCorrectionsButton.backColor, *step.endColour);
    }
    if (step.errorRow) ExpectErrorRow(data, *step.errorRow);
    EXPECT_FALSE(w.instruction.visible);
    if (n > kParamXP) {
      EXPECT_EQ(w.list.tabStop, c.look->listKeepsTabStop);
    }
  }
}

// A pair row asks X* then Y* at the row, sorts the points into the rebuilt list and
// checks; the first-stage list then asks the three compositions again.
struct PairCase {
  const char* label;
  const Look* look;
  Opening open;  // correction mode
  int row;
  std::vector<std::u16string> answers;
  int promptY;             // [twips] of both halves
  bool asksCompositions;   // at 1400 + 195·(n − 8), n = 16..18
  std::array<float, 8> sortedX;
  int movedTo;             // where the corrected point stands after sorting
  Colour endColour;
  int errorRow;            // -1: sound data
};

const PairCase kPairCases[] = {
    // Point 3 moves past point 4 with X* 0.6; Y* 0.75 lies between its neighbours 0.7 and 0.85.
    {"Form3", &kForm3, kForm3.toCorrectionMode, 3, {u"0.6", u"0.75", u"0.05", u"0.4", u"0.95"},
     1695 + 195 * 3, true, {0, 0.1f, 0.2f, 0.5f, 0.6f, 0.7f, 0.9f, 1}, 4, kGreen, -1},
    // X*[6] = 0.95 is no longer below XP = 0.95.
    {"Form9", &kForm9, Form9Typing({}), 2, {u"0.95", u"0.97"}, 1195 + 195 * 2,
     false, {0, 0.1f, 0.3f, 0.5f, 0.7f, 0.9f, 0.95f, 1}, 6, kRed, 7},
};

class PairRow : public SessionTestP<PairCase> {};
INSTANTIATE_TEST_SUITE_P(All, PairRow, ::testing::ValuesIn(kPairCases), ByLabel);

TEST_P(PairRow, AsksThePairAndSortsItIntoTheRebuiltList) {
  const PairCase& c = this->GetParam();
  const Look& look = *c.look;
  ListWindow& w = c.open(*this);
  const std::size_t asked = kit.prompts.size();
  CorrectRow(w, c.row, c.answers);

  ASSERT_EQ(kit.prompts.size(), asked + c.answers.size());
  const PromptRecord* p = &kit.prompts[asked];
  ExpectPairPrompts(p, c.row, c.promptY);
  for (int n = 16; c.asksCompositions && n <= 18; ++n) {
    ExpectParameterPrompt(p[n - 14], n, 1400 + 195 * (n - 8));
  }

  const DesignData& data = app.data();
  for (std::size_t k = 0; k < 8; ++k) EXPECT_EQ(data.EqX[k], c.sortedX[k]) << k;
  EXPECT_EQ(data.EqXText[static_cast<std::size_t>(c.movedTo)], c.answers[0]);
  EXPECT_EQ(data.EqYText[static_cast<std::size_t>(c.movedTo)], c.answers[1]);
  const auto& rows = w.list.items;
  ASSERT_EQ(rows.size(), static_cast<std::size_t>(look.rows));
  for (int row = 0; row < look.rows; ++row) {
    const std::u16string expected = row == look.headerRow ? kCapsHeader : look.RowText(data, row);
    EXPECT_EQ(rows[static_cast<std::size_t>(row)], expected) << row;
  }
  ExpectErrorRow(data, c.errorRow);
  EXPECT_EQ(w.endOfCorrectionsButton.backColor, c.endColour);
  EXPECT_FALSE(w.instruction.visible);
  EXPECT_EQ(w.list.tabStop, look.listKeepsTabStop);
}

// Correcting parameter 34 rewrites the tray-class header on trays without caps only.
struct AreaRatioCase {
  const char* label;
  const Look* look;
  Opening open;  // correction mode
  int row;       // the row of parameter 34
  std::u16string headerBefore;
  std::vector<std::pair<std::u16string, std::u16string>> typedThenHeader;
};

const AreaRatioCase kAreaRatioCases[] = {
    {"Form5DualFlow", &kForm5, Form5With(kTraysWithoutCaps, SoundTexts(34, u"1"), {Press(Correct)}),
     15, Blanks(11) + u"ТАРЕЛКИ ПРОВАЛЬНЫЕ",
     {{u"0.5", Blanks(30) + u"ТАРЕЛКИ СИТЧАТЫЕ ИЛИ КЛАПАННЫЕ"}, {u"1", Blanks(30) + u"ТАРЕЛКИ ПРОВАЛЬНЫЕ"}}},
    {"Form5BubbleCaps", &kForm5, Form5With(kBubbleCapTrays, SoundTexts(34, u"1"), {Press(Correct)}),
     15, kForm5CapsHeader, {{u"0.5", kForm5CapsHeader}}},
    {"Form9SieveOrValve", &kForm9, Form9With(kTraysWithoutCaps, u"0.83"), 26,
     Blanks(26) + u"ТАРЕЛКИ СИТЧАТЫЕ ИЛИ КЛАПАННЫЕ", {{u"1", Blanks(30) + u"ТАРЕЛКИ ПРОВАЛЬНЫЕ"}}},
    {"Form9BubbleCaps", &kForm9, Form9Typing({}), 26, kCapsHeader,
     {{u"1", kCapsHeader}}},
};

class AreaRatioRow : public SessionTestP<AreaRatioCase> {};
INSTANTIATE_TEST_SUITE_P(All, AreaRatioRow, ::testing::ValuesIn(kAreaRatioCases), ByLabel);

TEST_P(AreaRatioRow, RewritesTheHeaderOnlyOnTraysWithoutCaps) {
  const AreaRatioCase& c = this->GetParam();
  ListWindow& w = c.open(*this);
  const auto header = static_cast<std::size_t>(c.look->headerRow);
  ASSERT_EQ(w.list.items.at(header), c.headerBefore);
  for (const auto& [typed, expected] : c.typedThenHeader) {
    CorrectRow(w, c.row, {typed});
    EXPECT_EQ(kit.prompts.back().prompt, app.data().ParamCaption[34]);
    EXPECT_EQ(app.data().ParamText[34], typed);
    EXPECT_EQ(w.list.items.at(header), expected) << ToUtf8(typed);
  }
}

// Sound data accepted or ended: the list window closes and the next one opens alone.
struct SoundEndCase {
  const char* label;
  Opening prepare;
  Button button;
  std::string next;
  int correctedParameter = 0;  // the parameter a correction set, and its value
  float correctedValue = 0;
};

const SoundEndCase kSoundEndCases[] = {
    {"Form3Accepts", Form3With({}), Accept, "Form5"},
    {"Form3EndsAfterXWCorrected",
     Form3With({.xw = u"0"}, {Press(Correct), Row(8, {u"0.05"})}),
     EndOfCorrections, "Form5", 16, 0.05f},
    {"Form5Accepts", Form5With(kTraysWithoutCaps, SoundTexts()), Accept, "Form7"},
    {"Form5EndsAfterParameter19Corrected",
     Form5With(kTraysWithoutCaps, SoundTexts(), {Press(Correct), Row(1, {u"3"})}), EndOfCorrections,
     "Form7", 19, 3.0f},
};

class SoundEnd : public SessionTestP<SoundEndCase> {};
INSTANTIATE_TEST_SUITE_P(All, SoundEnd, ::testing::ValuesIn(kSoundEndCases), ByLabel);

TEST_P(SoundEnd, ClosesTheListAndOpensTheNextWindowAlone) {
  const SoundEndCase& c = this->GetParam();
  ListWindow& w = c.prepare(*this);
  EXPECT_EQ(c.button(w).backColor, kGreen);
  Click(app, c.button(w));
  EXPECT_EQ(kit.beeps, 0);
  EXPECT_EQ(LoadedNames(app), std::vector<std::string>{c.next});
  EXPECT_EQ(VisibleNames(app), std::vector<std::string>{c.next});
  if (c.correctedParameter != 0) {
    EXPECT_EQ(app.data().ParamValue[c.correctedParameter], c.correctedValue);
  }
}

// The three "Внимание !" dialogs, laid out over a correction window in its fault display.
// Opens the dialog over Form9 as its fault display leaves it: the list hidden, the data
// printed on the window.
template <class Dialog>
Dialog& OpenOver(Application& app) {
  Form9& owner = app.Form<Form9>();
  owner.list.visible = false;
  owner.surface().Print(u"printed row");
  owner.Show();
  Dialog& dialog = app.Form<Dialog>();
  dialog.Open(owner);
  return dialog;
}

// The suite is named after the class it tests: in this file rc::ErrorDialog is spelt out.
using ErrorDialog = SessionTest;

TEST_F(ErrorDialog, LaidOutCentredOverItsOwner) {
  const struct {
    rc::ErrorDialog* dialog;
    int top;
  } dialogs[] = {{&OpenOver<Form4>(app), 4500},
                 {&OpenOver<Form6>(app), 6000},
                 {&OpenOver<Form10>(app), 8000}};
  for (const auto& entry : dialogs) {
    rc::ErrorDialog& d = *entry.dialog;
    EXPECT_TRUE(d.visible) << d.Name();
    EXPECT_EQ(d.caption, u"Внимание !");
    EXPECT_EQ(Place(d), std::make_tuple(3600, entry.top, 4800, 1800)) << d.Name();
    const Control& l1 = d.statement;
    const Control& l2 = d.question;
    const Control& yes = d.yesButton;
    const Control& no = d.noButton;
    EXPECT_EQ(l1.caption, u"Ошибка в исходной информации.");
    EXPECT_EQ(l1.foreColor, kRed);
    EXPECT_TRUE(l1.font.bold);
    EXPECT_EQ(l2.caption, u"Изменяете исходную информацию?");
    EXPECT_FALSE(l2.font.bold);
    EXPECT_EQ(l1.left * 2 + l1.width, 4800);
    EXPECT_EQ(l2.left * 2 + l2.width, 4800);
    EXPECT_EQ(std::make_pair(l1.top, l2.top), std::make_pair(180, 480));
    EXPECT_EQ(std::make_pair(yes.caption, no.caption), std::make_pair(std::u16string(u"Да"), std::u16string(u"Нет")));
    EXPECT_EQ(std::make_pair(yes.top, no.top), std::make_pair(850, 850));
    EXPECT_TRUE(yes.tabStop);
    ExpectSideBySide(d, yes, no);
  }
}

}  // namespace
}  // namespace rc::ui_test
