// Building and redrawing the main window.
#include "shell/windows/main_window.h"

#include <QAction>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QMenuBar>
#include <QMessageBox>
#include <QPainter>
#include <QStyleHints>

#include "core/rules/cell_descriptions.h"
#include "core/rules/menus.h"
#include "shell/windows/colours.h"
#include "shell/windows/piece_pictures.h"
#include "ui/click_area.h"
#include "ui/fonts.h"
#include "ui/link_banner.h"
#include "ui/picture_box.h"
#include "ui/picture_button.h"
#include "ui/twips.h"

namespace quimbo {

namespace {

using ui::pixelRect;
using ui::pixelSize;

QPoint pixelPoint(Point twips) { return ui::pixelPoint(twips.left, twips.top); }

QString partnerSiteHost() {
  return QString::fromUtf8(kPartnerSiteHost.data(), kPartnerSiteHost.size());
}

// The golden background picture and the four white lines of the grid.
class BoardCanvas : public QWidget {
 public:
  explicit BoardCanvas(QWidget* parent) : QWidget(parent), background_("background") {
    setAttribute(Qt::WA_TransparentForMouseEvents);
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    painter.fillRect(rect(), kBoardColour);
    painter.drawPixmap(0, 0, background_.forRatio(devicePixelRatioF()));
    painter.setPen(Qt::white);
    for (const auto& [from, to] : kGridLines) painter.drawLine(pixelPoint(from), pixelPoint(to));
  }

 private:
  struct Segment {
    Point from, to;
  };
  static constexpr std::array<Segment, 4> kGridLines{{
      {{360, 1200}, {3000, 1200}},  // Line1
      {{360, 2150}, {3000, 2150}},  // Line2
      {{1200, 360}, {1200, 3000}},  // Line3
      {{2160, 360}, {2160, 3000}},  // Line4
  }};

