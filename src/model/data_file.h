#pragma once
// The student's data as a file, and a teacher's variant: the texts typed at each prompt
// of a session.
// UTF-8 text, one "key = value" per line; "#" starts a comment that runs to the end of
// the line; blank lines are ignored. The value is what follows the first "=", with the
// blanks around it removed, otherwise exactly as typed (a decimal comma stays a comma).
// A value in double quotes runs to the last quote of its line and keeps its blanks and
// any "#"; the writer quotes only the texts that need it.
// Keys: name; variant, the number of the teacher's variant the data were handed out as
// (a whole number from 1; may be left out); x0..x7, y0..y7; xw, xf, xp; trays (bubble-cap
// or no-caps, required); p19..p31, p33..p40, p57 (the feed's thermal condition; a file
// without it holds a boiling feed, q = 1); the third-stage parameters p41..p56, p58, p59,
// which may be left out (a file that gives the others without p58 and p59 holds their
// usual 0.04 and 0.7). A key left out was answered with Cancel.
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "model/design_data.h"

namespace rc {

struct DataFile {
  std::map<std::string, std::u16string> answers;  // key -> text typed at that prompt
  bool bubbleCap = true;                           // trays = bubble-cap | no-caps
  int variant = 0;                                 // the variant's number; 0: none

  // The text typed for key; the empty text (Cancel) when the file does not give it.
  std::u16string Answer(const std::string& key) const;
  bool operator==(const DataFile&) const = default;
};

// Why a file cannot be read.
enum class DataFileFault {
  Empty,         // no key at all
  NotUtf8,       // a byte sequence that is not UTF-8
  NotText,       // control characters: not a text file
  NoEquals,      // a line that is neither blank, a comment nor "key = value"
  UnknownKey,
  RepeatedKey,
  ValueTooLong,  // longer than a prompt takes
  BadQuotes,     // an opening quote without its closing one, or text after it
  BadTrays,      // trays is neither bubble-cap nor no-caps
  BadVariant,    // variant is not a whole number from 1 to kMaxVariantNumber
  MissingTrays,
};

struct DataFileError {
  DataFileFault fault = DataFileFault::Empty;
  int line = 0;     // 1-based; 0 for the file as a whole
  std::string key;  // the key of the line, where it has one
};

// The longest value: as many characters as the prompt's line takes.
inline constexpr std::size_t kMaxValueLength = 32767;
inline constexpr int kMaxVariantNumber = 99999;

// Reads a file's text into file. Returns the error of the first bad line, and then
// leaves file empty.
std::optional<DataFileError> ReadDataFile(std::string_view text, DataFile& file);

// The file's text: firstComment as its first line ("# " before it), then every key in
// the order a session asks it, the variant's number right after the name. A control character in a text (a pasted line break) is
// written as a blank.
std::string WriteDataFile(const DataFile& file, std::string_view firstComment);

// The keys of the prompts in the order a session asks them: name, the eight pairs,
// xw, xf, xp.
std::vector<std::string> FirstStageKeys();
// p19..p31, p33..p40, p57.
std::vector<std::string> ParameterKeys();
// p41..p56, p58, p59.
std::vector<std::string> ThirdStageKeys();

// The file of the data typed so far: every typed text, the name, the variant's number,
// the tray type.
DataFile DataFileOf(const DesignData& data);

// Whether every third-stage value (41..56, 58, 59) has been typed or read from a file.
bool HasThirdStageTexts(const DesignData& data);

// The file's texts into the design data (made ready for entry) as if typed, in the
// order a session asks them: each normalised and read, the points and compositions
// under the 0..1 rule, the points sorted; the tray type. The name, when the file gives
// one, in proper case; the variant's number. Returns how many values the 0..1 rule
// rejected.
int EnterDataFile(const DataFile& file, DesignData& data);

}  // namespace rc
