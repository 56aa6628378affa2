#pragma once
// Qt's own texts (the print preview, standard buttons) in Russian, like the program's.
class QCoreApplication;

namespace rc {

// Loads Qt's Russian translation when it is installed; returns whether it was.
bool InstallRussianQtTexts(QCoreApplication& app);

}  // namespace rc