  ui::Picture background_;
};

}  // namespace

MainWindow::MainWindow(Dispatcher& dispatcher)
    : GameWindow(dispatcher, pixelSize(kClientSize.width, kClientSize.height), Chrome::Titled,
                 kBoardColour) {
  setObjectName("Form1");
  setWindowTitle(" Quimbo v1.0");
  buildBoard();
  buildMenuBar();
  refresh(game());
}

void MainWindow::buildBoard() {
  auto* canvas = new BoardCanvas(client());
  canvas->resize(client()->size());

  const ui::Picture computerPiece = piecePicture(Side::Matrix);
  const ui::Picture playerPiece = piecePicture(Side::Player);
  for (int n = 1; n <= 10; ++n) {
    auto* piece = new ui::PictureBox(n <= 5 ? computerPiece : playerPiece, client());
    piece->setObjectName(QStringLiteral("Picture%1").arg(n));
    piece->resize(pixelSize(kPieceBoxSize.width, kPieceBoxSize.height));
    pictures_[static_cast<std::size_t>(n - 1)] = piece;
  }

  // The start button comes first to the keyboard; it is raised over the centre cell below.
  command5_ = new ui::PictureButton(kStartButtonFace, client());
  command5_->setObjectName("Command5");
  command5_->setPicture(ui::Picture("start_button"));
  command5_->setGeometry(pixelRect(1320, 1320, 750, 735));
  command5_->setAccessibleName("Jugar");
  command5_->setAccessibleDescription("Empieza una partida de cinco rondas");
  connect(command5_, &ui::PictureButton::clicked, this, [this] {
    if (!command5_->isHeldOff()) send({Action::PressStart});
  });

  // The click targets lie over the pieces so that a click anywhere on a cell reaches its handler.
  for (const CellPlaces& places : kCellPlaces) {
    auto* image = new ui::ClickArea(client());
    image->setObjectName(QStringLiteral("Image%1").arg(places.clickTarget));
    image->setGeometry(QRect(pixelPoint(places.target),
                             pixelSize(kClickTargetSize.width, kClickTargetSize.height)));
    connect(image, &ui::ClickArea::clicked, this,
            [this, target = places.clickTarget] { send(Input::clickImage(target)); });
    images_[static_cast<std::size_t>(places.clickTarget - 1)] = image;
  }
  command5_->raise();

  label1_ = new QLabel(client());
  label1_->setObjectName("Label1");
  label1_->setGeometry(pixelRect(540, 30, 2295, 255));
  label1_->setAlignment(Qt::AlignCenter);
  label1_->setFont(ui::gameFont(8.25, {.bold = true}));
  QPalette statusColours = label1_->palette();
  statusColours.setColor(QPalette::WindowText, kStatusColour);
  label1_->setPalette(statusColours);
  label1_->setAccessibleDescription("Estado");

  image10_ = new ui::LinkBanner(ui::Picture("link_banner"), client());
  image10_->setObjectName("Image10");
  image10_->setGeometry(pixelRect(0, 3450, 3360, 930));
  image10_->setAccessibleName(QString::fromUtf8(kPartnerSiteName.data(), kPartnerSiteName.size()));
  image10_->setAccessibleDescription("Abre " + partnerSiteHost() + " en el navegador");
  connect(image10_, &ui::LinkBanner::clicked, this, [this] { send({Action::ClickBanner}); });
}

void MainWindow::buildMenuBar() {
  auto* menuBar = new QMenuBar(this);
  menuBar->setNativeMenuBar(false);
  menuBar->setFont(ui::gameFont(8.25));
  // All four captions, blanks included, fit the narrow window side by side.
  menuBar->setStyleSheet("QMenuBar { spacing: 0px; } QMenuBar::item { padding: 2px 3px; }");
  QAction* msobre = menuBar->addAction(QStringLiteral("&Sobre "));
  mpc_ = menuBar->addAction(QString());
  mjug_ = menuBar->addAction(QString());
  QAction* msalir = menuBar->addAction(QStringLiteral(" &Salir"));
  msobre->setObjectName("msobre");
  mpc_->setObjectName("mpc");
  mjug_->setObjectName("mjug");
  msalir->setObjectName("msalir");
  setMenuBar(menuBar);
  connect(msobre, &QAction::triggered, this, [this] { send({Action::ChooseSobre}); });
  connect(msalir, &QAction::triggered, this, [this] { send({Action::ChooseSalir}); });
}

void MainWindow::closeEvent(QCloseEvent* event) {
  send({Action::ChooseSalir});
  event->accept();
}

void MainWindow::showBrowserNotice(bool shown) {
  if (!shown) {
    if (browserNotice_) browserNotice_->hide();
    return;
  }
  if (!browserNotice_) {
    browserNotice_ = new QMessageBox(
        QMessageBox::Information, "Quimbo",
        QString::fromUtf8("No se pudo abrir el navegador.\nVisitá %1 cuando quieras.")
            .arg(partnerSiteHost()),
        QMessageBox::NoButton, this);
    browserNotice_->addButton("Aceptar", QMessageBox::AcceptRole);
    browserNotice_->setObjectName("BrowserNotice");
    browserNotice_->setModal(false);
    connect(browserNotice_, &QMessageBox::finished, this,
            [this] { send({Action::DismissBrowserNotice}); });
  }
  if (!browserNotice_->isVisible()) browserNotice_->show();
}

void MainWindow::refresh(const Game& game) {
  if (game.form1.visible && !isVisible()) showCentred();
  showBrowserNotice(game.browserNotice.visible);
  const Form1& form = game.form1;
  for (int n = 1; n <= 10; ++n) {
    pictures_[static_cast<std::size_t>(n - 1)]->move(pixelPoint(form.picture(n)));
  }
  for (int image = 1; image <= 9; ++image) {
    const std::string description = cellDescription(form.panel, cellOfClickTarget(image));
    images_[static_cast<std::size_t>(image - 1)]->setAccessibleName(
        QString::fromStdString(description));
  }
  if (form.command5Visible && !command5_->isVisible()) {
    // The start button comes back where the result window was: the second click of a double-click
    // on that window must not start a match behind the player's back.
    command5_->holdOff(QGuiApplication::styleHints()->mouseDoubleClickInterval());
  }
  command5_->setVisible(form.command5Visible);
  // While the start button shows it is the first stop of the keyboard, and the centre cell under
  // it is none.
  images_[static_cast<std::size_t>(kCellPlaces[4].clickTarget - 1)]->setFocusPolicy(
      form.command5Visible ? Qt::NoFocus : Qt::TabFocus);
  label1_->setText(QString::fromStdString(form.label1));
  mpc_->setText(QString::fromStdString(form.mpc));
  mjug_->setText(QString::fromStdString(form.mjug));
}

}  // namespace quimbo
