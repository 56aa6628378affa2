#include "ui/error_dialog.h"

#include <algorithm>

#include "model/checks.h"
#include "model/number_text.h"
#include "ui/application.h"
#include "ui/list_window.h"
#include "ui/window_parts.h"

namespace rc {
namespace {

// The dialog with an explanation: wider, the explanation's lines under the statement and
// the question and buttons under them.
constexpr int kExplainedWidth = 7200;        // [twips]
constexpr int kExplanationWidth = 6800;      // [twips]
constexpr int kExplanationTop = 480;         // [twips]
constexpr int kExplanationHeight = 1275;     // [twips] five lines
constexpr int kQuestionGap = 120;            // [twips] explanation to question
constexpr int kQuestionToButtons = 370;      // [twips]
constexpr int kUnderButtons = 240;           // [twips]

// The owner's client area stands about this far under its top on the screen (its
// title bar, as a window manager draws it).
constexpr int kOwnerTitleAllowance = 400;    // [twips]

// A typed text quoted in a message: a long one cut, so the message keeps its lines.
constexpr std::size_t kQuotedLength = 24;
std::u16string Quoted(const std::u16string& text) {
  return u"«" + (text.size() > kQuotedLength ? text.substr(0, kQuotedLength) + u"…" : text) + u"»";
}

}  // namespace

std::u16string InputFaultExplanation(const DesignData& data) {
  if (data.InputError == kFalse ||
      ParameterOfErrorRow(InputCheck::ParameterLimits, data.ErrorRow) != kParamFeedCondition) {
    return {};
  }
  const auto text = [&](int n) { return data.ParamText[n]; };
  if (!FeedConditionIsANumber(data)) {
    return u"q должно быть числом от 0 до 2, а " + Quoted(text(kParamFeedCondition)) +
           u" — не число.";
  }
  const float q = data.ParamValue[kParamFeedCondition];
  if (!(q >= data.ParamMin[kParamFeedCondition] && q <= data.ParamMax[kParamFeedCondition]) ||
      VapourRisesBelowFeed(data)) {
    return {};
  }
  return u"При q = " + text(kParamFeedCondition) +
         u" ниже ввода питания не поднимается пар: нужно (R + 1)(XF − XW) > (1 − q)(XP − XW), "
         u"а при R = " + text(kParamReflux) + u", XW = " + text(kParamXW) + u", XF = " +
         text(kParamXF) + u", XP = " + text(kParamXP) + u" это не так. Увеличьте R или q.";
}

ErrorDialog::ErrorDialog(Application& app, std::string name, int dialogTop)
    : YesNoDialog(app, std::move(name), u"Внимание !", u"Ошибка в исходной информации.",
                  u"Изменяете исходную информацию?"),
      explanation(AddWindowText(*this, "Label3", kWindowFont, kRed)),
      dialogTop_(dialogTop) {
  explanation.visible = false;
}

void ErrorDialog::Open(ListWindow& owner, const std::u16string& why) {
  owner_ = &owner;
  int dialogTop = dialogTop_;
  if (const Control& marker = owner.faultMarker; marker.visible) {
    const int markerBottom = owner.top + kOwnerTitleAllowance + marker.top + marker.height;
    dialogTop = std::max(dialogTop, markerBottom);
  }
  OpenOver(owner, dialogTop, true);
  explanation.visible = !why.empty();
  if (why.empty()) return;

  explanation.caption = why;
  width = kExplainedWidth;
  left = RoundTwips((owner.width - width) / 2.0);
  explanation.width = kExplanationWidth;
  explanation.height = kExplanationHeight;
  explanation.left = RoundTwips((width - explanation.width) / 2.0);
  explanation.top = kExplanationTop;
  statement.left = RoundTwips((width - statement.width) / 2.0);
  question.left = RoundTwips((width - question.width) / 2.0);
  question.top = explanation.top + explanation.height + kQuestionGap;
  PlaceSideBySide(*this, yesButton, noButton);
  yesButton.top = noButton.top = question.top + kQuestionToButtons;
  height = yesButton.top + kButtonHeight + kUnderButtons;
}

// Back to the owner's correction mode: the list as it was, the instruction shown, no
// button until a row is clicked.
void ErrorDialog::Yes() {
  ListWindow* owner = LoadedOwner() ? owner_ : nullptr;
  if (owner != nullptr) owner->ReturnFromErrorDialog();
  Hide();
  app().Unload(*this);
  if (owner != nullptr) owner->Show();
}

// The end of the program: the faulty data are given up. Typed data not yet saved are
// not given up unasked: the end question opens over the dialog, which stays if the
// student stays.
void ErrorDialog::No() {
  if (app().TypedDataWouldBeLost()) {
    app().Form<EndConfirmation>().Open(*this);
    return;
  }
  Window* owner = LoadedOwner();
  app().Unload(*this);
  if (owner != nullptr) app().Unload(*owner);
  Hide();
  if (owner != nullptr) owner->Hide();
  app().UnloadAllForms();
  app().End();
}

}  // namespace rc
