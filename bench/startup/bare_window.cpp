// The yardstick of the program's start-up: a bare Qt Widgets window of the start
// screen's size (800 x 600 pixels) with a gradient background, three buttons and a
// label, which quits as soon as it has been painted for the first time.
#include <QApplication>
#include <QLabel>
#include <QLinearGradient>
#include <QPainter>
#include <QPushButton>
#include <QWidget>

namespace {

class BareWindow : public QWidget {
 public:
  BareWindow() {
    setWindowTitle(QStringLiteral("Окно"));
    setFixedSize(800, 600);
    auto* label = new QLabel(QStringLiteral("Заголовок окна"), this);
    label->setAlignment(Qt::AlignCenter);
    label->setGeometry(143, 13, 513, 81);
    for (int i = 0; i < 3; ++i) {
      auto* button = new QPushButton(QStringLiteral("Кнопка %1").arg(i + 1), this);
      button->setGeometry(79 + 240 * i, 400, 161, 41);
    }
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    QLinearGradient gradient(0, 0, width(), 0);
    gradient.setColorAt(0, QColor(150, 50, 255));
    gradient.setColorAt(1, QColor(150, 50, 0));
    painter.fillRect(rect(), gradient);
    if (painted_) return;
    painted_ = true;
    // After this paint (and its children's) has finished.
    QMetaObject::invokeMethod(qApp, &QCoreApplication::quit, Qt::QueuedConnection);
  }

 private:
  bool painted_ = false;
};

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  BareWindow window;
  window.show();
  return QApplication::exec();
}
