#pragma once
// The student's data files on disk: the save and open dialogs, reading a file whole and
// writing one atomically.
#include <QString>
#include <functional>
#include <optional>
#include <string>

class QWidget;

namespace rc {

// The extension of the program's data files, and the dialogs' filter for them.
inline constexpr char kDataFileSuffix[] = "rcol";

// Qt's own file dialogs (in the program's language, not the desktop's), on parent.
std::optional<QString> AskSavePathInDialog(QWidget* parent, const QString& proposedPath);
std::optional<QString> AskOpenPathInDialog(QWidget* parent, const QString& folder);

// The documents folder when there is one, else home.
QString UserDocumentsFolder();

// A data file is small: larger files are refused before they are read.
inline constexpr qint64 kMaxDataFileBytes = 8 * 1024 * 1024;
std::optional<std::string> ReadWholeFile(const QString& path, QString& error);

// Moves a finished temporary file over the target; true when done. Replaceable so that
// a failure of the last step can be shown.
using RenameFile = std::function<bool(const QString& from, const QString& to)>;
bool RenameOver(const QString& from, const QString& to);

// Writes bytes to a temporary file beside path, flushes it to the disk and renames it
// over path. On any failure the temporary file is removed, path is untouched and error
// says what went wrong.
bool WriteAtomically(const QString& path, const std::string& bytes, QString& error,
                     const RenameFile& rename = RenameOver);

}  // namespace rc
