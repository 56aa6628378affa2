// The data files on disk: the write whole or not at all, reading a file, and Qt's save dialog.
#include "qt/data_files.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>
#include <memory>

#include "qt/russian_texts.h"
#include "qt_session.h"
#include "ui/program.h"

namespace rc {
namespace {

std::string Contents(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return "(unreadable)";
  return file.readAll().toStdString();
}

TEST(DataFiles, AFailedWriteLeavesTheOlderFileWholeAndNothingBesideIt) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  const QString path = dir.filePath(QStringLiteral("Иванов-2026-12-09.rcol"));
  QString error;
  ASSERT_TRUE(WriteWholeFile(path, "old = 1\n", error)) << error.toStdString();

  // Half the new text is written, then the write fails (as on a full disk).
  const auto failingWrite = [](QIODevice& file) {
    file.write(std::string(100000, 'n').c_str(), 50000);
    return false;
  };
  EXPECT_FALSE(WriteWholeFile(path, failingWrite, error));
  EXPECT_EQ(error, QStringLiteral("файл записан не полностью (нет места на диске?)"));
  EXPECT_EQ(Contents(path), "old = 1\n");
  EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 1);

  ASSERT_TRUE(WriteWholeFile(path, "new = 2\n", error));
  EXPECT_EQ(Contents(path), "new = 2\n");
  EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 1);
}

TEST(DataFiles, FoldersThatCannotBeWrittenAndFilesThatCannotBeReadSaySo) {
  QTemporaryDir dir;
  QString error;
  EXPECT_FALSE(WriteWholeFile(dir.filePath(QStringLiteral("нет/файл.rcol")), "x", error));
  EXPECT_FALSE(error.isEmpty());
  EXPECT_FALSE(ReadWholeFile(dir.filePath(QStringLiteral("нет.rcol")), error));
  EXPECT_EQ(error, QStringLiteral("файл не найден"));
  EXPECT_FALSE(ReadWholeFile(dir.path(), error));  // a folder
}

TEST(DataFiles, TheSaveDialogIsQtsOwnAndProposesTheNameInTheFolder) {
  InstallRussianQtTexts(testing::TestApp());
  QTemporaryDir dir;
  const QString proposed = dir.filePath(QStringLiteral("Иванов-2026-12-09.rcol"));
  QString shownFolder, shownName;
  bool native = true;
  QTimer::singleShot(0, [&] {
    auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
    if (dialog == nullptr) return;
    native = !dialog->testOption(QFileDialog::DontUseNativeDialog);
    shownFolder = dialog->directory().absolutePath();
    if (auto* name = dialog->findChild<QLineEdit*>()) shownName = name->text();
    testing::SavePng(dialog->grab().toImage(), QStringLiteral("save-dialog"));
    dialog->reject();
  });
  EXPECT_FALSE(AskSavePathInDialog(nullptr, proposed));
  EXPECT_FALSE(native);
  EXPECT_EQ(shownFolder, QDir(dir.path()).absolutePath());
  EXPECT_EQ(shownName, QStringLiteral("Иванов-2026-12-09.rcol"));
}

// A teacher's variant named on the command line opens on the real full correction window.
// The folder of the last file chosen is kept for the next run of the program (in Qt's
// test location of the settings here), and forgotten once the folder is gone.
TEST(DataFiles, TheLastFolderIsKeptForTheNextRunWhileItIsThere) {
  QStandardPaths::setTestModeEnabled(true);
  auto dir = std::make_unique<QTemporaryDir>();
  ASSERT_TRUE(dir->isValid());
  const QString folder = dir->filePath(QStringLiteral("Проект колонны"));
  ASSERT_TRUE(QDir().mkpath(folder));
  RememberDialogFolder(folder);
  EXPECT_EQ(RememberedDialogFolder(), folder);
  dir.reset();
  EXPECT_EQ(RememberedDialogFolder(), QString());
  QStandardPaths::setTestModeEnabled(false);
}

TEST(DataFiles, AVariantOnTheCommandLineOpensOnTheFullCorrectionWindow) {
  const QString variant = QStringLiteral(RC_VARIANTS_DIR "/dual-flow.txt");
  testing::QtSession s;
  StartProgramWithFile(s.app, variant.toStdU16String());
  s.toolkit.Sync();
  Window* form9 = s.toolkit.LoadedWindow("Form9");
  ASSERT_NE(form9, nullptr);
  EXPECT_EQ(s.toolkit.LoadedWindow("Form1"), nullptr);
  EXPECT_EQ(form9->control("List1").items.size(), 35u);
  for (const char* button : {"Command3", "Command6"}) {
    QWidget* widget = s.toolkit.ControlWidget(*form9, button);
    ASSERT_NE(widget, nullptr) << button;
    EXPECT_TRUE(widget->isVisible()) << button;
  }
  testing::SavePng(s.toolkit.Grab(*form9), QStringLiteral("form9-opened"));
}

}  // namespace
}  // namespace rc
