// Timing of the class tool on the example bubble-cap variant, as a teacher runs it: a
// class of 30 variants made (every candidate checked and computed, the variant files,
// the key and the two PDFs written) and a class of 300 students checked (marks.csv and
// marks.pdf written).
#include <benchmark/benchmark.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "class/class_commands.h"
#include "qt/automation/qt_automation.h"

namespace rc {
namespace {

const std::string kBase = std::string(RC_VARIANTS_DIR) + "/bubble-cap.txt";

MakeRequest Request(int count, const QString& out) {
  MakeRequest r;
  r.basePath = kBase;
  r.count = count;
  r.outDir = out.toStdString();
  r.force = true;  // every run replaces the class of the one before
  r.version = "bench";
  return r;
}

void BM_MakeClass(benchmark::State& state) {
  OffscreenApplication();
  QTemporaryDir dir;
  const MakeRequest request = Request(30, dir.filePath(QStringLiteral("class")));
  for (auto _ : state) {
    const ClassResult r = MakeCommand(request);
    if (r.status != kClassDone) state.SkipWithError(r.message.c_str());
  }
}
BENCHMARK(BM_MakeClass)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

// Every student answers every column of the key as the screen shows it, in the
// semicolon-separated form a Russian spreadsheet saves (decimal commas).
std::string Answers(const QByteArray& keyCsv) {
  std::string text;
  int student = 0;
  for (const QByteArray& row : keyCsv.split('\n')) {
    if (row.isEmpty() || row.contains("КЛАСС")) continue;
    QByteArray cells = row;
    cells.replace(',', ';');
    if (student++ == 0) {
      text += cells.toStdString() + "\n";
      continue;
    }
    cells.replace('.', ',');
    const int first = cells.indexOf(';');
    text += cells.left(first).toStdString() + ";Студент " + std::to_string(student) + " Х-31" +
            cells.mid(cells.indexOf(';', first + 1)).toStdString() + "\n";
  }
  return text;
}

void BM_CheckClass(benchmark::State& state) {
  OffscreenApplication();
  QTemporaryDir dir;
  const QString made = dir.filePath(QStringLiteral("class"));
  const ClassResult r = MakeCommand(Request(300, made));
  if (r.status != kClassDone) {
    state.SkipWithError(r.message.c_str());
    return;
  }
  QFile key(made + QStringLiteral("/key.csv"));
  key.open(QIODevice::ReadOnly);
  const std::string answers = Answers(key.readAll());
  QFile answersFile(dir.filePath(QStringLiteral("answers.csv")));
  answersFile.open(QIODevice::WriteOnly);
  answersFile.write(answers.data(), static_cast<qint64>(answers.size()));
  answersFile.close();
  const std::string marks = dir.filePath(QStringLiteral("marks")).toStdString();
  for (auto _ : state) {
    const ClassResult c = CheckCommand(key.fileName().toStdString(), answersFile.fileName().toStdString(), marks);
    if (c.status != kClassDone || c.message.rfind("300 of 300 variants answered, lines skipped: 0;", 0) != 0) {
      state.SkipWithError(c.message.c_str());
    }
  }
}
BENCHMARK(BM_CheckClass)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

}  // namespace
}  // namespace rc

BENCHMARK_MAIN();
