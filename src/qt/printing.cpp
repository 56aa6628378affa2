#include "qt/printing.h"

#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QPrintPreviewDialog>
#include <QPrinter>

#include "qt/font_map.h"
#include "qt/surface_painter.h"

namespace rc {
namespace {

constexpr double kMarginMm = 15.0;
constexpr int kPdfResolution = 1200;  // [dpi]

QPageLayout ReportLayout() {
  return QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                     QMarginsF(kMarginMm, kMarginMm, kMarginMm, kMarginMm),
                     QPageLayout::Millimeter);
}

}  // namespace

double PrintablePageHeightTwips() {
  return ReportLayout().paintRect(QPageLayout::Inch).height() * kTwipsPerInch;
}

double PrintablePageWidthTwips() {
  return ReportLayout().paintRect(QPageLayout::Inch).width() * 1440.0;
}

bool RenderDocument(QPagedPaintDevice& device, const PrintedDocument& document) {
  QPainter painter(&device);
  if (!painter.isActive()) return false;
  const double pixelsPerTwip = device.logicalDpiY() / kTwipsPerInch;
  const QFont font = PrinterFont(document.font);
  bool first = true;
  for (const Page& page : document.pages) {
    if (!first) device.newPage();
    first = false;
    ReplayOps(painter, page.ops, font, pixelsPerTwip);
  }
  return painter.end();
}

namespace {

bool WritePdfWith(QPdfWriter& writer, const PrintedDocument& document) {
  writer.setResolution(kPdfResolution);
  writer.setPageLayout(ReportLayout());
  writer.setTitle(QStringLiteral("Rectification report"));
  writer.setCreator(QStringLiteral("rectification"));
  return RenderDocument(writer, document);
}

}  // namespace

bool WritePdf(const PrintedDocument& document, const QString& path) {
  QPdfWriter writer(path);
  return WritePdfWith(writer, document);
}

bool WritePdf(const PrintedDocument& document, QIODevice& device) {
  QPdfWriter writer(&device);
  return WritePdfWith(writer, document);
}

void PreviewDocument(const PrintedDocument& document, QWidget* parent) {
  QPrinter printer(QPrinter::HighResolution);
  printer.setPageLayout(ReportLayout());
  QPrintPreviewDialog preview(&printer, parent);
  preview.setWindowModality(Qt::ApplicationModal);
  preview.resize(900, 800);
  QObject::connect(&preview, &QPrintPreviewDialog::paintRequested, &preview,
                   [&document](QPrinter* target) { RenderDocument(*target, document); });
  preview.exec();
}

}  // namespace rc
