// Timing of the class tool on the example bubble-cap variant: a class of 30 variants
// made (every candidate checked and computed, the files and the two PDFs written) and a
// class of 30 students checked (marks.csv and marks.pdf written).
#include <benchmark/benchmark.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "class/class_commands.h"
#include "qt/automation/qt_automation.h"

namespace rc {
namespace {

constexpr int kClassSize = 30;
const std::string kBase = std::string(RC_VARIANTS_DIR) + "/bubble-cap.txt";

void BM_MakeClass(benchmark::State& state) {
  OffscreenApplication();
  QTemporaryDir dir;
  const std::string out = dir.filePath(QStringLiteral("class")).toStdString();
  for (auto _ : state) {
    const ClassResult r = MakeCommand(kBase, kClassSize, out, {}, "bench");
    if (r.status != kClassDone) state.SkipWithError(r.message.c_str());
  }
}
BENCHMARK(BM_MakeClass)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

// Every student answers every column of the key, each from the screen.
std::string Answers(const std::string& keyCsv) {
  std::string text;
  std::size_t start = 0;
  for (int line = 0; start < keyCsv.size(); ++line) {
    const std::size_t end = keyCsv.find('\n', start);
    std::string row = keyCsv.substr(start, end - start);
    start = end + 1;
    const std::size_t comma = row.find(',');
    if (line == 0) {
      text += "variant,name" + row.substr(comma) + "\n";
    } else {
      text += row.substr(0, comma) + ",студент " + std::to_string(line) + row.substr(comma) + "\n";
    }
  }
  return text;
}

void BM_CheckClass(benchmark::State& state) {
  OffscreenApplication();
  QTemporaryDir dir;
  const QString made = dir.filePath(QStringLiteral("class"));
  const ClassResult r = MakeCommand(kBase, kClassSize, made.toStdString(), {}, "bench");
  if (r.status != kClassDone) {
    state.SkipWithError(r.message.c_str());
    return;
  }
  QFile key(made + QStringLiteral("/key.csv"));
  key.open(QIODevice::ReadOnly);
  const std::string answers = Answers(key.readAll().toStdString());
  QFile answersFile(dir.filePath(QStringLiteral("answers.csv")));
  answersFile.open(QIODevice::WriteOnly);
  answersFile.write(answers.data(), static_cast<qint64>(answers.size()));
  answersFile.close();
  const std::string marks = dir.filePath(QStringLiteral("marks")).toStdString();
  for (auto _ : state) {
    const ClassResult c = CheckCommand(key.fileName().toStdString(),
                                       answersFile.fileName().toStdString(), marks);
    if (c.status != kClassDone || !c.skipped.empty()) state.SkipWithError("the check failed");
  }
}
BENCHMARK(BM_CheckClass)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

}  // namespace
}  // namespace rc

BENCHMARK_MAIN();
