// The variant runner played in-process on the example variants: the transcript's
// sections and key lines, the files it writes, and bad variant files.
#include "variant_run/variant_session.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QPointF>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <algorithm>
#include <map>
#include <regex>
#include <tuple>

#include "model/text.h"
#include "tool_files.h"
#include "support/recording_toolkit.h"
#include "support/ui_driver.h"
#include "ui/application.h"
#include "ui/program.h"
#include "ui/form1.h"
#include "ui/form3.h"
#include "ui/form5.h"
#include "ui/form7.h"

namespace rc {
namespace {

struct PlayedVariant {
  VariantRunResult result;
  std::vector<std::string> lines;  // transcript.txt
  QStringList files;
  std::map<QString, qint64> sizes;
};

// Each example variant is played once for the whole suite.
class VariantRun : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { dir_ = new QTemporaryDir; }
  static void TearDownTestSuite() {
    delete dir_;
    dir_ = nullptr;
    runs_.clear();
  }
  static const PlayedVariant& Play(const std::string& name) {
    return PlayFile(name, kVariants + "/" + name + ".txt");
  }
  // The played file's output folder.
  static QString OutDir(const std::string& name) {
    return dir_->filePath(QString::fromStdString(name));
  }
  // An example variant with lines added at its end, played under its own name.
  static const PlayedVariant& PlayWith(const std::string& variant, const std::string& name,
                                       const std::string& added) {
    const QString path = dir_->filePath(QString::fromStdString(name + ".txt"));
    QFile file(path);
    if (!file.exists() && file.open(QIODevice::WriteOnly)) {
      file.write(FileBytes(QString::fromStdString(kVariants + "/" + variant + ".txt")) +
                 QByteArray::fromStdString("\n" + added));
      file.close();
    }
    return PlayFile(name, path.toStdString());
  }
  static const PlayedVariant& PlayFile(const std::string& name, const std::string& path) {
    auto it = runs_.find(name);
    if (it != runs_.end()) return it->second;
    PlayedVariant run;
    const QString out = OutDir(name);
    run.result = RunVariantFile(path, out);
    QFile transcript(QDir(out).filePath(QStringLiteral("transcript.txt")));
    if (transcript.open(QIODevice::ReadOnly)) {
      for (const QByteArray& line : transcript.readAll().split('\n')) {
        run.lines.push_back(line.toStdString());
      }
      if (!run.lines.empty() && run.lines.back().empty()) run.lines.pop_back();
    }
    for (const QFileInfo& f : QDir(out).entryInfoList(QDir::Files, QDir::Name)) {
      run.files.append(f.fileName());
      run.sizes[f.fileName()] = f.size();
    }
    return runs_.emplace(name, std::move(run)).first->second;
  }
  // The lines of one section, without its heading.
  static std::vector<std::string> Section(const PlayedVariant& run, const std::string& heading) {
    std::vector<std::string> lines;
    auto it = std::find(run.lines.begin(), run.lines.end(), heading);
    if (it == run.lines.end()) return lines;
    for (++it; it != run.lines.end() && it->rfind("== ", 0) != 0; ++it) lines.push_back(*it);
    return lines;
  }
  static std::vector<std::string> Headings(const PlayedVariant& run) {
    std::vector<std::string> headings;
    for (const std::string& line : run.lines) {
      if (line.rfind("== ", 0) == 0) headings.push_back(line);
    }
    return headings;
  }
  static bool Contains(const std::vector<std::string>& lines, const std::string& text) {
    return std::any_of(lines.begin(), lines.end(),
                       [&](const std::string& l) { return l.find(text) != std::string::npos; });
  }

