// Into the student's write-up: the results tables copied as the windows show them (the
// runner's files check every table against the transcript), the plots saved or copied as
// their pages print them, and the new buttons in their windows' rows.
#include <gtest/gtest.h>

#include "report/diagram_report.h"
#include "report/printed_reports.h"
#include "report/tray_profile.h"
#include "support/design_fixtures.h"
#include "support/ui_driver.h"
#include "ui/export_actions.h"
#include "ui/file_message.h"
#include "ui/form16.h"

namespace rc::ui_test {
namespace {

std::vector<std::u16string> Split(const std::u16string& text, char16_t at) {
  std::vector<std::u16string> parts{{}};
  for (const char16_t c : text) {
    if (c == at) {
      parts.emplace_back();
    } else {
      parts.back().push_back(c);
    }
  }
  return parts;
}

// The copied table's lines as cells; the text ends with a line break.
std::vector<CellRow> Lines(const std::u16string& tabText) {
  std::vector<CellRow> lines;
  for (const std::u16string& line : Split(tabText, u'\n')) lines.push_back(Split(line, u'\t'));
  EXPECT_TRUE(lines.back() == CellRow{u""}) << "no line break after the last row";
  lines.pop_back();
  return lines;
}

CellRow NonEmpty(CellRow cells) {
  std::erase(cells, std::u16string());
  return cells;
}

struct ExportTest : SessionTest {
  const RecordingToolkit::CopiedTable& Copy(const Control& button) {
    const std::size_t before = kit.copiedTables.size();
    Click(app, button);
    EXPECT_EQ(kit.copiedTables.size(), before + 1);
    return kit.copiedTables.back();
  }
};

TEST_F(ExportTest, TheResultsMenuCopiesTheNumbersItShowsWithTheProgramsSeparator) {
  kit.decimalSeparator = u',';
  Form7& menu = OpenMenu(BenzeneTolueneBubbleCap());
  EXPECT_FALSE(menu.copyButton.visible);
  Click(app, menu.kineticLineButton);
  ASSERT_TRUE(menu.copyButton.visible);
  EXPECT_EQ(menu.copyButton.shortcut, "Ctrl+C");

  // The window's rows "i v v v v", three tables of six points: a point's row of cells
  // is its number and the twelve values in the tables' order.
  std::vector<CellRow> shown(6);
  for (const std::u16string& text : menu.surface().Texts()) {
    const CellRow cells = CellsOfLine(text);
    if (cells.size() == 5 && cells[0].size() == 1 && cells[0][0] >= u'1' && cells[0][0] <= u'6') {
      CellRow& row = shown[static_cast<std::size_t>(cells[0][0] - u'1')];
      if (row.empty()) row.push_back(cells[0]);
      row.insert(row.end(), cells.begin() + 1, cells.end());
    }
  }
  const auto& kinetic = Copy(menu.copyButton);
  const std::vector<CellRow> lines = Lines(kinetic.tabText);
  ASSERT_EQ(lines.size(), 7u);
  EXPECT_EQ(lines[0].size(), 13u);
  EXPECT_EQ(lines[0][0], u"N");
  for (std::size_t i = 0; i < 6; ++i) {
    EXPECT_EQ(shown[i].size(), 13u);
    EXPECT_EQ(lines[i + 1], shown[i]);
  }
  const std::u16string points = kinetic.tabText.substr(kinetic.tabText.find(u'\n'));
  EXPECT_NE(points.find(u','), std::u16string::npos);
  EXPECT_EQ(points.find(u'.'), std::u16string::npos);
  EXPECT_EQ(kit.notes.back(), u"Таблица скопирована: 6 строк");
  EXPECT_NE(kinetic.html.find(u"<th>N</th>"), std::u16string::npos);
  EXPECT_NE(kinetic.html.find(u"<td align=\"right\">" + shown[5][12] + u"</td></tr>"), std::u16string::npos);
}

TEST_F(ExportTest, TheDiagramsPictureIsItsPrintedPlotSavedInTheFolderLastUsed) {
  DesignData data = BenzeneTolueneBubbleCap();
  data.StudentName = u"Петров";
  Form7& menu = OpenMenu(data);
  Click(app, menu.trayByTrayButton);
  Click(app, menu.diagramButton);
  Form11& window = Loaded<Form11>(app);

  // The tray profile: each row of the window's list, "*" on the feed tray.
  const Control& list = window.control("List1");
  const std::vector<CellRow> profile = Lines(Copy(window.copyTableButton).tabText);
  ASSERT_EQ(profile.size(), list.items.size() + 1);
  for (std::size_t i = 0; i < list.items.size(); ++i) {
    EXPECT_EQ(NonEmpty(profile[i + 1]), CellsOfLine(list.items[i]));
  }

  // The picture: the printed page's drawing between its title and the profile, from the
  // plot's top, as wide as the page.
  Click(app, window.printButton);
  const std::vector<std::u16string> page = PageTexts(kit.printed.back().pages);
  const auto title = std::find(page.begin(), page.end(), kDiagramReportTitle);
  const auto profileTitle = std::find(page.begin(), page.end(), kTrayProfileTitle);
  ASSERT_TRUE(title != page.end() && profileTitle != page.end());
  kit.RememberFolder(u"/home/student/отчет");
  kit.picturePaths.push_back(u"/home/student/отчет/d.svg");
  Click(app, window.savePictureButton);
  EXPECT_EQ(kit.proposedPicturePaths.back(), u"/home/student/отчет/диаграмма-y-x.svg");
  ASSERT_EQ(kit.pictures.count(u"/home/student/отчет/d.svg"), 1u);
  const PlotPicture& picture = kit.pictures.at(u"/home/student/отчет/d.svg");
  Surface drawn;
  for (const DrawOp& op : picture.ops) {
    if (op.kind == DrawOp::Kind::Text) drawn.TextAt(op.x1, op.y1, op.text, op.colour);
  }
  EXPECT_EQ(drawn.Texts(), std::vector<std::u16string>(title + 1, profileTitle));
  EXPECT_EQ(picture.widthTwips, 10200);
  EXPECT_GT(picture.heightTwips, kPlotPageTopGap + 7800 + kPlotUnderArea);
  EXPECT_LT(picture.heightTwips, 10000);
  EXPECT_EQ(picture.font.name, kReportFontName);

  Click(app, window.copyPictureButton);
  EXPECT_EQ(window.copyPictureButton.shortcut, "Ctrl+Shift+C");
  ASSERT_EQ(kit.copiedPictures.size(), 1u);
  EXPECT_EQ(kit.copiedPictures[0].ops.size(), picture.ops.size());

  // The reflux study: one row per ratio; its picture named for it.
  Click(app, *window.ViewButtons()[1]);
  const std::vector<CellRow> reflux = Lines(Copy(window.copyTableButton).tabText);
  EXPECT_EQ(reflux[0], (CellRow{u"R", u"N", u"ТАРЕЛКА ПИТАНИЯ", u"N·(R+1)"}));
  EXPECT_EQ(reflux.size(), 72u);
  EXPECT_EQ(reflux[11][0], u"2.5000");  // the student's own R
  EXPECT_EQ(reflux[11][1], DecimalText(app.runs().trayByTray->TotalTrays()));
  Click(app, window.savePictureButton);  // cancelled
  EXPECT_EQ(kit.proposedPicturePaths.back(), u"/home/student/отчет/флегмовое-число.svg");
  EXPECT_EQ(kit.pictures.size(), 1u);
}

TEST_F(ExportTest, APictureThatCannotBeWrittenIsSaidAndNothingIsKept) {
  Form7& menu = OpenMenu(BenzeneTolueneSieve());
  Click(app, menu.diagramButton);
  Form11& window = Loaded<Form11>(app);
  kit.writeFailure = u"в папке нельзя создать файл (нет прав на запись?)";
  kit.picturePaths.push_back(u"/только-чтение/рисунок.png");
  Click(app, window.savePictureButton);
  EXPECT_TRUE(kit.pictures.empty());
  FileMessage& message = Loaded<FileMessage>(app);
  EXPECT_EQ(message.statement.caption, kPictureNotSaved);
  EXPECT_EQ(message.fileName.caption, u"«рисунок.png»");
  EXPECT_EQ(message.reason.caption, kit.writeFailure);
  // A profile not computed yet has no rows to copy: the clipboard is left alone.
  const int beeps = kit.beeps;
  Click(app, window.copyTableButton);
  EXPECT_TRUE(kit.copiedTables.empty());
  EXPECT_EQ(kit.beeps, beeps + 1);
}

TEST_F(ExportTest, TheStudyCopiesTheRowsItShowsAndSavesItsPlots) {
  Form7& menu = OpenMenu(BenzeneTolueneSieve());
  Click(app, menu.trayByTrayButton);
  Click(app, menu.studyButton);
  Form16& study = Loaded<Form16>(app);
  const std::vector<CellRow> points = Lines(Copy(study.copyTableButton).tabText);
  ASSERT_EQ(points.size(), study.Study().points.size() + 1);
  EXPECT_EQ(points[0][1], u"N");
  for (std::size_t k = 0; k < study.pointList.items.size(); ++k) {
    EXPECT_EQ(NonEmpty(points[k + 1]), CellsOfLine(study.pointList.items[k]));
  }
  kit.picturePaths.push_back(u"/home/student/s.png");
  Click(app, study.savePictureButton);
  EXPECT_EQ(kit.pictures.count(u"/home/student/s.png"), 1u);
}

// Every visible control of the windows with the new buttons inside its window and clear
// of every other.
TEST_F(ExportTest, TheNewButtonsFitTheirWindowsRowsCoveringNothing) {
  Form7& menu = OpenMenu(BenzeneTolueneSieve());
  Click(app, menu.trayByTrayButton);
  Click(app, menu.diagramButton);
  std::vector<Window*> windows{&menu, &Loaded<Form11>(app)};
  Click(app, menu.studyButton);
  windows.push_back(&Loaded<Form16>(app));
  for (Window* w : windows) {
    SCOPED_TRACE(w->Name());
    std::vector<const Control*> shown;
    for (const auto& c : w->Controls()) {
      if (c->visible) shown.push_back(c.get());
    }
    for (const Control* c : shown) {
      EXPECT_TRUE(c->left >= 0 && c->top >= 0 && c->left + c->width <= w->width &&
                  c->top + c->height <= w->height)
          << c->name;
      for (const Control* d : shown) {
        if (c < d) {
          const bool apart = c->left + c->width <= d->left || d->left + d->width <= c->left ||
                             c->top + c->height <= d->top || d->top + d->height <= c->top;
          EXPECT_TRUE(apart) << c->name << " " << d->name;
        }
      }
    }
  }
}

}  // namespace
}  // namespace rc::ui_test
