#pragma once
// One student session played through the program's real windows, with a picture of
// every window state it passes and of every page of both printed reports: start screen,
// rules screen, entry with its growing list, a faulty acceptance with its dialog,
// correction, the tray-type question and second entry stage, the results menu with
// both tables, and the full correction window.
#include <QString>
#include <QStringList>
#include <string>

#include "variant_run/variant_file.h"

namespace rc {

struct WalkthroughResult {
  bool ok = false;
  std::string message;  // what went wrong
  QStringList pictures;  // the PNG files written, in the order of the session
};

// outDir is created if need be. The variant must lead to sound data: the walkthrough
// itself types XW as 0 first, to show a faulty acceptance, and then corrects it.
WalkthroughResult RunWalkthrough(const Variant& variant, const QString& outDir);

}  // namespace rc