  static QTemporaryDir* dir_;
  static std::map<std::string, PlayedVariant> runs_;
};
QTemporaryDir* VariantRun::dir_ = nullptr;
std::map<std::string, PlayedVariant> VariantRun::runs_;

const std::vector<std::string> kAllSections = {"== kinetic",      "== report kinetic",
                                               "== tray-by-tray", "== tray profile",
                                               "== feed condition", "== report tray-by-tray",
                                               "== reflux sweep",
                                               "== column", "== operating window"};

// The transcript's lines with the clock in the reports' headers blotted out.
std::vector<std::string> WithoutTime(std::vector<std::string> lines) {
  static const std::regex kTime("\\d{1,2}:\\d{2}:\\d{2}");
  for (std::string& line : lines) line = std::regex_replace(line, kTime, "hh:mm:ss");
  return lines;
}

// The reflux study's rows: 71 reflux ratios, then "optimum k = K". Checks the columns
// of every row and returns the k of the smallest N*(R+1), -1 when none completed.
int SmallestVolumeOfTheSweep(const std::vector<std::string>& lines) {
  EXPECT_EQ(lines.size(), 72u);
  int best = -1;
  double bestVolume = 0;
  for (std::size_t k = 0; k + 1 < lines.size(); ++k) {
    const std::string& row = lines[k];
    EXPECT_EQ(row.size(), 34u) << row;
    if (row.size() != 34u) continue;
    const std::string trays = row.substr(10, 6);
    if (trays == "  >120" || trays == " ERROR") {
      EXPECT_EQ(row.substr(16), std::string(18, ' ')) << row;
      continue;
    }
    const double volume = std::stod(row.substr(22));
    EXPECT_NEAR(volume, std::stoi(trays) * (std::stod(row.substr(0, 10)) + 1), 0.01) << row;
    if (best < 0 || volume < bestVolume) {
      best = static_cast<int>(k);
      bestVolume = volume;
    }
  }
  return best;
}

// The sound example variants, one of each tray kind.
struct SoundVariant {
  const char* variant;
  const char* name;         // as the report frame writes it, in proper case
  const char* trayKind;     // a text of the report naming the tray kind
  const char* surfaceDrop;  // 4 * 0.021 / d0, in its 10 characters
  double spacing;           // p41
  double ends;              // p42 + p43
  bool flooding;            // dual-flow trays have no flooding chart
};
const SoundVariant kSoundVariants[] = {
    {"bubble-cap", "Иванов Иван Х-31", "КОЛПАЧКОВЫЕ", "       4.2", 0.5, 3.7, true},
    {"sieve", "Петрова Анна Х-32", "СИТЧАТЫЕ ИЛИ КЛАПАННЫЕ", "      16.8", 0.45, 3.0, true},
    {"dual-flow", "Сидоров Пётр Х-33", "ПРОВАЛЬНЫЕ", "      10.5", 0.4, 3.0, false},
};

TEST_F(VariantRun, SoundVariantsOfEveryTrayKindRunBothCalculationsAndPrintBoth) {
  for (const SoundVariant& c : kSoundVariants) {
    SCOPED_TRACE(c.variant);
    const PlayedVariant& run = Play(c.variant);
    EXPECT_EQ(run.result.status, kVariantRunDone) << run.result.message;
    EXPECT_EQ(Headings(run), kAllSections);
    const auto kinetic = Section(run, "== kinetic");
    const auto trays = Section(run, "== tray-by-tray");
    const auto kineticReport = Section(run, "== report kinetic");
    const auto trayReport = Section(run, "== report tray-by-tray");
    EXPECT_GT(kinetic.size(), 6u);
    EXPECT_FALSE(Contains(kinetic, "(hidden)"));
    EXPECT_TRUE(Contains(trays, "ОБЩЕЕ ЧИСЛО ТАРЕЛОК")) << "no summary line";
    // The reflux study's tenth ratio is the student's own: the column just computed.
    const auto sweep = Section(run, "== reflux sweep");
    const int optimum = SmallestVolumeOfTheSweep(sweep);
    ASSERT_GE(optimum, 0);
    EXPECT_EQ(sweep.back(), "optimum k = " + std::to_string(optimum));
    const std::string own = sweep[10];
    EXPECT_EQ(own.substr(0, 10), "    2.5000");
    EXPECT_TRUE(Contains(trays, "ОБЩЕЕ ЧИСЛО ТАРЕЛОК   =  " + std::to_string(std::stoi(own.substr(10, 6))) +
                                    "       НОМЕР ТАРЕЛКИ ПИТАНИЯ =  " +
                                    std::to_string(std::stoi(own.substr(16, 6)))))
        << own;
    // Numbers are written with a point, whatever the machine's regional settings.
    EXPECT_TRUE(Contains(kinetic, "0.")) << "no decimal point in the kinetic table";
    for (const auto* report : {&kineticReport, &trayReport}) {
      EXPECT_TRUE(Contains(*report, c.name));
      EXPECT_TRUE(Contains(*report, c.trayKind));
    }
    // The report prints the rows of the table the window shows, set in by three blanks.
    for (const std::string& row : kinetic) {
      if (!row.empty() && row[0] >= '1' && row[0] <= '6') {
        EXPECT_TRUE(Contains(kineticReport, "   " + row)) << row;
      }
    }
    // The tray profile: one line per tray, numbered from 1, the feed tray marked once.
    const auto profile = Section(run, "== tray profile");
    EXPECT_TRUE(Contains(trays, "ОБЩЕЕ ЧИСЛО ТАРЕЛОК   =  " + std::to_string(profile.size()) + " "));
    int feedRows = 0;
    for (std::size_t i = 0; i < profile.size(); ++i) {
      const std::string& row = profile[i];
      EXPECT_EQ(std::stoi(row.substr(0, 4)), static_cast<int>(i + 1)) << row;
      const bool feed = row.size() == 66 && row.substr(64) == " *";
      feedRows += feed;
      EXPECT_TRUE(feed || row.size() == 64) << row;
    }
    EXPECT_EQ(feedRows, 1);
    for (const char* file : {"transcript.txt", "form7-kinetic.png", "form7-tray-by-tray.png",
                             "report-kinetic.pdf", "report-tray-by-tray.pdf", "diagram-kinetic.png",
                             "diagram-tray-by-tray.png", "diagram.pdf", "reflux.png", "reflux.pdf"}) {
      EXPECT_TRUE(run.files.contains(QString::fromLatin1(file))) << file;
      EXPECT_GT(run.sizes.count(QString::fromLatin1(file)) ? run.sizes.at(QString::fromLatin1(file)) : 0, 1000)
          << file;
    }
  }
}

// The words of a line, as a copied table's cells or a transcript line's fields.
std::vector<std::string> Words(const std::string& line, char separator = ' ') {
  std::vector<std::string> words;
  std::string word;
  for (const char c : line + separator) {
    if (c == separator || (separator == ' ' && c == '\t')) {
      if (!word.empty()) words.push_back(word);
      word.clear();
    } else {
      word.push_back(c);
    }
  }
  return words;
}

bool IsNumber(const std::string& text) {
  static const std::regex kNumber(R"(-?[0-9]+(\.[0-9]+)?)");
  return std::regex_match(text, kNumber);
}

// A copied table's rows, each as its non-empty cells, the heading row first.
std::vector<std::vector<std::string>> TsvRows(const QString& path) {
  std::vector<std::vector<std::string>> rows;
  for (const QByteArray& line : FileBytes(path).split('\n')) {
    if (!line.isEmpty()) rows.push_back(Words(line.toStdString(), '\t'));
  }
  return rows;
}

// A transcript's fields as the window shows them: "ОШИБКА" for a refusal, ">120" past
// the tray limit.
std::vector<std::string> AsShown(std::vector<std::string> fields) {
  std::vector<std::string> shown;
  for (std::string& f : fields) {
    if (f == "ERROR") f = "ОШИБКА";
    if (f == ">120>120") f = ">120";
    shown.push_back(f);
  }
  return shown;
}

// The first number among a line's words (a column line's value), or "".
std::string FirstNumber(const std::vector<std::string>& words) {
  for (const std::string& w : words) {
    if (IsNumber(w)) return w;
  }
  return {};
}

// Every table the runner copied holds the numbers of the transcript's section of the same
// run, digit for digit: on the three tray kinds and a cold feed.
TEST_F(VariantRun, TheCopiedTablesHoldTheNumbersOfTheTranscript) {
  for (const auto& [variant, name, added] :
       {std::tuple{"bubble-cap", "bubble-cap", ""}, std::tuple{"sieve", "sieve", ""},
        std::tuple{"dual-flow", "dual-flow", ""}, std::tuple{"bubble-cap", "cold-feed", "p57 = 1.37\n"}}) {
    SCOPED_TRACE(name);
    const PlayedVariant& run = *added ? PlayWith(variant, name, added) : Play(variant);
    ASSERT_EQ(run.result.status, kVariantRunDone) << run.result.message;
    const QDir out(OutDir(name));
    const auto tsv = [&](const char* file) { return TsvRows(out.filePath(QString::fromLatin1(file))); };

    // The kinetic line: point i's row of each of the three tables, one after another.
    std::vector<std::vector<std::string>> kinetic(6);
    for (const std::string& line : Section(run, "== kinetic")) {
      const auto words = Words(line);
      if (words.size() == 5 && words[0].size() == 1 && words[0][0] >= '1' && words[0][0] <= '6') {
        auto& row = kinetic[static_cast<std::size_t>(words[0][0] - '1')];
        if (row.empty()) row.push_back(words[0]);
        row.insert(row.end(), words.begin() + 1, words.end());
      }
    }
    const auto kineticRows = tsv("kinetic.tsv");
    ASSERT_EQ(kineticRows.size(), 7u);
    EXPECT_EQ(kineticRows[0].size(), 13u);
    for (std::size_t i = 0; i < 6; ++i) {
      EXPECT_EQ(kinetic[i].size(), 13u);
      EXPECT_EQ(kineticRows[i + 1], kinetic[i]);
    }

    // The trays' blocks: each block's number, then its two rows of five values.
    std::vector<std::vector<std::string>> blocks;
    for (const std::string& line : Section(run, "== tray-by-tray")) {
      const auto words = Words(line);
      if (line.rfind("НОМЕР ТАРЕЛКИ - ", 0) == 0) blocks.push_back({words.back()});
      if (!blocks.empty() && words.size() == 5 && std::all_of(words.begin(), words.end(), IsNumber)) {
        blocks.back().insert(blocks.back().end(), words.begin(), words.end());
      }
    }
    const auto trayRows = tsv("trays.tsv");
    ASSERT_EQ(trayRows.size(), 3u);
    EXPECT_EQ(std::vector(trayRows.begin() + 1, trayRows.end()), blocks);

    // The tray profile, the feed tray's "*" included.
    const auto profile = Section(run, "== tray profile");
    const auto profileRows = tsv("profile.tsv");
    ASSERT_EQ(profileRows.size(), profile.size() + 1);
    for (std::size_t i = 0; i < profile.size(); ++i) EXPECT_EQ(profileRows[i + 1], Words(profile[i]));

    // The reflux study's ratios, refusals as the window names them.
    auto sweep = Section(run, "== reflux sweep");
    sweep.pop_back();  // "optimum k = K"
    const auto refluxRows = tsv("reflux.tsv");
    ASSERT_EQ(refluxRows.size(), sweep.size() + 1);
    for (std::size_t k = 0; k < sweep.size(); ++k) EXPECT_EQ(refluxRows[k + 1], AsShown(Words(sweep[k])));

    // The column: each tray's row, then the values of its lines in their order.
    const auto column = Section(run, "== column");
    const auto columnRows = tsv("column.tsv");
    const std::size_t trays = profile.size();
    ASSERT_EQ(column.size(), trays + 12);
    ASSERT_GT(columnRows.size(), trays + 12);
    std::vector<std::string> fromTranscript, fromTable;
    for (std::size_t i = 0; i < trays; ++i) EXPECT_EQ(columnRows[i + 1], AsShown(Words(column[i])));
    for (std::size_t i = trays; i < column.size(); ++i) {
      if (const std::string v = FirstNumber(Words(column[i])); !v.empty()) fromTranscript.push_back(v);
    }
    // The column's lines, up to the block of the trays' operating window.
    const auto block = std::find(columnRows.begin(), columnRows.end(),
                                 std::vector<std::string>{"РАБОЧАЯ ОБЛАСТЬ ТАРЕЛОК"});
    ASSERT_NE(block, columnRows.end());
    for (auto row = columnRows.begin() + static_cast<std::ptrdiff_t>(trays) + 1; row != block; ++row) {
      if (row->size() < 2) continue;  // a warning
      if (const std::string v = FirstNumber(Words((*row)[1])); !v.empty()) fromTable.push_back(v);
    }
    EXPECT_EQ(fromTable, fromTranscript);
    EXPECT_GE(fromTable.size(), 10u);
  }
}

// The results window's block of the trays' operating window, as the window draws it
// (its copied table): sieve.txt as shipped, a cold feed on it, bubble-cap and dual-flow
// trays.
TEST_F(VariantRun, TheResultsWindowEndsWithTheOperatingWindowsBlock) {
  using Rows = std::vector<std::vector<std::string>>;
  const auto blockOf = [&](const char* name) {
    const Rows rows = TsvRows(QDir(OutDir(name)).filePath(QStringLiteral("column.tsv")));
    const auto title = std::find(rows.begin(), rows.end(),
                                 std::vector<std::string>{"РАБОЧАЯ ОБЛАСТЬ ТАРЕЛОК"});
    return title == rows.end() ? Rows{} : Rows(title + 1, rows.end());
  };
  const std::vector<std::string> weep = {
      "ВНИМАНИЕ ! Провал жидкости при минимальной нагрузке: уменьшите долю отверстий или "
      "увеличьте нагрузку"};
  const std::vector<std::string> residence = {
      "ВНИМАНИЕ ! Время пребывания в сливе меньше 3 с: увеличьте площадь слива (уменьшите f)"};
  Play("sieve");
  EXPECT_EQ(blockOf("sieve"),
            (Rows{{"Унос (по Фэйру) ψ, наибольший", "0.0528 на тарелке 10", "(допустимо 0.1)"},
                  {"Унос по Фэйру e, кмоль/кмоль пара", "0.0398", "(введено 0.03)"},
                  {"Запас до провала при 70 % нагрузки", "0.72 на тарелке 9",
                   "(должно быть не меньше 1)"},
                  weep,
                  {"Подпор над сливом при 70 %, мм", "12.4 на тарелке 18", "(не меньше 10)"},
                  {"Уровень в сливном устройстве, мм", "131.1 на тарелке 1", "(допустимо 245.0)"},
                  {"Время пребывания в сливе, с", "2.59 на тарелке 1", "(не меньше 3)"},
                  residence}));
  // A cold feed floods the stripping section: ψ beyond the fit's readings and past 0.1.
  PlayWith("sieve", "sieve-cold-feed", "p57 = 1.37\n");
  const Rows cold = blockOf("sieve-cold-feed");
  ASSERT_GE(cold.size(), 3u);
  EXPECT_EQ(cold[0], (std::vector<std::string>{"Унос (по Фэйру) ψ, наибольший",
                                               "≈0.1403 на тарелке 1", "(допустимо 0.1)"}));
  EXPECT_EQ(cold[1], std::vector<std::string>{
                         "ВНИМАНИЕ ! Унос больше 0.1: увеличьте диаметр или расстояние между тарелками"});
  EXPECT_EQ(cold[2], (std::vector<std::string>{"Унос по Фэйру e, кмоль/кмоль пара", "0.2123",
                                               "(введено 0.03)"}));
  Play("bubble-cap");
  const Rows caps = blockOf("bubble-cap");
  ASSERT_EQ(caps.size(), 6u);
  EXPECT_EQ(caps[2], (std::vector<std::string>{"Запас до провала при 70 % нагрузки",
                                               "не рассчитывается для колпачковых тарелок"}));
  Play("dual-flow");
  EXPECT_EQ(blockOf("dual-flow"), Rows{{"не рассчитывается для провальных тарелок"}});
}

// The y–x diagram saved by its picture button: a well-formed SVG holding the plot's texts
// (axis names, legend, tray numbers), its lines' points inside the plot's frame, the size
// of the printed plot.
TEST_F(VariantRun, TheDiagramsPictureIsAVectorDrawingOfThePrintedPlot) {
  const PlayedVariant& run = Play("bubble-cap");
  ASSERT_EQ(run.result.status, kVariantRunDone) << run.result.message;
  QXmlStreamReader svg(FileBytes(QDir(OutDir("bubble-cap")).filePath(QStringLiteral("diagram.svg"))));
  QStringList texts;
  std::vector<QPointF> points;
  QString width, viewBox;
  while (!svg.atEnd()) {
    if (svg.readNext() != QXmlStreamReader::StartElement) continue;
    if (svg.name() == QLatin1String("svg")) {
      width = svg.attributes().value(QLatin1String("width")).toString();
      viewBox = svg.attributes().value(QLatin1String("viewBox")).toString();
    } else if (svg.name() == QLatin1String("text")) {
      texts.append(svg.readElementText());
    } else if (svg.name() == QLatin1String("polyline")) {
      for (const QString& xy : svg.attributes().value(QLatin1String("points")).toString().split(
               QLatin1Char(' '), Qt::SkipEmptyParts)) {
        const QStringList v = xy.split(QLatin1Char(','));
        if (v.size() == 2) points.emplace_back(v[0].toDouble(), v[1].toDouble());
      }
    }
  }
  ASSERT_FALSE(svg.hasError()) << svg.errorString().toStdString();
  // 180 mm by the printed plot's height; 300 units to the inch.
  EXPECT_TRUE(width.startsWith(QStringLiteral("179.9"))) << width.toStdString();
  EXPECT_TRUE(viewBox.startsWith(QStringLiteral("0 0 2125 "))) << viewBox.toStdString();
  // A text may be written in runs (the axis names' letter in its own style).
  const QString all = texts.join(QString());
  for (const char* text : {"x, мольн. доли НК в жидкости", "y, мольн. доли НК в паре", "рабочие линии",
                           "ступени реальных тарелок", "ОБЩЕЕ ЧИСЛО ТАРЕЛОК = 15"}) {
    EXPECT_TRUE(all.contains(QString::fromUtf8(text))) << text;
  }
  for (const char* text : {"XF", "1", "7", "15", "0.5"}) EXPECT_TRUE(texts.contains(QString::fromUtf8(text))) << text;
  // The plot's frame on the page, from kPlotPageLeft, kPlotPageTopGap under the title, a
  // square of 7800 twips: in units of 1/300 inch.
  const double scale = 300.0 / 1440, left = 1500 * scale, top = 250 * scale, side = 7800 * scale;
  ASSERT_GT(points.size(), 50u);
  for (const QPointF& p : points) {
    EXPECT_TRUE(p.x() >= left - 1 && p.x() <= left + side + 1 && p.y() >= top - 1 &&
                p.y() <= top + side + 1)
        << p.x() << ", " << p.y();
  }
}

TEST_F(VariantRun, TheTablesAreThoseOfTheProgramRunWithoutTheRealWindows) {
  const PlayedVariant& run = Play("bubble-cap");
  const Variant variant = ReadVariant(kVariants + "/bubble-cap.txt");

  for (const auto& [kinetic, heading] : {std::pair{true, "== kinetic"},
                                         std::pair{false, "== tray-by-tray"}}) {
    RecordingToolkit toolkit;
    Application app(toolkit);
    StartProgram(app);
    for (const std::string& key : FirstStageKeys()) toolkit.Answer(variant.Answer(key));
    ui_test::Click(app, ui_test::Loaded<Form1>(app).entryButton);
    ui_test::Click(app, ui_test::Loaded<Form3>(app).acceptButton);
    for (const std::string& key : ParameterKeys()) toolkit.Answer(variant.Answer(key));
    ui_test::Click(app, *ui_test::Loaded<Form5>(app).capsButton);
    ui_test::Click(app, ui_test::Loaded<Form5>(app).acceptButton);
    Form7& form7 = ui_test::Loaded<Form7>(app);
    ui_test::Click(app, kinetic ? form7.kineticLineButton : form7.trayByTrayButton);
    std::vector<std::string> expected;
    for (const std::u16string& text : form7.surface().Texts()) expected.push_back(ToUtf8(text));
    EXPECT_EQ(Section(run, heading), expected) << heading;
  }
}

TEST_F(VariantRun, FaultyDataStopTheSessionWithTheFaultAndTheMarkedRow) {
  struct Case {
    const char* variant;
    const char* fault;
    const char* markedRow;  // a part of the row the fault display marks
  };
  const Case cases[] = {
      {"faulty", "== fault Form3 ErrorRow 3", "Y[3] /мольн.д/ =0.35"},
      {"faulty-limits", "== fault Form5 ErrorRow 2", "Флегмовое число"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.variant);
    const PlayedVariant& run = Play(c.variant);
    EXPECT_EQ(run.result.status, kVariantDataRefused) << run.result.message;
    ASSERT_EQ(run.lines.size(), 2u);
    EXPECT_EQ(run.lines[0], c.fault);
    EXPECT_NE(run.lines[1].find(c.markedRow), std::string::npos) << run.lines[1];
    EXPECT_EQ(run.files, QStringList{QStringLiteral("transcript.txt")});
  }
  // q above its limit: the last row of the second stage is marked.
  const PlayedVariant& run = PlayWith("bubble-cap", "q-above-2", "p57 = 2,5\n");
  EXPECT_EQ(run.result.status, kVariantDataRefused) << run.result.message;
  ASSERT_EQ(run.lines.size(), 2u);
  EXPECT_EQ(run.lines[0], "== fault Form5 ErrorRow 23");
  EXPECT_NE(run.lines[1].find("Тепловое состояние питания q"), std::string::npos) << run.lines[1];
}

// A boiling feed typed as "p57 = 1" plays exactly the session of a variant that does not
// give q: the same transcript and the same pictures.
TEST_F(VariantRun, AVariantWithQOneIsTheVariantWithoutQ) {
  for (const char* variant : {"bubble-cap", "sieve", "dual-flow", "refusing", "faulty-column"}) {
    SCOPED_TRACE(variant);
    const PlayedVariant& without = Play(variant);
    const PlayedVariant& with = PlayWith(variant, std::string(variant) + "-q1", "p57 = 1\n");
    EXPECT_EQ(with.result.status, without.result.status) << with.result.message;
    EXPECT_EQ(WithoutTime(with.lines), WithoutTime(without.lines));
    for (const QString& png : without.files.filter(QStringLiteral(".png"))) {
      EXPECT_EQ(FileBytes(QDir(OutDir(std::string(variant) + "-q1")).filePath(png)),
                FileBytes(QDir(OutDir(variant)).filePath(png)))
          << png.toStdString();
    }
  }
}

TEST_F(VariantRun, ARefusedCalculationGivesItsMessageAndHidesPrinting) {
  const PlayedVariant& run = Play("refusing");
  EXPECT_EQ(run.result.status, kVariantRunDone) << run.result.message;
  EXPECT_EQ(Headings(run), kAllSections);
  EXPECT_EQ(Section(run, "== kinetic"), std::vector<std::string>{"ОШИБКА В ИСХОДНОЙ ИНФОРМАЦИИ !"});
  EXPECT_EQ(Section(run, "== report kinetic"), std::vector<std::string>{"(hidden)"});
  EXPECT_EQ(Section(run, "== tray-by-tray"), std::vector<std::string>{"ОШИБКА В ИСХОДНОЙ ИНФОРМАЦИИ !"});
  EXPECT_TRUE(Section(run, "== tray profile").empty());  // no tray of a refused calculation
  EXPECT_EQ(Section(run, "== report tray-by-tray"), std::vector<std::string>{"(hidden)"});
  EXPECT_FALSE(run.files.contains(QStringLiteral("report-kinetic.pdf")));
  const auto sweep = Section(run, "== reflux sweep");
  EXPECT_EQ(SmallestVolumeOfTheSweep(sweep), -1);
  EXPECT_EQ(std::count_if(sweep.begin(), sweep.end(),
                          [](const std::string& row) { return Contains({row}, " ERROR"); }),
            71);
  EXPECT_EQ(sweep.back(), "optimum k = none");
  // The column's button asks for the trays first; the question is declined.
  EXPECT_EQ(Section(run, "== column"), std::vector<std::string>{"(no tray-by-tray results)"});
  EXPECT_FALSE(run.files.contains(QStringLiteral("column.png")));
}

TEST_F(VariantRun, TheColumnSectionHasARowPerTrayAndTheColumnsTwelveLines) {
  const char* labels[] = {"dP total, Pa  ", "height, m     ", "flood max, %  ", "D at 80%, m   ",
                          "P, kg/s       ", "W, kg/s       ", "Qcond, kW     ", "Qreb, kW      ",
                          "steam, kg/s   ", "water, kg/s   ", "feed t, C     ",
                          "feed vapour, %"};
  for (const SoundVariant& c : kSoundVariants) {
    SCOPED_TRACE(c.variant);
    const PlayedVariant& run = Play(c.variant);
    const auto profile = Section(run, "== tray profile");
    const auto column = Section(run, "== column");
    ASSERT_EQ(column.size(), profile.size() + 12);
    double sum = 0;
    for (std::size_t i = 0; i < profile.size(); ++i) {
      const std::string& row = column[i];
      const bool feed = profile[i].size() == 66;
      // Dual-flow trays have no flooding column.
      const std::size_t width = c.flooding ? 52 : 44;
      ASSERT_EQ(row.size(), feed ? width + 2 : width) << row;
      EXPECT_EQ(std::stoi(row.substr(0, 4)), static_cast<int>(i + 1));
      EXPECT_EQ(row.substr(14, 10), c.surfaceDrop);
      const double parts = std::stod(row.substr(4, 10)) + std::stod(row.substr(14, 10)) +
                           std::stod(row.substr(24, 10));
      EXPECT_NEAR(std::stod(row.substr(34, 10)), parts, 0.151) << row;
      sum += std::stod(row.substr(34, 10));
      if (c.flooding) {
        EXPECT_GT(std::stod(row.substr(44, 8)), 0) << row;
      } else if (feed) {
        EXPECT_EQ(row.substr(44), " *");
      }
    }
    const std::vector<std::string> lines(column.end() - 12, column.end());
    for (std::size_t k = 0; k < 12; ++k) {
      EXPECT_EQ(lines[k].substr(0, 14), labels[k]);
      EXPECT_EQ(lines[k].find("ERROR"), std::string::npos) << lines[k];
    }
    EXPECT_NEAR(std::stod(lines[0].substr(14)), sum, 0.05 * profile.size());
    EXPECT_NEAR(std::stod(lines[1].substr(14)), (profile.size() - 1) * c.spacing + c.ends, 0.0006);
    if (c.flooding) {
      EXPECT_EQ(lines[2].substr(26, 6), " tray ");
    } else {
      EXPECT_EQ(lines[2], "flood max, %          none");
      EXPECT_EQ(lines[3], "D at 80%, m           none");
    }
    // Distillate and bottoms add up to the 2 kg/s of feed.
    EXPECT_NEAR(std::stod(lines[4].substr(14)) + std::stod(lines[5].substr(14)), 2.0, 0.0001);
    EXPECT_GT(std::stod(lines[7].substr(14)), std::stod(lines[6].substr(14)));
    // A boiling feed: no vapour.
    EXPECT_EQ(lines[11], "feed vapour, %         0.0");
    for (const char* file : {"column.png", "report-column.pdf"}) {
      ASSERT_TRUE(run.sizes.count(QString::fromLatin1(file))) << file;
      EXPECT_GT(run.sizes.at(QString::fromLatin1(file)), 1000) << file;
    }
  }

  // The operating window follows: a row per tray and its eleven lines; the diagram's
  // picture and page.
  const PlayedVariant& sieve = Play("sieve");
  const auto window = Section(sieve, "== operating window");
  ASSERT_EQ(window.size(), Section(sieve, "== tray profile").size() + 11);
  EXPECT_EQ(window[window.size() - 11], "psi max             0.0528 tray 10 ok");
  EXPECT_EQ(window[window.size() - 6], "hb limit, mm         245.0");
  EXPECT_EQ(window.back(), "diagram above       0.9425 tray 10");
  for (const char* file : {"window.png", "window.pdf"}) {
    EXPECT_GT(sieve.sizes.at(QString::fromLatin1(file)), 1000) << file;
  }
  EXPECT_EQ(Section(Play("dual-flow"), "== operating window"),
            std::vector<std::string>{"not computed for dual-flow trays"});
  // A variant without them (a Cancel, an older file) is the variant that types 0.04 and 0.7.
  const PlayedVariant& typed = PlayWith("sieve", "sieve-usual-window", "p58 = 0.04\np59 = 0.7\n");
  EXPECT_EQ(WithoutTime(typed.lines), WithoutTime(sieve.lines));
  EXPECT_EQ(FileBytes(QDir(OutDir("sieve-usual-window")).filePath(QStringLiteral("window.png"))),
            FileBytes(QDir(OutDir("sieve")).filePath(QStringLiteral("window.png"))));
  // Its inputs are refused by their own rows, after those of 41..56.
  for (const auto& [key, row] : {std::pair{"p58 = 0.5\n", "17"}, std::pair{"p59 = 0.2\n", "18"}}) {
    const PlayedVariant& refused = PlayWith("sieve", std::string("sieve-") + row, key);
    ASSERT_GE(refused.lines.size(), 2u);
    EXPECT_EQ(refused.lines[refused.lines.size() - 2], std::string("== fault Form12 ErrorRow ") + row);
  }

  // A faulty third stage ends the transcript with its fault and the marked row.
  const PlayedVariant& faulty = Play("faulty-column");
  EXPECT_EQ(faulty.result.status, kVariantDataRefused) << faulty.result.message;
  ASSERT_GE(faulty.lines.size(), 2u);
  EXPECT_EQ(faulty.lines[faulty.lines.size() - 2], "== fault Form12 ErrorRow 3");
  EXPECT_NE(faulty.lines.back().find("Поверхностное натяжение жидкости"), std::string::npos);
  EXPECT_FALSE(faulty.files.contains(QStringLiteral("report-column.pdf")));
}

// The data the program saved at the end of the last session are a variant of their
// own, and play the same session.
TEST_F(VariantRun, TheSavedDataPlayTheSameSessionAgain) {
  const PlayedVariant& run = Play("sieve");
  ASSERT_TRUE(run.files.contains(QStringLiteral("saved.rcol")));
  const std::string saved = QDir(OutDir("sieve")).filePath(QStringLiteral("saved.rcol")).toStdString();
  const PlayedVariant& again = PlayFile("sieve-saved", saved);
  EXPECT_EQ(again.result.status, kVariantRunDone) << again.result.message;
  EXPECT_EQ(Headings(again), kAllSections);
  // The same lines, but for the clock in the reports' headers.
  EXPECT_EQ(WithoutTime(again.lines), WithoutTime(run.lines));
  EXPECT_EQ(again.files, run.files);
  const QByteArray text = FileBytes(QString::fromStdString(saved));
  EXPECT_TRUE(text.startsWith("# rectification ")) << text.toStdString();
  EXPECT_TRUE(text.contains("\nname = петрова анна х-32\n")) << text.toStdString();
}

TEST(VariantRunFile, KeysLeftOutAreCancelledPromptsThatTheChecksJudge) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  Variant variant;
  ASSERT_FALSE(ParseVariant("trays = no-caps\n", variant));
  const VariantRunResult result = RunVariantSession(variant, dir.path());
  EXPECT_EQ(result.status, kVariantDataRefused) << result.message;
  // Every value reads 0: point 1 does not lie above the diagonal.
  EXPECT_TRUE(FileBytes(QDir(dir.path()).filePath(QStringLiteral("transcript.txt")))
                  .startsWith("== fault Form3 ErrorRow 1\n"));
}

