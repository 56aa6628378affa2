#include "model/data_file.h"

#include <algorithm>
#include <charconv>

#include "model/equilibrium.h"
#include "model/input_catalogue.h"
#include "model/number_text.h"
#include "model/text.h"

namespace rc {
namespace {

constexpr std::string_view kBlanks = " \t\r";
constexpr std::string_view kTraysKey = "trays";
constexpr std::string_view kVariantKey = "variant";

std::string_view Trim(std::string_view s) {
  const auto first = s.find_first_not_of(kBlanks);
  if (first == std::string_view::npos) return {};
  const auto last = s.find_last_not_of(kBlanks);
  return s.substr(first, last - first + 1);
}

bool KnownKey(std::string_view key) {
  static const std::vector<std::string> keys = [] {
    std::vector<std::string> all = FirstStageKeys();
    for (const auto& more : {ParameterKeys(), ThirdStageKeys()}) {
      all.insert(all.end(), more.begin(), more.end());
    }
    all.insert(all.end(), {std::string(kTraysKey), std::string(kVariantKey)});
    return all;
  }();
  return std::find(keys.begin(), keys.end(), key) != keys.end();
}

// Strict UTF-8: what decodes and encodes back to the same bytes (no stray, overlong or
// surrogate sequences).
bool IsUtf8(std::string_view line) {
  const bool ascii = std::all_of(line.begin(), line.end(),
                                 [](char c) { return static_cast<unsigned char>(c) < 0x80; });
  return ascii || ToUtf8(FromUtf8(line)) == line;
}

// Control characters other than tabs; a carriage return only as the end of its line
// (a file written on Windows).
bool HasControlCharacters(std::string_view line) {
  if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
  return std::any_of(line.begin(), line.end(), [](char c) {
    const auto b = static_cast<unsigned char>(c);
    return (b < 0x20 && c != '\t') || b == 0x7F;
  });
}

// A text the reader would not give back as it is unless quoted.
bool NeedsQuotes(std::u16string_view text) {
  if (text.empty()) return false;
  const auto blank = [](char16_t c) { return c == u' ' || c == u'\t' || c == u'\r'; };
  return blank(text.front()) || blank(text.back()) || text.front() == u'"' ||
         text.find(u'#') != std::u16string_view::npos;
}

// A whole number 1..kMaxVariantNumber in digits only; 0 for any other text.
int VariantNumber(std::string_view text) {
  int n = 0;
  const char* end = text.data() + text.size();
  const auto [at, error] = std::from_chars(text.data(), end, n);
  const bool digitsOnly = !text.empty() && text.front() >= '0' && text.front() <= '9';
  return digitsOnly && error == std::errc() && at == end && n <= kMaxVariantNumber ? n : 0;
}

// One "key = value" line, its comment not yet removed.
std::optional<DataFileError> ReadLine(std::string_view raw, int number, DataFile& file,
                                      bool& traysGiven) {
  if (!IsUtf8(raw)) return DataFileError{DataFileFault::NotUtf8, number, {}};
  if (HasControlCharacters(raw)) return DataFileError{DataFileFault::NotText, number, {}};
  const std::string_view uncommented = raw.substr(0, raw.find('#'));
  if (Trim(uncommented).empty()) return std::nullopt;
  const auto eq = uncommented.find('=');
  if (eq == std::string_view::npos) return DataFileError{DataFileFault::NoEquals, number, {}};
  const std::string key(Trim(uncommented.substr(0, eq)));
  if (!KnownKey(key)) return DataFileError{DataFileFault::UnknownKey, number, key};
  if (file.answers.count(key) || (key == kTraysKey && traysGiven) ||
      (key == kVariantKey && file.variant > 0)) {
    return DataFileError{DataFileFault::RepeatedKey, number, key};
  }

  std::string_view value = Trim(uncommented.substr(eq + 1));
  const std::string_view afterEquals = Trim(raw.substr(eq + 1));
  if (!afterEquals.empty() && afterEquals.front() == '"') {
    const auto close = afterEquals.rfind('"');
    const std::string_view rest = Trim(afterEquals.substr(close + 1));
    if (close == 0 || !(rest.empty() || rest.front() == '#')) {
      return DataFileError{DataFileFault::BadQuotes, number, key};
    }
    value = afterEquals.substr(1, close - 1);
  }

  if (key == kVariantKey) {
    file.variant = VariantNumber(value);
    if (file.variant == 0) return DataFileError{DataFileFault::BadVariant, number, key};
    return std::nullopt;
  }
  if (key == kTraysKey) {
    if (value != "bubble-cap" && value != "no-caps") {
      return DataFileError{DataFileFault::BadTrays, number, key};
    }
    file.bubbleCap = value == "bubble-cap";
    traysGiven = true;
    return std::nullopt;
  }
  std::u16string text = FromUtf8(value);
  if (text.size() > kMaxValueLength) {
    return DataFileError{DataFileFault::ValueTooLong, number, key};
  }
  file.answers[key] = std::move(text);
  return std::nullopt;
}

// A line of the file holds no line break nor other control character: such a character
// in a text (only a pasted answer can hold one) is written as a blank, which the reading
// of a number skips as it skips the character itself.
std::u16string OnOneLine(std::u16string text) {
  for (char16_t& c : text) {
    if ((c < 0x20 && c != u'\t') || c == 0x7F) c = u' ';
  }
  return text;
}

std::string NumberedKey(char letter, int n) { return letter + std::to_string(n); }

// The key of parameter n (16..57), as the catalogue of inputs gives it.
std::string ParameterKey(int n) {
  const InputRow* input = FindInput(n);
  return input ? input->key : NumberedKey('p', n);
}

}  // namespace

std::u16string DataFile::Answer(const std::string& key) const {
  const auto it = answers.find(key);
  return it == answers.end() ? std::u16string{} : it->second;
}

std::vector<std::string> FirstStageKeys() {
  std::vector<std::string> keys{"name"};
  for (int i = 0; i < 8; ++i) {
    keys.push_back(NumberedKey('x', i));
    keys.push_back(NumberedKey('y', i));
  }
  const std::vector<std::string> compositions = InputKeys(InputStage::Compositions);
  keys.insert(keys.end(), compositions.begin(), compositions.end());
  return keys;
}

std::vector<std::string> ParameterKeys() { return InputKeys(InputStage::TrayData); }

std::vector<std::string> ThirdStageKeys() { return InputKeys(InputStage::Column); }

std::optional<DataFileError> ReadDataFile(std::string_view text, DataFile& file) {
  file = DataFile{};
  // A byte-order mark, as some editors write it, is not part of the first line.
  if (text.substr(0, 3) == "\xEF\xBB\xBF") text.remove_prefix(3);
  bool traysGiven = false;
  int number = 1;
  for (std::size_t start = 0; start < text.size(); ++number) {
    const auto end = std::min(text.find('\n', start), text.size());
    if (auto error = ReadLine(text.substr(start, end - start), number, file, traysGiven)) {
      file = DataFile{};
      return error;
    }
    start = end + 1;
  }
  std::optional<DataFileError> error;
  if (file.answers.empty() && !traysGiven) {
    error = DataFileError{DataFileFault::Empty, 0, {}};
  } else if (!traysGiven) {
    error = DataFileError{DataFileFault::MissingTrays, 0, "trays"};
  }
  if (error) file = DataFile{};
  return error;
}

std::string WriteDataFile(const DataFile& file, std::string_view firstComment) {
  std::string out = "# " + std::string(firstComment) + "\n";
  const auto write = [&](const std::string& key) {
    const auto it = file.answers.find(key);
    if (it == file.answers.end()) return;
    const std::u16string text = OnOneLine(it->second);
    const std::string value = ToUtf8(text);
    out += key + " = " + (NeedsQuotes(text) ? "\"" + value + "\"" : value) + "\n";
  };
  for (const std::string& key : FirstStageKeys()) {
    write(key);
    if (key == "name" && file.variant > 0) {
      out += std::string(kVariantKey) + " = " + std::to_string(file.variant) + "\n";
    }
  }
  out += std::string("trays = ") + (file.bubbleCap ? "bubble-cap" : "no-caps") + "\n";
  for (const auto& keys : {ParameterKeys(), ThirdStageKeys()}) {
    for (const std::string& key : keys) write(key);
  }
  return out;
}

DataFile DataFileOf(const DesignData& data) {
  DataFile file;
  const TypedTexts& typed = data.Typed;
  file.answers["name"] = typed.Name;
  for (int i = 0; i < 8; ++i) {
    file.answers[NumberedKey('x', i)] = typed.EqX[static_cast<std::size_t>(i)];
    file.answers[NumberedKey('y', i)] = typed.EqY[static_cast<std::size_t>(i)];
  }
  for (const auto& [n, text] : typed.Param) file.answers[ParameterKey(n)] = text;
  file.bubbleCap = data.TrayType == kBubbleCapTrays;
  file.variant = typed.Variant;
  return file;
}

bool HasThirdStageTexts(const DesignData& data) {
  for (int n : InputNumbers(InputStage::Column)) {
    if (!data.Typed.Param.count(n)) return false;
  }
  return true;
}

int EnterDataFile(const DataFile& file, DesignData& data) {
  int rejected = 0;
  // n: the parameter the answer is for; 0 for an equilibrium value.
  const auto enter = [&](const std::string& key, int n, std::u16string& typed,
                         std::u16string& text, float& value, bool unitRange) {
    typed = file.Answer(key);
    if (KeepTypedNumber(ParameterAnswerText(n, typed), unitRange, text, value)) ++rejected;
  };
  TypedTexts& typed = data.Typed;
  typed.Name = file.Answer("name");
  if (!typed.Name.empty()) data.StudentName = ProperCase(typed.Name);
  typed.Variant = file.variant;
  for (std::size_t i = 0; i < 8; ++i) {
    const int n = static_cast<int>(i);
    enter(NumberedKey('x', n), 0, typed.EqX[i], data.EqXText[i], data.EqX[i], true);
    enter(NumberedKey('y', n), 0, typed.EqY[i], data.EqYText[i], data.EqY[i], true);
  }
  SortEquilibriumPoints(data);
  // A file without the feed's thermal condition, written before it was asked, holds a
  // boiling feed: its missing answer reads as an empty one.
  // The third stage's values only where the file gives them; their window shows them for
  // review before the column is computed. A file written before the operating window's
  // inputs were asked gives the rest of the third stage without them: their missing
  // answers read as empty ones, the usual values. The compositions lie in the unit range.
  bool thirdStageGiven = false;
  for (const std::string& key : ThirdStageKeys()) thirdStageGiven |= file.answers.count(key) > 0;
  for (const InputRow& input : InputCatalogue()) {
    const bool usualWhenMissing = thirdStageGiven && !ParameterAnswerText(input.number, u"").empty();
    if (input.stage == InputStage::Column && !file.answers.count(input.key) && !usualWhenMissing) {
      continue;
    }
    const int n = input.number;
    enter(input.key, n, typed.Param[n], data.ParamText[n], data.ParamValue[n],
          input.stage == InputStage::Compositions);
  }
  data.TrayType = file.bubbleCap ? kBubbleCapTrays : kTraysWithoutCaps;
  return rejected;
}

}  // namespace rc
