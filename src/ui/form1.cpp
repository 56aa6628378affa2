#include "ui/form1.h"
#include "ui/look.h"

#include "ui/application.h"
#include "ui/data_file_actions.h"
#include "ui/entry.h"
#include "ui/form2.h"
#include "ui/yes_no_dialog.h"

namespace rc {
namespace {

constexpr char16_t kCaption[] = u"НАЧАЛО РАБОТЫ С ПРОГРАММОЙ";
constexpr char16_t kTitle[] =
    u"\rПОТАРЕЛЬЧАТЫЙ РАСЧЕТ РЕКТИФИКАЦИОННЫХ КОЛОНН \rИ РАСЧЁТ КИНЕТИЧЕСКОЙ ЛИНИИ РЕКТИФИКАЦИИ";
constexpr char16_t kRules[] = u"ПРАВИЛА ВВОДА РАВНОВЕСНОЙ ЛИНИИ";
constexpr char16_t kEntry[] = u"ВВОД ИСХОДНОЙ ИНФОРМАЦИИ";
constexpr char16_t kEnd[] = u"ОКОНЧАНИЕ РАБОТЫ С ПРОГРАММОЙ";
constexpr char16_t kCredit[] = u"Кафедра ПАХТ";
constexpr char16_t kOpen[] = u"ОТКРЫТЬ ФАЙЛ ДАННЫХ";

constexpr int kButtonTop = 6000;
constexpr int kButtonWidth = 2415;
constexpr int kStartButtonHeight = 615;

}  // namespace

Form1::Form1(Application& app)
    : Window(app, "Form1"),
      title(Add("Label1", ControlKind::Label)),
      rulesButton(Add("Command1", ControlKind::Button)),
      entryButton(Add("Command2", ControlKind::Button)),
      endButton(Add("Command3", ControlKind::Button)),
      credit(Add("Label2", ControlKind::Label)),
      openButton(Add("Command4", ControlKind::Button)) {
  title.caption = kTitle;
  title.font = FontSpec{u"Arial", 12, true};
  title.centred = true;
  title.backColor = kBrown;
  title.foreColor = kLightGreen;
  title.width = 7695;
  title.height = 1215;

  const struct {
    Control& button;
    const char16_t* caption;
    Colour colour;
    int tabIndex;
  } buttons[] = {{rulesButton, kRules, kYellow, 0},
                 {entryButton, kEntry, kGreen, 2},
                 {endButton, kEnd, kLightRed, 1},
                 // Last in the tab order, after the other three buttons.
                 {openButton, kOpen, kLightCyan, 3}};
  for (const auto& b : buttons) {
    b.button.caption = b.caption;
    b.button.backColor = b.colour;
    b.button.width = kButtonWidth;
    b.button.height = kStartButtonHeight;
    b.button.tabIndex = b.tabIndex;
  }
  rulesButton.onClick = [this] { OpenRules(); };
  entryButton.onClick = [&app] { StartDataEntry(app); };
  endButton.onClick = [this] { AskBeforeEnding(*this); };

  credit.caption = kCredit;
  credit.font = FontSpec{u"Arial", 14.25, false};
  credit.centred = true;
  credit.backColor = kRed;
  credit.foreColor = kPaleCyan;
  credit.width = 2895;
  credit.height = 375;

  openButton.onClick = [this, &app] { OpenDataFileFromDialog(app, *this); };
}

void Form1::Load() {
  top = 500;
  left = 500;
  width = 12000;
  height = 9000;
  PaintGradient();
  LayOut();
}

// Blue fading out from left to right: one filled box per pixel column, each from its
// column to the right edge, so every box paints over the one before it.
void Form1::PaintGradient() {
  const int w = static_cast<int>(width / kTwipsPerPixel);   // client width [pixels]
  const int h = static_cast<int>(height / kTwipsPerPixel);  // client height [pixels]
  if (w <= 0) return;
  Surface& s = surface();
  for (int i = 0; i <= w; ++i) {
    const auto blue = static_cast<unsigned>(255 - (i * 255) / w);
    s.FilledBox(i * kTwipsPerPixel, 0, w * kTwipsPerPixel, (h + 150) * kTwipsPerPixel,
                Rgb(150, 50, blue));
  }
}

// The three buttons are spread over the window width with four equal gaps.
void Form1::LayOut() {
  caption = kCaption;
  title.top = 200;
  title.left = RoundTwips(width / 2.0 - title.width / 2.0);

  Control& rules = rulesButton;
  Control& entry = entryButton;
  Control& end = endButton;
  for (Control* c : {&rules, &entry, &end}) c->top = kButtonTop;
  const int gap = RoundTwips(width / 4.0 - (entry.width + end.width + rules.width) / 4.0);
  rules.left = gap;
  entry.left = rules.width + rules.left + gap;
  end.left = entry.width + entry.left + gap;

  credit.left = RoundTwips(end.left + end.width / 2.0 - credit.width / 2.0);
  credit.top = rules.top + rules.height + 200;

  // Under the entry button, level with the credit line.
  openButton.left = entry.left;
  openButton.top = credit.top;
}

void Form1::OpenRules() {
  Application& a = app();
  a.Unload(*this);  // hides it
  a.UnloadAllForms();
  a.Form<Form2>().Show();
}

}  // namespace rc
