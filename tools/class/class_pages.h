#pragma once
// The printed pages of a class, on A4 in the report font: the task sheets (a page per
// variant), the key as a table and the marks of a checked class.
#include <QString>
#include <vector>

#include "class/class_check.h"
#include "class/class_variants.h"

namespace rc {

// False when a file cannot be written. Need a QGuiApplication for the fonts.
bool WriteTaskSheets(const std::vector<ClassVariant>& variants, const QString& path);
bool WriteKeyTable(const std::vector<ClassVariant>& variants, const QString& path);
bool WriteMarks(const ClassMarks& marks, const QString& path);

}  // namespace rc
