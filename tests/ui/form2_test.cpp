// The rules screen: its text, its panel with the drop shadow, and the way back.
#include "support/ui_driver.h"

namespace rc::ui_test {
namespace {

// The suite is named after the window it tests: in this file rc::Form2 is spelt out.
using Form2 = SessionTest;

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
