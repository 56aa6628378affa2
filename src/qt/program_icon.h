#pragma once
// The program's own icon, the one its package installs: every window and dialog carries it.
#include <QIcon>

namespace rc {

// The icon in Qt's resources: the scalable picture where Qt can read SVG, else its
// rendering at 128 pixels.
const QIcon& ProgramIcon();

}  // namespace rc
