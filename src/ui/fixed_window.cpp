// Fixed-size windows: frame, size, centring.
#include "ui/fixed_window.h"

#include <QGuiApplication>
#include <QMenuBar>
#include <QPainter>
#include <QScreen>
#include <QVBoxLayout>

namespace quimbo::ui {

namespace {
constexpr int kThinBorder = 1;
const QColor kBorderColour(64, 48, 24);
}  // namespace

FixedWindow::FixedWindow(QSize clientSize, Frame frame, QColor background, QWidget* owner)
    : QWidget(owner), client_(new QWidget), frame_(frame) {
  if (frame == Frame::Titled) {
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);
  } else {
    setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
  }

  client_->setFixedSize(clientSize);
  client_->setAutoFillBackground(true);
  QPalette palette = client_->palette();
  palette.setColor(QPalette::Window, background);
  client_->setPalette(palette);

  auto* layout = new QVBoxLayout(this);
  const int border = frame == Frame::Borderless ? kThinBorder : 0;
  layout->setContentsMargins(border, border, border, border);
  layout->setSpacing(0);
  layout->setSizeConstraint(QLayout::SetFixedSize);
  layout->addWidget(client_);
}

void FixedWindow::setMenuBar(QMenuBar* menuBar) { layout()->setMenuBar(menuBar); }

void FixedWindow::showCentred() {
  if (isVisible()) return;
  adjustSize();
  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    QRect frameRect(QPoint(), size());
    frameRect.moveCenter(screen->availableGeometry().center());
    move(frameRect.topLeft());
  }
  show();
}

void FixedWindow::paintEvent(QPaintEvent*) {
  if (frame_ != Frame::Borderless) return;
  QPainter painter(this);
  painter.setPen(kBorderColour);
  painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

}  // namespace quimbo::ui
