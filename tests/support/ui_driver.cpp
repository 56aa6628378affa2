#include "support/ui_driver.h"

#include "model/input_catalogue.h"

namespace rc::ui_test {
namespace {

// The control if the student could click it now, else nullptr (with a test failure).
Control* Clickable(Application& app, const Control& control) {
  for (Window* w : app.LoadedWindows()) {
    for (const auto& c : w->Controls()) {
      if (c.get() != &control) continue;
      const std::string name = w->Name() + "." + control.name;
      if (!w->visible) {
        ADD_FAILURE() << w->Name() << " is not shown";
      } else if (!c->visible || !c->enabled) {
        ADD_FAILURE() << name << " is hidden or disabled";
      } else {
        return c.get();
      }
      return nullptr;
    }
  }
  ADD_FAILURE() << control.name << " belongs to no loaded window";
  return nullptr;
}

}  // namespace


Window* FindWindow(Application& app, const std::string& name) {
  for (Window* w : app.LoadedWindows()) {
    if (w->Name() == name) return w;
  }
  return nullptr;
}



std::vector<std::string> LoadedNames(Application& app) {
  std::vector<std::string> names;
  for (Window* w : app.LoadedWindows()) names.push_back(w->Name());
  return names;
}

std::vector<std::string> VisibleNames(Application& app) {
  std::vector<std::string> names;
  for (Window* w : app.LoadedWindows()) {
    if (w->visible) names.push_back(w->Name());
  }
  return names;
}

std::string ShownControls(const Window& window) {
  std::string names;
  for (const auto& c : window.Controls()) {
    if (c->visible) names += (names.empty() ? "" : " ") + c->name;
  }
  return names;
}

void Click(Application& app, const Control& control) {
  Control* c = Clickable(app, control);
  if (c != nullptr && c->onClick) app.Dispatch([c] { c->onClick(); });
}

void ClickRow(Application& app, const Control& list, int row) {
  Control* c = Clickable(app, list);
  if (c == nullptr) return;
  if (row < 0 || row >= static_cast<int>(c->items.size())) {
    ADD_FAILURE() << list.name << " has no row " << row;
    return;
  }
  app.Dispatch([c, row] {
    c->listIndex = row;
    if (c->onClick) c->onClick();
  });
}

void ExpectSideBySide(const Window& w, const Control& first, const Control& second) {
  const int gap = first.left;
  EXPECT_GT(gap, 0) << first.name;
  EXPECT_EQ(second.left - (first.left + first.width), gap) << second.name;
  EXPECT_NEAR(w.width - (second.left + second.width), gap, 1) << second.name;
}

std::vector<std::u16string> PageTexts(const std::vector<Page>& pages) {
  std::vector<std::u16string> texts;
  for (const Page& page : pages) {
    for (const DrawOp& op : page.ops) {
      if (op.kind == DrawOp::Kind::Text) texts.push_back(op.text);
    }
  }
  return texts;
}

std::vector<std::u16string> FirstStage::Answers() const {
  std::vector<std::u16string> a{name};
  for (std::size_t i = 0; i < 8; ++i) a.insert(a.end(), {x[i], y[i]});
  a.insert(a.end(), {xw, xf, xp});
  return a;
}


std::vector<std::u16string> TrayParameterTexts(const DesignData& data) {
  std::vector<std::u16string> texts;
  for (int n : InputNumbers(InputStage::TrayData)) texts.push_back(data.ParamText[n]);
  return texts;
}


Form5& Form5After(Session& r, std::int32_t trayType, const std::vector<std::u16string>& texts) {
  r.app.data() = PlainSoundData(kTrayTypeNotChosen);
  r.app.Dispatch([&] { AskTrayType(r.app); });
  for (const auto& t : texts) r.kit.Answer(t);
  Form5& f = r.app.Form<Form5>();
  Click(r.app, TrayClassButton(f, trayType));
  return f;
}

Form9& Form9Over(Session& r, std::int32_t trayType, const std::u16string& areaRatio,
                 std::int32_t shownResult) {
  DesignData& data = r.app.data();
  data = WithParameter(PlainSoundData(trayType), 34, areaRatio);
  data.ShownResult = shownResult;
  r.app.Dispatch([&] { OpenFullCorrection(r.app); });
  return r.app.Form<Form9>();
}

void TypeToResultsMenu(Application& app, RecordingToolkit& kit, const DesignData& data,
                       bool asAStudentMay) {
  const auto typed = [&](const std::u16string& text) { return asAStudentMay ? WithComma(text) : text; };
  kit.Answer(data.StudentName);
  for (std::size_t k = 0; k < 8; ++k) {
    const std::size_t i = asAStudentMay ? 7 - k : k;
    kit.Answer({typed(data.EqXText[i]), data.EqYText[i]});
  }
  for (int n = kParamXW; n <= kParamXP; ++n) kit.Answer(data.ParamText[n]);
  StartProgram(app);
  Click(app, Loaded<Form1>(app).entryButton);
  Click(app, Loaded<Form3>(app).acceptButton);
  for (const auto& text : TrayParameterTexts(data)) kit.Answer(typed(text));
  Click(app, TrayClassButton(Loaded<Form5>(app), data.TrayType));
  Click(app, Loaded<Form5>(app).acceptButton);
}


void ExpectPrompt(const PromptRecord& p, const std::u16string& prompt, const std::u16string& title,
                  int x, int y) {
  EXPECT_EQ(p.prompt, prompt);
  EXPECT_EQ(p.title, title);
  EXPECT_EQ(p.x, x) << ToUtf8(title);
  EXPECT_EQ(p.y, y) << ToUtf8(title);
}


void ExpectPairPrompts(const PromptRecord* p, int i, int y) {
  const std::u16string n = DecimalText(i);
  ExpectPrompt(p[0], u" X [ " + n + u" ] /мольн.д/ = ", u"ВВОД X РАВНОВЕСНОГО ", 1000, y);
  ExpectPrompt(p[1], u" Y [ " + n + u" ] /мольн.д/  = ", u"ВВОД Y РАВНОВЕСНОГО", 4000, y);
}

}  // namespace rc::ui_test