// A folder used before holds only the new run's files beside the teacher's own.
TEST(VariantRunFile, TheFilesOfAnEarlierRunAreRemovedFirst) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  const QDir out(dir.path());
  for (const char* name : {"report-kinetic.pdf", "diagram-tray-by-tray.png", "reflux.png",
                           "transcript.txt", "notes.txt"}) {
    QFile file(out.filePath(QString::fromLatin1(name)));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("earlier");
  }
  const VariantRunResult result = RunVariantFile(kVariants + "/faulty.txt", dir.path());
  EXPECT_EQ(result.status, kVariantDataRefused) << result.message;
  EXPECT_EQ(out.entryList(QDir::Files, QDir::Name),
            (QStringList{QStringLiteral("notes.txt"), QStringLiteral("transcript.txt")}));
  EXPECT_TRUE(FileBytes(out.filePath(QStringLiteral("transcript.txt"))).startsWith("== fault Form3"));
}

TEST(VariantRunFile, AFolderThatCannotBeMadeIsAFailure) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  const QString file = dir.filePath(QStringLiteral("a-file"));
  QFile(file).open(QIODevice::WriteOnly);
  const VariantRunResult result =
      RunVariantFile(kVariants + "/bubble-cap.txt", file + QStringLiteral("/out"));
  EXPECT_EQ(result.status, kVariantRunFailed);
  EXPECT_NE(result.message.find("a-file/out"), std::string::npos) << result.message;
}

