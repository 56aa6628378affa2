#include "class/class_commands.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>

#include "class/class_check.h"
#include "class/class_csv.h"
#include "class/class_pages.h"

namespace rc {
namespace {

bool ReadText(const std::string& path, std::string& text) {
  QFile file(QString::fromStdString(path));
  if (!file.open(QIODevice::ReadOnly)) return false;
  text = file.readAll().toStdString();
  return true;
}

bool WriteText(const QDir& dir, const std::string& name, const std::string& text) {
  QSaveFile file(dir.filePath(QString::fromStdString(name)));
  if (!file.open(QIODevice::WriteOnly)) return false;
  file.write(text.data(), static_cast<qint64>(text.size()));
  return file.commit();
}

std::string Comment(int number, const ClassOptions& o, const std::string& version) {
  return "rectification-class " + version + ": variant " + std::to_string(number) + ", seed " +
         std::to_string(o.seed) + ", spread " + QString::number(o.spread).toStdString() + " %";
}

}  // namespace

std::string KeyCsv(const std::vector<ClassVariant>& variants) {
  std::vector<std::string> header;
  for (const KeyColumn& c : KeyColumns()) header.push_back(c.name);
  std::string text = CsvRow(header);
  for (const ClassVariant& v : variants) {
    std::vector<std::string> row = {std::to_string(v.number)};
    row.insert(row.end(), v.key.begin(), v.key.end());
    text += CsvRow(row);
  }
  return text;
}

ClassResult MakeCommand(const std::string& basePath, int count, const std::string& outDir,
                        const ClassOptions& options, const std::string& version) {
  ClassResult result;
  std::string text;
  Variant base;
  if (!ReadText(basePath, text)) {
    result.status = kClassBadInput;
    result.message = "cannot read " + basePath;
    return result;
  }
  if (const auto error = ParseVariant(text, base)) {
    result.status = kClassBadInput;
    result.message = basePath + ":" + std::to_string(error->line) + ": " + error->message;
    return result;
  }
  const ClassOutcome made = MakeClass(base, count, options);
  if (!made.error.empty()) {
    result.message = made.error;
    return result;
  }
  const QDir out(QString::fromStdString(outDir));
  if (!QDir().mkpath(out.path())) {
    result.message = "cannot create the folder " + outDir;
    return result;
  }
  for (const ClassVariant& v : made.variants) {
    const std::string name = VariantFileName(v.number, count);
    if (!WriteText(out, name, VariantFileText(v.variant, Comment(v.number, options, version)))) {
      result.message = "cannot write " + out.filePath(QString::fromStdString(name)).toStdString();
      return result;
    }
  }
  if (!WriteText(out, "key.csv", KeyCsv(made.variants)) ||
      !WriteKeyTable(made.variants, out.filePath(QStringLiteral("key.pdf"))) ||
      !WriteTaskSheets(made.variants, out.filePath(QStringLiteral("tasks.pdf")))) {
    result.message = "cannot write the key or the task sheets into " + outDir;
    return result;
  }
  result.status = kClassDone;
  return result;
}

ClassResult CheckCommand(const std::string& keyPath, const std::string& answersPath,
                         const std::string& outDir) {
  ClassResult result;
  result.status = kClassBadInput;
  std::string keyText, answers;
  if (!ReadText(keyPath, keyText)) {
    result.message = "cannot read " + keyPath;
    return result;
  }
  if (!ReadText(answersPath, answers)) {
    result.message = "cannot read " + answersPath;
    return result;
  }
  KeyTable key;
  if (const std::string fault = ReadKey(keyText, key); !fault.empty()) {
    result.message = keyPath + ": " + fault;
    return result;
  }
  ClassMarks marks;
  if (const std::string fault = CheckAnswers(key, answers, marks); !fault.empty()) {
    result.message = answersPath + ": " + fault;
    return result;
  }
  for (const std::string& s : marks.skipped) result.skipped.push_back(answersPath + ": " + s);
  result.status = kClassFailed;
  const QDir out(QString::fromStdString(outDir));
  if (!QDir().mkpath(out.path())) {
    result.message = "cannot create the folder " + outDir;
    return result;
  }
  if (!WriteText(out, "marks.csv", MarksCsv(marks)) ||
      !WriteMarks(marks, out.filePath(QStringLiteral("marks.pdf")))) {
    result.message = "cannot write the marks into " + outDir;
    return result;
  }
  result.status = kClassDone;
  return result;
}

}  // namespace rc
