// Whole student sessions through the windows, typed as a student types them: from the
// start screen to the results menu for each benzene-toluene column, both calculations
// and their reports, and round trips through the full correction window. The results
// shown and printed are compared with the calculations and reports run directly on the
// same data. And the student's data saved to a file and opened again, through the
// windows: a typed session and the same data opened from its file show the same rows and
// results; a bad file leaves everything as it was; the end question knows what has been
// saved.
#include <algorithm>

#include "calc/calculations.h"
#include "report/date_text.h"
#include "report/printed_reports.h"
#include "report/table_texts.h"
#include "support/ui_driver.h"

namespace rc::ui_test {
namespace {

using Column = NamedDesign;
constexpr const auto& kColumns = kBenzeneTolueneColumns;

class StudentSession : public ::testing::TestWithParam<Column>, protected Session {
 protected:
  DesignData typed = GetParam().make();

  void TypeToResultsMenu() { ui_test::TypeToResultsMenu(app, kit, typed); }

  Window& Shown(const std::string& name) { return ui_test::Shown(app, name); }
  // The results menu's shown buttons.
  std::string MenuShows() { return ShownControls(Shown("Form7")); }
  // The last text the results menu drew: the summary line after a tray-by-tray table.
  DrawOp LastDrawn() {
    const auto& ops = Shown("Form7").surface().Ops();
    return ops.empty() ? DrawOp{} : ops.back();
  }

  // The report printing gives after the calculation has run directly on `data`.
  std::vector<std::u16string> ExpectedReport(DesignData data, bool kinetic) {
    Surface printer;
    printer.SetLineHeight(kit.lineHeight);
    printer.SetPageHeight(kit.pageHeight);
    const std::u16string dateTime = DateTimeText(kit.shortDate, kit.time, kit.today);
    if (kinetic) {
      const KineticLineRun run = Compute(RunKineticLine, data);
      EXPECT_FALSE(run.refusal.has_value());
      PrintKineticReport(printer, data, run, dateTime, u'.');
    } else {
      const TrayByTrayRun run = Compute(RunTrayByTray, data);
      EXPECT_FALSE(run.refusal.has_value());
      PrintTrayReport(printer, data, run, dateTime, u'.');
    }
    return PageTexts(printer.Pages());
  }

  // The print button: one more document, which is returned as its texts.
  std::vector<std::u16string> PrintNow() {
    const std::size_t before = kit.printed.size();
    Click(app, Loaded<Form7>(app).printButton);
    if (kit.printed.size() != before + 1) {
      ADD_FAILURE() << "nothing printed";
      return {};
    }
    return PageTexts(kit.printed.back().pages);
  }

