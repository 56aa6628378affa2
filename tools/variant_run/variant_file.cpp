#include "variant_run/variant_file.h"

namespace rc {

std::string DataFileFaultText(const DataFileError& error) {
  const std::string key = "\"" + error.key + "\"";
  switch (error.fault) {
    case DataFileFault::Empty: return "the file holds no data";
    case DataFileFault::NotUtf8: return "not UTF-8 text";
    case DataFileFault::NotText: return "control characters: not a text file";
    case DataFileFault::NoEquals: return "expected \"key = value\"";
    case DataFileFault::UnknownKey: return "unknown key " + key;
    case DataFileFault::RepeatedKey: return "key " + key + " given twice";
    case DataFileFault::ValueTooLong: return "the value of " + key + " is too long";
    case DataFileFault::BadQuotes: return "the quoted value of " + key + " is not closed";
    case DataFileFault::BadTrays: return "trays must be bubble-cap or no-caps";
    case DataFileFault::BadVariant:
      return "variant must be a whole number from 1 to " + std::to_string(kMaxVariantNumber);
    case DataFileFault::MissingTrays: return "the key \"trays\" (bubble-cap or no-caps) is missing";
  }
  return "cannot be read";
}

std::optional<VariantError> ParseVariant(const std::string& text, Variant& variant) {
  if (const auto error = ReadDataFile(text, variant)) {
    return VariantError{error->line, DataFileFaultText(*error)};
  }
  return std::nullopt;
}

}  // namespace rc
