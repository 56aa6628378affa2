#pragma once
// The printed pages of a class, on A4 in the report font: the task sheets (a variant to
// a page), the key as tables and the marks of a checked class. Every page begins with
// the class it belongs to, the date and "лист N из M".
#include <QString>
#include <string>
#include <vector>

#include "class/class_check.h"
#include "class/class_variants.h"

namespace rc {

struct PageHeading {
  std::u16string classLine;  // "КЛАСС: bubble-cap.txt, ТАРЕЛКИ КОЛПАЧКОВЫЕ, ..."
  std::u16string files;      // the marks: the key and the answers checked; else empty
  std::u16string date;       // TodayText()
};

// Today as the reports write the date: "07 декабря 2026г.".
std::u16string TodayText();

// False when a file cannot be written. Need a QGuiApplication for the fonts.
bool WriteTaskSheets(const std::vector<ClassVariant>& variants, const PageHeading& heading,
                     const QString& path);
bool WriteKeyTable(const std::vector<ClassVariant>& variants, const PageHeading& heading,
                   const QString& path);
bool WriteMarks(const ClassMarks& marks, const PageHeading& heading, const QString& path);

}  // namespace rc
