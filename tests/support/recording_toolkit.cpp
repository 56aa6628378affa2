#include "support/recording_toolkit.h"

#include "model/text.h"

namespace rc {

void PrintTo(const std::u16string& text, std::ostream* os) { *os << '"' << ToUtf8(text) << '"'; }

void RecordingToolkit::Answer(std::initializer_list<std::u16string> list) {
  answers.insert(answers.end(), list.begin(), list.end());
}

std::u16string RecordingToolkit::InputBox(const std::u16string& prompt, const std::u16string& title,
                                          const std::u16string& defaultText, int x, int y) {
  std::u16string answer;
  if (answers.empty()) {
    ++unansweredPrompts;
  } else {
    answer = answers.front();
    answers.pop_front();
  }
  prompts.push_back(PromptRecord{prompt, title, defaultText, x, y, answer});
  return answer;
}

}  // namespace rc
