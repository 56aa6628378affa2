#include "qt/window_mirror.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QKeyEvent>
#include <QKeySequence>
#include <QListWidget>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QStyle>
#include <QWindow>
#include <algorithm>
#include <cmath>

#include "qt/caption_button.h"
#include "qt/font_map.h"
#include "qt/program_icon.h"
#include "qt/qt_toolkit.h"
#include "qt/surface_painter.h"

namespace rc {
namespace {

int Px(int twips) { return static_cast<int>(std::lround(twips / kTwipsPerPixel)); }

QRect PixelRect(int left, int top, int width, int height) {
  return QRect(Px(left), Px(top), std::max(0, Px(width)), std::max(0, Px(height)));
}

// Character 13 breaks a caption's line; a 13 followed by 10 is one break.
QString CaptionText(const std::u16string& caption) {
  QString text = QString::fromStdU16String(caption);
  text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
  return text;
}

bool SameFont(const FontSpec& a, const FontSpec& b) {
  return a.name == b.name && a.sizePt == b.sizePt && a.bold == b.bold;
}

void SetColour(QWidget& widget, QPalette::ColorRole role, Colour colour) {
  QPalette palette = widget.palette();
  const QColor wanted = ToQColor(colour);
  if (palette.color(role) == wanted) return;
  palette.setColor(role, wanted);
  widget.setPalette(palette);
}

}  // namespace

WindowMirror::WindowMirror(QtToolkit& toolkit, Window& window)
    : QWidget(nullptr), toolkit_(toolkit), window_(&window), serial_(window.Serial()) {
  setAttribute(Qt::WA_DeleteOnClose, false);
  // Every window keeps its designed size: no resize handle, no maximise button.
  setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                 Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                 Qt::WindowCloseButtonHint);
  setAutoFillBackground(true);
  setWindowIcon(ProgramIcon());
  setObjectName(QString::fromStdString(window.Name()));
}

void WindowMirror::StayAbove(WindowMirror* owner) {
  if (owner == owner_) return;
  owner_ = owner;
  // A transient window: the window system keeps it above its owner, and a window
  // manager treats it as the owner's dialog. Its native window is made here, so it is
  // placed first: a window moved before it is made has its frame, title bar and all, put
  // in that place; one moved after would have its client area put there, and a window
  // manager would draw the title bar above it, off the screen for a window at the top.
  if (window_) Place(*window_);
  (void)winId();
  QWindow* parent = nullptr;
  if (owner) {
    (void)owner->winId();
    parent = owner->windowHandle();
  }
  windowHandle()->setTransientParent(parent);
}

const Control* WindowMirror::ControlOf(const QObject* widget) const {
  for (const auto& [control, view] : views_) {
    if (view.widget == widget) return control;
  }
  return nullptr;
}

QWidget* WindowMirror::ControlWidget(const Control& control) const {
  const auto it = views_.find(&control);
  return it == views_.end() ? nullptr : it->second.widget;
}

bool WindowMirror::Sync(Window& window) {
  window_ = &window;
  const QString title = QString::fromStdU16String(window.caption);
  if (windowTitle() != title) setWindowTitle(title);
  Place(window);
  if (backColor_ != window.backColor) {
    backColor_ = window.backColor;
    SetColour(*this, QPalette::Window, backColor_);
  }

  for (const auto& control : window.Controls()) {
    ControlView& view = views_[control.get()];
    if (!view.widget) view.widget = Create(*control);
    SyncControl(*control, view);
  }
  SyncTabOrder(window);

  if (window.surface().Revision() != revision_) {
    revision_ = window.surface().Revision();
    update();
  }

  bool appeared = false;
  if (window.visible && !isVisible()) {
    const Qt::WindowModality modality = window.modal ? Qt::ApplicationModal : Qt::NonModal;
    if (windowModality() != modality) setWindowModality(modality);
    show();
    // The offscreen platform keeps no stacking order and says so on every raise.
    if (QGuiApplication::platformName() != QLatin1String("offscreen")) {
      raise();
      activateWindow();
    }
    appeared = true;
  } else if (!window.visible && isVisible()) {
    hide();
  }

  if (window.FocusRequest() != focusRequest_) {
    focusRequest_ = window.FocusRequest();
    if (const Control* focus = window.Focus()) {
      if (QWidget* target = ControlWidget(*focus)) target->setFocus(Qt::OtherFocusReason);
    }
  }
  MoveFocusOffHiddenControl();
  return appeared;
}

