#include "report/surface.h"

#include <gtest/gtest.h>

#include "report/printed_report_lines.h"
#include "support/recording_toolkit.h"

namespace rc {
namespace {

TEST(Surface, PrintDrawsAtThePenAndMovesToTheNextLine) {
  Surface s;
  s.SetLineHeight(195);
  s.CurrentX = 1500;
  s.CurrentY = 100;
  s.FontBold = true;
  s.ForeColor = kRed;
  s.Print(u"ПЕРВАЯ");
  EXPECT_EQ(s.CurrentX, 0);
  EXPECT_EQ(s.CurrentY, 295);
  s.Print();  // an empty line draws nothing but still moves the pen
  EXPECT_EQ(s.CurrentY, 490);
  ASSERT_EQ(s.Ops().size(), 1u);
  const DrawOp& op = s.Ops()[0];
  EXPECT_EQ(op.text, u"ПЕРВАЯ");
  EXPECT_EQ(op.x1, 1500);
  EXPECT_EQ(op.y1, 100);
  EXPECT_TRUE(op.bold);
  EXPECT_EQ(op.colour, kRed);
}

TEST(Surface, ClsErasesAndResetsThePen) {
  Surface s;
  s.Line(0, 0, 10, 10, kBlue);
  s.CurrentX = 5;
  s.CurrentY = 7;
  const auto before = s.Revision();
  s.Cls();
  EXPECT_TRUE(s.Ops().empty());
  EXPECT_EQ(s.CurrentX, 0);
  EXPECT_EQ(s.CurrentY, 0);
  EXPECT_NE(s.Revision(), before);
}

TEST(Surface, PrinterTextPastThePageBottomContinuesOnANewPage) {
  Surface s;
  s.SetLineHeight(200);
  s.SetPageHeight(1000);
  for (int i = 0; i < 7; ++i) {
    s.CurrentX = 1000;
    s.Print(u"строка");
  }
  ASSERT_EQ(s.Pages().size(), 2u);
  EXPECT_EQ(s.Pages()[0].ops.size(), 5u);
  EXPECT_EQ(s.Pages()[1].ops[0].y1, 0);
  EXPECT_EQ(s.Pages()[1].ops[0].x1, 1000);  // the pen's x survives the page break
  EXPECT_EQ(s.Texts().size(), 7u);
}

// A line too long for the page goes on below from the same left edge, every character
// kept in order, and the pieces still break onto a new page at the bottom.
TEST(Surface, PrinterLineTooWideForThePageContinuesOnTheNextLine) {
  Surface s;
  s.SetLineHeight(200);
  s.SetPageHeight(1000);
  s.SetPageWidth(2000, 100);  // 10 characters from x 1000
  s.CurrentY = 600;
  s.CurrentX = 1000;
  const std::u16string text = u"абвгдеёжзийклмнопрстуфхцчшщ";  // 27 characters
  s.Print(text);
  ASSERT_EQ(s.Pages().size(), 2u);
  const std::vector<std::u16string> pieces = s.Texts();
  ASSERT_EQ(pieces.size(), 3u);
  EXPECT_EQ(pieces[0] + pieces[1] + pieces[2], text);
  EXPECT_EQ(pieces[0].size(), 10u);
  EXPECT_EQ(s.Pages()[0].ops[1].y1, 800);
  const DrawOp& last = s.Pages()[1].ops[0];
  EXPECT_EQ(last.x1, 1000);
  EXPECT_EQ(last.y1, 0);
  EXPECT_EQ(s.CurrentX, 0);
  EXPECT_EQ(s.CurrentY, 200);

  // Blanks past the edge hide nothing: such a line is drawn whole, on one line.
  s.CurrentX = 1000;
  s.Print(u"0123456789" + std::u16string(20, u' '));
  EXPECT_EQ(s.Texts().back().size(), 30u);
  EXPECT_EQ(s.CurrentY, 400);
}

// A block of known height goes to a new page only when it would pass the page's bottom,
// and never from the top of a page, where it would fit on no page.
TEST(Surface, ABlockStartsANewPageOnlyWhenItDoesNotFitUnderThePen) {
  struct Case {
    double page, pen, height;
    bool fits;
    std::size_t pages;
    double penAfter;
  };
  for (const Case c : {Case{10000, 5000, 5000, true, 1, 5000},  // ends on the bottom edge
                       Case{10000, 5000, 5001, false, 2, kContinuedPageTop},
                       Case{10000, kContinuedPageTop, 20000, false, 1, kContinuedPageTop},
                       Case{10000, kContinuedPageTop + 1, 20000, false, 2, kContinuedPageTop},
                       Case{0, 5000, 1e6, true, 1, 5000}}) {  // a window
    SCOPED_TRACE(testing::Message() << c.page << " " << c.pen << " " << c.height);
    Surface s;
    s.SetPageHeight(c.page);
    s.CurrentY = c.pen;
    EXPECT_EQ(s.FitsOnPage(c.height), c.fits);
    NewPageUnlessFits(s, c.height);
    EXPECT_EQ(s.Pages().size(), c.pages);
    EXPECT_EQ(s.CurrentY, c.penAfter);
  }
}

TEST(RoundTwips, RoundsHalvesToEvenAndSaturates) {
  EXPECT_EQ(RoundTwips(1474.5), 1474);
  EXPECT_EQ(RoundTwips(1475.5), 1476);
  EXPECT_EQ(RoundTwips(-0.5), 0);
  EXPECT_EQ(RoundTwips(1e9), 32767);
  EXPECT_EQ(RoundTwips(-1e9), -32768);
}

}  // namespace
}  // namespace rc
