#include "qt/data_files.h"

#include <unistd.h>

#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryFile>
#include <cstdio>

namespace rc {
namespace {

QString Filter() {
  return QStringLiteral("Данные ректификации (*.%1);;Все файлы (*)").arg(kDataFileSuffix);
}

// The folder itself when it is there, else home: a dialog started in a folder that is
// not there starts elsewhere and types the folder's name as a file name.
QString ExistingFolder(const QString& folder) {
  return QFileInfo(folder).isDir() ? folder
                                   : QStandardPaths::writableLocation(QStandardPaths::HomeLocation);
}

std::optional<QString> Run(QFileDialog& dialog) {
  // Qt's dialog, not the desktop's: it speaks the program's language and looks the same
  // on every machine of the classroom.
  dialog.setOption(QFileDialog::DontUseNativeDialog);
  dialog.setNameFilter(Filter());
  dialog.setWindowModality(Qt::ApplicationModal);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
  return dialog.selectedFiles().front();
}

}  // namespace

std::optional<QString> AskSavePathInDialog(QWidget* parent, const QString& proposedPath) {
  QFileDialog dialog(parent, QStringLiteral("Сохранить данные в файл"));
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setFileMode(QFileDialog::AnyFile);
  dialog.setDefaultSuffix(QString::fromLatin1(kDataFileSuffix));
  const QFileInfo proposed(proposedPath);
  dialog.setDirectory(ExistingFolder(proposed.absolutePath()));
  dialog.selectFile(proposed.fileName());
  return Run(dialog);
}

std::optional<QString> AskOpenPathInDialog(QWidget* parent, const QString& folder) {
  QFileDialog dialog(parent, QStringLiteral("Открыть файл данных"), ExistingFolder(folder));
  dialog.setAcceptMode(QFileDialog::AcceptOpen);
  dialog.setFileMode(QFileDialog::ExistingFile);
  return Run(dialog);
}

QString UserDocumentsFolder() {
  return ExistingFolder(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation));
}

std::optional<std::string> ReadWholeFile(const QString& path, QString& error) {
  QFile file(path);
  const QFileInfo info(path);
  if (!info.exists()) {
    error = QStringLiteral("файл не найден");
    return std::nullopt;
  }
  if (!info.isFile()) {
    error = QStringLiteral("это не файл");
    return std::nullopt;
  }
  if (!file.open(QIODevice::ReadOnly)) {
    error = QStringLiteral("файл недоступен для чтения");
    return std::nullopt;
  }
  if (file.size() > kMaxDataFileBytes) {
    error = QStringLiteral("файл слишком велик для файла данных");
    return std::nullopt;
  }
  const QByteArray bytes = file.read(kMaxDataFileBytes + 1);
  if (file.error() != QFileDevice::NoError || bytes.size() > kMaxDataFileBytes) {
    error = QStringLiteral("файл не удалось прочитать");
    return std::nullopt;
  }
  return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

bool RenameOver(const QString& from, const QString& to) {
  // rename() replaces the target in one step; QFile::rename would refuse an existing one.
  return std::rename(QFile::encodeName(from).constData(), QFile::encodeName(to).constData()) == 0;
}

bool WriteAtomically(const QString& path, const std::string& bytes, QString& error,
                     const RenameFile& rename) {
  const QFileInfo target(path);
  if (target.exists() && !target.isFile()) {
    error = QStringLiteral("под этим именем уже есть папка");
    return false;
  }
  QTemporaryFile temporary(target.absolutePath() + QStringLiteral("/.%1.XXXXXX").arg(target.fileName()));
  temporary.setAutoRemove(true);
  if (!temporary.open()) {
    error = QStringLiteral("в папке нельзя создать файл (нет прав на запись?)");
    return false;
  }
  const auto size = static_cast<qint64>(bytes.size());
  const bool written = temporary.write(bytes.data(), size) == size && temporary.flush() &&
                       ::fsync(temporary.handle()) == 0;
  if (!written) {
    error = QStringLiteral("файл записан не полностью (нет места на диске?)");
    return false;
  }
  // A new file is readable by all, as files saved by other programs are; an old one
  // keeps its permissions.
  temporary.setPermissions(target.exists() ? QFile::permissions(path)
                                           : QFile::ReadOwner | QFile::WriteOwner |
                                                 QFile::ReadGroup | QFile::ReadOther);
  temporary.close();
  if (!rename(temporary.fileName(), target.absoluteFilePath())) {
    error = QStringLiteral("старый файл не удалось заменить новым");
    return false;
  }
  temporary.setAutoRemove(false);
  return true;
}

}  // namespace rc
