// Building and redrawing the main window.
#include "shell/windows/main_window.h"

#include <QAction>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QMenuBar>
#include <QMessageBox>
#include <QPaintEvent>
#include <QPainter>
#include <QPalette>
#include <QPoint>
#include <QRect>
#include <QString>
#include <QStyleHints>
#include <Qt>
#include <algorithm>
#include <cstddef>
#include <string_view>

#include "core/glossary.h"
#include "core/input.h"
#include "core/model/board.h"
#include "core/model/main_window_state.h"
#include "core/model/windows.h"
#include "core/rules/menus.h"
#include "core/rules/spoken.h"
#include "shell/windows/colours.h"
#include "shell/windows/piece_pictures.h"
#include "ui/accessibility.h"
#include "ui/click_area.h"
#include "ui/fonts.h"
#include "ui/link_banner.h"
#include "ui/picture_button.h"
#include "ui/pictures.h"
#include "ui/status_line.h"
#include "ui/twips.h"

namespace quimbo {

namespace {

using ui::pixelRect;
using ui::pixelSize;

QPoint pixelPoint(Point twips) { return ui::pixelPoint(twips.left, twips.top); }

QString partnerSiteHost() {
  return QString::fromUtf8(kPartnerSiteHost.data(), kPartnerSiteHost.size());
}

}  // namespace

// The golden background picture, the four white lines of the grid, and the ten pieces (the
// computer's five, then the player's) where they stand.
class BoardCanvas : public QWidget {
 public:
  explicit BoardCanvas(QWidget* parent)
      : QWidget(parent),
        background_("background"),
        computerPiece_(piecePicture(Side::Computer)),
        playerPiece_(piecePicture(Side::Player)) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    ui::markDecorative(this);  // the cells tell what stands on them
  }

  void placePieces(const std::array<Point, 10>& pieces) {
    if (pieces == pieces_) return;
    pieces_ = pieces;
    update();
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    painter.fillRect(rect(), kBoardColour);
    painter.drawPixmap(0, 0, background_.forRatio(devicePixelRatioF()));
    painter.setPen(Qt::white);
    for (const auto& [from, to] : kGridLines) painter.drawLine(pixelPoint(from), pixelPoint(to));
    for (std::size_t n = 0; n < pieces_.size(); ++n) {
      const ui::Picture& piece = n < 5 ? computerPiece_ : playerPiece_;
      painter.drawPixmap(pixelPoint(pieces_[n]), piece.forRatio(devicePixelRatioF()));
    }
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

  ui::Picture background_, computerPiece_, playerPiece_;
  std::array<Point, 10> pieces_{};
};

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
  canvas_ = new BoardCanvas(client());
  canvas_->resize(client()->size());

  // The start button comes first to the keyboard; it is raised over the centre cell below.
  startButton_ = new ui::PictureButton(kStartButtonFace, client());
  startButton_->setObjectName("Command5");
  startButton_->setPicture(ui::Picture("start_button"));
  startButton_->setGeometry(pixelRect(1320, 1320, 750, 735));
  startButton_->setAccessibleName("Jugar");
  startButton_->setAccessibleDescription("Empieza una partida de cinco rondas");
  connect(startButton_, &ui::PictureButton::clicked, this, [this] {
    if (!startButton_->isHeldOff()) send({Action::PressStart});
  });
  connect(startButton_, &ui::PictureButton::stepped, this,
          [this](int right, int down) { step(5, right, down); });

  // The click targets lie over the pieces so that a click anywhere on a cell reaches its handler;
  // the arrow keys move between them as on the board.
  for (int cell = 1; cell <= 9; ++cell) {
    const CellPlaces& places = kCellPlaces[static_cast<std::size_t>(cell - 1)];
    auto* area = new ui::ClickArea(client());
    const std::string_view target = glossary::kClickTargets[static_cast<std::size_t>(cell - 1)];
    area->setObjectName(QString::fromUtf8(target.data(), static_cast<qsizetype>(target.size())));
    area->setGeometry(QRect(pixelPoint(places.target),
                            pixelSize(kClickTargetSize.width, kClickTargetSize.height)));
    connect(area, &ui::ClickArea::clicked, this,
            [this, cell] { send(Input::clickCell(cell)); });
    connect(area, &ui::ClickArea::stepped, this,
            [this, cell](int right, int down) { step(cell, right, down); });
    cells_[static_cast<std::size_t>(cell - 1)] = area;
  }
  startButton_->raise();

