#pragma once
// The message of a data file that could not be saved or opened, in the look of the
// program's "Внимание !" dialogs: what did not happen in bold red, the file's name, the
// reason (with the line of the file where it has one), and one button that goes on. The
// results menu tells in the same window why the column cannot be designed.
#include <string>

#include "ui/window.h"

namespace rc {

class FileMessage : public Window {
 public:
  explicit FileMessage(Application& app);
  void Load() override;
  void CloseByUser() override { Close(); }

  // Shows the message over owner; the program goes on where it was when it is closed.
  void Open(Window& owner, const std::u16string& statement, const std::u16string& fileName,
            const std::u16string& reason);
  // The same message with a second line of its own instead of a file's name.
  void Tell(Window& owner, const std::u16string& statement, const std::u16string& detail,
            const std::u16string& reason);

  static constexpr int kWidth = 6600;   // [twips]
  static constexpr int kHeight = 2100;  // [twips]

  Control& statement;   // Label1, bold red
  Control& fileName;    // Label2
  Control& reason;      // Label3
  Control& goOnButton;  // Command1 "Продолжить"

 private:
  void Close();
};

inline constexpr char16_t kFileNotOpened[] = u"Файл данных не открыт.";
inline constexpr char16_t kDataNotSaved[] = u"Данные не сохранены.";

}  // namespace rc
