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
};

inline constexpr int kMaxClassSize = 999;
inline constexpr int kAttemptsPerVariant = 200;

struct ClassVariant {
  int number = 0;  // 1-based
  Variant variant;
  std::vector<std::string> key;  // key.csv's columns after `variant`
};

struct ClassOutcome {
  std::vector<ClassVariant> variants;
  std::string error;  // the variant that could not be made and why; empty on success
};

// Candidate `attempt` (0, 1, ...) of variant `number`: the base's answers with the
// feed rate, the reflux ratio, XW, XF, XP, the column diameter, the weir height and the
// pseudo-sections drawn anew. Empty when the drawn compositions leave their order.
std::optional<Variant> DrawVariant(const Variant& base, const ClassOptions& options, int number,
                                   int attempt);

// Variants 1..count, each the first sound candidate of its own; stops at the first
// variant without one in kAttemptsPerVariant tries.
ClassOutcome MakeClass(const Variant& base, int count, const ClassOptions& options);

// The text of a variant file: a first comment line, then "key = value" in the order a
// session asks the keys (name, the points, XW, XF, XP, trays, the parameters).
std::string VariantFileText(const Variant& variant, const std::string& comment);

// "07.rcol": at least two digits, three for a class of 100 variants or more.
std::string VariantFileName(int number, int count);
inline constexpr char kVariantExtension[] = ".rcol";

}  // namespace rc
