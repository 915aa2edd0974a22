// A frame: an etched border around a group of controls, with an optional caption set into its
// top edge. Its children are placed relative to its own corner.
#pragma once

#include <QObject>
#include <QPaintEvent>
#include <QRect>
#include <QString>
#include <QWidget>

namespace quimbo::ui {

class Frame : public QWidget {
  Q_OBJECT
  Q_PROPERTY(QString caption READ caption CONSTANT)

 public:
  Frame(const QString& caption, QWidget* parent);

  QString caption() const { return caption_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QString caption_;
};

// A frame named `name` at `twips` (left, top, width, height) in its parent.
Frame* addFrame(QWidget* parent, const char* name, QRect twips, const QString& caption = {});

}  // namespace quimbo::ui