  // The tray-by-tray table's last line as the results menu shows it for `data`.
  static std::u16string ExpectedSummary(DesignData data) {
    const TrayByTrayRun outcome = Compute(RunTrayByTray, data);
    EXPECT_FALSE(outcome.refusal.has_value());
    return TraySummaryText(outcome.TotalTrays(), data.FeedTray);
  }
  static KineticPointArrays::Column ExpectedKineticLine(DesignData data) {
    EXPECT_FALSE(Compute(RunKineticLine, data).refusal.has_value());
    return data.KineticPoints.KineticY;
  }
};

TEST_P(StudentSession, TypedFromTheStartScreenComputesAndPrintsBothResults) {
  TypeToResultsMenu();
  EXPECT_EQ(kit.prompts.size(), 1u + 16u + 3u + 22u);
  EXPECT_EQ(kit.unansweredPrompts, 0);
  EXPECT_EQ(kit.beeps, 0);
  ASSERT_EQ(VisibleNames(app), std::vector<std::string>{"Form7"});
  EXPECT_EQ(MenuShows(), "Command1 Command2 Command3 Command4 Command6 Command7 Command8 Command9");

  // The windows stored exactly what was typed.
  const DesignData& data = app.data();
  EXPECT_EQ(std::tie(data.TrayType, data.EqXText, data.EqYText, data.EqX, data.EqY),
            std::tie(typed.TrayType, typed.EqXText, typed.EqYText, typed.EqX, typed.EqY));
  for (int n = kParamXW; n <= 40; ++n) {
    if (n == kParamTrayTypeSlot) continue;
    EXPECT_EQ(data.ParamText[n], typed.ParamText[n]) << n;
    EXPECT_EQ(data.ParamValue[n], typed.ParamValue[n]) << n;
  }

  Click(app, Loaded<Form7>(app).kineticLineButton);
  EXPECT_EQ(data.KineticPoints.KineticY, ExpectedKineticLine(typed));
  // A completed calculation hides nothing and offers printing.
  EXPECT_EQ(MenuShows(), "Command1 Command2 Command3 Command4 Command5 Command6 Command7 Command8 Command9 Command10");
  const auto kineticReport = PrintNow();
  EXPECT_EQ(kineticReport, ExpectedReport(typed, true));
  ASSERT_GT(kineticReport.size(), 1u);
  EXPECT_NE(kineticReport[1].find(u"РАСЧЕТ КИНЕТИЧЕСКОЙ ЛИНИИ РЕКТИФИКАЦИИ"), std::u16string::npos);

  Click(app, Loaded<Form7>(app).trayByTrayButton);
  const DrawOp summary = LastDrawn();
  EXPECT_EQ(summary.text, ExpectedSummary(typed));
  EXPECT_NE(summary.text.find(u"НОМЕР ТАРЕЛКИ ПИТАНИЯ"), std::u16string::npos);
  EXPECT_TRUE(summary.bold);
  EXPECT_EQ(MenuShows(), "Command1 Command2 Command3 Command4 Command5 Command6 Command7 Command8 Command9 Command10");
  const auto trayReport = PrintNow();
  EXPECT_EQ(trayReport, ExpectedReport(typed, false));
  EXPECT_TRUE(Contains(trayReport, u"       " + typed.ParamCaption[19] + u"    2.5"));
}

TEST_P(StudentSession, CorrectionsFromTheResultsMenuRecomputeAndReprintWithTheNewData) {
  TypeToResultsMenu();
  Click(app, Loaded<Form7>(app).trayByTrayButton);
  DesignData expected = typed;

  // Round 1 redoes the tray-by-tray calculation; round 2, after the kinetic line has
  // been shown, redoes the kinetic line.
  struct Round {
    std::u16string reflux, pairX, pairY;
    bool kinetic;
  };
  const Round rounds[] = {{u"3", u"0.55", u"0.76", false}, {u"4,5", u"0.55", u"0.7458", true}};
  for (const Round& round : rounds) {
    SCOPED_TRACE(round.kinetic ? "kinetic line" : "tray by tray");
    if (round.kinetic) Click(app, Loaded<Form7>(app).kineticLineButton);
    const std::vector<std::u16string> shownBefore = Shown("Form7").surface().Texts();

    Click(app, Loaded<Form7>(app).changeButton);
    ASSERT_EQ(VisibleNames(app), std::vector<std::string>{"Form9"});
    CorrectRow(Loaded<Form9>(app), 12, {round.reflux});  // parameter 19, the reflux ratio
    CorrectRow(Loaded<Form9>(app), 4, {round.pairX, round.pairY});   // equilibrium point 4 keeps its place
    EXPECT_EQ(Loaded<Form9>(app).endOfCorrectionsButton.backColor, kGreen);
    Click(app, Loaded<Form9>(app).endOfCorrectionsButton);
    EXPECT_EQ(kit.unansweredPrompts, 0);

    SetParameter(expected, 19, round.reflux);
    SetEquilibriumPoint(expected, 4, round.pairX, round.pairY);
    EXPECT_EQ(FindWindow(app, "Form9"), nullptr);  // closed behind the results
    Window& menu = Shown("Form7");
    EXPECT_NE(menu.surface().Texts(), shownBefore);
    if (round.kinetic) {
      EXPECT_EQ(app.data().KineticPoints.KineticY, ExpectedKineticLine(expected));
    } else {
      EXPECT_EQ(LastDrawn().text, ExpectedSummary(expected));
    }
    const auto report = PrintNow();
    EXPECT_EQ(report, ExpectedReport(expected, round.kinetic));
    EXPECT_TRUE(Contains(report, u"       " + typed.ParamCaption[19] + u"    " +
                                     expected.ParamText[19]));
  }
}

constexpr auto ByName = [](const auto& info) { return std::string(info.param.name); };
INSTANTIATE_TEST_SUITE_P(BenzeneToluene, StudentSession, ::testing::ValuesIn(kColumns), ByName);

const std::u16string kFolder = u"/home/student/Документы";
const std::u16string kSaved = kFolder + u"/Иванов-2026-12-07.rcol";

// What a session shows: the full correction list, then both result tables.
struct Shows {
  std::vector<std::u16string> rows, kinetic, trays;
};

// From the full correction window: its rows, its end of corrections, both calculations.
Shows ShowsFromForm9(Application& app) {
  Shows shows;
  shows.rows = Shown(app, "Form9").control("List1").items;
  Click(app, Loaded<Form9>(app).endOfCorrectionsButton);
  Click(app, Loaded<Form7>(app).kineticLineButton);
  shows.kinetic = Shown(app, "Form7").surface().Texts();
  Click(app, Loaded<Form7>(app).trayByTrayButton);
  shows.trays = Shown(app, "Form7").surface().Texts();
  return shows;
}

class DataFileRoundTrip : public ::testing::TestWithParam<Column> {};

TEST_P(DataFileRoundTrip, OpenedDataShowTheRowsAndResultsOfTheTypedSession) {
  const DesignData typed = GetParam().make();
  RecordingToolkit kit;
  Shows typedShows;
  {
    Application app(kit);
    TypeToResultsMenu(app, kit, typed, true);
    ASSERT_EQ(VisibleNames(app), std::vector<std::string>{"Form7"});
    kit.savePaths.push_back(kSaved);
    Click(app, Loaded<Form7>(app).saveButton);
    EXPECT_EQ(kit.proposedSavePaths, std::vector<std::u16string>{kSaved});
    // A correction round trip: the reflux ratio typed again as it was.
    Click(app, Loaded<Form7>(app).changeButton);
    kit.Answer(WithComma(typed.ParamText[19]));
    ClickRow(app, Loaded<Form9>(app), 12);
    typedShows = ShowsFromForm9(app);
    // The end: the data were saved and not changed, so nothing is asked.
    Shown(app, "Form7").CloseByUser();
    EXPECT_TRUE(app.Ended());
    EXPECT_EQ(FindWindow(app, "EndConfirmation"), nullptr);
  }
  ASSERT_EQ(kit.files.count(kSaved), 1u);
  const std::string& file = kit.files[kSaved];
  EXPECT_EQ(file.rfind("# rectification ", 0), 0u) << file;
  EXPECT_NE(file.find("\nx0 = " + ToUtf8(WithComma(typed.EqXText[0])) + "\n"), std::string::npos)
      << file;
  EXPECT_NE(file.find(typed.TrayType == kBubbleCapTrays ? "trays = bubble-cap" : "trays = no-caps"),
            std::string::npos);

  RecordingToolkit reopened;
  reopened.files = kit.files;
  reopened.openPaths.push_back(kSaved);
  Application app(reopened);
  StartProgram(app);
  Click(app, Loaded<Form1>(app).openButton);
  EXPECT_EQ(reopened.openFolders, std::vector<std::u16string>{kFolder});
  EXPECT_TRUE(reopened.prompts.empty()) << "the file has a name: nothing is asked";
  ASSERT_EQ(VisibleNames(app), std::vector<std::string>{"Form9"});
  EXPECT_EQ(app.data().StudentName, typed.StudentName);
  const Shows openedShows = ShowsFromForm9(app);
  EXPECT_EQ(openedShows.rows, typedShows.rows);
  EXPECT_EQ(openedShows.kinetic, typedShows.kinetic);
  EXPECT_EQ(openedShows.trays, typedShows.trays);
  EXPECT_EQ(reopened.beeps, kit.beeps);
}

INSTANTIATE_TEST_SUITE_P(Columns, DataFileRoundTrip, ::testing::ValuesIn(kColumns), ByName);

using DataFileOpen = SessionTest;
using DataFileSave = SessionTest;

// Every kind of bad file, opened from the start screen while an earlier run's data are
// still held: one message naming the file and the line, and nothing changed.
TEST_F(DataFileOpen, ABadFileIsNamedWithItsFaultAndChangesNothing) {
  const std::string good = "name = петров\ntrays = no-caps\nx1 = 0,1\n";
  struct Case {
    const char* label;
    std::optional<std::string> bytes;  // nullopt: the file has vanished
    std::u16string reason;
  } const cases[] = {
      {"not UTF-8", good + "name2 = \xFF\xFE\n", u"строка 4: текст не в кодировке UTF-8"},
      {"overlong UTF-8", "name = \xC0\xAF\n", u"строка 1: текст не в кодировке UTF-8"},
      {"binary", std::string("\x7F" "ELF\x02\x01\x00\x00", 8), u"строка 1: это не текстовый файл"},
      {"unknown key", good + "x8 = 1\n", u"строка 4: неизвестное имя «x8»"},
      {"repeated key", good + "x1 = 0.2\n", u"строка 4: «x1» повторено"},
      {"no =", "trays = no-caps\nx1 0.1\n", u"строка 2: нет знака «=»"},
      {"long value", good + "p19 = " + std::string(100000, '5') + "\n",
       u"строка 4: слишком длинное значение «p19»"},
      {"no trays", "name = петров\n", u"не указан тип тарелок (trays)"},
      {"unknown trays", "trays = sieve\n", u"строка 1: тип тарелок: bubble-cap или no-caps"},
      {"open quote", "trays = no-caps\nname = \"петров\n", u"строка 2: кавычка не закрыта"},
      {"empty", "", u"в файле нет данных"},
      {"vanished", std::nullopt, u"файл не найден"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.label);
    Session r;
    const std::u16string path = kFolder + u"/вариант.rcol";
    if (c.bytes) r.kit.files[path] = *c.bytes;
    r.kit.openPaths.push_back(path);
    r.app.data() = BenzeneTolueneBubbleCap();
    StartProgram(r.app);
    Click(r.app, Loaded<Form1>(r.app).openButton);

    ASSERT_EQ(VisibleNames(r.app), (std::vector<std::string>{"Form1", "FileMessage"}));
    const FileMessage& message = Loaded<FileMessage>(r.app);
    EXPECT_EQ(std::tie(message.caption, message.statement.caption, message.fileName.caption,
                       message.reason.caption),
              std::make_tuple(u"Внимание !", u"Файл данных не открыт.", u"«вариант.rcol»", c.reason));
    const DesignData before = BenzeneTolueneBubbleCap();
    const DesignData& after = r.app.data();
    EXPECT_EQ(std::tie(after.StudentName, after.EqXText, after.ParamText.items, after.TrayType),
              std::tie(before.StudentName, before.EqXText, before.ParamText.items, before.TrayType));
    EXPECT_TRUE(r.kit.prompts.empty());

    // The program goes on where it was.
    Click(r.app, Loaded<FileMessage>(r.app).goOnButton);
    EXPECT_EQ(VisibleNames(r.app), std::vector<std::string>{"Form1"});
  }
}

// Faulty data open as typed faulty data do: on the fault display, the row marked, the
// error dialog up. A file without a name asks for one; the command line opens it.
TEST_F(DataFileOpen, FaultyDataFromTheCommandLineOpenOnTheFaultDisplay) {
  const std::u16string path = u"/tmp/вариант.rcol";
  // Point 3 lies under the diagonal; the points are given out of order.
  kit.files[path] =
      "x7 = 1\ny7 = 1\nx0 = 0\ny0 = 0\nx1 = 0,1\ny1 = 0,2105\nx2 = 0,25\ny2 = 0,4444\n"
      "x3 = 0,55\ny3 = 0,7458\nx4 = 0,4\ny4 = 0,35\nx5 = 0,7\ny5 = 0,8485\n"
      "x6 = 0,85\ny6 = 0,9315\nxw = 0,05\nxf = 0,44\nxp = 0,95\ntrays = bubble-cap\n";
  kit.Answer(u"сидоров хт-11");
  StartProgramWithFile(app, path);

  ASSERT_EQ(kit.prompts.size(), 1u);
  EXPECT_EQ(kit.prompts[0].title, u"ВВОД ФАМИЛИИ");
  EXPECT_EQ(app.data().StudentName, u"Сидоров Хт-11");
  ASSERT_EQ(VisibleNames(app), (std::vector<std::string>{"Form9", "Form10"}));
  Form9& form9 = Loaded<Form9>(app);
  const Control& marker = form9.faultMarker;
  EXPECT_TRUE(marker.visible);
  // Sorted, the faulty point is row 3.
  EXPECT_EQ(app.data().ErrorRow, 3);
  EXPECT_NE(marker.caption.find(u"0.4"), std::u16string::npos);
  EXPECT_NE(marker.caption.find(u"0.35"), std::u16string::npos);
  EXPECT_FALSE(form9.saveButton.visible);

  // "Да" returns to the list, whose rows are the opened data; the name just typed is
  // not saved, so closing asks.
  Click(app, Loaded<Form10>(app).yesButton);
  EXPECT_TRUE(form9.saveButton.visible);
  ASSERT_EQ(form9.list.items.size(), 35u);
  EXPECT_EQ(form9.list.items[3], marker.caption);
  form9.CloseByUser();
  EXPECT_FALSE(app.Ended());
  EXPECT_TRUE(Shown(app, "EndConfirmation").visible);
}

// The end question with its third button; a change after saving makes it ask again.
TEST_F(DataFileSave, TheEndQuestionOffersToSaveAndAsksAgainAfterAChange) {
  TypeToResultsMenu(app, kit, BenzeneTolueneSieve(), true);
  Shown(app, "Form7").CloseByUser();
  EndConfirmation& question = Loaded<EndConfirmation>(app);
  EXPECT_TRUE(question.visible);
  EXPECT_EQ(question.saveButton.caption, u"Сохранить");
  const int left[] = {question.yesButton.left, question.saveButton.left, question.noButton.left};
  EXPECT_TRUE(std::is_sorted(std::begin(left), std::end(left)));

  // A save that fails says so and keeps the program and its data.
  kit.writeFailure = u"нет места на диске";
  kit.savePaths.push_back(kSaved);
  Click(app, Loaded<EndConfirmation>(app).saveButton);
  EXPECT_FALSE(app.Ended());
  const FileMessage& message = Loaded<FileMessage>(app);
  EXPECT_EQ(std::tie(message.visible, message.statement.caption, message.reason.caption),
            std::make_tuple(true, u"Данные не сохранены.", u"нет места на диске"));
  Click(app, Loaded<FileMessage>(app).goOnButton);

  // Saved from the full correction window, then changed there: the question again.
  kit.writeFailure.clear();
  Click(app, Loaded<Form7>(app).changeButton);
  kit.savePaths.push_back(kSaved);
  Click(app, Loaded<Form9>(app).saveButton);
  ASSERT_EQ(kit.files.count(kSaved), 1u);
  CorrectRow(Loaded<Form9>(app), 12, {u"3,5"});  // the reflux ratio
  Shown(app, "Form9").CloseByUser();
  ASSERT_FALSE(app.Ended());
  kit.savePaths.push_back(kFolder + u"/второй.rcol");
  Click(app, Loaded<EndConfirmation>(app).saveButton);
  EXPECT_TRUE(app.Ended());
  EXPECT_NE(kit.files[kFolder + u"/второй.rcol"].find("p19 = 3,5\n"), std::string::npos);
}

}  // namespace
}  // namespace rc::ui_test
