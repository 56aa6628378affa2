// rectification-class on the example variants: a class is the same every time and for
// every class size, only sound variants are handed out, the key is what the windows
// show and checks itself, the check's tolerance lies exactly at half a unit of the key's
// last digit, a spreadsheet's answers are read in any of its forms, and the marks list
// the whole roster.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QStringEncoder>
#include <QTemporaryDir>
#include <algorithm>
#include <cctype>
#include <set>
#include <sstream>

#include "calc/calculations.h"
#include "calc/kinetic_curve.h"
#include "class/class_check.h"
#include "class/class_commands.h"
#include "class/class_csv.h"
#include "class/class_entry.h"
#include "class/class_key.h"
#include "class/class_random.h"
#include "model/text.h"
#include "qt/automation/qt_automation.h"
#include "report/printed_reports.h"
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

// A spreadsheet's text on a Russian desktop.
QByteArray Windows1251(const char* utf8) {
  QStringEncoder encoder("windows-1251");
  QByteArray bytes = encoder.encode(QString::fromUtf8(utf8));
  EXPECT_FALSE(encoder.hasError());
  return bytes;
}

std::vector<std::string> Words(const std::string& line) {
  std::istringstream in(line);
  std::vector<std::string> words;
  for (std::string w; in >> w;) words.push_back(w);
  return words;
}

MakeRequest Request(const std::string& base, int count, const QString& out, const ClassOptions& options = {}) {
  MakeRequest r;
  r.basePath = base;
  r.count = count;
  r.outDir = out.toStdString();
  r.options = options;
  r.version = "1.0.0";
  return r;
}

