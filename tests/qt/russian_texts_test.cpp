#include "qt/russian_texts.h"

#include <gtest/gtest.h>

#include <QCoreApplication>

#include "qt_session.h"

namespace rc {
namespace {

TEST(RussianQtTexts, ThePrintPreviewSpeaksRussian) {
  QApplication& app = testing::TestApp();
  ASSERT_TRUE(InstallRussianQtTexts(app));
  const QString print = QCoreApplication::translate("QPrintPreviewDialog", "Print Preview");
  EXPECT_NE(print, QStringLiteral("Print Preview"));
  EXPECT_TRUE(print.contains(QChar(0x041F)) || print.contains(QChar(0x043F))) << print.toStdString();
}

}  // namespace
}  // namespace rc
