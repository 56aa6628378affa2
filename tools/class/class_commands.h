#pragma once
// The two commands of rectification-class, on files and folders.
#include <optional>
#include <string>
#include <vector>

#include "class/class_variants.h"

namespace rc {

// Exit statuses.
inline constexpr int kClassDone = 0;
inline constexpr int kClassFailed = 1;     // a variant cannot be made, or a file not written
inline constexpr int kClassBadInput = 2;   // the command line, an input file or the folder is unusable

struct ClassResult {
  int status = kClassFailed;
  std::string message;  // for the teacher: what went wrong, or what was done
};

struct MakeRequest {
  std::string basePath;
  std::optional<int> count;  // may be left out with a names file: one variant a name
  std::string outDir;
  std::string namesPath;     // the students' names, one a line; empty: none
  bool force = false;        // replace the files of an earlier class in outDir
  ClassOptions options;
  std::string version;       // the tool's, for the variant files' first line
};

// What the class's pages and its key say of it: "КЛАСС: bubble-cap.txt, ТАРЕЛКИ
// КОЛПАЧКОВЫЕ, ВАРИАНТОВ 30, ЗЕРНО 1, РАЗБРОС 15 %", and ", ЗАХЛЕБЫВАНИЕ ДОПУСКАЕТСЯ"
// when flooding columns are kept.
std::u16string ClassLine(const std::string& baseFile, const std::u16string& trayKind, int count,
                         const ClassOptions& options);

// key.csv: a byte-order mark, the class line as a comment row, the header (variant, name
// and the names of KeyColumns()), then a row per variant.
std::string KeyCsv(const std::vector<ClassVariant>& variants, const std::u16string& classLine);

// Writes 01.rcol ..., key.csv, key.pdf and tasks.pdf into outDir (created if need be);
// nothing when a variant cannot be made or outDir already holds files (with force, only
// the files an earlier make wrote there are removed first). Its message says how many
// candidates were replaced because their column floods.
ClassResult MakeCommand(const MakeRequest& request);

// Writes marks.csv and marks.pdf into outDir.
ClassResult CheckCommand(const std::string& keyPath, const std::string& answersPath,
                         const std::string& outDir);

}  // namespace rc
