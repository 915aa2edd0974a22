// Building and redrawing the main window.
#include "game/main_window.h"

#include <QAction>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QStyleHints>
#include <QLabel>
#include <QMenuBar>
#include <QMessageBox>
#include <QPainter>

#include "game/cell_descriptions.h"
#include "game/match_start.h"
#include "game/menus.h"
#include "game/player_move.h"
#include "ui/click_area.h"
#include "ui/dispatcher.h"
#include "ui/fonts.h"
#include "ui/link_banner.h"
#include "ui/picture_box.h"
#include "ui/picture_button.h"
#include "ui/piece_pictures.h"
#include "ui/twips.h"

namespace quimbo {

namespace {

using ui::pixelPoint;
using ui::pixelRect;
using ui::pixelSize;

const QColor kBackground(234, 196, 106);
const QColor kStartButtonFace(250, 233, 192);
const QColor kStatusColour(255, 192, 128);

// The golden background picture and the four white lines of the grid.
class BoardCanvas : public QWidget {
 public:
  explicit BoardCanvas(QWidget* parent) : QWidget(parent), background_("background") {
    setAttribute(Qt::WA_TransparentForMouseEvents);
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    painter.fillRect(rect(), kBackground);
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

MainWindow::MainWindow(ui::Dispatcher& dispatcher)
    : FixedWindow(pixelSize(kClientSize), Frame::Titled, kBackground), dispatcher_(dispatcher) {
  setObjectName("Form1");
  setWindowTitle(" Quimbo v1.0");
  buildBoard();
  buildMenuBar();
  connect(&dispatcher_, &ui::Dispatcher::changed, this, &MainWindow::refresh);
  refresh();
}

void MainWindow::buildBoard() {
  auto* canvas = new BoardCanvas(client());
  canvas->resize(client()->size());

  const ui::Picture computerPiece = ui::piecePicture(Side::Matrix);
  const ui::Picture playerPiece = ui::piecePicture(Side::Player);
  for (int n = 1; n <= 10; ++n) {
    auto* piece = new ui::PictureBox(n <= 5 ? computerPiece : playerPiece, client());
    piece->setObjectName(QStringLiteral("Picture%1").arg(n));
    piece->resize(pixelSize(kPieceBoxSize));
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
    if (command5_->isHeldOff()) return;
    dispatcher_.dispatch([](Game& game) { pressCommand5(game.form1, game.random); });
  });

  // The click targets lie over the pieces so that a click anywhere on a cell reaches its handler.
  for (int cell = 1; cell <= 9; ++cell) {
    const CellPlaces& places = kCellPlaces[static_cast<std::size_t>(cell - 1)];
    auto* image = new ui::ClickArea(client());
    image->setObjectName(QStringLiteral("Image%1").arg(places.clickTarget));
    image->setGeometry(QRect(pixelPoint(places.target), pixelSize(kClickTargetSize)));
    connect(image, &ui::ClickArea::clicked, this, [this, target = places.clickTarget] {
      dispatcher_.dispatch([target](Game& game) { clickImage(game.form1, target); });
    });
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
  image10_->setAccessibleName(QString::fromUtf8("Rincón Lúdico"));
  image10_->setAccessibleDescription("Abre www.rinconludico.example en el navegador");
  connect(image10_, &ui::LinkBanner::clicked, this, [this] { dispatcher_.dispatch(clickImage10); });
}

void MainWindow::buildMenuBar() {
  menuBar_ = new QMenuBar(this);
  menuBar_->setNativeMenuBar(false);
  menuBar_->setFont(ui::gameFont(8.25));
  // All four captions, blanks included, fit the narrow window side by side.
  menuBar_->setStyleSheet("QMenuBar { spacing: 0px; } QMenuBar::item { padding: 2px 3px; }");
  msobre_ = menuBar_->addAction(QStringLiteral("&Sobre "));
  mpc_ = menuBar_->addAction(QString());
  mjug_ = menuBar_->addAction(QString());
  msalir_ = menuBar_->addAction(QStringLiteral(" &Salir"));
  msobre_->setObjectName("msobre");
  mpc_->setObjectName("mpc");
  mjug_->setObjectName("mjug");
  msalir_->setObjectName("msalir");
  setMenuBar(menuBar_);
  connect(msobre_, &QAction::triggered, this, [this] {
    dispatcher_.dispatch(chooseSobre);
    emit creditsWanted();
  });
  connect(msalir_, &QAction::triggered, this, [this] { dispatcher_.dispatch(chooseSalir); });
}

void MainWindow::closeEvent(QCloseEvent* event) {
  dispatcher_.dispatch(chooseSalir);
  event->accept();
}

void MainWindow::showBrowserNotice(bool shown) {
  if (!shown) {
    if (browserNotice_) browserNotice_->hide();
    return;
  }
  if (!browserNotice_) {
    browserNotice_ =
        new QMessageBox(QMessageBox::Information, "Quimbo",
                        QString::fromUtf8("No se pudo abrir el navegador.\n"
                                          "Visitá www.rinconludico.example cuando quieras."),
                        QMessageBox::NoButton, this);
    browserNotice_->addButton("Aceptar", QMessageBox::AcceptRole);
    browserNotice_->setObjectName("BrowserNotice");
    browserNotice_->setModal(false);
    connect(browserNotice_, &QMessageBox::finished, this,
            [this] { dispatcher_.dispatch(dismissBrowserNotice); });
  }
  if (!browserNotice_->isVisible()) browserNotice_->show();
}

void MainWindow::refresh() {
  const Game& game = dispatcher_.game();
  if (game.form1Visible && !isVisible()) showCentred();
  showBrowserNotice(game.browserNoticeVisible);
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
