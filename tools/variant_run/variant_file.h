#pragma once
// A teacher's variant: the texts a student types at each prompt of a whole session.
// UTF-8 text, one "key = value" per line; "#" starts a comment that runs to the end of
// the line; blank lines are ignored. The value is what follows the first "=", with the
// blanks around it removed, otherwise exactly as typed (a decimal comma stays a comma).
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace rc {

struct Variant {
  std::map<std::string, std::u16string> answers;  // key -> text typed at that prompt
  bool bubbleCap = true;                           // trays = bubble-cap | no-caps

  // The text typed for key; the empty text (Cancel) when the file does not give it.
  std::u16string Answer(const std::string& key) const;
};

struct VariantError {
  int line = 0;  // 1-based; 0 for the file as a whole
  std::string message;
};

// Reads a variant file's text. Returns the error of the first bad line: a line without
// "=", an unknown or repeated key, or an unknown tray kind.
std::optional<VariantError> ParseVariant(const std::string& text, Variant& variant);

// The keys of the prompts in the order a session asks them: name, the eight pairs,
// xw, xf, xp.
std::vector<std::string> FirstStageKeys();
// p19..p31, p33..p40.
std::vector<std::string> ParameterKeys();
// p41..p56: the third stage, typed when the variant gives any of them.
std::vector<std::string> ColumnKeys();

}  // namespace rc
