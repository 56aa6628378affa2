#pragma once
// A teacher's variant is a data file of the program (model/data_file.h): the texts a
// student types at each prompt of a whole session.
#include <optional>
#include <string>

#include "model/data_file.h"

namespace rc {

using Variant = DataFile;

struct VariantError {
  int line = 0;  // 1-based; 0 for the file as a whole
  std::string message;
};

// What is wrong with a file, in English, for the tools' messages.
std::string DataFileFaultText(const DataFileError& error);

// Reads a variant file's text. Returns the error of the first bad line.
std::optional<VariantError> ParseVariant(const std::string& text, Variant& variant);

}  // namespace rc
