#pragma once
// Files on disk: the data files' save and open dialogs, reading a file whole, and writing
// every file the programs write whole or not at all.
#include <QString>
#include <functional>
#include <optional>
#include <string>

class QIODevice;
class QImage;
class QWidget;

namespace rc {

// The extension of the program's data files, and the dialogs' filter for them.
inline constexpr char kDataFileSuffix[] = "rcol";

// Qt's own file dialogs (in the program's language, not the desktop's), on parent.
std::optional<QString> AskSavePathInDialog(QWidget* parent, const QString& proposedPath);
std::optional<QString> AskOpenPathInDialog(QWidget* parent, const QString& folder);

// The documents folder when there is one, else home.
QString UserDocumentsFolder();

// The folder of the file last chosen in a file dialog, kept in the program's user
// settings from one run to the next; empty when none was kept or it is no longer there.
QString RememberedDialogFolder();
void RememberDialogFolder(const QString& folder);

// A data file is small: larger files are refused before they are read.
inline constexpr qint64 kMaxDataFileBytes = 8 * 1024 * 1024;
std::optional<std::string> ReadWholeFile(const QString& path, QString& error);

// Writes a file whole or not at all, through QSaveFile: write fills a new file beside
// path, which replaces path only when write succeeded and the file reached the disk.
// Otherwise path is as it was, nothing is left beside it, and error says what went
// wrong. An older file keeps its permissions.
using FileContents = std::function<bool(QIODevice& file)>;
bool WriteWholeFile(const QString& path, const FileContents& write, QString& error);
bool WriteWholeFile(const QString& path, const std::string& bytes, QString& error);
// A picture as a PNG file, written whole or not at all.
bool WritePng(const QImage& image, const QString& path);

}  // namespace rc