TEST(VariantRunFile, ABadVariantFileGivesStatusTwoAndWritesNothing) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  struct Case {
    const char* what;
    const char* text;  // nullptr: the file does not exist
  };
  const Case cases[] = {
      {"unknown key", "name = a\nx8 = 0.5\ntrays = bubble-cap\n"},
      {"line without =", "name = a\nx0 0.5\ntrays = bubble-cap\n"},
      {"no tray kind", "name = a\nx0 = 0.5\n"},
      {"bad tray kind", "trays = sieve\n"},
      {"missing file", nullptr},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const QString path = dir.filePath(QStringLiteral("variant.txt"));
    QFile::remove(path);
    if (c.text) {
      QFile file(path);
      ASSERT_TRUE(file.open(QIODevice::WriteOnly));
      file.write(c.text);
    }
    const QString out = dir.filePath(QStringLiteral("out"));
    const VariantRunResult result = RunVariantFile(path.toStdString(), out);
    EXPECT_EQ(result.status, kVariantFileError);
    EXPECT_FALSE(result.message.empty());
    EXPECT_FALSE(QFileInfo::exists(out));
  }
}

TEST(VariantRunCommand, AWrongCommandLineIsNamedThenTheUsageWithStatus2) {
  struct Case {
    QStringList args;
    QString fault;
  };
  const Case cases[] = {
      {{QStringLiteral("--seed"), QStringLiteral("a.txt"), QStringLiteral("out")},
       QStringLiteral("variant-run: Unknown option 'seed'.")},
      {{QStringLiteral("a.txt")},
       QStringLiteral("variant-run: VARIANT-FILE and OUT-DIR expected, not 1: a.txt")},
  };
  for (const Case& c : cases) {
    QProcess tool;
    tool.start(QStringLiteral(RC_VARIANT_RUN), c.args);
    ASSERT_TRUE(tool.waitForFinished(30000)) << c.args.join(u' ').toStdString();
    const QStringList lines = QString::fromUtf8(tool.readAllStandardError()).split(u'\n');
    EXPECT_EQ(tool.exitCode(), 2) << c.args.join(u' ').toStdString();
    EXPECT_EQ(lines.value(0), c.fault);
    EXPECT_TRUE(lines.value(1).startsWith(u"Usage: variant-run [options] VARIANT-FILE OUT-DIR"))
        << lines.value(1).toStdString();
  }
}

