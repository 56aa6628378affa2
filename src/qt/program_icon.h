#pragma once
// The program's own icon, the one its package installs: every window and dialog carries it.
#include <QIcon>

namespace rc {

// The icon in Qt's resources: the scalable picture where Qt can read SVG, else its
// rendering at 128 pixels. Its pictures are read when they are first asked for.
const QIcon& ProgramIcon();

}  // namespace rc
