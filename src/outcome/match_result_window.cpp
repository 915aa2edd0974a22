// Building the match result window.
#include "outcome/match_result_window.h"

#include "outcome/match_result.h"
#include "outcome/panel_colours.h"
#include "ui/dispatcher.h"
#include "ui/fonts.h"
#include "ui/frame.h"
#include "ui/labels.h"
#include "ui/picture_box.h"
#include "ui/piece_pictures.h"
#include "ui/twips.h"

namespace quimbo {

using ui::pixelRect;

MatchResultWindow::MatchResultWindow(ui::Dispatcher& dispatcher, QWidget* owner)
    : PanelWindow(ui::pixelSize(2745, 2505), kOutcomePanelColour, owner), dispatcher_(dispatcher) {
  setObjectName("Form4");
  setWindowTitle("Resultado Final");
  auto* frame2 = new ui::Frame(QString(), client());
  frame2->setObjectName("Frame2");
  frame2->setGeometry(pixelRect(100, 0, 2535, 735));
  ui::addLabel(frame2, {240, 240, 2055, 375}, "Resultado Final", {ui::gameFont(12, {.bold = true})})
      ->setObjectName("Label1");

  auto* frame1 = new ui::Frame(QString(), client());
  frame1->setObjectName("Frame1");
  frame1->setGeometry(pixelRect(100, 600, 2535, 1815));
  auto* picture1 = new ui::PictureBox(ui::piecePicture(Side::Matrix), frame1);
  picture1->setObjectName("Picture1");
  picture1->setGeometry(pixelRect(360, 360, 735, 735));
  auto* picture2 = new ui::PictureBox(ui::piecePicture(Side::Player), frame1);
  picture2->setObjectName("Picture2");
  picture2->setGeometry(pixelRect(1440, 360, 735, 735));
  const ui::LabelStyle points{ui::gameFont(18)};
  label2_ = ui::addLabel(frame1, {525, 1215, 375, 480}, QString(), points);
  label2_->setObjectName("Label2");
  label3_ = ui::addLabel(frame1, {1560, 1215, 495, 480}, QString(), points);
  label3_->setObjectName("Label3");
  letClicksThrough();

  connect(this, &PanelWindow::acknowledged, this,
          [this] { dispatcher_.dispatch(acknowledgeMatchResult); });
  connect(&dispatcher_, &ui::Dispatcher::changed, this, &MatchResultWindow::refresh);
}

void MatchResultWindow::refresh() {
  const ResultWindowState& form4 = dispatcher_.game().form4;
  label2_->setText(QString::fromStdString(form4.label2));
  label3_->setText(QString::fromStdString(form4.label3));
  setAccessibleDescription(
      QString::fromUtf8("PC: %1 puntos. Jug: %2 puntos. Hacé clic o pulsá Enter para seguir.")
          .arg(label2_->text(), label3_->text()));
  setShown(form4.visible);
}

}  // namespace quimbo