// Studies after every other section: the weir height over 0.02..0.08, and a point at the
// variant's own 0.05, which must give what its "== column" section gives (15 trays, feed
// tray 7, ΣΔP 9911.7 Pa, H 10.700 m, 42.9 %, Qr 1155.00 kW) and its "== operating window"
// lines (ψ 0.0073, no weep margin on bubble-cap trays, hb 166.1 mm). The backup rises by
// the weir's 20 mm and a little more of crest and drop per step; ψ does not depend on it.
TEST(VariantRunStudy, TheStudySectionsFollowTheOthersAndAgreeWithTheColumnAtTheTypedValue) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  std::vector<StudyOption> studies(2);
  ASSERT_EQ(ParseStudyOption("p36:0.02:0.08:4", studies[0]), "");
  ASSERT_EQ(ParseStudyOption("p36:0.05:5e-2:2", studies[1]), "");
  const QString out = dir.filePath(QStringLiteral("out"));
  ASSERT_EQ(RunVariantFile(kVariants + "/bubble-cap.txt", out, studies).status, kVariantRunDone);
  QFile file(QDir(out).filePath(QStringLiteral("transcript.txt")));
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  const QList<QByteArray> all = file.readAll().split('\n');
  const std::vector<std::string> tail(all.end() - 9, all.end());  // the last is after the final line break
  const std::vector<std::string> expected = {
      "== study p36 0.02 0.08 4",
      "        0.02    16     8    9886.6  11.200    42.9   1155.00  0.0073           130.4",
      "        0.04    15     7    9693.9  10.700    42.9   1155.00  0.0073           154.2",
      "        0.06    14     7    9489.9  10.200    42.9   1155.00  0.0073           178.0",
      "        0.08    14     7    9900.6  10.200    42.9   1155.00  0.0073           201.8",
      "== study p36 0.05 5e-2 2",
      "        0.05    15     7    9911.7  10.700    42.9   1155.00  0.0073           166.1",
      "        0.05    15     7    9911.7  10.700    42.9   1155.00  0.0073           166.1",
      ""};
  EXPECT_EQ(std::vector<std::string>(tail.begin(), tail.end()), expected);
  // The study window's table copied for each study (the second p36 written last): the
  // window refuses the second range's equal ends and shows the weir height's default range,
  // half to one and a half times the typed 0.05, in the four points asked; each row is the
  // value, N, the feed tray and the lower plot's per cent of flooding.
  const auto rows = TsvRows(QDir(out).filePath(QStringLiteral("study-p36.tsv")));
  ASSERT_EQ(rows.size(), 5u);
  EXPECT_EQ(rows[1].front(), "0.025");
  EXPECT_EQ(rows[4].front(), "0.075");
  for (std::size_t k = 1; k < rows.size(); ++k) EXPECT_EQ(rows[k].back(), "42.9");
  EXPECT_GT(FileBytes(QDir(out).filePath(QStringLiteral("study-p36.svg"))).size(), 10000);
  EXPECT_TRUE(all.contains("dP total, Pa        9911.7"));
  EXPECT_TRUE(all.contains("Qreb, kW           1155.00"));
  EXPECT_TRUE(all.contains("psi max             0.0073 tray 8 ok"));
  EXPECT_TRUE(all.contains("weep margin           none"));
  EXPECT_TRUE(all.contains("hb max, mm           166.1 tray 1 ok"));
}

