#pragma once
// One QApplication for the Qt tests (offscreen platform), and a program session with
// the real toolkit attached.
#include <QApplication>
#include <QCoreApplication>
#include <QImage>
#include <QProcess>
#include <QString>
#include <utility>

#include "qt/automation/qt_automation.h"
#include "ui/application.h"

namespace rc::testing {

// The one QApplication of the Qt tests.
inline QApplication& TestApp() { return OffscreenApplication(); }

// A session with the real toolkit attached, and the steps the Qt tests take on it.
struct QtSession : AutomatedSession<> {
  // Runs the change as one user event and brings the widgets up to date.
  template <class F>
  void Dispatch(F&& change) {
    app.Dispatch(std::forward<F>(change));
    toolkit.Sync();
  }
  // Shows the window of class W (loading it first if need be), its widgets up to date.
  template <class W>
  W& Show() {
    Dispatch([this] { app.Form<W>().Show(); });
    return *app.FindForm<W>();
  }
};

// Where the tests leave pictures and documents for a look: beside the test program.
inline QString OutputPath(const QString& fileName) {
  return QCoreApplication::applicationDirPath() + QLatin1Char('/') + fileName;
}
// The text of a PDF as pdftotext lays it out; empty when it cannot be read.
inline QString PdfText(const QString& path) {
  QProcess pdftotext;
  pdftotext.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), path, QStringLiteral("-")});
  if (!pdftotext.waitForFinished(20000)) return {};
  return QString::fromUtf8(pdftotext.readAllStandardOutput());
}
inline void SavePng(const QImage& image, const QString& name) {
  image.save(OutputPath(name + QStringLiteral(".png")));
}

}  // namespace rc::testing
