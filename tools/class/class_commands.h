#pragma once
// The two commands of rectification-class, on files and folders.
#include <string>
#include <vector>

#include "class/class_variants.h"

namespace rc {

// Exit statuses.
inline constexpr int kClassDone = 0;
inline constexpr int kClassFailed = 1;     // a variant cannot be made, or a file not written
inline constexpr int kClassBadInput = 2;   // the command line or an input file is unusable

struct ClassResult {
  int status = kClassFailed;
  std::string message;               // for the teacher: what went wrong
  std::vector<std::string> skipped;  // check: the malformed rows of the answers
};

// key.csv: the header of KeyColumns(), then a row per variant.
std::string KeyCsv(const std::vector<ClassVariant>& variants);

// Writes 01.rcol ..., key.csv, key.pdf and tasks.pdf into outDir (created if need be);
// nothing when a variant cannot be made.
ClassResult MakeCommand(const std::string& basePath, int count, const std::string& outDir,
                        const ClassOptions& options, const std::string& version);

// Writes marks.csv and marks.pdf into outDir.
ClassResult CheckCommand(const std::string& keyPath, const std::string& answersPath,
                         const std::string& outDir);

}  // namespace rc