void WindowMirror::MoveFocusOffHiddenControl() {
  QWidget* focused = focusWidget();
  if (!focused || (focused->isVisibleTo(this) && focused->isEnabled())) return;
  // To the next control that can take it, or to none: a key never reaches a control
  // the student cannot see or use.
  focusNextChild();
  focused = focusWidget();
  if (focused && (!focused->isVisibleTo(this) || !focused->isEnabled())) focused->clearFocus();
}

Control* WindowMirror::Usable(const Control* control) const {
  if (!window_) return nullptr;
  for (const auto& c : window_->Controls()) {
    if (c.get() == control) return c->visible && c->enabled ? c.get() : nullptr;
  }
  return nullptr;
}

QWidget* WindowMirror::Create(const Control& control) {
  QWidget* widget = nullptr;
  const Control* shown = &control;
  QPointer<WindowMirror> self(this);
  switch (control.kind) {
    case ControlKind::Button: {
      auto* button = new CaptionButton(this);
      connect(button, &QPushButton::clicked, this, [self, shown] {
        if (self) self->ClickButton(shown);
      });
      widget = button;
      break;
    }
    case ControlKind::Label: {
      auto* label = new QLabel(this);
      label->setTextFormat(Qt::PlainText);
      label->setWordWrap(true);
      label->setAutoFillBackground(true);
      label->setFocusPolicy(Qt::NoFocus);
      widget = label;
      break;
    }
    case ControlKind::List: {
      auto* list = new QListWidget(this);
      list->setSelectionMode(QAbstractItemView::SingleSelection);
      // Rows are shown whole: a row wider than the list scrolls sideways, never "…".
      list->setTextElideMode(Qt::ElideNone);
      list->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
      connect(list, &QListWidget::itemClicked, this, [self, shown, list](QListWidgetItem* item) {
        if (self) self->ClickList(shown, list->row(item));
      });
      widget = list;
      break;
    }
  }
  // Lists' keys, and the sideways keys of a window that moves a cursor with them.
  widget->installEventFilter(this);
  widget->setObjectName(QString::fromStdString(control.name));
  return widget;
}

void WindowMirror::SyncControl(const Control& control, ControlView& view) {
  QWidget& widget = *view.widget;
  const QRect place = PixelRect(control.left, control.top, control.width, control.height);
  // A list's place is its own business (KeepEveryRowInSight).
  if (control.kind != ControlKind::List && widget.geometry() != place) widget.setGeometry(place);
  if (!view.fontSet || !SameFont(view.font, control.font)) {
    view.font = control.font;
    view.fontSet = true;
    widget.setFont(ScreenFont(control.font));
  }
  switch (control.kind) {
    case ControlKind::Button:
      SyncButton(control, static_cast<CaptionButton&>(widget));
      break;
    case ControlKind::Label:
      SyncLabel(control, static_cast<QLabel&>(widget));
      break;
    case ControlKind::List:
      SyncList(control, view, static_cast<QListWidget&>(widget));
      break;
  }
  if (widget.isEnabled() != control.enabled) widget.setEnabled(control.enabled);
  if (widget.isHidden() == control.visible) widget.setVisible(control.visible);
}

