#include "class/class_pages.h"

#include <algorithm>

#include "class/class_entry.h"
#include "model/data_file.h"
#include "model/text.h"
#include "qt/font_map.h"
#include "qt/printing.h"
#include "report/format.h"
#include "report/input_rows.h"
#include "ui/printer_page.h"

namespace rc {
namespace {

constexpr std::uint8_t kRowLead = 3;
constexpr std::uint8_t kFirstColumnWidth = 4;  // the variant number
constexpr std::uint8_t kColumnWidth = 8;

Surface ClassPage() {
  const FontSpec font = ReportFont();
  Surface page;
  page.SetLineHeight(FontLineHeightTwips(font));
  page.SetPageHeight(PrintablePageHeightTwips());
  page.SetPageWidth(PrintablePageWidthTwips(), FontCharWidthTwips(font));
  return page;
}

void Bold(Surface& s, const std::u16string& text) {
  s.FontBold = true;
  s.Print(text);
  s.FontBold = false;
}

std::u16string RightAligned(const std::u16string& text, std::uint8_t width) {
  return PadWidth(text, width) + text;
}

std::u16string LeftAligned(const std::u16string& text, std::uint8_t width) {
  return text + PadWidth(text, width);
}

// A block of `lines` lines that would pass the bottom of the page starts a new one.
void KeepTogether(Surface& s, std::size_t lines) {
  if (s.CurrentY > 0 && s.CurrentY + static_cast<double>(lines) * s.LineHeight() > s.PageHeight()) {
    s.NewPage();
  }
}

bool Write(const Surface& s, const QString& path) {
  return WritePdf(PrintedDocument{ReportFont(), s.Pages()}, path);
}

void TaskSheet(Surface& s, const ClassVariant& v) {
  const DesignData d = EnterAnswers(v.variant).data;
  Bold(s, Spaces(kRowLead) + u"ВАРИАНТ " + DecimalText(v.number));
  s.Print();
  s.Print(Spaces(kRowLead) + u"ПОТАРЕЛЬЧАТЫЙ РАСЧЕТ РЕКТИФИКАЦИОННОЙ КОЛОННЫ: ИСХОДНЫЕ ДАННЫЕ");
  s.Print();
  s.Print(Spaces(kRowLead) + u"РАВНОВЕСНЫЕ ДАННЫЕ:");
  for (int i = 0; i <= 7; ++i) s.Print(EquilibriumRowText(d, i, kRowLead));
  s.Print();
  for (int n = kParamXW; n <= kParamXP; ++n) s.Print(ParameterRowText(d, n, kRowLead));
  s.Print();
  s.Print(Spaces(kRowLead) + TrayKindText(KindOfTrays(d)));
  s.Print();
  for (int index = 0; index < kTrayStageParameterCount; ++index) {
    s.Print(ParameterRowText(d, TrayStageParameterAt(index), kRowLead));
  }
  if (!HasThirdStageTexts(d)) return;
  s.Print();
  s.Print(Spaces(kRowLead) + u"ДАННЫЕ ДЛЯ РАСЧЕТА КОЛОННЫ:");
  for (int n = kFirstColumnParameter; n <= kLastColumnParameter; ++n) {
    s.Print(ParameterRowText(d, n, kRowLead));
  }
}

}  // namespace

bool WriteTaskSheets(const std::vector<ClassVariant>& variants, const QString& path) {
  Surface s = ClassPage();
  for (std::size_t i = 0; i < variants.size(); ++i) {
    if (i) s.NewPage();
    TaskSheet(s, variants[i]);
  }
  return Write(s, path);
}

bool WriteKeyTable(const std::vector<ClassVariant>& variants, const QString& path) {
  Surface s = ClassPage();
  const std::vector<KeyColumn>& columns = KeyColumns();
  Bold(s, Spaces(kRowLead) + u"КЛЮЧ К ВАРИАНТАМ");
  s.Print();
  // As many columns to a table as the page's width holds, each table with the variant
  // number first; its heading is repeated on every page it runs on to.
  const double characters = PrintablePageWidthTwips() / FontCharWidthTwips(ReportFont());
  const std::size_t perTable = std::max<std::size_t>(
      1, static_cast<std::size_t>((characters - kRowLead - kFirstColumnWidth) / kColumnWidth));
  for (std::size_t first = 1; first < columns.size(); first += perTable) {
    const std::size_t last = std::min(columns.size(), first + perTable);
    std::u16string heading = Spaces(kRowLead) + LeftAligned(columns[0].heading, kFirstColumnWidth);
    for (std::size_t c = first; c < last; ++c) heading += RightAligned(columns[c].heading, kColumnWidth);
    KeepTogether(s, 2);
    Bold(s, heading);
    for (const ClassVariant& v : variants) {
      if (s.CurrentY + s.LineHeight() > s.PageHeight()) {
        s.NewPage();
        Bold(s, heading);
      }
      std::u16string row = Spaces(kRowLead) + LeftAligned(DecimalText(v.number), kFirstColumnWidth);
      for (std::size_t c = first; c < last && c - 1 < v.key.size(); ++c) {
        row += RightAligned(FromUtf8(v.key[c - 1]), kColumnWidth);
      }
      s.Print(row);
    }
    s.Print();
  }
  for (const KeyColumn& c : columns) {
    s.Print(Spaces(kRowLead) + LeftAligned(c.heading, kColumnWidth) + u"- " + c.caption);
  }
  return Write(s, path);
}

bool WriteMarks(const ClassMarks& marks, const QString& path) {
  Surface s = ClassPage();
  auto captionOf = [](const std::string& name) {
    for (const KeyColumn& c : KeyColumns()) {
      if (name == c.name) return std::u16string(c.caption);
    }
    return FromUtf8(name);
  };
  constexpr std::uint8_t kCaptionWidth = 34;
  constexpr std::uint8_t kNumberWidth = 12;
  Bold(s, Spaces(kRowLead) + u"ПРОВЕРКА ОТВЕТОВ");
  for (const StudentMarks& st : marks.students) {
    s.Print();
    KeepTogether(s, marks.columns.size() + 3);
    Bold(s, Spaces(kRowLead) + u"ВАРИАНТ " + DecimalText(st.variant) + u"   " + FromUtf8(st.name));
    s.Print(Spaces(kRowLead) + LeftAligned(u"", kCaptionWidth) + RightAligned(u"ОТВЕТ", kNumberWidth) +
            RightAligned(u"КЛЮЧ", kNumberWidth) + u"   ОЦЕНКА");
    for (std::size_t c = 0; c < marks.columns.size(); ++c) {
      const Mark m = st.marks[c];
      s.Print(Spaces(kRowLead) + LeftAligned(captionOf(marks.columns[c]), kCaptionWidth) +
              RightAligned(m == Mark::NotGiven ? u"-" : FromUtf8(st.answers[c]), kNumberWidth) +
              RightAligned(FromUtf8(st.keys[c]), kNumberWidth) + u"   " +
              (m == Mark::Right ? u"верно" : m == Mark::Wrong ? u"неверно" : u"нет ответа"));
    }
    s.Print(Spaces(kRowLead) + u"ВЕРНО: " + DecimalText(st.right) + u" ИЗ " +
            DecimalText(static_cast<long long>(marks.columns.size())));
  }
  s.Print();
  KeepTogether(s, marks.columns.size() + 2);
  Bold(s, Spaces(kRowLead) + u"ИТОГИ ПО ВЕЛИЧИНАМ (СТУДЕНТОВ: " +
              DecimalText(static_cast<long long>(marks.students.size())) + u")");
  s.Print(Spaces(kRowLead) + LeftAligned(u"", kCaptionWidth) + RightAligned(u"ВЕРНО", kNumberWidth) +
          RightAligned(u"ОТВЕТИЛИ", kNumberWidth));
  for (std::size_t c = 0; c < marks.columns.size(); ++c) {
    s.Print(Spaces(kRowLead) + LeftAligned(captionOf(marks.columns[c]), kCaptionWidth) +
            RightAligned(DecimalText(marks.rightPerColumn[c]), kNumberWidth) +
            RightAligned(DecimalText(marks.givenPerColumn[c]), kNumberWidth));
  }
  return Write(s, path);
}

}  // namespace rc
