#include "report/screen_tables.h"

namespace rc {

TrayResult RecordedTrayResult(const RecordedTrayRows& rows, int row) {
  return TrayResultAt(rows, row);
}

std::int16_t CentredLeft(int windowWidth, int blockWidth) {
  return RoundTwips(windowWidth / 2.0 - blockWidth / 2.0);
}

}  // namespace rc
