// rectification-class on the example variants: a class is the same every time and for
// every class size, only sound variants are handed out, the key is what the windows
// show, and the check's tolerance lies exactly at half a unit of the key's last digit.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cctype>
#include <sstream>

#include "calc/calculations.h"
#include "calc/kinetic_curve.h"
#include "class/class_check.h"
#include "class/class_commands.h"
#include "class/class_entry.h"
#include "class/class_random.h"
#include "qt/automation/qt_automation.h"
#include "tool_files.h"
#include "variant_run/variant_session.h"

namespace rc {
namespace {

std::vector<std::string> Lines(const QByteArray& bytes) {
  std::vector<std::string> lines;
  for (const QByteArray& line : bytes.split('\n')) {
    if (!line.isEmpty()) lines.push_back(line.toStdString());
  }
  return lines;
}

// The whole number that follows `after` in the line; empty when there is none.
std::string NumberAfter(const std::string& line, const std::string& after) {
  const auto at = line.find(after);
  if (at == std::string::npos) return {};
  const auto first = line.find_first_not_of(' ', at + after.size());
  const auto end = line.find_first_not_of("0123456789", first);
  return line.substr(first, end == std::string::npos ? std::string::npos : end - first);
}

std::vector<std::string> Words(const std::string& line) {
  std::istringstream in(line);
  std::vector<std::string> words;
  for (std::string w; in >> w;) words.push_back(w);
  return words;
}

class ClassTool : public ::testing::Test {
 protected:
  void SetUp() override { OffscreenApplication(); }
  QString Make(const QString& name, int count, const ClassOptions& options = {}) {
    const QString out = dir.filePath(name);
    const ClassResult r =
        MakeCommand(kVariants + "/bubble-cap.txt", count, out.toStdString(), options, "1.0.0");
    EXPECT_EQ(r.status, kClassDone) << r.message;
    return out;
  }
  QTemporaryDir dir;
};

TEST_F(ClassTool, ClassIsTheSameOnEveryRunAndForEverySize) {
  const QString first = Make("a", 5), again = Make("b", 5), large = Make("c", 30);
  for (const char* name : {"01.rcol", "02.rcol", "03.rcol", "04.rcol", "05.rcol", "key.csv"}) {
    const QString file = QString::fromLatin1(name);
    EXPECT_FALSE(FileBytes(first + "/" + file).isEmpty()) << name;
    EXPECT_EQ(FileBytes(first + "/" + file), FileBytes(again + "/" + file)) << name;
  }
  EXPECT_EQ(FileBytes(first + "/03.rcol"), FileBytes(large + "/03.rcol"));
  EXPECT_EQ(Lines(FileBytes(first + "/key.csv"))[3], Lines(FileBytes(large + "/key.csv"))[3]);
  EXPECT_TRUE(QFile::exists(large + "/30.rcol"));
  for (const char* pdf : {"tasks.pdf", "key.pdf"}) EXPECT_TRUE(QFile::exists(first + "/" + pdf));
  // Another seed gives other variants.
  ClassOptions other;
  other.seed = 2;
  EXPECT_NE(FileBytes(Make("d", 5, other) + "/03.rcol"), FileBytes(first + "/03.rcol"));
}

TEST_F(ClassTool, OnlySoundVariantsAreHandedOut) {
  // A wide spread and a narrow tray range: many candidates are refused.
  ClassOptions options;
  options.spread = 40;
  options.trays = {14, 15};
  const Variant base = ReadVariant(kVariants + "/bubble-cap.txt");
  const ClassOutcome made = MakeClass(base, 12, options);
  ASSERT_EQ(made.error, "");
  ASSERT_EQ(made.variants.size(), 12u);
  int replaced = 0;
  for (const ClassVariant& v : made.variants) {
    const EnteredVariant entered = EnterAnswers(v.variant);
    ASSERT_EQ(entered.fault, "") << v.number;
    const DesignData& d = entered.data;
    const float xw = d.ParamValue[kParamXW], xf = d.ParamValue[kParamXF], xp = d.ParamValue[kParamXP];
    EXPECT_TRUE(d.EqX[0] < xw && xw < d.EqX[1] && xw < xf && xf < xp && d.EqX[6] < xp && xp < d.EqX[7])
        << v.number;
    const KeyOutcome key = ComputeKey(d, options.trays);
    EXPECT_EQ(key.refusal, "") << v.number;
    EXPECT_EQ(key.values, v.key) << v.number;
    const std::optional<Variant> first = DrawVariant(base, options, v.number, 0);
    if (!first || first->answers != v.variant.answers) ++replaced;
  }
  EXPECT_GE(replaced, 3);  // the filter did refuse first candidates

  // A base no perturbation rescues: the variant and the reason are named, nothing written.
  const QString out = dir.filePath("refused");
  const ClassResult r = MakeCommand(kVariants + "/refusing.txt", 4, out.toStdString(), {}, "1.0.0");
  EXPECT_EQ(r.status, kClassFailed);
  EXPECT_NE(r.message.find("variant 1 "), std::string::npos) << r.message;
  EXPECT_NE(r.message.find("refuses"), std::string::npos) << r.message;
  EXPECT_TRUE(QDir(out).entryList(QDir::Files).isEmpty());
}

// The key of a variant against a whole session at the program's windows: the results
// window's totals, the printed report's three trays and the reflux study's optimum.
void ExpectKeyAsTheWindowsShow(const QString& variantFile, const std::vector<std::string>& key,
                               const QString& sessionDir) {
  std::map<std::string, std::string> k;
  const std::vector<KeyColumn>& columns = KeyColumns();
  for (std::size_t c = 1; c < columns.size(); ++c) k[columns[c].name] = key[c - 1];

  const VariantRunResult run = RunVariantFile(variantFile.toStdString(), sessionDir);
  ASSERT_EQ(run.status, kVariantRunDone) << run.message;
  const std::vector<std::string> t = Lines(FileBytes(sessionDir + "/transcript.txt"));
  std::string section;
  std::vector<std::vector<std::string>> reportTrays;  // tray number, EMY, vapour leaving
  std::vector<std::string> sweep;
  std::map<std::string, std::string> column;  // "dP total, Pa" -> its value, as the window shows it
  int summaries = 0;
  for (std::size_t i = 0; i < t.size(); ++i) {
    if (t[i].rfind("== ", 0) == 0) {
      section = t[i];
      continue;
    }
    if (section == "== tray-by-tray" && t[i].find("ОБЩЕЕ ЧИСЛО ТАРЕЛОК") != std::string::npos) {
      ++summaries;
      EXPECT_EQ(NumberAfter(t[i], "ОБЩЕЕ ЧИСЛО ТАРЕЛОК   ="), k["trays"]);
      EXPECT_EQ(NumberAfter(t[i], "НОМЕР ТАРЕЛКИ ПИТАНИЯ ="), k["feed_tray"]);
    }
    const std::string tray = NumberAfter(t[i], "НОМЕР ТАРЕЛКИ - ");
    if (section == "== report tray-by-tray" && !tray.empty() && i + 8 < t.size()) {
      const std::vector<std::string> row = Words(t[i + 8]);
      reportTrays.push_back({tray, row.at(2), row.at(4)});
    }
    if (section == "== reflux sweep") sweep.push_back(t[i]);
    if (section == "== column" && t[i].size() > 14 && !std::isdigit(static_cast<unsigned char>(t[i][3]))) {
      const std::vector<std::string> value = Words(t[i].substr(14));
      if (!value.empty()) column[t[i].substr(0, t[i].find_last_not_of(' ', 13) + 1)] = value[0];
    }
  }
  // The column's lines, as its results window writes them.
  EXPECT_EQ(column["dP total, Pa"], k["dp_total"]);
  EXPECT_EQ(column["height, m"], k["height"]);
  EXPECT_EQ(column["flood max, %"], k["flood_max"]);
  EXPECT_EQ(column["Qcond, kW"], k["q_cond"]);
  EXPECT_EQ(column["Qreb, kW"], k["q_reb"]);
  EXPECT_EQ(summaries, 1);
  ASSERT_EQ(reportTrays.size(), 3u);
  EXPECT_EQ(reportTrays[0], (std::vector<std::string>{"1", k["emy_first"], k["y_first"]}));
  EXPECT_EQ(reportTrays[1], (std::vector<std::string>{k["feed_tray"], k["emy_feed"], k["y_feed"]}));
  EXPECT_EQ(reportTrays[2], (std::vector<std::string>{k["trays"], k["emy_last"], k["y_last"]}));
  ASSERT_EQ(sweep.size(), 72u);
  const int optimum = std::stoi(Words(sweep.back()).back());
  const std::vector<std::string> best = Words(sweep.at(static_cast<std::size_t>(optimum)));
  EXPECT_EQ(best[0], k["r_opt"]);
  EXPECT_EQ(best[1], k["n_opt"]);
}

TEST_F(ClassTool, KeyIsWhatTheWindowsShow) {
  const QString out = Make("windows", 2);
  const std::vector<std::string> key = Lines(FileBytes(out + "/key.csv"));
  for (int v = 1; v <= 2; ++v) {
    SCOPED_TRACE(v);
    std::vector<std::string> row;
    std::stringstream line(key.at(static_cast<std::size_t>(v)));
    for (std::string field; std::getline(line, field, ',');) row.push_back(field);
    row.erase(row.begin());
    ExpectKeyAsTheWindowsShow(out + QStringLiteral("/0%1.rcol").arg(v), row,
                              dir.filePath(QStringLiteral("session%1").arg(v)));
  }
}

TEST_F(ClassTool, KineticLineIsReadOnTheCurveTheDiagramDraws) {
  DesignData d = EnterAnswers(ReadVariant(kVariants + "/sieve.txt")).data;
  const KineticLineRun run = Compute(RunKineticLine, d);
  ASSERT_FALSE(run.refusal.has_value());
  std::vector<std::pair<double, double>> points;
  for (std::size_t i = 1; i <= 6; ++i) points.emplace_back(d.EqX[i], d.KineticPoints.KineticY[i]);
  for (const auto& [x, y] : SmoothCurve(points, 7)) EXPECT_NEAR(KineticLineY(run, x), y, 1e-12) << x;
  // Beyond the end points: straight on along the end chords' tangents.
  const double low = (points[1].second - points[0].second) / (points[1].first - points[0].first);
  const double high = (points[5].second - points[4].second) / (points[5].first - points[4].first);
  EXPECT_NEAR(KineticLineY(run, points[0].first - 0.05), points[0].second - 0.05 * low, 1e-12);
  EXPECT_NEAR(KineticLineY(run, points[5].first + 0.05), points[5].second + 0.05 * high, 1e-12);
}

TEST(ClassVariants, ValuesAreTypedWithThreeDigitsAndFilesReadBack) {
  const std::pair<double, const char16_t*> typed[] = {
      {2.0, u"2"},        {2.6349, u"2.63"},  {0.049912, u"0.0499"}, {0.95049, u"0.95"},
      {1703.2, u"1700"},  {9.996, u"10"},     {0.0, u"0"},           {-1.5, u"0"},
      {0.00012345, u"0.000123"},
  };
  for (const auto& [value, text] : typed) EXPECT_EQ(TypedValue(value), text) << value;

  EXPECT_EQ(VariantFileName(3, 5), "03.rcol");
  EXPECT_EQ(VariantFileName(3, 99), "03.rcol");
  EXPECT_EQ(VariantFileName(3, 100), "003.rcol");
  EXPECT_EQ(VariantFileName(120, 120), "120.rcol");

  const ClassOutcome made = MakeClass(ReadVariant(kVariants + "/dual-flow.txt"), 2, {});
  ASSERT_EQ(made.error, "");
  for (const ClassVariant& v : made.variants) {
    const std::string text = VariantFileText(v.variant, "rectification-class test");
    EXPECT_EQ(text.rfind("# rectification-class test\nname = ", 0), 0u) << text;
    Variant back;
    ASSERT_FALSE(ParseVariant(text, back).has_value()) << text;
    EXPECT_EQ(back.answers, v.variant.answers);
    EXPECT_EQ(back.bubbleCap, v.variant.bubbleCap);
  }
}

TEST(ClassCheck, RightWithinHalfAUnitOfTheKeysLastDigit) {
  struct Case {
    const char* answer;
    const char* key;
    bool right;
  };
  const Case cases[] = {
      {"0.6123", "0.6123", true},    {"0.61235", "0.6123", true},  {"0.61225", "0.6123", true},
      {"0.612351", "0.6123", false}, {"0.61224", "0.6123", false}, {"0,61235", "0.6123", true},
      {"0,6124", "0.6123", false},   {"0.612", "0.6123", false},   {"2.125", "2.1250", true},
      {"-0.00005", "0.0000", true},  {"14", "14", true},           {"15", "14", false},
      {"14.4", "14", false},         {"14.0", "14", true},         {"1e1", "10", false},
      {"0.6123x", "0.6123", false},  {"", "0.6123", false},
  };
  for (const Case& c : cases) EXPECT_EQ(AnswerIsRight(c.answer, c.key), c.right) << c.answer << " vs " << c.key;
}

TEST(ClassCheck, MalformedRowsAreSkippedByLineAndTheRestMarked) {
  KeyTable key;
  ASSERT_EQ(ReadKey("variant,trays,feed_tray,yw\n1,14,7,0.1215\n2,16,9,0.1021\n", key), "");
  ClassMarks marks;
  const std::string answers =
      "\xEF\xBB\xBFvariant;name;yw;trays\r\n"
      "1;Иванов;0,12155;14\r\n"
      "\r\n"
      "2;Петров;0,1022;\r\n"
      "3;Сидоров;0,1;14\r\n"
      "2;Козлов;0.1021\r\n"
      "1;Орлов;0.12 15;14\r\n";
  ASSERT_EQ(CheckAnswers(key, answers, marks), "");
  ASSERT_EQ(marks.skipped.size(), 3u);
  const std::string lines[] = {"line 5:", "line 6:", "line 7:"};
  for (std::size_t i = 0; i < 3; ++i) EXPECT_EQ(marks.skipped[i].substr(0, 7), lines[i]);
  ASSERT_EQ(marks.students.size(), 2u);
  EXPECT_EQ(marks.students[0].marks, (std::vector<Mark>{Mark::Right, Mark::Right}));
  EXPECT_EQ(marks.students[1].marks, (std::vector<Mark>{Mark::Wrong, Mark::NotGiven}));
  EXPECT_EQ(marks.rightPerColumn, (std::vector<int>{1, 1}));
  EXPECT_EQ(MarksCsv(marks),
            "variant,name,yw,yw_key,yw_right,trays,trays_key,trays_right,right\n"
            "1,Иванов,\"0,12155\",0.1215,1,14,14,1,2\n"
            "2,Петров,\"0,1022\",0.1021,0,,16,,0\n"
            ",верно,,,1,,,1,2\n");
  ClassMarks unknown;
  EXPECT_NE(CheckAnswers(key, "variant,name,height\n1,Иванов,3\n", unknown), "");
}

}  // namespace
}  // namespace rc
