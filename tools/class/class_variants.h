#pragma once
// A class of variants made from one base variant: the mixture stays, the design
// choices a teacher varies are drawn anew for every variant, and a candidate is kept
// only when a student's session on it would give a full answer key.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "class/class_key.h"
#include "variant_run/variant_file.h"

namespace rc {

struct ClassOptions {
  std::uint64_t seed = 1;
  double spread = 15;  // [%] of each varied value
  TrayRange trays;
  // Keep candidates whose column floods above the warning (for a class that is to find
  // and mend a flooding column); by default they are replaced.
  bool keepFlooding = false;
};

inline constexpr int kMaxClassSize = 999;
inline constexpr int kAttemptsPerVariant = 200;

struct ClassVariant {
  int number = 0;  // 1-based
  // The variant's data file, as the program would save it once opened: its number, the
  // student's name where one is given, every value as typed, the points in order.
  Variant variant;
  std::vector<std::string> key;  // key.csv's columns after `variant` and `name`
};

struct ClassOutcome {
  std::vector<ClassVariant> variants;
  std::string error;  // the variant that could not be made and why; empty on success
  bool baseRefused = false;  // the program's checks refuse the base itself
  int floodingReplaced = 0;  // candidates replaced because their column floods
};

// Candidate `attempt` (0, 1, ...) of variant `number`: the base's answers without its
// name, with the variant's number, and the feed rate, the reflux ratio, XW, XF, XP, the
// column diameter, the weir height and the pseudo-sections drawn anew. On dual-flow trays
// the weir height is the holes' equivalent diameter, which the third stage gives again
// as the hole diameter: the two are drawn as one. Empty when the drawn compositions
// leave their order.
std::optional<Variant> DrawVariant(const Variant& base, const ClassOptions& options, int number,
                                   int attempt);

// Variants 1..count, each the first candidate that the program's checks accept at every
// stage the base gives, whose calculations give a full key and (unless keepFlooding)
// whose column stays at or below the flooding warning; names[k] (where given)
// is the name of variant k + 1. Refuses a base that the checks refuse; stops at the
// first variant without a candidate in kAttemptsPerVariant tries.
ClassOutcome MakeClass(const Variant& base, int count, const ClassOptions& options,
                       const std::vector<std::u16string>& names = {});

// "07.rcol": at least two digits, three for a class of 100 variants or more.
std::string VariantFileName(int number, int count);
inline constexpr char kVariantExtension[] = ".rcol";

}  // namespace rc
