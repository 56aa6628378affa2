#include "class/class_document.h"

#include <QSaveFile>

#include "class/class_pages.h"
#include "model/text.h"
#include "qt/font_map.h"
#include "qt/printing.h"
#include "report/format.h"
#include "ui/printer_page.h"

namespace rc {
namespace {

Surface PageSurface(double height) {
  const FontSpec font = ReportFont();
  Surface page;
  page.SetLineHeight(FontLineHeightTwips(font));
  page.SetPageHeight(height);
  page.SetPageWidth(PrintablePageWidthTwips(), FontCharWidthTwips(font));
  return page;
}

// The heading of page `page` of `pages`: the class; the date and the page's number on the
// right; the files checked, where given; an empty line.
Surface Heading(const PageHeading& h, std::size_t width, std::size_t page, std::size_t pages) {
  Surface s = PageSurface(PrintablePageHeightTwips());
  const std::u16string lead = Spaces(kClassRowLead);
  s.Print(lead + h.classLine);
  const std::u16string sheet = u"лист " + DecimalText(static_cast<long long>(page)) + u" из " +
                               DecimalText(static_cast<long long>(pages));
  const std::u16string left = lead + h.date;
  s.Print(left + RightAligned(sheet, width > left.size() + 1 ? width - left.size() : sheet.size() + 1));
  if (!h.files.empty()) s.Print(lead + h.files);
  s.Print();
  return s;
}

void Shift(DrawOp& op, double dy) {
  op.y1 += dy;
  op.y2 += dy;
  for (TwipPoint& p : op.points) p.y += dy;
}

}  // namespace

ClassDocument::ClassDocument(const PageHeading& heading) : heading_(heading) {
  const FontSpec font = ReportFont();
  width_ = static_cast<std::size_t>(PrintablePageWidthTwips() / FontCharWidthTwips(font));
  // The longest heading the numbers of a class's pages can make.
  headingHeight_ = Heading(heading_, width_, 9999, 9999).CurrentY;
  body_ = PageSurface(PrintablePageHeightTwips() - headingHeight_);
}

std::size_t ClassDocument::LinesOfAPage() const {
  return static_cast<std::size_t>(body_.PageHeight() / body_.LineHeight());
}

std::size_t ClassDocument::LinesLeft() const {
  const double left = (body_.PageHeight() - body_.CurrentY) / body_.LineHeight();
  return left > 0 ? static_cast<std::size_t>(left) : 0;
}

void ClassDocument::KeepTogether(std::size_t lines) {
  if (body_.CurrentY > 0 && LinesLeft() < lines) body_.NewPage();
}

bool ClassDocument::Write(const QString& path) const {
  PrintedDocument document{ReportFont(), {}};
  const std::vector<Page>& pages = body_.Pages();
  for (std::size_t i = 0; i < pages.size(); ++i) {
    Page page = Heading(heading_, width_, i + 1, pages.size()).Pages().front();
    for (DrawOp op : pages[i].ops) {
      Shift(op, headingHeight_);
      page.ops.push_back(std::move(op));
    }
    document.pages.push_back(std::move(page));
  }
  QSaveFile file(path);
  return file.open(QIODevice::WriteOnly) && WritePdf(document, file) && file.commit();
}

void PrintBold(Surface& s, const std::u16string& text) {
  s.FontBold = true;
  s.Print(text);
  s.FontBold = false;
}

std::u16string LeftAligned(const std::u16string& text, std::size_t width) {
  return text.size() >= width ? text : text + std::u16string(width - text.size(), u' ');
}

}  // namespace rc