  status_ = new ui::StatusLine(client());
  status_->setObjectName("Label1");
  status_->setGeometry(pixelRect(540, 30, 2295, 255));
  status_->setAlignment(Qt::AlignCenter);
  status_->setFont(ui::gameFont(8.25, {.bold = true}));
  QPalette statusColours = status_->palette();
  statusColours.setColor(QPalette::WindowText, kStatusColour);
  status_->setPalette(statusColours);

  banner_ = new ui::LinkBanner(ui::Picture("link_banner"), client());
  banner_->setObjectName("Image10");
  banner_->setGeometry(pixelRect(0, 3450, 3360, 930));
  banner_->setAccessibleName(QString::fromUtf8(kPartnerSiteName.data(), kPartnerSiteName.size()));
  banner_->setAccessibleDescription("Abre " + partnerSiteHost() + " en el navegador");
  connect(banner_, &ui::LinkBanner::clicked, this, [this] { send({Action::ClickBanner}); });
}

void MainWindow::buildMenuBar() {
  auto* menuBar = new QMenuBar(this);
  menuBar->setNativeMenuBar(false);
  menuBar->setFont(ui::gameFont(8.25));
  // All four captions, blanks included, fit the narrow window side by side.
  menuBar->setStyleSheet("QMenuBar { spacing: 0px; } QMenuBar::item { padding: 2px 3px; }");
  QAction* msobre = menuBar->addAction(QStringLiteral("&Sobre "));
  computerScore_ = ui::addCaption(menuBar);
  playerScore_ = ui::addCaption(menuBar);
  QAction* msalir = menuBar->addAction(QStringLiteral(" &Salir"));
  msobre->setObjectName("msobre");
  computerScore_->setObjectName("mpc");
  playerScore_->setObjectName("mjug");
  msalir->setObjectName("msalir");
  setMenuBar(menuBar);
  connect(msobre, &QAction::triggered, this, [this] { send({Action::OpenCredits}); });
  connect(msalir, &QAction::triggered, this, [this] { send({Action::Leave}); });
}

void MainWindow::closeEvent(QCloseEvent* event) {
  send({Action::Leave});
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

QWidget* MainWindow::atCell(int cell) const {
  if (cell == 5 && !startButton_->isHidden()) return startButton_;
  return cells_[static_cast<std::size_t>(cell - 1)];
}

void MainWindow::step(int fromCell, int right, int down) {
  const int column = std::clamp((fromCell - 1) % 3 + right, 0, 2);
  const int row = std::clamp((fromCell - 1) / 3 + down, 0, 2);
  atCell(row * 3 + column + 1)->setFocus(Qt::TabFocusReason);
}

void MainWindow::showStartButton(bool shown) {
  QWidget* centre = cells_[4];
  centre->setFocusPolicy(shown ? Qt::NoFocus : Qt::TabFocus);  // no stop under the button
  if (shown == !startButton_->isHidden()) return;
  if (shown) {
    // The start button comes back where the result window was: the second click of a double-click
    // on that window must not start a match behind the player's back.
    startButton_->holdOff(QGuiApplication::styleHints()->mouseDoubleClickInterval());
    startButton_->setVisible(true);
    startButton_->setFocus();  // the match is over: the keyboard is back on "Jugar"
  } else {
    const bool hadFocus = startButton_->hasFocus();
    startButton_->setVisible(false);
    if (hadFocus) centre->setFocus();  // the match begins: the keyboard goes to the board
  }
}

void MainWindow::refresh(const Game& game) {
  if (game.news.number != newsSpoken_) {
    newsSpoken_ = game.news.number;
    status_->announce(QString::fromStdString(game.news.text));
  }
  if (game.mainWindow.visible && !isVisible()) showCentred();
  showBrowserNotice(game.browserNotice.visible);
  const MainWindowState& main = game.mainWindow;
  canvas_->placePieces(main.pieces);
  // Only what changed is told to assistive technology, so that a screen reader hears no noise.
  for (int cell = 1; cell <= 9; ++cell) {
    ui::ClickArea* area = cells_[static_cast<std::size_t>(cell - 1)];
    const QString name = QString::fromStdString(cellDescription(main.panel, cell));
    const QString hint = QString::fromStdString(cellHint(main, cell));
    if (area->accessibleName() != name) area->setAccessibleName(name);
    if (area->accessibleDescription() != hint) area->setAccessibleDescription(hint);
  }
  showStartButton(main.startButtonVisible);
  status_->setText(QString::fromStdString(main.status));
  computerScore_->setText(QString::fromStdString(main.computerScore));
  playerScore_->setText(QString::fromStdString(main.playerScore));
}

}  // namespace quimbo
