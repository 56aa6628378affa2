#pragma once
// A toolkit that shows nothing: prompts are answered from a script, and every prompt,
// beep, layout switch, printed document and the end of the program are recorded.
#include <deque>
#include <functional>
#include <map>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "ui/toolkit.h"

namespace rc {

// Lets GoogleTest print the program's 16-bit texts readably.
void PrintTo(const std::u16string& text, std::ostream* os);

struct PromptRecord {
  std::u16string prompt, title, defaultText;
  int x = 0, y = 0;
  std::u16string answer;
};

class RecordingToolkit : public Toolkit {
 public:
  // Answers for the coming prompts, in order. A prompt with no answer left gets the
  // empty text (as Cancel does) and is counted in unansweredPrompts.
  void Answer(std::initializer_list<std::u16string> answers);
  void Answer(const std::u16string& answer) { answers.push_back(answer); }

  std::u16string InputBox(const std::u16string& prompt, const std::u16string& title,
                          const std::u16string& defaultText, int x, int y) override;
  void Beep() override { ++beeps; }
  void ActivateKeyboardLayout(std::uint32_t layout) override { layouts.push_back(layout); }
  std::u16string ShortDateText() override { return shortDate; }
  std::u16string TimeText() override { return time; }
  CalendarDate Today() override { return today; }
  char16_t DecimalSeparator() override { return decimalSeparator; }
  double LineHeightTwips(const FontSpec&) override { return lineHeight; }
  double CharWidthTwips(const FontSpec&) override { return charWidth; }
  double PrinterPageHeightTwips() override { return pageHeight; }
  double PrinterPageWidthTwips() override { return pageWidth; }
  void PrintDocument(const PrintedDocument& document) override {
    printed.push_back(document);
    if (onPrint) onPrint();
  }
  void End() override { ended = true; }

  // Files live in memory: files holds each path's bytes. The dialogs take their answers
  // from savePaths and openPaths (an empty queue: Cancel) and record what they proposed.
  std::optional<std::u16string> AskSavePath(const std::u16string& proposedPath) override;
  std::optional<std::u16string> AskOpenPath(const std::u16string& folder) override;
  std::u16string DocumentsFolder() override { return documentsFolder; }
  std::optional<std::string> ReadFile(const std::u16string& path, std::u16string& error) override;
  bool WriteFileAtomically(const std::u16string& path, const std::string& bytes,
                           std::u16string& error) override;

  // The clipboard and the pictures: what was copied, the notes shown, the pictures
  // written (by path; writeFailure refuses them too) and the picture dialog's answers.
  struct CopiedTable {
    std::u16string tabText, html;
  };
  void CopyTable(const std::u16string& tabText, const std::u16string& html) override {
    copiedTables.push_back({tabText, html});
  }
  void CopyPicture(const PlotPicture& picture) override { copiedPictures.push_back(picture); }
  void ShowNote(const std::u16string& text) override { notes.push_back(text); }
  std::optional<std::u16string> AskPicturePath(const std::u16string& proposedPath) override;
  bool WritePicture(const std::u16string& path, const PlotPicture& picture,
                    std::u16string& error) override;
  std::vector<CopiedTable> copiedTables;
  std::vector<PlotPicture> copiedPictures;
  std::vector<std::u16string> notes;
  std::map<std::u16string, PlotPicture> pictures;
  std::deque<std::optional<std::u16string>> picturePaths;
  std::vector<std::u16string> proposedPicturePaths;

  // Run as each prompt opens (before it is answered) and as each document is sent: a
  // test's look at the windows at that moment.
  std::function<void()> onPrompt, onPrint;

  std::deque<std::u16string> answers;
  std::vector<PromptRecord> prompts;
  int unansweredPrompts = 0;
  int beeps = 0;
  std::vector<std::uint32_t> layouts;
  std::vector<PrintedDocument> printed;
  bool ended = false;

  std::u16string shortDate = u"07.12.2026";
  std::u16string time = u"10:15:30";
  CalendarDate today{2026, 12, 7};
  char16_t decimalSeparator = u'.';
  double lineHeight = 195;
  double pageHeight = 15840;  // 11 inches
  double pageWidth = 0;       // 0: printed lines are never broken
  double charWidth = 120;

  std::map<std::u16string, std::string> files;
  std::deque<std::optional<std::u16string>> savePaths, openPaths;
  std::vector<std::u16string> proposedSavePaths, openFolders;
  std::u16string documentsFolder = u"/home/student/Документы";
  // The reason a write fails with; empty: writes succeed.
  std::u16string writeFailure;
};

}  // namespace rc
