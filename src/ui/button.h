// What the kit's buttons share: the keyboard reaches them with Tab, Space or Enter presses them,
// and the arrow keys are left to the owner, which knows where the neighbours lie.
#pragma once

#include <QAbstractButton>
#include <QKeyEvent>
#include <QObject>
#include <QWidget>

namespace quimbo::ui {

class Button : public QAbstractButton {
  Q_OBJECT

 public:
  explicit Button(QWidget* parent);

 signals:
  // An arrow key was pressed: one step right (1, 0), left (-1, 0), down (0, 1) or up (0, -1).
  void stepped(int right, int down);

 protected:
  void keyPressEvent(QKeyEvent* event) override;
};

}  // namespace quimbo::ui
