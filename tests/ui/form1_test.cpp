// The start screen: gradient, layout, and where its three buttons lead; the rules
// screen: its text, its panel with the drop shadow, and the way back.
#include <stdexcept>

#include "support/ui_driver.h"

namespace rc::ui_test {
namespace {

// The suites are named after the windows they test: in this file rc::Form1, rc::Form2
// and rc::Window are spelt out.
using Form1 = SessionTest;
using Form2 = SessionTest;
using Window = SessionTest;

TEST_F(Form1, OpensWithTheTitleAndButtonsSpreadWithFourEqualGaps) {
  rc::Form1& f1 = Start();

  EXPECT_TRUE(f1.visible);
  EXPECT_EQ(f1.caption, u"НАЧАЛО РАБОТЫ С ПРОГРАММОЙ");
  EXPECT_EQ(Place(f1), std::make_tuple(500, 500, 12000, 9000));

  const Control& title = f1.control("Label1");
  EXPECT_EQ(title.caption, u"\rПОТАРЕЛЬЧАТЫЙ РАСЧЕТ РЕКТИФИКАЦИОННЫХ КОЛОНН \r"
                           u"И РАСЧЁТ КИНЕТИЧЕСКОЙ ЛИНИИ РЕКТИФИКАЦИИ");
  EXPECT_EQ(std::make_pair(title.left, title.top), std::make_pair(2152, 200));  // 6000 - 3847.5, half to even

  const struct {
    const char* name;
    int left;
    Colour colour;
    int tabIndex;
  } buttons[] = {{"Command1", 1189, Rgb(255, 255, 0), 0},
                 {"Command2", 4793, Rgb(0, 255, 0), 2},
                 {"Command3", 8397, Rgb(255, 128, 128), 1}};
  for (const auto& b : buttons) {
    const Control& c = f1.control(b.name);
    EXPECT_EQ(Place(c), std::make_tuple(b.left, 6000, 2415, 615)) << b.name;
    EXPECT_EQ(std::make_pair(c.backColor, c.tabIndex), std::make_pair(b.colour, b.tabIndex)) << b.name;
  }

  const Control& credit = f1.control("Label2");
  EXPECT_FALSE(credit.caption.empty());
  EXPECT_EQ(credit.caption.find(u'\r'), std::u16string::npos);
  EXPECT_EQ(std::make_pair(credit.left, credit.top), std::make_pair(8157, 6815));  // under Command3
}

// A control is known by itself: a second control under a name the window already gives
// one is refused, so no click or focus can reach the wrong one.
TEST_F(Window, RefusesASecondControlOfTheSameName) {
  rc::Form1& f1 = Start();
  EXPECT_THROW(f1.Add("Command2", ControlKind::Button), std::invalid_argument);
  EXPECT_NO_THROW(f1.Add("Command9", ControlKind::Button));
}

TEST_F(Form1, ButtonGapsFollowTheActualWidths) {
  auto& f1 = app.Form<rc::Form1>();
  f1.control("Command1").width = 3000;
  f1.control("Command2").width = 1000;
  f1.control("Command3").width = 2002;
  f1.LayOut();
  // g = 3000 - 6002 / 4 = 1499.5, rounded half to even: 1500.
  EXPECT_EQ(f1.control("Command1").left, 1500);
  EXPECT_EQ(f1.control("Command2").left, 6000);   // 3000 + 1500 + 1500
  EXPECT_EQ(f1.control("Command3").left, 8500);   // 1000 + 6000 + 1500
  EXPECT_EQ(f1.control("Label2").left, 8054);     // 8500 + 1001 - 1447.5, half to even
}

TEST_F(Form1, GradientRunsFromBlueToPurpleOneBoxPerPixelColumn) {
  const auto& ops = Start().surface().Ops();

  ASSERT_EQ(ops.size(), 801u);  // columns 0..800 of an 800-pixel-wide client area
  for (std::size_t i = 0; i < ops.size(); ++i) {
    const DrawOp& op = ops[i];
    ASSERT_EQ(op.kind, DrawOp::Kind::FilledBox);
    EXPECT_EQ(op.x1, 15.0 * static_cast<double>(i));
    EXPECT_EQ(op.y1, 0);
    EXPECT_EQ(op.x2, 12000);
    EXPECT_EQ(op.y2, (600 + 150) * 15);
    EXPECT_EQ(op.colour & 0xFFFF, Rgb(150, 50, 0));
  }
  EXPECT_EQ(ops.front().colour, Rgb(150, 50, 255));
  EXPECT_EQ(ops[400].colour, Rgb(150, 50, 128));  // 255 - 127 (127.5 truncated)
  EXPECT_EQ(ops[799].colour, Rgb(150, 50, 1));     // 255 - 254
  EXPECT_EQ(ops.back().colour, Rgb(150, 50, 0));
}

TEST_F(Form1, EndButtonEndsTheProgramAtOnce) {
  Click(app, Start().endButton);
  EXPECT_TRUE(kit.ended);
  EXPECT_TRUE(app.Ended());
  EXPECT_TRUE(app.LoadedWindows().empty());
  EXPECT_TRUE(kit.prompts.empty());
}

TEST_F(Form1, RulesAndBackAnyNumberOfTimes) {
  std::uint64_t previousStart = Start().Serial();
  std::u16string firstRules;
  for (int trip = 0; trip < 2; ++trip) {
    Click(app, Loaded<rc::Form1>(app).rulesButton);
    EXPECT_EQ(VisibleNames(app), std::vector<std::string>{"Form2"});
    EXPECT_EQ(FindWindow(app, "Form1"), nullptr);
    rc::Window& rules = Form(app, "Form2");
    if (trip == 0) firstRules = rules.control("Label1").caption;
    EXPECT_EQ(rules.control("Label1").caption, firstRules);
    EXPECT_EQ(rules.control("Command1").top, 5880);

    Click(app, Loaded<rc::Form2>(app).continueButton);
    EXPECT_EQ(VisibleNames(app), std::vector<std::string>{"Form1"});
    rc::Window& start = Form(app, "Form1");
    // A fresh start screen, painted and laid out again.
    EXPECT_NE(start.Serial(), previousStart);
    previousStart = start.Serial();
    EXPECT_EQ(start.surface().Ops().size(), 801u);
    EXPECT_EQ(start.control("Command3").left, 8397);
  }
  EXPECT_FALSE(firstRules.empty());
}


std::vector<std::u16string> Lines(const std::u16string& text) {
  std::vector<std::u16string> lines;
  std::size_t start = 0;
  for (std::size_t cr; (cr = text.find(u'\r', start)) != std::u16string::npos; start = cr + 1) {
    lines.push_back(text.substr(start, cr - start));
  }
  lines.push_back(text.substr(start));
  return lines;
}

TEST_F(Form2, RulesTextIsNineteenLinesEachAfterACarriageReturn) {
  const std::u16string text = rc::Form2::RulesText();
  ASSERT_FALSE(text.empty());
  EXPECT_EQ(text.front(), u'\r');
  EXPECT_NE(text.back(), u'\r');
  EXPECT_EQ(text.find(u'\n'), std::u16string::npos);

  const auto lines = Lines(text);
  ASSERT_EQ(lines.size(), 20u);  // the empty text before the first carriage return, then 19
  EXPECT_EQ(lines[0], u"");
  EXPECT_EQ(lines[1], u"");
  EXPECT_EQ(lines[2], std::u16string(27, u' ') + u"ПОСТРОЕНИЕ РАВНОВЕСНОЙ ЗАВИСИМОСТИ");
  EXPECT_EQ(lines[3], u"");
  EXPECT_EQ(lines[6], u"");
  EXPECT_EQ(lines[10], std::u16string(26, u' ') + u"Y*[i] > X*[i] (для i=1,2,...,6) ");
  EXPECT_EQ(lines[17], std::u16string(13, u' ') +
                           u"кроме нулевой и последней, должны быть расположены над рабочим ");
  EXPECT_EQ(lines[19], std::u16string(26, u' ') + u"X*[1] >= XW и X*[6] <= XP");

  // "выполняетcя" is written with a Latin c.
  const auto at = lines[5].find(u"выполняет");
  ASSERT_NE(at, std::u16string::npos);
  EXPECT_EQ(lines[5][at + 9], u'c');
  EXPECT_EQ(lines[5][at + 10], u'я');
}

TEST_F(Form2, PanelWithOrangeShadowAndTheContinueButton) {
  Click(app, Start().rulesButton);
  rc::Form2& f2 = Loaded<rc::Form2>(app);

  EXPECT_EQ(f2.caption, u"Правила построения равновесной зависимости");
  EXPECT_EQ(std::make_pair(f2.width, f2.height), std::make_pair(12000, 8000));
  EXPECT_EQ(f2.backColor, Rgb(255, 255, 0));

  const Control& panel = f2.control("Label1");
  EXPECT_EQ(panel.caption, rc::Form2::RulesText());
  EXPECT_EQ(panel.backColor, Rgb(0, 255, 255));
  EXPECT_EQ(panel.foreColor, Rgb(0, 0, 192));
  EXPECT_EQ(panel.font.name, u"Courier New");
  const std::pair<const char*, std::tuple<int, int, int, int>> boxes[] = {
      {"Label1", {1000, 480, 10000, 5000}}, {"Label2", {11000, 530, 100, 5000}},
      {"Label3", {1050, 5480, 10050, 100}}, {"Command1", {3952, 5880, 4095, 375}}};
  for (const auto& [name, place] : boxes) EXPECT_EQ(Place(f2.control(name)), place) << name;
  EXPECT_EQ(f2.control("Label2").backColor, Rgb(255, 128, 0));
  EXPECT_EQ(f2.control("Label3").backColor, Rgb(255, 128, 0));
  EXPECT_EQ(f2.control("Command1").caption, u"ПРОДОЛЖЕНИЕ РАБОТЫ");
  EXPECT_TRUE(f2.control("Command1").font.bold);
}

TEST_F(Form2, ContinueHidesTheRulesAndShowsAFreshStartScreen) {
  Click(app, Start().rulesButton);
  Click(app, Loaded<rc::Form2>(app).continueButton);

  EXPECT_EQ(LoadedNames(app), (std::vector<std::string>{"Form2", "Form1"}));
  EXPECT_EQ(VisibleNames(app), std::vector<std::string>{"Form1"});
  EXPECT_FALSE(kit.ended);
}

}  // namespace
}  // namespace rc::ui_test
