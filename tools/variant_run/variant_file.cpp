#include "variant_run/variant_file.h"

#include <algorithm>
#include <sstream>

#include "model/text.h"

namespace rc {
namespace {

std::string Trim(const std::string& s) {
  const auto first = s.find_first_not_of(" \t\r");
  if (first == std::string::npos) return {};
  const auto last = s.find_last_not_of(" \t\r");
  return s.substr(first, last - first + 1);
}

bool KnownKey(const std::string& key) {
  static const std::vector<std::string> keys = [] {
    std::vector<std::string> all = FirstStageKeys();
    for (const auto& stage : {ParameterKeys(), ColumnKeys()}) all.insert(all.end(), stage.begin(), stage.end());
    all.push_back("trays");
    return all;
  }();
  return std::find(keys.begin(), keys.end(), key) != keys.end();
}

}  // namespace

std::u16string Variant::Answer(const std::string& key) const {
  const auto it = answers.find(key);
  return it == answers.end() ? std::u16string{} : it->second;
}

std::vector<std::string> FirstStageKeys() {
  std::vector<std::string> keys{"name"};
  for (int i = 0; i < 8; ++i) {
    keys.push_back("x" + std::to_string(i));
    keys.push_back("y" + std::to_string(i));
  }
  keys.insert(keys.end(), {"xw", "xf", "xp"});
  return keys;
}

std::vector<std::string> ParameterKeys() {
  std::vector<std::string> keys;
  for (int n = 19; n <= 40; ++n) {
    if (n != 32) keys.push_back("p" + std::to_string(n));
  }
  return keys;
}

std::vector<std::string> ColumnKeys() {
  std::vector<std::string> keys;
  for (int n = 41; n <= 56; ++n) keys.push_back("p" + std::to_string(n));
  return keys;
}

std::optional<VariantError> ParseVariant(const std::string& text, Variant& variant) {
  variant = Variant{};
  bool traysGiven = false;
  std::istringstream in(text);
  std::string raw;
  for (int number = 1; std::getline(in, raw); ++number) {
    std::string line = raw.substr(0, raw.find('#'));
    if (Trim(line).empty()) continue;
    const auto eq = line.find('=');
    if (eq == std::string::npos) return VariantError{number, "expected \"key = value\""};
    const std::string key = Trim(line.substr(0, eq));
    const std::string value = Trim(line.substr(eq + 1));
    if (!KnownKey(key)) return VariantError{number, "unknown key \"" + key + "\""};
    if (variant.answers.count(key) || (key == "trays" && traysGiven)) {
      return VariantError{number, "key \"" + key + "\" given twice"};
    }
    if (key == "trays") {
      if (value != "bubble-cap" && value != "no-caps") {
        return VariantError{number, "trays must be bubble-cap or no-caps"};
      }
      variant.bubbleCap = value == "bubble-cap";
      traysGiven = true;
      continue;
    }
    variant.answers[key] = FromUtf8(value);
  }
  if (!traysGiven) return VariantError{0, "the key \"trays\" (bubble-cap or no-caps) is missing"};
  return std::nullopt;
}

}  // namespace rc
