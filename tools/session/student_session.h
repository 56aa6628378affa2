#pragma once
// One run of the program, from its start screen, driven through its real Qt windows as
// a student would: buttons and list rows clicked, prompts answered from a variant.
#include <QString>
#include <QWidget>
#include <optional>
#include <string>
#include <vector>

#include "qt/automation/qt_automation.h"
#include "session/scripted_toolkit.h"
#include "ui/application.h"
#include "variant_run/variant_file.h"

namespace rc {

using Answers = std::vector<std::optional<std::u16string>>;

// What a student types for the keys given: the variant's text, or Cancel for a key the
// variant leaves out.
Answers AnswersFor(const Variant& variant, const std::vector<std::string>& keys);

class StudentSession : public AutomatedSession<ScriptedToolkit> {
 public:
  // Opens the start screen.
  StudentSession();

  enum class Click { Done, Hidden, Failed };
  // Clicks a button of a loaded window. Hidden: the button is not on the screen now,
  // so the student cannot click it. Failed: the button belongs to no loaded window, or
  // it did not take the click. The same for the role member that pick gives of the
  // loaded window of type W (Failed when there is no such window or member):
  //   session.ClickButton<Form7>([](Form7& f) { return &f.printButton; })
  Click ClickButton(const Control& control);
  template <class W, class Pick>
  Click ClickButton(Pick pick) {
    W* w = app.FindForm<W>();
    const Control* control = w ? pick(*w) : nullptr;
    return control ? ClickButton(*control) : Click::Failed;
  }
  // Clicks row `row` of the list of the loaded list window of type W.
  template <class W>
  bool ClickRow(int row) {
    W* w = app.FindForm<W>();
    return w && ClickRow(w->list, row);
  }
  bool ClickRow(const Control& list, int row);
  // True when the click was Done.
  template <class W, class Pick>
  bool Clicked(Pick pick) {
    return ClickButton<W>(pick) == Click::Done;
  }
  // Clicks a print button with the documents going to pdfPath: true when the click wrote
  // a PDF there.
  template <class W, class Pick>
  bool PrintWith(Pick pick, const QString& pdfPath) {
    toolkit.SetPdfOutput(pdfPath);
    return Clicked<W>(pick) && !toolkit.WrittenPdfs().isEmpty();
  }

  Window* Loaded(const std::string& name) const { return toolkit.LoadedWindow(name); }
  // Saves the window as shown; false if it is not shown or the file cannot be written.
  bool Screenshot(const std::string& window, const QString& pngPath) const;
  // The loaded window with its dialog painted over it where the dialog stands.
  bool ScreenshotWithDialog(const std::string& window, const std::string& dialog,
                            const QString& pngPath) const;
  // The loaded window with a widget of its own (an open prompt) painted over it.
  bool ScreenshotWithWidget(const std::string& window, QWidget* over,
                            const QString& pngPath) const;
};

// A session that has reached the results menu, stopped on a fault, or failed.
struct EntryOutcome {
  enum class Stage { ResultsMenu, Fault, Failed } stage = Stage::Failed;
  std::u16string faultLine;  // "== fault Form3 ErrorRow 8"
  std::u16string faultRow;   // the row marked on the fault display
  std::string error;         // what went wrong, for Failed
};

// Plays a variant from the start screen to the results menu: name, the eight pairs and
// XW, XF, XP; acceptance; the tray type and the 22 parameters; acceptance.
EntryOutcome EnterVariant(StudentSession& session, const Variant& variant);

}  // namespace rc
