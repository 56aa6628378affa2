#include "class/class_commands.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSaveFile>

#include "calc/column_design.h"
#include "class/class_check.h"
#include "class/class_csv.h"
#include "class/class_entry.h"
#include "class/class_pages.h"
#include "model/data_file.h"
#include "model/text.h"
#include "qt/data_files.h"

namespace rc {
namespace {

// The variant files' first line begins so: the tool's name and version.
constexpr char kVariantComment[] = "rectification-class ";
const char* const kClassFiles[] = {"key.csv", "key.pdf", "tasks.pdf"};

ClassResult Fault(int status, const std::string& message) { return ClassResult{status, message}; }

// The whole file, read as the program reads a data file; the tool says only that it could
// not, in its own words.
std::optional<QByteArray> ReadBytes(const std::string& path) {
  QString reason;
  const std::optional<std::string> text = ReadWholeFile(QString::fromStdString(path), reason);
  if (!text) return std::nullopt;
  return QByteArray::fromStdString(*text);
}

bool WriteText(const QDir& dir, const std::string& name, const std::string& text) {
  QSaveFile file(dir.filePath(QString::fromStdString(name)));
  if (!file.open(QIODevice::WriteOnly)) return false;
  file.write(text.data(), static_cast<qint64>(text.size()));
  return file.commit();
}

std::string FileName(const std::string& path) { return QFileInfo(QString::fromStdString(path)).fileName().toStdString(); }

std::string VariantComment(int number, const ClassOptions& o, const std::string& version) {
  return kVariantComment + version + ": variant " + std::to_string(number) + ", seed " +
         std::to_string(o.seed) + ", spread " + QString::number(o.spread).toStdString() + " %" +
         (o.keepFlooding ? ", flooding kept" : "");
}

// The names file: one name a line (LF, CRLF or a CR alone), blanks around it and blank
// lines left out. A name longer than the program opens in a data file is a problem named
// with its line.
std::optional<std::vector<std::u16string>> ReadNames(const QByteArray& bytes, const std::string& path,
                                                     std::string& problem) {
  const std::optional<std::string> text = SpreadsheetText(bytes);
  if (!text) return std::nullopt;
  static const QRegularExpression lineBreak(QStringLiteral("\r\n|\r|\n"));
  std::vector<std::u16string> names;
  int number = 0;
  for (const QString& line : QString::fromStdString(*text).split(lineBreak)) {
    ++number;
    const QString name = line.trimmed();
    if (static_cast<std::size_t>(name.size()) > kMaxValueLength) {
      problem = path + ":" + std::to_string(number) + ": the name has " + std::to_string(name.size()) +
                " characters; the program opens a variant file whose name has at most " +
                std::to_string(kMaxValueLength);
      return std::nullopt;
    }
    if (!name.isEmpty()) names.push_back(name.toStdU16String());
  }
  return names;
}

// What a folder holds, hidden files and folders included.
QStringList Entries(const QDir& dir) {
  return dir.entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
}

// A file an earlier make wrote: the key, the task sheets, or a variant file (two or three
// digits, .rcol) that begins with the tool's own first line. A student's saved file of
// the same name begins with the program's line instead and is left alone.
bool IsEarlierClassFile(const QDir& dir, const QString& name) {
  for (const char* file : kClassFiles) {
    if (name == QLatin1String(file)) return QFileInfo(dir.filePath(name)).isFile();
  }
  static const QRegularExpression variantFile(QStringLiteral("^[0-9]{2,3}\\.rcol$"));
  if (!variantFile.match(name).hasMatch()) return false;
  QFile file(dir.filePath(name));
  return file.open(QIODevice::ReadOnly) && file.readLine().startsWith(QByteArray("# ") + kVariantComment);
}

bool RemoveEarlierClass(const QDir& dir) {
  for (const QString& name : Entries(dir)) {
    if (IsEarlierClassFile(dir, name) && !QFile::remove(dir.filePath(name))) return false;
  }
  return true;
}

std::optional<int> ClassSize(const MakeRequest& r, const std::vector<std::u16string>& names,
                             std::string& problem) {
  if (!r.namesPath.empty()) {
    if (names.empty()) problem = r.namesPath + " holds no name";
    else if (r.count && *r.count != static_cast<int>(names.size()))
      problem = "COUNT " + std::to_string(*r.count) + " differs from the " + std::to_string(names.size()) +
                " names of " + r.namesPath;
    if (!problem.empty()) return std::nullopt;
  } else if (!r.count) {
    problem = "make needs COUNT when no --names are given";
    return std::nullopt;
  }
  const int count = r.count ? *r.count : static_cast<int>(names.size());
  if (count < 1 || count > kMaxClassSize) {
    problem = "a class has 1.." + std::to_string(kMaxClassSize) + " variants, not " + std::to_string(count);
    return std::nullopt;
  }
  return count;
}

}  // namespace

std::u16string ClassLine(const std::string& baseFile, const std::u16string& trayKind, int count,
                         const ClassOptions& options) {
  return u"КЛАСС: " + FromUtf8(baseFile) + u", " + trayKind + u", ВАРИАНТОВ " + DecimalText(count) +
         u", ЗЕРНО " + FromUtf8(std::to_string(options.seed)) + u", РАЗБРОС " +
         QString::number(options.spread).toStdU16String() + u" %" +
         (options.keepFlooding ? u", ЗАХЛЕБЫВАНИЕ ДОПУСКАЕТСЯ" : u"");
}

std::string KeyCsv(const std::vector<ClassVariant>& variants, const std::u16string& classLine) {
  std::vector<std::string> header;
  for (const KeyColumn& c : KeyColumns()) header.push_back(c.name);
  header.insert(header.begin() + 1, kNameColumn);
  std::string text = kUtf8ByteOrderMark + CsvRow({"# " + ToUtf8(classLine)}) + CsvRow(header);
  for (const ClassVariant& v : variants) {
    std::vector<std::string> row = {std::to_string(v.number), ToUtf8(v.variant.Answer("name"))};
    row.insert(row.end(), v.key.begin(), v.key.end());
    text += CsvRow(row);
  }
  return text;
}

ClassResult MakeCommand(const MakeRequest& r) {
  const std::optional<QByteArray> baseBytes = ReadBytes(r.basePath);
  if (!baseBytes) return Fault(kClassBadInput, "cannot read " + r.basePath);
  Variant base;
  if (const auto error = ParseVariant(baseBytes->toStdString(), base)) {
    return Fault(kClassBadInput, r.basePath + ":" + std::to_string(error->line) + ": " + error->message);
  }
  std::vector<std::u16string> names;
  if (!r.namesPath.empty()) {
    const std::optional<QByteArray> bytes = ReadBytes(r.namesPath);
    std::string problem;
    const auto read = bytes ? ReadNames(*bytes, r.namesPath, problem) : std::nullopt;
    if (!read) return Fault(kClassBadInput, problem.empty() ? "cannot read " + r.namesPath : problem);
    names = *read;
  }
  std::string problem;
  const std::optional<int> count = ClassSize(r, names, problem);
  if (!count) return Fault(kClassBadInput, problem);

  const QDir out(QString::fromStdString(r.outDir));
  if (out.exists() && !Entries(out).isEmpty() && !r.force) {
    return Fault(kClassBadInput, "the folder " + r.outDir +
                                     " already holds files; nothing is written (--force replaces the "
                                     "files an earlier make wrote there)");
  }
  const ClassOutcome made = MakeClass(base, *count, r.options, names);
  if (!made.error.empty()) return Fault(made.baseRefused ? kClassBadInput : kClassFailed, made.error);

  // --force replaces an earlier class, never another file of the same name (a student's
  // saved 03.rcol).
  for (const ClassVariant& v : made.variants) {
    const QString name = QString::fromStdString(VariantFileName(v.number, *count));
    if (QFileInfo::exists(out.filePath(name)) && !IsEarlierClassFile(out, name)) {
      return Fault(kClassBadInput, "the folder " + r.outDir + " holds " + name.toStdString() +
                                       ", which no earlier make wrote; nothing is written");
    }
  }
  if (!QDir().mkpath(out.path())) return Fault(kClassFailed, "cannot create the folder " + r.outDir);
  if (r.force && !RemoveEarlierClass(out)) {
    return Fault(kClassFailed, "cannot remove the earlier class from " + r.outDir);
  }
  // What the program would refuse to open is not handed out.
  std::vector<std::string> files;
  for (const ClassVariant& v : made.variants) {
    files.push_back(WriteDataFile(v.variant, VariantComment(v.number, r.options, r.version)));
    DataFile opened;
    if (const auto error = ReadDataFile(files.back(), opened)) {
      return Fault(kClassFailed, "the program would not open " + VariantFileName(v.number, *count) +
                                     " (line " + std::to_string(error->line) + ", " + error->key +
                                     "); nothing is written");
    }
  }
  for (const ClassVariant& v : made.variants) {
    const std::string name = VariantFileName(v.number, *count);
    if (!WriteText(out, name, files[static_cast<std::size_t>(v.number - 1)])) {
      return Fault(kClassFailed, "cannot write " + out.filePath(QString::fromStdString(name)).toStdString());
    }
  }
  const DesignData entered = EnterAnswers(base).data;
  PageHeading heading;
  heading.classLine = ClassLine(FileName(r.basePath), TrayKindText(KindOfTrays(entered)), *count, r.options);
  heading.date = TodayText();
  if (!WriteText(out, "key.csv", KeyCsv(made.variants, heading.classLine)) ||
      !WriteKeyTable(made.variants, heading, out.filePath(QStringLiteral("key.pdf"))) ||
      !WriteTaskSheets(made.variants, heading, out.filePath(QStringLiteral("tasks.pdf")))) {
    return Fault(kClassFailed, "cannot write the key or the task sheets into " + r.outDir);
  }
  std::string done = std::to_string(*count) + " variants, their key and task sheets in " + r.outDir;
  if (made.floodingReplaced > 0) {
    done += "; " + std::to_string(made.floodingReplaced) + " candidates whose column floods above " +
            std::to_string(static_cast<int>(kFloodingWarning)) + " % replaced (--keep-flooding keeps them)";
  }
  return ClassResult{kClassDone, done};
}

ClassResult CheckCommand(const std::string& keyPath, const std::string& answersPath,
                         const std::string& outDir) {
  std::optional<std::string> texts[2];
  const std::string paths[2] = {keyPath, answersPath};
  for (int i = 0; i < 2; ++i) {
    const std::optional<QByteArray> bytes = ReadBytes(paths[i]);
    if (bytes) texts[i] = SpreadsheetText(*bytes);
    if (!texts[i]) return Fault(kClassBadInput, "cannot read " + paths[i]);
  }
  KeyTable key;
  if (const std::string fault = ReadKey(*texts[0], key); !fault.empty()) {
    return Fault(kClassBadInput, keyPath + ": " + fault);
  }
  ClassMarks marks;
  if (const std::string fault = CheckAnswers(key, *texts[1], marks); !fault.empty()) {
    return Fault(kClassBadInput, answersPath + ": " + fault);
  }
  const QDir out(QString::fromStdString(outDir));
  if (!QDir().mkpath(out.path())) return Fault(kClassFailed, "cannot create the folder " + outDir);
  PageHeading heading;
  heading.classLine = key.classLine.empty()
                          ? u"КЛЮЧ БЕЗ ОПИСАНИЯ КЛАССА, ВАРИАНТОВ " + DecimalText(static_cast<long long>(key.rows.size()))
                          : FromUtf8(key.classLine);
  heading.files = u"КЛЮЧ: " + FromUtf8(FileName(keyPath)) + u", ОТВЕТЫ: " + FromUtf8(FileName(answersPath));
  heading.date = TodayText();
  if (!WriteText(out, "marks.csv", MarksCsv(marks)) ||
      !WriteMarks(marks, heading, out.filePath(QStringLiteral("marks.pdf")))) {
    return Fault(kClassFailed, "cannot write the marks into " + outDir);
  }
  return ClassResult{kClassDone, std::to_string(marks.answeredVariants) + " of " +
                                     std::to_string(marks.keyVariants) + " variants answered, " +
                                     "lines skipped: " + std::to_string(marks.skipped.size()) + "; marks in " + outDir};
}

}  // namespace rc
