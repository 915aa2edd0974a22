// Building the won-round window.
#include "outcome/round_won_window.h"

#include "outcome/panel_colours.h"
#include "outcome/round_won.h"
#include "ui/dispatcher.h"
#include "ui/fonts.h"
#include "ui/frame.h"
#include "ui/labels.h"
#include "ui/picture_box.h"
#include "ui/piece_pictures.h"
#include "ui/twips.h"

namespace quimbo {

using ui::pixelRect;

RoundWonWindow::RoundWonWindow(ui::Dispatcher& dispatcher, Side winner, QWidget* owner)
    : PanelWindow(ui::pixelSize(2760, winner == Side::Player ? 2340 : 2355), kOutcomePanelColour,
                  owner),
      dispatcher_(dispatcher),
      winner_(winner) {
  setObjectName(winner == Side::Player ? "Form2" : "Form3");
  setWindowTitle("Ganador");
  setAccessibleDescription(QString::fromUtf8(
      winner == Side::Player ? "Ganaste la ronda. Hacé clic o pulsá Enter para seguir."
                             : "La PC ganó la ronda. Hacé clic o pulsá Enter para seguir."));
  auto* frame1 = new ui::Frame(QString(), client());
  frame1->setObjectName("Frame1");
  frame1->setGeometry(pixelRect(120, 40, 2535, 2175));
  auto* picture1 = new ui::PictureBox(ui::piecePicture(winner), frame1);
  picture1->setObjectName("Picture1");
  picture1->setGeometry(pixelRect(920, 480, 735, 735));
  ui::addLabel(frame1, {320, 1440, 1935, 375}, "Ganador",
               {ui::gameFont(18, {.bold = true}), QColor(128, 0, 0)})
      ->setObjectName("Label1");
  letClicksThrough();

  connect(this, &PanelWindow::acknowledged, this, [this] {
    dispatcher_.dispatch([winner = winner_](Game& game) { acknowledgeRoundWon(game, winner); });
  });
  connect(&dispatcher_, &ui::Dispatcher::changed, this, &RoundWonWindow::refresh);
}

void RoundWonWindow::refresh() { setShown(dispatcher_.game().roundWonWindow(winner_).visible); }

}  // namespace quimbo
