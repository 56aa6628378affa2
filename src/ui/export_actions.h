#pragma once
// Into the student's write-up: the copy-table button of every window with a results
// table, and the save-picture and copy-picture buttons of every plot.
#include <functional>
#include <string>

#include "report/table_cells.h"
#include "ui/application.h"

namespace rc {

inline constexpr char16_t kCopyTableCaption[] = u"КОПИРОВАТЬ ТАБЛИЦУ";
inline constexpr char16_t kSavePictureCaption[] = u"СОХРАНИТЬ РИСУНОК";
inline constexpr char16_t kCopyPictureCaption[] = u"КОПИРОВАТЬ РИСУНОК";
inline constexpr char kCopyTableKeys[] = "Ctrl+C";
inline constexpr char kCopyPictureKeys[] = "Ctrl+Shift+C";
inline constexpr char16_t kPictureNotSaved[] = u"Рисунок не сохранен.";

// Puts the table on the clipboard as tab-separated text and as HTML, and says how many
// rows were copied; a table without rows leaves the clipboard alone, with a beep.
void CopyTable(Application& app, const CellTable& table);

// A plot drawn as its printed page draws it: draw takes an empty surface in the printed
// pages' line height that never breaks into pages, draws from its top and returns the
// bottom of the drawing.
PlotPicture PictureOf(Toolkit& toolkit, const std::function<double(Surface&)>& draw);

void CopyPicture(Application& app, const PlotPicture& picture);

// The save dialog in the folder last used (else the documents folder), proposing
// name + ".svg"; the picture written there whole or not at all. A picture that cannot be
// written is shown over the window. Returns whether it was saved.
bool SavePicture(Application& app, Window& over, const PlotPicture& picture,
                 const std::u16string& name);

}  // namespace rc