void WindowMirror::SyncButton(const Control& control, CaptionButton& button) {
  const QString caption = QString::fromStdU16String(control.caption);
  if (button.text() != caption) {
    button.setText(caption);
    button.update();
  }
  button.SetColours(control.backColor, control.foreColor);
  const QKeySequence keys(QString::fromStdString(control.shortcut));
  if (button.shortcut() != keys) button.setShortcut(keys);
  const Qt::FocusPolicy policy = control.tabStop ? Qt::StrongFocus : Qt::ClickFocus;
  if (button.focusPolicy() != policy) button.setFocusPolicy(policy);
}

void WindowMirror::SyncLabel(const Control& control, QLabel& label) {
  const QString caption = CaptionText(control.caption);
  if (label.text() != caption) label.setText(caption);
  const Qt::Alignment alignment =
      (control.centred ? Qt::AlignHCenter : Qt::AlignLeft) | Qt::AlignTop;
  if (label.alignment() != alignment) label.setAlignment(alignment);
  SetColour(label, QPalette::Window, control.backColor);
  SetColour(label, QPalette::WindowText, control.foreColor);
}

void WindowMirror::SyncList(const Control& control, ControlView& view, QListWidget& list) {
  SetColour(list, QPalette::Base, control.backColor);
  SetColour(list, QPalette::Text, control.foreColor);
  const QSignalBlocker block(list);
  const QRect place = PixelRect(control.left, control.top, control.width, control.height);
  const bool rowsChanged = view.items != control.items;
  std::size_t same = 0;
  if (rowsChanged) {
    // Rows are mostly appended during entry: keep the ones that are unchanged.
    while (same < view.items.size() && same < control.items.size() &&
           view.items[same] == control.items[same])
      ++same;
    while (list.count() > static_cast<int>(same)) delete list.takeItem(list.count() - 1);
    for (std::size_t i = same; i < control.items.size(); ++i)
      list.addItem(QString::fromStdU16String(control.items[i]));
    view.items = control.items;
  }
  // The list takes its size before it scrolls: a scroll made in a list still too small
  // would leave its first rows out of sight once it has grown.
  if (rowsChanged || view.place != place) {
    view.place = place;
    KeepEveryRowInSight(place, list);
  }
  if (rowsChanged) {
    if (control.showsNewRows && !control.items.empty()) {
      list.scrollToItem(list.item(list.count() - 1));
    } else if (!control.showsNewRows && same == 0) {
      list.scrollToTop();
    }
  }
  const int wanted = control.listIndex >= 0 && control.listIndex < list.count() ? control.listIndex : -1;
  if (list.currentRow() != wanted) {
    if (wanted < 0) {
      list.clearSelection();
      list.setCurrentRow(-1);
    } else {
      list.setCurrentRow(wanted);
    }
  }
  const Qt::FocusPolicy policy = control.tabStop ? Qt::StrongFocus : Qt::ClickFocus;
  if (list.focusPolicy() != policy) list.setFocusPolicy(policy);
}

// A row too long for the list brings the sideways scroll bar, which takes its height
// from the rows: the list grows by the bar, so that the rows it was made for stay in
// sight.
void WindowMirror::KeepEveryRowInSight(const QRect& place, QListWidget& list) {
  const int frame = 2 * list.frameWidth();
  const int bar = list.style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, &list);
  int sideways = 0;
  if (list.count() > 0) {
    const bool upright = list.count() * list.sizeHintForRow(0) > place.height() - frame;
    if (list.sizeHintForColumn(0) > place.width() - frame - (upright ? bar : 0)) sideways = bar;
  }
  const QRect wanted = place.adjusted(0, 0, 0, sideways);
  if (list.geometry() != wanted) list.setGeometry(wanted);
}

