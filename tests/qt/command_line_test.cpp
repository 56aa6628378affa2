// The program's command line, as a user types it: a bad one is named in one line, the
// usage follows, and the program ends with status 2 before any window opens.
#include <gtest/gtest.h>

#include <QProcess>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>

namespace rc {
namespace {

TEST(CommandLine, AWrongCommandLineIsNamedThenTheUsageWithStatus2) {
  struct Case {
    QStringList args;
    QString fault;
  };
  const Case cases[] = {
      {{QStringLiteral("--bogus")}, QStringLiteral("rectification: Unknown option 'bogus'.")},
      // A second file is not left unread without a word.
      {{QStringLiteral("a.rcol"), QStringLiteral("b.rcol")},
       QStringLiteral("rectification: at most one data file expected, not 2: a.rcol b.rcol")},
  };
  for (const Case& c : cases) {
    QProcess program;
    program.start(QStringLiteral(RC_PROGRAM), c.args);  // on the tests' offscreen platform
    ASSERT_TRUE(program.waitForFinished(30000)) << c.args.join(u' ').toStdString();
    const QStringList lines = QString::fromUtf8(program.readAllStandardError()).split(u'\n');
    EXPECT_EQ(program.exitCode(), 2) << c.args.join(u' ').toStdString();
    EXPECT_EQ(lines.value(0), c.fault);
    // The usage names the program, not the path it was started by.
    EXPECT_TRUE(lines.value(1).startsWith(u"Usage: rectification [options] [ФАЙЛ.rcol]"))
        << lines.value(1).toStdString();
  }
}

// Without a display the program cannot start, but a bad option is named first (Qt's own
// options are not bad), then the missing display.
TEST(CommandLine, WithoutADisplayABadOptionIsNamedBeforeTheDisplay) {
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) env.remove(QString::fromLatin1(name));
  const struct {
    QStringList args;
    QString first;
  } cases[] = {
      {{QStringLiteral("--bogus"), QStringLiteral("-style"), QStringLiteral("fusion")},
       QStringLiteral("rectification: неизвестный параметр --bogus")},
      {{QStringLiteral("-style"), QStringLiteral("fusion")}, QStringLiteral("rectification: нет дисплея")},
  };
  for (const auto& c : cases) {
    QProcess program;
    program.setProcessEnvironment(env);
    program.start(QStringLiteral(RC_PROGRAM), c.args);
    ASSERT_TRUE(program.waitForFinished(30000));
    const QStringList lines = QString::fromUtf8(program.readAllStandardError()).split(u'\n');
    EXPECT_EQ(program.exitCode(), 2);
    EXPECT_TRUE(lines.value(0).startsWith(c.first)) << lines.value(0).toStdString();
    EXPECT_EQ(lines.filter(QStringLiteral("нет дисплея")).size(), 1) << lines.join(u'|').toStdString();
  }
}

}  // namespace
}  // namespace rc
