#pragma once
// The real Qt toolkit with a script of prompt answers and a record of what was printed:
// a tool plays a student's session through the program's own windows with it.
#include <QApplication>
#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "qt/automation/qt_automation.h"

namespace rc {

class ScriptedToolkit : public QtAutomation {
 public:
  // The answers for the coming prompts, in order; std::nullopt presses Cancel.
  void Script(const std::vector<std::optional<std::u16string>>& answers);
  // Answers still waiting for their prompt.
  std::size_t PendingAnswers() const { return script_.size(); }
  // Prompts that came when the script was empty: answered empty without a dialog, so a
  // session never waits for a user who is not there.
  int UnscriptedPrompts() const { return unscripted_; }

  // Called while each scripted prompt is about to open, the windows already brought
  // in line with the program: the moment to take a picture of a growing list.
  std::function<void(const std::u16string& prompt)> beforePrompt;
  // Called once each scripted prompt's dialog is open on the screen, before the answer
  // is typed into it, with the dialog.
  std::function<void(QWidget* dialog)> whilePromptOpen;

  // The answer of the coming save dialog: the file the program is to save to. A save
  // dialog with no answer scripted is cancelled without being shown.
  void ScriptSavePath(const QString& path) { savePaths_.push_back(path.toStdU16String()); }
  // The paths the save dialogs proposed.
  const std::vector<std::u16string>& ProposedSavePaths() const { return proposedSavePaths_; }
  std::optional<std::u16string> AskSavePath(const std::u16string& proposedPath) override;

  // The picture's save dialog answers from the same script as the data's save dialog.
  std::optional<std::u16string> AskPicturePath(const std::u16string& proposedPath) override {
    return AskSavePath(proposedPath);
  }
  // The clipboard is left alone (a tool may run with no display): the tables copied are
  // kept here, the last one last; pictures and notes are dropped.
  void CopyTable(const std::u16string& tabText, const std::u16string&) override {
    copiedTables_.push_back(tabText);
  }
  void CopyPicture(const PlotPicture&) override {}
  void ShowNote(const std::u16string&) override {}
  const std::vector<std::u16string>& CopiedTables() const { return copiedTables_; }

  // Every document printed, as the program drew it.
  const std::vector<PrintedDocument>& Printed() const { return printed_; }

  std::u16string InputBox(const std::u16string& prompt, const std::u16string& title,
                          const std::u16string& defaultText, int x, int y) override;
  void PrintDocument(const PrintedDocument& document) override;
  // Numbers in tables and reports are written with a point, whatever the machine's
  // regional settings say, so that every run of a variant reads the same.
  char16_t DecimalSeparator() override { return u'.'; }

 private:
  std::deque<std::optional<std::u16string>> script_;
  std::vector<PrintedDocument> printed_;
  std::deque<std::u16string> savePaths_;
  std::vector<std::u16string> proposedSavePaths_;
  std::vector<std::u16string> copiedTables_;
  int unscripted_ = 0;
};

// Every text of a printed document, page after page, in drawing order.
std::vector<std::u16string> PrintedTexts(const PrintedDocument& document);

}  // namespace rc
