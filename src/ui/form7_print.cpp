#include "ui/form7.h"

namespace rc {

void Form7::PrintResult() {}

}  // namespace rc