class ClassTool : public ::testing::Test {
 protected:
  void SetUp() override { OffscreenApplication(); }
  QString Make(const QString& name, int count, const ClassOptions& options = {}) {
    const QString out = dir.filePath(name);
    const ClassResult r = MakeCommand(Request(kVariants + "/bubble-cap.txt", count, out, options));
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
  const ClassResult r = MakeCommand(Request(kVariants + "/refusing.txt", 4, out));
  EXPECT_EQ(r.status, kClassFailed);
  EXPECT_NE(r.message.find("variant 1 "), std::string::npos) << r.message;
  EXPECT_NE(r.message.find("refuses"), std::string::npos) << r.message;
  EXPECT_TRUE(QDir(out).entryList(QDir::Files).isEmpty());

  // A base whose third stage the program refuses (surface tension 150 mN/m) is refused
  // with the program's reason, not turned into variants no student can enter.
  const ClassResult column = MakeCommand(Request(kVariants + "/faulty-column.txt", 4, out));
  EXPECT_EQ(column.status, kClassBadInput);
  EXPECT_NE(column.message.find("= 150 is outside 1..100"), std::string::npos) << column.message;
  EXPECT_FALSE(QDir(out).exists());
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
    // After the class line and the header; without the variant and the (empty) name.
    std::stringstream line(key.at(static_cast<std::size_t>(v) + 1));
    for (std::string field; std::getline(line, field, ',');) row.push_back(field);
    row.erase(row.begin(), row.begin() + 2);
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

TEST(ClassVariants, ValuesAreTypedWithThreeDigitsAndFilesNamedByNumber) {
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

}

// A class of the sieve base, whose column floods in some first candidates: by default
// every variant's column stays at or below the warning's 85 % and only the flooding
// variants are replaced; kept, the class is the first candidates.
TEST(ClassVariants, FloodingColumnsAreReplacedUnlessKept) {
  const Variant base = ReadVariant(kVariants + "/sieve.txt");
  ClassOptions keep;
  keep.keepFlooding = true;
  const ClassOutcome kept = MakeClass(base, 30, keep), made = MakeClass(base, 30, {});
  ASSERT_EQ(kept.error, "");
  ASSERT_EQ(made.error, "");
  const auto& columns = KeyColumns();
  const auto flood = static_cast<std::size_t>(
      std::find_if(columns.begin(), columns.end(), [](const KeyColumn& c) { return c.name == std::string("flood_max"); }) -
      columns.begin() - 1);
  int flooding = 0;
  for (std::size_t i = 0; i < 30; ++i) {
    SCOPED_TRACE(i + 1);
    EXPECT_LE(std::stod(made.variants[i].key.at(flood)), 85.0);
    if (std::stod(kept.variants[i].key.at(flood)) > 85.0) {
      ++flooding;
    } else {
      EXPECT_EQ(made.variants[i].variant.answers, kept.variants[i].variant.answers);
    }
  }
  EXPECT_GE(flooding, 3);
  EXPECT_EQ(kept.floodingReplaced, 0);
  EXPECT_GE(made.floodingReplaced, flooding);
}

// One hole, one size: on dual-flow trays the slot's equivalent diameter (36) and the
// hole diameter of the third stage (46), both 0.008 m in the base, are drawn as one.
TEST(ClassVariants, DualFlowHoleKeepsOneSize) {
  const ClassOutcome made = MakeClass(ReadVariant(kVariants + "/dual-flow.txt"), 6, {});
  ASSERT_EQ(made.error, "");
  std::set<std::u16string> sizes;
  for (const ClassVariant& v : made.variants) {
    EXPECT_EQ(v.variant.Answer("p46"), v.variant.Answer("p36")) << v.number;
    sizes.insert(v.variant.Answer("p36"));
  }
  EXPECT_GT(sizes.size(), 3u);  // the size was varied
}

// A value that needs quotes ("#" and commas in a typed comment) goes through make, the
// program opening the file and "СОХРАНИТЬ ДАННЫЕ В ФАЙЛ" unchanged; the variant's number
// travels with the data and stands beside the name in the printed header.
TEST(ClassVariants, VariantFileReadsBackAsTypedAndKeepsItsNumber) {
  Variant base = ReadVariant(kVariants + "/bubble-cap.txt");
  base.answers["p23"] = u"0.31 # cP, benzene";
  const ClassOutcome made = MakeClass(base, 3, {}, {u"Иванов И.И. Х-31", u"петров", u"Сидоров"});
  ASSERT_EQ(made.error, "");
  for (const ClassVariant& v : made.variants) {
    SCOPED_TRACE(v.number);
    const std::string written = WriteDataFile(v.variant, "rectification-class test");
    EXPECT_NE(written.find("\np23 = \"0.31 # cP, benzene\"\n"), std::string::npos);
    DataFile opened;
    ASSERT_FALSE(ReadDataFile(written, opened).has_value());
    DesignData d;
    PrepareForEntry(d);
    EnterDataFile(opened, d);
    EXPECT_EQ(WriteDataFile(DataFileOf(d), "rectification-class test"), written);
    EXPECT_EQ(d.ParamValue[23], 0.31f);
    const std::u16string number = u"Вариант " + DecimalText(v.number);
    const std::u16string names[] = {u"Иванов И.и. Х-31", u"Петров", u"Сидоров"};
    EXPECT_EQ(ReportedName(d), names[v.number - 1] + u"  " + number);
  }
  // Data without a number print the name alone, as before.
  DesignData plain;
  plain.StudentName = u"Петров";
  EXPECT_EQ(ReportedName(plain), u"Петров");
}

// The key's columns of the column's results are rows of the program's table of them: their
// names, their captions and units in capitals, their headings and decimals; and every key
// column that names such a result is that row.
TEST(ClassKey, ColumnResultsComeFromTheTableOfResults) {
  struct Expected {
    const char* name;
    std::u16string caption, unit, heading;
    int decimals;
  };
  const Expected expected[] = {{"dp_total", u"СОПРОТИВЛЕНИЕ КОЛОННЫ", u"ПА", u"dP", 1},
                               {"height", u"ВЫСОТА КОЛОННЫ", u"М", u"H", 3},
                               {"flood_max", u"НАИБОЛЬШИЙ % ЗАХЛЕБЫВАНИЯ", u"", u"%захл", 1},
                               {"q_cond", u"ТЕПЛО ДЕФЛЕГМАТОРА", u"КВТ", u"Qд", 2},
                               {"q_reb", u"ТЕПЛО КИПЯТИЛЬНИКА", u"КВТ", u"Qк", 2}};
  std::vector<const KeyColumn*> fromTable;
  for (const KeyColumn& c : KeyColumns()) {
    EXPECT_EQ(c.result, FindColumnResult(c.name)) << c.name;
    if (c.result) fromTable.push_back(&c);
  }
  ASSERT_EQ(fromTable.size(), std::size(expected));
  for (std::size_t i = 0; i < fromTable.size(); ++i) {
    const KeyColumn& c = *fromTable[i];
    const Expected& e = expected[i];
    SCOPED_TRACE(e.name);
    EXPECT_EQ(std::string(c.name), e.name);
    EXPECT_EQ(c.caption, e.caption);
    EXPECT_EQ(c.unit, e.unit);
    EXPECT_EQ(c.heading, e.heading);
    EXPECT_EQ(c.decimals, e.decimals);
    EXPECT_EQ(c.decimals, c.result->decimals);
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
      {"14.4", "14", false},         {"14.0", "14", true},         {"1e1", "10", true},
      {"11 977,4", "11977.4", true}, {"1.0210E-01", "0.1021", true}, {"не нашёл", "0.1021", false},
      {"0.6123x", "0.6123", false},  {"", "0.6123", false},
  };
  for (const Case& c : cases) EXPECT_EQ(AnswerIsRight(c.answer, c.key), c.right) << c.answer << " vs " << c.key;
}

// The key of a class checked against itself marks every value right, and leaves
// unchecked exactly the values the program does not show for the class: the flooding
// of dual-flow trays, the whole column when the base stops before the third stage.
TEST(ClassCheck, KeyChecksItselfForEveryTrayTypeWithAndWithoutTheColumn) {
  Variant noColumn = ReadVariant(kVariants + "/sieve.txt");
  for (const std::string& k : ThirdStageKeys()) noColumn.answers.erase(k);
  const std::vector<std::string> none, column = {"dp_total", "height", "flood_max", "q_cond", "q_reb"};
  const struct {
    const char* name;
    Variant base;
    std::vector<std::string> blank;
  } cases[] = {
      {"bubble-cap", ReadVariant(kVariants + "/bubble-cap.txt"), none},
      {"sieve", ReadVariant(kVariants + "/sieve.txt"), none},
      {"dual-flow", ReadVariant(kVariants + "/dual-flow.txt"), {"flood_max"}},
      {"sieve without the column", noColumn, column},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const ClassOutcome made = MakeClass(c.base, 4, {});
    ASSERT_EQ(made.error, "");
    const std::string keyCsv = *SpreadsheetText(QByteArray::fromStdString(KeyCsv(made.variants, u"КЛАСС: проверка")));
    KeyTable key;
    ASSERT_EQ(ReadKey(keyCsv, key), "");
    EXPECT_EQ(key.classLine, "КЛАСС: проверка");
    ClassMarks marks;
    ASSERT_EQ(CheckAnswers(key, keyCsv, marks), "");
    EXPECT_EQ(marks.answeredVariants, 4u);
    EXPECT_TRUE(marks.missing.empty() && marks.skipped.empty() && marks.unchecked.empty());
    ASSERT_EQ(marks.students.size(), 4u);
    for (const StudentMarks& st : marks.students) {
      for (std::size_t col = 0; col < marks.columns.size(); ++col) {
        const bool blank =
            std::find(c.blank.begin(), c.blank.end(), marks.columns[col]) != c.blank.end();
        EXPECT_EQ(st.marks[col], blank ? Mark::NotChecked : Mark::Right) << st.variant << " " << marks.columns[col];
      }
      EXPECT_EQ(st.right, st.checked);
      EXPECT_EQ(st.checked, static_cast<int>(marks.columns.size() - c.blank.size()));
    }
  }
}

// The same answers as a teacher's spreadsheet may save them: separators, quotes,
// decimal commas, line ends, a byte-order mark, letter case, empty trailing cells and
// the encoding change; marks.csv does not.
TEST(ClassCheck, OneSetOfAnswersInEveryFormGivesOneMarks) {
  KeyTable key;
  ASSERT_EQ(ReadKey("variant,trays,yw\n1,16,0.1021\n2,15,0.1174\n", key), "");
  const QByteArray forms[] = {
      "variant,name,trays,yw\n1,Иванов И.И.,16,0.1021\n2,Пётр Петров,15,0.118\n",
      "\xEF\xBB\xBFVariant;Name;Trays;YW;;\r\n1;Иванов И.И.;16;0,1021;;\r\n2;Пётр Петров;15;0,118;;\r\n",
      Windows1251("VARIANT;NAME;TRAYS;YW\r\n1;Иванов И.И.;16;0,1021\r\n2;Пётр Петров;15;0,118\r\n"),
      "\"variant\",\"name\",\"trays\",\"yw\"\n\"1\",\"Иванов И.И.\",\"16\",\"0,1021\"\n\"2\",\"Пётр\nПетров\",\"15\",\"0,118\"\n",
      Windows1251("variant,name,trays,yw\r\n1.0,Иванов И.И.,16,\"0,1021\"\r\n2,  Пётр Петров ,15,\"0,118\"\r\n"),
  };
  const std::string expected =
      "\xEF\xBB\xBFvariant,name,trays,trays_key,trays_right,yw,yw_key,yw_right,right,note\n"
      "1,Иванов И.И.,16,16,1,0.1021,0.1021,1,2,\n"
      "2,Пётр Петров,15,15,1,0.118,0.1174,0,1,\n"
      ",верно,,,2,,,1,3,\n"
      ",вариантов с ответами: 2 из 2\n";
  for (const QByteArray& form : forms) {
    SCOPED_TRACE(form.toStdString());
    const std::optional<std::string> text = SpreadsheetText(form);
    ASSERT_TRUE(text.has_value());
    ClassMarks marks;
    ASSERT_EQ(CheckAnswers(key, *text, marks), "");
    EXPECT_EQ(MarksCsv(marks), expected);
  }
}

// Every line end a system writes, and quotes where a spreadsheet reads them: a quote
// inside a cell's text is text; a quote that opens a cell and is left open ends with its
// line, which is marked, and the lines after it are read as lines.
TEST(ClassCsv, LineEndsAndQuotesKeepEveryLine) {
  const auto shown = [](const CsvLine& l) {
    std::string text = std::to_string(l.number) + ":";
    for (std::size_t i = 0; i < l.fields.size(); ++i) text += (i ? "|" : "") + l.fields[i];
    if (l.openQuote == QuoteLeftOpen::ToLineEnd) text += " open to its line's end at " + std::to_string(l.quoteLine);
    if (l.openQuote == QuoteLeftOpen::ToFileEnd) text += " open to the file's end at " + std::to_string(l.quoteLine);
    return text;
  };
  const struct {
    const char* text;
    std::vector<std::string> rows;  // the header first
  } cases[] = {
      {"variant;trays\r1;16\r\r2;15\r", {"1:variant|trays", "2:1|16", "4:2|15"}},
      {"variant,trays\r\n1,16\n2,15\r3,14", {"1:variant|trays", "2:1|16", "3:2|15", "4:3|14"}},
      {"variant;name;trays\n1;Сидоров \"Вася;16\n2;Петров;15\n",
       {"1:variant|name|trays", "2:1|Сидоров \"Вася|16", "3:2|Петров|15"}},
      {"variant;name;trays\n1;\"Сидоров;16\r\n2;Петров;15\r\n3;Орлова\";14\r\n",
       {"1:variant|name|trays", "2:1|Сидоров;16 open to its line's end at 2", "3:2|Петров|15", "4:3|Орлова\"|14"}},
      {"variant;name;trays\n1;Иванов;\"16\n2;Петров;15\n3\n",
       {"1:variant|name|trays", "2:1|Иванов|16 open to the file's end at 2", "3:2|Петров|15", "4:3"}},
      {"variant,name\n1,\"Пётр\r\nПетров \"\"П\"\"\"\n2,  \"a,b\" \n",
       {"1:variant|name", "2:1|Пётр\nПетров \"П\"", "4:2|a,b"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    const std::optional<CsvTable> table = ReadCsv(c.text);
    ASSERT_TRUE(table.has_value());
    std::vector<std::string> rows = {shown(table->header)};
    for (const CsvLine& l : table->rows) rows.push_back(shown(l));
    EXPECT_EQ(rows, c.rows);
  }
}

// An answers file saved with CR line ends and a quote never closed: every student is
// read and marked, the quote's line is named, nothing is "нет ответов". The key, the
// tool's own file, is refused with an open quote.
TEST(ClassCheck, OpenQuoteIsNamedAndTheLinesAfterItAreRead) {
  KeyTable key;
  ASSERT_EQ(ReadKey("variant,trays,yw\n1,16,0.1021\n2,15,0.1174\n3,14,0.1215\n", key), "");
  ClassMarks marks;
  ASSERT_EQ(CheckAnswers(key, "variant;name;trays;yw\r1;\"Иванов;16;0,1021\r2;Петров;15;0,1174\r3;Сидоров;14\r",
                         marks),
            "");
  EXPECT_EQ(MarksCsv(marks),
            "\xEF\xBB\xBFvariant,name,trays,trays_key,trays_right,yw,yw_key,yw_right,right,note\n"
            "1,\"Иванов;16;0,1021\",,16,,,0.1021,,0,\"строка 2: кавычка не закрыта до конца файла; "
            "строка 2: 2 ячеек, в заголовке 4\"\n"
            "2,Петров,15,15,1,0.1174,0.1174,1,2,\n"
            "3,Сидоров,14,14,1,,0.1215,,1,\"строка 4: 3 ячеек, в заголовке 4\"\n"
            ",верно,,,2,,,1,3,\n"
            ",вариантов с ответами: 3 из 3\n");
  KeyTable refused;
  EXPECT_EQ(ReadKey("variant,trays\n1,\"16\n2,15\n", refused), "line 2: a quote is not closed before the end of the file");
}

// The totals count variants, not rows: a variant answered twice counts once; a column
// the key checks for no answered variant is blank in "верно", not 0.
TEST(ClassCheck, TotalsCountVariantsAndLeaveUncheckedBlank) {
  KeyTable key;
  ASSERT_EQ(ReadKey("variant,trays,flood_max\n1,16,\n2,15,\n3,14,80.0\n", key), "");
  ClassMarks marks;
  ASSERT_EQ(CheckAnswers(key, "variant,trays,flood_max\n1,16,90\n1,16,91\n2,14,\n", marks), "");
  EXPECT_EQ(marks.rightPerColumn, (std::vector<int>{1, 0}));
  EXPECT_EQ(marks.givenPerColumn, (std::vector<int>{2, 0}));
  EXPECT_EQ(marks.checkedPerColumn, (std::vector<int>{2, 0}));
  const std::string csv = MarksCsv(marks);
  EXPECT_NE(csv.find("\n,верно,,,1,,,,1,\n"), std::string::npos) << csv;
}

// A real class's answers: a student missing, a variant answered twice, an answer that is
// no number, numbers as a spreadsheet writes them, an extra column, a row with a cell
// past the header and one without a readable variant. No row but that one is lost, and
// the marks list them all; the totals count each variant once, right where a row of it is.
TEST(ClassCheck, RosterNamesTheMissingTheRepeatedAndTheSkipped) {
  KeyTable key;
  ASSERT_EQ(ReadKey("variant,trays,yw,height\n1,16,0.1021,11.200\n2,15,0.1174,\n3,14,0.1215,10.200\n", key), "");
  const std::string answers =
      "Variant;Name;Group;YW;Trays;;\n"
      "1;Иванов И.И.;Х-31;0,1021;16;;\n"
      "3;Сидоров;Х-31;не нашёл;14\n"
      "3;\"Сидоров\nП.К.\";Х-32;0,12155;15\n"
      "три;Орлова;Х-31;0,1;14\n"
      "1,0;Козлов;Х-31;1.0210E-01;16;7\n";
  ClassMarks marks;
  ASSERT_EQ(CheckAnswers(key, answers, marks), "");
  // 0.12155 lies half a unit above 0.1215: right; 1.0210E-01 is 0.1021.
  EXPECT_EQ(MarksCsv(marks),
            "\xEF\xBB\xBFvariant,name,yw,yw_key,yw_right,trays,trays_key,trays_right,right,note\n"
            "1,Иванов И.И.,0.1021,0.1021,1,16,16,1,2,\"вариант повторён: строки 2, 7\"\n"
            "3,Сидоров,не нашёл,0.1215,0,14,14,1,1,\"вариант повторён: строки 3, 4\"\n"
            "3,Сидоров П.К.,0.12155,0.1215,1,15,14,0,1,\"вариант повторён: строки 3, 4\"\n"
            "1,Козлов,1.0210E-01,0.1021,1,16,16,1,2,"
            "\"вариант повторён: строки 2, 7; строка 7: ячейки правее заголовка не проверялись\"\n"
            "2,,,0.1174,,,15,,,нет ответов\n"
            ",,,,,,,,,строка 6 пропущена: номер варианта не прочитан: «три»\n"
            ",верно,,,2,,,2,4,\n"
            ",вариантов с ответами: 2 из 3\n"
            ",не проверялись: Group\n");
}

// make with names, into a folder that holds a student's saved data and a note: it stops
// unless told to replace the class, and then removes only the files make wrote.
TEST_F(ClassTool, NamesTravelAndForceRemovesOnlyTheClassFiles) {
  const QString out = dir.filePath("class");
  const QString names = dir.filePath("names.txt");
  QFile namesFile(names);
  ASSERT_TRUE(namesFile.open(QIODevice::WriteOnly));
  namesFile.write(Windows1251("иванов иван х-31\r\n\r\n  Петрова А.С. Х-31\r\nСидоров\r\n"));
  namesFile.close();
  MakeRequest request = Request(kVariants + "/bubble-cap.txt", 0, out);
  request.count.reset();
  request.namesPath = names.toStdString();
  ASSERT_EQ(MakeCommand(request).status, kClassDone);
  EXPECT_TRUE(FileBytes(out + "/02.rcol").contains("\nname = Петрова А.С. Х-31\nvariant = 2\n"));
  EXPECT_FALSE(QFile::exists(out + "/04.rcol"));
  const std::vector<std::string> key = Lines(FileBytes(out + "/key.csv"));
  EXPECT_EQ(key.at(4).rfind("3,Сидоров,", 0), 0u) << key.at(4);

  // The student saved variant 2 over 03.rcol; the teacher keeps a note there.
  QFile saved(out + "/03.rcol");
  ASSERT_TRUE(saved.open(QIODevice::WriteOnly));
  saved.write("# rectification 1.0.0: данные ректификационной колонны\n");
  saved.close();
  QFile note(out + "/notes.txt");
  ASSERT_TRUE(note.open(QIODevice::WriteOnly));
  note.close();

  const MakeRequest again = Request(kVariants + "/sieve.txt", 1, out);
  const ClassResult refused = MakeCommand(again);
  EXPECT_EQ(refused.status, kClassBadInput);
  EXPECT_NE(refused.message.find(out.toStdString()), std::string::npos) << refused.message;
  EXPECT_TRUE(QFile::exists(out + "/02.rcol"));

  MakeRequest forced = again;
  forced.force = true;
  forced.count = 3;  // would write over the student's 03.rcol: refused, nothing removed
  const ClassResult kept = MakeCommand(forced);
  EXPECT_EQ(kept.status, kClassBadInput);
  EXPECT_NE(kept.message.find("03.rcol"), std::string::npos) << kept.message;
  EXPECT_TRUE(QFile::exists(out + "/02.rcol"));
  forced.count = 1;
  ASSERT_EQ(MakeCommand(forced).status, kClassDone);
  QStringList left = QDir(out).entryList(QDir::Files);
  left.sort();
  EXPECT_EQ(left, (QStringList{"01.rcol", "03.rcol", "key.csv", "key.pdf", "notes.txt", "tasks.pdf"}));
  // Without names a variant carries none, so that the program asks for it.
  EXPECT_TRUE(FileBytes(out + "/01.rcol").contains(" %\nvariant = 1\nx0 = "));
  EXPECT_TRUE(FileBytes(out + "/03.rcol").startsWith("# rectification 1.0.0"));
}

// The names file with CR line ends; a name the program would not open in a variant file
// (over 32767 characters) is refused at make with its line, nothing written.
TEST_F(ClassTool, NamesFileReadsCrLinesAndRefusesANameTooLong) {
  const QString out = dir.filePath("class"), names = dir.filePath("names.txt");
  const auto make = [&](const QByteArray& bytes) {
    QFile file(names);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
    file.close();
    MakeRequest request = Request(kVariants + "/bubble-cap.txt", 0, out);
    request.count.reset();
    request.namesPath = names.toStdString();
    request.force = true;
    return MakeCommand(request);
  };
  const QByteArray longest = (QStringLiteral("Я") + QString(32766, QChar(u'я'))).toUtf8();
  const ClassResult refused = make("Иванов\rПетрова\r" + longest + "я\r");
  EXPECT_EQ(refused.status, kClassBadInput);
  EXPECT_NE(refused.message.find(names.toStdString() + ":3: the name has 32768 characters"), std::string::npos)
      << refused.message;
  EXPECT_FALSE(QDir(out).exists());
  ASSERT_EQ(make("Иванов\rПетрова\r" + longest + "\r").status, kClassDone);
  EXPECT_TRUE(FileBytes(out + "/02.rcol").contains("\nname = Петрова\nvariant = 2\n"));
  EXPECT_TRUE(FileBytes(out + "/03.rcol").contains(longest));
}

}  // namespace
}  // namespace rc
