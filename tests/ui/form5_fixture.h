#pragma once
// A sound design data set and a watching toolkit, for the tests of the tray-type window
// (Form5) and the full correction window (Form9).
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "model/design_data.h"
#include "model/number_text.h"
#include "model/text.h"
#include "support/list_watching_toolkit.h"
#include "support/recording_toolkit.h"
#include "support/ui_driver.h"
#include "ui/application.h"
#include "ui/form5.h"
#include "ui/form9.h"
#include "ui/list_window.h"
#include "ui/window.h"

namespace rc::tray_test {

// Texts typed for parameters 19..31, 33..40 in their listed order, all within limits.
inline std::vector<std::u16string> SoundParameterTexts() {
  return {u"2",    u"1",   u"78",   u"92",  u"0.5", u"0.5", u"0.01",
          u"0.01", u"0.1", u"800",  u"850", u"0.00005", u"350",
          u"1",    u"0.83", u"1",   u"0.05", u"0.1", u"5",  u"0.1", u"0.1"};
}

// The sound texts with parameter n typed as `text`.
inline std::vector<std::u16string> WithParameter(int n, const std::u16string& text) {
  auto texts = SoundParameterTexts();
  for (int index = 0; index < 21; ++index) {
    if (TrayParameterAt(index) == n) texts[static_cast<std::size_t>(index)] = text;
  }
  return texts;
}

// Eight increasing points from 0,0 to 1,1 above the diagonal, XW 0.05, XF 0.4, XP 0.95,
// and the 21 parameters within their limits.
inline void FillSoundData(DesignData& data, std::int32_t trayType) {
  PrepareForEntry(data);
  const char16_t* xs[] = {u"0", u"0.1", u"0.2", u"0.3", u"0.5", u"0.7", u"0.9", u"1"};
  const char16_t* ys[] = {u"0", u"0.25", u"0.4", u"0.5", u"0.65", u"0.8", u"0.95", u"1"};
  for (std::size_t i = 0; i < 8; ++i) {
    data.EqXText[i] = xs[i];
    data.EqYText[i] = ys[i];
    data.EqX[i] = ReadNumber(xs[i]);
    data.EqY[i] = ReadNumber(ys[i]);
  }
  const std::pair<int, const char16_t*> compositions[] = {{16, u"0.05"}, {17, u"0.4"}, {18, u"0.95"}};
  for (const auto& [n, text] : compositions) {
    data.ParamText[n] = text;
    data.ParamValue[n] = ReadNumber(text);
  }
  const auto texts = SoundParameterTexts();
  for (int index = 0; index < 21; ++index) {
    const int n = TrayParameterAt(index);
    data.ParamText[n] = texts[static_cast<std::size_t>(index)];
    data.ParamValue[n] = ReadNumber(data.ParamText[n]);
  }
  data.TrayType = trayType;
}

using WatchingToolkit = ui_test::ListWatchingToolkit;

using ui_test::Click;
using ui_test::ClickRow;

// One run of the program with the student's typing scripted.
struct Session {
  WatchingToolkit kit;
  Application app{kit};
};

// Form5 in review after the tray-class button and the 21 parameters.
inline Form5& Form5After(Session& r, const char* classButton,
                         const std::vector<std::u16string>& texts = SoundParameterTexts()) {
  FillSoundData(r.app.data(), kTrayTypeNotChosen);
  r.app.Dispatch([&] { AskTrayType(r.app); });
  for (const auto& t : texts) r.kit.Answer(t);
  Form5& f = r.app.Form<Form5>();
  Click(r.app, f, classButton);
  return f;
}
// Form9 opened by the results menu's change button over a sound data set.
inline Form9& Form9Over(Session& r, std::int32_t trayType, const std::u16string& areaRatio = u"0.83",
                        std::int32_t shownResult = kShownNothing) {
  DesignData& data = r.app.data();
  FillSoundData(data, trayType);
  data.ParamText[34] = areaRatio;
  data.ParamValue[34] = ReadNumber(areaRatio);
  data.ShownResult = shownResult;
  r.app.Dispatch([&] { OpenFullCorrection(r.app); });
  return r.app.Form<Form9>();
}

class WindowTest : public ::testing::Test, protected Session {
 protected:
  // The texts drawn on a window with the top-left corner of each.
  struct Drawn {
    std::u16string text;
    double x, y;
  };
  static std::vector<Drawn> DrawnTexts(const Window& w) {
    std::vector<Drawn> drawn;
    for (const DrawOp& op : w.surface().Ops()) {
      if (op.kind == DrawOp::Kind::Text) drawn.push_back({op.text, op.x1, op.y1});
    }
    return drawn;
  }
  static bool DrewAt(const Window& w, const std::u16string& text, double x, double y) {
    for (const Drawn& d : DrawnTexts(w)) {
      if (d.text == text && d.x == x && d.y == y) return true;
    }
    return false;
  }
};

inline std::u16string Blanks(std::size_t n) { return std::u16string(n, u' '); }

}  // namespace rc::tray_test
