#pragma once
// Printed documents through Qt Print Support: each page's operations replayed in the
// report font at the device's resolution, twips counted from the top left of the
// printable area of an A4 page.
#include <QString>

#include "ui/toolkit.h"

class QIODevice;
class QPagedPaintDevice;
class QWidget;

namespace rc {

// Height of the printable area of the page [twips].
double PrintablePageHeightTwips();
// Width of the printable area of the page [twips].
double PrintablePageWidthTwips();
// Draws every page of the document on a printer or PDF writer set up by PreparePage.
bool RenderDocument(QPagedPaintDevice& device, const PrintedDocument& document);
// Writes the document to a PDF file without asking anything. False if it cannot be written.
bool WritePdf(const PrintedDocument& document, const QString& path);
// The same into an open device (a QSaveFile, so that a file is replaced whole or not at all).
bool WritePdf(const PrintedDocument& document, QIODevice& device);
// Opens the print preview, from which the document can be printed or saved as PDF.
// Works with no printer installed.
void PreviewDocument(const PrintedDocument& document, QWidget* parent);

}  // namespace rc
