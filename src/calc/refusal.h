#pragma once
// A calculation either completes or refuses the data with one message.
#include <optional>
#include <string>

namespace rc {

inline constexpr char16_t kInputErrorMessage[] = u"ОШИБКА В ИСХОДНОЙ ИНФОРМАЦИИ !";
inline constexpr char16_t kTooManyTraysMessage[] = u"ОБЩЕЕ ЧИСЛО ТАРЕЛОК БОЛЬШЕ 120 !";

struct Refusal {
  std::u16string message;
  bool hideKineticButton = false;  // hide the results menu's kinetic-line button
};

}  // namespace rc
