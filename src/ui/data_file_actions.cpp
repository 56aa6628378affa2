#include "ui/data_file_actions.h"

#include "model/data_file.h"
#include "model/text.h"
#include "program_version.h"
#include "ui/entry.h"
#include "ui/file_message.h"
#include "ui/form9.h"

namespace rc {
namespace {

constexpr char16_t kSuffix[] = u".rcol";

std::u16string TwoDigits(int n) { return (n < 10 ? u"0" : u"") + DecimalText(n); }

std::u16string LineText(int line) { return u"строка " + DecimalText(line) + u": "; }

std::u16string Quoted(const std::string& key) { return u"«" + FromUtf8(key) + u"»"; }

// What is wrong with the file, as the message says it.
std::u16string FaultText(const DataFileError& e) {
  switch (e.fault) {
    case DataFileFault::Empty: return u"в файле нет данных";
    case DataFileFault::NotUtf8: return LineText(e.line) + u"текст не в кодировке UTF-8";
    case DataFileFault::NotText: return LineText(e.line) + u"это не текстовый файл";
    case DataFileFault::NoEquals: return LineText(e.line) + u"нет знака «=»";
    case DataFileFault::UnknownKey: return LineText(e.line) + u"неизвестное имя " + Quoted(e.key);
    case DataFileFault::RepeatedKey: return LineText(e.line) + Quoted(e.key) + u" повторено";
    case DataFileFault::ValueTooLong:
      return LineText(e.line) + u"слишком длинное значение " + Quoted(e.key);
    case DataFileFault::BadQuotes: return LineText(e.line) + u"кавычка не закрыта";
    case DataFileFault::BadTrays:
      return LineText(e.line) + u"тип тарелок: bubble-cap или no-caps";
    case DataFileFault::BadVariant:
      return LineText(e.line) + u"номер варианта: целое число от 1 до " +
             DecimalText(kMaxVariantNumber);
    case DataFileFault::MissingTrays: return u"не указан тип тарелок (trays)";
  }
  return {};
}

void ShowMessage(Application& app, Window& over, const char16_t* statement,
                 const std::u16string& path, const std::u16string& reason) {
  app.Form<FileMessage>().Open(over, statement, FileNameOf(path), reason);
}

}  // namespace

std::u16string FileNameOf(const std::u16string& path) {
  const auto slash = path.find_last_of(u"/\\");
  return slash == std::u16string::npos ? path : path.substr(slash + 1);
}

std::u16string FolderOf(const std::u16string& path) {
  const auto slash = path.find_last_of(u"/\\");
  if (slash == std::u16string::npos) return {};
  return slash == 0 ? path.substr(0, 1) : path.substr(0, slash);
}

std::u16string DialogFolder(Application& app) {
  const std::u16string last = app.toolkit().RememberedFolder();
  return last.empty() ? app.toolkit().DocumentsFolder() : last;
}

std::u16string DataFileFirstLine() {
  return u"rectification " + FromUtf8(kProgramVersion) + u": данные ректификационной колонны";
}

std::u16string ProposedFileName(const std::u16string& studentName, CalendarDate today) {
  std::u16string surname;
  for (char16_t c : studentName) {
    if (c == u' ' || c == u'\t') {
      if (surname.empty()) continue;
      break;
    }
    // Characters a file name cannot hold, or that a file manager reads as a folder.
    const bool unsafe = c < 0x20 || std::u16string_view(u"/\\:*?\"<>|").find(c) !=
                                        std::u16string_view::npos;
    surname.push_back(unsafe ? u'_' : c);
  }
  if (surname.empty() || surname.front() == u'.') surname.insert(0, u"данные");
  return surname + u"-" + DecimalText(today.year) + u"-" + TwoDigits(today.month) + u"-" +
         TwoDigits(today.day) + kSuffix;
}

bool SaveDataToFile(Application& app, Window& over) {
  Toolkit& tk = app.toolkit();
  const std::u16string proposed =
      !app.dataFilePath.empty()
          ? app.dataFilePath
          : DialogFolder(app) + u"/" + ProposedFileName(app.data().StudentName, tk.Today());
  const std::optional<std::u16string> path = tk.AskSavePath(proposed);
  if (!path) return false;
  tk.RememberFolder(FolderOf(*path));
  const DataFile file = DataFileOf(app.data());
  std::u16string error;
  if (!tk.WriteFileAtomically(*path, WriteDataFile(file, ToUtf8(DataFileFirstLine())), error)) {
    ShowMessage(app, over, kDataNotSaved, *path, error);
    return false;
  }
  app.NoteSaved(file);
  app.dataFilePath = *path;
  return true;
}

void OpenDataFileFromDialog(Application& app, Window& over) {
  if (const auto path = app.toolkit().AskOpenPath(DialogFolder(app))) {
    app.toolkit().RememberFolder(FolderOf(*path));
    OpenDataFile(app, *path, over);
  }
}

bool OpenDataFile(Application& app, const std::u16string& path, Window& over) {
  Toolkit& tk = app.toolkit();
  std::u16string error;
  const std::optional<std::string> text = tk.ReadFile(path, error);
  if (!text) {
    ShowMessage(app, over, kFileNotOpened, path, error);
    return false;
  }
  DataFile file;
  if (const auto bad = ReadDataFile(*text, file)) {
    ShowMessage(app, over, kFileNotOpened, path, FaultText(*bad));
    return false;
  }

  // A run starts as the entry button starts one, with the file's texts for answers.
  DesignData& d = app.data();
  PrepareForEntry(d);
  for (int rejected = EnterDataFile(file, d); rejected > 0; --rejected) tk.Beep();
  // Nothing is lost by closing now, unless a name is typed below.
  app.NoteSaved(DataFileOf(d));
  app.dataFilePath = path;
  if (d.Typed.Name.empty()) AskStudentName(app);
  CloseStartScreen(app);
  Form9::OpenWithData(app);
  return true;
}

}  // namespace rc
