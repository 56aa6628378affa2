#pragma once
// A printed document of the class tool: its pages drawn on a body surface that leaves
// room at the top of every page, where each page gets the heading once the number of
// pages is known.
#include <QString>
#include <string>

#include "report/surface.h"

namespace rc {

struct PageHeading;

inline constexpr std::uint8_t kClassRowLead = 3;  // blanks before every line

class ClassDocument {
 public:
  explicit ClassDocument(const PageHeading& heading);

  Surface& Body() { return body_; }
  // How many characters a line of the page holds.
  std::size_t LineWidth() const { return width_; }
  // How many lines a page of the body holds, and how many more the current one.
  std::size_t LinesOfAPage() const;
  std::size_t LinesLeft() const;
  // Starts a new page when fewer than `lines` are left on this one (and it is not empty).
  void KeepTogether(std::size_t lines);

  // The pages with their headings, through a QSaveFile; false when it cannot be written.
  bool Write(const QString& path) const;

 private:
  const PageHeading& heading_;
  Surface body_;
  std::size_t width_ = 0;
  double headingHeight_ = 0;  // [twips]
};

// Text printed bold on the surface.
void PrintBold(Surface& s, const std::u16string& text);
// Text padded with blanks on the right to width (RightAligned of report/format.h pads on
// the left).
std::u16string LeftAligned(const std::u16string& text, std::size_t width);

}  // namespace rc
