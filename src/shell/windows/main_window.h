// The main window: the board, the start button, the status line, the link banner and the
// menu bar with the score. It draws the game and sends every click and key as an input.
#pragma once

#include <QAction>
#include <QCloseEvent>
#include <QWidget>
#include <array>
#include <cstdint>

#include "core/model/game_state.h"
#include "shell/dispatcher.h"
#include "shell/windows/game_window.h"
#include "ui/fixed_window.h"

class QAction;
class QMessageBox;

namespace quimbo::ui {
class ClickArea;
class LinkBanner;
class PictureButton;
class StatusLine;
}  // namespace quimbo::ui

namespace quimbo {

class BoardCanvas;

class MainWindow : public GameWindow<ui::FixedWindow> {
 public:
  explicit MainWindow(Dispatcher& dispatcher);
  void refresh(const Game& game) override;

 protected:
  // The close button ends the program, as " &Salir" does.
  void closeEvent(QCloseEvent* event) override;

 private:
  void buildBoard();
  void buildMenuBar();
  void showBrowserNotice(bool shown);
  void showStartButton(bool shown);
  // The control standing on cell 1..9: its click area, or the start button over the centre.
  QWidget* atCell(int cell) const;
  void step(int fromCell, int right, int down);

  BoardCanvas* canvas_ = nullptr;
  std::array<ui::ClickArea*, 9> cells_{};  // the click targets of cells 1..9
  ui::PictureButton* startButton_ = nullptr;
  ui::StatusLine* status_ = nullptr;
  ui::LinkBanner* banner_ = nullptr;
  QAction* computerScore_ = nullptr;
  QAction* playerScore_ = nullptr;
  QMessageBox* browserNotice_ = nullptr;
  std::uint64_t newsSpoken_ = 0;
};

}  // namespace quimbo
