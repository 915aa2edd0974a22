// Drawing the title bar and answering its buttons.
#include "ui/title_bar.h"

#include <QColor>
#include <QFont>
#include <QHBoxLayout>
#include <QIcon>
#include <QLayout>
#include <QLinearGradient>
#include <QMouseEvent>
#include <QPainter>
#include <QPalette>
#include <QRect>
#include <QString>
#include <QStyle>
#include <QToolButton>
#include <QWindow>
#include <Qt>

namespace quimbo::ui {

namespace {

constexpr int kHeight = 24;

QToolButton* addButton(QWidget* bar, QStyle::StandardPixmap icon, const char* name) {
  auto* button = new QToolButton(bar);
  button->setIcon(bar->style()->standardIcon(icon));
  button->setAutoRaise(true);
  button->setFocusPolicy(Qt::NoFocus);  // the window's own keys close and minimise it
  button->setAccessibleName(QString::fromUtf8(name));
  bar->layout()->addWidget(button);
  return button;
}

}  // namespace

bool TitleBar::isNeeded(const QString& platformName) { return platformName.startsWith("wayland"); }

TitleBar::TitleBar(QWidget* window) : QWidget(window) {
  setAccessibleName(QString::fromUtf8("Barra de título"));
  setFixedHeight(kHeight);
  auto* layout = new QHBoxLayout(this);
  layout->setContentsMargins(0, 0, 2, 0);
  layout->setSpacing(0);
  layout->addStretch();
  connect(addButton(this, QStyle::SP_TitleBarMinButton, "Minimizar"), &QToolButton::clicked, window,
          &QWidget::showMinimized);
  connect(addButton(this, QStyle::SP_TitleBarCloseButton, "Cerrar"), &QToolButton::clicked, window,
          &QWidget::close);
}

void TitleBar::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  QLinearGradient shade(0, 0, 0, height());
  shade.setColorAt(0, palette().window().color().lighter(108));
  shade.setColorAt(1, palette().window().color().darker(108));
  painter.fillRect(rect(), shade);
  painter.setPen(palette().mid().color());
  painter.drawLine(0, height() - 1, width(), height() - 1);
  const QIcon icon = window()->windowIcon();
  if (!icon.isNull()) icon.paint(&painter, QRect(4, (height() - 16) / 2, 16, 16));
  QFont bold = font();
  bold.setBold(true);
  painter.setFont(bold);
  painter.setPen(palette().windowText().color());
  painter.drawText(rect(), Qt::AlignCenter, window()->windowTitle());
}

void TitleBar::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton && window()->windowHandle()) {
    window()->windowHandle()->startSystemMove();
  }
}

}  // namespace quimbo::ui
