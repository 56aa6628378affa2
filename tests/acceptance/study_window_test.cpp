// The study window at the real windows: it follows the data it studies, and a value
// taken from it gives what typing it gives.
#include <gtest/gtest.h>

#include <QTest>

#include "model/design_data.h"
#include "qt/qt_session.h"
#include "real_windows.h"
#include "report/study_texts.h"
#include "support/design_fixtures.h"
#include "ui/file_message.h"
#include "ui/form1.h"
#include "ui/form12.h"
#include "ui/form13.h"
#include "ui/form16.h"
#include "ui/form3.h"
#include "ui/form5.h"
#include "ui/form7.h"
#include "ui/program.h"

namespace rc::acceptance {
namespace {

constexpr int kTraySpacing = 41;

class StudyWindow : public ::testing::Test {
 protected:
  testing::QtSession s;
  Student student{s.toolkit, s.app, QStringLiteral("study")};
  DesignData typed = BenzeneTolueneBubbleCap();

  // Typed and accepted up to the results menu, and its tray-by-tray calculation (15 trays).
  void ToTrayResults() {
    student.Type({typed.StudentName});
    student.TypeFirstStage(typed);
    StartProgram(s.app);
    s.toolkit.Sync();
    student.Click(student.Form<Form1>().entryButton);
    student.Click(student.Form<Form3>().acceptButton);
    student.TypeTrayStage(typed);
    student.Click(*student.Form<Form5>().capsButton);
    student.Click(student.Form<Form5>().acceptButton);
    ASSERT_TRUE(student.OnScreen("Form7"));
    student.Click(student.Form<Form7>().trayByTrayButton);
  }
  // The third stage typed on its list and accepted: the column's results on the screen.
  void TypeTheThirdStage() {
    for (const std::u16string& text : BenzeneTolueneColumnStageTexts()) student.Type({text});
    student.Click(student.Form<Form7>().columnButton);
    student.Click(student.Form<Form12>().acceptButton);
    ASSERT_TRUE(student.OnScreen("Form13"));
  }
  // Every text the column's window has drawn.
  std::u16string ColumnTexts() {
    std::u16string all;
    for (const DrawOp& op : student.Form<Form13>().surface().Ops()) all += op.text + u"\n";
    return all;
  }
};

TEST_F(StudyWindow, AThirdStageValueTakenAfterTheKineticLineShowsTheColumnAsTypingIt) {
  ToTrayResults();
  TypeTheThirdStage();
  student.Click(student.Form<Form13>().closeButton);
  student.Click(student.Form<Form7>().kineticLineButton);
  student.Click(student.Form<Form7>().studyButton);
  ASSERT_TRUE(student.OnScreen("Form16"));
  Form16& study = student.Form<Form16>();
  const auto& inputs = study.Inputs();
  const auto row = std::find(inputs.begin(), inputs.end(), FindInput(kTraySpacing));
  ASSERT_NE(row, inputs.end());
  student.ClickRow<Form16>(static_cast<int>(row - inputs.begin()));
  // The spacing 0.45 m studied from 0.225 to 0.675 in 41 points, the cursor on 0.45; the
  // Right key on the accept button moves it to the next point, about 0.46125.
  const std::size_t typedPoint = study.Cursor();
  ASSERT_EQ(study.Study().points.at(typedPoint).value, 0.45f);
  QTest::keyClick(student.Button("Form16", "Command9"), Qt::Key_Right);
  s.toolkit.Sync();
  ASSERT_EQ(study.Cursor(), typedPoint + 1);
  const float taken = study.Study().points.at(study.Cursor()).value;
  EXPECT_NEAR(taken, 0.46125, 1e-6);
  student.Click(study.acceptButton);

  ASSERT_TRUE(student.OnScreen("Form13"));
  EXPECT_EQ(s.app.data().ParamText[kTraySpacing], StudyTypedText(taken));
  const std::vector<std::u16string> adopted = student.Rows("Form13");
  const std::u16string adoptedTexts = ColumnTexts();
  EXPECT_EQ(adopted.size(), 15u);
  EXPECT_EQ(adoptedTexts.find(u"ОШИБКА"), std::u16string::npos);

  // The same value typed on the third stage's list instead.
  student.Click(student.Form<Form13>().correctButton);
  student.Click(student.Form<Form12>().acceptButton);
  ASSERT_TRUE(student.OnScreen("Form13"));
  EXPECT_EQ(student.Rows("Form13"), adopted);
  EXPECT_EQ(ColumnTexts(), adoptedTexts);
}

TEST_F(StudyWindow, FollowsTheThirdStageAndIsMovedByClicksAndKeys) {
  ToTrayResults();
  student.Click(student.Form<Form7>().studyButton);
  ASSERT_TRUE(student.OnScreen("Form16"));
  Form16& study = student.Form<Form16>();
  EXPECT_EQ(study.Inputs().size(), 25u);  // no third stage yet
  EXPECT_FALSE(study.Study().withColumn);

  // The third stage accepted with the study open: its 18 inputs join the list and the
  // points get their columns.
  TypeTheThirdStage();
  student.Click(student.Form<Form13>().closeButton);
  EXPECT_EQ(student.Rows("Form16").size(), 43u);
  EXPECT_TRUE(study.Study().withColumn);
  EXPECT_TRUE(study.Study().points.at(study.Cursor()).column.has_value());

  // A click near the plots' left edge takes the cursor to the first point; Left on the
  // table and Escape anywhere.
  QWidget* window = student.Widget("Form16");
  ASSERT_NE(window, nullptr);
  QTest::mouseClick(window, Qt::LeftButton, {}, QPoint(static_cast<int>(Form16::Layout().first.left + 45) / 15, 2000 / 15));
  s.toolkit.Sync();
  EXPECT_EQ(study.Cursor(), 0u);
  QTest::keyClick(student.Button("Form16", "Command6"), Qt::Key_Right);
  s.toolkit.Sync();
  EXPECT_EQ(study.Cursor(), 1u);
  // Points that cannot be used: the message over the window, the study as it was.
  student.Type({u"500"});
  student.Click(study.pointsButton);
  ASSERT_TRUE(student.OnScreen("FileMessage"));
  student.Shot("FileMessage", "points-refused");
  student.Click(student.Form<FileMessage>().goOnButton);
  EXPECT_EQ(study.Study().points.size(), 41u);
  student.Shot("Form16", "followed");
  QTest::keyClick(window, Qt::Key_Escape);
  s.toolkit.Sync();
  EXPECT_EQ(s.app.FindForm<Form16>(), nullptr);
}

}  // namespace
}  // namespace rc::acceptance
