#include "qt/caption_button.h"

#include <QKeyEvent>
#include <QPainter>
#include <QStyleOptionButton>
#include <QStylePainter>

#include "qt/surface_painter.h"

namespace rc {

CaptionButton::CaptionButton(QWidget* parent) : QPushButton(parent) {}

void CaptionButton::SetColours(Colour back, Colour fore) {
  if (back == back_ && fore == fore_) return;
  back_ = back;
  fore_ = fore;
  const QColor bg = ToQColor(back);
  const QString light = bg.lighter(160).name(), dark = bg.darker(180).name();
  // A raised border in shades of the background; pressed, it is sunken.
  setStyleSheet(QStringLiteral("QPushButton { background-color: %1; border: 2px solid;"
                               " border-color: %2 %3 %3 %2; }"
                               "QPushButton:pressed { border-color: %3 %2 %2 %3; }")
                    .arg(bg.name(), light, dark));
  update();
}

void CaptionButton::paintEvent(QPaintEvent*) {
  QStylePainter painter(this);
  QStyleOptionButton option;
  initStyleOption(&option);
  const QString caption = option.text;
  option.text.clear();
  painter.drawControl(QStyle::CE_PushButton, option);

  QRect area = rect().adjusted(3, 2, -3, -2);
  if (isDown()) area.translate(1, 1);
  painter.setFont(font());
  painter.setPen(isEnabled() ? ToQColor(fore_) : QColor(128, 128, 128));
  painter.drawText(area, Qt::AlignCenter | Qt::TextWordWrap | Qt::TextShowMnemonic, caption);
  if (hasFocus()) {
    QPen dotted(QColor(0, 0, 0), 1, Qt::DotLine);
    painter.setPen(dotted);
    painter.drawRect(rect().adjusted(4, 4, -5, -5));
  }
}

void CaptionButton::keyPressEvent(QKeyEvent* event) {
  if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) &&
      event->modifiers() == Qt::NoModifier) {
    animateClick();
    return;
  }
  QPushButton::keyPressEvent(event);
}

}  // namespace rc
