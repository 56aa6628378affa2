#pragma once
// Saving the student's data to a file and opening them again.
#include <string>

#include "report/date_text.h"
#include "ui/application.h"

namespace rc {

// The file's name and its folder in a path ("/" alone for a file at the root).
std::u16string FileNameOf(const std::u16string& path);
std::u16string FolderOf(const std::u16string& path);
// Where a file dialog starts: the folder last used (in this run or an earlier one), else
// the student's documents folder (or home, where there is none).
std::u16string DialogFolder(Application& app);

// The first line of every file the program writes.
std::u16string DataFileFirstLine();

// The name the save dialog proposes: the surname (the name's first word) and the date,
// "Иванов-2026-12-09.rcol"; "данные-…" without a name.
std::u16string ProposedFileName(const std::u16string& studentName, CalendarDate today);

// The save button: asks for the file in the save dialog (in the documents folder, with
// the proposed name) and writes every typed text, the name and the tray type to it.
// Returns whether the data were saved; a failure is shown over the window.
bool SaveDataToFile(Application& app, Window& over);

// The start screen's open button: the open dialog in the documents folder, then
// OpenDataFile.
void OpenDataFileFromDialog(Application& app, Window& over);

// Starts a run with the file's data as if typed (the name prompt only when the file has
// no name) and opens the full correction list with every row; faulty data open on its
// fault display. A file that cannot be read or is malformed is shown over the window and
// changes nothing. Returns whether the file was opened.
bool OpenDataFile(Application& app, const std::u16string& path, Window& over);

}  // namespace rc
