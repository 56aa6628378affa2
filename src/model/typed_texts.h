#pragma once
// What the student typed at each value prompt, exactly as typed (a decimal comma stays a
// comma, a Cancel is the empty text), beside the normalised texts the design data show.
// Each point's typed texts move with the point when the points are sorted.
#include <array>
#include <map>
#include <string>

namespace rc {

struct TypedTexts {
  std::u16string Name;
  std::array<std::u16string, 8> EqX, EqY;
  // Parameters by number (16..18 the compositions, then the tray and column data); a
  // parameter not asked yet has no entry.
  std::map<int, std::u16string> Param;
  // The number of the teacher's variant the data were opened from; 0: none. Not typed,
  // but kept with the typed texts so that saving the data writes it back.
  int Variant = 0;

  bool operator==(const TypedTexts&) const = default;
};

}  // namespace rc
