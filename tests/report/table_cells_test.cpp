// The copied tables' two flavours and the cells of the reflux study, refusals and the
// program's decimal separator included.
#include "report/table_cells.h"

#include <gtest/gtest.h>

#include "report/reflux_texts.h"

namespace rc {
namespace {

TEST(TableCells, TabTextAndHtmlHoldEveryCellOnceInItsPlace) {
  const CellTable table{{u"N", u"R <мин>"}, {{u"1", u"2,5000"}, {u"2", u"a\tb & c"}}};
  EXPECT_EQ(TableAsTabText(table), u"N\tR <мин>\n1\t2,5000\n2\ta b & c\n");
  const std::u16string html = TableAsHtml(table);
  EXPECT_NE(html.find(u"<tr><th>N</th><th>R &lt;мин&gt;</th></tr>\n"
                      u"<tr><td align=\"right\">1</td><td align=\"right\">2,5000</td></tr>\n"
                      u"<tr><td align=\"right\">2</td><td>a b &amp; c</td></tr>\n</table>"),
            std::u16string::npos)
      << std::string(html.begin(), html.end());
  EXPECT_EQ(html.rfind(u"<meta charset=\"utf-8\">", 30), 12u);
}

TEST(TableCells, TheNoteCountsTheRowsInRussian) {
  EXPECT_EQ(TableCopiedText(1), u"Таблица скопирована: 1 строка");
  EXPECT_EQ(TableCopiedText(3), u"Таблица скопирована: 3 строки");
  EXPECT_EQ(TableCopiedText(11), u"Таблица скопирована: 11 строк");
  EXPECT_EQ(TableCopiedText(18), u"Таблица скопирована: 18 строк");
  EXPECT_EQ(TableCopiedText(22), u"Таблица скопирована: 22 строки");
  EXPECT_EQ(TableCopiedText(71), u"Таблица скопирована: 71 строка");
  EXPECT_EQ(TableCopiedText(112), u"Таблица скопирована: 112 строк");
}

TEST(TableCells, TheRefluxStudysRefusedPointsReadAsTheWindowSaysThem) {
  RefluxSweep sweep;
  sweep.points[0] = {1.25f, RefluxPoint::Outcome::TooManyTrays, 0, std::nullopt, 0};
  sweep.points[1] = {1.375f, RefluxPoint::Outcome::Refused, 0, std::nullopt, 0};
  sweep.points[2] = {2.5f, RefluxPoint::Outcome::Completed, 15, 7, 52.5f};
  sweep.points[3] = {2.625f, RefluxPoint::Outcome::Completed, 14, std::nullopt, 50.75f};
  const CellTable cells = RefluxSweepCells(sweep, u',');
  EXPECT_EQ(cells.heading, (CellRow{u"R", u"N", u"ТАРЕЛКА ПИТАНИЯ", u"N·(R+1)"}));
  ASSERT_EQ(cells.rows.size(), sweep.points.size());
  EXPECT_EQ(cells.rows[0], (CellRow{u"1,2500", u">120", u"", u""}));
  EXPECT_EQ(cells.rows[1], (CellRow{u"1,3750", u"ОШИБКА", u"", u""}));
  EXPECT_EQ(cells.rows[2], (CellRow{u"2,5000", u"15", u"7", u"52,50"}));
  EXPECT_EQ(cells.rows[3], (CellRow{u"2,6250", u"14", u"", u"50,75"}));
}

}  // namespace
}  // namespace rc
