// The small borderless windows that announce the end of a round or of a match: a click anywhere
// on one (or Enter, Space or Escape) acknowledges it. They belong to the main window.
#pragma once

#include <QSize>
#include <QWidget>

#include "core/input.h"
#include "core/model/board.h"
#include "core/model/game_state.h"
#include "shell/dispatcher.h"
#include "shell/windows/game_window.h"
#include "ui/panel_window.h"

class QLabel;

namespace quimbo {

// One announcement: which input its acknowledgement sends, and when the game shows it.
class Announcement : public GameWindow<ui::PanelWindow> {
 public:
  Announcement(Dispatcher& dispatcher, QSize clientSize, Input acknowledgement, QWidget* owner);
};

// "Ganador", the player's or the computer's: the winner's piece above the word.
class RoundWonWindow : public Announcement {
 public:
  RoundWonWindow(Dispatcher& dispatcher, Side winner, QWidget* owner);
  void refresh(const Game& game) override;

 private:
  Side winner_;
};

// "Empate": two rows of alternating pieces with the word between them.
class DrawnRoundWindow : public Announcement {
 public:
  DrawnRoundWindow(Dispatcher& dispatcher, QWidget* owner);
  void refresh(const Game& game) override;
};

// "Resultado Final": both totals under the two sides' pieces.
class MatchResultWindow : public Announcement {
 public:
  MatchResultWindow(Dispatcher& dispatcher, QWidget* owner);
  void refresh(const Game& game) override;

 private:
  QLabel* computerPoints_;
  QLabel* playerPoints_;
};

}  // namespace quimbo