TEST(VariantRunStudy, ABadStudyIsRefusedBeforeAnythingIsWritten) {
  StudyOption o;
  EXPECT_EQ(ParseStudyOption("p51:-50:2.5e-05:201", o), "");
  EXPECT_EQ(o.from, -50.0);
  EXPECT_EQ(o.to, 2.5e-05);
  EXPECT_EQ(o.points, 201);
  for (const char* bad : {"p99:1:2:3", "p32:0:1:2", "trays:0:1:2", "p36:1,2:2:3", "p36:0.1:0x1:3",
                          "p36:0.1:0.2:1", "p36:0.1:0.2:202", "p36:0.1:0.2", "p36:0.1:0.2:3:4",
                          "p36:inf:1:3", "p36:1e999:1:3"}) {
    EXPECT_NE(ParseStudyOption(bad, o), "") << bad;
  }
  // The column's values on a variant that stops before the third stage.
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  ASSERT_EQ(ParseStudyOption("p41:0.2:0.6:5", o), "");
  const QString out = dir.filePath(QStringLiteral("out"));
  const VariantRunResult result = RunVariantFile(kVariants + "/faulty-limits.txt", out, {o});
  EXPECT_EQ(result.status, kVariantFileError);
  EXPECT_NE(result.message.find("third stage"), std::string::npos) << result.message;
  EXPECT_FALSE(QFileInfo::exists(out));
}

}  // namespace
}  // namespace rc
