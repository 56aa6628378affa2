#include "ui/export_actions.h"

#include "report/plot_frame.h"
#include "ui/data_file_actions.h"
#include "ui/file_message.h"
#include "ui/printer_page.h"

namespace rc {

void CopyTable(Application& app, const CellTable& table) {
  Toolkit& tk = app.toolkit();
  // Nothing computed yet (the profile before the tray-by-tray calculation): nothing to copy.
  if (table.rows.empty()) {
    tk.Beep();
    return;
  }
  tk.CopyTable(TableAsTabText(table), TableAsHtml(table));
  tk.ShowNote(TableCopiedText(table.rows.size()));
}

PlotPicture PictureOf(Toolkit& toolkit, const std::function<double(Surface&)>& draw) {
  const FontSpec font = ReportFont();
  Surface s;
  s.SetLineHeight(toolkit.LineHeightTwips(font));
  const double bottom = draw(s);
  return PlotPicture{font, s.Ops(), kPlotPictureWidth, bottom};
}

void CopyPicture(Application& app, const PlotPicture& picture) {
  app.toolkit().CopyPicture(picture);
  app.toolkit().ShowNote(u"Рисунок скопирован");
}

bool SavePicture(Application& app, Window& over, const PlotPicture& picture,
                 const std::u16string& name) {
  Toolkit& tk = app.toolkit();
  const std::optional<std::u16string> path =
      tk.AskPicturePath(DialogFolder(app) + u"/" + name + u".svg");
  if (!path) return false;
  tk.RememberFolder(FolderOf(*path));
  std::u16string error;
  if (!tk.WritePicture(*path, picture, error)) {
    app.Form<FileMessage>().Open(over, kPictureNotSaved, FileNameOf(*path), error);
    return false;
  }
  return true;
}

}  // namespace rc
