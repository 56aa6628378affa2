#include "class/class_pages.h"

#include <QDate>
#include <algorithm>
#include <map>

#include "class/class_document.h"
#include "class/class_entry.h"
#include "model/data_file.h"
#include "model/input_catalogue.h"
#include "model/text.h"
#include "report/date_text.h"
#include "report/format.h"
#include "report/input_rows.h"

namespace rc {
namespace {

constexpr std::size_t kFirstColumnWidth = 4;  // the variant number in the key's tables
constexpr std::size_t kColumnWidth = 8;       // at least; wider where a value needs it
constexpr std::size_t kCaptionWidth = 45;    // a key column's caption with its unit
constexpr std::size_t kNumberWidth = 12;     // an answer or a key on the marks
constexpr std::size_t kDigitsWidth = 22;     // the digits to hand in on the task sheet

const std::u16string kLead = Spaces(kClassRowLead);

// "ЦЕЛОЕ ЧИСЛО", "1 ЗНАК ПОСЛЕ ТОЧКИ", "4 ЗНАКА ПОСЛЕ ТОЧКИ".
std::u16string DigitsText(int decimals) {
  if (decimals <= 0) return u"ЦЕЛОЕ ЧИСЛО";
  const std::u16string sign = decimals == 1 ? u" ЗНАК" : decimals <= 4 ? u" ЗНАКА" : u" ЗНАКОВ";
  return DecimalText(decimals) + sign + u" ПОСЛЕ ТОЧКИ";
}

std::u16string CaptionOf(const std::string& column) {
  const KeyColumn* known = FindKeyColumn(column);
  return known ? CaptionWithUnit(*known) : FromUtf8(column);
}

void TaskSheet(Surface& s, const ClassVariant& v) {
  const DesignData d = EnterAnswers(v.variant).data;
  // A page holds the whole sheet of a variant with its third stage: no line to spare.
  // The name as the teacher's list gives it, as key.csv has it.
  const std::u16string name = v.variant.Answer("name");
  PrintBold(s, kLead + u"ВАРИАНТ " + DecimalText(v.number) + u"   " +
                   (name.empty() ? u"ФАМИЛИЯ И ГРУППА: " + std::u16string(40, u'_') : u"СТУДЕНТ: " + name));
  s.Print();
  s.Print(kLead + u"ПОТАРЕЛЬЧАТЫЙ РАСЧЕТ РЕКТИФИКАЦИОННОЙ КОЛОННЫ: ИСХОДНЫЕ ДАННЫЕ");
  s.Print(kLead + u"РАВНОВЕСНЫЕ ДАННЫЕ:");
  for (int i = 0; i <= 7; ++i) s.Print(EquilibriumRowText(d, i, kClassRowLead));
  s.Print();
  for (int n : InputNumbers(InputStage::Compositions)) s.Print(ParameterRowText(d, n, kClassRowLead));
  s.Print();
  s.Print(kLead + TrayKindText(KindOfTrays(d)));
  for (int n : InputNumbers(InputStage::TrayData)) s.Print(ParameterRowText(d, n, kClassRowLead));
  if (HasThirdStageTexts(d)) {
    s.Print();
    s.Print(kLead + u"ДАННЫЕ ДЛЯ РАСЧЕТА КОЛОННЫ:");
    for (int n : InputNumbers(InputStage::Column)) s.Print(ParameterRowText(d, n, kClassRowLead));
  }
  // The values of the key this variant has, with a blank to write each in.
  s.Print();
  PrintBold(s, kLead + u"СДАТЬ (КАК ИХ ПОКАЗЫВАЕТ ПРОГРАММА):");
  const std::vector<KeyColumn>& columns = KeyColumns();
  for (std::size_t c = 1; c < columns.size(); ++c) {
    if (c - 1 >= v.key.size() || v.key[c - 1].empty()) continue;
    s.Print(kLead + LeftAligned(CaptionWithUnit(columns[c]), kCaptionWidth) +
            LeftAligned(DigitsText(columns[c].decimals), kDigitsWidth) + std::u16string(12, u'_'));
  }
}

// The width of each column of the key's tables (by KeyColumns()): its heading or its
// longest value, with a blank before it, and at least kColumnWidth.
std::vector<std::size_t> KeyColumnWidths(const std::vector<ClassVariant>& variants) {
  const std::vector<KeyColumn>& columns = KeyColumns();
  std::vector<std::size_t> widths(columns.size(), kColumnWidth);
  for (std::size_t c = 1; c < columns.size(); ++c) {
    widths[c] = std::max(widths[c], std::u16string_view(columns[c].heading).size() + 1);
    for (const ClassVariant& v : variants) {
      if (c - 1 < v.key.size()) widths[c] = std::max(widths[c], FromUtf8(v.key[c - 1]).size() + 1);
    }
  }
  return widths;
}

// One table of the key: the variant and the columns first..last - 1, as many rows as the
// page holds under its heading with the table's legend below them, the rest on the
// next pages, each again with heading and legend.
void PrintKeyTable(ClassDocument& doc, const std::vector<ClassVariant>& variants,
                   const std::vector<std::size_t>& widths, std::size_t first, std::size_t last) {
  const std::vector<KeyColumn>& columns = KeyColumns();
  const auto explained = [&](std::size_t c) {
    return kLead + LeftAligned(columns[c].heading, kColumnWidth) + u"- " + CaptionWithUnit(columns[c]);
  };
  std::u16string heading = kLead + LeftAligned(columns[0].heading, kFirstColumnWidth);
  std::vector<std::u16string> legend = {explained(0)};
  for (std::size_t c = first; c < last; ++c) {
    heading += RightAligned(columns[c].heading, widths[c]);
    legend.push_back(explained(c));
  }
  Surface& s = doc.Body();
  const std::size_t around = legend.size() + 3;  // the heading, an empty line, the legend, an empty line
  for (std::size_t next = 0; next < variants.size();) {
    const std::size_t rest = variants.size() - next;
    // A table that a fresh page holds whole is not split; a longer one fills pages.
    doc.KeepTogether(around + (rest + around <= doc.LinesOfAPage() ? rest : std::min<std::size_t>(rest, 5)));
    const std::size_t rows = std::min(rest, doc.LinesLeft() > around ? doc.LinesLeft() - around : 1);
    PrintBold(s, heading);
    for (std::size_t i = next; i < next + rows; ++i) {
      const ClassVariant& v = variants[i];
      std::u16string row = kLead + LeftAligned(DecimalText(v.number), kFirstColumnWidth);
      for (std::size_t c = first; c < last && c - 1 < v.key.size(); ++c) {
        row += RightAligned(FromUtf8(v.key[c - 1]), widths[c]);
      }
      s.Print(row);
    }
    next += rows;
    s.Print();
    for (const std::u16string& line : legend) s.Print(line);
    s.Print();
  }
}

// The students' names, as key.csv has them, where the class was made with names.
void PrintNames(ClassDocument& doc, const std::vector<ClassVariant>& variants) {
  const bool named = std::any_of(variants.begin(), variants.end(),
                                 [](const ClassVariant& v) { return !v.variant.Answer("name").empty(); });
  if (!named) return;
  Surface& s = doc.Body();
  doc.KeepTogether(std::min<std::size_t>(variants.size(), 3) + 1);
  PrintBold(s, kLead + LeftAligned(KeyColumns()[0].heading, kFirstColumnWidth) + u"СТУДЕНТ");
  for (const ClassVariant& v : variants) {
    s.Print(kLead + LeftAligned(DecimalText(v.number), kFirstColumnWidth) + v.variant.Answer("name"));
  }
  s.Print();
}

const char16_t* MarkText(Mark m) {
  switch (m) {
    case Mark::Right: return u"верно";
    case Mark::Wrong: return u"неверно";
    case Mark::NotGiven: return u"нет ответа";
    case Mark::NotChecked: return u"не проверяется";
  }
  return u"";
}

// An answer as the marks show it: at most kNumberWidth - 1 characters, so that the
// columns stay apart.
std::u16string Shown(const std::string& text) {
  std::u16string shown = FromUtf8(text);
  if (shown.size() >= kNumberWidth) shown = shown.substr(0, kNumberWidth - 2) + u"…";
  return shown;
}

void StudentBlock(ClassDocument& doc, const ClassMarks& marks, const StudentMarks& st) {
  Surface& s = doc.Body();
  s.Print();
  doc.KeepTogether(marks.columns.size() + 4);
  PrintBold(s, kLead + u"ВАРИАНТ " + DecimalText(st.variant) + u"   " + FromUtf8(st.name) +
                   u"   (строка " + DecimalText(st.line) + u")");
  if (!st.note.empty()) s.Print(kLead + FromUtf8(st.note));
  s.Print(kLead + LeftAligned(u"", kCaptionWidth) + RightAligned(u"ОТВЕТ", kNumberWidth) +
          RightAligned(u"КЛЮЧ", kNumberWidth) + u"   ОЦЕНКА");
  for (std::size_t c = 0; c < marks.columns.size(); ++c) {
    const Mark m = st.marks[c];
    s.Print(kLead + LeftAligned(CaptionOf(marks.columns[c]), kCaptionWidth) +
            RightAligned(st.answers[c].empty() ? u"-" : Shown(st.answers[c]), kNumberWidth) +
            RightAligned(st.keys[c].empty() ? u"-" : FromUtf8(st.keys[c]), kNumberWidth) + u"   " +
            MarkText(m));
  }
  s.Print(kLead + u"ВЕРНО: " + DecimalText(st.right) + u" ИЗ " + DecimalText(st.checked));
}

// A titled list of lines, the title kept with the first of them.
void Section(ClassDocument& doc, const std::u16string& title, const std::vector<std::u16string>& lines) {
  if (lines.empty()) return;
  Surface& s = doc.Body();
  s.Print();
  doc.KeepTogether(std::min<std::size_t>(lines.size(), 3) + 1);
  PrintBold(s, kLead + title);
  for (const std::u16string& line : lines) s.Print(kLead + line);
}

// Who is missing, who answered twice, which lines could not be marked.
void Roster(ClassDocument& doc, const ClassMarks& marks) {
  std::vector<std::u16string> missing, repeated, skipped;
  for (const MissingVariant& m : marks.missing) {
    missing.push_back(u"ВАРИАНТ " + DecimalText(m.variant) + (m.name.empty() ? u"" : u"   " + FromUtf8(m.name)));
  }
  std::map<long long, std::u16string> lines;
  for (const StudentMarks& st : marks.students) {
    std::u16string& l = lines[st.variant];
    l += (l.empty() ? u"" : u", ") + DecimalText(st.line);
  }
  for (const auto& [variant, text] : lines) {
    if (text.find(u',') != std::u16string::npos) {
      repeated.push_back(u"ВАРИАНТ " + DecimalText(variant) + u": строки " + text);
    }
  }
  for (const SkippedLine& sk : marks.skipped) {
    skipped.push_back(u"строка " + DecimalText(sk.line) + u": " + FromUtf8(sk.why));
  }
  Section(doc, u"НЕТ ОТВЕТОВ:", missing);
  Section(doc, u"ОТВЕЧЕНЫ БОЛЕЕ ОДНОГО РАЗА:", repeated);
  Section(doc, u"ПРОПУЩЕННЫЕ СТРОКИ ОТВЕТОВ:", skipped);
  if (!marks.unchecked.empty()) Section(doc, u"СТОЛБЦЫ ОТВЕТОВ, КОТОРЫХ НЕТ В КЛЮЧЕ:", {UncheckedText(marks)});
}

void Totals(ClassDocument& doc, const ClassMarks& marks) {
  Surface& s = doc.Body();
  s.Print();
  doc.KeepTogether(marks.columns.size() + 3);
  PrintBold(s, kLead + u"ИТОГИ ПО ВЕЛИЧИНАМ");
  s.Print(kLead + AnsweredText(marks));
  s.Print(kLead + LeftAligned(u"", kCaptionWidth) + RightAligned(u"ВЕРНО", kNumberWidth) +
          RightAligned(u"ОТВЕТИЛИ", kNumberWidth));
  for (std::size_t c = 0; c < marks.columns.size(); ++c) {
    std::u16string row = kLead + LeftAligned(CaptionOf(marks.columns[c]), kCaptionWidth);
    if (marks.checkedPerColumn[c] == 0) {
      row += std::u16string(2 * kNumberWidth, u' ') + u"   " + MarkText(Mark::NotChecked);
    } else {
      row += RightAligned(DecimalText(marks.rightPerColumn[c]), kNumberWidth) +
             RightAligned(DecimalText(marks.givenPerColumn[c]), kNumberWidth);
    }
    s.Print(row);
  }
}

}  // namespace

std::u16string TodayText() {
  const QDate today = QDate::currentDate();
  const std::u16string shortDate = today.toString(QStringLiteral("dd.MM.yyyy")).toStdU16String();
  std::u16string text = DateTimeText(shortDate, u"", CalendarDate{today.year(), today.month(), today.day()});
  const auto first = text.find_first_not_of(u' ');
  return first == std::u16string::npos ? text : text.substr(first, text.find_last_not_of(u' ') - first + 1);
}

bool WriteTaskSheets(const std::vector<ClassVariant>& variants, const PageHeading& heading,
                     const QString& path) {
  ClassDocument doc(heading);
  for (std::size_t i = 0; i < variants.size(); ++i) {
    if (i) doc.Body().NewPage();
    TaskSheet(doc.Body(), variants[i]);
  }
  return doc.Write(path);
}

bool WriteKeyTable(const std::vector<ClassVariant>& variants, const PageHeading& heading,
                   const QString& path) {
  ClassDocument doc(heading);
  PrintBold(doc.Body(), kLead + u"КЛЮЧ К ВАРИАНТАМ");
  doc.Body().Print();
  PrintNames(doc, variants);
  // As many columns to a table as the page's width holds, each table with the variant
  // number first.
  const std::vector<std::size_t> widths = KeyColumnWidths(variants);
  const std::size_t room = doc.LineWidth() - kClassRowLead - kFirstColumnWidth;
  for (std::size_t first = 1, last = 1; first < widths.size(); first = last) {
    for (std::size_t used = 0; last < widths.size() && (last == first || used + widths[last] <= room); ++last) {
      used += widths[last];
    }
    PrintKeyTable(doc, variants, widths, first, last);
  }
  return doc.Write(path);
}

bool WriteMarks(const ClassMarks& marks, const PageHeading& heading, const QString& path) {
  ClassDocument doc(heading);
  PrintBold(doc.Body(), kLead + u"ПРОВЕРКА ОТВЕТОВ");
  for (const StudentMarks& st : marks.students) StudentBlock(doc, marks, st);
  Roster(doc, marks);
  Totals(doc, marks);
  return doc.Write(path);
}

}  // namespace rc
