#include "variant_run/variant_session.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <charconv>
#include <cmath>
#include <regex>

#include "calc/column_input.h"
#include "calc/input_study.h"
#include "calc/operating_window.h"
#include "calc/performance_diagram.h"
#include "calc/feed_condition.h"
#include "calc/reflux_sweep.h"
#include "model/input_catalogue.h"
#include "model/text.h"
#include "qt/data_files.h"
#include "report/column_texts.h"
#include "report/feed_condition_texts.h"
#include "report/reflux_texts.h"
#include "report/study_texts.h"
#include "report/tray_profile.h"
#include "report/window_transcript.h"
#include "session/student_session.h"
#include "ui/file_message.h"
#include "ui/form11.h"
#include "ui/form12.h"
#include "ui/form13.h"
#include "ui/form16.h"
#include "ui/form17.h"
#include "ui/form7.h"
#include "ui/window.h"

namespace rc {
namespace {

using Lines = std::vector<std::u16string>;

// One calculation with its report, on the results menu of a session that has reached
// it: the calculation's button, the window's texts and picture, then the print button
// and the report's texts and PDF.
struct Step {
  Control* (*button)(Form7&);  // the calculation's button on the results menu
  const char16_t* section;  // "kinetic"
  const char* fileStem;     // "kinetic"
  bool trayProfile;         // the tray profile and the diagram's PDF follow
  bool refluxStudy;         // followed by the reflux study on the same data
  const char* tableFile;    // the table copied by the results menu's copy button
};

// Saves the loaded window's picture as out/file; false (with the error) when it cannot.
bool Picture(StudentSession& s, const char* window, const QDir& out, const QString& file,
             std::string& error) {
  const QString png = out.filePath(file);
  if (s.Screenshot(window, png)) return true;
  error = "cannot save " + png.toStdString();
  return false;
}

// Clicks the copy button pick gives of the loaded window W and writes the table it put on
// the clipboard, as tab-separated text, to out/file.
template <class W, class Pick>
bool CopiedTableFile(StudentSession& s, Pick pick, const QDir& out, const QString& file,
                     std::string& error) {
  const std::size_t before = s.toolkit.CopiedTables().size();
  if (!s.Clicked<W>(pick) || s.toolkit.CopiedTables().size() != before + 1) {
    error = "the copy button did not copy the table for " + file.toStdString();
    return false;
  }
  QString reason;
  if (!WriteWholeFile(out.filePath(file), ToUtf8(s.toolkit.CopiedTables().back()), reason)) {
    error = "cannot write " + out.filePath(file).toStdString() + ": " + reason.toStdString();
    return false;
  }
  return true;
}

// Clicks the save-picture button pick gives of the loaded window W, with out/file for the
// save dialog's answer.
template <class W, class Pick>
bool SavedPictureFile(StudentSession& s, Pick pick, const QDir& out, const QString& file,
                      std::string& error) {
  const QString path = out.filePath(file);
  s.toolkit.ScriptSavePath(path);
  if (!s.Clicked<W>(pick) || !QFile::exists(path) || s.Loaded("FileMessage")) {
    error = "the program did not save its picture to " + path.toStdString();
    return false;
  }
  return true;
}

// "== reflux sweep": one row per reflux ratio, then the optimum's k.
void AppendRefluxSweep(const DesignData& data, Lines& transcript) {
  transcript.push_back(u"== reflux sweep");
  const RefluxSweep sweep = SweepRefluxRatio(CalculationInputs::Of(data));
  for (const RefluxPoint& point : sweep.points) transcript.push_back(RefluxSweepRow(point));
  transcript.push_back(u"optimum k = " +
                       (sweep.optimum ? DecimalText(*sweep.optimum) : std::u16string(u"none")));
}

// "== study KEY FROM TO POINTS" for each study asked for, on the data of the session.
void AppendStudies(const DesignData& data, const std::vector<StudyOption>& studies,
                   char16_t separator, Lines& transcript) {
  for (const StudyOption& o : studies) {
    transcript.push_back(FromUtf8("== study " + o.key + " " + o.fromText + " " + o.toText + " " +
                                  std::to_string(o.points)));
    const InputStudy study = StudyInput(data, *FindInput(o.key), o.from, o.to, o.points);
    for (const StudyPoint& p : study.points) {
      transcript.push_back(StudyTranscriptRow(p, study.withColumn, separator));
    }
  }
}

// The results menu's study window on each study asked for: its table study-KEY.tsv and
// its picture study-KEY.svg; for the first also the window's picture study.png and its
// printed page study.pdf. The window is closed again afterwards.
bool StudyFiles(StudentSession& s, const std::vector<StudyOption>& studies, const QDir& out,
                std::string& error) {
  const QString png = out.filePath(QStringLiteral("study.png"));
  if (!s.Clicked<Form7>([](auto& f) { return &f.studyButton; }) || !s.app.FindForm<Form16>()) {
    error = "the study window did not open";
    return false;
  }
  for (const StudyOption& o : studies) {
    // The input's row clicked in the list of inputs, the range set, and the cursor's row
    // clicked in the table, as the student would.
    Form16& study = *s.app.FindForm<Form16>();
    const auto& inputs = study.Inputs();
    const auto row = std::find(inputs.begin(), inputs.end(), FindInput(std::string_view(o.key)));
    if (row == inputs.end() || !s.ClickRow(study.inputList, static_cast<int>(row - inputs.begin()))) {
      error = "the study window did not take its input " + o.key;
      return false;
    }
    study.SetRange(o.from, o.to, o.points);
    if (!s.ClickRow(study.pointList, static_cast<int>(study.Cursor()))) {
      error = "the study window did not take the click on its cursor's row";
      return false;
    }
    const QString stem = QStringLiteral("study-") + QString::fromStdString(o.key);
    if (!CopiedTableFile<Form16>(s, [](auto& f) { return &f.copyTableButton; }, out, stem + ".tsv", error) ||
        !SavedPictureFile<Form16>(s, [](auto& f) { return &f.savePictureButton; }, out, stem + ".svg", error)) {
      return false;
    }
    if (&o != &studies.front()) continue;
    if (!s.Screenshot("Form16", png)) {
      error = "cannot save " + png.toStdString();
      return false;
    }
    const QString pdf = out.filePath(QStringLiteral("study.pdf"));
    if (!s.PrintWith<Form16>([](auto& f) { return &f.printButton; }, pdf)) {
      error = "the study was not printed to " + pdf.toStdString();
      return false;
    }
  }
  return s.Clicked<Form16>([](auto& f) { return &f.closeButton; });
}

// "== feed condition": the q-line, where the sections meet, each section's L/V and
// vapour velocity, and the minimum reflux ratio of the accepted data.
void AppendFeedCondition(const DesignData& data, char16_t separator, Lines& transcript) {
  transcript.push_back(u"== feed condition");
  if (const auto feed = FeedConditionOf(CalculationInputs::Of(data))) {
    const Lines lines = FeedConditionTranscriptLines(*feed, separator);
    transcript.insert(transcript.end(), lines.begin(), lines.end());
  } else {
    transcript.push_back(u"(no finite values)");
  }
}

// The diagram window's reflux study: its picture, its printed page, its points
// (reflux.tsv) and its plot (reflux.svg), then back to the y–x diagram.
bool RefluxPicture(StudentSession& s, const QDir& out, std::string& error) {
  const QString png = out.filePath(QStringLiteral("reflux.png"));
  if (!s.Clicked<Form11>([](Form11& f) { return f.ViewButtons()[1]; }) ||
      !s.Screenshot("Form11", png)) {
    error = "cannot save " + png.toStdString();
    return false;
  }
  const QString pdf = out.filePath(QStringLiteral("reflux.pdf"));
  if (!s.PrintWith<Form11>([](auto& f) { return &f.printButton; }, pdf)) {
    error = "the reflux study was not printed to " + pdf.toStdString();
    return false;
  }
  if (!CopiedTableFile<Form11>(s, [](auto& f) { return &f.copyTableButton; }, out,
                               QStringLiteral("reflux.tsv"), error) ||
      !SavedPictureFile<Form11>(s, [](auto& f) { return &f.savePictureButton; }, out,
                                QStringLiteral("reflux.svg"), error)) {
    return false;
  }
  if (!s.Clicked<Form11>([](Form11& f) { return f.ViewButtons()[0]; })) {
    error = "the diagram window did not return to the y–x diagram";
    return false;
  }
  return true;
}

// The diagram window opened from the results menu after a calculation: its picture;
// after the tray-by-tray calculation the tray profile, one line per tray, the diagram
// printed to diagram.pdf, saved to diagram.svg and its profile copied to profile.tsv. The window is closed again afterwards.
bool DiagramAfterStep(StudentSession& s, const Step& step, const QDir& out, Lines& transcript,
                      std::string& error) {
  if (!s.Clicked<Form7>([](auto& f) { return &f.diagramButton; }) || !s.Loaded("Form11")) {
    error = "the diagram window did not open";
    return false;
  }
  if (!Picture(s, "Form11", out, QStringLiteral("diagram-%1.png").arg(step.fileStem), error)) {
    return false;
  }
  if (step.trayProfile) {
    transcript.push_back(u"== tray profile");
    const char16_t separator = s.toolkit.DecimalSeparator();
    if (const TrayByTrayRun* run = s.app.runs().TrayByTrayOn(s.app.data()); run && run->Completed()) {
      for (int i = 1; i <= run->Count(); ++i) {
        transcript.push_back(TrayProfileTranscriptRow(*run, i, separator));
      }
    }
    AppendFeedCondition(s.app.data(), separator, transcript);
    const QString pdf = out.filePath(QStringLiteral("diagram.pdf"));
    if (!s.PrintWith<Form11>([](auto& f) { return &f.printButton; }, pdf)) {
      error = "the diagram was not printed to " + pdf.toStdString();
      return false;
    }
    if (!SavedPictureFile<Form11>(s, [](auto& f) { return &f.savePictureButton; }, out,
                                  QStringLiteral("diagram.svg"), error)) {
      return false;
    }
    if (s.app.runs().TrayByTrayOn(s.app.data()) && s.app.runs().TrayByTrayOn(s.app.data())->Completed() &&
        !CopiedTableFile<Form11>(s, [](auto& f) { return &f.copyTableButton; }, out,
                                 QStringLiteral("profile.tsv"), error)) {
      return false;
    }
  }
  if (step.refluxStudy && !RefluxPicture(s, out, error)) return false;
  if (!s.Clicked<Form11>([](auto& f) { return &f.closeButton; }) || s.Loaded("Form11")) {
    error = "the diagram window did not close";
    return false;
  }
  return true;
}

bool RunStep(StudentSession& s, const Step& step, const QDir& out, Lines& transcript,
             std::string& error) {
  transcript.push_back(std::u16string(u"== ") + step.section);
  switch (s.ClickButton<Form7>(step.button)) {
    case StudentSession::Click::Hidden:
      transcript.push_back(u"(hidden)");
      break;
    case StudentSession::Click::Failed:
      error = "the results menu did not take the click on its calculation button";
      return false;
    case StudentSession::Click::Done: {
      Window* form7 = s.Loaded("Form7");
      if (!form7) {
        error = "the results menu closed during the calculation";
        return false;
      }
      const Lines texts = form7->surface().Texts();
      transcript.insert(transcript.end(), texts.begin(), texts.end());
      if (!Picture(s, "Form7", out, QStringLiteral("form7-%1.png").arg(step.fileStem), error)) {
        return false;
      }
      const Form7* menu = s.app.FindForm<Form7>();
      if (menu && menu->copyButton.visible &&
          !CopiedTableFile<Form7>(s, [](auto& f) { return &f.copyButton; }, out,
                                  QString::fromLatin1(step.tableFile), error)) {
        return false;
      }
      if (!DiagramAfterStep(s, step, out, transcript, error)) return false;
      break;
    }
  }

  transcript.push_back(std::u16string(u"== report ") + step.section);
  const QString pdf = out.filePath(QStringLiteral("report-%1.pdf").arg(step.fileStem));
  s.toolkit.SetPdfOutput(pdf);
  const std::size_t printedBefore = s.toolkit.Printed().size();
  switch (s.ClickButton<Form7>([](auto& f) { return &f.printButton; })) {
    case StudentSession::Click::Hidden:
      transcript.push_back(u"(hidden)");
      return true;
    case StudentSession::Click::Failed:
      error = "the results menu did not take the click on its print button";
      return false;
    case StudentSession::Click::Done:
      break;
  }
  if (s.toolkit.Printed().size() != printedBefore + 1 || s.toolkit.WrittenPdfs().isEmpty()) {
    error = "the report was not printed to " + pdf.toStdString();
    return false;
  }
  const Lines texts = PrintedTexts(s.toolkit.Printed().back());
  transcript.insert(transcript.end(), texts.begin(), texts.end());
  return true;
}

// "== operating window": the trays' operating window on the column just computed.
void AppendOperatingWindow(StudentSession& s, const ColumnDesignResult& column, Lines& transcript) {
  const TrayByTrayRun* run = CompletedTrayByTray(s.app);
  if (!run) return;
  const DesignData& data = s.app.data();
  const ColumnDesignInput in = ColumnDesignInputOf(data, *run);
  const OperatingWindowValues values = OperatingWindowValues::From(data);
  transcript.push_back(u"== operating window");
  const Lines lines = OperatingWindowTranscriptLines(OperatingWindow(in, column, values),
                                                     PerformanceDiagramOf(in, column, values),
                                                     column.feedTray);
  transcript.insert(transcript.end(), lines.begin(), lines.end());
}

// The column's performance diagram: its picture window.png and its printed page
// window.pdf, then closed.
bool WindowPicture(StudentSession& s, const QDir& out, std::string& error) {
  if (!s.Clicked<Form13>([](auto& f) { return &f.windowButton; }) ||
      !Picture(s, "Form17", out, QStringLiteral("window.png"), error)) {
    if (error.empty()) error = "the column's results did not open the performance diagram";
    return false;
  }
  const QString pdf = out.filePath(QStringLiteral("window.pdf"));
  if (!s.PrintWith<Form17>([](auto& f) { return &f.printButton; }, pdf)) {
    error = "the performance diagram was not printed to " + pdf.toStdString();
    return false;
  }
  return s.Clicked<Form17>([](auto& f) { return &f.closeButton; });
}

bool GivesColumnStage(const Variant& variant) {
  for (const std::string& key : ThirdStageKeys()) {
    if (variant.answers.count(key)) return true;
  }
  return false;
}

// The results menu's column button after the tray-by-tray calculation: the third stage
// typed from p41..p56, p58, p59 and accepted, then "== column" with one row per tray and the
// column's lines, the results window's picture and its printed pages. Faulty values end
// the transcript with the fault line and the marked row.
bool ColumnStep(StudentSession& s, const Variant& variant, const QDir& out, Lines& transcript,
                bool& stopped, std::string& error) {
  s.toolkit.Script(AnswersFor(variant, ThirdStageKeys()));
  if (!s.Clicked<Form7>([](auto& f) { return &f.columnButton; })) {
    error = "the results menu did not take the click on its column button";
    return false;
  }
  if (s.Loaded("Form15") || s.Loaded("FileMessage")) {
    // No completed tray-by-tray calculation: the question is declined, or the message
    // saying why there can be none is closed.
    s.toolkit.Script({});
    for (const char16_t* heading : {u"== column", u"== operating window"}) {
      transcript.push_back(heading);
      transcript.push_back(u"(no tray-by-tray results)");
    }
    if (s.Loaded("FileMessage")) return s.Clicked<FileMessage>([](auto& f) { return &f.goOnButton; });
    return s.Clicked<Form15>([](auto& f) { return &f.noButton; });
  }
  if (s.toolkit.PendingAnswers() != 0 || s.toolkit.UnscriptedPrompts() != 0) {
    error = "the third stage did not ask the expected prompts";
    return false;
  }
  if (!s.Clicked<Form12>([](auto& f) { return &f.acceptButton; })) {
    error = "the third stage did not end in its review";
    return false;
  }
  Form13* results = s.app.FindForm<Form13>();
  if (!results) {
    if (!s.Loaded("Form14")) {
      error = "the third stage's data were neither accepted nor refused";
      return false;
    }
    transcript.push_back(u"== fault Form12 ErrorRow " +
                         FromUtf8(std::to_string(s.app.data().ErrorRow)));
    if (const Form12* stage = s.app.FindForm<Form12>(); stage && stage->faultMarker.visible) {
      transcript.push_back(stage->faultMarker.caption);
    }
    stopped = true;
    return true;
  }
  transcript.push_back(u"== column");
  const Lines lines = ColumnTranscriptLines(results->Result(), s.toolkit.DecimalSeparator());
  transcript.insert(transcript.end(), lines.begin(), lines.end());
  AppendOperatingWindow(s, results->Result(), transcript);
  if (!Picture(s, "Form13", out, QStringLiteral("column.png"), error)) return false;
  if (!CopiedTableFile<Form13>(s, [](auto& f) { return &f.copyButton; }, out,
                               QStringLiteral("column.tsv"), error)) {
    return false;
  }
  const QString pdf = out.filePath(QStringLiteral("report-column.pdf"));
  if (!s.PrintWith<Form13>([](auto& f) { return &f.printButton; }, pdf)) {
    error = "the column's results were not printed to " + pdf.toStdString();
    return false;
  }
  return WindowPicture(s, out, error);
}

bool WriteTranscript(const QDir& out, const Lines& transcript) {
  std::string text;
  for (const std::u16string& line : transcript) text += ToUtf8(line) + "\n";
  QString error;
  return WriteWholeFile(out.filePath(QStringLiteral("transcript.txt")), text, error);
}

// The results menu's save button, with saved.rcol in the output folder for the save
// dialog's answer: the data as the program itself saves them.
bool SaveData(StudentSession& s, const QDir& out, std::string& error) {
  const QString path = out.filePath(QStringLiteral("saved.rcol"));
  s.toolkit.ScriptSavePath(path);
  if (!s.Clicked<Form7>([](auto& f) { return &f.saveButton; }) ||
      !QFile::exists(path) || s.Loaded("FileMessage")) {
    error = "the program did not save its data to " + path.toStdString();
    return false;
  }
  return true;
}

// One session up to the results menu, then the step (and the save, when asked for).
// False on a failure; a fault ends the transcript with its line and the marked row.
bool PlaySession(const Variant& variant, const Step& step, bool save,
                 const std::vector<StudyOption>& studies, const QDir& out, Lines& transcript,
                 bool& stopped, std::string& error) {
  StudentSession session;
  const EntryOutcome entry = EnterVariant(session, variant);
  switch (entry.stage) {
    case EntryOutcome::Stage::Failed:
      error = entry.error;
      return false;
    case EntryOutcome::Stage::Fault:
      transcript.push_back(entry.faultLine);
      if (!entry.faultRow.empty()) transcript.push_back(entry.faultRow);
      stopped = true;
      return true;
    case EntryOutcome::Stage::ResultsMenu:
      if (!RunStep(session, step, out, transcript, error)) return false;
      if (step.refluxStudy) AppendRefluxSweep(session.app.data(), transcript);
      if (step.trayProfile && GivesColumnStage(variant) &&
          !ColumnStep(session, variant, out, transcript, stopped, error)) {
        return false;
      }
      // The studies follow every other section of the last session, on its accepted data.
      if (save && !stopped && !studies.empty()) {
        AppendStudies(session.app.data(), studies, session.toolkit.DecimalSeparator(), transcript);
        if (!StudyFiles(session, studies, out, error)) return false;
      }
      return !save || SaveData(session, out, error);
  }
  return false;
}

// Removes what an earlier run left in the folder, so that no picture of other data
// stands beside the new transcript. False when one of those files cannot be removed.
bool RemoveEarlierRun(QDir& out, std::string& error) {
  static const QStringList kOwnFiles = {
      QStringLiteral("transcript.txt"), QStringLiteral("form7-*.png"),
      QStringLiteral("diagram-*.png"),  QStringLiteral("diagram.pdf"),
      QStringLiteral("report-*.pdf"),   QStringLiteral("reflux.png"),
      QStringLiteral("reflux.pdf"),     QStringLiteral("column.png"),
      QStringLiteral("window.png"),     QStringLiteral("window.pdf"),
      QStringLiteral("study.png"),      QStringLiteral("study.pdf"),
      QStringLiteral("kinetic.tsv"),    QStringLiteral("trays.tsv"),
      QStringLiteral("profile.tsv"),    QStringLiteral("reflux.tsv"),
      QStringLiteral("column.tsv"),     QStringLiteral("study-*.tsv"),
      QStringLiteral("diagram.svg"),    QStringLiteral("reflux.svg"),
      QStringLiteral("study-*.svg")};
  for (const QString& name : out.entryList(kOwnFiles, QDir::Files | QDir::Hidden)) {
    if (!out.remove(name)) {
      error = "cannot remove " + out.filePath(name).toStdString() + " of an earlier run";
      return false;
    }
  }
  return true;
}

}  // namespace

std::string ParseStudyOption(const std::string& text, StudyOption& option) {
  static const std::regex kForm(R"(([^:]*):([^:]*):([^:]*):([^:]*))");
  static const std::regex kDecimal(R"([+-]?([0-9]+(\.[0-9]*)?|\.[0-9]+)([eE][+-]?[0-9]+)?)");
  static const std::regex kCount(R"([0-9]+)");
  std::smatch m;
  if (!std::regex_match(text, m, kForm)) {
    return "--study " + text + ": not KEY:FROM:TO:POINTS";
  }
  option = StudyOption{m[1], m[2], m[3], 0, 0, 0};
  const InputRow* input = FindInput(std::string_view(option.key));
  if (!input) return "--study " + text + ": " + option.key + " is not an input of the data file";
  for (const auto& [given, value] : {std::pair{&option.fromText, &option.from},
                                     std::pair{&option.toText, &option.to}}) {
    if (!std::regex_match(*given, kDecimal) ||
        std::from_chars(given->data(), given->data() + given->size(), *value).ec != std::errc{} ||
        !std::isfinite(*value)) {
      return "--study " + text + ": " + *given + " is not a decimal number such as 0.05 or 2.5e-05";
    }
  }
  const std::string count = m[4];
  if (!std::regex_match(count, kCount) || count.size() > 3 ||
      std::stoi(count) < kStudyMinPoints || std::stoi(count) > kStudyMaxPoints) {
    return "--study " + text + ": POINTS must be a whole number from " +
           std::to_string(kStudyMinPoints) + " to " + std::to_string(kStudyMaxPoints);
  }
  option.points = std::stoi(count);
  return {};
}

VariantRunResult RunVariantSession(const Variant& variant, const QString& outDir,
                                   const std::vector<StudyOption>& studies) {
  OffscreenApplication();
  VariantRunResult result;
  if (!QDir().mkpath(outDir)) {
    result.message = "cannot create the folder " + outDir.toStdString();
    return result;
  }
  QDir out(outDir);
  if (!RemoveEarlierRun(out, result.message)) return result;
  // A refused calculation hides the other one's button, so each calculation gets a
  // session of its own from a fresh start with the same answers.
  static constexpr Step kSteps[] = {
      {[](Form7& f) { return &f.kineticLineButton; }, u"kinetic", "kinetic", false, false, "kinetic.tsv"},
      {[](Form7& f) { return &f.trayByTrayButton; }, u"tray-by-tray", "tray-by-tray", true, true, "trays.tsv"}};
  Lines transcript;
  bool stopped = false;
  bool ok = true;
  for (const Step& step : kSteps) {
    // The last session, which has typed every stage the variant gives, ends by saving
    // its data.
    const bool save = &step == &kSteps[std::size(kSteps) - 1];
    ok = PlaySession(variant, step, save, studies, out, transcript, stopped, result.message);
    if (!ok || stopped) break;
  }
  if (!WriteTranscript(out, transcript)) {
    result.message = "cannot write " + out.filePath(QStringLiteral("transcript.txt")).toStdString();
    return result;
  }
  if (ok) result.status = stopped ? kVariantDataRefused : kVariantRunDone;
  return result;
}

VariantRunResult RunVariantFile(const std::string& variantPath, const QString& outDir,
                                const std::vector<StudyOption>& studies) {
  VariantRunResult result;
  QString reason;
  const std::optional<std::string> text = ReadWholeFile(QFile::decodeName(variantPath.c_str()), reason);
  if (!text) {
    result.status = kVariantFileError;
    result.message = variantPath + ": " + reason.toStdString();
    return result;
  }
  Variant variant;
  if (const auto bad = ParseVariant(*text, variant)) {
    result.status = kVariantFileError;
    result.message = variantPath + (bad->line > 0 ? ":" + std::to_string(bad->line) : "") +
                     ": " + bad->message;
    return result;
  }
  for (const StudyOption& o : studies) {
    if (FindInput(std::string_view(o.key))->stage == InputStage::Column &&
        !GivesColumnStage(variant)) {
      result.status = kVariantFileError;
      result.message = "--study " + o.key + ": " + variantPath + " gives no third stage";
      return result;
    }
  }
  return RunVariantSession(variant, outDir, studies);
}

}  // namespace rc
