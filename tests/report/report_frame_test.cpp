#include <gtest/gtest.h>

#include <vector>

#include "model/text.h"
#include "report/printed_reports.h"
#include "report_checks.h"
#include "support/recording_toolkit.h"

namespace rc {
namespace {

using namespace report_test;

constexpr double kLine = 180;  // [twips] printer line height in these tests
const std::u16string kTitle = u"   ЗАГОЛОВОК";

DesignData FrameData() {
  DesignData data = EntryData(u"Иванов Ив-21");
  for (int i = 0; i < 8; ++i) {
    data.EqXText[i] = u"0." + DecimalText(i + 1);
    data.EqYText[i] = u"0." + DecimalText(i + 2);
  }
  for (int n = kParamXW; n <= kParamBypass; ++n) data.ParamText[n] = DecimalText(n) + u".5";
  data.ParamText[kParamFeedCondition] = u"57.5";
  data.TrayType = kBubbleCapTrays;
  return data;
}

Surface Framed(const DesignData& data) {
  Surface printer = Printer(kLine);
  PrintReportFrame(printer, data, kTitle, kDate);
  return printer;
}

// The texts drawn, with the line each stands on (y / line height).
struct PlacedText {
  int line;
  double x;
  bool bold;
  std::u16string text;
};

std::vector<PlacedText> Placed(const Surface& s) {
  std::vector<PlacedText> placed;
  for (const DrawOp& op : s.Ops()) {
    EXPECT_EQ(op.kind, DrawOp::Kind::Text);
    placed.push_back({static_cast<int>(op.y1 / kLine), op.x1, op.bold, op.text});
  }
  return placed;
}

// A name too long for its 40 characters takes the leading blanks, and one too long for
// those is cut before the variant: the date and time stay on the header's line of an A4
// page (104 characters of the printer font, from DateTimeText's 34 or 35 characters).
TEST(PrintReportFrame, TheHeaderKeepsTheNameTheVariantAndTheTimeOnItsLine) {
  const struct {
    std::u16string typed, header;
  } cases[] = {
      {u"Григорьева-Оболенская Ярослава Х-41",
       std::u16string(18, u' ') + u"Григорьева-Оболенская Ярослава Х-41  Вариант 30"},
      {u"Григорьева-Оболенская Ярослава Христофоровна, группа Х-41",
       u"Григорьева-Оболенская Ярослава Христофоровна, группа.  Вариант 30"},
  };
  for (const auto& c : cases) {
    DesignData data = FrameData();
    data.StudentName = c.typed;
    data.Typed.Variant = 30;
    Surface printer = Printer(kLine);
    printer.SetPageWidth(10205, 97.93);  // A4 with 15 mm margins, 8.16 pt
    PrintReportFrame(printer, data, kTitle, kDate);
    const std::vector<PlacedText> placed = Placed(printer);
    ASSERT_GE(placed.size(), 2u);
    EXPECT_EQ(placed[0].text, c.header + kDate + std::u16string(26, u' '));
    EXPECT_EQ(placed[1].text, kTitle);  // nothing of the header went on to a line of its own
  }
}

TEST(PrintReportFrame, Takes43LinesWithTextsInTheirPlaces) {
  const DesignData data = FrameData();
  const Surface printer = Framed(data);
  EXPECT_EQ(printer.CurrentY, 43 * kLine);
  EXPECT_EQ(printer.CurrentX, 0);
  ASSERT_EQ(printer.Pages().size(), 1u);
  const std::vector<PlacedText> placed = Placed(printer);
  ASSERT_EQ(placed.size(), 37u);  // 43 lines, six of them empty

  // Header, title and the input data heading, at the left edge.
  EXPECT_EQ(placed[0].line, 3);
  EXPECT_EQ(placed[0].x, 0);
  EXPECT_EQ(placed[0].text, std::u16string(25, u' ') + u"Иванов Ив-21" + std::u16string(28, u' ') +
                                kDate + std::u16string(26, u' '));
  EXPECT_EQ(placed[1].line, 5);
  EXPECT_EQ(placed[1].text, kTitle);
  EXPECT_EQ(placed[2].line, 7);
  EXPECT_EQ(placed[2].text, u"                                         ИСХОДНЫЕ    ДАННЫЕ");
  for (int i = 0; i < 3; ++i) EXPECT_EQ(placed[i].x, 0) << i;

  // Only the title is bold.
  for (std::size_t i = 0; i < placed.size(); ++i) EXPECT_EQ(placed[i].bold, i == 1) << i;

  // The input data lines stand on lines 9..42, indented to x 1000.
  for (std::size_t i = 3; i < placed.size(); ++i) {
    EXPECT_EQ(placed[i].line, static_cast<int>(i) + 6) << i;
    EXPECT_EQ(placed[i].x, 1000) << i;
  }
  EXPECT_EQ(placed[3].text,
            u"       X[0] /мольн.д/ =0.1" + std::u16string(27, u' ') + u"Y[0] /мольн.д/ =0.2");
  EXPECT_EQ(placed[10].text,
            u"       X[7] /мольн.д/ =0.8" + std::u16string(27, u' ') + u"Y[7] /мольн.д/ =0.9");
}

TEST(PrintReportFrame, ListsParametersWithCaptionsExceptTheTrayTypeSlot) {
  const DesignData data = FrameData();
  const std::vector<PlacedText> placed = Placed(Framed(data));

  std::vector<int> expectedOrder = {16, 17, 18};
  for (int n = kParamReflux; n <= kParamBypass; ++n) {
    if (n != 32) expectedOrder.push_back(n);
  }
  expectedOrder.push_back(kParamFeedCondition);  // the feed's thermal condition last
  // Lines 11..13 then, after the tray kind on line 14, lines 15..36.
  std::size_t at = 11;
  for (int n : expectedOrder) {
    if (at == 14) ++at;
    ASSERT_LT(at, placed.size());
    EXPECT_EQ(placed[at].text,
              u"       " + data.ParamCaption[n] + u"    " + DecimalText(n) + u".5")
        << "parameter " << n;
    ++at;
  }
  EXPECT_EQ(at, placed.size());
  // The captions are stored 64 characters wide: the typed text starts at column 75.
  EXPECT_EQ(placed[11].text.substr(75), u"16.5");
}

TEST(PrintReportFrame, TrayKindLineTestsTrayTypeFirst) {
  struct Case {
    std::int32_t trayType;
    float area;
    std::u16string expected;
  };
  const Case cases[] = {
      {kBubbleCapTrays, 1.0f, u"                                    ТАРЕЛКИ КОЛПАЧКОВЫЕ"},
      {kTraysWithoutCaps, 1.0f, u"                                    ТАРЕЛКИ ПРОВАЛЬНЫЕ"},
      {kTraysWithoutCaps, 0.9999f, u"                              ТАРЕЛКИ СИТЧАТЫЕ ИЛИ КЛАПАННЫЕ"},
  };
  for (const Case& c : cases) {
    DesignData data = FrameData();
    data.TrayType = c.trayType;
    data.ParamValue[kParamAreaRatio] = c.area;
    const std::vector<PlacedText> placed = Placed(Framed(data));
    ASSERT_EQ(placed.size(), 37u);
    EXPECT_EQ(placed[14].line, 20);
    EXPECT_EQ(placed[14].text, c.expected) << c.trayType << " " << c.area;
  }
}

// A longer name takes five of the leading blanks for its five more characters.
TEST(PrintReportFrame, NameOfFortyCharactersIsFollowedDirectlyByTheDate) {
  const std::u16string forty(40, u'Щ');
  const std::u16string longer = forty + u"ЖЖЖЖЖ";
  for (const std::u16string& name : {forty, longer}) {
    DesignData data = FrameData();
    data.StudentName = name;
    EXPECT_EQ(Placed(Framed(data))[0].text,
              std::u16string(65 - name.size(), u' ') + name + kDate + std::u16string(26, u' '))
        << name.size();
  }
}

TEST(PrintReportFrame, PrintsEquilibriumTextsAsTyped) {
  DesignData data = FrameData();
  data.EqXText[2] = u"???";
  data.EqYText[2] = u"???";
  data.EqXText[5] = std::u16string(33, u'7');  // longer than its column: the Y part runs on
  const std::vector<PlacedText> placed = Placed(Framed(data));
  EXPECT_EQ(placed[5].text,
            u"       X[2] /мольн.д/ =???" + std::u16string(27, u' ') + u"Y[2] /мольн.д/ =???");
  EXPECT_EQ(placed[8].text,
            u"       X[5] /мольн.д/ =" + std::u16string(33, u'7') + u"Y[5] /мольн.д/ =0.7");
}

}  // namespace
}  // namespace rc