void WindowMirror::SyncTabOrder(const Window& window) {
  std::vector<const Control*> order;
  for (const auto& c : window.Controls()) {
    if (c->kind != ControlKind::Label) order.push_back(c.get());
  }
  std::stable_sort(order.begin(), order.end(),
                   [](const Control* a, const Control* b) { return a->tabIndex < b->tabIndex; });
  QWidget* previous = nullptr;
  for (const Control* c : order) {
    QWidget* widget = ControlWidget(*c);
    if (!c->tabStop || !widget) continue;
    if (previous) QWidget::setTabOrder(previous, widget);
    previous = widget;
  }
}

void WindowMirror::ClickButton(const Control* shown) {
  const Control* button = Usable(shown);
  if (!button) return;
  std::function<void()> handler = button->onClick;
  toolkit_.RunEvent([handler] {
    if (handler) handler();
  });
}

void WindowMirror::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Escape && window_ && window_->escapeCloses) {
    toolkit_.WindowClosedByUser(serial_);
    return;
  }
  if (SidewaysKey(event->key())) return;
  QWidget::keyPressEvent(event);
}

bool WindowMirror::SidewaysKey(int key) {
  if ((key != Qt::Key_Left && key != Qt::Key_Right) || !window_ || !window_->onSidewaysKey) return false;
  std::function<void(int)> handler = window_->onSidewaysKey;
  const int step = key == Qt::Key_Left ? -1 : 1;
  toolkit_.RunEvent([handler, step] { handler(step); });
  return true;
}

void WindowMirror::mousePressEvent(QMouseEvent* event) {
  if (window_ && window_->onSurfaceClick && event->button() == Qt::LeftButton) {
    std::function<void(double, double)> handler = window_->onSurfaceClick;
    const double x = event->position().x() * kTwipsPerPixel, y = event->position().y() * kTwipsPerPixel;
    toolkit_.RunEvent([handler, x, y] { handler(x, y); });
    return;
  }
  QWidget::mousePressEvent(event);
}

bool WindowMirror::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::KeyPress && watched != this &&
      SidewaysKey(static_cast<QKeyEvent*>(event)->key())) {
    return true;
  }
  auto* list = qobject_cast<QListWidget*>(watched);
  if (list && event->type() == QEvent::KeyPress) {
    const int key = static_cast<QKeyEvent*>(event)->key();
    if ((key == Qt::Key_Return || key == Qt::Key_Enter) && list->currentRow() >= 0) {
      ClickList(ControlOf(list), list->currentRow());
      return true;
    }
    const Control* shown = ControlOf(list);
    if ((key == Qt::Key_Up || key == Qt::Key_Down) && shown && shown->clicksOnArrowKeys) {
      const int row = std::clamp(list->currentRow() + (key == Qt::Key_Up ? -1 : 1), 0, list->count() - 1);
      if (row != list->currentRow()) ClickList(shown, row);
      return true;
    }
  }
  return QWidget::eventFilter(watched, event);
}

void WindowMirror::ClickList(const Control* shown, int row) {
  Control* list = Usable(shown);
  if (!list || row < 0) return;
  std::function<void()> handler = list->onClick;
  toolkit_.RunEvent([list, row, handler] {
    list->listIndex = row;
    if (handler) handler();
  });
}

void WindowMirror::paintEvent(QPaintEvent*) {
  if (!window_) return;
  QPainter painter(this);
  ReplayOps(painter, window_->surface().Ops(), ScreenFont(window_->font), 1.0 / kTwipsPerPixel);
}

void WindowMirror::Place(const Window& window) {
  const QRect client = PixelRect(window.left, window.top, window.width, window.height);
  // Moved only when the program moves it: where the window system put it on opening
  // (or the student moved it) it stays.
  if (placedAt_ != client.topLeft()) {
    placedAt_ = client.topLeft();
    move(placedAt_);
  }
  if (size() != client.size() || minimumSize() != maximumSize()) setFixedSize(client.size());
}

void WindowMirror::closeEvent(QCloseEvent* event) {
  // The window stays until the program has unloaded it.
  event->ignore();
  if (window_) toolkit_.WindowClosedByUser(serial_);
}

}  // namespace rc
