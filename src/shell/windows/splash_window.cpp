// Building the splash window.
#include "shell/windows/splash_window.h"

#include <QFont>
#include <QLabel>
#include <QString>
#include <Qt>

#include "core/model/board.h"
#include "core/model/windows.h"
#include "shell/windows/colours.h"
#include "shell/windows/piece_pictures.h"
#include "ui/accessibility.h"
#include "ui/fonts.h"
#include "ui/frame.h"
#include "ui/labels.h"
#include "ui/picture_box.h"
#include "ui/pictures.h"
#include "ui/twips.h"

namespace quimbo {

namespace {

using ui::pixelRect;

// Three of the player's pieces in a column, with a computer piece on either side.
constexpr PiecePlace kWonLine[] = {
    {"Picture1", Side::Computer, 120, 230},   {"Picture2", Side::Player, 720, 230},
    {"Picture6", Side::Player, 720, 830},   {"Picture5", Side::Player, 720, 1430},
    {"Picture3", Side::Computer, 1320, 1430},
};

}  // namespace

SplashWindow::SplashWindow(Dispatcher& dispatcher)
    : GameWindow(dispatcher, ui::pixelSize(4710, 3000), Chrome::Borderless, kInfoPanelColour) {
  setObjectName("Form6");
  setWindowTitle("Quimbo");
  setAccessibleDescription(QString::fromUtf8("Juego de tablero. Versión 1.0. Vandrel Software."));
  auto* frame1 = ui::addFrame(client(), "Frame1", {130, 40, 4455, 2820});

  auto* frame2 = ui::addFrame(frame1, "Frame2", {120, 130, 1960, 2090});
  addPieces(frame2, kWonLine, 520, PieceSize::Small);

  const QFont plain = ui::gameFont(8.25);
  const Qt::Alignment left = Qt::AlignLeft | Qt::AlignVCenter;
  ui::addLabel(frame1, {2660, 360, 1575, 255}, "Juego de tablero",
               {ui::gameFont(8.25, {.bold = true, .italic = true}), Qt::black, left})
      ->setObjectName("Label3");
  auto* logo = new ui::PictureBox(ui::Picture("splash_logo"), frame1);
  logo->setObjectName("Picture4");
  logo->setGeometry(pixelRect(2280, 600, 1935, 690));
  ui::addLabel(frame1, {3315, 1260, 855, 255}, QString::fromUtf8("Versión 1.0"),
               {plain, Qt::black, left})
      ->setObjectName("Label1");
  ui::addLabel(frame1, {2800, 1635, 870, 255}, "22/01/2002", {plain, Qt::red, left})
      ->setObjectName("Label2");
  ui::addLabel(frame1, {2280, 1920, 2175, 255}, "Plataforma W95/98/Me/XP", {plain, Qt::black, left})
      ->setObjectName("Label4");

  auto* frame3 = ui::addFrame(frame1, "Frame3", {120, 2250, 1960, 420});
  auto* label5 = ui::addLabel(frame3, {120, 120, 1720, 255}, QString(), {plain});
  label5->setObjectName("Label5");
  ui::markDecorative(label5);  // empty: nothing to read
  auto* frame4 = ui::addFrame(frame1, "Frame4", {2180, 2250, 2140, 420});
  ui::addLabel(frame4, {440, 140, 1335, 255}, "Vandrel Software",
               {ui::gameFont(8.25, {.bold = true}), Qt::black, left})
      ->setObjectName("Label7");
}

void SplashWindow::refresh(const Game& game) {
  if (game.splash.visible) {
    showCentred();
  } else {
    hide();
  }
}

}  // namespace quimbo
