#pragma once
// Drives the windows the way a student does: clicks on buttons and list rows, each as
// one user event through Application::Dispatch, with the student's typing scripted. A
// click on a control of a window that is not loaded or not shown, or on a control that
// is hidden or disabled, is a test failure (the student could not have made it) and
// does nothing. Also the scripted stages of a session and the looks the tests compare.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <functional>
#include <stdexcept>
#include <string>
#include <tuple>
#include <vector>

#include "model/text.h"
#include "report/input_rows.h"
#include "support/design_fixtures.h"
#include "support/recording_toolkit.h"
#include "ui/application.h"
#include "ui/error_dialog.h"
#include "ui/file_message.h"
#include "ui/form1.h"
#include "ui/form11.h"
#include "ui/form12.h"
#include "ui/form13.h"
#include "ui/form2.h"
#include "ui/form3.h"
#include "ui/form5.h"
#include "ui/form7.h"
#include "ui/form9.h"
#include "ui/list_window.h"
#include "ui/program.h"

namespace rc::ui_test {

// The loaded window of that name ("Form3"), or nullptr.
Window* FindWindow(Application& app, const std::string& name);
// The loaded (Form) or loaded and shown (Shown) window of that name; else the test
// fails (by an exception).
inline Window& Form(Application& app, const std::string& name) {
  Window* w = FindWindow(app, name);
  if (w == nullptr) throw std::runtime_error(name + " is not loaded");
  return *w;
}
inline Window& Shown(Application& app, const std::string& name) {
  Window& w = Form(app, name);
  if (!w.visible) throw std::runtime_error(name + " is not shown");
  return w;
}
// The loaded window of class W; when there is none the test fails (by an exception).
template <class W>
W& Loaded(Application& app) {
  if (W* w = app.FindForm<W>()) return *w;
  throw std::runtime_error("a window clicked on is not loaded");
}
// The names of the loaded windows, in load order, and of those shown.
std::vector<std::string> LoadedNames(Application& app);
std::vector<std::string> VisibleNames(Application& app);
// The names of the window's shown controls, in design order, blank-separated.
std::string ShownControls(const Window& window);

// Clicks a control of a shown window (a window's role member: f.printButton).
void Click(Application& app, const Control& control);
// Clicks row `row` (0-based) of a list of a shown window.
void ClickRow(Application& app, const Control& list, int row);
inline void ClickRow(Application& app, ListWindow& window, int row) {
  ClickRow(app, window.list, row);
}
// The tray-class button of the window for that tray type.
inline Control& TrayClassButton(ListWindow& w, std::int32_t trayType) {
  return trayType == kBubbleCapTrays ? *w.capsButton : *w.noCapsButton;
}
// The answer buttons of the window's open dialog of that name ("Form4", "EndConfirmation").
inline YesNoDialog& Dialog(Application& app, const std::string& name) {
  return dynamic_cast<YesNoDialog&>(Form(app, name));
}

// Whether the texts hold that text.
inline bool Contains(const std::vector<std::u16string>& texts, const std::u16string& text) {
  return std::find(texts.begin(), texts.end(), text) != texts.end();
}
// A control's or a window's place: left, top, width, height.
template <class T>
auto Place(const T& c) {
  return std::make_tuple(c.left, c.top, c.width, c.height);
}
// Two controls side by side on the window with equal gaps left of, between and right of
// them (the last within a twip).
void ExpectSideBySide(const Window& w, const Control& first, const Control& second);
// The texts of printed pages, in order.
std::vector<std::u16string> PageTexts(const std::vector<Page>& pages);

// One run of the program with the student's typing scripted.
struct Session {
  RecordingToolkit kit;
  Application app{kit};
  // Clicks a row of the window's list with the answers to its prompts typed.
  void CorrectRow(ListWindow& w, int row, const std::vector<std::u16string>& typed) {
    for (const auto& t : typed) kit.Answer(t);
    ClickRow(app, w, row);
  }
};

// The student's answers to the first entry stage: the name prompt, the 16 equilibrium
// prompts and XW, XF, XP.
struct FirstStage {
  std::u16string name = u"иванов гр 1";
  std::array<std::u16string, 8> x{u"0", u"0.1", u"0.2", u"0.3", u"0.5", u"0.7", u"0.9", u"1"};
  std::array<std::u16string, 8> y{u"0", u"0.25", u"0.4", u"0.5", u"0.7", u"0.85", u"0.95", u"1"};
  std::u16string xw = u"0.05", xf = u"0.4", xp = u"0.95";

