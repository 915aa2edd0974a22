// Building the drawn-round window.
#include "outcome/drawn_round_window.h"

#include "outcome/drawn_round.h"
#include "outcome/panel_colours.h"
#include "ui/dispatcher.h"
#include "ui/fonts.h"
#include "ui/frame.h"
#include "ui/labels.h"
#include "ui/piece_pictures.h"
#include "ui/twips.h"

namespace quimbo {

namespace {

// Two rows of three, the computer's and the player's pieces alternating.
constexpr ui::PiecePlace kPieces[] = {
    {"Picture1", Side::Matrix, 120, 240},  {"Picture3", Side::Player, 960, 240},
    {"Picture4", Side::Matrix, 1800, 240}, {"Picture5", Side::Player, 120, 1320},
    {"Picture6", Side::Matrix, 960, 1320}, {"Picture2", Side::Player, 1800, 1320},
};

}  // namespace

DrawnRoundWindow::DrawnRoundWindow(ui::Dispatcher& dispatcher, QWidget* owner)
    : PanelWindow(ui::pixelSize(2895, 2370), kOutcomePanelColour, owner), dispatcher_(dispatcher) {
  setObjectName("Form5");
  setWindowTitle("Empate");
  setAccessibleDescription(
      QString::fromUtf8("La ronda terminó empatada. Hacé clic o pulsá Enter para seguir."));
  auto* frame1 = new ui::Frame(QString(), client());
  frame1->setObjectName("Frame1");
  frame1->setGeometry(ui::pixelRect(120, 40, 2655, 2175));
  ui::addPieces(frame1, kPieces, 735);
  ui::addLabel(frame1, {600, 1000, 1455, 375}, "Empate", {ui::gameFont(9.75, {.bold = true})})
      ->setObjectName("Label1");
  letClicksThrough();

  connect(this, &PanelWindow::acknowledged, this,
          [this] { dispatcher_.dispatch(acknowledgeDraw); });
  connect(&dispatcher_, &ui::Dispatcher::changed, this, &DrawnRoundWindow::refresh);
}

void DrawnRoundWindow::refresh() { setShown(dispatcher_.game().form5.visible); }

}  // namespace quimbo
