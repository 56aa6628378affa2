#include "qt/data_files.h"

#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QImage>
#include <QSaveFile>
#include <QSettings>
#include <QStandardPaths>

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

namespace {

// The program's user settings: ~/.config/rectification/rectification.conf on Linux.
const QString kSettingsName = QStringLiteral("rectification");
const QString kLastFolderKey = QStringLiteral("dialogs/lastFolder");

}  // namespace

QString RememberedDialogFolder() {
  const QSettings settings(kSettingsName, kSettingsName);
  const QString folder = settings.value(kLastFolderKey).toString();
  return !folder.isEmpty() && QFileInfo(folder).isDir() ? folder : QString();
}

void RememberDialogFolder(const QString& folder) {
  QSettings settings(kSettingsName, kSettingsName);
  settings.setValue(kLastFolderKey, folder);
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

bool WriteWholeFile(const QString& path, const FileContents& write, QString& error) {
  const QFileInfo target(path);
  if (target.exists() && !target.isFile()) {
    error = QStringLiteral("под этим именем уже есть папка");
    return false;
  }
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly)) {
    error = QStringLiteral("в папке нельзя создать файл (нет прав на запись?)");
    return false;
  }
  if (!write(file) || file.error() != QFileDevice::NoError) {
    file.cancelWriting();
    error = QStringLiteral("файл записан не полностью (нет места на диске?)");
    return false;
  }
  if (!file.commit()) {
    error = QStringLiteral("старый файл не удалось заменить новым");
    return false;
  }
  return true;
}

bool WriteWholeFile(const QString& path, const std::string& bytes, QString& error) {
  return WriteWholeFile(
      path,
      [&bytes](QIODevice& file) {
        const auto size = static_cast<qint64>(bytes.size());
        return file.write(bytes.data(), size) == size;
      },
      error);
}

bool WritePng(const QImage& image, const QString& path) {
  QString error;
  return !image.isNull() &&
         WriteWholeFile(path, [&image](QIODevice& file) { return image.save(&file, "PNG"); }, error);
}

}  // namespace rc
