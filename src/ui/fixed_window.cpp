// Fixed-size windows: frame, size, centring.
#include "ui/fixed_window.h"

#include <QBrush>
#include <QCloseEvent>
#include <QFlags>
#include <QGuiApplication>
#include <QLayout>
#include <QMargins>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPainter>
#include <QPalette>
#include <QPoint>
#include <QPointF>
#include <QRect>
#include <QScreen>
#include <QVBoxLayout>
#include <QWindow>
#include <Qt>

#include "ui/accessibility.h"
#include "ui/title_bar.h"

namespace quimbo::ui {

namespace {
constexpr int kThinBorder = 1;
constexpr int kSizingBorder = 4;
const QColor kBorderColour(64, 48, 24);

int borderWidth(FixedWindow::Chrome chrome) {
  switch (chrome) {
    case FixedWindow::Chrome::Titled: return 0;
    case FixedWindow::Chrome::Borderless: return kThinBorder;
    case FixedWindow::Chrome::Resizable: return kSizingBorder;
  }
  return 0;
}

}  // namespace

FixedWindow::FixedWindow(QSize clientSize, Chrome chrome, QColor background, QWidget* owner)
    : QWidget(owner), client_(new QWidget), chrome_(chrome) {
  installAccessibility();
  if (chrome == Chrome::Titled && TitleBar::isNeeded(QGuiApplication::platformName())) {
    setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
    titleBar_ = new TitleBar(this);
  } else if (chrome == Chrome::Titled) {
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);
  } else {
    // An owned window is a dialog of its owner: transient for it on X11, a child toplevel on
    // Wayland, so the desktop keeps it above the owner, lists only the owner and minimises both
    // together. A window of its own is the splash.
    setWindowFlags((owner ? Qt::Dialog : Qt::SplashScreen) | Qt::FramelessWindowHint);
  }

  markLayoutOnly(client_);
  client_->setFixedSize(clientSize);
  setMouseTracking(chrome == Chrome::Resizable);
  // The border's resize pointers end where the controls begin, however the pointer came in.
  if (chrome == Chrome::Resizable) client_->setCursor(Qt::ArrowCursor);
  client_->setAutoFillBackground(true);
  QPalette palette = client_->palette();
  palette.setColor(QPalette::Window, background);
  client_->setPalette(palette);

  auto* layout = new QVBoxLayout(this);
  const int border = borderWidth(chrome);
  layout->setContentsMargins(border, border, border, border);
  layout->setSpacing(0);
  // A resizable window only grows: its controls keep their places at the top left.
  layout->setSizeConstraint(chrome == Chrome::Resizable ? QLayout::SetMinimumSize
                                                      : QLayout::SetFixedSize);
  layout->addWidget(client_, 0, Qt::AlignLeft | Qt::AlignTop);
  if (titleBar_) layout->setMenuBar(titleBar_);
}

void FixedWindow::setMenuBar(QMenuBar* menuBar) {
  auto* column = static_cast<QVBoxLayout*>(layout());
  titleBar_ ? column->insertWidget(0, menuBar) : column->setMenuBar(menuBar);
}

void FixedWindow::showCentred() {
  if (isVisible()) return;
  adjustSize();
  // The desktop's frame counts, wherever its size is known before the window shows: on X11 from
  // the window's second showing on.
  create();
  const QMargins frame = windowHandle() ? windowHandle()->frameMargins() : QMargins();
  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    QRect frameRect(QPoint(), size().grownBy(frame));
    frameRect.moveCenter(screen->availableGeometry().center());
    move(frameRect.topLeft());
  }
  show();
}

void FixedWindow::hideToOwner() {
  if (!isVisible()) return;
  hide();
  if (parentWidget()) parentWidget()->activateWindow();
}

void FixedWindow::closeEvent(QCloseEvent* event) {
  // A window without a title bar offers no way to close it, and the desktop's close request
  // (Alt+F4) gets none either: it goes away only when the game is done with it.
  if (chrome_ != Chrome::Titled) event->ignore();
}

void FixedWindow::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  switch (chrome_) {
    case Chrome::Titled:
      return;
    case Chrome::Borderless:
      painter.setPen(kBorderColour);
      painter.drawRect(rect().adjusted(0, 0, -1, -1));
      return;
    case Chrome::Resizable: {
      const QColor face = client_->palette().window().color();
      painter.fillRect(rect(), face);
      painter.setPen(Qt::white);  // raised: light above and left, dark below and right
      painter.drawLine(0, 0, width() - 1, 0);
      painter.drawLine(0, 0, 0, height() - 1);
      painter.setPen(kBorderColour);
      painter.drawLine(0, height() - 1, width() - 1, height() - 1);
      painter.drawLine(width() - 1, 0, width() - 1, height() - 1);
      return;
    }
  }
}

Qt::Edges FixedWindow::edgesAt(QPoint at) const {
  Qt::Edges edges;
  if (chrome_ != Chrome::Resizable) return edges;
  if (at.x() < kSizingBorder) edges |= Qt::LeftEdge;
  if (at.x() >= width() - kSizingBorder) edges |= Qt::RightEdge;
  if (at.y() < kSizingBorder) edges |= Qt::TopEdge;
  if (at.y() >= height() - kSizingBorder) edges |= Qt::BottomEdge;
  return edges;
}

void FixedWindow::mouseMoveEvent(QMouseEvent* event) {
  if (chrome_ != Chrome::Resizable) return QWidget::mouseMoveEvent(event);
  const Qt::Edges edges = edgesAt(event->position().toPoint());
  const bool sideways = edges & (Qt::LeftEdge | Qt::RightEdge);
  const bool upDown = edges & (Qt::TopEdge | Qt::BottomEdge);
  const bool falling =
      edges == (Qt::LeftEdge | Qt::TopEdge) || edges == (Qt::RightEdge | Qt::BottomEdge);
  if (!edges) {
    unsetCursor();
  } else if (sideways && upDown) {
    setCursor(falling ? Qt::SizeFDiagCursor : Qt::SizeBDiagCursor);
  } else {
    setCursor(sideways ? Qt::SizeHorCursor : Qt::SizeVerCursor);
  }
}

void FixedWindow::mousePressEvent(QMouseEvent* event) {
  const Qt::Edges edges = edgesAt(event->position().toPoint());
  if (edges && windowHandle()) {
    windowHandle()->startSystemResize(edges);
    return;
  }
  QWidget::mousePressEvent(event);
}

}  // namespace quimbo::ui
