#pragma once
// A calculation either completes or refuses the data; the refusal's kind decides its
// message and whether the results menu hides its kinetic-line button.
#include <optional>
#include <string>

namespace rc {

enum class RefusalKind {
  DataRefused,   // the data give no finite result (or no positive clear-liquid height)
  TooManyTrays,  // the top is not reached within the tray limit
};

inline constexpr char16_t kInputErrorMessage[] = u"ОШИБКА В ИСХОДНОЙ ИНФОРМАЦИИ !";

struct Refusal {
  Refusal() = default;
  Refusal(RefusalKind k, std::optional<double> minimum = std::nullopt)  // NOLINT: Refusal{kind}
      : kind(k), minimumReflux(minimum) {}

  RefusalKind kind = RefusalKind::DataRefused;
  // [-] R_min, when the tray limit was passed at a reflux ratio below it: no number of
  // trays would reach the top, which the refusal explains.
  std::optional<double> minimumReflux;

  // "ОШИБКА В ИСХОДНОЙ ИНФОРМАЦИИ !" or "ОБЩЕЕ ЧИСЛО ТАРЕЛОК БОЛЬШЕ 120 !".
  std::u16string Message() const;
  // A refusal of the data hides the kinetic-line button; the tray limit leaves it to the
  // results menu.
  bool HidesKineticButton() const { return kind == RefusalKind::DataRefused; }
  bool operator==(const Refusal&) const = default;
};

}  // namespace rc
