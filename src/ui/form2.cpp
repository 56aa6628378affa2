#include "ui/form2.h"
#include "ui/look.h"
#include "ui/window_parts.h"

#include "ui/application.h"
#include "ui/form1.h"

namespace rc {
namespace {

constexpr char16_t kCaption[] = u"Правила построения равновесной зависимости";
constexpr char16_t kContinue[] = u"ПРОДОЛЖЕНИЕ РАБОТЫ";

// The lines of the rules, blanks included ("выполняетcя" is written with a Latin c).
constexpr const char16_t* kRuleLines[] = {
    u"",
    u"                           ПОСТРОЕНИЕ РАВНОВЕСНОЙ ЗАВИСИМОСТИ",
    u"",
    u"          Равновесная зависимость задается в виде восьми пар чисел X*[i]-Y*[i],по",
    u"          которым выполняетcя ее кусочно-линейная аппрокисмация. При этом:",
    u"",
    u"          1. Все концентрации должны быть в мольных долях, т.е.",
    u"                          X*[i] < 1.0 и Y*[i] < 1.0 (для i = 0,1,2,...,6)",
    u"          2. Концентрация НК в паре должна быть больше, чем в жидкости, т.е.",
    u"                          Y*[i] > X*[i] (для i=1,2,...,6) ",
    u"          3. Равновесная зависимость должна монотонно возрастать,т.е.",
    u"                          X*[i+1] > X*[i] и Y*[i+1] > Y[i]",
    u"          4. Для расчета единиц переноса Mx равновесная линия должна быть",
    u"             определена во всем интервале изменения концентраций [YW;YP]:",
    u"                          Y*[0] < YW и Y*[7] > YP",
    u"          5. Для расчета кинетической линии все точки равновесной зависимости,",
    u"             кроме нулевой и последней, должны быть расположены над рабочим ",
    u"             диапазоном изменения коцентраций [XW;XP], т.е.",
    u"                          X*[1] >= XW и X*[6] <= XP",
};

constexpr Colour kShadow = kOrange;
constexpr int kShadowThickness = 100;
constexpr int kShadowOffset = 50;


}  // namespace

std::u16string Form2::RulesText() {
  std::u16string text;
  for (const char16_t* line : kRuleLines) {
    text += u'\r';
    text += line;
  }
  return text;
}

Form2::Form2(Application& app)
    : Window(app, "Form2"),
      panel(Add("Label1", ControlKind::Label)),
      rightShadow(Add("Label2", ControlKind::Label)),
      bottomShadow(Add("Label3", ControlKind::Label)),
      continueButton(AddCommandButton(*this, "Command1", kContinue, kGreen, 0, 0, 4095)) {
  backColor = kYellow;

  panel.backColor = kCyan;
  panel.foreColor = kDarkBlue;
  panel.font = FontSpec{u"Courier New", 9, false};

  rightShadow.backColor = kShadow;
  bottomShadow.backColor = kShadow;

  // Lower than the other command buttons, its caption bold.
  continueButton.font.bold = true;
  continueButton.height = 375;
  continueButton.onClick = [this] { Continue(); };
}

void Form2::Load() {
  width = 12000;
  height = 8000;
  caption = kCaption;

  panel.top = 480;
  panel.width = 10000;
  panel.height = 5000;
  panel.left = RoundTwips(width / 2.0 - panel.width / 2.0);
  panel.caption = RulesText();

  Control& right = rightShadow;
  right.top = panel.top + kShadowOffset;
  right.left = panel.left + panel.width;
  right.width = kShadowThickness;
  right.height = panel.height;

  Control& bottom = bottomShadow;
  bottom.top = panel.top + panel.height;
  bottom.left = panel.left + kShadowOffset;
  bottom.width = panel.width + kShadowOffset;
  bottom.height = kShadowThickness;

  continueButton.top = bottom.top + bottom.height + 300;
  continueButton.left = RoundTwips(width / 2.0 - continueButton.width / 2.0);
}

// Back to a freshly loaded start screen; this window stays loaded, hidden, until the
// next window change closes it.
void Form2::Continue() {
  Application& a = app();
  Hide();
  a.UnloadAllForms();
  a.Form<Form1>().Show();
}

}  // namespace rc
