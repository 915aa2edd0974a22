// Building the announcements: "Ganador", "Empate" and "Resultado Final".
#include "shell/windows/announcements.h"

#include <QLabel>
#include <QString>

#include "core/model/windows.h"
#include "shell/windows/colours.h"
#include "shell/windows/piece_pictures.h"
#include "ui/fonts.h"
#include "ui/frame.h"
#include "ui/labels.h"
#include "ui/twips.h"

namespace quimbo {

namespace {

// Two rows of three, the computer's and the player's pieces alternating.
constexpr PiecePlace kDrawPieces[] = {
    {"Picture1", Side::Computer, 120, 240},  {"Picture3", Side::Player, 960, 240},
    {"Picture4", Side::Computer, 1800, 240}, {"Picture5", Side::Player, 120, 1320},
    {"Picture6", Side::Computer, 960, 1320}, {"Picture2", Side::Player, 1800, 1320},
};

// The computer's piece on the left, the player's on the right, each above its points.
constexpr PiecePlace kResultPieces[] = {
    {"Picture1", Side::Computer, 360, 360},
    {"Picture2", Side::Player, 1440, 360},
};

}  // namespace

Announcement::Announcement(Dispatcher& dispatcher, QSize clientSize, Input acknowledgement,
                           QWidget* owner)
    : GameWindow(dispatcher, clientSize, kOutcomePanelColour, owner) {
  connect(this, &ui::PanelWindow::acknowledged, this, [this, acknowledgement] { send(acknowledgement); });
}

RoundWonWindow::RoundWonWindow(Dispatcher& dispatcher, Side winner, QWidget* owner)
    : Announcement(dispatcher, ui::pixelSize(2760, winner == Side::Player ? 2340 : 2355),
                   {winner == Side::Player ? Action::AcknowledgePlayerWin
                                           : Action::AcknowledgeComputerWin},
                   owner),
      winner_(winner) {
  setObjectName(winner == Side::Player ? "Form2" : "Form3");
  setWindowTitle("Ganador");
  setAccessibleDescription(QString::fromUtf8(
      winner == Side::Player ? "Ganaste la ronda. Hacé clic o pulsá Enter para seguir."
                             : "La PC ganó la ronda. Hacé clic o pulsá Enter para seguir."));
  auto* frame1 = ui::addFrame(client(), "Frame1", {120, 40, 2535, 2175});
  const PiecePlace winnersPiece[] = {{"Picture1", winner, 920, 480}};
  addPieces(frame1, winnersPiece, 735);
  ui::addLabel(frame1, {320, 1440, 1935, 375}, "Ganador",
               {ui::gameFont(18, {.bold = true}), kWinnerColour})
      ->setObjectName("Label1");
  letClicksThrough();
}

void RoundWonWindow::refresh(const Game& game) {
  setShown((winner_ == Side::Player ? game.playerWon : game.computerWon).visible);
}

DrawnRoundWindow::DrawnRoundWindow(Dispatcher& dispatcher, QWidget* owner)
    : Announcement(dispatcher, ui::pixelSize(2895, 2370), {Action::AcknowledgeDraw}, owner) {
  setObjectName("Form5");
  setWindowTitle("Empate");
  setAccessibleDescription(
      QString::fromUtf8("La ronda terminó empatada. Hacé clic o pulsá Enter para seguir."));
  auto* frame1 = ui::addFrame(client(), "Frame1", {120, 40, 2655, 2175});
  addPieces(frame1, kDrawPieces, 735);
  ui::addLabel(frame1, {600, 1000, 1455, 375}, "Empate", {ui::gameFont(9.75, {.bold = true})})
      ->setObjectName("Label1");
  letClicksThrough();
}

void DrawnRoundWindow::refresh(const Game& game) { setShown(game.draw.visible); }

MatchResultWindow::MatchResultWindow(Dispatcher& dispatcher, QWidget* owner)
    : Announcement(dispatcher, ui::pixelSize(2745, 2505), {Action::AcknowledgeResult}, owner) {
  setObjectName("Form4");
  setWindowTitle("Resultado Final");
  auto* frame2 = ui::addFrame(client(), "Frame2", {100, 0, 2535, 735});
  ui::addLabel(frame2, {240, 240, 2055, 375}, "Resultado Final", {ui::gameFont(12, {.bold = true})})
      ->setObjectName("Label1");

  auto* frame1 = ui::addFrame(client(), "Frame1", {100, 600, 2535, 1815});
  addPieces(frame1, kResultPieces, 735);
  const ui::LabelStyle points{ui::gameFont(18)};
  computerPoints_ = ui::addLabel(frame1, {525, 1215, 375, 480}, QString(), points);
  computerPoints_->setObjectName("Label2");
  playerPoints_ = ui::addLabel(frame1, {1560, 1215, 495, 480}, QString(), points);
  playerPoints_->setObjectName("Label3");
  letClicksThrough();
}

void MatchResultWindow::refresh(const Game& game) {
  // Loaded afresh for each match: a hidden window changes nothing a screen reader would hear.
  if (game.result.visible && !isVisible()) {
    computerPoints_->setText(QString::fromStdString(game.result.computerPoints));
    playerPoints_->setText(QString::fromStdString(game.result.playerPoints));
    setAccessibleDescription(
        QString::fromUtf8("La PC hizo %1 puntos y vos %2. Hacé clic o pulsá Enter para jugar otra.")
            .arg(computerPoints_->text(), playerPoints_->text()));
  }
  setShown(game.result.visible);
}

}  // namespace quimbo
