#include "support/recording_toolkit.h"

#include "model/text.h"

namespace rc {

void PrintTo(const std::u16string& text, std::ostream* os) { *os << '"' << ToUtf8(text) << '"'; }

void RecordingToolkit::Answer(std::initializer_list<std::u16string> list) {
  answers.insert(answers.end(), list.begin(), list.end());
}

std::u16string RecordingToolkit::InputBox(const std::u16string& prompt, const std::u16string& title,
                                          const std::u16string& defaultText, int x, int y) {
  if (onPrompt) onPrompt();
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

namespace {

std::optional<std::u16string> Next(std::deque<std::optional<std::u16string>>& queue) {
  if (queue.empty()) return std::nullopt;
  auto answer = queue.front();
  queue.pop_front();
  return answer;
}

}  // namespace

std::optional<std::u16string> RecordingToolkit::AskSavePath(const std::u16string& proposedPath) {
  proposedSavePaths.push_back(proposedPath);
  return Next(savePaths);
}

std::optional<std::u16string> RecordingToolkit::AskOpenPath(const std::u16string& folder) {
  openFolders.push_back(folder);
  return Next(openPaths);
}

std::optional<std::u16string> RecordingToolkit::AskPicturePath(const std::u16string& proposedPath) {
  proposedPicturePaths.push_back(proposedPath);
  return Next(picturePaths);
}

bool RecordingToolkit::WritePicture(const std::u16string& path, const PlotPicture& picture,
                                    std::u16string& error) {
  if (!writeFailure.empty()) {
    error = writeFailure;
    return false;
  }
  pictures[path] = picture;
  return true;
}

std::optional<std::string> RecordingToolkit::ReadFile(const std::u16string& path,
                                                      std::u16string& error) {
  const auto it = files.find(path);
  if (it == files.end()) {
    error = u"файл не найден";
    return std::nullopt;
  }
  return it->second;
}

bool RecordingToolkit::WriteFileAtomically(const std::u16string& path, const std::string& bytes,
                                           std::u16string& error) {
  if (!writeFailure.empty()) {
    error = writeFailure;
    return false;
  }
  files[path] = bytes;
  return true;
}

}  // namespace rc
