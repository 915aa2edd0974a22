// Building the credits window.
#include "info/credits_window.h"

#include <QKeyEvent>

#include "game/menus.h"
#include "info/info_colours.h"
#include "ui/dispatcher.h"
#include "ui/fonts.h"
#include "ui/frame.h"
#include "ui/labels.h"
#include "ui/picture_box.h"
#include "ui/picture_button.h"
#include "ui/twips.h"

namespace quimbo {

// One person credited: a captioned frame with a name and an e-mail address.
struct Credit {
  const char* frame;
  const char* caption;
  int top;
  const char* nameLabel;
  const char* name;
  int nameLeft;
  const char* addressLabel;
  const char* address;
  QRect addressBox;  // twips, in the frame
};

namespace {

using ui::pixelRect;

const QColor kAddressColour(128, 0, 0);
const QColor kAcceptFace(255, 224, 192);
const Credit kCredits[] = {
    {"Frame1", " Estrategia y testeo ", 120, "Label1", "Marina Alcázar", 420, "Label5",
     "marina@vandrel.example", {680, 440, 1725, 195}},
    {"Frame3", " Programación ", 960, "Label3", "Tomás Iriarte", 430, "Label6",
     "tomas@vandrel.example", {650, 440, 1815, 195}},
};

const QString kDedication =
    QString::fromUtf8("Edición especial dedicada a nuestros amigos de Rincón Lúdico");

}  // namespace

CreditsWindow::CreditsWindow(ui::Dispatcher& dispatcher, QWidget* owner)
    : FixedWindow(ui::pixelSize(4440, 3675), Frame::Resizable, kInfoPanelColour, owner),
      dispatcher_(dispatcher) {
  setObjectName("Form7");
  setWindowTitle(QString::fromUtf8("Quimbo: créditos"));

  auto* tallBanner = new ui::PictureBox(ui::Picture("credits_banner_tall"), client());
  tallBanner->setObjectName("Picture1");
  tallBanner->setGeometry(pixelRect(120, 120, 940, 3440));

  for (const Credit& credit : kCredits) addCredit(credit);

  auto* frame2 = new ui::Frame(QString(), client());
  frame2->setObjectName("Frame2");
  frame2->setGeometry(pixelRect(1200, 1800, 3130, 800));
  auto* dedication =
      ui::addLabel(frame2, {0, 210, 3165, 435}, kDedication, {ui::gameFont(8.25, {.bold = true})});
  dedication->setObjectName("Label4");
  dedication->setWordWrap(true);

  auto* accept = new ui::PictureButton(kAcceptFace, client());
  accept->setObjectName("Command1");
  accept->setText("Aceptar");
  accept->setFont(ui::gameFont(8.25));
  accept->setGeometry(pixelRect(1200, 2655, 3120, 255));
  connect(accept, &ui::PictureButton::clicked, this,
          [this] { dispatcher_.dispatch(pressAceptar); });
  accept_ = accept;

  auto* wideBanner = new ui::PictureBox(ui::Picture("credits_banner_wide"), client());
  wideBanner->setObjectName("Picture2");
  wideBanner->setGeometry(pixelRect(1200, 3040, 3120, 480));

  QFont tiny = ui::gameFont(8.25);
  tiny.setPixelSize(5);
  auto* tinyCopy = ui::addLabel(client(), {1080, 3600, 375, 135}, kDedication, {tiny});
  tinyCopy->setObjectName("Label2");

  connect(&dispatcher_, &ui::Dispatcher::changed, this, &CreditsWindow::refresh);
}

void CreditsWindow::addCredit(const Credit& credit) {
  auto* frame = new ui::Frame(QString::fromUtf8(credit.caption), client());
  frame->setObjectName(credit.frame);
  frame->setFont(ui::gameFont(8.25));
  frame->setGeometry(pixelRect(1200, credit.top, 3130, 800));
  ui::addLabel(frame, {credit.nameLeft, 240, 2295, 255}, QString::fromUtf8(credit.name),
               {ui::gameFont(9.75, {.bold = true})})
      ->setObjectName(credit.nameLabel);
  ui::addLabel(frame, credit.addressBox, credit.address, {ui::gameFont(7.5), kAddressColour})
      ->setObjectName(credit.addressLabel);
}

void CreditsWindow::refresh() {
  if (!dispatcher_.game().form7.visible) {
    hide();
  } else if (!isVisible()) {
    showCentred();
    bringToFront();
  }
}

void CreditsWindow::bringToFront() {
  if (!isVisible()) return;
  raise();
  activateWindow();
  accept_->setFocus();
}

void CreditsWindow::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
    dispatcher_.dispatch(pressAceptar);
    return;
  }
  FixedWindow::keyPressEvent(event);
}

}  // namespace quimbo