  // The answers in prompt order: name, X0, Y0, ..., X7, Y7, XW, XF, XP.
  std::vector<std::u16string> Answers() const;
};
// Scripts the stage and clicks "ВВОД ИСХОДНОЙ ИНФОРМАЦИИ" on the start screen; Form3
// is then in review.
inline Form3& RunFirstStage(RecordingToolkit& kit, Application& app, const FirstStage& stage = {}) {
  for (const auto& a : stage.Answers()) kit.Answer(a);
  StartProgram(app);
  Click(app, Loaded<Form1>(app).entryButton);
  return Loaded<Form3>(app);
}

// A test over one session of the program.
class SessionTest : public ::testing::Test, protected Session {
 protected:
  Form3& Run(const FirstStage& stage = {}) { return RunFirstStage(kit, app, stage); }
  // The results menu over data, opened the way the tray-type window opens it.
  Form7& OpenMenu(const DesignData& data) {
    app.data() = data;
    app.Dispatch([&] { OpenResultsMenu(app); });
    return Loaded<Form7>(app);
  }
  // The start screen, as the program opens.
  Form1& Start() {
    StartProgram(app);
    return Loaded<Form1>(app);
  }
};

// The typed texts of parameters 19..31, 33..40 of data in their listed order.
std::vector<std::u16string> TrayParameterTexts(const DesignData& data);
// Those of PlainSoundData, with parameter n (when given) typed as text.
inline std::vector<std::u16string> SoundTexts(int n = 0, const std::u16string& text = {}) {
  DesignData data = PlainSoundData(kTrayTypeNotChosen);
  if (n != 0) SetParameter(data, n, text);
  return TrayParameterTexts(data);
}
// Form5 in review over PlainSoundData after the tray-class button and the 21 texts.
Form5& Form5After(Session& r, std::int32_t trayType,
                  const std::vector<std::u16string>& texts = SoundTexts());
// Form9 opened by the results menu's change button over PlainSoundData.
Form9& Form9Over(Session& r, std::int32_t trayType, const std::u16string& areaRatio = u"0.83",
                 std::int32_t shownResult = kShownNothing);
// The text with a decimal comma, as a student may type it.
inline std::u16string WithComma(std::u16string text) {
  std::replace(text.begin(), text.end(), u'.', u',');
  return text;
}
// Types data from the start screen to the results menu, each stage accepted as soon as
// it is listed; with `asAStudentMay` the points in reverse order (the sort puts them
// back) and every X* and parameter with a decimal comma.
void TypeToResultsMenu(Application& app, RecordingToolkit& kit, const DesignData& data,
                       bool asAStudentMay = false);

// The data's error state: the checks' error code, -1 for sound data.
inline void ExpectErrorRow(const DesignData& data, int errorRow) {
  EXPECT_EQ(data.InputError, errorRow < 0 ? kFalse : kTrue);
  if (errorRow >= 0) {
    EXPECT_EQ(data.ErrorRow, errorRow);
  }
}
// Checks a prompt's text, title and place.
void ExpectPrompt(const PromptRecord& p, const std::u16string& prompt, const std::u16string& title,
                  int x, int y);
// The feed's thermal condition's prompt gives its range and what its values mean.
inline constexpr char16_t kFeedConditionPromptText[] =
    u"Тепловое состояние питания q, безразм.\n0..2; 1 — кипящая жидкость, больше 1 — "
    u"холодная, меньше 1 — частично испаренная";
// The prompt of parameter n at its row, and the two prompts of equilibrium pair i.
inline void ExpectParameterPrompt(const PromptRecord& p, int n, int y) {
  ExpectPrompt(p, n == kParamFeedCondition ? std::u16string(kFeedConditionPromptText) : ParameterCaption(n),
               u" Ввод " + ParameterCaption(n), 1000, y);
}
void ExpectPairPrompts(const PromptRecord* p, int i, int y);

inline std::u16string Blanks(std::size_t n) { return std::u16string(n, u' '); }

}  // namespace rc::ui_test
