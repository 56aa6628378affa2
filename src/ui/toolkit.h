#pragma once
// The services the windows ask of the windowing toolkit. The windows themselves are
// plain objects (window.h); a toolkit shows them, feeds their events back and answers
// these calls. The real one lives in src/qt, a recording one in tests/support.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "report/date_text.h"
#include "report/surface.h"

namespace rc {

struct FontSpec {
  std::u16string name = u"MS Sans Serif";
  double sizePt = 8.25;
  bool bold = false;
};

// A finished printer document: its pages and the font it was printed in.
struct PrintedDocument {
  FontSpec font;
  std::vector<Page> pages;
};

// A plot as a picture, on the clipboard or in a file: its drawing as printed (white paper,
// the printed pages' font), widthTwips by heightTwips from its top left corner.
struct PlotPicture {
  FontSpec font;
  std::vector<DrawOp> ops;
  double widthTwips = 0, heightTwips = 0;
};

// The pictures' files: vector (SVG) or pixels at 300 dots per inch (PNG).
inline constexpr int kPictureDpi = 300;

inline constexpr std::uint32_t kRussianLayout = 0x04190419;
inline constexpr std::uint32_t kEnglishUsLayout = 0x04090409;

class Toolkit {
 public:
  virtual ~Toolkit() = default;

  // Modal one-line prompt with OK and Cancel, its top-left corner at x, y [twips].
  // Returns the typed text; the empty text on Cancel.
  virtual std::u16string InputBox(const std::u16string& prompt, const std::u16string& title,
                                  const std::u16string& defaultText, int x, int y) = 0;
  virtual void Beep() = 0;
  // Makes a keyboard layout current (kRussianLayout, kEnglishUsLayout).
  virtual void ActivateKeyboardLayout(std::uint32_t layout) = 0;

  // Regional settings and the clock.
  virtual std::u16string ShortDateText() = 0;  // e.g. "07.12.2026" or "12/7/2026"
  virtual std::u16string TimeText() = 0;       // e.g. "10:15:30"
  virtual CalendarDate Today() = 0;
  virtual char16_t DecimalSeparator() = 0;

  // Height of one text line in the font [twips].
  virtual double LineHeightTwips(const FontSpec& font) = 0;
  // Advance of one character of a fixed-pitch font [twips].
  virtual double CharWidthTwips(const FontSpec& font) = 0;
  // The printer: the height and width of its printable page [twips], and the end of a
  // document, which sends its pages.
  virtual double PrinterPageHeightTwips() = 0;
  virtual double PrinterPageWidthTwips() = 0;
  virtual void PrintDocument(const PrintedDocument& document) = 0;

  // Files: the student's data saved and opened again.
  // The save dialog, proposing proposedPath (a folder and a file name); the path chosen,
  // or nullopt when the student cancels.
  virtual std::optional<std::u16string> AskSavePath(const std::u16string& proposedPath) = 0;
  // The open dialog in folder; the file chosen, or nullopt on Cancel.
  virtual std::optional<std::u16string> AskOpenPath(const std::u16string& folder) = 0;
  // The user's documents folder.
  virtual std::u16string DocumentsFolder() = 0;
  // The folder of the file last chosen in a file dialog, kept from one run to the next;
  // empty when there is none (or it is gone). Kept for this run only by default.
  virtual std::u16string RememberedFolder() { return rememberedFolder_; }
  virtual void RememberFolder(const std::u16string& folder) { rememberedFolder_ = folder; }
  // The whole file; nullopt, with the reason in error, when it cannot be read.
  virtual std::optional<std::string> ReadFile(const std::u16string& path,
                                              std::u16string& error) = 0;
  // Writes the file whole or not at all: a temporary file in the same folder, renamed
  // over the old one only when completely written. False, with the reason in error,
  // when it could not be done; the older file is then as it was.
  virtual bool WriteFileAtomically(const std::u16string& path, const std::string& bytes,
                                   std::u16string& error) = 0;

  // The clipboard: a table as tab-separated text and as an HTML table at once, or a
  // picture. Without a clipboard (no display) nothing is copied.
  virtual void CopyTable(const std::u16string& tabText, const std::u16string& html) = 0;
  virtual void CopyPicture(const PlotPicture& picture) = 0;
  // A short message that goes by itself ("Таблица скопирована: 18 строк").
  virtual void ShowNote(const std::u16string& text) = 0;
  // The picture's save dialog, proposing proposedPath and offering SVG and PNG; the path
  // chosen (with its type's ending), or nullopt when the student cancels.
  virtual std::optional<std::u16string> AskPicturePath(const std::u16string& proposedPath) = 0;
  // Writes the picture whole or not at all: SVG when the path ends in ".svg", otherwise
  // PNG at kPictureDpi. False, with the reason in error, when it could not be done.
  virtual bool WritePicture(const std::u16string& path, const PlotPicture& picture,
                            std::u16string& error) = 0;

  // Closes every window and ends the program.
  virtual void End() = 0;

 private:
  std::u16string rememberedFolder_;
};

}  // namespace rc
